// Tab layout by the paint manager: shrinking to fit, multi-row fills, fixed
// and compressed lengths, the scroll pull-back and the arrows. Tab lengths
// are chosen by the test (an appearance set that measures a tab by its data
// value) or measured from captions in the paint manager's font.
#include "TabTestSupport.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/TabNavigateButton.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

class TabLayoutTest : public testing::Test
{
protected:
    TabLayoutTest() { m_strip.m_pPaintManager->SetAppearanceSetObject(new CFixedLengthAppearance()); }

    void SetLengths(const std::vector<int>& arrLengths)
    {
        m_strip.DeleteAllItems();
        for (int nLength : arrLengths)
        {
            CXTPTabManagerItem* pItem = new CXTPTabManagerItem();
            pItem->SetData(static_cast<DWORD_PTR>(nLength));
            m_strip.InsertItem(-1, pItem);
        }
    }

    std::vector<int> Lengths() const
    {
        std::vector<int> arr;
        for (int i = 0; i < m_strip.GetItemCount(); ++i)
            arr.push_back(m_strip.GetItem(i)->GetRect().Width());
        return arr;
    }

    std::vector<int> Rows() const
    {
        std::vector<int> arr;
        for (int i = 0; i < m_strip.GetItemCount(); ++i)
            arr.push_back(m_strip.GetItem(i)->GetItemRow());
        return arr;
    }

    CTestTabStrip m_strip;
};

// Header margin of the property-page sets: 2 before the first tab, 6 after
// the last one.
const int MARGIN_LEFT = 2;
const int MARGIN_RIGHT = 6;

} // namespace

TEST_F(TabLayoutTest, SizeToFitTakesFromTheLongestTabs)
{
    struct FitCase
    {
        std::vector<int> arrLengths;
        int nAvailable;
        std::vector<int> arrExpected;
    };
    const FitCase cases[] = {
        {{100, 60, 40}, 150, {55, 55, 40}},
        {{30, 30}, 50, {25, 25}},
        {{40, 100, 60}, 150, {40, 55, 55}},
        {{200}, 90, {90}},
        {{50, 20}, 100, {50, 20}},
        // Uneven shares: what the division leaves goes a pixel each, so the
        // tabs end exactly at the available length.
        {{50, 50, 50}, 100, {34, 33, 33}},
        {{90, 80, 10}, 149, {70, 69, 10}},
    };
    m_strip.m_pPaintManager->SetLayoutMode(xtpTabLayoutSizeToFit);
    for (const FitCase& c : cases)
    {
        m_strip.SetLayoutRect(CRect(0, 0, c.nAvailable + MARGIN_LEFT + MARGIN_RIGHT, 100));
        SetLengths(c.arrLengths);
        EXPECT_EQ(c.arrExpected, Lengths()) << c.nAvailable;
        EXPECT_EQ(MARGIN_LEFT, m_strip.GetItem(0)->GetRect().left);
        for (int i = 1; i < m_strip.GetItemCount(); ++i)
            EXPECT_EQ(m_strip.GetItem(i - 1)->GetRect().right, m_strip.GetItem(i)->GetRect().left);
        // The arrows stay hidden in this layout.
        EXPECT_FALSE(m_strip.FindNavigateButton(xtpTabNavigateButtonRight)->IsVisible());
    }
}

