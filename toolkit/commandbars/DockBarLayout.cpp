#include "toolkit/commandbars/DockBarLayout.h"

#include <algorithm>

namespace {

void MoveTo(CRect& rc, int nLeft)
{
    rc.OffsetRect(nLeft - rc.left, 0);
}

// An entry starting before the previous one ends moves right; bHonourOrder
// keeps an earlier-listed bar where it is when the bar before it on screen
// came later in the list and has not moved.
void PushRight(std::vector<DockBarEntry>& entries, std::vector<bool>& moved, BOOL bHonourOrder)
{
    int nPrevRight = 0;
    for (size_t k = 0; k < entries.size(); ++k)
    {
        DockBarEntry& entry = entries[k];
        if (entry.rc.left < nPrevRight)
        {
            const bool bKeep = bHonourOrder && k > 0 && entries[k - 1].nIndex >= entry.nIndex
                && !moved[k - 1];
            if (!bKeep)
            {
                MoveTo(entry.rc, nPrevRight);
                moved[k] = true;
            }
        }
        nPrevRight = entry.rc.right;
    }
}

// From the end: an entry passing the limit moves back to end at it when it
// is the last, or the one after it came earlier in the list or has moved.
void PushLeft(std::vector<DockBarEntry>& entries, std::vector<bool>& moved, int nLength)
{
    int nLimit = nLength;
    for (size_t k = entries.size(); k-- > 0;)
    {
        DockBarEntry& entry = entries[k];
        if (entry.rc.right > nLimit)
        {
            const bool bLast = k + 1 == entries.size();
            if (bLast || entries[k + 1].nIndex < entry.nIndex || moved[k + 1])
            {
                MoveTo(entry.rc, nLimit - entry.rc.Width());
                moved[k] = true;
            }
        }
        nLimit = entry.rc.left;
    }
}

// Shrinks the row into its length; FALSE when the bars' minima don't fit.
// Only bars that hide what does not fit can shrink: any other bar needs the
// whole row, so it shares a row that is too short with nobody.
BOOL Squeeze(const std::vector<XTP_DOCK_ROW_BAR>& bars, std::vector<DockBarEntry>& entries,
             int nLength)
{
    int nSum = 0;
    for (DockBarEntry& entry : entries)
    {
        const XTP_DOCK_ROW_BAR& bar = bars[entry.nIndex];
        entry.nMinLength = (bar.dwMode & XTP_DOCK_MODE_HIDE_WRAP)
            ? bar.calcSize(1, bar.dwMode, 0).cx
            : nLength;
        entry.nTotalMinLength = nSum;
        nSum += entry.nMinLength;
    }
    int nLimit = nLength;
    for (size_t k = entries.size(); k-- > 0;)
    {
        DockBarEntry& entry = entries[k];
        int nLeft = std::min(entry.rcDesired.left, entry.rc.left);
        nLeft = std::max(nLeft, nLimit - entry.rc.Width());
        nLeft = std::max(nLeft, entry.nTotalMinLength);
        nLeft = std::min(nLeft, nLimit - entry.nMinLength);
        if ((nLimit - nLeft < entry.nMinLength || nLeft < entry.nTotalMinLength)
            && entries.size() > 1)
            return FALSE;
        entry.rc.left = nLeft;
        entry.rc.right = nLimit;
        nLimit = std::max(nLeft, 0);
    }
    return TRUE;
}

} // namespace

