#include "app/ProgramPicture.h"

#include "app/res/resource.h"
#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/File.h"
#include "framework/ui/ArchiveStream.h"
#include "framework/ui/Dc.h"
#include "framework/ui/MessageBox.h"

#include <vector>

namespace {

const LONG kHimetricPerInch = 2540;

} // namespace

CString QivProgramFile()
{
    // The program may sit in a folder deeper than MAX_PATH allows: grow the
    // buffer until the whole name fits.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD nLength = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (nLength == 0)
            return CString();
        if (nLength < buffer.size())
            return CString(buffer.data());
        if (buffer.size() >= 32768)
            return CString();
        buffer.resize(buffer.size() * 2);
    }
}

CString QivProgramFolderFile(LPCSTR lpszName)
{
    CString strPath = QivProgramFile();
    int nSlash = strPath.ReverseFind('\\');
    if (nSlash < 0)
        return CString();
    return strPath.Left(nSlash + 1) + lpszName;
}

BOOL CQivPicture::Load(LPCSTR lpszPath)
{
    Release();
    CFile file;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite))
        return FALSE;
    try {
        CArchive ar(&file, CArchive::load, 4096);
        CArchiveStream stream(&ar);
        LONG nSize = static_cast<LONG>(file.GetLength());
        if (FAILED(::OleLoadPicture(&stream, nSize, FALSE, IID_IPicture,
                                    reinterpret_cast<void**>(&m_pPicture))))
            m_pPicture = nullptr;
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        Release();
    }
    return m_pPicture != nullptr;
}

void CQivPicture::Release()
{
    if (m_pPicture) {
        m_pPicture->Release();
        m_pPicture = nullptr;
    }
}

CSize CQivPicture::GetSizePixels(CDC* pDC) const
{
    if (!m_pPicture)
        return CSize(0, 0);
    OLE_XSIZE_HIMETRIC cxHimetric = 0;
    OLE_YSIZE_HIMETRIC cyHimetric = 0;
    m_pPicture->get_Width(&cxHimetric);
    m_pPicture->get_Height(&cyHimetric);
    int nDpiX = 0;
    int nDpiY = 0;
    if (pDC) {
        nDpiX = pDC->GetDeviceCaps(LOGPIXELSX);
        nDpiY = pDC->GetDeviceCaps(LOGPIXELSY);
    } else {
        CWindowDC dcScreen(nullptr);
        nDpiX = dcScreen.GetDeviceCaps(LOGPIXELSX);
        nDpiY = dcScreen.GetDeviceCaps(LOGPIXELSY);
    }
    return CSize(::MulDiv(cxHimetric, nDpiX, kHimetricPerInch), ::MulDiv(cyHimetric, nDpiY, kHimetricPerInch));
}

void CQivPicture::Render(CDC* pDC, const CRect& rc) const
{
    if (!m_pPicture)
        return;
    OLE_XSIZE_HIMETRIC cxHimetric = 0;
    OLE_YSIZE_HIMETRIC cyHimetric = 0;
    m_pPicture->get_Width(&cxHimetric);
    m_pPicture->get_Height(&cyHimetric);
    // The picture's coordinates run bottom-up: start at its height and go
    // up by it.
    m_pPicture->Render(pDC->GetSafeHdc(), rc.left, rc.top, rc.Width(), rc.Height(), 0, cyHimetric,
                       cxHimetric, -cyHimetric, nullptr);
}

BOOL QivLoadProgramPicture(CQivPicture& picture, LPCSTR lpszName, BOOL bReportMissing)
{
    picture.Release();
    CString strPath = QivProgramFolderFile(lpszName);
    if (strPath.IsEmpty())
        return FALSE;
    if (::GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES) {
        if (bReportMissing) {
            CString strMessage;
            strMessage.Format(IDS_FILE_MISSING, lpszName);
            AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
        }
        return FALSE;
    }
    return picture.Load(strPath);
}
