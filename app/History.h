// The selection history of the tree, as a browser keeps one: every new
// selection is appended after the current position (dropping what lay
// ahead), and Back and Forward move through it without changing it.
//
// Items may be deleted while the history still names their tree items, so
// Back and Forward look each element up in the card file first and drop
// the ones that are gone instead of selecting a freed handle.
#pragma once

#include "framework/core/AfxWin.h"

#include <commctrl.h>

#include <functional>
#include <vector>

class C_QivCategory;

class CQivHistory
{
public:
    // One element, the root's tree item, current.
    void Reset(HTREEITEM hRoot);
    // The tree's selection changed to hItem: appended after the current
    // position unless it is the current element already.
    void Record(HTREEITEM hItem);

    BOOL CanGoBack() const;
    BOOL CanGoForward() const;
    // Moves to the nearest live element before (nStep -1) or after (+1) the
    // current one and selects it through select; the history stays as it
    // is while select runs. FALSE when no live element lies that way.
    BOOL Go(int nStep, C_QivCategory* pRoot, const std::function<void(HTREEITEM)>& select);

    const std::vector<HTREEITEM>& GetItems() const { return m_items; }
    int GetPosition() const { return m_nPosition; }

private:
    std::vector<HTREEITEM> m_items;
    int m_nPosition = -1;
};
