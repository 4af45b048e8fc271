// What the ribbon's tab row tells accessibility clients: a page-tab list
// reached from the bar, whose children are the tabs with their names,
// states, places and "Switch" action; and the focus event a tab change
// raises, which names the tab as child index + 1 of the tab row's object.
#include "RibbonTestSupport.h"

#include "AccessibleTestSupport.h"

#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonTab.h"

#include <string>
#include <vector>

namespace {

struct FocusEvent
{
    HWND hWnd;
    LONG idObject;
    LONG idChild;
    bool operator==(const FocusEvent& other) const
    {
        return hWnd == other.hWnd && idObject == other.idObject && idChild == other.idChild;
    }
};
std::vector<FocusEvent> g_focusEvents;

// The bar raises its own events for its controls (OBJID_MENU); these
// tests look at the tab row's.
void CALLBACK RecordFocus(HWINEVENTHOOK, DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild, DWORD,
                          DWORD)
{
    if (dwEvent == EVENT_OBJECT_FOCUS && idObject != OBJID_MENU)
        g_focusEvents.push_back({hWnd, idObject, idChild});
}

class RibbonAccessibleTest : public RibbonTestBase
{
protected:
    void SetUp() override
    {
        RibbonTestBase::SetUp();
        for (const char* pszTab : {"&Start", "&Einfügen", "Seiten&layout", "Ansicht"})
            AddButton(m_pRibbon->AddTab(pszTab)->AddGroup("Gruppe", m_pRibbon->GetTabCount()),
                      1000 + m_pRibbon->GetTabCount(), xtpButtonIconAndCaptionBelow);
        m_pRibbon->GetTab(3)->SetVisible(FALSE);
        m_pRibbon->SelectTab(0);
        m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        m_pFrame->RecalcLayout();
        Pump();
        ASSERT_TRUE(m_pRibbon->GetSafeHwnd());
        m_pFrame->m_notices.clear();
    }

    // The tab row's interface as a client reaches it: the bar's child of
    // the tab control.
    IAccessible* TabRow()
    {
        IDispatch* pDispatch = nullptr;
        const long nChild = m_pRibbon->GetControlTab()->GetIndex() + 1;
        EXPECT_EQ(S_OK, m_pRibbon->GetAccessible()->get_accChild(ChildVariant(nChild), &pDispatch));
        IAccessible* pAcc = nullptr;
        if (pDispatch)
        {
            pDispatch->QueryInterface(XTP_IID_IAccessible, reinterpret_cast<void**>(&pAcc));
            pDispatch->Release();
        }
        return pAcc;
    }
    long State(IAccessible* pAcc, long nChild)
    {
        VARIANT var;
        EXPECT_EQ(S_OK, pAcc->get_accState(ChildVariant(nChild), &var));
        return var.lVal;
    }
    // Collects the focus events raised while the action runs (they arrive
    // through this thread's queue).
    template <class Action>
    std::vector<FocusEvent> FocusEventsOf(Action action, size_t nExpected)
    {
        g_focusEvents.clear();
        HWINEVENTHOOK hHook = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, &RecordFocus,
                                                ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
        EXPECT_NE(nullptr, hHook);
        action();
        for (int i = 0; i < 300 && g_focusEvents.size() < nExpected; ++i)
        {
            Pump();
            if (g_focusEvents.size() < nExpected)
                ::Sleep(10);
        }
        // A moment more for events that should not come.
        ::Sleep(50);
        Pump();
        ::UnhookWinEvent(hHook);
        return g_focusEvents;
    }
};

TEST_F(RibbonAccessibleTest, TheTabRowIsAPageTabListOfTheTabs)
{
    IAccessible* pAcc = TabRow();
    ASSERT_NE(nullptr, pAcc);
    long nCount = 0;
    EXPECT_EQ(S_OK, pAcc->get_accChildCount(&nCount));
    EXPECT_EQ(4, nCount);
    VARIANT var;
    EXPECT_EQ(S_OK, pAcc->get_accRole(ChildVariant(CHILDID_SELF), &var));
    EXPECT_EQ(ROLE_SYSTEM_PAGETABLIST, var.lVal);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE, State(pAcc, CHILDID_SELF));

    const long kTab = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    const struct
    {
        long nChild;
        const wchar_t* pszName;
        long nState;
    } kTabs[] = {
        {1, L"Start", kTab | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED},
        {2, L"Einfügen", kTab},
        {3, L"Seitenlayout", kTab},
        {4, L"Ansicht", kTab | STATE_SYSTEM_INVISIBLE},
    };
    for (const auto& tab : kTabs)
    {
        SCOPED_TRACE(tab.nChild);
        EXPECT_EQ(S_OK, pAcc->get_accRole(ChildVariant(tab.nChild), &var));
        EXPECT_EQ(ROLE_SYSTEM_PAGETAB, var.lVal);
        BSTR bstr = nullptr;
        EXPECT_EQ(S_OK, pAcc->get_accName(ChildVariant(tab.nChild), &bstr));
        EXPECT_EQ(std::wstring(tab.pszName), TakeBstr(bstr));
        EXPECT_EQ(tab.nState, State(pAcc, tab.nChild));
        bstr = nullptr;
        EXPECT_EQ(S_OK, pAcc->get_accDefaultAction(ChildVariant(tab.nChild), &bstr));
        EXPECT_EQ(std::wstring(L"Switch"), TakeBstr(bstr));
    }
    // Ids beyond the tabs are refused.
    BSTR bstr = nullptr;
    EXPECT_EQ(E_INVALIDARG, pAcc->get_accName(ChildVariant(5), &bstr));

