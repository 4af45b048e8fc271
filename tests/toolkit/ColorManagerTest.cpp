// The colour table is checked against values computed by colortable.py, an
// implementation of the same rules written apart from the C++ code, for two
// fixed sets of system colours and in low-colour mode. The sets reach the
// colour manager through its system-colour hook: SetSysColors would change
// the colours of every other test program running in the same session.
#include "ThemeTestSupport.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/WinThemeWrapper.h"
#include "framework/core/String.h"

#include <gtest/gtest.h>

#include <math.h>

#include <algorithm>
#include <vector>

namespace {

const int cSysColors = 30;

const COLORREF* const s_classicColors = g_classicSysColors;

// A dark set with a black button face.
const COLORREF* const s_darkColors = g_darkSysColors;

// Classic, with the window colour the same as the highlight colour.
const COLORREF s_windowIsHighlightColors[cSysColors] = {
    0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0x17988C, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x17988C, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF, 0x000000, 0x800000, 0xF0CAA6, 0xC0C0C0, 0x6A240A};

struct ExpectedTable
{
    COLORREF entries[XTP_COLOR_TABLE_SIZE];
    COLORREF gradients[7][2];
};

const ExpectedTable s_classicTable = {
    {0x000000, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
     0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080,
     0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xD7DFE3, 0x000000, 0xE1FFFF, 0x000000, 0x800000,
     0xF0CAA6, 0xC0C0C0, 0x6A240A, 0xD1D8DB, 0xD2BDB6, 0x6A240A, 0xB59285, 0x9D8D88, 0xA6A6A6,
     0xD8D5D4, 0x6A240A, 0xA0A0A0, 0xA6A6A6, 0x8D8D8D, 0xF7F8F9, 0xC1C8CC, 0x666666, 0x000000,
     0x000000, 0x000000, 0xFFFFFF, 0xE9F2F7, 0x555555, 0x6A240A, 0xC8D0D4, 0x808080, 0xD1D8DB,
     0x808080, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x8D8D8D, 0x000000, 0x8D8D8D, 0x6D6D6D, 0x000000},
    {{0x808080, 0x808080}, {0xC8D0D4, 0xF3F5F6}, {0xC8D0D4, 0x808080}, {0xF4F5F6, 0xC8D0D4},
     {0xF7F8F9, 0xCCD3D7}, {0xE9ECEE, 0xC4CCD0}, {0xF6F7F8, 0xE8EBED}},
};

const ExpectedTable s_darkTable = {
    {0x000000, 0x000000, 0x800080, 0x008000, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
     0xFFFFFF, 0x808080, 0x808080, 0x000000, 0x00FFFF, 0x000000, 0x000000, 0x808080, 0x00FF00,
     0xFFFFFF, 0xC0C0C0, 0xFFFFFF, 0x404040, 0x0F0F0F, 0xFFFFFF, 0x000000, 0x000000, 0xFFFF00,
     0x800080, 0x008000, 0x00FFFF, 0x000000, 0x004D4D, 0x00FFFF, 0x008080, 0x003939, 0x00B300,
     0x001919, 0x00FFFF, 0x626262, 0x5A5A5A, 0x737373, 0x000000, 0x0D0D0D, 0x999999, 0xFFFFFF,
     0xFFFFFF, 0xFFFFFF, 0x000000, 0x232323, 0x7F7F7F, 0x00FFFF, 0x000000, 0x808080, 0x000000,
     0x808080, 0x000000, 0x000000, 0x808080, 0x737373, 0x000000, 0x737373, 0x939393, 0x000000},
    {{0x808080, 0x808080}, {0x000000, 0x000000}, {0x000000, 0x808080}, {0x000000, 0x000000},
     {0x000000, 0x000000}, {0x000000, 0x060606}, {0x000000, 0x000000}},
};

const ExpectedTable s_classicLowColorTable = {
    {0x000000, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
     0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080,
     0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000, 0xE1FFFF, 0x000000, 0x800000,
     0xF0CAA6, 0xC0C0C0, 0x6A240A, 0xC8D0D4, 0xFFFFFF, 0x6A240A, 0x6A240A, 0x808080, 0x808080,
     0xFFFFFF, 0x6A240A, 0x808080, 0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080, 0x000000,
     0x000000, 0x000000, 0xFFFFFF, 0x808080, 0xFFFFFF, 0x6A240A, 0xC8D0D4, 0x808080, 0xC8D0D4,
     0x808080, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x808080, 0x000000, 0x808080, 0x808080, 0x000000},
    {{0x808080, 0x808080}, {0xC8D0D4, 0xC8D0D4}, {0xC8D0D4, 0x808080}, {0xC8D0D4, 0xC8D0D4},
     {0xF7F8F9, 0xCCD3D7}, {0xE9ECEE, 0xC4CCD0}, {0xF6F7F8, 0xE8EBED}},
};

const ExpectedTable s_windowIsHighlightTable = {
    {0x000000, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0x17988C, 0x000000, 0x000000, 0x000000,
     0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x17988C, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080,
     0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xD7DFE3, 0x000000, 0xE1FFFF, 0x000000, 0x800000,
     0xF0CAA6, 0xC0C0C0, 0x6A240A, 0xABC7C8, 0x17988C, 0x169488, 0x17988C, 0x117269, 0x51706E,
     0x60AEAA, 0x0E5D55, 0x668683, 0x618784, 0x768281, 0x30A096, 0xC1C8CC, 0x646464, 0x000000,
     0x000000, 0x000000, 0xFFFFFF, 0xE9F2F7, 0x555555, 0x17988C, 0xC8D0D4, 0x808080, 0xABC7C8,
     0x808080, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x768281, 0x000000, 0x768281, 0x6D6D6D, 0x000000},
    {{0x808080, 0x808080}, {0xC8D0D4, 0x3DA49B}, {0xC8D0D4, 0x808080}, {0x3BA39B, 0xC8D0D4},
     {0x31A096, 0xBCCCCF}, {0x5EAEA9, 0xC4CCD0}, {0x34A198, 0x61B0AA}},
};

const COLORREF* s_pInstalled = nullptr;

COLORREF InstalledSysColor(int nIndex)
{
    return s_pInstalled[nIndex];
}

// Fixes the system colours the colour manager sees for one test.
class ColorManagerTest : public testing::Test
{
protected:
    void TearDown() override
    {
        CXTPColorManager::SetLowColorOverride(-1);
        CXTPColorManager::SetThemeNameSource(nullptr);
        CXTPColorManager::SetSysColorHook(nullptr);
        RefreshSystemColors();
    }

