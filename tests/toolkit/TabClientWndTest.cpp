// The MDI tab client on a framework MDI frame that has been given a real
// MDI client window: one tab per child, the active child's tab selected,
// tabs following children that come and go, a tab click activating its
// child, a refresh started inside a refresh, and the tab-group commands'
// states for one and two workspaces.
#include "toolkit/extras/TabClientWnd.h"

#include "framework/core/Module.h"
#include "framework/ui/MdiFrameWnd.h"
#include "framework/ui/WndClass.h"
#include "toolkit/extras/TabPaintManager.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char CHILD_CLASS[] = "QivTabTestMdiChild";

// Counts its item updates and can start a refresh from inside one.
class CTestTabClient : public CXTPTabClientWnd
{
public:
    int m_nUpdates = 0;
    BOOL m_bRefreshInside = FALSE;

protected:
    void UpdateItems() override
    {
        ++m_nUpdates;
        if (m_bRefreshInside)
            Refresh(TRUE);
        CXTPTabClientWnd::UpdateItems();
    }
};

class TabClientWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefMDIChildProcA;
        wc.hInstance = AfxGetInstanceHandle();
        wc.lpszClassName = CHILD_CLASS;
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        ::RegisterClassA(&wc);

        m_pFrame = new CMDIFrameWnd();
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Fenster", WS_OVERLAPPEDWINDOW, CRect(50, 50, 650, 450)));
        CLIENTCREATESTRUCT ccs = {nullptr, 0xFF00};
        m_pFrame->m_hWndMDIClient = ::CreateWindowExA(
            0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 40, 600, 300,
            m_pFrame->GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(0xE900)),
            AfxGetInstanceHandle(), &ccs);
        ASSERT_NE(nullptr, m_pFrame->m_hWndMDIClient);
    }

    void TearDown() override
    {
        m_client.Detach();
        m_pFrame->DestroyWindow();
    }

    HWND AddChild(LPCSTR lpszTitle)
    {
        MDICREATESTRUCTA mcs = {};
        mcs.szClass = CHILD_CLASS;
        mcs.szTitle = lpszTitle;
        mcs.hOwner = AfxGetInstanceHandle();
        mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
        mcs.style = WS_VISIBLE;
        return reinterpret_cast<HWND>(::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDICREATE, 0,
                                                     reinterpret_cast<LPARAM>(&mcs)));
    }

    HWND Active() const
    {
        return reinterpret_cast<HWND>(
            ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));
    }

    std::string Captions(int nWorkspace) const
    {
        std::string str;
        CXTPTabManager* pTabs = m_client.GetWorkspace(nWorkspace);
        for (int i = 0; i < pTabs->GetItemCount(); ++i)
            str += std::string(pTabs->GetItem(i)->GetCaption()) + ";";
        return str;
    }

    // The enabled states of the four tab-group commands, as "0101".
    std::string States() const
    {
        std::string str;
        for (UINT nID = XTP_ID_WORKSPACE_MOVEPREVIOUS; nID <= XTP_ID_WORKSPACE_NEWVERTICAL; ++nID)
            str += m_client.GetTabGroupCommandState(nID, nullptr) ? "1" : "0";
        return str;
    }

    CMDIFrameWnd* m_pFrame = nullptr;
    CTestTabClient m_client;
};

} // namespace

TEST_F(TabClientWndTest, OneTabPerChildFollowingTheChildren)
{
    HWND hWndA = AddChild("Notiz A");
    HWND hWndB = AddChild("Notiz B");
    ASSERT_TRUE(m_client.Attach(m_pFrame, CRect(0, 0, 600, 40)));
    ASSERT_EQ(1, m_client.GetWorkspaceCount());
    EXPECT_EQ("Notiz B;Notiz A;", Captions(0));
    EXPECT_EQ(m_client.FindItem(hWndB), m_client.GetWorkspace(0)->GetSelectedItem());
    EXPECT_EQ(nullptr, m_client.FindItem(m_pFrame->GetSafeHwnd()));

    // A tab selected by the user activates its child.
    m_client.FindItem(hWndA)->Select();
    EXPECT_EQ(hWndA, Active());

    // A closed child's tab goes, a new one's comes, a retitled one follows.
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hWndB), 0);
    HWND hWndC = AddChild("Notiz C");
    ::SetWindowTextA(hWndA, "Umbenannt");
    m_client.Refresh();
    EXPECT_EQ(nullptr, m_client.FindItem(hWndB));
    EXPECT_EQ(2, m_client.GetWorkspace(0)->GetItemCount());
    EXPECT_EQ("Umbenannt", std::string(m_client.FindItem(hWndA)->GetCaption()));
    EXPECT_EQ(m_client.FindItem(hWndC), m_client.GetWorkspace(0)->GetSelectedItem());
    // Without groups there is no second workspace.
    EXPECT_EQ(nullptr, m_client.AddWorkspace());
}

