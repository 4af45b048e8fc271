// Hash maps: CMap<KEY, ARG_KEY, VALUE, ARG_VALUE> and the fixed forms
// CMapStringToPtr and CMapPtrToPtr.
//
// Iteration order is part of the behaviour (stored data and tie-breaks follow
// it), so it is fixed:
//   - hash: integer and pointer keys hash to (UINT)key >> 4; string keys to
//     h = h * 33 + c over their (signed) characters, starting from 0;
//   - bucket: hash % table size; the table size is 17 unless InitHashTable
//     sets another before the first entry is added;
//   - GetStartPosition/GetNextAssoc walk the buckets from 0 upward and,
//     inside a bucket, from the most recently added entry to the oldest.
// Changing an existing key's value keeps its place.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/Position.h"
#include "framework/core/String.h"

#include <type_traits>
#include <vector>

class CArchive;

UINT AFXAPI AfxHashString(LPCSTR key);

template <class ARG_KEY>
UINT HashKey(ARG_KEY key)
{
    using K = std::decay_t<ARG_KEY>;
    if constexpr (std::is_convertible_v<ARG_KEY, LPCSTR>)
        return AfxHashString(key);
    else if constexpr (std::is_pointer_v<K>)
        return static_cast<UINT>(reinterpret_cast<UINT_PTR>(key)) >> 4;
    else
        return static_cast<UINT>(static_cast<UINT_PTR>(key)) >> 4;
}

// Archive access of the collection templates; defined in Map.cpp so that
// this header does not need the archive's.
namespace AfxCollectionArchive {
BOOL IsStoring(CArchive& ar);
void WriteCount(CArchive& ar, DWORD_PTR nCount);
DWORD_PTR ReadCount(CArchive& ar);
// Writes the bytes, or reads exactly that many (end of file otherwise).
void SerializeBytes(CArchive& ar, void* pData, UINT nBytes);
void SerializeString(CArchive& ar, CString& s);
[[noreturn]] void ThrowNotSupported();
}

// Strings travel in the archive's string form, plain values as their bytes
// (a UINT as 4 bytes, a BOOL as 4 bytes); other types cannot be serialized.
template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    if constexpr (std::is_same_v<TYPE, CString>) {
        for (INT_PTR i = 0; i < nCount; ++i)
            AfxCollectionArchive::SerializeString(ar, pElements[i]);
    } else if constexpr (std::is_trivially_copyable_v<TYPE>) {
        AfxCollectionArchive::SerializeBytes(ar, pElements,
                                             static_cast<UINT>(sizeof(TYPE) * nCount));
    } else {
        (void)ar; (void)pElements; (void)nCount;
        AfxCollectionArchive::ThrowNotSupported();
    }
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
public:
    explicit CMap(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    // The value of key; a missing key is added with a value-initialised value.
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    // Frees every entry and the table; the table size stays.
    void RemoveAll();

    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Sets the number of buckets; only while the map is empty. With bAllocNow
    // FALSE the table is made when the first entry is added.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);

    // The count, then key and value of each entry in iteration order. Loading
    // adds the entries read to those already present.
    void Serialize(CArchive& ar) override;

private:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;
        KEY key;
        VALUE value;
    };

    CAssoc* GetAssocAt(ARG_KEY key, UINT& nBucket, UINT& nHashValue) const;
    static POSITION ToPosition(CAssoc* p) { return reinterpret_cast<POSITION>(p); }

    std::vector<CAssoc*> m_table;     // empty until the first entry
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    ASSERT(m_nCount == 0 && hashSize > 0);
    if (m_nCount != 0 || hashSize == 0)
        return;
    m_table.clear();
    m_nHashTableSize = hashSize;
    if (bAllocNow)
        m_table.assign(hashSize, nullptr);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(ARG_KEY key, UINT& nBucket, UINT& nHashValue) const
{
    nHashValue = HashKey<ARG_KEY>(key);
    nBucket = nHashValue % m_nHashTableSize;
    if (m_table.empty())
        return nullptr;
    for (CAssoc* p = m_table[nBucket]; p; p = p->pNext) {
        if (p->nHashValue == nHashValue && p->key == key)
            return p;
    }
    return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    UINT nBucket, nHashValue;
    CAssoc* p = GetAssocAt(key, nBucket, nHashValue);
    if (!p)
        return FALSE;
    rValue = p->value;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nBucket, nHashValue;
    CAssoc* p = GetAssocAt(key, nBucket, nHashValue);
    if (p)
        return p->value;
    if (m_table.empty())
        m_table.assign(m_nHashTableSize, nullptr);
    p = new CAssoc{m_table[nBucket], nHashValue, KEY(key), VALUE()};
    m_table[nBucket] = p;
    ++m_nCount;
    return p->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_table.empty())
        return FALSE;
    UINT nHashValue = HashKey<ARG_KEY>(key);
    CAssoc** ppPrev = &m_table[nHashValue % m_nHashTableSize];
    for (CAssoc* p = *ppPrev; p; ppPrev = &p->pNext, p = p->pNext) {
        if (p->nHashValue == nHashValue && p->key == key) {
            *ppPrev = p->pNext;
            delete p;
            --m_nCount;
            return TRUE;
        }
    }
    return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    for (CAssoc* pBucket : m_table) {
        while (pBucket) {
            CAssoc* pNext = pBucket->pNext;
            delete pBucket;
            pBucket = pNext;
        }
    }
    m_table.clear();
    m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                        VALUE& rValue) const
{
    ASSERT(rNextPosition != nullptr && !m_table.empty());
    CAssoc* pAssoc = reinterpret_cast<CAssoc*>(rNextPosition);
    if (rNextPosition == BEFORE_START_POSITION) {
        pAssoc = nullptr;
        for (UINT nBucket = 0; nBucket < m_nHashTableSize && !pAssoc; ++nBucket)
            pAssoc = m_table[nBucket];
        ASSERT(pAssoc != nullptr);
    }
    CAssoc* pNext = pAssoc->pNext;
    for (UINT nBucket = pAssoc->nHashValue % m_nHashTableSize + 1;
         !pNext && nBucket < m_nHashTableSize; ++nBucket)
        pNext = m_table[nBucket];
    rNextPosition = ToPosition(pNext);
    rKey = pAssoc->key;
    rValue = pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar)
{
    if (AfxCollectionArchive::IsStoring(ar)) {
        AfxCollectionArchive::WriteCount(ar, static_cast<DWORD_PTR>(m_nCount));
        POSITION pos = GetStartPosition();
        while (pos) {
            KEY key{};
            VALUE value{};
            GetNextAssoc(pos, key, value);
            SerializeElements<KEY>(ar, &key, 1);
            SerializeElements<VALUE>(ar, &value, 1);
        }
    } else {
        DWORD_PTR nNewCount = AfxCollectionArchive::ReadCount(ar);
        while (nNewCount-- > 0) {
            KEY key{};
            VALUE value{};
            SerializeElements<KEY>(ar, &key, 1);
            SerializeElements<VALUE>(ar, &value, 1);
            SetAt(key, value);
        }
    }
}

class CMapStringToPtr : public CMap<CString, LPCSTR, void*, void*>
{
public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10);
};

class CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
public:
    explicit CMapPtrToPtr(INT_PTR nBlockSize = 10);
};