TEST_F(TabLayoutTest, MultiRowFillsEvenRowsNextToTheSelection)
{
    // The header's far end is one pixel in: 120 pixels are available.
    m_strip.SetLayoutRect(CRect(0, 0, 120 + MARGIN_LEFT + MARGIN_RIGHT + 1, 200));
    m_strip.m_pPaintManager->SetLayoutMode(xtpTabLayoutMultiRow);
    SetLengths({50, 50, 50, 50, 50});
    EXPECT_EQ((std::vector<int>{0, 1, 1, 2, 2}), Rows());
    EXPECT_EQ((std::vector<int>{120, 60, 60, 60, 60}), Lengths());
    ASSERT_EQ(3, m_strip.GetRowTable().GetRowCount());
    EXPECT_EQ(std::make_pair(1, 2), m_strip.GetRowTable()[1]);

    // Rows overlap by two pixels; row 0 lies next to the client area.
    int h = m_strip.m_pPaintManager->GetAppearanceSet()->GetButtonHeight(&m_strip);
    int nTop = 3;   // header margin top
    EXPECT_EQ(nTop, m_strip.GetItem(3)->GetRect().top);
    EXPECT_EQ(nTop + (h - 2), m_strip.GetItem(1)->GetRect().top);
    EXPECT_EQ(nTop + 2 * (h - 2), m_strip.GetItem(0)->GetRect().top);
    EXPECT_EQ(nTop + 2 * (h - 2) + h, m_strip.GetHeaderRect().bottom);
    EXPECT_EQ(0, m_strip.GetScrollOffset());

    // Selecting a tab of the outer row brings its row next to the client.
    m_strip.SetCurSel(3);
    EXPECT_EQ((std::vector<int>{2, 1, 1, 0, 0}), Rows());
    m_strip.m_pPaintManager->SetMultiRowFixedSelection(TRUE);
    EXPECT_EQ((std::vector<int>{0, 1, 1, 2, 2}), Rows());

    // Without even rows the rows fill greedily and keep their lengths.
    m_strip.m_pPaintManager->SetMultiRowJustified(FALSE);
    EXPECT_EQ((std::vector<int>{0, 0, 1, 1, 2}), Rows());
    EXPECT_EQ((std::vector<int>{50, 50, 50, 50, 50}), Lengths());
}

// Even rows end flush, also where a tab alone in its row is longer than
// the row: it is shortened to the row and ends where the others end, and
// the header's margin beyond the rows holds no tab.
TEST_F(TabLayoutTest, MultiRowShortensALoneTabLongerThanItsRow)
{
    struct FlushCase
    {
        std::vector<int> arrLengths;
        int nSelected;
        std::vector<int> arrRows;
        std::vector<int> arrExpected;
    };
    const FlushCase cases[] = {
        {{105, 33, 105}, 2, {2, 1, 0}, {95, 95, 95}},
        {{150, 40, 40}, 0, {0, 1, 1}, {95, 47, 48}},
        {{40, 200, 30}, 1, {1, 0, 2}, {95, 95, 95}},
    };
    // 95 pixels are available along a header at the top that starts at 10.
    const CRect rcControl(10, 3, 10 + MARGIN_LEFT + 95 + MARGIN_RIGHT + 1, 200);
    m_strip.SetLayoutRect(rcControl);
    m_strip.m_pPaintManager->SetLayoutMode(xtpTabLayoutMultiRow);
    const int h = m_strip.m_pPaintManager->GetAppearanceSet()->GetButtonHeight(&m_strip);
    const int nRowEnd = rcControl.left + MARGIN_LEFT + 95;
    for (const FlushCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.arrLengths[0] << "/" << c.arrLengths[1] << "/" << c.arrLengths[2]);
        SetLengths(c.arrLengths);
        m_strip.SetCurSel(c.nSelected);
        EXPECT_EQ(c.arrRows, Rows());
        EXPECT_EQ(c.arrExpected, Lengths());
        for (int i = 0; i < m_strip.GetItemCount(); ++i)
        {
            const CRect rcItem = m_strip.GetItem(i)->GetRect();
            EXPECT_LE(rcItem.right, nRowEnd) << i;
            // The last tab of each row ends where the rows end.
            if (i + 1 == m_strip.GetItemCount() || m_strip.GetItem(i + 1)->GetItemRow() != c.arrRows[i])
                EXPECT_EQ(nRowEnd, rcItem.right) << i;
            // Past the rows' end, still inside the header, no tab answers.
            const CPoint ptBeyond(nRowEnd + 2, rcItem.CenterPoint().y);
            ASSERT_TRUE(m_strip.GetHeaderRect().PtInRect(ptBeyond));
            EXPECT_EQ(nullptr, m_strip.HitTest(ptBeyond)) << i;
            EXPECT_EQ(m_strip.GetItem(i), m_strip.HitTest(CPoint(rcItem.right - 2, rcItem.CenterPoint().y)));
        }
    }
    // The outer row of the first case as a rectangle: margins 2 and 3 from the control's corner.
    SetLengths({105, 33, 105});
    m_strip.SetCurSel(2);
    EXPECT_EQ(CRect(12, 6, 107, 6 + h), m_strip.GetItem(0)->GetRect());
}

