// The ribbon drawn into a memory DIB: the bar's face, the groups area, a
// group's client and caption and the selected tab from the test style
// module's images (a context tab's from its own), and, without a module
// and under the classic theme, the plain fills of its own ribbon theme.
#include "RibbonTestSupport.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "office2007/ThemeStyleImages.h"
#include "office2007/ThemeStyleScope.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonTab.h"

namespace {

const COLORREF MARK = RGB(1, 2, 3);

class RibbonPaintTest : public RibbonTestBase
{
protected:
    void SetUp() override
    {
        RibbonTestBase::SetUp();
        CXTPRibbonTab* pStart = m_pRibbon->AddTab("Start");
        m_pGroup = pStart->AddGroup("", 1);
        AddButton(m_pGroup, 100, xtpButtonIconAndCaptionBelow);
        CXTPRibbonTab* pContext = m_pRibbon->AddTab("Tabelle");
        pContext->SetContextColor(xtpRibbonTabContextColorGreen);
        pContext->SetContextCaption("Tabellentools");
        AddButton(pContext->AddGroup("", 2), 200, xtpButtonIconAndCaptionBelow);
        m_pRibbon->SelectTab(0);
    }
    void TearDown() override
    {
        RibbonTestBase::TearDown();
        SetPaintTheme(xtpThemeOffice2000);
    }
    // The ribbon laid out 600 wide and drawn into the DIB.
    void Draw(CTestDib& dib)
    {
        LayoutAt(600);
        m_pRibbon->DrawCommandBar(&dib.DC(), CRect(0, 0, dib.Width(), dib.Height()));
    }

    CXTPRibbonGroup* m_pGroup = nullptr;
};

TEST_F(RibbonPaintTest, WithTheModuleEachPartComesFromItsImage)
{
    CThemeStyleScope style(true);
    CXTPRibbonTheme* pTheme = new CXTPRibbonTheme;
    SetCurrentPaintManager(pTheme);
    CTestDib dib(600, 115, MARK);
    Draw(dib);

    const COLORREF clrFace = GetOffice2007StyleResources()->LookupColor("Ribbon", "RibbonFace");
    EXPECT_EQ(clrFace, dib.Pixel(1, 5));
    const CRect rcGroups = m_pRibbon->GetGroupsRect();
    EXPECT_EQ(ThemeImageColor("RIBBONGROUPS", 0), dib.Pixel(rcGroups.right - 20, rcGroups.CenterPoint().y));
    const CRect rcGroup = m_pGroup->GetRect();
    EXPECT_EQ(ThemeImageColor("RIBBONGROUPCAPTION", 0), dib.Pixel(rcGroup.left + 3, rcGroup.bottom - 8));
    EXPECT_EQ(ThemeImageColor("RIBBONGROUPCLIENT", 0), dib.Pixel(rcGroup.right - 3, rcGroup.top + 10));
    // The selected tab, neither hot nor focused: frame 3 of 6.
    const CRect rcTab = m_pRibbon->GetTab(0)->GetRect();
    EXPECT_EQ(ThemeImageColor("RIBBONTAB", 3), dib.Pixel(rcTab.left + 2, rcTab.top + 4));

    // A context tab selected: its own tab image (frame 3 of 5) and groups area.
    m_pRibbon->SelectTab(1);
    CTestDib context(600, 115, MARK);
    Draw(context);
    const CRect rcContextTab = m_pRibbon->GetTab(1)->GetRect();
    EXPECT_EQ(ThemeImageColor("CONTEXTTABGREEN", 3), context.Pixel(rcContextTab.left + 3, rcContextTab.top + 4));
    EXPECT_EQ(ThemeImageColor("CONTEXTTABGREENCLIENT", 0),
              context.Pixel(rcGroups.right - 20, rcGroups.CenterPoint().y));
}

TEST_F(RibbonPaintTest, UnderTheClassicThemeWithoutAModuleItsOwnThemeFillsPlainly)
{
    CDistinctSysColors colors;
    CThemeStyleScope style(false);
    SetCurrentPaintManager(new CTestTheme);
    ASSERT_NE(xtpThemeRibbon, XTPPaintManager()->BaseTheme());
    m_pRibbon->GetRibbonTheme()->RefreshMetrics();
    CTestDib dib(600, 115, MARK);
    Draw(dib);
    EXPECT_EQ(CDistinctSysColors::ColorOf(COLOR_3DFACE), dib.Pixel(1, 5));
    const CRect rcGroups = m_pRibbon->GetGroupsRect();
    EXPECT_EQ(CDistinctSysColors::ColorOf(COLOR_3DHILIGHT), dib.Pixel(rcGroups.right - 20, rcGroups.CenterPoint().y));
    EXPECT_EQ(CDistinctSysColors::ColorOf(COLOR_3DSHADOW), dib.Pixel(rcGroups.right - 1, rcGroups.CenterPoint().y));
    // The group: framed in the shadow colour, its caption strip in the face.
    const CRect rcGroup = m_pGroup->GetRect();
    EXPECT_EQ(CDistinctSysColors::ColorOf(COLOR_3DSHADOW), dib.Pixel(rcGroup.left, rcGroup.CenterPoint().y));
    EXPECT_EQ(CDistinctSysColors::ColorOf(COLOR_3DFACE), dib.Pixel(rcGroup.left + 3, rcGroup.bottom - 8));
}

} // namespace
