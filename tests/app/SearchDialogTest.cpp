// The search window on its template: results, status line, history,
// completion, opening hits, and closing.
#include "AppTestSupport.h"
#include "CardTreeFixture.h"

#include "app/SearchDialog.h"
#include "app/res/resource.h"
#include "framework/core/StringList.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/TestSeams.h"

#include <gtest/gtest.h>

using namespace apptest;

namespace {

using Strings = std::vector<std::string>;

} // namespace

class SearchWindow : public AppSettingsTest
{
protected:
    void SetUp() override
    {
        AppSettingsTest::SetUp();
        m_root.reset(new C_QivCategory("Notizen"));
        m_pGarden = AddCategory(m_root.get(), "Garten");
        m_pRoses = AddEntry(m_pGarden, "Rosen", std::string("Rosen schneiden im März\0", 24));
        AddEntry(m_pGarden, "Beete", std::string("Tomaten und Bohnen\0", 19));
        m_pHouse = AddEntry(m_root.get(), "Haus", std::string("Fenster putzen\0", 15));
        m_root->m_dwExpanded = 1;
        m_tree.Show(m_root.get());
        m_treeWnd.Attach(m_tree.m_hWnd);
    }

    void TearDown() override
    {
        m_dialog.reset();
        m_treeWnd.Detach();
        AppSettingsTest::TearDown();
    }

    CSuchenDlg& Open()
    {
        m_dialog.reset(new CSuchenDlg(m_root.get(), &m_treeWnd, nullptr, &m_history));
        EXPECT_TRUE(m_dialog->Create());
        return *m_dialog;
    }

    Strings Search(LPCSTR lpszText)
    {
        m_dialog->m_comboTerms.SetWindowText(lpszText);
        m_dialog->RunSearch();
        Strings rows;
        for (int i = 0; i < m_dialog->m_listResults.GetItemCount(); ++i) {
            rows.push_back(std::string(m_dialog->m_listResults.GetItemText(i, 0).GetString()) + "|"
                           + m_dialog->m_listResults.GetItemText(i, 1).GetString());
        }
        return rows;
    }

    CString Status() const
    {
        CString strStatus;
        m_dialog->GetDlgItemText(IDC_SEARCH_STATUS, strStatus);
        return strStatus;
    }

    BOOL IsEnabled(int nID) const { return ::IsWindowEnabled(::GetDlgItem(m_dialog->m_hWnd, nID)); }

    CRecordingShell m_shell;
    CTreeWindow m_tree;
    CWnd m_treeWnd;
    std::unique_ptr<C_QivCategory> m_root;
    C_QivCategory* m_pGarden = nullptr;
    C_QivEntry* m_pRoses = nullptr;
    C_QivEntry* m_pHouse = nullptr;
    CStringList m_history;
    std::unique_ptr<CSuchenDlg> m_dialog;
};

TEST_F(SearchWindow, ResultsSortedByTitleWithTheirCategoriesAndStatus)
{
    Open();
    EXPECT_STREQ("Bereit.", Status().GetString());
    EXPECT_FALSE(IsEnabled(IDC_SEARCH_GOTO));
    EXPECT_FALSE(IsEnabled(IDC_SEARCH_NEW));

    // An empty query lists every item, the root with an empty category.
    EXPECT_EQ((Strings{ "Beete|Garten", "Garten|", "Haus|", "Notizen|", "Rosen|Garten" }), Search(""));
    EXPECT_STREQ("Es wurden 5 Einträge gefunden.", Status().GetString());
    EXPECT_TRUE(IsEnabled(IDC_SEARCH_GOTO));
    EXPECT_EQ(5u, m_dialog->m_listResults.GetSelectedCount());

    EXPECT_EQ((Strings{ "Rosen|Garten" }), Search("+\"rosen schneiden\" -bohnen"));
    EXPECT_STREQ("Es wurde 1 Eintrag gefunden.", Status().GetString());

    EXPECT_EQ(Strings{}, Search("Kompost"));
    EXPECT_STREQ("Kein Eintrag entspricht Ihrer Suchanfrage.", Status().GetString());
    EXPECT_FALSE(IsEnabled(IDC_SEARCH_GOTO));
    EXPECT_FALSE(IsEnabled(IDC_SEARCH_NEW));

    Search("Haus");
    CSoundRecorder sounds({ "Clear" });
    m_dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SEARCH_NEW, BN_CLICKED),
                          reinterpret_cast<LPARAM>(::GetDlgItem(m_dialog->m_hWnd, IDC_SEARCH_NEW)));
    EXPECT_EQ(0, m_dialog->m_listResults.GetItemCount());
    EXPECT_STREQ("Bereit.", Status().GetString());
    EXPECT_EQ((Strings{ "Clear" }), sounds.m_events);
}

