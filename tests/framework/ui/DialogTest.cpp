// Dialogs from resources: data exchange both ways, validation that keeps
// the dialog open on the failing field, the framework's own modal loop
// (idle kicks, pre-translation) and modeless keyboard navigation.
#include "DialogTestRes.h"
#include "TestApp.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/ComboBox.h"
#include "framework/ui/DataExchange.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/DialogSeams.h"
#include "framework/ui/ListBox.h"
#include "framework/ui/TestSeams.h"
#include "framework/ui/WinThread.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class CExchangeDlg : public CDialog
{
public:
    explicit CExchangeDlg(CWnd* pParent = nullptr) : CDialog(IDD_DT_EXCHANGE, pParent) {}

    CString m_strTitle = "Notiz";
    int m_nCount = 10;
    int m_nCheck = 1;
    int m_nAlign = 2;
    CString m_strPath = "projekte";
    CComboBox m_combo;
    int m_nEndInInit = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_DT_COMBO, m_combo);
        DDX_Text(pDX, IDC_DT_TITLE, m_strTitle);
        DDV_MaxChars(pDX, m_strTitle, 20);
        DDX_Text(pDX, IDC_DT_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 1, 120);
        DDX_Check(pDX, IDC_DT_CHECK, m_nCheck);
        DDX_Radio(pDX, IDC_DT_LEFT, m_nAlign);
        DDX_CBString(pDX, IDC_DT_COMBO, m_strPath);
    }

    BOOL OnInitDialog() override
    {
        for (LPCSTR psz : {"Projekte\\", "Projekte", "Privat"})
            SendDlgItemMessage(IDC_DT_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(psz));
        CDialog::OnInitDialog();
        if (m_nEndInInit != 0)
            EndDialog(m_nEndInInit);
        return TRUE;
    }
};

using DialogHandler = std::function<int(const AFX_MODALDIALOG_REQUEST&)>;

// Collects the texts of message boxes and answers them with OK.
class MessageBoxRecorder
{
public:
    MessageBoxRecorder()
        : m_scope([this](const AFX_MESSAGEBOX_REQUEST& box) {
              texts.push_back(box.strText);
              return IDOK;
          })
    {
    }
    std::vector<CString> texts;

private:
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> m_scope;
};

// Dialogs run under a main window, as in the program: modal ones are owned
// by it and the thread's pre-translation walk ends at it.
class DialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_mainWnd.CreateEx(0, TestWndClass(), "Hauptfenster", WS_OVERLAPPEDWINDOW, 0, 0,
                                       400, 300, nullptr, nullptr));
        m_pOldMainWnd = TestApp().m_pMainWnd;
        TestApp().m_pMainWnd = &m_mainWnd;
    }
    void TearDown() override
    {
        TestApp().m_pMainWnd = m_pOldMainWnd;
        m_mainWnd.DestroyWindow();
    }

    CWnd m_mainWnd;
    CWnd* m_pOldMainWnd = nullptr;
};

CString ItemText(CDialog* pDlg, int nID)
{
    CString str;
    pDlg->GetDlgItemText(nID, str);
    return str;
}

TEST_F(DialogTest, ExchangesMembersWithControlsBothWays)
{
    CExchangeDlg dlg;
    int nCalls = 0;
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& request) {
        ++nCalls;
        CDialog* pDlg = request.pDialog;
        EXPECT_EQ(pDlg, &dlg);
        EXPECT_TRUE(pDlg->IsWindowVisible());
        // Without a parent the main window owns it and waits.
        EXPECT_EQ(::GetWindow(pDlg->GetSafeHwnd(), GW_OWNER), m_mainWnd.GetSafeHwnd());
        EXPECT_FALSE(m_mainWnd.IsWindowEnabled());

        // Loaded: the members are in the controls.
        EXPECT_EQ(ItemText(pDlg, IDC_DT_TITLE), "Notiz");
        EXPECT_EQ(ItemText(pDlg, IDC_DT_COUNT), "10");
        EXPECT_EQ(pDlg->IsDlgButtonChecked(IDC_DT_CHECK), static_cast<UINT>(BST_CHECKED));
        // The third button in the group's order, whatever its id.
        EXPECT_EQ(pDlg->GetCheckedRadioButton(IDC_DT_LEFT, IDC_DT_RIGHT), IDC_DT_CENTER);
        // The combo box was subclassed, and its equal entry selected (not
        // the first entry starting with the text).
        EXPECT_EQ(dlg.m_combo.GetSafeHwnd(), pDlg->GetDlgItem(IDC_DT_COMBO)->GetSafeHwnd());
        EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_combo.GetSafeHwnd()), &dlg.m_combo);
        EXPECT_EQ(dlg.m_combo.GetCurSel(), 1);
        EXPECT_EQ(pDlg->GetDefID(), static_cast<DWORD>(MAKELONG(IDOK, DC_HASDEFID)));

        // The user changes everything and presses OK.
        pDlg->SetDlgItemText(IDC_DT_TITLE, "Neuer Titel");
        pDlg->SetDlgItemInt(IDC_DT_COUNT, 42);
        pDlg->CheckDlgButton(IDC_DT_CHECK, BST_UNCHECKED);
        pDlg->CheckRadioButton(IDC_DT_LEFT, IDC_DT_RIGHT, IDC_DT_RIGHT);
        dlg.m_combo.SetWindowText("Eigene Eingabe");
        return IDOK;
    });

    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(nCalls, 1);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dlg.m_strTitle, "Neuer Titel");
    EXPECT_EQ(dlg.m_nCount, 42);
    EXPECT_EQ(dlg.m_nCheck, 0);
    EXPECT_EQ(dlg.m_nAlign, 1);
    EXPECT_EQ(dlg.m_strPath, "Eigene Eingabe");
}

