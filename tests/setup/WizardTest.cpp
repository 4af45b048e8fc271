// The setup wizard walked with Back, Next and Finish: the buttons of each
// page, the summary that follows changed choices, the destination taken as
// typed, and the copy page's run into scratch places.
#include "SetupTestSupport.h"

#include "setup/WizardDlg.h"
#include "setup/resource.h"

#include "framework/ui/AfxRes.h"
#include "framework/ui/TestSeams.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

bool IsUsable(CPropertySheet* pSheet, int nID)
{
    CWnd* pButton = pSheet->GetDlgItem(nID);
    return pButton && pButton->IsWindowVisible() && pButton->IsWindowEnabled();
}

// Back, Next, Finish as the sheet shows them now.
CString Buttons(CPropertySheet* pSheet)
{
    CString str;
    if (IsUsable(pSheet, ID_WIZBACK))
        str += "B";
    if (IsUsable(pSheet, ID_WIZNEXT))
        str += "N";
    if (IsUsable(pSheet, ID_WIZFINISH))
        str += "F";
    return str;
}

// A button's text without its mnemonic ampersand.
CString ButtonText(CPropertySheet* pSheet, int nID)
{
    CString str;
    if (CWnd* pButton = pSheet->GetDlgItem(nID))
        pButton->GetWindowText(str);
    str.Remove('&');
    return str;
}

CString ItemText(CPropertyPage* pPage, int nID)
{
    CString str;
    pPage->GetDlgItemText(nID, str);
    return str;
}

struct Step
{
    CPropertyPage* pExpected;
    LPCSTR pszButtons;
    std::function<void()> action;   // may be empty
    int nButton;
};

// Lets the sheet handle its messages until the copy page's run is done and
// Next leads on
// (it runs on a thread of its own), at most for ten seconds.
void WaitForCopy(CWizardDlg& wizard)
{
    const DWORD dwStart = ::GetTickCount();
    while (Buttons(&wizard) != "N" && ::GetTickCount() - dwStart < 10000) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(5);
    }
}

// Walks the wizard through the steps; answers the modal result.
INT_PTR Walk(CWizardDlg& wizard, const std::vector<Step>& steps)
{
    size_t nStep = 0;
    CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer([&](const AFX_PROPERTYSHEET_REQUEST& request) -> int {
        if (nStep >= steps.size()) {
            ADD_FAILURE() << "the wizard did not end";
            return PSBTN_CANCEL;
        }
        SCOPED_TRACE(static_cast<int>(nStep));
        const Step& step = steps[nStep++];
        if (request.pSheet->GetActivePage() == &wizard.m_copyPage)
            WaitForCopy(wizard);
        EXPECT_EQ(request.pSheet->GetActivePage(), step.pExpected);
        EXPECT_STREQ(Buttons(request.pSheet), step.pszButtons);
        if (step.action)
            step.action();
        return step.nButton;
    });
    const INT_PTR nResult = wizard.DoModal();
    EXPECT_EQ(nStep, steps.size());
    return nResult;
}

} // namespace

