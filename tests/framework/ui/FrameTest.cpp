// The frame window: layout of control bars round the main pane, delayed
// layout and bars shown or hidden at idle time, command routing (active
// view, its document, the frame, the application), the message bar and
// tooltips, menus updated as they open, print-preview mode, popups that
// follow the frame's activation, titles, toolbars and rebars.
#include "SdiTestRes.h"
#include "TestApp.h"

#include "framework/ui/CmdUI.h"
#include "framework/ui/ControlBar.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/Document.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MdiFrameWnd.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MiniFrameWnd.h"
#include "framework/ui/ReBar.h"
#include "framework/ui/ToolBar.h"
#include "framework/ui/View.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum : UINT
{
    ID_ROUTE_VIEW = 27301,
    ID_ROUTE_DOC = 27302,
    ID_ROUTE_FRAME = 27303,
    ID_UPDATE_CHECKED = 27304,
    ID_UPDATE_DISABLED = 27305,
    ID_NO_HANDLER = 27306,
};

std::vector<std::string> g_handled;

// A bar of a fixed thickness, aligned by its bar style.
class CStripBar : public CControlBar
{
public:
    int m_nThickness = 0;
    int m_nUpdates = 0;

    BOOL Create(CFrameWnd* pFrame, DWORD dwBarStyle, UINT nID, int nThickness)
    {
        m_dwStyle = dwBarStyle;
        m_nThickness = nThickness;
        return CWnd::Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame, nID);
    }
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override
    {
        if (bHorz)
            return CSize(bStretch ? 32767 : 100, m_nThickness);
        return CSize(m_nThickness, bStretch ? 32767 : 100);
    }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override { ++m_nUpdates; }
};