TEST_F(DialogTest, CancelKeepsTheMembers)
{
    CExchangeDlg dlg;
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([](const AFX_MODALDIALOG_REQUEST& request) {
        request.pDialog->SetDlgItemText(IDC_DT_TITLE, "verworfen");
        request.pDialog->SetDlgItemText(IDC_DT_COUNT, "kein Wert");
        return IDCANCEL;
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_strTitle, "Notiz");
    EXPECT_EQ(dlg.m_nCount, 10);
}

TEST_F(DialogTest, FailedValidationKeepsTheDialogOpenOnTheField)
{
    struct Attempt
    {
        LPCSTR pszTitle;
        LPCSTR pszCount;
        int nFocus;            // the control focused after OK, 0: the dialog ended
        LPCSTR pszMessage;     // the message shown, null: none
    };
    const Attempt attempts[] = {
        {"Titel", "zwölf", IDC_DT_COUNT, "Bitte geben Sie eine ganze Zahl ein."},
        {"Titel", "500", IDC_DT_COUNT, "Bitte geben Sie eine ganze Zahl zwischen 1 und 120 ein."},
        {"Titel", "99999999999", IDC_DT_COUNT, "Bitte geben Sie eine ganze Zahl ein."},
        {"Ein viel zu langer Titel", "5", IDC_DT_TITLE, "Bitte geben Sie höchstens 20 Zeichen ein."},
        {"Titel", " 12 ", 0, nullptr},
    };

    CExchangeDlg dlg;
    MessageBoxRecorder boxes;
    int nCall = 0;
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& request) -> int {
        CDialog* pDlg = request.pDialog;
        EXPECT_EQ(request.nCall, nCall);
        if (nCall >= 5)
            return IDCANCEL;
        if (nCall > 0)
        {
            // The attempt before failed: the dialog is open, its field focused
            // and selected, and the user was told why.
            const Attempt& failed = attempts[nCall - 1];
            SCOPED_TRACE(failed.pszCount);
            EXPECT_EQ(boxes.texts.size(), static_cast<size_t>(nCall));
            if (!boxes.texts.empty())
            {
                EXPECT_EQ(boxes.texts.back(), failed.pszMessage);
            }
            HWND hField = ::GetDlgItem(pDlg->GetSafeHwnd(), failed.nFocus);
            EXPECT_EQ(::GetFocus(), hField);
            DWORD dwStart = 1;
            DWORD dwEnd = 0;
            ::SendMessageA(hField, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                           reinterpret_cast<LPARAM>(&dwEnd));
            EXPECT_EQ(dwStart, 0u);
            EXPECT_EQ(static_cast<int>(dwEnd), ::GetWindowTextLengthA(hField));
        }
        else
        {
            pDlg->SetForegroundWindow();
        }
        const Attempt& attempt = attempts[nCall++];
        pDlg->SetDlgItemText(IDC_DT_TITLE, attempt.pszTitle);
        pDlg->SetDlgItemText(IDC_DT_COUNT, attempt.pszCount);
        return IDOK;
    });

    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(nCall, 5);
    EXPECT_EQ(boxes.texts.size(), 4u);
    EXPECT_EQ(dlg.m_nCount, 12);
    EXPECT_EQ(dlg.m_strTitle, "Titel");
}

