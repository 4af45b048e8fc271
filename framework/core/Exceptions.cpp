// The framework's exceptions and their German texts. Texts that name a file
// come in two forms, with and without the name, so a message never shows an
// empty pair of quotes.
#include "framework/core/Exceptions.h"

#include "framework/core/Module.h"

#include <stdio.h>
#include <string.h>

#if defined(__GLIBCXX__)
#include <cxxabi.h>
#endif

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(COleException, CException)

namespace {

AfxMessageBoxHook g_messageBoxHook = nullptr;

// Copies a text into the caller's buffer, cut to fit.
BOOL CopyMessage(LPCSTR lpszText, LPSTR lpszError, UINT nMaxError)
{
    if (lpszError && nMaxError > 0)
        lstrcpynA(lpszError, lpszText, static_cast<int>(nMaxError));
    return TRUE;
}

struct NamedText
{
    LPCSTR withName;     // "%s" stands for the file name
    LPCSTR withoutName;
};

BOOL FormatNamed(const NamedText& text, const CString& strName, LPSTR lpszError, UINT nMaxError)
{
    CString message;
    if (strName.IsEmpty())
        message = text.withoutName;
    else
        message.Format(text.withName, static_cast<LPCSTR>(strName));
    return CopyMessage(message, lpszError, nMaxError);
}

const NamedText kArchiveTexts[] = {
    /* none */ { "Die Datei \"%s\" konnte nicht gelesen oder geschrieben werden.",
                 "Die Daten konnten nicht gelesen oder geschrieben werden." },
    /* genericException */ { "Beim Lesen oder Schreiben von \"%s\" ist ein unerwarteter Fehler aufgetreten.",
                             "Beim Lesen oder Schreiben ist ein unerwarteter Fehler aufgetreten." },
    /* readOnly */ { "In \"%s\" kann nicht geschrieben werden: die Datei ist nur zum Lesen geöffnet.",
                     "Es wurde versucht, in ein nur zum Lesen geöffnetes Archiv zu schreiben." },
    /* endOfFile */ { "Unerwartetes Dateiende beim Lesen von \"%s\". Die Datei ist unvollständig oder beschädigt.",
                      "Unerwartetes Dateiende. Die Daten sind unvollständig oder beschädigt." },
    /* writeOnly */ { "Aus \"%s\" kann nicht gelesen werden: die Datei ist nur zum Schreiben geöffnet.",
                      "Es wurde versucht, aus einem nur zum Schreiben geöffneten Archiv zu lesen." },
    /* badIndex */ { "Unerwartetes Dateiformat: \"%s\" enthält einen ungültigen Verweis.",
                     "Unerwartetes Dateiformat: die Daten enthalten einen ungültigen Verweis." },
    /* badClass */ { "Unerwartetes Dateiformat: \"%s\" enthält ein unbekanntes Objekt.",
                     "Unerwartetes Dateiformat: die Daten enthalten ein unbekanntes Objekt." },
    /* badSchema */ { "\"%s\" wurde von einer anderen Programmversion gespeichert und kann nicht gelesen werden.",
                      "Die Daten stammen von einer anderen Programmversion und können nicht gelesen werden." },
    /* bufferFull */ { "Beim Lesen oder Schreiben von \"%s\" ist der Puffer übergelaufen.",
                       "Beim Lesen oder Schreiben ist der Puffer übergelaufen." },
};

const NamedText kFileTexts[] = {
    /* none */ { "Beim Zugriff auf \"%s\" ist ein Fehler aufgetreten.",
                 "Beim Dateizugriff ist ein Fehler aufgetreten." },
    /* genericException */ { "Beim Zugriff auf \"%s\" ist ein unerwarteter Fehler aufgetreten.",
                             "Beim Dateizugriff ist ein unerwarteter Fehler aufgetreten." },
    /* fileNotFound */ { "Die Datei \"%s\" wurde nicht gefunden.",
                         "Die Datei wurde nicht gefunden." },
    /* badPath */ { "Der Pfad \"%s\" ist ungültig oder nicht erreichbar.",
                    "Der Pfad ist ungültig oder nicht erreichbar." },
    /* tooManyOpenFiles */ { "\"%s\" kann nicht geöffnet werden, weil zu viele Dateien geöffnet sind.",
                             "Es sind zu viele Dateien geöffnet." },
    /* accessDenied */ { "Der Zugriff auf \"%s\" wurde verweigert.",
                         "Der Zugriff auf die Datei wurde verweigert." },
    /* invalidFile */ { "\"%s\" ist keine gültige Datei.",
                        "Die Datei ist ungültig." },
    /* removeCurrentDir */ { "Das aktuelle Verzeichnis \"%s\" kann nicht entfernt werden.",
                             "Das aktuelle Verzeichnis kann nicht entfernt werden." },
    /* directoryFull */ { "\"%s\" kann nicht angelegt werden, weil das Verzeichnis voll ist.",
                          "Das Verzeichnis ist voll." },
    /* badSeek */ { "In \"%s\" konnte die Schreib-/Leseposition nicht gesetzt werden.",
                    "Die Schreib-/Leseposition konnte nicht gesetzt werden." },
    /* hardIO */ { "Beim Zugriff auf \"%s\" ist ein Hardwarefehler aufgetreten.",
                   "Beim Dateizugriff ist ein Hardwarefehler aufgetreten." },
    /* sharingViolation */ { "\"%s\" wird von einem anderen Programm verwendet.",
                             "Die Datei wird von einem anderen Programm verwendet." },
    /* lockViolation */ { "Ein Bereich von \"%s\" ist gesperrt.",
                          "Ein Bereich der Datei ist gesperrt." },
    /* diskFull */ { "\"%s\" konnte nicht geschrieben werden, weil der Datenträger voll ist.",
                     "Der Datenträger ist voll." },
    /* endOfFile */ { "Beim Lesen von \"%s\" wurde das Dateiende unerwartet erreicht.",
                      "Das Dateiende wurde unerwartet erreicht." },
};

struct OsErrorCause
{
    LONG osError;
    int cause;
};

const OsErrorCause kOsErrorCauses[] = {
    { ERROR_FILE_NOT_FOUND, CFileException::fileNotFound },
    { ERROR_PATH_NOT_FOUND, CFileException::badPath },
    { ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles },
    { ERROR_ACCESS_DENIED, CFileException::accessDenied },
    { ERROR_INVALID_HANDLE, CFileException::invalidFile },
    { ERROR_BAD_FORMAT, CFileException::invalidFile },
    { ERROR_INVALID_ACCESS, CFileException::accessDenied },
    { ERROR_INVALID_DRIVE, CFileException::badPath },
    { ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir },
    { ERROR_NOT_SAME_DEVICE, CFileException::badPath },
    { ERROR_NO_MORE_FILES, CFileException::fileNotFound },
    { ERROR_WRITE_PROTECT, CFileException::accessDenied },
    { ERROR_BAD_UNIT, CFileException::hardIO },
    { ERROR_NOT_READY, CFileException::hardIO },
    { ERROR_BAD_COMMAND, CFileException::hardIO },
    { ERROR_CRC, CFileException::hardIO },
    { ERROR_BAD_LENGTH, CFileException::badSeek },
    { ERROR_SEEK, CFileException::badSeek },
    { ERROR_NOT_DOS_DISK, CFileException::invalidFile },
    { ERROR_SECTOR_NOT_FOUND, CFileException::badSeek },
    { ERROR_WRITE_FAULT, CFileException::hardIO },
    { ERROR_READ_FAULT, CFileException::hardIO },
    { ERROR_GEN_FAILURE, CFileException::hardIO },
    { ERROR_SHARING_VIOLATION, CFileException::sharingViolation },
    { ERROR_LOCK_VIOLATION, CFileException::lockViolation },
    { ERROR_WRONG_DISK, CFileException::badPath },
    { ERROR_SHARING_BUFFER_EXCEEDED, CFileException::tooManyOpenFiles },
    { ERROR_HANDLE_EOF, CFileException::endOfFile },
    { ERROR_HANDLE_DISK_FULL, CFileException::diskFull },
    { ERROR_BAD_NETPATH, CFileException::badPath },
    { ERROR_NETWORK_ACCESS_DENIED, CFileException::accessDenied },
    { ERROR_BAD_NET_NAME, CFileException::badPath },
    { ERROR_FILE_EXISTS, CFileException::accessDenied },
    { ERROR_CANNOT_MAKE, CFileException::directoryFull },
    { ERROR_DRIVE_LOCKED, CFileException::lockViolation },
    { ERROR_DISK_FULL, CFileException::diskFull },
    { ERROR_INVALID_NAME, CFileException::badPath },
    { ERROR_NEGATIVE_SEEK, CFileException::badSeek },
    { ERROR_SEEK_ON_DEVICE, CFileException::badSeek },
    { ERROR_DIR_NOT_EMPTY, CFileException::removeCurrentDir },
    { ERROR_BAD_PATHNAME, CFileException::badPath },
    { ERROR_LOCK_FAILED, CFileException::lockViolation },
    { ERROR_BUSY, CFileException::accessDenied },
    { ERROR_ALREADY_EXISTS, CFileException::accessDenied },
    { ERROR_FILENAME_EXCED_RANGE, CFileException::badPath },
    { ERROR_DIRECTORY, CFileException::badPath },
    { ERROR_OPERATION_ABORTED, CFileException::hardIO },
};

} // namespace

