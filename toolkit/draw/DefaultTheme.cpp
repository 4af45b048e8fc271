// The classic theme's bar, button and glyph drawing. Popup items, fields and
// the customize list are in DefaultThemePopup.cpp.
#include "toolkit/draw/DefaultTheme.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/draw/ImageManagerIcon.h"

namespace XTPPaintThemes {

CXTPDefaultTheme::CXTPDefaultTheme() : m_bSelectImageInPopupBar(FALSE), m_nNormalTextColor(COLOR_BTNTEXT)
{
    m_iconOptions.bFadedInactive = FALSE;
    m_iconOptions.bShadowUnderHot = FALSE;
}

void CXTPDefaultTheme::RefreshMetrics()
{
    CXTPPaintManager::RefreshMetrics();
    m_clrFloatingGripper.SetStandardValue(ResolveColor(COLOR_ACTIVECAPTION));
    m_clrFloatingGripperText.SetStandardValue(ResolveColor(COLOR_CAPTIONTEXT));
}

COLORREF CXTPDefaultTheme::GetControlTextColor(BOOL bSelected, BOOL /*bPressed*/, BOOL bEnabled,
                                               BOOL /*bChecked*/, BOOL /*bPopuped*/, int barType,
                                               int barPosition)
{
    if (!bEnabled)
        return ResolveColor(COLOR_GRAYTEXT);
    if (barType == xtpBarTypePopup)
        return ResolveColor(bSelected ? COLOR_HIGHLIGHTTEXT : m_nNormalTextColor);
    return ResolveColor(barPosition == xtpBarPopup ? m_nNormalTextColor : COLOR_BTNTEXT);
}

CRect CXTPDefaultTheme::GetCommandBarBorders(CXTPCommandBar* pBar)
{
    if (pBar && pBar->GetType() == xtpBarTypePopup)
        return CRect(3, 3, 3, 3);
    return CXTPPaintManager::GetCommandBarBorders(pBar);
}

void CXTPDefaultTheme::AdjustControlFrameRect(CRect& rc, CXTPControl* pControl, BOOL bVertical)
{
    if (pControl->GetType() == xtpControlComboBox)
        return;
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == xtpBarTypePopup)
        rc.DeflateRect(1, 0);
    else if (bVertical)
        rc.InflateRect(0, 1);
    else
        rc.InflateRect(1, 0);
}

