#include "framework/core/OleStreamFile.h"

#include <string>

IMPLEMENT_DYNAMIC(COleStreamFile, CFile)

namespace {

struct StorageErrorCause
{
    SCODE sc;
    int cause;
};

const StorageErrorCause kStorageErrorCauses[] = {
    { STG_E_FILENOTFOUND, CFileException::fileNotFound },
    { STG_E_PATHNOTFOUND, CFileException::badPath },
    { STG_E_INVALIDNAME, CFileException::badPath },
    { STG_E_TOOMANYOPENFILES, CFileException::tooManyOpenFiles },
    { STG_E_ACCESSDENIED, CFileException::accessDenied },
    { STG_E_FILEALREADYEXISTS, CFileException::accessDenied },
    { STG_E_DISKISWRITEPROTECTED, CFileException::accessDenied },
    { STG_E_INVALIDHANDLE, CFileException::invalidFile },
    { STG_E_INVALIDHEADER, CFileException::invalidFile },
    { STG_E_DOCFILECORRUPT, CFileException::invalidFile },
    { STG_E_OLDFORMAT, CFileException::invalidFile },
    { STG_E_SEEKERROR, CFileException::badSeek },
    { STG_E_WRITEFAULT, CFileException::hardIO },
    { STG_E_READFAULT, CFileException::hardIO },
    { STG_E_SHAREVIOLATION, CFileException::sharingViolation },
    { STG_E_LOCKVIOLATION, CFileException::lockViolation },
    { STG_E_MEDIUMFULL, CFileException::diskFull },
};

} // namespace

COleStreamFile::COleStreamFile(LPSTREAM lpStream)
    : m_lpStream(lpStream)
{
}

COleStreamFile::~COleStreamFile()
{
    Abort();
}

int COleStreamFile::StorageErrorToException(SCODE sc)
{
    for (const StorageErrorCause& entry : kStorageErrorCauses)
        if (entry.sc == sc)
            return entry.cause;
    return -1;
}

void COleStreamFile::ThrowStorageError(SCODE sc) const
{
    if (sc == E_OUTOFMEMORY || sc == STG_E_INSUFFICIENTMEMORY)
        AfxThrowMemoryException();
    int cause = StorageErrorToException(sc);
    if (cause < 0)
        AfxThrowOleException(sc);
    AfxThrowFileException(cause, sc, m_strFileName);
}

void COleStreamFile::Attach(LPSTREAM lpStream)
{
    ASSERT(m_lpStream == nullptr);
    m_lpStream = lpStream;
}

LPSTREAM COleStreamFile::Detach()
{
    LPSTREAM lpStream = m_lpStream;
    m_lpStream = nullptr;
    return lpStream;
}

BOOL COleStreamFile::OpenStream(LPSTORAGE lpStorage, LPCSTR lpszStreamName, DWORD nOpenFlags,
                                CFileException* pError)
{
    ASSERT(m_lpStream == nullptr && lpStorage != nullptr);
    // The CFile access and share values are the storage mode values; streams
    // inside a storage can only be opened exclusively.
    DWORD grfMode = nOpenFlags & (modeWrite | modeReadWrite);
    grfMode |= STGM_SHARE_EXCLUSIVE;
    std::wstring name = AfxAnsiToWide(lpszStreamName);
    m_strFileName = lpszStreamName;
    SCODE sc = lpStorage->OpenStream(name.c_str(), nullptr, grfMode, 0, &m_lpStream);
    if (FAILED(sc)) {
        m_lpStream = nullptr;
        if (pError) {
            int cause = StorageErrorToException(sc);
            pError->m_cause = cause < 0 ? CFileException::genericException : cause;
            pError->m_lOsError = sc;
            pError->m_strFileName = lpszStreamName;
        }
        return FALSE;
    }
    return TRUE;
}

BOOL COleStreamFile::Open(LPCSTR, UINT, CFileException*)
{
    AfxThrowNotSupportedException();
}

UINT COleStreamFile::Read(void* lpBuf, UINT nCount)
{
    ASSERT(m_lpStream != nullptr);
    ULONG nRead = 0;
    SCODE sc = m_lpStream->Read(lpBuf, nCount, &nRead);
    if (FAILED(sc))
        ThrowStorageError(sc);
    return nRead;
}

void COleStreamFile::Write(const void* lpBuf, UINT nCount)
{
    ASSERT(m_lpStream != nullptr);
    ULONG nWritten = 0;
    SCODE sc = m_lpStream->Write(lpBuf, nCount, &nWritten);
    if (FAILED(sc))
        ThrowStorageError(sc);
    if (nWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG COleStreamFile::Seek(LONGLONG lOff, UINT nFrom)
{
    ASSERT(m_lpStream != nullptr);
    // STREAM_SEEK_SET, _CUR and _END have the values of begin, current, end.
    LARGE_INTEGER move;
    move.QuadPart = lOff;
    ULARGE_INTEGER position;
    SCODE sc = m_lpStream->Seek(move, nFrom, &position);
    if (FAILED(sc))
        ThrowStorageError(sc);
    return position.QuadPart;
}

ULONGLONG COleStreamFile::GetPosition() const
{
    ASSERT(m_lpStream != nullptr);
    LARGE_INTEGER zero;
    zero.QuadPart = 0;
    ULARGE_INTEGER position;
    SCODE sc = m_lpStream->Seek(zero, STREAM_SEEK_CUR, &position);
    if (FAILED(sc))
        ThrowStorageError(sc);
    return position.QuadPart;
}

ULONGLONG COleStreamFile::GetLength() const
{
    ASSERT(m_lpStream != nullptr);
    STATSTG stat;
    SCODE sc = m_lpStream->Stat(&stat, STATFLAG_NONAME);
    if (FAILED(sc))
        ThrowStorageError(sc);
    return stat.cbSize.QuadPart;
}

void COleStreamFile::SetLength(ULONGLONG dwNewLen)
{
    ASSERT(m_lpStream != nullptr);
    ULARGE_INTEGER size;
    size.QuadPart = dwNewLen;
    SCODE sc = m_lpStream->SetSize(size);
    if (FAILED(sc))
        ThrowStorageError(sc);
}

void COleStreamFile::Flush()
{
    if (!m_lpStream)
        return;
    SCODE sc = m_lpStream->Commit(STGC_DEFAULT);
    if (FAILED(sc))
        ThrowStorageError(sc);
}

void COleStreamFile::Close()
{
    Abort();
}

void COleStreamFile::Abort()
{
    if (m_lpStream) {
        m_lpStream->Release();
        m_lpStream = nullptr;
    }
}
