// Windows and their wrappers: creation on system classes with the
// creation messages in the map, subclassing and unsubclassing, temporary
// wrappers of foreign windows, destruction from either side, reflection of
// control notifications, and tooltips for child windows.
#include "TestApp.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/HandleMap.h"
#include "framework/ui/ThreadState.h"
#include "framework/ui/WinThread.h"
#include "framework/ui/Wnd.h"
#include "framework/ui/ToolTipCtrl.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT ID_CHILD = 300;

// Top-level popups: without a window manager, destroying a captioned
// window waits for the system.
HWND CreateRawPopup(LPCSTR lpszClass = "STATIC")
{
    return ::CreateWindowExA(0, lpszClass, "roh", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr,
                             nullptr, nullptr);
}

class CCreationWnd : public CWnd
{
public:
    std::vector<std::string> m_calls;
    int m_nChars = 0;

protected:
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs)
    {
        m_calls.push_back("NcCreate");
        return CWnd::OnNcCreate(lpcs);
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_calls.push_back("Create");
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++m_nChars;
        CWnd::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCreationWnd, CWnd)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
    ON_WM_CHAR()
END_MESSAGE_MAP()

class WndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, TestWndClass(), "Eltern", WS_POPUP, 0, 0, 400, 300,
                                      nullptr, nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    CWnd m_parent;
};

TEST_F(WndTest, SystemClassesAreSubclassedAtCreation)
{
    ::LoadLibraryA("riched20.dll");
    const char* classes[] = { "EDIT", "LISTBOX", "RichEdit20A", WC_TREEVIEWA, WC_LISTVIEWA };
    for (const char* pszClass : classes)
    {
        CCreationWnd wnd;
        ASSERT_TRUE(wnd.Create(pszClass, "", WS_VISIBLE | WS_BORDER, CRect(0, 0, 100, 80),
                               &m_parent, ID_CHILD)) << pszClass;
        EXPECT_EQ((std::vector<std::string>{ "NcCreate", "Create" }), wnd.m_calls) << pszClass;
        EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(AfxWndProc), ::GetWindowLongPtrA(wnd.m_hWnd, GWLP_WNDPROC));
        EXPECT_EQ(&wnd, m_parent.GetDlgItem(ID_CHILD)) << pszClass;
        wnd.DestroyWindow();
    }
}

TEST_F(WndTest, EditKeepsWorkingThroughTheMapAndUnsubclassRestoresItsProcedure)
{
    CCreationWnd edit;
    ASSERT_TRUE(edit.Create("EDIT", "", WS_VISIBLE, CRect(0, 0, 100, 20), &m_parent, ID_CHILD));
    edit.SendMessage(WM_CHAR, 'a', 1);
    CString strText;
    edit.GetWindowText(strText);
    EXPECT_STREQ("a", strText);   // Default reached the edit control
    EXPECT_EQ(1, edit.m_nChars);
    edit.DestroyWindow();

    // A window made without the framework, subclassed later.
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 100, 20, m_parent.m_hWnd,
                                   nullptr, nullptr, nullptr);
    LONG_PTR pfnOriginal = ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
    CCreationWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hEdit));
    EXPECT_FALSE(CCreationWnd().SubclassWindow(hEdit));   // one permanent object per window
    ::SendMessageA(hEdit, WM_CHAR, 'x', 1);
    EXPECT_EQ(1, wnd.m_nChars);

    EXPECT_EQ(hEdit, wnd.UnsubclassWindow());
    EXPECT_EQ(pfnOriginal, ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    ::SendMessageA(hEdit, WM_CHAR, 'y', 1);
    EXPECT_EQ(1, wnd.m_nChars);
    char szText[8] = {};
    ::GetWindowTextA(hEdit, szText, sizeof(szText));
    EXPECT_STREQ("xy", szText);
    ::DestroyWindow(hEdit);
}

TEST_F(WndTest, ForeignWindowGetsATemporaryWrapperFreedAtIdle)
{
    HWND hForeign = CreateRawPopup();
    CWndHandleMap& map = CWndHandleMap::ForThread();

    CWnd* pTemp = CWnd::FromHandle(hForeign);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hForeign, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hForeign));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    EXPECT_EQ(pTemp, map.LookupTemporary(hForeign));

    AfxIdleUpdateNow();
    EXPECT_EQ(nullptr, map.LookupTemporary(hForeign));
    EXPECT_TRUE(::IsWindow(hForeign));   // the wrapper only borrowed it
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    ::DestroyWindow(hForeign);
}

