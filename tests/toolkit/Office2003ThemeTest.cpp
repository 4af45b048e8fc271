// The gradient look: the colour set computed from the classic and the dark
// system colours, the palettes of the three XP colour variants (detected and
// chosen by the scheme setting), low colour, toolbar and dock backgrounds
// with their shadow line, gradient button faces over a table of states, the
// expand ball pixel for pixel, and the dotted grippers, separators and
// tear-off strip at their coordinates. Reference colours come from the
// theme's tables written out here.
#include "toolkit/draw/Office2003Theme.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ColorManager.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const COLORREF MARK = RGB(1, 2, 3);

struct Grad
{
    COLORREF clrFirst, clrSecond;
    float fFactor;
};

// The palettes: blue, olive, silver.
struct Palette
{
    Grad dock, toolbar, popped, expand, expandedGripper, expandImage;
    COLORREF clrShadow, clrFloatingGripper, clrTearOff;
    COLORREF entries[6];   // 38, 39, 41, 43, 30, 12
};

const Palette s_palettes[3] = {
    {{0xf5be9e, 0xfadac4, 0.5f}, {0xfeecdd, 0xe2a981, 0.75f}, {0xffefe3, 0xe7b593, 0.5f},
     {0xf1a675, 0x913500, 0.75f}, {0xf6ddcb, 0xdca179, 0.5f}, {0xfeefe3, 0xe2a981, 0.5f},
     0x9c613b, 0xc9662a, 0xf0c7a9, {0x764127, 0xcb8c6a, 0xf6f6f6, 0x962d00, 0xf9dbc4, 0xae9990}},
    {{0xa7d9d9, 0xe4f1f2, 0.5f}, {0xdef7f4, 0x91c6b7, 0.3f}, {0xd5f0ec, 0x9fcec2, 0.5f},
     {0x8cc2b0, 0x6b7760, 0.3f}, {0xd1e6e6, 0x78b4a4, 0.3f}, {0xd5f0ec, 0x93c6b8, 0.5f},
     0x588060, 0x5e8674, 0x9fd4c5, {0x335e51, 0x588060, 0xeef4f4, 0x5e8d75, 0xadded1, 0x7ba097}},
    {{0xe5d7d7, 0xf7f3f3, 0.5f}, {0xfff9f9, 0xb79b9c, 0.75f}, {0xf1e7e9, 0xcdb9ba, 0.5f},
     {0xc8b2b3, 0x927476, 0.75f}, {0xe2d7d7, 0xa28385, 0.5f}, {0xf1e8e8, 0xc5aeb0, 0.5f},
     0x947c7c, 0x99797a, 0xd3c0c0, {0x755454, 0x8f6d6e, 0xfffafd, 0x947c7c, 0xe4dadb, 0xb39a9b}},
};
const int s_paletteEntryIndexes[6] = {38, 39, 41, 43, 30, 12};

const BYTE s_ball[16][16] = {
    {255, 255, 255, 255, 234, 234, 234, 198, 198, 198, 198, 252, 255, 255, 255, 255},
    {255, 255, 255, 234, 252, 252, 234, 234, 198, 180, 144, 144, 198, 255, 255, 255},
    {255, 255, 234, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 180, 255, 255},
    {255, 234, 252, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 108, 198, 255},
    {252, 234, 252, 252, 252, 252, 234, 198, 198, 180, 144, 126, 108, 90, 90, 252},
    {234, 234, 234, 234, 234, 234, 234, 198, 180, 180, 144, 126, 108, 90, 72, 180},
    {198, 234, 234, 234, 234, 234, 198, 198, 180, 144, 126, 108, 90, 90, 72, 108},
    {180, 198, 198, 198, 198, 198, 180, 180, 144, 126, 126, 108, 90, 72, 72, 72},
    {180, 180, 180, 180, 180, 180, 144, 144, 126, 126, 108, 90, 90, 72, 54, 54},
    {180, 144, 144, 144, 144, 144, 144, 126, 126, 108, 108, 90, 72, 54, 36, 90},
    {198, 126, 126, 126, 126, 126, 126, 126, 108, 90, 72, 54, 54, 36, 36, 126},
    {252, 126, 108, 108, 108, 108, 108, 72, 72, 54, 54, 36, 36, 18, 18, 234},
    {255, 198, 90, 90, 90, 72, 72, 54, 54, 36, 36, 18, 18, 0, 108, 255},
    {255, 255, 144, 54, 54, 54, 36, 36, 18, 18, 18, 0, 0, 54, 255, 255},
    {255, 255, 255, 126, 36, 36, 18, 18, 18, 0, 0, 0, 72, 255, 255, 255},
    {255, 255, 255, 255, 234, 90, 36, 18, 0, 0, 54, 180, 255, 255, 255, 255},
};

