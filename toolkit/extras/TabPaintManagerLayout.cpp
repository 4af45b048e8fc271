// The default layout of a tab strip: tabs measured once, shrunk to fit or
// wrapped into rows, placed one after another along the header from the
// scroll offset on; the navigate buttons take their room at the far end.
#include "toolkit/extras/TabPaintManager.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/TabAppearanceSets.h"
#include "toolkit/extras/TabNavigateButton.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace {

// Start and end of rc along the header.
int AlongStart(const CRect& rc, BOOL bHorizontal)
{
    return bHorizontal ? rc.left : rc.top;
}

int AlongEnd(const CRect& rc, BOOL bHorizontal)
{
    return bHorizontal ? rc.right : rc.bottom;
}

// The band of thickness nThick at nOffset from the outer edge of rc (the
// edge the header lies on), for the position.
void PlaceAcross(CRect& rcItem, const CRect& rc, int nPosition, int nOffset, int nThick)
{
    switch (nPosition)
    {
    case xtpTabPositionLeft:
        rcItem.left = rc.left + nOffset;
        rcItem.right = rcItem.left + nThick;
        break;
    case xtpTabPositionBottom:
        rcItem.bottom = rc.bottom - nOffset;
        rcItem.top = rcItem.bottom - nThick;
        break;
    case xtpTabPositionRight:
        rcItem.right = rc.right - nOffset;
        rcItem.left = rcItem.right - nThick;
        break;
    default:
        rcItem.top = rc.top + nOffset;
        rcItem.bottom = rcItem.top + nThick;
        break;
    }
}

void PlaceAlong(CRect& rcItem, BOOL bHorizontal, int nStart, int nLength)
{
    if (bHorizontal)
    {
        rcItem.left = nStart;
        rcItem.right = nStart + nLength;
    }
    else
    {
        rcItem.top = nStart;
        rcItem.bottom = nStart + nLength;
    }
}

// The recursive row fill of the multi-row layout. A (row, first tab) state
// always ends the same way, so failed states are remembered and never
// tried again.
class CRowFill
{
public:
    CRowFill(const std::vector<int>& arrLength, int nRows, int nAvailable, BOOL bJustified)
        : m_arrLength(arrLength)
        , m_nRows(nRows)
        , m_nAvailable(nAvailable)
        , m_bJustified(bJustified)
    {
    }

    // Fills row nRow from tab nFirst on, with nRemaining the length of the
    // tabs still to place; setRow (tab, row) records each tab's row.
    template <class SetRow>
    BOOL Fill(int nRow, int nFirst, int nRemaining, SetRow setRow)
    {
        if (m_failed.count(std::make_pair(nRow, nFirst)))
            return FALSE;
        int nTarget = m_nAvailable;
        if (m_bJustified)
            nTarget = std::min<int>(nRemaining / (m_nRows - nRow), m_nAvailable);
        int nRowLength = 0;
        int nCount = static_cast<int>(m_arrLength.size());
        for (int i = nFirst; i < nCount; ++i)
        {
            int nLength = m_arrLength[static_cast<size_t>(i)];
            if (nLength != 0 && nRowLength + nLength > nTarget && nRowLength > 0)
            {
                if (nRow == m_nRows - 1)
                    return Failed(nRow, nFirst);
                if (Fill(nRow + 1, i, nRemaining - nRowLength, setRow))
                    return TRUE;
                if (nRowLength + nLength > m_nAvailable)
                    return Failed(nRow, nFirst);
            }
            setRow(i, nRow);
            nRowLength += nLength;
        }
        return TRUE;
    }

private:
    BOOL Failed(int nRow, int nFirst)
    {
        m_failed.insert(std::make_pair(nRow, nFirst));
        return FALSE;
    }

    const std::vector<int>& m_arrLength;
    int m_nRows;
    int m_nAvailable;
    BOOL m_bJustified;
    std::set<std::pair<int, int>> m_failed;
};

} // namespace

CRect CXTPTabPaintManager::GetHeaderRectWithButtons(CXTPTabManager* pTabManager, CRect rcControl)
{
    CRect rcHeader = m_pAppearanceSet->GetHeaderRect(rcControl, pTabManager);
    if (pTabManager->IsHorizontalPosition())
        rcHeader.right -= 1;
    else
        rcHeader.bottom -= 1;
    for (int i = pTabManager->GetNavigateButtonCount() - 1; i >= 0; --i)
        pTabManager->GetNavigateButton(i)->Reposition(rcHeader);
    return rcHeader;
}

