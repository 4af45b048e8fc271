// The ribbon theme: theme 6 of the factory, the tab row's settings, its
// colours with the test style module (each key in its target) and without
// one (system colours, never "no colour"), the faces of buttons and menu
// items by state from the module's images, and the ribbon's own elements
// from their images or, without them, from plain fills.
#include "toolkit/draw/RibbonTheme.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "office2007/ThemeStyleImages.h"
#include "office2007/ThemeStyleScope.h"
#include "toolkit/extras/RibbonBar.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonTab.h"
#include "toolkit/extras/TabColorSets.h"
#include "toolkit/extras/TabPaintManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const COLORREF MARK = RGB(1, 2, 3);
const COLORREF NO_COLOR = 0xFFFFFFFF;

using Theme = CXTPRibbonTheme;

struct KeyTarget
{
    const char* pszKey;
    std::function<COLORREF(Theme&)> read;
};

CXTPTabPaintManager::CColorSet* TabColors(Theme& t)
{
    return t.GetTabPaintManager()->GetColorSet();
}

const KeyTarget s_targets[] = {
    {"RibbonFace", [](Theme& t) { return t.m_clrRibbonFace; }},
    {"RibbonText", [](Theme& t) { return t.m_clrRibbonText; }},
    {"GroupCaptionText", [](Theme& t) { return t.m_clrGroupCaptionText; }},
    {"ControlEditNormal", [](Theme& t) { return t.m_clrEditBackground; }},
    {"GroupClientText", [](Theme& t) { return t.ResolveColor(46); }},
    {"MenuPopupText", [](Theme& t) { return t.ResolveColor(44); }},
    {"ControlHighlightText", [](Theme& t) { return t.ResolveColor(45); }},
    {"TabNormalText", [](Theme& t) { return TabColors(t)->m_clrButtonText.GetColor(); }},
    {"TabNormalText", [](Theme& t) { return TabColors(t)->m_clrInactiveText.GetColor(); }},
    {"TabSelectedText", [](Theme& t) { return TabColors(t)->m_clrSelectedText.GetColor(); }},
};

class RibbonThemeColorsTest : public testing::TestWithParam<CThemeColorSet>
{
};

TEST_P(RibbonThemeColorsTest, WithTheModuleEveryRibbonKeyLandsInItsTarget)
{
    CThemeColorScope colors(GetParam().pColors);
    CThemeStyleScope style(true);
    ASSERT_TRUE(GetOffice2007StyleResources()->IsLoaded());
    Theme theme;
    theme.RefreshMetrics();
    for (const KeyTarget& target : s_targets)
    {
        const COLORREF clrKey = GetOffice2007StyleResources()->LookupColor("Ribbon", target.pszKey);
        ASSERT_NE(NO_COLOR, clrKey) << target.pszKey;
        EXPECT_EQ(clrKey, target.read(theme)) << target.pszKey;
    }
}

TEST_P(RibbonThemeColorsTest, WithoutAModuleSystemColoursStandInAndNothingIsUnset)
{
    CThemeColorScope colors(GetParam().pColors);
    CThemeStyleScope style(false);
    Theme theme;
    theme.RefreshMetrics();
    for (const KeyTarget& target : s_targets)
        EXPECT_NE(NO_COLOR, target.read(theme)) << target.pszKey;
    for (int i = 0; i < XTP_PAINT_COLOR_COUNT; ++i)
        EXPECT_NE(NO_COLOR, theme.ResolveColor(i)) << i;
    EXPECT_EQ(theme.ResolveColor(COLOR_3DFACE), theme.m_clrRibbonFace);
    EXPECT_EQ(theme.ResolveColor(COLOR_BTNTEXT), theme.m_clrRibbonText);
    EXPECT_EQ(theme.ResolveColor(COLOR_BTNTEXT), theme.m_clrGroupCaptionText);
    EXPECT_EQ(theme.ResolveColor(COLOR_WINDOW), theme.m_clrEditBackground);
}

