// The combo box on a (hidden) bar window: its list window and the rows it
// shows, the notifications of opening and closing, the keys it answers
// while focused, the hint of a list-only field in pixels, dropping the edit
// window, and its stored keys and list items.
#include "toolkit/controls/ControlComboBox.h"

#include "BarTestSupport.h"
#include "ExchangeTestSupport.h"
#include "TestDib.h"
#include "framework/ui/ControlBar.h"
#include "toolkit/commandbars/PropExchangeRegistry.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <vector>

namespace {

// The recording site also counts the lists about to open.
class CComboSite : public CNotifyRecordingSite
{
public:
    int m_nOpenings = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == XTP_WM_POPUPOPENED)
            ++m_nOpenings;
        return CNotifyRecordingSite::WindowProc(message, wParam, lParam);
    }
};

class ControlComboBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
        m_bar.SetPaintManager(&m_theme);
        ASSERT_TRUE(m_bar.CreateHidden(300, 40));
        m_bar.SetSite(&m_site);
        m_pCombo = dynamic_cast<CXTPControlComboBox*>(m_bar.GetControls()->Add(xtpControlComboBox, 300));
        ASSERT_NE(nullptr, m_pCombo);
        m_pCombo->SetRect(CRect(10, 5, 160, 27));
    }
    void TearDown() override
    {
        m_bar.SetTrackingMode(0);
        m_bar.GetControls()->RemoveAll();
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }
    void Fill(int nCount)
    {
        m_pCombo->ResetContent();
        CString strItem;
        for (int i = 0; i < nCount; ++i)
        {
            strItem.Format("Eintrag %02d", i);
            m_pCombo->AddString(strItem);
        }
    }
    HWND EditWindow() const
    {
        return m_pCombo->GetEditCtrl() ? m_pCombo->GetEditCtrl()->GetSafeHwnd() : nullptr;
    }

    CDistinctSysColors m_colors;
    CTestTheme m_theme;
    CComboSite m_site;
    CTestBar m_bar;
    CXTPControlComboBox* m_pCombo = nullptr;
};

TEST_F(ControlComboBoxTest, MadeByTheFactoryWithAListBoxDropDown)
{
    EXPECT_EQ(xtpControlComboBox, m_pCombo->GetType());
    EXPECT_EQ(100, m_pCombo->GetWidth());
    EXPECT_FALSE(m_pCombo->GetDropDown());
    EXPECT_EQ(12, m_pCombo->GetDropDownItemCount());
    EXPECT_EQ(nullptr, EditWindow());
    auto* pList = dynamic_cast<CXTPControlComboBoxList*>(m_pCombo->GetCommandBar());
    ASSERT_NE(nullptr, pList);

    EXPECT_EQ(-1, m_pCombo->GetCurSel());
    EXPECT_EQ(0, m_pCombo->AddString("Arial"));
    HWND hWndList = m_pCombo->GetListWindow();
    ASSERT_NE(nullptr, hWndList);
    char szClass[16] = {};
    ::GetClassNameA(hWndList, szClass, sizeof(szClass));
    EXPECT_STRCASEEQ("LISTBOX", szClass);
    EXPECT_FALSE(::IsWindowVisible(hWndList));

    // Texts longer than any fixed buffer come back whole.
    CString strLong('x', 700);
    m_pCombo->AddString(strLong);
    m_pCombo->SetCurSel(1);
    EXPECT_EQ(1, m_pCombo->GetCurSel());
    EXPECT_EQ(strLong, m_pCombo->GetListText());
    EXPECT_EQ(strLong, m_pCombo->GetText());
}

TEST_F(ControlComboBoxTest, ListShowsAtMostTheRowCountAndAtLeastOneRow)
{
    struct RowCase
    {
        int nItems;
        int nMaxRows;
        int nRows;
    };
    const RowCase cases[] = {{0, 12, 1}, {1, 12, 1}, {5, 12, 5}, {12, 12, 12}, {30, 12, 12}, {30, 4, 4}};
    for (const RowCase& c : cases)
    {
        Fill(c.nItems);
        m_pCombo->SetDropDownItemCount(c.nMaxRows);
        ASSERT_TRUE(m_bar.OpenControlPopup(m_pCombo->GetIndex()));
        HWND hWndList = m_pCombo->GetListWindow();
        EXPECT_TRUE(m_pCombo->IsDroppedDown());
        EXPECT_TRUE(::IsWindowVisible(hWndList));
        const int nItemHeight = static_cast<int>(::SendMessageA(hWndList, LB_GETITEMHEIGHT, 0, 0));
        CRect rc;
        ::GetWindowRect(hWndList, &rc);
        EXPECT_EQ(nItemHeight * c.nRows + 4, rc.Height()) << c.nItems << " " << c.nMaxRows;
        EXPECT_EQ(m_pCombo->GetRect().Width(), rc.Width());
        m_bar.OpenControlPopup(-1);
        EXPECT_FALSE(m_pCombo->IsDroppedDown());
        EXPECT_FALSE(::IsWindowVisible(hWndList));
    }
}

