// The real program as the shell starts it: the tree against the card
// file's dump, an unknown path, hidden and minimised starts, the splash,
// the start tip, and about and tips by their commands.
#include "QivnotesFixture.h"
#include "QivnotesProcess.h"

#include "model/CardFileStore.h"
#include "model/QivItem.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <shlwapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The texts of a window's children, one after the other.
std::string ChildTexts(HWND hWnd)
{
    std::string strTexts;
    for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        strTexts += e2e::CQivnotesProcess::TextOf(hChild) + "|";
    return strTexts;
}

// A window of the program standing in front of everything without a
// caption: the splash picture.
bool IsSplash(HWND hWnd)
{
    const LONG_PTR exStyle = ::GetWindowLongPtrA(hWnd, GWL_EXSTYLE);
    const LONG_PTR style = ::GetWindowLongPtrA(hWnd, GWL_STYLE);
    return ::IsWindowVisible(hWnd) && (style & WS_POPUP)
           && (exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW)) == (WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
}

// The main window once it stands and shows its card file.
bool IsIdleMain(HWND hWnd)
{
    char szTitle[256] = {};
    ::GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
    return ::IsWindowVisible(hWnd) && strncmp(szTitle, "Qivnotes - ", 11) == 0;
}

class QivnotesShell : public e2e::QivnotesTest
{
protected:
    // A card file: root "Notizen" with the open category "Küche" holding the
    // entries "Brot" and "Suppe", without text, colour or attachment; going
    // to an entry changes nothing in it.
    CString WritePlainSample(LPCSTR lpszFolder)
    {
        CString strPath = e2e::ScratchFolder(lpszFolder) + "\\Rezepte.qiv";
        CQivCardFileStore store;
        C_QivCategory* pRoot = new C_QivCategory("Notizen");
        C_QivCategory* pKitchen = new C_QivCategory("Küche");
        pRoot->m_dwExpanded = 1;
        pKitchen->m_dwExpanded = 1;
        C_QivEntry* pBread = new C_QivEntry("Brot");
        C_QivEntry* pSoup = new C_QivEntry("Suppe");
        pRoot->m_pFirstChild = pKitchen;
        pKitchen->m_pFirstChild = pBread;
        pBread->m_pNext = pSoup;
        store.ReplaceRoot(pRoot);
        store.Save(strPath, FALSE);
        return strPath;
    }

    // The sample and more: the collapsed category "Garten" with two
    // entries, an entry with an attachment, an empty category.
    CString WriteLargerSample(LPCSTR lpszFolder)
    {
        CString strPath = e2e::ScratchFolder(lpszFolder) + "\\Haushalt.qiv";
        CQivCardFileStore store;
        C_QivCategory* pRoot = new C_QivCategory("Notizen");
        C_QivCategory* pKitchen = new C_QivCategory("Küche");
        C_QivCategory* pGarden = new C_QivCategory("Garten");
        C_QivCategory* pEmpty = new C_QivCategory("Leer");
        pRoot->m_dwExpanded = 1;
        pKitchen->m_dwExpanded = 1;
        C_QivEntry* pBread = new C_QivEntry("Brot");
        C_QivEntry* pSoup = new C_QivEntry("Suppe");
        C_QivEntry* pBill = new C_QivEntry("Rechnung");
        pBill->m_lstAttachments.AddTail("rechnung.pdf");
        C_QivEntry* pRoses = new C_QivEntry("Rosen");
        C_QivEntry* pTulips = new C_QivEntry("Tulpen");
        pRoot->m_pFirstChild = pKitchen;
        pKitchen->m_pNext = pGarden;
        pGarden->m_pNext = pEmpty;
        pEmpty->m_pNext = pBill;
        pKitchen->m_pFirstChild = pBread;
        pBread->m_pNext = pSoup;
        pGarden->m_pFirstChild = pRoses;
        pRoses->m_pNext = pTulips;
        store.ReplaceRoot(pRoot);
        store.Save(strPath, FALSE);
        return strPath;
    }
};