TEST_P(RibbonThemeColorsTest, FixedColoursAndSizesWhateverTheModule)
{
    CThemeColorScope colors(GetParam().pColors);
    for (bool bModule : {true, false})
    {
        SCOPED_TRACE(bModule);
        CThemeStyleScope style(bModule);
        Theme theme;
        theme.RefreshMetrics();
        EXPECT_EQ(RGB(167, 167, 167), theme.ResolveColor(35));
        EXPECT_EQ(RGB(134, 134, 134), theme.ResolveColor(43));
        EXPECT_EQ(RGB(250, 250, 250), theme.ResolveColor(41));
        EXPECT_EQ(RGB(233, 238, 238), theme.m_clrMenuExpand.clrLight.GetColor());
        EXPECT_EQ(RGB(233, 238, 238), theme.m_clrMenuExpand.clrDark.GetColor());
        EXPECT_EQ(22, theme.GetTabsHeight());
        EXPECT_EQ(17, theme.GetGroupCaptionHeight());
        EXPECT_TRUE(theme.m_bFrameStatusBar);
        EXPECT_TRUE(theme.IsGroupHighlighting());
        EXPECT_NE(nullptr, theme.GetGroupFont()->GetSafeHandle());
    }
}

INSTANTIATE_TEST_SUITE_P(ColorSets, RibbonThemeColorsTest, testing::ValuesIn(g_themeColorSets),
                         [](const testing::TestParamInfo<CThemeColorSet>& info) {
                             return std::string(info.param.pszName);
                         });

TEST(RibbonTheme, ThemeSixMakesTheRibbonThemeWithItsTabRow)
{
    CXTPPaintManager* pTheme = CreatePaintTheme(xtpThemeRibbon);
    auto* pRibbon = dynamic_cast<CXTPRibbonTheme*>(pTheme);
    ASSERT_NE(nullptr, pRibbon);
    EXPECT_EQ(xtpThemeRibbon, pTheme->BaseTheme());
    EXPECT_NE(nullptr, dynamic_cast<CXTPOffice2007Theme*>(pTheme));

    CXTPTabPaintManager* pTabs = pRibbon->GetTabPaintManager();
    ASSERT_NE(nullptr, pTabs);
    EXPECT_NE(nullptr, dynamic_cast<CXTPRibbonTheme::CRibbonAppearanceSet*>(pTabs->GetAppearanceSet()));
    EXPECT_NE(nullptr, dynamic_cast<CXTPRibbonTheme::CRibbonColorSet*>(pTabs->GetColorSet()));
    // The tab row's twelve settings.
    EXPECT_FALSE(pTabs->IsFillBackground());
    EXPECT_TRUE(pTabs->IsHotTracking());
    EXPECT_TRUE(pTabs->IsSelectOnButtonDown());
    EXPECT_FALSE(pTabs->IsDrawFocusRect());
    EXPECT_EQ(CRect(0, 3, 0, 2), pTabs->GetButtonMargin());
    EXPECT_EQ(CRect(4, 0, 4, 0), pTabs->GetButtonTextPadding());
    EXPECT_EQ(21, pTabs->GetMinTabWidth());
    EXPECT_EQ(0, pTabs->GetMaxTabWidth());
    EXPECT_FALSE(pTabs->IsStaticFrame());
    EXPECT_EQ(1, pTabs->GetToolTipBehaviour());
    EXPECT_TRUE(pTabs->IsClearTypeTextQuality());
    EXPECT_EQ(0, pTabs->GetItemExtraLength());
    // Captions such as "&Start" show without their access-key marker.
    EXPECT_TRUE(pTabs->IsStripMnemonics());
    // The appearance: a header margin of one pixel at the top, tabs one taller than the row.
    EXPECT_EQ(CRect(0, 1, 0, 0), pTabs->GetAppearanceSet()->GetHeaderMargin());
    EXPECT_EQ(23, pTabs->GetAppearanceSet()->GetButtonHeight(nullptr));
    pTheme->InternalRelease();
}

// The face drawn for a state: the frame of the image, or none (-1).
struct FaceCase
{
    int nSelected, nPressed;
    BOOL bEnabled, bChecked, bPopuped;
    int nFrame;
};

