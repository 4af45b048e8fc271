// The Office theme's bars, button faces, grippers, separators, images and
// marks.
#include "toolkit/draw/OfficeTheme.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ImageManagerIcon.h"
#include "toolkit/draw/OfficeFaceRules.h"
#include "toolkit/draw/ScopedDC.h"

namespace XTPPaintThemes {

namespace {

const int NONE = -1;

// Button faces, first match wins; a rule without colours draws nothing.
// A Rectangle's border and fill index.
struct FaceColors
{
    int nBorder;
    int nFill;
};

const XTPFaceRule<FaceColors> s_faceRules[] = {
    {FALSE, xtpFaceKeyboardSelected, xtpFacePopupPosition, {32, 41}},
    {FALSE, xtpFaceKeyboardSelectedChecked, xtpFaceAnyPosition, {32, 33}},
    {FALSE, xtpFaceKeyboardSelected, xtpFaceAnyPosition, {32, 31}},
    {FALSE, xtpFaceChecked, xtpFacePopupPosition, {58, NONE}},
    {FALSE, xtpFaceChecked, xtpFaceAnyPosition, {58, 36}},
    {FALSE, xtpFaceAny, xtpFaceAnyPosition, {NONE, NONE}},
    {TRUE, xtpFacePopped, xtpFaceAnyPosition, {43, 30}},
    {TRUE, xtpFaceIndeterminateIdle, xtpFaceAnyPosition, {37, 51}},
    {TRUE, xtpFaceCheckedIdle, xtpFaceAnyPosition, {37, 36}},
    {TRUE, xtpFaceCheckedHot, xtpFaceAnyPosition, {50, 33}},
    {TRUE, xtpFaceKeyboardPressed, xtpFaceAnyPosition, {50, 33}},
    {TRUE, xtpFaceSelectedAndPressed, xtpFaceAnyPosition, {50, 33}},
    {TRUE, xtpFaceSelectedOrPressed, xtpFaceAnyPosition, {32, 31}},
    {TRUE, xtpFaceAny, xtpFaceAnyPosition, {NONE, NONE}},
};

} // namespace

CXTPOfficeTheme::CXTPOfficeTheme()
{
    m_bFlatMenuBar = TRUE;
    m_iconOptions.bFadedInactive = TRUE;
    m_iconOptions.bUseDisabledImage = TRUE;
    m_iconOptions.bShadowUnderHot = TRUE;
    m_iconOptions.bTintDisabled = TRUE;
    m_nShadowOptions = 3;
    m_nPopupBarTextPadding = 8;
}

void CXTPOfficeTheme::PutPixel(CDC* pDC, int x, int y, int nColor)
{
    pDC->SetPixel(x, y, ResolveColor(nColor));
}

void CXTPOfficeTheme::SoftenCorners(CDC* pDC, const CRect& rc, int nColor)
{
    PutPixel(pDC, rc.left + 2, rc.top + 2, nColor);
    PutPixel(pDC, rc.right - 3, rc.top + 2, nColor);
    PutPixel(pDC, rc.left + 2, rc.bottom - 3, nColor);
    PutPixel(pDC, rc.right - 3, rc.bottom - 3, nColor);
}

// --- Colours and faces ----------------------------------------------------------------

COLORREF CXTPOfficeTheme::GetControlTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                                              BOOL bChecked, BOOL bPopuped, int barType,
                                              int barPosition)
{
    if (barType == xtpBarTypePopup)
        return ResolveColor(!bEnabled ? 35 : bSelected ? 45 : 44);
    if (!bEnabled)
        return ResolveColor(60);
    if (bPopuped)
        return ResolveColor(46);
    if (bPressed == 2 || bPressed == 3 || (bSelected && (bPressed || bChecked)))
        return ResolveColor(47);
    if (bSelected || bPressed || bChecked)
        return ResolveColor(45);
    return ResolveColor(barPosition == xtpBarPopup ? 44 : 46);
}

void CXTPOfficeTheme::DrawButtonFace(CDC* pDC, CRect rc, int nSelected, int nPressed,
                                     BOOL bEnabled, BOOL bChecked, BOOL bPopuped,
                                     int /*barType*/, int barPosition)
{
    const XTPFaceRule<FaceColors>* pRule =
        FindFaceRule(s_faceRules, XTPFaceState{nSelected, nPressed, bEnabled, bChecked, bPopuped,
                                                barPosition});
    if (pRule && (pRule->face.nBorder != NONE || pRule->face.nFill != NONE))
        Rectangle(pDC, &rc, pRule->face.nBorder, pRule->face.nFill);
}

