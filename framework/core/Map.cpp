#include "framework/core/Map.h"

#include "framework/core/Archive.h"

UINT AFXAPI AfxHashString(LPCSTR key)
{
    UINT nHash = 0;
    if (key) {
        // Characters count signed, so keys with accented letters keep the
        // bucket (and the iteration order) they have always had.
        for (; *key; ++key)
            nHash = (nHash << 5) + nHash + static_cast<UINT>(static_cast<int>(static_cast<signed char>(*key)));
    }
    return nHash;
}

CMapStringToPtr::CMapStringToPtr(INT_PTR nBlockSize)
    : CMap<CString, LPCSTR, void*, void*>(nBlockSize)
{
}

CMapPtrToPtr::CMapPtrToPtr(INT_PTR nBlockSize)
    : CMap<void*, void*, void*, void*>(nBlockSize)
{
}

namespace AfxCollectionArchive {

BOOL IsStoring(CArchive& ar)
{
    return ar.IsStoring();
}

void WriteCount(CArchive& ar, DWORD_PTR nCount)
{
    ar.WriteCount(nCount);
}

DWORD_PTR ReadCount(CArchive& ar)
{
    return ar.ReadCount();
}

void SerializeBytes(CArchive& ar, void* pData, UINT nBytes)
{
    if (ar.IsStoring()) {
        ar.Write(pData, nBytes);
    } else if (ar.Read(pData, nBytes) != nBytes) {
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
}

void SerializeString(CArchive& ar, CString& s)
{
    if (ar.IsStoring())
        ar << s;
    else
        ar >> s;
}

void ThrowNotSupported()
{
    AfxThrowNotSupportedException();
}

} // namespace AfxCollectionArchive
