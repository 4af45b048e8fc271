#include "framework/ui/FileDialog.h"

#include "framework/core/Module.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

namespace {

// The position of the file name in a path: after its last separator.
int NameStart(const CString& strPath)
{
    int nStart = 0;
    for (int i = 0; i < strPath.GetLength(); ++i)
    {
        const char ch = strPath[i];
        if (ch == '\\' || ch == '/' || ch == ':')
            nStart = i + 1;
    }
    return nStart;
}

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName,
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog), m_strFilter(lpszFilter),
      m_strDefExt(lpszDefExt)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    memset(m_szFileName, 0, sizeof(m_szFileName));
    memset(m_szFileTitle, 0, sizeof(m_szFileTitle));
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof(m_szFileName);
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    m_ofn.hInstance = AfxGetResourceHandle();
    if (lpszDefExt != nullptr)
        m_ofn.lpstrDefExt = m_strDefExt;
    if (lpszFileName != nullptr)
        lstrcpynA(m_szFileName, lpszFileName, sizeof(m_szFileName));

    if (lpszFilter != nullptr)
    {
        m_filterList = lpszFilter;
        for (char& ch : m_filterList)
        {
            if (ch == '|')
                ch = '\0';
        }
        // Two zeros end the list even when the program left out "||".
        m_filterList.append(2, '\0');
        m_ofn.lpstrFilter = m_filterList.c_str();
    }
}

INT_PTR CFileDialog::DoModal()
{
    AFX_COMMONDIALOG_ANSWER answer;
    int nResult = IDCANCEL;
    const CommonDialogKind kind = m_bOpenFileDialog ? CommonDialogKind::fileOpen
                                                    : CommonDialogKind::fileSave;
    if (AskSeam(kind, m_ofn.lpstrTitle, m_strFilter, m_ofn.Flags, answer, &nResult))
    {
        if (nResult == IDOK && !SetChosenPath(answer.strPath))
            nResult = IDCANCEL;
        return nResult;
    }

    HWND hWndTop = nullptr;
    m_ofn.hwndOwner = PreModal(FALSE, &hWndTop);
    const BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    PostModal(hWndTop);
    return bResult ? IDOK : IDCANCEL;
}

BOOL CFileDialog::SetChosenPath(CString strPath)
{
    // A name typed without an extension gets the default one.
    const int nName = NameStart(strPath);
    if (!m_strDefExt.IsEmpty() && strPath.Mid(nName).Find('.') < 0)
        strPath += "." + m_strDefExt;
    // As the system dialog: a path longer than the buffer is no choice.
    if (strPath.GetLength() >= static_cast<int>(sizeof(m_szFileName)))
        return FALSE;
    lstrcpynA(m_szFileName, strPath, sizeof(m_szFileName));
    lstrcpynA(m_szFileTitle, strPath.Mid(nName), sizeof(m_szFileTitle));
    m_ofn.nFileOffset = static_cast<WORD>(nName);
    const int nDot = strPath.ReverseFind('.');
    m_ofn.nFileExtension = static_cast<WORD>(nDot >= nName ? nDot + 1 : 0);
    return TRUE;
}

CString CFileDialog::GetPathName() const
{
    return CString(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileName() const
{
    const CString strPath = GetPathName();
    return strPath.Mid(NameStart(strPath));
}

CString CFileDialog::GetFileExt() const
{
    const CString strName = GetFileName();
    const int nDot = strName.ReverseFind('.');
    return nDot < 0 ? CString() : strName.Mid(nDot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    const CString strName = GetFileName();
    const int nDot = strName.ReverseFind('.');
    return nDot < 0 ? strName : strName.Left(nDot);
}

BOOL CFileDialog::GetReadOnlyPref() const
{
    return (m_ofn.Flags & OFN_READONLY) != 0;
}
