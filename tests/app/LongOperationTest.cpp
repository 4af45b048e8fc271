// The progress bar of a long operation: where it goes in the host's first
// pane, when there is no room for it, and the status bar of the main
// window as its default host.
#include "AppTestSupport.h"

#include "app/LongOperation.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinThread.h"
#include "framework/ui/Wnd.h"

#include <commctrl.h>

namespace
{
// A top-level window with one child: the host of the bar.
class HostWindows
{
public:
    HostWindows(LPCSTR lpszClass, int cxHost, UINT nID = 0)
    {
        m_hParent = ::CreateWindowExA(0, "STATIC", "Qivnotes", WS_POPUP, 0, 0, 600, 200, nullptr,
                                      nullptr, nullptr, nullptr);
        m_hHost = ::CreateWindowExA(0, lpszClass, "", WS_CHILD | WS_VISIBLE, 0, 0, cxHost, 20,
                                    m_hParent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                                    nullptr, nullptr);
        if (lpszClass == CString(STATUSCLASSNAMEA))
        {
            int parts[] = {cxHost};
            ::SendMessageA(m_hHost, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
        }
    }
    ~HostWindows() { ::DestroyWindow(m_hParent); }

    HWND m_hParent;
    HWND m_hHost;
};

CRect BarRectInHost(HWND hBar, HWND hHost)
{
    RECT rc = {};
    ::GetWindowRect(hBar, &rc);
    ::MapWindowPoints(nullptr, hHost, reinterpret_cast<POINT*>(&rc), 2);
    return CRect(rc);
}

TEST(LongOperation, BarFillsThePaneUpTo164PixelsAndNeedsTwenty)
{
    struct Case
    {
        int cxPane;
        int cxBar;  // 0: no bar
    };
    const Case cases[] = {{100, 100}, {400, 164}, {164, 164}, {20, 20}, {19, 0}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.cxPane);
        HostWindows windows("STATIC", c.cxPane);
        CLongOperation operation;
        EXPECT_EQ(c.cxBar != 0, !!operation.CreateProgressBar(TRUE, CWnd::FromHandle(windows.m_hHost)));
        if (c.cxBar == 0)
        {
            EXPECT_EQ(nullptr, operation.GetProgressBar());
            continue;
        }
        EXPECT_EQ(CRect(0, 2, c.cxBar, 14), BarRectInHost(operation.GetProgressBar(), windows.m_hHost));
        char szClass[64] = {};
        ::GetClassNameA(operation.GetProgressBar(), szClass, sizeof(szClass));
        EXPECT_STREQ(PROGRESS_CLASSA, szClass);
    }
}

TEST(LongOperation, BarStandsRightOfTheMessage)
{
    HostWindows windows("STATIC", 400);
    CLongOperation operation;
    operation.m_strMessage = "Durchsucht Einträge: ";
    ASSERT_TRUE(operation.CreateProgressBar(TRUE, CWnd::FromHandle(windows.m_hHost)));
    const CRect rcBar = BarRectInHost(operation.GetProgressBar(), windows.m_hHost);
    EXPECT_GT(rcBar.left, 40);
    EXPECT_EQ(164, rcBar.Width());

    // The same message leaves less than 20 pixels of a narrow pane: no bar,
    // the operation runs on without one.
    HostWindows narrow("STATIC", rcBar.left + 19);
    CLongOperation second;
    second.m_strMessage = operation.m_strMessage;
    EXPECT_FALSE(second.CreateProgressBar(TRUE, CWnd::FromHandle(narrow.m_hHost)));
}

TEST(LongOperation, ProgressGoesToTheMainWindowsStatusBar)
{
    HostWindows windows(STATUSCLASSNAMEA, 300, AFX_IDW_STATUS_BAR);
    CWnd mainWnd;
    mainWnd.Attach(windows.m_hParent);
    CWinThread* pThread = AfxGetApp();
    CWnd* pOldMain = pThread->m_pMainWnd;
    pThread->m_pMainWnd = &mainWnd;
    {
        CLongOperation operation;
        operation.m_strMessage = "Suche";
        operation.SetProgress(-1, FALSE);
        EXPECT_TRUE(operation.IsActive());
        EXPECT_EQ(nullptr, operation.GetProgressBar());
        operation.SetProgress(40, FALSE);
        ASSERT_NE(nullptr, operation.GetProgressBar());
        EXPECT_EQ(windows.m_hHost, ::GetParent(operation.GetProgressBar()));
        EXPECT_EQ(40, ::SendMessageA(operation.GetProgressBar(), PBM_GETPOS, 0, 0));
        const HWND hBar = operation.GetProgressBar();
        operation.End(FALSE);
        EXPECT_FALSE(operation.IsActive());
        EXPECT_FALSE(::IsWindow(hBar));
    }
    pThread->m_pMainWnd = pOldMain;
    mainWnd.Detach();
}

TEST(LongOperation, DestructorEndsARunningOperation)
{
    HostWindows windows("STATIC", 300);
    HWND hBar = nullptr;
    {
        CLongOperation operation;
        operation.Begin();
        ASSERT_TRUE(operation.CreateProgressBar(TRUE, CWnd::FromHandle(windows.m_hHost)));
        hBar = operation.GetProgressBar();
    }
    EXPECT_FALSE(::IsWindow(hBar));
}
}
