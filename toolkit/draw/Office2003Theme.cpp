// The Office 2003 theme's bars, dock areas, button faces, grippers,
// separators, status-bar parts and expand buttons.
#include "toolkit/draw/Office2003Theme.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/OfficeFaceRules.h"
#include "toolkit/draw/ScopedDC.h"

#include <algorithm>

namespace XTPPaintThemes {

namespace {

// Which highlight gradient a face takes, and its border.
enum HighlightKind
{
    kNoFace,
    kChecked,
    kPressed,
    kSelected,
    kIndeterminate,   // a plain Rectangle (50, 51)
};

struct GradientFace
{
    HighlightKind kind;
    int nBorder;
};

const XTPFaceRule<GradientFace> s_gradientFaces[] = {
    {FALSE, xtpFaceKeyboardSelectedChecked, xtpFaceAnyPosition, {kPressed, 50}},
    {FALSE, xtpFaceKeyboardSelected, xtpFaceAnyPosition, {kSelected, 50}},
    {FALSE, xtpFaceChecked, xtpFaceAnyPosition, {kChecked, 58}},
    {FALSE, xtpFaceAny, xtpFaceAnyPosition, {kNoFace, 0}},
    {TRUE, xtpFaceIndeterminateIdle, xtpFaceAnyPosition, {kIndeterminate, 50}},
    {TRUE, xtpFaceCheckedIdle, xtpFaceAnyPosition, {kChecked, 37}},
    {TRUE, xtpFaceCheckedHot, xtpFaceAnyPosition, {kPressed, 50}},
    {TRUE, xtpFaceKeyboardPressed, xtpFaceAnyPosition, {kPressed, 50}},
    {TRUE, xtpFaceSelectedAndPressed, xtpFaceAnyPosition, {kPressed, 50}},
    {TRUE, xtpFaceSelectedOrPressed, xtpFaceAnyPosition, {kSelected, 32}},
    {TRUE, xtpFaceAny, xtpFaceAnyPosition, {kNoFace, 0}},
};

// The dock area at the right edge gets a solid face: a gradient running
// across the frame would end there in one colour anyway.
BOOL IsSolidDock(CWnd* pWnd)
{
    const DWORD SOLID_DOCK_STYLE = 0x4100;
    if (!pWnd)
        return FALSE;
    const CXTPDockBar* pDockBar = dynamic_cast<const CXTPDockBar*>(pWnd);
    DWORD dwStyle = pDockBar ? pDockBar->GetBarStyle() : pWnd->GetStyle();
    return (dwStyle & SOLID_DOCK_STYLE) == SOLID_DOCK_STYLE;
}

// Keeps the DC's clip region and gives it back at the end of the scope.
class CClipKeeper
{
public:
    explicit CClipKeeper(CDC* pDC) : m_hDC(pDC->GetSafeHdc()), m_hRgn(::CreateRectRgn(0, 0, 0, 0))
    {
        if (m_hRgn && ::GetClipRgn(m_hDC, m_hRgn) != 1)
        {
            ::DeleteObject(m_hRgn);
            m_hRgn = nullptr;
        }
    }
    ~CClipKeeper()
    {
        ::SelectClipRgn(m_hDC, m_hRgn);
        if (m_hRgn)
            ::DeleteObject(m_hRgn);
    }
    CClipKeeper(const CClipKeeper&) = delete;
    CClipKeeper& operator=(const CClipKeeper&) = delete;

private:
    HDC m_hDC;
    HRGN m_hRgn;
};

void ExcludePixel(CDC* pDC, int x, int y)
{
    pDC->ExcludeClipRect(x, y, x + 1, y + 1);
}

// A pen line in a literal colour.
void PenLine(CDC* pDC, int x0, int y0, int x1, int y1, COLORREF clr)
{
    CXTPPenDC pen(pDC->GetSafeHdc(), clr);
    pDC->MoveTo(x0, y0);
    pDC->LineTo(x1, y1);
}

int HalfFullScreenWidth()
{
    return ::GetSystemMetrics(SM_CXFULLSCREEN) / 2;
}

} // namespace

void CXTPOffice2003Theme::ExcludeCorners(CDC* pDC, CRect rc)
{
    ExcludePixel(pDC, rc.left, rc.top);
    ExcludePixel(pDC, rc.right - 1, rc.top);
    ExcludePixel(pDC, rc.left, rc.bottom - 1);
    ExcludePixel(pDC, rc.right - 1, rc.bottom - 1);
}

void CXTPOffice2003Theme::FillGradientRect(CDC* pDC, CRect rc, int nBorder, BOOL bHorz,
                                           const CXTPPaintManagerColorGradient& grc)
{
    CXTPDrawHelpers::GradientFill(pDC, &rc, grc, bHorz);
    Draw3dRect(pDC, &rc, nBorder, nBorder);
}

BOOL CXTPOffice2003Theme::IsDockableNonFlatBar(CXTPCommandBar* pBar)
{
    return !IsFlatBar(pBar) && (pBar->GetFlags() & 0xf) != 0;
}

CRect CXTPOffice2003Theme::GetCommandBarBorders(CXTPCommandBar* pBar)
{
    if (pBar && (pBar->GetPosition() == xtpBarTop || pBar->GetPosition() == xtpBarBottom))
        return CRect(4, 2, 2, 2);
    return CXTPOfficeTheme::GetCommandBarBorders(pBar);
}

// --- Button faces -------------------------------------------------------------------------

void CXTPOffice2003Theme::DrawButtonFace(CDC* pDC, CRect rc, int nSelected, int nPressed,
                                         BOOL bEnabled, BOOL bChecked, BOOL bPopuped,
                                         int barType, int barPosition)
{
    if (bPopuped)
    {
        FillGradientRect(pDC, rc, 43, FALSE, m_clrPopupControl);
        return;
    }
    if (!m_bLunaTheme || barType == xtpBarTypePopup || barPosition < xtpBarTop
        || barPosition > xtpBarFloating)
    {
        CXTPOfficeTheme::DrawButtonFace(pDC, rc, nSelected, nPressed, bEnabled, bChecked, FALSE,
                                        barType, barPosition);
        return;
    }
    const XTPFaceRule<GradientFace>* pRule = FindFaceRule(
        s_gradientFaces, XTPFaceState{nSelected, nPressed, bEnabled, bChecked, FALSE, barPosition});
    if (!pRule)
        return;
    BOOL bHorz = IsVerticalDockPosition(barPosition);
    switch (pRule->face.kind)
    {
    case kNoFace:
        break;
    case kIndeterminate:
        Rectangle(pDC, &rc, 50, 51);
        break;
    case kChecked:
        FillGradientRect(pDC, rc, pRule->face.nBorder, bHorz, m_grcLunaChecked);
        break;
    case kPressed:
        FillGradientRect(pDC, rc, pRule->face.nBorder, bHorz, m_grcLunaPushed);
        break;
    case kSelected:
        FillGradientRect(pDC, rc, pRule->face.nBorder, bHorz, m_grcLunaSelected);
        break;
    }
}

// --- Bars and dock areas ----------------------------------------------------------------------

void CXTPOffice2003Theme::FillDockFaceBehind(CDC* pDC, CXTPCommandBar* pBar, const CRect& rcClient)
{
    CRect rcFace(rcClient);
    CWnd* pDock = pBar->GetParent();
    if (pBar->GetPosition() <= xtpBarRight && pDock && pDock->GetSafeHwnd())
    {
        pDock->GetWindowRect(&rcFace);
        pBar->ScreenToClient(&rcFace);
    }
    rcFace.right = rcFace.left + std::max(static_cast<int>(rcFace.Width()), HalfFullScreenWidth());
    CXTPDrawHelpers::GradientFill(pDC, &rcFace, m_clrDockBar, TRUE, &rcClient);
}

void CXTPOffice2003Theme::FillDockBar(CDC* pDC, CWnd* pDockBar)
{
    CRect rc;
    pDockBar->GetClientRect(&rc);
    if (IsSolidDock(pDockBar))
    {
        pDC->FillSolidRect(&rc, m_clrDockBar.clrDark.GetColor());
        return;
    }
    CRect rcFace(rc.left, rc.top, rc.left + std::max(static_cast<int>(rc.Width()), HalfFullScreenWidth()),
                 rc.bottom);
    CXTPDrawHelpers::GradientFill(pDC, &rcFace, m_clrDockBar, TRUE, &rc);
}

void CXTPOffice2003Theme::FillCommandBar(CDC* pDC, CXTPCommandBar* pBar)
{
    CRect rc;
    pBar->GetClientRect(&rc);
    int nPosition = pBar->GetPosition();
    if (nPosition == xtpBarPopup)
    {
        Rectangle(pDC, &rc, 43, 41);
        if (pBar->GetType() == xtpBarTypePopup)
            FillPopupGutter(pDC, 1, 2, GetPopupGutterWidth(pBar), rc.bottom - 4, FALSE);
        FillPopupParentIntersection(pDC, pBar, 41);
        return;
    }
    if (IsFlatBar(pBar))
    {
        FillDockFaceBehind(pDC, pBar, rc);
        if (nPosition == xtpBarFloating)
        {
            Draw3dRect(pDC, &rc, 61, 61);
            CRect rcInner(rc);
            rcInner.DeflateRect(1, 1);
            Draw3dRect(pDC, &rcInner, 61, 61);
            SoftenCorners(pDC, rc, 61);
        }
        return;
    }

    CXTPControls* pControls = pBar->GetControls();
    int nFirst = pControls ? pControls->GetNextVisibleIndex(-1, 1) : -1;
    CXTPControl* pFirst = nFirst >= 0 ? pBar->GetControl(nFirst) : nullptr;
    switch (nPosition)
    {
    case xtpBarTop:
    case xtpBarBottom:
    {
        pDC->FillSolidRect(&rc, ResolveColor(15));
        FillDockFaceBehind(pDC, pBar, rc);
        CClipKeeper clip(pDC);
        pDC->ExcludeClipRect(rc.left, rc.top, rc.left + 3, rc.bottom);
        ExcludeCorners(pDC, CRect(rc.left + 3, rc.top + 1, rc.right, rc.bottom - 1));
        int yBody = pFirst ? pFirst->GetRowRect().bottom + 1 : rc.bottom - 1;
        CRect rcBody(rc.left, rc.top + 1, rc.right, std::min(yBody, static_cast<int>(rc.bottom) - 1));
        CXTPDrawHelpers::GradientFill(pDC, &rcBody, m_clrToolbarFace, FALSE);
        pDC->FillSolidRect(rc.left, rcBody.bottom, rc.Width(), rc.bottom - 1 - rcBody.bottom,
                           m_clrToolbarFace.clrDark.GetColor());
        pDC->FillSolidRect(rc.left + 5, rc.bottom - 1, rc.Width() - 7, 1, m_clrToolbarShadow.GetColor());
        break;
    }
    case xtpBarLeft:
    case xtpBarRight:
    {
        pDC->FillSolidRect(&rc, ResolveColor(15));
        if (IsSolidDock(pBar->GetParent()))
            pDC->FillSolidRect(&rc, m_clrDockBar.clrDark.GetColor());
        else
            FillDockFaceBehind(pDC, pBar, rc);
        CClipKeeper clip(pDC);
        pDC->ExcludeClipRect(rc.left, rc.top, rc.right, rc.top + 3);
        ExcludeCorners(pDC, CRect(rc.left + 1, rc.top + 3, rc.right - 1, rc.bottom));
        int xBody = pFirst ? pFirst->GetRowRect().right + 1 : rc.right - 1;
        CRect rcBody(rc.left + 1, rc.top, std::min(xBody, static_cast<int>(rc.right) - 1), rc.bottom);
        CXTPDrawHelpers::GradientFill(pDC, &rcBody, m_clrToolbarFace, TRUE);
        pDC->FillSolidRect(rcBody.right, rc.top, rc.right - 1 - rcBody.right, rc.Height(),
                           m_clrToolbarFace.clrDark.GetColor());
        pDC->FillSolidRect(rc.right - 1, rc.top + 5, 1, rc.Height() - 7, m_clrToolbarShadow.GetColor());
        break;
    }
    default:
        if (nPosition == xtpBarFloating && IsDockableNonFlatBar(pBar))
        {
            pDC->FillSolidRect(&rc, ResolveColor(30));
            Draw3dRect(pDC, &rc, 61, 61);
            CRect rcInner(rc);
            rcInner.DeflateRect(1, 1);
            Draw3dRect(pDC, &rcInner, 61, 61);
            int cyCaption = 0;
            {
                CXTPFontDC font(pDC, &m_fontSmCaption);
                cyCaption = pDC->GetTextExtent(" ", 1).cy;
            }
            int yTop = cyCaption < 15 ? 17 : cyCaption + 2;
            // One gradient band per row of controls.
            int nCount = pBar->GetControlCount();
            for (int i = 0; i < nCount; ++i)
            {
                CXTPControl* pControl = pBar->GetControl(i);
                if (!pControl || !pControl->IsVisible() || i == nFirst || !pControl->GetWrap())
                    continue;
                int yRow = pControl->GetRowRect().top;
                if (yRow <= yTop)
                    continue;
                CRect rcBand(rc.left + 2, yTop, rc.right - 2, yRow);
                CXTPDrawHelpers::GradientFill(pDC, &rcBand, m_clrToolbarFace, FALSE);
                yTop = yRow;
            }
            CRect rcBand(rc.left + 2, yTop, rc.right - 2, rc.bottom - 2);
            CXTPDrawHelpers::GradientFill(pDC, &rcBand, m_clrToolbarFace, FALSE);
            SoftenCorners(pDC, rc, 61);
            break;
        }
        CXTPOfficeTheme::FillCommandBar(pDC, pBar);
        break;
    }
}

void CXTPOffice2003Theme::FillPopupGutter(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded)
{
    CRect rc(x, y, x + cx, y + cy);
    CXTPDrawHelpers::GradientFill(pDC, &rc, bExpanded ? m_clrMenuExpandedGripper : m_clrToolbarFace,
                                  TRUE);
}

// --- Grippers and separators ---------------------------------------------------------------

CSize CXTPOffice2003Theme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    if (pBar->IsFloatingGripper())
        return DrawFloatingGripper(pDC, pBar, bDraw);
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    COLORREF clrLight = ResolveColor(5), clrDark = ResolveColor(38);
    switch (pBar->GetPosition())
    {
    case xtpBarTop:
    case xtpBarBottom:
        if (!bDraw)
            return CSize(6, 0);
        for (int y0 = 8; y0 - 3 < rcClient.Height() - 7; y0 += 4)
        {
            pDC->FillSolidRect(7, y0 - 2, 2, 2, clrLight);
            pDC->FillSolidRect(6, y0 - 3, 2, 2, clrDark);
        }
        return CSize(0, 0);
    case xtpBarLeft:
    case xtpBarRight:
        if (!bDraw)
            return CSize(0, 9);
        for (int x0 = 8; x0 - 3 < rcClient.Width() - 7; x0 += 4)
        {
            pDC->FillSolidRect(x0 - 2, 7, 2, 2, clrLight);
            pDC->FillSolidRect(x0 - 3, 6, 2, 2, clrDark);
        }
        return CSize(0, 0);
    case xtpBarFloating:
        return CXTPOfficeTheme::DrawCommandBarGripper(pDC, pBar, bDraw);
    default:
        return CSize(0, 0);
    }
}

