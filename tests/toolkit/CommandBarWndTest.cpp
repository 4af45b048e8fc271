// The command bar as a window: tracking mode and the thread's managers,
// keyboard navigation and access letters, the idle update from the frame's
// handlers, status texts, tooltips, help hit tests, the menu converter and
// painting. Keys are handed to the bar the way the keyboard manager does
// (OnHookKeyDown); real input runs in the serial input tests.
#include "toolkit/commandbars/CommandBar.h"

#include "BarTestSupport.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/Menu.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/KeyboardManager.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/extras/ToolTipContext.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct ReleaseBars
{
    void operator()(CXTPCommandBars* p) const { p->InternalRelease(); }
};
using BarsPtr = std::unique_ptr<CXTPCommandBars, ReleaseBars>;

enum
{
    ID_NEU = 32800,
    ID_OEFFNEN,
    ID_SPEICHERN,
    ID_DRUCKEN,
    ID_ANSICHT,
    ID_OHNE,
};

// A button that opens a (pretend) popup and counts what the bar asks of it.
class CProbeControl : public CXTPControlButton
{
public:
    explicit CProbeControl(BOOL bPopup) { SetType(bPopup ? xtpControlPopup : xtpControlButton); }
    BOOL SetPopupOpen(BOOL bOpen) override
    {
        if (GetType() != xtpControlPopup)
            return FALSE;
        m_bOpen = bOpen;
        return TRUE;
    }
    BOOL IsPopupOpen() const override { return m_bOpen; }
    void OnKeyboardActivate() override { ++m_nActivations; }
    void OnRButtonUp(CPoint) override { ++m_nRButtonUps; }
    void OnClick(BOOL bKeyboard, CPoint) override { m_nClicks += bKeyboard ? 100 : 1; }

    BOOL m_bOpen = FALSE;
    int m_nActivations = 0;
    int m_nRButtonUps = 0;
    int m_nClicks = 0;
};

class CWndBar : public CXTPCommandBar
{
public:
    BOOL Create(CWnd* pParent, DWORD dwStyle, DWORD dwExStyle = 0)
    {
        return CreateBarWindow("XTPToolBar", CS_DBLCLKS, dwExStyle, dwStyle, CRect(0, 0, 320, 24),
                               pParent);
    }
    void SetBarType(int nType) { m_barType = nType; }
    void SetBarPosition(int nPosition) { m_barPosition = nPosition; }
    CProbeControl* Add(LPCSTR lpszCaption, BOOL bPopup = TRUE, int nId = 0)
    {
        CProbeControl* pControl = new CProbeControl(bPopup);
        m_pControls->Add(pControl, nId);
        pControl->SetCaption(lpszCaption);
        return pControl;
    }
    // Cells of 40 x 22 pixels in one row.
    void LayOutRow()
    {
        for (int i = 0; i < GetControlCount(); ++i)
            GetControl(i)->SetRect(CRect(i * 40, 1, i * 40 + 40, 23));
    }
    CProbeControl* Probe(int nIndex) const { return static_cast<CProbeControl*>(GetControl(nIndex)); }
    void SetExecOnRButton(BOOL bExec) { m_bExecOnRButton = bExec; }
};

