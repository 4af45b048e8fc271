// The groups of the selected tab across a table of widths: which group is
// at which reduction level, the scroll buttons, the clamped scroll offset,
// the spreading of a column's free height, and a group that claims to
// shrink without getting narrower.
#include "RibbonTestSupport.h"

#include "framework/ui/Dc.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonGroupPopup.h"
#include "toolkit/extras/RibbonTab.h"

namespace {

// Groups: A two large buttons; B four small ones; C three small ones.
// Widths by level (-1, 0, 1, 2, 3; "-" = no reduction at that level):
//   A 202, 150, 50, -, 42      B 302, -, 102, -, 42      C 302, -, 102, 50, 42
class RibbonGroupLayoutTest : public RibbonTestBase
{
protected:
    void SetUp() override
    {
        RibbonTestBase::SetUp();
        CXTPRibbonTab* pTab = m_pRibbon->AddTab("&Start");
        m_pA = pTab->AddGroup("", 1);
        m_pB = pTab->AddGroup("", 2);
        m_pC = pTab->AddGroup("", 3);
        for (int i = 0; i < 2; ++i)
            AddButton(m_pA, 100 + i, xtpButtonIconAndCaptionBelow);
        for (int i = 0; i < 4; ++i)
            AddButton(m_pB, 200 + i, xtpButtonIconAndCaption);
        for (int i = 0; i < 3; ++i)
            AddButton(m_pC, 300 + i, xtpButtonIconAndCaption);
        m_pRibbon->SelectTab(0);
    }

    // The groups laid out in an area of the width at the ribbon's margins.
    void LayoutGroupsIn(int nWidth)
    {
        CClientDC dc(nullptr);
        m_pRibbon->LayoutGroups(&dc, CRect(0, kTop, nWidth, kTop + m_pRibbon->GetGroupsHeight()),
                                CRect(4, 3, 6, 3));
    }

    static const int kTop = 22;
    CXTPRibbonGroup* m_pA = nullptr;
    CXTPRibbonGroup* m_pB = nullptr;
    CXTPRibbonGroup* m_pC = nullptr;
};

TEST_F(RibbonGroupLayoutTest, ReductionFollowsTheWidthsFromTheLowestLevelAndTheLastGroup)
{
    const struct
    {
        int nWidth;
        int nA, nB, nC;
        BOOL bLeft, bRight;
    } kCases[] = {
        {830, -1, -1, -1, FALSE, FALSE}, // 820 fits the 820 available
        {829, 0, -1, -1, FALSE, FALSE},  // level 0: only A has large buttons
        {778, 0, -1, -1, FALSE, FALSE},
        {777, 0, -1, 1, FALSE, FALSE},   // level 1 from the last group
        {578, 0, -1, 1, FALSE, FALSE},
        {577, 0, 1, 1, FALSE, FALSE},
        {378, 0, 1, 1, FALSE, FALSE},
        {377, 1, 1, 1, FALSE, FALSE},
        {277, 1, 1, 2, FALSE, FALSE},    // only C narrows by three to a column
        {226, 1, 1, 2, FALSE, FALSE},
        {225, 1, 1, 3, FALSE, FALSE},    // the popup button (42) is narrower than 50
        {217, 1, 3, 3, FALSE, FALSE},
        {157, 3, 3, 3, FALSE, FALSE},
        {150, 3, 3, 3, FALSE, FALSE},    // 140 fits exactly
        {149, 3, 3, 3, FALSE, TRUE},     // nothing narrows further: scrolled
        {60, 3, 3, 3, FALSE, TRUE},
    };
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(c.nWidth);
        LayoutGroupsIn(c.nWidth);
        EXPECT_EQ(c.nA, m_pA->GetReductionLevel());
        EXPECT_EQ(c.nB, m_pB->GetReductionLevel());
        EXPECT_EQ(c.nC, m_pC->GetReductionLevel());
        EXPECT_EQ(c.bLeft, m_pRibbon->GetScrollButton(1)->IsVisible());
        EXPECT_EQ(c.bRight, m_pRibbon->GetScrollButton(0)->IsVisible());
        // Reduced groups show their button, the others their controls.
        for (CXTPRibbonGroup* pGroup : {m_pA, m_pB, m_pC})
        {
            EXPECT_EQ(pGroup->IsReduced(), pGroup->GetControlGroupPopup()->IsVisible());
            EXPECT_EQ(!pGroup->IsReduced(), pGroup->GetAt(0)->IsVisible());
        }
        // Groups follow each other 7 pixels apart, the first 4 pixels in.
        EXPECT_EQ(4 - m_pRibbon->GetGroupsScrollPos(), m_pA->GetRect().left);
        EXPECT_EQ(m_pA->GetRect().right + 2, m_pB->GetRect().left);
        EXPECT_EQ(m_pB->GetRect().right + 2, m_pC->GetRect().left);
    }
}

