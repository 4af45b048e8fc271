// CArchive: binary serialization over any CFile, in the little-endian layout
// card files, clipboard blocks and toolkit blobs are written in.
//
// Layout:
//   count   WORD < 0xFFFF, else WORD 0xFFFF + DWORD
//   string  BYTE length 0..254; 0xFF + WORD 255..0xFFFD; 0xFF + WORD 0xFFFF
//           + DWORD beyond. Loading also takes 0xFF + WORD 0xFFFE + a length
//           in the same scheme followed by that many UTF-16 characters.
//   object  null WORD 0; new class WORD 0xFFFF, WORD schema, WORD name
//           length, name; known class WORD 0x8000|index (or 0x7FFF + DWORD
//           0x80000000|index); object seen before WORD index (or 0x7FFF +
//           DWORD index). Classes and objects share one index counter from 1.
//
// Data read from an archive is never trusted: lengths are checked against
// what is left before anything is allocated, and a value cut short by the
// end of the data raises CArchiveException::endOfFile instead of being
// returned half-filled. What a card file of a million notes does millions
// of times is inline, so the common case is a bounds test and a copy: the
// fixed-size operators, counts, raw bytes that fit the buffer, writing a
// string, the class written last and the numbering of objects passed once.
// Everything else lives in Archive.cpp.
#pragma once

#include "framework/core/ByteCopy.h"
#include "framework/core/File.h"

#include <string.h>
#include <memory>
#include <unordered_map>
#include <vector>

class CDocument;

