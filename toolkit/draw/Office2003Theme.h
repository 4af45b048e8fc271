// The gradient look on top of the flat Office theme: dock areas and toolbars
// filled with colour gradients, toolbars with rounded ends and a shadow line,
// highlighted buttons in orange gradients, dotted grippers, a chevron expand
// button at the end of every toolbar and a round expand button at the bottom
// of shortened menus. Its colours come from the system colours, or from a
// fixed palette for each of the three colour variants of the XP style.
//
// Colours and the expand ball are in Office2003Colors.cpp; bars, faces and
// glyphs in Office2003Theme.cpp.
#pragma once

#include "framework/ui/ImageList.h"
#include "toolkit/draw/OfficeTheme.h"

namespace XTPPaintThemes {

class CXTPOffice2003Theme : public CXTPOfficeTheme
{
public:
    CXTPOffice2003Theme();
    ~CXTPOffice2003Theme() override;

    void FillCommandBar(CDC* pDC, CXTPCommandBar* pBar) override;
    void DrawButtonFace(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                        BOOL bChecked, BOOL bPopuped, int barType, int barPosition) override;
    CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                  BOOL bDraw = TRUE) override;
    void DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane) override;
    void DrawStatusBarGripper(CDC* pDC, CRect rcClient) override;
    void FillDockBar(CDC* pDC, CWnd* pDockBar) override;
    void RefreshMetrics() override;
    CSize DrawControlGlyph(CDC* pDC, int nKind, CXTPControl* pControl, CXTPCommandBar* pBar,
                           BOOL bDraw, LPARAM lParam) override;
    CRect GetCommandBarBorders(CXTPCommandBar* pBar) override;
    CSize DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw) override;
    CSize DrawFloatingGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw) override;
    void FillPopupGutter(CDC* pDC, int x, int y, int cx, int cy, BOOL bExpanded) override;
    int BaseTheme() override { return xtpThemeOffice2003; }

    // TRUE for a bar that is not flat and may dock somewhere.
    virtual BOOL IsDockableNonFlatBar(CXTPCommandBar* pBar);

    // The gradient over the rectangle, framed in the border colour.
    void FillGradientRect(CDC* pDC, CRect rc, int nBorder, BOOL bHorz,
                          const CXTPPaintManagerColorGradient& grc);
    // The chevron of the toolbar expand button (with a double chevron when
    // controls are hidden) in one colour.
    void DrawExpandGlyph(CDC* pDC, BOOL bVertical, CRect rc, BOOL bHiddenControls, COLORREF clr);
    // Takes the four corner pixels of the rectangle out of the clip region.
    static void ExcludeCorners(CDC* pDC, CRect rc);

    // Renders the round menu-expand image from the expand image colours.
    void BuildExpandMenuImage();
    CImageList* GetExpandImageList() { return &m_ilExpandImage; }
    BOOL IsSchemeColorsInUse() const { return m_bLunaTheme; }

public:
    CXTPPaintManagerColorGradient m_clrDockBar;
    CXTPPaintManagerColorGradient m_clrToolbarFace;
    CXTPPaintManagerColorGradient m_clrToolbarExpand;
    CXTPPaintManagerColorGradient m_clrMenuExpand;
    CXTPPaintManagerColorGradient m_clrMenuExpandedGripper;
    CXTPPaintManagerColorGradient m_clrPopupControl;
    CXTPPaintManagerColor m_clrToolbarShadow;
    CXTPPaintManagerColor m_clrStatusPane;
    CXTPPaintManagerColor m_clrTearOffGripper;
    BOOL m_bLunaTheme;
    BOOL m_bPlainSeparators;
    CImageList m_ilExpandImage;
    CXTPPaintManagerColorGradient m_grcLunaChecked;
    CXTPPaintManagerColorGradient m_grcLunaPushed;
    CXTPPaintManagerColorGradient m_grcLunaSelected;
    // The dark colour of a scheme; nothing here draws with it.
    COLORREF m_clrBaseDark;

protected:
    // The system-colour set, then the palette of the current scheme.
    void RefreshSystemColorSet();
    BOOL ApplySchemePalette(int nScheme);
    // The dock bar face behind a bar, aligned with its dock area.
    void FillDockFaceBehind(CDC* pDC, CXTPCommandBar* pBar, const CRect& rcClient);
    // The highlight gradient of a toolbar expand button or floating gripper.
    void FillFace(CDC* pDC, CRect rc, const CXTPPaintManagerColorGradient& grc, int nFlatColor,
                  BOOL bHorz);
};

} // namespace XTPPaintThemes

using XTPPaintThemes::CXTPOffice2003Theme;
