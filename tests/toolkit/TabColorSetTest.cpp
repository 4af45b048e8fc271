// The colour sets' entries on two sets of system colours and under the
// visual-style schemes (through the colour manager's seams), the style
// resources of the 2007 set, and the pixels the sets paint: the checker of
// a pressed state button, palette colours of tabs, and the 2003 navigate
// button frames.
#include "TabTestSupport.h"
#include "TestDib.h"

#include "framework/core/String.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/Office2007StyleResources.h"
#include "toolkit/extras/TabColorSets.h"
#include "toolkit/extras/TabNavigateButton.h"

#include "office2007/StyleModules.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

namespace {

using CColorSet = CXTPTabPaintManager::CColorSet;

COLORREF FirstSysColors(int nIndex)
{
    return RGB(10 + nIndex * 7, 200 - nIndex * 5, 40 + nIndex * 6);
}

COLORREF SecondSysColors(int nIndex)
{
    return RGB(250 - nIndex * 3, 30 + nIndex * 4, 120 + nIndex);
}

// The scheme names the colour manager is shown; 0 none.
int g_nScheme;

BOOL FakeThemeNames(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor)
{
    static const wchar_t* s_colors[] = {L"", L"NormalColor", L"HomeStead", L"Metallic"};
    if (g_nScheme == 0)
        return FALSE;
    wcsncpy(pszFile, L"C:\\Windows\\Resources\\Themes\\Luna\\Luna.msstyles", cchFile - 1);
    wcsncpy(pszColor, s_colors[g_nScheme], cchColor - 1);
    return TRUE;
}

COLORREF Resolve(COLORREF clr)
{
    return CColorSet::Resolve(clr);
}

class TabColorSetTest : public testing::Test
{
protected:
    void TearDown() override
    {
        CXTPColorManager::SetSysColorHook(nullptr);
        CXTPColorManager::SetThemeNameSource(nullptr);
        RefreshSystemColors();
    }

    // System colours from the hook and the scheme, then the strip's colours
    // built again.
    void Use(CXTPColorManager::SysColorHook pfnHook, int nScheme)
    {
        m_pfnHook = pfnHook;
        g_nScheme = nScheme;
        CXTPColorManager::SetSysColorHook(pfnHook);
        CXTPColorManager::SetThemeNameSource(FakeThemeNames);
        RefreshSystemColors();
        m_strip.m_pPaintManager->RefreshMetrics();
    }

    COLORREF Sys(int nIndex) const { return m_pfnHook(nIndex); }
    CColorSet* Set() const { return m_strip.m_pPaintManager->GetColorSet(); }

    CTestTabStrip m_strip;
    CXTPColorManager::SysColorHook m_pfnHook = FirstSysColors;
};

struct SchemeRow
{
    const char* pszName;
    CXTPPaintManagerColor CColorSet::*pEntry;
    COLORREF clr[3];   // blue, olive, silver
};

const SchemeRow s_schemeRows[] = {
    {"frame border", &CColorSet::m_clrFrameBorder,
     {RGB(59, 97, 156), RGB(96, 128, 88), RGB(124, 124, 148)}},
    {"selected frame", &CColorSet::m_clrSelectedFrame,
     {RGB(59, 97, 156), RGB(96, 128, 88), RGB(124, 124, 148)}},
    {"3D dark shadow", &CColorSet::m_clrButtonDarkShadow,
     {RGB(0, 53, 154), RGB(96, 119, 107), RGB(118, 116, 146)}},
    {"tab outline", &CColorSet::m_clrTabOutline,
     {RGB(0, 53, 154), RGB(96, 119, 107), RGB(118, 116, 146)}},
    {"3D shadow", &CColorSet::m_clrButtonShadow,
     {RGB(117, 166, 241), RGB(176, 194, 140), RGB(186, 185, 206)}},
    {"tab highlight", &CColorSet::m_clrTabHighlight,
     {RGB(117, 166, 241), RGB(176, 194, 140), RGB(186, 185, 206)}},
    {"tab shadow", &CColorSet::m_clrTabShadow,
     {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)}},
    {"normal face", &CColorSet::m_clrButtonNormal,
     {RGB(162, 192, 246), RGB(208, 222, 170), RGB(217, 217, 230)}},
    {"selected face", &CColorSet::m_clrButtonSelected,
     {RGB(255, 194, 115), RGB(255, 194, 115), RGB(255, 194, 115)}},
    {"hot face", &CColorSet::m_clrButtonHighlighted,
     {RGB(255, 240, 201), RGB(255, 240, 199), RGB(255, 238, 194)}},
    {"pressed face", &CColorSet::m_clrButtonPressed,
     {RGB(254, 142, 75), RGB(254, 142, 75), RGB(254, 142, 75)}},
};

