// The watch on the shell's auto-suggest drop-down. The shell here never
// shows one, so the test makes a window of that class itself, with a first
// child and a list box after it, as the shell's drop-down has.
#include "toolkit/controls/AutoComplete.h"

#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/controls/EditWnd.h"

#include <gtest/gtest.h>

namespace {

const char kDropDownClass[] = "Auto-Suggest Dropdown";

void RegisterDropDownClass()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kDropDownClass;
    ::RegisterClassA(&wc);
}

class AutoCompleteTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegisterDropDownClass();
        m_hWndEdit = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                       nullptr, nullptr);
        m_hWndDropDown = ::CreateWindowExA(WS_EX_TOOLWINDOW, kDropDownClass, "", WS_POPUP, 200,
                                           200, 150, 120, nullptr, nullptr, nullptr, nullptr);
        m_hWndFirst = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 150, 10,
                                        m_hWndDropDown, nullptr, nullptr, nullptr);
        m_hWndList = ::CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 0, 10,
                                       150, 110, m_hWndDropDown, nullptr, nullptr, nullptr);
        for (const char* psz : {"Arial", "Arial Black", "Courier"})
            ::SendMessageA(m_hWndList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(psz));
        ::SendMessageA(m_hWndList, LB_SETCURSEL, 0, 0);
        m_object.Attach(m_hWndEdit, 0x10000000);
    }
    void TearDown() override
    {
        m_object.SetHook(FALSE);
        ::DestroyWindow(m_hWndDropDown);
        ::DestroyWindow(m_hWndEdit);
    }

    void ShowDropDown(BOOL bShow)
    {
        ::SetWindowPos(m_hWndDropDown, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE
                           | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }

    BOOL StartPosted()
    {
        MSG msg;
        return ::PeekMessageA(&msg, m_hWndEdit, WM_XTP_SHELLAUTOCOMPLETESTART,
                              WM_XTP_SHELLAUTOCOMPLETESTART, PM_REMOVE);
    }

    int WheelAnswer()
    {
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        LRESULT lResult = 0;
        return m_object.OnHookMessage(nullptr, WM_MOUSEWHEEL, wParam, lParam, lResult);
    }

    CPoint DropDownCenter()
    {
        CRect rc;
        ::GetWindowRect(m_hWndDropDown, &rc);
        return rc.CenterPoint();
    }

    HWND m_hWndEdit = nullptr;
    HWND m_hWndDropDown = nullptr;
    HWND m_hWndFirst = nullptr;
    HWND m_hWndList = nullptr;
    CXTPControlComboBoxAutoCompleteWnd m_object;
};

TEST_F(AutoCompleteTest, WatchesTheDropDownWhileHooked)
{
    // Not hooked: the drop-down goes unnoticed.
    ShowDropDown(TRUE);
    EXPECT_EQ(nullptr, m_object.GetDropDown());
    ShowDropDown(FALSE);

    m_object.SetHook(TRUE);
    EXPECT_EQ(&m_object, CXTPControlComboBoxAutoCompleteWnd::GetHookedObject());
    EXPECT_EQ(CXTPHookManagerHookAble::hookNext, WheelAnswer());
    EXPECT_FALSE(m_object.ProcessKey(VK_DOWN));

    ShowDropDown(TRUE);
    EXPECT_EQ(m_hWndDropDown, m_object.GetDropDown());
    EXPECT_TRUE(StartPosted());
    EXPECT_TRUE(XTPMouseManager()->IsTrustedPoint(DropDownCenter()));
    EXPECT_EQ(CXTPHookManagerHookAble::hookPassOn, WheelAnswer());

    // The arrows and page keys move in the drop-down's list; others stay.
    EXPECT_TRUE(m_object.ProcessKey(VK_DOWN));
    EXPECT_EQ(1, ::SendMessageA(m_hWndList, LB_GETCURSEL, 0, 0));
    EXPECT_TRUE(m_object.ProcessKey(VK_NEXT));
    EXPECT_EQ(2, ::SendMessageA(m_hWndList, LB_GETCURSEL, 0, 0));
    EXPECT_TRUE(m_object.ProcessKey(VK_UP));
    EXPECT_EQ(1, ::SendMessageA(m_hWndList, LB_GETCURSEL, 0, 0));
    EXPECT_FALSE(m_object.ProcessKey(VK_RETURN));
    EXPECT_FALSE(m_object.ProcessKey('A'));

    // Hidden: forgotten, no longer trusted.
    ShowDropDown(FALSE);
    EXPECT_EQ(nullptr, m_object.GetDropDown());
    EXPECT_EQ(CXTPHookManagerHookAble::hookNext, WheelAnswer());
    ShowDropDown(TRUE);
    ::ShowWindow(m_hWndDropDown, SW_HIDE);
    EXPECT_EQ(nullptr, m_object.GetDropDown());
    CRect rc;
    ::GetWindowRect(m_hWndDropDown, &rc);
    EXPECT_FALSE(XTPMouseManager()->IsTrustedPoint(rc.CenterPoint()));

    m_object.SetHook(FALSE);
    EXPECT_EQ(nullptr, CXTPControlComboBoxAutoCompleteWnd::GetHookedObject());
}

TEST_F(AutoCompleteTest, OtherClassesAndListlessDropDownsAreIgnored)
{
    m_object.SetHook(TRUE);
    HWND hWndOther = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr);
    ::SetWindowPos(hWndOther, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    EXPECT_EQ(nullptr, m_object.GetDropDown());
    EXPECT_FALSE(StartPosted());
    ::DestroyWindow(hWndOther);

    // A drop-down without a window after its first child has no list.
    ::DestroyWindow(m_hWndList);
    ShowDropDown(TRUE);
    EXPECT_EQ(m_hWndDropDown, m_object.GetDropDown());
    EXPECT_FALSE(m_object.ProcessKey(VK_DOWN));
}

TEST_F(AutoCompleteTest, OnlyOneObjectIsHooked)
{
    CXTPControlComboBoxAutoCompleteWnd second;
    m_object.SetHook(TRUE);
    second.SetHook(TRUE);
    EXPECT_EQ(&m_object, CXTPControlComboBoxAutoCompleteWnd::GetHookedObject());
    // Unhooking an object that is not hooked leaves the hook alone.
    second.SetHook(FALSE);
    EXPECT_EQ(&m_object, CXTPControlComboBoxAutoCompleteWnd::GetHookedObject());
    m_object.SetHook(FALSE);
    second.SetHook(TRUE);
    EXPECT_EQ(&second, CXTPControlComboBoxAutoCompleteWnd::GetHookedObject());
    second.SetHook(FALSE);
    EXPECT_EQ(nullptr, CXTPControlComboBoxAutoCompleteWnd::GetHookedObject());
}

TEST_F(AutoCompleteTest, AttachCallsTheShell)
{
    // The shell's answer for a window it can serve is a success.
    CXTPControlComboBoxAutoCompleteWnd object;
    EXPECT_FALSE(FAILED(object.Attach(m_hWndEdit, 0x10000000)));
    EXPECT_EQ(m_hWndEdit, object.GetEditWindow());
}

} // namespace
