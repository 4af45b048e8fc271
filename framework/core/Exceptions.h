// The framework's exceptions. One convention everywhere: they are thrown as
// heap pointers by the AfxThrow... helpers and caught as pointers; whoever
// catches one and does not rethrow it calls Delete().
//
//     try { ... }
//     catch (CException* e) { e->ReportError(); e->Delete(); }
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

#include <new>

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    CException() = default;
    void Delete() { delete this; }

    // The German text of the error; FALSE when there is none.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr);
    // Shows the text in a message box (or nIDPrompt's text when there is none).
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);
};

class CMemoryException : public CException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
};

class CResourceException : public CException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
};

class CNotSupportedException : public CException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
};

class CUserException : public CException
{
    DECLARE_DYNAMIC(CUserException)
};

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum {
        none, genericException, readOnly, endOfFile, writeOnly,
        badIndex, badClass, badSchema, bufferFull
    };
    explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = nullptr);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    int m_cause;
    CString m_strFileName;
};

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none, genericException, fileNotFound, badPath, tooManyOpenFiles,
        accessDenied, invalidFile, removeCurrentDir, directoryFull, badSeek,
        hardIO, sharingViolation, lockViolation, diskFull, endOfFile
    };
    explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszFileName = nullptr);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;

    // Maps a Win32 error code to a cause.
    static int OsErrorToException(LONG lOsError);
    static void ThrowOsError(LONG lOsError, LPCSTR lpszFileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class COleException : public CException
{
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = S_OK) : m_sc(sc) {}
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
    SCODE m_sc;
};

[[noreturn]] void AFXAPI AfxThrowMemoryException();
[[noreturn]] void AFXAPI AfxThrowResourceException();
[[noreturn]] void AFXAPI AfxThrowNotSupportedException();
[[noreturn]] void AFXAPI AfxThrowUserException();
[[noreturn]] void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = nullptr);
[[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCSTR lpszFileName = nullptr);
[[noreturn]] void AFXAPI AfxThrowOleException(SCODE sc);

// Runs a reader of outside data, turning a failed allocation into the
// framework's memory exception: callers report that one in German like any
// other refused input, where std::bad_alloc would end the program.
template <class Fn>
auto AfxCallWithMemoryException(Fn&& fn) -> decltype(fn())
{
    try
    {
        return fn();
    }
    catch (const std::bad_alloc&)
    {
        AfxThrowMemoryException();
    }
}

// Makes the C++ runtime's exception state of the calling thread now. The
// runtime makes it on the thread's first throw, from the heap; when that
// first throw is a failed allocation, the heap is exhausted and the runtime
// ends the process instead of raising std::bad_alloc. Every thread that may
// run out of memory and recover calls this when it starts; later calls
// cost a lookup.
void AFXAPI AfxInitThreadExceptions();

// Shows a message box from the framework's core (the window half installs a
// hook so message boxes go through the application and its test seam).
using AfxMessageBoxHook = int (*)(LPCSTR lpszText, UINT nType, UINT nIDHelp);
void AFXAPI AfxSetCoreMessageBoxHook(AfxMessageBoxHook hook);
int AFXAPI AfxCoreMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp = 0);
