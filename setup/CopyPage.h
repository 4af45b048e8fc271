// The page that installs: shown, it starts the real run by itself and
// shows its progress; afterwards only Next leads on.
#pragma once

#include "setup/InstallRoutine.h"

#include "framework/ui/PropertyPage.h"

class CWizardDlg;

class CCopyPage : public CPropertyPage, private CInstallProgress
{
public:
    explicit CCopyPage(CWizardDlg& wizard);
    BOOL OnSetActive() override;

    // The install routine on the choices of the wizard's pages: a dry run
    // only lists the operations in strText. Always TRUE.
    BOOL DoInstall(CString& strText, BOOL bDryRun);

protected:
    // Button 1017, posted by the page itself when it is shown.
    afx_msg void OnStart();

    DECLARE_MESSAGE_MAP()

private:
    void Begin(int nSteps) override;
    void ShowStatus(LPCSTR lpszText) override;
    void Step() override;
    void End() override;

    CWizardDlg& m_wizard;
};
