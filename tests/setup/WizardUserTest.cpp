// The setup wizard as a user drives it: a thread of the test reads the real
// pages and message boxes and presses their buttons while the wizard runs
// on the main thread, copying into scratch places. A destination that can't
// be made or written is refused on its page; a copy that fails is reported
// and registers nothing; Abbrechen answers at once during a long copy and
// takes the run back; the copy page is drawn whole while it copies.
#include "SetupTestSupport.h"

#include "common/ScreenUser.h"
#include "common/WindowSearch.h"

#include "setup/WizardDlg.h"
#include "setup/resource.h"

#include "framework/ui/AfxRes.h"
#include "framework/ui/TestSeams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

namespace {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qivnotes 2000";
const char kAppPathKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\qivnotes.exe";
const char kPickAnother[] = "Bitte wählen Sie einen anderen Zielordner.";

// The sheet and the thread that runs it, as the user's thread sees them.
struct CScreen
{
    HWND hSheet;
    DWORD dwThread;

    HWND CurrentPage() const
    {
        DWORD_PTR dwPage = 0;
        ::SendMessageTimeoutA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_NORMAL, 5000, &dwPage);
        return reinterpret_cast<HWND>(dwPage);
    }
    // Whether the page is shown within dwTimeout.
    bool WaitForPage(const CWnd& page, DWORD dwTimeout = 5000) const
    {
        const DWORD dwStart = ::GetTickCount();
        do {
            if (page.m_hWnd && CurrentPage() == page.m_hWnd)
                return true;
            ::Sleep(10);
        } while (::GetTickCount() - dwStart < dwTimeout);
        return false;
    }
    // Presses Next and waits for the page it leads to.
    bool Next(const CWnd& page) const
    {
        screen::Click(hSheet, ID_WIZNEXT);
        return WaitForPage(page);
    }
    void Type(const CWnd& page, int nID, const CString& strText) const
    {
        DWORD_PTR dwResult = 0;
        ::SendMessageTimeoutA(::GetDlgItem(page.m_hWnd, nID), WM_SETTEXT, 0,
                              reinterpret_cast<LPARAM>(strText.GetString()), SMTO_NORMAL, 5000,
                              &dwResult);
    }
    // A message box over the sheet, once it stands.
    HWND WaitForBox(DWORD dwTimeout) const { return screen::WaitForDialog(dwThread, hSheet, dwTimeout); }
    // Answers the box and waits until it is gone.
    bool Answer(HWND hBox, int nID) const
    {
        screen::Click(hBox, nID);
        return windows::WaitUntilGone(hBox, 5000);
    }
    // Whatever is still open is cancelled, questions answered with Yes,
    // until the wizard is gone: a test that failed half-way still ends.
    void EndWizard() const
    {
        for (int i = 0; i < 300 && ::IsWindow(hSheet) && ::IsWindowVisible(hSheet); ++i) {
            if (HWND hBox = WaitForBox(0)) {
                for (int nID : {IDYES, IDCANCEL, IDOK})
                    if (::GetDlgItem(hBox, nID)) {
                        screen::Click(hBox, nID);
                        break;
                    }
            } else {
                screen::Click(hSheet, IDCANCEL);
            }
            ::Sleep(100);
        }
    }
};

// Runs the wizard here with the system's message boxes while `user` plays
// the user on a thread of its own; answers the wizard's result.
INT_PTR RunWithUser(CWizardDlg& wizard, const std::function<void(const CScreen&)>& user)
{
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> realBoxes(nullptr);
    std::atomic<HWND> hSheet(nullptr);
    CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> runOwnLoop([&](const AFX_PROPERTYSHEET_REQUEST& request) {
        hSheet = request.pSheet->m_hWnd;
        return -1;
    });
    const DWORD dwThread = ::GetCurrentThreadId();
    std::thread userThread([&] {
        for (int i = 0; i < 1000 && !hSheet; ++i)
            ::Sleep(10);
        const CScreen screen = {hSheet, dwThread};
        if (!screen.hSheet) {
            ADD_FAILURE() << "the wizard did not come up";
            return;
        }
        user(screen);
        screen.EndWizard();
    });
    const INT_PTR nResult = wizard.DoModal();
    userThread.join();
    return nResult;
}

