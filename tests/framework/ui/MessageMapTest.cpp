// Window messages reach typed handlers through the message map: arguments
// unpacked as the handler's signature says, results returned to the
// sender, derived maps before base maps, Default() to the old procedure.
#include "TestApp.h"

#include "framework/ui/Wnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT WM_TEST_PING = WM_APP + 1;
UINT g_nRegisteredPing = ::RegisterWindowMessageA("QivnotesUiTestPing");

class CRecordingWnd : public CWnd
{
public:
    std::vector<std::string> m_calls;
    LPVOID m_lpCreateParams = nullptr;
    int m_cx = -1;
    int m_cy = -1;
    CPoint m_ptDown;
    UINT m_nDownFlags = 0;
    short m_zDelta = 0;
    UINT m_nChar = 0;
    UINT m_nRepCnt = 0;

protected:
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs)
    {
        m_calls.push_back("NcCreate");
        return CWnd::OnNcCreate(lpcs);
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_calls.push_back("Create");
        m_lpCreateParams = lpcs->lpCreateParams;
        return 0;
    }
    afx_msg void OnSize(UINT, int cx, int cy)
    {
        m_cx = cx;
        m_cy = cy;
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        m_nDownFlags = nFlags;
        m_ptDown = point;
    }
    afx_msg BOOL OnMouseWheel(UINT, short zDelta, CPoint)
    {
        m_zDelta = zDelta;
        return TRUE;
    }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT)
    {
        m_nChar = nChar;
        m_nRepCnt = nRepCnt;
    }
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        return static_cast<LRESULT>(wParam + lParam);
    }
    afx_msg LRESULT OnRegisteredPing(WPARAM wParam, LPARAM)
    {
        return static_cast<LRESULT>(wParam * 2);
    }
    afx_msg LRESULT OnSetText(WPARAM, LPARAM)
    {
        m_calls.push_back("SetText");
        return Default();
    }
    afx_msg void OnDestroy()
    {
        m_calls.push_back("Destroy");
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_TEST_PING, OnPing)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_REGISTERED_MESSAGE(g_nRegisteredPing, OnRegisteredPing)
END_MESSAGE_MAP()

// Takes over one message of its base and leaves the rest to the base map.
class CDerivedWnd : public CRecordingWnd
{
public:
    int m_nDerivedPings = 0;

protected:
    afx_msg LRESULT OnDerivedPing(WPARAM, LPARAM)
    {
        ++m_nDerivedPings;
        return 99;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CRecordingWnd)
    ON_MESSAGE(WM_TEST_PING, OnDerivedPing)
END_MESSAGE_MAP()

template <class T>
void CreateTestWindow(T& wnd, LPVOID lpParam = nullptr)
{
    ASSERT_TRUE(wnd.CreateEx(0, TestWndClass(), "Test", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100,
                             nullptr, nullptr, lpParam));
}

TEST(MessageMapTest, CreationMessagesReachTheMapInOrder)
{
    CRecordingWnd wnd;
    int nParam = 0;
    CreateTestWindow(wnd, &nParam);
    ASSERT_GE(wnd.m_calls.size(), 2u);
    EXPECT_EQ("NcCreate", wnd.m_calls[0]);
    EXPECT_EQ("Create", wnd.m_calls[1]);
    EXPECT_EQ(&nParam, wnd.m_lpCreateParams);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    wnd.DestroyWindow();
    EXPECT_EQ("Destroy", wnd.m_calls.back());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
}

TEST(MessageMapTest, HandlersGetUnpackedArguments)
{
    CRecordingWnd wnd;
    CreateTestWindow(wnd);

    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(123, 45));
    EXPECT_EQ(123, wnd.m_cx);
    EXPECT_EQ(45, wnd.m_cy);

    // Coordinates are signed 16-bit values.
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 7));
    EXPECT_EQ(static_cast<UINT>(MK_LBUTTON | MK_SHIFT), wnd.m_nDownFlags);
    EXPECT_EQ(-5, wnd.m_ptDown.x);
    EXPECT_EQ(7, wnd.m_ptDown.y);

    wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(-WHEEL_DELTA, wnd.m_zDelta);

    wnd.SendMessage(WM_KEYDOWN, VK_F5, MAKELPARAM(3, 0));
    EXPECT_EQ(static_cast<UINT>(VK_F5), wnd.m_nChar);
    EXPECT_EQ(3u, wnd.m_nRepCnt);
}

TEST(MessageMapTest, ResultsGoBackToTheSender)
{
    CRecordingWnd wnd;
    CreateTestWindow(wnd);
    EXPECT_EQ(7, wnd.SendMessage(WM_TEST_PING, 3, 4));
    EXPECT_EQ(42, wnd.SendMessage(g_nRegisteredPing, 21, 0));
}

TEST(MessageMapTest, DerivedEntryWinsAndBaseEntriesStillApply)
{
    CDerivedWnd wnd;
    CreateTestWindow(wnd);
    EXPECT_EQ(99, wnd.SendMessage(WM_TEST_PING, 3, 4));
    EXPECT_EQ(1, wnd.m_nDerivedPings);
    wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(8, 9));
    EXPECT_EQ(8, wnd.m_cx);
}

TEST(MessageMapTest, DefaultPassesTheMessageToTheOldProcedure)
{
    CRecordingWnd wnd;
    CreateTestWindow(wnd);
    wnd.SetWindowText("Neuer Titel");
    EXPECT_EQ("SetText", wnd.m_calls.back());
    CString strText;
    wnd.GetWindowText(strText);
    EXPECT_STREQ("Neuer Titel", strText);
}

class CNestingWnd : public CWnd
{
public:
    UINT m_nSeenInside = 0;
    UINT m_nSeenAfterNested = 0;

protected:
    afx_msg LRESULT OnOuter(WPARAM, LPARAM)
    {
        m_nSeenInside = GetCurrentMessage()->message;
        SendMessage(WM_APP + 3);
        m_nSeenAfterNested = GetCurrentMessage()->message;
        return 0;
    }
    afx_msg LRESULT OnInner(WPARAM, LPARAM) { return 0; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingWnd, CWnd)
    ON_MESSAGE(WM_APP + 2, OnOuter)
    ON_MESSAGE(WM_APP + 3, OnInner)
END_MESSAGE_MAP()

TEST(MessageMapTest, CurrentMessageIsRestoredAfterANestedMessage)
{
    CNestingWnd wnd;
    CreateTestWindow(wnd);
    wnd.SendMessage(WM_APP + 2);
    EXPECT_EQ(static_cast<UINT>(WM_APP + 2), wnd.m_nSeenInside);
    EXPECT_EQ(static_cast<UINT>(WM_APP + 2), wnd.m_nSeenAfterNested);
}

} // namespace
