// The buffered half of CArchive and its object encoding. Reading is driven
// by the data, so everything taken from it (lengths, tags, indices, class
// names) is checked before it is used: an archive either yields whole
// values or raises CArchiveException.
#include "framework/core/Archive.h"

#include <algorithm>
#include <exception>

namespace {

const WORD wNullTag = 0x0000;
const WORD wNewClassTag = 0xFFFF;
const DWORD dwBigClassTag = 0x80000000;

const UINT nMinBufSize = 128;
// A string longer than this is read piecewise, so a damaged length never
// allocates more than the data that actually arrives.
const ULONGLONG nStringChunk = 1024 * 1024;
// Longest class name an archive may name; longer ones are no class of ours.
const WORD nMaxClassName = 255;

} // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_nObjectSchema(static_cast<UINT>(-1)),
      m_pDocument(nullptr),
      m_pFile(pFile),
      m_bLoading((nMode & load) != 0),
      m_nMode(nMode),
      m_wFormatVersion(wCurrentFormatVersion),
      m_nBufSize(std::max(static_cast<UINT>(nBufSize > 0 ? nBufSize : 0), nMinBufSize)),
      m_pBufStart(nullptr),
      m_pLoadCur(nullptr),
      m_pLoadEnd(nullptr),
      m_pStoreCur(nullptr),
      m_pStoreEnd(nullptr),
      m_nMapCount(1),
      m_bObjectsOnce(false),
      m_pLastClass(nullptr),
      m_nLastClassIndex(0)
{
    ASSERT(pFile != nullptr);
    if (lpBuf && nBufSize >= static_cast<int>(nMinBufSize)) {
        m_pBufStart = static_cast<BYTE*>(lpBuf);
    } else {
        m_pOwnedBuf.reset(new BYTE[m_nBufSize]);
        m_pBufStart = m_pOwnedBuf.get();
    }
    if (m_bLoading) {
        m_pLoadCur = m_pLoadEnd = m_pBufStart;
        m_loadMap.push_back({ nullptr, false });   // index 0 is the null pointer
    } else {
        m_pStoreCur = m_pBufStart;
        m_pStoreEnd = m_pBufStart + m_nBufSize;
    }
    m_strFileName = pFile->GetFilePath();
}

CArchive::~CArchive()
{
    if (m_pFile && !m_bLoading && !(m_nMode & bNoFlushOnDelete) && std::uncaught_exceptions() == 0) {
        try {
            WriteBuffer();
        } catch (CException* e) {
            e->Delete();
        }
    }
}

CFile* CArchive::GetFile() const
{
    return m_pFile;
}

UINT CArchive::GetObjectSchema()
{
    UINT nSchema = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return nSchema;
}

void CArchive::SetObjectSchema(UINT nSchema)
{
    m_nObjectSchema = nSchema;
}

WORD CArchive::GetFormatVersion() const
{
    return m_wFormatVersion;
}

void CArchive::SetFormatVersion(WORD wVersion)
{
    m_wFormatVersion = wVersion;
}

void CArchive::ThrowArchive(int cause) const
{
    AfxThrowArchiveException(cause, m_strFileName);
}

void CArchive::CheckLoading() const
{
    if (!m_pFile)
        ThrowArchive(CArchiveException::genericException);
    if (!m_bLoading)
        ThrowArchive(CArchiveException::writeOnly);
}

void CArchive::CheckStoring() const
{
    if (!m_pFile)
        ThrowArchive(CArchiveException::genericException);
    if (m_bLoading)
        ThrowArchive(CArchiveException::readOnly);
}

// Buffer

void CArchive::WriteBuffer()
{
    UINT nBytes = static_cast<UINT>(m_pStoreCur - m_pBufStart);
    m_pStoreCur = m_pBufStart;
    if (nBytes)
        m_pFile->Write(m_pBufStart, nBytes);
}

void CArchive::MakeRoomToStore(UINT nBytes)
{
    CheckStoring();
    ASSERT(nBytes <= m_nBufSize);
    (void)nBytes;
    WriteBuffer();
}

UINT CArchive::FillBuffer(UINT nBytes)
{
    ASSERT(nBytes <= m_nBufSize);
    UINT nHave = static_cast<UINT>(m_pLoadEnd - m_pLoadCur);
    if (nHave >= nBytes)
        return nHave;
    if (m_pLoadCur != m_pBufStart) {
        memmove(m_pBufStart, m_pLoadCur, nHave);
        m_pLoadCur = m_pBufStart;
        m_pLoadEnd = m_pBufStart + nHave;
    }
    // Fill the whole buffer when the file allows, so small reads that follow
    // stay on the inline path.
    while (nHave < nBytes) {
        UINT nRead = m_pFile->Read(m_pLoadEnd, m_nBufSize - nHave);
        if (nRead == 0)
            break;
        nHave += nRead;
        m_pLoadEnd += nRead;
    }
    return nHave;
}

