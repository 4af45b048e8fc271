// The ribbon theme's bars on the classic and the dark system colours, with
// and without the test style module: popups (frame image or border and
// background, the grey gutter, separator lines, the expand button's grey
// ball), the toolbar body and dock area as the Office 2007 look draws them,
// text colours by bar and state, the status bar's gripper image, and the
// ribbon tab's frame by state, plain and of a context.
#include "toolkit/draw/RibbonTheme.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "office2007/ThemeStyleImages.h"
#include "office2007/ThemeStyleScope.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/extras/RibbonTab.h"
#include "framework/ui/WndClass.h"
#include "toolkit/extras/TabManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

const COLORREF MARK = RGB(1, 2, 3);
const COLORREF GUTTER = RGB(233, 238, 238);
const COLORREF LINE_DARK = RGB(197, 197, 197);
const COLORREF LINE_LIGHT = RGB(245, 245, 245);

using Theme = CXTPRibbonTheme;

// Colour set, module.
class RibbonThemeBodyTest : public testing::TestWithParam<std::tuple<CThemeColorSet, bool>>
{
protected:
    RibbonThemeBodyTest() : m_colors(std::get<0>(GetParam()).pColors), m_style(std::get<1>(GetParam()))
    {
        m_theme.RefreshMetrics();
    }
    bool Module() const { return std::get<1>(GetParam()); }

    CThemeColorScope m_colors;
    CThemeStyleScope m_style;
    Theme m_theme;
};