TEST_F(TabClientWndTest, RefreshInsideARefreshReturnsAtOnce)
{
    AddChild("Notiz A");
    ASSERT_TRUE(m_client.Attach(m_pFrame, CRect(0, 0, 600, 40), TRUE));
    m_client.m_nUpdates = 0;
    m_client.m_bRefreshInside = TRUE;
    m_client.Refresh(TRUE);
    EXPECT_EQ(1, m_client.m_nUpdates);
    m_client.m_bRefreshInside = FALSE;
    m_client.Refresh();
    EXPECT_EQ(2, m_client.m_nUpdates);

    // A client that is not attached does nothing.
    CTestTabClient detached;
    detached.Refresh(TRUE);
    EXPECT_EQ(0, detached.m_nUpdates);
}

TEST_F(TabClientWndTest, TabGroupCommandStates)
{
    HWND hWndA = AddChild("Notiz A");
    ASSERT_TRUE(m_client.Attach(m_pFrame, CRect(0, 0, 600, 40)));
    // Groups off: every command is disabled, even unknown ones.
    EXPECT_EQ("0000", States());
    EXPECT_FALSE(m_client.GetTabGroupCommandState(100, nullptr));
    m_client.Detach();

    ASSERT_TRUE(m_client.Attach(m_pFrame, CRect(0, 0, 600, 40), TRUE));
    // One workspace, one tab: nothing to split or move.
    EXPECT_EQ("0000", States());
    EXPECT_TRUE(m_client.GetTabGroupCommandState(100, nullptr));
    CXTPTabManagerItem* pItem = nullptr;
    m_client.GetTabGroupCommandState(XTP_ID_WORKSPACE_NEWVERTICAL, &pItem);
    EXPECT_EQ(m_client.FindItem(hWndA), pItem);

    // Two tabs: both new-group commands, horizontal groups or not.
    HWND hWndB = AddChild("Notiz B");
    m_client.Refresh();
    EXPECT_EQ("0011", States());
    m_client.SetHorizontalGroups(TRUE);
    EXPECT_EQ("0011", States());
    m_client.SetHorizontalGroups(FALSE);

    // B in a second workspace: it can move back, not on.
    CXTPTabClientWnd::CWorkspace* pSecond = m_client.AddWorkspace();
    m_client.MoveItem(m_client.FindItem(hWndB), pSecond);
    ASSERT_EQ(2, m_client.GetWorkspaceCount());
    EXPECT_EQ(hWndB, Active());
    EXPECT_EQ("1000", States());
    // A in the first workspace: it can move on, not back.
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hWndA), 0);
    EXPECT_EQ("0100", States());

    // A third child joins the active child's workspace; now the first
    // workspace holds two tabs.
    AddChild("Notiz C");
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hWndA), 0);
    m_client.Refresh();
    EXPECT_EQ("Notiz A;Notiz C;", Captions(0));
    EXPECT_EQ("0101", States());
    m_client.SetHorizontalGroups(TRUE);
    EXPECT_EQ("0110", States());

    // No active child: disabled.
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hWndA), 0);
    while (Active())
        ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIDESTROY,
                       reinterpret_cast<WPARAM>(Active()), 0);
    m_client.Refresh();
    EXPECT_EQ("0000", States());
    EXPECT_FALSE(m_client.GetTabGroupCommandState(100, nullptr));
}
