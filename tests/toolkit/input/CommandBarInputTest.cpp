// A frame with a menu bar from the German test menu and a toolbar from the
// type-241 test resource, driven by real keys and mouse: Alt hands the
// keyboard to the menu bar, arrows wrap, Home/End, Esc leaves, letters
// select and run, Alt+letter opens, and toolbar buttons run their commands
// through the frame's handlers by the ordinary routing.
#include "toolkit/commandbars/MenuBar.h"

#include "InputTestSupport.h"
#include "toolkit/BarTestRes.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/KeyboardManager.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/res/ToolkitRes.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct ReleaseBars
{
    void operator()(CXTPCommandBars* p) const { p->InternalRelease(); }
};
using BarsPtr = std::unique_ptr<CXTPCommandBars, ReleaseBars>;

// A menu entry that counts how the keyboard runs it.
class CMenuEntry : public CXTPControlButton
{
public:
    void OnKeyboardActivate() override { ++m_nActivations; }
    int m_nActivations = 0;
};

class CBarFrame : public CFrameWnd
{
public:
    std::vector<UINT> m_commands;

protected:
    afx_msg void OnSave() { m_commands.push_back(ID_BAR_TEST_SAVE); }
    afx_msg void OnPrint() { m_commands.push_back(ID_BAR_TEST_PRINT); }
    afx_msg void OnNew() { m_commands.push_back(ID_BAR_TEST_NEW); }
    afx_msg LRESULT OnBeforeCreate(WPARAM, LPARAM lParam)
    {
        XTP_COMMANDBARS_CREATECONTROL* pCreate = reinterpret_cast<XTP_COMMANDBARS_CREATECONTROL*>(lParam);
        if (pCreate->bToolBar || pCreate->controlType != xtpControlPopup)
            return FALSE;
        pCreate->pControl = new CMenuEntry;
        pCreate->pControl->SetCaption(pCreate->strCaption);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBarFrame, CFrameWnd)
    ON_COMMAND(ID_BAR_TEST_SAVE, OnSave)
    ON_COMMAND(ID_BAR_TEST_PRINT, OnPrint)
    ON_COMMAND(ID_BAR_TEST_NEW, OnNew)
    ON_MESSAGE(WM_XTP_BEFORECREATECONTROL, OnBeforeCreate)
END_MESSAGE_MAP()

class CommandBarInputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        m_pFrame = new CBarFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Leisten", WS_OVERLAPPEDWINDOW, CRect(60, 60, 560, 400),
                                     nullptr, MAKEINTRESOURCEA(IDR_BAR_TEST_MENU)));
        m_pCommandBars.reset(new CXTPCommandBars);
        m_pCommandBars->SetSite(m_pFrame);
        m_pMenuBar = m_pCommandBars->CreateMenuBar("Menüleiste", IDR_BAR_TEST_MENU);
        ASSERT_NE(nullptr, m_pMenuBar);
        m_pToolBar = m_pCommandBars->CreateToolBar("Standard", xtpBarTop);
        ASSERT_NE(nullptr, m_pToolBar);
        ASSERT_TRUE(m_pToolBar->LoadToolBar(IDR_BAR_TEST_TOOLBAR, FALSE));
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        m_pFrame->RecalcLayout();
        PumpInputMessages();
        ASSERT_EQ(nullptr, ::GetMenu(m_pFrame->m_hWnd));
    }
    void TearDown() override
    {
        m_pCommandBars->CloseAllPopups();
        m_pCommandBars->RemoveAll();
        m_pFrame->DestroyWindow();
        PumpInputMessages();
    }
    CMenuEntry* Entry(int nIndex) { return static_cast<CMenuEntry*>(m_pMenuBar->GetControl(nIndex)); }
    CPoint CentreOf(CXTPCommandBar* pBar, int nIndex)
    {
        CPoint pt = pBar->GetControl(nIndex)->GetRect().CenterPoint();
        pBar->ClientToScreen(&pt);
        return pt;
    }

    CBarFrame* m_pFrame = nullptr;
    BarsPtr m_pCommandBars;
    CXTPMenuBar* m_pMenuBar = nullptr;
    CXTPToolBar* m_pToolBar = nullptr;
};