void CXTPOffice2003Theme::FillFace(CDC* pDC, CRect rc, const CXTPPaintManagerColorGradient& grc,
                                   int nFlatColor, BOOL bHorz)
{
    if (m_bLunaTheme)
        CXTPDrawHelpers::GradientFill(pDC, &rc, grc, bHorz);
    else
        pDC->FillSolidRect(&rc, ResolveColor(nFlatColor));
}

CSize CXTPOffice2003Theme::DrawFloatingGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    int nHeight = m_nTextHeight >= 19 ? m_nTextHeight + 6 : 25;
    if (!bDraw)
        return CSize(8, nHeight);
    CRect rc;
    pBar->GetClientRect(&rc);
    rc.DeflateRect(3, 3);
    rc.bottom = rc.top + nHeight;
    CXTPDrawHelpers::GradientFill(pDC, &rc, m_clrToolbarFace, FALSE);
    COLORREF clrLight = ResolveColor(5), clrDark = ResolveColor(38);
    for (int y0 = rc.top + 4; y0 < rc.bottom - 5; y0 += 4)
    {
        pDC->FillSolidRect(6, y0 + 1, 2, 2, clrLight);
        pDC->FillSolidRect(5, y0, 2, 2, clrDark);
    }
    return CSize(8, nHeight);
}

