// The Office 2007 theme's skinned window frame: the border columns, the
// caption of images with the small icon, caption buttons and text, the
// status-bar corners, and the window region that rounds the corners.
// Without the style module the caption and corners are plain fills in the
// border colours and the caption-button glyphs come from the Marlett font.
#include "toolkit/draw/Office2007Theme.h"

#include "framework/ui/Dc.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/Gdi.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/FrameHook.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/BufferDC.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/Office2007Image.h"
#include "toolkit/draw/ScopedDC.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace XTPPaintThemes {

namespace {

const COLORREF IMAGE_KEY = 0xff00ff;
const UINT QUERY_ICON_TIMEOUT = 100;

// The rounded top of a frame with the plain caption, then its body top.
const RECT s_plainTop[] = {{4, 0, -4, 1}, {2, 1, -2, 2}, {1, 2, -1, 3}, {1, 3, -1, 4}};
const int s_plainBodyTop = 4;
// The wider curve of a frame whose caption the ribbon draws.
const RECT s_ribbonTop[] = {{19, 0, -4, 1}, {14, 1, -2, 2}, {12, 2, -1, 3}, {10, 3, -1, 4},
                            {9, 4, 0, 5},   {7, 5, 0, 6},   {6, 6, 0, 7},   {5, 7, 0, 9},
                            {4, 9, 0, 10},  {3, 10, 0, 12}, {2, 12, 0, 14}, {1, 14, 0, 19}};
const int s_ribbonBodyTop = 19;
// The bottom rows, counted from the window's bottom: square, or rounded
// beside a status bar.
const RECT s_squareBottom[] = {{0, -4, 0, 0}};
const RECT s_roundBottom[] = {{1, -4, -1, -2}, {2, -2, -2, -1}, {4, -1, -4, 0}};

// A row of a shape table made absolute: right edges count from the width,
// and for bottom rows the tops and bottoms count from the height.
CRect Place(const RECT& row, int cx, int cy, BOOL bFromBottom)
{
    const int nBase = bFromBottom ? cy : 0;
    return CRect(row.left, nBase + row.top, cx + row.right, nBase + row.bottom);
}

struct CaptionGlyph
{
    int nId;
    LPCSTR lpszName;
    LPCSTR lpszMarlett;
};

const CaptionGlyph s_captionGlyphs[] = {
    {SC_CLOSE, "CLOSE", "r"},
    {SC_MINIMIZE, "MINIMIZE", "0"},
    {SC_MAXIMIZE, "MAXIMIZE", "1"},
};
const CaptionGlyph s_restoreGlyph = {0, "RESTORE", "2"};

const CaptionGlyph& FindCaptionGlyph(int nId)
{
    for (const CaptionGlyph& glyph : s_captionGlyphs)
        if (glyph.nId == nId)
            return glyph;
    return s_restoreGlyph;
}

} // namespace

BOOL CXTPOffice2007Theme::HasRibbonCaption(FrameHook* pHook)
{
    return pHook && !pHook->IsFrameSkinDisabled();
}

int CXTPOffice2007Theme::GetCaptionGlyphSize(int cxButton)
{
    return cxButton <= 19 ? 13 : cxButton <= 26 ? 17 : 23;
}

HRGN CXTPOffice2007Theme::BuildFrameRegion(int cx, int cy, BOOL bRibbonCaption, BOOL bStatusBar)
{
    std::vector<CRect> rects;
    auto append = [&](const RECT* pRows, size_t nRows, BOOL bFromBottom) {
        for (size_t i = 0; i < nRows; ++i)
            rects.push_back(Place(pRows[i], cx, cy, bFromBottom));
    };
    if (bRibbonCaption)
        append(s_ribbonTop, std::size(s_ribbonTop), FALSE);
    else
        append(s_plainTop, std::size(s_plainTop), FALSE);
    rects.push_back(CRect(0, bRibbonCaption ? s_ribbonBodyTop : s_plainBodyTop, cx, cy - 4));
    if (bStatusBar)
        append(s_roundBottom, std::size(s_roundBottom), TRUE);
    else
        append(s_squareBottom, std::size(s_squareBottom), TRUE);
    // A window smaller than the shape would turn rows inside out: no region.
    for (const CRect& rc : rects)
        if (rc.left >= rc.right || rc.top >= rc.bottom || rc.top < 0 || rc.bottom > cy)
            return nullptr;

    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATAHEADER header = {};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(rects.size());
    memcpy(data.data(), &header, sizeof(header));
    for (size_t i = 0; i < rects.size(); ++i)
    {
        RECT rc = rects[i];
        memcpy(data.data() + sizeof(header) + i * sizeof(RECT), &rc, sizeof(RECT));
    }
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                             reinterpret_cast<const RGNDATA*>(data.data()));
}

