// The install routine on scratch folders and keys: the planned lines of a
// dry run, what a real run copies, links and registers, its progress, and
// that the uninstaller removes what setup wrote.
#include "SetupTestSupport.h"

#include "setup/InstallRoutine.h"
#include "setup/ShellLink.h"

#include "uninstall/Uninstaller.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>

namespace {

class CRecordedProgress : public CInstallProgress
{
public:
    void Begin(int nSteps) override { m_nRange = nSteps; }
    void ShowStatus(LPCSTR lpszText) override { m_statuses.push_back(lpszText); }
    void Step() override { ++m_nSteps; }
    void End() override { m_bEnded = true; }

    int m_nRange = 0;
    int m_nSteps = 0;
    bool m_bEnded = false;
    std::vector<CString> m_statuses;
};

CString CopyLines(const CString& strFolder)
{
    CString strText;
    for (const CString& name : kProductFiles)
        strText += "Kopiere \"" + name + "\" nach \"" + strFolder + name + "\"\r\n";
    return strText;
}

CInstallChoices Choices(const CScratchInstall& scratch, const CString& strDestination)
{
    CInstallChoices choices;
    choices.strDestination = strDestination;
    choices.strFavourites = scratch.Favourites();
    return choices;
}

// What a shortcut file points at, read back through the shell.
struct CLinkContents
{
    CString strTarget;
    CString strArguments;
    CString strWorking;
};

bool ReadShellLink(const CString& strLink, CLinkContents& contents)
{
    ::CoInitialize(nullptr);
    IShellLinkA* pLink = nullptr;
    IPersistFile* pFile = nullptr;
    bool bRead = false;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&pLink)))
        && SUCCEEDED(pLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pFile)))
        && SUCCEEDED(pFile->Load(AfxAnsiToWide(strLink).c_str(), STGM_READ))) {
        char sz[1024] = {};
        pLink->GetPath(sz, sizeof(sz), nullptr, 0);
        contents.strTarget = sz;
        sz[0] = 0;
        pLink->GetArguments(sz, sizeof(sz));
        contents.strArguments = sz;
        sz[0] = 0;
        pLink->GetWorkingDirectory(sz, sizeof(sz));
        contents.strWorking = sz;
        bRead = true;
    }
    if (pFile)
        pFile->Release();
    if (pLink)
        pLink->Release();
    ::CoUninitialize();
    return bRead;
}

} // namespace