const COLORREF s_headerFaces[3][2] = {
    {RGB(196, 218, 250), RGB(252, 253, 254)},
    {RGB(242, 241, 228), RGB(252, 254, 254)},
    {RGB(243, 243, 247), RGB(252, 254, 254)},
};

} // namespace

TEST_F(TabColorSetTest, DefaultAndToolWindowSetsOnTwoSystemColourSets)
{
    for (auto pfnHook : {FirstSysColors, SecondSysColors})
    {
        Use(pfnHook, 0);
        m_strip.m_pPaintManager->SetColor(1);
        EXPECT_EQ(Sys(COLOR_3DSHADOW), Resolve(Set()->m_clrFrameBorder));
        EXPECT_EQ(Sys(COLOR_3DFACE), Resolve(Set()->m_clrHeaderFace.clrLight));
        EXPECT_EQ(Sys(COLOR_3DSHADOW), Resolve(Set()->m_clrStateButtonBorder.clrLight));

        // The trapezoid set changes three faces of the default colours.
        m_strip.m_pPaintManager->SetAppearance(7);
        ASSERT_EQ(2, m_strip.m_pPaintManager->GetColor());
        m_strip.m_pPaintManager->SetColor(1);
        EXPECT_EQ(Sys(COLOR_3DFACE), Resolve(Set()->m_clrButtonSelected));
        EXPECT_EQ(Sys(COLOR_WINDOW), Resolve(Set()->m_clrButtonNormal));
        EXPECT_EQ(Sys(COLOR_BTNTEXT), Resolve(Set()->m_clrFrameBorder));

        // Tool-window colours: header from entry 48, text from 49 with set 5.
        m_strip.m_pPaintManager->SetAppearance(5);
        ASSERT_EQ(2, m_strip.m_pPaintManager->GetColor());
        EXPECT_EQ(Resolve(48), Resolve(Set()->m_clrHeaderFace.clrLight));
        EXPECT_EQ(Resolve(49), Resolve(Set()->m_clrButtonText));
        EXPECT_EQ(Resolve(49), Resolve(Set()->m_clrInactiveText));
        // The base colours, not the default set's.
        EXPECT_EQ(Sys(COLOR_WINDOW), Resolve(Set()->m_clrStateButtonFace.clrLight));
        m_strip.m_pPaintManager->SetAppearance(4);
        EXPECT_EQ(Sys(COLOR_3DFACE), Resolve(Set()->m_clrHeaderFace.clrLight));
        EXPECT_EQ(Sys(COLOR_BTNTEXT), Resolve(Set()->m_clrButtonText));
        m_strip.m_pPaintManager->SetAppearance(0);
    }
}