TEST(SetupWizard, WalksItsPagesAndInstalls)
{
    CScratchInstall scratch;
    scratch.FillSource();
    scratch.MakeMachineKeys();
    CWizardDlg wizard(scratch.Places());
    wizard.m_linksPage.m_strFavourites = scratch.Favourites();
    const CString strDestination = scratch.Root() + "\\Ziel\\";
    CString strFirstSummary;

    const std::vector<Step> steps = {
        {&wizard.m_welcomePage, "N", nullptr, PSBTN_NEXT},
        {&wizard.m_modulesPage, "BN",
         [&] { EXPECT_EQ(wizard.m_modulesPage.IsDlgButtonChecked(IDC_PROGRAM), BST_CHECKED); }, PSBTN_NEXT},
        {&wizard.m_destinationPage, "BN",
         [&] {
             // The offered folder ends in the product's folder.
             EXPECT_EQ(ItemText(&wizard.m_destinationPage, IDC_DESTINATION).Right(9), CString("\\Qivnotes"));
             wizard.m_destinationPage.SetDlgItemText(IDC_DESTINATION, strDestination);
         },
         PSBTN_NEXT},
        {&wizard.m_linksPage, "BN", nullptr, PSBTN_NEXT},
        {&wizard.m_summaryPage, "BN",
         [&] {
             strFirstSummary = ItemText(&wizard.m_summaryPage, IDC_SUMMARY);
             EXPECT_NE(strFirstSummary.Find("Erstelle Programmsymbol auf dem Desktop"), -1);
             // Typed with a trailing backslash: taken as it stands, not doubled.
             EXPECT_NE(strFirstSummary.Find("nach \"" + strDestination + "qivnotes.exe\""), -1);
         },
         PSBTN_BACK},
        {&wizard.m_linksPage, "BN",
         [&] { wizard.m_linksPage.CheckDlgButton(IDC_DESKTOP, BST_UNCHECKED); }, PSBTN_NEXT},
        {&wizard.m_summaryPage, "BN",
         [&] {
             const CString strSummary = ItemText(&wizard.m_summaryPage, IDC_SUMMARY);
             EXPECT_EQ(strSummary.Find("auf dem Desktop"), -1);
             EXPECT_NE(strSummary.Find("Erstelle Programmsymbol im Startmenü"), -1);
         },
         PSBTN_NEXT},
        // The run started by itself when the page was shown.
        {&wizard.m_copyPage, "N",
         [&] {
             EXPECT_STREQ(ItemText(&wizard.m_copyPage, IDC_STATUS), "Installationsvorgang beendet.");
             EXPECT_TRUE(wizard.m_copyPage.GetDlgItem(IDC_CONTINUE)->IsWindowVisible());
             EXPECT_EQ(wizard.m_copyPage.GetDlgItem(IDC_PROGRESS)->SendMessage(PBM_GETPOS), 26);
         },
         PSBTN_NEXT},
        {&wizard.m_finishedPage, "F", nullptr, PSBTN_FINISH},
    };
    EXPECT_EQ(Walk(wizard, steps), ID_WIZFINISH);

    EXPECT_STREQ(wizard.m_destinationPage.m_strDestination, strDestination);
    EXPECT_FALSE(wizard.m_linksPage.m_bDesktop);
    for (const CString& name : kProductFiles)
        EXPECT_STREQ(ReadFileText(strDestination + name), name) << static_cast<LPCSTR>(name);
    EXPECT_TRUE(FileExists(scratch.Places().strProgramsFolder + "\\Qivnotes 2000.lnk"));
    EXPECT_FALSE(FileExists(scratch.Places().strDesktopFolder + "\\Qivnotes 2000.lnk"));
    EXPECT_STREQ(GetString(scratch.Places().hMachine,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qivnotes 2000",
                           "UninstallString"),
                 strDestination + "uninstall.exe");
}

TEST(SetupWizard, ProgramPartClearedGivesAnEmptySummary)
{
    CScratchInstall scratch;
    scratch.FillSource();
    CWizardDlg wizard(scratch.Places());
    wizard.m_linksPage.m_strFavourites = scratch.Favourites();
    wizard.m_destinationPage.m_strDestination = scratch.Root();
    const std::vector<Step> steps = {
        {&wizard.m_welcomePage, "N", nullptr, PSBTN_NEXT},
        {&wizard.m_modulesPage, "BN",
         [&] { wizard.m_modulesPage.CheckDlgButton(IDC_PROGRAM, BST_UNCHECKED); }, PSBTN_NEXT},
        {&wizard.m_destinationPage, "BN",
         [&] { EXPECT_STREQ(ItemText(&wizard.m_destinationPage, IDC_DESTINATION), scratch.Root()); },
         PSBTN_NEXT},
        {&wizard.m_linksPage, "BN", nullptr, PSBTN_NEXT},
        {&wizard.m_summaryPage, "BN",
         [&] { EXPECT_STREQ(ItemText(&wizard.m_summaryPage, IDC_SUMMARY), ""); }, PSBTN_CANCEL},
    };
    EXPECT_EQ(Walk(wizard, steps), IDCANCEL);
    EXPECT_FALSE(FileExists(scratch.Root() + "\\qivnotes.exe"));
}