class COffice2003TestTheme : public CXTPOffice2003Theme
{
public:
    void SetSchemeSetting(int nScheme) { m_systemTheme = nScheme; }
};

COLORREF Blend(COLORREF a, COLORREF b, int w)
{
    return CXTPColorManager::BlendColors(a, b, w);
}

// Pixels of a top-docked toolbar of 100 x 30 without controls: the body
// gradient from y 1 to 29 and the shadow line at y 29.
void ExpectToolbarBody(CXTPOffice2003Theme& theme, const Grad& face, COLORREF clrShadow,
                       const char* pszWhat)
{
    CTestBar bar(xtpBarTypeNormal, xtpBarTop);
    ASSERT_TRUE(bar.CreateHidden(100, 30));
    CTestDib dib(100, 30, MARK);
    theme.FillCommandBar(&dib.DC(), &bar);
    CRect rcBody(0, 1, 100, 29);
    for (int y : {1, 10, 14, 15, 28})
        EXPECT_EQ(ReferenceGradientPixel(rcBody, face.clrFirst, face.clrSecond, face.fFactor,
                                         FALSE, CPoint(50, y)),
                  dib.Pixel(50, y))
            << pszWhat << " y " << y;
    EXPECT_EQ(clrShadow, dib.Pixel(5, 29)) << pszWhat;
    EXPECT_EQ(dib.Pixel(4, 0), dib.Pixel(4, 29)) << pszWhat;
    EXPECT_EQ(dib.Pixel(98, 0), dib.Pixel(98, 29)) << pszWhat;
    EXPECT_EQ(clrShadow, dib.Pixel(97, 29)) << pszWhat;
    // The rounded corner and the left columns show the dock face behind.
    EXPECT_EQ(dib.Pixel(3, 0), dib.Pixel(3, 1)) << pszWhat;
    EXPECT_EQ(dib.Pixel(1, 0), dib.Pixel(1, 15)) << pszWhat;
}

class Office2003ThemeTest : public testing::TestWithParam<CThemeColorSet>
{
};

