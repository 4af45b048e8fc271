#include "toolkit/draw/ControlGalleryPaintManager.h"

#include "framework/ui/Dc.h"
#include "framework/ui/Gdi.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/ScrollBase.h"
#include "toolkit/controls/ControlGallery.h"
#include "toolkit/controls/ControlGalleryItems.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/ScopedDC.h"

#include <algorithm>

namespace {

// Paint-manager colours of the label rows.
const UINT XTP_COLOR_LABEL_BACK = 56;
const UINT XTP_COLOR_LABEL_LINE = 52;
const UINT XTP_COLOR_LABEL_TEXT = 44;
// Paint-manager colours of the gallery's own background.
const UINT XTP_COLOR_GALLERY_BACK = 41;
const UINT XTP_COLOR_GALLERY_FRAME = 52;
const UINT XTP_COLOR_GALLERY_SEPARATOR = 39;
const UINT XTP_COLOR_POPUP_BAR_BACK = 30;

} // namespace

CXTPControlGalleryPaintManager::CXTPControlGalleryPaintManager(CXTPPaintManager* pPaintManager)
    : m_cxHScroll(16), m_cyHScroll(16), m_cyVScroll(16), m_cxVScroll(16), m_cyPopupUp(16),
      m_cyPopupDown(16), m_cxPopup(16), m_pPaintManager(pPaintManager)
{
}

void CXTPControlGalleryPaintManager::RefreshMetrics()
{
    m_cxHScroll = GetSystemMetrics(SM_CXHSCROLL);
    m_cyHScroll = GetSystemMetrics(SM_CYHSCROLL);
    m_cyVScroll = GetSystemMetrics(SM_CYVSCROLL);
    m_cxVScroll = GetSystemMetrics(SM_CXVSCROLL);
    m_cyPopupUp = 19;
    m_cyPopupDown = 19;
    m_cxPopup = 16;
    m_themeScrollBar.OpenThemeData(nullptr, L"SCROLLBAR");
}

// --- Label rows ---------------------------------------------------------------------------