// CException

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (lpszError && nMaxError > 0)
        *lpszError = '\0';
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char text[512];
    UINT nHelpContext = 0;
    CString message;
    if (GetErrorMessage(text, sizeof text, &nHelpContext))
        message = text;
    else if (nMessageID == 0 || !message.LoadString(nMessageID))
        message = "Zu diesem Fehler ist keine Meldung verfügbar.";
    return AfxCoreMessageBox(message, nType, nHelpContext);
}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    return CopyMessage("Nicht genügend Arbeitsspeicher.", lpszError, nMaxError);
}

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    return CopyMessage("Eine Windows-Ressource konnte nicht angelegt oder geladen werden.",
                       lpszError, nMaxError);
}

BOOL CNotSupportedException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    return CopyMessage("Dieser Vorgang wird nicht unterstützt.", lpszError, nMaxError);
}

// CArchiveException

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{
}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    int cause = m_cause;
    if (cause < 0 || cause >= static_cast<int>(sizeof kArchiveTexts / sizeof kArchiveTexts[0]))
        cause = genericException;
    return FormatNamed(kArchiveTexts[cause], m_strFileName, lpszError, nMaxError);
}

// CFileException

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName)
{
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    int cause = m_cause;
    if (cause < 0 || cause >= static_cast<int>(sizeof kFileTexts / sizeof kFileTexts[0]))
        cause = genericException;
    return FormatNamed(kFileTexts[cause], m_strFileName, lpszError, nMaxError);
}

