// What the user clicks in the real program happens: the options' bar
// choices, the sheets over the main window, the printer commands without a
// printer, "always on top" from the caption's menu, and attachments stored
// with "." and ".." steps.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include "app/res/resource.h"
#include "common/WindowSearch.h"
#include "framework/ui/AfxRes.h"
#include "model/CardFileStore.h"
#include "model/QivItem.h"
#include "toolkit/input/InputTestSupport.h"

#include <commctrl.h>
#include <shellapi.h>
#include <winspool.h>

#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using e2e::CQivnotesProcess;

class QivnotesClicks : public e2e::QivnotesTest
{
};

// A window anywhere below hParent with the id (0: any), class and text
// (null: any).
HWND FindBelow(HWND hParent, int nID, LPCSTR lpszClass = nullptr, LPCSTR lpszText = nullptr)
{
    return windows::FirstBelow(hParent, [&](HWND hWnd) {
        char szClass[64] = {};
        ::GetClassNameA(hWnd, szClass, sizeof(szClass));
        return (nID == 0 || ::GetDlgCtrlID(hWnd) == nID)
               && (lpszClass == nullptr || _stricmp(szClass, lpszClass) == 0)
               && (lpszText == nullptr || CQivnotesProcess::TextOf(hWnd) == lpszText);
    });
}

POINT CentreOf(const RECT& rc)
{
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

POINT WindowCentre(HWND hWnd)
{
    RECT rc = {};
    ::GetWindowRect(hWnd, &rc);
    return CentreOf(rc);
}

BOOL IsChecked(HWND hButton)
{
    DWORD_PTR dwCheck = 0;
    ::SendMessageTimeoutA(hButton, BM_GETCHECK, 0, 0, SMTO_NORMAL, 10000, &dwCheck);
    return dwCheck == BST_CHECKED;
}

// The three toolbars and the status bar of the main window, as shown.
std::string BarsShown(HWND hMain)
{
    std::string text;
    for (LPCSTR lpszBar : {"Standard", "Ansicht", "Format"}) {
        HWND hBar = FindBelow(hMain, 0, "XTPToolBar", lpszBar);
        text += std::string(lpszBar) + (hBar && ::IsWindowVisible(hBar) ? " shown, " : " hidden, ");
    }
    HWND hStatus = FindBelow(hMain, 0, STATUSCLASSNAMEA);
    text += std::string("status bar") + (hStatus && ::IsWindowVisible(hStatus) ? " shown" : " hidden");
    return text;
}

const int kViewChoices[] = {IDC_BAR_STANDARD, IDC_BAR_VIEW, IDC_BAR_FORMAT, IDC_STATUS_BAR};

// The ticks of the options' bar choices, in the order of kViewChoices.
std::string TicksOf(HWND hSheet)
{
    std::string text;
    for (int nID : kViewChoices)
        text += IsChecked(FindBelow(hSheet, nID)) ? "x" : "-";
    return text;
}

// The sheet's distance from standing centred on the main window.
LONG OffCentre(HWND hSheet, HWND hMain)
{
    const POINT ptSheet = WindowCentre(hSheet);
    const POINT ptMain = WindowCentre(hMain);
    return std::max(std::abs(ptSheet.x - ptMain.x), std::abs(ptSheet.y - ptMain.y));
}

} // namespace

TEST_F(QivnotesClicks, OptionsShowAndHideTheBarsAndOpenWithTheirState)
{
    const CString strFile = WriteSample("options");
    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, strFile));
    HWND hMain = program.MainWindow();
    ASSERT_EQ("Standard shown, Ansicht shown, Format shown, status bar shown", BarsShown(hMain));

    // Each step: what the user ticks or clears, and what stands afterwards.
    struct Step
    {
        const char* pszTicksBefore;
        std::vector<int> clicks;
        const char* pszBars;
    };
    const Step steps[] = {
        {"xxxx", {IDC_BAR_STANDARD, IDC_BAR_VIEW, IDC_BAR_FORMAT, IDC_STATUS_BAR},
         "Standard hidden, Ansicht hidden, Format hidden, status bar hidden"},
        {"----", {IDC_BAR_VIEW, IDC_STATUS_BAR}, "Standard hidden, Ansicht shown, Format hidden, status bar shown"},
        {"-x-x", {IDC_BAR_STANDARD, IDC_BAR_FORMAT}, "Standard shown, Ansicht shown, Format shown, status bar shown"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.pszBars);
        program.PostCommand(ID_OPTIONS);
        HWND hSheet = program.WaitForWindow("Optionen");
        ASSERT_NE(nullptr, hSheet);
        ASSERT_TRUE(program.WaitForDialog());
        EXPECT_EQ(step.pszTicksBefore, TicksOf(hSheet));
        for (int nID : step.clicks)
            ClickAt(WindowCentre(FindBelow(hSheet, nID)));
        ClickAt(WindowCentre(FindBelow(hSheet, IDOK, "Button")));
        ASSERT_TRUE(windows::WaitUntilGone(hSheet, 10000));
        ASSERT_TRUE(program.WaitUntilIdle());
        EXPECT_EQ(step.pszBars, BarsShown(hMain));
        // The banner and the panes beside it start below the bars shown.
        RECT rcBanner = {};
        RECT rcPanes = {};
        ::GetWindowRect(::GetDlgItem(hMain, 777), &rcBanner);
        ::GetWindowRect(::GetDlgItem(hMain, AFX_IDW_PANE_FIRST), &rcPanes);
        EXPECT_EQ(rcPanes.top, rcBanner.top);
    }
    EXPECT_EQ(0, program.Close());
}