TEST_F(ControlComboBoxTest, ClosingWithoutChoosingRestoresAndCancels)
{
    Fill(5);
    m_pCombo->SetCurSel(2);
    m_site.m_codes.clear();
    ASSERT_TRUE(m_bar.OpenControlPopup(m_pCombo->GetIndex()));
    EXPECT_EQ(1, m_site.m_nOpenings);
    // The list opens on the field's item.
    EXPECT_EQ(2, m_pCombo->GetCurSel());
    ::SendMessageA(m_pCombo->GetListWindow(), LB_SETCURSEL, 4, 0);
    m_bar.OpenControlPopup(-1);
    EXPECT_EQ(2, m_pCombo->GetCurSel());
    EXPECT_STREQ("Eintrag 02", m_pCombo->GetText());
    const std::vector<UINT> expected = {XTP_CBN_DROPDOWN, XTP_CBN_SELCHANGE, XTP_CBN_SELENDCANCEL,
                                        XTP_CBN_CLOSEUP};
    EXPECT_EQ(expected, m_site.m_codes);

    // Executing accepts the item: no cancel, no restore.
    ASSERT_TRUE(m_bar.OpenControlPopup(m_pCombo->GetIndex()));
    ::SendMessageA(m_pCombo->GetListWindow(), LB_SETCURSEL, 3, 0);
    m_site.m_codes.clear();
    m_pCombo->OnExecute();
    m_bar.OpenControlPopup(-1);
    EXPECT_EQ(3, m_pCombo->GetCurSel());
    ASSERT_FALSE(m_site.m_codes.empty());
    EXPECT_EQ(XTP_CBN_SELENDOK, m_site.m_codes.front());
    for (UINT nCode : m_site.m_codes)
        EXPECT_NE(XTP_CBN_SELENDCANCEL, nCode);
}

TEST_F(ControlComboBoxTest, FocusedKeys)
{
    Fill(5);
    m_pCombo->SetDropDown(TRUE);
    m_pCombo->SetRect(CRect(10, 5, 161, 27));
    ASSERT_NE(nullptr, EditWindow());
    struct BarCase
    {
        int nBarType;
        int nEscAnswer;
    };
    for (const BarCase& bar : {BarCase{xtpBarTypeNormal, 0}, BarCase{xtpBarTypePopup, 1}})
    {
        m_bar.SetBarType(bar.nBarType);
        m_pCombo->SetText("Anfang");
        m_site.m_codes.clear();
        m_pCombo->OnEditSetFocus(nullptr);
        EXPECT_TRUE(m_pCombo->IsFocused());
        EXPECT_TRUE(m_pCombo->IsUserBusy());
        EXPECT_EQ(0, m_pCombo->ProcessFocusedKey(VK_TAB, 0));
        EXPECT_EQ(0, m_pCombo->ProcessFocusedKey(VK_RETURN, 0));
        EXPECT_EQ(2, m_pCombo->ProcessFocusedKey('Q', 0));
        EXPECT_EQ(1, m_pCombo->ProcessFocusedKey(VK_HOME, 0));
        m_pCombo->GetEditCtrl()->SendMessage(WM_IME_STARTCOMPOSITION, 0, 0);
        EXPECT_EQ(2, m_pCombo->ProcessFocusedKey(VK_DOWN, 0));
        m_pCombo->GetEditCtrl()->SendMessage(WM_IME_ENDCOMPOSITION, 0, 0);

        // Down moves the list's selection into the field.
        EXPECT_EQ(1, m_pCombo->ProcessFocusedKey(VK_DOWN, 0));
        EXPECT_NE(-1, m_pCombo->GetCurSel());
        EXPECT_STREQ(m_pCombo->GetListText(), m_pCombo->GetText());

        EXPECT_EQ(bar.nEscAnswer, m_pCombo->ProcessFocusedKey(VK_ESCAPE, 0));
        EXPECT_FALSE(m_pCombo->IsFocused());
        EXPECT_STREQ("Anfang", m_pCombo->GetText());
        EXPECT_EQ(0, m_pCombo->ProcessFocusedKey(VK_HOME, 0));
        ASSERT_GE(m_site.m_codes.size(), 3u) << testing::PrintToString(m_site.m_codes);
        EXPECT_EQ(XTP_CBN_SETFOCUS, m_site.m_codes.front()) << testing::PrintToString(m_site.m_codes);
        EXPECT_EQ(XTP_CBN_SELCHANGE, m_site.m_codes[1]) << testing::PrintToString(m_site.m_codes);
        EXPECT_EQ(XTP_CBN_KILLFOCUS, m_site.m_codes.back());
        m_bar.SetTrackingMode(0);
    }
}

