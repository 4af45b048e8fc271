#include "app/ItemSort.h"

#include "model/ItemWalk.h"
#include "model/QivItem.h"

#include <string.h>

#include <vector>

namespace {

char FoldGermanLetter(char ch)
{
    switch (static_cast<unsigned char>(ch)) {
    case 0xE4: case 0xC4: return 'a';
    case 0xF6: case 0xD6: return 'o';
    case 0xFC: case 0xDC: return 'u';
    case 0xDF: return 's';
    default: return ch;
    }
}

int CompareItems(const C_QivItem* pItem1, const C_QivItem* pItem2)
{
    BOOL bCategory1 = pItem1->IsKindOf(RUNTIME_CLASS(C_QivCategory));
    BOOL bCategory2 = pItem2->IsKindOf(RUNTIME_CLASS(C_QivCategory));
    BOOL bEntry1 = pItem1->IsKindOf(RUNTIME_CLASS(C_QivEntry));
    BOOL bEntry2 = pItem2->IsKindOf(RUNTIME_CLASS(C_QivEntry));
    if (bCategory1 && bEntry2)
        return -1;
    if (bEntry1 && bCategory2)
        return 1;
    return _stricmp(MakeSortKey(pItem1->m_strTitle), MakeSortKey(pItem2->m_strTitle));
}

C_QivItem* ItemOfTreeItem(HWND hTree, HTREEITEM hItem)
{
    TVITEMA item = {};
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    item.hItem = hItem;
    if (!::SendMessageA(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return nullptr;
    return reinterpret_cast<C_QivItem*>(item.lParam);
}

HTREEITEM NextTreeItem(HWND hTree, HTREEITEM hItem, UINT nCode)
{
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageA(hTree, TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
}

// The tree sorts one level only; the chain then copies the tree's order.
void SortAndRelink(HWND hTree, C_QivCategory* pCategory, PFNTVCOMPARE pfnCompare)
{
    TVSORTCB sort = { pCategory->m_hTreeItem, pfnCompare, 0 };
    ::SendMessageA(hTree, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));

    C_QivItem* pLast = nullptr;
    for (HTREEITEM hChild = NextTreeItem(hTree, pCategory->m_hTreeItem, TVGN_CHILD); hChild;
         hChild = NextTreeItem(hTree, hChild, TVGN_NEXT)) {
        C_QivItem* pItem = ItemOfTreeItem(hTree, hChild);
        if (!pItem)
            continue;
        if (pLast)
            pLast->m_pNext = pItem;
        else
            pCategory->m_pFirstChild = pItem;
        pLast = pItem;
    }
    if (pLast)
        pLast->m_pNext = nullptr;
    else
        pCategory->m_pFirstChild = nullptr;
}

} // namespace

CString MakeSortKey(const CString& strTitle)
{
    int nDigits = 0;
    while (nDigits < strTitle.GetLength() && strTitle[nDigits] >= '0' && strTitle[nDigits] <= '9')
        ++nDigits;
    CString strKey;
    if (nDigits == 1 || nDigits == 2)
        strKey = CString('0', 3 - nDigits);
    for (int i = 0; i < strTitle.GetLength(); ++i)
        strKey += FoldGermanLetter(strTitle[i]);
    return strKey;
}

int CALLBACK CompareItemsForSort(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    return CompareItems(reinterpret_cast<const C_QivItem*>(lParam1),
                        reinterpret_cast<const C_QivItem*>(lParam2));
}

int CALLBACK CompareItemsForSortDescending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    int nResult = CompareItems(reinterpret_cast<const C_QivItem*>(lParam1),
                               reinterpret_cast<const C_QivItem*>(lParam2));
    return nResult < 0 ? 1 : nResult > 0 ? -1 : 0;
}

void SortCategory(HWND hTree, C_QivCategory* pCategory, BOOL bAscending, BOOL bSubcategories)
{
    PFNTVCOMPARE pfnCompare = bAscending ? CompareItemsForSort : CompareItemsForSortDescending;
    // Collect first: relinking a chain while walking it would lose the walk.
    std::vector<C_QivCategory*> categories(1, pCategory);
    if (bSubcategories) {
        CQivTreeWalk walk(pCategory->m_pFirstChild);
        while (walk.Next()) {
            if (walk.GetCategory() && !walk.IsLeaving())
                categories.push_back(walk.GetCategory());
        }
    }
    for (C_QivCategory* pSorted : categories)
        SortAndRelink(hTree, pSorted, pfnCompare);
}