// The frame the bars report to, with update handlers for some commands.
class CSiteFrame : public CFrameWnd
{
public:
    int m_nTrackingMessages = 0;
    LRESULT m_nRButtonAnswer = 0;
    std::vector<std::string> m_statusTexts;
    std::function<void()> m_onUpdate;
    BOOL m_bEnableOeffnen = FALSE;

protected:
    afx_msg void OnCommandRan() {}
    afx_msg void OnUpdateNeu(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetCheck(1);
        if (m_onUpdate)
            m_onUpdate();
    }
    afx_msg void OnUpdateOeffnen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bEnableOeffnen); }
    afx_msg void OnUpdateSpeichern(CCmdUI* pCmdUI) { pCmdUI->SetText("Speichern &unter..."); }
    afx_msg LRESULT OnTrackingMode(WPARAM, LPARAM)
    {
        ++m_nTrackingMessages;
        return 0;
    }
    afx_msg LRESULT OnRButton(WPARAM, LPARAM) { return m_nRButtonAnswer; }
    afx_msg LRESULT OnSetText(WPARAM, LPARAM lParam)
    {
        m_statusTexts.push_back(reinterpret_cast<LPCSTR>(lParam));
        return 0;
    }
    afx_msg LRESULT OnPopText(WPARAM wParam, LPARAM)
    {
        m_statusTexts.push_back(wParam == AFX_IDS_IDLEMESSAGE ? "<Bereit>" : "<?>");
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSiteFrame, CFrameWnd)
    ON_COMMAND(ID_SPEICHERN, OnCommandRan)
    ON_COMMAND(ID_DRUCKEN, OnCommandRan)
    ON_UPDATE_COMMAND_UI(ID_NEU, OnUpdateNeu)
    ON_UPDATE_COMMAND_UI(ID_OEFFNEN, OnUpdateOeffnen)
    ON_UPDATE_COMMAND_UI(ID_SPEICHERN, OnUpdateSpeichern)
    ON_MESSAGE(XTP_WM_TRACKINGMODE, OnTrackingMode)
    ON_MESSAGE(XTP_WM_CONTROLRBUTTONUP, OnRButton)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetText)
    ON_MESSAGE(WM_POPMESSAGESTRING, OnPopText)
END_MESSAGE_MAP()

class CommandBarWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CSiteFrame;   // frames delete themselves when destroyed
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Test", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
        m_pCommandBars.reset(new CXTPCommandBars);
        m_pCommandBars->SetSite(m_pFrame);
        m_bar.SetCommandBars(m_pCommandBars.get());
    }
    void TearDown() override
    {
        m_bar.DetachAndDestroy();
        m_pFrame->DestroyWindow();
    }
    // A visible popup bar owned by the frame, so that its idle update runs.
    void CreateBar(int nPosition = xtpBarTop, DWORD dwExStyle = 0)
    {
        m_bar.SetBarPosition(nPosition);
        ASSERT_TRUE(m_bar.Create(m_pFrame, WS_POPUP | WS_VISIBLE, dwExStyle));
    }
    void Keys(std::initializer_list<UINT> keys)
    {
        for (UINT nKey : keys)
            EXPECT_EQ(CXTPHookManagerHookAble::hookHandled, m_bar.OnHookKeyDown(nKey, 0));
    }

    CSiteFrame* m_pFrame = nullptr;
    BarsPtr m_pCommandBars;
    CWndBar m_bar;
};

TEST_F(CommandBarWndTest, TrackingModeJoinsAndLeavesTheThreadsManagers)
{
    m_bar.SetBarType(xtpBarTypeMenuBar);
    CreateBar();
    m_bar.Add("&Datei");
    m_bar.Add("&Bearbeiten");
    CXTPMouseManager* pMouse = XTPMouseManager();
    const INT_PTR nHandlers = XTPKeyboardManager()->GetHandlerCount();

    EXPECT_TRUE(m_bar.SetTrackingMode(1, TRUE, TRUE));
    EXPECT_EQ(1, m_pFrame->m_nTrackingMessages);
    EXPECT_TRUE(pMouse->IsTracked(&m_bar));
    EXPECT_EQ(nHandlers + 1, XTPKeyboardManager()->GetHandlerCount());
    EXPECT_EQ(0, m_bar.GetSelectedIndex());   // select-first takes the first control

    // Switching between tracking modes notifies nobody.
    EXPECT_FALSE(m_bar.SetTrackingMode(2));
    EXPECT_EQ(2, m_bar.GetTrackingMode());
    EXPECT_EQ(1, m_pFrame->m_nTrackingMessages);

    m_bar.LockTracking(TRUE);
    EXPECT_TRUE(m_bar.SetTrackingMode(0, TRUE));
    EXPECT_FALSE(pMouse->IsTracked(&m_bar));
    EXPECT_EQ(nHandlers, XTPKeyboardManager()->GetHandlerCount());
    EXPECT_EQ(-1, m_bar.GetSelectedIndex());
    EXPECT_EQ(0, m_bar.GetLockCount());
    m_bar.LockTracking(FALSE);
    EXPECT_EQ(0, m_bar.GetLockCount());   // never below 0
}

