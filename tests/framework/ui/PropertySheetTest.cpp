// Property sheets and wizards: walking a wizard with Back, Next and Finish,
// pages that decide where the walk goes or refuse to be left, the data
// exchange of pages on every activation, OK, Cancel and Apply of a tabbed
// sheet, and the sheet's own modal loop with its keyboard.
#include "PropertySheetTestRes.h"
#include "TestApp.h"

#include "framework/ui/AfxRes.h"
#include "framework/ui/DataExchange.h"
#include "framework/ui/PropertyPage.h"
#include "framework/ui/PropertySheet.h"
#include "framework/ui/TestSeams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using EventLog = std::vector<CString>;

// A page that writes what the sheet asks of it into a log and answers as
// the test tells it.
class CLoggedPage : public CPropertyPage
{
public:
    CLoggedPage(UINT nIDTemplate, LPCSTR pszName, EventLog& log, DWORD dwWizardButtons)
        : CPropertyPage(nIDTemplate), m_pszName(pszName), m_log(log),
          m_dwWizardButtons(dwWizardButtons)
    {
    }

    LRESULT m_lBack = 0;
    LRESULT m_lNext = 0;
    BOOL m_bFinish = TRUE;
    BOOL m_bApply = TRUE;
    BOOL m_bQueryCancel = TRUE;

    BOOL OnSetActive() override
    {
        Log("aktiv");
        const BOOL bResult = CPropertyPage::OnSetActive();
        if (GetParentSheet()->IsWizard())
            GetParentSheet()->SetWizardButtons(m_dwWizardButtons);
        return bResult;
    }
    BOOL OnKillActive() override
    {
        const BOOL bResult = CPropertyPage::OnKillActive();
        Log(bResult ? "verlassen" : "bleibt");
        return bResult;
    }
    LRESULT OnWizardBack() override
    {
        Log("zurück");
        return m_lBack;
    }
    LRESULT OnWizardNext() override
    {
        Log("weiter");
        return m_lNext;
    }
    BOOL OnWizardFinish() override
    {
        Log("fertig");
        return m_bFinish;
    }
    BOOL OnApply() override
    {
        Log("übernehmen");
        CPropertyPage::OnApply();
        return m_bApply;
    }
    void OnReset() override
    {
        Log("verwerfen");
        CPropertyPage::OnReset();
    }
    BOOL OnQueryCancel() override
    {
        Log("abbrechen?");
        return m_bQueryCancel;
    }

private:
    void Log(LPCSTR pszEvent)
    {
        CString str;
        str.Format("%s:%s", m_pszName, pszEvent);
        m_log.push_back(str);
    }

    LPCSTR m_pszName;
    EventLog& m_log;
    DWORD m_dwWizardButtons;
};

class CNamePage : public CLoggedPage
{
public:
    CNamePage(EventLog& log) : CLoggedPage(IDD_PST_NAME, "Name", log, PSWIZB_BACK | PSWIZB_NEXT) {}
    CString m_strName = "Anna";

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CLoggedPage::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_PST_NAME, m_strName);
    }
};

class CCountPage : public CLoggedPage
{
public:
    CCountPage(EventLog& log) : CLoggedPage(IDD_PST_COUNT, "Anzahl", log, PSWIZB_BACK | PSWIZB_NEXT)
    {
    }
    int m_nCount = 3;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CLoggedPage::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_PST_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 1, 9);
    }
};

// The four pages of the test wizard, in order.
struct WizardPages
{
    EventLog log;
    CLoggedPage welcome{IDD_PST_WELCOME, "Willkommen", log, PSWIZB_NEXT};
    CNamePage name{log};
    CCountPage count{log};
    CLoggedPage done{IDD_PST_DONE, "Fertig", log, PSWIZB_BACK | PSWIZB_FINISH};

    void AddTo(CPropertySheet& sheet)
    {
        for (CPropertyPage* pPage : {static_cast<CPropertyPage*>(&welcome),
                                     static_cast<CPropertyPage*>(&name),
                                     static_cast<CPropertyPage*>(&count),
                                     static_cast<CPropertyPage*>(&done)})
        {
            sheet.AddPage(pPage);
        }
    }
};

// Records the sheet's initialisation: the first page exists by then.
class CTestSheet : public CPropertySheet
{
public:
    explicit CTestSheet(LPCSTR pszCaption) : CPropertySheet(pszCaption) {}

    int m_nInitCalls = 0;
    int m_nActiveAtInit = -2;

