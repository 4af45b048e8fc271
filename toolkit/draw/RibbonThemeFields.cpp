// Edit and combo fields and the status bar as the ribbon theme draws them:
// fields in the ribbon's edit colour framed by a single line, the combo's
// drop-down button from its image by state, the status bar from its light
// part, divider and dark part.
#include "toolkit/draw/RibbonTheme.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlComboBox.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/Office2007Image.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/StatusBar.h"

#include <algorithm>

namespace {

// The paint manager's colours the fields use.
const int kFieldBorder = 53;
const int kKeyboardBorder = 32;
const int kFace = 15;
const int kWindow = 5;
const int kPopupBack = 41;

BOOL IsOnPopup(CXTPControl* pControl)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    return pBar && pBar->GetType() == xtpBarTypePopup;
}

CRect FieldRect(CXTPControl* pControl)
{
    CRect rc = pControl->GetRect();
    rc.left += pControl->GetLabelWidth();
    return rc;
}

} // namespace

COLORREF CXTPRibbonTheme::GetControlBackColor(CXTPControl* pControl)
{
    if (!pControl->GetEnabled())
        return ResolveColor(kFace);
    if (pControl->GetSelected())
        return ResolveColor(kWindow);
    return IsOnPopup(pControl) ? ResolveColor(kPopupBack) : m_clrEditBackground;
}

COLORREF CXTPRibbonTheme::GetFieldTextColor(CXTPControl* pControl)
{
    const BOOL bEnabled = pControl->GetEnabled();
    if (IsOnPopup(pControl))
        return ResolveColor(!bEnabled ? 35 : pControl->GetSelected() ? 45 : 44);
    return ResolveColor(bEnabled ? 46 : 60);
}

void CXTPRibbonTheme::DrawFieldFrame(CDC* pDC, CXTPControl* pControl, const CRect& rcField, int nFill,
                                     int nBorder)
{
    // The idle field takes the ribbon's edit colour; on a popup it shows the
    // popup's background.
    if (nFill >= 0)
        pDC->FillSolidRect(&rcField, ResolveColor(nFill));
    else if (!IsOnPopup(pControl))
        pDC->FillSolidRect(&rcField, m_clrEditBackground);
    const COLORREF clrBorder = ResolveColor(nBorder);
    pDC->Draw3dRect(&rcField, clrBorder, clrBorder);
}

CSize CXTPRibbonTheme::DrawEditControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    if (!bDraw)
        return CXTPPaintManager::DrawEditControl(pDC, pControl, FALSE);
    pDC->SetTextColor(GetFieldTextColor(pControl));
    CXTPPaintManager::DrawEditControl(pDC, pControl, TRUE);
    const int nSelected = pControl->GetSelected();
    if (!pControl->GetEnabled())
        DrawFieldFrame(pDC, pControl, FieldRect(pControl), kFace,
                       nSelected == 2 || nSelected == 3 ? kKeyboardBorder : kFieldBorder);
    else
        DrawFieldFrame(pDC, pControl, FieldRect(pControl), nSelected ? kWindow : -1, kFieldBorder);
    return CSize(0, 0);
}

CSize CXTPRibbonTheme::DrawComboBoxControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    auto* pCombo = dynamic_cast<CXTPControlComboBox*>(pControl);
    if (!bDraw)
    {
        // The field's edit window leaves room for the button.
        if (pCombo)
            pCombo->SetButtonWidth(CXTPDrawHelpers::ComboButtonWidth(pDC, &m_fontIcon));
        return CXTPPaintManager::DrawComboBoxControl(pDC, pControl, FALSE);
    }
    CXTPPaintManager::DrawComboBoxControl(pDC, pControl, TRUE);

    const CRect rcField = FieldRect(pControl);
    // The combo's own button width; a control of another class drawn as a
    // combo has none, and gets the width the other looks give it.
    const int cxButton = pCombo ? pCombo->GetButtonWidth() : CXTPDrawHelpers::ComboButtonWidth(pDC, &m_fontIcon);
    const CRect rcButton(rcField.right - cxButton, rcField.top, rcField.right, rcField.bottom);
    const BOOL bEnabled = pControl->GetEnabled();
    int nFill = -1;
    int nFrame = 0;
    if (!bEnabled)
    {
        nFill = kFace;
        nFrame = 4;
    }
    else if (pControl->IsPopupOpen() || pControl->IsFocused())
    {
        nFill = kWindow;
        nFrame = 3;
    }
    else if (pControl->GetSelected())
    {
        nFill = kWindow;
        nFrame = 2;
    }
    DrawFieldFrame(pDC, pControl, rcField, nFill, kFieldBorder);
    DrawImage(pDC, "TOOLBARBUTTONSCOMBODROPDOWN", rcButton, nFrame, 5, CRect(2, 2, 2, 2));

    if (pCombo)
    {
        CXTPFontDC font(pDC, &m_fontRegular);
        pCombo->DrawFieldText(pDC, CRect(rcField.left + 4, rcField.top + 3, rcButton.left - 3, rcField.bottom - 3));
    }
    if (cxButton > 0)
        DrawDropDownArrow(pDC, rcButton, GetFieldTextColor(pControl));
    return CSize(0, 0);
}

void CXTPRibbonTheme::FillStatusBar(CDC* pDC, CWnd* pStatusBar)
{
    CXTPOffice2007Image* pLight = GetImage("STATUSBARLIGHT");
    CXTPOffice2007Image* pDark = GetImage("STATUSBARDARK");
    if (!pLight || !pDark)
    {
        CXTPOffice2007Theme::FillStatusBar(pDC, pStatusBar);
        return;
    }
    CRect rc;
    pStatusBar->GetClientRect(&rc);
    // The light part ends 3 pixels before the first pane's right edge; a bar
    // without panes (or whose first pane is hidden) is light throughout.
    int xSplit = rc.right;
    auto* pBar = dynamic_cast<CXTPStatusBar*>(pStatusBar);
    if (pBar && pBar->GetPaneCount() > 0)
    {
        CRect rcPane;
        pBar->GetPaneRect(0, &rcPane);
        if (!rcPane.IsRectEmpty())
            xSplit = rcPane.right;
    }
    const CRect rcLight(rc.left, rc.top, std::max(static_cast<int>(rc.left), xSplit - 3), rc.bottom);
    if (!rcLight.IsRectEmpty())
        pLight->DrawImage(pDC, rcLight, pLight->GetSource(0, 1), CRect(0, 0, 0, 0));
    int xDark = rcLight.right;
    if (CXTPOffice2007Image* pDivider = GetImage("STATUSBARDEVIDER"))
    {
        const CRect rcDivider(xDark, rc.top, xDark + pDivider->GetWidth(), rc.bottom);
        pDivider->DrawImage(pDC, rcDivider, pDivider->GetSource(0, 1), CRect(0, 0, 0, 0));
        xDark = rcDivider.right;
    }
    const CRect rcDark(xDark, rc.top, rc.right, rc.bottom);
    if (!rcDark.IsRectEmpty())
        pDark->DrawImage(pDC, rcDark, pDark->GetSource(0, 1), CRect(0, 0, 0, 0));
}
