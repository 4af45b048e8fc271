#include "framework/ui/RecentFileList.h"

#include "framework/ui/CmdUI.h"
#include "framework/ui/Menu.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/AppGlobals.h"

#include <commdlg.h>

namespace {

int FileNameStart(const CString& strPath)
{
    int nSlash = strPath.ReverseFind('\\');
    int nForward = strPath.ReverseFind('/');
    int nColon = strPath.ReverseFind(':');
    int nStart = nSlash;
    if (nForward > nStart)
        nStart = nForward;
    if (nColon > nStart)
        nStart = nColon;
    return nStart + 1;
}

// The file's title as the shell shows it (extension hidden when the user
// hides known ones).
CString FileTitleOf(const CString& strPath)
{
    char szTitle[MAX_PATH];
    if (::GetFileTitleA(strPath, szTitle, sizeof(szTitle)) == 0)
        return szTitle;
    return strPath.Mid(FileNameStart(strPath));
}

CString FullPathOf(LPCSTR lpszPathName)
{
    char szFull[MAX_PATH * 2];
    DWORD nLen = ::GetFullPathNameA(lpszPathName, sizeof(szFull), szFull, nullptr);
    if (nLen == 0 || nLen >= sizeof(szFull))
        return lpszPathName;
    return szFull;
}

// Menu texts show '&' as a prefix; a file name's own '&' is doubled.
CString EscapeAmpersands(const CString& strName)
{
    CString strResult;
    for (int i = 0; i < strName.GetLength(); ++i)
    {
        char ch = strName[i];
        strResult += ch;
        if (ch == '&')
            strResult += '&';
        else if (::IsDBCSLeadByte(static_cast<BYTE>(ch)) && i + 1 < strName.GetLength())
            strResult += strName[++i];
    }
    return strResult;
}

} // namespace

CString AFXAPI AfxAbbreviateName(LPCSTR lpszPath, int cchMax, BOOL bAtLeastName)
{
    CString strPath = lpszPath;
    int nNameStart = FileNameStart(strPath);
    CString strName = strPath.Mid(nNameStart);
    if (cchMax >= strPath.GetLength())
        return strPath;
    if (cchMax < strName.GetLength())
        return bAtLeastName ? strName : CString();

    // The volume: "C:" or "\\server", then one more component (the first
    // folder, or the share) unless the file lies at the volume's root.
    int nVolEnd;
    if (strPath.GetLength() > 2 && strPath[0] == '\\' && strPath[1] == '\\')
        nVolEnd = strPath.Find('\\', 2);
    else if (strPath.GetLength() > 2 && strPath[1] == ':' && strPath[2] == '\\')
        nVolEnd = 2;
    else
        return strName;
    if (nVolEnd < 0)
        return strName;
    if (nNameStart - nVolEnd > 1)
    {
        int nNext = strPath.Find('\\', nVolEnd + 1);
        if (nNext >= 0 && nNext < nNameStart)
            nVolEnd = nNext;
    }
    CString strVol = strPath.Left(nVolEnd);
    CString strRest = strPath.Mid(nVolEnd);   // starts with '\'
    if (cchMax < strVol.GetLength() + 5 + strName.GetLength())
        return strName;

    while (strVol.GetLength() + 4 + strRest.GetLength() > cchMax)
    {
        int nNext = strRest.Find('\\', 1);
        if (nNext < 0)
            break;
        strRest = strRest.Mid(nNext);
    }
    return strVol + "\\..." + strRest;
}

CRecentFileList::CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat,
                                 int nSize, int nMaxDispLen)
    : m_arrNames(nSize > 0 ? static_cast<size_t>(nSize) : 0),
      m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat),
      m_nStart(nStart),
      m_nMaxDisplayLength(nMaxDispLen)
{
}

CRecentFileList::~CRecentFileList() = default;

int CRecentFileList::GetSize() const
{
    return static_cast<int>(m_arrNames.size());
}

