// The classic theme's popup items (menus), edit and combo fields, and the
// items of the customize command list.
#include "toolkit/draw/DefaultTheme.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlComboBox.h"
#include "toolkit/draw/CaptionLine.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ImageManagerIcon.h"
#include "toolkit/draw/PopupItemRules.h"
#include "toolkit/draw/ScopedDC.h"

#include <algorithm>

namespace XTPPaintThemes {

void CXTPDefaultTheme::DrawPopupSubmenuArrow(CDC* pDC, CRect rc, COLORREF clr)
{
    int yMid = rc.CenterPoint().y;
    FillTriangle(pDC, CPoint(rc.right - 11, yMid - 3), CPoint(rc.right - 8, yMid),
                 CPoint(rc.right - 11, yMid + 3), clr);
}

CSize CXTPDefaultTheme::DrawPopupItemText(CDC* pDC, const CString& strText, CRect& rc,
                                          UINT nFormat, BOOL bDraw, BOOL bSelected,
                                          BOOL bEnabled)
{
    if (!bDraw)
    {
        CRect rcCalc(0, 0, 0, 0);
        pDC->DrawText(strText, &rcCalc, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
        return rcCalc.Size();
    }
    nFormat |= DT_SINGLELINE | DT_VCENTER;
    if (!bEnabled && !bSelected)
    {
        COLORREF clrOld = pDC->SetTextColor(ResolveColor(COLOR_BTNHIGHLIGHT));
        CRect rcShadow(rc);
        rcShadow.OffsetRect(1, 1);
        XTPDrawCaptionLine(pDC, strText, rcShadow, nFormat);
        pDC->SetTextColor(clrOld);
    }
    XTPDrawCaptionLine(pDC, strText, rc, nFormat);
    return CSize(0, 0);
}

CSize CXTPDefaultTheme::DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    int nType = pControl->GetType();
    CSize szIcon = pBar ? pBar->GetIconSize() : CSize(16, 16);
    BOOL bDouble = pBar && pBar->IsDoubleGripper();
    BOOL bIconShown = IsPopupIconShown(pControl);
    BOOL bEnabled = pControl->GetEnabled();
    if (nType == xtpControlSplitButtonPopup && pControl->GetEnabledValue() == 4)
        bEnabled = FALSE;
    int nSelected = pControl->GetSelected();
    BOOL bChecked = pControl->GetChecked();
    BOOL bPopuped = pControl->IsPopupOpen();

    CString strCaption = pControl->GetCaption();
    if (pBar && pBar->IsLayoutRTL())
        AdjustCaptionForRTL(strCaption);
    UINT nFormat = DT_END_ELLIPSIS;
    if (!IsAccessKeyShown(pBar))
    {
        StripMnemonics(strCaption);
        nFormat |= DT_NOPREFIX;
    }
    CString strShortcut = pControl->GetShortcutText();

    int nGutter = std::max(m_nTextHeight, static_cast<int>(szIcon.cx) + 4);
    int nItemHeight = std::max(m_nTextHeight, static_cast<int>(szIcon.cy) + 4);
    int nTotalGutter = bDouble ? 2 * nGutter : nGutter;

    CXTPFontDC font(pDC, GetControlFont(pBar, pControl->IsDefaultItem()));
    if (!bDraw)
    {
        CRect rcEmpty(0, 0, 0, 0);
        int cxCaption = DrawPopupItemText(pDC, strCaption, rcEmpty, nFormat, FALSE, FALSE, TRUE).cx;
        int cxShortcut = strShortcut.IsEmpty()
                             ? 0
                             : DrawPopupItemText(pDC, strShortcut, rcEmpty, 0, FALSE, FALSE, TRUE).cx;
        return CSize(m_nPopupBarTextPadding + cxShortcut + cxCaption + nTotalGutter + 32,
                     nItemHeight);
    }

    CRect rc = pControl->GetRect();
    CRect rcIcon(rc.left, rc.top, rc.left + nGutter, rc.bottom);
    CPoint ptCheck = rcIcon.CenterPoint();
    CRect rcCheck(ptCheck.x - 10, ptCheck.y - 10, ptCheck.x + 10, ptCheck.y + 10);
    BOOL bFullRow = m_bSelectImageInPopupBar;

    if (pControl->IsKeptVisible())
        pDC->FillSolidRect(&rc, ResolveColor(COLOR_3DLIGHT));
    COLORREF clrText = GetTextColorForControl(pControl);
    if (bFullRow && nSelected)
        DrawButtonFace(pDC, rc, nSelected, FALSE, bEnabled, FALSE, FALSE, xtpBarTypePopup,
                       xtpBarPopup);
    if (bChecked && !bFullRow)
        DrawButtonFace(pDC, rcIcon, nSelected, FALSE, bEnabled, bChecked, FALSE,
                       xtpBarTypeNormal, xtpBarPopup);
    if (bDouble)
        rcIcon.OffsetRect(nGutter + 1, 0);

    CXTPImageManagerIcon* pImage = bIconShown ? pControl->GetImage(szIcon.cx) : nullptr;
    if (pImage && pImage->GetWidth() <= 0)
        pImage = nullptr;
    if (pImage)
    {
        int cyImage = pImage->GetHeight() * szIcon.cx / pImage->GetWidth();
        if (!bFullRow)
            DrawButtonFace(pDC, rcIcon, nSelected, FALSE, bEnabled, bChecked && !bDouble, FALSE,
                           xtpBarTypeNormal, xtpBarPopup);
        CPoint ptImage(rcIcon.CenterPoint().x - szIcon.cx / 2, rcIcon.CenterPoint().y - cyImage / 2);
        DrawControlImage(pDC, ptImage, CSize(szIcon.cx, cyImage), pImage, nSelected, FALSE,
                         bEnabled, pControl->GetCheckedValue() == 2 ? 2 : bChecked, bPopuped,
                         FALSE);
    }
    if (bChecked && (bDouble || !pImage))
    {
        COLORREF clrMark = bFullRow ? clrText
                                    : ResolveColor(bEnabled ? m_nNormalTextColor : COLOR_GRAYTEXT);
        DrawMenuCheckMark(pDC, rcCheck, clrMark);
    }

    CRect rcHighlight(rc);
    if (!bFullRow)
        rcHighlight.left = rcIcon.right + 1;
    if (nType == xtpControlSplitButtonPopup && bEnabled)
    {
        CRect rcDropDown(rc.right - 20, rc.top, rc.right, rc.bottom);
        int nLineColor = m_nNormalTextColor;
        if (bPopuped && nSelected)
        {
            DrawSunken(pDC, &rcDropDown);
            rcHighlight.right = rcDropDown.left;
            DrawButtonFace(pDC, rcHighlight, nSelected, FALSE, bEnabled, FALSE, FALSE,
                           xtpBarTypePopup, xtpBarPopup);
        }
        else
        {
            if (nSelected && !bPopuped)
            {
                if (!bFullRow)
                    DrawButtonFace(pDC, rcHighlight, nSelected, FALSE, bEnabled, FALSE, FALSE,
                                   xtpBarTypePopup, xtpBarPopup);
                nLineColor = COLOR_3DSHADOW;
            }
            VerticalLine(pDC, rc.right - 20, rc.top + 1, rc.bottom - 1, ResolveColor(nLineColor));
        }
    }
    else if (nSelected && !bFullRow)
    {
        DrawButtonFace(pDC, rcHighlight, nSelected, FALSE, bEnabled, FALSE, FALSE,
                       xtpBarTypePopup, xtpBarPopup);
    }
    if (IsPopupControlType(nType))
        DrawPopupSubmenuArrow(pDC, rc, bPopuped && nSelected ? ResolveColor(m_nNormalTextColor)
                                                             : clrText);

    CRect rcText(rc.left + nTotalGutter + m_nPopupBarTextPadding, rc.top, rc.right, rc.bottom);
    CRect rcShortcut(rc.left + nTotalGutter + 8, rc.top, rc.right - 19, rc.bottom);
    BOOL bShortcut = nType == xtpControlButton && !strShortcut.IsEmpty();
    if (bShortcut)
    {
        CRect rcEmpty(0, 0, 0, 0);
        rcText.right -= DrawPopupItemText(pDC, strShortcut, rcEmpty, 0, FALSE, FALSE, TRUE).cx + 19;
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrText);
    DrawPopupItemText(pDC, strCaption, rcText, nFormat, TRUE, nSelected, bEnabled);
    if (bShortcut)
        DrawPopupItemText(pDC, strShortcut, rcShortcut, DT_RIGHT | DT_NOPREFIX, TRUE, nSelected,
                          bEnabled);
    return CSize(0, 0);
}

// --- Fields ----------------------------------------------------------------------------

void CXTPDefaultTheme::DrawControlBorder(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected)
{
    CRect rcRing(rc);
    rcRing.DeflateRect(1, 1);
    if (bEnabled)
    {
        if (nSelected)
            DrawSunken(pDC, &rc);
        Draw3dRect(pDC, &rcRing, COLOR_3DFACE, COLOR_3DFACE);
        return;
    }
    int nColor = nSelected == 2 || nSelected == 3 ? COLOR_3DSHADOW : COLOR_BTNHIGHLIGHT;
    Draw3dRect(pDC, &rcRing, nColor, nColor);
}

void CXTPDefaultTheme::DrawComboBoxButton(CDC* pDC, CRect rcBtn, BOOL bEnabled, int nSelected,
                                          BOOL bDroppedDown)
{
    CRect rcButton(rcBtn.left + 1, rcBtn.top + 2, rcBtn.right - 2, rcBtn.bottom - 2);
    CRect rcColumn(rcButton.left - 1, rcButton.top, rcButton.left, rcButton.bottom);
    CRect rcArrow(rcButton);
    if (bEnabled)
    {
        Rectangle(pDC, &rcButton, COLOR_3DFACE, COLOR_3DFACE);
        if (bDroppedDown)
        {
            Rectangle(pDC, &rcColumn, COLOR_3DFACE, COLOR_3DFACE);
            DrawSunken(pDC, &rcButton);
            rcArrow.OffsetRect(1, 1);
        }
        else if (nSelected)
        {
            Rectangle(pDC, &rcColumn, COLOR_3DFACE, COLOR_3DFACE);
            Draw3dRect(pDC, &rcButton, COLOR_BTNHIGHLIGHT, COLOR_3DSHADOW);
        }
        else
        {
            Draw3dRect(pDC, &rcButton, COLOR_BTNHIGHLIGHT, COLOR_BTNHIGHLIGHT);
        }
    }
    DrawDropDownArrow(pDC, rcArrow, ResolveColor(COLOR_BTNTEXT));
}

void CXTPDefaultTheme::DrawField(CDC* pDC, CXTPControl* pControl, BOOL bCombo)
{
    CXTPPaintManager::DrawEditControl(pDC, pControl, TRUE);
    CXTPFontDC font(pDC, m_fontIcon.GetSafeHandle() ? &m_fontIcon : nullptr);
    CRect rcField = pControl->GetRect();
    rcField.left += pControl->GetLabelWidth();
    BOOL bEnabled = pControl->GetEnabled();
    if (bEnabled)
    {
        CRect rcInner(rcField);
        rcInner.DeflateRect(1, 1);
        Rectangle(pDC, &rcInner, COLOR_WINDOW, COLOR_WINDOW);
    }
    if (bCombo)
    {
        int nButtonWidth = CXTPDrawHelpers::ComboButtonWidth(pDC, &m_fontIcon);
        DrawComboBoxButton(pDC, CRect(rcField.right - nButtonWidth, rcField.top, rcField.right,
                                      rcField.bottom),
                           bEnabled, pControl->GetSelected(), pControl->IsPopupOpen());
        if (auto* pCombo = dynamic_cast<CXTPControlComboBox*>(pControl))
        {
            CXTPFontDC fontField(pDC, &m_fontRegular);
            pCombo->DrawFieldText(pDC, CRect(rcField.left + 4, rcField.top + 3,
                                             rcField.right - nButtonWidth - 3, rcField.bottom - 3));
        }
    }
    DrawControlBorder(pDC, rcField, bEnabled, pControl->GetSelected());
}

CSize CXTPDefaultTheme::DrawEditControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (!bDraw)
        return CXTPPaintManager::DrawEditControl(pDC, pControl, FALSE);
    if (pBar && pBar->GetType() == xtpBarTypePopup)
        return DrawControlPopupParent(pDC, pControl, TRUE);
    DrawField(pDC, pControl, FALSE);
    return CSize(0, 0);
}