void CXTPTabPaintManager::MeasureItems(CXTPTabManager* pTabManager, CDC* pDC, BOOL bExtraLength)
{
    BOOL bHorizontal = pTabManager->IsHorizontalPosition();
    BOOL bVertical = m_nLayout == xtpTabLayoutRotated ? bHorizontal : !bHorizontal;
    CXTPFontDC font(pDC, GetNormalFont(bVertical));
    for (CXTPTabManagerItem* pItem : pTabManager->m_arrItems)
    {
        if (!pItem->IsVisible())
        {
            pItem->m_nLength = pItem->m_nFullLength = 0;
            continue;
        }
        int nLength = m_pAppearanceSet->GetItemLength(pDC, pItem);
        pItem->m_nFullLength = nLength;
        pItem->m_nLength = nLength + (bExtraLength ? m_nItemExtraLength : 0);
    }
}

int CXTPTabPaintManager::NavigateButtonsRoom(CXTPTabManager* pTabManager)
{
    int nRoom = 0;
    for (int i = 0; i < pTabManager->GetNavigateButtonCount(); ++i)
        nRoom += -pTabManager->GetNavigateButton(i)->AdjustWidth(0);
    return nRoom;
}

void CXTPTabPaintManager::LayoutTabs(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl)
{
    if (m_bStaticFrame)
        DeflateRectByPosition(rcControl, 2, 1, 2, 2, m_nPosition);
    DeflateRectByPosition(rcControl, m_rcControlMargin, m_nPosition);

    if (m_nLayout == xtpTabLayoutMultiRow)
    {
        LayoutMultiRow(pTabManager, pDC, rcControl);
        return;
    }

    MeasureItems(pTabManager, pDC, TRUE);
    pTabManager->m_rcHeader = m_pAppearanceSet->GetHeaderRect(rcControl, pTabManager);
    if (pTabManager->GetItemCount() == 0)
    {
        pTabManager->m_rcHeader = GetHeaderRectWithButtons(pTabManager, rcControl);
        return;
    }

    BOOL bHorizontal = pTabManager->IsHorizontalPosition();
    CRect rcMargin = m_pAppearanceSet->GetHeaderMargin();
    int nButtonHeight = m_pAppearanceSet->GetButtonHeight(pTabManager);
    CRect rcRow;
    PlaceAcross(rcRow, rcControl, m_nPosition, rcMargin.top, nButtonHeight);

    if (m_nLayout == xtpTabLayoutSizeToFit)
    {
        int nAvailable = pTabManager->GetRectLength(rcControl) - rcMargin.left - rcMargin.right -
                         NavigateButtonsRoom(pTabManager);
        ShrinkToFit(pTabManager, nAvailable);
    }

    // A header scrolled back beyond its last tab (the strip grew wider) is
    // pulled forward until the last tab ends at the header's end.
    for (;;)
    {
        pTabManager->m_rcHeader = GetHeaderRectWithButtons(pTabManager, rcControl);
        if (pTabManager->m_nScrollOffset >= 0)
            break;
        int nTotal = pTabManager->GetItemsLength();
        int nRoom = pTabManager->GetRectLength(pTabManager->m_rcHeader) - rcMargin.left -
                    rcMargin.right;
        if (nTotal + pTabManager->m_nScrollOffset >= nRoom)
            break;
        pTabManager->m_nScrollOffset = nRoom - nTotal < 1 ? nRoom - nTotal : 0;
    }

    const CRect& rcHeader = pTabManager->m_rcHeader;
    int nPos = AlongStart(rcHeader, bHorizontal) + pTabManager->m_nScrollOffset + rcMargin.left;
    for (CXTPTabManagerItem* pItem : pTabManager->m_arrItems)
    {
        CRect rcItem;
        if (m_nLayout == xtpTabLayoutRotated)
        {
            // Hanging from the header's inner edge, one row height along.
            PlaceAlong(rcItem, bHorizontal, nPos, nButtonHeight);
            int nInner = rcMargin.bottom;
            switch (m_nPosition)
            {
            case xtpTabPositionLeft:
                rcItem.right = rcHeader.right - nInner;
                rcItem.left = rcItem.right - pItem->m_nLength;
                break;
            case xtpTabPositionBottom:
                rcItem.top = rcHeader.top + nInner;
                rcItem.bottom = rcItem.top + pItem->m_nLength;
                break;
            case xtpTabPositionRight:
                rcItem.left = rcHeader.left + nInner;
                rcItem.right = rcItem.left + pItem->m_nLength;
                break;
            default:
                rcItem.bottom = rcHeader.bottom - nInner;
                rcItem.top = rcItem.bottom - pItem->m_nLength;
                break;
            }
            if (!pItem->IsVisible())
                rcItem.SetRectEmpty();
            else
                nPos += nButtonHeight;
        }
        else
        {
            rcItem = rcRow;
            PlaceAlong(rcItem, bHorizontal, nPos, pItem->m_nLength);
            nPos += pItem->m_nLength;
        }
        pItem->m_rcItem = rcItem;
    }
}

