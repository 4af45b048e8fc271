// Memory files grow by their grow-by step, and at least by half of what they
// hold, so a file written in many small pieces is copied a bounded number of
// times. Bytes between the end of the data and a position written beyond it
// read as zero.
#include "framework/core/MemFile.h"

#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CMemFile, CFile)
IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

// CMemFile

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0),
      m_lpBuffer(nullptr), m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : CMemFile(nGrowBytes)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    if (m_lpBuffer)
        Close();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    ASSERT(m_lpBuffer == nullptr);
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    m_nBufferSize = nBufferSize;
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_lpBuffer = lpBuffer;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
    m_bAutoDelete = TRUE;
    return lpBuffer;
}

BYTE* CMemFile::Alloc(SIZE_T nBytes)
{
    return static_cast<BYTE*>(malloc(nBytes));
}

BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes)
{
    return static_cast<BYTE*>(realloc(lpMem, nBytes));
}

void CMemFile::Free(BYTE* lpMem)
{
    free(lpMem);
}

void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();   // a fixed block cannot grow
    ULONGLONG wanted = dwNewLen;
    ULONGLONG half = m_nBufferSize + m_nBufferSize / 2;
    if (half > wanted)
        wanted = half;
    wanted = (wanted + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
    if (wanted > static_cast<SIZE_T>(-1) / 2)
        wanted = dwNewLen;
    SIZE_T nNewSize = static_cast<SIZE_T>(wanted);
    BYTE* lpNew = m_lpBuffer ? Realloc(m_lpBuffer, nNewSize) : Alloc(nNewSize);
    if (!lpNew)
        AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = nNewSize;
}

BOOL CMemFile::Open(LPCSTR, UINT, CFileException*)
{
    AfxThrowNotSupportedException();
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (m_nPosition >= m_nFileSize || nCount == 0)
        return 0;
    SIZE_T nAvailable = m_nFileSize - m_nPosition;
    UINT nRead = nCount < nAvailable ? nCount : static_cast<UINT>(nAvailable);
    memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    ULONGLONG nEnd = static_cast<ULONGLONG>(m_nPosition) + nCount;
    if (nEnd > static_cast<SIZE_T>(-1))
        AfxThrowMemoryException();
    if (nEnd > m_nBufferSize)
        GrowFile(static_cast<SIZE_T>(nEnd));
    if (m_nPosition > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition += nCount;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG origin = 0;
    if (nFrom == current)
        origin = static_cast<LONGLONG>(m_nPosition);
    else if (nFrom == end)
        origin = static_cast<LONGLONG>(m_nFileSize);
    LONGLONG position = origin + lOff;
    if (position < 0 || static_cast<ULONGLONG>(position) > static_cast<SIZE_T>(-1))
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    m_nPosition = static_cast<SIZE_T>(position);
    return m_nPosition;
}

ULONGLONG CMemFile::GetPosition() const
{
    return m_nPosition;
}

ULONGLONG CMemFile::GetLength() const
{
    return m_nFileSize;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > static_cast<SIZE_T>(-1))
        AfxThrowMemoryException();
    SIZE_T nNewLen = static_cast<SIZE_T>(dwNewLen);
    if (nNewLen > m_nBufferSize)
        GrowFile(nNewLen);
    if (nNewLen > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, nNewLen - m_nFileSize);
    m_nFileSize = nNewLen;
    if (m_nPosition > nNewLen)
        m_nPosition = nNewLen;
}

void CMemFile::Flush()
{
}

void CMemFile::Close()
{
    if (m_lpBuffer && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = nullptr;
    m_nBufferSize = m_nFileSize = m_nPosition = 0;
    m_bAutoDelete = TRUE;
}

void CMemFile::Abort()
{
    Close();
}

// CSharedFile

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags), m_hGlobalMemory(nullptr), m_bAllowGrow(TRUE)
{
}

CSharedFile::~CSharedFile()
{
    // Freed here, while Free still reaches the global-memory version.
    if (m_lpBuffer)
        Close();
}

BYTE* CSharedFile::Alloc(SIZE_T nBytes)
{
    ASSERT(m_hGlobalMemory == nullptr);
    HGLOBAL hMem = ::GlobalAlloc(m_nAllocFlags, nBytes);
    if (!hMem)
        return nullptr;
    m_hGlobalMemory = hMem;
    return static_cast<BYTE*>(::GlobalLock(hMem));
}

BYTE* CSharedFile::Realloc(BYTE*, SIZE_T nBytes)
{
    if (!m_bAllowGrow || !m_hGlobalMemory)
        return nullptr;
    ::GlobalUnlock(m_hGlobalMemory);
    HGLOBAL hNew = ::GlobalReAlloc(m_hGlobalMemory, nBytes, GMEM_MOVEABLE | (m_nAllocFlags & GMEM_ZEROINIT));
    if (!hNew) {
        m_lpBuffer = static_cast<BYTE*>(::GlobalLock(m_hGlobalMemory));
        return nullptr;
    }
    m_hGlobalMemory = hNew;
    return static_cast<BYTE*>(::GlobalLock(hNew));
}

void CSharedFile::Free(BYTE*)
{
    if (!m_hGlobalMemory)
        return;
    ::GlobalUnlock(m_hGlobalMemory);
    ::GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = nullptr;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL hMem = m_hGlobalMemory;
    if (hMem)
        ::GlobalUnlock(hMem);
    m_hGlobalMemory = nullptr;
    CMemFile::Detach();
    return hMem;
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    ASSERT(m_lpBuffer == nullptr && m_hGlobalMemory == nullptr);
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = static_cast<BYTE*>(::GlobalLock(hGlobalMemory));
    m_nBufferSize = m_nFileSize = ::GlobalSize(hGlobalMemory);
    m_nPosition = 0;
    m_bAllowGrow = bAllowGrow;
    m_bAutoDelete = TRUE;
}
