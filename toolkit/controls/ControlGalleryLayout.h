// Where a gallery's items lie and how the keyboard and a search move among
// them. The items are laid out left to right in wrapping rows inside the
// items rectangle, label items on rows of their own; every rectangle is in
// layout coordinates, and a scrolled rectangle is one moved up by the
// scroll position.
#pragma once

#include "framework/core/Array.h"
#include "framework/core/Geometry.h"

class CXTPControlGalleryItem;
class CXTPControlGalleryItems;

// One laid-out item.
struct GALLERYITEM_POSITION
{
    RECT rcItem;
    CXTPControlGalleryItem* pItem;
    BOOL bBeginRow;
};

class CXTPControlGalleryLayout
{
public:
    CXTPControlGalleryLayout() = default;

    // Lays the collection's items out in the rectangle; no collection, no
    // items.
    void Reposition(CXTPControlGalleryItems* pItems, const CRect& rcItems, BOOL bShowLabels);

    int GetCount() const { return static_cast<int>(m_arrPositions.GetSize()); }
    CRect GetItemRect(int nIndex) const { return m_arrPositions[nIndex].rcItem; }
    BOOL IsBeginRow(int nIndex) const { return m_arrPositions[nIndex].bBeginRow; }
    int GetTotalHeight() const { return m_nTotalHeight; }
    CRect GetItemsRect() const { return m_rcItems; }

    // The item under the client point at the scroll position, -1 for none
    // or a label; the item's scrolled rectangle goes to prcItem.
    int HitTest(CPoint point, int nScrollPos, CRect* prcItem = nullptr) const;
    // The scroll position capped at the end of the items, then at 0.
    int ClampScrollPos(int nScrollPos) const;
    // The scroll position that shows the item (with its label heading when
    // it fits); the position itself when the item shows already.
    int GetEnsureVisiblePos(int nIndex, int nScrollPos, BOOL bShowLabels) const;

    // Keyboard moves; -1 where there is nowhere to go.
    int GetNextSelectable(int nIndex, int nDirection) const;
    int GetNextInRow(int nIndex, int nDirection, int cxDefaultItem) const;
    int GetNextInColumn(int nIndex, int nDirection) const;
    int GetNextPage(int nIndex, int nDirection) const;
    // The next item after nStart (wrapping) whose caption equals the text
    // (bExact) or starts with it, ignoring case; -1 when none.
    int FindItem(int nStart, LPCSTR lpszText, BOOL bExact) const;

private:
    BOOL IsLabel(int nIndex) const;
    BOOL IsEmpty(int nIndex) const;

    CArray<GALLERYITEM_POSITION, const GALLERYITEM_POSITION&> m_arrPositions;
    CRect m_rcItems = CRect(0, 0, 0, 0);
    int m_nTotalHeight = 0;
};