CSize CXTPOffice2003Theme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar,
                                                   CXTPControl* pControl, BOOL bDraw)
{
    int nPosition = pBar->GetPosition();
    if (!bDraw)
        return nPosition == xtpBarFloating ? CSize(6, 0)
                                           : CXTPOfficeTheme::DrawCommandBarSeparator(pDC, pBar, pControl, FALSE);
    if (nPosition > xtpBarFloating || pBar->GetType() == xtpBarTypePopup)
        return CXTPOfficeTheme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);

    CRect rcRow = pControl->GetRowRect();
    CRect rcControl = pControl->GetRect();
    BOOL bWrap = pControl->GetWrap();
    BOOL bHighlight = !m_bPlainSeparators;
    if (IsVerticalDockPosition(nPosition))
    {
        if (bWrap)
        {
            Line(pDC, rcRow.right + 2, rcRow.top + 4, rcRow.right + 2, rcRow.bottom, 39);
            Line(pDC, rcRow.right + 3, rcRow.top + 5, rcRow.right + 3, rcRow.bottom, 20);
        }
        else
        {
            Line(pDC, rcRow.left + 4, rcControl.top - 4, rcRow.right - 4, rcControl.top - 4, 39);
            if (bHighlight)
                Line(pDC, rcRow.left + 5, rcControl.top - 3, rcRow.right - 3, rcControl.top - 3, 20);
        }
    }
    else if (!bWrap)
    {
        Line(pDC, rcControl.left - 4, rcRow.top + 4, rcControl.left - 4, rcRow.bottom - 4, 39);
        if (bHighlight)
            Line(pDC, rcControl.left - 3, rcRow.top + 5, rcControl.left - 3, rcRow.bottom - 3, 20);
    }
    else if (nPosition != xtpBarFloating)
    {
        Line(pDC, rcRow.left + 4, rcRow.top - 4, rcRow.right, rcRow.top - 4, 39);
        Line(pDC, rcRow.left + 5, rcRow.top - 3, rcRow.right, rcRow.top - 3, 20);
    }
    return CSize(0, 0);
}

