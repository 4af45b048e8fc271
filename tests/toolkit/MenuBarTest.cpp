// The menu bar: built from a German menu resource in place of the frame's
// menu, Alt and Alt+letter through its hook on the frame, one control set
// per menu with WM_MDISETMENU, the window buttons of a maximized MDI child,
// the frame's own menu, and the reset through the message box.
#include "toolkit/commandbars/MenuBar.h"

#include "BarTestRes.h"
#include "BarTestSupport.h"
#include "framework/ui/MdiFrameWnd.h"
#include "framework/ui/DocTemplate.h"
#include "framework/ui/Document.h"
#include "framework/ui/Menu.h"
#include "framework/ui/TestSeams.h"
#include "framework/ui/View.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct ReleaseBars
{
    void operator()(CXTPCommandBars* p) const { p->InternalRelease(); }
};
using BarsPtr = std::unique_ptr<CXTPCommandBars, ReleaseBars>;

// A sub-menu entry until the popup control exists: a button that counts
// its keyboard activations.
class CMenuEntry : public CXTPControlButton
{
public:
    void OnKeyboardActivate() override { ++s_nActivations; }
    static int s_nActivations;
};
int CMenuEntry::s_nActivations = 0;

// An MDI frame with a raw MDI client, handling the customize command so
// that the menu bar keeps one control set per menu.
class CMenuFrame : public CMDIFrameWnd
{
public:
    BOOL CreateClient()
    {
        CLIENTCREATESTRUCT ccs = {nullptr, 0xFF00};
        m_hWndMDIClient = ::CreateWindowExA(0, "MDICLIENT", nullptr,
                                            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | MDIS_ALLCHILDSTYLES, 0, 0, 400,
                                            300,
                                            m_hWnd, reinterpret_cast<HMENU>(AFX_IDW_PANE_FIRST),
                                            ::GetModuleHandleA(nullptr), &ccs);
        return m_hWndMDIClient != nullptr;
    }
    HWND CreateChild(DWORD dwStyle)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefMDIChildProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "QivTestMdiChild";
        ::RegisterClassA(&wc);
        MDICREATESTRUCTA mcs = {};
        mcs.szClass = "QivTestMdiChild";
        mcs.szTitle = "Kind";
        mcs.hOwner = ::GetModuleHandleA(nullptr);
        mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
        mcs.style = dwStyle;
        return reinterpret_cast<HWND>(
            ::SendMessageA(m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    }

protected:
    afx_msg void OnCustomize() {}
    afx_msg LRESULT OnBeforeCreate(WPARAM, LPARAM lParam)
    {
        XTP_COMMANDBARS_CREATECONTROL* pCreate = reinterpret_cast<XTP_COMMANDBARS_CREATECONTROL*>(lParam);
        if (pCreate->controlType != xtpControlPopup)
            return FALSE;
        pCreate->pControl = new CMenuEntry;
        pCreate->pControl->SetCaption(pCreate->strCaption);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuFrame, CMDIFrameWnd)
    ON_COMMAND(XTP_ID_CUSTOMIZE, OnCustomize)
    ON_MESSAGE(WM_XTP_BEFORECREATECONTROL, OnBeforeCreate)
END_MESSAGE_MAP()

class MenuBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CMenuFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Test", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 400),
                                     nullptr, MAKEINTRESOURCEA(IDR_BAR_TEST_MENU)));
        ASSERT_TRUE(m_pFrame->CreateClient());
        m_hFrameMenu = ::GetMenu(m_pFrame->m_hWnd);
        ASSERT_NE(nullptr, m_hFrameMenu);
        m_pCommandBars.reset(new CXTPCommandBars);
        m_pCommandBars->SetSite(m_pFrame);
        m_pMenuBar = m_pCommandBars->CreateMenuBar("Menüleiste", IDR_BAR_TEST_MENU);
        ASSERT_NE(nullptr, m_pMenuBar);
        CMenuEntry::s_nActivations = 0;
    }
    void TearDown() override
    {
        m_pCommandBars->RemoveAll();
        m_pFrame->DestroyWindow();
    }
    static std::vector<std::string> Captions(CXTPCommandBar* pBar)
    {
        std::vector<std::string> captions;
        for (int i = 0; i < pBar->GetControlCount(); ++i)
            captions.push_back(static_cast<LPCSTR>(pBar->GetControl(i)->GetCaption()));
        return captions;
    }

    CMenuFrame* m_pFrame = nullptr;
    HMENU m_hFrameMenu = nullptr;
    BarsPtr m_pCommandBars;
    CXTPMenuBar* m_pMenuBar = nullptr;
};