// What the tree should show of a dumped card file: depth, title, image,
// the root in bold, categories open as stored.
std::vector<e2e::CQivnotesProcess::TreeRow> RowsOfDump(const std::string& strDump)
{
    struct Node
    {
        int nDepth;
        bool bCategory;
        bool bExpanded;
        bool bAttachments;
        std::string strTitle;
    };
    std::vector<Node> nodes;
    size_t nStart = 0;
    while (nStart < strDump.size()) {
        size_t nEnd = strDump.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = strDump.size();
        const std::string strLine = strDump.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        int nDepth = 0;
        char szClass[64] = {};
        char szColour[16] = {};
        char szExpanded[8] = {};
        char szTitle[600] = {};
        char szAttachments[600] = {};
        if (sscanf(strLine.c_str(), "%d %63s %15s %7s %599s %599s", &nDepth, szClass, szColour, szExpanded, szTitle,
                   szAttachments) != 6)
            continue;
        Node node = {nDepth, strcmp(szClass, "C_QivCategory") == 0, strcmp(szExpanded, "1") == 0,
                     strcmp(szAttachments, "[]") != 0, ""};
        for (size_t i = 0; szTitle[i] && szTitle[i + 1] && szTitle[0] != '-'; i += 2) {
            char szByte[3] = {szTitle[i], szTitle[i + 1], 0};
            node.strTitle += static_cast<char>(strtoul(szByte, nullptr, 16));
        }
        nodes.push_back(node);
    }
    std::vector<e2e::CQivnotesProcess::TreeRow> rows;
    for (size_t i = 0; i < nodes.size(); ++i) {
        const Node& node = nodes[i];
        int nChildren = 0;
        for (size_t j = i + 1; j < nodes.size() && nodes[j].nDepth > node.nDepth; ++j)
            nChildren += nodes[j].nDepth == node.nDepth + 1 ? 1 : 0;
        int nImage = node.bAttachments ? 6 : 4;
        if (node.bCategory)
            nImage = node.bExpanded ? 0 : std::min(nChildren, 3);
        rows.push_back({node.nDepth, node.strTitle, nImage, i == 0, node.bCategory && node.bExpanded && nChildren > 0});
    }
    return rows;
}

std::string Describe(const std::vector<e2e::CQivnotesProcess::TreeRow>& rows)
{
    std::string strText;
    for (const auto& row : rows)
        strText += std::to_string(row.nDepth) + " " + row.strTitle + " image " + std::to_string(row.nImage)
                   + (row.bBold ? " bold" : "") + (row.bExpanded ? " open" : "") + "\n";
    return strText;
}

TEST_F(QivnotesShell, TreeShowsTheCardFileAsItsDumpReadsIt)
{
    CString strFile = WriteLargerSample("tree");
    const std::string strDump = e2e::RunAndRead("\"" + e2e::ToolPath("qivdump") + "\" dump \"" + strFile + "\"");
    const auto expected = RowsOfDump(strDump);
    ASSERT_EQ(9u, expected.size()) << strDump;
    e2e::CQivnotesProcess program;
    ASSERT_TRUE(program.Start("\"" + strFile + "\" \"Küche\\Suppe"));
    EXPECT_EQ("Suppe", program.WaitForSelectedTreeText("Suppe"));
    EXPECT_EQ(Describe(expected), Describe(program.TreeRows()));
    EXPECT_EQ(0, program.Close());
}

TEST_F(QivnotesShell, UnknownPathIsReportedAndTheCardFileStaysOpen)
{
    CString strFile = WritePlainSample("unknown");
    e2e::CQivnotesProcess program;
    ASSERT_TRUE(program.Start("\"" + strFile + "\" \"Küche\\Nudeln"));
    HWND hBox = program.WaitForWindow("Fehler");
    ASSERT_NE(nullptr, hBox);
    EXPECT_NE(std::string::npos, ChildTexts(hBox).find("Der Eintrag 'Küche\\Nudeln' existiert nicht."))
        << ChildTexts(hBox);
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(program.WaitForTitle("Qivnotes - Rezepte.qiv"));
    EXPECT_EQ("Notizen", program.SelectedTreeText());
    EXPECT_EQ(0, program.Close());
}