    static void Install(const COLORREF* pColors)
    {
        s_pInstalled = pColors;
        CXTPColorManager::SetSysColorHook(InstalledSysColor);
    }

    // Entry 57 follows the visual style's tree-view border when one is active.
    static COLORREF ExpectedEntry57(COLORREF clrClassic)
    {
        CXTPWinThemeWrapper wrapper;
        wrapper.OpenThemeData(nullptr, L"TREEVIEW");
        COLORREF clr = 0;
        if (wrapper.GetThemeHandle() && SUCCEEDED(wrapper.GetThemeColor(0, 0, 3801, &clr)))
            return clr;
        return clrClassic;
    }

    static void ExpectTable(const CXTPColorManager& manager, const ExpectedTable& expected,
                            BOOL bLowColor)
    {
        for (int i = 0; i < XTP_COLOR_TABLE_SIZE; ++i)
        {
            COLORREF clrExpected = expected.entries[i];
            if (i == 57 && !bLowColor)
                clrExpected = ExpectedEntry57(clrExpected);
            EXPECT_EQ(clrExpected, manager.ResolveColor(i)) << "entry " << i;
        }
        for (int i = 0; i < 7; ++i)
        {
            const CXTPPaintManagerColorGradient& grc = manager.GetGradient(i);
            EXPECT_EQ(expected.gradients[i][0], COLORREF(grc.clrLight)) << "gradient " << i;
            EXPECT_EQ(expected.gradients[i][1], COLORREF(grc.clrDark)) << "gradient " << i;
            EXPECT_EQ(0.5f, grc.fGradientFactor) << "gradient " << i;
        }
    }
};

TEST_F(ColorManagerTest, TableFollowsClassicSystemColours)
{
    Install(s_classicColors);
    CXTPColorManager manager;
    ExpectTable(manager, s_classicTable, FALSE);
    EXPECT_EQ(xtpSchemeNone, manager.GetActiveColorScheme());
}

TEST_F(ColorManagerTest, TableFollowsADarkSetWithBlackButtonFace)
{
    Install(s_darkColors);
    CXTPColorManager manager;
    ExpectTable(manager, s_darkTable, FALSE);
    EXPECT_EQ(0x232323u, manager.ResolveColor(48));
    EXPECT_EQ(0x7F7F7Fu, manager.ResolveColor(49));
}

// Equal window and highlight colours make several corrections start from
// two equal colours (entry 37 darkens the highlight colour).
TEST_F(ColorManagerTest, TableFollowsEqualWindowAndHighlightColours)
{
    Install(s_windowIsHighlightColors);
    CXTPColorManager manager;
    ExpectTable(manager, s_windowIsHighlightTable, FALSE);
}

TEST_F(ColorManagerTest, LowColourDesktopKeepsClassicDefaults)
{
    Install(s_classicColors);
    CXTPColorManager::SetLowColorOverride(1);
    CXTPColorManager manager;
    ExpectTable(manager, s_classicLowColorTable, TRUE);
    EXPECT_TRUE(IsLowColorDC(nullptr));
}

TEST_F(ColorManagerTest, RefreshFollowsChangedSystemColours)
{
    Install(s_classicColors);
    RefreshSystemColors();
    EXPECT_EQ(s_classicTable.entries[30], GetColorManager()->ResolveColor(30));
    Install(s_darkColors);
    RefreshSystemColors();
    EXPECT_EQ(s_darkTable.entries[30], GetColorManager()->ResolveColor(30));
    EXPECT_EQ(s_darkTable.entries[41], GetColorManager()->ResolveColor(41));
}

TEST_F(ColorManagerTest, FixedGradientsAndUncomputedEntry)
{
    CXTPColorManager manager;
    EXPECT_EQ(0x8CD5FFu, COLORREF(manager.GetGradient(7).clrLight));
    EXPECT_EQ(0x55ADFFu, COLORREF(manager.GetGradient(7).clrDark));
    EXPECT_EQ(0x4B8EFEu, COLORREF(manager.GetGradient(8).clrLight));
    EXPECT_EQ(0x8BCFFFu, COLORREF(manager.GetGradient(8).clrDark));
    EXPECT_EQ(0xC8F2FFu, COLORREF(manager.GetGradient(9).clrLight));
    EXPECT_EQ(0x97D4FFu, COLORREF(manager.GetGradient(9).clrDark));
    EXPECT_EQ(0u, manager.ResolveColor(62));
    EXPECT_EQ(0u, manager.ResolveColor(0));
}

TEST(ColorManagerResolve, IndexesLiteralsAndUnset)
{
    CXTPColorManager* pManager = GetColorManager();
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), pManager->ResolveColor(COLOR_WINDOW));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), pManager->ResolveColor(COLOR_BTNFACE));
    EXPECT_EQ(63u, pManager->ResolveColor(63));
    EXPECT_EQ(0x123456u, pManager->ResolveColor(0x123456));
    EXPECT_EQ(static_cast<COLORREF>(-1), pManager->ResolveColor(static_cast<UINT>(-1)));
    EXPECT_EQ(pManager, GetColorManager());
}

