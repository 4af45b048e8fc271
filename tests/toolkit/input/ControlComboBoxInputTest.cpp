// Combo boxes on a docked toolbar under real keys and mouse: typing into an
// auto-complete field completes from the list, Backspace does not, the
// site hears focus, list and acceptance in order, Esc puts text and
// selection back, a list-only combo closed without a choice cancels, and
// the mouse over the open list selects and a click accepts; a keystroke
// and its completion are drawn together, as a full repaint draws them.
#include "toolkit/controls/ControlComboBox.h"

#include "FieldPixels.h"
#include "InputTestSupport.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct ReleaseBars
{
    void operator()(CXTPCommandBars* p) const { p->InternalRelease(); }
};
using BarsPtr = std::unique_ptr<CXTPCommandBars, ReleaseBars>;

// The frame records the control notifications it gets as the site.
class CComboFrame : public CFrameWnd
{
public:
    std::vector<UINT> m_codes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_COMMAND)
            m_codes.push_back(reinterpret_cast<NMXTPCONTROL*>(lParam)->hdr.code);
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

const int ID_EDITABLE = 500;
const int ID_LIST_ONLY = 501;

class ControlComboBoxInputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        m_pFrame = new CComboFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Kombinationsfelder", WS_OVERLAPPEDWINDOW,
                                     CRect(60, 60, 560, 400)));
        m_pCommandBars.reset(new CXTPCommandBars);
        m_pCommandBars->SetSite(m_pFrame);
        // The site handles no commands: the controls stay enabled.
        m_pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
        m_pToolBar = m_pCommandBars->CreateToolBar("Format", xtpBarTop);
        ASSERT_NE(nullptr, m_pToolBar);
        m_pEditable = static_cast<CXTPControlComboBox*>(
            m_pToolBar->GetControls()->Add(xtpControlComboBox, ID_EDITABLE));
        m_pEditable->SetDropDown(TRUE);
        m_pEditable->EnableAutoComplete(TRUE);
        m_pEditable->SetWidth(150);
        for (LPCSTR psz : {"Arial", "Arial Black", "Courier"})
            m_pEditable->AddString(psz);
        m_pListOnly = static_cast<CXTPControlComboBox*>(
            m_pToolBar->GetControls()->Add(xtpControlComboBox, ID_LIST_ONLY));
        m_pListOnly->SetWidth(120);
        for (LPCSTR psz : {"Klein", "Mittel", "Gross", "Riesig"})
            m_pListOnly->AddString(psz);
        m_pListOnly->SetCurSel(1);
        m_pFrame->ShowWindow(SW_SHOW);
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        m_pFrame->RecalcLayout();
        PumpInputMessages();
        ASSERT_NE(nullptr, m_pEditable->GetEditCtrl()->GetSafeHwnd());
        ASSERT_TRUE(::IsWindowVisible(m_pEditable->GetEditCtrl()->GetSafeHwnd()));
        m_pFrame->SetFocus();
        m_pFrame->m_codes.clear();
    }
    void TearDown() override
    {
        m_pCommandBars->CloseAllPopups();
        m_pCommandBars->RemoveAll();
        m_pFrame->DestroyWindow();
        PumpInputMessages();
    }
    void ClickAt(CPoint ptScreen)
    {
        ASSERT_TRUE(MoveMouseTo(ptScreen));
        PressLeftButton();
        ReleaseLeftButton();
        PumpInputMessages();
    }
    void ClickField(CXTPControlComboBox* pCombo)
    {
        CRect rc;
        ::GetWindowRect(pCombo->GetEditCtrl()->GetSafeHwnd(), &rc);
        ClickAt(rc.CenterPoint());
    }
    CPoint ControlCentre(CXTPControl* pControl)
    {
        CPoint pt = pControl->GetRect().CenterPoint();
        m_pToolBar->ClientToScreen(&pt);
        return pt;
    }
    DWORD EditSelection()
    {
        DWORD dwStart = 0, dwEnd = 0;
        m_pEditable->GetEditCtrl()->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                                                reinterpret_cast<LPARAM>(&dwEnd));
        return MAKELONG(dwStart, dwEnd);
    }

    CComboFrame* m_pFrame = nullptr;
    BarsPtr m_pCommandBars;
    CXTPToolBar* m_pToolBar = nullptr;
    CXTPControlComboBox* m_pEditable = nullptr;
    CXTPControlComboBox* m_pListOnly = nullptr;
};

