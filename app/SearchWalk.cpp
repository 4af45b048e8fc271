#include "app/SearchWalk.h"

#include "app/SearchQuery.h"
#include "model/ItemWalk.h"
#include "model/QivItem.h"

#include <string>

namespace {

int ImageOfHit(C_QivItem* pItem)
{
    C_QivCategory* pCategory = QivAsCategory(pItem);
    if (!pCategory)
        return 4;
    int nEntries = 0;
    for (C_QivItem* pChild = pCategory->m_pFirstChild; pChild && nEntries < 3; pChild = pChild->m_pNext) {
        if (QivAsEntry(pChild))
            ++nEntries;
    }
    return nEntries;
}

} // namespace

int QivCountItems(C_QivCategory* pRoot)
{
    int nCount = 0;
    CQivTreeWalk walk(pRoot);
    while (walk.Next()) {
        if (!walk.IsLeaving())
            ++nCount;
    }
    return nCount;
}

std::vector<CQivSearchHit> QivSearchCardFile(C_QivCategory* pRoot, const CQivSearchQuery& query,
                                             const std::function<void(int)>& onProgress)
{
    std::vector<CQivSearchHit> hits;
    if (!pRoot)
        return hits;
    const int nTotal = onProgress ? QivCountItems(pRoot) : 0;
    int nVisited = 0;
    // The category path of the items being walked, and where each open
    // category below the root began in it.
    std::string path;
    std::vector<size_t> starts;
    CQivTreeWalk walk(pRoot);
    while (walk.Next()) {
        C_QivItem* pItem = walk.GetItem();
        C_QivCategory* pCategory = walk.GetCategory();
        if (walk.IsLeaving()) {
            if (pCategory != pRoot) {
                path.resize(starts.back());
                starts.pop_back();
            }
            continue;
        }
        ++nVisited;
        if (onProgress)
            onProgress(static_cast<int>(static_cast<long long>(nVisited) * 100 / nTotal));
        if (query.Matches(pItem))
            hits.push_back({ pItem, pItem->m_hTreeItem, ImageOfHit(pItem),
                             CString(path.data(), static_cast<int>(path.size())) });
        if (pCategory && pCategory != pRoot) {
            starts.push_back(path.size());
            if (!path.empty())
                path += '\\';
            path.append(pItem->m_strTitle.GetString(), pItem->m_strTitle.GetLength());
        }
    }
    return hits;
}

CString QivSearchStatusText(int nHits)
{
    if (nHits == 0)
        return "Kein Eintrag entspricht Ihrer Suchanfrage.";
    CString strText;
    strText.Format("Es wurde%s %d Eintr%s gefunden.", nHits == 1 ? "" : "n", nHits, nHits == 1 ? "ag" : "äge");
    return strText;
}