TEST_F(CommandBarInputTest, AltHandsTheKeyboardToTheMenuBar)
{
    TapKey(VK_MENU);
    ASSERT_EQ(1, m_pMenuBar->GetTrackingMode());
    EXPECT_EQ(0, m_pMenuBar->GetSelectedIndex());
    EXPECT_EQ(1, XTPKeyboardManager()->GetHandlerCount());

    struct
    {
        WORD wKey;
        int nSelected;
    } steps[] = {
        {VK_RIGHT, 1}, {VK_RIGHT, 2}, {VK_RIGHT, 3}, {VK_RIGHT, 0},   // wraps
        {VK_LEFT, 3},  {VK_HOME, 0},  {VK_END, 3},   {VK_LEFT, 2},
    };
    for (auto& step : steps)
    {
        TapKey(step.wKey);
        EXPECT_EQ(step.nSelected, m_pMenuBar->GetSelectedIndex()) << step.wKey;
    }
    // The keys never reached the frame's window as keys of its own.
    EXPECT_TRUE(m_pFrame->m_commands.empty());

    TapKey(VK_ESCAPE);
    EXPECT_EQ(0, m_pMenuBar->GetTrackingMode());
    EXPECT_EQ(-1, m_pMenuBar->GetSelectedIndex());
    EXPECT_EQ(0, XTPKeyboardManager()->GetHandlerCount());
}

TEST_F(CommandBarInputTest, AltAgainLeavesTheMenuBar)
{
    TapKey(VK_MENU);
    ASSERT_EQ(1, m_pMenuBar->GetTrackingMode());
    TapKey(VK_MENU);
    EXPECT_EQ(0, m_pMenuBar->GetTrackingMode());
    EXPECT_EQ(0, XTPMouseManager()->GetTrackCount());
}

TEST_F(CommandBarInputTest, LettersSelectAndRunMenus)
{
    // Alt+B opens "&Bearbeiten" at once.
    TapKeyWith(VK_MENU, 'B');
    EXPECT_EQ(1, m_pMenuBar->GetSelectedIndex());
    EXPECT_EQ(1, Entry(1)->m_nActivations);
    m_pCommandBars->CloseAllPopups();

    // In keyboard tracking a bare letter does the same.
    TapKey(VK_MENU);
    TapKey('S');
    EXPECT_EQ(2, m_pMenuBar->GetSelectedIndex());
    EXPECT_EQ(1, Entry(2)->m_nActivations);
    // A letter no menu has changes nothing.
    TapKey('Q');
    EXPECT_EQ(2, m_pMenuBar->GetSelectedIndex());
    EXPECT_EQ(0, Entry(0)->m_nActivations + Entry(3)->m_nActivations);
}

TEST_F(CommandBarInputTest, ToolbarButtonsRunTheirCommandsByMouseAndKeyboard)
{
    const int nSave = 2;
    ASSERT_EQ(ID_BAR_TEST_SAVE, m_pToolBar->GetControl(nSave)->GetID());
    ASSERT_TRUE(MoveMouseTo(CentreOf(m_pToolBar, nSave)));
    EXPECT_EQ(nSave, m_pToolBar->GetSelectedIndex());   // hot under the pointer
    // The press runs a modal loop until the release.
    ClickAndReleaseAt(CentreOf(m_pToolBar, nSave));
    EXPECT_EQ(std::vector<UINT>{ID_BAR_TEST_SAVE}, m_pFrame->m_commands);

    // Pressed, then released away from the button (in the frame, where
    // this display still reports the release): nothing runs.
    CRect rcFrame;
    m_pFrame->GetWindowRect(&rcFrame);
    ClickAndReleaseAt(rcFrame.CenterPoint());
    EXPECT_EQ(1u, m_pFrame->m_commands.size());
    EXPECT_EQ(nullptr, ::GetCapture());

    // Keyboard: the toolbar takes the keyboard, Right and Return run Print.
    ASSERT_TRUE(m_pCommandBars->ActivateBar(m_pToolBar, 0));
    EXPECT_EQ(0, m_pToolBar->GetSelectedIndex());
    TapKey(VK_END);   // the expand button is the last stop
    EXPECT_EQ(m_pToolBar->GetExpandButton(), m_pToolBar->GetControl(m_pToolBar->GetSelectedIndex()));
    TapKey(VK_LEFT);
    TapKey(VK_LEFT);
    TapKey(VK_RETURN);
    EXPECT_EQ((std::vector<UINT>{ID_BAR_TEST_SAVE, ID_BAR_TEST_PRINT}), m_pFrame->m_commands);
    m_pCommandBars->CloseAllPopups();
}