// --- XP colour schemes ------------------------------------------------------

struct ThemeNames
{
    const wchar_t* pszFile;
    const wchar_t* pszColor;
};
ThemeNames s_themeNames;

BOOL FakeThemeNames(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor)
{
    lstrcpynW(pszFile, s_themeNames.pszFile, cchFile);
    lstrcpynW(pszColor, s_themeNames.pszColor, cchColor);
    return TRUE;
}

TEST_F(ColorManagerTest, SchemeFromThemeNames)
{
    struct Case
    {
        const wchar_t* pszFile;
        const wchar_t* pszColor;
        int nScheme;
    };
    const Case cases[] = {
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", 1},
        {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\LUNA.MSSTYLES", L"homestead", 2},
        {L"C:\\Styles\\WinXP.Luna.cjstyles", L"MeTaLLiC", 3},
        {L"C:\\Styles\\winxp.luna.cjstyles", L"Silver", 0},
        {L"C:\\Windows\\Resources\\Themes\\light.msstyles", L"NormalColor", 0},
        {L"", L"", 0},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.nScheme, CXTPColorManager::SchemeFromThemeNames(c.pszFile, c.pszColor))
            << static_cast<const char*>(CString(c.pszFile));
        s_themeNames = {c.pszFile, c.pszColor};
        CXTPColorManager::SetThemeNameSource(FakeThemeNames);
        CXTPColorManager manager;
        EXPECT_EQ(c.nScheme, manager.GetActiveColorScheme());
    }
}

