// The native look: with visual styles on, each element equals the same part
// and state drawn straight through the visual-styles wrapper into a second
// DIB; with styles off or the library missing, every result, sizes included,
// equals the classic theme's. Runs in all three style configurations.
#include "toolkit/draw/NativeXPTheme.h"

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

class NativeXPThemeTest : public testing::TestWithParam<CThemeColorSet>
{
protected:
    NativeXPThemeTest() : m_colors(GetParam().pColors)
    {
        m_native.RefreshMetrics();
        m_classic.RefreshMetrics();
        m_toolbar.OpenThemeData(nullptr, L"TOOLBAR");
        m_rebar.OpenThemeData(nullptr, L"REBAR");
    }

    // The part drawn straight through the wrapper.
    static void DrawPart(CXTPWinThemeWrapper& theme, CTestDib& dib, int nPart, int nState,
                         CRect rc)
    {
        theme.DrawThemeBackground(dib->GetSafeHdc(), nPart, nState, &rc, nullptr);
    }

    CThemeColorScope m_colors;
    CXTPNativeXPTheme m_native;
    CXTPDefaultTheme m_classic;
    CXTPWinThemeWrapper m_toolbar;
    CXTPWinThemeWrapper m_rebar;
};

struct StateCase
{
    int nSelected, nPressed;
    BOOL bEnabled;
    int nChecked;
    BOOL bPopuped;
    int nState;   // TOOLBAR button state when styles are on
};

const StateCase s_states[] = {
    {0, 0, TRUE, 0, FALSE, 1},  {1, 0, TRUE, 0, FALSE, 2},  {1, 1, TRUE, 0, FALSE, 3},
    {0, 2, TRUE, 0, FALSE, 3},  {0, 0, TRUE, 0, TRUE, 3},   {0, 0, TRUE, 1, FALSE, 5},
    {1, 0, TRUE, 1, FALSE, 6},  {0, 0, TRUE, 2, FALSE, 1},  {1, 1, TRUE, 1, FALSE, 3},
    {0, 0, FALSE, 0, FALSE, 4}, {0, 0, FALSE, 1, FALSE, 3},
};

TEST_P(NativeXPThemeTest, ButtonFacesAreToolbarPartsOrClassic)
{
    EXPECT_EQ(ThemeStylesOn() ? TRUE : FALSE, m_native.IsThemeInForce());
    for (const StateCase& c : s_states)
    {
        CRect rc(0, 0, 24, 22);
        CTestDib native(24, 22, MARK), reference(24, 22, MARK);
        m_native.DrawButtonFace(&native.DC(), rc, c.nSelected, c.nPressed, c.bEnabled,
                                c.nChecked, c.bPopuped, xtpBarTypeNormal, xtpBarTop);
        if (ThemeStylesOn())
            DrawPart(m_toolbar, reference, 1, c.nState, rc);
        else
            m_classic.DrawButtonFace(&reference.DC(), rc, c.nSelected, c.nPressed, c.bEnabled,
                                     c.nChecked, c.bPopuped, xtpBarTypeNormal, xtpBarTop);
        EXPECT_EQ("", FirstDifference(native, reference))
            << c.nSelected << c.nPressed << c.bEnabled << c.nChecked << c.bPopuped;
    }
}

