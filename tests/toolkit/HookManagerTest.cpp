// The hook manager on real windows: the order in which hooked objects see a
// message, their three answers, objects that leave (or die, or destroy the
// window) while a message is offered to them, WM_NCDESTROY, and a window
// that someone else subclassed after the hook.
#include "toolkit/commandbars/HookManager.h"

#include "framework/ui/ThreadState.h"
#include "toolkit/commandbars/HookManagerHookAble.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

const UINT WM_TEST = WM_APP + 1;
const LRESULT kWindowResult = 42;

// Who saw the test message, in order: object names, "wnd" for the window's
// own procedure, "S" for a later subclasser.
std::vector<std::string> g_log;
WPARAM g_wParamSeenByWindow = 0;
bool g_ownProcAtNcDestroy = false;

LRESULT CALLBACK TestWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_TEST)
    {
        g_log.push_back("wnd");
        g_wParamSeenByWindow = wParam;
        return kWindowResult;
    }
    if (nMessage == WM_NCDESTROY)
        g_ownProcAtNcDestroy =
            ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TestWndProc);
    return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

WNDPROC g_pfnBelowSubclasser = nullptr;

LRESULT CALLBACK LaterSubclasserProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_TEST)
        g_log.push_back("S");
    return ::CallWindowProcA(g_pfnBelowSubclasser, hWnd, nMessage, wParam, lParam);
}

WNDPROC WndProcOf(HWND hWnd)
{
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
}

class CTestHookAble : public CXTPHookManagerHookAble
{
public:
    explicit CTestHookAble(const char* pszName) : m_strName(pszName) {}

    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                      LRESULT& lResult) override
    {
        m_messages.push_back(nMessage);
        if (nMessage != WM_TEST)
            return hookNext;
        g_log.push_back(m_strName);
        m_wParamSeen = wParam;
        m_lastSent = AfxGetThreadState()->m_lastSentMsg;
        lResult = m_lResult;
        if (m_wParamOut)
            wParam = m_wParamOut;
        int nAnswer = m_nAnswer;
        if (m_action)
            m_action(hWnd, lParam);   // may delete this object
        return nAnswer;
    }

    std::string m_strName;
    int m_nAnswer = hookNext;
    LRESULT m_lResult = 0;
    WPARAM m_wParamOut = 0;
    WPARAM m_wParamSeen = 0;
    std::function<void(HWND, LPARAM)> m_action;
    std::vector<UINT> m_messages;
    MSG m_lastSent = {};
};

class HookManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        static const ATOM atom = [] {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = &TestWndProc;
            wc.hInstance = ::GetModuleHandleA(nullptr);
            wc.lpszClassName = "QivHookTestWnd";
            return ::RegisterClassA(&wc);
        }();
        ASSERT_NE(0, atom);
        m_hWnd = ::CreateWindowExA(0, "QivHookTestWnd", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                   nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(m_hWnd);
        g_log.clear();
        g_wParamSeenByWindow = 0;
    }
    void TearDown() override
    {
        if (::IsWindow(m_hWnd))
            ::DestroyWindow(m_hWnd);
    }

    LRESULT Send(WPARAM wParam = 0, LPARAM lParam = 0)
    {
        g_log.clear();
        return ::SendMessageA(m_hWnd, WM_TEST, wParam, lParam);
    }

    CXTPHookManager& Manager() { return *XTPHookManager(); }

    HWND m_hWnd = nullptr;
};

using Log = std::vector<std::string>;

TEST_F(HookManagerTest, LastAddedSeesFirstAndAnswersDecideWhereTheMessageGoes)
{
    using H = CXTPHookManagerHookAble;
    struct Case
    {
        int nAnswerB, nAnswerA;
        Log expected;
        LRESULT lExpected;
    };
    const Case cases[] = {
        {H::hookNext, H::hookNext, {"B", "A", "wnd"}, kWindowResult},
        {H::hookPassOn, H::hookHandled, {"B", "wnd"}, kWindowResult},
        {H::hookHandled, H::hookNext, {"B"}, 7},
        {H::hookNext, H::hookHandled, {"B", "A"}, 8},
        {H::hookNext, H::hookPassOn, {"B", "A", "wnd"}, kWindowResult},
    };
    CTestHookAble a("A"), b("B");
    a.m_lResult = 8;
    b.m_lResult = 7;
    Manager().SetHook(m_hWnd, &a);
    Manager().SetHook(m_hWnd, &b);
    Manager().SetHook(m_hWnd, &a);   // already there: not added again
    for (const Case& c : cases)
    {
        b.m_nAnswer = c.nAnswerB;
        a.m_nAnswer = c.nAnswerA;
        EXPECT_EQ(c.lExpected, Send());
        EXPECT_EQ(c.expected, g_log) << c.nAnswerB << "/" << c.nAnswerA;
    }
}

