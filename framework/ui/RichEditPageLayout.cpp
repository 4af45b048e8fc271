#include "framework/ui/RichEditPageLayout.h"

#include "framework/ui/Dc.h"
#include "framework/ui/RichEditCtrl.h"
#include "framework/ui/RichEditPageRecord.h"

#include <string>

namespace {

DWORD CALLBACK CopyOut(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    reinterpret_cast<std::string*>(dwCookie)->append(reinterpret_cast<char*>(pbBuff),
                                                     static_cast<size_t>(cb));
    *pcb = cb;
    return 0;
}

struct CopySource
{
    const std::string* pText;
    size_t nPos;
};

DWORD CALLBACK CopyIn(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    auto* pSource = reinterpret_cast<CopySource*>(dwCookie);
    size_t nLeft = pSource->pText->size() - pSource->nPos;
    size_t nCopy = nLeft < static_cast<size_t>(cb) ? nLeft : static_cast<size_t>(cb);
    memcpy(pbBuff, pSource->pText->data() + pSource->nPos, nCopy);
    pSource->nPos += nCopy;
    *pcb = static_cast<LONG>(nCopy);
    return 0;
}

HWND CreateHiddenControl(int cx, int cy)
{
    LPCSTR lpszClass = CRichEditCtrl::GetWindowClassName();
    if (lpszClass == nullptr)
        return nullptr;
    return ::CreateWindowExA(0, lpszClass, "", WS_POPUP | ES_MULTILINE, -32000, -32000, cx, cy,
                             nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

// Measures a short text with EM_FORMATRANGE: a control that lays pages out
// answers where the measured part ends.
BOOL ProbeFormatRange()
{
    HWND hWnd = CreateHiddenControl(200, 100);
    if (hWnd == nullptr)
        return FALSE;
    ::SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Seite"));
    HDC hDC = ::CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    FORMATRANGE fr = {};
    fr.hdc = hDC;
    fr.hdcTarget = hDC;
    ::SetRect(&fr.rcPage, 0, 0, 11906, 16838);
    ::SetRect(&fr.rc, 1440, 1440, 10466, 15398);
    fr.chrg.cpMin = 0;
    fr.chrg.cpMax = -1;
    LRESULT lNext = ::SendMessageA(hWnd, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&fr));
    ::SendMessageA(hWnd, EM_FORMATRANGE, FALSE, 0);
    ::DeleteDC(hDC);
    ::DestroyWindow(hWnd);
    return lNext > 0;
}

// A DC that keeps what is drawn as records instead of pixels: a metafile,
// or a printer, which may spool its pages as metafiles.
BOOL KeepsRecords(HDC hDC)
{
    DWORD dwType = ::GetObjectType(hDC);
    return dwType == OBJ_ENHMETADC || dwType == OBJ_METADC
           || ::GetDeviceCaps(hDC, TECHNOLOGY) == DT_RASPRINTER;
}

} // namespace

CRichEditPageLayout::~CRichEditPageLayout()
{
    Release();
}

BOOL CRichEditPageLayout::ControlFormatsRanges()
{
    static const BOOL s_bFormats = ProbeFormatRange();
    return s_bFormats;
}

BOOL CRichEditPageLayout::IsPrepared() const
{
    return m_hWnd != nullptr;
}

void CRichEditPageLayout::Release()
{
    if (m_hWnd != nullptr)
    {
        ::DestroyWindow(m_hWnd);
        m_hWnd = nullptr;
    }
}

BOOL CRichEditPageLayout::Prepare(CRichEditCtrl& ctrl, const CRect& rectPrint)
{
    Release();
    m_rectPrint = rectPrint;
    HDC hScreen = ::GetDC(nullptr);
    m_sizeScreenDpi = CSize(::GetDeviceCaps(hScreen, LOGPIXELSX), ::GetDeviceCaps(hScreen, LOGPIXELSY));
    ::ReleaseDC(nullptr, hScreen);
    m_sizePage = CSize(::MulDiv(rectPrint.Width(), m_sizeScreenDpi.cx, 1440),
                       ::MulDiv(rectPrint.Height(), m_sizeScreenDpi.cy, 1440));
    if (m_sizePage.cx <= 0 || m_sizePage.cy <= 0)
        return FALSE;

    m_hWnd = CreateHiddenControl(m_sizePage.cx, m_sizePage.cy);
    if (m_hWnd == nullptr)
        return FALSE;
    ::SendMessageA(m_hWnd, EM_EXLIMITTEXT, 0, 0x0FFFFFFF);
    ::SendMessageA(m_hWnd, EM_SETTARGETDEVICE, 0, 0);   // lines break at the window's width

    std::string rtf;
    EDITSTREAM esOut = { reinterpret_cast<DWORD_PTR>(&rtf), 0, CopyOut };
    ctrl.StreamOut(SF_RTF, esOut);
    CopySource source = { &rtf, 0 };
    EDITSTREAM esIn = { reinterpret_cast<DWORD_PTR>(&source), 0, CopyIn };
    ::SendMessageA(m_hWnd, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&esIn));
    return TRUE;
}