TEST_P(RibbonThemeBodyTest, PopupsShowTheirFrameOrBorderAndBackgroundAndTheGreyGutter)
{
    CTestBar popup(xtpBarTypePopup, xtpBarPopup);
    ASSERT_TRUE(popup.CreateHidden(120, 80));
    CTestDib dib(120, 80, MARK);
    m_theme.FillCommandBar(&dib.DC(), &popup);
    // The module's frame image, or the fixed border and background.
    const COLORREF clrBorder = Module() ? ThemeImageColor("POPUPBARFRAME", 0) : RGB(134, 134, 134);
    const COLORREF clrBack = Module() ? ThemeImageColor("POPUPBARFRAME", 0) : RGB(250, 250, 250);
    for (const CPoint& pt : {CPoint(0, 0), CPoint(119, 40), CPoint(60, 79)})
        EXPECT_EQ(clrBorder, dib.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
    EXPECT_EQ(clrBack, dib.Pixel(100, 40));
    // The gutter from x 1, y 2, its last two columns the two grey lines.
    const int cxGutter = m_theme.GetPopupGutterWidth(&popup);
    ASSERT_GT(cxGutter, 4);
    EXPECT_EQ(GUTTER, dib.Pixel(1, 2));
    EXPECT_EQ(GUTTER, dib.Pixel(cxGutter - 2, 40));
    EXPECT_EQ(LINE_DARK, dib.Pixel(cxGutter - 1, 40));
    EXPECT_EQ(LINE_LIGHT, dib.Pixel(cxGutter, 40));
    EXPECT_EQ(GUTTER, dib.Pixel(5, 77));
    EXPECT_NE(GUTTER, dib.Pixel(5, 78));
}

TEST_P(RibbonThemeBodyTest, PopupSeparatorsAreTwoGreyLines)
{
    CTestBar popup(xtpBarTypePopup, xtpBarPopup);
    ASSERT_TRUE(popup.CreateHidden(120, 80));
    CXTPControl* pControl = popup.GetControls()->Add(xtpControlButton, 1);
    pControl->SetRect(CRect(40, 30, 110, 50));
    const int x = m_theme.GetPopupGutterWidth(&popup) + m_theme.GetCommandBarBorders(&popup).left;

    // A separator above the item: two lines from after the gutter to its right end.
    CTestDib dib(120, 80, MARK);
    EXPECT_EQ(CSize(2, 2), m_theme.DrawCommandBarSeparator(&dib.DC(), &popup, pControl, TRUE));
    for (int xLine : {x, 80, 110})
    {
        EXPECT_EQ(LINE_DARK, dib.Pixel(xLine, 28)) << xLine;
        EXPECT_EQ(LINE_LIGHT, dib.Pixel(xLine, 29)) << xLine;
    }
    EXPECT_EQ(MARK, dib.Pixel(x - 1, 28));
    EXPECT_EQ(MARK, dib.Pixel(111, 28));

    // A wrapping item: one vertical line two pixels left of it, the bar's height less one at each end.
    pControl->SetWrap(TRUE);
    CTestDib column(120, 80, MARK);
    m_theme.DrawCommandBarSeparator(&column.DC(), &popup, pControl, TRUE);
    EXPECT_EQ(LINE_DARK, column.Pixel(38, 1));
    EXPECT_EQ(LINE_DARK, column.Pixel(38, 78));
    EXPECT_EQ(MARK, column.Pixel(38, 0));
    EXPECT_EQ(MARK, column.Pixel(38, 79));
    EXPECT_EQ(MARK, column.Pixel(39, 40));
    popup.GetControls()->RemoveAll();
}

// What the ribbon theme leaves to the Office 2007 look: the toolbar body,
// its shadow and the dock area, pixel for pixel.
TEST_P(RibbonThemeBodyTest, ToolbarBodyAndDockAreaAsTheOffice2007Look)
{
    CXTPOffice2007Theme office2007;
    office2007.RefreshMetrics();
    CTestBar toolbar(xtpBarTypeNormal, xtpBarTop);
    ASSERT_TRUE(toolbar.CreateHidden(100, 30));
    CTestDib ribbon(100, 30, MARK), reference(100, 30, MARK);
    m_theme.FillCommandBar(&ribbon.DC(), &toolbar);
    office2007.FillCommandBar(&reference.DC(), &toolbar);
    EXPECT_EQ("", FirstDifference(ribbon, reference));

    CTestDib ribbonDock(100, 30, MARK), referenceDock(100, 30, MARK);
    m_theme.FillDockBar(&ribbonDock.DC(), &toolbar);
    office2007.FillDockBar(&referenceDock.DC(), &toolbar);
    EXPECT_EQ("", FirstDifference(ribbonDock, referenceDock));
}

TEST_P(RibbonThemeBodyTest, StatusBarGripperImageAtTheRightFourPixelsUp)
{
    CTestDib dib(100, 22, MARK);
    m_theme.DrawStatusBarGripper(&dib.DC(), CRect(0, 0, 100, 22));
    if (!Module())
    {
        // The Office 2007 dots instead.
        CXTPOffice2007Theme office2007;
        office2007.RefreshMetrics();
        CTestDib reference(100, 22, MARK);
        office2007.DrawStatusBarGripper(&reference.DC(), CRect(0, 0, 100, 22));
        EXPECT_EQ("", FirstDifference(dib, reference));
        return;
    }
    // The module's gripper is 8 by 8.
    const COLORREF clrGripper = ThemeImageColor("STATUSBARGRIPPER", 0);
    EXPECT_EQ(clrGripper, dib.Pixel(92, 10));
    EXPECT_EQ(clrGripper, dib.Pixel(99, 17));
    EXPECT_EQ(MARK, dib.Pixel(91, 10));
    EXPECT_EQ(MARK, dib.Pixel(95, 9));
    EXPECT_EQ(MARK, dib.Pixel(95, 18));
}

TEST_P(RibbonThemeBodyTest, TextColoursByBarAndState)
{
    CXTPOffice2007Theme office2007;
    office2007.RefreshMetrics();
    const struct
    {
        const char* pszName;
        BOOL bSelected, bEnabled;
        int nBarType, nPosition;
        COLORREF clrText;
    } kCases[] = {
        {"menu bar item", FALSE, TRUE, xtpBarTypeMenuBar, xtpBarTop, office2007.m_clrMenuBarText},
        {"hot menu bar item", TRUE, TRUE, xtpBarTypeMenuBar, xtpBarTop, m_theme.ResolveColor(46)},
        {"disabled menu bar item", FALSE, FALSE, xtpBarTypeMenuBar, xtpBarTop, m_theme.ResolveColor(60)},
        {"menu item", FALSE, TRUE, xtpBarTypePopup, xtpBarPopup, m_theme.ResolveColor(44)},
        {"hot menu item", TRUE, TRUE, xtpBarTypePopup, xtpBarPopup, m_theme.ResolveColor(44)},
        {"disabled menu item", TRUE, FALSE, xtpBarTypePopup, xtpBarPopup, m_theme.ResolveColor(35)},
        {"toolbar button", FALSE, TRUE, xtpBarTypeNormal, xtpBarTop, m_theme.ResolveColor(46)},
        {"disabled toolbar button", FALSE, FALSE, xtpBarTypeNormal, xtpBarTop, m_theme.ResolveColor(60)},
        // The bar's type decides, not where the bar is.
        {"disabled menu bar item at the popup position", FALSE, FALSE, xtpBarTypeMenuBar, xtpBarPopup,
         m_theme.ResolveColor(60)},
        {"toolbar button at the popup position", FALSE, TRUE, xtpBarTypeNormal, xtpBarPopup,
         m_theme.ResolveColor(46)},
        {"menu item of a popup bar at the top", FALSE, TRUE, xtpBarTypePopup, xtpBarTop, m_theme.ResolveColor(44)},
        {"disabled menu item of a popup bar at the top", FALSE, FALSE, xtpBarTypePopup, xtpBarTop,
         m_theme.ResolveColor(35)},
    };
    for (const auto& c : kCases)
    {
        EXPECT_NE(0xFFFFFFFF, c.clrText) << c.pszName;
        EXPECT_EQ(c.clrText, m_theme.GetControlTextColor(c.bSelected, FALSE, c.bEnabled, FALSE, FALSE, c.nBarType,
                                                         c.nPosition))
            << c.pszName;
    }
    EXPECT_EQ(RGB(167, 167, 167), m_theme.ResolveColor(35));

    // A control right on the ribbon (not in a group) takes the ribbon's text colour while idle.
    CTestBar ribbon(xtpBarTypeRibbon, xtpBarTop);
    CXTPControl* pControl = ribbon.GetControls()->Add(xtpControlButton, 1);
    EXPECT_EQ(m_theme.m_clrRibbonText, m_theme.GetTextColorForControl(pControl));
    pControl->OnSetSelected(1);
    EXPECT_EQ(m_theme.ResolveColor(46), m_theme.GetTextColorForControl(pControl));
    ribbon.GetControls()->RemoveAll();
}

// The menu's expand button: the ball of the expand image in the ribbon's
// one grey (both ends of its gradient), under the black chevrons.
TEST_P(RibbonThemeBodyTest, MenuExpandButtonBallInOneGrey)
{
    CTestBar popup(xtpBarTypePopup, xtpBarPopup);
    CXTPControl* pControl = popup.GetControls()->Add(xtpControlButton, 1);
    pControl->SetRect(CRect(0, 0, 40, 18));
    CTestDib dib(40, 18, MARK);
    EXPECT_EQ(CSize(0, 18), m_theme.DrawControlGlyph(&dib.DC(), xtpGlyphExpandChevron, pControl, &popup, TRUE, 0));
    int nGrey = 0;
    // The image's 16 by 16 square at the middle less 7, one pixel down.
    for (int y = 1; y < 17; ++y)
        for (int x = 13; x < 29; ++x)
        {
            const COLORREF clr = dib.Pixel(x, y);
            EXPECT_TRUE(clr == GUTTER || clr == MARK || clr == RGB(0, 0, 0)) << x << "," << y;
            nGrey += clr == GUTTER;
        }
    EXPECT_GT(nGrey, 50);
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(20, 7));
    popup.GetControls()->RemoveAll();
}

