#include "setup/InstallRoutine.h"

#include "setup/InstallFiles.h"
#include "setup/SetupRegistry.h"
#include "setup/ShellLink.h"

#include "framework/core/LongPath.h"

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

// What a real run made that was not there before, so that a cancelled run
// can take it back. Files it replaced are not restored.
class CRunJournal
{
public:
    void CreateLink(const CString& strLink, LPCSTR lpszWorking, LPCSTR lpszTarget)
    {
        const BOOL bExisted = PathExists(strLink);
        CreateShellLink(strLink, lpszWorking, lpszTarget, "");
        if (!bExisted && PathExists(strLink))
            m_files.push_back(strLink);
    }
    void Undo()
    {
        for (auto it = m_files.rbegin(); it != m_files.rend(); ++it)
            ::DeleteFileW(LongPathW(*it).c_str());
        // Only empty folders go: whatever else is in them stays.
        for (auto it = m_folders.rbegin(); it != m_folders.rend(); ++it)
            ::RemoveDirectoryW(LongPathW(*it).c_str());
        m_files.clear();
        m_folders.clear();
    }

    std::vector<CString> m_files;
    std::vector<CString> m_folders;
};

// Copies one file, asking whether to try again while it fails; FALSE when
// the installation is to be cancelled.
BOOL CopyOneFile(LPCSTR lpszName, const CString& strSource, const CString& strDestination,
                 CInstallProgress& progress, CRunJournal& journal)
{
    const CString strTo = strDestination + lpszName;
    const BOOL bExisted = PathExists(strTo);
    for (;;) {
        if (!progress.GoOn())
            return FALSE;
        const DWORD dwError = CopyInstallFile(lpszName, strSource, strDestination,
                                              [&progress] { return progress.GoOn(); });
        if (dwError == 0)
            break;
        if (dwError == ERROR_CANCELLED || !progress.RetryCopy(lpszName, strTo, dwError))
            return FALSE;
        // The folder may have gone, or its drive come back, meanwhile.
        CreateFolders(strDestination, &journal.m_folders);
    }
    if (!bExisted)
        journal.m_files.push_back(strTo);
    return TRUE;
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
                CInstallProgress* pProgress)
{
    if (pProgress) {
        pProgress->Begin(kProgressSteps);
        pProgress->ShowStatus("Beginne Installationsvorgang...");
    }
    strText.Empty();
    CRunJournal journal;
    auto cancel = [&] {
        journal.Undo();
        pProgress->ShowStatus("Installation abgebrochen.");
        return FALSE;
    };

    CString strDestination = choices.strDestination;
    if (pProgress)
        pProgress->ShowStatus("Suche " + Quoted(strDestination));
    if (!PathExists(strDestination))
        AddLine(strText, pProgress, "Erstelle Ordner " + Quoted(strDestination));
    if (strDestination.IsEmpty() || strDestination[strDestination.GetLength() - 1] != '\\')
        strDestination += '\\';
    // A folder that can't be made shows as the first file that can't be
    // copied into it.
    if (pProgress && choices.bProgram)
        CreateFolders(strDestination, &journal.m_folders);
    Step(pProgress);

    for (LPCSTR lpszName : kInstallFiles) {
        if (choices.bProgram) {
            AddLine(strText, pProgress, "Kopiere " + Quoted(lpszName) + " nach "
                                            + Quoted(strDestination + lpszName));
            if (pProgress && !CopyOneFile(lpszName, places.strSourceFolder, strDestination, *pProgress,
                                          journal))
                return cancel();
        }
        Step(pProgress);
    }

    CString strWorking = places.strDocumentsFolder;
    if (strWorking.IsEmpty())
        strWorking = strDestination.Left(strDestination.GetLength() - 1);
    const CString strTarget = strDestination + "qivnotes.exe";
    if (pProgress && !pProgress->GoOn())
        return cancel();

    if (choices.bStartMenu && choices.bProgram) {
        AddLine(strText, pProgress, "Erstelle Programmsymbol im Startmenü");
        if (pProgress && !places.strProgramsFolder.IsEmpty())
            journal.CreateLink(places.strProgramsFolder + kShortcutName, strWorking, strTarget);
    }
    Step(pProgress);

    if (choices.bDesktop && choices.bProgram) {
        AddLine(strText, pProgress, "Erstelle Programmsymbol auf dem Desktop");
        if (pProgress && !places.strDesktopFolder.IsEmpty())
            journal.CreateLink(places.strDesktopFolder + kShortcutName, strWorking, strTarget);
    }

    if (pProgress) {
        pProgress->Step();
        // Without a favourites folder the links would land in the current
        // folder; they are left out instead.
        if (!choices.strFavourites.IsEmpty())
            for (const CFavouriteLink& link : kFavouriteLinks)
                journal.CreateLink(choices.strFavourites + link.lpszFileName, "", link.lpszTarget);
        pProgress->Step();
        // The last point where the run can still be taken back: the
        // registry entries are written in one go.
        if (!pProgress->GoOn())
            return cancel();
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
