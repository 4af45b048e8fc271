// The list placeholders: each stands in a menu for a list (recent files,
// MDI windows, tab-group commands) and rebuilds its items at every layout.
#include "toolkit/controls/ControlListPlaceholder.h"

#include "BarTestSupport.h"
#include "framework/ui/MdiFrameWnd.h"
#include "framework/ui/Menu.h"
#include "framework/ui/RecentFileList.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/ControlOleItems.h"
#include "toolkit/controls/ControlRecentFileList.h"
#include "toolkit/controls/ControlToolbars.h"
#include "toolkit/controls/ControlWindowList.h"
#include "toolkit/controls/ControlWorkspaceActions.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

TEST(ListPlaceholder, NumberedCaptions)
{
    struct
    {
        const char* pszText;
        int nNumber;
        const char* pszCaption;
    } cases[] = {
        {"Brief.qiv", 1, "&1 Brief.qiv"},
        {"A&B", 9, "&9 A&&B"},
        {"Zehn", 10, "1&0 Zehn"},
        {"Elf", 11, "11 Elf"},
        {"&&", 0, "&&&&"},
        {"", 3, "&3 "},
    };
    for (auto& c : cases)
        EXPECT_STREQ(c.pszCaption, FormatMenuItemCaption(c.pszText, c.nNumber))
            << c.pszText << " " << c.nNumber;
}

// A recent-file list of its own instead of the application's.
class CTestRecentFileList : public CXTPControlRecentFileList
{
public:
    CRecentFileList* GetRecentFileList() override { return s_pList; }
    static CRecentFileList* s_pList;

protected:
    CXTPControl* CreateSameClass() const override { return new CTestRecentFileList; }
};
CRecentFileList* CTestRecentFileList::s_pList = nullptr;

class ListPlaceholderTest : public ::testing::Test
{
protected:
    ListPlaceholderTest()
        : m_bar(xtpBarTypePopup, xtpBarPopup), m_pCommandBars(new CXTPCommandBars)
    {
        m_pCommandBars->EnableActions(FALSE);
        m_bar.SetCommandBars(m_pCommandBars.get());
        m_list.reset(new CRecentFileList(0, "Recent File List", "File%d", 10, 40));
        CTestRecentFileList::s_pList = m_list.get();
    }
    ~ListPlaceholderTest() override { CTestRecentFileList::s_pList = nullptr; }

    // The bar's controls as "id:caption" (hidden ones marked "-").
    std::vector<CString> Items() const
    {
        std::vector<CString> items;
        for (int i = 0; i < m_bar.GetControlCount(); ++i)
        {
            CXTPControl* pControl = m_bar.GetControl(i);
            CString str;
            str.Format("%s%d:%s", pControl->IsVisible() ? "" : "-", pControl->GetID(),
                       static_cast<LPCSTR>(pControl->GetCaption()));
            items.push_back(str);
        }
        return items;
    }
    void LayOut()
    {
        for (int i = m_bar.GetControlCount() - 1; i >= 0; --i)
            m_bar.GetControl(i)->OnCalcDynamicSize(0);
    }

    CTestBar m_bar;
    CRefPtr<CXTPCommandBars> m_pCommandBars;
    std::unique_ptr<CRecentFileList> m_list;
};

