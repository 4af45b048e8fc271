// Popup bars on real windows, without moving the pointer: the menu's size
// and columns, the empty popup, personalised and scrolled menus, opening
// under a popup control and closing one level at a time by the keys the
// keyboard manager hands the tracking bar, and what the mouse manager does
// with clicks while popups track.
#include "toolkit/commandbars/PopupBar.h"

#include "BarTestSupport.h"
#include "framework/ui/Dc.h"
#include "toolkit/commandbars/PopupBarPlacement.h"
#include "toolkit/draw/SystemInfo.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/KeyboardManager.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/ToolkitClock.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Popups appear without animation unless a test asks for one.
const int kNoAnimation = 5;

// The site the bars send their notifications to; counts what arrives.
class CSiteWnd : public CWnd
{
public:
    CSiteWnd()
    {
        CreateEx(0, "STATIC", "Site", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0);
    }
    ~CSiteWnd() override { DestroyWindow(); }

    int m_nOpened = 0;
    int m_nClosed = 0;
    int m_nLastCommand = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == XTP_WM_POPUPOPENED)
            ++m_nOpened;
        else if (message == XTP_WM_POPUPCLOSED)
            ++m_nClosed;
        else if (message == WM_COMMAND)
            m_nLastCommand = LOWORD(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class PopupBarTest : public ::testing::Test
{
protected:
    PopupBarTest() : m_pCommandBars(new CXTPCommandBars)
    {
        m_pCommandBars->EnableActions(FALSE);
        m_pCommandBars->SetSite(&m_site);
        m_pCommandBars->SetPaintManager(new CTestTheme);
        m_pCommandBars->GetPaintManager()->InternalRelease();
        CXTPCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
        pOptions->nAnimationType = kNoAnimation;
        pOptions->bAlwaysShowFullMenus = FALSE;
        // The site has no update handlers: its commands stay enabled.
        pOptions->bDisableCommandIfNoHandler = FALSE;
    }
    ~PopupBarTest() override
    {
        XTPMouseManager()->SendTrackLost();
        m_pCommandBars->SetSite(nullptr);
    }

    CRefPtr<CXTPPopupBar> NewPopup(int nItems)
    {
        CRefPtr<CXTPPopupBar> pPopup(CXTPPopupBar::CreatePopupBar(m_pCommandBars.get()));
        for (int i = 0; i < nItems; ++i)
        {
            CString strCaption;
            strCaption.Format("Eintrag &%d", i + 1);
            pPopup->GetControls()->Add(xtpControlButton, 1000 + i)->SetCaption(strCaption);
        }
        return pPopup;
    }

    CSiteWnd m_site;
    CRefPtr<CXTPCommandBars> m_pCommandBars;
};

TEST_F(PopupBarTest, MenuLayoutStacksControlsInColumns)
{
    CRefPtr<CXTPPopupBar> pPopup = NewPopup(5);
    CXTPControls* pControls = pPopup->GetControls();
    pControls->GetAt(2)->SetBeginGroup(TRUE);
    pControls->GetAt(3)->SetFlags(xtpFlagWrapRow);
    pControls->GetAt(4)->SetCaption("Ein viel längerer Eintrag");

    CSize size = pPopup->CalcDynamicLayout(0, 0);
    CXTPPaintManager* pPaintManager = pPopup->GetPaintManager();
    const CRect rcBorders = pPaintManager->GetCommandBarBorders(pPopup.get());
    CClientDC dc(nullptr);
    const CSize szSeparator =
        pPaintManager->DrawCommandBarSeparator(&dc, pPopup.get(), nullptr, FALSE);

    const CRect rc0 = pControls->GetAt(0)->GetRect();
    const CRect rc1 = pControls->GetAt(1)->GetRect();
    const CRect rc2 = pControls->GetAt(2)->GetRect();
    const CRect rc3 = pControls->GetAt(3)->GetRect();
    const CRect rc4 = pControls->GetAt(4)->GetRect();
    // First column: from the top border down, a separator before the group.
    EXPECT_EQ(rcBorders.left, rc0.left);
    EXPECT_EQ(rcBorders.top, rc0.top);
    EXPECT_EQ(rc0.bottom, rc1.top);
    EXPECT_EQ(rc1.bottom + szSeparator.cy, rc2.top);
    EXPECT_EQ(rc0.Width(), rc2.Width());
    // The column break starts a second column at the top, one column width on.
    EXPECT_EQ(rcBorders.top, rc3.top);
    EXPECT_EQ(rc0.right, rc3.left);
    EXPECT_EQ(rc3.bottom, rc4.top);
    EXPECT_EQ(rc3.Width(), rc4.Width());
    EXPECT_GT(rc4.Width(), rc0.Width());
    // The bar: the taller column, both widths, the borders.
    EXPECT_EQ(rc4.right + rcBorders.right, size.cx);
    EXPECT_EQ(rc2.bottom + rcBorders.bottom, size.cy);
}

TEST_F(PopupBarTest, EmptyPopupIs22High)
{
    CRefPtr<CXTPPopupBar> pPopup = NewPopup(0);
    const CRect rcBorders = pPopup->GetPaintManager()->GetCommandBarBorders(pPopup.get());
    EXPECT_EQ(CSize(24 + rcBorders.left + rcBorders.right, 22 + rcBorders.top + rcBorders.bottom),
              pPopup->CalcDynamicLayout(0, 0));

    // Opened at a point it is that big on the screen too.
    ASSERT_TRUE(pPopup->PopupAt(100, 100));
    CRect rcClient;
    pPopup->GetClientRect(&rcClient);
    EXPECT_EQ(22 + rcBorders.top + rcBorders.bottom, rcClient.Height());
    pPopup->SetTrackingMode(0);
}

TEST_F(PopupBarTest, OpensAndClosesAtAPoint)
{
    CRefPtr<CXTPPopupBar> pPopup = NewPopup(3);
    ASSERT_TRUE(pPopup->PopupAt(50, 60));
    ASSERT_TRUE(pPopup->GetSafeHwnd());
    EXPECT_TRUE(pPopup->IsVisible());
    EXPECT_EQ(1, pPopup->GetTrackingMode());
    EXPECT_TRUE(XTPMouseManager()->IsTracked(pPopup.get()));
    EXPECT_EQ(1, m_site.m_nOpened);
    CRect rcWindow;
    pPopup->GetWindowRect(&rcWindow);
    EXPECT_EQ(CPoint(50, 60), rcWindow.TopLeft());
    EXPECT_EQ(0, pPopup->GetExStyle() & WS_EX_LAYOUTRTL);
    EXPECT_NE(0u, pPopup->GetExStyle() & WS_EX_TOOLWINDOW);

    // Escape closes it: window gone, the site told, nothing tracked.
    EXPECT_EQ(CXTPHookManagerHookAble::hookHandled, pPopup->OnHookKeyDown(VK_ESCAPE, 0));
    EXPECT_EQ(nullptr, pPopup->GetSafeHwnd());
    EXPECT_EQ(0, pPopup->GetTrackingMode());
    EXPECT_EQ(1, m_site.m_nClosed);
    EXPECT_EQ(0, XTPMouseManager()->GetTrackCount());
    EXPECT_FALSE(XTPKeyboardManager()->IsKeyboardHooked());
}

TEST_F(PopupBarTest, PersonalisedMenuHidesUnusedCommandsBehindTheExpandButton)
{
    CRefPtr<CXTPPopupBar> pPopup = NewPopup(4);
    m_pCommandBars->HideCommand(1001);
    m_pCommandBars->HideCommand(1003);
    ASSERT_TRUE(pPopup->PopupAt(50, 60));
    EXPECT_TRUE(pPopup->HasHiddenItems());
    EXPECT_FALSE(pPopup->IsShowFull());
    CXTPControls* pControls = pPopup->GetControls();
    ASSERT_EQ(5, pControls->GetCount());
    EXPECT_TRUE(pControls->GetAt(0)->IsVisible());
    EXPECT_FALSE(pControls->GetAt(1)->IsVisible());
    EXPECT_FALSE(pControls->GetAt(3)->IsVisible());
    CXTPControl* pExpand = pControls->GetAt(4);
    EXPECT_EQ(static_cast<int>(XTP_ID_POPUPBAR_EXPAND), pExpand->GetID());
    EXPECT_TRUE(pExpand->IsVisible());
    EXPECT_EQ(pControls->GetAt(2)->GetRect().bottom, pExpand->GetRect().top);

    // The keys pass over the hidden commands; Down on the last visible one
    // expands the menu instead of wrapping.
    pPopup->OnHookKeyDown(VK_DOWN, 0);
    EXPECT_EQ(0, pPopup->GetSelectedIndex());
    pPopup->OnHookKeyDown(VK_DOWN, 0);
    EXPECT_EQ(2, pPopup->GetSelectedIndex());
    pPopup->OnHookKeyDown(VK_UP, 0);
    EXPECT_EQ(0, pPopup->GetSelectedIndex());
    pPopup->OnHookKeyDown(VK_END, 0);
    EXPECT_EQ(2, pPopup->GetSelectedIndex());
    pPopup->OnHookKeyDown(VK_DOWN, 0);
    EXPECT_TRUE(pPopup->IsShowFull());
    EXPECT_TRUE(pControls->GetAt(1)->IsVisible());
    EXPECT_TRUE(pControls->GetAt(3)->IsVisible());
    EXPECT_FALSE(pExpand->IsVisible());
    EXPECT_TRUE(XTPMouseManager()->IsMenusExpanded());

    // The next menu opens full while tracking goes on, and no longer after.
    CRefPtr<CXTPPopupBar> pSecond = NewPopup(3);
    m_pCommandBars->HideCommand(1000);
    ASSERT_TRUE(pSecond->PopupAt(300, 60));
    EXPECT_TRUE(pSecond->IsShowFull());
    XTPMouseManager()->SendTrackLost();
    EXPECT_FALSE(XTPMouseManager()->IsMenusExpanded());
    ASSERT_TRUE(pSecond->PopupAt(300, 60));
    EXPECT_FALSE(pSecond->IsShowFull());
    EXPECT_TRUE(pSecond->HasHiddenItems());
    pSecond->SetTrackingMode(0);
}

TEST_F(PopupBarTest, APersonalisedMenuOfUnusedCommandsShowsThemAll)
{
    CRefPtr<CXTPPopupBar> pPopup = NewPopup(3);
    for (UINT nId = 1000; nId < 1003; ++nId)
        m_pCommandBars->HideCommand(nId);
    ASSERT_TRUE(pPopup->PopupAt(50, 60));
    EXPECT_FALSE(pPopup->HasHiddenItems());
    EXPECT_EQ(3, pPopup->GetControlCount());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(pPopup->GetControl(i)->IsVisible());

    // So does a menu under the option to show full menus.
    pPopup->SetTrackingMode(0);
    m_pCommandBars->HideCommand(1003);
    pPopup->GetControls()->Add(xtpControlButton, 1003);
    pPopup->GetControls()->Add(xtpControlButton, 1004);
    m_pCommandBars->GetCommandBarsOptions()->bAlwaysShowFullMenus = TRUE;
    ASSERT_TRUE(pPopup->PopupAt(50, 60));
    EXPECT_FALSE(pPopup->HasHiddenItems());
    EXPECT_TRUE(pPopup->GetControl(3)->IsVisible());
}

TEST_F(PopupBarTest, ATallMenuScrolls)
{
    CRefPtr<CXTPPopupBar> pPopup = NewPopup(200);
    const CRect rcWork(GetMonitorAreaOfPoint(CPoint(50, 60)));
    ASSERT_TRUE(pPopup->PopupAt(50, 60));
    ASSERT_TRUE(pPopup->IsScrolling());
    CRect rcWindow;
    pPopup->GetWindowRect(&rcWindow);
    EXPECT_EQ(rcWork.bottom - 5, rcWindow.bottom);
    EXPECT_GE(rcWindow.top, rcWork.top);

    CRect rcClient;
    pPopup->GetClientRect(&rcClient);
    const CRect rcBorders = pPopup->GetPaintManager()->GetCommandBarBorders(pPopup.get());
    // At the top: no up button; the down button above the bottom border.
    EXPECT_TRUE(pPopup->GetScrollButton(TRUE).rc.IsRectEmpty());
    const CRect rcDown = pPopup->GetScrollButton(FALSE).rc;
    EXPECT_EQ(16, rcDown.Height());
    EXPECT_EQ(rcClient.bottom - rcBorders.bottom, rcDown.bottom);
    const int nLast = pPopup->GetLastVisible();
    ASSERT_GT(nLast, 0);
    ASSERT_LT(nLast, 200);
    EXPECT_TRUE(pPopup->GetControl(nLast - 1)->IsVisible());
    EXPECT_FALSE(pPopup->GetControl(nLast)->IsVisible());
    EXPECT_LE(pPopup->GetControl(nLast - 1)->GetRect().bottom, rcDown.top);

    // A step down shows the next one and brings the up button.
    pPopup->ScrollDown();
    EXPECT_EQ(nLast + 1, pPopup->GetLastVisible());
    EXPECT_TRUE(pPopup->GetControl(nLast)->IsVisible());
    EXPECT_FALSE(pPopup->GetControl(0)->IsVisible());
    EXPECT_FALSE(pPopup->GetScrollButton(TRUE).rc.IsRectEmpty());

    // End selects the last control and scrolls it into view; Home goes back.
    pPopup->OnHookKeyDown(VK_END, 0);
    EXPECT_EQ(199, pPopup->GetSelectedIndex());
    EXPECT_EQ(200, pPopup->GetLastVisible());
    EXPECT_TRUE(pPopup->GetControl(199)->IsVisible());
    EXPECT_TRUE(pPopup->GetScrollButton(FALSE).rc.IsRectEmpty());
    pPopup->OnHookKeyDown(VK_HOME, 0);
    EXPECT_EQ(0, pPopup->GetSelectedIndex());
    EXPECT_EQ(0, pPopup->GetFirstVisible());
    EXPECT_TRUE(pPopup->GetControl(0)->IsVisible());
    EXPECT_TRUE(pPopup->GetScrollButton(TRUE).rc.IsRectEmpty());

    // The scroll timer ends itself when the pointer is not on its button.
    pPopup->SendMessage(WM_TIMER, XTP_TID_SCROLLDOWN, 0);
    EXPECT_EQ(nLast, pPopup->GetLastVisible());
    pPopup->SetTrackingMode(0);
}

// A popup whose tear-off steps a test can take one at a time.
class CTearOffPopup : public CXTPPopupBar
{
public:
    using CXTPPopupBar::ShowTearOff;
};

TEST_F(PopupBarTest, TearOffShowsOneToolbarAndHidesItWhenThePointerComesBack)
{
    const UINT nBarId = 600;
    CRefPtr<CTearOffPopup> pPopup(new CTearOffPopup);
    pPopup->SetCommandBars(m_pCommandBars.get());
    pPopup->GetControls()->Add(xtpControlButton, 100)->SetCaption("&Neu");
    pPopup->GetControls()->Add(xtpControlButton, 101)->SetCaption("&Ende");
    pPopup->SetTearOffPopup("Liste", nBarId, 150);
    ASSERT_TRUE(pPopup->PopupAt(20, 20));

    // Out: the popup hides and a floating toolbar of its controls shows.
    pPopup->ShowTearOff(FALSE, CPoint(200, 150));
    EXPECT_FALSE(pPopup->IsWindowVisible());
    CXTPToolBar* pToolBar = m_pCommandBars->GetToolBar(nBarId);
    ASSERT_TRUE(pToolBar);
    EXPECT_EQ(pToolBar, pPopup->GetTearOffBar());
    EXPECT_EQ(xtpBarFloating, pToolBar->GetPosition());
    EXPECT_TRUE(pToolBar->IsWindowVisible());
    std::vector<int> ids;
    for (int i = 0; i < pToolBar->GetControlCount(); ++i)
        if (!pToolBar->GetControl(i)->IsTemporary())
            ids.push_back(pToolBar->GetControl(i)->GetID());
    EXPECT_EQ(std::vector<int>({100, 101}), ids);

    // Back in: the popup shows again, the toolbar hides and stays listed.
    pPopup->ShowTearOff(TRUE, CPoint(30, 30));
    EXPECT_TRUE(pPopup->IsWindowVisible());
    EXPECT_EQ(nullptr, pPopup->GetTearOffBar());
    EXPECT_FALSE(pToolBar->IsVisible());
    EXPECT_EQ(1, m_pCommandBars->GetCount());

    // Out again: the same toolbar, floated and shown.
    pToolBar->SetPosition(xtpBarTop);
    pPopup->ShowTearOff(FALSE, CPoint(200, 150));
    EXPECT_EQ(pToolBar, pPopup->GetTearOffBar());
    EXPECT_EQ(xtpBarFloating, pToolBar->GetPosition());
    EXPECT_TRUE(pToolBar->IsVisible());
    EXPECT_EQ(1, m_pCommandBars->GetCount());
    pPopup->SetTrackingMode(0);
    m_pCommandBars->RemoveAll();
}

// A menu bar of one popup control whose sub-menu holds a sub-menu.
class PopupControlTest : public PopupBarTest
{
protected:
    PopupControlTest() : m_bar(xtpBarTypeMenuBar, xtpBarTop)
    {
        m_bar.SetCommandBars(m_pCommandBars.get());
        m_bar.CreateHidden(400, 24);
        m_bar.SetWindowPos(nullptr, 100, 100, 400, 24, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        CXTPControls* pControls = m_bar.GetControls();
        m_pFile = static_cast<CXTPControlPopup*>(pControls->Add(xtpControlPopup, 0));
        m_pFile->SetCaption("&Datei");
        m_pFile->SetRect(CRect(0, 0, 50, 22));
        pControls->Add(xtpControlPopup, 0)->SetCaption("&Bearbeiten");
        pControls->GetAt(1)->SetRect(CRect(50, 0, 120, 22));
        CXTPControls* pFileItems = m_pFile->GetCommandBar()->GetControls();
        pFileItems->Add(xtpControlButton, 100)->SetCaption("&Neu");
        m_pRecent = static_cast<CXTPControlPopup*>(pFileItems->Add(xtpControlPopup, 0));
        m_pRecent->SetCaption("&Zuletzt");
        m_pRecent->GetCommandBar()->GetControls()->Add(xtpControlButton, 200)->SetCaption("&Eins");
        pFileItems->Add(xtpControlButton, 101)->SetCaption("&Beenden");
    }

    CXTPPopupBar* FileMenu() const { return XTPPopupBarOf(m_pFile->GetCommandBar()); }
    CXTPPopupBar* RecentMenu() const { return XTPPopupBarOf(m_pRecent->GetCommandBar()); }

    CTestBar m_bar;
    CXTPControlPopup* m_pFile;
    CXTPControlPopup* m_pRecent;
};

TEST_F(PopupControlTest, OpensBelowTheMenuBarAndClosesOneLevelAtATime)
{
    ASSERT_TRUE(m_bar.OpenControlPopup(0, TRUE));
    CXTPPopupBar* pFile = FileMenu();
    ASSERT_TRUE(pFile->GetSafeHwnd());
    EXPECT_TRUE(m_pFile->IsPopupOpen());
    EXPECT_EQ(2, m_bar.GetTrackingMode());
    EXPECT_EQ(xtpPopupDown, pFile->GetPopupFlags() & xtpPopupDown);
    CRect rcItem = m_pFile->GetRect();
    m_bar.ClientToScreen(&rcItem);
    CRect rcWindow;
    pFile->GetWindowRect(&rcWindow);
    EXPECT_EQ(rcItem.bottom, rcWindow.top);
    EXPECT_EQ(pFile->GetExcludeRect().left, rcWindow.left);
    // Opened by the keyboard: the first item is selected.
    EXPECT_EQ(0, pFile->GetSelectedIndex());

    // Down, Right: the sub-menu opens beside its item.
    pFile->OnHookKeyDown(VK_DOWN, 0);
    EXPECT_EQ(1, pFile->GetSelectedIndex());
    pFile->OnHookKeyDown(VK_RIGHT, 0);
    CXTPPopupBar* pRecent = RecentMenu();
    ASSERT_TRUE(pRecent->GetSafeHwnd());
    EXPECT_EQ(0u, pRecent->GetPopupFlags() & xtpPopupDown);
    CRect rcRecent;
    pRecent->GetWindowRect(&rcRecent);
    EXPECT_EQ(pRecent->GetExcludeRect().right, rcRecent.left);

    // Esc closes the sub-menu only; the item stays selected.
    pRecent->OnHookKeyDown(VK_ESCAPE, 0);
    EXPECT_EQ(nullptr, pRecent->GetSafeHwnd());
    ASSERT_TRUE(pFile->GetSafeHwnd());
    EXPECT_EQ(1, pFile->GetSelectedIndex());
    EXPECT_EQ(-1, pFile->GetPopupIndex());
    EXPECT_FALSE(m_pRecent->IsPopupOpen());

    // Left closes a sub-menu too; Right on a plain item moves along the menu
    // bar, Left moves back. The keys go through the keyboard manager, which
    // offers them to the tracking bars from the innermost out.
    pFile->OnHookKeyDown(VK_RIGHT, 0);
    ASSERT_TRUE(pRecent->GetSafeHwnd());
    XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(nullptr, pRecent->GetSafeHwnd());
    EXPECT_TRUE(pFile->GetSafeHwnd());
    pFile->OnHookKeyDown(VK_UP, 0);
    XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(nullptr, pFile->GetSafeHwnd());
    EXPECT_EQ(1, m_bar.GetPopupIndex());
    CXTPPopupBar* pEdit = XTPPopupBarOf(m_bar.GetControl(1)->GetCommandBar());
    EXPECT_TRUE(pEdit->GetSafeHwnd());
    XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(nullptr, pEdit->GetSafeHwnd());
    ASSERT_TRUE(pFile->GetSafeHwnd());
    EXPECT_EQ(0, pFile->GetSelectedIndex());

    // Up wraps from the first to the last item.
    pFile->OnHookKeyDown(VK_UP, 0);
    EXPECT_EQ(2, pFile->GetSelectedIndex());

    // Esc again closes the menu; the menu bar stays in keyboard tracking.
    pFile->OnHookKeyDown(VK_ESCAPE, 0);
    EXPECT_EQ(nullptr, pFile->GetSafeHwnd());
    EXPECT_EQ(1, m_bar.GetTrackingMode());
    EXPECT_EQ(-1, m_bar.GetPopupIndex());
    m_bar.SetTrackingMode(0);
}

TEST_F(PopupControlTest, RightToLeftMenusOpenLeftAndSwapTheArrows)
{
    m_site.ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    m_bar.SetWindowPos(nullptr, 500, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(m_bar.OpenControlPopup(0, TRUE));
    CXTPPopupBar* pFile = FileMenu();
    ASSERT_TRUE(pFile->GetSafeHwnd());
    EXPECT_NE(0u, pFile->GetExStyle() & WS_EX_LAYOUTRTL);
    EXPECT_EQ(xtpPopupLeft | xtpPopupDown, pFile->GetPopupFlags());
    CRect rcFile;
    pFile->GetWindowRect(&rcFile);
    EXPECT_EQ(pFile->GetExcludeRect().right, rcFile.right);   // right-aligned under the item

    // Left opens the sub-menu, which opens to the left of its item.
    pFile->OnHookKeyDown(VK_DOWN, 0);
    pFile->OnHookKeyDown(VK_LEFT, 0);
    CXTPPopupBar* pRecent = RecentMenu();
    ASSERT_TRUE(pRecent->GetSafeHwnd());
    EXPECT_EQ(xtpPopupLeft, pRecent->GetPopupFlags());
    CRect rcRecent;
    pRecent->GetWindowRect(&rcRecent);
    EXPECT_EQ(pRecent->GetExcludeRect().left, rcRecent.right);
    // Right closes it again: the sub-menu leaves the key to its parent.
    XTPKeyboardManager()->ProcessKeyboardHooks(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(nullptr, pRecent->GetSafeHwnd());
    EXPECT_TRUE(pFile->GetSafeHwnd());
    m_bar.SetTrackingMode(0);
    m_site.ModifyStyleEx(WS_EX_LAYOUTRTL, 0);
}

TEST_F(PopupControlTest, MovingAlongTheMenuBarKeepsAMenuOpen)
{
    ASSERT_TRUE(m_bar.OpenControlPopup(0, FALSE));
    ASSERT_TRUE(FileMenu()->GetSafeHwnd());
    // Hot tracking to the next menu-bar item closes one menu and opens the next.
    m_bar.SetSelected(1, 0);
    EXPECT_EQ(nullptr, FileMenu()->GetSafeHwnd());
    EXPECT_EQ(1, m_bar.GetPopupIndex());
    CXTPPopupBar* pEdit = XTPPopupBarOf(m_bar.GetControl(1)->GetCommandBar());
    EXPECT_TRUE(pEdit->GetSafeHwnd());
    // A click on the open item closes its menu and ends menu mode.
    m_bar.GetControl(1)->OnClick(FALSE, CPoint(60, 10));
    EXPECT_EQ(nullptr, pEdit->GetSafeHwnd());
    EXPECT_EQ(0, m_bar.GetTrackingMode());
}

TEST_F(PopupControlTest, ACommandClosesEveryPopupAndReachesTheSite)
{
    ASSERT_TRUE(m_bar.OpenControlPopup(0, TRUE));
    FileMenu()->OnHookKeyDown(VK_DOWN, 0);
    FileMenu()->OnHookKeyDown(VK_RIGHT, 0);
    ASSERT_TRUE(RecentMenu()->GetSafeHwnd());
    // Return runs the selected item of the sub-menu.
    RecentMenu()->OnHookKeyDown(VK_RETURN, 0);
    EXPECT_EQ(nullptr, RecentMenu()->GetSafeHwnd());
    EXPECT_EQ(nullptr, FileMenu()->GetSafeHwnd());
    EXPECT_EQ(0, XTPMouseManager()->GetTrackCount());
    EXPECT_EQ(200, m_site.m_nLastCommand);
}

// The toolkit clock of an animation test: sleeping costs nothing.
DWORD g_nFakeTicks = 0;
DWORD FakeTicks() { return g_nFakeTicks; }
void FakeSleep(DWORD nMilliseconds) { g_nFakeTicks += nMilliseconds; }

TEST_F(PopupBarTest, AnimationFollowsTheOption)
{
    const CXTPToolkitClock old = XTPSetToolkitClock({&FakeTicks, &FakeSleep});
    CRefPtr<CXTPPopupBar> pPopup = NewPopup(3);
    CXTPCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    struct
    {
        int nOption;
        int nType;
    } cases[] = {{2, 2}, {3, 3}, {4, 4}, {kNoAnimation, kNoAnimation}};
    for (auto& c : cases)
    {
        pOptions->nAnimationType = c.nOption;
        EXPECT_EQ(c.nType, pPopup->GetAnimationType()) << c.nOption;
    }
    // Random: one of the three kinds.
    pOptions->nAnimationType = 1;
    for (int i = 0; i < 20; ++i)
    {
        const int nType = pPopup->GetAnimationType();
        EXPECT_TRUE(nType >= 2 && nType <= 4) << nType;
    }
    // The system's setting: the test prefix has menu animation off.
    pOptions->nAnimationType = 0;
    EXPECT_EQ(kNoAnimation, pPopup->GetAnimationType());

    // An animated opening sleeps through the paint manager's steps on the
    // toolkit clock and ends with the bar drawn.
    pOptions->nAnimationType = 2;
    const DWORD nStart = g_nFakeTicks;
    ASSERT_TRUE(pPopup->PopupAt(50, 60));
    EXPECT_GE(g_nFakeTicks - nStart,
              static_cast<DWORD>(pPopup->GetPaintManager()->GetAnimationDuration() / 2));
    pPopup->SetTrackingMode(0);
    XTPSetToolkitClock(old);
}

// A sub-menu that holds itself: comparing, copying and searching stop.
TEST_F(PopupControlTest, SubBarLoopsEnd)
{
    CXTPCommandBar* pRecent = m_pRecent->GetCommandBar();
    CXTPControlPopup* pLoop =
        static_cast<CXTPControlPopup*>(pRecent->GetControls()->Add(xtpControlPopup, 0));
    pLoop->SetCommandBar(m_pFile->GetCommandBar());   // File > Zuletzt > (File)

    EXPECT_TRUE(CXTPControlPopup::ContainsBar(m_pFile->GetCommandBar(), pRecent));
    EXPECT_TRUE(CXTPControlPopup::ContainsBar(pRecent, m_pFile->GetCommandBar()));
    EXPECT_FALSE(CXTPControlPopup::ContainsBar(pRecent, &m_bar));

    CRefPtr<CXTPControl> pCopy(m_pFile->Clone(TRUE));
    ASSERT_TRUE(pCopy->GetCommandBar());
    EXPECT_NE(m_pFile->GetCommandBar(), pCopy->GetCommandBar());
    EXPECT_TRUE(m_pFile->IsEqual(pCopy.get()));
    EXPECT_TRUE(pCopy->IsEqual(m_pFile));

    // The dragged menu holds this sub-menu: it does not open for the drop.
    m_pCommandBars->SetCustomizeMode(TRUE);
    m_pRecent->OnCustomizeDragOver(m_pFile);
    EXPECT_FALSE(m_pRecent->IsPopupOpen());
    m_pCommandBars->SetCustomizeMode(FALSE);

    // Unused popups hide when everything they reach is hidden, loop or not.
    m_pCommandBars->GetCommandBarsOptions()->bAutoHideUnusedPopups = TRUE;
    for (UINT nId : {100u, 101u, 200u})
        m_pCommandBars->HideCommand(nId);
    EXPECT_TRUE(m_pCommandBars->IsControlHidden(m_pFile));
    EXPECT_TRUE(m_pCommandBars->IsControlHidden(m_pRecent));
    m_pCommandBars->SetCommandUsed(101);
    EXPECT_FALSE(m_pCommandBars->IsControlHidden(m_pFile));
    EXPECT_FALSE(m_pCommandBars->IsControlHidden(m_pRecent));
    pLoop->SetCommandBar(nullptr);
}

// The mouse hook's handling of clicks while popups track, with the points
// handed in directly (the pointer stays where it is).
TEST_F(PopupControlTest, ClicksOutsideCloseTheMenusUnlessTrustedOrLocked)
{
    CXTPMouseManager* pMouse = XTPMouseManager();
    ASSERT_TRUE(m_bar.OpenControlPopup(0, TRUE));
    CXTPPopupBar* pFile = FileMenu();
    CRect rcFile;
    pFile->GetWindowRect(&rcFile);
    const POINT ptInside = rcFile.CenterPoint();
    const POINT ptOutside = {rcFile.right + 200, rcFile.bottom + 100};

    // In the popup, or on the menu bar that tracks too: nothing closes.
    pMouse->OnTrackedMouseMessage(WM_LBUTTONDOWN, ptInside);
    CRect rcBar;
    m_bar.GetWindowRect(&rcBar);
    pMouse->OnTrackedMouseMessage(WM_LBUTTONUP, rcBar.CenterPoint());
    EXPECT_TRUE(pFile->GetSafeHwnd());

    // On a trusted window: nothing closes.
    // Shown without taking the activation: an activation change would end
    // the menus' tracking on its own.
    CWnd trusted;
    trusted.CreateEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP,
                     CRect(ptOutside.x - 10, ptOutside.y - 10, ptOutside.x + 10, ptOutside.y + 10),
                     nullptr, 0);
    ::ShowWindow(trusted.GetSafeHwnd(), SW_SHOWNOACTIVATE);
    pMouse->AddTrustedWindow(trusted.GetSafeHwnd());
    pMouse->OnTrackedMouseMessage(WM_LBUTTONDOWN, ptOutside);
    EXPECT_TRUE(pFile->GetSafeHwnd());
    pMouse->RemoveTrustedWindow(trusted.GetSafeHwnd());
    trusted.DestroyWindow();

    // A button-up outside does nothing while a modal loop locks the manager.
    pMouse->LockTracking(TRUE);
    pMouse->OnTrackedMouseMessage(WM_LBUTTONUP, ptOutside);
    EXPECT_TRUE(pFile->GetSafeHwnd());
    pMouse->LockTracking(FALSE);
    // Unlocked it closes everything, the menu bar's menu mode included.
    pMouse->OnTrackedMouseMessage(WM_LBUTTONUP, ptOutside);
    EXPECT_EQ(nullptr, pFile->GetSafeHwnd());
    EXPECT_EQ(0, m_bar.GetTrackingMode());
    EXPECT_EQ(0, pMouse->GetTrackCount());

    // A press outside closes them as well; a move is passed on.
    ASSERT_TRUE(m_bar.OpenControlPopup(0, TRUE));
    pMouse->OnTrackedMouseMessage(WM_MOUSEMOVE, ptOutside);
    EXPECT_TRUE(FileMenu()->GetSafeHwnd());
    pMouse->OnTrackedMouseMessage(WM_RBUTTONDOWN, ptOutside);
    EXPECT_EQ(nullptr, FileMenu()->GetSafeHwnd());
}

TEST_F(PopupControlTest, LockedBarsAndRepeatedMoves)
{
    CXTPMouseManager* pMouse = XTPMouseManager();
    ASSERT_TRUE(m_bar.OpenControlPopup(0, TRUE));
    FileMenu()->OnHookKeyDown(VK_DOWN, 0);
    FileMenu()->OnHookKeyDown(VK_RIGHT, 0);
    ASSERT_TRUE(RecentMenu()->GetSafeHwnd());
    ASSERT_EQ(3, pMouse->GetTrackCount());

    // Lock counts follow every tracked bar; a click in the locked first bar
    // closes the others.
    pMouse->LockTrackRecurse(TRUE);
    EXPECT_EQ(1, m_bar.GetLockCount());
    EXPECT_EQ(1, RecentMenu()->GetLockCount());
    pMouse->SendTrackLostRecurse();   // every bar is locked: nobody leaves
    EXPECT_EQ(3, pMouse->GetTrackCount());
    RecentMenu()->LockTracking(FALSE);
    FileMenu()->LockTracking(FALSE);
    CRect rcBar;
    m_bar.GetWindowRect(&rcBar);
    pMouse->OnTrackedMouseMessage(WM_LBUTTONDOWN, rcBar.CenterPoint());
    EXPECT_EQ(nullptr, RecentMenu()->GetSafeHwnd());
    EXPECT_EQ(nullptr, FileMenu()->GetSafeHwnd());
    EXPECT_EQ(1, pMouse->GetTrackCount());
    m_bar.LockTracking(FALSE);
    EXPECT_EQ(0, m_bar.GetLockCount());

    // While bars track, a move to the point of the last message is eaten.
    MOUSEHOOKSTRUCT hook = {};
    hook.pt = {rcBar.left + 3, rcBar.top + 3};
    const LPARAM lParam = reinterpret_cast<LPARAM>(&hook);
    CXTPMouseManager::MouseProc(HC_ACTION, WM_MOUSEMOVE, lParam);
    EXPECT_EQ(1, CXTPMouseManager::MouseProc(HC_ACTION, WM_MOUSEMOVE, lParam));
    EXPECT_EQ(1, CXTPMouseManager::MouseProc(HC_ACTION, WM_NCMOUSEMOVE, lParam));
    hook.pt.x += 1;
    EXPECT_EQ(0, CXTPMouseManager::MouseProc(HC_ACTION, WM_MOUSEMOVE, lParam));

    // Tracked elements (a focused edit) make other bars count as blocked.
    m_bar.SetTrackingMode(0);
    EXPECT_FALSE(pMouse->IsTrackingBlocked(&m_bar));
    pMouse->AddTrackedElement();
    EXPECT_TRUE(pMouse->IsTrackingBlocked(&m_bar));
    pMouse->RemoveTrackedElement();
    pMouse->RemoveTrackedElement();
    EXPECT_EQ(0, pMouse->GetTrackedElementCount());
    EXPECT_FALSE(pMouse->IsTrackingBlocked(&m_bar));
}

} // namespace
