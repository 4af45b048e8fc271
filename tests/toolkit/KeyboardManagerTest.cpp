// The keyboard manager without real key input (input from SendInput needs
// the foreground, which the parallel toolkit tests can't have): its hooks
// follow its handlers, keys are offered last handler first, and its hook
// procedures, called as the system calls them, eat Alt and keys that no
// handler passes on. The application losing activation reaches it through
// its real call-window-procedure hook.
#include "toolkit/commandbars/KeyboardManager.h"

#include "toolkit/commandbars/HookManagerHookAble.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_offered;

class CKeyHandler : public CXTPHookManagerHookAble
{
public:
    explicit CKeyHandler(const char* pszName, int nAnswer = hookNext)
        : m_strName(pszName), m_nAnswer(nAnswer)
    {
    }
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM&, LRESULT&) override
    {
        EXPECT_EQ(nullptr, hWnd);
        EXPECT_EQ(static_cast<UINT>(WM_KEYDOWN), nMessage);
        m_wParam = wParam;
        g_offered.push_back(m_strName);
        int nAnswer = m_nAnswer;
        if (m_action)
            m_action();
        return nAnswer;
    }
    std::string m_strName;
    int m_nAnswer;
    WPARAM m_wParam = 0;
    std::function<void()> m_action;
};

// Stands in for the mouse manager: a lock count and a count of the times
// every popup was told to leave tracking.
struct CTracking
{
    int nLockCount = 0;
    int nTrackLost = 0;
    CXTPKeyboardManager::TrackingLink Link()
    {
        return {[](void* p) { return static_cast<CTracking*>(p)->nLockCount; },
                [](void* p) { ++static_cast<CTracking*>(p)->nTrackLost; }, this};
    }
};

class KeyboardManagerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        g_offered.clear();
        m_link = m_tracking.Link();
        Manager().SetTrackingLink(&m_link);
    }
    void TearDown() override { Manager().SetTrackingLink(nullptr); }

    static CXTPKeyboardManager& Manager() { return *XTPKeyboardManager(); }

    CTracking m_tracking;
    CXTPKeyboardManager::TrackingLink m_link = {};
};

TEST_F(KeyboardManagerTest, HooksLiveWhileHandlersAreRegistered)
{
    CKeyHandler a("A"), b("B");
    EXPECT_FALSE(Manager().IsKeyboardHooked());
    Manager().AddHandler(&a);
    EXPECT_TRUE(Manager().IsKeyboardHooked());
    EXPECT_TRUE(Manager().IsCallWndProcHooked());
    Manager().HookKeyboard(&b);
    Manager().AddHandler(&a);
    EXPECT_EQ(2, Manager().GetHandlerCount());
    Manager().RemoveHandler(&a);
    EXPECT_TRUE(Manager().IsKeyboardHooked());
    Manager().UnhookKeyboard(&b);
    EXPECT_EQ(0, Manager().GetHandlerCount());
    EXPECT_FALSE(Manager().IsKeyboardHooked());
    EXPECT_FALSE(Manager().IsCallWndProcHooked());

    // A handler that dies leaves the list, and the hooks go with the last one.
    CKeyHandler* pC = new CKeyHandler("C");
    Manager().AddHandler(pC);
    delete pC;
    EXPECT_EQ(0, Manager().GetHandlerCount());
    EXPECT_FALSE(Manager().IsKeyboardHooked());
}