TEST_F(CommandBarWndTest, AltClosesEveryTrackedBarThroughTheKeyboardManager)
{
    CreateBar();
    m_bar.Add("&Datei");
    CWndBar other;
    ASSERT_TRUE(other.Create(m_pFrame, WS_POPUP));
    other.Add("&Neu");
    m_bar.SetTrackingMode(1, TRUE, TRUE);
    other.SetTrackingMode(1, TRUE, TRUE);
    ASSERT_EQ(2, XTPMouseManager()->GetTrackCount());
    XTPMouseManager()->SendTrackLost();
    EXPECT_EQ(0, XTPMouseManager()->GetTrackCount());
    EXPECT_EQ(0, m_bar.GetTrackingMode());
    EXPECT_EQ(0, other.GetTrackingMode());
    other.DetachAndDestroy();
}

TEST_F(CommandBarWndTest, OnlyOneBarOfTheThreadKeepsAHotControl)
{
    CreateBar();
    m_bar.Add("&Datei");
    CWndBar other;
    ASSERT_TRUE(other.Create(m_pFrame, WS_POPUP));
    other.Add("&Neu");
    EXPECT_TRUE(m_bar.SetSelected(0, 0));
    EXPECT_FALSE(m_bar.SetSelected(0, 0));   // the same index changes nothing
    EXPECT_EQ(&m_bar, XTPMouseManager()->GetSelected());
    other.SetTrackingMode(1, TRUE, TRUE);
    EXPECT_EQ(-1, m_bar.GetSelectedIndex());
    EXPECT_EQ(0, m_bar.Probe(0)->GetSelected());
    other.DetachAndDestroy();
    EXPECT_NE(&other, XTPMouseManager()->GetSelected());
}

// Keys along a horizontal bar: hidden controls are passed over, the walk
// wraps, and right-to-left windows swap Left and Right.
TEST_F(CommandBarWndTest, ArrowsHomeAndEndAlongABar)
{
    struct
    {
        const char* pszName;
        int nPosition;
        BOOL bRTL;
        std::vector<UINT> keys;
        int nSelected;
        int nPopup;
    } cases[] = {
        {"right", xtpBarTop, FALSE, {VK_RIGHT}, 1, -1},
        {"right skips hidden", xtpBarTop, FALSE, {VK_RIGHT, VK_RIGHT}, 3, -1},
        {"left wraps", xtpBarTop, FALSE, {VK_LEFT}, 5, -1},
        {"end then home", xtpBarTop, FALSE, {VK_END, VK_HOME}, 0, -1},
        {"right-to-left", xtpBarTop, TRUE, {VK_RIGHT}, 5, -1},
        {"right-to-left left", xtpBarTop, TRUE, {VK_LEFT}, 1, -1},
        {"down opens", xtpBarTop, FALSE, {VK_DOWN}, 0, 0},
        {"up on a root bar opens too", xtpBarBottom, FALSE, {VK_RIGHT, VK_UP}, 1, 1},
        {"vertical down", xtpBarLeft, FALSE, {VK_DOWN, VK_DOWN}, 3, -1},
        {"vertical right opens", xtpBarLeft, FALSE, {VK_DOWN, VK_RIGHT}, 1, 1},
        {"vertical right-to-left", xtpBarRight, TRUE, {VK_LEFT}, 0, 0},
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CWndBar bar;
        bar.SetCommandBars(m_pCommandBars.get());
        bar.SetBarPosition(c.nPosition);
        ASSERT_TRUE(bar.Create(m_pFrame, WS_POPUP, c.bRTL ? WS_EX_LAYOUTRTL : 0));
        bar.Add("&Datei");
        bar.Add("&Bearbeiten");
        bar.Add("&Ansicht")->SetHideFlags(xtpHideGeneric);
        bar.Add("E&xtras");
        bar.Add("&Fenster", FALSE)->SetEnabled(FALSE);
        bar.Add("Hilfe", FALSE);
        bar.SetTrackingMode(1, TRUE, TRUE);
        for (UINT nKey : c.keys)
            EXPECT_EQ(CXTPHookManagerHookAble::hookHandled, bar.OnHookKeyDown(nKey, 0));
        EXPECT_EQ(c.nSelected, bar.GetSelectedIndex());
        EXPECT_EQ(c.nPopup, bar.GetPopupIndex());
        EXPECT_EQ(c.nPopup == -1 ? 1 : 2, bar.GetTrackingMode());
        bar.DetachAndDestroy();
    }
}