TEST_P(Office2003ThemeTest, SystemColourSetWithoutScheme)
{
    CThemeColorScope colors(GetParam().pColors);
    COffice2003TestTheme theme;
    theme.RefreshMetrics();
    auto c = [&](int n) { return theme.ResolveColor(n); };
    EXPECT_FALSE(theme.IsSchemeColorsInUse());

    Grad face = {Blend(c(15), c(5), 205), c(15), 0.5f};
    ExpectToolbarBody(theme, face, c(30), GetParam().pszName);
    EXPECT_EQ(Blend(c(5), c(42), 550), theme.m_clrMenuExpandedGripper.clrLight.GetColor());
    EXPECT_EQ(Blend(c(51), c(16), 51), theme.m_clrToolbarExpand.clrLight.GetColor());
    EXPECT_EQ(Blend(c(15), c(5), 70), theme.m_clrStatusPane.GetColor());
    EXPECT_EQ(c(16), theme.m_clrFloatingGripper.GetColor());

    // The dock area: a horizontal gradient from colour 15, at least half the
    // screen wide.
    CTestBar dock(xtpBarTypeNormal, xtpBarTop);
    ASSERT_TRUE(dock.CreateHidden(200, 20));
    CTestDib dib(200, 20, MARK);
    theme.FillDockBar(&dib.DC(), &dock);
    int cxFace = std::max(200, ::GetSystemMetrics(SM_CXFULLSCREEN) / 2);
    CRect rcFace(0, 0, cxFace, 20);
    // The fill keeps to the window, so its ends are the whole gradient's
    // colours there, rounded.
    for (int x : {0, 100, 199})
        EXPECT_TRUE(ColorsClose(ReferenceGradientPixel(rcFace, c(15), Blend(c(15), c(5), 205), 0.5f,
                                                       TRUE, CPoint(x, 5)),
                                dib.Pixel(x, 5), 2))
            << x;

    // Without scheme colours the faces are the flat Office ones, except the
    // popped face.
    CTestDib face1(24, 22, MARK);
    theme.DrawButtonFace(&face1.DC(), CRect(0, 0, 24, 22), 1, 0, TRUE, FALSE, FALSE, 1, 0);
    EXPECT_EQ(c(32), face1.Pixel(0, 0));
    EXPECT_EQ(c(31), face1.Pixel(12, 11));
    theme.DrawButtonFace(&face1.DC(), CRect(0, 0, 24, 22), 1, 0, TRUE, FALSE, TRUE, 1, 0);
    EXPECT_EQ(c(43), face1.Pixel(0, 0));
    EXPECT_EQ(ReferenceGradientPixel(CRect(0, 0, 24, 22), c(41), Blend(c(5), c(15), 550), 0.5f,
                                     FALSE, CPoint(12, 11)),
              face1.Pixel(12, 11));
}

TEST_P(Office2003ThemeTest, LowColourMakesTheGradientsSolid)
{
    CThemeColorScope colors(GetParam().pColors, 0, TRUE);
    COffice2003TestTheme theme;
    theme.RefreshMetrics();
    COLORREF c15 = theme.ResolveColor(15);
    ExpectToolbarBody(theme, Grad{c15, c15, 0.5f}, theme.ResolveColor(30), "low colour");
    EXPECT_EQ(c15, theme.m_clrToolbarExpand.clrDark.GetColor());
    EXPECT_EQ(c15, theme.m_clrPopupControl.clrLight.GetColor());

    // A scheme chosen by the setting still applies its palette afterwards.
    theme.SetSchemeSetting(1);
    theme.RefreshMetrics();
    EXPECT_TRUE(theme.IsSchemeColorsInUse());
    ExpectToolbarBody(theme, s_palettes[0].toolbar, s_palettes[0].clrShadow, "low colour, blue");
}

INSTANTIATE_TEST_SUITE_P(ColorSets, Office2003ThemeTest, testing::ValuesIn(g_themeColorSets),
                         [](const testing::TestParamInfo<CThemeColorSet>& info) {
                             return std::string(info.param.pszName);
                         });