TEST_F(ColorManagerTest, SchemeGradientsAndEntry54)
{
    struct Case
    {
        const wchar_t* pszColor;
        COLORREF clrEntry54;
        COLORREF gradient3[2];
        float fFactor3;
        COLORREF gradient6[2];
    };
    const Case cases[] = {
        {L"normalcolor", 0x962D00, {0xFEECDD, 0xE2A981}, 0.75f, {0xFFEFE3, 0xE7B593}},
        {L"homestead", 0x588060, {0xDEF7F4, 0x91C6B7}, 0.3f, {0xD5F0EC, 0x9FCEC2}},
        {L"metallic", 0x947C7C, {0xFFF9F9, 0xB79B9C}, 0.75f, {0xF1E7E9, 0xCDB9BA}},
    };
    Install(s_classicColors);
    for (const Case& c : cases)
    {
        s_themeNames = {L"luna.msstyles", c.pszColor};
        CXTPColorManager::SetThemeNameSource(FakeThemeNames);
        CXTPColorManager manager;
        EXPECT_EQ(c.clrEntry54, manager.ResolveColor(54));
        EXPECT_EQ(c.gradient3[0], COLORREF(manager.GetGradient(3).clrLight));
        EXPECT_EQ(c.gradient3[1], COLORREF(manager.GetGradient(3).clrDark));
        EXPECT_EQ(c.fFactor3, manager.GetGradient(3).fGradientFactor);
        EXPECT_EQ(c.gradient6[0], COLORREF(manager.GetGradient(6).clrLight));
        EXPECT_EQ(c.gradient6[1], COLORREF(manager.GetGradient(6).clrDark));
    }
}

TEST_F(ColorManagerTest, LowColourDesktopHasNoScheme)
{
    s_themeNames = {L"luna.msstyles", L"normalcolor"};
    CXTPColorManager::SetThemeNameSource(FakeThemeNames);
    CXTPColorManager::SetLowColorOverride(1);
    CXTPColorManager manager;
    EXPECT_EQ(xtpSchemeNone, manager.GetActiveColorScheme());
}

// --- Blend and contrast rules -------------------------------------------------

TEST(ColorBlend, WeightsArePercentOrPerMille)
{
    struct Case
    {
        COLORREF a, b;
        int nWeight;
        COLORREF expected;
    };
    const Case cases[] = {
        {RGB(200, 100, 0), RGB(0, 0, 200), 99, RGB(198, 99, 2)},     // 99 % of a
        {RGB(200, 100, 0), RGB(0, 0, 200), 100, RGB(20, 10, 180)},   // 10 % of a, not all
        {RGB(255, 255, 255), RGB(0, 0, 0), 165, RGB(42, 42, 42)},    // 16.5 %, rounded
        {RGB(255, 255, 255), RGB(0, 0, 0), 50, RGB(128, 128, 128)},  // (12750 + 50) / 100
        {RGB(10, 20, 30), RGB(40, 50, 60), 0, RGB(40, 50, 60)},
        {RGB(10, 20, 30), RGB(40, 50, 60), 1000, RGB(10, 20, 30)},
        {RGB(200, 0, 10), RGB(100, 255, 0), 1500, RGB(250, 0, 15)},  // beyond a: clamped
        {RGB(0, 255, 0), RGB(255, 0, 0), 2000, RGB(0, 255, 0)},
        {RGB(0, 0, 0), static_cast<COLORREF>(-1), 250, RGB(191, 191, 191)},   // towards white
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CXTPColorManager::BlendColors(c.a, c.b, c.nWeight))
            << std::hex << c.a << " " << c.b << " " << std::dec << c.nWeight;
}