CSize CXTPDefaultTheme::DrawComboBoxControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (!bDraw)
    {
        // The field's edit window leaves room for the button.
        if (auto* pCombo = dynamic_cast<CXTPControlComboBox*>(pControl))
            pCombo->SetButtonWidth(CXTPDrawHelpers::ComboButtonWidth(pDC, &m_fontIcon));
        return CXTPPaintManager::DrawComboBoxControl(pDC, pControl, FALSE);
    }
    if (pBar && pBar->GetType() == xtpBarTypePopup)
        return DrawControlPopupParent(pDC, pControl, TRUE);
    DrawField(pDC, pControl, TRUE);
    return CSize(0, 0);
}

// --- Customize list -------------------------------------------------------------------------

CSize CXTPDefaultTheme::DrawListBoxControl(CDC* pDC, CXTPControl* pControl, CRect rc,
                                           BOOL bSelected, BOOL bDraw,
                                           CXTPCommandBars* pCommandBars)
{
    CSize szIcon(16, 16);
    if (pCommandBars)
    {
        CSize szOption = pCommandBars->GetCommandBarsOptions()->szIcons;
        if (szOption.cx > 0 && szOption.cy > 0)
            szIcon = szOption;
    }
    int nColumn = std::max(static_cast<int>(szIcon.cx) + 4, m_nTextHeight);
    int nItemHeight = std::max(static_cast<int>(szIcon.cy) + 4, m_nTextHeight);
    if (!bDraw)
        return CSize(nColumn, nItemHeight);

    pDC->FillSolidRect(&rc, ResolveColor(COLOR_3DFACE));
    if (!pControl)
        return CSize(nColumn, nItemHeight);

    BOOL bEnabled = TRUE;
    int nType = pControl->GetType();
    CRect rcColumn(rc.left, rc.top, rc.left + nColumn, rc.bottom);
    CXTPImageManagerIcon* pImage = IsPopupIconShown(pControl) ? pControl->GetImage(szIcon.cx) : nullptr;
    if (pImage && pImage->GetWidth() > 0)
    {
        DrawButtonFace(pDC, rcColumn, bSelected, FALSE, bEnabled, FALSE, FALSE, xtpBarTypeNormal,
                       xtpBarPopup);
        int cyImage = pImage->GetHeight() * szIcon.cx / pImage->GetWidth();
        DrawControlImage(pDC, CPoint(rcColumn.CenterPoint().x - szIcon.cx / 2,
                                     rcColumn.CenterPoint().y - cyImage / 2),
                         CSize(szIcon.cx, cyImage), pImage, FALSE, FALSE, TRUE, FALSE, FALSE,
                         FALSE);
    }
    if (bSelected)
    {
        CRect rcRest(rcColumn.right + 1, rc.top, rc.right, rc.bottom);
        Rectangle(pDC, &rcRest, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
    }
    int nTextColor = bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT;
    COLORREF clrText = ResolveColor(nTextColor);
    CXTPFontDC font(pDC, &m_fontRegular);
    pDC->SetTextColor(clrText);
    pDC->SetBkMode(TRANSPARENT);
    CString strCaption = pControl->GetCaption();
    if (pCommandBars && pCommandBars->IsLayoutRTL())
        AdjustCaptionForRTL(strCaption);
    CRect rcText(rc.left + nColumn + 4, rc.top, rc.right, rc.bottom);
    pDC->DrawText(strCaption, &rcText, DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);

    int yMid = rc.CenterPoint().y;
    if (IsPopupControlType(nType))
    {
        FillTriangle(pDC, CPoint(rc.right - 7, yMid), CPoint(rc.right - 12, yMid - 5),
                     CPoint(rc.right - 12, yMid + 5), clrText);
        if (nType == xtpControlSplitButtonPopup)
            VerticalLine(pDC, rc.right - 20, rc.top + 1, rc.bottom - 1, clrText);
    }
    else if (nType == xtpControlComboBox || nType == xtpControlEdit)
    {
        int cxCaption = pDC->GetTextExtent(strCaption).cx;
        CRect rcField(rcText.left + cxCaption + 5, rc.top + 1, rc.right - 1, rc.bottom - 1);
        Rectangle(pDC, &rcField, bSelected ? COLOR_HIGHLIGHT : COLOR_3DFACE, COLOR_WINDOW);
        if (nType == xtpControlComboBox)
        {
            int cxButton = pDC->GetTextExtent(" ", 1).cy + 2;
            CRect rcButton(rcField.right - cxButton, rcField.top, rcField.right, rcField.bottom);
            if (bSelected)
                Rectangle(pDC, &rcButton, COLOR_HIGHLIGHT, COLOR_3DFACE);
            else
            {
                rcButton.DeflateRect(2, 2);
                pDC->FillSolidRect(&rcButton, ResolveColor(COLOR_3DFACE));
            }
            DrawDropDownArrow(pDC, rcButton, ResolveColor(COLOR_BTNTEXT));
        }
    }
    return CSize(nColumn, nItemHeight);
}

} // namespace XTPPaintThemes