TEST_F(CommandBarWndTest, CollapseAndEscapeLeaveOneLevelAtATime)
{
    CreateBar();
    m_bar.Add("&Datei");
    m_bar.Add("&Bearbeiten");
    m_bar.SetTrackingMode(1, TRUE, TRUE);
    Keys({VK_RIGHT, VK_DOWN});
    ASSERT_EQ(1, m_bar.GetPopupIndex());
    EXPECT_TRUE(m_bar.Probe(1)->m_bOpen);

    // Up closes the popup; the bar stays in keyboard tracking on the item.
    Keys({VK_UP});
    EXPECT_EQ(-1, m_bar.GetPopupIndex());
    EXPECT_FALSE(m_bar.Probe(1)->m_bOpen);
    EXPECT_EQ(1, m_bar.GetTrackingMode());
    EXPECT_EQ(1, m_bar.GetSelectedIndex());

    Keys({VK_ESCAPE});
    EXPECT_EQ(0, m_bar.GetTrackingMode());
    EXPECT_EQ(-1, m_bar.GetSelectedIndex());
}

TEST_F(CommandBarWndTest, ReturnClicksTheSelectedControlByKeyboard)
{
    CreateBar();
    m_bar.Add("&Neu", FALSE);
    m_bar.SetTrackingMode(1, TRUE, TRUE);
    Keys({VK_RETURN});
    EXPECT_EQ(100, m_bar.Probe(0)->m_nClicks);
}

// Access letters: the letter after a single ampersand, else the first
// character; a unique match runs, a shared one only selects, the next press
// moves on; disabled and hidden controls never match.
TEST_F(CommandBarWndTest, AccessLetters)
{
    struct
    {
        const char* pszName;
        std::vector<UINT> keys;
        int nSelected;
        std::vector<int> activations;   // per control
    } cases[] = {
        {"unique ampersand runs", {'X'}, 3, {0, 0, 0, 1, 0, 0, 0}},
        {"first character as fallback", {'H'}, 5, {0, 0, 0, 0, 0, 1, 0}},
        {"shared letter selects", {'S'}, 1, {0, 0, 0, 0, 0, 0, 0}},
        {"shared letter moves on", {'S', 'S'}, 2, {0, 0, 0, 0, 0, 0, 0}},
        {"shared letter wraps", {'S', 'S', 'S'}, 1, {0, 0, 0, 0, 0, 0, 0}},
        {"disabled does not match", {'F'}, 0, {0, 0, 0, 0, 0, 0, 0}},
        {"a double ampersand is no mark", {'B'}, 0, {0, 0, 0, 0, 0, 0, 0}},
        {"after it the first character", {'A'}, 6, {0, 0, 0, 0, 0, 0, 1}},
        {"no character", {VK_F5}, 0, {0, 0, 0, 0, 0, 0, 0}},
    };
    for (auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CWndBar bar;
        bar.SetBarPosition(xtpBarTop);
        ASSERT_TRUE(bar.Create(m_pFrame, WS_POPUP));
        bar.Add("&Datei", FALSE);
        bar.Add("&Suchen", FALSE);
        bar.Add("&Sortieren", FALSE);
        bar.Add("E&xtras", FALSE);
        bar.Add("&Fenster", FALSE)->SetEnabled(FALSE);
        bar.Add("Hilfe", FALSE);
        bar.Add("A&&B", FALSE);
        bar.SetTrackingMode(1, TRUE, TRUE);
        for (UINT nKey : c.keys)
            EXPECT_EQ(CXTPHookManagerHookAble::hookHandled, bar.OnHookKeyDown(nKey, 0));
        EXPECT_EQ(c.nSelected, bar.GetSelectedIndex());
        for (int i = 0; i < bar.GetControlCount(); ++i)
            EXPECT_EQ(c.activations[i], bar.Probe(i)->m_nActivations) << i;
        bar.DetachAndDestroy();
    }
}