TEST_F(ListPlaceholderTest, RecentFilesListTenFilesOnceAtEveryLayout)
{
    CXTPControls* pControls = m_bar.GetControls();
    pControls->Add(xtpControlButton, 100)->SetCaption("&Neu");
    CXTPControl* pPlaceholder = pControls->Add(new CTestRecentFileList, 57616);
    pPlaceholder->SetCaption("Letzte Datei");
    pPlaceholder->SetFlags(xtpFlagWrapRow);
    pControls->Add(xtpControlButton, 57665)->SetCaption("&Beenden");

    // No file yet: the placeholder shows, greyed.
    LayOut();
    ASSERT_EQ(3, m_bar.GetControlCount());
    EXPECT_TRUE(pPlaceholder->IsVisible());
    EXPECT_FALSE(pPlaceholder->GetEnabled());

    char szDir[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, szDir);
    for (int i = 10; i >= 1; --i)
    {
        CString strPath;
        strPath.Format("%s\\Karte%d", szDir, i);
        m_list->Add(strPath);
    }
    // Selection and dirty bits survive the rebuild inside a layout pass:
    // first a control after the items, then an item that is removed and put
    // back at its place.
    const int nSelectedBefore[] = {2, 3};
    const int nSelectedAfter[] = {12, 3};
    for (int nPass = 0; nPass < 2; ++nPass)
    {
        m_bar.RestoreLayoutState(nSelectedBefore[nPass], -1, 0);
        LayOut();
        std::vector<CString> items = Items();
        ASSERT_EQ(13u, items.size());
        EXPECT_STREQ("100:&Neu", items[0]);
        EXPECT_STREQ("-57616:Letzte Datei", items[1]);
        EXPECT_STREQ("57616:&1 Karte1", items[2]);
        EXPECT_STREQ("57624:&9 Karte9", items[10]);
        EXPECT_STREQ("57625:1&0 Karte10", items[11]);
        EXPECT_STREQ("57665:&Beenden", items[12]);
        CXTPControl* pFirst = m_bar.GetControl(2);
        EXPECT_TRUE(pFirst->IsTemporary());
        EXPECT_TRUE(pFirst->GetBeginGroup());
        EXPECT_EQ(xtpFlagManualUpdate | xtpFlagWrapRow, pFirst->GetFlags());
        EXPECT_FALSE(m_bar.GetControl(3)->GetBeginGroup());
        EXPECT_EQ(xtpFlagManualUpdate, m_bar.GetControl(3)->GetFlags());
        EXPECT_EQ(nSelectedAfter[nPass], m_bar.GetSelectedIndex()) << nPass;
        EXPECT_EQ(0u, m_bar.GetDirtyFlags()) << nPass;
    }

    // Customize mode shows the placeholder alone, enabled; leaving it brings
    // the items back.
    m_pCommandBars->SetCustomizeMode(TRUE);
    LayOut();
    EXPECT_EQ(3, m_bar.GetControlCount());
    EXPECT_TRUE(pPlaceholder->IsVisible());
    EXPECT_TRUE(pPlaceholder->GetEnabled());
    m_pCommandBars->SetCustomizeMode(FALSE);
    LayOut();
    EXPECT_EQ(13, m_bar.GetControlCount());
}

TEST_F(ListPlaceholderTest, RecentFilesKeepControlsTheUserPlacedAfterThem)
{
    CXTPControls* pControls = m_bar.GetControls();
    CXTPControl* pPlaceholder = pControls->Add(new CTestRecentFileList, 57616);
    // A real command that happens to carry a file item's id.
    pControls->Add(xtpControlButton, 57617)->SetCaption("Zweite");
    m_list->Add("C:\\Ablage\\Eins.qiv");
    LayOut();
    std::vector<CString> items = Items();
    ASSERT_EQ(3u, items.size());
    EXPECT_FALSE(m_bar.GetControl(1)->GetBeginGroup());   // the placeholder is first
    EXPECT_STREQ("57617:Zweite", items[2]);
    LayOut();
    EXPECT_EQ(3, m_bar.GetControlCount());
    EXPECT_FALSE(pPlaceholder->IsVisible());

    // Without any recent-file list the placeholder is left as it is.
    CTestRecentFileList::s_pList = nullptr;
    CRefPtr<CXTPControl> pAlone(new CTestRecentFileList);
    pAlone->OnCalcDynamicSize(0);
    EXPECT_TRUE(pAlone->IsVisible());
}