TEST_F(QivnotesShell, HideStartsInTheNotificationAreaAndQStartsMinimised)
{
    CString strFile = WritePlainSample("hide");
    {
        e2e::CQivnotesProcess program;
        ASSERT_TRUE(program.Start("/HIDE \"" + strFile + "\""));
        ASSERT_TRUE(program.WaitForTitle("Qivnotes - Rezepte.qiv"));
        EXPECT_FALSE(::IsWindowVisible(program.MainWindow()));
        // The notification-area menu's command brings it back.
        DWORD_PTR dwResult = 0;
        ::SendMessageTimeoutA(program.MainWindow(), WM_COMMAND, 32884, 0, SMTO_NORMAL, 30000, &dwResult);
        EXPECT_TRUE(::IsWindowVisible(program.MainWindow()));
        EXPECT_FALSE(::IsIconic(program.MainWindow()));
        EXPECT_EQ(0, program.Close());
    }
    {
        e2e::CQivnotesProcess program;
        ASSERT_TRUE(program.Start("-q \"" + strFile + "\""));
        ASSERT_TRUE(program.WaitForTitle("Qivnotes - Rezepte.qiv"));
        EXPECT_TRUE(::IsWindowVisible(program.MainWindow()));
        EXPECT_TRUE(::IsIconic(program.MainWindow()));
        EXPECT_EQ(0, program.Close());
    }
}

TEST_F(QivnotesShell, SplashShowsUnlessSwitchedOffOrAFileIsNamedAndAClickSwitchesItOff)
{
    struct Case
    {
        LPCSTR pszSetting;
        BOOL bFile;
        BOOL bSplash;
    };
    const Case cases[] = {
        {"2", FALSE, TRUE},
        {"0", FALSE, FALSE},
        {"1", TRUE, FALSE},
    };
    CString strFile = WritePlainSample("splash");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszSetting) + (c.bFile ? " with a file" : ""));
        SetSetting("Settings", "ShowSplash", c.pszSetting);
        e2e::CQivnotesProcess program;
        ASSERT_TRUE(program.Launch(c.bFile ? "\"" + strFile + "\"" : CString()));
        // Looked for while the program starts: the splash stands from before
        // the main window until its timer runs in the message loop.
        HWND hSplash = nullptr;
        HWND hMain = nullptr;
        for (int i = 0; i < 3000 && !hSplash && !hMain; ++i) {
            hSplash = e2e::CQivnotesProcess::FindWindowOf(program.ProcessId(), IsSplash);
            hMain = e2e::CQivnotesProcess::FindWindowOf(program.ProcessId(), IsIdleMain);
            if (!hSplash && !hMain)
                ::Sleep(20);
        }
        EXPECT_EQ(c.bSplash, hSplash != nullptr);
        if (hSplash) {
            // The user clicks it away for good: a sent message comes before
            // the timer once the program takes messages.
            DWORD_PTR dwResult = 0;
            ::SendMessageTimeoutA(hSplash, WM_ACTIVATE, WA_CLICKACTIVE, 0, SMTO_NORMAL, 60000, &dwResult);
            EXPECT_FALSE(::IsWindow(hSplash));
            EXPECT_EQ("0", SettingString("Settings", "ShowSplash"));
        } else {
            EXPECT_EQ(c.pszSetting, SettingString("Settings", "ShowSplash"));
        }
        ASSERT_TRUE(program.WaitForMainWindow());
        EXPECT_EQ(0, program.Close());
    }
}

TEST_F(QivnotesShell, StartTipWhenItsSettingIsZeroAndAboutAndTipsFromTheMenu)
{
    SetSettingInt("Tip", "StartUp", 0);
    CString strFile = WritePlainSample("tip");
    e2e::CQivnotesProcess program;
    ASSERT_TRUE(program.Start("\"" + strFile + "\""));
    HWND hTip = program.WaitForWindow("Willkommen bei Qivnotes2000!");
    ASSERT_NE(nullptr, hTip);
    ::PostMessageA(hTip, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(program.WaitForTitle("Qivnotes - Rezepte.qiv"));

    ::PostMessageA(program.MainWindow(), WM_COMMAND, 57664, 0);
    HWND hAbout = program.WaitForWindow("Info");
    ASSERT_NE(nullptr, hAbout);
    HWND hTab = ::FindWindowExA(hAbout, nullptr, WC_TABCONTROLA, nullptr);
    EXPECT_EQ(3, ::SendMessageA(hTab, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hAbout, IDCANCEL)));
    ::PostMessageA(hAbout, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(program.WaitForTitle("Qivnotes - Rezepte.qiv"));

    ::PostMessageA(program.MainWindow(), WM_COMMAND, 110, 0);
    HWND hTips = program.WaitForWindow("Tipps & Tricks");
    ASSERT_NE(nullptr, hTips);
    ::PostMessageA(hTips, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(program.WaitForTitle("Qivnotes - Rezepte.qiv"));
    EXPECT_EQ(0, program.Close());
}

} // namespace
