// Command bars in the system's own visual style: toolbars, grippers and
// separators from the "TOOLBAR" and "REBAR" classes, combo buttons and field
// frames from "COMBOBOX", floating captions and frames from "WINDOW", the
// status bar and check boxes through the paint manager's "STATUS" and
// "BUTTON" styles. While the styles are not in force every operation does
// what the classic theme does, so the theme can be chosen on any system.
#pragma once

#include "toolkit/draw/DefaultTheme.h"

namespace XTPPaintThemes {

class CXTPNativeXPTheme : public CXTPDefaultTheme
{
public:
    CXTPNativeXPTheme();
    ~CXTPNativeXPTheme() override;

    void RefreshMetrics() override;
    void DrawButtonFace(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                        BOOL bChecked, BOOL bPopuped, int barType, int barPosition) override;
    void DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rcButton) override;
    void DrawControlFace(CDC* pDC, CXTPControl* pControl) override;
    COLORREF GetTextColorForControl(CXTPControl* pControl) override;
    void FillCommandBar(CDC* pDC, CXTPCommandBar* pBar) override;
    void FillDockBar(CDC* pDC, CWnd* pDockBar) override;
    CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE) override;
    CSize DrawFloatingGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw) override;
    CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                  BOOL bDraw = TRUE) override;
    void AdjustControlFrameRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) override;
    void DrawComboBoxButton(CDC* pDC, CRect rcBtn, BOOL bEnabled, int nSelected,
                            BOOL bDroppedDown) override;
    void DrawControlBorder(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected) override;
    int BaseTheme() override { return xtpThemeNativeWinXP; }

    // TRUE while both the rebar and the toolbar style are active.
    BOOL IsThemeInForce();
    // The rebar background over the window, aligned to the other window
    // (null: to itself), so neighbouring bars continue one background.
    void FillRebarBackground(CDC* pDC, CWnd* pWnd, CWnd* pAlignTo);

    // Test seam: a stand-in for the system's flat-menu setting (0 or 1), as
    // the test machine reports flat menus even with styles off; -1 asks the
    // system again.
    static void SetFlatMenuOverride(int nFlatMenus);

    CXTPWinThemeWrapper m_themeRebar;
    CXTPWinThemeWrapper m_themeToolbar;
    CXTPWinThemeWrapper m_themeComboBox;
    CXTPWinThemeWrapper m_themeWindow;
    COLORREF m_clrEdgeShadowColor;
    COLORREF m_clrEdgeHighlightColor;
    BOOL m_bFlatMenus;

private:
    // The menu-bar item whose face and text the flat menus change.
    BOOL IsFlatMenuBarItem(CXTPControl* pControl);
};

} // namespace XTPPaintThemes

using XTPPaintThemes::CXTPNativeXPTheme;