TEST_F(MenuBarTest, TakesTheFramesPlace)
{
    EXPECT_EQ(nullptr, ::GetMenu(m_pFrame->m_hWnd));
    EXPECT_EQ(m_pMenuBar, m_pCommandBars->GetMenuBar());
    EXPECT_EQ(XTP_IDR_MENUBAR, m_pMenuBar->GetBarID());
    EXPECT_EQ(0x5Fu, m_pMenuBar->GetFlags());
    EXPECT_EQ((std::vector<std::string>{"&Datei", "&Bearbeiten", "&Suchen", "&?"}),
              Captions(m_pMenuBar));
    EXPECT_EQ(m_hFrameMenu, m_pMenuBar->GetFrameMenu());
    EXPECT_EQ(static_cast<UINT>(IDR_BAR_TEST_MENU), m_pMenuBar->GetCurrentMenuId());

    // The bar lies at the top of the frame, over its whole width.
    m_pFrame->RecalcLayout();
    CRect rcBar, rcClient;
    m_pMenuBar->GetWindowRect(&rcBar);
    m_pFrame->ScreenToClient(&rcBar);
    m_pFrame->GetClientRect(&rcClient);
    EXPECT_EQ(0, rcBar.top);
    EXPECT_EQ(rcClient.Width(), rcBar.Width());
    EXPECT_GT(rcBar.Height(), 0);
}

TEST_F(MenuBarTest, RemovingTheBarDestroysTheFramesMenuAndClearsTheFramesField)
{
    m_pFrame->m_hMenuDefault = m_hFrameMenu;
    m_pCommandBars->RemoveAll();
    EXPECT_FALSE(::IsMenu(m_hFrameMenu));
    EXPECT_EQ(nullptr, m_pFrame->m_hMenuDefault);
}

TEST_F(MenuBarTest, AltAndAltLettersReachTheBarThroughTheFrame)
{
    m_pFrame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 0);
    EXPECT_EQ(1, m_pMenuBar->GetTrackingMode());
    EXPECT_EQ(0, m_pMenuBar->GetSelectedIndex());
    m_pCommandBars->CloseAllPopups();
    EXPECT_EQ(0, m_pMenuBar->GetTrackingMode());

    m_pFrame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 's');
    EXPECT_EQ(2, m_pMenuBar->GetSelectedIndex());
    EXPECT_EQ(1, CMenuEntry::s_nActivations);
    m_pCommandBars->CloseAllPopups();

    // "&?" by its letter too; an unknown letter changes nothing.
    m_pFrame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 'q');
    EXPECT_EQ(0, m_pMenuBar->GetTrackingMode());
    EXPECT_EQ(1, CMenuEntry::s_nActivations);

    // While customizing, Alt is the frame's.
    m_pCommandBars->SetCustomizeMode(TRUE);
    m_pFrame->SendMessage(WM_SYSCOMMAND, SC_KEYMENU, 'd');
    EXPECT_EQ(0, m_pMenuBar->GetTrackingMode());
    m_pCommandBars->SetCustomizeMode(FALSE);
}

