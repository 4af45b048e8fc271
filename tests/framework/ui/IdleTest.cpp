// The message loop and idle processing: one idle pass updates command UI
// (menu items through CCmdUI, read back from the menu), the pre-translate
// walk runs from the target window up to the main window, disabled menu
// commands do not run, and the loop ends with WM_QUIT's code.
#include "TestApp.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/Menu.h"
#include "framework/ui/WinThread.h"
#include "framework/ui/Wnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum : UINT
{
    ID_DISABLED = 201,
    ID_CHECKED = 202,
    ID_RADIO = 203,
    ID_HANDLED = 204,
    ID_UNHANDLED = 205,
    ID_RENAMED = 206,
};

std::vector<std::string> g_events;

// A top-level window whose menu bar's first popup is updated at idle time
// the way a frame updates its menus.
class CMenuWnd : public CWnd
{
public:
    int m_nIdleUpdates = 0;
    bool m_bQuitAtIdle = false;

protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
    {
        ++m_nIdleUpdates;
        HMENU hPopup = ::GetSubMenu(::GetMenu(m_hWnd), 0);
        UINT nCount = static_cast<UINT>(::GetMenuItemCount(hPopup));
        for (UINT nIndex = 0; nIndex < nCount; ++nIndex)
        {
            CCmdUI state;
            state.m_pMenu = CMenu::FromHandle(hPopup);
            state.m_nIndex = nIndex;
            state.m_nIndexMax = nCount;
            state.m_nID = ::GetMenuItemID(hPopup, static_cast<int>(nIndex));
            state.DoUpdate(this, TRUE);
        }
        if (m_bQuitAtIdle)
            AfxPostQuitMessage(5);
        return 0;
    }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnUpdateRadio(CCmdUI* pCmdUI) { pCmdUI->SetRadio(TRUE); }
    afx_msg void OnUpdateRenamed(CCmdUI* pCmdUI) { pCmdUI->SetText("&Umbenannt"); }
    afx_msg void OnDisabled() { g_events.push_back("disabled ran"); }
    afx_msg void OnHandled() { g_events.push_back("handled ran"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuWnd, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_UPDATE_COMMAND_UI(ID_DISABLED, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_CHECKED, OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_RADIO, OnUpdateRadio)
    ON_UPDATE_COMMAND_UI(ID_RENAMED, OnUpdateRenamed)
    ON_COMMAND(ID_DISABLED, OnDisabled)
    ON_COMMAND(ID_CHECKED, OnHandled)
    ON_COMMAND(ID_RADIO, OnHandled)
    ON_COMMAND(ID_HANDLED, OnHandled)
    ON_COMMAND(ID_RENAMED, OnHandled)
END_MESSAGE_MAP()

// A window that logs its turn in the pre-translate walk and may take the
// message.
class CTranslatingWnd : public CWnd
{
public:
    std::string m_name;
    bool m_bTake = false;
    int m_nIdleUpdates = 0;
    int m_nKeyDowns = 0;
    int m_nKickIdles = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            g_events.push_back("pre " + m_name);
        return m_bTake && pMsg->message == WM_KEYDOWN;
    }

protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM)
    {
        ++m_nIdleUpdates;
        return 0;
    }
    afx_msg void OnKeyDown(UINT, UINT, UINT) { ++m_nKeyDowns; }
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        ++m_nKickIdles;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTranslatingWnd, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

// Pumps until the thread's loop has handled a message of this kind (the
// system may have queued others before it).
void PumpThrough(UINT message)
{
    while (AfxPumpMessage() && TestApp().GetCurrentMessage().message != message)
    {
    }
}

class IdleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        g_events.clear();
        HMENU hPopup = ::CreatePopupMenu();
        ::AppendMenuA(hPopup, MF_STRING, ID_DISABLED, "&Gesperrt");
        ::AppendMenuA(hPopup, MF_STRING, ID_CHECKED, "&Markiert");
        ::AppendMenuA(hPopup, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(hPopup, MF_STRING, ID_RADIO, "&Auswahl");
        ::AppendMenuA(hPopup, MF_STRING | MF_GRAYED, ID_HANDLED, "&Behandelt");
        ::AppendMenuA(hPopup, MF_STRING, ID_UNHANDLED, "&Unbehandelt");
        ::AppendMenuA(hPopup, MF_STRING, ID_RENAMED, "&Alt");
        HMENU hMenu = ::CreateMenu();
        ::AppendMenuA(hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(hPopup), "&Datei");

        // Shown without activation: hiding an active window waits for the
        // (absent) window manager.
        ASSERT_TRUE(m_main.CreateEx(0, TestWndClass(), "Haupt", WS_POPUP, 0, 0, 300, 200, nullptr, hMenu));
        m_main.ShowWindow(SW_SHOWNA);
        m_child.m_name = "child";
        m_grandChild.m_name = "grandchild";
        ASSERT_TRUE(m_child.Create(TestWndClass(), "", WS_VISIBLE, CRect(0, 0, 100, 100), &m_main, 1));
        ASSERT_TRUE(m_grandChild.Create(TestWndClass(), "", WS_VISIBLE, CRect(0, 0, 50, 50), &m_child, 2));
        TestApp().m_pMainWnd = &m_main;
        PumpPendingMessages();
    }
    void TearDown() override
    {
        TestApp().m_pMainWnd = nullptr;
        m_main.DestroyWindow();
        PumpPendingMessages();
    }

    UINT MenuState(UINT nID) const
    {
        return ::GetMenuState(::GetMenu(m_main.m_hWnd), nID, MF_BYCOMMAND);
    }

    CMenuWnd m_main;
    CTranslatingWnd m_child;
    CTranslatingWnd m_grandChild;
};

TEST_F(IdleTest, OneIdlePassUpdatesMenuItemsAndDescendants)
{
    AfxIdleUpdateNow();
    EXPECT_EQ(1, m_main.m_nIdleUpdates);
    EXPECT_EQ(1, m_child.m_nIdleUpdates);
    EXPECT_EQ(1, m_grandChild.m_nIdleUpdates);

    EXPECT_TRUE(MenuState(ID_DISABLED) & MF_GRAYED);
    EXPECT_TRUE(MenuState(ID_CHECKED) & MF_CHECKED);
    EXPECT_FALSE(MenuState(ID_CHECKED) & MF_GRAYED);
    EXPECT_TRUE(MenuState(ID_RADIO) & MF_CHECKED);
    EXPECT_FALSE(MenuState(ID_HANDLED) & MF_GRAYED);   // a command handler enables it
    EXPECT_TRUE(MenuState(ID_UNHANDLED) & MF_GRAYED);  // nobody handles it

    char szText[32] = {};
    ::GetMenuStringA(::GetMenu(m_main.m_hWnd), ID_RENAMED, szText, sizeof(szText), MF_BYCOMMAND);
    EXPECT_STREQ("&Umbenannt", szText);
    EXPECT_FALSE(MenuState(ID_RENAMED) & MF_GRAYED);
}

TEST_F(IdleTest, CommandUiOnAControlWindow)
{
    CWnd check;
    ASSERT_TRUE(check.Create("BUTTON", "Alt", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 80, 20), &m_main, 9));
    CCmdUI state;
    state.m_pOther = &check;
    state.m_nID = 9;
    state.SetCheck(1);
    EXPECT_EQ(BST_CHECKED, check.SendMessage(BM_GETCHECK));
    state.SetText("Neu");
    CString strText;
    check.GetWindowText(strText);
    EXPECT_STREQ("Neu", strText);
    state.Enable(FALSE);
    EXPECT_FALSE(check.IsWindowEnabled());
    EXPECT_TRUE(state.m_bEnableChanged);
    check.DestroyWindow();
}