// One test per scheme, reached both by detection and by the setting.
class Office2003SchemeTest : public testing::TestWithParam<int>
{
protected:
    void ExpectPalette(CXTPOffice2003Theme& theme, const Palette& p)
    {
        ASSERT_TRUE(theme.IsSchemeColorsInUse());
        ExpectToolbarBody(theme, p.toolbar, p.clrShadow, "palette");
        EXPECT_EQ(p.dock.clrFirst, theme.m_clrDockBar.clrLight.GetColor());
        EXPECT_EQ(p.dock.clrSecond, theme.m_clrDockBar.clrDark.GetColor());
        EXPECT_EQ(p.expand.clrSecond, theme.m_clrToolbarExpand.clrDark.GetColor());
        EXPECT_EQ(p.expand.fFactor, theme.m_clrToolbarExpand.fGradientFactor);
        EXPECT_EQ(p.popped.clrFirst, theme.m_clrPopupControl.clrLight.GetColor());
        EXPECT_EQ(p.expandedGripper.clrSecond, theme.m_clrMenuExpandedGripper.clrDark.GetColor());
        EXPECT_EQ(p.clrTearOff, theme.m_clrTearOffGripper.GetColor());
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(p.entries[i], theme.ResolveColor(s_paletteEntryIndexes[i]))
                << s_paletteEntryIndexes[i];
        // The highlight entries are the same in every scheme.
        const struct
        {
            int nIndex;
            COLORREF clr;
        } shared[] = {{31, 0xc2eeff}, {33, 0x3e80fe}, {36, 0x6fc0ff}, {47, 0x000000}};
        for (auto& e : shared)
            EXPECT_EQ(e.clr, theme.ResolveColor(e.nIndex)) << e.nIndex;
        for (int n : {58, 60, 35})
            EXPECT_EQ(0x8d8d8dU, theme.ResolveColor(n)) << n;
        EXPECT_EQ(p.clrFloatingGripper, theme.ResolveColor(61));
        ExpectFaces(theme);
        ExpectBall(theme, p.expandImage);
    }

    // Gradient faces over a table of states: corner = border, centre = the
    // highlight gradient's middle.
    void ExpectFaces(CXTPOffice2003Theme& theme)
    {
        const Grad checked = {0x8cd5ff, 0x55adff, 0.5f}, pressed = {0x4b8efe, 0x8bcfff, 0.5f},
                   selected = {0xc8f2ff, 0x97d4ff, 0.5f};
        struct
        {
            const char* pszName;
            int nSelected, nPressed;
            BOOL bEnabled;
            int nChecked, nPosition;
            const Grad* pFace;   // null: no face
            int nBorder;
        } cases[] = {
            {"hot", 1, 0, TRUE, 0, 0, &selected, 32},
            {"pressed alone", 0, 1, TRUE, 0, 0, &selected, 32},
            {"hot and pressed", 1, 1, TRUE, 0, 0, &pressed, 50},
            {"pressed by keyboard", 0, 2, TRUE, 0, 1, &pressed, 50},
            {"pressed 3", 0, 3, TRUE, 0, 4, &pressed, 50},
            {"checked", 0, 0, TRUE, 1, 0, &checked, 37},
            {"checked hot", 1, 0, TRUE, 1, 0, &pressed, 50},
            {"checked, left bar", 0, 0, TRUE, 1, 2, &checked, 37},
            {"disabled, keyboard", 2, 0, FALSE, 0, 0, &selected, 50},
            {"disabled, keyboard, checked", 3, 0, FALSE, 1, 0, &pressed, 50},
            {"disabled, checked", 0, 0, FALSE, 1, 0, &checked, 58},
            {"disabled", 1, 0, FALSE, 0, 0, nullptr, 0},
            {"idle", 0, 0, TRUE, 0, 0, nullptr, 0},
        };
        for (auto& c : cases)
        {
            CTestDib dib(24, 22, MARK);
            CRect rc(0, 0, 24, 22);
            theme.DrawButtonFace(&dib.DC(), rc, c.nSelected, c.nPressed, c.bEnabled, c.nChecked,
                                 FALSE, xtpBarTypeNormal, c.nPosition);
            if (!c.pFace)
            {
                EXPECT_EQ(MARK, dib.Pixel(12, 11)) << c.pszName;
                continue;
            }
            EXPECT_EQ(theme.ResolveColor(c.nBorder), dib.Pixel(0, 0)) << c.pszName;
            EXPECT_EQ(theme.ResolveColor(c.nBorder), dib.Pixel(23, 21)) << c.pszName;
            BOOL bHorz = c.nPosition == 2 || c.nPosition == 3;
            EXPECT_EQ(ReferenceGradientPixel(rc, c.pFace->clrFirst, c.pFace->clrSecond, 0.5f, bHorz,
                                             CPoint(5, 5)),
                      dib.Pixel(5, 5))
                << c.pszName;
        }
        // The indeterminate face is a plain rectangle; popup bars keep the
        // flat faces.
        CTestDib dib(24, 22, MARK);
        theme.DrawButtonFace(&dib.DC(), CRect(0, 0, 24, 22), 0, 0, TRUE, 2, FALSE, 1, 0);
        EXPECT_EQ(theme.ResolveColor(50), dib.Pixel(0, 0));
        EXPECT_EQ(theme.ResolveColor(51), dib.Pixel(12, 11));
        theme.DrawButtonFace(&dib.DC(), CRect(0, 0, 24, 22), 1, 0, TRUE, 0, FALSE, 2, 5);
        EXPECT_EQ(theme.ResolveColor(31), dib.Pixel(12, 11));
    }

