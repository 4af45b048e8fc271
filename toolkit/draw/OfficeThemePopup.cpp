// The Office theme's popup items (menus), edit and combo fields, and the
// items of the customize command list.
#include "toolkit/draw/OfficeTheme.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/Control.h"
#include "toolkit/draw/CaptionLine.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ImageManagerIcon.h"
#include "toolkit/draw/PopupItemRules.h"
#include "toolkit/draw/ScopedDC.h"

#include <algorithm>

namespace XTPPaintThemes {

namespace {

CSize MeasureLine(CDC* pDC, const CString& strText)
{
    CRect rc(0, 0, 0, 0);
    pDC->DrawText(strText, &rc, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
    return rc.Size();
}

// The right-pointing arrow of items that open a popup.
void DrawSubmenuArrow(CDC* pDC, const CRect& rc, COLORREF clr)
{
    int yMid = rc.CenterPoint().y;
    FillTriangle(pDC, CPoint(rc.right - 11, yMid - 3), CPoint(rc.right - 8, yMid),
                 CPoint(rc.right - 11, yMid + 3), clr);
}

} // namespace

CSize CXTPOfficeTheme::DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    int nType = pControl->GetType();
    CSize szIcon = pBar ? pBar->GetIconSize() : CSize(16, 16);
    BOOL bDouble = pBar && pBar->IsDoubleGripper();
    int nItemHeight = std::max(m_nTextHeight, static_cast<int>(szIcon.cy) + 6);
    int nColumn = std::max(m_nTextHeight + 4, static_cast<int>(szIcon.cx) + 4);
    int nGutter = bDouble ? 2 * nColumn : nColumn;

    CString strCaption = pControl->GetCaption();
    if (pBar && pBar->IsLayoutRTL())
        AdjustCaptionForRTL(strCaption);
    UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (!IsAccessKeyShown(pBar))
    {
        StripMnemonics(strCaption);
        nFormat |= DT_NOPREFIX;
    }
    CString strShortcut = nType == xtpControlButton ? pControl->GetShortcutText() : CString();

    CXTPFontDC font(pDC, GetControlFont(pBar, pControl->IsDefaultItem()));
    int cxShortcut = strShortcut.IsEmpty() ? 0 : MeasureLine(pDC, strShortcut).cx;
    if (!bDraw)
        return CSize(m_nPopupBarTextPadding + MeasureLine(pDC, strCaption).cx + cxShortcut
                         + nGutter + 32,
                     nItemHeight);

    BOOL bEnabled = pControl->GetEnabled();
    if (nType == xtpControlSplitButtonPopup && pControl->GetEnabledValue() == 4)
        bEnabled = FALSE;
    int nSelected = pControl->GetSelected();
    int nChecked = pControl->GetChecked();
    BOOL bPopuped = pControl->IsPopupOpen();
    CRect rc = pControl->GetRect();

    if (pControl->IsKeptVisible())
        FillPopupGutter(pDC, rc.left, rc.top, nGutter, rc.Height(), TRUE);
    if (nType == xtpControlLabel)
        pDC->FillSolidRect(rc.left + nGutter + 3, rc.top, rc.right - rc.left - nGutter - 3,
                           rc.Height(), ResolveColor(56));
    else
        DrawButtonFace(pDC, rc, nSelected, FALSE, bEnabled, FALSE, FALSE, xtpBarTypePopup,
                       xtpBarPopup);

    // The icon box: icon-sized, centred in the first column; the check box
    // moves to the second column when there are two.
    CPoint ptColumn(rc.left + nColumn / 2, rc.CenterPoint().y);
    CRect rcIcon(ptColumn.x - szIcon.cx / 2, ptColumn.y - szIcon.cy / 2,
                 ptColumn.x - szIcon.cx / 2 + szIcon.cx, ptColumn.y - szIcon.cy / 2 + szIcon.cy);
    CRect rcCheck(rcIcon);
    if (bDouble)
        rcCheck.OffsetRect(nColumn, 0);
    if (nChecked)
        DrawButtonFace(pDC, rcCheck, nSelected, FALSE, bEnabled, nChecked, FALSE,
                       xtpBarTypePopup, xtpBarPopup);