TEST_F(KeyboardManagerTest, KeysAreOfferedLastHandlerFirst)
{
    using H = CXTPHookManagerHookAble;
    struct Case
    {
        int nAnswerB, nAnswerA;
        BOOL bEaten;
        std::vector<std::string> offered;
    };
    const Case cases[] = {
        {H::hookNext, H::hookNext, TRUE, {"B", "A"}},
        {H::hookHandled, H::hookPassOn, TRUE, {"B"}},
        {H::hookPassOn, H::hookHandled, FALSE, {"B"}},
        {H::hookNext, H::hookPassOn, FALSE, {"B", "A"}},
        {H::hookNext, H::hookHandled, TRUE, {"B", "A"}},
    };
    CKeyHandler a("A"), b("B");
    Manager().AddHandler(&a);
    Manager().AddHandler(&b);
    for (const Case& c : cases)
    {
        a.m_nAnswer = c.nAnswerA;
        b.m_nAnswer = c.nAnswerB;
        g_offered.clear();
        EXPECT_EQ(c.bEaten, Manager().ProcessKeyboardHooks(WM_KEYDOWN, VK_DOWN, 0));
        EXPECT_EQ(c.offered, g_offered);
    }
    EXPECT_EQ(static_cast<WPARAM>(VK_DOWN), b.m_wParam);

    // B takes A out before A's turn: A is not asked.
    a.m_nAnswer = b.m_nAnswer = H::hookNext;
    b.m_action = [&] { Manager().RemoveHandler(&a); };
    g_offered.clear();
    EXPECT_TRUE(Manager().ProcessKeyboardHooks(WM_KEYDOWN, VK_UP, 0));
    EXPECT_EQ(std::vector<std::string>{"B"}, g_offered);
    Manager().RemoveHandler(&b);

    // With no handler at all the key counts as taken.
    EXPECT_TRUE(Manager().ProcessKeyboardHooks(WM_KEYDOWN, VK_UP, 0));
}

// The keyboard hook procedure as the system calls it: key data with the
// repeat (30), Alt (29) and key-up (31) bits.
TEST_F(KeyboardManagerTest, KeyboardProcEatsAltAndUnansweredKeys)
{
    const LPARAM alt = 0x20000001, altRepeat = 0x60000001, keyUp = static_cast<LPARAM>(0xC0000001);
    struct Case
    {
        const char* pszWhat;
        int nLockCount;
        int nAnswer;
        WPARAM vk;
        LPARAM lParam;
        LRESULT lEaten;
        int nTrackLost;
        bool bOffered;
    };
    const Case cases[] = {
        {"Alt closes the popups", 0, 2, VK_MENU, alt, 1, 1, false},
        {"held Alt goes on", 0, 2, VK_MENU, altRepeat, 0, 0, false},
        {"Alt in a locked loop is a key", 1, 2, VK_MENU, alt, 0, 0, true},
        {"Alt+F is a key", 0, 2, 'F', alt, 0, 0, true},
        {"a key passed on", 0, 2, VK_DOWN, 1, 0, 0, true},
        {"a key handled", 0, 1, VK_DOWN, 1, 1, 0, true},
        {"a key nobody answers", 0, 0, VK_DOWN, 1, 1, 0, true},
        {"a key going up", 0, 1, VK_DOWN, keyUp, 0, 0, false},
    };
    CKeyHandler handler("H");
    Manager().AddHandler(&handler);
    for (const Case& c : cases)
    {
        m_tracking.nLockCount = c.nLockCount;
        m_tracking.nTrackLost = 0;
        handler.m_nAnswer = c.nAnswer;
        g_offered.clear();
        EXPECT_EQ(c.lEaten, CXTPKeyboardManager::KeyboardProc(HC_ACTION, c.vk, c.lParam))
            << c.pszWhat;
        EXPECT_EQ(c.nTrackLost, m_tracking.nTrackLost) << c.pszWhat;
        EXPECT_EQ(c.bOffered, !g_offered.empty()) << c.pszWhat;
    }
    Manager().RemoveHandler(&handler);

    // Without handlers the hook lets everything through.
    m_tracking.nTrackLost = 0;
    EXPECT_EQ(0, CXTPKeyboardManager::KeyboardProc(HC_ACTION, VK_MENU, alt));
    EXPECT_EQ(0, m_tracking.nTrackLost);
}

TEST_F(KeyboardManagerTest, DeactivatingTheApplicationEndsTracking)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_TRUE(hWnd);
    CKeyHandler handler("H");
    Manager().AddHandler(&handler);
    ::SendMessageA(hWnd, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(0, m_tracking.nTrackLost);
    ::SendMessageA(hWnd, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(1, m_tracking.nTrackLost);
    Manager().RemoveHandler(&handler);
    ::SendMessageA(hWnd, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(1, m_tracking.nTrackLost);
    ::DestroyWindow(hWnd);
    EXPECT_FALSE(CXTPKeyboardManager::IsOwnerForeground(nullptr));
}

} // namespace