TEST_F(ControlComboBoxTest, FourOpensAndClosesTheList)
{
    Fill(3);
    m_pCombo->SetFocused(TRUE);
    EXPECT_EQ(1, m_pCombo->ProcessFocusedKey(VK_F4, 0));
    EXPECT_TRUE(m_pCombo->IsDroppedDown());
    EXPECT_EQ(1, m_pCombo->ProcessFocusedKey(VK_F4, 0));
    EXPECT_FALSE(m_pCombo->IsDroppedDown());
}

TEST_F(ControlComboBoxTest, HintIsGreyOnlyWhileEmptyAndUnfocused)
{
    // A list-only field is drawn by the paint manager.
    Fill(3);
    m_pCombo->SetEditHint("Schrift");
    const COLORREF clrGrey = CDistinctSysColors::ColorOf(COLOR_GRAYTEXT);
    const CRect rcField(m_pCombo->GetRect());
    auto countGrey = [&]() {
        CTestDib dib(200, 40, RGB(1, 2, 3));
        m_pCombo->Draw(&dib.DC());
        int nCount = 0;
        for (int y = rcField.top; y < rcField.bottom; ++y)
            for (int x = rcField.left; x < rcField.right - 20; ++x)
                nCount += dib.Pixel(x, y) == clrGrey;
        return nCount;
    };
    EXPECT_GT(countGrey(), 0);
    m_pCombo->SetFocused(TRUE);
    EXPECT_EQ(0, countGrey());
    m_pCombo->SetFocused(FALSE);
    m_pCombo->SetCurSel(1);
    EXPECT_EQ(0, countGrey());
    m_pCombo->SetEnabled(FALSE);
    EXPECT_GT(countGrey(), 0);
}

TEST_F(ControlComboBoxTest, DroppingTheEditWindowKeepsTheText)
{
    m_pCombo->SetDropDown(TRUE);
    m_pCombo->SetRect(CRect(10, 5, 161, 27));
    HWND hWnd = EditWindow();
    ASSERT_NE(nullptr, hWnd);
    ::SetWindowTextA(hWnd, "getippt");
    m_pCombo->SetDropDown(FALSE);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, m_pCombo->GetEditCtrl());
    EXPECT_STREQ("getippt", m_pCombo->GetEditText());
}

TEST_F(ControlComboBoxTest, CloneCopiesFieldAndList)
{
    Fill(4);
    m_pCombo->SetDropDown(TRUE);
    m_pCombo->SetWidth(140);
    m_pCombo->SetEditHint("Suchen");
    m_pCombo->EnableAutoComplete(TRUE);
    m_pCombo->SetDropDownItemCount(7);
    std::unique_ptr<CXTPControl> pClone(m_pCombo->Clone(TRUE));
    auto* pCombo = dynamic_cast<CXTPControlComboBox*>(pClone.get());
    ASSERT_NE(nullptr, pCombo);
    EXPECT_TRUE(pCombo->IsEqual(m_pCombo));
    EXPECT_TRUE(pCombo->GetDropDown());
    EXPECT_TRUE(pCombo->IsAutoComplete());
    EXPECT_EQ(7, pCombo->GetDropDownItemCount());
    EXPECT_STREQ("Suchen", pCombo->GetEditHint());
    EXPECT_NE(m_pCombo->GetCommandBar(), pCombo->GetCommandBar());
    EXPECT_EQ(4, pCombo->GetCount());
}

CString TestKey()
{
    CString strKey;
    strKey.Format("Software\\QivnotesTests\\Combo-%lu", ::GetCurrentProcessId());
    return strKey;
}

DWORD ReadDword(HKEY hKey, LPCSTR pszName, LONG* pResult)
{
    DWORD dwType = 0, dwData = 0, cbData = sizeof(dwData);
    *pResult = ::RegQueryValueExA(hKey, pszName, nullptr, &dwType, reinterpret_cast<BYTE*>(&dwData), &cbData);
    return dwData;
}

