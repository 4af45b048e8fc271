// Drop shadows of popup bars: the alpha bytes of the strips for the light
// and the normal shadow, the strip windows beside a bar, meeting strips and
// the parts cut away over other bars and the excluded rectangle, shadows
// following their bar's visibility and end, the cases that make none, and
// the solid strips without layered windows. The screen under a layered
// window cannot be read back here, so the images are checked in memory and
// the windows by their rectangles and regions.
#include "toolkit/commandbars/ShadowsManager.h"

#include "BarTestSupport.h"
#include "framework/ui/WndClass.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class ShadowsManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pManager = XTPShadowsManager();
        ASSERT_EQ(0, m_pManager->GetShadowCount());
        ASSERT_TRUE(m_site.CreateEx(0, AfxRegisterWndClass(0), "Rahmen", WS_POPUP, 0, 0, 10, 10,
                                    nullptr, nullptr));
        m_settings.nShadowOptions = xtpShadowOfficeAlpha;
        m_settings.hWndSite = m_site.m_hWnd;
    }
    void TearDown() override
    {
        m_bars.clear();
        m_site.DestroyWindow();
        m_pManager->SetUpdateLayeredWindow(m_pfnSystem);
        EXPECT_EQ(0, m_pManager->GetShadowCount());
    }

    // A shown popup bar at a screen rectangle.
    HWND Bar(const CRect& rect)
    {
        auto pBar = std::make_unique<CWnd>();
        EXPECT_TRUE(pBar->CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "Leiste",
                                   WS_POPUP | WS_VISIBLE, rect.left, rect.top, rect.Width(),
                                   rect.Height(), m_site.m_hWnd, nullptr));
        HWND hWnd = pBar->m_hWnd;
        m_bars.push_back(std::move(pBar));
        return hWnd;
    }

    // The shadow strip of the bar, bottom or right.
    CXTPShadowsManager::CShadowWnd* Strip(HWND hWndBar, BOOL bBottom) const
    {
        for (INT_PTR i = 0; i < m_pManager->GetShadowCount(); ++i)
        {
            CXTPShadowsManager::CShadowWnd* pShadow = m_pManager->GetShadow(i);
            if (pShadow->GetBar() == hWndBar && pShadow->IsBottom() == bBottom)
                return pShadow;
        }
        return nullptr;
    }

    // Whether a point (window coordinates) is left in the strip's region;
    // a strip without a region keeps everything.
    static bool Keeps(CWnd* pShadow, int x, int y)
    {
        HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
        bool bKeeps = ::GetWindowRgn(pShadow->m_hWnd, hRegion) == ERROR || ::PtInRegion(hRegion, x, y);
        ::DeleteObject(hRegion);
        return bKeeps;
    }

    CXTPShadowsManager* m_pManager = nullptr;
    CXTPShadowsManager::PFNUPDATELAYEREDWINDOW m_pfnSystem = XTPShadowsManager()->GetUpdateLayeredWindow();
    CWnd m_site;
    XTP_SHADOW_SETTINGS m_settings;
    std::vector<std::unique_ptr<CWnd>> m_bars;
};

// Alpha = 3k × j × (5 − i): i counts from the bar outward, j is the corner
// step from the strip's end (5 beyond the corners); the colour is scaled by
// j × (5 − i) / 20.
TEST(ShadowImage, AlphaBytesOfNormalAndLightStrips)
{
    const COLORREF clr = RGB(200, 100, 40);
    struct Case
    {
        BOOL bBottom;
        int cx;
        int cy;
        int k;
        int x;
        int y;
        DWORD dwPixel;
    };
    const Case cases[] = {
        // An 8-wide bottom strip is its two corners: j = 1 2 3 4 4 3 2 1.
        { TRUE, 8, 4, 2, 0, 0, 0x18281408 },   // j 1, i 1: alpha 24, f 4/20
        { TRUE, 8, 4, 2, 3, 0, 0x60A05020 },   // j 4, i 1: alpha 96, f 16/20
        { TRUE, 8, 4, 2, 4, 0, 0x60A05020 },
        { TRUE, 8, 4, 2, 7, 3, 0x060A0502 },   // j 1, i 4: alpha 6, f 1/20
        { TRUE, 8, 4, 1, 3, 0, 0x30A05020 },   // light: half the alpha, same colour
        { TRUE, 12, 4, 2, 5, 0, 0x78C86428 },  // middle, i 1: alpha 60k, f 1
        { TRUE, 12, 4, 1, 6, 2, 0x1E643214 },  // middle, i 3: alpha 30k, f 2/4
        // A 4-high right strip is its top corner: j by the row.
        { FALSE, 4, 4, 2, 0, 3, 0x60A05020 },
        { FALSE, 4, 4, 2, 3, 0, 0x060A0502 },
        { FALSE, 4, 9, 2, 0, 8, 0x78C86428 },  // below the corner
        { FALSE, 4, 9, 1, 1, 6, 0x2D964B1E },  // i 2: alpha 45, f 3/4
        // Shorter than two corners: the fainter corner counts.
        { TRUE, 5, 4, 2, 2, 0, 0x48783C18 },   // j 3
        { TRUE, 3, 4, 2, 1, 0, 0x30502810 },   // j 2
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.dwPixel, CXTPShadowsManager::ShadowPixel(c.bBottom, c.x, c.y, c.cx, c.cy, c.k, clr))
            << (c.bBottom ? "bottom " : "right ") << c.cx << "x" << c.cy << " k " << c.k << " at "
            << c.x << "," << c.y;
}