TEST_F(CommandBarWndTest, BarWithoutVisibleControlsFindsNothing)
{
    CreateBar();
    m_bar.Add("&Datei")->SetHideFlags(xtpHideGeneric);
    m_bar.SetTrackingMode(1, TRUE, TRUE);
    Keys({VK_HOME, VK_END, VK_DOWN, 'D'});
    EXPECT_EQ(-1, m_bar.GetSelectedIndex());
    BOOL bAmbiguous = TRUE;
    EXPECT_EQ(-1, m_bar.FindAccessKey('D', bAmbiguous));
    EXPECT_FALSE(bAmbiguous);
}

TEST_F(CommandBarWndTest, LockedOrCustomizingBarsTakeKeysWithoutActing)
{
    CreateBar();
    m_bar.Add("&Datei");
    m_bar.Add("&Bearbeiten");
    m_bar.SetTrackingMode(1, TRUE, TRUE);
    m_bar.LockTracking(TRUE);
    EXPECT_EQ(CXTPHookManagerHookAble::hookHandled, m_bar.OnHookKeyDown(VK_RIGHT, 0));
    EXPECT_EQ(0, m_bar.GetSelectedIndex());
    m_bar.LockTracking(FALSE);
    m_pCommandBars->SetCustomizeMode(TRUE);
    EXPECT_EQ(CXTPHookManagerHookAble::hookPassOn, m_bar.OnHookKeyDown(VK_RIGHT, 0));
    EXPECT_EQ(0, m_bar.GetSelectedIndex());
    m_pCommandBars->SetCustomizeMode(FALSE);
}

// Up and Down on a floating bar with two rows go to the control above or
// below: the right-most one whose left edge is not right of the start's.
TEST_F(CommandBarWndTest, UpAndDownMoveBetweenRowsOfAFloatingBar)
{
    CreateBar(xtpBarFloating);
    const CRect rcRows[] = {CRect(0, 0, 120, 22), CRect(0, 22, 120, 44)};
    const int lefts[] = {0, 30, 70, 0, 50, 90};
    for (int i = 0; i < 6; ++i)
    {
        CProbeControl* pControl = m_bar.Add("Knopf", FALSE);
        const CRect& rcRow = rcRows[i / 3];
        pControl->SetRect(CRect(lefts[i], rcRow.top, lefts[i] + 25, rcRow.bottom));
        pControl->SetRowRect(rcRow);
    }
    m_bar.SetTrackingMode(1, TRUE, TRUE);
    struct
    {
        int nStart;
        UINT nKey;
        int nExpected;
    } cases[] = {
        {1, VK_DOWN, 3},   // left 30: the row below has 0 (left 0) and 50
        {2, VK_DOWN, 4},   // left 70 lands on left 50
        {4, VK_UP, 1},     // left 50 lands on left 30
        {3, VK_DOWN, 0},   // the walk wraps to the first row
        {5, VK_UP, 2},
    };
    for (auto& c : cases)
    {
        m_bar.SetSelected(c.nStart, 2);
        Keys({c.nKey});
        EXPECT_EQ(c.nExpected, m_bar.GetSelectedIndex()) << c.nStart << " " << c.nKey;
    }
}