TEST_F(IdleTest, HiddenMainWindowIsNotUpdated)
{
    m_main.ShowWindow(SW_HIDE);
    AfxIdleUpdateNow();
    EXPECT_EQ(0, m_main.m_nIdleUpdates);
}

TEST_F(IdleTest, DisabledMenuCommandDoesNotRun)
{
    m_main.SendMessage(WM_COMMAND, MAKEWPARAM(ID_DISABLED, 0), 0);
    m_main.SendMessage(WM_COMMAND, MAKEWPARAM(ID_HANDLED, 0), 0);
    EXPECT_EQ(std::vector<std::string>{ "handled ran" }, g_events);
}

TEST_F(IdleTest, PreTranslateWalksFromTheTargetUpToTheMainWindow)
{
    ::PostMessageA(m_grandChild.m_hWnd, WM_KEYDOWN, 'A', 1);
    PumpThrough(WM_KEYDOWN);
    EXPECT_EQ((std::vector<std::string>{ "pre grandchild", "pre child" }), g_events);
    EXPECT_EQ(1, m_grandChild.m_nKeyDowns);

    // A window on the way takes the message: it is not dispatched.
    g_events.clear();
    m_child.m_bTake = true;
    ::PostMessageA(m_grandChild.m_hWnd, WM_KEYDOWN, 'B', 1);
    PumpThrough(WM_KEYDOWN);
    EXPECT_EQ((std::vector<std::string>{ "pre grandchild", "pre child" }), g_events);
    EXPECT_EQ(1, m_grandChild.m_nKeyDowns);
}

TEST_F(IdleTest, PumpSkipsKickIdleAndStopsAtQuit)
{
    ::PostMessageA(m_grandChild.m_hWnd, WM_KICKIDLE, 0, 0);
    PumpThrough(WM_KICKIDLE);
    EXPECT_EQ(0, m_grandChild.m_nKickIdles);
    AfxPostQuitMessage(0);
    EXPECT_FALSE(AfxPumpMessage());
}

TEST_F(IdleTest, RunGoesIdleWhenTheQueueIsEmptyAndEndsWithTheQuitCode)
{
    m_main.m_bQuitAtIdle = true;
    EXPECT_EQ(5, TestApp().Run());
    EXPECT_EQ(1, m_main.m_nIdleUpdates);
}

// Before start-up has made the main window (and after it has gone) the
// thread's pump still walks the target's family and dispatches.
TEST(PumpTest, WithoutAMainWindowMessagesAreWalkedAndDispatched)
{
    g_events.clear();
    ASSERT_EQ(nullptr, TestApp().m_pMainWnd);
    CTranslatingWnd top;
    CTranslatingWnd child;
    top.m_name = "top";
    child.m_name = "child";
    ASSERT_TRUE(top.CreateEx(0, TestWndClass(), "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    ASSERT_TRUE(child.Create(TestWndClass(), "", WS_VISIBLE, CRect(0, 0, 50, 50), &top, 1));

    ::PostMessageA(child.m_hWnd, WM_KEYDOWN, 'A', 1);
    PumpThrough(WM_KEYDOWN);
    EXPECT_EQ((std::vector<std::string>{ "pre child", "pre top" }), g_events);
    EXPECT_EQ(1, child.m_nKeyDowns);
    top.DestroyWindow();
}

} // namespace
