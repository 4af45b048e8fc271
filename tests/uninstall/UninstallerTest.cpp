#include "FakeInstallation.h"

#include "uninstall/Uninstaller.h"

#include <gtest/gtest.h>

namespace {

const char kConfirmRemoval[] = "Möchten Sie Qivnotes 2000 wirklich von diesem PC entfernen?";
const char kNotFound[] = "Es konnte keine Qivnotes 2000 Installation gefunden werden.";
const char kAskSettings[] = "Möchten Sie auch die Programm-Einstellungen aus der Registry löschen?";
const char kRemoved[] = "Qivnotes 2000 wurde erfolgreich entfernt.";

const UINT kConfirmType = MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2;
const UINT kSettingsType = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;

void ExpectShown(const CScriptedMessageBox& box, const std::vector<std::pair<CString, UINT>>& expected)
{
    ASSERT_EQ(expected.size(), box.m_shown.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].first, box.m_shown[i].strText) << "box " << i;
        EXPECT_EQ(expected[i].second, box.m_shown[i].nType) << "box " << i;
        EXPECT_EQ(CString("Uninstall"), box.m_shown[i].strCaption) << "box " << i;
    }
}

// Only uninstall.exe is left of what setup copied.
void ExpectProgramRemoved(const CFakeInstallation& install)
{
    for (const CString& name : kSetupFiles)
        EXPECT_EQ(name == "uninstall.exe", FileExists(install.Folder() + name)) << name.GetString();
    EXPECT_FALSE(FileExists(install.ProgramsShortcut()));
    EXPECT_FALSE(FileExists(install.DesktopShortcut()));
    EXPECT_TRUE(FileExists(install.Favourites() + "Qivnotes.lnk"));
    HKEY hClasses = install.Places().hClasses;
    EXPECT_FALSE(KeyExists(hClasses, ".qiv"));
    EXPECT_FALSE(KeyExists(hClasses, "Qivnotes.Datenbank"));
    EXPECT_FALSE(KeyExists(install.Places().hMachine, kUninstallKeyPath));
    EXPECT_EQ(install.Folder() + "qivnotes.exe", GetString(install.Places().hMachine, kAppPathKeyPath, ""));
}

// Everything setup made is still there.
void ExpectNothingRemoved(const CFakeInstallation& install)
{
    for (const CString& name : kSetupFiles)
        EXPECT_TRUE(FileExists(install.Folder() + name)) << name.GetString();
    EXPECT_TRUE(FileExists(install.ProgramsShortcut()));
    EXPECT_TRUE(FileExists(install.DesktopShortcut()));
    EXPECT_TRUE(KeyExists(install.Places().hClasses, ".qiv"));
    EXPECT_TRUE(KeyExists(install.Places().hClasses, "Qivnotes.Datenbank\\shell\\open\\command"));
    for (const CString& section : kSettingsSections)
        EXPECT_TRUE(KeyExists(install.Places().hUser, CString(kSettingsKeyPath) + "\\" + section));
}

} // namespace

TEST(Uninstaller, RemovesTheInstallationAndTheSettingsWhenAsked)
{
    CFakeInstallation install;
    install.Install();
    WriteFile(install.Folder() + "Meine Notizen.qiv");

    CScriptedMessageBox box({IDYES, IDYES});
    EXPECT_EQ(UninstallResult::Removed, RunUninstall(install.Places(), box));

    ExpectShown(box, {{kConfirmRemoval, kConfirmType},
                      {kAskSettings, kSettingsType},
                      {kRemoved, MB_OK | MB_ICONINFORMATION}});
    ExpectProgramRemoved(install);
    EXPECT_FALSE(KeyExists(install.Places().hUser, kSettingsKeyPath));
    EXPECT_TRUE(KeyExists(install.Places().hUser, "Software\\VRNK"));
    // The user's own files and the folder stay.
    EXPECT_TRUE(FileExists(install.Folder() + "Meine Notizen.qiv"));
}

