#include "setup/WizardDlg.h"

#include "setup/resource.h"

CWizardDlg::CWizardDlg() : CWizardDlg(SystemInstallPlaces()) {}

CWizardDlg::CWizardDlg(const CInstallPlaces& places)
    : CPropertySheet(IDS_SETUP_TITLE), m_places(places), m_copyPage(*this),
      m_summaryPage(m_copyPage)
{
    AddPage(&m_welcomePage);
    AddPage(&m_modulesPage);
    AddPage(&m_destinationPage);
    AddPage(&m_linksPage);
    AddPage(&m_summaryPage);
    AddPage(&m_copyPage);
    AddPage(&m_finishedPage);
    SetWizardMode();
}