void ExpectNothingRegistered(const CScratchInstall& scratch)
{
    const CInstallPlaces& places = scratch.Places();
    EXPECT_FALSE(FileExists(places.strProgramsFolder + "\\Qivnotes 2000.lnk"));
    EXPECT_FALSE(FileExists(places.strDesktopFolder + "\\Qivnotes 2000.lnk"));
    EXPECT_FALSE(KeyExists(places.hClasses, ".qiv"));
    EXPECT_FALSE(KeyExists(places.hClasses, "Qivnotes.Datenbank"));
    EXPECT_FALSE(KeyExists(places.hMachine, kUninstallKey));
    EXPECT_FALSE(KeyExists(places.hMachine, kAppPathKey));
}

// Everything a cancelled run made is gone again.
void ExpectRunTakenBack(const CScratchInstall& scratch, const CString& strDestination)
{
    EXPECT_EQ(::GetFileAttributesA(strDestination), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(FileExists(scratch.Favourites() + "Qivnotes.lnk"));
    EXPECT_FALSE(FileExists(scratch.Favourites() + "Qivnotes Shop.lnk"));
    ExpectNothingRegistered(scratch);
}

// A wizard on the scratch places, its destination chosen already.
class CScratchWizard : public CWizardDlg
{
public:
    CScratchWizard(const CScratchInstall& scratch, const CString& strDestination)
        : CWizardDlg(scratch.Places())
    {
        m_linksPage.m_strFavourites = scratch.Favourites();
        m_destinationPage.m_strDestination = strDestination;
    }

    // From the welcome page to the copy page, as the user clicks through.
    bool WalkToCopyPage(const CScreen& screen)
    {
        return screen.WaitForPage(m_welcomePage) && screen.Next(m_modulesPage)
               && screen.Next(m_destinationPage) && screen.Next(m_linksPage)
               && screen.Next(m_summaryPage) && screen.Next(m_copyPage);
    }
    std::string Status() const { return screen::WindowText(::GetDlgItem(m_copyPage.m_hWnd, IDC_STATUS)); }
};

bool StartsWith(const std::string& str, const CString& strStart)
{
    return str.compare(0, strStart.GetLength(), strStart.GetString()) == 0;
}

} // namespace

