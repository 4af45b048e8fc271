// The search over a whole card file: the root, then every item below it in
// pre-order, each tested against the query. The walk keeps its own stack
// and builds each hit's category path as it goes, so neither the depth nor
// the number of hits makes it slower per item.
#pragma once

#include "framework/core/String.h"

#include <commctrl.h>

#include <functional>
#include <vector>

class C_QivItem;
class C_QivCategory;
class CQivSearchQuery;

struct CQivSearchHit
{
    C_QivItem* pItem;
    HTREEITEM hTreeItem;
    // 4 for an entry; for a category the number of entries directly in it,
    // at most 3.
    int nImage;
    // The titles of the categories from below the root down to the one
    // holding the item, joined by "\"; empty for the root and its children.
    CString strCategory;
};

// The root and every item below it.
int QivCountItems(C_QivCategory* pRoot);

// The hits in walk order. onProgress, when given, hears the percentage of
// items visited before each item is tested.
std::vector<CQivSearchHit> QivSearchCardFile(C_QivCategory* pRoot, const CQivSearchQuery& query,
                                             const std::function<void(int)>& onProgress = nullptr);

// The status line after a search with nHits hits.
CString QivSearchStatusText(int nHits);
