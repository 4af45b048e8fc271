#include "model/ItemWalk.h"

#include "model/QivItem.h"

CQivTreeWalk::CQivTreeWalk(C_QivItem* pFirst)
    : m_pFirst(pFirst), m_pCurrent(nullptr), m_pCategory(nullptr), m_bLeaving(FALSE)
{
}

C_QivCategory* CQivTreeWalk::GetParent() const
{
    return m_parents.empty() ? nullptr : m_parents.back();
}

void CQivTreeWalk::SetCurrent(C_QivItem* pItem, BOOL bLeaving)
{
    m_pCurrent = pItem;
    m_pCategory = pItem ? QivAsCategory(pItem) : nullptr;
    m_bLeaving = bLeaving;
}

BOOL CQivTreeWalk::Next()
{
    if (!m_pCurrent) {
        if (!m_pFirst)
            return FALSE;
        SetCurrent(m_pFirst, FALSE);
        m_pFirst = nullptr;
        return TRUE;
    }
    if (m_pCategory && !m_bLeaving) {
        if (C_QivItem* pChild = m_pCategory->m_pFirstChild) {
            m_parents.push_back(m_pCategory);
            SetCurrent(pChild, FALSE);
        } else {
            m_bLeaving = TRUE;
        }
        return TRUE;
    }
    if (C_QivItem* pNext = m_pCurrent->m_pNext) {
        SetCurrent(pNext, FALSE);
        return TRUE;
    }
    if (m_parents.empty()) {
        SetCurrent(nullptr, FALSE);
        return FALSE;
    }
    C_QivCategory* pParent = m_parents.back();
    m_parents.pop_back();
    SetCurrent(pParent, TRUE);
    return TRUE;
}

namespace {

// Whether pItem is of pClass. Asked of every node of every walk, so the two
// classes a tree is made of (pClass and pOther) are told apart without
// walking the class chain.
bool IsOfKind(C_QivItem* pItem, const CRuntimeClass* pClass, const CRuntimeClass* pOther)
{
    const CRuntimeClass* pItemClass = pItem->GetRuntimeClass();
    if (pItemClass == pClass)
        return true;
    return pItemClass != pOther && pItem->IsKindOf(pClass);
}

} // namespace

C_QivCategory* QivAsCategory(C_QivItem* pItem)
{
    return IsOfKind(pItem, RUNTIME_CLASS(C_QivCategory), RUNTIME_CLASS(C_QivEntry))
        ? static_cast<C_QivCategory*>(pItem) : nullptr;
}

C_QivEntry* QivAsEntry(C_QivItem* pItem)
{
    return IsOfKind(pItem, RUNTIME_CLASS(C_QivEntry), RUNTIME_CLASS(C_QivCategory))
        ? static_cast<C_QivEntry*>(pItem) : nullptr;
}
