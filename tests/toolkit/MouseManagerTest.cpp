// The mouse manager's services that do not need bars, without moving the
// pointer (other test programs share it): the mouse-leave watch with windows
// that surely do or do not hold the cursor, the swallowed button-up through
// the hook procedure as the system calls it, trusted windows and the lock
// count.
#include "toolkit/commandbars/MouseManager.h"

#include "BarTestSupport.h"

#include <gtest/gtest.h>

namespace {

int g_nMouseLeave = 0;

LRESULT CALLBACK LeaveWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_MOUSELEAVE)
        ++g_nMouseLeave;
    return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

HWND MakeWindow(int x, int y, int cx, int cy)
{
    static const ATOM atom = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &LeaveWndProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "QivMouseLeaveTestWnd";
        return ::RegisterClassA(&wc);
    }();
    return atom ? ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "QivMouseLeaveTestWnd", "",
                                    WS_POPUP, x, y, cx, cy, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr)
                : nullptr;
}

TEST(MouseManager, MouseLeaveWatch)
{
    CXTPMouseManager* pManager = XTPMouseManager();
    // Far off every screen: the cursor is never inside. Over all screens: it
    // always is.
    HWND hAway = MakeWindow(-30000, -30000, 50, 50);
    HWND hEverywhere = MakeWindow(-16000, -16000, 32000, 32000);
    ASSERT_TRUE(hAway && hEverywhere);
    g_nMouseLeave = 0;

    pManager->TrackMouseLeave(hEverywhere);
    EXPECT_EQ(hEverywhere, pManager->GetMouseLeaveWindow());
    CXTPMouseManager::MouseLeaveTimerProc(hEverywhere, WM_TIMER,
                                          CXTPMouseManager::idMouseLeaveTimer, 0);
    PumpMessages();
    EXPECT_EQ(0, g_nMouseLeave);
    EXPECT_EQ(hEverywhere, pManager->GetMouseLeaveWindow());

    // Watching another window tells the first one at once.
    pManager->TrackMouseLeave(hAway);
    EXPECT_EQ(1, g_nMouseLeave);
    pManager->TrackMouseLeave(hAway);   // the same window again: nothing
    EXPECT_EQ(1, g_nMouseLeave);

    CXTPMouseManager::MouseLeaveTimerProc(hAway, WM_TIMER, CXTPMouseManager::idMouseLeaveTimer,
                                          0);
    EXPECT_EQ(nullptr, pManager->GetMouseLeaveWindow());
    PumpMessages();
    EXPECT_EQ(2, g_nMouseLeave);

    // A window that died while watched is let go without a message.
    pManager->TrackMouseLeave(hAway);
    ::DestroyWindow(hAway);
    pManager->TrackMouseLeave(hEverywhere);
    EXPECT_EQ(2, g_nMouseLeave);
    pManager->TrackMouseLeave(nullptr);
    EXPECT_EQ(3, g_nMouseLeave);
    ::DestroyWindow(hEverywhere);
}

TEST(MouseManager, SwallowsOneButtonUpAfterTrackingStarts)
{
    CXTPMouseManager* pManager = XTPMouseManager();
    EXPECT_TRUE(pManager->IsMouseHooked());
    MOUSEHOOKSTRUCT hook = {};
    const LPARAM lParam = reinterpret_cast<LPARAM>(&hook);
    struct Case
    {
        BOOL bSwallow;
        WPARAM nMessage;
        LRESULT lEaten;
        BOOL bSwallowAfter;
    };
    const Case cases[] = {
        {TRUE, WM_LBUTTONUP, 1, FALSE},   {TRUE, WM_NCLBUTTONUP, 1, FALSE},
        {FALSE, WM_LBUTTONUP, 0, FALSE},  {TRUE, WM_LBUTTONDOWN, 0, FALSE},
        {TRUE, WM_RBUTTONDOWN, 0, FALSE}, {TRUE, WM_MOUSEMOVE, 0, TRUE},
        {TRUE, WM_RBUTTONUP, 0, TRUE},
    };
    for (const Case& c : cases)
    {
        pManager->SetSwallowButtonUp(c.bSwallow);
        EXPECT_EQ(c.lEaten, CXTPMouseManager::MouseProc(HC_ACTION, c.nMessage, lParam))
            << c.nMessage;
        EXPECT_EQ(c.bSwallowAfter, pManager->IsSwallowButtonUp()) << c.nMessage;
    }
    pManager->SetSwallowButtonUp(FALSE);
}

TEST(MouseManager, TrustedWindowsAndLockCount)
{
    CXTPMouseManager* pManager = XTPMouseManager();
    HWND hTrusted = MakeWindow(100, 100, 50, 50);
    ASSERT_TRUE(hTrusted);
    const POINT inside = {120, 120};
    pManager->AddTrustedWindow(hTrusted);
    EXPECT_FALSE(pManager->IsTrustedPoint(inside));   // not visible yet
    ::ShowWindow(hTrusted, SW_SHOWNOACTIVATE);
    EXPECT_TRUE(pManager->IsTrustedPoint(inside));
    EXPECT_FALSE(pManager->IsTrustedPoint(POINT{99, 120}));
    pManager->RemoveTrustedWindow(hTrusted);
    EXPECT_FALSE(pManager->IsTrustedPoint(inside));
    ::DestroyWindow(hTrusted);

    pManager->LockTracking(TRUE);
    pManager->LockTracking(TRUE);
    EXPECT_EQ(2, pManager->GetLockCount());
    pManager->LockTracking(FALSE);
    pManager->LockTracking(FALSE);
    pManager->LockTracking(FALSE);
    EXPECT_EQ(0, pManager->GetLockCount());
}

} // namespace