TEST_F(ShadowsManagerTest, LayeredStripsBesideTheBarFollowIt)
{
    ASSERT_TRUE(m_pManager->IsAlphaShadow());
    HWND hBar = Bar(CRect(100, 100, 200, 300));
    m_pManager->SetShadow(hBar, m_settings);
    ASSERT_EQ(2, m_pManager->GetShadowCount());
    CXTPShadowsManager::CShadowWnd* pBottom = Strip(hBar, TRUE);
    CXTPShadowsManager::CShadowWnd* pRight = Strip(hBar, FALSE);
    ASSERT_NE(nullptr, pBottom);
    ASSERT_NE(nullptr, pRight);
    EXPECT_EQ(CRect(104, 300, 204, 304), WindowRect(pBottom));
    EXPECT_EQ(CRect(200, 104, 204, 300), WindowRect(pRight));
    for (CWnd* pStrip : { static_cast<CWnd*>(pBottom), static_cast<CWnd*>(pRight) })
    {
        EXPECT_TRUE(pStrip->GetExStyle() & WS_EX_LAYERED);
        EXPECT_TRUE(pStrip->GetExStyle() & WS_EX_TOPMOST);
        EXPECT_TRUE(pStrip->IsWindowVisible());
        EXPECT_EQ(HTTRANSPARENT, pStrip->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(150, 302)));
    }

    ::ShowWindow(hBar, SW_HIDE);
    EXPECT_FALSE(pBottom->IsWindowVisible());
    EXPECT_FALSE(pRight->IsWindowVisible());
    ::ShowWindow(hBar, SW_SHOWNA);
    EXPECT_TRUE(pBottom->IsWindowVisible());

    HWND hBottom = pBottom->m_hWnd;
    ::DestroyWindow(hBar);
    EXPECT_EQ(0, m_pManager->GetShadowCount());
    EXPECT_FALSE(::IsWindow(hBottom));

    // RemoveShadow takes them away while the bar stays.
    HWND hOther = Bar(CRect(300, 100, 400, 200));
    m_pManager->SetShadow(hOther, m_settings);
    EXPECT_EQ(2, m_pManager->GetShadowCount());
    m_pManager->RemoveShadow(hOther);
    EXPECT_EQ(0, m_pManager->GetShadowCount());
    EXPECT_TRUE(::IsWindow(hOther));
}

