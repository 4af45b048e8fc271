// The toolkit's edit window: the rich edit library it runs over (or the
// fallbacks, when a ctest entry switches the libraries off), the dialog keys
// it keeps, the state of its edit commands and the input-method flag.
#include "toolkit/controls/EditWnd.h"

#include "framework/ui/AfxRes.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/RichEditCtrl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

// The rich edit version the environment leaves: 2 by default; the fallback
// entries set QIV_EXPECT_RICHEDIT to 1 or 0.
int ExpectedRichEditVersion()
{
    const char* psz = std::getenv("QIV_EXPECT_RICHEDIT");
    return psz && *psz ? std::atoi(psz) : 2;
}

// A plain edit window types Backspace from the character that the key's
// translation posts.
void DispatchWaitingMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

// Records what an update query sets.
class CRecordingCmdUI : public CCmdUI
{
public:
    explicit CRecordingCmdUI(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn) override { m_nEnabled = bOn ? 1 : 0; }
    int m_nEnabled = -1;
};

class EditWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 200, 40), nullptr, 0));
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, &m_parent));
        m_edit.MoveWindow(CRect(2, 2, 198, 22), FALSE);
    }
    void TearDown() override
    {
        m_edit.DestroyWindow();
        m_parent.DestroyWindow();
    }

    int CommandState(UINT nID)
    {
        CRecordingCmdUI state(nID);
        EXPECT_TRUE(m_edit.OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr));
        return state.m_nEnabled;
    }

    CWnd m_parent;
    CXTPEdit m_edit;
};

TEST_F(EditWndTest, RunsOverTheRichEditLibraryOfTheProcess)
{
    struct Expectation
    {
        int nVersion;
        const char* pszClass;
        UINT cbFormat;
    };
    const Expectation expectations[] = {
        {0, "Edit", sizeof(CHARFORMATA)},
        {1, "RichEdit", sizeof(CHARFORMATA)},
        {2, "RichEdit20A", sizeof(CHARFORMAT2A)},
    };
    const Expectation& expected = expectations[ExpectedRichEditVersion()];
    EXPECT_EQ(expected.nVersion, CXTPEdit::GetRichEditVersion());
    EXPECT_EQ(expected.cbFormat, CXTPEdit::GetCharFormatSize());
    char szClass[64] = {};
    ::GetClassNameA(m_edit.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STRCASEEQ(expected.pszClass, szClass);
    EXPECT_EQ(0, ::GetDlgCtrlID(m_edit.m_hWnd));
    if (expected.nVersion > 0)
    {
        EXPECT_EQ(static_cast<LRESULT>(ENM_CHANGE), m_edit.SendMessage(EM_GETEVENTMASK, 0, 0));
    }

    // Whatever the window, the field edits its text.
    m_edit.SetWindowText("Notizen");
    m_edit.SetSel(7, 7);
    EXPECT_TRUE(m_edit.ProcessDialogKey(VK_BACK));
    DispatchWaitingMessages();
    CString strText;
    m_edit.GetWindowText(strText);
    EXPECT_STREQ("Notize", strText);
}

TEST_F(EditWndTest, KeepsOnlyTheDialogKeys)
{
    m_edit.SetWindowText("abcdef");
    struct KeyCase
    {
        UINT nChar;
        BOOL bTaken;
        int nCaretAfter;   // caret after the key from position 2; -1: unchanged text check only
    };
    const KeyCase cases[] = {
        {VK_END, TRUE, 6},   {VK_HOME, TRUE, 0},   {VK_RIGHT, TRUE, 3}, {VK_LEFT, TRUE, 1},
        {VK_RETURN, FALSE, 2}, {VK_TAB, FALSE, 2}, {VK_ESCAPE, FALSE, 2}, {'A', FALSE, 2},
        {'C', FALSE, 2},     {VK_F4, FALSE, 2},    {VK_HELP, FALSE, 2},
    };
    for (const KeyCase& key : cases)
    {
        m_edit.SetSel(2, 2);
        EXPECT_EQ(key.bTaken, m_edit.ProcessDialogKey(key.nChar)) << key.nChar;
        int nStart = -1, nEnd = -1;
        m_edit.GetSel(nStart, nEnd);
        EXPECT_EQ(key.nCaretAfter, nStart) << key.nChar;
        EXPECT_EQ(key.nCaretAfter, nEnd) << key.nChar;
    }
    // Delete removes the character after the caret.
    m_edit.SetSel(0, 0);
    EXPECT_TRUE(m_edit.ProcessDialogKey(VK_DELETE));
    CString strText;
    m_edit.GetWindowText(strText);
    EXPECT_STREQ("bcdef", strText);
}

TEST_F(EditWndTest, CutAndCopyFollowTheSelection)
{
    m_edit.SetWindowText("Eintrag");
    m_edit.SetSel(3, 3);
    EXPECT_EQ(0, CommandState(ID_EDIT_CUT));
    EXPECT_EQ(0, CommandState(ID_EDIT_COPY));
    m_edit.SetSel(0, 4);
    EXPECT_EQ(1, CommandState(ID_EDIT_CUT));
    EXPECT_EQ(1, CommandState(ID_EDIT_COPY));
    // Other ids are not the window's.
    CRecordingCmdUI other(ID_EDIT_UNDO);
    EXPECT_FALSE(m_edit.OnCmdMsg(ID_EDIT_UNDO, CN_UPDATE_COMMAND_UI, &other, nullptr));
    EXPECT_EQ(-1, other.m_nEnabled);
}

TEST_F(EditWndTest, InputMethodCompositionFlag)
{
    EXPECT_FALSE(m_edit.IsImeComposing());
    m_edit.SendMessage(WM_IME_STARTCOMPOSITION, 0, 0);
    EXPECT_TRUE(m_edit.IsImeComposing());
    m_edit.SendMessage(WM_IME_ENDCOMPOSITION, 0, 0);
    EXPECT_FALSE(m_edit.IsImeComposing());
    m_edit.SendMessage(WM_IME_STARTCOMPOSITION, 0, 0);
    m_edit.SendMessage(WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(m_edit.IsImeComposing());
}

TEST_F(EditWndTest, NoContextMenuWithoutCommandBars)
{
    EXPECT_FALSE(m_edit.ShowContextMenu(nullptr, CPoint(5, 5)));
}

} // namespace