TEST_F(TabLayoutTest, MultiRowStaysFastForManyTabs)
{
    // Retried fill states are remembered: 120 tabs that nearly fit in each
    // row would take exponential time otherwise.
    m_strip.SetLayoutRect(CRect(0, 0, 200, 400));
    m_strip.m_pPaintManager->SetLayoutMode(xtpTabLayoutMultiRow);
    std::vector<int> arrLengths;
    for (int i = 0; i < 120; ++i)
        arrLengths.push_back(37 + (i * 7) % 23);
    SetLengths(arrLengths);
    int nRows = m_strip.GetRowTable().GetRowCount();
    EXPECT_GT(nRows, 20);
    for (int i = 1; i < m_strip.GetItemCount(); ++i)
        EXPECT_GE(m_strip.GetItem(i)->GetItemRow(), m_strip.GetItem(i - 1)->GetItemRow());
}

TEST_F(TabLayoutTest, FixedAndCompressedLengths)
{
    CXTPTabPaintManager* pPaint = m_strip.m_pPaintManager;
    pPaint->SetAppearance(0);
    m_strip.SetLayoutRect(CRect(0, 0, 1000, 100));
    m_strip.AddTab("Kurz");
    m_strip.AddTab("Eine lange Überschrift");
    pPaint->SetLayoutMode(xtpTabLayoutFixed);
    EXPECT_EQ((std::vector<int>{70, 70}), Lengths());
    pPaint->SetMinTabWidth(100);
    EXPECT_EQ((std::vector<int>{100, 100}), Lengths());
    pPaint->SetMinTabWidth(0);
    pPaint->SetMaxTabWidth(50);
    EXPECT_EQ((std::vector<int>{50, 50}), Lengths());
    pPaint->SetMaxTabWidth(0);

    pPaint->SetButtonMargin(CRect(3, 0, 3, 0));
    pPaint->SetLayoutMode(xtpTabLayoutCompressed);
    m_strip.SetCurSel(0);
    // The selected tab takes the widest caption of all.
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CXTPFontDC font(&dc, pPaint->GetNormalFont());
    int nWidest = dc.GetTextExtent(CString("Eine lange Überschrift")).cx;
    EXPECT_EQ((std::vector<int>{12 + nWidest + 6, 8 + 6}), Lengths());
}

TEST_F(TabLayoutTest, ScrolledHeaderIsPulledBackWhenTheStripWidens)
{
    m_strip.SetLayoutRect(CRect(0, 0, 300, 100));
    SetLengths({100, 100, 100, 100, 100, 100});
    CXTPTabManagerNavigateButton* pLeft = m_strip.FindNavigateButton(xtpTabNavigateButtonLeft);
    CXTPTabManagerNavigateButton* pRight = m_strip.FindNavigateButton(xtpTabNavigateButtonRight);
    EXPECT_TRUE(pLeft->IsVisible());
    EXPECT_FALSE(pLeft->IsEnabled());
    EXPECT_TRUE(pRight->IsEnabled());

    m_strip.SetCurSel(5);
    ASSERT_LT(m_strip.GetScrollOffset(), 0);
    CRect rcHeader = m_strip.GetHeaderRect();
    EXPECT_EQ(rcHeader.right, m_strip.GetItem(5)->GetRect().right);
    EXPECT_TRUE(pLeft->IsEnabled());

    m_strip.SetLayoutRect(CRect(0, 0, 500, 100));
    m_strip.Reposition();
    rcHeader = m_strip.GetHeaderRect();
    EXPECT_EQ(rcHeader.right - MARGIN_RIGHT, m_strip.GetItem(5)->GetRect().right);
    EXPECT_TRUE(pLeft->IsVisible());

    // Everything fits again: offset 0 and both arrows hidden.
    m_strip.SetLayoutRect(CRect(0, 0, 700, 100));
    m_strip.Reposition();
    EXPECT_EQ(0, m_strip.GetScrollOffset());
    EXPECT_FALSE(pLeft->IsVisible());
    EXPECT_FALSE(pRight->IsVisible());

    // Scrolled back to the first tab.
    m_strip.SetLayoutRect(CRect(0, 0, 300, 100));
    m_strip.SetCurSel(4);
    ASSERT_LT(m_strip.GetScrollOffset(), 0);
    m_strip.SetCurSel(0);
    EXPECT_EQ(0, m_strip.GetScrollOffset());
}

