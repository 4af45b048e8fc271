// The page that installs: shown, it starts the real run by itself on a
// thread of its own and shows its progress; afterwards only Next leads on.
// While the run goes, Abbrechen asks first and then takes the run back.
#pragma once

#include "setup/InstallRoutine.h"
#include "setup/InstallThread.h"

#include "framework/ui/PropertyPage.h"

class CWizardDlg;

class CCopyPage : public CPropertyPage
{
public:
    explicit CCopyPage(CWizardDlg& wizard);
    BOOL OnSetActive() override;
    BOOL OnQueryCancel() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;

    // The install routine on the choices of the wizard's pages: a dry run
    // only lists the operations in strText. A real run is started on its
    // thread and reports to the page. Always TRUE.
    BOOL DoInstall(CString& strText, BOOL bDryRun);

protected:
    // Button 1017, posted by the page itself when it is shown.
    afx_msg void OnStart();
    // The run's snapshot changed.
    afx_msg LRESULT OnInstallChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    CInstallChoices Choices() const;
    BOOL IsRunning();
    void ShowSnapshot(const CInstallThread::CSnapshot& snapshot);
    void AskAboutFailedCopy(const CInstallThread::CSnapshot& snapshot);
    int Ask(const CString& strText, UINT nType);

    CWizardDlg& m_wizard;
    CInstallThread m_run;
    int m_nQuestionsAsked = 0;
    BOOL m_bAskingToCancel = FALSE;
    BOOL m_bCancelled = FALSE;
    CString m_strShownStatus;
};