void CXTPOfficeTheme::DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rc)
{
    int nSelected = pControl->GetSelected();
    int nPressed = pControl->GetPressed();
    BOOL bEnabled = pControl->GetEnabled();
    BOOL bChecked = pControl->GetChecked();
    BOOL bPopuped = pControl->IsPopupOpen();
    CXTPCommandBar* pBar = pControl->GetParent();
    int nPosition = pBar ? pBar->GetPosition() : xtpBarTop;
    BOOL bDropDownHot = (nSelected || nPressed != nSelected) && !bPopuped && bEnabled;

    if (pControl->GetStyle() != xtpButtonIconAndCaptionBelow)
    {
        int w = m_nSplitButtonDropDownWidth;
        CRect rcMain(rc);
        if (!bPopuped)
            rcMain.right -= w;
        DrawButtonFace(pDC, rcMain, nSelected, nPressed, bEnabled, bChecked, bPopuped,
                       xtpBarTypeNormal, nPosition);
        if (bDropDownHot)
            DrawButtonFace(pDC, CRect(rc.right - w - 1, rc.top, rc.right, rc.bottom), TRUE, FALSE,
                           bEnabled, FALSE, FALSE, xtpBarTypeNormal, nPosition);
        DrawPopupArrow(pDC, rc.right - 7, rc.CenterPoint().y, nSelected, bPopuped,
                       bEnabled && pControl->GetEnabledValue() != 3, FALSE);
        return;
    }

    BOOL bSplit = nSelected && nPressed && !bPopuped && bEnabled;
    BOOL bVertical = IsVerticalDockPosition(nPosition);
    DrawButtonFace(pDC, rc, nSelected, bSplit ? FALSE : nPressed, bEnabled, bChecked, bPopuped,
                   xtpBarTypeNormal, nPosition);
    if (bDropDownHot)
    {
        if (bVertical)
            VerticalLine(pDC, rc.left + 27, rc.top, rc.bottom, ResolveColor(32));
        else
            HorizontalLine(pDC, rc.left, rc.bottom - 28, rc.right, ResolveColor(32));
    }
    if (bSplit)
    {
        CRect rcUpper = bVertical ? CRect(rc.left + 27, rc.top, rc.right, rc.bottom)
                                  : CRect(rc.left, rc.top, rc.right, rc.bottom - 27);
        DrawButtonFace(pDC, rcUpper, nSelected, nPressed, bEnabled, bChecked, FALSE,
                       xtpBarTypeNormal, nPosition);
    }
}

void CXTPOfficeTheme::AdjustControlFrameRect(CRect& rc, CXTPControl* pControl, BOOL bVertical)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == xtpBarTypePopup)
    {
        rc.InflateRect(1, 0);
        return;
    }
    if (pControl->GetType() == xtpControlComboBox)
        return;
    BOOL bShrinkByStyle = pBar && (pBar->GetFlags() & xtpFlagShrinkByStyle)
                          && pBar->GetPosition() == xtpBarPopup;
    if (bShrinkByStyle || !bVertical)
        rc.DeflateRect(0, 1);
    else
        rc.DeflateRect(1, 0);
}

// --- Bars ------------------------------------------------------------------------------

void CXTPOfficeTheme::FillCommandBar(CDC* pDC, CXTPCommandBar* pBar)
{
    CRect rc;
    pBar->GetClientRect(&rc);
    switch (pBar->GetPosition())
    {
    case xtpBarFloating:
    {
        CXTPPenDC pen(pDC->GetSafeHdc(), ResolveColor(61));
        CXTPBrushDC brush(pDC->GetSafeHdc(), ResolveColor(IsFlatBar(pBar) ? 15 : 30));
        pDC->Rectangle(&rc);
        CRect rcInner(rc);
        rcInner.DeflateRect(1, 1);
        pDC->Rectangle(&rcInner);
        SoftenCorners(pDC, rc, 61);
        break;
    }
    case xtpBarPopup:
        Rectangle(pDC, &rc, 43, 41);
        if (pBar->GetType() == xtpBarTypePopup)
            FillPopupGutter(pDC, 1, 2, GetPopupGutterWidth(pBar), rc.bottom - 4, FALSE);
        FillPopupParentIntersection(pDC, pBar, 30);
        break;
    default:
        if (IsFlatBar(pBar))
        {
            pDC->FillSolidRect(&rc, ResolveColor(15));
            break;
        }
        pDC->FillSolidRect(&rc, ResolveColor(30));
        Draw3dRect(pDC, &rc, 15, 15);
        PutPixel(pDC, 1, 1, 15);
        PutPixel(pDC, rc.right - 2, 1, 15);
        PutPixel(pDC, 1, rc.bottom - 2, 15);
        PutPixel(pDC, rc.right - 2, rc.bottom - 2, 15);
        break;
    }
}