// An MDI frame of the framework with a raw MDI client and its children.
class CMdiScope
{
public:
    CMdiScope()
    {
        static const ATOM atom = [] {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = &::DefMDIChildProcA;
            wc.hInstance = ::GetModuleHandleA(nullptr);
            wc.lpszClassName = "QivMdiTestChild";
            return ::RegisterClassA(&wc);
        }();
        EXPECT_NE(0, atom);
        m_frame.CreateEx(0, "STATIC", "Rahmen", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300),
                         nullptr, 0);
        CLIENTCREATESTRUCT ccs = {nullptr, 0xFF00};
        m_hClient = ::CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 400,
                                      300, m_frame.GetSafeHwnd(), nullptr,
                                      ::GetModuleHandleA(nullptr), &ccs);
        m_frame.m_hWndMDIClient = m_hClient;
    }
    ~CMdiScope()
    {
        m_frame.m_hWndMDIClient = nullptr;
        m_frame.DestroyWindow();
    }
    HWND AddChild(LPCSTR lpszTitle)
    {
        MDICREATESTRUCTA mcs = {};
        mcs.szClass = "QivMdiTestChild";
        mcs.szTitle = lpszTitle;
        mcs.hOwner = ::GetModuleHandleA(nullptr);
        mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
        mcs.style = WS_VISIBLE;
        return reinterpret_cast<HWND>(
            ::SendMessageA(m_hClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    }

    CMDIFrameWnd m_frame;
    HWND m_hClient;
};

TEST_F(ListPlaceholderTest, WindowListShowsNineOfTwelveChildren)
{
    CXTPControls* pControls = m_bar.GetControls();
    CXTPControl* pPlaceholder = pControls->Add(xtpControlButton, 35000);
    ASSERT_TRUE(pPlaceholder->IsKindOf(RUNTIME_CLASS(CXTPControlWindowList)));
    pControls->Add(xtpControlButton, 57665);

    // Without an MDI frame the placeholder is a plain button.
    LayOut();
    EXPECT_EQ(2, m_bar.GetControlCount());
    EXPECT_TRUE(pPlaceholder->IsVisible());

    CMdiScope mdi;
    ASSERT_TRUE(mdi.m_hClient);
    m_bar.SetSite(&mdi.m_frame);
    m_pCommandBars->SetSite(&mdi.m_frame);
    HWND hChildren[12] = {};
    for (int i = 0; i < 12; ++i)
    {
        CString strTitle;
        strTitle.Format(i == 2 ? "Notiz & Co %d" : "Notiz %d", i + 1);
        hChildren[i] = mdi.AddChild(strTitle);
        ASSERT_TRUE(hChildren[i]);
    }
    ::SendMessageA(mdi.m_hClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hChildren[4]), 0);
    ASSERT_EQ(0xFF00u, CXTPControlWindowList::GetFirstWindowId());

    for (int nPass = 0; nPass < 2; ++nPass)
    {
        LayOut();
        ASSERT_EQ(11, m_bar.GetControlCount());
        EXPECT_FALSE(pPlaceholder->IsVisible());
        for (int i = 0; i < 9; ++i)
        {
            CXTPControl* pItem = m_bar.GetControl(1 + i);
            HWND hChild = ::GetDlgItem(mdi.m_hClient, pItem->GetID());
            ASSERT_TRUE(hChild) << i;
            char szTitle[64] = {};
            ::GetWindowTextA(hChild, szTitle, sizeof(szTitle));
            EXPECT_STREQ(FormatMenuItemCaption(szTitle, i + 1), pItem->GetCaption());
            EXPECT_EQ(hChild == hChildren[4], pItem->GetChecked()) << i;
            EXPECT_EQ(i == 0, pItem->GetBeginGroup()) << i;
            EXPECT_TRUE(pItem->IsTemporary());
        }
        EXPECT_EQ(0xFF00, m_bar.GetControl(1)->GetID());
        EXPECT_EQ(57665, m_bar.GetControl(10)->GetID());
    }
    // The ampersand of a title is doubled, not taken for an access key.
    BOOL bFoundAmpersand = FALSE;
    for (int i = 1; i <= 9; ++i)
        bFoundAmpersand |= m_bar.GetControl(i)->GetCaption().Find("Notiz && Co 3") >= 0;
    EXPECT_TRUE(bFoundAmpersand);

    m_pCommandBars->SetCustomizeMode(TRUE);
    LayOut();
    EXPECT_EQ(2, m_bar.GetControlCount());
    EXPECT_TRUE(pPlaceholder->IsVisible());
    m_pCommandBars->SetCustomizeMode(FALSE);
    m_pCommandBars->SetSite(nullptr);
}

BOOL g_bTabWorkspace = FALSE;

BOOL TestTabGroupState(HWND /*hWndMDIClient*/, UINT nCommand, BOOL* pbEnabled)
{
    *pbEnabled = nCommand != 9420;
    return g_bTabWorkspace;
}