    void ExpectBall(CXTPOffice2003Theme& theme, const Grad& colors)
    {
        CTestDib dib(16, 16, MARK);
        ASSERT_EQ(1, theme.GetExpandImageList()->GetImageCount());
        theme.GetExpandImageList()->Draw(&dib.DC(), 0, CPoint(0, 0), ILD_NORMAL);
        auto shade = [](int first, int second, int t) { return second - (second - first) * t / 255; };
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
            {
                int t = s_ball[y][x];
                COLORREF clr = t == 255 ? MARK
                                        : RGB(shade(GetRValue(colors.clrFirst), GetRValue(colors.clrSecond), t),
                                              shade(GetGValue(colors.clrFirst), GetGValue(colors.clrSecond), t),
                                              shade(GetBValue(colors.clrFirst), GetBValue(colors.clrSecond), t));
                ASSERT_EQ(clr, dib.Pixel(x, y)) << x << "," << y;
            }
    }
};

TEST_P(Office2003SchemeTest, DetectedSchemeAppliesItsPalette)
{
    int nScheme = GetParam();
    CThemeColorScope colors(g_classicSysColors, nScheme);
    COffice2003TestTheme theme;
    theme.RefreshMetrics();
    ExpectPalette(theme, s_palettes[nScheme - 1]);
}

TEST_P(Office2003SchemeTest, SchemeSettingAppliesItsPalette)
{
    int nScheme = GetParam();
    CThemeColorScope colors(g_darkSysColors, 0);
    COffice2003TestTheme theme;
    theme.SetSchemeSetting(nScheme);
    theme.RefreshMetrics();
    ExpectPalette(theme, s_palettes[nScheme - 1]);
}

INSTANTIATE_TEST_SUITE_P(Schemes, Office2003SchemeTest, testing::Values(1, 2, 3));

class CDialogLikeBar : public CTestBar
{
public:
    BOOL IsFloatingGripper() const override { return TRUE; }
};

class Office2003ShapesTest : public testing::Test
{
protected:
    Office2003ShapesTest() : m_colors(g_classicSysColors, 1) { m_theme.RefreshMetrics(); }
    COLORREF C(int n) const { return m_theme.ResolveColor(n); }

    CThemeColorScope m_colors;
    COffice2003TestTheme m_theme;
};

