// The self-drawn tips beyond the plain one: the gradient backgrounds of the
// Luna and Office 2007 tips, and the rich-text tip, which lets a hidden
// rich-edit child lay the text out and render it.
#include "toolkit/extras/ToolTipWnd.h"

#include "framework/ui/Dc.h"
#include "framework/ui/MessageMap.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/Office2007StyleResources.h"

#include <richedit.h>

#include <cstring>

namespace {

// Gradient frame of the Luna tip per colour scheme (1 blue, 2 olive, 3 silver).
const COLORREF LUNA_FRAME[] = { RGB(0, 0, 128), RGB(63, 93, 56), RGB(75, 75, 111) };
const COLORREF LUNA_FROM = RGB(255, 212, 151);
const COLORREF LUNA_TO = RGB(255, 242, 200);
const UINT RICHEDIT_ID = 1;

void DrawFrame(CDC* pDC, const CRect& rect, COLORREF clr)
{
    pDC->Draw3dRect(&rect, clr, clr);
}

COLORREF StyleColor(LPCSTR lpszKey, COLORREF clrDefault)
{
    COLORREF clr = GetOffice2007StyleResources()->LookupColor("Window", lpszKey);
    return clr == static_cast<COLORREF>(-1) ? clrDefault : clr;
}

// Streams text out of memory into a rich-edit control.
struct MemoryStream
{
    const char* pData;
    LONG nSize;
    LONG nRead;
};

DWORD CALLBACK ReadMemory(DWORD_PTR dwCookie, LPBYTE pBuffer, LONG nWanted, LONG* pnRead)
{
    auto* pStream = reinterpret_cast<MemoryStream*>(dwCookie);
    LONG nCount = std::min(nWanted, pStream->nSize - pStream->nRead);
    std::memcpy(pBuffer, pStream->pData + pStream->nRead, static_cast<size_t>(nCount));
    pStream->nRead += nCount;
    *pnRead = nCount;
    return 0;
}

int ToTwips(int nPixels, int nPixelsPerInch)
{
    return MulDiv(nPixels, 1440, nPixelsPerInch);
}

} // namespace

// ---- Luna and Office 2007 -----------------------------------------------------------

void CXTPToolTipContext::CLunaToolTip::DrawBackground(CDC* pDC, TOOLITEM&, CRect rect)
{
    int nScheme = GetColorManager()->GetActiveColorScheme();
    if (nScheme >= 1 && nScheme <= 3)
    {
        CXTPDrawHelpers::GradientFill(pDC, &rect, LUNA_FROM, LUNA_TO, FALSE);
        DrawFrame(pDC, rect, LUNA_FRAME[nScheme - 1]);
    }
    else
    {
        CXTPDrawHelpers::GradientFill(pDC, &rect, m_pContext->GetTipBkColor(), RGB(255, 255, 255), FALSE);
        DrawFrame(pDC, rect, RGB(0, 0, 0));
    }
}

void CXTPToolTipContext::COffice2007ToolTip::DrawBackground(CDC* pDC, TOOLITEM&, CRect rect)
{
    CXTPDrawHelpers::GradientFill(pDC, &rect, StyleColor("TooltipLight", RGB(255, 255, 255)),
                                  StyleColor("TooltipDark", RGB(201, 217, 239)), FALSE);
    DrawFrame(pDC, rect, StyleColor("TooltipBorder", RGB(118, 118, 118)));
}

// ---- rich text ----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CXTPToolTipContext::CRichEditToolTip, CXTPToolTipContextToolTip)
    ON_WM_CREATE()
END_MESSAGE_MAP()

int CXTPToolTipContext::CRichEditToolTip::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CXTPToolTipContextToolTip::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_wndRichEdit.CreateEx(0, "RICHEDIT", nullptr, WS_CHILD | ES_MULTILINE | ES_READONLY, 0, 0, 0, 0,
                           m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(RICHEDIT_ID)));
    return 0;
}

BOOL CXTPToolTipContext::CRichEditToolTip::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pHeader = reinterpret_cast<NMHDR*>(lParam);
    if (pHeader != nullptr && pHeader->idFrom == RICHEDIT_ID && pHeader->code == EN_REQUESTRESIZE)
    {
        const RECT& rc = reinterpret_cast<REQRESIZE*>(lParam)->rc;
        m_sizeRequested = CSize(rc.right - rc.left, rc.bottom - rc.top);
        *pResult = 0;
        return TRUE;
    }
    return CXTPToolTipContextToolTip::OnNotify(wParam, lParam, pResult);
}

