#include "app/LinkDialog.h"

#include "app/DialogHelp.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/DataExchange.h"

namespace {

const QIV_HELP_ID kHelpIds[] = {
    { IDOK, QivHelpId(IDD_PARAGRAPH, IDOK) },
    { IDCANCEL, QivHelpId(IDD_PARAGRAPH, IDCANCEL) },
    { ID_HELP, QivHelpId(IDD_PARAGRAPH, ID_HELP) },
    { IDC_LINK_CARDFILE, QivHelpId(IDD_LINK, IDC_LINK_CARDFILE) },
    { IDC_LINK_ITEM, QivHelpId(IDD_LINK, IDC_LINK_CARDFILE) },
    { IDC_LINK_DESKTOP, QivHelpId(IDD_LINK, IDC_LINK_DESKTOP) },
    { IDC_LINK_FAVORITES, QivHelpId(IDD_LINK, IDC_LINK_DESKTOP) },
};

} // namespace

C_LinkDlg::C_LinkDlg(CWnd* pParentWnd) : CQivDialog(IDD_LINK, pParentWnd)
{
    SetHelpContexts(kHelpIds);
}

BOOL C_LinkDlg::OnInitDialog()
{
    CQivDialog::OnInitDialog();
    AttachCommonButtons(15);
    return TRUE;
}

void C_LinkDlg::DoDataExchange(CDataExchange* pDX)
{
    CQivDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_LINK_DESKTOP, m_nLocation);
    DDX_Radio(pDX, IDC_LINK_CARDFILE, m_nTarget);
}