TEST_F(CommandBarWndTest, OpenControlPopupRefusesDisabledAndUnopenableControls)
{
    CreateBar();
    m_bar.Add("&Datei")->SetEnabled(FALSE);
    m_bar.Add("&Neu", FALSE);
    m_bar.Add("&Ansicht");
    EXPECT_FALSE(m_bar.OpenControlPopup(0));
    EXPECT_EQ(-1, m_bar.GetPopupIndex());
    EXPECT_FALSE(m_bar.OpenControlPopup(1));
    EXPECT_EQ(-1, m_bar.GetPopupIndex());
    EXPECT_EQ(0, m_bar.GetTrackingMode());   // no menu mode without a menu
    m_bar.SetTrackingMode(1, FALSE, TRUE);
    EXPECT_FALSE(m_bar.OpenControlPopup(1, TRUE));
    EXPECT_EQ(1, m_bar.GetTrackingMode());
    EXPECT_FALSE(m_bar.OpenControlPopup(7));
    EXPECT_TRUE(m_bar.OpenControlPopup(2, TRUE));
    EXPECT_EQ(2, m_bar.GetTrackingMode());
    EXPECT_EQ(2, m_bar.GetSelectedIndex());
    EXPECT_FALSE(m_bar.OpenControlPopup(2));   // already open
    EXPECT_TRUE(m_bar.OpenControlPopup(-1));
    EXPECT_FALSE(m_bar.Probe(2)->m_bOpen);
}

TEST_F(CommandBarWndTest, MouseMovesSelectAndAMenuModeBarKeepsItsControl)
{
    CreateBar();
    m_bar.Add("&Datei");
    m_bar.Add("&Bearbeiten");
    m_bar.LayOutRow();
    m_bar.SetTrackingMode(1, FALSE, FALSE);
    m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(50, 10));
    EXPECT_EQ(1, m_bar.GetSelectedIndex());
    EXPECT_EQ(1, m_bar.Probe(1)->GetSelected());   // hot by the mouse
    m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(200, 10));
    EXPECT_EQ(1, m_bar.GetSelectedIndex());
    m_bar.SendMessage(WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(1, m_bar.GetSelectedIndex());
}

TEST_F(CommandBarWndTest, RightButtonUpAsksTheSiteFirst)
{
    CreateBar();
    m_bar.Add("&Neu", FALSE);
    m_bar.LayOutRow();
    m_pFrame->m_nRButtonAnswer = 1;
    m_bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(0, m_bar.Probe(0)->m_nRButtonUps);
    m_pFrame->m_nRButtonAnswer = 0;
    m_bar.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1, m_bar.Probe(0)->m_nRButtonUps);
}

// One idle pass: enabled, checked and caption from the handlers; a command
// with neither update nor command handler is disabled.
TEST_F(CommandBarWndTest, IdleUpdateTakesStatesFromTheFramesHandlers)
{
    CreateBar();
    CXTPControls* pControls = m_bar.GetControls();
    CXTPControl* pNeu = pControls->Add(xtpControlButton, ID_NEU);
    CXTPControl* pOeffnen = pControls->Add(xtpControlButton, ID_OEFFNEN);
    CXTPControl* pSpeichern = pControls->Add(xtpControlButton, ID_SPEICHERN);
    CXTPControl* pDrucken = pControls->Add(xtpControlButton, ID_DRUCKEN);
    CXTPControl* pOhne = pControls->Add(xtpControlButton, ID_OHNE);
    CXTPControl* pManual = pControls->Add(xtpControlButton, ID_ANSICHT);
    pManual->SetFlags(xtpFlagManualUpdate);

    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_TRUE(pNeu->GetEnabled());
    EXPECT_TRUE(pNeu->GetChecked());
    EXPECT_FALSE(pOeffnen->GetEnabled());
    EXPECT_STREQ("Speichern &unter...", pSpeichern->GetCaption());
    EXPECT_TRUE(pDrucken->GetEnabled());
    EXPECT_FALSE(pOhne->GetEnabled());
    EXPECT_TRUE(pManual->GetEnabled());

    m_pFrame->m_bEnableOeffnen = TRUE;
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_TRUE(pOeffnen->GetEnabled());

    // Without the option nothing is disabled for want of a handler.
    m_pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
    pOhne->SetEnabled(-1);
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_TRUE(pOhne->GetEnabled());
}

