// The groups of the selected tab side by side: reduced by levels while they
// are wider than the bar, then scrolled when even that is not enough.
#include "toolkit/extras/RibbonBar.h"

#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonTab.h"

#include <algorithm>
#include <vector>

namespace {

// Pixels between two groups.
const int kGroupGap = 7;

// The groups' total: their widths with the gap after each non-zero width
// but the last entry.
int TotalWidth(const std::vector<int>& arrWidths)
{
    int nTotal = 0;
    for (size_t i = 0; i < arrWidths.size(); ++i)
    {
        nTotal += arrWidths[i];
        if (arrWidths[i] > 0 && i + 1 < arrWidths.size())
            nTotal += kGroupGap;
    }
    return nTotal;
}

} // namespace

void CXTPRibbonBar::LayoutGroups(CDC* pDC, CRect rcArea, CRect rcMargins)
{
    CXTPRibbonTab* pTab = GetSelectedTab();
    CXTPRibbonGroups* pGroups = pTab ? pTab->GetGroups() : nullptr;
    const int nCount = pGroups ? pGroups->GetCount() : 0;
    auto hideScroll = [this]() {
        for (CXTPControl* pButton : {static_cast<CXTPControl*>(m_pControlScrollGroupsLeft),
                                     static_cast<CXTPControl*>(m_pControlScrollGroupsRight)})
            pButton->SetHideFlags(pButton->GetHideFlags() | xtpHideScroll);
    };
    if (nCount == 0 || rcArea.IsRectEmpty())
    {
        hideScroll();
        return;
    }

    // 1. Every visible group starts from its full size.
    std::vector<int> arrWidths(static_cast<size_t>(nCount), 0);
    for (int i = 0; i < nCount; ++i)
    {
        CXTPRibbonGroup* pGroup = pGroups->GetAt(i);
        if (!pGroup->IsVisible())
            continue;
        pGroup->OnBeforeLayout(pDC);
        arrWidths[static_cast<size_t>(i)] = pGroup->GetWidth(pDC);
    }

    // 2.-3. Reduction: the lowest level first, the rightmost group first;
    // after each group that shrinks, back to level 0. A pass over every
    // level in which no group shrinks ends it, even when the groups still
    // do not fit.
    const int nAvailable = rcArea.Width() - (rcArea.left + rcMargins.left) - rcMargins.right;
    while (TotalWidth(arrWidths) > nAvailable)
    {
        BOOL bReduced = FALSE;
        for (int nLevel = 0; nLevel <= xtpRibbonGroupPopupLevel && !bReduced; ++nLevel)
        {
            for (int i = nCount - 1; i >= 0 && !bReduced; --i)
            {
                CXTPRibbonGroup* pGroup = pGroups->GetAt(i);
                if (!pGroup->IsVisible())
                    continue;
                const int nBefore = arrWidths[static_cast<size_t>(i)];
                if (pGroup->Reduce(pDC, nLevel))
                {
                    arrWidths[static_cast<size_t>(i)] = pGroup->GetWidth(pDC);
                    // A group that says it shrank but did not counts as not shrinking.
                    bReduced = arrWidths[static_cast<size_t>(i)] < nBefore;
                }
            }
        }
        if (!bReduced)
            break;
    }

    // 4. Scrolling.
    const int nTotal = TotalWidth(arrWidths);
    int nPos = 0;
    if (nAvailable < nTotal)
        nPos = std::max(0, std::min(m_nGroupsScrollPos, nTotal - nAvailable));
    m_nGroupsScrollPos = nPos;
    pGroups->SetScrollPos(nPos);
    m_pControlScrollGroupsLeft->SetRect(
        CRect(rcArea.left - 1, rcArea.top, rcArea.left + 12, rcArea.bottom));
    m_pControlScrollGroupsRight->SetRect(
        CRect(rcArea.right - 12, rcArea.top, rcArea.right + 1, rcArea.bottom));
    hideScroll();
    if (nPos > 0)
        m_pControlScrollGroupsLeft->SetHideFlags(m_pControlScrollGroupsLeft->GetHideFlags() & ~xtpHideScroll);
    if (nTotal - nPos - nAvailable > 0)
        m_pControlScrollGroupsRight->SetHideFlags(m_pControlScrollGroupsRight->GetHideFlags() & ~xtpHideScroll);

    // 5.-6. Placing.
    int x = rcArea.left + rcMargins.left - nPos;
    const int y = rcArea.top + rcMargins.top;
    const int nGroupHeight = GetGroupsHeight() - 7;
    for (int i = 0; i < nCount; ++i)
    {
        CXTPRibbonGroup* pGroup = pGroups->GetAt(i);
        if (!pGroup->IsVisible())
            continue;
        const int nWidth = arrWidths[static_cast<size_t>(i)];
        pGroup->OnPlace(CRect(x, y, x + nWidth, y + nGroupHeight));
        x += nWidth + kGroupGap;
    }
    for (int i = 0; i < nCount; ++i)
        if (pGroups->GetAt(i)->IsVisible())
            pGroups->GetAt(i)->OnAfterLayout();
}
