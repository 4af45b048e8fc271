// The item classes' side of the shell's tree view: inserting a chain of
// nodes with their subtrees, and finding nodes by tree item or by parent.
#include "model/QivItem.h"

#include "model/ItemWalk.h"

namespace {

HTREEITEM InsertNode(HWND hTree, C_QivItem* pItem, C_QivCategory* pCategory,
                     HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    int nImage, nSelectedImage;
    if (pCategory) {
        nImage = pCategory->m_dwExpanded ? 0 : pCategory->GetImageIndex();
        nSelectedImage = nImage;
    } else {
        nImage = pItem->GetImageIndex();
        nSelectedImage = nImage + 1;
    }
    TVINSERTSTRUCTA tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = hInsertAfter;
    // The item's data goes in with the insert: a second message per item
    // would double the time a large card file takes to fill the tree.
    tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    tvis.item.pszText = const_cast<LPSTR>(pItem->m_strTitle.GetString());
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelectedImage;
    tvis.item.lParam = reinterpret_cast<LPARAM>(pItem);
    HTREEITEM hItem = reinterpret_cast<HTREEITEM>(
        ::SendMessageA(hTree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tvis)));
    pItem->m_hTreeItem = hItem;
    return hItem;
}

// Inserts pFirst, its following siblings and all their subtrees in chain
// order: a node's children go under its item from the first position, and
// an expanded category is expanded once its children are in.
void InsertChain(HWND hTree, C_QivItem* pFirst, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    HTREEITEM hAfter = hInsertAfter;
    CQivTreeWalk walk(pFirst);
    while (walk.Next()) {
        C_QivItem* pItem = walk.GetItem();
        C_QivCategory* pCategory = walk.GetCategory();
        if (walk.IsLeaving()) {
            if (pCategory->m_dwExpanded)
                ::SendMessageA(hTree, TVM_EXPAND, TVE_EXPAND,
                               reinterpret_cast<LPARAM>(pCategory->m_hTreeItem));
            hAfter = pCategory->m_hTreeItem;
            continue;
        }
        C_QivCategory* pParent = walk.GetParent();
        HTREEITEM hItem = InsertNode(hTree, pItem, pCategory,
                                     pParent ? pParent->m_hTreeItem : hParent, hAfter);
        hAfter = (pCategory && pCategory->m_pFirstChild) ? TVI_FIRST : hItem;
    }
}

// Searches the chain from pFirst before the subtrees of its categories,
// the last category's subtree first: the order in which the nodes would
// ask their next sibling before their first child.
C_QivItem* FindInChain(C_QivItem* pFirst, HTREEITEM hItem)
{
    if (!hItem)
        return nullptr;
    std::vector<C_QivCategory*> pending;
    C_QivItem* pChain = pFirst;
    for (;;) {
        for (C_QivItem* p = pChain; p; p = p->m_pNext) {
            if (p->m_hTreeItem == hItem)
                return p;
            C_QivCategory* pCategory = QivAsCategory(p);
            if (pCategory && pCategory->m_pFirstChild)
                pending.push_back(pCategory);
        }
        if (pending.empty())
            return nullptr;
        pChain = pending.back()->m_pFirstChild;
        pending.pop_back();
    }
}

} // namespace

void C_QivItem::InsertIntoTree(HWND hTree, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    InsertChain(hTree, this, hParent, hInsertAfter);
}

void C_QivCategory::InsertIntoTree(HWND hTree, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    InsertChain(hTree, this, hParent, hInsertAfter);
}

C_QivItem* C_QivItem::FindItem(HTREEITEM hItem)
{
    return FindInChain(this, hItem);
}

C_QivItem* C_QivCategory::FindItem(HTREEITEM hItem)
{
    return FindInChain(this, hItem);
}

BOOL C_QivCategory::ContainsItem(HTREEITEM hItem)
{
    return m_pFirstChild && m_pFirstChild->FindItem(hItem) != nullptr;
}

C_QivCategory* C_QivCategory::FindParentCategory(const C_QivItem* pItem)
{
    if (pItem == this)
        return nullptr;
    CQivTreeWalk walk(m_pFirstChild);
    while (walk.Next()) {
        if (!walk.IsLeaving() && walk.GetItem() == pItem) {
            C_QivCategory* pParent = walk.GetParent();
            return pParent ? pParent : this;
        }
    }
    return nullptr;
}