class CRoutingDoc : public CDocument
{
protected:
    afx_msg void OnDoc() { g_handled.push_back("document"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingDoc, CDocument)
    ON_COMMAND(ID_ROUTE_DOC, OnDoc)
END_MESSAGE_MAP()

class CRoutingView : public CView
{
    DECLARE_DYNCREATE(CRoutingView)
protected:
    afx_msg void OnView() { g_handled.push_back("view"); }
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnBold() { g_handled.push_back("bold"); }
    afx_msg void OnUpdateBold(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CRoutingView, CView)

BEGIN_MESSAGE_MAP(CRoutingView, CView)
    ON_COMMAND(ID_ROUTE_VIEW, OnView)
    ON_UPDATE_COMMAND_UI(ID_UPDATE_CHECKED, OnUpdateChecked)
    ON_UPDATE_COMMAND_UI(ID_UPDATE_DISABLED, OnUpdateDisabled)
    ON_COMMAND(ID_SDITEST_BOLD, OnBold)
    ON_UPDATE_COMMAND_UI(ID_SDITEST_BOLD, OnUpdateBold)
END_MESSAGE_MAP()

class CRoutingFrame : public CFrameWnd
{
protected:
    afx_msg void OnView() { g_handled.push_back("frame for the view's command"); }
    afx_msg void OnDoc() { g_handled.push_back("frame for the document's command"); }
    afx_msg void OnFrame() { g_handled.push_back("frame"); }
    afx_msg void OnChecked() { g_handled.push_back("checked"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingFrame, CFrameWnd)
    ON_COMMAND(ID_ROUTE_VIEW, OnView)
    ON_COMMAND(ID_ROUTE_DOC, OnDoc)
    ON_COMMAND(ID_ROUTE_FRAME, OnFrame)
    ON_COMMAND(ID_UPDATE_CHECKED, OnChecked)
END_MESSAGE_MAP()

// A popup that records the WM_FLOATSTATUS messages it gets.
class CFloatingPopup : public CWnd
{
public:
    std::vector<WPARAM> m_status;

protected:
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM)
    {
        m_status.push_back(wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFloatingPopup, CWnd)
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

CRect ChildRect(CWnd* pParent, CWnd* pChild)
{
    CRect rect;
    pChild->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

class FrameTest : public testing::Test
{
protected:
    void SetUp() override
    {
        g_handled.clear();
        m_pDoc = new CRoutingDoc;
        m_pDoc->m_bAutoDelete = FALSE;
        m_pFrame = new CRoutingFrame;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CRoutingView);
        context.m_pCurrentDoc = m_pDoc;
        // Built from the test program's resource: title, menu, accelerators.
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_SDITEST, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr,
                                        &context));
        m_pFrame->SetWindowPos(nullptr, 0, 0, 640, 480, SWP_NOZORDER | SWP_NOACTIVATE);
        m_pView = static_cast<CRoutingView*>(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
        ASSERT_NE(m_pView, nullptr);
        m_pFrame->InitialUpdateFrame(m_pDoc, FALSE);
        m_pFrame->SetActiveView(m_pView, FALSE);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
        delete m_pDoc;
    }

    // What one idle pass sends to the frame and its bars.
    void Idle()
    {
        m_pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        m_pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }

    CRoutingDoc* m_pDoc = nullptr;
    CRoutingFrame* m_pFrame = nullptr;
    CRoutingView* m_pView = nullptr;
};

TEST_F(FrameTest, BarsTakeTheirStripsAndTheMainPaneTheRest)
{
    CStripBar top;
    CStripBar bottom;
    CStripBar left;
    ASSERT_TRUE(top.Create(m_pFrame, CBRS_TOP, AFX_IDW_TOOLBAR, 30));
    ASSERT_TRUE(bottom.Create(m_pFrame, CBRS_BOTTOM, AFX_IDW_STATUS_BAR, 20));
    ASSERT_TRUE(left.Create(m_pFrame, CBRS_LEFT | CBRS_SIZE_DYNAMIC, 777, 30));
    m_pFrame->RecalcLayout();

    CRect rectClient;
    m_pFrame->GetClientRect(&rectClient);
    // The bars in z-order: the top bar first, then the bottom and the left.
    EXPECT_EQ(ChildRect(m_pFrame, &top), CRect(0, 0, rectClient.right, 30));
    EXPECT_EQ(ChildRect(m_pFrame, &bottom),
              CRect(0, rectClient.bottom - 20, rectClient.right, rectClient.bottom));
    EXPECT_EQ(ChildRect(m_pFrame, &left), CRect(0, 30, 30, rectClient.bottom - 20));
    EXPECT_EQ(ChildRect(m_pFrame, m_pView), CRect(30, 30, rectClient.right, rectClient.bottom - 20));

    // A query measures without moving anything.
    CRect rectFree;
    m_pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CFrameWnd::reposQuery, &rectFree);
    EXPECT_EQ(rectFree, CRect(30, 30, rectClient.right, rectClient.bottom - 20));

    // A delayed hide waits for idle time; the view then takes the room.
    m_pFrame->ShowControlBar(&bottom, FALSE, TRUE);
    EXPECT_TRUE(bottom.IsWindowVisible() || !m_pFrame->IsWindowVisible());
    EXPECT_FALSE(bottom.IsVisible());
    EXPECT_NE(m_pFrame->m_nIdleFlags & CFrameWnd::idleLayout, 0u);
    Idle();
    EXPECT_EQ(bottom.GetStyle() & WS_VISIBLE, 0u);
    EXPECT_EQ(m_pFrame->m_nIdleFlags, 0u);
    EXPECT_EQ(ChildRect(m_pFrame, m_pView), CRect(30, 30, rectClient.right, rectClient.bottom));

    // Shown again at once.
    m_pFrame->ShowControlBar(&bottom, TRUE, FALSE);
    EXPECT_NE(bottom.GetStyle() & WS_VISIBLE, 0u);
    EXPECT_EQ(ChildRect(m_pFrame, m_pView), CRect(30, 30, rectClient.right, rectClient.bottom - 20));

    // Idle time updates the visible bars through the frame.
    int nUpdates = top.m_nUpdates;
    Idle();
    EXPECT_EQ(top.m_nUpdates, nUpdates + 1);
    EXPECT_EQ(m_pFrame->GetControlBar(777), &left);
}

TEST_F(FrameTest, CommandsGoToTheViewItsDocumentTheFrameAndTheApplication)
{
    struct Case
    {
        UINT nID;
        const char* pszHandler;
    };
    const Case cases[] = {
        { ID_ROUTE_VIEW, "view" },
        { ID_ROUTE_DOC, "document" },
        { ID_ROUTE_FRAME, "frame" },
    };
    for (const Case& c : cases)
    {
        g_handled.clear();
        m_pFrame->SendMessage(WM_COMMAND, c.nID);
        ASSERT_EQ(g_handled.size(), 1u) << c.nID;
        EXPECT_EQ(g_handled[0], c.pszHandler);
    }

    // The application comes last: it answers for the file commands.
    AFX_CMDHANDLERINFO info = {};
    EXPECT_TRUE(m_pFrame->OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, static_cast<CCmdTarget*>(&TestApp()));
    EXPECT_FALSE(m_pFrame->OnCmdMsg(ID_NO_HANDLER, CN_COMMAND, nullptr, &info));

    // Without an active view the frame answers the view's command itself.
    m_pFrame->SetActiveView(nullptr);
    g_handled.clear();
    m_pFrame->SendMessage(WM_COMMAND, ID_ROUTE_VIEW);
    ASSERT_EQ(g_handled.size(), 1u);
    EXPECT_EQ(g_handled[0], "frame for the view's command");

    // The accelerators of the resource are the frame's.
    ASSERT_NE(m_pFrame->m_hAccelTable, nullptr);
    EXPECT_EQ(m_pFrame->GetTitle(), "SdiTest");
}

TEST_F(FrameTest, MenusAreUpdatedAsTheyOpen)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_UPDATE_CHECKED, "&Geprüft");
    menu.AppendMenu(MF_STRING, ID_UPDATE_DISABLED, "&Gesperrt");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_NO_HANDLER, "&Niemand");
    menu.AppendMenu(MF_STRING, ID_ROUTE_FRAME, "&Rahmen");
    m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.GetSafeHmenu()), 0);

    struct Case
    {
        UINT nID;
        UINT nExpected;
    };
    const Case cases[] = {
        { ID_UPDATE_CHECKED, MF_CHECKED },
        { ID_UPDATE_DISABLED, MF_GRAYED },
        { ID_NO_HANDLER, MF_GRAYED },   // no handler anywhere
        { ID_ROUTE_FRAME, 0 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(menu.GetMenuState(c.nID, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED), c.nExpected)
            << c.nID;

    // Without automatic disabling, nobody's command stays as it was.
    m_pFrame->m_bAutoMenuEnable = FALSE;
    menu.EnableMenuItem(ID_NO_HANDLER, MF_BYCOMMAND | MF_ENABLED);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.GetSafeHmenu()), 0);
    EXPECT_EQ(menu.GetMenuState(ID_NO_HANDLER, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(FrameTest, TheMessageBarShowsPromptsAndTooltipsTheShortTexts)
{
    CStripBar status;
    ASSERT_TRUE(status.Create(m_pFrame, CBRS_BOTTOM, AFX_IDW_STATUS_BAR, 20));
    EXPECT_EQ(m_pFrame->GetMessageBar(), &status);
    auto text = [&]() {
        CString strText;
        status.GetWindowText(strText);
        return strText;
    };

    m_pFrame->SendMessage(WM_SETMESSAGESTRING, ID_FILE_SAVE);
    EXPECT_EQ(text(), "Speichert die Notiz.");
    m_pFrame->SetMessageText("Eigener Text");
    EXPECT_EQ(text(), "Eigener Text");
    // A menu item's prompt while the menu is open; the idle text after.
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_FILE_OPEN, MF_STRING), 0);
    EXPECT_EQ(text(), "Öffnet eine Notiz.");
    m_pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    CString strIdle;
    strIdle.LoadString(AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(text(), strIdle);
    m_pFrame->SendMessage(WM_SETMESSAGESTRING, ID_FILE_NEW);
    m_pFrame->SendMessage(WM_POPMESSAGESTRING, 0);
    EXPECT_EQ(text(), strIdle);

    CString strPrompt;
    m_pFrame->GetMessageString(ID_SDITEST_BOLD, strPrompt);
    EXPECT_EQ(strPrompt, "Macht den markierten Text fett.");

    // Tooltips by command id, and by a child window's id.
    NMTTDISPINFOA info = {};
    info.hdr.code = TTN_GETDISPINFOA;
    info.hdr.idFrom = ID_SDITEST_BOLD;
    LRESULT lResult = 1;
    AFX_NOTIFY notify = { &lResult, &info.hdr };
    EXPECT_TRUE(m_pFrame->OnCmdMsg(0, MAKELONG(TTN_GETDISPINFOA, WM_NOTIFY), &notify, nullptr));
    EXPECT_STREQ(info.szText, "Fett");
    EXPECT_EQ(lResult, 0);

    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 10, 10), m_pFrame, ID_FILE_OPEN));
    NMTTDISPINFOW infoW = {};
    infoW.hdr.code = TTN_GETDISPINFOW;
    infoW.hdr.idFrom = reinterpret_cast<UINT_PTR>(child.m_hWnd);
    infoW.uFlags = TTF_IDISHWND;
    AFX_NOTIFY notifyW = { &lResult, &infoW.hdr };
    EXPECT_TRUE(m_pFrame->OnCmdMsg(0, MAKELONG(TTN_GETDISPINFOW, WM_NOTIFY), &notifyW, nullptr));
    EXPECT_STREQ(infoW.szText, L"\x00D6" L"ffnen");
}