TEST_F(TabColorSetTest, OfficeSetFollowsTheScheme)
{
    for (auto pfnHook : {FirstSysColors, SecondSysColors})
    {
        for (int nScheme = 1; nScheme <= 3; ++nScheme)
        {
            SCOPED_TRACE(nScheme);
            Use(pfnHook, nScheme);
            m_strip.m_pPaintManager->SetColor(4);
            auto* pOffice = static_cast<CXTPTabPaintManager::CColorSetOffice2003*>(Set());
            EXPECT_TRUE(pOffice->m_bLunaTheme);
            for (const SchemeRow& row : s_schemeRows)
                EXPECT_EQ(row.clr[nScheme - 1], Resolve(Set()->*row.pEntry)) << row.pszName;
            EXPECT_EQ(s_headerFaces[nScheme - 1][0], Resolve(Set()->m_clrHeaderFace.clrLight));
            EXPECT_EQ(s_headerFaces[nScheme - 1][1], Resolve(Set()->m_clrHeaderFace.clrDark));
            EXPECT_EQ(Resolve(Set()->m_clrFrameBorder), Resolve(Set()->m_excel[0].clrOutline));
            EXPECT_EQ(static_cast<COLORREF>(-1), Set()->m_excel[1].clrInnerLight.GetColor());
            EXPECT_EQ(Sys(COLOR_BTNTEXT), Resolve(Set()->m_clrHighlightText));
        }
        // No scheme: the selected face is entry 36, the header a blend.
        Use(pfnHook, 0);
        auto* pOffice = static_cast<CXTPTabPaintManager::CColorSetOffice2003*>(Set());
        EXPECT_FALSE(pOffice->m_bLunaTheme);
        EXPECT_EQ(Resolve(36), Resolve(Set()->m_clrButtonSelected));
        EXPECT_EQ(Resolve(33), Resolve(Set()->m_clrButtonPressed));
        EXPECT_EQ(Sys(COLOR_3DFACE), Resolve(Set()->m_clrHeaderFace.clrLight));
        EXPECT_EQ(CXTPColorManager::BlendColors(Sys(COLOR_3DFACE), Sys(COLOR_WINDOW), 205),
                  Resolve(Set()->m_clrHeaderFace.clrDark));
        // Scheme colours suppressed: the selected face stays the default one.
        Use(pfnHook, 1);
        m_strip.m_pPaintManager->SetDisableLunaColors(TRUE);
        EXPECT_EQ(Sys(COLOR_3DFACE), Resolve(Set()->m_clrButtonSelected));
        m_strip.m_pPaintManager->SetDisableLunaColors(FALSE);
        // State buttons keep a plain header.
        m_strip.m_pPaintManager->SetAppearance(4);
        m_strip.m_pPaintManager->SetColor(4);
        EXPECT_EQ(Sys(COLOR_3DFACE), Resolve(Set()->m_clrHeaderFace.clrLight));
        EXPECT_EQ(Sys(COLOR_3DFACE), Resolve(Set()->m_clrHeaderFace.clrDark));
        m_strip.m_pPaintManager->SetAppearance(0);
    }
}

TEST_F(TabColorSetTest, AppearanceInstallsItsColourSet)
{
    CXTPTabPaintManager* pPaint = m_strip.m_pPaintManager;
    pPaint->SetColor(16);
    const struct { int nAppearance; int nColor; } cases[] = {
        {0, 1}, {1, 1}, {2, 1}, {3, 4}, {4, 2}, {5, 2}, {6, 2}, {7, 2}, {8, 1}, {9, 4}, {12, 1},
    };
    for (const auto& c : cases)
    {
        pPaint->SetColor(32);
        pPaint->SetAppearance(c.nAppearance);
        EXPECT_EQ(c.nColor, pPaint->GetColor()) << c.nAppearance;
    }
    const struct { int nColor; int nMask; } masks[] = {{0, 13}, {2, 7}, {3, 21}, {4, 31}, {8, 5}};
    for (const auto& m : masks)
    {
        pPaint->SetAppearance(m.nColor);
        EXPECT_EQ(m.nMask, pPaint->GetAppearanceSet()->GetSupportedMask()) << m.nColor;
    }
}