void CXTPTabPaintManager::ShrinkToFit(CXTPTabManager* pTabManager, int nAvailable)
{
    std::vector<CXTPTabManagerItem*> arrItems;
    int nTotal = 0;
    for (CXTPTabManagerItem* pItem : pTabManager->m_arrItems)
    {
        if (pItem->IsVisible())
        {
            arrItems.push_back(pItem);
            nTotal += pItem->m_nLength;
        }
    }
    if (nTotal <= nAvailable || arrItems.empty())
        return;
    nAvailable = std::max<int>(nAvailable, 0);
    int nCount = static_cast<int>(arrItems.size());
    if (nCount == 1)
    {
        arrItems[0]->m_nLength = nAvailable;
        return;
    }
    std::stable_sort(arrItems.begin(), arrItems.end(),
                     [](const CXTPTabManagerItem* a, const CXTPTabManagerItem* b) {
                         return a->m_nLength > b->m_nLength;
                     });

    // The longest tabs come down together towards the next length. Whatever
    // an even share leaves over is handed out a pixel each, so the tabs end
    // exactly at the available length; the first tabs of the group stay the
    // longer ones.
    auto shareOut = [&](int nGroup, int nAmount, BOOL bSet) {
        for (int i = 0; i < nGroup; ++i)
        {
            int nRest = nAmount % nGroup;
            int nShare = nAmount / nGroup + ((bSet ? i < nRest : i >= nGroup - nRest) ? 1 : 0);
            CXTPTabManagerItem* pItem = arrItems[static_cast<size_t>(i)];
            pItem->m_nLength = bSet ? nShare : pItem->m_nLength - nShare;
        }
    };
    int nExcess = nTotal - nAvailable;
    for (int nGroup = 1; nGroup <= nCount; ++nGroup)
    {
        if (nGroup == nCount)
        {
            shareOut(nCount, nAvailable, TRUE);
            return;
        }
        int nCurrent = arrItems[0]->m_nLength;
        int nNext = arrItems[static_cast<size_t>(nGroup)]->m_nLength;
        int nRemovable = (nCurrent - nNext) * nGroup;
        if (nRemovable >= nExcess)
        {
            shareOut(nGroup, nExcess, FALSE);
            return;
        }
        for (int i = 0; i < nGroup; ++i)
            arrItems[static_cast<size_t>(i)]->m_nLength = nNext;
        nExcess -= nRemovable;
    }
}

