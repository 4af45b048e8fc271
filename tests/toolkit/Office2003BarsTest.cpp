// The Office 2003 look's other bars: a floating toolbar with its caption
// gap and gradient body, a toolbar docked at the left, the dock areas (the
// right one solid), and the status-bar pane border and size grip.
#include "toolkit/draw/Office2003Theme.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/draw/ScopedDC.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const COLORREF MARK = RGB(1, 2, 3);

class Office2003BarsTest : public testing::TestWithParam<CThemeColorSet>
{
protected:
    Office2003BarsTest() : m_colors(GetParam().pColors, 1) { m_theme.RefreshMetrics(); }
    COLORREF C(int n) const { return m_theme.ResolveColor(n); }
    // The blue palette's toolbar face.
    static COLORREF FacePixel(const CRect& rc, BOOL bHorz, CPoint pt)
    {
        return ReferenceGradientPixel(rc, 0xfeecdd, 0xe2a981, 0.75f, bHorz, pt);
    }

    CThemeColorScope m_colors;
    CXTPOffice2003Theme m_theme;
};

TEST_P(Office2003BarsTest, FloatingToolbarBody)
{
    CTestBar bar(xtpBarTypeNormal, xtpBarFloating);
    bar.SetFlags(xtpFlagAlignTop | xtpFlagAlignLeft);
    ASSERT_TRUE(bar.CreateHidden(100, 60));
    CTestDib dib(100, 60, MARK);
    m_theme.FillCommandBar(&dib.DC(), &bar);
    int cyCaption;
    {
        CXTPFontDC font(&dib.DC(), m_theme.GetSmCaptionFont());
        cyCaption = dib->GetTextExtent(" ", 1).cy;
    }
    int yTop = cyCaption < 15 ? 17 : cyCaption + 2;
    for (int i : {0, 1, 2})
    {
        EXPECT_EQ(C(61), dib.Pixel(i, i)) << i;
        EXPECT_EQ(C(61), dib.Pixel(99 - i, 59 - i)) << i;
    }
    EXPECT_EQ(C(30), dib.Pixel(50, yTop - 1));
    CRect rcBody(2, yTop, 98, 58);
    for (int y : {yTop, (yTop + 58) / 2, 57})
        EXPECT_EQ(FacePixel(rcBody, FALSE, CPoint(50, y)), dib.Pixel(50, y)) << y;

    // Without a docking side it is the Office theme's floating bar.
    bar.SetFlags(0);
    m_theme.FillCommandBar(&dib.DC(), &bar);
    EXPECT_EQ(C(30), dib.Pixel(50, 57));
}

TEST_P(Office2003BarsTest, LeftToolbarAndDockAreas)
{
    CTestBar bar(xtpBarTypeNormal, xtpBarLeft);
    ASSERT_TRUE(bar.CreateHidden(30, 100));
    CTestDib dib(30, 100, MARK);
    m_theme.FillCommandBar(&dib.DC(), &bar);
    CRect rcBody(1, 0, 29, 100);
    for (int x : {1, 14, 28})
        EXPECT_EQ(FacePixel(rcBody, TRUE, CPoint(x, 50)), dib.Pixel(x, 50)) << x;
    // The shadow runs down the right edge from y 5, 93 long; the top rows
    // are the dock face.
    EXPECT_EQ(0x9c613bU, dib.Pixel(29, 5));
    EXPECT_EQ(0x9c613bU, dib.Pixel(29, 97));
    EXPECT_NE(0x9c613bU, dib.Pixel(29, 98));
    EXPECT_EQ(dib.Pixel(14, 0), dib.Pixel(14, 2));

    // Dock areas: the right one solid in the face's second end, the others
    // a horizontal gradient from its first end.
    CTestBar host(xtpBarTypeNormal, xtpBarTop);
    ASSERT_TRUE(host.CreateHidden(300, 300));
    for (DWORD dwSide : {XTP_DOCKBAR_STYLE_RIGHT, XTP_DOCKBAR_STYLE_LEFT})
    {
        CXTPDockBar dock;
        ASSERT_TRUE(dock.Create(&host, dwSide, 0xE81B));
        dock.MoveWindow(0, 0, 40, 100, FALSE);
        CTestDib area(40, 100, MARK);
        m_theme.FillDockBar(&area.DC(), &dock);
        if (dwSide == XTP_DOCKBAR_STYLE_RIGHT)
        {
            EXPECT_EQ(0xfadac4U, area.Pixel(0, 50));
            EXPECT_EQ(0xfadac4U, area.Pixel(39, 99));
        }
        else
        {
            EXPECT_TRUE(ColorsClose(0xf5be9e, area.Pixel(0, 50), 2));
        }
    }
}

TEST_P(Office2003BarsTest, StatusPaneBorderAndGripper)
{
    CTestDib dib(40, 20, MARK);
    m_theme.DrawStatusBarPaneBorder(&dib.DC(), CRect(0, 0, 40, 20), FALSE);
    EXPECT_EQ(0xd3d3d3U, dib.Pixel(0, 0));
    EXPECT_EQ(0xd3d3d3U, dib.Pixel(39, 19));
    EXPECT_EQ(MARK, dib.Pixel(1, 1));

    dib.Fill(MARK);
    m_theme.DrawStatusBarGripper(&dib.DC(), CRect(0, 0, 40, 20));
    if (ThemeStylesOn())
    {
        CTestDib reference(40, 20, MARK);
        CXTPWinThemeWrapper status;
        status.OpenThemeData(nullptr, L"STATUS");
        CRect rc(22, 0, 40, 20);
        status.DrawThemeBackground(reference->GetSafeHdc(), 3, 0, &rc, nullptr);
        EXPECT_EQ("", FirstDifference(dib, reference));
        return;
    }
    // Group 0 from (38, 19) to (40, 17), group 1 from (35, 19) to (40, 14);
    // the light lines from (37, 19) and (32, 19).
    EXPECT_EQ(C(16), dib.Pixel(39, 19));
    EXPECT_EQ(C(16), dib.Pixel(36, 18));
    EXPECT_EQ(C(20), dib.Pixel(38, 18));
    EXPECT_EQ(C(20), dib.Pixel(33, 18));
    EXPECT_EQ(MARK, dib.Pixel(20, 10));
}

INSTANTIATE_TEST_SUITE_P(ColorSets, Office2003BarsTest, testing::ValuesIn(g_themeColorSets),
                         [](const testing::TestParamInfo<CThemeColorSet>& info) {
                             return std::string(info.param.pszName);
                         });

} // namespace