TEST_F(DialogTest, AnswerThatNeverValidatesEndsWithAbort)
{
    CExchangeDlg dlg;
    MessageBoxRecorder boxes;
    int nCalls = 0;
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& request) {
        ++nCalls;
        request.pDialog->SetDlgItemText(IDC_DT_COUNT, "0");
        return IDOK;
    });
    EXPECT_EQ(dlg.DoModal(), IDABORT);
    EXPECT_EQ(nCalls, 100);
    EXPECT_EQ(boxes.texts.size(), 100u);
}

TEST_F(DialogTest, OwnerIsDisabledWhileTheDialogRuns)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, TestWndClass(), "Besitzer", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               0, 0, 300, 200, nullptr, nullptr));
    CExchangeDlg dlg(&owner);
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& request) {
        EXPECT_FALSE(owner.IsWindowEnabled());
        EXPECT_EQ(::GetWindow(request.pDialog->GetSafeHwnd(), GW_OWNER), owner.GetSafeHwnd());
        return IDCANCEL;
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(owner.IsWindowEnabled());
    owner.DestroyWindow();
}

TEST_F(DialogTest, EndingInInitialisationSkipsTheLoop)
{
    CExchangeDlg dlg;
    dlg.m_nEndInInit = 77;
    int nCalls = 0;
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST&) {
        ++nCalls;
        return IDOK;
    });
    EXPECT_EQ(dlg.DoModal(), 77);
    EXPECT_EQ(nCalls, 0);
}

TEST_F(DialogTest, MissingTemplateAnswersMinusOne)
{
    CDialog dlg(IDD_DT_MISSING);
    EXPECT_EQ(dlg.DoModal(), -1);
}

// Runs in the framework's own modal loop: counts the idle kicks and drives
// itself with posted keys, which reach IsDialogMessage only through the
// pre-translation walk.
class CLoopDlg : public CDialog
{
public:
    CLoopDlg() : CDialog(IDD_DT_MODELESS) {}

    int m_nKicks = 0;
    int m_nStep = 0;
    int m_nFocusAfterTab = 0;
    int m_nPreTranslated = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            ++m_nPreTranslated;
        return CDialog::PreTranslateMessage(pMsg);
    }

protected:
    LRESULT OnKickIdle(WPARAM wParam, LPARAM)
    {
        EXPECT_EQ(wParam, static_cast<WPARAM>(MSGF_DIALOGBOX));
        ++m_nKicks;
        // Each step posts a key when the queue has run dry.
        switch (m_nStep++)
        {
        case 0:
            SetForegroundWindow();
            GetDlgItem(IDC_DT_FIRST)->SetFocus();
            PostKey(VK_TAB);
            break;
        case 1:
            m_nFocusAfterTab = ::GetDlgCtrlID(::GetFocus());
            PostKey(VK_ESCAPE);
            break;
        default:
            // Escape did not end the dialog (another program may hold the
            // focus): end it here, or the loop would wait for ever.
            EndDialog(IDABORT);
            break;
        }
        return 0;
    }

    void PostKey(UINT nKey)
    {
        HWND hFocus = ::GetFocus();
        ::PostMessageA(hFocus, WM_KEYDOWN, nKey, 1);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoopDlg, CDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

TEST_F(DialogTest, OwnModalLoopKicksIdleAndPreTranslates)
{
    CLoopDlg dlg;
    // 0: the dialog runs its own loop.
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([](const AFX_MODALDIALOG_REQUEST&) { return 0; });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_GE(dlg.m_nKicks, 2);
    EXPECT_EQ(dlg.m_nStep, dlg.m_nKicks);
    EXPECT_EQ(dlg.m_nPreTranslated, 2);
    EXPECT_EQ(dlg.m_nFocusAfterTab, IDC_DT_SECOND);
}

TEST_F(DialogTest, ModelessDialogNavigatesThroughThePreTranslationWalk)
{
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_DT_MODELESS));
    dlg.ShowWindow(SW_SHOWNORMAL);
    dlg.SetForegroundWindow();
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_DT_FIRST));
    ASSERT_EQ(::GetDlgCtrlID(::GetFocus()), IDC_DT_FIRST);

    // What the thread's pump does with a queued key.
    auto pumpKey = [](HWND hWnd, UINT nKey) {
        MSG msg = {hWnd, WM_KEYDOWN, nKey, 1, 0, {0, 0}};
        if (!AfxPreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        PumpPendingMessages();
    };
    pumpKey(::GetFocus(), VK_TAB);
    EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), IDC_DT_SECOND);
    dlg.NextDlgCtrl();
    EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), IDC_DT_NOTES);
    dlg.PrevDlgCtrl();
    EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), IDC_DT_SECOND);

    // Esc in a multi-line edit still cancels; a modeless dialog only hides.
    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_DT_NOTES));
    pumpKey(::GetFocus(), VK_ESCAPE);
    EXPECT_TRUE(::IsWindow(dlg.GetSafeHwnd()));
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