TEST_F(SearchWindow, HistoryKeepsEachTextOnceAcrossOpenings)
{
    Open();
    Search("Rosen");
    Search("rosen");     // the same text, case ignored
    Search("");
    Search("Haus");
    Strings history;
    for (POSITION pos = m_history.GetHeadPosition(); pos;)
        history.push_back(m_history.GetNext(pos).GetString());
    EXPECT_EQ((Strings{ "Rosen", "Haus" }), history);

    Open();
    CString strShown;
    m_dialog->m_comboTerms.GetWindowText(strShown);
    EXPECT_STREQ("Haus", strShown.GetString());
    EXPECT_EQ(2, m_dialog->m_comboTerms.GetCount());
}

TEST_F(SearchWindow, TypingCompletesFromTheListUntilBackspace)
{
    m_history.AddTail("Hausputz");
    m_history.AddTail("Garten");
    Open();
    C_AutoComboBox& combo = m_dialog->m_comboTerms;
    HWND hEdit = ::GetWindow(combo.m_hWnd, GW_CHILD);
    ASSERT_NE(nullptr, hEdit);
    combo.SetWindowText("");

    auto type = [&](UINT nKey, char ch) {
        MSG msg = { hEdit, WM_KEYDOWN, nKey, 0, 0, {} };
        combo.PreTranslateMessage(&msg);
        ::SendMessageA(hEdit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(ch)), 0);
        CString strText;
        combo.GetWindowText(strText);
        return strText;
    };
    EXPECT_STREQ("Hausputz", type('H', 'h').GetString());
    DWORD dwSel = combo.GetEditSel();
    EXPECT_EQ(1, LOWORD(dwSel));
    EXPECT_EQ(8, HIWORD(dwSel));
    EXPECT_STREQ("H", type(VK_BACK, '\b').GetString());    // the completion goes, nothing comes back
    EXPECT_STREQ("Hausputz", type('A', 'a').GetString());
}

TEST_F(SearchWindow, OpeningAHitSelectsItAndFindsTheFirstTerm)
{
    Open();
    Search("+schneiden rosen");
    ASSERT_EQ(1, m_dialog->m_listResults.GetItemCount());
    m_dialog->OpenHit();
    EXPECT_EQ(m_pRoses, m_tree.Selected());
    EXPECT_EQ((Strings{ "schneiden" }), m_shell.m_finds);

    // An item deleted after the search is reported when its row is opened.
    Search("Haus");
    m_root->DeleteChild(m_pHouse);
    std::vector<CString> messages;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> boxes([&](const AFX_MESSAGEBOX_REQUEST& box) {
        messages.push_back(box.strText);
        return IDOK;
    });
    m_dialog->OpenHit();
    ASSERT_EQ(1u, messages.size());
    EXPECT_STREQ("Eintrag existiert nicht mehr!", messages[0].GetString());
    EXPECT_EQ(m_pRoses, m_tree.Selected());
}

TEST_F(SearchWindow, ClosingHidesAndStoresThePlacementTheNextWindowTakes)
{
    // Nothing stored: the window stands where its resource puts it.
    CRect rcResource;
    Open().GetWindowRect(rcResource);
    EXPECT_EQ(0u, StoredType("wndplsearch", "length"));
    m_dialog->SetWindowPos(nullptr, rcResource.left + 40, rcResource.top + 30, rcResource.Width() + 50,
                           rcResource.Height() + 20, SWP_NOZORDER | SWP_NOACTIVATE);
    WINDOWPLACEMENT moved = {};
    moved.length = sizeof(moved);
    ASSERT_TRUE(m_dialog->GetWindowPlacement(&moved));

    CSoundRecorder sounds({ "ToolbarClose" });
    m_dialog->SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(::IsWindow(m_dialog->m_hWnd)) << "closing only hides";
    EXPECT_FALSE(m_dialog->IsWindowVisible());
    EXPECT_EQ((Strings{ "ToolbarClose" }), sounds.m_events);
    CWinApp* pApp = AfxGetApp();
    const struct { LPCSTR key; int value; } stored[] = {
        { "length", static_cast<int>(sizeof(WINDOWPLACEMENT)) }, { "showCmd", SW_SHOWNORMAL },
        { "rcNormalPosition.left", moved.rcNormalPosition.left }, { "rcNormalPosition.top", moved.rcNormalPosition.top },
        { "rcNormalPosition.right", moved.rcNormalPosition.right },
        { "rcNormalPosition.bottom", moved.rcNormalPosition.bottom },
    };
    for (const auto& c : stored)
        EXPECT_EQ(c.value, static_cast<int>(pApp->GetProfileInt("wndplsearch", c.key, -1))) << c.key;
    for (LPCSTR key : { "flags", "ptMinPosition.x", "ptMinPosition.y", "ptMaxPosition.x", "ptMaxPosition.y" })
        EXPECT_EQ(DWORD(REG_DWORD), StoredType("wndplsearch", key)) << key;

    // The next window opens where this one was closed.
    Open();
    WINDOWPLACEMENT restored = {};
    restored.length = sizeof(restored);
    ASSERT_TRUE(m_dialog->GetWindowPlacement(&restored));
    EXPECT_EQ(CRect(moved.rcNormalPosition), CRect(restored.rcNormalPosition));
}