TEST_F(TabColorSetTest, WhidbeySetWithAndWithoutSchemeColours)
{
    for (int nScheme = 0; nScheme <= 3; ++nScheme)
    {
        SCOPED_TRACE(nScheme);
        Use(FirstSysColors, nScheme);
        m_strip.m_pPaintManager->SetDisableLunaColors(TRUE);
        m_strip.m_pPaintManager->SetColor(16);
        auto* pSet = static_cast<CXTPTabPaintManager::CColorSetWhidbey*>(Set());
        EXPECT_EQ(Sys(COLOR_WINDOW), Resolve(Set()->m_clrButtonSelected));
        EXPECT_EQ(Sys(COLOR_WINDOWTEXT), Resolve(Set()->m_clrSelectedText));
        EXPECT_EQ(Resolve(57), Resolve(Set()->m_clrFrameBorder));
        EXPECT_EQ(nScheme != 0, pSet->m_bGradientButton);
        COLORREF clrHeader = nScheme == 3   ? RGB(238, 238, 238)
                             : nScheme != 0 ? RGB(228, 226, 213)
                                            : Sys(COLOR_3DFACE);
        EXPECT_EQ(clrHeader, Resolve(Set()->m_clrHeaderFace.clrLight));
        EXPECT_EQ(nScheme == 3 ? RGB(245, 245, 248) : Sys(COLOR_3DFACE),
                  Resolve(Set()->m_clrButtonNormal));

        // With scheme colours the whole 2003 set applies.
        m_strip.m_pPaintManager->SetDisableLunaColors(FALSE);
        if (nScheme != 0)
        {
            EXPECT_EQ(s_schemeRows[0].clr[nScheme - 1], Resolve(Set()->m_clrFrameBorder));
        }
    }
}

TEST_F(TabColorSetTest, Office2007SetWithAndWithoutStyleModule)
{
    Use(FirstSysColors, 0);
    CXTPOffice2007StyleResources* pResources = GetOffice2007StyleResources();
    ASSERT_FALSE(pResources->IsLoaded());
    m_strip.m_pPaintManager->SetColor(32);
    for (const SchemeRow& row : s_schemeRows)
    {
        if (row.pEntry != &CColorSet::m_clrButtonPressed && row.pEntry != &CColorSet::m_clrTabShadow)
        {
            EXPECT_EQ(row.clr[0], Resolve(Set()->*row.pEntry)) << row.pszName;
        }
    }
    EXPECT_EQ(Resolve(33), Resolve(Set()->m_clrButtonPressed));
    EXPECT_EQ(Sys(COLOR_BTNTEXT), Resolve(Set()->m_clrHighlightText));
    EXPECT_TRUE(static_cast<CXTPTabPaintManager::CColorSetOffice2003*>(Set())->m_bLunaTheme);

    // A module without the tab sections: those entries are unset, the rest
    // of the 2003 values stay.
    pResources->LoadStyleModule(StyleModulePath("StyleModule.dll"));
    ASSERT_TRUE(pResources->IsLoaded());
    m_strip.m_pPaintManager->RefreshMetrics();
    EXPECT_EQ(static_cast<COLORREF>(-1), Set()->m_clrFrameBorder.GetColor());
    EXPECT_EQ(static_cast<COLORREF>(-1), Set()->m_clrHeaderFace.clrDark.GetColor());
    EXPECT_EQ(static_cast<COLORREF>(-1), Set()->m_clrButtonSelected.GetColor());
    EXPECT_EQ(RGB(0, 0, 0), Resolve(Set()->m_clrHighlightText));
    EXPECT_EQ(RGB(255, 255, 255), Resolve(Set()->m_clrTabShadow));
    EXPECT_EQ(Resolve(36), Resolve(Set()->m_clrStateButtonFace.clrLight));
    pResources->SetHandle(nullptr, nullptr, FALSE);
}