CSize CXTPDefaultTheme::DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw)
{
    if (bDraw)
    {
        CRect rc(rcGripper);
        rc.bottom -= 1;
        pDC->FillSolidRect(&rc, ResolveColor(bSelected ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    }
    return CSize(0, 8);
}

CSize CXTPDefaultTheme::DrawFloatingGripper(CDC* pDC, CXTPCommandBar* /*pBar*/, BOOL bDraw)
{
    int nHeight = m_nTextHeight >= 18 ? m_nTextHeight + 4 : 22;
    if (bDraw)
        DrawRaised(pDC, CRect(3, 3, 6, nHeight));
    return CSize(6, nHeight);
}

// --- Button faces ------------------------------------------------------------------------

void CXTPDefaultTheme::DrawCheckedPattern(CDC* pDC, CRect rc)
{
    // Alternating pixels: 0 bits take the text colour, 1 bits the background.
    static const WORD s_pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    CBitmap bitmap;
    if (!bitmap.CreateBitmap(8, 8, 1, 1, s_pattern))
        return;
    CBrush brush;
    if (!brush.CreatePatternBrush(&bitmap))
        return;
    COLORREF clrOldBack = pDC->SetBkColor(ResolveColor(COLOR_3DFACE));
    COLORREF clrOldText = pDC->SetTextColor(ResolveColor(COLOR_BTNHIGHLIGHT));
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    pDC->PatBlt(rc.left, rc.top, rc.Width(), rc.Height(), PATCOPY);
    pDC->SelectObject(pOldBrush);
    pDC->SetBkColor(clrOldBack);
    pDC->SetTextColor(clrOldText);
}

void CXTPDefaultTheme::DrawButtonFace(CDC* pDC, CRect rc, int nSelected, int nPressed,
                                      BOOL bEnabled, BOOL bChecked, BOOL bPopuped, int barType,
                                      int /*barPosition*/)
{
    if (barType == xtpBarTypePopup && !bChecked)
    {
        if (nSelected || nPressed)
            Rectangle(pDC, &rc, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
        return;
    }
    BOOL bKeyboardSelected = nSelected == 2 || nSelected == 3;
    if (!bEnabled)
    {
        if (bChecked || bKeyboardSelected)
            DrawSunken(pDC, &rc);
        return;
    }
    if (bChecked)
    {
        if (!nSelected && !nPressed)
            DrawCheckedPattern(pDC, rc);
        DrawSunken(pDC, &rc);
        return;
    }
    if (bPopuped || nPressed == 2 || nPressed == 3 || (nSelected && nPressed))
        DrawSunken(pDC, &rc);
    else if (nSelected || nPressed)
        DrawRaised(pDC, &rc);
}

void CXTPDefaultTheme::DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rcButton)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    int nPosition = pBar ? pBar->GetPosition() : xtpBarTop;
    int nSelected = pControl->GetSelected();
    BOOL bPopuped = pControl->IsPopupOpen();
    BOOL bEnabled = pControl->GetEnabled();
    BOOL bHot = nSelected || bPopuped;

    CRect rcCommand(rcButton), rcDropDown(rcButton);
    BOOL bLarge = pControl->GetStyle() == xtpButtonIconAndCaptionBelow;
    if (!bLarge)
    {
        rcCommand.right -= 12;
        rcDropDown.left = rcCommand.right;
    }
    else if (IsVerticalDockPosition(nPosition))
    {
        rcDropDown.right = rcDropDown.left + 27;
        rcCommand.left = rcDropDown.right;
    }
    else
    {
        rcDropDown.top = rcDropDown.bottom - 27;
        rcCommand.bottom = rcDropDown.top;
    }
    DrawButtonFace(pDC, rcCommand, bHot, pControl->GetPressed(), bEnabled,
                   pControl->GetChecked(), FALSE, xtpBarTypeNormal, nPosition);
    if (bEnabled && (nSelected || pControl->GetPressed() || bPopuped))
        DrawButtonFace(pDC, rcDropDown, nSelected, FALSE, bEnabled, FALSE, bPopuped,
                       xtpBarTypeNormal, nPosition);
    if (!bLarge)
        DrawPopupArrow(pDC, rcButton.right - 7, rcButton.CenterPoint().y, nSelected, bPopuped,
                       bEnabled && pControl->GetEnabledValue() != 3, FALSE);
}

// --- Bars ----------------------------------------------------------------------------------

void CXTPDefaultTheme::FillCommandBar(CDC* pDC, CXTPCommandBar* pBar)
{
    CRect rc;
    pBar->GetClientRect(&rc);
    pDC->FillSolidRect(&rc, ResolveColor(COLOR_3DFACE));
    if (pBar->GetPosition() == xtpBarFloating || pBar->GetType() == xtpBarTypePopup)
    {
        Draw3dRect(pDC, &rc, COLOR_3DFACE, COLOR_3DDKSHADOW);
        rc.DeflateRect(1, 1);
        DrawRaised(pDC, &rc);
    }
    else if (!IsFlatBar(pBar))
    {
        DrawRaised(pDC, &rc);
    }
}

CSize CXTPDefaultTheme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
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
            DrawRaised(pDC, CRect(3, 3, 6, rcClient.bottom - 3));
        return CSize(6, 0);
    case xtpBarLeft:
    case xtpBarRight:
        if (bDraw)
            DrawRaised(pDC, CRect(3, 3, rcClient.right - 3, 6));
        return CSize(0, 8);
    case xtpBarFloating:
        return CXTPPaintManager::DrawCommandBarGripper(pDC, pBar, bDraw);
    default:
        return CSize(0, 0);
    }
}

CSize CXTPDefaultTheme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar,
                                                CXTPControl* pControl, BOOL bDraw)
{
    BOOL bPopup = pBar->GetType() == xtpBarTypePopup;
    if (!bDraw)
        return bPopup ? CSize(8, 8) : CSize(6, 6);

    CRect rcRow = pControl->GetRowRect();
    CRect rcControl = pControl->GetRect();
    BOOL bWrap = pControl->GetWrap();
    CRect rcLine;
    if (bPopup)
    {
        CRect rcClient;
        pBar->GetClientRect(&rcClient);
        rcLine = bWrap ? CRect(rcControl.left - 5, rcClient.top + 4, rcControl.left - 3,
                               rcClient.bottom - 4)
                       : CRect(rcControl.left + 11, rcControl.top - 5, rcControl.right - 11,
                               rcControl.top - 3);
    }
    else if (IsVerticalDockPosition(pBar->GetPosition()))
    {
        rcLine = bWrap ? CRect(rcRow.right + 2, rcRow.top + 4, rcRow.right + 4, rcRow.bottom)
                       : CRect(rcRow.left, rcControl.top - 4, rcRow.right, rcControl.top - 2);
    }
    else
    {
        rcLine = bWrap ? CRect(rcRow.left + 4, rcRow.top - 4, rcRow.right, rcRow.top - 2)
                       : CRect(rcControl.left - 4, rcRow.top, rcControl.left - 2, rcRow.bottom);
    }
    DrawSunken(pDC, &rcLine);
    return CSize(0, 0);
}