TEST(ColorContrast, DistanceAndContrastTest)
{
    EXPECT_NEAR(440.85, CXTPColorManager::GetColorDistance(0, RGB(255, 255, 255)), 0.01);
    EXPECT_NEAR(390.0, CXTPColorManager::GetColorDistance(0, RGB(0, 255, 0)), 0.001);
    EXPECT_EQ(0.0f, CXTPColorManager::GetColorDistance(RGB(1, 2, 3), RGB(1, 2, 3)));

    struct Case
    {
        COLORREF a, b;
        BOOL bAdjust;
        int nThreshold;
        BOOL bContrast;
    };
    const Case cases[] = {
        {RGB(0, 0, 0), RGB(255, 255, 255), TRUE, 100, TRUE},
        {RGB(9, 9, 9), RGB(9, 9, 9), FALSE, 0, FALSE},          // equal: never more than 0
        {RGB(0, 0, 0), RGB(0, 0, 255), FALSE, 64, TRUE},        // 65 > 64
        {RGB(0, 0, 0), RGB(0, 0, 255), FALSE, 65, FALSE},       // not strictly above
        {RGB(0, 0, 0), RGB(0, 0, 255), TRUE, 40, FALSE},        // black doubles 40 to 80
        {RGB(255, 255, 255), RGB(255, 255, 0), TRUE, 64, TRUE}, // bright a: 64 stays 64
        {RGB(255, 255, 255), RGB(255, 255, 0), TRUE, 65, FALSE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.bContrast,
                  CXTPColorManager::HasContrast(c.a, c.b, c.bAdjust, c.nThreshold))
            << std::hex << c.a << " " << c.b << std::dec << " t=" << c.nThreshold;
}

TEST(ColorContrast, EnsureContrastMovesAlongTheRay)
{
    struct Case
    {
        COLORREF a, b;
        int nThreshold;
        COLORREF expected;
    };
    // Expected values from colortable.py's ensure_contrast.
    const Case cases[] = {
        {0xD1D8DB, 0xC8D0D4, 85, 0xA0A7AA},
        {0x000000, 0x202020, 100, 0x747474},  // towards white: b gets lighter
        {0xFFFFFF, 0xF0F0F0, 100, 0xC5C5C5},  // towards black: b gets darker
        {0x000000, 0x000000, 100, 0x747474},
    };
    for (const Case& c : cases)
    {
        COLORREF clr = CXTPColorManager::EnsureContrast(c.a, c.b, c.nThreshold);
        EXPECT_EQ(c.expected, clr) << std::hex << c.a << " " << c.b;
    }
}

// Two equal colours: a colour brighter than the adjusted threshold moves
// towards black by that distance, a darker one towards white.
TEST(ColorContrast, EnsureContrastOfEqualColoursTakesTheRuleDirection)
{
    struct Case
    {
        COLORREF a;
        int nThreshold;
        COLORREF expected;
    };
    // Expected values from colortable.py's ensure_contrast.
    const Case cases[] = {
        {0xC8D0D4, 50, 0xACB3B7},  {0x303030, 50, 0x010101},  {0x303030, 100, 0x8E8E8E},
        {0x808080, 100, 0x464646}, {0x404040, 30, 0x262626},  {0x17988C, 100, 0x0E5D55},
        {0x6A240A, 30, 0x110602},  {0x6A240A, 50, 0x8B5541},  {0xA56E3A, 180, 0xEDE2D7},
        {0x0000FF, 180, 0x8181FF}, {0xFFFF00, 100, 0xBFBF00}, {0xFFFFE1, 50, 0xE1E1C7},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CXTPColorManager::EnsureContrast(c.a, c.a, c.nThreshold))
            << std::hex << c.a << std::dec << " t=" << c.nThreshold;

    // The direction over greys and a colour cube: brightness and adjusted
    // threshold computed here from the weights 195 : 390 : 65.
    const int thresholds[] = {30, 50, 85, 100, 180};
    std::vector<COLORREF> colours;
    for (int v = 0; v < 256; v += 3)
        colours.push_back(RGB(v, v, v));
    for (int r = 0; r < 256; r += 51)
        for (int g = 0; g < 256; g += 51)
            for (int b = 0; b < 256; b += 51)
                colours.push_back(RGB(r, g, b));
    for (COLORREF a : colours) {
        double r = GetRValue(a) * 195.0 / 255, g = GetGValue(a) * 390.0 / 255,
               b = GetBValue(a) * 65.0 / 255;
        double dBrightness = sqrt(r * r + g * g + b * b);
        for (int t : thresholds) {
            double d = (2.0 - std::min(floor(dBrightness), 220.0) / 220.0) * t;
            COLORREF clr = CXTPColorManager::EnsureContrast(a, a, t);
            bool bDarker = d < dBrightness;
            bool bRight = clr != a;
            for (int shift = 0; shift < 24; shift += 8) {
                int before = (a >> shift) & 0xFF, after = (clr >> shift) & 0xFF;
                bRight = bRight && (bDarker ? after <= before : after >= before);
            }
            EXPECT_TRUE(bRight) << std::hex << a << " gives " << clr << std::dec << " t=" << t
                                << (bDarker ? ", should be darker" : ", should be lighter");
        }
    }
}

TEST(ColorContrast, EnsureContrastNeverTakesTheRootOfANegative)
{
    // Grey lies farther from the blue axis than the threshold: the nearest
    // point of the ray (the foot of the perpendicular) comes back, a real colour.
    EXPECT_EQ(RGB(0, 0, 128),
              CXTPColorManager::EnsureContrast(RGB(128, 128, 128), RGB(0, 0, 255), 10));
    // White seen from white is the origin itself: the ray has no direction.
    EXPECT_EQ(RGB(255, 255, 255),
              CXTPColorManager::EnsureContrast(RGB(0, 255, 0), RGB(255, 255, 255), 1));
}

TEST(ColorContrast, LimitContrast)
{
    // Moves b towards a until the distance is the adjusted threshold.
    COLORREF a = RGB(255, 255, 255);
    COLORREF b = RGB(0, 0, 0);
    COLORREF clr = CXTPColorManager::LimitContrast(a, b, 100);
    EXPECT_NEAR(100.0, CXTPColorManager::GetColorDistance(a, clr), 1.5);
    EXPECT_EQ(RGB(197, 197, 197), clr);
    // No distance: b comes back unchanged instead of a division by zero.
    EXPECT_EQ(RGB(12, 34, 56),
              CXTPColorManager::LimitContrast(RGB(12, 34, 56), RGB(12, 34, 56), 50));
}

TEST(PaintManagerColor, EffectiveValueAndGradients)
{
    CXTPPaintManagerColor clr;
    EXPECT_EQ(static_cast<COLORREF>(-1), COLORREF(clr));
    EXPECT_FALSE(clr.HasValue());
    clr.SetStandardValue(0x112233);
    EXPECT_EQ(0x112233u, COLORREF(clr));
    clr.SetCustomValue(0x445566);
    EXPECT_EQ(0x445566u, COLORREF(clr));
    EXPECT_EQ(0x112233u, clr.GetStandardColor());

    CXTPPaintManagerColorGradient grc(0xABCDEF);
    EXPECT_EQ(0xABCDEFu, COLORREF(grc.clrLight));
    EXPECT_EQ(0xABCDEFu, COLORREF(grc.clrDark));
    EXPECT_EQ(0.5f, grc.fGradientFactor);

    CXTPPaintManagerColorGradient other;
    other.SetStandardValue(1, 2, 0.25f);
    other.clrDark.SetCustomValue(3);
    grc.SetStandardFrom(other);
    EXPECT_EQ(1u, grc.clrLight.GetStandardColor());
    EXPECT_EQ(3u, grc.clrDark.GetStandardColor());
    EXPECT_FALSE(grc.clrDark.IsCustomValue());
    EXPECT_EQ(0.25f, grc.fGradientFactor);
    grc.SetSolid(7);
    EXPECT_EQ(7u, COLORREF(grc.clrDark));
    EXPECT_EQ(0.5f, grc.fGradientFactor);
}

} // namespace