INSTANTIATE_TEST_SUITE_P(ColorSetsAndModule, RibbonThemeBodyTest,
                         testing::Combine(testing::ValuesIn(g_themeColorSets), testing::Bool()),
                         [](const testing::TestParamInfo<std::tuple<CThemeColorSet, bool>>& info) {
                             return std::string(std::get<0>(info.param).pszName)
                                    + (std::get<1>(info.param) ? "WithModule" : "WithoutModule");
                         });

// --- Ribbon tabs ------------------------------------------------------------------------------

// A strip of tabs whose hot tab and focus the test sets.
class CTestTabStrip : public CXTPTabManager
{
public:
    explicit CTestTabStrip(CXTPTabPaintManager* pPaintManager) : m_pPaintManager(pPaintManager) {}
    void Reposition() override {}
    CXTPTabPaintManager* GetPaintManager() const override { return m_pPaintManager; }
    void RedrawRect(LPCRECT /*lpRect*/, BOOL /*bErase*/) override
    {
        if (m_onRedraw)
            m_onRedraw();
    }
    BOOL DrawItemIcon(CDC* /*pDC*/, CPoint /*pt*/, CXTPTabManagerItem* /*pItem*/, BOOL /*bDraw*/,
                      CSize& /*szIcon*/) override
    {
        return FALSE;
    }
    BOOL IsFocused() const override { return m_bFocused; }
    void SetHot(CXTPTabManagerItem* pItem) { SetHighlighted(pItem); }
    using CXTPTabManager::TrackClick;

    BOOL m_bFocused = FALSE;
    // Runs whenever the strip asks to be redrawn (the click loop does so as
    // the pointer leaves and enters the pressed tab).
    std::function<void()> m_onRedraw;

private:
    CXTPTabPaintManager* m_pPaintManager;
};