TEST_F(CommandBarInputTest, ExpandButtonOpensTheHiddenButtonsByMouse)
{
    // Too narrow for the toolbar: its last buttons hide behind the chevron.
    m_pToolBar->SetFlags(m_pToolBar->GetFlags() | xtpFlagHideWrap);
    CRect rcFrame;
    m_pFrame->GetWindowRect(&rcFrame);
    m_pFrame->SetWindowPos(nullptr, 0, 0, 90, rcFrame.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->RecalcLayout();
    PumpInputMessages();
    std::vector<int> expected;
    for (int i = 0; i < m_pToolBar->GetControlCount(); ++i)
        if (m_pToolBar->GetControl(i)->GetHideFlags() == xtpHideWrap)
            expected.push_back(m_pToolBar->GetControl(i)->GetID());
    ASSERT_NE(expected.end(), std::find(expected.begin(), expected.end(), ID_BAR_TEST_PRINT));
    expected.push_back(XTP_ID_CUSTOMIZE_ADDORREMOVE);
    CXTPControl* pExpand = m_pToolBar->GetExpandButton();
    ASSERT_NE(nullptr, pExpand);
    ASSERT_EQ(0u, pExpand->GetHideFlags());

    // A click on the chevron opens a popup of copies of exactly the hidden
    // buttons, then the add-or-remove item.
    ASSERT_TRUE(MoveMouseTo(CentreOf(m_pToolBar, pExpand->GetIndex())));
    PressLeftButton();
    ReleaseLeftButton();
    CXTPCommandBar* pMenu = pExpand->GetCommandBar();
    ASSERT_TRUE(pMenu && pMenu->GetSafeHwnd());
    EXPECT_TRUE(pMenu->IsWindowVisible());
    std::vector<int> listed;
    for (int i = 0; i < pMenu->GetControlCount(); ++i)
        listed.push_back(pMenu->GetControl(i)->GetID());
    EXPECT_EQ(expected, listed);

    // The add-or-remove item holds the row's toolbars.
    const int nAddRemove = pMenu->GetControlCount() - 1;
    CXTPCommandBar* pToolbars = pMenu->GetControl(nAddRemove)->GetCommandBar();
    ASSERT_TRUE(pToolbars && pToolbars->GetControlCount() > 0);
    EXPECT_STREQ("Standard", pToolbars->GetControl(0)->GetCaption());

    // A hidden button clicked in the menu runs its command by the frame's
    // handler and closes the menus.
    int nPrint = 0;
    while (pMenu->GetControl(nPrint)->GetID() != ID_BAR_TEST_PRINT)
        ++nPrint;
    ASSERT_TRUE(MoveMouseTo(CentreOf(pMenu, nPrint)));
    ClickAndReleaseAt(CentreOf(pMenu, nPrint));
    EXPECT_EQ(std::vector<UINT>{ID_BAR_TEST_PRINT}, m_pFrame->m_commands);
    EXPECT_EQ(nullptr, pMenu->GetSafeHwnd());
    EXPECT_EQ(0, XTPMouseManager()->GetTrackCount());
}

TEST_F(CommandBarInputTest, CtrlTabMovesBetweenBars)
{
    TapKey(VK_MENU);
    ASSERT_EQ(1, m_pMenuBar->GetTrackingMode());
    // Ctrl+Tab moves on from toolbars only; the menu bar walks its items.
    ASSERT_TRUE(m_pCommandBars->ActivateBar(m_pToolBar, 0));
    EXPECT_EQ(0, m_pMenuBar->GetTrackingMode());
    TapKeyWith(VK_CONTROL, VK_TAB);
    EXPECT_EQ(0, m_pToolBar->GetTrackingMode());
    EXPECT_EQ(1, m_pMenuBar->GetTrackingMode());
    EXPECT_EQ(0, m_pMenuBar->GetSelectedIndex());
}

} // namespace
