// A bar as accessibility clients see it through oleacc in this process: one
// child per control with its name, role, state and place, the bar's own
// role by type, hit tests, foreign child ids refused; without oleacc the
// bar answers WM_GETOBJECT with E_FAIL and keeps working.
#include "toolkit/commandbars/CommandBar.h"

#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include "BarTestSupport.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

#include <string>

namespace {

bool OleaccMissing()
{
    const char* psz = getenv("QIV_EXPECT_OLEACC");
    return psz != nullptr && strcmp(psz, "missing") == 0;
}

VARIANT Child(long nChild)
{
    VARIANT var;
    ::VariantInit(&var);
    var.vt = VT_I4;
    var.lVal = nChild;
    return var;
}

std::wstring Take(BSTR bstr)
{
    std::wstring str = bstr != nullptr ? std::wstring(bstr) : std::wstring(L"(null)");
    ::SysFreeString(bstr);
    return str;
}

class CommandBarAccessibleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
        m_bar.SetTitle("Standard");
        ASSERT_TRUE(m_bar.CreateHidden(300, 30));
        const struct
        {
            const char* pszCaption;
            const char* pszShortcut;
            CRect rc;
        } controls[] = {{"&Neu", "", CRect(2, 2, 50, 26)},
                        {"\xD6&ffnen", "Strg+O", CRect(50, 2, 110, 26)},
                        {"Drucken && Senden", "", CRect(110, 2, 200, 26)}};
        for (const auto& c : controls)
        {
            CXTPControl* pControl = m_bar.GetControls()->Add(xtpControlButton, 100 + m_bar.GetControlCount());
            pControl->SetCaption(c.pszCaption);
            pControl->SetShortcutText(c.pszShortcut);
            pControl->SetRect(c.rc);
        }
    }
    void TearDown() override
    {
        if (m_pAcc != nullptr)
            m_pAcc->Release();
        m_bar.DestroyWindow();
        ::CoUninitialize();
    }

    CTestBar m_bar;
    IAccessible* m_pAcc = nullptr;
};

} // namespace

TEST_F(CommandBarAccessibleTest, ClientsReadTheBarThroughOleacc)
{
    HRESULT hr = CXTPAccessible::AccessibleObjectFromWindowBound(
        m_bar.m_hWnd, static_cast<DWORD>(OBJID_CLIENT), XTP_IID_IAccessible, reinterpret_cast<void**>(&m_pAcc));
    if (OleaccMissing())
    {
        EXPECT_EQ(E_FAIL, hr);
        EXPECT_EQ(E_FAIL, m_bar.SendMessage(WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)));
        // The bar goes on working.
        EXPECT_TRUE(m_bar.SetSelected(1, 1));
        return;
    }
    ASSERT_EQ(S_OK, hr);
    ASSERT_NE(nullptr, m_pAcc);

    long nCount = 0;
    EXPECT_EQ(S_OK, m_pAcc->get_accChildCount(&nCount));
    EXPECT_EQ(3, nCount);
    const wchar_t* const names[] = {L"Standard", L"Neu", L"\u00d6ffnen\tStrg+O", L"Drucken & Senden"};
    for (long i = 0; i <= 3; ++i)
    {
        BSTR bstr = nullptr;
        EXPECT_EQ(S_OK, m_pAcc->get_accName(Child(i), &bstr)) << i;
        EXPECT_EQ(std::wstring(names[i]), Take(bstr)) << i;
    }
    BSTR bstr = nullptr;
    EXPECT_EQ(S_OK, m_pAcc->get_accKeyboardShortcut(Child(2), &bstr));
    EXPECT_EQ(std::wstring(L"Alt+f"), Take(bstr));
    bstr = nullptr;
    EXPECT_EQ(S_FALSE, m_pAcc->get_accKeyboardShortcut(Child(3), &bstr));

    VARIANT var;
    EXPECT_EQ(S_OK, m_pAcc->get_accRole(Child(0), &var));
    EXPECT_EQ(ROLE_SYSTEM_TOOLBAR, var.lVal);
    EXPECT_EQ(S_OK, m_pAcc->get_accRole(Child(1), &var));
    EXPECT_EQ(ROLE_SYSTEM_MENUITEM, var.lVal);
    for (long nChild : {4L, -1L})
    {
        EXPECT_EQ(E_INVALIDARG, m_pAcc->get_accRole(Child(nChild), &var)) << nChild;
        EXPECT_EQ(E_INVALIDARG, m_pAcc->get_accName(Child(nChild), &bstr)) << nChild;
    }

    // The selected child is focused, hot and selected; the others focusable.
    m_bar.SetSelected(1, 1);
    EXPECT_EQ(S_OK, m_pAcc->get_accState(Child(2), &var));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSED
                  | STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_SELECTED,
              var.lVal & ~STATE_SYSTEM_INVISIBLE);
    EXPECT_EQ(S_OK, m_pAcc->get_accState(Child(1), &var));
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE, var.lVal & ~STATE_SYSTEM_INVISIBLE);

    // Places on the screen and what lies there.
    CPoint ptOrigin(0, 0);
    m_bar.ClientToScreen(&ptOrigin);
    long x = 0, y = 0, cx = 0, cy = 0;
    EXPECT_EQ(S_OK, m_pAcc->accLocation(&x, &y, &cx, &cy, Child(2)));
    EXPECT_EQ(CRect(ptOrigin.x + 50, ptOrigin.y + 2, ptOrigin.x + 110, ptOrigin.y + 26), CRect(x, y, x + cx, y + cy));
    EXPECT_EQ(S_OK, m_pAcc->accHitTest(ptOrigin.x + 60, ptOrigin.y + 10, &var));
    ASSERT_EQ(VT_DISPATCH, var.vt);
    EXPECT_EQ(static_cast<IDispatch*>(m_bar.GetControl(1)->GetAccessible()), var.pdispVal);
    ::VariantClear(&var);
    EXPECT_EQ(S_OK, m_pAcc->accHitTest(ptOrigin.x + 250, ptOrigin.y + 10, &var));
    EXPECT_EQ(VT_I4, var.vt);
    EXPECT_EQ(CHILDID_SELF, var.lVal);
    EXPECT_EQ(S_FALSE, m_pAcc->accHitTest(ptOrigin.x - 20, ptOrigin.y + 10, &var));

    // A control by its command id.
    IAccessible* pControl = nullptr;
    ASSERT_EQ(S_OK, CXTPAccessible::AccessibleObjectFromWindowBound(m_bar.m_hWnd, 102, XTP_IID_IAccessible,
                                                                    reinterpret_cast<void**>(&pControl)));
    EXPECT_EQ(S_OK, pControl->get_accName(Child(0), &bstr));
    EXPECT_EQ(std::wstring(L"Drucken & Senden"), Take(bstr));
    pControl->Release();
}