    CXTPImageManagerIcon* pImage =
        IsPopupIconShown(pControl) ? pControl->GetImage(szIcon.cx) : nullptr;
    if (pImage && pImage->GetHeight() <= 0)
        pImage = nullptr;
    if (pImage)
    {
        int cxImage = pImage->GetWidth() * szIcon.cy / pImage->GetHeight();
        CPoint pt(ptColumn.x - cxImage / 2, ptColumn.y - szIcon.cy / 2);
        DrawControlImage(pDC, pt, CSize(cxImage, szIcon.cy), pImage, nSelected, FALSE, bEnabled,
                         nChecked, bPopuped, FALSE);
    }
    if (nChecked && (!pImage || bDouble))
        DrawMenuCheckMark(pDC, rcCheck, bEnabled ? RGB(0, 0, 0) : ResolveColor(40));

    COLORREF clrText = GetTextColorForControl(pControl);
    if (IsPopupControlType(nType))
    {
        COLORREF clrArrow = clrText;
        if (nType == xtpControlSplitButtonPopup && bEnabled)
        {
            if (nSelected && bPopuped)
            {
                CRect rcDropDown(rc.right - 20, rc.top, rc.right, rc.bottom);
                Rectangle(pDC, &rcDropDown, 32, 33);
                clrArrow = ResolveColor(47);
            }
            else
            {
                VerticalLine(pDC, rc.right - 20, rc.top, rc.bottom, ResolveColor(nSelected ? 32 : 16));
            }
        }
        DrawSubmenuArrow(pDC, rc, clrArrow);
    }

    CRect rcText(rc.left + nGutter + m_nPopupBarTextPadding, rc.top, rc.right, rc.bottom);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrText);
    if (!strShortcut.IsEmpty())
    {
        rcText.right -= cxShortcut + 19;
        CRect rcShortcut(rc.left + nGutter + 8, rc.top, rc.right - 19, rc.bottom);
        pDC->DrawText(strShortcut, &rcShortcut, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    XTPDrawCaptionLine(pDC, strCaption, rcText, nFormat);
    return CSize(0, 0);
}

// --- Fields ----------------------------------------------------------------------------

void CXTPOfficeTheme::DrawField(CDC* pDC, CXTPControl* pControl, BOOL bCombo)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    BOOL bInPopup = pBar && pBar->GetType() == xtpBarTypePopup;
    int nSelected = pControl->GetSelected();
    BOOL bEnabled = pControl->GetEnabled();
    BOOL bDropped = pControl->IsPopupOpen();
    CRect rcBox = pControl->GetRect();
    rcBox.left += pControl->GetLabelWidth();

    CXTPFontDC font(pDC, bCombo && m_fontRegular.GetSafeHandle() ? &m_fontRegular : nullptr);
    if (!bEnabled)
    {
        CRect rcDisabled(rcBox.left + 1, rcBox.top, rcBox.right, rcBox.bottom);
        Rectangle(pDC, &rcDisabled, nSelected == 2 || nSelected == 3 ? 32 : 40, 15);
    }
    if (!bCombo)
    {
        if (!bEnabled)
            return;
        CRect rcInner(rcBox);
        rcInner.DeflateRect(1, 1);
        pDC->FillSolidRect(&rcInner, ResolveColor(5));
        if (nSelected)
            Draw3dRect(pDC, &rcBox, 32, 32);
        else if (bInPopup)
            Draw3dRect(pDC, &rcBox, 53, 53);
        return;
    }

    int cxButton = CXTPDrawHelpers::ComboButtonWidth(pDC, &m_fontIcon);
    CRect rcButton(rcBox.right - cxButton, rcBox.top, rcBox.right, rcBox.bottom);
    if (bEnabled)
    {
        CRect rcInside(rcBox.left + 1, rcBox.top + 1, rcButton.left + 1, rcBox.bottom - 1);
        Rectangle(pDC, &rcInside, 5, 5);
        if (nSelected)
        {
            Rectangle(pDC, &rcBox, 32, 5);
            DrawButtonFace(pDC, rcButton, nSelected, bDropped, bEnabled, FALSE, FALSE,
                           pBar ? pBar->GetType() : xtpBarTypeNormal,
                           pBar ? pBar->GetPosition() : xtpBarTop);
        }
        else if (bInPopup)
        {
            Draw3dRect(pDC, &rcBox, 53, 53);
            Rectangle(pDC, &rcButton, 53, 5);
        }
        else
        {
            Draw3dRect(pDC, &rcButton, 5, 5);
        }
    }
    int nArrow = !bEnabled ? 40 : bDropped ? 47 : nSelected ? 45 : 46;
    DrawDropDownArrow(pDC, rcButton, ResolveColor(nArrow));
}

CSize CXTPOfficeTheme::DrawEditControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CSize size = CXTPPaintManager::DrawEditControl(pDC, pControl, bDraw);
    if (bDraw)
        DrawField(pDC, pControl, FALSE);
    return size;
}

