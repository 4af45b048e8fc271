// A pre-order walk over a node, its subtree, its following siblings and
// theirs, with an event when a category's children are done. Its stack
// grows with the depth of the tree only and lives on the heap, so chains of
// any length and trees of any depth are walked alike.
#pragma once

#include "framework/core/AfxWin.h"

#include <vector>

class C_QivItem;
class C_QivCategory;

class CQivTreeWalk
{
public:
    explicit CQivTreeWalk(C_QivItem* pFirst);

    // Moves to the next event; FALSE when the walk is over. Every node is
    // entered once; every category is also left once, after its children.
    BOOL Next();

    C_QivItem* GetItem() const { return m_pCurrent; }
    // The current node when it is a category, else null.
    C_QivCategory* GetCategory() const { return m_pCategory; }
    // TRUE for the event that ends a category's children.
    BOOL IsLeaving() const { return m_bLeaving; }
    // The category whose children are being walked; null on the first
    // chain.
    C_QivCategory* GetParent() const;

private:
    void SetCurrent(C_QivItem* pItem, BOOL bLeaving);

    C_QivItem* m_pFirst;
    C_QivItem* m_pCurrent;
    C_QivCategory* m_pCategory;
    BOOL m_bLeaving;
    std::vector<C_QivCategory*> m_parents;
};

class C_QivEntry;

// The node as a category, or as an entry; null when it is not one.
C_QivCategory* QivAsCategory(C_QivItem* pItem);
C_QivEntry* QivAsEntry(C_QivItem* pItem);