// A dialog that answers help requests on its controls with pop-up ids.
class CHelpDlg : public CExchangeDlg
{
public:
    std::vector<DWORD> m_helpIds;

protected:
    BOOL OnHelpInfo(HELPINFO* pHelpInfo)
    {
        m_helpIds.push_back(GetControlHelpId(IDD_DT_EXCHANGE, static_cast<UINT>(pHelpInfo->iCtrlId)));
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHelpDlg, CExchangeDlg)
    ON_WM_HELPINFO()
END_MESSAGE_MAP()

TEST_F(DialogTest, HelpRequestsOfControlsReachTheDialog)
{
    CHelpDlg dlg;
    CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([](const AFX_MODALDIALOG_REQUEST& request) {
        for (int nID : {IDC_DT_COUNT, IDOK})
        {
            HELPINFO info = {sizeof(HELPINFO), HELPINFO_WINDOW, nID,
                             request.pDialog->GetDlgItem(nID)->GetSafeHwnd(), 0, {0, 0}};
            request.pDialog->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        }
        return IDCANCEL;
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_helpIds, (std::vector<DWORD>{0xA38D03EA, 0xA38D0001}));
}

TEST_F(DialogTest, ContextHelpIdsCombineDialogAndControl)
{
    struct Case { UINT nIDDialog; UINT nIDControl; DWORD dwHelpId; };
    const Case cases[] = {
        {150, IDOK, 0x80960001},
        {150, IDCANCEL, 0x80960002},
        {150, 57670, 0x8096E146},
        {185, 1041, 0x80B90411},
        {156, 1061, 0x809C0425},
        {201, 1084, 0x80C9043C},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CDialog::GetControlHelpId(c.nIDDialog, c.nIDControl), c.dwHelpId);
}

// ---- the exchange routines on their own, against controls of a plain window ----

class DataExchangeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, TestWndClass(), "Austausch", WS_OVERLAPPEDWINDOW, 0, 0,
                                      300, 300, nullptr, nullptr));
        ASSERT_TRUE(m_edit.CreateEx(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20,
                                    m_parent.GetSafeHwnd(),
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_DT_TITLE))));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // Saves the edit's text through exchange; FALSE when it failed.
    template <class T>
    BOOL Save(LPCSTR pszText, T& value)
    {
        m_edit.SetWindowText(pszText);
        CDataExchange dx(&m_parent, TRUE);
        try
        {
            DDX_Text(&dx, IDC_DT_TITLE, value);
            return TRUE;
        }
        catch (CException* e)
        {
            EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CUserException)));
            e->Delete();
            return FALSE;
        }
    }

    CWnd m_parent;
    CWnd m_edit;
};

TEST_F(DataExchangeTest, NumbersAreReadWhollyAndInRange)
{
    MessageBoxRecorder boxes;
    struct Case { LPCSTR pszText; bool bInt; int nInt; bool bUInt; UINT nUInt; };
    const Case cases[] = {
        {"42", true, 42, true, 42},
        {"  7\t", true, 7, true, 7},
        {"+5", true, 5, true, 5},
        {"-7", true, -7, false, 0},
        {"", false, 0, false, 0},
        {"12abc", false, 0, false, 0},
        {"1 2", false, 0, false, 0},
        {"0x10", false, 0, false, 0},
        {"2147483647", true, 2147483647, true, 2147483647u},
        {"2147483648", false, 0, true, 2147483648u},
        {"-2147483648", true, INT_MIN, false, 0},
        {"4294967295", false, 0, true, 4294967295u},
        {"4294967296", false, 0, false, 0},
        {"99999999999999999999", false, 0, false, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszText);
        int nValue = -99;
        EXPECT_EQ(Save(c.pszText, nValue), c.bInt);
        EXPECT_EQ(nValue, c.bInt ? c.nInt : -99);
        UINT nUValue = 99;
        EXPECT_EQ(Save(c.pszText, nUValue), c.bUInt);
        EXPECT_EQ(nUValue, c.bUInt ? c.nUInt : 99u);
        long lValue = 0;
        EXPECT_EQ(Save(c.pszText, lValue), c.bInt);
        DWORD dwValue = 0;
        EXPECT_EQ(Save(c.pszText, dwValue), c.bUInt);
    }
    // Each failure told the user once, in German.
    EXPECT_FALSE(boxes.texts.empty());
    EXPECT_EQ(boxes.texts.front(), "Bitte geben Sie eine nicht negative ganze Zahl ein.");
    for (const CString& text : boxes.texts)
        EXPECT_TRUE(text == "Bitte geben Sie eine ganze Zahl ein."
                    || text == "Bitte geben Sie eine nicht negative ganze Zahl ein.")
            << static_cast<LPCSTR>(text);
}

