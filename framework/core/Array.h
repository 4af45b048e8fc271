// Growable arrays: CArray<TYPE, ARG_TYPE> and the fixed forms CPtrArray,
// CDWordArray, CUIntArray and CStringArray. Elements are contiguous (GetData)
// and move when the array grows. Elements made by growing the array (SetSize,
// SetAtGrow, InsertAt beyond the end) are value-initialised: null pointers,
// zero numbers, empty strings.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    // nGrowBy is accepted for the classic signature; growth is amortised.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[CheckIndex(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[CheckIndex(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[CheckIndex(nIndex)] = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[CheckIndex(nIndex)]; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[CheckIndex(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    INT_PTR Add(ARG_TYPE newElement);
    // Appends a copy of src; answers the index of its first element.
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

    // Inserts nCount copies at nIndex; an index beyond the end first grows
    // the array to it with value-initialised elements.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

private:
    size_t CheckIndex(INT_PTR nIndex) const
    {
        ASSERT(nIndex >= 0 && nIndex < GetSize());
        return static_cast<size_t>(nIndex);
    }

    std::vector<TYPE> m_data;
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    (void)nGrowBy;
    ASSERT(nNewSize >= 0);
    m_data.resize(nNewSize > 0 ? static_cast<size_t>(nNewSize) : 0);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    ASSERT(nIndex >= 0);
    if (nIndex >= GetSize())
        SetSize(nIndex + 1);
    m_data[static_cast<size_t>(nIndex)] = newElement;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    m_data.push_back(newElement);
    return GetSize() - 1;
}

template <class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    INT_PTR nOldSize = GetSize();
    if (&src == this) {
        std::vector<TYPE> copy(src.m_data);
        m_data.insert(m_data.end(), copy.begin(), copy.end());
    } else {
        m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
    }
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (&src != this)
        m_data = src.m_data;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    ASSERT(nIndex >= 0 && nCount > 0);
    if (nIndex < 0 || nCount <= 0)
        return;
    // The element may live in this array: copy it before the array moves.
    TYPE value = newElement;
    if (nIndex >= GetSize()) {
        SetSize(nIndex + nCount);
        for (INT_PTR i = nIndex; i < nIndex + nCount; ++i)
            m_data[static_cast<size_t>(i)] = value;
    } else {
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), value);
    }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
{
    ASSERT(pNewArray != nullptr && nStartIndex >= 0);
    if (!pNewArray || pNewArray->IsEmpty() || nStartIndex < 0)
        return;
    std::vector<TYPE> copy(pNewArray->m_data);
    if (nStartIndex > GetSize())
        SetSize(nStartIndex);
    m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= GetSize());
    if (nIndex < 0 || nCount <= 0 || nIndex >= GetSize())
        return;
    if (nIndex + nCount > GetSize())
        nCount = GetSize() - nIndex;
    m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
}

class CPtrArray : public CArray<void*, void*>
{
};

class CDWordArray : public CArray<DWORD, DWORD>
{
};

class CUIntArray : public CArray<UINT, UINT>
{
};

class CStringArray : public CArray<CString, const CString&>
{
};