TEST(ControlComboBoxExchange, KeysInTheRegistry)
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
    CXTPControlComboBox source;
    source.SetDropDown(TRUE);
    source.SetWidth(140);
    source.SetComboStyle(1);
    source.SetEditHint("Suchen");
    source.EnableAutoComplete(TRUE);
    source.SetEditIconId(5);
    source.SetDropDownItemCount(8);
    source.SetEditStyle(ES_UPPERCASE);
    {
        CXTPPropExchangeRegistry px(FALSE, HKEY_CURRENT_USER, TestKey());
        source.DoPropExchange(&px);
    }
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, TestKey(), 0, KEY_READ, &hKey));
    struct DwordValue
    {
        const char* pszName;
        DWORD dwValue;
    };
    for (const DwordValue& value : {DwordValue{"Width", 140}, DwordValue{"ComboStyle", 1},
                                    DwordValue{"AutoComplete", 1}, DwordValue{"EditIconId", 5},
                                    DwordValue{"DropDownItemCount", 8}, DwordValue{"EditStyle", 8}})
    {
        LONG lResult = 0;
        EXPECT_EQ(value.dwValue, ReadDword(hKey, value.pszName, &lResult)) << value.pszName;
        EXPECT_EQ(ERROR_SUCCESS, lResult) << value.pszName;
    }
    // "DropDown" TRUE is its default and not written.
    LONG lResult = 0;
    ReadDword(hKey, "DropDown", &lResult);
    EXPECT_NE(ERROR_SUCCESS, lResult);
    char szHint[32] = {};
    DWORD cbHint = sizeof(szHint);
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, "EditHint", nullptr, nullptr,
                                                reinterpret_cast<BYTE*>(szHint), &cbHint));
    EXPECT_STREQ("Suchen", szHint);
    ::RegCloseKey(hKey);

    CXTPControlComboBox loaded;
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
        loaded.DoPropExchange(&px);
    }
    EXPECT_TRUE(loaded.GetDropDown());
    EXPECT_NE(nullptr, loaded.GetEditCtrl());
    EXPECT_EQ(140, loaded.GetWidth());
    EXPECT_EQ(1, loaded.GetComboStyle());
    EXPECT_STREQ("Suchen", loaded.GetEditHint());
    EXPECT_TRUE(loaded.IsAutoComplete());
    EXPECT_EQ(5, loaded.GetEditIconId());
    EXPECT_EQ(8, loaded.GetDropDownItemCount());
    EXPECT_EQ(static_cast<DWORD>(ES_UPPERCASE), loaded.GetEditStyle());
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());

    // Missing keys load the table's defaults: editable, width 0.
    CXTPControlComboBox empty;
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
        empty.DoPropExchange(&px);
    }
    EXPECT_TRUE(empty.GetDropDown());
    EXPECT_EQ(0, empty.GetWidth());
    EXPECT_EQ(12, empty.GetDropDownItemCount());
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
}

TEST(ControlComboBoxExchange, ListItemsRoundTrip)
{
    CXTPControlComboBoxList source;
    ASSERT_TRUE(source.CreateListBox());
    for (LPCSTR psz : {"Arial", "Courier", "Zapf"})
        source.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(psz));

    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
    {
        CXTPPropExchangeRegistry px(FALSE, HKEY_CURRENT_USER, TestKey());
        source.DoPropExchange(&px);
    }
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, TestKey() + "\\Items", 0, KEY_READ, &hKey));
    LONG lResult = 0;
    EXPECT_EQ(3u, ReadDword(hKey, "Count", &lResult));
    char szItem[16] = {};
    DWORD cbItem = sizeof(szItem);
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, "Item1", nullptr, nullptr, reinterpret_cast<BYTE*>(szItem), &cbItem));
    EXPECT_STREQ("Courier", szItem);
    ::RegCloseKey(hKey);

    CXTPControlComboBoxList loaded;
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
        loaded.DoPropExchange(&px);
    }
    ASSERT_NE(nullptr, loaded.GetSafeHwnd());
    EXPECT_EQ(3, loaded.SendMessage(LB_GETCOUNT, 0, 0));
    CString strText;
    loaded.GetItemText(2, strText);
    EXPECT_STREQ("Zapf", strText);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());

    // In an archive: a count larger than the data stops at the data's end.
    CXTPControlComboBoxList fromArchive;
    ExchangeThroughArchive([&](CXTPPropExchange* pPX) { source.DoPropExchange(pPX); },
                           [&](CXTPPropExchange* pPX) { fromArchive.DoPropExchange(pPX); });
    EXPECT_EQ(3, fromArchive.SendMessage(LB_GETCOUNT, 0, 0));
}

TEST(ControlComboBoxExchange, StoredCountIsCappedAndEndsWithTheData)
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, TestKey() + "\\Items", 0, nullptr, 0,
                                               KEY_WRITE, nullptr, &hKey, nullptr));
    const DWORD dwCount = 0x7FFFFFFF;
    ::RegSetValueExA(hKey, "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwCount), sizeof(dwCount));
    ::RegSetValueExA(hKey, "Item0", 0, REG_SZ, reinterpret_cast<const BYTE*>("Eins"), 5);
    ::RegSetValueExA(hKey, "Item1", 0, REG_SZ, reinterpret_cast<const BYTE*>("Zwei"), 5);
    ::RegCloseKey(hKey);
    CXTPControlComboBoxList loaded;
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
        loaded.DoPropExchange(&px);
    }
    EXPECT_EQ(2, loaded.SendMessage(LB_GETCOUNT, 0, 0));
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
}

} // namespace
