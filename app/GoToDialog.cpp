#include "app/GoToDialog.h"

#include "app/SoundEvents.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/DataExchange.h"
#include "framework/ui/WaitCursor.h"
#include "model/QivDoc.h"
#include "model/QivItem.h"

namespace {

const QIV_HELP_ID kHelpIds[] = {
    { IDOK, 0x80960001 },
    { IDCANCEL, 0x80960002 },
    { IDC_GOTO_PATH, 0x80B90411 },
    { ID_HELP, 0x8096E146 },
};

} // namespace

BEGIN_MESSAGE_MAP(C_GeheZuDlg, CQivDialog)
    ON_CBN_DROPDOWN(IDC_GOTO_PATH, OnDropDown)
    ON_CBN_CLOSEUP(IDC_GOTO_PATH, OnCloseUp)
END_MESSAGE_MAP()

C_GeheZuDlg::C_GeheZuDlg(CQivDoc* pDoc, CWnd* pParentWnd) : CQivDialog(IDD_GOTO, pParentWnd), m_pDoc(pDoc)
{
    SetHelpContexts(kHelpIds);
}

void C_GeheZuDlg::DoDataExchange(CDataExchange* pDX)
{
    CQivDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GOTO_PATH, m_comboPath);
    if (pDX->m_bSaveAndValidate)
        DDX_Text(pDX, IDC_GOTO_PATH, m_strPath);
}

BOOL C_GeheZuDlg::OnInitDialog()
{
    CWaitCursor wait;
    CQivDialog::OnInitDialog();
    AttachCommonButtons(15);
    m_comboPath.SetRedraw(FALSE);
    if (C_QivCategory* pRoot = m_pDoc ? m_pDoc->GetRoot() : nullptr)
        pRoot->AddPathsToComboBox(m_comboPath.m_hWnd, QIV_ROOT_IDENTIFIER);
    m_comboPath.SetRedraw(TRUE);
    return TRUE;
}

void C_GeheZuDlg::OnDropDown()
{
    PlaySoundEvent("ZoomIn");
}

void C_GeheZuDlg::OnCloseUp()
{
    PlaySoundEvent("ZoomOut");
}
