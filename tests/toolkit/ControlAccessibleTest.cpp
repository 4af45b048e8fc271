// What a control tells accessibility clients through its interface: names
// with shortcuts and without access-key marks ("&&" a plain "&", never an
// access key), access keys, roles by the kind of bar, state bits, its place
// on the screen, the default action, and no children.
#include "toolkit/controls/Control.h"

#include "toolkit/controls/Controls.h"

#include "AccessibleTestSupport.h"
#include "BarTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

VARIANT Self()
{
    return ChildVariant(CHILDID_SELF);
}

} // namespace

TEST(ControlAccessible, NamesAndAccessKeys)
{
    CTestBar bar;
    CXTPControl* pControl = bar.GetControls()->Add(xtpControlButton, 100);
    IAccessible* pAcc = pControl->GetAccessible();
    struct
    {
        const char* pszCaption;
        const char* pszShortcut;
        const char* pszTooltip;
        const wchar_t* pszName;
        HRESULT hrKey;
        const wchar_t* pszKey;
    } cases[] = {
        {"&Speichern", "Strg+S", "", L"Speichern\tStrg+S", S_OK, L"Alt+S"},
        {"Drucken && Senden", "", "", L"Drucken & Senden", S_FALSE, L"(null)"},
        {"A&&B &C", "", "", L"A&B C", S_OK, L"Alt+C"},
        {"Ende&", "", "", L"Ende", S_FALSE, L"(null)"},
        {"", "", "Neue Kategorie", L"Neue Kategorie", S_FALSE, L"(null)"},
        {"\xD6&ffnen", "", "", L"\u00d6ffnen", S_OK, L"Alt+f"},
    };
    for (const auto& c : cases)
    {
        pControl->SetCaption(c.pszCaption);
        pControl->SetShortcutText(c.pszShortcut);
        pControl->SetTooltip(c.pszTooltip);
        BSTR bstr = nullptr;
        EXPECT_EQ(S_OK, pAcc->get_accName(Self(), &bstr)) << c.pszCaption;
        EXPECT_EQ(std::wstring(c.pszName), TakeBstr(bstr)) << c.pszCaption;
        bstr = nullptr;
        EXPECT_EQ(c.hrKey, pAcc->get_accKeyboardShortcut(Self(), &bstr)) << c.pszCaption;
        EXPECT_EQ(std::wstring(c.pszKey), TakeBstr(bstr)) << c.pszCaption;
    }
}

TEST(ControlAccessible, RolesStatesAndPlace)
{
    struct
    {
        int nBarType;
        long nRole;
    } roles[] = {{xtpBarTypeNormal, ROLE_SYSTEM_PUSHBUTTON},
                 {xtpBarTypeMenuBar, ROLE_SYSTEM_MENUITEM},
                 {xtpBarTypePopup, ROLE_SYSTEM_MENUITEM}};
    for (const auto& r : roles)
    {
        CTestBar bar(r.nBarType);
        IAccessible* pAcc = bar.GetControls()->Add(xtpControlButton, 100)->GetAccessible();
        VARIANT var;
        EXPECT_EQ(S_OK, pAcc->get_accRole(Self(), &var));
        EXPECT_EQ(r.nRole, var.lVal) << r.nBarType;
    }

    CTestBar bar;
    ASSERT_TRUE(bar.CreateHidden(200, 30));
    CXTPControl* pControl = bar.GetControls()->Add(xtpControlButton, 100);
    pControl->SetRect(CRect(10, 2, 50, 22));
    IAccessible* pAcc = pControl->GetAccessible();
    struct
    {
        int nEnabled;
        int nChecked;
        long nSet;
        long nClear;
    } states[] = {{TRUE, 0, STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED},
                  {FALSE, 0, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_CHECKED},
                  {TRUE, 1, STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_CHECKED, STATE_SYSTEM_UNAVAILABLE}};
    for (const auto& s : states)
    {
        pControl->SetEnabled(s.nEnabled);
        pControl->SetChecked(s.nChecked);
        VARIANT var;
        EXPECT_EQ(S_OK, pAcc->get_accState(Self(), &var));
        EXPECT_EQ(s.nSet, var.lVal & s.nSet) << s.nEnabled << s.nChecked;
        EXPECT_EQ(0, var.lVal & s.nClear) << s.nEnabled << s.nChecked;
    }

    long x = 0, y = 0, cx = 0, cy = 0;
    EXPECT_EQ(S_OK, pAcc->accLocation(&x, &y, &cx, &cy, Self()));
    CPoint ptOrigin(0, 0);
    bar.ClientToScreen(&ptOrigin);
    EXPECT_EQ(ptOrigin.x + 10, x);
    EXPECT_EQ(ptOrigin.y + 2, y);
    EXPECT_EQ(40, cx);
    EXPECT_EQ(20, cy);

    // No children: child 1 is not there.
    long nCount = -1;
    EXPECT_EQ(S_OK, pAcc->get_accChildCount(&nCount));
    EXPECT_EQ(0, nCount);
    VARIANT varOne = Self();
    varOne.lVal = 1;
    BSTR bstr = nullptr;
    EXPECT_EQ(E_INVALIDARG, pAcc->get_accName(varOne, &bstr));
    EXPECT_EQ(S_OK, pAcc->get_accDefaultAction(Self(), &bstr));
    EXPECT_EQ(std::wstring(L"Click"), TakeBstr(bstr));

    // The interface keeps the control alive through the control's own count.
    long nRef = pControl->m_dwRef;
    pAcc->AddRef();
    EXPECT_EQ(nRef + 1, pControl->m_dwRef);
    pAcc->Release();
}
