// Menus under the real mouse: a press on a menu-bar item opens its menu,
// the pointer resting on a sub-menu item opens the sub-menu, a click on a
// command closes every menu and sends the command, a click elsewhere closes
// them. Also the scroll base's thumb drag, and what 1,000 openings leave
// behind (here, so that the window churn runs once and alone).
#include "toolkit/commandbars/PopupBar.h"

#include "InputTestSupport.h"
#include "toolkit/BarTestSupport.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/KeyboardManager.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/ScrollBase.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/SystemInfo.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A window class that takes the mouse (a static control lets clicks through).
LPCSTR TestWindowClass()
{
    static const BOOL bRegistered = RegisterBarWindowClass(nullptr, "QivPopupInputTest", 0);
    return bRegistered ? "QivPopupInputTest" : "STATIC";
}

// A visible frame-like site that records the commands it gets.
class CSiteWnd : public CWnd
{
public:
    CSiteWnd()
    {
        CreateEx(0, TestWindowClass(), "Menüs", WS_POPUP | WS_VISIBLE, CRect(0, 0, 500, 400), nullptr, 0);
    }
    ~CSiteWnd() override { DestroyWindow(); }
    int m_nLastCommand = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            m_nLastCommand = LOWORD(wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class PopupInputTest : public ::testing::Test
{
protected:
    PopupInputTest() : m_pCommandBars(new CXTPCommandBars), m_bar(xtpBarTypeMenuBar, xtpBarTop)
    {
        m_pCommandBars->EnableActions(FALSE);
        m_pCommandBars->SetSite(&m_site);
        CXTPCommandBarsOptions* pOptions = m_pCommandBars->GetCommandBarsOptions();
        pOptions->nAnimationType = 5;
        pOptions->bDisableCommandIfNoHandler = FALSE;
        m_bar.SetCommandBars(m_pCommandBars.get());
        m_bar.CreateEx(0, TestWindowClass(), "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 24), &m_site, 0);
        CXTPControls* pControls = m_bar.GetControls();
        m_pFile = static_cast<CXTPControlPopup*>(pControls->Add(xtpControlPopup, 0));
        m_pFile->SetCaption("&Datei");
        m_pFile->SetRect(CRect(10, 0, 60, 22));
        CXTPControls* pItems = m_pFile->GetCommandBar()->GetControls();
        pItems->Add(xtpControlButton, 100)->SetCaption("&Neu");
        m_pRecent = static_cast<CXTPControlPopup*>(pItems->Add(xtpControlPopup, 0));
        m_pRecent->SetCaption("&Zuletzt");
        m_pRecent->GetCommandBar()->GetControls()->Add(xtpControlButton, 200)->SetCaption("&Eins");
        pItems->Add(xtpControlButton, 101)->SetCaption("&Beenden");
    }
    ~PopupInputTest() override
    {
        XTPMouseManager()->SendTrackLost();
        m_bar.DestroyWindow();
        m_pCommandBars->SetSite(nullptr);
    }

    CXTPPopupBar* FileMenu() const { return XTPPopupBarOf(m_pFile->GetCommandBar()); }
    CXTPPopupBar* RecentMenu() const { return XTPPopupBarOf(m_pRecent->GetCommandBar()); }
    // The centre of a control in screen coordinates.
    static POINT CentreOf(CXTPControl* pControl)
    {
        CRect rc = pControl->GetRect();
        pControl->GetParent()->ClientToScreen(&rc);
        return rc.CenterPoint();
    }
    void Click(POINT pt)
    {
        ASSERT_TRUE(MoveMouseTo(pt));
        PressLeftButton();
        ReleaseLeftButton();
    }

    CSiteWnd m_site;
    CRefPtr<CXTPCommandBars> m_pCommandBars;
    CTestBar m_bar;
    CXTPControlPopup* m_pFile;
    CXTPControlPopup* m_pRecent;
};

TEST_F(PopupInputTest, OpenRollOverRunAndClickOutside)
{
    ASSERT_TRUE(MakeForeground(m_site.GetSafeHwnd()));
    // A click on the menu-bar item opens its menu, and its button-up does
    // not run anything.
    Click(CentreOf(m_pFile));
    ASSERT_TRUE(FileMenu()->GetSafeHwnd());
    EXPECT_EQ(2, m_bar.GetTrackingMode());

    // Resting on the sub-menu item opens the sub-menu (the hover timer's
    // tick is sent rather than waited for).
    ASSERT_TRUE(MoveMouseTo(CentreOf(m_pRecent)));
    EXPECT_EQ(1, FileMenu()->GetSelectedIndex());
    FileMenu()->SendMessage(WM_TIMER, XTP_TID_HOVER, 0);
    ASSERT_TRUE(RecentMenu()->GetSafeHwnd());

    // A click on its command closes every menu and sends the command.
    Click(CentreOf(RecentMenu()->GetControl(0)));
    EXPECT_EQ(200, m_site.m_nLastCommand);
    EXPECT_EQ(nullptr, RecentMenu()->GetSafeHwnd());
    EXPECT_EQ(nullptr, FileMenu()->GetSafeHwnd());
    EXPECT_EQ(0, XTPMouseManager()->GetTrackCount());

    // Opened again, a click on the site's empty area closes it.
    m_site.m_nLastCommand = 0;
    Click(CentreOf(m_pFile));
    ASSERT_TRUE(FileMenu()->GetSafeHwnd());
    Click(POINT{400, 300});
    EXPECT_EQ(nullptr, FileMenu()->GetSafeHwnd());
    EXPECT_EQ(0, m_bar.GetTrackingMode());
    EXPECT_EQ(0, m_site.m_nLastCommand);
}

TEST_F(PopupInputTest, DraggingTheGripperOutTearsTheMenuOffAsAFloatingToolbar)
{
    ASSERT_TRUE(MakeForeground(m_site.GetSafeHwnd()));
    const UINT nBarId = 500;
    FileMenu()->SetTearOffPopup("Datei", nBarId, 200);
    Click(CentreOf(m_pFile));
    ASSERT_TRUE(FileMenu()->GetSafeHwnd());
    CRect rcGripper = FileMenu()->GetGripperRect();
    ASSERT_FALSE(rcGripper.IsRectEmpty());
    FileMenu()->ClientToScreen(&rcGripper);

    // Pressed on the gripper and let go far outside the menu.
    ASSERT_TRUE(MoveMouseTo(rcGripper.CenterPoint()));
    const POINT ptDrop = {350, 300};
    ClickAndReleaseAt(ptDrop);
    PumpInputMessages();

    CXTPToolBar* pToolBar = m_pCommandBars->GetToolBar(nBarId);
    ASSERT_TRUE(pToolBar);
    EXPECT_EQ(xtpBarFloating, pToolBar->GetPosition());
    EXPECT_TRUE(pToolBar->IsWindowVisible());
    EXPECT_TRUE(pToolBar->IsTearOffBar());
    EXPECT_FALSE(pToolBar->IsBuiltIn());
    EXPECT_STREQ("Datei", pToolBar->GetTitle());
    EXPECT_EQ(200, pToolBar->GetMRUWidth());
    std::vector<CString> captions;
    for (int i = 0; i < pToolBar->GetControlCount(); ++i)
        if (!pToolBar->GetControl(i)->IsTemporary())
            captions.push_back(pToolBar->GetControl(i)->GetCaption());
    EXPECT_EQ(std::vector<CString>({"&Neu", "&Zuletzt", "&Beenden"}), captions);
    // The pointer holds it at the middle of its top edge.
    CRect rcBar;
    pToolBar->GetWindowRect(&rcBar);
    EXPECT_EQ(ptDrop.x - rcBar.Width() / 2, rcBar.left);
    EXPECT_EQ(ptDrop.y - 10, rcBar.top);
    // The menus have closed.
    EXPECT_EQ(nullptr, FileMenu()->GetSafeHwnd());
    EXPECT_EQ(0, m_bar.GetTrackingMode());
    m_pCommandBars->Remove(pToolBar);
}

BOOL CALLBACK CountWindow(HWND /*hWnd*/, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// Counts the top-level windows of the thread.
int ThreadWindowCount()
{
    int nCount = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}

TEST_F(PopupInputTest, AThousandOpeningsLeaveNothingBehind)
{
    // Once first: fonts, window classes and the shadows' first windows.
    ASSERT_TRUE(m_bar.OpenControlPopup(0, TRUE));
    m_bar.SetTrackingMode(0);
    const int nWindows = ThreadWindowCount();
    const DWORD nGdi = GdiObjectCount();
    for (int i = 0; i < 1000; ++i)
    {
        ASSERT_TRUE(m_bar.OpenControlPopup(0, TRUE)) << i;
        // Every tenth time the sub-menu opens too.
        if (i % 10 == 0)
        {
            FileMenu()->OnHookKeyDown(VK_DOWN, 0);
            FileMenu()->OnHookKeyDown(VK_RIGHT, 0);
            ASSERT_TRUE(RecentMenu()->GetSafeHwnd()) << i;
        }
        m_bar.SetTrackingMode(0);
        ASSERT_EQ(nullptr, FileMenu()->GetSafeHwnd()) << i;
    }
    PumpInputMessages();
    EXPECT_EQ(nWindows, ThreadWindowCount());
    EXPECT_LE(GdiObjectCount(), nGdi + 2);
    EXPECT_EQ(0, XTPMouseManager()->GetTrackCount());
    EXPECT_EQ(0, XTPKeyboardManager()->GetHandlerCount());
    EXPECT_FALSE(XTPKeyboardManager()->IsKeyboardHooked());
    EXPECT_FALSE(XTPKeyboardManager()->IsCallWndProcHooked());
}

// Queues one mouse input (absolute moves to a screen point).
void QueueMouse(DWORD dwFlags, POINT pt = POINT{0, 0})
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = dwFlags;
    if (dwFlags & MOUSEEVENTF_ABSOLUTE)
    {
        const LONGLONG cx = ::GetSystemMetrics(SM_CXSCREEN);
        const LONGLONG cy = ::GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = static_cast<LONG>((pt.x * 65536LL + cx - 1) / cx);
        input.mi.dy = static_cast<LONG>((pt.y * 65536LL + cy - 1) / cy);
    }
    ::SendInput(1, &input, sizeof(input));
}

// A window with a scroll bar down its right side, 17 pixels wide, over a
// range of 0..99 with a page of 10.
class CScrollHostWnd : public CWnd, public CXTPScrollBase
{
public:
    CScrollHostWnd()
    {
        CreateEx(WS_EX_TOOLWINDOW, TestWindowClass(), "", WS_POPUP | WS_VISIBLE, CRect(200, 100, 217, 217),
                 nullptr, 0);
        CalcScrollBarInfo();
    }
    ~CScrollHostWnd() override { DestroyWindow(); }

    BOOL IsScrollBarEnabled() const override { return TRUE; }
    CWnd* GetParentWindow() const override { return const_cast<CScrollHostWnd*>(this); }
    void GetScrollBarRect(CRect& rc) override { rc = CRect(0, 0, 17, 117); }
    void GetScrollInfo(SCROLLINFO* pInfo) override
    {
        pInfo->nMin = 0;
        pInfo->nMax = 99;
        pInfo->nPage = 10;
        pInfo->nPos = m_nPos;
    }
    // Each thumb-track step queues the next input of the script, so the
    // loop sees the moves one at a time.
    void DoScroll(int nCommand, int nPosition) override
    {
        m_scrolls.push_back(std::make_pair(nCommand, nPosition));
        if (nCommand == SB_THUMBPOSITION)
            m_nPos = nPosition;
        if (nCommand == SB_THUMBTRACK && m_nStep < m_script.size())
        {
            const ScriptStep& step = m_script[m_nStep++];
            QueueMouse(step.dwFlags, step.pt);
        }
    }
    struct ScriptStep
    {
        DWORD dwFlags;
        POINT pt;
    };
    std::vector<ScriptStep> m_script;
    size_t m_nStep = 0;
    void RedrawScrollBar() override {}

    int m_nPos = 0;
    std::vector<std::pair<int, int>> m_scrolls;

protected:
    int GetScrollBarArrowSize() const override { return 17; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_LBUTTONDOWN)
        {
            PerformTrackInit(m_hWnd, CPoint(LOWORD(lParam), HIWORD(lParam)),
                             &GetScrollBarPosInfo(), FALSE);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

TEST(ScrollBaseInput, ThumbDrag)
{
    CScrollHostWnd host;
    ASSERT_TRUE(MakeForeground(host.GetSafeHwnd()));
    // The thumb: 8 pixels from 17 at position 0; drag it down by 40 pixels,
    // then far to the side (it goes back), then back, and let go.
    const DWORD kMove = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    host.m_script = {{kMove, {208, 160}}, {kMove, {208 + 17 * 9, 160}}, {kMove, {208, 161}},
                     {MOUSEEVENTF_LEFTUP, {0, 0}}};
    ASSERT_TRUE(MoveMouseTo(POINT{208, 120}));
    PressLeftButton();

    // Thumb top 17 + 40 = 57: position 40 × 90 / 75 = 48; back at 17: 0;
    // at 58: 49; the drag ends there.
    const std::vector<std::pair<int, int>> expected = {
        {SB_THUMBTRACK, 0},     {SB_THUMBTRACK, 48}, {SB_THUMBTRACK, 0},
        {SB_THUMBTRACK, 49},    {SB_THUMBPOSITION, 49}, {SB_ENDSCROLL, 0},
    };
    EXPECT_EQ(expected, host.m_scrolls);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(0, XTPMouseManager()->GetLockCount());
}

} // namespace