    BOOL OnInitDialog() override
    {
        ++m_nInitCalls;
        m_nActiveAtInit = GetActiveIndex();
        return CPropertySheet::OnInitDialog();
    }
};

// Sheets run under a main window, as in the program.
class PropertySheetTest : public testing::Test
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

CString ItemText(CPropertyPage& page, int nID)
{
    CString str;
    page.GetDlgItemText(nID, str);
    return str;
}

// Enabled and shown, as the user sees a sheet button.
bool IsUsable(CPropertySheet* pSheet, int nID)
{
    CWnd* pButton = pSheet->GetDlgItem(nID);
    return pButton != nullptr && pButton->IsWindowVisible() && pButton->IsWindowEnabled();
}

TEST_F(PropertySheetTest, WizardWalksBackAndNextWithDataExchangeAndFinishes)
{
    WizardPages pages;
    CTestSheet sheet("Einrichtung");
    pages.AddTo(sheet);
    sheet.SetWizardMode();

    std::vector<CString> boxes;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> boxAnswer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        boxes.push_back(box.strText);
        return IDOK;
    });
    int nSteps = 0;
    CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([&](const AFX_PROPERTYSHEET_REQUEST& request) -> int {
        CPropertySheet* pSheet = request.pSheet;
        EXPECT_EQ(pSheet, &sheet);
        EXPECT_EQ(request.nCall, nSteps);
        EXPECT_FALSE(m_mainWnd.IsWindowEnabled());
        switch (nSteps++)
        {
        case 0:
            // The first page's buttons, set while it was activated.
            EXPECT_EQ(pSheet->GetActivePage(), &pages.welcome);
            EXPECT_FALSE(IsUsable(pSheet, ID_WIZBACK));
            EXPECT_TRUE(IsUsable(pSheet, ID_WIZNEXT));
            EXPECT_FALSE(IsUsable(pSheet, ID_WIZFINISH));
            return PSBTN_NEXT;
        case 1:
            EXPECT_EQ(pSheet->GetActivePage(), &pages.name);
            EXPECT_TRUE(IsUsable(pSheet, ID_WIZBACK));
            EXPECT_EQ(ItemText(pages.name, IDC_PST_NAME), "Anna");
            pages.name.SetDlgItemText(IDC_PST_NAME, "Berta");
            return PSBTN_NEXT;
        case 2:
            // Leaving the page took the control's text.
            EXPECT_EQ(pSheet->GetActivePage(), &pages.count);
            EXPECT_EQ(pages.name.m_strName, "Berta");
            EXPECT_EQ(ItemText(pages.count, IDC_PST_COUNT), "3");
            // Changed behind the page's back: shown when it comes again.
            pages.name.m_strName = "Carla";
            return PSBTN_BACK;
        case 3:
            EXPECT_EQ(pSheet->GetActivePage(), &pages.name);
            EXPECT_EQ(ItemText(pages.name, IDC_PST_NAME), "Carla");
            return PSBTN_NEXT;
        case 4:
            EXPECT_EQ(pSheet->GetActivePage(), &pages.count);
            pages.count.SetDlgItemText(IDC_PST_COUNT, "42");
            return PSBTN_NEXT;
        case 5:
            // The value did not validate: the page stays, the user was told.
            EXPECT_EQ(pSheet->GetActivePage(), &pages.count);
            EXPECT_EQ(boxes.size(), 1u);
            pages.count.SetDlgItemText(IDC_PST_COUNT, "7");
            return PSBTN_NEXT;
        case 6:
            EXPECT_EQ(pSheet->GetActivePage(), &pages.done);
            EXPECT_TRUE(IsUsable(pSheet, ID_WIZFINISH));
            return PSBTN_FINISH;
        default:
            ADD_FAILURE() << "the wizard did not end";
            return PSBTN_CANCEL;
        }
    });

    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(nSteps, 7);
    EXPECT_EQ(sheet.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(m_mainWnd.IsWindowEnabled());
    EXPECT_EQ(sheet.m_nInitCalls, 1);
    EXPECT_EQ(sheet.m_nActiveAtInit, 0);
    EXPECT_EQ(pages.name.m_strName, "Carla");
    EXPECT_EQ(pages.count.m_nCount, 7);
    const EventLog expected = {
        "Willkommen:aktiv", "Willkommen:weiter", "Name:aktiv", "Name:weiter",
        "Anzahl:aktiv", "Anzahl:zurück", "Name:aktiv", "Name:weiter",
        "Anzahl:aktiv", "Anzahl:weiter", "Anzahl:weiter", "Fertig:aktiv",
        "Fertig:fertig",
    };
    EventLog walk;
    for (const CString& str : pages.log)
    {
        // Leaving is logged apart below.
        if (str.Find(":verlassen") < 0 && str.Find(":bleibt") < 0)
            walk.push_back(str);
    }
    EXPECT_EQ(walk, expected);
    // The count page refused to be left once.
    EXPECT_EQ(std::count(pages.log.begin(), pages.log.end(), CString("Anzahl:bleibt")), 1);
}