TEST_F(ControlComboBoxInputTest, TypingCompletesFromTheList)
{
    ClickField(m_pEditable);
    ASSERT_TRUE(m_pEditable->IsFocused());
    EXPECT_EQ(m_pEditable->GetEditCtrl()->GetSafeHwnd(), ::GetFocus());

    TapKey('A');
    TapKey('R');
    PumpInputMessages();
    EXPECT_STREQ("Arial", m_pEditable->GetText());
    EXPECT_EQ(MAKELONG(2, 5), EditSelection());
    ASSERT_FALSE(m_pFrame->m_codes.empty());
    EXPECT_EQ(XTP_CBN_EDITCHANGE, m_pFrame->m_codes.back());
    // The list follows the completed text.
    EXPECT_EQ(0, m_pEditable->GetCurSel());

    // Backspace removes the completion and does not complete again.
    TapKey(VK_BACK);
    PumpInputMessages();
    CString strText = m_pEditable->GetText();
    strText.MakeLower();
    EXPECT_STREQ("ar", strText);
    EXPECT_EQ(MAKELONG(2, 2), EditSelection());
}

TEST_F(ControlComboBoxInputTest, KeystrokesAreDrawnAsAFullRepaintDrawsThem)
{
    ClickField(m_pEditable);
    HWND hWndEdit = m_pEditable->GetEditCtrl()->GetSafeHwnd();
    struct KeyCase
    {
        BOOL bSelectAll;
        std::vector<WORD> keys;
        LPCSTR pszText;
        int nCaret;
        BOOL bSelection;
    };
    // A completion (typed part, selected rest, caret after the typed part),
    // a key that replaces the selection and completes nothing, the whole
    // text selected by a message, and a key typed over it that completes.
    const KeyCase cases[] = {{FALSE, {'A', 'R'}, "Arial", 2, TRUE},
                             {FALSE, {'X'}, "Arx", 3, FALSE},
                             {TRUE, {}, "Arx", 0, TRUE},
                             {FALSE, {'C'}, "Courier", 1, TRUE}};
    for (const KeyCase& c : cases)
    {
        if (c.bSelectAll)
            ::SendMessageA(hWndEdit, EM_SETSEL, 0, -1);
        for (WORD wKey : c.keys)
            TapKey(wKey);
        PumpInputMessages();
        CString strText = m_pEditable->GetText();
        ASSERT_STRCASEEQ(c.pszText, strText);
        // Drawn by the ordinary paint, nothing left over, every pixel what
        // a full repaint gives; without a selection the caret stands where
        // the typing goes on.
        EXPECT_FALSE(::GetUpdateRect(hWndEdit, nullptr, FALSE)) << c.pszText;
        const FieldLook look = CompareWithFullRepaint(hWndEdit);
        EXPECT_EQ(0, look.nDiffering) << c.pszText;
        EXPECT_EQ(c.bSelection, look.nHighlight > 0) << c.pszText;
        EXPECT_LT(0, look.nInk) << c.pszText;
        if (!c.bSelection)
        {
            EXPECT_EQ(CharPlaceX(hWndEdit, c.nCaret), look.ptCaret.x) << c.pszText;
        }
    }
}