CSize CXTPOffice2003Theme::DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw)
{
    if (!bDraw)
        return CSize(0, 9);
    pDC->FillSolidRect(&rcGripper, ResolveColor(41));
    CRect rc(rcGripper);
    rc.DeflateRect(1, 1);
    if (bSelected)
        Rectangle(pDC, &rc, 32, 31);
    else
        pDC->FillSolidRect(&rc, m_clrTearOffGripper.GetColor());
    int nHalf = rcGripper.Width() / 2 > 42 ? 32 : rcGripper.Width() / 2 - 10;
    int xCentre = rcGripper.CenterPoint().x;
    COLORREF clrLight = ResolveColor(20), clrDark = ResolveColor(38);
    for (int x0 = xCentre - nHalf + 3; x0 - 3 < xCentre + nHalf; x0 += 4)
    {
        pDC->FillSolidRect(x0 - 2, rcGripper.top + 5, 2, 2, clrLight);
        pDC->FillSolidRect(x0 - 3, rcGripper.top + 4, 2, 2, clrDark);
    }
    return CSize(0, 9);
}

// --- Status bar -----------------------------------------------------------------------------

void CXTPOffice2003Theme::DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane)
{
    if (m_bThemedStatusBar && m_themeStatusBar.IsAppThemed())
    {
        CXTPPaintManager::DrawStatusBarPaneBorder(pDC, rc, bGripperPane);
        return;
    }
    Draw3dRect(pDC, &rc, m_clrStatusPane.GetColor(), m_clrStatusPane.GetColor());
}

