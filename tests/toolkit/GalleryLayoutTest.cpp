// The gallery's layout, keyboard moves, scrolling and search, over a test
// collection of items 40 wide and 30 high in a 130-pixel items rectangle:
// three items to a row.
#include "toolkit/controls/ControlGalleryLayout.h"

#include "toolkit/controls/ControlGalleryItems.h"

#include <gtest/gtest.h>

namespace {

const CRect kItems(5, 10, 135, 70);

class GalleryLayoutTest : public testing::Test
{
protected:
    void SetUp() override { m_items.SetItemSize(CSize(40, 30)); }

    void Layout(BOOL bShowLabels = TRUE) { m_layout.Reposition(&m_items, kItems, bShowLabels); }

    // Items 0..3, the label "Mehr" (4), items 5..9 with 7 a full-row item.
    void FillMixed()
    {
        const char* const captions[] = {"Arial", "Arial Black", "Courier", "Times"};
        for (int i = 0; i < 4; ++i)
            m_items.AddItem(i, captions[i]);
        m_items.AddLabel("Mehr");
        m_items.AddItem(5, "A");
        m_items.AddItem(6, "Ab");
        m_items.AddItem(7, "Breit")->SetSize(CSize(0, 25));
        m_items.AddItem(8, "Cd");
        m_items.AddItem(9, "ef");
    }