CSize CXTPDefaultTheme::DrawControlGlyph(CDC* pDC, int nKind, CXTPControl* pControl,
                                         CXTPCommandBar* pBar, BOOL bDraw, LPARAM lParam)
{
    if (bDraw && (nKind == xtpGlyphClose || nKind == xtpGlyphDropDown))
    {
        BOOL bActive = pControl->GetPressed() || pControl->GetSelected()
                       || (nKind == xtpGlyphDropDown && pControl->IsPopupOpen());
        if (bActive)
        {
            CRect rc = pControl->GetRect();
            Rectangle(pDC, &rc, COLOR_3DFACE, COLOR_3DFACE);
        }
    }
    return CXTPPaintManager::DrawControlGlyph(pDC, nKind, pControl, pBar, bDraw, lParam);
}

// --- Images --------------------------------------------------------------------------------

void CXTPDefaultTheme::DrawControlImage(CDC* pDC, CPoint pt, CSize sz,
                                        CXTPImageManagerIcon* pImage, int nSelected,
                                        int nPressed, BOOL bEnabled, int nChecked,
                                        BOOL bPopuped, BOOL /*bToolBarImage*/)
{
    if (!pImage)
        return;
    const CPoint ptDown(pt.x + 1, pt.y + 1);
    auto draw = [&](CPoint ptAt, CXTPImageManagerIconHandle& hImage) {
        pImage->Draw(pDC, ptAt, hImage, sz.cx, sz.cy);
    };
    auto tintDisabled = [&]() {
        if (m_iconOptions.bTintDisabled)
            pImage->CreateDisabledImage(m_clrBarGradient.clrLight.GetColor(),
                                        m_clrBarGradient.clrDark.GetColor());
    };

    if (bEnabled && !(nChecked == 2 && !nPressed))
    {
        if (bPopuped)
            draw(pt, nChecked ? pImage->GetCheckedImage() : pImage->GetNormalImage());
        else if (nChecked)
            draw(pt, pImage->GetCheckedImage());
        else if (nSelected)
        {
            if (nPressed)
                draw(ptDown, pImage->GetPressedImage());
            else if (m_iconOptions.bShadowUnderHot && !pImage->GetHotImage().IsAlpha())
            {
                draw(ptDown, pImage->GetShadowImage());
                draw(CPoint(pt.x - 1, pt.y - 1), pImage->GetHotImage());
            }
            else
                draw(pt, pImage->GetHotImage());
        }
        else if (nPressed == 0)
            draw(pt, m_iconOptions.bFadedInactive ? pImage->GetFadedImage() : pImage->GetNormalImage());
        else if (nPressed == 1)
            draw(pt, pImage->GetHotImage());
        else
            draw(ptDown, pImage->GetPressedImage());
        return;
    }
    if (bEnabled)
    {
        // Checked value 2 (indeterminate), not pressed.
        if (!pImage->HasDisabledImage())
        {
            pImage->DrawMonochrome(pDC, pt, pImage->GetCheckedImage(), ResolveColor(COLOR_3DSHADOW));
            return;
        }
        tintDisabled();
        draw(pt, pImage->GetDisabledImage());
        return;
    }
    if (m_iconOptions.bUseDisabledImage || pImage->HasDisabledImage())
    {
        tintDisabled();
        draw(pt, pImage->GetDisabledImage());
        return;
    }
    pImage->DrawMonochrome(pDC, ptDown, pImage->GetNormalImage(), ResolveColor(COLOR_BTNHIGHLIGHT));
    pImage->DrawMonochrome(pDC, pt, pImage->GetNormalImage(), ResolveColor(COLOR_3DSHADOW));
}

} // namespace XTPPaintThemes