TEST_F(FrameTest, PreviewModePutsBarsMenuAndPaneAsideAndBack)
{
    CStripBar toolbar;
    ASSERT_TRUE(toolbar.Create(m_pFrame, CBRS_TOP, AFX_IDW_TOOLBAR, 24));
    HMENU hMenu = ::GetMenu(m_pFrame->m_hWnd);
    ASSERT_NE(hMenu, nullptr);
    HACCEL hAccel = m_pFrame->m_hAccelTable;

    CPrintPreviewState state;
    m_pFrame->OnSetPreviewMode(TRUE, &state);
    Idle();
    EXPECT_EQ(toolbar.GetStyle() & WS_VISIBLE, 0u);
    EXPECT_EQ(::GetMenu(m_pFrame->m_hWnd), nullptr);
    EXPECT_EQ(m_pFrame->m_hAccelTable, nullptr);
    EXPECT_EQ(m_pView->GetDlgCtrlID(), AFX_IDW_PANE_SAVE);
    EXPECT_FALSE(m_pView->IsWindowVisible());

    m_pFrame->OnSetPreviewMode(FALSE, &state);
    Idle();
    EXPECT_NE(toolbar.GetStyle() & WS_VISIBLE, 0u);
    EXPECT_EQ(::GetMenu(m_pFrame->m_hWnd), hMenu);
    EXPECT_EQ(m_pFrame->m_hAccelTable, hAccel);
    EXPECT_EQ(m_pView->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_NE(m_pView->GetStyle() & WS_VISIBLE, 0u);
}

TEST_F(FrameTest, PreviewKeepsTheStatusBarBesideThePreview)
{
    CStripBar toolbar;
    CStripBar statusBar;
    ASSERT_TRUE(toolbar.Create(m_pFrame, CBRS_TOP, AFX_IDW_TOOLBAR, 24));
    ASSERT_TRUE(statusBar.Create(m_pFrame, CBRS_BOTTOM, AFX_IDW_STATUS_BAR, 20));

    CPrintPreviewState state;
    m_pFrame->OnSetPreviewMode(TRUE, &state);
    Idle();
    EXPECT_EQ(toolbar.GetStyle() & WS_VISIBLE, 0u);
    EXPECT_NE(statusBar.GetStyle() & WS_VISIBLE, 0u);

    m_pFrame->OnSetPreviewMode(FALSE, &state);
    Idle();
    EXPECT_NE(toolbar.GetStyle() & WS_VISIBLE, 0u);
    EXPECT_NE(statusBar.GetStyle() & WS_VISIBLE, 0u);
}

TEST_F(FrameTest, PopupsThatAskForItFollowTheFramesActivation)
{
    CFloatingPopup synced;
    CFloatingPopup plain;
    ASSERT_TRUE(synced.CreateEx(0, TestWndClass(), "Palette", WS_POPUP | MFS_SYNCACTIVE, 0, 0, 50, 50,
                                m_pFrame->m_hWnd, nullptr));
    ASSERT_TRUE(plain.CreateEx(0, TestWndClass(), "Andere", WS_POPUP, 0, 0, 50, 50, m_pFrame->m_hWnd,
                               nullptr));
    // (Activating may pass through the system and come back once more.)
    m_pFrame->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    ASSERT_FALSE(synced.m_status.empty());
    EXPECT_EQ(synced.m_status.back(), static_cast<WPARAM>(FS_ACTIVATE));
    m_pFrame->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(synced.m_status.back(), static_cast<WPARAM>(FS_DEACTIVATE));
    EXPECT_TRUE(plain.m_status.empty());

    // A mini frame created to follow its owner says so when asked.
    auto* pMini = new CMiniFrameWnd;
    ASSERT_TRUE(pMini->Create(nullptr, "Werkzeuge", WS_POPUP | WS_CAPTION | MFS_SYNCACTIVE,
                              CRect(0, 0, 80, 60), m_pFrame));
    EXPECT_TRUE(pMini->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE));
    EXPECT_TRUE(pMini->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
    pMini->DestroyWindow();

    synced.DestroyWindow();
    plain.DestroyWindow();
}

TEST_F(FrameTest, TheTitleNamesTheDocument)
{
    m_pDoc->SetTitle("Brief");
    CString strTitle;
    m_pFrame->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, "Brief - SdiTest");
    m_pFrame->ModifyStyle(FWS_PREFIXTITLE, 0);
    m_pFrame->OnUpdateFrameTitle(TRUE);
    m_pFrame->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, "SdiTest - Brief");
    m_pFrame->OnUpdateFrameTitle(FALSE);
    m_pFrame->GetWindowText(strTitle);
    EXPECT_EQ(strTitle, "SdiTest");

    // Kinds of frame code asks about.
    CMDIFrameWnd mdiFrame;
    EXPECT_TRUE(mdiFrame.IsKindOf(RUNTIME_CLASS(CFrameWnd)));
    EXPECT_EQ(mdiFrame.MDIGetActive(), nullptr);
    EXPECT_FALSE(m_pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)));
    EXPECT_EQ(m_pView->GetParentFrame(), m_pFrame);
}