TEST_F(HookManagerTest, ChangedParametersReachTheObjectsAfterAndTheWindow)
{
    CTestHookAble a("A"), b("B");
    Manager().SetHook(m_hWnd, &a);
    Manager().SetHook(m_hWnd, &b);
    b.m_wParamOut = 99;
    Send(5);
    EXPECT_EQ(5u, b.m_wParamSeen);
    EXPECT_EQ(99u, a.m_wParamSeen);
    EXPECT_EQ(99u, g_wParamSeenByWindow);
    EXPECT_EQ(Log({"B", "A", "wnd"}), g_log);
}

TEST_F(HookManagerTest, SubclassesOnceAndTheLastObjectOutRestoresTheProcedure)
{
    CTestHookAble a("A"), b("B");
    Manager().SetHook(m_hWnd, &a);
    EXPECT_EQ(CXTPHookManager::GetHookWndProc(), WndProcOf(m_hWnd));
    Manager().SetHook(m_hWnd, &b);
    ASSERT_TRUE(Manager().Lookup(m_hWnd));
    EXPECT_EQ(2, Manager().Lookup(m_hWnd)->GetCount());
    EXPECT_EQ(&TestWndProc, Manager().Lookup(m_hWnd)->GetOldWndProc());

    Manager().RemoveHook(m_hWnd, &b);
    EXPECT_EQ(CXTPHookManager::GetHookWndProc(), WndProcOf(m_hWnd));
    Manager().RemoveHook(m_hWnd, &b);   // not there any more: nothing happens
    Manager().RemoveHook(m_hWnd, &a);
    EXPECT_EQ(&TestWndProc, WndProcOf(m_hWnd));
    EXPECT_EQ(nullptr, Manager().Lookup(m_hWnd));
    EXPECT_EQ(kWindowResult, Send());
    EXPECT_EQ(Log({"wnd"}), g_log);
}

// What an object may do to the hook while the message is offered to it: the
// message still reaches the objects that remain and the window.
TEST_F(HookManagerTest, ObjectsLeavingDuringTheOfferAreSkippedAndTheWindowStillGetsIt)
{
    struct Case
    {
        const char* pszWhat;
        std::function<void(CXTPHookManager&, HWND, CTestHookAble*&, CTestHookAble*&)> action;
        Log expected;
        Log expectedNext;
    };
    const Case cases[] = {
        {"B removes itself",
         [](CXTPHookManager& m, HWND h, CTestHookAble*&, CTestHookAble*& b) { m.RemoveHook(h, b); },
         {"B", "A", "wnd"}, {"A", "wnd"}},
        {"B removes A before A's turn",
         [](CXTPHookManager& m, HWND h, CTestHookAble*& a, CTestHookAble*&) { m.RemoveHook(h, a); },
         {"B", "wnd"}, {"B", "wnd"}},
        {"B deletes A",
         [](CXTPHookManager&, HWND, CTestHookAble*& a, CTestHookAble*&) { delete a; a = nullptr; },
         {"B", "wnd"}, {"B", "wnd"}},
        {"B deletes itself",
         [](CXTPHookManager&, HWND, CTestHookAble*&, CTestHookAble*& b) { delete b; b = nullptr; },
         {"B", "A", "wnd"}, {"A", "wnd"}},
        {"B unhooks the window",
         [](CXTPHookManager& m, HWND h, CTestHookAble*&, CTestHookAble*&) { m.RemoveWindow(h); },
         {"B", "wnd"}, {"wnd"}},
    };
    for (const Case& c : cases)
    {
        CTestHookAble* pA = new CTestHookAble("A");
        CTestHookAble* pB = new CTestHookAble("B");
        Manager().SetHook(m_hWnd, pA);
        Manager().SetHook(m_hWnd, pB);
        bool bDone = false;
        pB->m_action = [&](HWND hWnd, LPARAM) {
            if (!bDone)
            {
                bDone = true;
                c.action(Manager(), hWnd, pA, pB);
            }
        };
        EXPECT_EQ(kWindowResult, Send()) << c.pszWhat;
        EXPECT_EQ(c.expected, g_log) << c.pszWhat;
        Send();
        EXPECT_EQ(c.expectedNext, g_log) << c.pszWhat;
        delete pA;
        delete pB;
        EXPECT_EQ(&TestWndProc, WndProcOf(m_hWnd)) << c.pszWhat;
        EXPECT_EQ(nullptr, Manager().Lookup(m_hWnd)) << c.pszWhat;
    }
}

TEST_F(HookManagerTest, TheOnlyObjectDeletingItselfGivesTheWindowItsProcedureAndTheMessage)
{
    CTestHookAble* pA = new CTestHookAble("A");
    Manager().SetHook(m_hWnd, pA);
    pA->m_action = [&](HWND, LPARAM) { delete pA; };
    EXPECT_EQ(kWindowResult, Send());
    EXPECT_EQ(Log({"A", "wnd"}), g_log);
    EXPECT_EQ(&TestWndProc, WndProcOf(m_hWnd));
}