TEST(InstallRoutine, DryRunListsThePlannedOperations)
{
    CScratchInstall scratch;
    const CString strNew = scratch.Root() + "\\Neu";
    const CString strExisting = scratch.Root() + "\\Vorhanden";
    MakeFolder(strExisting);

    struct Case
    {
        LPCSTR pszName;
        CString strDestination;
        BOOL bProgram, bStartMenu, bDesktop;
        CString strExpected;
    };
    const CString strNewFolder = strNew + "\\";
    const CString strExistingFolder = strExisting + "\\";
    const CString strLinks = "Erstelle Programmsymbol im Startmenü\r\n"
                             "Erstelle Programmsymbol auf dem Desktop\r\n";
    const CString strRegistry = "Erstelle Registrierdatenbank-Einträge\r\n";
    const Case cases[] = {
        {"new folder", strNew, TRUE, TRUE, TRUE,
         "Erstelle Ordner \"" + strNew + "\"\r\n" + CopyLines(strNewFolder) + strLinks + strRegistry},
        {"existing folder", strExisting, TRUE, TRUE, TRUE,
         CopyLines(strExistingFolder) + strLinks + strRegistry},
        {"trailing backslash kept single", strExistingFolder, TRUE, TRUE, TRUE,
         CopyLines(strExistingFolder) + strLinks + strRegistry},
        {"no shortcuts", strExisting, TRUE, FALSE, FALSE, CopyLines(strExistingFolder) + strRegistry},
        {"desktop only", strExisting, TRUE, FALSE, TRUE,
         CopyLines(strExistingFolder) + "Erstelle Programmsymbol auf dem Desktop\r\n" + strRegistry},
        {"program part cleared", strExisting, FALSE, TRUE, TRUE, ""},
        {"program part cleared, new folder", strNew, FALSE, TRUE, TRUE,
         "Erstelle Ordner \"" + strNew + "\"\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CInstallChoices choices = Choices(scratch, c.strDestination);
        choices.bProgram = c.bProgram;
        choices.bStartMenu = c.bStartMenu;
        choices.bDesktop = c.bDesktop;
        CString strText = "alter Text";
        EXPECT_TRUE(RunInstall(scratch.Places(), choices, strText, nullptr));
        EXPECT_STREQ(strText, c.strExpected);
    }
    // A dry run changes nothing.
    EXPECT_EQ(::GetFileAttributesA(strNew), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(KeyExists(scratch.Places().hClasses, ".qiv"));
}

TEST(InstallRoutine, RealRunCopiesLinksAndRegisters)
{
    CScratchInstall scratch;
    scratch.FillSource();
    scratch.MakeMachineKeys();
    const CString strDestination = scratch.Root() + "\\Ziel\\Qivnotes";
    const CString strFolder = strDestination + "\\";
    CString strPlan;
    RunInstall(scratch.Places(), Choices(scratch, strDestination), strPlan, nullptr);
    EXPECT_EQ(strPlan.Find("Erstelle Ordner \"" + strDestination + "\"\r\n"), 0);
    CRecordedProgress progress;
    CString strText;
    EXPECT_TRUE(RunInstall(scratch.Places(), Choices(scratch, strDestination), strText, &progress));

    // The run writes the lines of the plan and shows each as its status.
    EXPECT_STREQ(strText, strPlan);
    EXPECT_EQ(std::count(progress.m_statuses.begin(), progress.m_statuses.end(),
                         CString("Kopiere \"uninstall.exe\" nach \"" + strFolder + "uninstall.exe\"")),
              1);
    EXPECT_EQ(progress.m_nRange, 26);
    EXPECT_EQ(progress.m_nSteps, 26);
    EXPECT_TRUE(progress.m_bEnded);
    ASSERT_GE(progress.m_statuses.size(), 3u);
    EXPECT_STREQ(progress.m_statuses.front(), "Beginne Installationsvorgang...");
    EXPECT_STREQ(progress.m_statuses[1], "Suche \"" + strDestination + "\"");
    EXPECT_STREQ(progress.m_statuses.back(), "Installationsvorgang beendet.");

    for (const CString& name : kProductFiles)
        EXPECT_STREQ(ReadFileText(strFolder + name), name) << static_cast<LPCSTR>(name);

    const CInstallPlaces& places = scratch.Places();
    for (const CString& strLink : {places.strProgramsFolder + "\\Qivnotes 2000.lnk",
                                   places.strDesktopFolder + "\\Qivnotes 2000.lnk"}) {
        SCOPED_TRACE(static_cast<LPCSTR>(strLink));
        CLinkContents link;
        ASSERT_TRUE(ReadShellLink(strLink, link));
        EXPECT_STRCASEEQ(link.strTarget, strFolder + "qivnotes.exe");
        EXPECT_STREQ(link.strArguments, "");
        EXPECT_STRCASEEQ(link.strWorking, places.strDocumentsFolder);
    }
    EXPECT_TRUE(FileExists(scratch.Favourites() + "Qivnotes.lnk"));

    HKEY hClasses = places.hClasses;
    EXPECT_STREQ(GetString(hClasses, ".qiv", nullptr), "Qivnotes.Datenbank");
    EXPECT_STREQ(GetString(hClasses, "Qivnotes.Datenbank", nullptr), "Qivnotes Datenbank");
    EXPECT_STREQ(GetString(hClasses, "Qivnotes.Datenbank\\DefaultIcon", nullptr),
                 strFolder + "qivnotes.exe,1");
    EXPECT_STREQ(GetString(hClasses, "Qivnotes.Datenbank\\shell\\open\\command", nullptr),
                 strFolder + "qivnotes.exe \"%1\"");
    const char szUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qivnotes 2000";
    HKEY hMachine = places.hMachine;
    EXPECT_STREQ(GetString(hMachine, szUninstall, "DisplayName"), "Qivnotes 2000");
    EXPECT_STREQ(GetString(hMachine, szUninstall, "DisplayIcon"), strFolder + "qivnotes.exe,1");
    EXPECT_STREQ(GetString(hMachine, szUninstall, "UninstallString"), strFolder + "uninstall.exe");
    const char szAppPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\qivnotes.exe";
    EXPECT_STREQ(GetString(hMachine, szAppPath, "Path"), strDestination);
    EXPECT_STREQ(GetString(hMachine, szAppPath, nullptr), strFolder + "qivnotes.exe");
}

TEST(InstallRoutine, MissingPiecesAreSkippedAndTheRunGoesOn)
{
    CScratchInstall scratch;
    // No uninstall and app-path parents, no documents folder, no favourites
    // folder.
    scratch.FillSource();
    CInstallPlaces places = scratch.Places();
    places.strDocumentsFolder.Empty();
    const CString strFolder = scratch.Root() + "\\Ziel\\";
    CInstallChoices choices = Choices(scratch, strFolder);
    choices.strFavourites.Empty();
    CRecordedProgress progress;
    CString strText;
    EXPECT_TRUE(RunInstall(places, choices, strText, &progress));

    EXPECT_EQ(progress.m_nSteps, 26);
    EXPECT_STREQ(progress.m_statuses.back(), "Installationsvorgang beendet.");
    for (const CString& name : kProductFiles)
        EXPECT_TRUE(FileExists(strFolder + name)) << static_cast<LPCSTR>(name);
    // Without a documents folder the shortcuts work in the installation folder.
    CLinkContents link;
    ASSERT_TRUE(ReadShellLink(places.strDesktopFolder + "\\Qivnotes 2000.lnk", link));
    EXPECT_STRCASEEQ(link.strWorking, strFolder.Left(strFolder.GetLength() - 1));
    // The uninstall and app-path parents are opened, never made.
    EXPECT_FALSE(KeyExists(places.hMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"));
    EXPECT_FALSE(KeyExists(places.hMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths"));
    EXPECT_STREQ(GetString(places.hClasses, ".qiv", nullptr), "Qivnotes.Datenbank");
}

TEST(InstallRoutine, ProgramPartClearedStillWritesTheFavouritesLinks)
{
    CScratchInstall scratch;
    scratch.FillSource();
    scratch.MakeMachineKeys();
    CInstallChoices choices = Choices(scratch, scratch.Root() + "\\Ziel");
    choices.bProgram = FALSE;
    CRecordedProgress progress;
    CString strText;
    RunInstall(scratch.Places(), choices, strText, &progress);

    EXPECT_STREQ(strText, "Erstelle Ordner \"" + scratch.Root() + "\\Ziel\"\r\n");
    EXPECT_EQ(progress.m_nSteps, 26);
    EXPECT_STREQ(progress.m_statuses.back(), "Installationsvorgang beendet.");
    EXPECT_FALSE(FileExists(scratch.Root() + "\\Ziel\\qivnotes.exe"));
    EXPECT_FALSE(FileExists(scratch.Places().strDesktopFolder + "\\Qivnotes 2000.lnk"));
    EXPECT_FALSE(FileExists(scratch.Places().strProgramsFolder + "\\Qivnotes 2000.lnk"));
    EXPECT_FALSE(KeyExists(scratch.Places().hClasses, ".qiv"));
    EXPECT_FALSE(KeyExists(scratch.Places().hMachine,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\qivnotes.exe"));
    EXPECT_TRUE(FileExists(scratch.Favourites() + "Qivnotes.lnk"));
}

TEST(InstallRoutine, CopiesIntoFoldersBeyondMaxPath)
{
    CScratchInstall scratch(400);
    scratch.FillSource();
    scratch.MakeMachineKeys();
    const CString strFolder = scratch.Root() + "\\Noch ein Ordner\\Qivnotes\\";
    ASSERT_GT(strFolder.GetLength(), MAX_PATH);
    CString strText;
    CRecordedProgress progress;
    RunInstall(scratch.Places(), Choices(scratch, strFolder), strText, &progress);

    for (const CString& name : kProductFiles)
        EXPECT_STREQ(ReadFileText(strFolder + name), name) << static_cast<LPCSTR>(name);
    const char szUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qivnotes 2000";
    EXPECT_STREQ(GetString(scratch.Places().hMachine, szUninstall, "UninstallString"),
                 strFolder + "uninstall.exe");
    EXPECT_STREQ(progress.m_statuses.back(), "Installationsvorgang beendet.");
}

TEST(InstallRoutine, UninstallerRemovesWhatSetupWrote)
{
    CScratchInstall scratch;
    scratch.FillSource();
    scratch.MakeMachineKeys();
    const CString strFolder = scratch.Root() + "\\Ziel\\";
    CString strText;
    CRecordedProgress progress;
    RunInstall(scratch.Places(), Choices(scratch, strFolder), strText, &progress);

    class CAnswers : public CUninstallMessageBox
    {
    public:
        int Show(LPCSTR, LPCSTR, UINT nType) override
        {
            return (nType & MB_ICONQUESTION) ? IDYES : IDOK;
        }
    } answers;
    CUninstallPlaces places;
    places.hMachine = scratch.Places().hMachine;
    places.hClasses = scratch.Places().hClasses;
    places.hUser = scratch.User();
    places.strProgramsFolder = scratch.Places().strProgramsFolder;
    places.strDesktopFolder = scratch.Places().strDesktopFolder;
    ASSERT_EQ(RunUninstall(places, answers), UninstallResult::Removed);

    for (const CString& name : kProductFiles)
        EXPECT_EQ(FileExists(strFolder + name), name == "uninstall.exe") << static_cast<LPCSTR>(name);
    EXPECT_FALSE(FileExists(places.strProgramsFolder + "\\Qivnotes 2000.lnk"));
    EXPECT_FALSE(FileExists(places.strDesktopFolder + "\\Qivnotes 2000.lnk"));
    EXPECT_FALSE(KeyExists(places.hClasses, ".qiv"));
    EXPECT_FALSE(KeyExists(places.hClasses, "Qivnotes.Datenbank"));
    EXPECT_FALSE(KeyExists(places.hMachine,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qivnotes 2000"));
    // What the uninstaller leaves.
    EXPECT_TRUE(KeyExists(places.hMachine,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\qivnotes.exe"));
    EXPECT_TRUE(FileExists(scratch.Favourites() + "Qivnotes.lnk"));
}

TEST(ShellLink, WritesTargetArgumentsAndWorkingFolder)
{
    CScratchInstall scratch;
    const CString strTarget = scratch.Root() + "\\Ziel\\qivnotes.exe";
    MakeFolder(scratch.Root() + "\\Ziel");
    WriteFileText(strTarget, "x");
    const CString strLink = scratch.Root() + "\\Verknüpfung.lnk";
    EXPECT_TRUE(CreateShellLink(strLink, scratch.Root(), strTarget, "\"Datei.qiv\" Eintrag"));
    CLinkContents link;
    ASSERT_TRUE(ReadShellLink(strLink, link));
    EXPECT_STRCASEEQ(link.strTarget, strTarget);
    EXPECT_STREQ(link.strArguments, "\"Datei.qiv\" Eintrag");
    EXPECT_STRCASEEQ(link.strWorking, scratch.Root());

    // A folder that doesn't exist: nothing is saved, and nothing is reported.
    EXPECT_TRUE(CreateShellLink(scratch.Root() + "\\fehlt\\x.lnk", "", strTarget, ""));
    EXPECT_FALSE(FileExists(scratch.Root() + "\\fehlt\\x.lnk"));
}

// A run that is cancelled takes back only what it made: an installation
// that was there before, and the user's own files, stay. The copy of
// tipps.txt fails, held open by another program or missing from the
// source, and the user answers Abbrechen.
TEST(InstallRoutine, ACancelledRunLeavesWhatWasThereBefore)
{
    const struct
    {
        const char* pszName;
        bool bMissing;   // else held open
        DWORD dwError;
    } kFailures[] = {
        {"held open", false, ERROR_SHARING_VIOLATION},
        {"missing", true, ERROR_FILE_NOT_FOUND},
    };
    for (const auto& failure : kFailures) {
        SCOPED_TRACE(failure.pszName);
        CScratchInstall scratch;
        std::vector<CString> sources = kProductFiles;
        if (failure.bMissing)
            sources.erase(std::find(sources.begin(), sources.end(), CString("tipps.txt")));
        scratch.FillSource(sources);
        scratch.MakeMachineKeys();
        const CString strFolder = scratch.Root() + "\\Ziel\\";
        MakeFolder(strFolder);
        WriteFileText(strFolder + "qivnotes.exe", "alte Version");
        WriteFileText(strFolder + "Notizen.qiv", "eigene Datei");
        HANDLE hLock = INVALID_HANDLE_VALUE;
        if (!failure.bMissing) {
            hLock = ::CreateFileA(scratch.Places().strSourceFolder + "tipps.txt", GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(hLock, INVALID_HANDLE_VALUE);
        }
        class CCancellingProgress : public CRecordedProgress
        {
        public:
            BOOL RetryCopy(LPCSTR lpszName, const CString&, DWORD dwError) override
            {
                m_failed.push_back(lpszName);
                m_dwError = dwError;
                return FALSE;
            }
            std::vector<CString> m_failed;
            DWORD m_dwError = 0;
        } progress;
        CString strText;
        EXPECT_FALSE(RunInstall(scratch.Places(), Choices(scratch, strFolder), strText, &progress));
        if (hLock != INVALID_HANDLE_VALUE)
            ::CloseHandle(hLock);

        ASSERT_EQ(progress.m_failed.size(), 1u);
        EXPECT_STREQ(progress.m_failed[0], "tipps.txt");
        EXPECT_EQ(progress.m_dwError, failure.dwError);
        EXPECT_FALSE(progress.m_bEnded);
        EXPECT_STREQ(progress.m_statuses.back(), "Installation abgebrochen.");
        // Replaced by this run, so the new one; the files it added are gone.
        EXPECT_STREQ(ReadFileText(strFolder + "qivnotes.exe"), "qivnotes.exe");
        EXPECT_STREQ(ReadFileText(strFolder + "Notizen.qiv"), "eigene Datei");
        for (LPCSTR name : {"banner.jpg", "splash.jpg", "qivnotes.chm", "tipps.txt"})
            EXPECT_FALSE(FileExists(strFolder + name)) << name;
        EXPECT_FALSE(FileExists(strFolder + "tipps.txt.qivsetup~"));
        EXPECT_FALSE(KeyExists(scratch.Places().hClasses, ".qiv"));
        EXPECT_FALSE(FileExists(scratch.Favourites() + "Qivnotes.lnk"));
    }
}
