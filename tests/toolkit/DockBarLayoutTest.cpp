// The placement of a dock bar's row, with bars of fixed sizes: bars keep
// their dropped positions where they can, overlaps push the later-listed
// bar, the end pushes back, shrinkable bars are squeezed down to their
// minimum, and a bar that still does not fit moves to a line of its own.
#include "toolkit/commandbars/DockBarLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct FixedBar
{
    int nLeft;
    int nWidth;
    int nHeight;
    // Shrinkable bars (hide-wrap mode) go down to this width; 0: not shrinkable.
    int nMinWidth;
    BOOL bFillGap;
};

std::vector<XTP_DOCK_ROW_BAR> MakeRow(const std::vector<FixedBar>& fixed)
{
    std::vector<XTP_DOCK_ROW_BAR> row;
    for (const FixedBar& bar : fixed)
    {
        XTP_DOCK_ROW_BAR entry;
        entry.nDesiredLeft = bar.nLeft;
        entry.bFillGap = bar.bFillGap;
        entry.dwMode = XTP_DOCK_MODE_HORZ | (bar.nMinWidth ? XTP_DOCK_MODE_HIDE_WRAP : 0);
        entry.calcSize = [bar](int nLength, DWORD dwMode, int) {
            int nAlong = bar.nWidth;
            if (dwMode & XTP_DOCK_MODE_STRETCH)
                nAlong = nLength;
            else if (dwMode & XTP_DOCK_MODE_HIDE_WRAP)
                nAlong = std::max(bar.nMinWidth, std::min(nLength, bar.nWidth));
            return CSize(nAlong, bar.nHeight);
        };
        row.push_back(entry);
    }
    return row;
}

struct RowCase
{
    const char* pszName;
    int nLength;
    BOOL bCommit;
    std::vector<FixedBar> bars;
    std::vector<CRect> expected;   // per listed bar
    int nThickness;
};

TEST(DockBarLayout, RowCases)
{
    const RowCase kCases[] = {
        {"apart, where dropped", 300, FALSE,
         {{0, 100, 22, 0, FALSE}, {150, 100, 22, 0, FALSE}},
         {CRect(0, 0, 100, 22), CRect(150, 0, 250, 22)}, 22},
        {"overlap pushes the later-listed bar right", 300, FALSE,
         {{0, 100, 22, 0, FALSE}, {50, 100, 22, 0, FALSE}},
         {CRect(0, 0, 100, 22), CRect(100, 0, 200, 22)}, 22},
        {"a later-listed bar dropped before an earlier one goes left of it", 300, FALSE,
         {{150, 100, 22, 0, FALSE}, {100, 100, 22, 0, FALSE}},
         {CRect(150, 0, 250, 22), CRect(50, 0, 150, 22)}, 22},
        {"before the near edge", 300, FALSE,
         {{-40, 100, 22, 0, FALSE}},
         {CRect(0, 0, 100, 22)}, 22},
        {"past the far edge", 300, FALSE,
         {{250, 100, 22, 0, FALSE}},
         {CRect(200, 0, 300, 22)}, 22},
        {"the thickest bar sets the row", 300, FALSE,
         {{0, 100, 22, 0, FALSE}, {100, 100, 30, 0, FALSE}},
         {CRect(0, 0, 100, 22), CRect(100, 0, 200, 30)}, 30},
        {"a shrinkable bar gives way", 300, FALSE,
         {{0, 200, 22, 50, FALSE}, {150, 150, 22, 100, FALSE}},
         {CRect(0, 0, 150, 22), CRect(150, 0, 300, 22)}, 22},
        {"a bar that cannot shrink shares no row that is too short", 300, FALSE,
         {{0, 200, 22, 50, FALSE}, {150, 150, 22, 0, FALSE}},
         {CRect(0, 0, 200, 22), CRect(150, 22, 300, 44)}, 44},
        {"shrinkable bars stop at their minimum, the last moves to a new line", 300, FALSE,
         {{0, 200, 22, 120, FALSE}, {100, 200, 26, 120, FALSE}, {250, 100, 22, 0, FALSE}},
         {CRect(0, 0, 120, 22), CRect(120, 0, 300, 26), CRect(200, 26, 300, 48)}, 48},
        {"no room and nothing shrinks: a new line", 300, FALSE,
         {{0, 200, 22, 0, FALSE}, {100, 200, 22, 0, FALSE}},
         {CRect(0, 0, 200, 22), CRect(100, 22, 300, 44)}, 44},
        {"a lone bar longer than the row stays", 100, FALSE,
         {{0, 150, 22, 0, FALSE}},
         {CRect(0, 0, 100, 22)}, 22},
        {"committing widens a gap filler to its neighbour", 300, TRUE,
         {{0, 100, 22, 0, TRUE}, {200, 50, 22, 0, FALSE}},
         {CRect(0, 0, 200, 22), CRect(200, 0, 250, 22)}, 22},
        {"a last gap filler reaches the end", 300, TRUE,
         {{0, 50, 22, 0, FALSE}, {120, 50, 22, 0, TRUE}},
         {CRect(0, 0, 50, 22), CRect(50, 0, 300, 22)}, 22},
    };
    for (const RowCase& c : kCases)
    {
        SCOPED_TRACE(c.pszName);
        std::vector<CRect> rects;
        EXPECT_EQ(c.nThickness, LayoutDockRow(MakeRow(c.bars), 0, c.nLength, rects, c.bCommit));
        ASSERT_EQ(c.expected.size(), rects.size());
        for (size_t i = 0; i < rects.size(); ++i)
            EXPECT_EQ(c.expected[i], rects[i]) << "bar " << i;
    }
}

TEST(DockBarLayout, OnceReportsTheBarThatDoesNotFit)
{
    std::vector<DockBarEntry> entries;
    int nSpill = -1;
    const std::vector<XTP_DOCK_ROW_BAR> row =
        MakeRow({{100, 200, 22, 0, FALSE}, {0, 200, 22, 0, FALSE}});
    EXPECT_EQ(-1, LayoutDockRowOnce(row, 0, 300, entries, nSpill));
    // The last one on screen, which is the first one listed.
    EXPECT_EQ(0, nSpill);

    EXPECT_EQ(22, LayoutDockRowOnce(row, 10, 500, entries, nSpill));
    EXPECT_EQ(-1, nSpill);
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ(1, entries[0].nIndex);
    EXPECT_EQ(CRect(0, 10, 200, 32), entries[0].rc);
    EXPECT_EQ(CRect(200, 10, 400, 32), entries[1].rc);
    EXPECT_EQ(CRect(100, 10, 300, 32), entries[1].rcDesired);
}

} // namespace