TEST_F(CommandBarWndTest, IdleUpdateSurvivesHandlersThatRemoveControls)
{
    CreateBar();
    CXTPControls* pControls = m_bar.GetControls();
    pControls->Add(xtpControlButton, ID_NEU);
    pControls->Add(xtpControlButton, ID_OEFFNEN);
    pControls->Add(xtpControlButton, ID_OHNE);
    CXTPControl* pLast = pControls->Add(xtpControlButton, ID_SPEICHERN);
    m_pFrame->m_onUpdate = [&]() {
        if (pControls->GetCount() > 2)
        {
            pControls->RemoveAt(1);
            pControls->RemoveAt(1);
        }
    };
    m_bar.SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    ASSERT_EQ(2, pControls->GetCount());
    EXPECT_STREQ("Speichern &unter...", pLast->GetCaption());
}

TEST_F(CommandBarWndTest, SelectionSendsTheStatusText)
{
    CreateBar();
    CXTPControl* pControl = m_bar.GetControls()->Add(xtpControlButton, ID_NEU);
    pControl->SetDescription("Erstellt eine neue Kartei");
    pControl->SetHelpId(4711);
    m_bar.SetSelected(0, 2);
    EXPECT_EQ(4711, m_pCommandBars->GetHelpId());
    m_bar.SetSelected(-1, 0);
    EXPECT_EQ(0, m_pCommandBars->GetHelpId());
    EXPECT_EQ((std::vector<std::string>{"Erstellt eine neue Kartei", "<Bereit>"}),
              m_pFrame->m_statusTexts);

    m_pCommandBars->GetCommandBarsOptions()->bShowStatusDescriptions = FALSE;
    m_bar.SetSelected(0, 2);
    EXPECT_EQ(2u, m_pFrame->m_statusTexts.size());
}

TEST_F(CommandBarWndTest, TooltipOfTheControlUnderThePointer)
{
    CreateBar();
    CXTPControl* pControl = m_bar.GetControls()->Add(xtpControlButton, ID_SPEICHERN);
    pControl->SetTooltip("Speichern");
    pControl->SetShortcutText("Strg+S");
    pControl->SetRect(CRect(0, 0, 22, 22));
    CXTPCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
    ASSERT_NE(nullptr, m_bar.GetToolTipContext());

    struct
    {
        BOOL bScreenTips;
        BOOL bAccelTips;
        CPoint pt;
        INT_PTR nExpected;
        const char* pszText;
    } cases[] = {
        {TRUE, FALSE, CPoint(5, 5), ID_SPEICHERN, "Speichern"},
        {TRUE, TRUE, CPoint(5, 5), ID_SPEICHERN, "Speichern (Strg+S)"},
        {TRUE, TRUE, CPoint(50, 5), -1, nullptr},
        {FALSE, TRUE, CPoint(5, 5), -1, nullptr},
    };
    for (auto& c : cases)
    {
        pOptions->bToolBarScreenTips = c.bScreenTips;
        pOptions->bToolBarAccelTips = c.bAccelTips;
        TOOLINFOA ti = {};
        ti.cbSize = CXTPToolTipContext::TOOLINFO_SIZE;
        EXPECT_EQ(c.nExpected, m_bar.OnToolHitTest(c.pt, &ti));
        if (c.pszText)
        {
            EXPECT_STREQ(c.pszText, ti.lpszText);
            EXPECT_EQ(m_bar.GetSafeHwnd(), ti.hwnd);
            EXPECT_EQ(CRect(0, 0, 22, 22), CRect(ti.rect));
        }
        CXTPToolTipContext::FreeToolInfoCopies(&ti);
    }
}