TEST_F(PropertySheetTest, WizardPagesChooseTheNextPageOrKeepTheWizardOpen)
{
    WizardPages pages;
    CTestSheet sheet("Einrichtung");
    pages.AddTo(sheet);
    sheet.SetWizardMode();
    // Welcome skips the name page; the count page holds Back once; the last
    // page refuses the first Finish; the first Cancel is refused too.
    pages.welcome.m_lNext = IDD_PST_COUNT;
    pages.count.m_lBack = -1;
    pages.done.m_bFinish = FALSE;
    pages.done.m_bQueryCancel = FALSE;

    struct Step
    {
        int nButton;
        CLoggedPage* pAfter;  // the page shown after the button
    };
    const Step steps[] = {
        {PSBTN_NEXT, &pages.count},
        {PSBTN_BACK, &pages.count},
        {PSBTN_NEXT, &pages.done},
        {PSBTN_FINISH, &pages.done},
        {PSBTN_CANCEL, &pages.done},
        {PSBTN_CANCEL, nullptr},
    };
    int nStep = 0;
    CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([&](const AFX_PROPERTYSHEET_REQUEST& request) -> int {
        if (nStep > 0)
        {
            SCOPED_TRACE(nStep);
            EXPECT_EQ(request.pSheet->GetActivePage(), steps[nStep - 1].pAfter);
        }
        if (nStep == 5)
            pages.done.m_bQueryCancel = TRUE;
        if (nStep >= 6)
        {
            ADD_FAILURE() << "the wizard did not end";
            return PSBTN_CANCEL;
        }
        return steps[nStep++].nButton;
    });

    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(nStep, 6);
    // The name page was never made, so it has nothing to drop.
    EXPECT_EQ(pages.name.GetSafeHwnd(), nullptr);
    EXPECT_EQ(std::count(pages.log.begin(), pages.log.end(), CString("Name:aktiv")), 0);
    EXPECT_EQ(std::count(pages.log.begin(), pages.log.end(), CString("Fertig:abbrechen?")), 2);
    EXPECT_EQ(std::count(pages.log.begin(), pages.log.end(), CString("Fertig:verwerfen")), 1);
    EXPECT_EQ(std::count(pages.log.begin(), pages.log.end(), CString("Anzahl:verwerfen")), 1);
    EXPECT_EQ(pages.count.m_nCount, 3);
}

TEST_F(PropertySheetTest, TabbedSheetAppliesItsPagesOnOk)
{
    EventLog log;
    CCountPage count(log);
    CNamePage name(log);
    CTestSheet sheet("Optionen");
    sheet.AddPage(&count);
    sheet.AddPage(&name);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    // The name page rejects the first OK.
    name.m_bApply = FALSE;

    std::vector<CString> boxes;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> boxAnswer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        boxes.push_back(box.strText);
        return IDOK;
    });
    int nSteps = 0;
    CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([&](const AFX_PROPERTYSHEET_REQUEST& request) -> int {
        CPropertySheet* pSheet = request.pSheet;
        switch (nSteps++)
        {
        case 0:
            EXPECT_FALSE(pSheet->IsWizard());
            EXPECT_TRUE(IsUsable(pSheet, IDOK));
            EXPECT_TRUE(IsUsable(pSheet, IDCANCEL));
            EXPECT_FALSE(IsUsable(pSheet, ID_APPLY_NOW));
            EXPECT_EQ(pSheet->GetActivePage(), &count);
            count.SetDlgItemText(IDC_PST_COUNT, "0");
            return PSBTN_OK;
        case 1:
            // Not valid: still open on the page.
            EXPECT_EQ(pSheet->GetActivePage(), &count);
            EXPECT_EQ(boxes.size(), 1u);
            count.SetDlgItemText(IDC_PST_COUNT, "5");
            EXPECT_TRUE(pSheet->SetActivePage(&name));
            EXPECT_EQ(pSheet->GetActivePage(), &name);
            EXPECT_EQ(count.m_nCount, 5);
            name.SetDlgItemText(IDC_PST_NAME, "Dora");
            return PSBTN_OK;
        case 2:
            // The page refused to apply: the sheet stays open.
            EXPECT_EQ(pSheet->GetActivePage(), &name);
            name.m_bApply = TRUE;
            return PSBTN_OK;
        default:
            ADD_FAILURE() << "the sheet did not end";
            return PSBTN_CANCEL;
        }
    });

    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(nSteps, 3);
    EXPECT_EQ(sheet.m_nInitCalls, 1);
    EXPECT_EQ(count.m_nCount, 5);
    EXPECT_EQ(name.m_strName, "Dora");
    EXPECT_EQ(std::count(log.begin(), log.end(), CString("Name:übernehmen")), 2);
    EXPECT_GE(std::count(log.begin(), log.end(), CString("Anzahl:übernehmen")), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), CString("Anzahl:verwerfen")), 0);
}