TEST_F(ShadowsManagerTest, CasesWithoutShadows)
{
    HWND hBar = Bar(CRect(100, 100, 200, 300));
    BOOL bDropShadow = FALSE;
    ::SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &bDropShadow, 0);

    XTP_SHADOW_SETTINGS noOption = m_settings;
    noOption.nShadowOptions = 0;   // only with the system's drop shadows
    XTP_SHADOW_SETTINGS customizing = m_settings;
    customizing.bCustomizeMode = TRUE;
    XTP_SHADOW_SETTINGS switchedOff = m_settings;
    switchedOff.bShowShadow = FALSE;
    struct Case
    {
        const char* pszName;
        const XTP_SHADOW_SETTINGS& settings;
        INT_PTR nShadows;
    };
    const Case cases[] = {
        { "system setting", noOption, bDropShadow ? 2 : 0 },
        { "customise mode", customizing, 0 },
        { "paint manager off", switchedOff, 0 },
    };
    for (const Case& c : cases)
    {
        m_pManager->SetShadow(hBar, c.settings);
        EXPECT_EQ(c.nShadows, m_pManager->GetShadowCount()) << c.pszName;
        m_pManager->RemoveShadow(hBar);
    }

    // A control's shadows need both option bits.
    m_pManager->SetShadow(CRect(100, 80, 160, 100), hBar, m_settings);
    EXPECT_EQ(0, m_pManager->GetShadowCount());
    XTP_SHADOW_SETTINGS both = m_settings;
    both.nShadowOptions = xtpShadowOfficeAlpha | xtpShadowCutExclude;
    m_pManager->SetShadow(CRect(100, 80, 160, 100), hBar, both);
    ASSERT_EQ(2, m_pManager->GetShadowCount());
    EXPECT_EQ(CRect(160, 84, 164, 100), WindowRect(Strip(hBar, FALSE)));
}

TEST_F(ShadowsManagerTest, MeetingStripsAndCutsOverOtherBars)
{
    HWND hMenu = Bar(CRect(100, 100, 200, 300));
    m_pManager->SetShadow(hMenu, m_settings);
    // A submenu whose bottom strip starts one pixel inside the menu's right
    // strip: lengthened to the left by twice that strip's width plus one,
    // and cut where it lies over the menu.
    HWND hSubmenu = Bar(CRect(199, 150, 300, 250));
    m_pManager->SetShadow(hSubmenu, m_settings);
    CWnd* pSubBottom = Strip(hSubmenu, TRUE);
    ASSERT_NE(nullptr, pSubBottom);
    EXPECT_EQ(CRect(194, 250, 304, 254), WindowRect(pSubBottom));
    EXPECT_FALSE(Keeps(pSubBottom, 3, 1));    // over the menu
    EXPECT_TRUE(Keeps(pSubBottom, 6, 1));
    EXPECT_TRUE(Keeps(Strip(hSubmenu, FALSE), 1, 1));

    // A bar below whose right strip starts one pixel above the menu's
    // bottom strip's lower edge: lengthened upward by twice its height.
    HWND hBelow = Bar(CRect(120, 299, 150, 400));
    m_pManager->SetShadow(hBelow, m_settings);
    EXPECT_EQ(CRect(150, 295, 154, 400), WindowRect(Strip(hBelow, FALSE)));
}

TEST_F(ShadowsManagerTest, ExcludedRectangleIsCutWithOptionBit2)
{
    HWND hBar = Bar(CRect(100, 100, 200, 300));
    const CRect rcExclude(100, 290, 150, 320);
    for (int nOptions : { int(xtpShadowOfficeAlpha), xtpShadowOfficeAlpha | xtpShadowCutExclude })
    {
        XTP_SHADOW_SETTINGS settings = m_settings;
        settings.nShadowOptions = nOptions;
        m_pManager->SetShadow(hBar, settings, &rcExclude);
        CWnd* pBottom = Strip(hBar, TRUE);
        ASSERT_NE(nullptr, pBottom);
        bool bCut = (nOptions & xtpShadowCutExclude) != 0;
        EXPECT_EQ(!bCut, Keeps(pBottom, 45, 1)) << nOptions;   // x 149
        EXPECT_TRUE(Keeps(pBottom, 46, 1)) << nOptions;        // x 150
        m_pManager->RemoveShadow(hBar);
    }
}

TEST_F(ShadowsManagerTest, SolidStripsWithoutLayeredWindows)
{
    m_pManager->SetUpdateLayeredWindow(nullptr);
    EXPECT_FALSE(m_pManager->IsAlphaShadow());
    HWND hBar = Bar(CRect(100, 100, 200, 300));
    m_pManager->SetShadow(hBar, m_settings);
    CWnd* pBottom = Strip(hBar, TRUE);
    CWnd* pRight = Strip(hBar, FALSE);
    ASSERT_NE(nullptr, pBottom);
    ASSERT_NE(nullptr, pRight);
    EXPECT_EQ(CRect(102, 300, 202, 302), WindowRect(pBottom));
    EXPECT_EQ(CRect(200, 102, 202, 300), WindowRect(pRight));
    EXPECT_FALSE(pBottom->GetExStyle() & WS_EX_LAYERED);
}

} // namespace