TEST_F(WndTest, AttachedWrapperIsPermanentUntilDetached)
{
    HWND hForeign = CreateRawPopup();
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.Attach(hForeign));
        EXPECT_EQ(&wnd, CWnd::FromHandle(hForeign));
        EXPECT_EQ(hForeign, wnd.Detach());
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
    }
    EXPECT_TRUE(::IsWindow(hForeign));
    ::DestroyWindow(hForeign);
}

class CSelfDeletingWnd : public CWnd
{
public:
    static int s_nDeleted;
    static HWND s_hWndAtPostNcDestroy;

protected:
    afx_msg void OnNcDestroy() {}   // does not call the base: the framework still lets go
    void PostNcDestroy() override
    {
        s_hWndAtPostNcDestroy = m_hWnd;
        ++s_nDeleted;
        delete this;
    }
    DECLARE_MESSAGE_MAP()
};
int CSelfDeletingWnd::s_nDeleted = 0;
HWND CSelfDeletingWnd::s_hWndAtPostNcDestroy = reinterpret_cast<HWND>(1);

BEGIN_MESSAGE_MAP(CSelfDeletingWnd, CWnd)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

TEST_F(WndTest, DestructionFromEitherSide)
{
    // The object goes first: its window goes with it.
    auto* pWnd = new CWnd;
    ASSERT_TRUE(pWnd->Create(TestWndClass(), "", WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 1));
    HWND hWnd = pWnd->m_hWnd;
    delete pWnd;
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

    // The window goes first: the object hears of it last, after letting go.
    auto* pSelf = new CSelfDeletingWnd;
    ASSERT_TRUE(pSelf->Create(TestWndClass(), "", WS_VISIBLE, CRect(0, 0, 10, 10), &m_parent, 2));
    hWnd = pSelf->m_hWnd;
    CSelfDeletingWnd::s_nDeleted = 0;
    ::DestroyWindow(hWnd);
    EXPECT_EQ(1, CSelfDeletingWnd::s_nDeleted);
    EXPECT_EQ(nullptr, CSelfDeletingWnd::s_hWndAtPostNcDestroy);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

class CFailingCreateWnd : public CWnd
{
public:
    int m_nPostNcDestroy = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT) { return -1; }
    void PostNcDestroy() override { ++m_nPostNcDestroy; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingCreateWnd, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST_F(WndTest, CreationThatFailsLeavesTheObjectToItsCaller)
{
    // The window existed and went again: PostNcDestroy ran once.
    CFailingCreateWnd failing;
    EXPECT_FALSE(failing.CreateEx(0, TestWndClass(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(nullptr, failing.m_hWnd);
    EXPECT_EQ(1, failing.m_nPostNcDestroy);

    CWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, "NoSuchClassAnywhere", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(nullptr, wnd.m_hWnd);

    class CRefusingWnd : public CWnd
    {
    public:
        BOOL PreCreateWindow(CREATESTRUCT&) override { return FALSE; }
    } refusing;
    EXPECT_FALSE(refusing.CreateEx(0, TestWndClass(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
}

TEST_F(WndTest, DestroyingTheMainWindowEndsTheMessageLoop)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, TestWndClass(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    PumpPendingMessages();
    TestApp().m_pMainWnd = &wnd;
    EXPECT_EQ(&wnd, AfxGetMainWnd());
    wnd.DestroyWindow();
    EXPECT_EQ(nullptr, TestApp().m_pMainWnd);
    EXPECT_TRUE(PumpPendingMessages());   // WM_QUIT was posted
}

TEST_F(WndTest, RelativesAndDescendants)
{
    CWnd child;
    ASSERT_TRUE(child.Create(TestWndClass(), "", WS_VISIBLE, CRect(0, 0, 50, 50), &m_parent, 10));
    HWND hGrandChild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5,
                                         child.m_hWnd, reinterpret_cast<HMENU>(20), nullptr, nullptr);
    CWnd* pFound = m_parent.GetDescendantWindow(20);
    ASSERT_NE(nullptr, pFound);
    EXPECT_EQ(hGrandChild, pFound->m_hWnd);
    EXPECT_EQ(nullptr, m_parent.GetDescendantWindow(20, TRUE));   // only a temporary exists
    EXPECT_EQ(&child, m_parent.GetDescendantWindow(10, TRUE));
    // Below a child with the id, a descendant with the same id comes first:
    // a splitter in the first pane and the view of its own first pane.
    CWnd inner;
    ASSERT_TRUE(inner.Create(TestWndClass(), "", WS_VISIBLE, CRect(0, 0, 5, 5), &child, 10));
    EXPECT_EQ(&inner, m_parent.GetDescendantWindow(10, TRUE));
    inner.DestroyWindow();

    const CWnd* pNone = nullptr;
    EXPECT_EQ(nullptr, pNone->GetSafeHwnd());   // programs ask null pointers too

    CWnd* pGrand = CWnd::FromHandle(hGrandChild);
    EXPECT_EQ(&m_parent, pGrand->GetTopLevelParent());
    EXPECT_EQ(&m_parent, pGrand->GetParentOwner());
    EXPECT_EQ(&child, pGrand->GetParent());
    EXPECT_TRUE(m_parent.IsChild(pGrand));
    EXPECT_EQ(nullptr, pGrand->GetParentFrame());

    child.SetOwner(&m_parent);
    EXPECT_EQ(m_parent.m_hWnd, AfxGetParentOwner(child.m_hWnd));
    EXPECT_TRUE(child.ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED));
    EXPECT_TRUE(child.GetStyle() & WS_BORDER);
    EXPECT_FALSE(child.ModifyStyle(0, WS_BORDER));   // no change
}

// ---- reflection ------------------------------------------------------------

std::vector<std::string> g_acted;

// A control that may handle its own notifications: 0 = no entries,
// 1 = takes them, 2 = _EX entries that let the parent act too.
class CReflectingButton : public CWnd
{
public:
    int m_nMode = 0;
    HBRUSH m_hbrOwn = nullptr;

protected:
    afx_msg void OnClickedHere() { g_acted.push_back("child"); }
    afx_msg BOOL OnClickedEx()
    {
        g_acted.push_back("child-ex");
        return FALSE;
    }
    afx_msg void OnNotifyHere(NMHDR*, LRESULT* pResult)
    {
        g_acted.push_back("child");
        *pResult = 11;
    }
    afx_msg BOOL OnNotifyEx(NMHDR*, LRESULT*)
    {
        g_acted.push_back("child-ex");
        return FALSE;
    }
    afx_msg HBRUSH CtlColor(CDC*, UINT) { return m_hbrOwn; }

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (m_nMode == 0)
            return FALSE;
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    DECLARE_MESSAGE_MAP()
};

// Two maps' worth of entries in one class: the mode picks the set.
BEGIN_MESSAGE_MAP(CReflectingButton, CWnd)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClickedHere)
    ON_NOTIFY_REFLECT(NM_CLICK, OnNotifyHere)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CReflectingButtonEx : public CReflectingButton
{
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButtonEx, CReflectingButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClickedEx)
    ON_NOTIFY_REFLECT_EX(NM_CLICK, OnNotifyEx)
END_MESSAGE_MAP()

BOOL CReflectingButton::OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

class CReflectingParent : public CWnd
{
public:
    HBRUSH m_hbrParent = nullptr;

protected:
    afx_msg void OnClicked() { g_acted.push_back("parent"); }
    afx_msg void OnChildClick(NMHDR*, LRESULT* pResult)
    {
        g_acted.push_back("parent");
        *pResult = 22;
    }
    afx_msg HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return m_hbrParent; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingParent, CWnd)
    ON_BN_CLICKED(ID_CHILD, OnClicked)
    ON_NOTIFY(NM_CLICK, ID_CHILD, OnChildClick)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(ReflectionTest, ChildActsFirstAndParentOnlyWhenItDeclines)
{
    CReflectingParent parent;
    ASSERT_TRUE(parent.CreateEx(0, TestWndClass(), "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));

    struct Case
    {
        bool bEx;
        int nMode;
        std::vector<std::string> command;
        LRESULT lNotifyResult;
    };
    const Case cases[] = {
        { false, 0, { "parent" }, 22 },                  // control without reflection
        { false, 1, { "child" }, 11 },                   // control takes it
        { true, 1, { "child-ex", "parent" }, 22 },       // _EX: both act
    };
    for (const Case& c : cases)
    {
        CReflectingButton plain;
        CReflectingButtonEx ex;
        CReflectingButton& button = c.bEx ? ex : plain;
        button.m_nMode = c.nMode;
        ASSERT_TRUE(button.Create("BUTTON", "Knopf", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, ID_CHILD));

        g_acted.clear();
        parent.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CHILD, BN_CLICKED),
                           reinterpret_cast<LPARAM>(button.m_hWnd));
        EXPECT_EQ(c.command, g_acted) << c.bEx << c.nMode;

        g_acted.clear();
        NMHDR nmhdr = { button.m_hWnd, ID_CHILD, static_cast<UINT>(NM_CLICK) };
        EXPECT_EQ(c.lNotifyResult, parent.SendMessage(WM_NOTIFY, ID_CHILD, reinterpret_cast<LPARAM>(&nmhdr)));
        EXPECT_EQ(c.command, g_acted) << c.bEx << c.nMode;
        button.DestroyWindow();
    }
    parent.DestroyWindow();
}

TEST(ReflectionTest, ControlColourFromTheChildElseFromTheParent)
{
    CReflectingParent parent;
    ASSERT_TRUE(parent.CreateEx(0, TestWndClass(), "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    CReflectingButton button;
    button.m_nMode = 1;
    ASSERT_TRUE(button.Create("STATIC", "Text", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, ID_CHILD));
    HDC hDC = ::GetDC(button.m_hWnd);

    HBRUSH hbrChild = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    HBRUSH hbrParent = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    parent.m_hbrParent = hbrParent;
    button.m_hbrOwn = hbrChild;
    LPARAM lButton = reinterpret_cast<LPARAM>(button.m_hWnd);
    EXPECT_EQ(reinterpret_cast<LRESULT>(hbrChild),
              parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC), lButton));
    button.m_hbrOwn = nullptr;   // a null brush lets the parent choose
    EXPECT_EQ(reinterpret_cast<LRESULT>(hbrParent),
              parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC), lButton));

    ::ReleaseDC(button.m_hWnd, hDC);
    button.DestroyWindow();
    parent.DestroyWindow();
}

// ---- tooltips ----------------------------------------------------------------

class CToolTipParent : public CWnd
{
public:
    INT_PTR HitTest(CPoint point, TOOLINFOA* pTI) const { return OnToolHitTest(point, pTI); }
    void Filter(MSG* pMsg) { FilterToolTipMessage(pMsg); }
};

TEST_F(WndTest, ToolTipsForChildWindows)
{
    CToolTipParent parent;
    ASSERT_TRUE(parent.CreateEx(0, TestWndClass(), "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
    parent.ShowWindow(SW_SHOWNA);
    CWnd child;
    ASSERT_TRUE(child.Create(TestWndClass(), "", WS_VISIBLE, CRect(20, 20, 60, 40), &parent, 77));

    TOOLINFOA ti = {};
    ti.cbSize = CToolTipCtrl::toolInfoSize;
    EXPECT_EQ(77, parent.HitTest(CPoint(30, 30), &ti));
    EXPECT_EQ(parent.m_hWnd, ti.hwnd);
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(child.m_hWnd), ti.uId);
    EXPECT_TRUE(ti.uFlags & TTF_IDISHWND);
    EXPECT_EQ(LPSTR_TEXTCALLBACK, ti.lpszText);
    EXPECT_EQ(-1, parent.HitTest(CPoint(150, 80), nullptr));

    ASSERT_TRUE(parent.EnableToolTips(TRUE));
    MSG msg = {};
    msg.hwnd = child.m_hWnd;
    msg.message = WM_MOUSEMOVE;
    msg.pt = { 30, 30 };
    parent.ClientToScreen(&msg.pt);
    parent.Filter(&msg);
    HWND hWndTip = AfxGetThreadState()->m_hWndToolTip;
    ASSERT_NE(nullptr, hWndTip);
    EXPECT_EQ(1, ::SendMessageA(hWndTip, TTM_GETTOOLCOUNT, 0, 0));

    // Off the child: the tool goes.
    msg.hwnd = parent.m_hWnd;
    msg.pt = { 150, 80 };
    parent.ClientToScreen(&msg.pt);
    parent.Filter(&msg);
    EXPECT_EQ(0, ::SendMessageA(hWndTip, TTM_GETTOOLCOUNT, 0, 0));
    parent.EnableToolTips(FALSE);
    parent.DestroyWindow();
}

} // namespace
