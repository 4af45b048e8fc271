// The edit control on a (hidden) bar window: its edit window's placement
// and re-creation, hiding on vertical docks, the grey hint, the keys it
// answers while focused, its notifications and its stored keys.
#include "toolkit/controls/ControlEdit.h"

#include "BarTestSupport.h"
#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "framework/ui/ControlBar.h"
#include "framework/ui/RichEditCtrl.h"
#include "toolkit/commandbars/PropExchangeArchive.h"
#include "toolkit/commandbars/PropExchangeRegistry.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ColorManager.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <vector>

namespace {

// A site window that records the codes of the control notifications.
class CRecordingSite : public CWnd
{
public:
    std::vector<UINT> m_codes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_COMMAND)
            m_codes.push_back(reinterpret_cast<NMXTPCONTROL*>(lParam)->hdr.code);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CRect WindowRectInParent(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

BOOL HasStyle(HWND hWnd, DWORD dwStyle)
{
    return (::GetWindowLongPtrA(hWnd, GWL_STYLE) & dwStyle) == dwStyle;
}

// The text colour of the window's default character format.
COLORREF DefaultTextColor(HWND hWnd)
{
    CHARFORMATA cf = {};
    cf.cbSize = sizeof(cf);
    ::SendMessageA(hWnd, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    return cf.crTextColor;
}

class ControlEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
        ASSERT_TRUE(m_bar.CreateHidden(300, 40));
        m_bar.SetSite(&m_site);
        m_pEdit = dynamic_cast<CXTPControlEdit*>(m_bar.GetControls()->Add(xtpControlEdit, 200));
        ASSERT_NE(nullptr, m_pEdit);
    }
    void TearDown() override
    {
        m_bar.GetControls()->RemoveAll();
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }

    HWND EditWindow() const
    {
        return m_pEdit->GetEditCtrl() ? m_pEdit->GetEditCtrl()->GetSafeHwnd() : nullptr;
    }

    CRecordingSite m_site;
    CTestBar m_bar;
    CXTPControlEdit* m_pEdit = nullptr;
};

TEST_F(ControlEditTest, FirstPlacementMakesTheWindow)
{
    EXPECT_EQ(xtpControlEdit, m_pEdit->GetType());
    EXPECT_EQ(100, m_pEdit->GetWidth());
    m_pEdit->SetText("vorher");
    EXPECT_EQ(nullptr, EditWindow());

    m_pEdit->SetLabelWidth(30);
    m_pEdit->SetRect(CRect(10, 5, 160, 27));
    HWND hWnd = EditWindow();
    ASSERT_NE(nullptr, hWnd);
    EXPECT_EQ(m_bar.GetSafeHwnd(), ::GetParent(hWnd));
    EXPECT_EQ(CRect(44, 8, 157, 24), WindowRectInParent(hWnd));
    EXPECT_TRUE(HasStyle(hWnd, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL));
    EXPECT_EQ(TRUE, ::SendMessageA(hWnd, WM_XTP_ISTOOLKITEDIT, 0, 0));
    CString strText;
    m_pEdit->GetEditCtrl()->GetWindowText(strText);
    EXPECT_STREQ("vorher", strText);

    // The same rectangle again leaves the window where it is.
    m_pEdit->SetRect(CRect(10, 5, 160, 27));
    EXPECT_EQ(hWnd, EditWindow());
    // Losing the bar destroys the window, keeping the text.
    m_pEdit->GetEditCtrl()->SetWindowText("getippt");
    m_pEdit->SetParent(nullptr);
    EXPECT_EQ(nullptr, EditWindow());
    EXPECT_STREQ("getippt", m_pEdit->GetText());
    m_pEdit->SetParent(&m_bar);
}

TEST_F(ControlEditTest, ReadOnlyAndTextSurviveRecreation)
{
    m_pEdit->SetReadOnly(TRUE);
    m_pEdit->SetRect(CRect(0, 0, 100, 22));
    ASSERT_NE(nullptr, EditWindow());
    EXPECT_TRUE(HasStyle(EditWindow(), ES_READONLY));
    m_pEdit->GetEditCtrl()->SetWindowText("Liste");

    m_pEdit->RecreateEditCtrl();
    m_pEdit->SetRect(CRect(0, 0, 100, 22));
    ASSERT_NE(nullptr, EditWindow());
    EXPECT_TRUE(HasStyle(EditWindow(), ES_READONLY));
    EXPECT_STREQ("Liste", m_pEdit->GetText());

    m_pEdit->SetReadOnly(FALSE);
    EXPECT_FALSE(HasStyle(EditWindow(), ES_READONLY));
}

TEST_F(ControlEditTest, HiddenOnAVerticalDock)
{
    m_pEdit->SetRect(CRect(0, 0, 100, 22));
    ASSERT_NE(nullptr, EditWindow());
    m_pEdit->OnCalcDynamicSize(LM_VERTDOCK);
    EXPECT_EQ(xtpHideDockingPosition, m_pEdit->GetHideFlags());
    EXPECT_FALSE(HasStyle(EditWindow(), WS_VISIBLE));
    m_pEdit->OnCalcDynamicSize(LM_HORZDOCK | LM_HORZ);
    EXPECT_EQ(0u, m_pEdit->GetHideFlags());
    EXPECT_TRUE(HasStyle(EditWindow(), WS_VISIBLE));
    // Any other hide flag hides it as well.
    m_pEdit->SetVisible(FALSE);
    EXPECT_FALSE(HasStyle(EditWindow(), WS_VISIBLE));
}

TEST_F(ControlEditTest, HintIsGreyOnlyWhileTheFieldIsEmptyAndUnfocused)
{
    CDistinctSysColors colors;
    m_pEdit->SetRect(CRect(0, 0, 100, 22));
    m_pEdit->SetEditHint("Suchen");
    EXPECT_STREQ("Suchen", m_pEdit->GetEditText());
    EXPECT_STREQ("", m_pEdit->GetText());

    const COLORREF clrGrey = CDistinctSysColors::ColorOf(COLOR_GRAYTEXT);
    const COLORREF clrText = CDistinctSysColors::ColorOf(COLOR_WINDOWTEXT);
    const BOOL bRich = CXTPEdit::GetRichEditVersion() > 0;
    if (bRich)
    {
        EXPECT_EQ(clrGrey, DefaultTextColor(EditWindow()));
    }

    // The focus takes the hint away; leaving an empty field brings it back.
    m_pEdit->OnEditSetFocus(nullptr);
    EXPECT_STREQ("", m_pEdit->GetEditText());
    if (bRich)
    {
        EXPECT_EQ(clrText, DefaultTextColor(EditWindow()));
    }
    m_pEdit->OnEditKillFocus();
    EXPECT_STREQ("Suchen", m_pEdit->GetEditText());

    m_pEdit->SetText("Bern");
    EXPECT_STREQ("Bern", m_pEdit->GetText());
    if (bRich)
    {
        EXPECT_EQ(clrText, DefaultTextColor(EditWindow()));
    }
    m_pEdit->SetEnabled(FALSE);
    EXPECT_FALSE(::IsWindowEnabled(EditWindow()));
    if (bRich)
    {
        EXPECT_EQ(clrGrey, DefaultTextColor(EditWindow()));
    }
    m_pEdit->SetEnabled(TRUE);

    // A new hint replaces the old one only in an empty field.
    m_pEdit->SetText("");
    m_pEdit->SetEditHint("Filter");
    EXPECT_STREQ("Filter", m_pEdit->GetEditText());
    m_pEdit->SetText("Zug");
    m_pEdit->SetEditHint("Ort");
    EXPECT_STREQ("Zug", m_pEdit->GetEditText());
}

TEST_F(ControlEditTest, FocusNotifiesAndEscRestores)
{
    struct BarCase
    {
        int nBarType;
        int nEscAnswer;
    };
    for (const BarCase& bar : {BarCase{xtpBarTypeNormal, 0}, BarCase{xtpBarTypePopup, 1}})
    {
        m_bar.SetBarType(bar.nBarType);
        m_site.m_codes.clear();
        m_pEdit->SetRect(CRect(0, 0, 100 + bar.nBarType, 22));
        m_pEdit->SetText("Anfang");

        m_pEdit->OnEditSetFocus(nullptr);
        EXPECT_TRUE(m_pEdit->IsFocused());
        EXPECT_EQ(1, m_bar.GetTrackingMode());
        EXPECT_EQ(m_pEdit->GetIndex(), m_bar.GetSelectedIndex());
        EXPECT_EQ(0, m_pEdit->ProcessFocusedKey(VK_TAB, 0));
        EXPECT_EQ(0, m_pEdit->ProcessFocusedKey(VK_RETURN, 0));
        EXPECT_EQ(1, m_pEdit->ProcessFocusedKey(VK_HOME, 0));
        EXPECT_EQ(2, m_pEdit->ProcessFocusedKey('Q', 0));
        m_pEdit->GetEditCtrl()->SendMessage(WM_IME_STARTCOMPOSITION, 0, 0);
        EXPECT_EQ(2, m_pEdit->ProcessFocusedKey(VK_HOME, 0));
        m_pEdit->GetEditCtrl()->SendMessage(WM_IME_ENDCOMPOSITION, 0, 0);

        m_pEdit->GetEditCtrl()->SetWindowText("Anfang und mehr");
        EXPECT_EQ(bar.nEscAnswer, m_pEdit->ProcessFocusedKey(VK_ESCAPE, 0));
        EXPECT_FALSE(m_pEdit->IsFocused());
        EXPECT_STREQ("Anfang", m_pEdit->GetText());
        EXPECT_EQ(0, m_pEdit->ProcessFocusedKey(VK_HOME, 0));
        // The typed change came between the focus notifications.
        ASSERT_GE(m_site.m_codes.size(), 3u);
        EXPECT_EQ(XTP_EN_SETFOCUS, m_site.m_codes.front());
        EXPECT_EQ(XTP_EN_CHANGE, m_site.m_codes[1]);
        EXPECT_EQ(XTP_EN_KILLFOCUS, m_site.m_codes.back());
        m_bar.SetTrackingMode(0);
    }
}

TEST_F(ControlEditTest, EndOfSelectionEndsTheFocus)
{
    m_pEdit->SetRect(CRect(0, 0, 100, 22));
    m_pEdit->SetFocused(TRUE);
    EXPECT_TRUE(m_pEdit->IsFocused());
    m_bar.SetSelected(-1);
    EXPECT_FALSE(m_pEdit->IsFocused());
}

TEST_F(ControlEditTest, CloneCopiesTheField)
{
    m_pEdit->SetWidth(140);
    m_pEdit->ShowLabel(TRUE);
    m_pEdit->SetReadOnly(TRUE);
    m_pEdit->SetEditHint("Suchen");
    m_pEdit->SetText("Wert");
    m_pEdit->SetCaption("&Titel");
    std::unique_ptr<CXTPControl> pClone(m_pEdit->Clone());
    auto* pEdit = dynamic_cast<CXTPControlEdit*>(pClone.get());
    ASSERT_NE(nullptr, pEdit);
    EXPECT_TRUE(pEdit->IsEqual(m_pEdit));
    EXPECT_EQ(140, pEdit->GetWidth());
    EXPECT_TRUE(pEdit->HasLabel());
    EXPECT_TRUE(pEdit->GetReadOnly());
    EXPECT_STREQ("Suchen", pEdit->GetEditHint());
    EXPECT_STREQ("Wert", pEdit->GetText());
    pEdit->SetWidth(141);
    EXPECT_FALSE(pEdit->IsEqual(m_pEdit));
}

TEST_F(ControlEditTest, CaptionVisibility)
{
    struct CaptionCase
    {
        int nBarType;
        const char* pszCaption;
        int nStyle;
        BOOL bLabel;
        BOOL bVisible;
    };
    const CaptionCase cases[] = {
        {xtpBarTypePopup, "", xtpButtonAutomatic, FALSE, TRUE},
        {xtpBarTypeNormal, "", xtpButtonCaption, TRUE, FALSE},
        {xtpBarTypeNormal, "Titel", xtpButtonCaption, FALSE, TRUE},
        {xtpBarTypeNormal, "Titel", xtpButtonIconAndCaption, FALSE, TRUE},
        {xtpBarTypeNormal, "Titel", xtpButtonIconAndCaptionBelow, FALSE, TRUE},
        {xtpBarTypeNormal, "Titel", xtpButtonIcon, FALSE, FALSE},
        {xtpBarTypeNormal, "Titel", xtpButtonAutomatic, FALSE, FALSE},
        {xtpBarTypeNormal, "Titel", xtpButtonAutomatic, TRUE, TRUE},
    };
    for (const CaptionCase& c : cases)
    {
        m_bar.SetBarType(c.nBarType);
        m_pEdit->SetCaption(c.pszCaption);
        m_pEdit->SetStyle(c.nStyle);
        m_pEdit->ShowLabel(c.bLabel);
        EXPECT_EQ(c.bVisible, m_pEdit->IsCaptionVisible())
            << c.nBarType << " '" << c.pszCaption << "' " << c.nStyle << " " << c.bLabel;
    }
}

CString TestKey()
{
    CString strKey;
    strKey.Format("Software\\QivnotesTests\\Edit-%lu", ::GetCurrentProcessId());
    return strKey;
}

TEST(ControlEditExchange, KeysInTheRegistry)
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
    CXTPControlEdit source;
    source.ShowLabel(TRUE);
    source.SetWidth(140);
    source.SetReadOnly(TRUE);
    source.SetEditHint("Suchen");
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
    for (const DwordValue& value : {DwordValue{"HasLabel", 1}, DwordValue{"Width", 140},
                                    DwordValue{"ReadOnly", 1}, DwordValue{"EditStyle", 8}})
    {
        DWORD dwType = 0, dwData = 0, cbData = sizeof(dwData);
        EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, value.pszName, nullptr, &dwType,
                                                    reinterpret_cast<BYTE*>(&dwData), &cbData))
            << value.pszName;
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), dwType) << value.pszName;
        EXPECT_EQ(value.dwValue, dwData) << value.pszName;
    }
    char szHint[32] = {};
    DWORD cbHint = sizeof(szHint);
    EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExA(hKey, "EditHint", nullptr, nullptr,
                                                reinterpret_cast<BYTE*>(szHint), &cbHint));
    EXPECT_STREQ("Suchen", szHint);
    // Defaults are not written.
    EXPECT_NE(ERROR_SUCCESS,
              ::RegQueryValueExA(hKey, "ShellAutoCompleteFlags", nullptr, nullptr, nullptr, nullptr));
    ::RegCloseKey(hKey);

    CXTPControlEdit loaded;
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
        loaded.DoPropExchange(&px);
    }
    EXPECT_TRUE(loaded.HasLabel());
    EXPECT_EQ(140, loaded.GetWidth());
    EXPECT_TRUE(loaded.GetReadOnly());
    EXPECT_STREQ("Suchen", loaded.GetEditHint());
    EXPECT_EQ(static_cast<DWORD>(ES_UPPERCASE), loaded.GetEditStyle());
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());

    // A missing "Width" loads as 0, though a new control starts at 100.
    CXTPControlEdit empty;
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
        empty.DoPropExchange(&px);
    }
    EXPECT_EQ(0, empty.GetWidth());
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
}