TEST_F(Office2003ShapesTest, DottedGrippers)
{
    CTestBar top(1, xtpBarTop), left(1, xtpBarLeft);
    ASSERT_TRUE(top.CreateHidden(100, 30));
    ASSERT_TRUE(left.CreateHidden(30, 100));
    CTestDib dib(100, 100, MARK);
    EXPECT_EQ(CSize(6, 0), m_theme.DrawCommandBarGripper(&dib.DC(), &top, FALSE));
    EXPECT_EQ(CSize(0, 0), m_theme.DrawCommandBarGripper(&dib.DC(), &top, TRUE));
    // y0 = 8, 12, 16, 20: while y0 - 3 < 23.
    for (int y0 : {8, 12, 16, 20, 24})
    {
        EXPECT_EQ(C(38), dib.Pixel(6, y0 - 3)) << y0;
        EXPECT_EQ(C(5), dib.Pixel(8, y0 - 1)) << y0;
        EXPECT_EQ(MARK, dib.Pixel(9, y0 - 1)) << y0;
    }
    EXPECT_EQ(MARK, dib.Pixel(6, 25));

    dib.Fill(MARK);
    EXPECT_EQ(CSize(0, 9), m_theme.DrawCommandBarGripper(&dib.DC(), &left, FALSE));
    m_theme.DrawCommandBarGripper(&dib.DC(), &left, TRUE);
    EXPECT_EQ(C(38), dib.Pixel(5, 6));
    EXPECT_EQ(C(5), dib.Pixel(7, 8));
    EXPECT_EQ(MARK, dib.Pixel(7, 9));

    CDialogLikeBar dialogBar;
    ASSERT_TRUE(dialogBar.CreateHidden(100, 60));
    int nTextHeight = m_theme.GetLineHeight();
    int nHeight = nTextHeight >= 19 ? nTextHeight + 6 : 25;
    EXPECT_EQ(CSize(8, nHeight), m_theme.DrawCommandBarGripper(nullptr, &dialogBar, FALSE));
}

TEST_F(Office2003ShapesTest, EtchedSeparators)
{
    CTestBar toolbar(1, xtpBarTop), floating(1, xtpBarFloating), vertical(1, xtpBarLeft);
    EXPECT_EQ(CSize(6, 0), m_theme.DrawCommandBarSeparator(nullptr, &floating, nullptr, FALSE));
    EXPECT_EQ(CSize(6, 6), m_theme.DrawCommandBarSeparator(nullptr, &toolbar, nullptr, FALSE));
    struct
    {
        CXTPCommandBar* pBar;
        BOOL bWrap;
        CRect rcControl, rcRow;
        CPoint ptLine, ptHighlight;   // (-1, -1): none
    } cases[] = {
        {&toolbar, FALSE, CRect(30, 2, 54, 24), CRect(2, 2, 98, 24), CPoint(26, 10), CPoint(27, 10)},
        {&toolbar, TRUE, CRect(2, 30, 26, 52), CRect(2, 30, 98, 52), CPoint(50, 26), CPoint(50, 27)},
        {&vertical, FALSE, CRect(2, 30, 26, 52), CRect(2, 2, 26, 98), CPoint(10, 26), CPoint(10, 27)},
        {&vertical, TRUE, CRect(30, 2, 54, 24), CRect(2, 2, 26, 98), CPoint(28, 50), CPoint(29, 50)},
        {&floating, TRUE, CRect(2, 30, 26, 52), CRect(2, 30, 98, 52), CPoint(-1, -1), CPoint(-1, -1)},
    };
    for (BOOL bPlain : {FALSE, TRUE})
    {
        m_theme.m_bPlainSeparators = bPlain;
        for (auto& c : cases)
        {
            CXTPControl* pControl = c.pBar->GetControls()->Add(xtpControlButton, 1);
            pControl->SetRect(c.rcControl);
            pControl->SetRowRect(c.rcRow);
            pControl->SetWrap(c.bWrap);
            CTestDib dib(120, 100, MARK);
            m_theme.DrawCommandBarSeparator(&dib.DC(), c.pBar, pControl, TRUE);
            c.pBar->GetControls()->RemoveAll();
            if (c.ptLine.x < 0)
            {
                EXPECT_EQ(MARK, dib.Pixel(50, 26));
                continue;
            }
            EXPECT_EQ(C(39), dib.Pixel(c.ptLine.x, c.ptLine.y)) << c.rcControl.left << c.bWrap;
            // The plain style drops the highlight, except beside wrapped rows.
            BOOL bHighlight = !bPlain || c.bWrap;
            EXPECT_EQ(bHighlight ? C(20) : MARK, dib.Pixel(c.ptHighlight.x, c.ptHighlight.y))
                << c.rcControl.left << c.bWrap << bPlain;
        }
    }
    m_theme.m_bPlainSeparators = FALSE;
}

