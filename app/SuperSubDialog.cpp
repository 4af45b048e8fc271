#include "app/SuperSubDialog.h"

#include "app/DialogHelp.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/DataExchange.h"

#include <commctrl.h>

namespace {

const QIV_HELP_ID kHelpIds[] = {
    { IDOK, QivHelpId(IDD_PARAGRAPH, IDOK) },
    { IDCANCEL, QivHelpId(IDD_PARAGRAPH, IDCANCEL) },
    { ID_HELP, QivHelpId(IDD_PARAGRAPH, ID_HELP) },
    { IDC_SUPERSUB_SPIN, QivHelpId(IDD_SUPERSUB, IDC_SUPERSUB_OFFSET) },
    { IDC_SUPERSUB_OFFSET, QivHelpId(IDD_SUPERSUB, IDC_SUPERSUB_OFFSET) },
};

} // namespace

BEGIN_MESSAGE_MAP(C_HochTiefDlg, CQivDialog)
    ON_BN_CLICKED(IDC_SUPERSCRIPT, OnSuperscript)
    ON_BN_CLICKED(IDC_SUBSCRIPT, OnSubscript)
    ON_BN_CLICKED(IDC_SUPERSUB_NORMAL, OnNormal)
    ON_NOTIFY(UDN_DELTAPOS, IDC_SUPERSUB_SPIN, OnDeltaPos)
END_MESSAGE_MAP()

C_HochTiefDlg::C_HochTiefDlg(CWnd* pParentWnd) : CQivDialog(IDD_SUPERSUB, pParentWnd)
{
    SetHelpContexts(kHelpIds);
}

void C_HochTiefDlg::ApplyOffset(int nOffset, CHARFORMAT2A& cf)
{
    cf.dwMask |= CFM_OFFSET;
    cf.yOffset = nOffset;
    // An offset too small for the rule (0 among them) would make the text
    // zero twips high: it keeps its height.
    int nHeight = nOffset > 0 ? (2 * nOffset / 30) * 20 : (nOffset * -165 / 1000) * 20;
    if (nHeight > 0) {
        cf.dwMask |= CFM_SIZE;
        cf.yHeight = nHeight;
    }
}

BOOL C_HochTiefDlg::OnInitDialog()
{
    CQivDialog::OnInitDialog();
    AttachCommonButtons(15);
    return TRUE;
}

void C_HochTiefDlg::DoDataExchange(CDataExchange* pDX)
{
    CQivDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SUPERSUB_OFFSET, m_nOffset);
}

void C_HochTiefDlg::ShowOffset(int nOffset)
{
    m_nOffset = nOffset;
    SetDlgItemInt(IDC_SUPERSUB_OFFSET, static_cast<UINT>(nOffset), TRUE);
}

void C_HochTiefDlg::OnSuperscript()
{
    ShowOffset(m_nHeight / 2);
}

void C_HochTiefDlg::OnSubscript()
{
    ShowOffset(m_nHeight / -5);
}

void C_HochTiefDlg::OnNormal()
{
    ShowOffset(0);
}

void C_HochTiefDlg::OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 1;
    if (!UpdateData(TRUE))
        return;
    ShowOffset(m_nOffset - reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta);
}