void CXTPTabPaintManager::LayoutMultiRow(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl)
{
    pTabManager->m_rcHeader = GetHeaderRectWithButtons(pTabManager, rcControl);
    pTabManager->m_nScrollOffset = 0;
    int nCount = pTabManager->GetItemCount();
    if (nCount == 0)
        return;

    BOOL bHorizontal = pTabManager->IsHorizontalPosition();
    CRect rcMargin = m_pAppearanceSet->GetHeaderMargin();
    int nAvailable = pTabManager->GetRectLength(pTabManager->m_rcHeader) - rcMargin.left -
                     rcMargin.right;
    MeasureItems(pTabManager, pDC, FALSE);

    std::vector<CXTPTabManagerItem*>& arrItems = pTabManager->m_arrItems;
    std::vector<int> arrLength;
    int nTotal = 0;
    for (CXTPTabManagerItem* pItem : arrItems)
    {
        arrLength.push_back(pItem->m_nLength);
        nTotal += pItem->m_nLength;
    }

    // Rows counted greedily: a tab that would overflow a row that holds
    // something starts the next one.
    int nRows = 1;
    int nRowLength = 0;
    for (CXTPTabManagerItem* pItem : arrItems)
    {
        if (nRowLength > 0 && pItem->m_nLength > 0 && nRowLength + pItem->m_nLength > nAvailable)
        {
            ++nRows;
            nRowLength = 0;
        }
        nRowLength += pItem->m_nLength;
        pItem->m_nItemRow = nRows - 1;
    }

    if (nRows > 1)
    {
        std::vector<int> arrRow(arrItems.size(), 0);
        CRowFill fill(arrLength, nRows, nAvailable, m_bMultiRowJustified);
        if (fill.Fill(0, 0, nTotal, [&](int nItem, int nRow) {
                arrRow[static_cast<size_t>(nItem)] = nRow;
            }))
        {
            for (size_t i = 0; i < arrItems.size(); ++i)
                arrItems[i]->m_nItemRow = arrRow[i];
        }
    }

    // The selected tab's row goes next to the client area.
    CXTPTabManagerItem* pSelected = pTabManager->m_pSelected;
    if (!m_bMultiRowFixedSelection && pSelected && pSelected->m_nItemRow != 0)
    {
        int nSelectedRow = pSelected->m_nItemRow;
        for (CXTPTabManagerItem* pItem : arrItems)
        {
            if (pItem->m_nItemRow == nSelectedRow)
                pItem->m_nItemRow = 0;
            else if (pItem->m_nItemRow == 0)
                pItem->m_nItemRow = nSelectedRow;
        }
    }

    CXTPTabManager::TabRowTable& rows = pTabManager->m_rows;
    rows.SetRowCount(nRows);
    for (int nRow = 0; nRow < nRows; ++nRow)
        rows[nRow] = std::make_pair(0, -1);
    for (int i = 0; i < nCount; ++i)
    {
        std::pair<int, int>& row = rows[arrItems[static_cast<size_t>(i)]->m_nItemRow];
        if (row.second < row.first)
            row.first = i;
        row.second = i;
    }

    int nButtonHeight = m_pAppearanceSet->GetButtonHeight(pTabManager);
    int nStep = nButtonHeight + m_pAppearanceSet->GetRowMargin();
    int nStart = AlongStart(pTabManager->m_rcHeader, bHorizontal) + rcMargin.left;
    for (int nRow = 0; nRow < nRows; ++nRow)
    {
        CRect rcRow;
        PlaceAcross(rcRow, rcControl, m_nPosition, rcMargin.top + (nRows - 1 - nRow) * nStep,
                    nButtonHeight);
        int nUsed = 0;
        int nTabs = 0;
        for (CXTPTabManagerItem* pItem : arrItems)
        {
            if (pItem->m_nItemRow == nRow && pItem->IsVisible())
            {
                nUsed += pItem->m_nLength;
                ++nTabs;
            }
        }
        // Even rows end flush: a row's free length is handed out, and a tab
        // alone in its row that is longer than the row gives up the excess.
        int nFree = nRows > 1 && m_bMultiRowJustified ? nAvailable - nUsed : 0;
        int nPos = nStart;
        for (CXTPTabManagerItem* pItem : arrItems)
        {
            if (pItem->m_nItemRow != nRow)
                continue;
            if (pItem->IsVisible() && nTabs > 0)
            {
                int nAdd = nFree / nTabs;
                nFree -= nAdd;
                --nTabs;
                pItem->m_nLength += nAdd;
            }
            CRect rcItem = rcRow;
            PlaceAlong(rcItem, bHorizontal, nPos, pItem->m_nLength);
            pItem->m_rcItem = rcItem;
            nPos += pItem->m_nLength;
        }
    }
    pTabManager->m_rcHeader = GetHeaderRectWithButtons(pTabManager, rcControl);
}

void CXTPTabPaintManager::EnsureVisible(CXTPTabManager* pTabManager, CXTPTabManagerItem* pItem)
{
    CRect rcHeader = pTabManager->m_rcHeader;
    CRect rcItem = pItem->m_rcItem;
    if (rcHeader.IsRectEmpty() || rcItem.IsRectEmpty())
        return;
    BOOL bHorizontal = pTabManager->IsHorizontalPosition();
    int nOffset = pTabManager->m_nScrollOffset;
    int nHeaderStart = AlongStart(rcHeader, bHorizontal);
    int nHeaderEnd = AlongEnd(rcHeader, bHorizontal);
    if (AlongStart(rcItem, bHorizontal) < nHeaderStart)
        nOffset += nHeaderStart - AlongStart(rcItem, bHorizontal) +
                   m_pAppearanceSet->GetHeaderMargin().left;
    else if (AlongEnd(rcItem, bHorizontal) > nHeaderEnd)
        nOffset += nHeaderEnd - AlongEnd(rcItem, bHorizontal);
    pTabManager->SetScrollOffset(nOffset);
}