void CXTPOfficeTheme::FillPopupParentIntersection(CDC* pDC, CXTPCommandBar* pPopupBar, int nColor)
{
    CXTPControl* pParent = pPopupBar->GetControlPopup();
    CXTPCommandBar* pParentBar = pParent ? pParent->GetParent() : nullptr;
    if (!pParentBar || pParentBar->GetType() == xtpBarTypePopup
        || !pParentBar->GetSafeHwnd() || !pPopupBar->GetSafeHwnd())
        return;
    CRect rcParent = pParent->GetRect();
    pParentBar->ClientToScreen(&rcParent);
    CRect rcPopup;
    pPopupBar->GetWindowRect(&rcPopup);
    CRect rcShared;
    if (!rcShared.IntersectRect(&rcParent, &rcPopup))
        return;
    pPopupBar->ScreenToClient(&rcShared);
    if (rcShared.Width() > 1)
        rcShared.DeflateRect(1, 0);
    if (rcShared.Height() > 1)
        rcShared.DeflateRect(0, 1);
    pDC->FillSolidRect(&rcShared, ResolveColor(nColor));
}

void CXTPOfficeTheme::FillPopupGutter(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded)
{
    pDC->FillSolidRect(x, y, cx, cy, ResolveColor(bExpanded ? 42 : 30));
}

CSize CXTPOfficeTheme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    if (pBar->IsFloatingGripper())
        return DrawFloatingGripper(pDC, pBar, bDraw);
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    switch (pBar->GetPosition())
    {
    case xtpBarTop:
    case xtpBarBottom:
        if (bDraw)
            for (int y = 5; y < rcClient.Height() - 5; y += 2)
                Line(pDC, 3, y, 6, y, 38);
        return CSize(6, 0);
    case xtpBarLeft:
    case xtpBarRight:
        if (bDraw)
            for (int x = 5; x < rcClient.Width() - 5; x += 2)
                Line(pDC, x, 3, x, 6, 38);
        return CSize(0, 8);
    case xtpBarFloating:
        return CXTPPaintManager::DrawCommandBarGripper(pDC, pBar, bDraw);
    default:
        return CSize(0, 0);
    }
}

CSize CXTPOfficeTheme::DrawFloatingGripper(CDC* pDC, CXTPCommandBar* /*pBar*/, BOOL bDraw)
{
    int nHeight = m_nTextHeight >= 18 ? m_nTextHeight + 4 : 22;
    if (bDraw)
        for (int y = 6; y < nHeight - 2; y += 2)
            Line(pDC, 3, y, 6, y, 38);
    return CSize(6, nHeight);
}

CSize CXTPOfficeTheme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar,
                                               CXTPControl* pControl, BOOL bDraw)
{
    BOOL bPopup = pBar->GetType() == xtpBarTypePopup;
    if (!bDraw)
        return bPopup ? CSize(3, 3) : CSize(6, 6);

    CRect rcRow = pControl->GetRowRect();
    CRect rcControl = pControl->GetRect();
    BOOL bWrap = pControl->GetWrap();
    if (bPopup)
    {
        CRect rcClient;
        pBar->GetClientRect(&rcClient);
        if (bWrap)
            Line(pDC, rcControl.left - 2, rcClient.top + 1, rcControl.left - 2,
                 rcClient.bottom - 1, 39);
        else
            Line(pDC, rcControl.left + GetPopupGutterWidth(pBar) + m_nPopupBarTextPadding - 1,
                 rcControl.top - 2, rcControl.right + 1, rcControl.top - 2, 39);
    }
    else if (IsVerticalDockPosition(pBar->GetPosition()))
    {
        if (bWrap)
            Line(pDC, rcRow.right + 2, rcRow.top + 4, rcRow.right + 2, rcRow.bottom, 39);
        else
            Line(pDC, rcRow.left, rcControl.top - 4, rcRow.right, rcControl.top - 4, 39);
    }
    else if (bWrap)
    {
        Line(pDC, rcRow.left, rcRow.top - 4, rcRow.right, rcRow.top - 4, 39);
    }
    else
    {
        Line(pDC, rcControl.left - 4, rcControl.top, rcControl.left - 4, rcControl.bottom, 39);
    }
    return CSize(0, 0);
}

void CXTPOfficeTheme::DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL /*bGripperPane*/)
{
    Draw3dRect(pDC, &rc, 16, 16);
}

