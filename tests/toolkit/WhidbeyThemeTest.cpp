// The quieter gradient look: without a scheme the Office 2003 system-colour
// set with its own expand face; with a detected scheme its palette, flat
// button faces whatever the scheme, the expand ball in the palette's colours
// and separators without their highlight line.
#include "toolkit/draw/WhidbeyTheme.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ColorManager.h"

#include <gtest/gtest.h>

namespace {

const COLORREF MARK = RGB(1, 2, 3);

class WhidbeyThemeTest : public testing::TestWithParam<CThemeColorSet>
{
};

TEST_P(WhidbeyThemeTest, SystemColoursAndFlatFaces)
{
    CThemeColorScope colors(GetParam().pColors);
    CXTPWhidbeyTheme theme;
    theme.RefreshMetrics();
    auto c = [&](int n) { return theme.ResolveColor(n); };
    EXPECT_FALSE(theme.IsSchemeColorsInUse());
    EXPECT_EQ(CXTPColorManager::BlendColors(c(5), c(15), 550),
              theme.m_clrToolbarExpand.clrLight.GetColor());
    EXPECT_EQ(c(16), theme.m_clrToolbarExpand.clrDark.GetColor());
    EXPECT_EQ(CXTPColorManager::BlendColors(c(15), c(5), 205),
              theme.m_clrToolbarFace.clrLight.GetColor());

    CTestDib dib(24, 22, MARK);
    theme.DrawButtonFace(&dib.DC(), CRect(0, 0, 24, 22), 1, 1, TRUE, FALSE, FALSE, 1, 0);
    EXPECT_EQ(c(50), dib.Pixel(0, 0));
    EXPECT_EQ(c(33), dib.Pixel(12, 11));
}

INSTANTIATE_TEST_SUITE_P(ColorSets, WhidbeyThemeTest, testing::ValuesIn(g_themeColorSets),
                         [](const testing::TestParamInfo<CThemeColorSet>& info) {
                             return std::string(info.param.pszName);
                         });

struct WhidbeyPalette
{
    int nScheme;
    COLORREF clrFaceFirst, clrFaceSecond, clrExpandSecond, clrDockFirst, clrShadow;
    COLORREF clrBallFirst, clrBallSecond;
    COLORREF clr31, clr33, clr47, clr38;   // XTP_PALETTE_KEEP: as computed
};

const COLORREF KEEP = static_cast<COLORREF>(-1);

const WhidbeyPalette s_palettes[] = {
    {1, 0xf5f9fa, 0xa8c0c0, 0x7e9898, 0xd7e5e5, 0x7ca3a3, 0xf5f9fa, 0xa8c0c0, KEEP, KEEP, KEEP, KEEP},
    {2, 0xf5f9fa, 0xa8c0c0, 0x9eacb0, 0xd7e5e5, 0x7ca3a3, 0xf5f9fa, 0xa8c0c0, 0x8dc6b6, 0x70a093,
     0xffffff, KEEP},
    {3, 0xfaf4f3, 0xb59799, 0x927476, 0xe5d7d7, 0x947c7c, 0xf1e8e8, 0xc5aeb0, 0xc2eeff, 0x3e80fe,
     0x000000, 0x755454},
};

TEST(WhidbeySchemeTest, DetectedSchemeAppliesItsPalette)
{
    for (const WhidbeyPalette& p : s_palettes)
    {
        CThemeColorScope colors(g_classicSysColors, p.nScheme);
        CXTPWhidbeyTheme theme;
        theme.RefreshMetrics();
        // The scheme setting stays 0: the faces never turn to gradients.
        EXPECT_FALSE(theme.IsSchemeColorsInUse()) << p.nScheme;
        EXPECT_EQ(p.clrFaceFirst, theme.m_clrToolbarFace.clrLight.GetColor()) << p.nScheme;
        EXPECT_EQ(p.clrFaceSecond, theme.m_clrToolbarFace.clrDark.GetColor()) << p.nScheme;
        EXPECT_EQ(0.75f, theme.m_clrToolbarFace.fGradientFactor) << p.nScheme;
        EXPECT_EQ(p.clrExpandSecond, theme.m_clrToolbarExpand.clrDark.GetColor()) << p.nScheme;
        EXPECT_EQ(p.clrDockFirst, theme.m_clrDockBar.clrLight.GetColor()) << p.nScheme;
        EXPECT_EQ(p.clrShadow, theme.m_clrToolbarShadow.GetColor()) << p.nScheme;
        const struct
        {
            int nIndex;
            COLORREF clr;
        } entries[] = {{31, p.clr31}, {33, p.clr33}, {47, p.clr47}, {38, p.clr38}};
        for (auto& e : entries)
            EXPECT_EQ(e.clr == KEEP ? GetColorManager()->ResolveColor(e.nIndex) : e.clr,
                      theme.ResolveColor(e.nIndex))
                << p.nScheme << " entry " << e.nIndex;

        CTestDib dib(24, 22, MARK);
        theme.DrawButtonFace(&dib.DC(), CRect(0, 0, 24, 22), 1, 0, TRUE, FALSE, FALSE, 1, 0);
        EXPECT_EQ(theme.ResolveColor(31), dib.Pixel(12, 11)) << p.nScheme;

        // Intensity 0 (row 12, column 13) gives the second colour; the
        // corners are transparent.
        CTestDib ball(16, 16, MARK);
        theme.GetExpandImageList()->Draw(&ball.DC(), 0, CPoint(0, 0), ILD_NORMAL);
        EXPECT_EQ(p.clrBallSecond, ball.Pixel(13, 12)) << p.nScheme;
        EXPECT_EQ(MARK, ball.Pixel(0, 0)) << p.nScheme;
        auto shade = [](int first, int second) { return second - (second - first) * 126 / 255; };
        EXPECT_EQ(RGB(shade(GetRValue(p.clrBallFirst), GetRValue(p.clrBallSecond)),
                      shade(GetGValue(p.clrBallFirst), GetGValue(p.clrBallSecond)),
                      shade(GetBValue(p.clrBallFirst), GetBValue(p.clrBallSecond))),
                  ball.Pixel(1, 10))
            << p.nScheme;
    }
}

TEST(WhidbeySeparatorTest, NoHighlightLine)
{
    CThemeColorScope colors(g_classicSysColors);
    CXTPWhidbeyTheme theme;
    theme.RefreshMetrics();
    CTestBar toolbar(1, xtpBarTop);
    CXTPControl* pControl = toolbar.GetControls()->Add(xtpControlButton, 1);
    pControl->SetRect(CRect(30, 2, 54, 24));
    pControl->SetRowRect(CRect(2, 2, 98, 24));
    CTestDib dib(100, 30, MARK);
    theme.DrawCommandBarSeparator(&dib.DC(), &toolbar, pControl, TRUE);
    EXPECT_EQ(theme.ResolveColor(39), dib.Pixel(26, 10));
    EXPECT_EQ(MARK, dib.Pixel(27, 10));
    toolbar.GetControls()->RemoveAll();

    CXTPPaintManager* pTheme = CreatePaintTheme(xtpThemeWhidbey);
    EXPECT_EQ(xtpThemeWhidbey, pTheme->BaseTheme());
    pTheme->InternalRelease();
}

} // namespace
