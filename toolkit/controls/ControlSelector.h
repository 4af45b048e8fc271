// CXTPControlSelector: a grid of cells from which the user picks a number of
// columns and rows by pointing, as for the size of a table. Dragging with the
// left button held past the grid's edge grows it up to ItemsMax.
#pragma once

#include "toolkit/controls/Control.h"

class CXTPControlSelector : public CXTPControl
{
    DECLARE_SERIAL(CXTPControlSelector)
public:
    CXTPControlSelector();

    CSize GetItemsCount() const { return m_szItemsCount; }
    CSize GetItemsMax() const { return m_szItemsMax; }
    CSize GetItemSize() const { return m_szItem; }
    // Sizes that are not positive are refused (the old value stays).
    void SetItemsCount(CSize size);
    void SetItemsMax(CSize size);
    void SetItemSize(CSize size);
    CSize GetSelectedCells() const { return m_szSelected; }
    CSize GetLastChosenCells() const { return m_szResult; }
    CSize GetGrid() const { return m_szItemsVisible; }

    // Stores the selection, redraws and notifies the site when it changed
    // (or when forced).
    void SetSelectedCell(CSize szSelected, BOOL bForce = FALSE);
    // The cells left of and above the point become the selection.
    void OnMouseMoveControl(CPoint point);

    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    void OnMouseMove(CPoint point) override { OnMouseMoveControl(point); }
    void OnLButtonUp(CPoint point) override;
    void OnCalcDynamicSize(DWORD dwMode) override;
    BOOL OnSetSelected(int nSelected) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;
    void Copy(CXTPControl* pSource, BOOL bRecursive = FALSE) override;

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlSelector; }
    // The content of one cell; empty here, derived selectors draw into it.
    virtual void DrawItem(CDC* pDC, CRect rcItem, COLORREF clrText);
    // Grows the grid towards the cursor while the left button is held;
    // TRUE when it grew.
    BOOL GrowTowards(CPoint ptCursor);

    CSize m_szItemsCount;
    CSize m_szItemsMax;
    CSize m_szItem;
    CSize m_szSelected;
    CSize m_szResult;
    CSize m_szItemsVisible;
    BOOL m_bLockUpdate;
};
