#include "setup/CopyPage.h"

#include "setup/SetupPages.h"
#include "setup/WizardDlg.h"
#include "setup/resource.h"

#include "framework/ui/CmdTarget.h"
#include "framework/ui/MessageBox.h"

#include <commctrl.h>

namespace {

const UINT WM_INSTALL_CHANGED = WM_APP + 1;

// Why a copy failed, in the user's words.
CString FailureReason(DWORD dwError)
{
    switch (dwError) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "Die Datei wird von einem anderen Programm verwendet.";
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return "Der Zugriff wurde verweigert.";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "Auf dem Datenträger ist nicht genügend Platz.";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return "Die Datei oder der Zielordner wurde nicht gefunden.";
    default: {
        CString str;
        str.Format("Fehlercode %lu.", dwError);
        return str;
    }
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CCopyPage, CPropertyPage)
    ON_BN_CLICKED(IDC_START, OnStart)
    ON_MESSAGE(WM_INSTALL_CHANGED, OnInstallChanged)
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

CInstallChoices CCopyPage::Choices() const
{
    CInstallChoices choices;
    choices.bProgram = m_wizard.m_modulesPage.m_bProgram;
    choices.bStartMenu = m_wizard.m_linksPage.m_bStartMenu;
    choices.bDesktop = m_wizard.m_linksPage.m_bDesktop;
    choices.strFavourites = m_wizard.m_linksPage.m_strFavourites;
    choices.strDestination = m_wizard.m_destinationPage.m_strDestination;
    return choices;
}

BOOL CCopyPage::DoInstall(CString& strText, BOOL bDryRun)
{
    if (bDryRun) {
        CWaitCursor wait;
        return RunInstall(m_wizard.m_places, Choices(), strText, nullptr);
    }
    strText.Empty();
    if (!m_run.IsStarted())
        m_run.Start(m_wizard.m_places, Choices(), m_hWnd, WM_INSTALL_CHANGED);
    return TRUE;
}

void CCopyPage::OnStart()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    CString strText;
    DoInstall(strText, FALSE);
}

BOOL CCopyPage::IsRunning()
{
    return m_run.IsRunning();
}

LRESULT CCopyPage::OnInstallChanged(WPARAM, LPARAM)
{
    const CInstallThread::CSnapshot snapshot = m_run.Snapshot();
    ShowSnapshot(snapshot);
    // While the user decides about cancelling, the run holds still; what
    // it asks or reports is taken up once that is decided.
    if (m_bAskingToCancel || m_bCancelled)
        return 0;
    if (snapshot.bAsking && snapshot.nQuestion > m_nQuestionsAsked)
        AskAboutFailedCopy(snapshot);
    else if (snapshot.bFinished && snapshot.bEnded)
        SetPageWizardButtons(*this, PSWIZB_NEXT);
    else if (snapshot.bFinished && GetParentSheet())
        GetParentSheet()->PressButton(PSBTN_CANCEL);
    return 0;
}

void CCopyPage::ShowSnapshot(const CInstallThread::CSnapshot& snapshot)
{
    if (CWnd* pProgress = GetDlgItem(IDC_PROGRESS)) {
        pProgress->SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, snapshot.nRange));
        pProgress->SendMessage(PBM_SETPOS, snapshot.nSteps);
    }
    if (CWnd* pContinue = GetDlgItem(IDC_CONTINUE))
        pContinue->ShowWindow(snapshot.bEnded ? SW_SHOW : SW_HIDE);
    CWnd* pStatus = GetDlgItem(IDC_STATUS);
    if (pStatus && snapshot.strStatus != m_strShownStatus) {
        m_strShownStatus = snapshot.strStatus;
        pStatus->SetWindowText(m_strShownStatus);
        // A transparent static leaves the old text under the new one
        // unless the page behind it is drawn again.
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

void CCopyPage::AskAboutFailedCopy(const CInstallThread::CSnapshot& snapshot)
{
    m_nQuestionsAsked = snapshot.nQuestion;
    const CString strText = "Die Datei \"" + snapshot.strFailedName + "\" konnte nicht nach \""
                            + snapshot.strFailedPath + "\" kopiert werden.\n\n"
                            + FailureReason(snapshot.dwFailedError)
                            + "\n\nWählen Sie \"Wiederholen\", um es noch einmal zu versuchen, oder "
                              "\"Abbrechen\", um die Installation abzubrechen. Was bis dahin kopiert "
                              "wurde, wird dann wieder entfernt.";
    m_run.AnswerRetry(Ask(strText, MB_RETRYCANCEL | MB_ICONEXCLAMATION) == IDRETRY);
}

BOOL CCopyPage::OnQueryCancel()
{
    if (!IsRunning())
        return TRUE;
    m_run.Pause();
    m_bAskingToCancel = TRUE;
    const int nAnswer = Ask("Installation abbrechen?", MB_YESNO | MB_ICONQUESTION);
    m_bAskingToCancel = FALSE;
    if (nAnswer != IDYES) {
        m_run.Resume();
        // Take up what the run reported meanwhile.
        PostMessage(WM_INSTALL_CHANGED);
        return FALSE;
    }
    CWaitCursor wait;
    m_bCancelled = TRUE;
    m_run.CancelAndWait();
    if (!m_run.Snapshot().bEnded)
        return TRUE;
    // The run had passed its last point of return while the user decided:
    // the installation is complete, and the wizard says so instead of
    // closing as if nothing had been installed.
    m_bCancelled = FALSE;
    Ask("Die Installation war bereits abgeschlossen und wurde nicht mehr abgebrochen.",
        MB_OK | MB_ICONINFORMATION);
    PostMessage(WM_INSTALL_CHANGED);
    return FALSE;
}

LRESULT CCopyPage::OnWizardBack()
{
    return IsRunning() ? -1 : CPropertyPage::OnWizardBack();
}

LRESULT CCopyPage::OnWizardNext()
{
    return IsRunning() ? -1 : CPropertyPage::OnWizardNext();
}

int CCopyPage::Ask(const CString& strText, UINT nType)
{
    CString strTitle;
    strTitle.LoadString(IDS_SETUP_TITLE);
    CWnd* pSheet = GetParentSheet();
    return AfxShowMessageBox(pSheet ? pSheet->m_hWnd : m_hWnd, strText, strTitle, nType, 0);
}
