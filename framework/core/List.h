// Doubly linked lists addressed by POSITION: CList<TYPE, ARG_TYPE> and its
// pointer forms CPtrList and CObList. A POSITION is a node of the list; it
// stays valid until that node is removed, whatever else is added or removed.
//
// The block-size argument of the constructors is accepted for the classic
// signatures; nodes are allocated one by one.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/Position.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
public:
    explicit CList(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { ASSERT(m_pHead); return m_pHead->data; }
    const TYPE& GetHead() const { ASSERT(m_pHead); return m_pHead->data; }
    TYPE& GetTail() { ASSERT(m_pTail); return m_pTail->data; }
    const TYPE& GetTail() const { ASSERT(m_pTail); return m_pTail->data; }

    TYPE RemoveHead();
    TYPE RemoveTail();
    POSITION AddHead(ARG_TYPE newElement);
    POSITION AddTail(ARG_TYPE newElement);
    void RemoveAll();

    POSITION GetHeadPosition() const { return ToPosition(m_pHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pTail); }
    // Return the element at rPosition and move rPosition on (null at the end).
    TYPE& GetNext(POSITION& rPosition);
    const TYPE& GetNext(POSITION& rPosition) const;
    TYPE& GetPrev(POSITION& rPosition);
    const TYPE& GetPrev(POSITION& rPosition) const;

    TYPE& GetAt(POSITION position) { return ToNode(position)->data; }
    const TYPE& GetAt(POSITION position) const { return ToNode(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { ToNode(pos)->data = newElement; }
    void RemoveAt(POSITION position);

    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    // Compares with operator==; the search starts after startAfter (or at the head).
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
    // The nIndex-th position from the head; null when out of range.
    POSITION FindIndex(INT_PTR nIndex) const;

private:
    struct CNode
    {
        explicit CNode(ARG_TYPE value) : data(value) {}
        CNode* pNext = nullptr;
        CNode* pPrev = nullptr;
        TYPE data;
    };

    static POSITION ToPosition(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
    static CNode* ToNode(POSITION pos)
    {
        ASSERT(pos != nullptr);
        return reinterpret_cast<CNode*>(pos);
    }
    void Unlink(CNode* pNode);

    CNode* m_pHead = nullptr;
    CNode* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
};

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddHead(ARG_TYPE newElement)
{
    CNode* pNode = new CNode(newElement);
    pNode->pNext = m_pHead;
    if (m_pHead)
        m_pHead->pPrev = pNode;
    else
        m_pTail = pNode;
    m_pHead = pNode;
    ++m_nCount;
    return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::AddTail(ARG_TYPE newElement)
{
    CNode* pNode = new CNode(newElement);
    pNode->pPrev = m_pTail;
    if (m_pTail)
        m_pTail->pNext = pNode;
    else
        m_pHead = pNode;
    m_pTail = pNode;
    ++m_nCount;
    return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Unlink(CNode* pNode)
{
    if (pNode->pPrev)
        pNode->pPrev->pNext = pNode->pNext;
    else
        m_pHead = pNode->pNext;
    if (pNode->pNext)
        pNode->pNext->pPrev = pNode->pPrev;
    else
        m_pTail = pNode->pPrev;
    --m_nCount;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveHead()
{
    ASSERT(m_pHead);
    CNode* pNode = m_pHead;
    TYPE value = pNode->data;
    Unlink(pNode);
    delete pNode;
    return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::RemoveTail()
{
    ASSERT(m_pTail);
    CNode* pNode = m_pTail;
    TYPE value = pNode->data;
    Unlink(pNode);
    delete pNode;
    return value;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    CNode* pNode = ToNode(position);
    Unlink(pNode);
    delete pNode;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll()
{
    CNode* pNode = m_pHead;
    while (pNode) {
        CNode* pNext = pNode->pNext;
        delete pNode;
        pNode = pNext;
    }
    m_pHead = m_pTail = nullptr;
    m_nCount = 0;
}

template <class TYPE, class ARG_TYPE>
TYPE& CList<TYPE, ARG_TYPE>::GetNext(POSITION& rPosition)
{
    CNode* pNode = ToNode(rPosition);
    rPosition = ToPosition(pNode->pNext);
    return pNode->data;
}

template <class TYPE, class ARG_TYPE>
const TYPE& CList<TYPE, ARG_TYPE>::GetNext(POSITION& rPosition) const
{
    CNode* pNode = ToNode(rPosition);
    rPosition = ToPosition(pNode->pNext);
    return pNode->data;
}

template <class TYPE, class ARG_TYPE>
TYPE& CList<TYPE, ARG_TYPE>::GetPrev(POSITION& rPosition)
{
    CNode* pNode = ToNode(rPosition);
    rPosition = ToPosition(pNode->pPrev);
    return pNode->data;
}

template <class TYPE, class ARG_TYPE>
const TYPE& CList<TYPE, ARG_TYPE>::GetPrev(POSITION& rPosition) const
{
    CNode* pNode = ToNode(rPosition);
    rPosition = ToPosition(pNode->pPrev);
    return pNode->data;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    if (!position)
        return AddHead(newElement);
    CNode* pOld = ToNode(position);
    CNode* pNode = new CNode(newElement);
    pNode->pPrev = pOld->pPrev;
    pNode->pNext = pOld;
    if (pOld->pPrev)
        pOld->pPrev->pNext = pNode;
    else
        m_pHead = pNode;
    pOld->pPrev = pNode;
    ++m_nCount;
    return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    if (!position)
        return AddTail(newElement);
    CNode* pOld = ToNode(position);
    CNode* pNode = new CNode(newElement);
    pNode->pPrev = pOld;
    pNode->pNext = pOld->pNext;
    if (pOld->pNext)
        pOld->pNext->pPrev = pNode;
    else
        m_pTail = pNode;
    pOld->pNext = pNode;
    ++m_nCount;
    return ToPosition(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter ? ToNode(startAfter)->pNext : m_pHead;
    for (; pNode; pNode = pNode->pNext) {
        if (pNode->data == searchValue)
            return ToPosition(pNode);
    }
    return nullptr;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return nullptr;
    CNode* pNode = m_pHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return ToPosition(pNode);
}

class CPtrList : public CList<void*, void*>
{
public:
    explicit CPtrList(INT_PTR nBlockSize = 10);
};

class CObList : public CList<CObject*, CObject*>
{
public:
    explicit CObList(INT_PTR nBlockSize = 10);
};
