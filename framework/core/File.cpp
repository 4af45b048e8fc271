#include "framework/core/File.h"

#include <shlwapi.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace {

// The full path of a name, so error messages and GetFilePath do not depend
// on the current directory at the time they are asked.
CString FullPathOf(LPCSTR lpszFileName)
{
    char buffer[MAX_PATH];
    LPSTR filePart = nullptr;
    DWORD n = ::GetFullPathNameA(lpszFileName, MAX_PATH, buffer, &filePart);
    if (n == 0 || n >= MAX_PATH)
        return CString(lpszFileName);
    return CString(buffer);
}

} // namespace

CFile::CFile()
    : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE hFile)
    : m_hFile(hFile), m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags)
    : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    ASSERT(m_hFile == hFileNull);
    DWORD access = 0;
    switch (nOpenFlags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    default: break;
    }
    DWORD share = 0;
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: break;   // shareCompat and shareExclusive
    }
    DWORD creation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        creation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    SECURITY_ATTRIBUTES sa = { sizeof sa, nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE };

    m_strFileName = FullPathOf(lpszFileName);
    HANDLE h = ::CreateFileA(lpszFileName, access, share, &sa, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        LONG osError = static_cast<LONG>(::GetLastError());
        if (pError) {
            pError->m_lOsError = osError;
            pError->m_cause = CFileException::OsErrorToException(osError);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = h;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    ASSERT(m_hFile != hFileNull);
    if (nCount == 0)
        return 0;
    DWORD nRead = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &nRead, nullptr))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    ASSERT(m_hFile != hFileNull);
    if (nCount == 0)
        return;
    DWORD nWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &nWritten, nullptr))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    if (nWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    ASSERT(m_hFile != hFileNull);
    ASSERT(nFrom == begin || nFrom == current || nFrom == end);
    LARGE_INTEGER distance;
    distance.QuadPart = lOff;
    LARGE_INTEGER position;
    if (!::SetFilePointerEx(m_hFile, distance, &position, nFrom))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    return static_cast<ULONGLONG>(position.QuadPart);
}

void CFile::SeekToBegin()
{
    Seek(0, begin);
}

ULONGLONG CFile::SeekToEnd()
{
    return Seek(0, end);
}

ULONGLONG CFile::GetPosition() const
{
    ASSERT(m_hFile != hFileNull);
    LARGE_INTEGER zero;
    zero.QuadPart = 0;
    LARGE_INTEGER position;
    if (!::SetFilePointerEx(m_hFile, zero, &position, FILE_CURRENT))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    ASSERT(m_hFile != hFileNull);
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(m_hFile, &size))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    ASSERT(m_hFile != hFileNull);
    Seek(static_cast<LONGLONG>(dwNewLen), begin);
    if (!::SetEndOfFile(m_hFile))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
    if (!::FlushFileBuffers(m_hFile))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}

void CFile::Close()
{
    BOOL ok = TRUE;
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        ok = ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (!ok)
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}

CString CFile::GetFilePath() const
{
    return m_strFileName;
}

CString CFile::GetFileName() const
{
    return CString(::PathFindFileNameA(m_strFileName));
}

CString CFile::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

void CFile::SetFilePath(LPCSTR lpszNewName)
{
    m_strFileName = lpszNewName;
}

void PASCAL CFile::Remove(LPCSTR lpszFileName)
{
    if (!::DeleteFileA(lpszFileName))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszFileName);
}

void PASCAL CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName)
{
    if (!::MoveFileA(lpszOldName, lpszNewName))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszOldName);
}
