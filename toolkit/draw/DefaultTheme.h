// The classic theme: flat button faces with 3D edges in the Windows system
// colours, menus with a highlight bar, combo and edit fields with sunken
// frames. It is the theme made for number 0 and for every unknown number, and
// the base of the application's own theme.
#pragma once

#include "toolkit/draw/PaintManager.h"

namespace XTPPaintThemes {

class CXTPDefaultTheme : public CXTPPaintManager
{
public:
    CXTPDefaultTheme();

    CSize DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override;
    void DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rcButton) override;
    CSize DrawComboBoxControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override;
    CSize DrawEditControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw) override;
    CSize DrawListBoxControl(CDC* pDC, CXTPControl* pControl, CRect rc, BOOL bSelected,
                             BOOL bDraw, CXTPCommandBars* pCommandBars = nullptr) override;
    void FillCommandBar(CDC* pDC, CXTPCommandBar* pBar) override;
    COLORREF GetControlTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                 BOOL bPopuped, int barType, int barPosition) override;
    void DrawButtonFace(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                        BOOL bChecked, BOOL bPopuped, int barType, int barPosition) override;
    CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                  BOOL bDraw = TRUE) override;
    void AdjustControlFrameRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) override;
    void RefreshMetrics() override;
    CSize DrawControlGlyph(CDC* pDC, int nKind, CXTPControl* pControl, CXTPCommandBar* pBar,
                           BOOL bDraw, LPARAM lParam) override;
    CRect GetCommandBarBorders(CXTPCommandBar* pBar) override;
    CSize DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw) override;
    void DrawControlImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage,
                          int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                          BOOL bPopuped, BOOL bToolBarImage) override;
    CSize DrawFloatingGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw) override;
    int BaseTheme() override { return xtpThemeOffice2000; }

    // The classic theme's own operations.
    virtual void DrawControlBorder(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected);
    virtual void DrawComboBoxButton(CDC* pDC, CRect rcBtn, BOOL bEnabled, int nSelected,
                                    BOOL bDroppedDown);
    virtual CSize DrawPopupItemText(CDC* pDC, const CString& strText, CRect& rc, UINT nFormat,
                                    BOOL bDraw, BOOL bSelected, BOOL bEnabled);

    // The 50 % pattern of checked, unselected buttons.
    void DrawCheckedPattern(CDC* pDC, CRect rc);

    BOOL m_bSelectImageInPopupBar;
    int m_nNormalTextColor;

protected:
    // Raised and sunken edges.
    void DrawRaised(CDC* pDC, LPCRECT lpRect) { Draw3dRect(pDC, lpRect, COLOR_BTNHIGHLIGHT, COLOR_3DSHADOW); }
    void DrawSunken(CDC* pDC, LPCRECT lpRect) { Draw3dRect(pDC, lpRect, COLOR_3DSHADOW, COLOR_BTNHIGHLIGHT); }
    // The popup-item shapes of DrawControlPopupParent.
    void DrawPopupSubmenuArrow(CDC* pDC, CRect rc, COLORREF clr);
    // An edit or combo field on a toolbar: label, white field, combo button, border.
    void DrawField(CDC* pDC, CXTPControl* pControl, BOOL bCombo);
};

} // namespace XTPPaintThemes

using XTPPaintThemes::CXTPDefaultTheme;