int LayoutDockRowOnce(const std::vector<XTP_DOCK_ROW_BAR>& bars, int nOffset, int nLength,
                      std::vector<DockBarEntry>& entries, int& nSpill)
{
    nSpill = -1;
    entries.clear();
    for (size_t i = 0; i < bars.size(); ++i)
    {
        const CSize size = bars[i].calcSize(nLength, bars[i].dwMode, 0);
        DockBarEntry entry;
        entry.pBar = bars[i].pBar;
        entry.rc = CRect(bars[i].nDesiredLeft, nOffset, bars[i].nDesiredLeft + size.cx,
                         nOffset + size.cy);
        entry.rcDesired = entry.rc;
        entry.nIndex = static_cast<int>(i);
        entries.push_back(entry);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const DockBarEntry& a, const DockBarEntry& b) { return a.rc.left < b.rc.left; });

    std::vector<bool> moved(entries.size(), false);
    PushRight(entries, moved, TRUE);
    PushLeft(entries, moved, nLength);
    PushRight(entries, moved, FALSE);
    if (!entries.empty() && entries.back().rc.right > nLength && !Squeeze(bars, entries, nLength))
    {
        nSpill = entries.back().nIndex;
        return -1;
    }

    int nThickness = 0;
    for (DockBarEntry& entry : entries)
    {
        const XTP_DOCK_ROW_BAR& bar = bars[entry.nIndex];
        const CSize size = bar.calcSize(entry.rc.Width(), bar.dwMode, 0);
        entry.rc.bottom = nOffset + size.cy;
        nThickness = std::max(nThickness, static_cast<int>(size.cy));
    }
    return nThickness;
}

namespace {

// The committing pass over a placed line: gap fillers widen to their
// neighbours, and every bar is sized for its span and the line's thickness.
void CommitLine(const std::vector<XTP_DOCK_ROW_BAR>& bars, const std::vector<DockBarEntry>& entries,
                int nOffset, int nLength, int nThickness, std::vector<CRect>& rects)
{
    for (size_t k = 0; k < entries.size(); ++k)
    {
        const XTP_DOCK_ROW_BAR& bar = bars[entries[k].nIndex];
        DWORD dwMode = bar.dwMode | XTP_DOCK_MODE_COMMIT;
        int nNear = entries[k].rc.left;
        int nFar = entries[k].rc.right;
        if (bar.bFillGap)
        {
            nFar = k + 1 < entries.size() ? entries[k + 1].rc.left : nLength;
            nNear = k > 0 ? std::min<int>(entries[k - 1].rc.right, nNear) : 0;
            dwMode |= XTP_DOCK_MODE_STRETCH;
        }
        const CSize size = bar.calcSize(nFar - nNear, dwMode, nThickness);
        rects[entries[k].nIndex] = CRect(nNear, nOffset, nNear + size.cx, nOffset + size.cy);
    }
}

} // namespace

int LayoutDockRow(const std::vector<XTP_DOCK_ROW_BAR>& bars, int nOffset, int nLength,
                  std::vector<CRect>& rects, BOOL bCommit)
{
    rects.assign(bars.size(), CRect(0, 0, 0, 0));
    std::vector<int> line(bars.size());
    for (size_t i = 0; i < bars.size(); ++i)
        line[i] = static_cast<int>(i);

    int nTotal = 0;
    std::vector<DockBarEntry> entries;
    while (!line.empty())
    {
        std::vector<int> spilled;
        int nThickness = -1;
        std::vector<XTP_DOCK_ROW_BAR> lineBars;
        for (;;)
        {
            lineBars.clear();
            for (int i : line)
                lineBars.push_back(bars[i]);
            int nSpill = -1;
            nThickness = LayoutDockRowOnce(lineBars, nOffset, nLength, entries, nSpill);
            if (nThickness >= 0)
                break;
            spilled.push_back(line[nSpill]);
            line.erase(line.begin() + nSpill);
        }
        // Back to the bars' own indexes.
        for (DockBarEntry& entry : entries)
            rects[line[entry.nIndex]] = entry.rc;
        if (bCommit)
        {
            std::vector<CRect> lineRects(lineBars.size());
            CommitLine(lineBars, entries, nOffset, nLength, nThickness, lineRects);
            for (size_t i = 0; i < line.size(); ++i)
                rects[line[i]] = lineRects[i];
        }
        nTotal += nThickness;
        nOffset += nThickness;
        std::sort(spilled.begin(), spilled.end());
        line = spilled;
    }
    return nTotal;
}