CString& CRecentFileList::operator[](int nIndex)
{
    ASSERT(nIndex >= 0 && nIndex < GetSize());
    return m_arrNames[static_cast<size_t>(nIndex)];
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetSize())
        return;
    m_arrNames.erase(m_arrNames.begin() + nIndex);
    m_arrNames.push_back(CString());
}

void CRecentFileList::Add(LPCSTR lpszPathName)
{
    if (m_arrNames.empty())
        return;
    CString strPath = FullPathOf(lpszPathName);

    // A file already in the list moves to the front; otherwise the oldest
    // one drops out.
    size_t nFound = m_arrNames.size() - 1;
    for (size_t i = 0; i < m_arrNames.size(); ++i)
    {
        if (m_arrNames[i].CompareNoCase(strPath) == 0)
        {
            nFound = i;
            break;
        }
    }
    for (size_t i = nFound; i > 0; --i)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = strPath;
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCSTR lpszCurDir,
                                     int nCurDir, BOOL bAtLeastName) const
{
    if (nIndex < 0 || nIndex >= GetSize() || m_arrNames[static_cast<size_t>(nIndex)].IsEmpty())
        return FALSE;
    const CString& strPath = m_arrNames[static_cast<size_t>(nIndex)];
    int nDir = FileNameStart(strPath);

    if (lpszCurDir != nullptr && nDir == nCurDir
        && strPath.Left(nDir).CompareNoCase(CString(lpszCurDir, nCurDir)) == 0)
    {
        strName = FileTitleOf(strPath);
        return TRUE;
    }
    if (m_nMaxDisplayLength == -1)
    {
        strName = strPath;
        return TRUE;
    }
    strName = AfxAbbreviateName(strPath.Left(nDir) + FileTitleOf(strPath), m_nMaxDisplayLength,
                                bAtLeastName);
    return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (m_strOriginal.IsEmpty() && pMenu != nullptr)
        pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);

    if (m_arrNames.empty() || m_arrNames[0].IsEmpty())
    {
        if (!m_strOriginal.IsEmpty())
            pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    if (pMenu == nullptr)
        return;

    for (int i = 0; i < GetSize(); ++i)
        pMenu->DeleteMenu(pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);

    char szCurDir[MAX_PATH + 1];
    DWORD nDirLen = ::GetCurrentDirectoryA(MAX_PATH, szCurDir);
    if (nDirLen == 0 || nDirLen >= MAX_PATH)
        szCurDir[0] = '\0';
    else if (szCurDir[nDirLen - 1] != '\\')
        lstrcatA(szCurDir, "\\");
    int nCurDir = lstrlenA(szCurDir);

    CString strName;
    for (int i = 0; i < GetSize(); ++i)
    {
        if (!GetDisplayName(strName, i, szCurDir, nCurDir))
            break;
        // "&1 " .. "&9 ", "1&0 ", then plain numbers.
        int nItem = static_cast<int>(m_nStart) + i + 1;
        CString strPrefix;
        if (nItem > 10)
            strPrefix.Format("%d ", nItem);
        else if (nItem == 10)
            strPrefix = "1&0 ";
        else
            strPrefix.Format("&%d ", nItem);
        pMenu->InsertMenu(pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, pCmdUI->m_nID++,
                          strPrefix + EscapeAmpersands(strName));
    }
    pCmdUI->m_nIndex--;
    pCmdUI->m_nIndexMax = static_cast<UINT>(pMenu->GetMenuItemCount());
    pCmdUI->m_bEnableChanged = TRUE;
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (int i = 0; i < GetSize(); ++i)
    {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, i + 1);
        m_arrNames[static_cast<size_t>(i)] = pApp->GetProfileString(m_strSectionName, strEntry, "");
    }
}

// The section is written anew, so entries of a longer list of before do not
// linger.
void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    pApp->WriteProfileString(m_strSectionName, nullptr, nullptr);
    for (int i = 0; i < GetSize(); ++i)
    {
        const CString& strName = m_arrNames[static_cast<size_t>(i)];
        if (strName.IsEmpty())
            continue;
        CString strEntry;
        strEntry.Format(m_strEntryFormat, i + 1);
        pApp->WriteProfileString(m_strSectionName, strEntry, strName);
    }
}
