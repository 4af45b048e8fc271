#include "app/ParagraphDialog.h"

#include "app/LengthText.h"
#include "app/DialogHelp.h"
#include "app/res/resource.h"
#include "framework/core/Exceptions.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/DataExchange.h"

#include <commctrl.h>

namespace {

const QIV_HELP_ID kHelpIds[] = {
    { IDOK, QivHelpId(IDD_PARAGRAPH, IDOK) },
    { IDCANCEL, QivHelpId(IDD_PARAGRAPH, IDCANCEL) },
    { ID_HELP, QivHelpId(IDD_PARAGRAPH, ID_HELP) },
    { IDC_PARA_ALIGN_LEFT, QivHelpId(IDD_PARAGRAPH, IDC_PARA_ALIGN_LEFT) },
    { IDC_PARA_ALIGN_CENTER, QivHelpId(IDD_PARAGRAPH, IDC_PARA_ALIGN_LEFT) },
    { IDC_PARA_ALIGN_RIGHT, QivHelpId(IDD_PARAGRAPH, IDC_PARA_ALIGN_LEFT) },
    { IDC_PARA_INDENT_LEFT, QivHelpId(IDD_PARAGRAPH, IDC_PARA_INDENT_LEFT) },
    { IDC_PARA_INDENT_RIGHT, QivHelpId(IDD_PARAGRAPH, IDC_PARA_INDENT_LEFT) },
    { IDC_PARA_INDENT_FIRST, QivHelpId(IDD_PARAGRAPH, IDC_PARA_INDENT_LEFT) },
};

// Each up-down control steps its edit box by 57 twips (0,1 cm).
const struct { UINT nSpin; int nEdit; int CAbsatzDlg::*pValue; } kSpins[] = {
    { IDC_PARA_SPIN_LEFT, IDC_PARA_INDENT_LEFT, &CAbsatzDlg::m_nLeft },
    { IDC_PARA_SPIN_RIGHT, IDC_PARA_INDENT_RIGHT, &CAbsatzDlg::m_nRight },
    { IDC_PARA_SPIN_FIRST, IDC_PARA_INDENT_FIRST, &CAbsatzDlg::m_nFirstLine },
};

const WORD kAlignments[] = { PFA_LEFT, PFA_RIGHT, PFA_CENTER };

} // namespace

BEGIN_MESSAGE_MAP(CAbsatzDlg, CQivDialog)
    ON_NOTIFY_RANGE(UDN_DELTAPOS, IDC_PARA_SPIN_LEFT, IDC_PARA_SPIN_FIRST, OnDeltaPos)
END_MESSAGE_MAP()

CAbsatzDlg::CAbsatzDlg(CWnd* pParentWnd, const PARAFORMAT2& pf)
    : CQivDialog(IDD_PARAGRAPH, pParentWnd), m_pf(pf)
{
    SetHelpContexts(kHelpIds);
    LoadFromFormat();
}

void CAbsatzDlg::LoadFromFormat()
{
    m_nAlignment = -1;
    if (m_pf.dwMask & PFM_ALIGNMENT) {
        for (int i = 0; i < 3; ++i) {
            if (m_pf.wAlignment == kAlignments[i])
                m_nAlignment = i;
        }
    }
    if (m_pf.dwMask & PFM_NUMBERING)
        m_nBullets = m_pf.wNumbering == PFN_BULLET ? 1 : 0;
    else
        m_nBullets = 2;
    if (m_pf.dwMask & PFM_RIGHTINDENT)
        m_nRight = m_pf.dxRightIndent;
    if ((m_pf.dwMask & PFM_OFFSET) && (m_pf.dwMask & PFM_STARTINDENT)) {
        m_nFirstLine = -m_pf.dxOffset;
        m_nLeft = m_pf.dxStartIndent + m_pf.dxOffset;
    }
}

void CAbsatzDlg::SaveToFormat()
{
    m_pf.dwMask = PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_ALIGNMENT | PFM_NUMBERING;
    if (m_nAlignment >= 0 && m_nAlignment < 3)
        m_pf.wAlignment = kAlignments[m_nAlignment];
    else
        m_pf.dwMask &= ~PFM_ALIGNMENT;
    if (m_nBullets == 0 || m_nBullets == 1)
        m_pf.wNumbering = m_nBullets ? PFN_BULLET : 0;
    else
        m_pf.dwMask &= ~PFM_NUMBERING;
    m_pf.dxRightIndent = m_nRight;
    m_pf.dxStartIndent = m_nLeft + m_nFirstLine;
    m_pf.dxOffset = -m_nFirstLine;
}

BOOL CAbsatzDlg::OnInitDialog()
{
    // Bullets may be mixed over the selection: the box needs its third state.
    ::SendDlgItemMessageA(m_hWnd, IDC_PARA_BULLETS, BM_SETSTYLE, BS_AUTO3STATE, FALSE);
    CQivDialog::OnInitDialog();
    AttachCommonButtons();
    return TRUE;
}

void CAbsatzDlg::DoDataExchange(CDataExchange* pDX)
{
    CQivDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_PARA_ALIGN_LEFT, m_nAlignment);
    DDX_Check(pDX, IDC_PARA_BULLETS, m_nBullets);
    DDX_Length(pDX, IDC_PARA_INDENT_LEFT, m_nLeft);
    DDX_Length(pDX, IDC_PARA_INDENT_RIGHT, m_nRight);
    DDX_Length(pDX, IDC_PARA_INDENT_FIRST, m_nFirstLine);
}

void CAbsatzDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    SaveToFormat();
    EndDialog(IDOK);
}

void CAbsatzDlg::OnDeltaPos(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 1;    // the edit box shows the length, not the spin position
    for (const auto& spin : kSpins) {
        if (spin.nSpin != nID)
            continue;
        int& nValue = this->*spin.pValue;
        try {
            CDataExchange read(this, TRUE);
            DDX_Length(&read, spin.nEdit, nValue);
        } catch (CException* e) {
            e->Delete();
            return;
        }
        nValue -= reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta * 57;
        CDataExchange write(this, FALSE);
        DDX_Length(&write, spin.nEdit, nValue);
    }
}