TEST(SetupWizard, CancelOnTheFirstPageChangesNothing)
{
    CScratchInstall scratch;
    scratch.FillSource();
    scratch.MakeMachineKeys();
    CWizardDlg wizard(scratch.Places());
    wizard.m_linksPage.m_strFavourites = scratch.Favourites();
    wizard.m_destinationPage.m_strDestination = scratch.Root() + "\\Ziel";
    EXPECT_EQ(Walk(wizard, {{&wizard.m_welcomePage, "N", nullptr, PSBTN_CANCEL}}), IDCANCEL);
    EXPECT_EQ(::GetFileAttributesA(scratch.Root() + "\\Ziel"), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(FileExists(scratch.Favourites() + "Qivnotes.lnk"));
    EXPECT_FALSE(KeyExists(scratch.Places().hClasses, ".qiv"));
}

// The sheet's buttons carry the system's own texts, German as the pages.
TEST(SetupWizard, ButtonsShowTheSystemsGermanTexts)
{
    CScratchInstall scratch;
    scratch.FillSource();
    CWizardDlg wizard(scratch.Places());
    wizard.m_linksPage.m_strFavourites = scratch.Favourites();
    CString back, next, cancel;
    auto read = [&] {
        back = ButtonText(&wizard, ID_WIZBACK);
        next = ButtonText(&wizard, ID_WIZNEXT);
        cancel = ButtonText(&wizard, IDCANCEL);
    };
    EXPECT_EQ(Walk(wizard, {{&wizard.m_welcomePage, "N", read, PSBTN_CANCEL}}), IDCANCEL);
    EXPECT_STREQ(back, "< Zurü" "ck");
    EXPECT_STREQ(next, "Weiter >");
    EXPECT_STREQ(cancel, "Abbrechen");
}

// A destination that names no drive or server is refused with a message, and
// the page stays until a full path is given.
TEST(SetupWizard, TheDestinationMustBeAFullPath)
{
    CScratchInstall scratch;
    scratch.FillSource();
    CWizardDlg wizard(scratch.Places());
    wizard.m_linksPage.m_strFavourites = scratch.Favourites();
    std::vector<CString> messages;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> boxes([&](const AFX_MESSAGEBOX_REQUEST& box) {
        messages.push_back(box.strText);
        return IDOK;
    });
    auto type = [&](const CString& strText) {
        return [&wizard, strText] { wizard.m_destinationPage.SetDlgItemText(IDC_DESTINATION, strText); };
    };
    const CString strFolder = scratch.Root() + "\\Ziel";
    const std::vector<Step> steps = {
        {&wizard.m_welcomePage, "N", nullptr, PSBTN_NEXT},
        {&wizard.m_modulesPage, "BN", nullptr, PSBTN_NEXT},
        {&wizard.m_destinationPage, "BN", type(""), PSBTN_NEXT},
        {&wizard.m_destinationPage, "BN", type("Programme\\Qivnotes"), PSBTN_NEXT},
        {&wizard.m_destinationPage, "BN", type("  " + strFolder + "  "), PSBTN_NEXT},
        {&wizard.m_linksPage, "BN", nullptr, PSBTN_CANCEL},
    };
    EXPECT_EQ(Walk(wizard, steps), IDCANCEL);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].Find("vollständigen Pfad des Zielordners"), -1);
    EXPECT_STREQ(wizard.m_destinationPage.m_strDestination, strFolder);
}