// A group of one width that does not shrink.
class CFixedWidthGroup : public CXTPRibbonGroup
{
public:
    explicit CFixedWidthGroup(int nWidth) : m_nFixedWidth(nWidth) {}
    void OnBeforeLayout(CDC*) override {}
    int GetWidth(CDC*) override { return m_nFixedWidth; }
    BOOL Reduce(CDC*, int) override { return FALSE; }

private:
    int m_nFixedWidth;
};

TEST_F(RibbonGroupLayoutTest, TheScrollOffsetStopsWhereTheLastGroupMeetsTheRightEdge)
{
    CXTPRibbonGroup* pWide = m_pRibbon->GetTab(0)->AddGroup(new CFixedWidthGroup(1000));
    LayoutAt(600);
    // 42 + 42 + 42 + 1000 and three gaps of 7: 1147 pixels in 590.
    EXPECT_EQ(3, m_pA->GetReductionLevel());
    EXPECT_EQ(0, m_pRibbon->GetGroupsScrollPos());
    EXPECT_FALSE(m_pRibbon->GetScrollButton(1)->IsVisible());
    EXPECT_TRUE(m_pRibbon->GetScrollButton(0)->IsVisible());

    m_pRibbon->SetGroupsScrollPos(1000);
    EXPECT_EQ(1147 - 590, m_pRibbon->GetGroupsScrollPos());
    EXPECT_EQ(4 - (1147 - 590), m_pA->GetRect().left);
    // The group's rectangle is 5 pixels wider than its width.
    EXPECT_EQ(600 - 6, pWide->GetRect().right - 5);
    EXPECT_TRUE(m_pRibbon->GetScrollButton(1)->IsVisible());
    EXPECT_FALSE(m_pRibbon->GetScrollButton(0)->IsVisible());
    const CRect rcGroups = m_pRibbon->GetGroupsRect();
    EXPECT_EQ(CRect(-1, rcGroups.top, 12, rcGroups.bottom), m_pRibbon->GetScrollButton(1)->GetRect());
    EXPECT_EQ(CRect(588, rcGroups.top, 601, rcGroups.bottom), m_pRibbon->GetScrollButton(0)->GetRect());

    // Scrolling back stops at 0; a tab change starts from 0.
    m_pRibbon->ScrollGroups(-5000);
    EXPECT_EQ(0, m_pRibbon->GetGroupsScrollPos());
    m_pRibbon->SetGroupsScrollPos(100);
    m_pRibbon->AddTab("Zweite");
    m_pRibbon->SelectTab(1);
    m_pRibbon->SelectTab(0);
    EXPECT_EQ(0, m_pRibbon->GetGroupsScrollPos());
}

TEST_F(RibbonGroupLayoutTest, AColumnsFreeHeightGoesEvenlyAboveBetweenAndBelow)
{
    LayoutGroupsIn(900);
    // Groups 86 high with a 17-pixel caption: 66 pixels for the columns.
    const int nTop = kTop + 3 + 2;
    // B's first column: two buttons of 22, free 22, steps of 7.
    EXPECT_EQ(nTop + 7, m_pB->GetAt(0)->GetRect().top);
    EXPECT_EQ(nTop + 22 + 14, m_pB->GetAt(1)->GetRect().top);
    // C's second column holds one button: centred.
    EXPECT_EQ(nTop + 22, m_pC->GetAt(2)->GetRect().top);
    EXPECT_EQ(m_pC->GetAt(0)->GetRect().right + 2, m_pC->GetAt(2)->GetRect().left);
    // A large button fills its column.
    EXPECT_EQ(nTop, m_pA->GetAt(0)->GetRect().top);
    EXPECT_EQ(kLargeButton, m_pA->GetAt(0)->GetRect().Size());

    // Kept at the top: no spreading.
    m_pB->SetKeepTop(TRUE);
    LayoutGroupsIn(900);
    EXPECT_EQ(nTop, m_pB->GetAt(0)->GetRect().top);
    EXPECT_EQ(nTop + 22, m_pB->GetAt(1)->GetRect().top);
}

// A group that answers every reduction with TRUE but never gets narrower.
class CStubbornGroup : public CXTPRibbonGroup
{
public:
    void OnBeforeLayout(CDC*) override {}
    int GetWidth(CDC*) override { return 1000; }
    BOOL Reduce(CDC*, int) override
    {
        ++m_nCalls;
        return TRUE;
    }
    void OnPlace(const CRect&) override {}
    void OnAfterLayout() override {}
    int m_nCalls = 0;
};

TEST_F(RibbonGroupLayoutTest, AGroupThatShrinksNothingEndsTheReduction)
{
    CStubbornGroup* pStubborn = new CStubbornGroup;
    m_pRibbon->GetTab(0)->AddGroup(pStubborn);
    LayoutGroupsIn(300);
    // One pass over the levels per real reduction of the others, then the end.
    EXPECT_LT(pStubborn->m_nCalls, 100);
    EXPECT_EQ(3, m_pA->GetReductionLevel());
    EXPECT_TRUE(m_pRibbon->GetScrollButton(0)->IsVisible());
}

} // namespace