void CXTPControlGalleryPaintManager::DrawLabel(CDC* pDC, CXTPControlGalleryItem* pLabel, CRect rc)
{
    CXTPPaintManager* pPaintManager = m_pPaintManager;
    pDC->FillSolidRect(&rc, pPaintManager->ResolveColor(XTP_COLOR_LABEL_BACK));
    pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1,
                       pPaintManager->ResolveColor(XTP_COLOR_LABEL_LINE));
    if (!pLabel)
        return;
    CXTPFontDC font(pDC, pPaintManager->GetRegularBoldFont());
    pDC->SetTextColor(pPaintManager->ResolveColor(XTP_COLOR_LABEL_TEXT));
    pDC->SetBkMode(TRANSPARENT);
    CRect rcText(rc.left + 10, rc.top, rc.right - 10, rc.bottom);
    CString strCaption = pLabel->GetCaption();
    pDC->DrawText(strCaption, &rcText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

// --- Scroll bars ---------------------------------------------------------------------------

namespace {

// The parts of a laid-out bar, in client pixels.
struct ScrollParts
{
    CRect rcUp, rcDown, rcPageUp, rcPageDown, rcThumb;
};

ScrollParts GetScrollParts(const SCROLLBARPOSINFO& spi)
{
    ScrollParts parts;
    parts.rcUp = CRect(spi.pxLeft, spi.pxTop, spi.pxRight, spi.pxUpArrow);
    parts.rcDown = CRect(spi.pxLeft, spi.pxDownArrow, spi.pxRight, spi.pxBottom);
    parts.rcPageUp = CRect(spi.pxLeft, spi.pxUpArrow, spi.pxRight, spi.pxThumbTop);
    parts.rcPageDown = CRect(spi.pxLeft, spi.pxThumbBottom, spi.pxRight, spi.pxDownArrow);
    parts.rcThumb = CRect(spi.pxLeft, spi.pxThumbTop, spi.pxRight, spi.pxThumbBottom);
    return parts;
}

// Visual-styles state of a part: 1 normal, 2 hot, 3 pressed, 4 disabled.
int ThemeState(BOOL bEnabled, BOOL bHot, BOOL bPressed)
{
    return !bEnabled ? 4 : bPressed ? 3 : bHot ? 2 : 1;
}

// The Marlett arrow of a flat button: "5" up, "6" down.
void DrawFlatArrowGlyph(CDC* pDC, CRect rc, BOOL bUp, BOOL bEnabled)
{
    int nSide = std::min(rc.Width(), rc.Height());
    if (nSide < 6)
        return;
    CFont font;
    if (!CXTPDrawHelpers::CreateSymbolFont(font, "MARLETT", nSide - 4))
        return;
    CXTPFontDC fontDC(pDC, &font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bEnabled ? RGB(0, 0, 0) : ::GetSysColor(COLOR_BTNSHADOW));
    pDC->TextOut(rc.left + (rc.Width() - nSide) / 2 + 2, rc.top + (rc.Height() - nSide) / 2 + 2,
                 bUp ? "5" : "6", 1);
}

} // namespace

CXTPControlGalleryPaintManager::ScrollBarState
CXTPControlGalleryPaintManager::GetScrollBarState(CXTPScrollBase* pScrollBar)
{
    const SCROLLBARPOSINFO& spi = pScrollBar->GetScrollBarPosInfo();
    const SCROLLBARTRACKINFO* pTrack = pScrollBar->GetTrackInfo();
    ScrollBarState state;
    state.nPressed = pTrack ? spi.nHitTest : 0;
    state.nHot = pTrack ? 0 : pScrollBar->GetHotPart();
    const LONGLONG nRange = static_cast<LONGLONG>(spi.posMax) - spi.posMin + 1;
    state.bEnabled = pScrollBar->IsScrollBarEnabled() && nRange > std::max(spi.page, 1);
    state.bThumb = state.bEnabled && spi.pxThumbLength > 0
                   && spi.pxThumbLength <= spi.pxDownArrow - spi.pxUpArrow;
    return state;
}

void CXTPControlGalleryPaintManager::DrawScrollBar(CDC* pDC, CXTPScrollBase* pScrollBar)
{
    const SCROLLBARPOSINFO& spi = pScrollBar->GetScrollBarPosInfo();
    if (spi.rc.bottom - spi.rc.top < 1)
        return;
    const ScrollBarState state = GetScrollBarState(pScrollBar);
    const int nPressed = state.nPressed, nHot = state.nHot;
    const BOOL bEnabled = state.bEnabled, bThumb = state.bThumb;
    ScrollParts parts = GetScrollParts(spi);
    if (!bThumb)
    {
        parts.rcPageUp = CRect(spi.pxLeft, spi.pxUpArrow, spi.pxRight, spi.pxDownArrow);
        parts.rcPageDown.SetRectEmpty();
    }
    const int nStyle = pScrollBar->GetScrollStyle();

    if (nStyle == 3 && m_themeScrollBar.GetThemeHandle())
    {
        HDC hDC = pDC->GetSafeHdc();
        auto state = [&](int nPart) {
            return ThemeState(bEnabled, nHot == nPart, nPressed == nPart);
        };
        m_themeScrollBar.DrawThemeBackground(hDC, 1, state(CXTPScrollBase::hitUpArrow),
                                             &parts.rcUp, nullptr);
        m_themeScrollBar.DrawThemeBackground(hDC, 1, 4 + state(CXTPScrollBase::hitDownArrow),
                                             &parts.rcDown, nullptr);
        if (!parts.rcPageUp.IsRectEmpty())
            m_themeScrollBar.DrawThemeBackground(hDC, 6, state(CXTPScrollBase::hitPageUp),
                                                 &parts.rcPageUp, nullptr);
        if (!parts.rcPageDown.IsRectEmpty())
            m_themeScrollBar.DrawThemeBackground(hDC, 7, state(CXTPScrollBase::hitPageDown),
                                                 &parts.rcPageDown, nullptr);
        if (bThumb)
        {
            int nState = state(CXTPScrollBase::hitThumb);
            m_themeScrollBar.DrawThemeBackground(hDC, 3, nState, &parts.rcThumb, nullptr);
            if (parts.rcThumb.Height() > 13)
                m_themeScrollBar.DrawThemeBackground(hDC, 9, nState, &parts.rcThumb, nullptr);
        }
        return;
    }

    if (nStyle == 2)
    {
        struct { CRect rc; int nPart; BOOL bUp; } arrows[] = {
            {parts.rcUp, CXTPScrollBase::hitUpArrow, TRUE},
            {parts.rcDown, CXTPScrollBase::hitDownArrow, FALSE},
        };
        for (const auto& arrow : arrows)
        {
            pDC->FillSolidRect(&arrow.rc, m_pPaintManager->ResolveColor(COLOR_3DFACE));
            m_pPaintManager->DrawButtonFace(pDC, arrow.rc, nHot == arrow.nPart ? 1 : 0,
                                            nPressed == arrow.nPart, bEnabled, FALSE, FALSE, 1,
                                            0);
            DrawFlatArrowGlyph(pDC, arrow.rc, arrow.bUp, bEnabled);
        }
    }
    else
    {
        UINT nInactive = bEnabled ? 0 : DFCS_INACTIVE;
        CRect rcUp(parts.rcUp), rcDown(parts.rcDown);
        pDC->DrawFrameControl(&rcUp, DFC_SCROLL,
                              DFCS_SCROLLUP | nInactive
                                  | (nPressed == CXTPScrollBase::hitUpArrow ? DFCS_PUSHED : 0));
        pDC->DrawFrameControl(&rcDown, DFC_SCROLL,
                              DFCS_SCROLLDOWN | nInactive
                                  | (nPressed == CXTPScrollBase::hitDownArrow ? DFCS_PUSHED : 0));
    }

    // The track in the brush the parent window gives scroll bars.
    CWnd* pParent = pScrollBar->GetParentWindow();
    HWND hWndParent = pParent ? pParent->GetSafeHwnd() : nullptr;
    HBRUSH hBrush = hWndParent
        ? reinterpret_cast<HBRUSH>(::DefWindowProcA(hWndParent, WM_CTLCOLORSCROLLBAR,
                                                     reinterpret_cast<WPARAM>(pDC->GetSafeHdc()),
                                                     reinterpret_cast<LPARAM>(hWndParent)))
        : nullptr;
    if (!hBrush)
        hBrush = ::GetSysColorBrush(COLOR_SCROLLBAR);
    struct { CRect rc; int nPart; } pages[] = {
        {parts.rcPageUp, CXTPScrollBase::hitPageUp},
        {parts.rcPageDown, CXTPScrollBase::hitPageDown},
    };
    for (const auto& page : pages)
    {
        if (page.rc.IsRectEmpty())
            continue;
        ::FillRect(pDC->GetSafeHdc(), &page.rc, hBrush);
        if (nPressed == page.nPart)
            ::InvertRect(pDC->GetSafeHdc(), &page.rc);
    }
    if (!bThumb)
        return;
    CRect rcThumb(parts.rcThumb);
    pDC->FillSolidRect(&rcThumb, m_pPaintManager->ResolveColor(COLOR_3DFACE));
    if (nStyle == 2)
        m_pPaintManager->Draw3dRect(pDC, &rcThumb, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW);
    else
        ::DrawEdge(pDC->GetSafeHdc(), &rcThumb, EDGE_RAISED, BF_RECT | BF_ADJUST);
}

// --- The gallery's own parts -----------------------------------------------------------------

void CXTPControlGalleryPaintManager::FillControl(CDC* pDC, CXTPControlGallery* pGallery, CRect rc)
{
    pDC->FillSolidRect(&rc, m_pPaintManager->ResolveColor(XTP_COLOR_GALLERY_BACK));
    if (pGallery->IsShowBorders())
    {
        const COLORREF clrFrame = m_pPaintManager->ResolveColor(XTP_COLOR_GALLERY_FRAME);
        pDC->Draw3dRect(&rc, clrFrame, clrFrame);
    }
    if (pGallery->HasNextVisibleControl())
        pDC->FillSolidRect(rc.left, rc.bottom - 2, rc.Width(), 1,
                           m_pPaintManager->ResolveColor(XTP_COLOR_GALLERY_SEPARATOR));
}

void CXTPControlGalleryPaintManager::GetPopupButtons(const CRect& rcBar, PopupButton (&buttons)[3]) const
{
    const int yUpEnd = std::min(static_cast<int>(rcBar.top) + m_cyPopupUp, static_cast<int>(rcBar.bottom));
    const int yDownEnd = std::min(yUpEnd + m_cyPopupDown, static_cast<int>(rcBar.bottom));
    buttons[0] = {CXTPScrollBase::hitUpArrow, CRect(rcBar.left, rcBar.top, rcBar.right, yUpEnd)};
    buttons[1] = {CXTPScrollBase::hitDownArrow, CRect(rcBar.left, yUpEnd, rcBar.right, yDownEnd)};
    buttons[2] = {CXTPScrollBase::hitPopup, CRect(rcBar.left, yDownEnd, rcBar.right, rcBar.bottom)};
}

void CXTPControlGalleryPaintManager::DrawPopupScrollBar(CDC* pDC, CXTPControlGallery* pGallery)
{
    CRect rcBar;
    pGallery->GetScrollBarRect(rcBar);
    if (rcBar.IsRectEmpty())
        return;
    pDC->FillSolidRect(&rcBar, m_pPaintManager->ResolveColor(XTP_COLOR_POPUP_BAR_BACK));
    const SCROLLBARTRACKINFO* pTrack = pGallery->GetTrackInfo();
    const int nPressedPart = pTrack ? pTrack->pInfo->nHitTest : 0;
    const int nHotPart = pGallery->GetHotPart();
    const BOOL bControlEnabled = pGallery->GetEnabled();

    PopupButton buttons[3];
    GetPopupButtons(rcBar, buttons);
    for (const PopupButton& button : buttons)
    {
        const BOOL bEnabled = button.nPart == CXTPScrollBase::hitPopup
                                  ? bControlEnabled
                                  : bControlEnabled && pGallery->IsScrollArrowEnabled(button.nPart);
        const BOOL bPressed = bEnabled && nPressedPart == button.nPart;
        const BOOL bHot = bEnabled && !pTrack && nHotPart == button.nPart;
        m_pPaintManager->DrawButtonFace(pDC, button.rc, bHot || bPressed, bPressed, bEnabled, FALSE,
                                        FALSE, xtpBarTypePopup, xtpBarPopup);
        const COLORREF clrGlyph = m_pPaintManager->GetControlTextColor(
            bHot || bPressed, bPressed, bEnabled, FALSE, FALSE, xtpBarTypePopup, xtpBarPopup);
        const CPoint ptMid = button.rc.CenterPoint();
        if (button.nPart == CXTPScrollBase::hitUpArrow)
            FillTriangle(pDC, CPoint(ptMid.x - 4, ptMid.y + 2), CPoint(ptMid.x + 4, ptMid.y + 2),
                         CPoint(ptMid.x, ptMid.y - 2), clrGlyph);
        else
        {
            const int yTop = button.nPart == CXTPScrollBase::hitPopup ? ptMid.y + 1 : ptMid.y - 2;
            if (button.nPart == CXTPScrollBase::hitPopup)
                pDC->FillSolidRect(ptMid.x - 4, ptMid.y - 3, 9, 2, clrGlyph);
            FillTriangle(pDC, CPoint(ptMid.x - 4, yTop), CPoint(ptMid.x + 4, yTop),
                         CPoint(ptMid.x, yTop + 4), clrGlyph);
        }
    }
}
