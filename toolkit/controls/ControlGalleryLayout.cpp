#include "toolkit/controls/ControlGalleryLayout.h"

#include "toolkit/controls/ControlGalleryItems.h"

#include <algorithm>
#include <mbstring.h>

namespace {

const int kLabelHeight = 19;
const int kLabelGap = 1;

} // namespace

void CXTPControlGalleryLayout::Reposition(CXTPControlGalleryItems* pItems, const CRect& rcItems,
                                          BOOL bShowLabels)
{
    m_rcItems = rcItems;
    m_arrPositions.RemoveAll();
    int nCount = pItems ? pItems->GetItemCount() : 0;
    int x = rcItems.left, y = rcItems.top, nRowHeight = 0;
    BOOL bRowOpen = FALSE;
    for (int i = 0; i < nCount; ++i)
    {
        GALLERYITEM_POSITION pos = {{0, 0, 0, 0}, pItems->GetItem(i), FALSE};
        if (pos.pItem->IsLabel())
        {
            if (bShowLabels)
            {
                if (bRowOpen)
                    y += nRowHeight;
                pos.rcItem = CRect(rcItems.left, y, rcItems.right, y + kLabelHeight);
                pos.bBeginRow = TRUE;
                y += kLabelHeight + kLabelGap;
                nRowHeight = 0;
                bRowOpen = FALSE;
                x = rcItems.left;
            }
        }
        else
        {
            CSize size = pos.pItem->GetSize();
            if (size.cx == 0)
                size.cx = rcItems.Width();
            if (!bRowOpen)
                pos.bBeginRow = TRUE;
            else if (x + size.cx > rcItems.right)
            {
                x = rcItems.left;
                y += nRowHeight;
                nRowHeight = 0;
                pos.bBeginRow = TRUE;
            }
            pos.rcItem = CRect(x, y, x + size.cx, y + size.cy);
            nRowHeight = std::max(nRowHeight, static_cast<int>(size.cy));
            x += size.cx;
            bRowOpen = TRUE;
        }
        m_arrPositions.Add(pos);
    }
    if (bRowOpen)
        y += nRowHeight;
    m_nTotalHeight = y - rcItems.top;
}

BOOL CXTPControlGalleryLayout::IsLabel(int nIndex) const
{
    return m_arrPositions[nIndex].pItem->IsLabel();
}

BOOL CXTPControlGalleryLayout::IsEmpty(int nIndex) const
{
    return ::IsRectEmpty(&m_arrPositions[nIndex].rcItem);
}

int CXTPControlGalleryLayout::HitTest(CPoint point, int nScrollPos, CRect* prcItem) const
{
    for (int i = 0; i < GetCount(); ++i)
    {
        CRect rc = GetItemRect(i);
        rc.OffsetRect(0, -nScrollPos);
        if (rc.top >= m_rcItems.bottom)
            break;
        if (rc.PtInRect(point))
        {
            if (prcItem)
                *prcItem = rc;
            return IsLabel(i) ? -1 : i;
        }
    }
    return -1;
}

int CXTPControlGalleryLayout::ClampScrollPos(int nScrollPos) const
{
    return std::max(0, std::min(nScrollPos, m_nTotalHeight - m_rcItems.Height()));
}

int CXTPControlGalleryLayout::GetEnsureVisiblePos(int nIndex, int nScrollPos,
                                                  BOOL bShowLabels) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nScrollPos;
    CRect rcItem = GetItemRect(nIndex);
    if (rcItem.top - nScrollPos >= m_rcItems.top)
    {
        if (rcItem.bottom - nScrollPos > m_rcItems.bottom)
            return rcItem.bottom - m_rcItems.bottom;
        return nScrollPos;
    }
    if (bShowLabels)
    {
        // The heading above the item comes into view with it when it fits.
        int nRoom = m_rcItems.Height() - rcItem.Height();
        for (int i = nIndex - 1; i >= 0 && rcItem.top - GetItemRect(i).top <= nRoom; --i)
        {
            if (IsLabel(i) && !IsEmpty(i))
                return GetItemRect(i).top - m_rcItems.top;
        }
    }
    return rcItem.top - m_rcItems.top;
}

