// The flat Office look: flat toolbars, one-pixel highlight rectangles instead
// of 3D buttons, a coloured icon column in popup menus that join the menu-bar
// item that opened them, and icons that rise off a shadow when hovered.
// Almost everything it draws is a rectangle, a line or a pixel in a colour of
// the paint manager's table, so the whole look follows that table.
//
// Bars, faces and marks are in OfficeTheme.cpp; popup items, fields and the
// customize list in OfficeThemePopup.cpp.
#pragma once

#include "toolkit/draw/PaintManager.h"

namespace XTPPaintThemes {

class CXTPOfficeTheme : public CXTPPaintManager
{
public:
    CXTPOfficeTheme();

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
    void DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane) override;
    CSize DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw) override;
    void DrawControlImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage,
                          int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                          BOOL bPopuped, BOOL bToolBarImage) override;
    CSize DrawFloatingGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw) override;
    CSize DrawCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed,
                           int nChecked, BOOL bEnabled) override;
    void FillPopupGutter(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded) override;
    int BaseTheme() override { return xtpThemeOfficeXP; }

    // Fills the part of the popup that lies over the control that opened it,
    // so an open menu and its menu-bar item share one face.
    void FillPopupParentIntersection(CDC* pDC, CXTPCommandBar* pPopupBar, int nColor);

protected:
    // A one-colour pixel.
    void PutPixel(CDC* pDC, int x, int y, int nColor);
    // The four pixels one in from each corner of the rectangle.
    void SoftenCorners(CDC* pDC, const CRect& rc, int nColor);
    // An edit or combo field on a toolbar.
    void DrawField(CDC* pDC, CXTPControl* pControl, BOOL bCombo);
};

} // namespace XTPPaintThemes

using XTPPaintThemes::CXTPOfficeTheme;
