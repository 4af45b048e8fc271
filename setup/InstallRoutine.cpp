#include "setup/InstallRoutine.h"

#include "setup/InstallFiles.h"
#include "setup/LongPath.h"
#include "setup/SetupRegistry.h"
#include "setup/ShellLink.h"

#include <shlobj.h>

#include <vector>

const CFavouriteLink kFavouriteLinks[2] = {
    {"Qivnotes.lnk", "http://www.qivnotes.de/"},
    {"Qivnotes Shop.lnk", "http://www.qivnotes.de/shop/"},
};

namespace {

const int kProgressSteps = 26;
const char kShortcutName[] = "\\Qivnotes 2000.lnk";

CString SpecialFolder(int nFolder)
{
    char szPath[MAX_PATH] = {};
    if (!::SHGetSpecialFolderPathA(nullptr, szPath, nFolder, FALSE))
        return CString();
    return CString(szPath);
}

CString Quoted(const CString& str)
{
    return "\"" + str + "\"";
}

// A line of the plan: shown as the status of a real run, always appended.
void AddLine(CString& strText, CInstallProgress* pProgress, const CString& strLine)
{
    if (pProgress)
        pProgress->ShowStatus(strLine);
    strText += strLine;
    strText += "\r\n";
}

void Step(CInstallProgress* pProgress)
{
    if (pProgress)
        pProgress->Step();
}

} // namespace

CInstallPlaces SystemInstallPlaces()
{
    CInstallPlaces places;
    places.hClasses = HKEY_CLASSES_ROOT;
    places.hMachine = HKEY_LOCAL_MACHINE;
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size())
            break;
        buffer.resize(buffer.size() * 2);
    }
    CString strProgram(buffer.data());
    const int nSlash = strProgram.ReverseFind('\\');
    places.strSourceFolder = strProgram.Left(nSlash + 1);
    places.strProgramsFolder = SpecialFolder(CSIDL_PROGRAMS);
    places.strDesktopFolder = SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    places.strDocumentsFolder = SpecialFolder(CSIDL_PERSONAL);
    return places;
}

BOOL RunInstall(const CInstallPlaces& places, const CInstallChoices& choices, CString& strText,
                CInstallProgress* pProgress, HWND hWndOwner)
{
    if (pProgress) {
        pProgress->Begin(kProgressSteps);
        pProgress->ShowStatus("Beginne Installationsvorgang...");
    }
    strText.Empty();

    CString strDestination = choices.strDestination;
    if (pProgress)
        pProgress->ShowStatus("Suche " + Quoted(strDestination));
    if (!PathExists(strDestination))
        AddLine(strText, pProgress, "Erstelle Ordner " + Quoted(strDestination));
    if (strDestination.IsEmpty() || strDestination[strDestination.GetLength() - 1] != '\\')
        strDestination += '\\';
    Step(pProgress);

    for (LPCSTR lpszName : kInstallFiles) {
        if (choices.bProgram) {
            AddLine(strText, pProgress, "Kopiere " + Quoted(lpszName) + " nach "
                                            + Quoted(strDestination + lpszName));
            if (pProgress)
                CopyInstallFile(lpszName, places.strSourceFolder, strDestination, hWndOwner);
        }
        Step(pProgress);
    }

    CString strWorking = places.strDocumentsFolder;
    if (strWorking.IsEmpty())
        strWorking = strDestination.Left(strDestination.GetLength() - 1);
    const CString strTarget = strDestination + "qivnotes.exe";

    if (choices.bStartMenu && choices.bProgram) {
        AddLine(strText, pProgress, "Erstelle Programmsymbol im Startmenü");
        if (pProgress && !places.strProgramsFolder.IsEmpty())
            CreateShellLink(places.strProgramsFolder + kShortcutName, strWorking, strTarget, "");
    }
    Step(pProgress);

    if (choices.bDesktop && choices.bProgram) {
        AddLine(strText, pProgress, "Erstelle Programmsymbol auf dem Desktop");
        if (pProgress && !places.strDesktopFolder.IsEmpty())
            CreateShellLink(places.strDesktopFolder + kShortcutName, strWorking, strTarget, "");
    }

    if (pProgress) {
        pProgress->Step();
        // Without a favourites folder the links would land in the current
        // folder; they are left out instead.
        if (!choices.strFavourites.IsEmpty())
            for (const CFavouriteLink& link : kFavouriteLinks)
                CreateShellLink(choices.strFavourites + link.lpszFileName, "", link.lpszTarget, "");
        pProgress->Step();
    }

    if (choices.bProgram) {
        AddLine(strText, pProgress, "Erstelle Registrierdatenbank-Einträge");
        if (pProgress) {
            WriteFileAssociation(places.hClasses, strDestination);
            WriteUninstallEntry(places.hMachine, strDestination);
        }
    }
    Step(pProgress);
    if (pProgress && choices.bProgram)
        WriteAppPath(places.hMachine, strDestination);

    if (pProgress) {
        pProgress->ShowStatus("Installationsvorgang beendet.");
        pProgress->End();
    }
    return TRUE;
}
