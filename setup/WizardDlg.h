// The setup wizard: its pages in order, and the places a run installs into
// (the system's unless a caller hands in others).
#pragma once

#include "setup/CopyPage.h"
#include "setup/DestinationPage.h"
#include "setup/InstallRoutine.h"
#include "setup/SetupPages.h"
#include "setup/SummaryPage.h"

#include "framework/ui/PropertySheet.h"

class CWizardDlg : public CPropertySheet
{
public:
    CWizardDlg();
    explicit CWizardDlg(const CInstallPlaces& places);

    CInstallPlaces m_places;

    CWelcomePage m_welcomePage;
    CModulesPage m_modulesPage;
    CDestinationPage m_destinationPage;
    CLinksPage m_linksPage;
    CCopyPage m_copyPage;
    CSummaryPage m_summaryPage;
    CFinishedPage m_finishedPage;
};