TEST(ControlEditExchange, OlderSchemasLeaveLaterKeysOut)
{
    struct SchemaCase
    {
        UINT nSchema;
        BOOL bLabel;
        BOOL bReadOnly;
        const char* pszHint;
    };
    const SchemaCase cases[] = {
        {5, FALSE, FALSE, ""}, {7, TRUE, FALSE, ""}, {8, TRUE, TRUE, ""}, {9, TRUE, TRUE, "Hinweis"},
    };
    for (const SchemaCase& c : cases)
    {
        CXTPControlEdit source;
        source.ShowLabel(TRUE);
        source.SetReadOnly(TRUE);
        source.SetEditHint("Hinweis");
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            CXTPPropExchangeArchive px(ar);
            px.SetSchema(c.nSchema);
            source.DoPropExchange(&px);
            ar.Close();
        }
        file.Seek(0, CFile::begin);
        CXTPControlEdit loaded;
        {
            CArchive ar(&file, CArchive::load);
            CXTPPropExchangeArchive px(ar);
            px.SetSchema(c.nSchema);
            loaded.DoPropExchange(&px);
        }
        EXPECT_EQ(c.bLabel, loaded.HasLabel()) << c.nSchema;
        EXPECT_EQ(c.bReadOnly, loaded.GetReadOnly()) << c.nSchema;
        EXPECT_STREQ(c.pszHint, loaded.GetEditHint()) << c.nSchema;
    }
}

} // namespace
