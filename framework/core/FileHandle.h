// CFileHandle: a Win32 file handle closed when it goes out of scope, for
// the places that work on files below CFile (copies in pieces, probes,
// files of the settings).
#pragma once

#include "framework/core/AfxWin.h"

class CFileHandle
{
public:
    explicit CFileHandle(HANDLE hFile) : m_hFile(hFile) {}
    ~CFileHandle() { Close(); }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    HANDLE Get() const { return m_hFile; }
    bool IsValid() const { return m_hFile != INVALID_HANDLE_VALUE; }
    // Closes it now; FALSE when the system reports an error on closing (the
    // last data may not have been written).
    BOOL Close()
    {
        BOOL bClosed = TRUE;
        if (IsValid())
            bClosed = ::CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
        return bClosed;
    }

private:
    HANDLE m_hFile;
};