CSize CXTPOfficeTheme::DrawComboBoxControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CSize size = CXTPPaintManager::DrawComboBoxControl(pDC, pControl, bDraw);
    if (bDraw)
        DrawField(pDC, pControl, TRUE);
    return size;
}

// --- Customize list -------------------------------------------------------------------------

CSize CXTPOfficeTheme::DrawListBoxControl(CDC* pDC, CXTPControl* pControl, CRect rc,
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
    int nItemHeight = std::max(m_nTextHeight, static_cast<int>(szIcon.cy) + 6);
    int nColumn = std::max(m_nTextHeight + 4, static_cast<int>(szIcon.cx) + 4);
    CSize size(nColumn, nItemHeight);
    if (!bDraw)
        return size;

    pDC->FillSolidRect(&rc, ResolveColor(41));
    FillPopupGutter(pDC, rc.left, rc.top, nColumn, rc.Height(), FALSE);
    if (!pControl)
        return size;
    if (bSelected)
        DrawButtonFace(pDC, rc, TRUE, FALSE, TRUE, FALSE, FALSE, xtpBarTypePopup, xtpBarPopup);

    CXTPImageManagerIcon* pImage = IsPopupIconShown(pControl) ? pControl->GetImage(szIcon.cx) : nullptr;
    if (pImage && pImage->GetWidth() > 0)
    {
        int cyImage = pImage->GetHeight() * szIcon.cx / pImage->GetWidth();
        DrawControlImage(pDC, CPoint(rc.left + nColumn / 2 - szIcon.cx / 2, rc.CenterPoint().y - cyImage / 2),
                         CSize(szIcon.cx, cyImage), pImage, FALSE, FALSE, TRUE, FALSE, FALSE, FALSE);
    }

    int nType = pControl->GetType();
    COLORREF clrText = ResolveColor(bSelected ? 45 : 44);
    CXTPFontDC font(pDC, &m_fontRegular);
    pDC->SetTextColor(clrText);
    pDC->SetBkMode(TRANSPARENT);
    CString strCaption = pControl->GetCaption();
    if (pCommandBars && pCommandBars->IsLayoutRTL())
        AdjustCaptionForRTL(strCaption);
    CRect rcText(rc.left + nColumn + 8, rc.top, rc.right, rc.bottom);
    int yMid = rc.CenterPoint().y;
    if (IsPopupControlType(nType))
    {
        FillTriangle(pDC, CPoint(rc.right - 12, yMid - 5), CPoint(rc.right - 12, yMid + 5),
                     CPoint(rc.right - 7, yMid), clrText);
        rcText.right -= 7;
        if (nType == xtpControlSplitButtonPopup)
        {
            VerticalLine(pDC, rc.right - 20, rc.top + 1, rc.bottom - 1, ResolveColor(bSelected ? 32 : 16));
            rcText.right = rc.right - 20;
        }
    }
    pDC->DrawText(strCaption, &rcText, DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);

    if (nType == xtpControlComboBox || nType == xtpControlEdit)
    {
        int cxCaption = pDC->GetTextExtent(strCaption).cx;
        CRect rcBox(rcText.left + cxCaption + 13, rc.top + 1, rc.right, rc.bottom - 1);
        Rectangle(pDC, &rcBox, bSelected ? 32 : 15, 5);
        if (nType == xtpControlComboBox)
        {
            int cxButton = pDC->GetTextExtent(" ", 1).cy + 2;
            CRect rcButton(rcBox.right - cxButton, rcBox.top, rcBox.right, rcBox.bottom);
            if (bSelected)
                DrawButtonFace(pDC, rcButton, TRUE, FALSE, TRUE, FALSE, FALSE, xtpBarTypePopup,
                               xtpBarPopup);
            else
            {
                CRect rcInside(rcButton);
                rcInside.DeflateRect(2, 2);
                pDC->FillSolidRect(&rcInside, ResolveColor(15));
            }
            DrawDropDownArrow(pDC, rcButton, ResolveColor(bSelected ? 45 : 46));
        }
    }
    return size;
}

} // namespace XTPPaintThemes
