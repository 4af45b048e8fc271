// The edit control under real input: a click gives its field the focus, typed
// keys change the text, a click elsewhere takes the focus away, and the
// field's cut, copy and paste commands follow the selection and the
// clipboard. Typed keys show as a full repaint shows them.
#include "toolkit/controls/ControlEdit.h"

#include "framework/ui/AfxRes.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/WndClass.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Controls.h"

#include "FieldPixels.h"
#include "InputTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The frame: the bar's site, recording the control notifications.
class CSiteFrame : public CWnd
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

class CRecordingCmdUI : public CCmdUI
{
public:
    explicit CRecordingCmdUI(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn) override { m_nEnabled = bOn ? 1 : 0; }
    int m_nEnabled = -1;
};

BOOL SetClipboardText(HWND hWndOwner, const char* pszText)
{
    if (!::OpenClipboard(hWndOwner))
        return FALSE;
    ::EmptyClipboard();
    if (pszText)
    {
        size_t cb = strlen(pszText) + 1;
        HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, cb);
        memcpy(::GlobalLock(hData), pszText, cb);
        ::GlobalUnlock(hData);
        ::SetClipboardData(CF_TEXT, hData);
    }
    ::CloseClipboard();
    return TRUE;
}

CString GetClipboardText(HWND hWndOwner)
{
    CString strText;
    if (!::OpenClipboard(hWndOwner))
        return strText;
    if (HANDLE hData = ::GetClipboardData(CF_TEXT))
    {
        strText = static_cast<const char*>(::GlobalLock(hData));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return strText;
}

class ControlEditInputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        ASSERT_TRUE(m_frame.CreateEx(0, AfxRegisterWndClass(0), "Felder", WS_OVERLAPPEDWINDOW,
                                     100, 100, 400, 200, nullptr, nullptr));
        ASSERT_TRUE(m_other.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER,
                                     CRect(10, 80, 200, 100), &m_frame, 1));
        ASSERT_TRUE(m_bar.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 380, 30),
                                   &m_frame, 2));
        m_bar.SetSite(&m_frame);
        m_pEdit = static_cast<CXTPControlEdit*>(m_bar.GetControls()->Add(xtpControlEdit, 300));
        m_pEdit->SetEditHint("Suchen");
        m_pEdit->SetRect(CRect(10, 2, 200, 26));
        ASSERT_NE(nullptr, m_pEdit->GetEditCtrl()->GetSafeHwnd());
        ASSERT_TRUE(MakeForeground(m_frame.m_hWnd));
        m_other.SetFocus();
        PumpInputMessages();
    }
    void TearDown() override
    {
        m_bar.GetControls()->RemoveAll();
        m_frame.DestroyWindow();
    }

    void ClickAt(HWND hWnd)
    {
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        ASSERT_TRUE(MoveMouseTo(rc.CenterPoint()));
        PressLeftButton();
        ReleaseLeftButton();
        PumpInputMessages();
    }

    int CommandState(UINT nID)
    {
        CRecordingCmdUI state(nID);
        m_pEdit->GetEditCtrl()->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        return state.m_nEnabled;
    }

    CSiteFrame m_frame;
    CWnd m_other;
    CXTPCommandBar m_bar;
    CXTPControlEdit* m_pEdit = nullptr;
};

TEST_F(ControlEditInputTest, ClickTypeAndLeave)
{
    HWND hWndField = m_pEdit->GetEditCtrl()->GetSafeHwnd();
    EXPECT_STREQ("Suchen", m_pEdit->GetEditText());

    ClickAt(hWndField);
    EXPECT_EQ(hWndField, ::GetFocus());
    EXPECT_TRUE(m_pEdit->IsFocused());
    EXPECT_STREQ("", m_pEdit->GetEditText());   // the hint went away
    EXPECT_EQ(m_other.m_hWnd, m_bar.GetFocusReturnWindow());
    ASSERT_FALSE(m_frame.m_codes.empty());
    EXPECT_EQ(XTP_EN_SETFOCUS, m_frame.m_codes.front());

    m_frame.m_codes.clear();
    TapKey('B');
    TapKey('E');
    PumpInputMessages();
    EXPECT_STREQ("be", m_pEdit->GetText());
    EXPECT_EQ((std::vector<UINT>{XTP_EN_CHANGE, XTP_EN_CHANGE}), m_frame.m_codes);
    // The typed keys are drawn by the ordinary paint as a full repaint
    // draws them, the caret after them.
    EXPECT_FALSE(::GetUpdateRect(hWndField, nullptr, FALSE));
    const FieldLook look = CompareWithFullRepaint(hWndField);
    EXPECT_EQ(0, look.nDiffering);
    EXPECT_LT(0, look.nInk);
    EXPECT_EQ(CharPlaceX(hWndField, 2), look.ptCaret.x);

    // Emptied and left: the hint comes back and the site hears of it.
    TapKey(VK_BACK);
    TapKey(VK_BACK);
    m_frame.m_codes.clear();
    ClickAt(m_other.m_hWnd);
    EXPECT_FALSE(m_pEdit->IsFocused());
    EXPECT_STREQ("Suchen", m_pEdit->GetEditText());
    EXPECT_STREQ("", m_pEdit->GetText());
    EXPECT_EQ((std::vector<UINT>{XTP_EN_KILLFOCUS}), m_frame.m_codes);
}

TEST_F(ControlEditInputTest, EditCommandsFollowSelectionAndClipboard)
{
    CXTPControlEditCtrl* pField = m_pEdit->GetEditCtrl();
    ClickAt(pField->GetSafeHwnd());
    m_pEdit->SetText("Notizblock");
    ASSERT_TRUE(SetClipboardText(m_frame.m_hWnd, nullptr));

    pField->SetSel(4, 4);
    EXPECT_EQ(0, CommandState(ID_EDIT_CUT));
    EXPECT_EQ(0, CommandState(ID_EDIT_COPY));
    EXPECT_EQ(0, CommandState(ID_EDIT_PASTE));

    pField->SetSel(0, 5);
    EXPECT_EQ(1, CommandState(ID_EDIT_COPY));
    EXPECT_TRUE(pField->OnCmdMsg(ID_EDIT_COPY, CN_COMMAND, nullptr, nullptr));
    EXPECT_STREQ("Notiz", GetClipboardText(m_frame.m_hWnd));
    EXPECT_EQ(1, CommandState(ID_EDIT_PASTE));

    pField->SetSel(5, 10);
    EXPECT_TRUE(pField->OnCmdMsg(ID_EDIT_CUT, CN_COMMAND, nullptr, nullptr));
    EXPECT_STREQ("block", GetClipboardText(m_frame.m_hWnd));
    EXPECT_STREQ("Notiz", m_pEdit->GetText());

    // Text another program put on the clipboard comes into the field (where
    // exactly is the window's business: Wine's single-line rich edit
    // replaces its whole text).
    ASSERT_TRUE(SetClipboardText(m_frame.m_hWnd, "Neu"));
    pField->SetSel(0, 0);
    EXPECT_TRUE(pField->OnCmdMsg(ID_EDIT_PASTE, CN_COMMAND, nullptr, nullptr));
    EXPECT_NE(-1, m_pEdit->GetText().Find("Neu"));
    SetClipboardText(m_frame.m_hWnd, nullptr);
}

} // namespace