void CArchive::FillToLoad(UINT nBytes)
{
    CheckLoading();
    if (FillBuffer(nBytes) < nBytes)
        ThrowArchive(CArchiveException::endOfFile);
}

UINT CArchive::ReadThroughFile(void* lpBuf, UINT nMax)
{
    CheckLoading();
    BYTE* pDest = static_cast<BYTE*>(lpBuf);
    UINT nLeft = nMax;
    UINT nBuffered = static_cast<UINT>(m_pLoadEnd - m_pLoadCur);
    UINT nTake = std::min(nBuffered, nLeft);
    AfxCopyBytes(pDest, m_pLoadCur, nTake);
    m_pLoadCur += nTake;
    pDest += nTake;
    nLeft -= nTake;
    // Large requests go straight to the file; small ones refill the buffer.
    while (nLeft >= m_nBufSize) {
        UINT nRead = m_pFile->Read(pDest, nLeft);
        if (nRead == 0)
            return nMax - nLeft;
        pDest += nRead;
        nLeft -= nRead;
    }
    if (nLeft > 0) {
        nTake = std::min(FillBuffer(nLeft), nLeft);
        AfxCopyBytes(pDest, m_pLoadCur, nTake);
        m_pLoadCur += nTake;
        nLeft -= nTake;
    }
    return nMax - nLeft;
}

void CArchive::WriteThroughFile(const void* lpBuf, UINT nMax)
{
    CheckStoring();
    const BYTE* pSrc = static_cast<const BYTE*>(lpBuf);
    UINT nRoom = static_cast<UINT>(m_pStoreEnd - m_pStoreCur);
    if (nMax <= nRoom) {
        AfxCopyBytes(m_pStoreCur, pSrc, nMax);
        m_pStoreCur += nMax;
        return;
    }
    WriteBuffer();
    if (nMax >= m_nBufSize) {
        m_pFile->Write(pSrc, nMax);
    } else {
        AfxCopyBytes(m_pStoreCur, pSrc, nMax);
        m_pStoreCur += nMax;
    }
}

BOOL CArchive::PeekDWORD(DWORD& dwValue)
{
    CheckLoading();
    if (FillBuffer(sizeof(DWORD)) < sizeof(DWORD))
        return FALSE;
    memcpy(&dwValue, m_pLoadCur, sizeof(DWORD));
    return TRUE;
}

void CArchive::CheckAvailable(ULONGLONG nBytes)
{
    CheckLoading();
    ULONGLONG nBuffered = static_cast<ULONGLONG>(m_pLoadEnd - m_pLoadCur);
    if (nBytes <= nBuffered)
        return;
    // Files that cannot tell their length or position are read piecewise by
    // the callers instead; this check only refuses what is certainly absent.
    ULONGLONG nLength = 0, nPosition = 0;
    try {
        nLength = m_pFile->GetLength();
        nPosition = m_pFile->GetPosition();
    } catch (CException* e) {
        e->Delete();
        return;
    }
    ULONGLONG nInFile = nLength > nPosition ? nLength - nPosition : 0;
    if (nBytes - nBuffered > nInFile)
        ThrowArchive(CArchiveException::endOfFile);
}

void CArchive::Flush()
{
    if (!m_pFile)
        return;
    if (!m_bLoading) {
        WriteBuffer();
        return;
    }
    UINT nUnread = static_cast<UINT>(m_pLoadEnd - m_pLoadCur);
    m_pLoadCur = m_pLoadEnd = m_pBufStart;
    if (nUnread)
        m_pFile->Seek(-static_cast<LONGLONG>(nUnread), CFile::current);
}

void CArchive::Close()
{
    Flush();
    Abort();
}

void CArchive::Abort()
{
    m_pFile = nullptr;
    m_pLoadCur = m_pLoadEnd = m_pStoreCur = m_pStoreEnd = nullptr;
    m_loadMap.clear();
    m_storeMap.clear();
    m_pLastClass = nullptr;
}

// Counts and strings

