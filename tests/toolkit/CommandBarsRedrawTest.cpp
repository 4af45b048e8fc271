// The frame's command bars after a change of the system's colours or
// settings, and at idle time: every control hears of the change, the
// docked and the floating toolbars are measured again and the frame paints
// its frame; the idle pass updates the buttons of a floating toolbar, which
// is no child of the frame, as it updates the docked ones.
#include "toolkit/commandbars/CommandBars.h"

#include "BarTestSupport.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/WinThread.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/FrameWnd.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/extras/StatusBar.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const UINT ID_SIZED = 7301;
const UINT ID_UPDATED = 7302;
const UINT kStatusPanes[] = {0};

// A button whose size the test sets, counting the theme changes it hears of.
class CSizedButton : public CXTPControlButton
{
public:
    CSize GetSize(CDC* /*pDC*/) override { return s_size; }
    void OnThemeChanged() override { ++m_nThemeChanges; }
    int m_nThemeChanges = 0;
    static CSize s_size;
};
CSize CSizedButton::s_size(20, 20);

class CRedrawFrame : public CXTPFrameWnd
{
public:
    int m_nNcPaints = 0;
    // What the update handler of ID_UPDATED sets.
    BOOL m_bEnable = TRUE;
    BOOL m_bCheck = FALSE;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NCPAINT)
            ++m_nNcPaints;
        return CXTPFrameWnd::WindowProc(message, wParam, lParam);
    }
    afx_msg void OnUpdated() {}
    afx_msg void OnUpdateUpdated(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(m_bEnable);
        pCmdUI->SetCheck(m_bCheck);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRedrawFrame, CXTPFrameWnd)
    ON_COMMAND(ID_UPDATED, OnUpdated)
    ON_UPDATE_COMMAND_UI(ID_UPDATED, OnUpdateUpdated)
END_MESSAGE_MAP()

class CommandBarsRedrawTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CSizedButton::s_size = CSize(20, 20);
        m_pFrame = new CRedrawFrame;   // frames delete themselves when destroyed
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Neu zeichnen", WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 440)));
        ASSERT_TRUE(m_status.Create(m_pFrame));
        m_status.SetPanesFromIds(kStatusPanes, 1);
        ASSERT_TRUE(m_pFrame->InitCommandBars());
        m_pCommandBars = m_pFrame->GetCommandBars();
        m_pDocked = MakeBar("Standard", 301, xtpBarTop);
        m_pFloating = MakeBar("Tabelle", 302, xtpBarFloating);
        m_pFloating->OnRecalcLayout();
        m_pFrame->ShowWindow(SW_SHOWNA);
        m_pFrame->RecalcLayout();
        PumpMessages();
    }
    void TearDown() override
    {
        m_pCommandBars->RemoveAll();
        m_pFrame->DestroyWindow();
        PumpMessages();
        CSizedButton::s_size = CSize(20, 20);
    }
    CXTPToolBar* MakeBar(LPCSTR lpszTitle, UINT nBarId, int nPosition)
    {
        CXTPToolBar* pBar = m_pCommandBars->CreateToolBar(lpszTitle, nPosition);
        EXPECT_NE(nullptr, pBar);
        if (!pBar)
            return nullptr;
        pBar->SetBarID(nBarId);
        for (UINT nId : {ID_SIZED, ID_SIZED, ID_UPDATED})
            pBar->GetControls()->Add(new CSizedButton, static_cast<int>(nId));
        return pBar;
    }
    std::vector<int> ThemeChanges() const
    {
        std::vector<int> counts;
        for (CXTPToolBar* pBar : {m_pDocked, m_pFloating})
            for (int i = 0; i < pBar->GetControlCount(); ++i)
                if (CSizedButton* pButton = dynamic_cast<CSizedButton*>(pBar->GetControl(i)))
                    counts.push_back(pButton->m_nThemeChanges);
        return counts;
    }

    CRedrawFrame* m_pFrame = nullptr;
    CXTPStatusBar m_status;
    CXTPCommandBars* m_pCommandBars = nullptr;
    CXTPToolBar* m_pDocked = nullptr;
    CXTPToolBar* m_pFloating = nullptr;
};

} // namespace

TEST_F(CommandBarsRedrawTest, ColourAndSettingChangesLayTheBarsOutAgain)
{
    const UINT kMessages[] = {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE};
    int nRound = 0;
    for (UINT message : kMessages)
    {
        ++nRound;
        // The buttons grow without telling anyone: only a new layout sees it.
        CSizedButton::s_size = CSize(20 + 12 * nRound, 20 + 10 * nRound);
        const CSize szDocked = WindowRect(m_pDocked).Size();
        const CSize szFloating = WindowRect(m_pFloating).Size();
        m_pFrame->m_nNcPaints = 0;

        m_pFrame->SendMessage(message, 0, 0);

        EXPECT_EQ(std::vector<int>(6, nRound), ThemeChanges()) << message;
        EXPECT_EQ(szDocked.cy + 10, WindowRect(m_pDocked).Size().cy) << message;
        EXPECT_GT(WindowRect(m_pDocked).Size().cx, szDocked.cx) << message;
        EXPECT_EQ(szFloating.cy + 10, WindowRect(m_pFloating).Size().cy) << message;
        EXPECT_GT(WindowRect(m_pFloating).Size().cx, szFloating.cx) << message;
        // The top dock bar grew with its row: the frame was laid out again.
        CRect rcDocked, rcDock;
        m_pDocked->GetWindowRect(&rcDocked);
        m_pCommandBars->GetDockBar(0)->GetWindowRect(&rcDock);
        EXPECT_EQ(rcDocked.bottom, rcDock.bottom) << message;
        EXPECT_GE(m_pFrame->m_nNcPaints, 1) << message;
        // The status bar waits for its repaint.
        CRect rcUpdate;
        EXPECT_TRUE(::GetUpdateRect(m_status.GetSafeHwnd(), &rcUpdate, FALSE)) << message;
        PumpMessages();
    }
}

TEST_F(CommandBarsRedrawTest, IdleUpdatesReachTheFloatingToolbar)
{
    ASSERT_TRUE(m_pFloating->IsWindowVisible());
    std::unique_ptr<CWinApp> pOwnApp;
    if (!AfxGetApp())
        pOwnApp.reset(new CWinApp("RedrawTest"));
    CWinApp* pApp = AfxGetApp();
    CWnd* pOldMain = pApp->m_pMainWnd;
    pApp->m_pMainWnd = m_pFrame;

    const struct
    {
        BOOL bEnable;
        BOOL bCheck;
    } kStates[] = {{FALSE, TRUE}, {TRUE, FALSE}, {FALSE, FALSE}};
    for (const auto& state : kStates)
    {
        m_pFrame->m_bEnable = state.bEnable;
        m_pFrame->m_bCheck = state.bCheck;
        AfxIdleUpdateNow();
        for (CXTPToolBar* pBar : {m_pDocked, m_pFloating})
        {
            CXTPControl* pControl = pBar->GetControls()->FindControl(ID_UPDATED);
            ASSERT_NE(nullptr, pControl);
            EXPECT_EQ(state.bEnable, pControl->GetEnabled()) << pBar->GetTitle();
            EXPECT_EQ(state.bCheck, pControl->GetChecked()) << pBar->GetTitle();
        }
    }
    pApp->m_pMainWnd = pOldMain;
}
