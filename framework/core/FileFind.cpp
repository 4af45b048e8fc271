#include "framework/core/FileFind.h"

#include <string.h>

#include <algorithm>

CFileFind::CFileFind()
    : m_hFind(INVALID_HANDLE_VALUE), m_found(), m_next(), m_bHaveFound(FALSE), m_bHaveNext(FALSE)
{
}

CFileFind::~CFileFind()
{
    Close();
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE)
        ::FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
    m_bHaveFound = m_bHaveNext = FALSE;
    m_strRoot.Empty();
}

BOOL CFileFind::FindFile(LPCSTR pstrName, DWORD)
{
    Close();
    if (!pstrName || !*pstrName)
        pstrName = "*.*";
    m_hFind = ::FindFirstFileA(pstrName, &m_next);
    if (m_hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    m_bHaveNext = TRUE;

    // The folder part of the full pattern, so paths do not depend on the
    // current directory later.
    char full[MAX_PATH];
    LPSTR filePart = nullptr;
    DWORD n = ::GetFullPathNameA(pstrName, MAX_PATH, full, &filePart);
    if (n > 0 && n < MAX_PATH && filePart) {
        *filePart = '\0';
        m_strRoot = full;
    } else {
        CString pattern(pstrName);
        int slash = std::max(pattern.ReverseFind('\\'), pattern.ReverseFind('/'));
        m_strRoot = slash < 0 ? CString() : pattern.Left(slash + 1);
    }
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bHaveNext)
        return FALSE;
    m_found = m_next;
    m_bHaveFound = TRUE;
    m_bHaveNext = ::FindNextFileA(m_hFind, &m_next) != FALSE;
    return m_bHaveNext;
}

CString CFileFind::GetFileName() const
{
    return m_bHaveFound ? CString(m_found.cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    return m_bHaveFound ? m_strRoot + m_found.cFileName : CString();
}

CString CFileFind::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot <= 0 ? name : name.Left(dot);
}

CString CFileFind::GetRoot() const
{
    return m_strRoot;
}

ULONGLONG CFileFind::GetLength() const
{
    if (!m_bHaveFound)
        return 0;
    return (static_cast<ULONGLONG>(m_found.nFileSizeHigh) << 32) | m_found.nFileSizeLow;
}

BOOL CFileFind::GetLastWriteTime(FILETIME* pTimeStamp) const
{
    if (!m_bHaveFound || !pTimeStamp)
        return FALSE;
    *pTimeStamp = m_found.ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::GetLastWriteTime(FILETIME& timeStamp) const
{
    return GetLastWriteTime(&timeStamp);
}

BOOL CFileFind::GetLastWriteTime(CTime& refTime) const
{
    if (!m_bHaveFound)
        return FALSE;
    refTime = CTime(m_found.ftLastWriteTime);
    return TRUE;
}

BOOL CFileFind::IsDirectory() const
{
    return m_bHaveFound && (m_found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

BOOL CFileFind::IsDots() const
{
    return IsDirectory() && (strcmp(m_found.cFileName, ".") == 0 || strcmp(m_found.cFileName, "..") == 0);
}
