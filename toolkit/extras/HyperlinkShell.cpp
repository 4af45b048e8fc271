#include "toolkit/extras/HyperlinkShell.h"

#include "toolkit/draw/ResourceManager.h"

#include <shellapi.h>

namespace {

struct SHELL_ERROR_TEXT
{
    int nError;
    UINT nIDString;
    LPCSTR lpszText;
};

// The program's string table carries these texts under the same ids; the
// copies here keep the message readable where it does not.
const SHELL_ERROR_TEXT s_errorTexts[] = {
    { 0, 9037, "Das Betriebssystem hat keinen weiteren Speicher oder Resourcen mehr." },
    { 2, 9038, "Die angegebene Datei wurde nicht gefunden." },
    { 3, 9039, "Der angegebene Pfad wurde nicht gefunden." },
    { 5, 9040, "Das Betriebssystem hat keinen Zugriff auf die angegebene Datei." },
    { 8, 9041, "Nicht genug Speicher um die Operation abzuschließen." },
    { 11, 9042, "Die .exe Datei ist ungültig (keine-Win32® .exe oder Fehler in .exe Datei)." },
    { 26, 9043, "Fehler beim gemeinsamen Datenzugriff (Sharing violation)." },
    { 27, 9044, "Die Dateinamenverknüpfung ist nicht vollständig oder ungültig." },
    { 28, 9045, "Die DDE Transaktion konnte nicht beendet werden (Zeitüberschreitung)." },
    { 29, 9046, "Die DDE Transaktion schlug fehl." },
    { 30, 9047, "Die DDE Transaktion konnte nicht beendet werden. Grund: andere DDE Transaktionen "
                "wurden ausgeführt." },
    { 31, 9048, "Es wurde keine Applikationverknüpfung zur angegebenen Dateierweiterung gefunden." },
    { 32, 9049, "Die angegebene Dynamic-Link Library konnte nicht gefunden werden." },
};

const UINT IDS_UNKNOWN_SHELL_ERROR = 9050;
const char s_szUnknownError[] = "Ein unbekannter Fehler  %d ist aufgetreten.";

CString LoadOrDefault(UINT nIDString, LPCSTR lpszDefault)
{
    CString str;
    if (!GetResourceManager()->LoadString(&str, nIDString) || str.IsEmpty())
        str = lpszDefault;
    return str;
}

} // namespace

INT_PTR XTShellOpen(LPCSTR lpszFile, LPCSTR lpszParams, LPCSTR lpszDir, int nShowCmd)
{
    XT_SHELLOPEN_REQUEST request = { lpszFile ? lpszFile : "", lpszParams ? lpszParams : "",
                                     lpszDir ? lpszDir : "", nShowCmd };
    int nResult = 0;
    if (CShellOpenSeam::Answer(request, &nResult))
        return nResult;
    return reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(nullptr, "open", lpszFile, lpszParams, lpszDir, nShowCmd));
}

CString XTShellOpenErrorText(int nError)
{
    for (const SHELL_ERROR_TEXT& entry : s_errorTexts)
    {
        if (entry.nError == nError)
            return LoadOrDefault(entry.nIDString, entry.lpszText);
    }
    // The format comes from our own resources, but a translator's stray
    // specifier must not read beyond the one argument: only "%d" is filled.
    CString strFormat = LoadOrDefault(IDS_UNKNOWN_SHELL_ERROR, s_szUnknownError);
    CString strNumber;
    strNumber.Format("%d", nError);
    CString strText = strFormat;
    strText.Replace("%d", strNumber);
    return strText;
}
