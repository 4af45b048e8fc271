// CFileFind: walks the files matching a pattern. After FindFile, each
// FindNextFile moves to the next match and answers whether another one
// follows; the getters describe the match moved to last.
#pragma once

#include "framework/core/String.h"
#include "framework/core/Time.h"

class CFileFind
{
public:
    CFileFind();
    ~CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // Starts a search ("*.*" when no pattern is given); FALSE when nothing
    // matches.
    BOOL FindFile(LPCSTR pstrName = nullptr, DWORD dwUnused = 0);
    BOOL FindNextFile();
    void Close();

    CString GetFileName() const;
    CString GetFilePath() const;
    CString GetFileTitle() const;
    CString GetRoot() const;
    ULONGLONG GetLength() const;
    BOOL GetLastWriteTime(FILETIME* pTimeStamp) const;
    BOOL GetLastWriteTime(FILETIME& timeStamp) const;
    BOOL GetLastWriteTime(CTime& refTime) const;
    BOOL IsDirectory() const;
    // The "." and ".." entries of a directory.
    BOOL IsDots() const;

private:
    HANDLE m_hFind;
    WIN32_FIND_DATAA m_found;
    WIN32_FIND_DATAA m_next;
    BOOL m_bHaveFound;
    BOOL m_bHaveNext;
    CString m_strRoot;   // the folder of the pattern, with a trailing backslash
};