TEST_F(ListPlaceholderTest, WorkspaceActionsListTheEnabledTabGroupCommands)
{
    CXTPControls* pControls = m_bar.GetControls();
    pControls->Add(xtpControlButton, 100);
    CXTPControl* pPlaceholder = pControls->Add(xtpControlButton, 35002);
    ASSERT_TRUE(pPlaceholder->IsKindOf(RUNTIME_CLASS(CXTPControlWorkspaceActions)));
    pPlaceholder->SetBeginGroup(TRUE);
    CMdiScope mdi;
    m_bar.SetSite(&mdi.m_frame);
    m_pCommandBars->SetSite(&mdi.m_frame);
    CXTPControlWorkspaceActions::SetTabGroupCommandQuery(&TestTabGroupState);

    // A plain MDI client is no tab workspace: nothing changes.
    g_bTabWorkspace = FALSE;
    LayOut();
    EXPECT_EQ(2, m_bar.GetControlCount());
    EXPECT_TRUE(pPlaceholder->IsVisible());

    g_bTabWorkspace = TRUE;
    for (int nPass = 0; nPass < 2; ++nPass)
    {
        LayOut();
        ASSERT_EQ(5, m_bar.GetControlCount());
        EXPECT_FALSE(pPlaceholder->IsVisible());
        const int ids[] = {9422, 9423, 9421};
        for (int i = 0; i < 3; ++i)
        {
            EXPECT_EQ(ids[i], m_bar.GetControl(2 + i)->GetID());
            EXPECT_EQ(i == 0, m_bar.GetControl(2 + i)->GetBeginGroup());
        }
    }
    CXTPControlWorkspaceActions::SetTabGroupCommandQuery(nullptr);
    m_pCommandBars->SetSite(nullptr);
}

TEST_F(ListPlaceholderTest, OleItemsWithoutASelectedObjectInsertNothing)
{
    CXTPControls* pControls = m_bar.GetControls();
    CXTPControl* pPlaceholder = pControls->Add(new CXTPControlOleItems, 57872);
    pControls->Add(xtpControlButton, 100);
    LayOut();
    EXPECT_EQ(2, m_bar.GetControlCount());
    EXPECT_FALSE(pPlaceholder->IsVisible());
    m_pCommandBars->SetCustomizeMode(TRUE);
    LayOut();
    EXPECT_TRUE(pPlaceholder->IsVisible());
    m_pCommandBars->SetCustomizeMode(FALSE);
}

TEST(ListPlaceholderFactory, MakesPlaceholdersForTheirIds)
{
    CTestBar bar(xtpBarTypePopup, xtpBarPopup);
    struct
    {
        int nId;
        CRuntimeClass* pClass;
    } cases[] = {
        {35000, RUNTIME_CLASS(CXTPControlWindowList)},
        {35002, RUNTIME_CLASS(CXTPControlWorkspaceActions)},
        {35003, RUNTIME_CLASS(CXTPControlRecentFileList)},
        {57616, RUNTIME_CLASS(CXTPControlButton)},
        {0xE800, RUNTIME_CLASS(CXTPControlToolbars)},
    };
    for (auto& c : cases)
    {
        CXTPControl* pControl = bar.GetControls()->Add(xtpControlButton, c.nId);
        ASSERT_TRUE(pControl);
        EXPECT_EQ(c.pClass, pControl->GetRuntimeClass()) << c.nId;
        EXPECT_EQ(c.pClass, CRefPtr<CXTPControl>(pControl->Clone())->GetRuntimeClass()) << c.nId;
    }

    // From a menu the recent files come by the id of their first item.
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 57616, "Letzte Datei");
    menu.AppendMenu(MF_STRING, 35000, "Fenster");
    menu.AppendMenu(MF_STRING, 35003, "Dateien");
    menu.AppendMenu(MF_STRING, 57872, "<<OLE VERBS GO HERE>>");
    menu.AppendMenu(MF_STRING, 57872, "Objekt");
    menu.AppendMenu(MF_STRING, 0xE800, "Symbolleiste");
    CXTPControls* pControls = bar.GetControls();
    pControls->RemoveAll();
    for (int i = 0; i < 6; ++i)
        pControls->LoadMenuItem(&menu, i);
    ASSERT_EQ(6, pControls->GetCount());
    EXPECT_TRUE(pControls->GetAt(5)->IsKindOf(RUNTIME_CLASS(CXTPControlToolbars)));
    EXPECT_TRUE(pControls->GetAt(3)->IsKindOf(RUNTIME_CLASS(CXTPControlOleItems)));
    EXPECT_FALSE(pControls->GetAt(4)->IsKindOf(RUNTIME_CLASS(CXTPControlOleItems)));
    EXPECT_TRUE(pControls->GetAt(0)->IsKindOf(RUNTIME_CLASS(CXTPControlRecentFileList)));
    EXPECT_TRUE(pControls->GetAt(1)->IsKindOf(RUNTIME_CLASS(CXTPControlWindowList)));
    EXPECT_FALSE(pControls->GetAt(2)->IsKindOf(RUNTIME_CLASS(CXTPControlRecentFileList)));
    EXPECT_STREQ("Letzte Datei", pControls->GetAt(0)->GetCaption());
}

} // namespace
