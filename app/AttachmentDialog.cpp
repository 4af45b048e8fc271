#include "app/AttachmentDialog.h"

#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/DataExchange.h"

namespace {

const QIV_HELP_ID kHelpIds[] = {
    { IDOK, 0x80960001 },
    { IDCANCEL, 0x80960002 },
    { IDC_ATTACHMENT_PATH, 0x80C9043C },
    { ID_HELP, 0x8096E146 },
};

} // namespace

C_AnlageDlg::C_AnlageDlg(CWnd* pParentWnd) : CQivDialog(IDD_ATTACHMENT, pParentWnd)
{
    SetHelpContexts(kHelpIds);
}

void C_AnlageDlg::DoDataExchange(CDataExchange* pDX)
{
    CQivDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ATTACHMENT_PATH, m_strPath);
}

BOOL C_AnlageDlg::OnInitDialog()
{
    CQivDialog::OnInitDialog();
    AttachCommonButtons();
    return TRUE;
}