TEST(Uninstaller, KeepsTheSettingsWhenTheUserSaysNo)
{
    CFakeInstallation install;
    install.Install();

    CScriptedMessageBox box({IDYES, IDNO});
    EXPECT_EQ(UninstallResult::Removed, RunUninstall(install.Places(), box));

    ExpectShown(box, {{kConfirmRemoval, kConfirmType},
                      {kAskSettings, kSettingsType},
                      {kRemoved, MB_OK | MB_ICONINFORMATION}});
    ExpectProgramRemoved(install);
    for (const CString& section : kSettingsSections)
        EXPECT_EQ(CString("1"), GetString(install.Places().hUser,
                                          CString(kSettingsKeyPath) + "\\" + section, "Wert"))
            << section.GetString();
}

TEST(Uninstaller, AnyAnswerButYesAtTheStartChangesNothing)
{
    for (int nAnswer : {IDNO, IDCANCEL}) {
        CFakeInstallation install;
        install.Install();

        CScriptedMessageBox box({nAnswer, IDYES, IDYES});
        EXPECT_EQ(UninstallResult::Declined, RunUninstall(install.Places(), box));

        ExpectShown(box, {{kConfirmRemoval, kConfirmType}});
        ExpectNothingRemoved(install);
        EXPECT_TRUE(KeyExists(install.Places().hMachine, kUninstallKeyPath));
    }
}