TEST_P(NativeXPThemeTest, BarsGrippersAndSeparators)
{
    CTestBar top(1, xtpBarTop), left(1, xtpBarLeft);
    ASSERT_TRUE(top.CreateHidden(120, 30));
    ASSERT_TRUE(left.CreateHidden(30, 120));
    CXTPControl* pControl = top.GetControls()->Add(xtpControlButton, 1);
    pControl->SetRect(CRect(30, 2, 54, 24));
    pControl->SetRowRect(CRect(2, 2, 118, 24));

    CTestDib native(120, 120, MARK), reference(120, 120, MARK);
    CSize szNative = m_native.DrawCommandBarGripper(&native.DC(), &top, TRUE);
    CSize szLeft = m_native.DrawCommandBarGripper(&native.DC(), &left, FALSE);
    m_native.DrawCommandBarSeparator(&native.DC(), &top, pControl, TRUE);
    if (ThemeStylesOn())
    {
        EXPECT_EQ(CSize(8, 0), szNative);
        EXPECT_EQ(CSize(0, 8), szLeft);
        DrawPart(m_rebar, reference, 1, 1, CRect(2, 0, 8, 30));
        DrawPart(m_toolbar, reference, 5, 1, CRect(24, 2, 30, 24));
    }
    else
    {
        EXPECT_EQ(m_classic.DrawCommandBarGripper(&reference.DC(), &top, TRUE), szNative);
        EXPECT_EQ(m_classic.DrawCommandBarGripper(&reference.DC(), &left, FALSE), szLeft);
        EXPECT_EQ(CSize(6, 0), szNative);
        m_classic.DrawCommandBarSeparator(&reference.DC(), &top, pControl, TRUE);
    }
    EXPECT_EQ("", FirstDifference(native, reference));
    EXPECT_EQ(m_classic.DrawCommandBarSeparator(nullptr, &top, pControl, FALSE),
              m_native.DrawCommandBarSeparator(nullptr, &top, pControl, FALSE));

    // A docked toolbar: the band part and the edge colours, or classic.
    native.Fill(MARK);
    reference.Fill(MARK);
    m_native.FillCommandBar(&native.DC(), &left);
    if (ThemeStylesOn())
    {
        reference->FillSolidRect(0, 0, 30, 120, m_native.ResolveColor(COLOR_3DFACE));
        DrawPart(m_rebar, reference, 3, 0, CRect(0, 0, 30, 120));
        reference->Draw3dRect(0, 0, 30, 120, m_native.m_clrEdgeHighlightColor,
                              m_native.m_clrEdgeShadowColor);
    }
    else
    {
        m_classic.FillCommandBar(&reference.DC(), &left);
    }
    EXPECT_EQ("", FirstDifference(native, reference));
    top.GetControls()->RemoveAll();
}

TEST_P(NativeXPThemeTest, FrameRectsAndPopupBackground)
{
    CTestBar popup(xtpBarTypePopup, xtpBarPopup);
    ASSERT_TRUE(popup.CreateHidden(100, 60));
    CXTPControl* pControl = popup.GetControls()->Add(xtpControlButton, 1);
    CRect rcNative(10, 10, 50, 30), rcClassic(rcNative);
    m_native.AdjustControlFrameRect(rcNative, pControl, FALSE);
    m_classic.AdjustControlFrameRect(rcClassic, pControl, FALSE);
    EXPECT_EQ(ThemeStylesOn() ? CRect(13, 7, 47, 33) : rcClassic, rcNative);

    CTestDib native(100, 60, MARK), reference(100, 60, MARK);
    m_native.FillCommandBar(&native.DC(), &popup);
    if (ThemeStylesOn() && m_native.m_bFlatMenus)
    {
        EXPECT_EQ(m_native.ResolveColor(COLOR_3DSHADOW), native.Pixel(0, 0));
        EXPECT_EQ(m_native.ResolveColor(COLOR_MENU), native.Pixel(50, 30));
    }
    else if (!ThemeStylesOn())
    {
        m_classic.FillCommandBar(&reference.DC(), &popup);
        EXPECT_EQ("", FirstDifference(native, reference));
    }
    popup.GetControls()->RemoveAll();
}

INSTANTIATE_TEST_SUITE_P(ColorSets, NativeXPThemeTest, testing::ValuesIn(g_themeColorSets),
                         [](const testing::TestParamInfo<CThemeColorSet>& info) {
                             return std::string(info.param.pszName);
                         });

TEST(NativeXPThemeFlatMenus, MenuHighlightFollowsTheFlatMenuSetting)
{
    // The classic set with a menu highlight of its own.
    COLORREF sysColors[THEME_SYS_COLOR_COUNT];
    std::copy(g_classicSysColors, g_classicSysColors + THEME_SYS_COLOR_COUNT, sysColors);
    sysColors[COLOR_MENUHILIGHT] = RGB(10, 200, 30);
    CThemeColorScope colors(sysColors);
    CXTPNativeXPTheme::SetFlatMenuOverride(0);
    CXTPNativeXPTheme theme;
    theme.RefreshMetrics();
    EXPECT_FALSE(theme.m_bFlatMenus);
    EXPECT_EQ(theme.ResolveColor(COLOR_HIGHLIGHT), theme.ResolveColor(COLOR_MENUHILIGHT));

    CXTPNativeXPTheme::SetFlatMenuOverride(1);
    theme.RefreshMetrics();
    EXPECT_TRUE(theme.m_bFlatMenus);
    EXPECT_EQ(RGB(10, 200, 30), theme.ResolveColor(COLOR_MENUHILIGHT));
    CXTPNativeXPTheme::SetFlatMenuOverride(-1);

    EXPECT_EQ(xtpThemeNativeWinXP, theme.BaseTheme());
    EXPECT_TRUE(theme.m_bThemedStatusBar);
    EXPECT_TRUE(theme.m_bThemedCheckBox);
    EXPECT_TRUE(theme.GetIconOptions()->bFadedInactive);
}

} // namespace