void CXTPOffice2003Theme::DrawStatusBarGripper(CDC* pDC, CRect rcClient)
{
    if (m_themeStatusBar.IsAppThemed())
    {
        CRect rc(rcClient.right - 18, rcClient.top, rcClient.right, rcClient.bottom);
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), 3, 0, &rc, nullptr);
        return;
    }
    int w = rcClient.Width(), h = rcClient.Height();
    COLORREF clrShadow = ResolveColor(16), clrLight = ResolveColor(20);
    for (int k = 0; k < 3; ++k)
    {
        int g = w - 2 - 5 * k, hk = h - 2 - 5 * k;
        PenLine(pDC, g + 2, h - 1, w, hk + 1, clrShadow);
        PenLine(pDC, g + 1, h - 1, w, hk, clrShadow);
        PenLine(pDC, g, h - 1, w, hk - 1, clrShadow);
    }
    for (int k = 0; k < 3; ++k)
        PenLine(pDC, w - 3 - 5 * k, h - 1, w, h - 4 - 5 * k, clrLight);
}

// --- Expand buttons -----------------------------------------------------------------------------

void CXTPOffice2003Theme::DrawExpandGlyph(CDC* pDC, BOOL bVertical, CRect rc, BOOL bHidden,
                                          COLORREF clr)
{
    int l = rc.left, t = rc.top;
    if (!bVertical)
    {
        int cx = rc.CenterPoint().x, b = rc.bottom;
        PenLine(pDC, cx - 2, b - 10, cx + 3, b - 10, clr);
        CXTPPaintManager::FillTriangle(pDC, CPoint(cx - 2, b - 7), CPoint(cx + 2, b - 7), CPoint(cx, b - 5), clr);
        if (bHidden)
        {
            CXTPPaintManager::FillTriangle(pDC, CPoint(l + 3, t + 5), CPoint(l + 4, t + 6), CPoint(l + 3, t + 7), clr);
            CXTPPaintManager::FillTriangle(pDC, CPoint(l + 7, t + 5), CPoint(l + 8, t + 6), CPoint(l + 7, t + 7), clr);
        }
        return;
    }
    int x = rc.right - 5, cy = rc.CenterPoint().y;
    PenLine(pDC, x - 5, cy - 2, x - 5, cy + 3, clr);
    CXTPPaintManager::FillTriangle(pDC, CPoint(x, cy), CPoint(x - 2, cy - 2), CPoint(x - 2, cy + 2), clr);
    if (bHidden)
    {
        CXTPPaintManager::FillTriangle(pDC, CPoint(l + 5, t + 3), CPoint(l + 6, t + 4), CPoint(l + 7, t + 3), clr);
        CXTPPaintManager::FillTriangle(pDC, CPoint(l + 5, t + 7), CPoint(l + 6, t + 8), CPoint(l + 7, t + 7), clr);
    }
}

