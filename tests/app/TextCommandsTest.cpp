// The frame's commands around the note editor: when each is enabled and
// checked, with and without a text view, and the search window made once
// and restored afterwards.
#include "TextViewFixture.h"

#include "CardTreeFixture.h"

#include "app/SearchDialog.h"
#include "app/TextCommands.h"
#include "framework/core/StringList.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/FrameWnd.h"
#include "model/QivDoc.h"
#include "model/QivItem.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

struct State
{
    int nCheck;
    BOOL bEnabled;
};

State UpdateOf(const std::function<void(CCmdUI*)>& update)
{
    struct CRecording : CCmdUI
    {
        State state = { -1, -1 };
        void SetCheck(int nCheck) override { state.nCheck = nCheck; }
        void Enable(BOOL bOn) override { state.bEnabled = bOn; }
    } ui;
    update(&ui);
    return ui.state;
}

TEST_F(TextViewTest, EditorCommandsOfTheFrameFollowTheTextView)
{
    // Without a text view: off, word wrap checked from the setting.
    EXPECT_FALSE(UpdateOf([](CCmdUI* p) { QivUpdatePageSetupCommand(p, nullptr); }).bEnabled);
    EXPECT_FALSE(UpdateOf([](CCmdUI* p) { QivUpdatePrintCommand(p, nullptr); }).bEnabled);
    EXPECT_FALSE(UpdateOf([](CCmdUI* p) { QivUpdateFontColorCommand(p, nullptr, nullptr); }).bEnabled);
    for (int nStored : { 1, 0 })
    {
        WriteSettingInt("Settings", "WordWrap", nStored);
        State wrap = UpdateOf([](CCmdUI* p) { QivUpdateWordWrapCommand(p, nullptr); });
        EXPECT_FALSE(wrap.bEnabled);
        EXPECT_EQ(nStored, wrap.nCheck);
    }

    // With one: on; printing needs its window enabled, the colour its being active.
    EXPECT_TRUE(UpdateOf([&](CCmdUI* p) { QivUpdatePageSetupCommand(p, m_pView); }).bEnabled);
    EXPECT_TRUE(UpdateOf([&](CCmdUI* p) { QivUpdatePrintCommand(p, m_pView); }).bEnabled);
    EXPECT_TRUE(UpdateOf([&](CCmdUI* p) { QivUpdateFontColorCommand(p, m_pView, m_pView); }).bEnabled);
    EXPECT_FALSE(UpdateOf([&](CCmdUI* p) { QivUpdateFontColorCommand(p, m_pView, nullptr); }).bEnabled);
    m_pView->m_nWordWrap = CRichEditView::WrapNone;
    State wrap = UpdateOf([&](CCmdUI* p) { QivUpdateWordWrapCommand(p, m_pView); });
    EXPECT_TRUE(wrap.bEnabled);
    EXPECT_EQ(0, wrap.nCheck);
    m_pView->EnableWindow(FALSE);
    EXPECT_FALSE(UpdateOf([&](CCmdUI* p) { QivUpdatePrintCommand(p, m_pView); }).bEnabled);
    EXPECT_TRUE(UpdateOf([&](CCmdUI* p) { QivUpdatePageSetupCommand(p, m_pView); }).bEnabled);
}

TEST_F(TextViewTest, SearchAndShortcutNeedSomethingToWorkOn)
{
    C_QivCategory root("Notizen");
    EXPECT_FALSE(UpdateOf([&](CCmdUI* p) { QivUpdateSearchCommand(p, &root); }).bEnabled);
    EXPECT_FALSE(UpdateOf([&](CCmdUI* p) { QivUpdateSearchCommand(p, nullptr); }).bEnabled);
    apptest::AddEntry(&root, "Notiz");
    EXPECT_TRUE(UpdateOf([&](CCmdUI* p) { QivUpdateSearchCommand(p, &root); }).bEnabled);

    // An untitled card file has no path for a link to open.
    EXPECT_FALSE(UpdateOf([&](CCmdUI* p) { QivUpdateShortcutCommand(p, m_pDoc); }).bEnabled);
    char szTemp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szTemp);
    m_pDoc->SetPathName(CString(szTemp) + "karte.qiv", FALSE);
    EXPECT_TRUE(UpdateOf([&](CCmdUI* p) { QivUpdateShortcutCommand(p, m_pDoc); }).bEnabled);
}

TEST_F(TextViewTest, TheSearchWindowIsMadeOnceThenRestored)
{
    apptest::CRecordingShell shell;
    apptest::CTreeWindow tree;
    std::unique_ptr<C_QivCategory> root(new C_QivCategory("Notizen"));
    apptest::AddEntry(root.get(), "Notiz");
    tree.Show(root.get());
    CWnd treeWnd;
    treeWnd.Attach(tree.m_hWnd);
    CStringList history;
    std::unique_ptr<CSuchenDlg> window;

    CSuchenDlg* pFirst = QivShowSearchWindow(window, root.get(), &treeWnd, m_pFrame, &history);
    ASSERT_NE(pFirst, nullptr);
    EXPECT_TRUE(pFirst->IsWindowVisible());
    EXPECT_EQ(m_pFrame->m_hWnd, ::GetWindow(pFirst->m_hWnd, GW_OWNER));

    // Closed (hidden) and asked for again: the same window, shown.
    pFirst->SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_FALSE(pFirst->IsWindowVisible());
    std::unique_ptr<C_QivCategory> other(new C_QivCategory("Andere"));
    EXPECT_EQ(pFirst, QivShowSearchWindow(window, other.get(), &treeWnd, m_pFrame, &history));
    EXPECT_TRUE(pFirst->IsWindowVisible());

    // A window destroyed meanwhile is made anew.
    pFirst->DestroyWindow();
    CSuchenDlg* pSecond = QivShowSearchWindow(window, root.get(), &treeWnd, m_pFrame, &history);
    ASSERT_NE(pSecond, nullptr);
    EXPECT_TRUE(::IsWindow(pSecond->m_hWnd));
    window.reset();
    treeWnd.Detach();
}

} // namespace