TEST_F(TabColorSetTest, StateButtonsShowTheCheckerAndItemColours)
{
    Use(FirstSysColors, 0);
    CXTPTabPaintManager* pPaint = m_strip.m_pPaintManager;
    pPaint->SetAppearance(4);
    pPaint->SetColor(1);
    m_strip.SetLayoutRect(CRect(0, 0, 300, 60));
    m_strip.AddTab("Erste");
    m_strip.AddTab("Zweite");
    m_strip.SetCurSel(0);
    CTestDib dib(300, 60);
    m_strip.DrawInto(&dib.DC());
    CRect rc = m_strip.GetItem(0)->GetRect();
    // Inside the frame, away from the caption: alternate pixels.
    int x = rc.left + 2, y = rc.top + 2;
    COLORREF a = dib.Pixel(x, y), b = dib.Pixel(x + 1, y);
    EXPECT_TRUE((a == Sys(COLOR_3DFACE) && b == Sys(COLOR_3DHIGHLIGHT)) ||
                (a == Sys(COLOR_3DHIGHLIGHT) && b == Sys(COLOR_3DFACE)));
    EXPECT_EQ(a, dib.Pixel(x + 1, y + 1));
    EXPECT_EQ(b, dib.Pixel(x, y + 1));
    // The frame: state-button border, first colour top and left.
    EXPECT_EQ(Sys(COLOR_3DSHADOW), dib.Pixel(rc.left, rc.top + 3));
    EXPECT_EQ(Sys(COLOR_3DHIGHLIGHT), dib.Pixel(rc.right - 1, rc.top + 3));
    // The other tab: an etched separator at its far end.
    CRect rc1 = m_strip.GetItem(1)->GetRect();
    EXPECT_EQ(Sys(COLOR_3DSHADOW), dib.Pixel(rc1.right - 2, rc1.CenterPoint().y));
    EXPECT_EQ(Sys(COLOR_3DHIGHLIGHT), dib.Pixel(rc1.right - 1, rc1.CenterPoint().y));

    // Item colours: the selected button in its own palette colour, and the
    // flat set fills each tab with its colour.
    pPaint->SetItemColors(TRUE);
    m_strip.GetItem(0)->SetColor(xtpTabColorGreen);
    m_strip.GetItem(1)->SetColor(xtpTabColorOrange);
    dib.Fill(RGB(255, 255, 255));
    m_strip.DrawInto(&dib.DC());
    EXPECT_EQ(RGB(189, 205, 159), dib.Pixel(rc.left + 2, rc.top + 2));
    pPaint->SetAppearance(6);
    pPaint->SetItemColors(TRUE);
    dib.Fill(RGB(255, 255, 255));
    m_strip.DrawInto(&dib.DC());
    rc1 = m_strip.GetItem(1)->GetRect();
    EXPECT_EQ(RGB(247, 182, 131), dib.Pixel(rc1.left + 2, rc1.top + 2));
    CRect rcClient = m_strip.CXTPTabManager::GetClientRect();
    EXPECT_EQ(RGB(189, 205, 159), dib.Pixel(rcClient.CenterPoint().x, rcClient.CenterPoint().y));
}

TEST_F(TabColorSetTest, OfficeNavigateButtonFrames)
{
    Use(FirstSysColors, 1);
    CXTPTabPaintManager* pPaint = m_strip.m_pPaintManager;
    pPaint->SetAppearance(3);
    m_strip.SetLayoutRect(CRect(0, 0, 120, 60));
    for (int i = 0; i < 6; ++i)
        m_strip.AddTab("Registerkarte");
    CXTPTabManagerNavigateButton* pRight = m_strip.FindNavigateButton(xtpTabNavigateButtonRight);
    ASSERT_TRUE(pRight->IsVisible());
    CRect rc = pRight->GetRect();
    // A hot button: with the scheme a gradient framed in the scheme's
    // navigate-button border, without it entries 32 and 31 and glyph 45.
    struct FrameCase
    {
        int nScheme;
        COLORREF clrBorder;
    };
    const FrameCase cases[] = {{1, RGB(0, 0, 128)}, {0, 0}};
    for (const FrameCase& c : cases)
    {
        Use(FirstSysColors, c.nScheme);
        COLORREF clrBorder = c.nScheme ? c.clrBorder : Resolve(31);
        CTestDib dib(120, 60);
        CRect rcFrame = rc;
        dib.DC().SetTextColor(RGB(1, 1, 1));
        CPoint ptInside = rc.CenterPoint();
        pRight->PerformMouseMove(nullptr, ptInside);
        ASSERT_TRUE(pRight->IsHighlighted());
        Set()->DrawNavigateButtonFrame(&dib.DC(), pRight, rcFrame);
        EXPECT_EQ(clrBorder, dib.Pixel(rc.left, rc.CenterPoint().y)) << c.nScheme;
        EXPECT_EQ(c.nScheme ? Sys(COLOR_BTNTEXT) : Resolve(45), dib.DC().GetTextColor());
        pRight->PerformMouseMove(nullptr, CPoint(-5, -5));
    }
}