TEST_F(QivnotesClicks, OptionsAndInfoStandCentredOnTheMainWindow)
{
    const CString strFile = WriteSample("sheets");
    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, strFile));
    HWND hMain = program.MainWindow();
    // Away from the screen's corner, so that the corner is no centre.
    ::SetWindowPos(hMain, nullptr, 120, 90, 760, 560, SWP_NOZORDER);
    ASSERT_TRUE(program.WaitUntilIdle());
    struct Sheet
    {
        UINT nCommand;
        LPCSTR lpszTitle;
    };
    for (const Sheet& sheet : {Sheet{ID_OPTIONS, "Optionen"}, Sheet{ID_APP_ABOUT, "Info"}}) {
        SCOPED_TRACE(sheet.lpszTitle);
        program.PostCommand(sheet.nCommand);
        HWND hSheet = program.WaitForWindow(sheet.lpszTitle);
        ASSERT_NE(nullptr, hSheet);
        ASSERT_TRUE(program.WaitForDialog());
        EXPECT_LE(OffCentre(hSheet, hMain), 2);
        ::PostMessageA(hSheet, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(windows::WaitUntilGone(hSheet, 10000));
    }
    EXPECT_EQ(0, program.Close());
}

TEST_F(QivnotesClicks, WithoutAPrinterTheSetupCommandsSaySoAndCharactersUseTheScreenFonts)
{
    char szPrinter[256] = {};
    DWORD nPrinter = sizeof(szPrinter);
    if (::GetDefaultPrinterA(szPrinter, &nPrinter))
        GTEST_SKIP() << "this run has a printer: " << szPrinter;
    const CString strFile = WriteSample("noprinter");
    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, strFile, "Küche\\Suppe"));

    // Page setup, printer setup and print each tell why nothing opens.
    for (UINT nCommand : {ID_PAGE_SETUP, ID_FILE_PRINT_SETUP, ID_FILE_PRINT}) {
        SCOPED_TRACE(nCommand);
        program.PostCommand(nCommand);
        HWND hBox = program.WaitForDialog();
        ASSERT_NE(nullptr, hBox);
        EXPECT_NE(std::string::npos, program.DialogText(hBox).find("kein Drucker installiert"))
            << program.DialogText(hBox);
        ASSERT_TRUE(program.PressButton(hBox, IDOK));
        ASSERT_TRUE(program.WaitUntilIdle());
    }

    // The character dialog, with the focus in the tree and in the note.
    std::vector<HTREEITEM> items;
    std::vector<CQivnotesProcess::TreeRow> rows = program.TreeRows(&items);
    ASSERT_EQ(4u, rows.size());
    HWND hNote = program.FindChild("RichEdit20A");
    ASSERT_NE(nullptr, hNote);
    RECT rcNote = {};
    ::GetWindowRect(hNote, &rcNote);
    const struct
    {
        const char* pszFocus;
        POINT ptClick;
    } places[] = {
        {"tree", CentreOf(program.TreeItemScreenRect(items[3]))},
        {"note", POINT{rcNote.left + 40, rcNote.top + 10}},
    };
    for (const auto& place : places) {
        SCOPED_TRACE(place.pszFocus);
        ClickAt(place.ptClick);
        ASSERT_TRUE(program.WaitUntilIdle());
        program.PostCommand(ID_FORMAT_FONT);
        HWND hFonts = program.WaitForDialog();
        ASSERT_NE(nullptr, hFonts);
        // The face list (the system dialog's first combo box) holds fonts.
        HWND hFaces = FindBelow(hFonts, 0x470);
        ASSERT_NE(nullptr, hFaces);
        DWORD_PTR nFaces = 0;
        ::SendMessageTimeoutA(hFaces, CB_GETCOUNT, 0, 0, SMTO_NORMAL, 10000, &nFaces);
        EXPECT_GT(nFaces, 0u);
        ASSERT_TRUE(program.PressButton(hFonts, IDCANCEL));
        ASSERT_TRUE(program.WaitUntilIdle());
    }
    EXPECT_EQ(0, program.Close());
}