int CXTPControlGalleryLayout::GetNextSelectable(int nIndex, int nDirection) const
{
    const int nCount = GetCount();
    if (nCount == 0)
        return -1;
    const BOOL bCanWrap = nIndex != -1;
    int i = (nIndex == -1 && nDirection < 0) ? nCount - 1 : nIndex + nDirection;
    int nWraps = 0;
    for (;;)
    {
        if (i >= nCount || i < 0)
        {
            if (!bCanWrap || nWraps > 0)
                return -1;
            i = i >= nCount ? 0 : nCount - 1;
            ++nWraps;
        }
        if (i == nIndex)
            return nIndex;
        if (!IsLabel(i))
            return i;
        i += nDirection;
    }
}

int CXTPControlGalleryLayout::GetNextInRow(int nIndex, int nDirection, int cxDefaultItem) const
{
    const int nCount = GetCount();
    if (nCount == 0 || nIndex < 0 || nIndex >= nCount)
        return -1;
    if (cxDefaultItem <= 0 || m_rcItems.Width() < 2 * cxDefaultItem)
        return nIndex;
    int nRowStart = nIndex;
    while (nRowStart > 0 && !IsBeginRow(nRowStart))
        --nRowStart;
    int nRowEnd = nIndex + 1;
    while (nRowEnd < nCount && !IsBeginRow(nRowEnd))
        ++nRowEnd;
    if (nDirection < 0)
    {
        if (!IsBeginRow(nIndex))
        {
            for (int i = nIndex - 1; i >= nRowStart; --i)
                if (!IsEmpty(i))
                    return i;
            return nIndex;
        }
        for (int i = nRowEnd - 1; i > nIndex; --i)
            if (!IsEmpty(i))
                return i;
        return nIndex;
    }
    for (int i = nIndex + 1; i < nRowEnd; ++i)
        if (!IsEmpty(i))
            return i;
    return nRowStart;
}

int CXTPControlGalleryLayout::GetNextInColumn(int nIndex, int nDirection) const
{
    const int nCount = GetCount();
    if (nCount == 0)
        return -1;
    if (nIndex < 0 || nIndex >= nCount)
        return GetNextSelectable(-1, nDirection);
    const int nLeft = GetItemRect(nIndex).left;
    for (int i = nIndex + nDirection; i >= 0 && i < nCount; i += nDirection)
        if (!IsLabel(i) && GetItemRect(i).left == nLeft)
            return i;
    return -1;
}

int CXTPControlGalleryLayout::GetNextPage(int nIndex, int nDirection) const
{
    const int nCount = GetCount();
    if (nIndex < 0 || nIndex >= nCount)
        nIndex = GetNextSelectable(-1, nDirection);
    if (nIndex < 0)
        return -1;
    const CRect rcStart = GetItemRect(nIndex);
    const int nHeight = m_rcItems.Height();
    if (nDirection < 0)
    {
        for (int i = 0; i < nIndex; ++i)
            if (!IsLabel(i) && rcStart.top - GetItemRect(i).top < nHeight)
                return i;
        return nIndex;
    }
    for (int i = nCount - 1; i > nIndex; --i)
        if (!IsLabel(i) && GetItemRect(i).bottom - rcStart.bottom < nHeight)
            return i;
    return nIndex;
}

int CXTPControlGalleryLayout::FindItem(int nStart, LPCSTR lpszText, BOOL bExact) const
{
    const int nCount = GetCount();
    if (nCount == 0 || !lpszText || !*lpszText)
        return -1;
    const int nTextLength = lstrlenA(lpszText);
    int i = nStart + 1;
    if (i < 0 || i >= nCount)
        i = 0;
    for (int nVisited = 0; nVisited < nCount; ++nVisited, i = (i + 1) % nCount)
    {
        CString strCaption = m_arrPositions[i].pItem->GetCaption();
        if (bExact)
        {
            if (_mbsicmp(reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(strCaption)),
                         reinterpret_cast<const unsigned char*>(lpszText))
                == 0)
                return i;
            continue;
        }
        int nLength = std::min(strCaption.GetLength(), nTextLength);
        if (strCaption.GetLength() >= nTextLength
            && ::CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, strCaption, nLength,
                                lpszText, nLength)
                   == CSTR_EQUAL)
            return i;
    }
    return -1;
}