HRGN CXTPOffice2007Theme::GetFrameRegion(FrameHook* pHook, int cx, int cy)
{
    CWnd* pSite = pHook ? pHook->GetSite() : nullptr;
    HWND hWnd = pSite ? pSite->GetSafeHwnd() : nullptr;
    if (!hWnd || (::GetWindowLongA(hWnd, GWL_STYLE) & WS_MAXIMIZE))
        return nullptr;
    return BuildFrameRegion(cx, cy, HasRibbonCaption(pHook), pHook->GetStatusBarHeight());
}

// --- The frame ------------------------------------------------------------------------------

void CXTPOffice2007Theme::DrawFrame(CDC* pDC, FrameHook* pHook)
{
    CWnd* pSite = pHook ? pHook->GetSite() : nullptr;
    HWND hWnd = pSite ? pSite->GetSafeHwnd() : nullptr;
    if (!hWnd)
        return;
    CRect rcWindow;
    ::GetWindowRect(hWnd, &rcWindow);
    CRect rcClient;
    ::GetClientRect(hWnd, &rcClient);
    ::MapWindowPoints(hWnd, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    rcClient.OffsetRect(-rcWindow.TopLeft());
    rcWindow.OffsetRect(-rcWindow.TopLeft());
    const int cx = rcWindow.Width(), cy = rcWindow.Height();

    const BOOL bActive = pHook->IsFrameActive();
    const BOOL bRibbon = HasRibbonCaption(pHook);
    int nStatusHeight = 0;
    const BOOL bStatusBar = pHook->GetStatusBarHeight(&nStatusHeight);
    const COLORREF* clrBorder = bActive ? m_clrFrameBorderActive : m_clrFrameBorderInactive;
    const int nCaptionHeight = bRibbon ? m_nRibbonCaptionHeight : m_nFrameCaptionHeight;
    const int cxLeft = std::max(0, static_cast<int>(rcClient.left));
    const int cxRight = std::max(0, cx - static_cast<int>(rcClient.right));
    const int cyBottom = std::max(0, cy - static_cast<int>(rcClient.bottom));

    // The side borders: three one-pixel columns from the outside in, then
    // the fourth colour over the rest of the border.
    for (int i = 0; i < 4; ++i)
    {
        const int cxLeftColumn = i < 3 ? std::min(1, cxLeft - i) : cxLeft - 3;
        const int cxRightColumn = i < 3 ? std::min(1, cxRight - i) : cxRight - 3;
        if (cxLeftColumn > 0)
            pDC->FillSolidRect(i, nCaptionHeight, cxLeftColumn, cy - nCaptionHeight, clrBorder[i]);
        if (cxRightColumn > 0)
            pDC->FillSolidRect(cx - i - cxRightColumn, nCaptionHeight, cxRightColumn,
                               cy - nCaptionHeight, clrBorder[i]);
    }
    if (!bStatusBar && cyBottom > 1)
        pDC->FillSolidRect(cxLeft, cy - cyBottom, cx - cxLeft - cxRight, cyBottom - 1, clrBorder[3]);
    const BOOL bMaximized = (::GetWindowLongA(hWnd, GWL_STYLE) & WS_MAXIMIZE) != 0;
    pDC->FillSolidRect(0, cy - 1, cx, 1,
                       bActive && bMaximized ? m_clrFrameBorderActive[3] : clrBorder[0]);

    const CRect rcCaption(0, 0, cx, std::min(nCaptionHeight, cy));
    const CRect rcMargins(0, 19, 0, 3);
    const int nState = bActive ? 0 : 1;
    if (bRibbon)
    {
        if (!DrawImage(pDC, "FRAMETOPLEFT", CRect(0, 0, cxLeft, rcCaption.bottom), nState, 2, rcMargins))
            pDC->FillSolidRect(0, 0, cxLeft, rcCaption.bottom, clrBorder[3]);
        if (!DrawImage(pDC, "FRAMETOPRIGHT", CRect(cx - cxRight, 0, cx, rcCaption.bottom), nState, 2,
                       rcMargins))
            pDC->FillSolidRect(cx - cxRight, 0, cxRight, rcCaption.bottom, clrBorder[3]);
    }
    else if (!rcCaption.IsRectEmpty())
    {
        CXTPBufferDC dc(pDC->GetSafeHdc(), rcCaption);
        DrawCaption(&dc, pHook, rcCaption, bActive);
    }

    if (bStatusBar && nStatusHeight > 0)
    {
        const int yStatus = cy - cyBottom - nStatusHeight;
        DrawImage(pDC, "STATUSBARLIGHT", CRect(0, yStatus, cxLeft, cy - cyBottom), 0, 1, CRect(0, 0, 0, 0));
        DrawImage(pDC, "STATUSBARDARK", CRect(cx - cxRight, yStatus, cx, cy - cyBottom), 0, 1,
                  CRect(0, 0, 0, 0));
        for (LPCSTR lpszCorner : {"FRAMEBOTTOMLEFT", "FRAMEBOTTOMRIGHT"})
        {
            CXTPOffice2007Image* pImage = GetImage(lpszCorner);
            if (!pImage)
                continue;
            CRect rcSrc = pImage->GetSource(0, 1);
            const BOOL bLeft = lpszCorner[11] == 'L';
            CRect rc(CPoint(bLeft ? 0 : cx - rcSrc.Width(), cy - rcSrc.Height()), rcSrc.Size());
            pImage->DrawImage(pDC, rc, rcSrc, CRect(0, 0, 0, 0), IMAGE_KEY);
        }
    }
}

void CXTPOffice2007Theme::DrawCaption(CDC* pDC, FrameHook* pHook, const CRect& rcCaption, BOOL bActive)
{
    const int nState = bActive ? 0 : 1;
    const CRect rcMargins(0, 19, 0, 3);
    const COLORREF* clrBorder = bActive ? m_clrFrameBorderActive : m_clrFrameBorderInactive;
    CXTPOffice2007Image* pLeft = GetImage("FRAMESIMPLETOPRIGHT");
    CXTPOffice2007Image* pRight = GetImage("FRAMETOPRIGHT");
    if (pLeft && pRight)
    {
        const int cxLeft = std::min(pLeft->GetWidth(), rcCaption.Width());
        const int cxRight = std::min(pRight->GetWidth(), rcCaption.Width() - cxLeft);
        CRect rcLeft(rcCaption.left, rcCaption.top, rcCaption.left + cxLeft, rcCaption.bottom);
        CRect rcRight(rcCaption.right - cxRight, rcCaption.top, rcCaption.right, rcCaption.bottom);
        DrawImage(pDC, "FRAMESIMPLETOPRIGHT", rcLeft, nState, 2, rcMargins);
        DrawImage(pDC, "FRAMETOPRIGHT", rcRight, nState, 2, rcMargins);
        if (!DrawImage(pDC, "FRAMETOPCENTER", CRect(rcLeft.right, rcCaption.top, rcRight.left, rcCaption.bottom),
                       nState, 2, rcMargins))
            pDC->FillSolidRect(rcLeft.right, rcCaption.top, rcRight.left - rcLeft.right,
                               rcCaption.Height(), clrBorder[3]);
    }
    else
    {
        pDC->FillSolidRect(&rcCaption, clrBorder[3]);
        pDC->FillSolidRect(rcCaption.left, rcCaption.top, rcCaption.Width(), 1, clrBorder[0]);
    }

    CWnd* pSite = pHook->GetSite();
    int xText = 7;
    if (HICON hIcon = GetFrameSmallIcon(pSite))
    {
        const int cxIcon = ::GetSystemMetrics(SM_CXSMICON), cyIcon = ::GetSystemMetrics(SM_CYSMICON);
        ::DrawIconEx(pDC->GetSafeHdc(), 7, rcCaption.top + (rcCaption.Height() - cyIcon) / 2, hIcon,
                     cxIcon, cyIcon, 0, nullptr, DI_NORMAL);
        xText = cxIcon + 12;
    }
    int xButtons = rcCaption.right;
    if (CXTPControls* pButtons = pHook->GetCaptionButtons())
    {
        for (int i = 0; i < pButtons->GetCount(); ++i)
        {
            CXTPControl* pButton = pButtons->GetAt(i);
            if (!pButton->IsVisible())
                continue;
            CRect rc = pButton->GetRect();
            DrawFrameCaptionButton(pDC, rc, pButton->GetID(), pButton->GetSelected(),
                                   pButton->GetPressed(), bActive);
            xButtons = std::min(xButtons, static_cast<int>(rc.left));
        }
    }
    DrawFrameCaptionText(pDC, CRect(xText, rcCaption.top, xButtons, rcCaption.bottom), pSite, bActive);
}

void CXTPOffice2007Theme::DrawFrameCaptionButton(CDC* pDC, CRect rc, int nId, BOOL bSelected,
                                                 BOOL bPressed, BOOL bActive)
{
    const int nState = !bActive ? 3 : bSelected && bPressed ? 2 : bSelected || bPressed ? 1 : 0;
    if (bSelected || bPressed)
        DrawImage(pDC, "FRAMECAPTIONBUTTON", rc, bSelected && bPressed ? 1 : 0, 2, CRect(3, 3, 3, 3));

    const CaptionGlyph& glyph = FindCaptionGlyph(nId);
    const int nSize = GetCaptionGlyphSize(rc.Width());
    CString strName;
    strName.Format("FRAMECAPTION%s%i", glyph.lpszName, nSize);
    if (CXTPOffice2007Image* pGlyph = GetImage(strName))
    {
        CRect rcSrc = pGlyph->GetSource(nState, 5);
        CRect rcGlyph(CPoint(rc.left + (rc.Width() - rcSrc.Width()) / 2,
                             rc.top + (rc.Height() - rcSrc.Height()) / 2),
                      rcSrc.Size());
        pGlyph->DrawImage(pDC, rcGlyph, rcSrc, CRect(0, 0, 0, 0));
        return;
    }
    // No glyph image: the window-button glyph of the Marlett font.
    CFont font;
    if (!CXTPDrawHelpers::CreateSymbolFont(font, "Marlett", nSize - 2))
        return;
    CXTPFontDC fontDC(pDC, &font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bActive ? m_clrFrameCaptionTextActive : m_clrFrameCaptionTextInActive);
    pDC->DrawText(glyph.lpszMarlett, 1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CXTPOffice2007Theme::DrawFrameCaptionText(CDC* pDC, CRect rcCaptionText, CWnd* pSite, BOOL bActive)
{
    if (!pSite || rcCaptionText.IsRectEmpty())
        return;
    CString strText;
    pSite->GetWindowText(strText);
    CXTPFontDC font(pDC, &m_fontFrameCaption);
    pDC->SetBkMode(TRANSPARENT);
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS;
    const COLORREF clrText = bActive ? m_clrFrameCaptionTextActive : m_clrFrameCaptionTextInActive;

    // An active frame that prefixes its title: the frame's title part in
    // the title colour, the document part in the caption colour.
    CString strTitle;
    if (bActive && (pSite->GetStyle() & FWS_PREFIXTITLE) && pSite->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        strTitle = static_cast<CFrameWnd*>(pSite)->GetTitle();
    const int nTitle = strTitle.IsEmpty() ? -1 : strText.Find(strTitle);
    if (nTitle < 0 || strTitle.GetLength() == strText.GetLength())
    {
        pDC->SetTextColor(clrText);
        pDC->DrawText(strText, &rcCaptionText, nFormat);
        return;
    }
    const CString parts[] = {strText.Left(nTitle), strTitle, strText.Mid(nTitle + strTitle.GetLength())};
    const COLORREF colors[] = {clrText, m_clrFrameCaptionTextActiveTitle, clrText};
    CRect rc = rcCaptionText;
    for (int i = 0; i < 3 && rc.left < rc.right; ++i)
    {
        if (parts[i].IsEmpty())
            continue;
        pDC->SetTextColor(colors[i]);
        pDC->DrawText(parts[i], &rc, nFormat);
        rc.left += pDC->GetTextExtent(parts[i], parts[i].GetLength()).cx;
    }
}

// --- Caption icons ---------------------------------------------------------------------------

HICON CXTPOffice2007Theme::GetFrameSmallIcon(CWnd* pFrame)
{
    HWND hWnd = pFrame ? pFrame->GetSafeHwnd() : nullptr;
    if (!hWnd)
        return nullptr;
    const LONG nStyle = ::GetWindowLongA(hWnd, GWL_STYLE);
    const LONG nExStyle = ::GetWindowLongA(hWnd, GWL_EXSTYLE);
    if ((nExStyle & WS_EX_TOOLWINDOW) || !(nStyle & WS_SYSMENU))
        return nullptr;
    if (HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(hWnd, WM_GETICON, ICON_SMALL, 0)))
        return hIcon;
    if (HICON hIcon = reinterpret_cast<HICON>(::GetClassLongPtrA(hWnd, GCLP_HICONSM)))
        return hIcon;
    if ((nStyle & WS_CAPTION) == WS_DLGFRAME || (nExStyle & WS_EX_DLGMODALFRAME))
        return nullptr;
    DWORD_PTR dwResult = 0;
    if (::SendMessageTimeoutA(hWnd, WM_QUERYDRAGICON, 0, 0, SMTO_NORMAL, QUERY_ICON_TIMEOUT, &dwResult)
        && dwResult)
        return reinterpret_cast<HICON>(dwResult);
    return ::LoadIconA(nullptr, IDI_WINLOGO);
}

HICON CXTPOffice2007Theme::GetFrameLargeIcon(CWnd* pFrame)
{
    HWND hWnd = pFrame ? pFrame->GetSafeHwnd() : nullptr;
    if (!hWnd)
        return nullptr;
    if ((::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
        || !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_SYSMENU))
        return nullptr;
    if (HICON hIcon = reinterpret_cast<HICON>(::SendMessageA(hWnd, WM_GETICON, ICON_BIG, 0)))
        return hIcon;
    return reinterpret_cast<HICON>(::GetClassLongPtrA(hWnd, GCLP_HICON));
}

} // namespace XTPPaintThemes
