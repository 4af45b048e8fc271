// The accessibility mix-in: child ids from VARIANTs, the interface's
// forwarding to the operations with foreign child ids refused before they
// get there, reference counting through the owner, the object reached
// through oleacc from its window, and accessibility events. Where oleacc is
// taken away (QIV_EXPECT_OLEACC=missing) the window's answer is E_FAIL.
#include "toolkit/commandbars/Accessible.h"

#include "framework/ui/CmdTarget.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/Wnd.h"

#include "AccessibleTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// A list of three named children that counts how often its name operation runs.
class CAccessibleList : public CCmdTarget, public CXTPAccessible
{
public:
    int m_nNameCalls = 0;

    HRESULT GetAccessibleChildCount(long* pcountChildren) override
    {
        *pcountChildren = 3;
        return S_OK;
    }
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override
    {
        ++m_nNameCalls;
        static const wchar_t* const names[] = {L"Liste", L"\u00d6ffnen", L"Speichern\tStrg+S", L"Schlie\u00dfen"};
        long nChild = VariantToChildId(varChild);
        *pszName = ::SysAllocString(names[nChild]);
        return S_OK;
    }
    CCmdTarget* GetAccessibleOwner() override { return this; }

protected:
    LPUNKNOWN GetInterfaceHook(const void* iid) override { return GetAccessibleInterface(iid); }
};

// Hands its list to accessibility clients that ask for its client object.
class CAccessibleWnd : public CWnd
{
public:
    CAccessibleList m_list;
    LRESULT m_lGetObjectResult = 0;

protected:
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam)
    {
        if (static_cast<LONG>(lParam) != OBJID_CLIENT)
            return Default();
        m_lGetObjectResult =
            CXTPAccessible::LresultFromObjectBound(XTP_IID_IAccessible, wParam, m_list.GetAccessible());
        return m_lGetObjectResult;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAccessibleWnd, CWnd)
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

struct WinEvent
{
    DWORD dwEvent;
    HWND hWnd;
    LONG idObject;
    LONG idChild;
};
std::vector<WinEvent> g_events;

void CALLBACK RecordWinEvent(HWINEVENTHOOK, DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild,
                             DWORD, DWORD)
{
    g_events.push_back({dwEvent, hWnd, idObject, idChild});
}

} // namespace

TEST(Accessible, ChildIdsFromVariants)
{
    long nValue = 3;
    short nShort = 7;
    VARIANT varI4 = ChildVariant(3);
    VARIANT varBstr;
    ::VariantInit(&varBstr);
    varBstr.vt = VT_BSTR;
    varBstr.bstrVal = nullptr;

    // Chains of by-reference variants around an I4 of 3.
    VARIANT chain[6];
    chain[0] = varI4;
    for (int i = 1; i < 6; ++i)
    {
        ::VariantInit(&chain[i]);
        chain[i].vt = VT_BYREF | VT_VARIANT;
        chain[i].pvarVal = &chain[i - 1];
    }

    struct
    {
        VARTYPE vt;
        void* pRef;
        long nValue;
        long nExpected;
    } cases[] = {
        {VT_EMPTY, nullptr, 0, 0},
        {VT_I2, nullptr, 5, 5},
        {VT_I4, nullptr, 3, 3},
        {VT_BYREF | VT_I4, &nValue, 0, 3},
        {VT_BYREF | VT_I2, &nShort, 0, 7},
        {VT_BYREF | VT_I4, nullptr, 0, -1},
        {VT_BYREF | VT_I2, nullptr, 0, -1},
        {VT_BYREF | VT_VARIANT, nullptr, 0, -1},
        {VT_BYREF | VT_VARIANT, &chain[0], 0, 3},   // one deep
        {VT_BYREF | VT_VARIANT, &chain[3], 0, 3},   // four deep
        {VT_BYREF | VT_VARIANT, &chain[4], 0, -1},  // five deep: not followed
        {VT_R8, nullptr, 3, -1},
    };
    for (const auto& c : cases)
    {
        VARIANT var;
        ::VariantInit(&var);
        var.vt = c.vt;
        if (c.vt & VT_BYREF)
            var.byref = c.pRef;
        else if (c.vt == VT_I2)
            var.iVal = static_cast<short>(c.nValue);
        else
            var.lVal = c.nValue;
        EXPECT_EQ(c.nExpected, CXTPAccessible::VariantToChildId(var)) << c.vt;
    }
    EXPECT_EQ(-1, CXTPAccessible::VariantToChildId(varBstr));
}