TEST_F(CommandBarWndTest, HelpHitTestGivesHelpIds)
{
    CreateBar();
    CXTPControl* pNeu = m_bar.GetControls()->Add(xtpControlButton, ID_NEU);
    CXTPControl* pOhne = m_bar.GetControls()->Add(xtpControlButton, ID_OHNE);
    pNeu->SetRect(CRect(0, 0, 20, 20));
    pOhne->SetRect(CRect(20, 0, 40, 20));
    pNeu->SetHelpId(900);
    EXPECT_EQ(0x10000 + 900, m_bar.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(5, 5)));
    EXPECT_EQ(0x10000 + ID_OHNE, m_bar.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(25, 5)));
    EXPECT_EQ(0, m_bar.SendMessage(WM_HELPHITTEST, 0, MAKELPARAM(100, 5)));
}

TEST(CommandBarMenu, LoadMenuMakesControlsFromItems)
{
    CWndBar bar;
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_NEU, "&Neu\tStrg+N");
    menu.AppendMenu(MF_SEPARATOR, 0, nullptr);
    menu.AppendMenu(MF_STRING | MF_CHECKED, ID_OEFFNEN, "Ö&ffnen");
    menu.AppendMenu(MF_STRING | MF_GRAYED, ID_DRUCKEN, "&Drucken");
    menu.AppendMenu(MF_STRING | MF_MENUBARBREAK, ID_ANSICHT, "&Ansicht");

    EXPECT_TRUE(bar.LoadMenu(&menu));
    ASSERT_EQ(4, bar.GetControlCount());
    EXPECT_STREQ("&Neu", bar.GetControl(0)->GetCaption());
    EXPECT_STREQ("Strg+N", bar.GetControl(0)->GetShortcutText());
    EXPECT_FALSE(bar.GetControl(0)->GetBeginGroup());
    EXPECT_TRUE(bar.GetControl(1)->GetBeginGroup());
    EXPECT_TRUE(bar.GetControl(1)->GetChecked());
    EXPECT_FALSE(bar.GetControl(2)->GetEnabled());
    EXPECT_TRUE(bar.GetControl(3)->GetBeginGroup());
    EXPECT_TRUE(bar.GetControl(3)->GetFlags() & xtpFlagWrapRow);

    // Loading again replaces, unless asked to add.
    EXPECT_TRUE(bar.LoadMenu(&menu));
    EXPECT_EQ(4, bar.GetControlCount());
    EXPECT_TRUE(bar.LoadMenu(&menu, FALSE));
    EXPECT_EQ(8, bar.GetControlCount());

    CMenu notAMenu;
    EXPECT_FALSE(bar.LoadMenu(&notAMenu));
    EXPECT_EQ(8, bar.GetControlCount());
}

TEST_F(CommandBarWndTest, PaintingLeavesNoGdiObjectBehind)
{
    CreateBar();
    m_bar.Add("&Datei");
    m_bar.Add("&Bearbeiten");
    m_bar.LayOutRow();
    m_bar.UpdateWindow();
    const DWORD nBefore = GdiObjectCount();
    for (int i = 0; i < 200; ++i)
    {
        m_bar.SetSelected(i % 2, 0);
        m_bar.Redraw();
        m_bar.UpdateWindow();
    }
    EXPECT_LE(GdiObjectCount(), nBefore + 2);
    EXPECT_TRUE(m_bar.SendMessage(WM_ERASEBKGND, 0, 0));
}

} // namespace