class CArchive
{
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };

    // The version of the card-file layout an archive follows unless told
    // otherwise (low byte major, high byte minor: 2.10).
    static constexpr WORD wCurrentFormatVersion = 0x0A02;

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    // Flushes a storing archive that was neither closed nor aborted, unless
    // it is destroyed by an exception unwinding past it.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsStoring() const { return !m_bLoading; }
    CFile* GetFile() const;

    // The schema of the object being read; answers it once, then -1.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema);

    // The card-file version this archive's records follow.
    WORD GetFormatVersion() const;
    void SetFormatVersion(WORD wVersion);

    // Raw bytes. Read answers fewer than nMax only at the end of the data.
    UINT Read(void* lpBuf, UINT nMax)
    {
        if (m_pLoadCur && nMax <= static_cast<size_t>(m_pLoadEnd - m_pLoadCur)) {
            AfxCopyBytes(lpBuf, m_pLoadCur, nMax);
            m_pLoadCur += nMax;
            return nMax;
        }
        return ReadThroughFile(lpBuf, nMax);
    }
    void Write(const void* lpBuf, UINT nMax)
    {
        if (m_pStoreCur && nMax <= static_cast<size_t>(m_pStoreEnd - m_pStoreCur)) {
            AfxCopyBytes(m_pStoreCur, lpBuf, nMax);
            m_pStoreCur += nMax;
            return;
        }
        WriteThroughFile(lpBuf, nMax);
    }

    // Looks at the next DWORD without consuming it; FALSE when fewer than
    // four bytes are left.
    BOOL PeekDWORD(DWORD& dwValue);
    // Raises endOfFile when the data left is known to be shorter than
    // nBytes. Call it with a length read from the archive before
    // allocating that much.
    void CheckAvailable(ULONGLONG nBytes);

    // Storing: writes the buffer to the file. Loading: moves the file back
    // to the first byte not yet consumed.
    void Flush();
    void Close();
    // Detaches from the file without writing what is still buffered.
    void Abort();

    DWORD_PTR ReadCount()
    {
        WORD wCount;
        *this >> wCount;
        if (wCount != 0xFFFF)
            return wCount;
        DWORD dwCount;
        *this >> dwCount;
        return dwCount;
    }
    void WriteCount(DWORD_PTR dwCount)
    {
        if (dwCount < 0xFFFF) {
            *this << static_cast<WORD>(dwCount);
        } else {
            *this << static_cast<WORD>(0xFFFF);
            *this << static_cast<DWORD>(dwCount);
        }
    }

    // Objects and classes. ReadObject creates the object of the stored class
    // and runs its Serialize; pClass (may be null) is the class it must
    // derive from.
    CObject* ReadObject(const CRuntimeClass* pClass);
    void WriteObject(const CObject* pOb);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr,
                             UINT* pSchema = nullptr, DWORD* pObTag = nullptr);
    void WriteClass(const CRuntimeClass* pClassRef)
    {
        // The class written last is known to be storable by this archive.
        if (pClassRef == m_pLastClass && m_nLastClassIndex < wBigObjectTag)
            StoreValue(static_cast<WORD>(m_nLastClassIndex | wClassTag));
        else
            WriteOtherClass(pClassRef);
    }
    void SerializeClass(const CRuntimeClass* pClassRef);
    // Enters an object made outside the archive under the next index, so
    // later references to it resolve.
    void MapObject(const CObject* pOb)
    {
        if (pOb && m_bObjectsOnce && !m_bLoading)
            NextIndex();
        else
            MapOtherObject(pOb);
    }
    // The caller promises that each object passes once, as in a tree: when
    // storing, no object is written or mapped twice; when loading, the data
    // never refers to an object read before. Objects then only take the
    // next index instead of an entry in the object map, which for a million
    // nodes is most of a save and a good part of a load. The bytes are the
    // same as long as the promise holds; classes are still written once and
    // referred to by index after that. A load in this mode refuses a
    // reference to an earlier object as a bad index.
    void SetObjectsOnce(BOOL bOnce);
    BOOL GetObjectsOnce() const;

    CArchive& operator<<(BYTE by) { return StoreValue(by); }
    CArchive& operator<<(WORD w) { return StoreValue(w); }
    CArchive& operator<<(DWORD dw) { return StoreValue(dw); }
    CArchive& operator<<(LONG l) { return StoreValue(l); }
    CArchive& operator<<(int i) { return StoreValue(static_cast<LONG>(i)); }
    CArchive& operator<<(UINT u) { return StoreValue(static_cast<DWORD>(u)); }
    CArchive& operator<<(short w) { return StoreValue(w); }
    CArchive& operator<<(char ch) { return StoreValue(ch); }
    CArchive& operator<<(float f) { return StoreValue(f); }
    CArchive& operator<<(double d) { return StoreValue(d); }
    CArchive& operator<<(LONGLONG n) { return StoreValue(n); }
    CArchive& operator<<(ULONGLONG n) { return StoreValue(n); }

    CArchive& operator>>(BYTE& by) { return LoadValue(by); }
    CArchive& operator>>(WORD& w) { return LoadValue(w); }
    CArchive& operator>>(DWORD& dw) { return LoadValue(dw); }
    CArchive& operator>>(LONG& l) { return LoadValue(l); }
    CArchive& operator>>(int& i) { return LoadValue(i); }
    CArchive& operator>>(UINT& u) { return LoadValue(u); }
    CArchive& operator>>(short& w) { return LoadValue(w); }
    CArchive& operator>>(char& ch) { return LoadValue(ch); }
    CArchive& operator>>(float& f) { return LoadValue(f); }
    CArchive& operator>>(double& d) { return LoadValue(d); }
    CArchive& operator>>(LONGLONG& n) { return LoadValue(n); }
    CArchive& operator>>(ULONGLONG& n) { return LoadValue(n); }

    friend CArchive& operator<<(CArchive& ar, const CString& str);
    friend CArchive& operator>>(CArchive& ar, CString& str);
    friend CArchive& operator<<(CArchive& ar, const CObject* pOb);
    friend CArchive& operator>>(CArchive& ar, CObject*& pOb);
    friend CArchive& operator>>(CArchive& ar, const CObject*& pOb);

    UINT m_nObjectSchema;
    CString m_strFileName;
    CDocument* m_pDocument;