TEST_F(MenuBarTest, SetMenuSwitchesControlSetsAndKeepsTheirCustomisation)
{
    ASSERT_TRUE(m_pCommandBars->IsCustomizableControls());
    m_pMenuBar->GetControls()->RemoveAt(2);   // the user removed "&Suchen"
    CMenu other;
    ASSERT_TRUE(other.CreateMenu());
    other.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), "&Fenster");
    other.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), "&Hilfe");

    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDISETMENU,
                   reinterpret_cast<WPARAM>(other.GetSafeHmenu()), 0);
    EXPECT_EQ((std::vector<std::string>{"&Fenster", "&Hilfe"}), Captions(m_pMenuBar));
    EXPECT_EQ(1, m_pMenuBar->GetParkedMenuCount());
    EXPECT_EQ(nullptr, ::GetMenu(m_pFrame->m_hWnd));

    // Back to the frame's own menu: the set comes back as the user left it.
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDISETMENU, 0, 0);
    EXPECT_EQ((std::vector<std::string>{"&Datei", "&Bearbeiten", "&?"}), Captions(m_pMenuBar));
    EXPECT_EQ(static_cast<UINT_PTR>(IDR_BAR_TEST_MENU), m_pMenuBar->GetCurrentMenuKey());

    // With the ignore flag the controls stay.
    m_pMenuBar->ModifyFlags(xtpFlagIgnoreSetMenuMessage, 0);
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDISETMENU,
                   reinterpret_cast<WPARAM>(other.GetSafeHmenu()), 0);
    EXPECT_EQ(3, m_pMenuBar->GetControlCount());
}

TEST_F(MenuBarTest, MaximizedChildGetsItsWindowButtons)
{
    struct
    {
        DWORD dwStyle;
        DWORD dwBarFlags;
        std::vector<int> ids;
    } cases[] = {
        {WS_OVERLAPPEDWINDOW, 0,
         {XTP_ID_MENUBAR_MINIMIZE, XTP_ID_MENUBAR_RESTORE, XTP_ID_MENUBAR_CLOSE}},
        {WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX, 0, {XTP_ID_MENUBAR_RESTORE, XTP_ID_MENUBAR_CLOSE}},
        {WS_OVERLAPPEDWINDOW, xtpFlagHideClose | xtpFlagHideMaximizeBox, {XTP_ID_MENUBAR_MINIMIZE}},
    };
    for (auto& c : cases)
    {
        m_pMenuBar->SetFlags(0x5F | c.dwBarFlags);
        HWND hChild = m_pFrame->CreateChild(c.dwStyle);
        ASSERT_NE(nullptr, hChild);
        ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(hChild), 0);
        PumpMessages();
        std::vector<int> ids;
        for (int i = 4; i < m_pMenuBar->GetControlCount(); ++i)
            ids.push_back(m_pMenuBar->GetControl(i)->GetID());
        EXPECT_EQ(c.ids, ids) << c.dwBarFlags;
        EXPECT_EQ(hChild, m_pMenuBar->GetActiveMdiChild());

        ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(hChild), 0);
        PumpMessages();
        EXPECT_EQ(4, m_pMenuBar->GetControlCount());
        ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hChild), 0);
        PumpMessages();
    }
}

TEST_F(MenuBarTest, MaximizedChildShowsItsSystemMenuAtTheFront)
{
    m_pMenuBar->SetFlags(0x5F | xtpFlagAddMDISysPopup);
    HWND hChild = m_pFrame->CreateChild(WS_OVERLAPPEDWINDOW);
    ASSERT_NE(nullptr, hChild);
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(hChild), 0);
    PumpMessages();
    CXTPControl* pSys = m_pMenuBar->GetControl(0);
    ASSERT_EQ(static_cast<int>(XTP_ID_MENUBAR_SYSMENU), pSys->GetID());
    EXPECT_EQ(xtpControlPopup, pSys->GetType());
    EXPECT_TRUE(pSys->IsTemporary());
    EXPECT_STREQ("-", pSys->GetCaption());

    // The popup lists the child's system menu: its commands, groups,
    // default item and disabled items, as the window's own menu has them.
    HMENU hSysMenu = ::GetSystemMenu(hChild, FALSE);
    CXTPCommandBar* pPopup = pSys->GetCommandBar();
    ASSERT_TRUE(pPopup);
    std::vector<std::string> expected, listed;
    BOOL bGroup = FALSE;
    const UINT nDefault = ::GetMenuDefaultItem(hSysMenu, FALSE, GMDI_USEDISABLED);
    for (int i = 0; i < ::GetMenuItemCount(hSysMenu); ++i)
    {
        const UINT nState = ::GetMenuState(hSysMenu, static_cast<UINT>(i), MF_BYPOSITION);
        if (nState & MF_SEPARATOR)
        {
            bGroup = TRUE;
            continue;
        }
        const UINT nId = ::GetMenuItemID(hSysMenu, i);
        expected.push_back(std::to_string(nId) + (bGroup ? " group" : "")
                           + (nState & MF_GRAYED ? " disabled" : "") + (nId == nDefault ? " default" : ""));
        bGroup = FALSE;
    }
    for (int i = 0; i < pPopup->GetControlCount(); ++i)
    {
        CXTPControl* pItem = pPopup->GetControl(i);
        listed.push_back(std::to_string(pItem->GetID()) + (pItem->GetBeginGroup() ? " group" : "")
                         + (pItem->GetEnabled() ? "" : " disabled")
                         + (pItem->IsDefaultItem() ? " default" : ""));
    }
    EXPECT_EQ(expected, listed);

    // Its close command reaches the child as a system command.
    CXTPControl* pClose = pPopup->GetControls()->FindControl(SC_CLOSE);
    ASSERT_TRUE(pClose);
    pClose->OnExecute();
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hChild));
    ::SendMessageA(m_pMenuBar->GetSafeHwnd(), WM_TIMER, XTP_TID_MDIREFRESH, 0);
    EXPECT_EQ(nullptr, m_pMenuBar->GetControls()->FindControl(XTP_ID_MENUBAR_SYSMENU));
}