// A main window that answers the help command.
class CHelpWnd : public CWnd
{
public:
    int m_nHelpCalls = 0;

protected:
    void OnHelp() { ++m_nHelpCalls; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHelpWnd, CWnd)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

// The Help button is there when the program answers the help command, and
// pressing it on any page reaches that answer.
TEST_F(PropertySheetTest, HelpButtonFollowsTheProgramsHelpCommand)
{
    CHelpWnd helpWnd;
    ASSERT_TRUE(helpWnd.CreateEx(0, TestWndClass(), "Hilfe", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                 nullptr, nullptr));
    for (CWnd* pMainWnd : {&m_mainWnd, static_cast<CWnd*>(&helpWnd)})
    {
        const bool bHelp = pMainWnd == &helpWnd;
        SCOPED_TRACE(bHelp);
        TestApp().m_pMainWnd = pMainWnd;
        EventLog log;
        CNamePage name(log);
        CCountPage count(log);
        CPropertySheet sheet("Optionen");
        sheet.AddPage(&name);
        sheet.AddPage(&count);
        EXPECT_EQ((sheet.m_psh.dwFlags & PSH_HASHELP) != 0, bHelp);
        int nStep = 0;
        CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([&](const AFX_PROPERTYSHEET_REQUEST& request) {
            CPropertySheet* pSheet = request.pSheet;
            // The button exists either way; the program may restyle it.
            EXPECT_NE(pSheet->GetDlgItem(IDHELP), nullptr);
            EXPECT_EQ(IsUsable(pSheet, IDHELP), bHelp);
            switch (nStep++)
            {
            case 0:
                return PSBTN_HELP;
            case 1:
                pSheet->SetActivePage(1);
                return PSBTN_HELP;
            default:
                return PSBTN_CANCEL;
            }
        });
        EXPECT_EQ(sheet.DoModal(), IDCANCEL);
        EXPECT_EQ(nStep, 3);
    }
    EXPECT_EQ(helpWnd.m_nHelpCalls, 2);
    TestApp().m_pMainWnd = &m_mainWnd;
    helpWnd.DestroyWindow();
}

// Without an answer from the seam the sheet runs its own loop: the user's
// keys pass the thread's pre-translation to the sheet's dialog keyboard.
TEST_F(PropertySheetTest, OwnLoopTakesTheKeyboard)
{
    struct Case
    {
        UINT nKey;
        INT_PTR nResult;
        int nCount;  // the count page's data afterwards
    };
    const Case cases[] = {
        {VK_RETURN, IDOK, 6},
        {VK_ESCAPE, IDCANCEL, 3},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.nKey);
        EventLog log;
        CCountPage count(log);
        CTestSheet sheet("Optionen");
        sheet.AddPage(&count);
        sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
        int nCalls = 0;
        CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([&](const AFX_PROPERTYSHEET_REQUEST&) {
            ++nCalls;
            // The user types into the field and presses the key there.
            count.SetDlgItemText(IDC_PST_COUNT, "6");
            ::PostMessageA(count.GetDlgItem(IDC_PST_COUNT)->GetSafeHwnd(), WM_KEYDOWN, c.nKey, 1);
            return -1;
        });
        EXPECT_EQ(sheet.DoModal(), c.nResult);
        EXPECT_EQ(nCalls, 1);
        EXPECT_EQ(count.m_nCount, c.nCount);
        EXPECT_TRUE(m_mainWnd.IsWindowEnabled());
    }
}

} // namespace