private:
    template <class T> CArchive& StoreValue(T value)
    {
        if (static_cast<size_t>(m_pStoreEnd - m_pStoreCur) < sizeof(T))
            MakeRoomToStore(sizeof(T));
        memcpy(m_pStoreCur, &value, sizeof(T));
        m_pStoreCur += sizeof(T);
        return *this;
    }
    template <class T> CArchive& LoadValue(T& value)
    {
        if (static_cast<size_t>(m_pLoadEnd - m_pLoadCur) < sizeof(T))
            FillToLoad(sizeof(T));
        memcpy(&value, m_pLoadCur, sizeof(T));
        m_pLoadCur += sizeof(T);
        return *this;
    }

    // Object tags: a class seen before, an object by index, the form of
    // an index too large for a WORD.
    static constexpr WORD wClassTag = 0x8000;
    static constexpr WORD wBigObjectTag = 0x7FFF;

    // Slow paths of the inline operators: they check the mode, write out or
    // refill the buffer, and throw when the value cannot be moved whole.
    void MakeRoomToStore(UINT nBytes);
    void FillToLoad(UINT nBytes);
    UINT ReadThroughFile(void* lpBuf, UINT nMax);
    void WriteThroughFile(const void* lpBuf, UINT nMax);
    void WriteOtherClass(const CRuntimeClass* pClassRef);
    void MapOtherObject(const CObject* pOb);
    // Refills the load buffer until it holds nBytes or the data ends;
    // answers how many bytes it holds.
    UINT FillBuffer(UINT nBytes);
    void WriteBuffer();
    void CheckLoading() const;
    void CheckStoring() const;
    [[noreturn]] void ThrowArchive(int cause) const;

    ULONGLONG ReadStringLength(BOOL& bWide);
    void ReadStringBytes(void* pDest, ULONGLONG nBytes);
    void WriteObjectTag(DWORD nIndex, DWORD dwKindBit);
    DWORD ReadObjectTag(WORD wTag);
    DWORD NextIndex()
    {
        if (m_nMapCount > nMaxMapIndex)
            ThrowArchive(CArchiveException::badIndex);
        return m_nMapCount++;
    }
    // The largest index either tag form can hold.
    static constexpr DWORD nMaxMapIndex = 0x7FFFFFFE;
    // Loading: gives pItem the next index and keeps it in the load map
    // (an object only when objects are not promised once).
    void EnterLoaded(void* pItem, bool bClass);

    CFile* m_pFile;
    BOOL m_bLoading;
    UINT m_nMode;
    WORD m_wFormatVersion;
    UINT m_nBufSize;
    std::unique_ptr<BYTE[]> m_pOwnedBuf;
    BYTE* m_pBufStart;
    // Loading: the unread bytes. Storing: the free room. The pointers of the
    // other direction stay null, so a call in the wrong mode always takes
    // the slow path, which reports it.
    BYTE* m_pLoadCur;
    BYTE* m_pLoadEnd;
    BYTE* m_pStoreCur;
    BYTE* m_pStoreEnd;

    // One index counter for classes and objects. Loading keeps what each
    // index stands for (up to the last index kept; indices of objects passed
    // once are empty entries); storing maps each class and object to its
    // index.
    struct LoadEntry
    {
        void* pItem;
        bool bClass;
    };
    std::vector<LoadEntry> m_loadMap;
    std::unordered_map<const void*, DWORD> m_storeMap;
    DWORD m_nMapCount;
    bool m_bObjectsOnce;
    // The last class looked up and its index: a tree writes one class after
    // another of the same kind.
    const CRuntimeClass* m_pLastClass;
    DWORD m_nLastClassIndex;
};

inline CArchive& operator<<(CArchive& ar, const CString& str)
{
    DWORD nLength = static_cast<DWORD>(str.GetLength());
    if (nLength < 0xFF) {
        ar << static_cast<BYTE>(nLength);
    } else if (nLength < 0xFFFE) {
        ar << static_cast<BYTE>(0xFF);
        ar << static_cast<WORD>(nLength);
    } else {
        ar << static_cast<BYTE>(0xFF);
        ar << static_cast<WORD>(0xFFFF);
        ar << nLength;
    }
    ar.Write(str.GetString(), nLength);
    return ar;
}