TEST_F(MenuBarTest, ResetAsksAndReloadsTheMenu)
{
    m_pMenuBar->GetControls()->RemoveAt(0);
    std::vector<std::string> shown;
    int nAnswer = IDCANCEL;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        shown.push_back(static_cast<LPCSTR>(box.strText));
        return nAnswer;
    });
    // Without parked sets the toolbar's reset (to the first state) runs.
    m_pMenuBar->ResetToolBar(TRUE);
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ("Sind Sie sicher, dass Sie die Änderungen für die Symbolleiste 'Menüleiste' "
              "zurücksetzen möchten?",
              shown[0]);
    EXPECT_EQ(3, m_pMenuBar->GetControlCount());
    nAnswer = IDOK;
    m_pMenuBar->ResetToolBar(TRUE);
    EXPECT_EQ(4, m_pMenuBar->GetControlCount());
}

} // namespace

namespace {

// Switches the bar to a menu of its own (as an MDI child installs one),
// applies the user's change there when asked, and goes back to the frame's.
void VisitOtherMenu(HWND hClient, CXTPMenuBar* pMenuBar, CMenu& other, BOOL bCustomise)
{
    other.CreateMenu();
    other.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), "&Fenster");
    other.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), "&Hilfe");
    ::SendMessageA(hClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(other.GetSafeHmenu()), 0);
    if (bCustomise)
        pMenuBar->GetControls()->RemoveAt(0);
    ::SendMessageA(hClient, WM_MDISETMENU, 0, 0);
}

} // namespace

TEST_F(MenuBarTest, ParkedSetsCountAsCustomisationUntilPrunedUnchanged)
{
    const struct
    {
        const char* pszName;
        BOOL bChangeOwn;      // the user removed one of the frame menu's items
        int nOtherMenus;      // menus visited, each parking a set
        BOOL bCustomiseOther; // the user changed the other menus' sets
        BOOL bCustomizable;
        BOOL bExpected;
        int nParkedAfter;
    } kCases[] = {
        {"as loaded", FALSE, 0, FALSE, TRUE, FALSE, 0},
        {"own set changed", TRUE, 0, FALSE, TRUE, TRUE, 0},
        {"visited, unchanged", FALSE, 2, FALSE, TRUE, FALSE, 0},
        {"visited, customised", FALSE, 1, TRUE, TRUE, TRUE, 1},
        {"not customizable", TRUE, 1, TRUE, FALSE, FALSE, 1},
    };
    for (const auto& c : kCases)
    {
        TearDown();
        SetUp();
        if (c.bChangeOwn)
            m_pMenuBar->GetControls()->RemoveAt(1);
        // Kept alive, so that each visit parks a set under a handle of its own.
        std::vector<std::unique_ptr<CMenu>> menus;
        for (int i = 0; i < c.nOtherMenus; ++i)
        {
            menus.emplace_back(new CMenu);
            VisitOtherMenu(m_pFrame->m_hWndMDIClient, m_pMenuBar, *menus.back(), c.bCustomiseOther);
        }
        ASSERT_EQ(c.nOtherMenus, m_pMenuBar->GetParkedMenuCount()) << c.pszName;
        m_pMenuBar->SetCustomizable(c.bCustomizable);

        EXPECT_EQ(c.bExpected, m_pMenuBar->ShouldSaveControls()) << c.pszName;
        EXPECT_EQ(c.nParkedAfter, m_pMenuBar->GetParkedMenuCount()) << c.pszName;
        EXPECT_EQ(c.bCustomizable && c.nOtherMenus > 0, m_pMenuBar->WereMenusReset()) << c.pszName;
        EXPECT_EQ(c.bExpected, m_pMenuBar->HasCustomization()) << c.pszName;
    }
}