int CFileException::OsErrorToException(LONG lOsError)
{
    for (const OsErrorCause& entry : kOsErrorCauses)
        if (entry.osError == lOsError)
            return entry.cause;
    return lOsError == 0 ? none : genericException;
}

void CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

// COleException

BOOL COleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    CString message;
    message.Format("Bei einem OLE-Vorgang ist ein Fehler aufgetreten (Code 0x%08lX).",
                   static_cast<unsigned long>(m_sc));
    return CopyMessage(message, lpszError, nMaxError);
}

// Throwing helpers

void AFXAPI AfxThrowMemoryException()
{
    throw new CMemoryException;
}

void AFXAPI AfxThrowResourceException()
{
    throw new CResourceException;
}

void AFXAPI AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}

void AFXAPI AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

void AFXAPI AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}

void AFXAPI AfxInitThreadExceptions()
{
#if defined(__GLIBCXX__)
    // Declared a pure function: a call whose result goes unused is dropped.
    void* volatile pState = abi::__cxa_get_globals();
    (void)pState;
#endif
}

// Message boxes of the core

void AFXAPI AfxSetCoreMessageBoxHook(AfxMessageBoxHook hook)
{
    g_messageBoxHook = hook;
}

int AFXAPI AfxCoreMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (g_messageBoxHook)
        return g_messageBoxHook(lpszText, nType, nIDHelp);
    LPCSTR caption = AfxGetModuleState()->m_lpszCurrentAppName;
    return ::MessageBoxA(::GetActiveWindow(), lpszText, caption, nType);
}
