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

    DeleteInstalledFiles(strFolder);
    DeleteProgramShortcuts(places.strProgramsFolder, places.strDesktopFolder);
    DeleteFileAssociation(places.hClasses);

    if (messageBox.Show(kAskSettings, kCaption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES)
        DeleteProgramSettings(places.hUser);

    DeleteUninstallEntry(places.hMachine);
    messageBox.Show(kRemoved, kCaption, MB_OK | MB_ICONINFORMATION);
    return UninstallResult::Removed;
}