    // A hidden bar hides the row.
    m_pRibbon->SetVisible(FALSE);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_INVISIBLE, State(pAcc, CHILDID_SELF));
    pAcc->Release();
}

TEST_F(RibbonAccessibleTest, TabsAreFoundWhereTheyAreAndSwitchedTo)
{
    IAccessible* pAcc = TabRow();
    ASSERT_NE(nullptr, pAcc);
    for (int i = 0; i < 3; ++i)
    {
        SCOPED_TRACE(i);
        CRect rcTab = m_pRibbon->GetTab(i)->GetRect();
        ASSERT_FALSE(rcTab.IsRectEmpty());
        m_pRibbon->ClientToScreen(&rcTab);
        long x = 0, y = 0, cx = 0, cy = 0;
        EXPECT_EQ(S_OK, pAcc->accLocation(&x, &y, &cx, &cy, ChildVariant(i + 1)));
        EXPECT_EQ(rcTab, CRect(x, y, x + cx, y + cy));
        VARIANT var;
        EXPECT_EQ(S_OK, pAcc->accHitTest(rcTab.CenterPoint().x, rcTab.CenterPoint().y, &var));
        EXPECT_EQ(VT_I4, var.vt);
        EXPECT_EQ(i + 1, var.lVal);
    }
    // The hidden tab has no place.
    long x = 1, y = 1, cx = 1, cy = 1;
    EXPECT_EQ(S_OK, pAcc->accLocation(&x, &y, &cx, &cy, ChildVariant(4)));
    EXPECT_EQ(0, cx);

    // "Switch" changes the tab through the ribbon, which asks the site.
    EXPECT_EQ(S_OK, pAcc->accDoDefaultAction(ChildVariant(3)));
    EXPECT_EQ(m_pRibbon->GetTab(2), m_pRibbon->GetSelectedTab());
    ASSERT_FALSE(m_pFrame->m_notices.empty());
    EXPECT_EQ(XTP_RN_TABCHANGING, m_pFrame->m_notices[0].nCode);
    m_pFrame->m_bVeto = TRUE;
    EXPECT_EQ(S_OK, pAcc->accDoDefaultAction(ChildVariant(1)));
    EXPECT_EQ(m_pRibbon->GetTab(2), m_pRibbon->GetSelectedTab());
    pAcc->Release();
}

TEST_F(RibbonAccessibleTest, ATabChangeRaisesAFocusEventNamingTheTab)
{
    const HWND hWnd = m_pRibbon->GetSafeHwnd();
    const LONG nRow = XTP_ID_RIBBONCONTROLTAB;
    EXPECT_EQ((std::vector<FocusEvent>{{hWnd, nRow, 3}}),
              FocusEventsOf([this] { m_pRibbon->SelectTab(2); }, 1));
    // The same tab again, or a vetoed change: no event.
    EXPECT_TRUE(FocusEventsOf([this] { m_pRibbon->SelectTab(2); }, 0).empty());
    m_pFrame->m_bVeto = TRUE;
    EXPECT_TRUE(FocusEventsOf([this] { m_pRibbon->SelectTab(0); }, 0).empty());
    m_pFrame->m_bVeto = FALSE;
    // The keyboard entering the row names the selected tab as well.
    EXPECT_EQ((std::vector<FocusEvent>{{hWnd, nRow, 3}}),
              FocusEventsOf([this] { m_pRibbon->SetTrackingMode(1, TRUE, TRUE); }, 1));
    m_pRibbon->SetTrackingMode(0);

    // The event's object resolves to the tab row, its child to the tab.
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    IAccessible* pAcc = nullptr;
    const HRESULT hr = CXTPAccessible::AccessibleObjectFromWindowBound(
        hWnd, static_cast<DWORD>(nRow), XTP_IID_IAccessible, reinterpret_cast<void**>(&pAcc));
    if (OleaccMissing())
    {
        EXPECT_EQ(E_FAIL, hr);
        ::CoUninitialize();
        return;
    }
    ASSERT_EQ(S_OK, hr);
    BSTR bstr = nullptr;
    EXPECT_EQ(S_OK, pAcc->get_accName(ChildVariant(3), &bstr));
    EXPECT_EQ(std::wstring(L"Seitenlayout"), TakeBstr(bstr));
    pAcc->Release();
    ::CoUninitialize();
}

} // namespace