CSize CXTPOfficeTheme::DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw)
{
    if (!bDraw)
        return CSize(0, 9);
    pDC->FillSolidRect(&rcGripper, ResolveColor(41));
    CRect rc(rcGripper);
    rc.DeflateRect(1, 1);
    int nHalf = rcGripper.Width() / 2 > 26 ? 16 : rcGripper.Width() / 2 - 10;
    int xCentre = rcGripper.CenterPoint().x;
    if (bSelected)
        Rectangle(pDC, &rc, 32, 31);
    else
        pDC->FillSolidRect(&rc, ResolveColor(30));
    if (nHalf > 0)
    {
        // Selected strips carry two lines, idle ones three.
        static const int s_rows[2][3] = {{3, 5, 7}, {4, 6, 0}};
        COLORREF clr = ResolveColor(bSelected ? 45 : 38);
        for (int y : s_rows[bSelected ? 1 : 0])
            if (y)
                HorizontalLine(pDC, xCentre - nHalf, rcGripper.top + y, xCentre + nHalf, clr);
    }
    return CSize(0, 9);
}

// --- Images and marks -------------------------------------------------------------------

void CXTPOfficeTheme::DrawControlImage(CDC* pDC, CPoint pt, CSize sz,
                                       CXTPImageManagerIcon* pImage, int nSelected,
                                       int nPressed, BOOL bEnabled, int nChecked,
                                       BOOL bPopuped, BOOL /*bToolBarImage*/)
{
    if (!pImage)
        return;
    auto draw = [&](CPoint ptAt, CXTPImageManagerIconHandle& hImage) {
        pImage->Draw(pDC, ptAt, hImage, sz.cx, sz.cy);
    };
    if (!bEnabled || (nChecked == 2 && !nPressed))
    {
        if (!m_iconOptions.bUseDisabledImage && !pImage->HasDisabledImage())
        {
            pImage->DrawMonochrome(pDC, pt, pImage->GetNormalImage(), ResolveColor(40));
            return;
        }
        if (m_iconOptions.bTintDisabled && !pImage->HasDisabledImage())
            pImage->CreateDisabledImage(m_clrBarGradient.clrLight.GetColor(),
                                        m_clrBarGradient.clrDark.GetColor());
        draw(pt, pImage->GetDisabledImage());
        return;
    }
    if (bPopuped)
        draw(pt, nChecked ? pImage->GetCheckedImage() : pImage->GetNormalImage());
    else if (nChecked)
        draw(pt, pImage->GetCheckedImage());
    else if ((nSelected && nPressed) || ((nPressed == 2 || nPressed == 3) && !nSelected))
        draw(pt, pImage->GetPressedImage());
    else if (nSelected || nPressed == 1)
    {
        if (m_iconOptions.bShadowUnderHot && !pImage->GetHotImage().IsAlpha())
        {
            draw(CPoint(pt.x + 1, pt.y + 1), pImage->GetShadowImage());
            draw(CPoint(pt.x - 1, pt.y - 1), pImage->GetHotImage());
        }
        else
            draw(pt, pImage->GetHotImage());
    }
    else
        draw(pt, m_iconOptions.bFadedInactive ? pImage->GetFadedImage() : pImage->GetNormalImage());
}

CSize CXTPOfficeTheme::DrawCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, int nSelected,
                                        int nPressed, int nChecked, BOOL bEnabled)
{
    if (m_bThemedCheckBox && m_themeButton.IsAppThemed())
        return CXTPPaintManager::DrawCheckBoxMark(pDC, rc, bDraw, nSelected, nPressed, nChecked,
                                                  bEnabled);
    if (!bDraw)
        return CSize(13, 13);
    if (!bEnabled)
        Draw3dRect(pDC, &rc, 35, 35);
    else if (nSelected && nPressed)
        Rectangle(pDC, &rc, 32, 33);
    else if (nSelected || nPressed)
        Rectangle(pDC, &rc, 32, 31);
    else
        Rectangle(pDC, &rc, 52, 51);
    if (nChecked)
    {
        CXTPPenDC pen(pDC->GetSafeHdc(), ResolveColor(!bEnabled || nChecked == 2 ? 35 : 18));
        int dx = IsLayoutRightToLeft(pDC) ? -1 : 1;
        int m = rc.CenterPoint().x;
        int o = rc.CenterPoint().y + 1;
        for (int k = 0; k < 3; ++k)
        {
            pDC->MoveTo(m - 3 * dx, o + k - 2);
            pDC->LineTo(m - 1 * dx, o + k);
            pDC->LineTo(m + 4 * dx, o + k - 5);
        }
    }
    return CSize(13, 13);
}

} // namespace XTPPaintThemes