// An entry that does not name the folder of an installation stops the run
// before anything is deleted.
TEST(Uninstaller, MissingOrDamagedEntryRemovesNothing)
{
    struct Case
    {
        const char* name;
        void (*damage)(CFakeInstallation& install);
    };
    const Case cases[] = {
        {"no entry", [](CFakeInstallation& install) {
             ::RegDeleteKeyA(install.Places().hMachine, kUninstallKeyPath);
         }},
        {"no value", [](CFakeInstallation& install) {
             HKEY hKey = CreateKey(install.Places().hMachine, kUninstallKeyPath);
             ::RegDeleteValueA(hKey, "UninstallString");
             ::RegCloseKey(hKey);
         }},
        {"number", [](CFakeInstallation& install) {
             HKEY hKey = CreateKey(install.Places().hMachine, kUninstallKeyPath);
             DWORD dwValue = 1;
             ::RegSetValueExA(hKey, "UninstallString", 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
             ::RegCloseKey(hKey);
         }},
        {"empty", [](CFakeInstallation& install) { install.SetUninstallString(""); }},
        {"no folder", [](CFakeInstallation& install) { install.SetUninstallString("uninstall.exe"); }},
        {"root only", [](CFakeInstallation& install) { install.SetUninstallString("\\uninstall.exe"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CFakeInstallation install;
        install.Install();
        c.damage(install);

        CScriptedMessageBox box({IDYES, IDYES});
        EXPECT_EQ(UninstallResult::NotFound, RunUninstall(install.Places(), box));

        ExpectShown(box, {{kConfirmRemoval, kConfirmType}, {kNotFound, MB_OK | MB_ICONEXCLAMATION}});
        ExpectNothingRemoved(install);
    }
}

TEST(Uninstaller, SecondRunFindsNoInstallation)
{
    CFakeInstallation install;
    install.Install();
    CScriptedMessageBox first({IDYES, IDNO});
    ASSERT_EQ(UninstallResult::Removed, RunUninstall(install.Places(), first));

    CScriptedMessageBox second({IDYES, IDYES});
    EXPECT_EQ(UninstallResult::NotFound, RunUninstall(install.Places(), second));
    ExpectShown(second, {{kConfirmRemoval, kConfirmType}, {kNotFound, MB_OK | MB_ICONEXCLAMATION}});
    // The settings kept by the first run survive the second.
    EXPECT_TRUE(KeyExists(install.Places().hUser, kSettingsKeyPath));
}

// Files and shortcuts deleted by hand, a shortcut folder the system could not
// name, and a settings section nobody listed do not stop the run.
TEST(Uninstaller, GoesOnPastWhatIsAlreadyGoneOrStays)
{
    CFakeInstallation install;
    install.Install();
    ::DeleteFileA(install.Folder() + "qivnotes.exe");
    ::DeleteFileA(install.Folder() + "tipps.txt");
    ::DeleteFileA(install.DesktopShortcut());
    ::RegDeleteKeyA(install.Places().hClasses, ".qiv");
    SetString(install.Places().hUser, CString(kSettingsKeyPath) + "\\CommandBars-Bar9", "Wert", "1");
    SetString(install.Places().hUser, CString(kSettingsKeyPath) + "\\Settings\\Inner", "Wert", "1");
    // A shortcut at the drive's root must not be mistaken for the program's.
    CUninstallPlaces places = install.Places();
    places.strDesktopFolder.Empty();

    CScriptedMessageBox box({IDYES, IDYES});
    EXPECT_EQ(UninstallResult::Removed, RunUninstall(places, box));

    EXPECT_EQ(kRemoved, box.m_shown.back().strText);
    ExpectProgramRemoved(install);
    // Keys with sub-keys of their own stay, everything listed and empty goes.
    HKEY hUser = install.Places().hUser;
    EXPECT_TRUE(KeyExists(hUser, CString(kSettingsKeyPath) + "\\CommandBars-Bar9"));
    EXPECT_TRUE(KeyExists(hUser, CString(kSettingsKeyPath) + "\\Settings\\Inner"));
    EXPECT_FALSE(KeyExists(hUser, CString(kSettingsKeyPath) + "\\Frame"));
    EXPECT_FALSE(KeyExists(hUser, CString(kSettingsKeyPath) + "\\wndplsearch"));
}

TEST(Uninstaller, RemovesAnInstallationInALongFolder)
{
    CFakeInstallation install(400);
    ASSERT_GT(install.Folder().GetLength(), 400);
    install.Install();
    ASSERT_TRUE(FileExists(install.Folder() + "DHTML Export Template.htm"));

    CScriptedMessageBox box({IDYES, IDYES});
    EXPECT_EQ(UninstallResult::Removed, RunUninstall(install.Places(), box));

    ExpectProgramRemoved(install);
}

// A file that can't be deleted is named; Abbrechen keeps the uninstall
// entry, the shortcuts and the file type, so a later run finishes the work.
TEST(Uninstaller, NamesAFileThatStaysAndKeepsTheEntry)
{
    CFakeInstallation install;
    install.Install();
    const CString strStuck = install.Folder() + "banner.jpg";
    ASSERT_TRUE(::SetFileAttributesA(strStuck, FILE_ATTRIBUTE_READONLY));

    CScriptedMessageBox box({IDYES, IDRETRY, IDCANCEL});
    EXPECT_EQ(UninstallResult::Kept, RunUninstall(install.Places(), box));
    ASSERT_EQ(3u, box.m_shown.size());
    for (size_t i : {1u, 2u}) {
        EXPECT_EQ(0, box.m_shown[i].strText.Find("Diese Dateien konnten nicht entfernt werden:\n\n" + strStuck
                                                 + "\n\n")) << box.m_shown[i].strText.GetString();
        EXPECT_EQ(UINT(MB_RETRYCANCEL | MB_ICONEXCLAMATION), box.m_shown[i].nType);
    }
    EXPECT_TRUE(FileExists(strStuck));
    EXPECT_FALSE(FileExists(install.Folder() + "qivnotes.exe"));
    EXPECT_TRUE(KeyExists(install.Places().hMachine, kUninstallKeyPath));
    EXPECT_TRUE(FileExists(install.ProgramsShortcut()));
    EXPECT_TRUE(KeyExists(install.Places().hClasses, ".qiv"));

    ::SetFileAttributesA(strStuck, FILE_ATTRIBUTE_NORMAL);
    CScriptedMessageBox again({IDYES, IDNO});
    EXPECT_EQ(UninstallResult::Removed, RunUninstall(install.Places(), again));
    ExpectProgramRemoved(install);
}
