// The setup program: the wizard is its only window; when it closes, the
// program ends.
#include "setup/WizardDlg.h"

#include "framework/ui/WinApp.h"

class CSetupApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        CWizardDlg wizard;
        m_pMainWnd = &wizard;
        wizard.DoModal();
        m_pMainWnd = nullptr;
        return FALSE;
    }
};

CSetupApp theApp;