TEST_F(Office2003ShapesTest, TearOffDotsAndBorders)
{
    CTestDib dib(120, 9, MARK);
    EXPECT_EQ(CSize(0, 9), m_theme.DrawTearOffGripper(&dib.DC(), CRect(0, 0, 120, 9), FALSE, TRUE));
    EXPECT_EQ(C(41), dib.Pixel(0, 0));
    EXPECT_EQ(m_theme.m_clrTearOffGripper.GetColor(), dib.Pixel(1, 1));
    // Half-length 32 around 60: dots for x0 = 31, 35, ... 91.
    EXPECT_EQ(C(38), dib.Pixel(28, 4));
    EXPECT_EQ(C(20), dib.Pixel(30, 6));
    EXPECT_EQ(C(38), dib.Pixel(88, 4));
    EXPECT_EQ(m_theme.m_clrTearOffGripper.GetColor(), dib.Pixel(91, 4));
    EXPECT_EQ(m_theme.m_clrTearOffGripper.GetColor(), dib.Pixel(27, 4));
    EXPECT_EQ(m_theme.m_clrTearOffGripper.GetColor(), dib.Pixel(96, 4));

    CTestBar top(1, xtpBarTop), left(1, xtpBarLeft);
    EXPECT_EQ(CRect(4, 2, 2, 2), m_theme.GetCommandBarBorders(&top));
    EXPECT_EQ(CRect(2, 2, 2, 2), m_theme.GetCommandBarBorders(&left));
}

TEST_F(Office2003ShapesTest, ToolbarExpandButton)
{
    CTestBar top(1, xtpBarTop), left(1, xtpBarLeft);
    CXTPControl* pControl = top.GetControls()->Add(xtpControlButton, 1);
    m_theme.DrawControlGlyph(nullptr, xtpGlyphExpand, pControl, &top, FALSE, MAKELPARAM(200, 26));
    EXPECT_EQ(CRect(188, 1, 200, 26), pControl->GetRect());
    m_theme.DrawControlGlyph(nullptr, xtpGlyphExpand, pControl, &left, FALSE, MAKELPARAM(26, 200));
    EXPECT_EQ(CRect(0, 188, 26, 200), pControl->GetRect());

    // Drawn on a horizontal bar: the expand face, the corner pixels and the
    // left column left alone, the glyph's line at the bottom less 10.
    pControl->SetRect(CRect(0, 0, 12, 26));
    CTestDib dib(12, 26, MARK);
    m_theme.DrawControlGlyph(&dib.DC(), xtpGlyphExpand, pControl, &top, TRUE, FALSE);
    EXPECT_EQ(MARK, dib.Pixel(11, 0));
    EXPECT_EQ(MARK, dib.Pixel(0, 10));
    EXPECT_EQ(ReferenceGradientPixel(CRect(0, 0, 12, 26), 0xf1a675, 0x913500, 0.75f, FALSE,
                                     CPoint(9, 3)),
              dib.Pixel(9, 3));
    EXPECT_EQ(C(46), dib.Pixel(6, 16));
    EXPECT_EQ(C(20), dib.Pixel(7, 17));
    top.GetControls()->RemoveAll();

    // The menu expand button measures 18 high.
    EXPECT_EQ(CSize(0, 18), m_theme.DrawControlGlyph(nullptr, xtpGlyphExpandChevron, pControl,
                                                     &top, FALSE, 0));
}

TEST(Office2003ThemeFactory, ThemeTwoIsTheGradientLook)
{
    CXTPPaintManager* pTheme = CreatePaintTheme(xtpThemeOffice2003);
    EXPECT_EQ(xtpThemeOffice2003, pTheme->BaseTheme());
    EXPECT_FALSE(pTheme->GetIconOptions()->bShadowUnderHot);
    EXPECT_FALSE(pTheme->GetIconOptions()->bFadedInactive);
    pTheme->InternalRelease();
}

} // namespace
