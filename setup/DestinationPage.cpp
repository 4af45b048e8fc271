#include "setup/DestinationPage.h"

#include "setup/DefaultDestination.h"
#include "setup/DestinationCheck.h"
#include "setup/SetupPages.h"
#include "setup/resource.h"

#include "framework/ui/DataExchange.h"
#include "framework/ui/Edit.h"
#include "framework/ui/MessageBox.h"

#include <shlobj.h>

BEGIN_MESSAGE_MAP(CDestinationPage, CPropertyPage)
    ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CDestinationPage::CDestinationPage()
    : CPropertyPage(IDD_DESTINATION), m_strDestination(DefaultDestinationFolder())
{
}

BOOL CDestinationPage::OnSetActive()
{
    const BOOL bResult = CPropertyPage::OnSetActive();
    SetPageWizardButtons(*this, PSWIZB_BACK | PSWIZB_NEXT);
    return bResult;
}

namespace {

// A folder that names its drive or server: "C:\..." or "\\server\share...".
// Anything else would install relative to wherever setup happens to run.
bool IsFullFolderPath(const CString& strFolder)
{
    if (strFolder.GetLength() >= 3 && strFolder[1] == ':' && strFolder[2] == '\\')
        return ((strFolder[0] | 0x20) >= 'a' && (strFolder[0] | 0x20) <= 'z');
    return strFolder.GetLength() > 2 && strFolder.Left(2) == "\\\\";
}

} // namespace

void CDestinationPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DESTINATION, m_strDestination);
    if (pDX->m_bSaveAndValidate) {
        m_strDestination.Trim();
        if (!IsFullFolderPath(m_strDestination)) {
            AfxMessageBox("Bitte geben Sie den vollständigen Pfad des Zielordners an, "
                          "zum Beispiel C:\\Programme\\Qivnotes.",
                          MB_ICONEXCLAMATION | MB_OK);
            pDX->Fail();
        }
        const CString strRefusal = CheckDestinationFolder(m_strDestination);
        if (!strRefusal.IsEmpty()) {
            AfxMessageBox(strRefusal, MB_ICONEXCLAMATION | MB_OK);
            pDX->Fail();
        }
    }
}

void CDestinationPage::OnBrowse()
{
    BROWSEINFOA info = {};
    info.hwndOwner = m_hWnd;
    info.lpszTitle = "Wählen Sie den Zielordner für die Programmdateien.";
    CWnd* pEdit = GetDlgItem(IDC_DESTINATION);
    if (LPITEMIDLIST pidl = ::SHBrowseForFolderA(&info)) {
        char szPath[MAX_PATH] = {};
        if (::SHGetPathFromIDListA(pidl, szPath) && pEdit) {
            pEdit->SetWindowText(szPath);
            pEdit->SendMessage(EM_SETSEL, 0, -1);
        }
        ::CoTaskMemFree(pidl);
    }
    if (pEdit)
        pEdit->SetFocus();
}