    CXTPControlGalleryItems m_items;
    CXTPControlGalleryLayout m_layout;
};

TEST_F(GalleryLayoutTest, RowsWrapAndLabelsTakeARow)
{
    FillMixed();
    m_items.GetItem(1)->SetSize(CSize(40, 34));   // the first row's tallest
    Layout();
    struct PositionCase
    {
        int nIndex;
        CRect rc;
        BOOL bBeginRow;
    };
    const PositionCase cases[] = {
        {0, CRect(5, 10, 45, 40), TRUE},      {1, CRect(45, 10, 85, 44), FALSE},
        {2, CRect(85, 10, 125, 40), FALSE},   {3, CRect(5, 44, 45, 74), TRUE},
        {4, CRect(5, 74, 135, 93), TRUE},     {5, CRect(5, 94, 45, 124), TRUE},
        {6, CRect(45, 94, 85, 124), FALSE},   {7, CRect(5, 124, 135, 149), TRUE},
        {8, CRect(5, 149, 45, 179), TRUE},    {9, CRect(45, 149, 85, 179), FALSE},
    };
    ASSERT_EQ(10, m_layout.GetCount());
    for (const PositionCase& c : cases)
    {
        EXPECT_EQ(c.rc, m_layout.GetItemRect(c.nIndex)) << c.nIndex;
        EXPECT_EQ(c.bBeginRow, m_layout.IsBeginRow(c.nIndex)) << c.nIndex;
    }
    EXPECT_EQ(179 - 10, m_layout.GetTotalHeight());

    // Without labels the label takes no place.
    Layout(FALSE);
    EXPECT_TRUE(m_layout.GetItemRect(4).IsRectEmpty());
    EXPECT_EQ(CRect(45, 44, 85, 74), m_layout.GetItemRect(5));
}

TEST_F(GalleryLayoutTest, HitTestScrollAndEnsureVisible)
{
    FillMixed();
    Layout();
    CRect rcHit;
    EXPECT_EQ(1, m_layout.HitTest(CPoint(50, 15), 0, &rcHit));
    EXPECT_EQ(CRect(45, 10, 85, 40), rcHit);
    EXPECT_EQ(-1, m_layout.HitTest(CPoint(50, 60), 20, &rcHit));   // the label
    EXPECT_EQ(CRect(5, 50, 135, 69), rcHit);
    // Items from the bottom of the items rectangle on are out of sight.
    EXPECT_EQ(-1, m_layout.HitTest(CPoint(50, 80), 0));
    EXPECT_EQ(5, m_layout.HitTest(CPoint(10, 20), 84));
    EXPECT_EQ(-1, m_layout.HitTest(CPoint(130, 15), 0));           // beside the row

    struct ClampCase
    {
        int nPos;
        int nClamped;
    };
    for (const ClampCase& c : {ClampCase{-5, 0}, ClampCase{50, 50}, ClampCase{500, 165 - 60}})
        EXPECT_EQ(c.nClamped, m_layout.ClampScrollPos(c.nPos)) << c.nPos;

    struct VisibleCase
    {
        int nIndex;
        int nPos;
        BOOL bLabels;
        int nResult;
    };
    const VisibleCase visible[] = {
        {3, 0, TRUE, 0},         // shows already
        {5, 0, TRUE, 120 - 70},  // below: its bottom to the bottom
        {5, 120, TRUE, 60},      // above: with its heading
        {5, 120, FALSE, 80},     // above, labels off: to its top
        {8, 0, TRUE, 175 - 70},
        {0, 40, TRUE, 0},
    };
    for (const VisibleCase& c : visible)
        EXPECT_EQ(c.nResult, m_layout.GetEnsureVisiblePos(c.nIndex, c.nPos, c.bLabels)) << c.nIndex;
}

TEST_F(GalleryLayoutTest, KeyboardMoves)
{
    FillMixed();
    Layout();
    struct MoveCase
    {
        const char* pszMove;
        int nIndex;
        int nDirection;
        int nResult;
    };
    const MoveCase cases[] = {
        {"selectable", -1, 1, 0},  {"selectable", -1, -1, 9}, {"selectable", 3, 1, 5},
        {"selectable", 5, -1, 3},  {"selectable", 9, 1, 0},   {"selectable", 0, -1, 9},
        {"row", 2, 1, 0},          {"row", 0, -1, 2},         {"row", 1, 1, 2},
        {"row", 6, -1, 5},         {"row", 7, 1, 7},          {"row", -1, 1, -1},
        {"column", 0, 1, 3},       {"column", 3, 1, 5},       {"column", 1, 1, 6},
        {"column", 6, 1, 9},       {"column", 9, 1, -1},      {"column", 2, 1, -1},
        {"column", 5, -1, 3},      {"column", -1, 1, 0},      {"page", 0, 1, 3},
        {"page", 9, -1, 5},        {"page", -1, 1, 3},
    };
    for (const MoveCase& c : cases)
    {
        int nResult = -2;
        std::string strMove = c.pszMove;
        if (strMove == "selectable")
            nResult = m_layout.GetNextSelectable(c.nIndex, c.nDirection);
        else if (strMove == "row")
            nResult = m_layout.GetNextInRow(c.nIndex, c.nDirection, 40);
        else if (strMove == "column")
            nResult = m_layout.GetNextInColumn(c.nIndex, c.nDirection);
        else
            nResult = m_layout.GetNextPage(c.nIndex, c.nDirection);
        EXPECT_EQ(c.nResult, nResult) << c.pszMove << " " << c.nIndex << " " << c.nDirection;
    }
    // A rectangle narrower than two items: left and right stay.
    EXPECT_EQ(1, m_layout.GetNextInRow(1, 1, 70));
    EXPECT_EQ(1, m_layout.GetNextInRow(1, 1, 0));
}

TEST_F(GalleryLayoutTest, SelectableWrapsOnceAndSkipsLabels)
{
    m_items.AddLabel("Oben");
    m_items.AddItem(1, "Einzig");
    m_items.AddLabel("Unten");
    Layout();
    EXPECT_EQ(1, m_layout.GetNextSelectable(1, 1));    // around to itself
    EXPECT_EQ(1, m_layout.GetNextSelectable(-1, 1));
    EXPECT_EQ(1, m_layout.GetNextSelectable(-1, -1));
    CXTPControlGalleryItems labels;
    labels.AddLabel("Nur");
    m_layout.Reposition(&labels, kItems, TRUE);
    EXPECT_EQ(-1, m_layout.GetNextSelectable(-1, 1));
    m_layout.Reposition(nullptr, kItems, TRUE);
    EXPECT_EQ(-1, m_layout.GetNextSelectable(-1, 1));
    EXPECT_EQ(0, m_layout.GetTotalHeight());
}

TEST_F(GalleryLayoutTest, Search)
{
    FillMixed();
    Layout();
    struct SearchCase
    {
        int nStart;
        const char* pszText;
        BOOL bExact;
        int nResult;
    };
    const SearchCase cases[] = {
        {-1, "ar", FALSE, 0},       {0, "ar", FALSE, 1},       {1, "ar", FALSE, 0},
        {-1, "ARIAL BLACK", TRUE, 1}, {-1, "arial", TRUE, 0},  {-1, "Ari", TRUE, -1},
        {-1, "ab", FALSE, 6},       {-1, "a", FALSE, 0},       {4, "a", FALSE, 5},
        {-1, "", FALSE, -1},        {-1, nullptr, FALSE, -1},  {-1, "xyz", FALSE, -1},
        {99, "co", FALSE, 2},       {-1, "mehr", TRUE, 4},
    };
    for (const SearchCase& c : cases)
        EXPECT_EQ(c.nResult, m_layout.FindItem(c.nStart, c.pszText, c.bExact))
            << c.nStart << " " << (c.pszText ? c.pszText : "null") << " " << c.bExact;
}

} // namespace