CSize CXTPToolTipContext::CRichEditToolTip::RequestSize(int nWidth)
{
    m_wndRichEdit.SetWindowPos(nullptr, 0, 0, nWidth, 1, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    CRect rcFormat(0, 0, nWidth, 1);
    m_wndRichEdit.SendMessage(EM_SETRECT, 0, reinterpret_cast<LPARAM>(static_cast<LPRECT>(&rcFormat)));
    m_sizeRequested = CSize(0, 0);
    m_wndRichEdit.SendMessage(EM_REQUESTRESIZE);
    return m_sizeRequested;
}

CSize CXTPToolTipContext::CRichEditToolTip::CalcTipSize(TOOLITEM& tool)
{
    if (m_wndRichEdit.m_hWnd == nullptr)
        return CSize(0, 0);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOZORDER);
    m_wndRichEdit.SendMessage(EM_SETBKGNDCOLOR, 0, m_pContext->GetTipBkColor());
    m_wndRichEdit.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    CHARFORMATA cf = {};
    cf.cbSize = sizeof(cf);
    cf.dwMask = CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED;
    cf.crTextColor = m_pContext->GetTipTextColor();
    m_wndRichEdit.SendMessage(EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
    m_wndRichEdit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_pContext->GetFont()->GetSafeHandle()));

    CString strText = GetToolText(tool);
    if (strText.IsEmpty())
        return CSize(0, 0);
    MemoryStream stream = { strText, strText.GetLength(), 0 };
    EDITSTREAM es = {};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&stream);
    es.pfnCallback = ReadMemory;
    m_wndRichEdit.SendMessage(EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
    if (m_wndRichEdit.GetWindowTextLength() == 0)
    {
        // Not rich text: the same bytes as plain text.
        stream.nRead = 0;
        m_wndRichEdit.SendMessage(EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&es));
    }

    // The narrowest width that keeps the height the text has at the limit.
    m_wndRichEdit.SendMessage(EM_SETEVENTMASK, 0, ENM_REQUESTRESIZE);
    int nLimit = m_pContext->GetMaxTipWidth();
    if (nLimit < 0)
        nLimit = ::GetSystemMetrics(SM_CXSCREEN);
    int nLow = 0;
    int nHigh = 2 * nLimit;
    int nTarget = -1;
    CSize size(0, 0);
    while (nHigh > nLow)
    {
        int nMid = (nLow + nHigh) / 2;
        size = RequestSize(nMid);
        if (nTarget < 0)
            nTarget = size.cy;
        if (size.cy > nTarget)
            nLow = nMid + 1;
        else
            nHigh = nMid - 1;
    }
    if (size.cy > nTarget)
        size = RequestSize(nHigh + 1);
    m_wndRichEdit.SetWindowPos(nullptr, 0, 0, size.cx + 2, size.cy + 2,
                               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE | SWP_HIDEWINDOW);

    const CRect& rcMargin = m_pContext->GetMargin();
    int cx = size.cx + rcMargin.left + rcMargin.right + 4;
    int nAlign = strText.Find("\\q");
    if (nAlign >= 0 && nAlign + 2 < strText.GetLength()
        && (strText[nAlign + 2] == 'r' || strText[nAlign + 2] == 'c'))
        cx += 5;   // right-aligned or centred paragraphs
    return CSize(cx, size.cy + rcMargin.top + rcMargin.bottom + 2);
}

void CXTPToolTipContext::CRichEditToolTip::DrawContent(CDC* pDC, TOOLITEM&, CRect rect)
{
    const CRect& rcMargin = m_pContext->GetMargin();
    int nPerInchX = pDC->GetDeviceCaps(LOGPIXELSX);
    int nPerInchY = pDC->GetDeviceCaps(LOGPIXELSY);
    FORMATRANGE fr = {};
    fr.hdc = fr.hdcTarget = pDC->GetSafeHdc();
    fr.rc.left = ToTwips(rect.left + rcMargin.left + 3, nPerInchX);
    fr.rc.top = ToTwips(rect.top + rcMargin.top + 2, nPerInchY);
    fr.rc.right = ToTwips(rect.right - 1, nPerInchX);
    fr.rc.bottom = ToTwips(rect.bottom - 1, nPerInchY);
    fr.rcPage = fr.rc;
    fr.chrg.cpMin = 0;
    fr.chrg.cpMax = -1;
    m_wndRichEdit.SendMessage(EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&fr));
    m_wndRichEdit.SendMessage(EM_FORMATRANGE, FALSE, 0);
}