TEST(RibbonTheme, ToolbarFacesTakeTheirFrameByStateAndStayEmptyWithoutImages)
{
    const FaceCase kCases[] = {
        {1, 0, TRUE, FALSE, FALSE, 0},  // hot
        {1, 1, TRUE, FALSE, FALSE, 1},  // hot and pressed
        {0, 1, TRUE, FALSE, FALSE, 0},  // pressed, the mouse gone
        {0, 2, TRUE, FALSE, FALSE, 1},  // pressed from the keyboard
        {0, 0, TRUE, FALSE, FALSE, -1}, // idle
        {0, 0, TRUE, TRUE, FALSE, 2},   // checked
        {1, 0, TRUE, TRUE, FALSE, 3},   // checked and hot
        {0, 0, TRUE, FALSE, TRUE, 2},   // popup open
        {2, 0, FALSE, FALSE, FALSE, 0}, // disabled, keyboard selection
        {1, 0, FALSE, FALSE, FALSE, -1},// disabled, hot
    };
    for (bool bModule : {true, false})
    {
        CThemeStyleScope style(bModule);
        Theme theme;
        theme.RefreshMetrics();
        // 32 pixels high still takes the small image, 33 the large one.
        for (int nHeight : {22, 32, 33, 40})
        {
            const char* pszImage = nHeight < 33 ? "TOOLBARBUTTONS22" : "TOOLBARBUTTONS50";
            for (const FaceCase& c : kCases)
            {
                SCOPED_TRACE(testing::Message() << bModule << " " << nHeight << " " << c.nSelected << c.nPressed
                                                << c.bEnabled << c.bChecked << c.bPopuped);
                CTestDib dib(60, nHeight, MARK);
                theme.DrawButtonFace(&dib.DC(), CRect(0, 0, 60, nHeight), c.nSelected, c.nPressed, c.bEnabled,
                                     c.bChecked, c.bPopuped, xtpBarTypeNormal, xtpBarTop);
                const COLORREF clrExpected =
                    bModule && c.nFrame >= 0 ? ThemeImageColor(pszImage, c.nFrame) : MARK;
                EXPECT_EQ(clrExpected, dib.Pixel(30, nHeight / 2));
            }
        }
    }
}

TEST(RibbonTheme, MenuItemsTakeTheCheckedAndSelectedImages)
{
    CThemeStyleScope style(true);
    Theme theme;
    theme.RefreshMetrics();
    const struct
    {
        int nSelected;
        BOOL bEnabled, bChecked;
        const char* pszImage;
        int nFrame;
    } kCases[] = {
        {0, TRUE, TRUE, "MENUCHECKEDITEM", 0},
        {0, FALSE, TRUE, "MENUCHECKEDITEM", 1},
        {1, TRUE, FALSE, "MENUSELECTEDITEM22", 0},
        {2, FALSE, FALSE, "MENUSELECTEDDISABLEDITEM22", 0},
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszImage);
        CTestDib dib(80, 22, MARK);
        theme.DrawButtonFace(&dib.DC(), CRect(0, 0, 80, 22), c.nSelected, 0, c.bEnabled, c.bChecked, FALSE,
                             xtpBarTypePopup, xtpBarPopup);
        EXPECT_EQ(ThemeImageColor(c.pszImage, c.nFrame), dib.Pixel(40, 11));
    }
}