namespace {

// Whether this run has visual styles ("on" unless QIV_EXPECT_STYLES says
// "off" or "missing").
bool StylesExpected()
{
    const char* psz = getenv("QIV_EXPECT_STYLES");
    return !psz || strcmp(psz, "on") == 0;
}

} // namespace

TEST_F(TabColorSetTest, VisualStyleSetThemedAndPlain)
{
    Use(FirstSysColors, 0);
    CXTPTabPaintManager* pPaint = m_strip.m_pPaintManager;
    pPaint->SetColor(8);
    m_strip.SetLayoutRect(CRect(0, 0, 300, 80));
    m_strip.AddTab("Erste");
    m_strip.AddTab("Zweite");
    m_strip.AddTab("Dritte");
    m_strip.SetCurSel(1);
    BOOL bThemed = StylesExpected();
    ASSERT_EQ(bThemed, Set()->IsAppThemed());
    if (bThemed)
    {
        // The themed parts carry their own edges.
        EXPECT_EQ(static_cast<COLORREF>(-1), Set()->m_clrButtonHighlight.GetColor());
        EXPECT_EQ(static_cast<COLORREF>(-1), Set()->m_clrButtonDarkShadow.GetColor());
        EXPECT_EQ(Resolve(Set()->m_clrButtonText), Resolve(Set()->m_clrHighlightText));
    }
    else
    {
        EXPECT_EQ(Sys(COLOR_3DHIGHLIGHT), Resolve(Set()->m_clrButtonHighlight));
        EXPECT_EQ(RGB(0, 0, 128), Resolve(Set()->m_clrHighlightText));
    }
    for (int nPosition = 0; nPosition < 4; ++nPosition)
    {
        SCOPED_TRACE(nPosition);
        pPaint->SetPosition(nPosition);
        m_strip.SetLayoutRect(nPosition % 2 ? CRect(0, 0, 80, 300) : CRect(0, 0, 300, 80));
        m_strip.Reposition();
        const COLORREF clrBack = RGB(1, 2, 3);
        CTestDib dib(300, 300, clrBack);
        CXTPTabManagerItem* pItem = m_strip.GetItem(2);
        CRect rc = pItem->GetRect();
        COLORREF clrFill = Set()->FillItem(&dib.DC(), rc, pItem);
        CPoint c = rc.CenterPoint();
        if (bThemed)
        {
            // The part is drawn (turned for the other positions) and no
            // single colour is reported.
            EXPECT_EQ(static_cast<COLORREF>(-1), clrFill);
            EXPECT_NE(clrBack, dib.Pixel(c.x, c.y));
        }
        else
        {
            EXPECT_EQ(Sys(COLOR_3DFACE), clrFill);
            EXPECT_EQ(Sys(COLOR_3DFACE), dib.Pixel(c.x, c.y));
        }
        // The whole strip draws in either case.
        dib.Fill(clrBack);
        m_strip.DrawInto(&dib.DC());
        EXPECT_NE(clrBack, dib.Pixel(c.x, c.y));
    }
}
