#include "setup/SummaryPage.h"

#include "setup/CopyPage.h"
#include "setup/SetupPages.h"
#include "setup/resource.h"

#include "framework/ui/DataExchange.h"

CSummaryPage::CSummaryPage(CCopyPage& copyPage) : CPropertyPage(IDD_SUMMARY), m_copyPage(copyPage) {}

BOOL CSummaryPage::OnSetActive()
{
    const BOOL bResult = CPropertyPage::OnSetActive();
    SetPageWizardButtons(*this, PSWIZB_BACK | PSWIZB_NEXT);
    return bResult;
}

void CSummaryPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate)
        m_copyPage.DoInstall(m_strSummary, TRUE);
    DDX_Text(pDX, IDC_SUMMARY, m_strSummary);
}
