// Construction, ownership and linking of the tree's nodes.
#include "model/QivItem.h"

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "model/CardGraph.h"
#include "model/ItemPool.h"

#include <algorithm>
#include <functional>
#include <new>
#include <string.h>
#include <vector>

IMPLEMENT_SERIAL(C_QivItem, CObject, 0)
IMPLEMENT_SERIAL(C_QivCategory, C_QivItem, 0)
IMPLEMENT_SERIAL(C_QivEntry, C_QivItem, 0)

const char QIV_ROOT_IDENTIFIER[] = "qelt2004plivenstakor";

C_QivItem::C_QivItem()
    : C_QivItem("")
{
}

C_QivItem::C_QivItem(LPCSTR lpszTitle)
    : C_QivItem(lpszTitle, ::GetSysColor(COLOR_WINDOW))
{
}

C_QivItem::C_QivItem(LPCSTR lpszTitle, COLORREF crBackground)
    : m_hTreeItem(nullptr), m_strTitle(lpszTitle), m_pNext(nullptr),
      m_crBackground(crBackground), m_lstAttachments(10)
{
}

C_QivItem::~C_QivItem() = default;

void C_QivItem::Serialize(CArchive& ar)
{
    QivSerializeRecord(ar, this);
}

int C_QivItem::GetImageIndex()
{
    return m_lstAttachments.IsEmpty() ? 4 : 6;
}

C_QivCategory::C_QivCategory()
    : C_QivCategory("")
{
}

C_QivCategory::C_QivCategory(LPCSTR lpszTitle)
    : C_QivCategory(lpszTitle, ::GetSysColor(COLOR_WINDOW))
{
}

C_QivCategory::C_QivCategory(LPCSTR lpszTitle, COLORREF crBackground)
    : C_QivItem(lpszTitle, crBackground), m_pFirstChild(nullptr), m_dwExpanded(0)
{
}

C_QivCategory::~C_QivCategory()
{
    DeleteAllChildren();
}

void C_QivCategory::Serialize(CArchive& ar)
{
    QivSerializeRecord(ar, this);
}

int C_QivCategory::GetImageIndex()
{
    int nChildren = 0;
    for (C_QivItem* p = m_pFirstChild; p && nChildren < 3; p = p->m_pNext)
        ++nChildren;
    return nChildren;
}

void C_QivCategory::InsertChild(C_QivItem* pItem, C_QivItem* pAfter)
{
    ASSERT(pItem);
    if (!m_pFirstChild) {
        m_pFirstChild = pItem;
    } else if (!pAfter) {
        pItem->m_pNext = m_pFirstChild;
        m_pFirstChild = pItem;
    } else {
        pItem->m_pNext = pAfter->m_pNext;
        pAfter->m_pNext = pItem;
    }
}

BOOL C_QivCategory::DeleteChild(C_QivItem* pItem)
{
    if (!pItem || !m_pFirstChild)
        return FALSE;
    if (m_pFirstChild == pItem) {
        m_pFirstChild = pItem->m_pNext;
    } else {
        C_QivItem* pPrev = m_pFirstChild;
        while (pPrev->m_pNext && pPrev->m_pNext != pItem)
            pPrev = pPrev->m_pNext;
        if (!pPrev->m_pNext)
            return FALSE;
        pPrev->m_pNext = pItem->m_pNext;
    }
    pItem->m_pNext = nullptr;
    delete pItem;
    return TRUE;
}

// Deletes the nodes below. They are first threaded into one chain through
// their own next links (a category's children spliced in behind it), so
// neither long chains nor deep trees need a stack. Then the texts and the
// nodes are freed in the order of their addresses: a loaded tree holds its
// texts in the reverse order of its nodes, and a heap that is handed
// blocks backwards can take many times as long to free them.
void C_QivCategory::DeleteAllChildren()
{
    C_QivItem* pFirst = m_pFirstChild;
    m_pFirstChild = nullptr;
    size_t nNodes = 0, nTexts = 0;
    for (C_QivItem* pItem = pFirst; pItem; pItem = pItem->m_pNext) {
        ++nNodes;
        if (pItem->IsKindOf(RUNTIME_CLASS(C_QivCategory))) {
            C_QivCategory* pCategory = static_cast<C_QivCategory*>(pItem);
            if (C_QivItem* pChild = pCategory->m_pFirstChild) {
                C_QivItem* pLast = pChild;
                while (pLast->m_pNext)
                    pLast = pLast->m_pNext;
                pLast->m_pNext = pCategory->m_pNext;
                pCategory->m_pNext = pChild;
                pCategory->m_pFirstChild = nullptr;
            }
        } else if (pItem->IsKindOf(RUNTIME_CLASS(C_QivEntry)) && static_cast<C_QivEntry*>(pItem)->m_pText) {
            ++nTexts;
        }
    }

    std::vector<C_QivItem*> nodes;
    std::vector<BYTE*> texts;
    bool bListed = true;
    try {
        nodes.reserve(nNodes);
        texts.reserve(nTexts);
    } catch (const std::bad_alloc&) {
        bListed = false;
    }
    if (!bListed) {
        // No room for the lists: the chain is freed in its own order.
        while (pFirst) {
            C_QivItem* pItem = pFirst;
            pFirst = pItem->m_pNext;
            delete pItem;
        }
        return;
    }
    for (C_QivItem* pItem = pFirst; pItem; pItem = pItem->m_pNext) {
        nodes.push_back(pItem);
        if (pItem->IsKindOf(RUNTIME_CLASS(C_QivEntry))) {
            C_QivEntry* pEntry = static_cast<C_QivEntry*>(pItem);
            if (pEntry->m_pText) {
                texts.push_back(pEntry->m_pText);
                pEntry->m_pText = nullptr;
                pEntry->m_nTextLength = 0;
            }
        }
    }
    std::sort(texts.begin(), texts.end(), std::less<BYTE*>());
    for (BYTE* pText : texts)
        QivFreeText(pText);
    std::sort(nodes.begin(), nodes.end(), std::less<C_QivItem*>());
    for (C_QivItem* pItem : nodes)
        delete pItem;
}

C_QivEntry::C_QivEntry()
    : C_QivEntry("")
{
}

C_QivEntry::C_QivEntry(LPCSTR lpszTitle)
    : C_QivEntry(lpszTitle, ::GetSysColor(COLOR_WINDOW))
{
}

C_QivEntry::C_QivEntry(LPCSTR lpszTitle, COLORREF crBackground)
    : C_QivItem(lpszTitle, crBackground), m_pText(nullptr), m_nTextLength(0)
{
}

C_QivEntry::~C_QivEntry()
{
    QivFreeText(m_pText);
}

void C_QivEntry::Serialize(CArchive& ar)
{
    QivSerializeRecord(ar, this);
}

void C_QivEntry::SetText(const void* pBytes, DWORD nLength)
{
    BYTE* pNew = nullptr;
    if (nLength > 0) {
        pNew = QivAllocateText(nLength, nullptr);
        if (!pNew)
            AfxThrowMemoryException();
        memcpy(pNew, pBytes, nLength);
    }
    QivFreeText(m_pText);
    m_pText = pNew;
    m_nTextLength = nLength;
}