ULONGLONG CArchive::ReadStringLength(BOOL& bWide)
{
    bWide = FALSE;
    BYTE bLen;
    *this >> bLen;
    if (bLen < 0xFF)
        return bLen;
    WORD wLen;
    *this >> wLen;
    if (wLen == 0xFFFE) {
        // UTF-16 text follows, after its length in the same scheme.
        bWide = TRUE;
        *this >> bLen;
        if (bLen < 0xFF)
            return bLen;
        *this >> wLen;
    }
    if (wLen < 0xFFFF)
        return wLen;
    DWORD dwLen;
    *this >> dwLen;
    return dwLen;
}

void CArchive::ReadStringBytes(void* pDest, ULONGLONG nBytes)
{
    if (Read(pDest, static_cast<UINT>(nBytes)) != nBytes)
        ThrowArchive(CArchiveException::endOfFile);
}

CArchive& operator>>(CArchive& ar, CString& str)
{
    BOOL bWide;
    ULONGLONG nChars = ar.ReadStringLength(bWide);
    ULONGLONG nBytes = bWide ? nChars * sizeof(WCHAR) : nChars;
    if (!bWide && nBytes <= static_cast<ULONGLONG>(ar.m_pLoadEnd - ar.m_pLoadCur)) {
        str = CString(reinterpret_cast<LPCSTR>(ar.m_pLoadCur), static_cast<int>(nBytes));
        ar.m_pLoadCur += nBytes;
        return ar;
    }
    ar.CheckAvailable(nBytes);

    // Read piecewise into a separate string, so a damaged length allocates
    // no more than the data that arrives, and str changes only once the
    // whole text is there.
    CString text;
    ULONGLONG nHave = 0;
    while (nHave < nBytes) {
        ULONGLONG nPiece = std::min(nBytes - nHave, nStringChunk);
        LPSTR p = text.GetBufferSetLength(static_cast<int>(nHave + nPiece));
        ar.ReadStringBytes(p + nHave, nPiece);
        nHave += nPiece;
    }
    if (bWide)
        str = AfxWideToAnsi(reinterpret_cast<LPCWSTR>(text.GetString()), static_cast<int>(nChars));
    else
        str = std::move(text);
    return ar;
}

// Objects and classes

void CArchive::WriteObjectTag(DWORD nIndex, DWORD dwKindBit)
{
    if (nIndex < wBigObjectTag) {
        *this << static_cast<WORD>(nIndex | (dwKindBit ? wClassTag : 0));
    } else {
        *this << wBigObjectTag;
        *this << static_cast<DWORD>(nIndex | dwKindBit);
    }
}

DWORD CArchive::ReadObjectTag(WORD wTag)
{
    if (wTag == wBigObjectTag) {
        DWORD dwTag;
        *this >> dwTag;
        return dwTag;
    }
    return (wTag & wClassTag) ? (dwBigClassTag | (wTag & 0x7FFF)) : wTag;
}