// Which look a face takes goes by the bar's type, not by where the bar is:
// a popup bar shown at a dock position keeps the menu look, a menu bar or
// toolbar shown as a popup keeps the toolbar images.
TEST(RibbonTheme, TheBarTypeChoosesBetweenMenuAndToolbarFaces)
{
    CThemeStyleScope style(true);
    Theme theme;
    theme.RefreshMetrics();
    CXTPOffice2007Theme office2007;
    office2007.RefreshMetrics();
    const CRect rc(0, 0, 80, 22);
    const struct
    {
        const char* pszName;
        int nBarType, nPosition, nSelected, nPressed;
        BOOL bEnabled, bChecked;
        const char* pszImage;   // null: the Office 2007 theme's face
        int nFrame;
    } kCases[] = {
        {"pressed item of a popup bar at the top", xtpBarTypePopup, xtpBarTop, 0, 1, TRUE, FALSE, nullptr, 0},
        {"hot item of a popup bar at the top", xtpBarTypePopup, xtpBarTop, 1, 0, TRUE, FALSE,
         "MENUSELECTEDITEM22", 0},
        {"checked item of a popup bar at the left", xtpBarTypePopup, xtpBarLeft, 0, 0, TRUE, TRUE,
         "MENUCHECKEDITEM", 0},
        {"hot menu bar item at the popup position", xtpBarTypeMenuBar, xtpBarPopup, 1, 0, TRUE, FALSE,
         "TOOLBARBUTTONS22", 0},
        {"pressed toolbar button at the popup position", xtpBarTypeNormal, xtpBarPopup, 1, 1, TRUE, FALSE,
         "TOOLBARBUTTONS22", 1},
        {"checked toolbar button at the popup position", xtpBarTypeNormal, xtpBarPopup, 0, 0, TRUE, TRUE,
         "TOOLBARBUTTONS22", 2},
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.pszName);
        CTestDib dib(rc.Width(), rc.Height(), MARK);
        theme.DrawButtonFace(&dib.DC(), rc, c.nSelected, c.nPressed, c.bEnabled, c.bChecked, FALSE, c.nBarType,
                             c.nPosition);
        if (c.pszImage)
        {
            EXPECT_EQ(ThemeImageColor(c.pszImage, c.nFrame), dib.Pixel(40, 11));
            continue;
        }
        CTestDib expected(rc.Width(), rc.Height(), MARK);
        office2007.DrawButtonFace(&expected.DC(), rc, c.nSelected, c.nPressed, c.bEnabled, c.bChecked, FALSE,
                                  c.nBarType, c.nPosition);
        // The toolbar image would have shown here before.
        EXPECT_NE(ThemeImageColor("TOOLBARBUTTONS22", 0), dib.Pixel(40, 11));
        for (CPoint pt : {CPoint(0, 0), CPoint(1, 1), CPoint(40, 11), CPoint(79, 21)})
            EXPECT_EQ(expected.Pixel(pt.x, pt.y), dib.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
    }
}

TEST(RibbonTheme, PopupGutterInTheRibbonGreys)
{
    CThemeStyleScope style(true);
    Theme theme;
    theme.RefreshMetrics();
    CTestDib dib(40, 20, MARK);
    theme.FillPopupGutter(&dib.DC(), 2, 1, 20, 15, FALSE);
    EXPECT_EQ(RGB(233, 238, 238), dib.Pixel(5, 5));
    EXPECT_EQ(RGB(197, 197, 197), dib.Pixel(20, 5));
    EXPECT_EQ(RGB(245, 245, 245), dib.Pixel(21, 5));
    EXPECT_EQ(MARK, dib.Pixel(22, 5));
    EXPECT_EQ(MARK, dib.Pixel(5, 16));

}

TEST(RibbonTheme, APopupLosesItsFourCornerPixels)
{
    Theme theme;
    CTestBar bar(xtpBarTypePopup, xtpBarPopup);
    ASSERT_TRUE(bar.CreateHidden(40, 30));
    theme.SetCommandBarRegion(&bar);
    CRect rcWindow;
    bar.GetWindowRect(&rcWindow);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(bar.GetSafeHwnd(), hRgn));
    const int cx = rcWindow.Width();
    const int cy = rcWindow.Height();
    EXPECT_FALSE(::PtInRegion(hRgn, 0, 0));
    EXPECT_FALSE(::PtInRegion(hRgn, cx - 1, 0));
    EXPECT_FALSE(::PtInRegion(hRgn, 0, cy - 1));
    EXPECT_FALSE(::PtInRegion(hRgn, cx - 1, cy - 1));
    EXPECT_TRUE(::PtInRegion(hRgn, 1, 0));
    EXPECT_TRUE(::PtInRegion(hRgn, 0, 1));
    EXPECT_TRUE(::PtInRegion(hRgn, cx - 2, cy - 1));
    ::DeleteObject(hRgn);
    bar.DestroyWindow();

    // Too small for the shape: no region at all.
    CTestBar tiny(xtpBarTypePopup, xtpBarPopup);
    ASSERT_TRUE(tiny.CreateHidden(2, 2));
    CRect rcTiny;
    tiny.GetWindowRect(&rcTiny);
    if (rcTiny.Width() < 3 || rcTiny.Height() < 3)
    {
        theme.SetCommandBarRegion(&tiny);
        HRGN hTiny = ::CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(ERROR, ::GetWindowRgn(tiny.GetSafeHwnd(), hTiny));
        ::DeleteObject(hTiny);
    }
    tiny.DestroyWindow();
}

} // namespace