TEST_F(DataExchangeTest, LoadingWritesNumbersAndLimitsText)
{
    CDataExchange dx(&m_parent, FALSE);
    int nValue = -12;
    DDX_Text(&dx, IDC_DT_TITLE, nValue);
    CString str;
    m_edit.GetWindowText(str);
    EXPECT_EQ(str, "-12");
    DWORD dwValue = 4000000000u;
    DDX_Text(&dx, IDC_DT_TITLE, dwValue);
    m_edit.GetWindowText(str);
    EXPECT_EQ(str, "4000000000");

    CString strTitle = "abc";
    DDX_Text(&dx, IDC_DT_TITLE, strTitle);
    DDV_MaxChars(&dx, strTitle, 8);
    EXPECT_EQ(m_edit.SendMessage(EM_GETLIMITTEXT), 8);
    // Loading never validates.
    DDV_MinMaxInt(&dx, 500, 1, 120);
}

TEST_F(DataExchangeTest, ListsAndDropListsExchangeTheirSelection)
{
    CComboBox dropList;
    ASSERT_TRUE(dropList.Create(WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, CRect(0, 30, 150, 150),
                                &m_parent, IDC_DT_COMBO));
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE, CRect(0, 160, 150, 260), &m_parent, IDC_DT_FIRST));
    for (LPCSTR psz : {"Aufsteigend", "Absteigend"})
    {
        dropList.AddString(psz);
        list.AddString(psz);
    }

    CString strChoice = "ABSTEIGEND";
    int nIndex = 0;
    {
        CDataExchange dx(&m_parent, FALSE);
        DDX_CBString(&dx, IDC_DT_COMBO, strChoice);
        DDX_LBIndex(&dx, IDC_DT_FIRST, nIndex);
    }
    EXPECT_EQ(dropList.GetCurSel(), 1);
    EXPECT_EQ(list.GetCurSel(), 0);

    dropList.SetCurSel(0);
    list.SetCurSel(1);
    {
        CDataExchange dx(&m_parent, TRUE);
        DDX_CBString(&dx, IDC_DT_COMBO, strChoice);
        DDX_LBIndex(&dx, IDC_DT_FIRST, nIndex);
        int nComboIndex = -5;
        DDX_CBIndex(&dx, IDC_DT_COMBO, nComboIndex);
        EXPECT_EQ(nComboIndex, 0);
    }
    EXPECT_EQ(strChoice, "Aufsteigend");
    EXPECT_EQ(nIndex, 1);

    // A value the list lacks clears a drop list's selection.
    strChoice = "Quer";
    {
        CDataExchange dx(&m_parent, FALSE);
        DDX_CBString(&dx, IDC_DT_COMBO, strChoice);
    }
    EXPECT_EQ(dropList.GetCurSel(), CB_ERR);
    {
        CDataExchange dx(&m_parent, TRUE);
        DDX_CBString(&dx, IDC_DT_COMBO, strChoice);
    }
    EXPECT_TRUE(strChoice.IsEmpty());
}

TEST_F(DataExchangeTest, UpdateDataReportsAMissingControlAndAnswersFalse)
{
    class CBrokenWnd : public CWnd
    {
    public:
        void DoDataExchange(CDataExchange* pDX) override
        {
            CString str;
            DDX_Text(pDX, 4321, str);
        }
    };
    CBrokenWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, TestWndClass(), "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(wnd.UpdateData(TRUE));
    EXPECT_EQ(boxes.texts.size(), 1u);
    wnd.DestroyWindow();
}

} // namespace