// The object leaves inside a nested message of its own window: the outer
// offer goes on safely with the sink it started with.
TEST_F(HookManagerTest, LeavingInsideANestedMessage)
{
    CTestHookAble a("A");
    Manager().SetHook(m_hWnd, &a);
    a.m_action = [&](HWND hWnd, LPARAM lParam) {
        if (lParam == 0)
            ::SendMessageA(hWnd, WM_TEST, 0, 1);
        else
            Manager().RemoveHook(hWnd, &a);
    };
    EXPECT_EQ(kWindowResult, Send());
    EXPECT_EQ(Log({"A", "A", "wnd", "wnd"}), g_log);
    EXPECT_EQ(&TestWndProc, WndProcOf(m_hWnd));
    EXPECT_EQ(kWindowResult, Send());
    EXPECT_EQ(Log({"wnd"}), g_log);
}

TEST_F(HookManagerTest, AnObjectDestroyingTheWindowEndsTheMessageThere)
{
    CTestHookAble a("A"), b("B");
    Manager().SetHook(m_hWnd, &a);
    Manager().SetHook(m_hWnd, &b);
    b.m_action = [](HWND hWnd, LPARAM) { ::DestroyWindow(hWnd); };
    EXPECT_EQ(0, Send());
    EXPECT_EQ(Log({"B"}), g_log);
    EXPECT_FALSE(::IsWindow(m_hWnd));
    EXPECT_EQ(nullptr, Manager().Lookup(m_hWnd));
}

TEST_F(HookManagerTest, NcDestroyRestoresTheProcedureBeforeTheWindowSeesIt)
{
    CTestHookAble a("A");
    Manager().SetHook(m_hWnd, &a);
    g_ownProcAtNcDestroy = false;
    ::DestroyWindow(m_hWnd);
    EXPECT_TRUE(g_ownProcAtNcDestroy);
    EXPECT_EQ(nullptr, Manager().Lookup(m_hWnd));
    auto saw = [&](UINT nMessage) {
        return std::find(a.m_messages.begin(), a.m_messages.end(), nMessage) != a.m_messages.end();
    };
    EXPECT_TRUE(saw(WM_DESTROY));
    EXPECT_FALSE(saw(WM_NCDESTROY));
}

// Someone subclassed the window after the hook: unhooking must not cut them
// off, and hooking again must not offer a message twice.
TEST_F(HookManagerTest, UnhookingUnderALaterSubclasserLeavesAPassThrough)
{
    CTestHookAble a("A");
    Manager().SetHook(m_hWnd, &a);
    g_pfnBelowSubclasser = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
        m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclasserProc)));
    ASSERT_EQ(CXTPHookManager::GetHookWndProc(), g_pfnBelowSubclasser);
    EXPECT_EQ(kWindowResult, Send());
    EXPECT_EQ(Log({"S", "A", "wnd"}), g_log);

    Manager().RemoveHook(m_hWnd, &a);
    EXPECT_EQ(&LaterSubclasserProc, WndProcOf(m_hWnd));
    EXPECT_EQ(kWindowResult, Send());
    EXPECT_EQ(Log({"S", "wnd"}), g_log);

    Manager().SetHook(m_hWnd, &a);
    EXPECT_EQ(&LaterSubclasserProc, WndProcOf(m_hWnd));
    EXPECT_EQ(kWindowResult, Send());
    EXPECT_EQ(Log({"S", "A", "wnd"}), g_log);
    Manager().RemoveHook(m_hWnd, &a);

    // The subclasser leaves too: the window ends with its own procedure.
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pfnBelowSubclasser));
    EXPECT_EQ(kWindowResult, Send());
    EXPECT_EQ(Log({"wnd"}), g_log);
    EXPECT_EQ(&TestWndProc, WndProcOf(m_hWnd));
}

TEST_F(HookManagerTest, TheObjectSeesItsMessageAsTheThreadsCurrentMessage)
{
    CTestHookAble a("A");
    Manager().SetHook(m_hWnd, &a);
    const MSG before = AfxGetThreadState()->m_lastSentMsg;
    Send(3, 4);
    EXPECT_EQ(m_hWnd, a.m_lastSent.hwnd);
    EXPECT_EQ(WM_TEST, a.m_lastSent.message);
    EXPECT_EQ(3u, a.m_lastSent.wParam);
    EXPECT_EQ(4, a.m_lastSent.lParam);
    EXPECT_EQ(before.hwnd, AfxGetThreadState()->m_lastSentMsg.hwnd);
    EXPECT_EQ(before.message, AfxGetThreadState()->m_lastSentMsg.message);
}

TEST_F(HookManagerTest, ADeletedObjectLeavesEveryWindow)
{
    HWND hOther = ::CreateWindowExA(0, "QivHookTestWnd", "", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50,
                                    nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(hOther);
    CTestHookAble* pA = new CTestHookAble("A");
    CTestHookAble b("B");
    Manager().SetHook(m_hWnd, pA);
    Manager().SetHook(hOther, pA);
    Manager().SetHook(hOther, &b);
    delete pA;
    EXPECT_EQ(&TestWndProc, WndProcOf(m_hWnd));
    ASSERT_TRUE(Manager().Lookup(hOther));
    EXPECT_EQ(1, Manager().Lookup(hOther)->GetCount());
    EXPECT_EQ(&b, Manager().Lookup(hOther)->GetAt(0));
    ::DestroyWindow(hOther);
    EXPECT_EQ(nullptr, Manager().Lookup(hOther));
}

} // namespace
