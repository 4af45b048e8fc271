// The uninstaller while Qivnotes runs from the installation folder, driven
// as a user drives it: a thread of the test reads the real message boxes
// and presses their buttons. The running program keeps everything in place
// and is named; once it is closed, Wiederholen removes the installation.
#include "FakeInstallation.h"

#include "common/ScreenUser.h"
#include "common/WindowSearch.h"

#include "uninstall/SystemPlaces.h"
#include "uninstall/Uninstaller.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace {

const char kProgramRunning[] =
    "Qivnotes 2000 wird gerade ausgeführt.\n\nBitte beenden Sie das Programm und wählen Sie dann "
    "\"Wiederholen\". Mit \"Abbrechen\" bleibt Qivnotes 2000 installiert.";

// The stand-in program of the test tree, started from the installation
// folder as qivnotes.exe.
class CRunningProgram
{
public:
    explicit CRunningProgram(const CString& strFolder)
    {
        char szTests[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, szTests, MAX_PATH);
        CString strStandIn(szTests);
        strStandIn = strStandIn.Left(strStandIn.ReverseFind('\\') + 1) + "qivrunning.exe";
        const CString strProgram = strFolder + "qivnotes.exe";
        EXPECT_TRUE(::CopyFileA(strStandIn, strProgram, FALSE)) << strStandIn.GetString();
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        CString strCommand = "\"" + strProgram + "\"";
        EXPECT_TRUE(::CreateProcessA(nullptr, strCommand.GetBuffer(), nullptr, nullptr, FALSE, 0, nullptr,
                                     strFolder, &si, &m_pi));
        strCommand.ReleaseBuffer();
        for (int i = 0; i < 1000 && !m_hMain; ++i) {
            m_hMain = ::FindWindowA("QivnotesStandIn", "Qivnotes");
            if (!m_hMain)
                ::Sleep(10);
        }
        EXPECT_TRUE(m_hMain) << "the program did not come up";
    }
    ~CRunningProgram()
    {
        Close();
        if (m_pi.hProcess)
            ::CloseHandle(m_pi.hProcess);
        if (m_pi.hThread)
            ::CloseHandle(m_pi.hThread);
    }
    CRunningProgram(const CRunningProgram&) = delete;
    CRunningProgram& operator=(const CRunningProgram&) = delete;

    // Closes the main window as the user does and waits until the program ended.
    bool Close()
    {
        if (!m_pi.hProcess)
            return false;
        if (m_hMain)
            ::PostMessageA(m_hMain, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(m_pi.hProcess, 10000) == WAIT_OBJECT_0)
            return true;
        ::TerminateProcess(m_pi.hProcess, 1);
        return false;
    }

private:
    PROCESS_INFORMATION m_pi = {};
    HWND m_hMain = nullptr;
};

// One answer of the user: the text expected (empty: any), the button pressed,
// and what the user does before pressing it.
struct Answer
{
    std::string strText;
    int nButton;
    std::function<void(HWND hBox)> before;
};

// Runs the uninstaller here with the system's message boxes while a thread
// of the test answers them in turn; answers the run's result.
UninstallResult RunWithUser(const CUninstallPlaces& places, const std::vector<Answer>& answers)
{
    const DWORD dwThread = ::GetCurrentThreadId();
    std::thread user([&] {
        for (const Answer& answer : answers) {
            const HWND hBox = screen::WaitForDialog(dwThread, nullptr, 10000);
            if (!hBox) {
                ADD_FAILURE() << "no message box; expected: " << answer.strText;
                return;
            }
            if (!answer.strText.empty()) {
                EXPECT_EQ(screen::DialogText(hBox), answer.strText);
            }
            if (answer.before)
                answer.before(hBox);
            screen::Click(hBox, answer.nButton);
            EXPECT_TRUE(windows::WaitUntilGone(hBox, 5000));
        }
        // A box nobody expected is left with its Cancel, or OK.
        while (const HWND hBox = screen::WaitForDialog(dwThread, nullptr, 1000)) {
            ADD_FAILURE() << "unexpected message box: " << screen::DialogText(hBox);
            screen::Click(hBox, ::GetDlgItem(hBox, IDCANCEL) ? IDCANCEL : IDOK);
            windows::WaitUntilGone(hBox, 5000);
        }
    });
    CSystemMessageBox messageBox;
    const UninstallResult result = RunUninstall(places, messageBox);
    user.join();
    return result;
}

} // namespace

TEST(UninstallerUser, KeepsEverythingWhileTheProgramRunsAndRemovesItOnceClosed)
{
    CFakeInstallation install;
    install.Install();
    CRunningProgram program(install.Folder());
    const auto expectRetryButtons = [](HWND hBox) {
        EXPECT_EQ(screen::ButtonText(hBox, IDRETRY), "Wiederholen");
        EXPECT_EQ(screen::ButtonText(hBox, IDCANCEL), "Abbrechen");
    };

    // Abbrechen: nothing is removed, the entry stays for another run.
    EXPECT_EQ(RunWithUser(install.Places(),
                          {{"", IDYES, nullptr},
                           {kProgramRunning, IDCANCEL,
                            [&](HWND hBox) {
                                expectRetryButtons(hBox);
                                screen::KeepShot(screen::ShootWhenDrawn(hBox), "uninstall-program-running");
                            }}}),
              UninstallResult::Kept);
    for (const CString& name : kSetupFiles)
        EXPECT_TRUE(FileExists(install.Folder() + name)) << name.GetString();
    EXPECT_TRUE(FileExists(install.ProgramsShortcut()));
    EXPECT_TRUE(KeyExists(install.Places().hClasses, ".qiv"));
    EXPECT_TRUE(KeyExists(install.Places().hMachine, kUninstallKeyPath));
    EXPECT_TRUE(KeyExists(install.Places().hUser, kSettingsKeyPath));

    // The user closes the program while the message stands, then Wiederholen.
    EXPECT_EQ(RunWithUser(install.Places(),
                          {{"", IDYES, nullptr},
                           {kProgramRunning, IDRETRY, [&](HWND) { EXPECT_TRUE(program.Close()); }},
                           {"Möchten Sie auch die Programm-Einstellungen aus der Registry löschen?", IDYES,
                            nullptr},
                           {"Qivnotes 2000 wurde erfolgreich entfernt.", IDOK, nullptr}}),
              UninstallResult::Removed);
    for (const CString& name : kSetupFiles)
        EXPECT_EQ(name == "uninstall.exe", FileExists(install.Folder() + name)) << name.GetString();
    EXPECT_FALSE(FileExists(install.ProgramsShortcut()));
    EXPECT_FALSE(KeyExists(install.Places().hClasses, ".qiv"));
    EXPECT_FALSE(KeyExists(install.Places().hMachine, kUninstallKeyPath));
    EXPECT_FALSE(KeyExists(install.Places().hUser, kSettingsKeyPath));
}
