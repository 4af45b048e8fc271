#include "setup/CopyPage.h"

#include "setup/SetupPages.h"
#include "setup/WizardDlg.h"
#include "setup/resource.h"

#include "framework/ui/CmdTarget.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CCopyPage, CPropertyPage)
    ON_BN_CLICKED(IDC_START, OnStart)
END_MESSAGE_MAP()

CCopyPage::CCopyPage(CWizardDlg& wizard) : CPropertyPage(IDD_COPY), m_wizard(wizard) {}

BOOL CCopyPage::OnSetActive()
{
    const BOOL bResult = CPropertyPage::OnSetActive();
    SetPageWizardButtons(*this, 0);
    CWnd* pStart = GetDlgItem(IDC_START);
    PostMessage(WM_COMMAND, MAKEWPARAM(IDC_START, BN_CLICKED),
                reinterpret_cast<LPARAM>(pStart ? pStart->m_hWnd : nullptr));
    return bResult;
}

BOOL CCopyPage::DoInstall(CString& strText, BOOL bDryRun)
{
    CWaitCursor wait;
    CInstallChoices choices;
    choices.bProgram = m_wizard.m_modulesPage.m_bProgram;
    choices.bStartMenu = m_wizard.m_linksPage.m_bStartMenu;
    choices.bDesktop = m_wizard.m_linksPage.m_bDesktop;
    choices.strFavourites = m_wizard.m_linksPage.m_strFavourites;
    choices.strDestination = m_wizard.m_destinationPage.m_strDestination;
    return RunInstall(m_wizard.m_places, choices, strText, bDryRun ? nullptr : this, m_hWnd);
}

void CCopyPage::OnStart()
{
    RedrawWindow();
    CString strText;
    DoInstall(strText, FALSE);
    SetPageWizardButtons(*this, PSWIZB_NEXT);
}

void CCopyPage::Begin(int nSteps)
{
    if (CWnd* pProgress = GetDlgItem(IDC_PROGRESS)) {
        pProgress->SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, nSteps));
        pProgress->SendMessage(PBM_SETPOS, 0);
        pProgress->SendMessage(PBM_SETSTEP, 1);
    }
    if (CWnd* pContinue = GetDlgItem(IDC_CONTINUE))
        pContinue->ShowWindow(SW_HIDE);
}

void CCopyPage::ShowStatus(LPCSTR lpszText)
{
    if (CWnd* pStatus = GetDlgItem(IDC_STATUS)) {
        pStatus->SetWindowText(lpszText);
        pStatus->UpdateWindow();
    }
}

void CCopyPage::Step()
{
    if (CWnd* pProgress = GetDlgItem(IDC_PROGRESS))
        pProgress->SendMessage(PBM_STEPIT);
}

void CCopyPage::End()
{
    if (CWnd* pContinue = GetDlgItem(IDC_CONTINUE))
        pContinue->ShowWindow(SW_SHOW);
}
