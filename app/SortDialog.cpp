#include "app/SortDialog.h"

#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/DataExchange.h"

namespace {

const QIV_HELP_ID kHelpIds[] = {
    { IDOK, 0x80960001 },
    { IDCANCEL, 0x80960002 },
    { IDC_SORT_ASCENDING, 0x80980424 },
    { IDC_SORT_DESCENDING, 0x80980425 },
    { IDC_SORT_SUBCATEGORIES, 0x80980426 },
    { ID_HELP, 0x8096E146 },
};

} // namespace

C_SortierenDlg::C_SortierenDlg(CWnd* pParentWnd) : CQivDialog(IDD_SORT, pParentWnd)
{
    SetHelpContexts(kHelpIds);
}

void C_SortierenDlg::DoDataExchange(CDataExchange* pDX)
{
    CQivDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_SORT_SUBCATEGORIES, m_nSubcategories);
    DDX_Radio(pDX, IDC_SORT_ASCENDING, m_nDirection);
}

BOOL C_SortierenDlg::OnInitDialog()
{
    CQivDialog::OnInitDialog();
    AttachCommonButtons();
    return TRUE;
}
