#include "setup/SetupPages.h"

#include "setup/resource.h"

#include "framework/ui/DataExchange.h"
#include "framework/ui/PropertySheet.h"

#include <shlobj.h>

namespace {

CString FavouritesFolder()
{
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_FAVORITES, &pidl)) || !pidl)
        return CString();
    char szPath[MAX_PATH] = {};
    const BOOL bPath = ::SHGetPathFromIDListA(pidl, szPath);
    ::CoTaskMemFree(pidl);
    CString strFolder(bPath ? szPath : "");
    if (!strFolder.IsEmpty() && strFolder[strFolder.GetLength() - 1] != '\\')
        strFolder += '\\';
    return strFolder;
}

} // namespace

void SetPageWizardButtons(CPropertyPage& page, DWORD dwFlags)
{
    if (CPropertySheet* pSheet = page.GetParentSheet())
        pSheet->SetWizardButtons(dwFlags);
}

CWelcomePage::CWelcomePage() : CPropertyPage(IDD_WELCOME) {}

BOOL CWelcomePage::OnSetActive()
{
    const BOOL bResult = CPropertyPage::OnSetActive();
    SetPageWizardButtons(*this, PSWIZB_NEXT);
    return bResult;
}

CModulesPage::CModulesPage() : CPropertyPage(IDD_MODULES) {}

BOOL CModulesPage::OnSetActive()
{
    const BOOL bResult = CPropertyPage::OnSetActive();
    SetPageWizardButtons(*this, PSWIZB_BACK | PSWIZB_NEXT);
    return bResult;
}

void CModulesPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PROGRAM, m_bProgram);
}

CLinksPage::CLinksPage() : CPropertyPage(IDD_LINKS), m_strFavourites(FavouritesFolder()) {}

BOOL CLinksPage::OnSetActive()
{
    const BOOL bResult = CPropertyPage::OnSetActive();
    SetPageWizardButtons(*this, PSWIZB_BACK | PSWIZB_NEXT);
    return bResult;
}

void CLinksPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_STARTMENU, m_bStartMenu);
    DDX_Check(pDX, IDC_DESKTOP, m_bDesktop);
}

CFinishedPage::CFinishedPage() : CPropertyPage(IDD_FINISHED) {}

BOOL CFinishedPage::OnSetActive()
{
    const BOOL bResult = CPropertyPage::OnSetActive();
    SetPageWizardButtons(*this, PSWIZB_FINISH);
    return bResult;
}