TEST(Accessible, ForeignChildIdsNeverReachTheOperations)
{
    CAccessibleList list;
    IAccessible* pAcc = list.GetAccessible();
    long nCount = 0;
    ASSERT_EQ(S_OK, pAcc->get_accChildCount(&nCount));
    EXPECT_EQ(3, nCount);

    struct
    {
        long nChild;
        HRESULT hr;
        const wchar_t* pszName;
    } names[] = {{0, S_OK, L"Liste"}, {1, S_OK, L"\u00d6ffnen"}, {2, S_OK, L"Speichern\tStrg+S"},
                 {3, S_OK, L"Schlie\u00dfen"}, {4, E_INVALIDARG, nullptr}, {-1, E_INVALIDARG, nullptr},
                 {0x7FFFFFFF, E_INVALIDARG, nullptr}};
    for (const auto& c : names)
    {
        int nCalls = list.m_nNameCalls;
        BSTR bstr = nullptr;
        EXPECT_EQ(c.hr, pAcc->get_accName(ChildVariant(c.nChild), &bstr)) << c.nChild;
        if (c.pszName != nullptr)
        {
            EXPECT_STREQ(c.pszName, bstr) << c.nChild;
            ::SysFreeString(bstr);
        }
        EXPECT_EQ(c.hr == S_OK ? nCalls + 1 : nCalls, list.m_nNameCalls) << c.nChild;
    }

    // Every method with a child: an absent child is refused, a present one
    // reaches the base operation, which implements nothing.
    BSTR bstr = nullptr;
    IDispatch* pDisp = nullptr;
    VARIANT var;
    ::VariantInit(&var);
    long x = 0, y = 0, cx = 0, cy = 0;
    const std::function<HRESULT(VARIANT)> methods[] = {
        [&](VARIANT v) { return pAcc->get_accChild(v, &pDisp); },
        [&](VARIANT v) { return pAcc->get_accValue(v, &bstr); },
        [&](VARIANT v) { return pAcc->get_accDescription(v, &bstr); },
        [&](VARIANT v) { return pAcc->get_accRole(v, &var); },
        [&](VARIANT v) { return pAcc->get_accState(v, &var); },
        [&](VARIANT v) { return pAcc->get_accHelp(v, &bstr); },
        [&](VARIANT v) { return pAcc->get_accHelpTopic(&bstr, v, &x); },
        [&](VARIANT v) { return pAcc->get_accKeyboardShortcut(v, &bstr); },
        [&](VARIANT v) { return pAcc->get_accDefaultAction(v, &bstr); },
        [&](VARIANT v) { return pAcc->accSelect(SELFLAG_TAKEFOCUS, v); },
        [&](VARIANT v) { return pAcc->accLocation(&x, &y, &cx, &cy, v); },
        [&](VARIANT v) { return pAcc->accNavigate(NAVDIR_NEXT, v, &var); },
        [&](VARIANT v) { return pAcc->accDoDefaultAction(v); },
        [&](VARIANT v) { return pAcc->put_accName(v, nullptr); },
        [&](VARIANT v) { return pAcc->put_accValue(v, nullptr); },
    };
    for (size_t i = 0; i < sizeof(methods) / sizeof(methods[0]); ++i)
    {
        EXPECT_EQ(E_INVALIDARG, methods[i](ChildVariant(4))) << i;
        EXPECT_EQ(E_INVALIDARG, methods[i](ChildVariant(-2))) << i;
        EXPECT_EQ(E_NOTIMPL, methods[i](ChildVariant(2))) << i;
    }
    EXPECT_EQ(S_FALSE, pAcc->get_accFocus(&var));
    EXPECT_EQ(S_FALSE, pAcc->get_accSelection(&var));
    EXPECT_EQ(E_NOTIMPL, pAcc->get_accParent(&pDisp));
    EXPECT_EQ(E_NOTIMPL, pAcc->accHitTest(0, 0, &var));
    UINT nInfo = 0;
    EXPECT_EQ(E_NOTIMPL, pAcc->GetTypeInfoCount(&nInfo));
}