void CArchive::WriteOtherClass(const CRuntimeClass* pClassRef)
{
    ASSERT(pClassRef != nullptr);
    CheckStoring();
    if (pClassRef->m_wSchema == 0xFFFF)
        ThrowArchive(CArchiveException::badClass);   // not a serializable class
    if (pClassRef != m_pLastClass) {
        auto found = m_storeMap.find(pClassRef);
        if (found == m_storeMap.end()) {
            *this << wNewClassTag;
            pClassRef->Store(*this);
            m_storeMap.emplace(pClassRef, NextIndex());
            return;
        }
        m_pLastClass = pClassRef;
        m_nLastClassIndex = found->second;
    }
    WriteObjectTag(m_nLastClassIndex, dwBigClassTag);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag)
{
    CheckLoading();
    WORD wTag;
    *this >> wTag;

    CRuntimeClass* pClassRef = nullptr;
    UINT nSchema = 0;
    if (wTag == wNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (!pClassRef || pClassRef->m_wSchema == 0xFFFF || !pClassRef->m_pfnCreateObject)
            ThrowArchive(CArchiveException::badClass);
        if (static_cast<WORD>(pClassRef->m_wSchema) != nSchema)
            ThrowArchive(CArchiveException::badSchema);
        EnterLoaded(pClassRef, true);
    } else {
        DWORD dwTag = ReadObjectTag(wTag);
        if (!(dwTag & dwBigClassTag)) {
            // An object reference (or null), for ReadObject to resolve.
            if (!pObTag)
                ThrowArchive(CArchiveException::badIndex);
            *pObTag = dwTag;
            return nullptr;
        }
        DWORD nIndex = dwTag & ~dwBigClassTag;
        if (nIndex == 0 || nIndex >= m_loadMap.size() || !m_loadMap[nIndex].bClass)
            ThrowArchive(CArchiveException::badIndex);
        pClassRef = static_cast<CRuntimeClass*>(m_loadMap[nIndex].pItem);
        nSchema = pClassRef->m_wSchema;
    }
    if (pClassRefRequested && !pClassRef->IsDerivedFrom(pClassRefRequested))
        ThrowArchive(CArchiveException::badClass);
    if (pSchema)
        *pSchema = nSchema;
    if (pObTag)
        *pObTag = 0;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef)
{
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef);
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (!pOb) {
        *this << wNullTag;
        return;
    }
    if (!m_bObjectsOnce) {
        auto found = m_storeMap.find(pOb);
        if (found != m_storeMap.end()) {
            WriteObjectTag(found->second, 0);
            return;
        }
    }
    WriteClass(pOb->GetRuntimeClass());
    if (m_bObjectsOnce)
        NextIndex();
    else
        m_storeMap.emplace(pOb, NextIndex());
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT nSchema = 0;
    DWORD dwObTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &dwObTag);
    if (!pClassRef) {
        if (dwObTag == 0)
            return nullptr;
        if (m_bObjectsOnce || dwObTag >= m_loadMap.size() || m_loadMap[dwObTag].bClass)
            ThrowArchive(CArchiveException::badIndex);
        CObject* pOb = static_cast<CObject*>(m_loadMap[dwObTag].pItem);
        if (pOb && pClassRefRequested && !pOb->IsKindOf(pClassRefRequested))
            ThrowArchive(CArchiveException::badClass);
        return pOb;
    }

    CObject* pOb = pClassRef->CreateObject();
    if (!pOb)
        AfxThrowMemoryException();
    const size_t nOwnIndex = m_loadMap.size();
    try {
        EnterLoaded(pOb, false);
    } catch (...) {
        delete pOb;
        throw;
    }
    UINT nOldSchema = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        // The object never becomes visible to the caller; what it read so
        // far is its own to free. The objects read inside it came after it
        // in the map and go with it, so every object entry from its own on
        // is forgotten; classes stay, they are never freed.
        for (size_t i = nOwnIndex; i < m_loadMap.size(); ++i)
            if (!m_loadMap[i].bClass)
                m_loadMap[i].pItem = nullptr;
        delete pOb;
        m_nObjectSchema = nOldSchema;
        throw;
    }
    m_nObjectSchema = nOldSchema;
    return pOb;
}

void CArchive::EnterLoaded(void* pItem, bool bClass)
{
    DWORD nIndex = NextIndex();
    if (!bClass && m_bObjectsOnce)
        return;
    // Indices skipped while objects passed once stay empty: a reference to
    // one finds no object.
    if (m_loadMap.size() < nIndex)
        m_loadMap.resize(nIndex, LoadEntry{ nullptr, false });
    m_loadMap.push_back({ pItem, bClass });
}

void CArchive::MapOtherObject(const CObject* pOb)
{
    if (m_bLoading) {
        EnterLoaded(const_cast<CObject*>(pOb), false);
    } else if (pOb && m_bObjectsOnce) {
        NextIndex();
    } else if (pOb && m_storeMap.find(pOb) == m_storeMap.end()) {
        m_storeMap.emplace(pOb, NextIndex());
    }
}

void CArchive::SetObjectsOnce(BOOL bOnce)
{
    m_bObjectsOnce = bOnce != FALSE;
}

BOOL CArchive::GetObjectsOnce() const
{
    return m_bObjectsOnce;
}

CArchive& operator<<(CArchive& ar, const CObject* pOb)
{
    ar.WriteObject(pOb);
    return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb)
{
    pOb = ar.ReadObject(nullptr);
    return ar;
}

// Class tags

void CRuntimeClass::Store(CArchive& ar) const
{
    WORD nLen = static_cast<WORD>(strlen(m_lpszClassName));
    ar << static_cast<WORD>(m_wSchema);
    ar << nLen;
    ar.Write(m_lpszClassName, nLen);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wSchema, nLen;
    ar >> wSchema;
    ar >> nLen;
    if (nLen > nMaxClassName)
        return nullptr;
    char szClassName[nMaxClassName + 1];
    if (ar.Read(szClassName, nLen) != nLen)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    szClassName[nLen] = '\0';
    if (strlen(szClassName) != nLen)
        return nullptr;
    if (pwSchemaNum)
        *pwSchemaNum = wSchema;
    return FromName(szClassName);
}