TEST_F(FrameTest, AToolBarFromItsResourceFollowsTheUpdateHandlers)
{
    CToolBar toolbar;
    ASSERT_TRUE(toolbar.CreateEx(m_pFrame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS));
    ASSERT_TRUE(toolbar.LoadToolBar(IDR_SDITEST_TOOLBAR));
    ASSERT_EQ(toolbar.GetCount(), 4);
    EXPECT_EQ(toolbar.GetItemID(0), static_cast<UINT>(ID_FILE_NEW));
    EXPECT_EQ(toolbar.GetItemID(2), static_cast<UINT>(ID_SEPARATOR));
    EXPECT_EQ(toolbar.CommandToIndex(ID_SDITEST_NOHANDLER), 3);
    EXPECT_NE(toolbar.GetButtonStyle(2) & TBSTYLE_SEP, 0u);
    EXPECT_FALSE(toolbar.LoadToolBar(IDR_SDITEST_TOOLBAR + 99));

    Idle();
    // The view checks "bold"; nobody handles the last command; the
    // application handles "new".
    EXPECT_TRUE(toolbar.SendMessage(TB_ISBUTTONCHECKED, ID_SDITEST_BOLD));
    EXPECT_TRUE(toolbar.SendMessage(TB_ISBUTTONENABLED, ID_SDITEST_BOLD));
    EXPECT_FALSE(toolbar.SendMessage(TB_ISBUTTONENABLED, ID_SDITEST_NOHANDLER));
    EXPECT_TRUE(toolbar.SendMessage(TB_ISBUTTONENABLED, ID_FILE_NEW));

    // The frame lays it out across the top, as high as its buttons.
    m_pFrame->RecalcLayout();
    CRect rectBar = ChildRect(m_pFrame, &toolbar);
    CRect rectButton;
    toolbar.GetItemRect(0, &rectButton);
    EXPECT_EQ(rectBar.top, 0);
    EXPECT_GE(rectBar.Height(), rectButton.Height());
    EXPECT_EQ(ChildRect(m_pFrame, m_pView).top, rectBar.bottom);

    // A click on a button reaches the view through the frame.
    g_handled.clear();
    m_pFrame->SendMessage(WM_COMMAND, ID_SDITEST_BOLD, reinterpret_cast<LPARAM>(toolbar.m_hWnd));
    EXPECT_EQ(g_handled, (std::vector<std::string>{ "bold" }));

    // In a rebar band the toolbar moves with the rebar.
    CReBar rebar;
    ASSERT_TRUE(rebar.Create(m_pFrame));
    ASSERT_TRUE(rebar.AddBar(&toolbar));
    EXPECT_EQ(rebar.GetReBarCtrl().GetBandCount(), 1u);
    REBARBANDINFOA rbbi = {};
    rbbi.cbSize = CReBarCtrl::bandInfoSize;
    rbbi.fMask = RBBIM_CHILD;
    ASSERT_TRUE(rebar.GetReBarCtrl().GetBandInfo(0, &rbbi));
    EXPECT_EQ(rbbi.hwndChild, toolbar.m_hWnd);
    EXPECT_EQ(rebar.GetDlgCtrlID(), AFX_IDW_REBAR);
    m_pFrame->RecalcLayout();
    EXPECT_GE(ChildRect(m_pFrame, m_pView).top, ChildRect(m_pFrame, &rebar).bottom);
}

} // namespace