CSize CXTPOffice2003Theme::DrawControlGlyph(CDC* pDC, int nKind, CXTPControl* pControl,
                                            CXTPCommandBar* pBar, BOOL bDraw, LPARAM lParam)
{
    if (nKind == xtpGlyphExpand)
    {
        BOOL bVertical = pBar && IsVerticalLayoutPosition(pBar->GetPosition());
        if (!bDraw)
        {
            int cx = static_cast<short>(LOWORD(lParam));
            int cy = static_cast<short>(HIWORD(lParam));
            pControl->SetRect(bVertical ? CRect(0, cy - 12, cx, cy) : CRect(cx - 12, 1, cx, cy));
            return CSize(0, 0);
        }
        CRect rc = pControl->GetRect();
        CClipKeeper clip(pDC);
        if (!bVertical)
        {
            ExcludePixel(pDC, rc.right - 1, rc.top);
            ExcludePixel(pDC, rc.right - 1, rc.bottom - 1);
            pDC->ExcludeClipRect(rc.left, rc.top + 1, rc.left + 1, rc.bottom - 1);
        }
        else
        {
            ExcludePixel(pDC, rc.left, rc.bottom - 1);
            ExcludePixel(pDC, rc.right - 1, rc.bottom - 1);
            pDC->ExcludeClipRect(rc.left + 1, rc.top, rc.right - 1, rc.top + 1);
        }
        BOOL bPopuped = pControl->IsPopupOpen();
        BOOL bSelected = pControl->GetSelected();
        if (bPopuped)
            FillFace(pDC, rc, m_grcLunaPushed, 36, bVertical);
        else if (bSelected)
            FillFace(pDC, rc, m_grcLunaSelected, 31, bVertical);
        else
            CXTPDrawHelpers::GradientFill(pDC, &rc, m_clrToolbarExpand, bVertical);
        CRect rcShadow(rc);
        rcShadow.OffsetRect(1, 1);
        DrawExpandGlyph(pDC, bVertical, rcShadow, static_cast<BOOL>(lParam), ResolveColor(20));
        DrawExpandGlyph(pDC, bVertical, rc, static_cast<BOOL>(lParam),
                        ResolveColor(!bPopuped && bSelected ? 45 : 46));
        return CSize(0, 0);
    }
    if (nKind == xtpGlyphExpandChevron)
    {
        if (bDraw)
        {
            DrawControlFace(pDC, pControl);
            CRect rc = pControl->GetRect();
            int cx = rc.CenterPoint().x, t = rc.top;
            m_ilExpandImage.Draw(pDC, 0, CPoint(cx - 7, t + 1), ILD_NORMAL);
            CXTPPenDC pen(pDC->GetSafeHdc(), RGB(0, 0, 0));
            static const int s_rows[] = {5, 6, 9, 10};
            for (int r : s_rows)
            {
                pDC->MoveTo(cx - 2, t + r);
                pDC->LineTo(cx, t + r + 2);
                pDC->LineTo(cx + 3, t + r - 1);
            }
        }
        return CSize(0, 18);
    }
    return CXTPOfficeTheme::DrawControlGlyph(pDC, nKind, pControl, pBar, bDraw, lParam);
}

} // namespace XTPPaintThemes
