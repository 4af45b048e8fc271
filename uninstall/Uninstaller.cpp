#include "uninstall/Uninstaller.h"

#include "uninstall/InstalledFiles.h"
#include "uninstall/RegistryCleanup.h"
#include "uninstall/UninstallEntry.h"

namespace {

const char kCaption[] = "Uninstall";

const char kConfirmRemoval[] = "Möchten Sie Qivnotes 2000 wirklich von diesem PC entfernen?";
const char kNotFound[] = "Es konnte keine Qivnotes 2000 Installation gefunden werden.";
const char kAskSettings[] = "Möchten Sie auch die Programm-Einstellungen aus der Registry löschen?";
const char kRemoved[] = "Qivnotes 2000 wurde erfolgreich entfernt.";
const char kProgramRunning[] =
    "Qivnotes 2000 wird gerade ausgeführt.\n\nBitte beenden Sie das Programm und wählen Sie dann "
    "\"Wiederholen\". Mit \"Abbrechen\" bleibt Qivnotes 2000 installiert.";
const char kFileInUse[] =
    "Die Datei \"%s\" wird gerade von einem anderen Programm verwendet.\n\nBitte schließen Sie dieses "
    "Programm und wählen Sie dann \"Wiederholen\". Mit \"Abbrechen\" bleibt Qivnotes 2000 installiert.";
const char kNotRemoved[] =
    "Diese Dateien konnten nicht entfernt werden:\n\n%s\nWählen Sie \"Wiederholen\", um es noch einmal "
    "zu versuchen. Mit \"Abbrechen\" bleibt der Eintrag zur Deinstallation erhalten, so dass Sie die "
    "Deinstallation später noch einmal ausführen können.";
const UINT kRetryType = MB_RETRYCANCEL | MB_ICONEXCLAMATION;

// Waits, asking, until no program holds an installed file; FALSE when the
// user gives up.
BOOL WaitUntilFilesAreFree(const CString& strFolder, CUninstallMessageBox& messageBox)
{
    for (;;) {
        const CString strName = FindInstalledFileInUse(strFolder);
        if (strName.IsEmpty())
            return TRUE;
        CString strText;
        if (strName.CompareNoCase("qivnotes.exe") == 0)
            strText = kProgramRunning;
        else
            strText.Format(kFileInUse, strName.GetString());
        if (messageBox.Show(strText, kCaption, kRetryType) != IDRETRY)
            return FALSE;
    }
}

// Deletes the files, asking to try again while some stay; FALSE when the
// user gives up with files left.
BOOL RemoveFiles(const CString& strFolder, CUninstallMessageBox& messageBox)
{
    for (;;) {
        const std::vector<CString> remaining = DeleteInstalledFiles(strFolder);
        if (remaining.empty())
            return TRUE;
        CString strList;
        for (const CString& strPath : remaining)
            strList += strPath + "\n";
        CString strText;
        strText.Format(kNotRemoved, strList.GetString());
        if (messageBox.Show(strText, kCaption, kRetryType) != IDRETRY)
            return FALSE;
    }
}

} // namespace

UninstallResult RunUninstall(const CUninstallPlaces& places, CUninstallMessageBox& messageBox)
{
    if (messageBox.Show(kConfirmRemoval, kCaption, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2)
        != IDYES)
        return UninstallResult::Declined;

    CString strValue;
    CString strFolder;
    if (!ReadUninstallString(places.hMachine, strValue)
        || !InstallFolderFromUninstallString(strValue, strFolder)) {
        messageBox.Show(kNotFound, kCaption, MB_OK | MB_ICONEXCLAMATION);
        return UninstallResult::NotFound;
    }

    if (!WaitUntilFilesAreFree(strFolder, messageBox) || !RemoveFiles(strFolder, messageBox))
        return UninstallResult::Kept;
    DeleteProgramShortcuts(places.strProgramsFolder, places.strDesktopFolder);
    DeleteFileAssociation(places.hClasses);

    if (messageBox.Show(kAskSettings, kCaption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES)
        DeleteProgramSettings(places.hUser);

    DeleteUninstallEntry(places.hMachine);
    messageBox.Show(kRemoved, kCaption, MB_OK | MB_ICONINFORMATION);
    return UninstallResult::Removed;
}