TEST(RibbonThemeTabs, TheTabTakesItsFrameByState)
{
    CThemeStyleScope style(true);
    Theme theme;
    CTestTabStrip strip(theme.GetTabPaintManager());
    CXTPRibbonTab* pPlain = new CXTPRibbonTab(nullptr);
    CXTPRibbonTab* pContext = new CXTPRibbonTab(nullptr);
    pContext->SetContextColor(xtpRibbonTabContextColorGreen);
    strip.InsertItem(-1, pPlain);
    strip.InsertItem(-1, pContext);
    const struct
    {
        BOOL bSelected, bHot, bFocused;
        int nPlain, nContext; // frames; -1: no background
    } kStates[] = {
        {FALSE, FALSE, FALSE, -1, 0}, {FALSE, TRUE, FALSE, 1, 1}, {TRUE, FALSE, FALSE, 3, 3},
        {TRUE, TRUE, FALSE, 4, 4},    {TRUE, FALSE, TRUE, 5, 4},  {TRUE, TRUE, TRUE, 5, 4},
        {FALSE, TRUE, TRUE, 1, 1},
    };
    const CRect rcTab(10, 0, 70, 23);
    for (CXTPRibbonTab* pTab : {pPlain, pContext})
    {
        pTab->SetRect(rcTab);
        for (const auto& s : kStates)
        {
            SCOPED_TRACE(testing::Message() << (pTab == pPlain ? "plain " : "context ") << s.bSelected << s.bHot
                                            << s.bFocused);
            strip.SetSelectedItem(s.bSelected ? pTab : nullptr);
            strip.SetHot(s.bHot ? pTab : nullptr);
            strip.m_bFocused = s.bFocused;
            CTestDib dib(80, 23, MARK);
            theme.DrawRibbonTab(&dib.DC(), pTab);
            const int nFrame = pTab == pPlain ? s.nPlain : s.nContext;
            const char* pszImage = pTab == pPlain ? "RIBBONTAB" : "CONTEXTTABGREEN";
            // The tab's rectangle a pixel higher, less a pixel at the right and bottom.
            EXPECT_EQ(nFrame < 0 ? MARK : ThemeImageColor(pszImage, nFrame), dib.Pixel(40, 10));
            EXPECT_EQ(MARK, dib.Pixel(40, 22));
            EXPECT_EQ(MARK, dib.Pixel(69, 10));
        }
    }
    strip.SetSelectedItem(nullptr);
    strip.SetHot(nullptr);
    strip.DeleteAllItems();
}

// The pressed frame only shows while the click loop runs: the loop is fed
// with the pointer leaving the pressed tab, coming back and being released
// outside, and the tab is drawn at each redraw the loop asks for.
TEST(RibbonThemeTabs, APressedTabTakesThePressedFrameOnlyWhileHot)
{
    CThemeStyleScope style(true);
    Theme theme;
    CTestTabStrip strip(theme.GetTabPaintManager());
    ASSERT_TRUE(theme.GetTabPaintManager()->IsHotTracking());
    CXTPRibbonTab* pTab = new CXTPRibbonTab(nullptr);
    strip.InsertItem(-1, pTab);
    const CRect rcTab(10, 0, 70, 23);
    pTab->SetRect(rcTab);

    std::vector<COLORREF> drawn;
    strip.m_onRedraw = [&] {
        CTestDib dib(80, 23, MARK);
        theme.DrawRibbonTab(&dib.DC(), pTab);
        drawn.push_back(dib.Pixel(40, 10));
    };
    CWnd capture;
    ASSERT_TRUE(capture.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 80, 23, nullptr, nullptr));
    const HWND hWnd = capture.GetSafeHwnd();
    ::PostMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 40));
    ::PostMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(40, 10));
    ::PostMessageA(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
    strip.TrackClick(&capture, CPoint(40, 10), pTab);

    // Pressed and away: no background; pressed and hot: frame 2; released
    // outside: neither pressed nor hot, and nothing selected.
    ASSERT_GE(drawn.size(), 3u);
    EXPECT_EQ(MARK, drawn[0]);
    EXPECT_EQ(ThemeImageColor("RIBBONTAB", 2), drawn[1]);
    EXPECT_EQ(MARK, drawn.back());
    EXPECT_EQ(nullptr, strip.GetSelectedItem());
    EXPECT_EQ(nullptr, strip.GetPressedItem());
    capture.DestroyWindow();
    strip.m_onRedraw = nullptr;
    strip.DeleteAllItems();
}

} // namespace