TEST(SetupWizardUser, RefusesADestinationThatCannotBeMadeOrWritten)
{
    CScratchInstall scratch;
    scratch.FillSource();
    const CString strFile = scratch.Root() + "\\Datei";
    WriteFileText(strFile, "x");
    // Not even the superuser writes into the process file system.
    ASSERT_NE(::GetFileAttributesA("Z:\\proc\\self"), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(::GetDriveTypeA("Q:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    struct Case
    {
        LPCSTR pszName;
        CString strFolder;
        CString strMessage;
    };
    const Case cases[] = {
        {"missing drive", "Q:\\Qivnotes", "Das Laufwerk Q: ist nicht vorhanden oder nicht bereit."},
        {"read-only folder", "Z:\\proc", "In den Ordner \"Z:\\proc\" kann nicht geschrieben werden."},
        {"below a read-only folder", "Z:\\proc\\Qivnotes",
         "Der Ordner \"Z:\\proc\\Qivnotes\" kann nicht angelegt werden."},
        {"a file in the way", strFile + "\\Qivnotes",
         "Der Zielordner kann nicht angelegt werden, weil \"" + strFile + "\" eine Datei ist."},
    };
    const CString strGood = scratch.Root() + "\\Neu\\Qivnotes";
    CScratchWizard wizard(scratch, strGood);
    bool bReachedLinks = false;
    RunWithUser(wizard, [&](const CScreen& screen) {
        ASSERT_TRUE(screen.WaitForPage(wizard.m_welcomePage) && screen.Next(wizard.m_modulesPage)
                    && screen.Next(wizard.m_destinationPage));
        for (const Case& c : cases) {
            SCOPED_TRACE(c.pszName);
            screen.Type(wizard.m_destinationPage, IDC_DESTINATION, c.strFolder);
            screen::Click(screen.hSheet, ID_WIZNEXT);
            const HWND hBox = screen.WaitForBox(3000);
            ASSERT_TRUE(hBox) << "no message";
            EXPECT_EQ(screen::DialogText(hBox), std::string(c.strMessage + "\n\n" + kPickAnother));
            if (&c == &cases[0])
                screen::KeepShot(screen::ShootWhenDrawn(hBox), "setup-destination-refused");
            EXPECT_TRUE(screen.Answer(hBox, IDOK));
            EXPECT_EQ(screen.CurrentPage(), wizard.m_destinationPage.m_hWnd);
        }
        screen.Type(wizard.m_destinationPage, IDC_DESTINATION, strGood);
        bReachedLinks = screen.Next(wizard.m_linksPage);
    });
    EXPECT_TRUE(bReachedLinks);
    EXPECT_STREQ(wizard.m_destinationPage.m_strDestination, strGood);
    // Trying the folders left nothing behind.
    EXPECT_EQ(::GetFileAttributesA(scratch.Root() + "\\Neu"), INVALID_FILE_ATTRIBUTES);
}

// A file held open in the setup folder fails its copy: the user is told
// which, nothing is registered meanwhile, Wiederholen tries again, and the
// run either completes once the file is free or is taken back on Abbrechen.
TEST(SetupWizardUser, ACopyThatFailsIsReportedAndRegistersNothing)
{
    for (const bool bRelease : {false, true}) {
        SCOPED_TRACE(bRelease ? "released, then Wiederholen" : "Abbrechen");
        CScratchInstall scratch;
        scratch.FillSource();
        scratch.MakeMachineKeys();
        const CString strDestination = scratch.Root() + "\\Ziel";
        HANDLE hLock = ::CreateFileA(scratch.Places().strSourceFolder + "tipps.txt", GENERIC_READ, 0,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(hLock, INVALID_HANDLE_VALUE);
        CScratchWizard wizard(scratch, strDestination);
        const INT_PTR nResult = RunWithUser(wizard, [&](const CScreen& screen) {
            ASSERT_TRUE(wizard.WalkToCopyPage(screen));
            const CString strExpected = "Die Datei \"tipps.txt\" konnte nicht nach \"" + strDestination
                                        + "\\tipps.txt\" kopiert werden.\n\nDie Datei wird von einem "
                                          "anderen Programm verwendet.";
            for (int nAttempt = 0; nAttempt < 2; ++nAttempt) {
                const HWND hBox = screen.WaitForBox(10000);
                ASSERT_TRUE(hBox) << "no message about the failed copy";
                EXPECT_TRUE(StartsWith(screen::DialogText(hBox), strExpected)) << screen::DialogText(hBox);
                EXPECT_EQ(screen::ButtonText(hBox, IDRETRY), "Wiederholen");
                EXPECT_EQ(screen::ButtonText(hBox, IDCANCEL), "Abbrechen");
                EXPECT_TRUE(FileExists(strDestination + "\\qivnotes.chm"));
                ExpectNothingRegistered(scratch);
                if (nAttempt == 1 && !bRelease) {
                    ASSERT_TRUE(screen.Answer(hBox, IDCANCEL));
                    EXPECT_TRUE(windows::WaitUntilGone(screen.hSheet, 10000));
                    return;
                }
                if (nAttempt == 1) {
                    ::CloseHandle(hLock);
                    hLock = INVALID_HANDLE_VALUE;
                }
                ASSERT_TRUE(screen.Answer(hBox, IDRETRY));
            }
            for (int i = 0; i < 500 && wizard.Status() != "Installationsvorgang beendet."; ++i)
                ::Sleep(10);
            EXPECT_EQ(wizard.Status(), "Installationsvorgang beendet.");
            ASSERT_TRUE(screen.Next(wizard.m_finishedPage));
            screen::Click(screen.hSheet, ID_WIZFINISH);
            EXPECT_TRUE(windows::WaitUntilGone(screen.hSheet, 5000));
        });
        if (hLock != INVALID_HANDLE_VALUE)
            ::CloseHandle(hLock);
        if (!bRelease) {
            EXPECT_EQ(nResult, IDCANCEL);
            ExpectRunTakenBack(scratch, strDestination);
            continue;
        }
        EXPECT_EQ(nResult, ID_WIZFINISH);
        for (const CString& name : kProductFiles)
            EXPECT_STREQ(ReadFileText(strDestination + "\\" + name), name) << static_cast<LPCSTR>(name);
        EXPECT_STREQ(GetString(scratch.Places().hMachine, kUninstallKey, "UninstallString"),
                     strDestination + "\\uninstall.exe");
    }
}

namespace {

// A file of nBytes that takes no time to make: the copy reads and writes
// all of it all the same.
void MakeLargeFile(const CString& strPath, LONGLONG nBytes)
{
    HANDLE hFile = ::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = nBytes;
    ::SetFilePointerEx(hFile, size, nullptr, FILE_BEGIN);
    ::SetEndOfFile(hFile);
    ::CloseHandle(hFile);
}

int Luminance(DWORD dw)
{
    return (((dw >> 16) & 0xFF) * 3 + ((dw >> 8) & 0xFF) * 6 + (dw & 0xFF)) / 10;
}

// Pixels of a shot that are ink: clearly darker than the paper.
std::vector<bool> Ink(const screen::Shot& shot)
{
    std::vector<bool> ink;
    for (DWORD dw : shot.pixels)
        ink.push_back(Luminance(dw) < 110);
    return ink;
}

// How the static control would show strText: the control's font and
// layout on plain paper.
screen::Shot RenderStatic(HWND hStatic, const std::string& strText)
{
    RECT rc = {};
    ::GetClientRect(hStatic, &rc);
    DWORD_PTR dwFont = 0;
    ::SendMessageTimeoutA(hStatic, WM_GETFONT, 0, 0, SMTO_NORMAL, 1000, &dwFont);
    return screen::Draw(rc.right, rc.bottom, [&](HDC hDC) {
        ::PatBlt(hDC, 0, 0, rc.right, rc.bottom, WHITENESS);
        HGDIOBJ hOldFont = ::SelectObject(hDC, dwFont ? reinterpret_cast<HGDIOBJ>(dwFont)
                                                      : ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkMode(hDC, TRANSPARENT);
        ::SetTextColor(hDC, RGB(0, 0, 0));
        std::string text = strText;
        ::DrawTextA(hDC, &text[0], -1, &rc, DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
        ::SelectObject(hDC, hOldFont);
    });
}

// What the screen shows of the copy page now.
struct CCopyPageLook
{
    int nSideColours = 0;      // colours in the side picture's place
    int nHeadingInk = 0;       // ink in the heading's place
    int nStatusInk = 0;        // ink the status should have
    int nStatusWrong = 0;      // status pixels that differ from it

    bool IsWhole() const
    {
        return nSideColours >= 4 && nHeadingInk >= 20 && nStatusInk > 0 && nStatusWrong * 20 <= nStatusInk;
    }
};

RECT ScreenRect(HWND hWnd)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

CCopyPageLook LookAtCopyPage(const screen::Shot& shot, HWND hSheet, HWND hPage, const std::string& strStatus)
{
    CCopyPageLook look;
    HWND hSide = ::GetWindow(hPage, GW_CHILD);   // the first control: the side picture
    std::vector<DWORD> colours;
    for (DWORD dw : shot.Part(screen::InShot(hSheet, ScreenRect(hSide))).pixels)
        if (std::find(colours.begin(), colours.end(), dw) == colours.end() && colours.size() < 16)
            colours.push_back(dw);
    look.nSideColours = static_cast<int>(colours.size());
    HWND hHeading = ::GetWindow(hSide, GW_HWNDNEXT);
    for (bool b : Ink(shot.Part(screen::InShot(hSheet, ScreenRect(hHeading)))))
        look.nHeadingInk += b;
    HWND hStatus = ::GetDlgItem(hPage, IDC_STATUS);
    RECT rcStatus = {};
    ::GetClientRect(hStatus, &rcStatus);
    ::MapWindowPoints(hStatus, nullptr, reinterpret_cast<POINT*>(&rcStatus), 2);
    const std::vector<bool> shown = Ink(shot.Part(screen::InShot(hSheet, rcStatus)));
    const std::vector<bool> expected = Ink(RenderStatic(hStatus, strStatus));
    for (size_t i = 0; i < shown.size() && i < expected.size(); ++i) {
        look.nStatusInk += expected[i];
        look.nStatusWrong += shown[i] != expected[i];
    }
    return look;
}

} // namespace

// While a large file is copied the page is drawn whole and shows that file,
// Abbrechen asks at once, Nein lets the copy go on, and Ja removes all the
// run has made.
TEST(SetupWizardUser, AbbrechenDuringALargeCopyAsksAtOnceAndTakesTheRunBack)
{
    CScratchInstall scratch;
    scratch.FillSource();
    scratch.MakeMachineKeys();
    MakeLargeFile(scratch.Places().strSourceFolder + "qivnotes.chm", 1024LL << 20);
    const CString strDestination = scratch.Root() + "\\Ziel";
    CScratchWizard wizard(scratch, strDestination);
    const CString strLargeCopy = "Kopiere \"qivnotes.chm\"";
    const INT_PTR nResult = RunWithUser(wizard, [&](const CScreen& screen) {
        ASSERT_TRUE(wizard.WalkToCopyPage(screen));
        for (int i = 0; i < 1000 && !StartsWith(wizard.Status(), strLargeCopy); ++i)
            ::Sleep(5);
        ASSERT_TRUE(StartsWith(wizard.Status(), strLargeCopy)) << wizard.Status();

        CCopyPageLook look;
        screen::Shot shot;
        for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 1000 && !look.IsWhole();) {
            ::Sleep(20);
            shot = screen::ShootWindow(screen.hSheet);
            look = LookAtCopyPage(shot, screen.hSheet, wizard.m_copyPage.m_hWnd, wizard.Status());
        }
        screen::KeepShot(shot, "setup-copy-half-way");
        EXPECT_TRUE(look.IsWhole()) << "side picture colours " << look.nSideColours << ", heading ink "
                                    << look.nHeadingInk << ", status ink " << look.nStatusInk
                                    << " of which wrong " << look.nStatusWrong;
        EXPECT_TRUE(StartsWith(wizard.Status(), strLargeCopy)) << "the copy went too fast to cancel";

        for (const int nAnswer : {IDNO, IDYES}) {
            const DWORD dwClick = ::GetTickCount();
            screen::Click(screen.hSheet, IDCANCEL);
            const HWND hBox = screen.WaitForBox(3000);
            const DWORD dwAnswered = ::GetTickCount() - dwClick;
            ASSERT_TRUE(hBox) << "Abbrechen was not answered";
            EXPECT_LT(dwAnswered, 1000u);
            EXPECT_EQ(screen::DialogText(hBox), "Installation abbrechen?");
            ASSERT_TRUE(screen.Answer(hBox, nAnswer));
        }
        EXPECT_TRUE(windows::WaitUntilGone(screen.hSheet, 10000));
    });
    EXPECT_EQ(nResult, IDCANCEL);
    ExpectRunTakenBack(scratch, strDestination);
}