TEST_F(TabLayoutTest, HeaderAndClientFollowThePosition)
{
    SetLengths({40, 40});
    m_strip.SetLayoutRect(CRect(0, 0, 200, 100));
    int h = m_strip.m_pPaintManager->GetAppearanceSet()->GetButtonHeight(&m_strip);
    int nThick = h + 3;   // header margin top 3, bottom 0
    struct PositionCase
    {
        int nPosition;
        CRect rcHeader;   // before the far end moves in and the buttons take room
        CRect rcClient;
        CRect rcFirstTab;
    };
    const PositionCase cases[] = {
        {xtpTabPositionTop, CRect(0, 0, 199, nThick), CRect(2, nThick - 1 + 2, 198, 98),
         CRect(2, 3, 42, 3 + h)},
        {xtpTabPositionBottom, CRect(0, 100 - nThick, 199, 100),
         CRect(2, 2, 198, 100 - nThick + 1 - 2), CRect(2, 100 - 3 - h, 42, 97)},
        {xtpTabPositionLeft, CRect(0, 0, nThick, 99), CRect(nThick - 1 + 2, 2, 198, 98),
         CRect(3, 2, 3 + h, 42)},
        {xtpTabPositionRight, CRect(200 - nThick, 0, 200, 99),
         CRect(2, 2, 200 - nThick + 1 - 2, 98), CRect(200 - 3 - h, 2, 197, 42)},
    };
    for (const PositionCase& c : cases)
    {
        m_strip.m_pPaintManager->SetPosition(c.nPosition);
        EXPECT_EQ(c.rcHeader, m_strip.GetHeaderRect()) << c.nPosition;
        EXPECT_EQ(c.rcClient, m_strip.CXTPTabManager::GetClientRect()) << c.nPosition;
        EXPECT_EQ(c.rcFirstTab, m_strip.GetItem(0)->GetRect()) << c.nPosition;
    }
}

TEST_F(TabLayoutTest, RotatedTabsHangFromTheHeadersInnerEdge)
{
    m_strip.SetLayoutRect(CRect(0, 0, 300, 200));
    m_strip.m_pPaintManager->SetLayoutMode(xtpTabLayoutRotated);
    SetLengths({60, 90, 30});
    int h = m_strip.m_pPaintManager->GetAppearanceSet()->GetButtonHeight(&m_strip);
    // The header is as thick as the longest tab plus the margins (3 above).
    EXPECT_EQ(CRect(0, 0, 299, 93), m_strip.GetHeaderRect());
    EXPECT_EQ(3 * h, m_strip.GetItemsLength());
    const int lengths[] = {60, 90, 30};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(CRect(MARGIN_LEFT + i * h, 93 - lengths[i], MARGIN_LEFT + (i + 1) * h, 93),
                  m_strip.GetItem(i)->GetRect()) << i;
    m_strip.m_pPaintManager->SetPosition(xtpTabPositionRight);
    EXPECT_EQ(CRect(300 - 93, 0, 300, 199), m_strip.GetHeaderRect());
    EXPECT_EQ(CRect(300 - 93, MARGIN_LEFT, 300 - 93 + 60, MARGIN_LEFT + h),
              m_strip.GetItem(0)->GetRect());
}