long CRichEditPageLayout::TextLength() const
{
    GETTEXTLENGTHEX textLen = { GTL_NUMCHARS | GTL_PRECISE, 1200 };
    return static_cast<long>(
        ::SendMessageA(m_hWnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&textLen), 0));
}

int CRichEditPageLayout::LineCount() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, EM_GETLINECOUNT, 0, 0));
}

// Positions are asked with the copy scrolled to its top, so they count from
// the text's start.
int CRichEditPageLayout::LineTop(int nLine) const
{
    long nChar = static_cast<long>(::SendMessageA(m_hWnd, EM_LINEINDEX, nLine, 0));
    POINTL pt = {};
    ::SendMessageA(m_hWnd, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), nChar);
    return static_cast<int>(pt.y);
}

int CRichEditPageLayout::LineBottom(int nLine, int nLines) const
{
    if (nLine + 1 < nLines)
        return LineTop(nLine + 1);
    // The last line is as high as the one before it (or a line of text).
    int nHeight = nLines > 1 ? LineTop(nLine) - LineTop(nLine - 1) : 0;
    if (nHeight <= 0)
        nHeight = ::MulDiv(12, m_sizeScreenDpi.cy, 72);
    return LineTop(nLine) + nHeight;
}

long CRichEditPageLayout::FormatPage(CDC* pDC, long nStart, BOOL bOutput)
{
    if (m_hWnd == nullptr)
        return 0;
    long nLength = TextLength();
    if (nStart >= nLength)
        return nLength;

    // Back at the top, so line positions count from the text's start.
    POINT ptTop = { 0, 0 };
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, m_sizePage.cx, m_sizePage.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageA(m_hWnd, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&ptTop));
    int nLines = LineCount();
    int nFirst = static_cast<int>(::SendMessageA(m_hWnd, EM_EXLINEFROMCHAR, 0, nStart));
    int yFirst = LineTop(nFirst);

    // Lines [nFirst, nNext) fill the page; the first one is always on it,
    // even when it is taller than the page.
    int nNext = nFirst + 1;
    while (nNext < nLines && LineBottom(nNext, nLines) - yFirst <= m_sizePage.cy)
        ++nNext;
    long nNextStart = nNext < nLines
                          ? static_cast<long>(::SendMessageA(m_hWnd, EM_LINEINDEX, nNext, 0))
                          : nLength;
    if (!bOutput || pDC == nullptr)
        return nNextStart;

    int cyBand = LineBottom(nNext - 1, nLines) - yFirst;
    if (cyBand > m_sizePage.cy)
        cyBand = m_sizePage.cy;
    // The copy shows exactly this band of lines and paints it, scaled from
    // the screen's resolution to the device's, at the page's margins.
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, m_sizePage.cx, cyBand,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    POINT ptBand = { 0, yFirst };
    ::SendMessageA(m_hWnd, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&ptBand));

    HDC hDC = pDC->GetSafeHdc();
    HDC hAttrib = pDC->m_hAttribDC != nullptr ? pDC->m_hAttribDC : hDC;
    int nDpiX = ::GetDeviceCaps(hAttrib, LOGPIXELSX);
    int nDpiY = ::GetDeviceCaps(hAttrib, LOGPIXELSY);
    int nSaved = ::SaveDC(hDC);
    ::SetMapMode(hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(hDC, m_sizeScreenDpi.cx, m_sizeScreenDpi.cy, nullptr);
    ::SetViewportExtEx(hDC, nDpiX, nDpiY, nullptr);
    ::SetWindowOrgEx(hDC, 0, 0, nullptr);
    ::SetViewportOrgEx(hDC,
                       ::MulDiv(m_rectPrint.left, nDpiX, 1440) - ::GetDeviceCaps(hAttrib, PHYSICALOFFSETX),
                       ::MulDiv(m_rectPrint.top, nDpiY, 1440) - ::GetDeviceCaps(hAttrib, PHYSICALOFFSETY),
                       nullptr);
    ::IntersectClipRect(hDC, 0, 0, m_sizePage.cx, cyBand);
    CRichEditPageRecord record;
    if (!CRichEditPageRecord::MetafilesKeepAdvancePairs() && KeepsRecords(hDC)
        && record.Record(m_hWnd, m_sizePage.cx, cyBand))
        record.Play(hDC);
    else
        ::SendMessageA(m_hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hDC), PRF_CLIENT);
    ::RestoreDC(hDC, nSaved);
    return nNextStart;
}