TEST_F(QivnotesClicks, AlwaysOnTopWorksFromTheCaptionsRightClickMenu)
{
    const CString strFile = WriteSample("topmost");
    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, strFile));
    HWND hMain = program.MainWindow();
    RECT rcMain = {};
    ::GetWindowRect(hMain, &rcMain);
    // On the caption, clear of its buttons; each click elsewhere, so that
    // two are no double click.
    POINT ptCaption = {rcMain.left + 200,
                       rcMain.top + ::GetSystemMetrics(SM_CYFRAME) + ::GetSystemMetrics(SM_CYCAPTION) / 2};
    for (DWORD dwTopMost : {1u, 0u}) {
        SCOPED_TRACE(dwTopMost);
        ptCaption.x += 60;
        ASSERT_TRUE(MoveMouseTo(ptCaption));
        InjectMouseButton(MOUSEEVENTF_RIGHTDOWN);
        InjectMouseButton(MOUSEEVENTF_RIGHTUP);
        HWND hMenu = program.WaitForVisibleClass("#32768", 10000);
        ASSERT_NE(nullptr, hMenu);
        // Answered once the menu's own loop takes the input.
        ASSERT_TRUE(program.WaitUntilIdle());
        // "&Immer im Vordergrund": its access key chooses it.
        TapKey('I');
        if (!windows::WaitUntilGone(hMenu, 10000))
            TapKey(VK_ESCAPE);
        EXPECT_TRUE(WaitForTopMost(program, dwTopMost != 0));
    }
    EXPECT_EQ(0, program.Close());
}

TEST_F(QivnotesClicks, AttachmentsStoredWithDotStepsShowTheirNameAndType)
{
    const CString strTop = e2e::ScratchFolder("dotsteps");
    const CString strFolder = strTop + "\\Karten";
    ::CreateDirectoryA(strFolder, nullptr);
    const CString strLetter = strFolder + "\\brief.txt";
    const CString strBill = strTop + "\\rechnung.txt";
    for (const CString& strPath : {strLetter, strBill}) {
        HANDLE hFile = ::CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
        ::CloseHandle(hFile);
    }
    const CString strFile = strFolder + "\\Post.qiv";
    {
        CQivCardFileStore store;
        C_QivCategory* pRoot = new C_QivCategory("Notizen");
        pRoot->m_dwExpanded = 1;
        C_QivEntry* pPost = new C_QivEntry("Post");
        for (LPCSTR lpszStored : {".\\brief.txt", "..\\rechnung.txt", "..\\Karten\\.\\brief.txt", "brief.txt"})
            pPost->m_lstAttachments.AddTail(lpszStored);
        pRoot->m_pFirstChild = pPost;
        store.ReplaceRoot(pRoot);
        store.Save(strFile, FALSE);
    }
    // What the shell says of each file, asked with its whole path.
    auto shellSays = [](const CString& strPath) {
        SHFILEINFOA info = {};
        ::SHGetFileInfoA(strPath, 0, &info, sizeof(info), SHGFI_DISPLAYNAME | SHGFI_TYPENAME);
        return std::string(info.szDisplayName) + " | " + info.szTypeName;
    };
    const std::string strLetterSays = shellSays(strLetter);
    const std::string strBillSays = shellSays(strBill);
    ASSERT_NE(" | ", strLetterSays);

    CQivnotesProcess program;
    ASSERT_NO_FATAL_FAILURE(StartInFront(program, strFile, "Post"));
    HWND hList = program.FindChild(WC_LISTVIEWA);
    ASSERT_NE(nullptr, hList);
    DWORD_PTR nRows = 0;
    ::SendMessageTimeoutA(hList, LVM_GETITEMCOUNT, 0, 0, SMTO_NORMAL, 10000, &nRows);
    std::vector<std::string> shown;
    for (int nRow = 0; nRow < static_cast<int>(nRows); ++nRow)
        shown.push_back(program.ListCellText(hList, nRow, 0) + " | " + program.ListCellText(hList, nRow, 1));
    const std::vector<std::string> expected = {strLetterSays, strBillSays, strLetterSays, strLetterSays};
    EXPECT_EQ(expected, shown);
    EXPECT_EQ(0, program.Close());
}