TEST_F(ControlComboBoxInputTest, FocusListDownEnterNotifyInOrder)
{
    ClickField(m_pEditable);
    TapKeyWith(VK_MENU, VK_DOWN);
    PumpInputMessages();
    ASSERT_TRUE(m_pEditable->IsDroppedDown());
    EXPECT_TRUE(::IsWindowVisible(m_pEditable->GetListWindow()));
    TapKey(VK_DOWN);
    TapKey(VK_RETURN);
    PumpInputMessages();
    const std::vector<UINT> expected = {XTP_CBN_SETFOCUS, XTP_CBN_DROPDOWN, XTP_CBN_SELCHANGE,
                                        XTP_CBN_SELENDOK, CBN_XTP_EXECUTE, XTP_CBN_CLOSEUP,
                                        XTP_CBN_KILLFOCUS};
    EXPECT_EQ(expected, m_pFrame->m_codes);
    EXPECT_FALSE(m_pEditable->IsDroppedDown());
    EXPECT_FALSE(m_pEditable->IsFocused());
    EXPECT_STREQ(m_pEditable->GetListText(), m_pEditable->GetText());
}

TEST_F(ControlComboBoxInputTest, EscapeRestoresTextAndSelection)
{
    m_pEditable->SetCurSel(2);
    ClickField(m_pEditable);
    TapKey(VK_DOWN);
    TapKey(VK_DOWN);
    TapKey('Q');
    PumpInputMessages();
    EXPECT_STRNE("Courier", m_pEditable->GetText());
    TapKey(VK_ESCAPE);
    PumpInputMessages();
    EXPECT_STREQ("Courier", m_pEditable->GetText());
    EXPECT_EQ(2, m_pEditable->GetCurSel());
    EXPECT_FALSE(m_pEditable->IsFocused());
    EXPECT_NE(m_pEditable->GetEditCtrl()->GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(0, m_pToolBar->GetTrackingMode());
}

TEST_F(ControlComboBoxInputTest, ListOnlyClosedWithoutChoiceCancels)
{
    ClickAt(ControlCentre(m_pListOnly));
    ASSERT_TRUE(m_pListOnly->IsDroppedDown());
    HWND hWndList = m_pListOnly->GetListWindow();
    // Hovering an item selects it.
    CRect rcItem;
    ::SendMessageA(hWndList, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&rcItem));
    ::MapWindowPoints(hWndList, nullptr, reinterpret_cast<POINT*>(&rcItem), 2);
    ASSERT_TRUE(MoveMouseTo(rcItem.CenterPoint()));
    EXPECT_EQ(3, m_pListOnly->GetCurSel());

    // A click outside closes it: the old selection comes back.
    m_pFrame->m_codes.clear();
    CRect rcFrame;
    m_pFrame->GetWindowRect(&rcFrame);
    ClickAt(CPoint(rcFrame.left + 200, rcFrame.bottom - 40));
    EXPECT_FALSE(m_pListOnly->IsDroppedDown());
    EXPECT_EQ(1, m_pListOnly->GetCurSel());
    EXPECT_STREQ("Mittel", m_pListOnly->GetText());
    const std::vector<UINT> expected = {XTP_CBN_SELCHANGE, XTP_CBN_SELENDCANCEL, XTP_CBN_CLOSEUP};
    EXPECT_EQ(expected, m_pFrame->m_codes);
}

TEST_F(ControlComboBoxInputTest, ClickOnAnItemAccepts)
{
    ClickAt(ControlCentre(m_pListOnly));
    ASSERT_TRUE(m_pListOnly->IsDroppedDown());
    HWND hWndList = m_pListOnly->GetListWindow();
    CRect rcItem;
    ::SendMessageA(hWndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rcItem));
    ::MapWindowPoints(hWndList, nullptr, reinterpret_cast<POINT*>(&rcItem), 2);
    m_pFrame->m_codes.clear();
    ClickAt(rcItem.CenterPoint());
    EXPECT_FALSE(m_pListOnly->IsDroppedDown());
    EXPECT_EQ(2, m_pListOnly->GetCurSel());
    EXPECT_STREQ("Gross", m_pListOnly->GetText());
    const std::vector<UINT> expected = {XTP_CBN_SELCHANGE, XTP_CBN_SELENDOK, CBN_XTP_EXECUTE,
                                        XTP_CBN_CLOSEUP};
    EXPECT_EQ(expected, m_pFrame->m_codes);
}

} // namespace
