#include "model/exchange/NewItems.h"

#include "model/QivItem.h"

std::vector<C_QivItem*> QivLinkAtFront(C_QivCategory* pTarget, CQivNewItems& items)
{
    std::vector<C_QivItem*> linked;
    linked.reserve(items.size());
    for (std::unique_ptr<C_QivItem>& item : items) {
        item->m_pNext = nullptr;
        pTarget->InsertChild(item.get(), nullptr);
        linked.push_back(item.release());
    }
    items.clear();
    return linked;
}