TEST(Accessible, ReferencesAndInterfacesGoThroughTheOwner)
{
    CAccessibleList list;
    IAccessible* pAcc = list.GetAccessible();
    long nRef = list.m_dwRef;
    EXPECT_EQ(static_cast<ULONG>(nRef + 1), pAcc->AddRef());
    EXPECT_EQ(nRef + 1, list.m_dwRef);
    EXPECT_EQ(static_cast<ULONG>(nRef), pAcc->Release());

    const IID* iids[] = {&XTP_IID_IAccessible, &IID_IDispatch, &IID_IUnknown};
    for (const IID* piid : iids)
    {
        void* pv = nullptr;
        ASSERT_EQ(S_OK, pAcc->QueryInterface(*piid, &pv));
        EXPECT_EQ(static_cast<void*>(pAcc), pv);
        EXPECT_EQ(nRef + 1, list.m_dwRef);
        static_cast<IUnknown*>(pv)->Release();
    }
    void* pv = &list;
    EXPECT_EQ(E_NOINTERFACE, pAcc->QueryInterface(IID_IClassFactory, &pv));
    EXPECT_EQ(nullptr, pv);
}

TEST(Accessible, ClientsReachTheObjectThroughItsWindow)
{
    // Accessibility clients need COM, as the program has it.
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    CAccessibleWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "Liste", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    IAccessible* pAcc = nullptr;
    HRESULT hr = CXTPAccessible::AccessibleObjectFromWindowBound(
        wnd.m_hWnd, static_cast<DWORD>(OBJID_CLIENT), XTP_IID_IAccessible, reinterpret_cast<void**>(&pAcc));
    if (OleaccMissing())
    {
        EXPECT_EQ(E_FAIL, hr);
        EXPECT_EQ(E_FAIL, wnd.SendMessage(WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)));
        // Tried again, and still missing.
        EXPECT_EQ(E_FAIL, CXTPAccessible::LresultFromObjectBound(XTP_IID_IAccessible, 0,
                                                                 wnd.m_list.GetAccessible()));
        wnd.DestroyWindow();
        ::CoUninitialize();
        return;
    }
    ASSERT_EQ(S_OK, hr);
    ASSERT_NE(nullptr, pAcc);
    EXPECT_GT(wnd.m_lGetObjectResult, 0);
    long nCount = 0;
    EXPECT_EQ(S_OK, pAcc->get_accChildCount(&nCount));
    EXPECT_EQ(3, nCount);
    BSTR bstr = nullptr;
    EXPECT_EQ(S_OK, pAcc->get_accName(ChildVariant(2), &bstr));
    EXPECT_STREQ(L"Speichern\tStrg+S", bstr);
    ::SysFreeString(bstr);
    EXPECT_EQ(E_INVALIDARG, pAcc->get_accName(ChildVariant(4), &bstr));
    pAcc->Release();
    wnd.DestroyWindow();
    ::CoUninitialize();
}

TEST(Accessible, EventsReachWinEventHooks)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    g_events.clear();
    HWINEVENTHOOK hHook = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr,
                                            &RecordWinEvent, ::GetCurrentProcessId(), 0,
                                            WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(nullptr, hHook);
    CXTPAccessible::NotifyWinEventIfBound(EVENT_OBJECT_FOCUS, wnd.m_hWnd, OBJID_MENU, 3);
    // Out-of-context events arrive through this thread's message queue.
    for (int i = 0; i < 300 && g_events.empty(); ++i)
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        if (g_events.empty())
            ::Sleep(10);
    }
    ::UnhookWinEvent(hHook);
    ASSERT_EQ(1u, g_events.size());
    EXPECT_EQ(static_cast<DWORD>(EVENT_OBJECT_FOCUS), g_events[0].dwEvent);
    EXPECT_EQ(wnd.m_hWnd, g_events[0].hWnd);
    EXPECT_EQ(OBJID_MENU, g_events[0].idObject);
    EXPECT_EQ(3, g_events[0].idChild);
    wnd.DestroyWindow();
}