TEST_F(MenuBarTest, PruningShowsTheFramesOwnMenuAgain)
{
    CMenu other;
    ASSERT_TRUE(other.CreateMenu());
    other.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(::CreatePopupMenu()), "&Fenster");
    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(other.GetSafeHmenu()), 0);
    m_pMenuBar->GetControls()->RemoveAt(0);   // the child's menu customised
    ASSERT_EQ(std::vector<std::string>{}, Captions(m_pMenuBar));

    EXPECT_TRUE(m_pMenuBar->HasCustomization());
    EXPECT_TRUE(m_pMenuBar->WereMenusReset());
    EXPECT_EQ(static_cast<UINT_PTR>(IDR_BAR_TEST_MENU), m_pMenuBar->GetCurrentMenuKey());
    EXPECT_EQ((std::vector<std::string>{"&Datei", "&Bearbeiten", "&Suchen", "&?"}), Captions(m_pMenuBar));
    // The customised set of the child's menu stays parked.
    EXPECT_EQ(1, m_pMenuBar->GetParkedMenuCount());
}

namespace {

class CDocumentView : public CView
{
public:
    void OnDraw(CDC* /*pDC*/) override {}
};

} // namespace

TEST_F(MenuBarTest, ActiveMenuIdFollowsTheActiveChildsTemplate)
{
    const UINT kTemplateId = 7300;
    // No child yet: the menu bar's own menu.
    EXPECT_EQ(static_cast<UINT>(IDR_BAR_TEST_MENU), m_pCommandBars->GetActiveMenuId());

    HWND hChild = m_pFrame->CreateChild(WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW);
    ASSERT_NE(nullptr, hChild);
    CMDIChildWnd* pChild = new CMDIChildWnd;   // deletes itself with its window
    ASSERT_TRUE(pChild->SubclassWindow(hChild));
    // A child showing no document has no template.
    EXPECT_EQ(0u, m_pCommandBars->GetActiveMenuId());

    std::unique_ptr<CSingleDocTemplate> pTemplate(
        new CSingleDocTemplate(kTemplateId, RUNTIME_CLASS(CDocument), nullptr, nullptr));
    CDocument* pDocument = new CDocument;   // the template deletes it
    pTemplate->AddDocument(pDocument);
    CDocumentView* pView = new CDocumentView;   // deletes itself with its window
    ASSERT_TRUE(pView->Create(nullptr, "Ansicht", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), pChild, 1));
    pDocument->AddView(pView);

    const struct
    {
        UINT nChildId;
        UINT nExpected;
    } kCases[] = {{kTemplateId, kTemplateId}, {kTemplateId + 1, 0}};
    for (const auto& c : kCases)
    {
        pChild->m_nIDHelp = c.nChildId;
        EXPECT_EQ(c.nExpected, m_pCommandBars->GetActiveMenuId()) << c.nChildId;
    }

    ::SendMessageA(m_pFrame->m_hWndMDIClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(hChild), 0);
    PumpMessages();
    EXPECT_EQ(static_cast<UINT>(IDR_BAR_TEST_MENU), m_pCommandBars->GetActiveMenuId());

    // A frame of another kind has no menu id to offer.
    CFrameWnd* pPlain = new CFrameWnd;
    ASSERT_TRUE(pPlain->Create(nullptr, "Einfach", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    BarsPtr pPlainBars(new CXTPCommandBars);
    pPlainBars->SetSite(pPlain);
    EXPECT_EQ(0u, pPlainBars->GetActiveMenuId());
    pPlainBars.reset();
    pPlain->DestroyWindow();
}
