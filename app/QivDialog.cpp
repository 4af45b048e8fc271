#include "app/QivDialog.h"

#include "app/DialogHelp.h"
#include "app/SoundEvents.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinApp.h"

BEGIN_MESSAGE_MAP(CQivDialog, CDialog)
    ON_WM_HELPINFO()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_EXITSIZEMOVE, OnExitSizeMove)
END_MESSAGE_MAP()

CQivDialog::CQivDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd)
{
}

void CQivDialog::AttachCommonButtons(int nCancelImageWidth)
{
    m_btnOk.Attach(this, IDOK, IDB_BUTTON_OK);
    m_btnCancel.Attach(this, IDCANCEL, IDB_BUTTON_CANCEL, nCancelImageWidth);
    m_btnHelp.Attach(this, ID_HELP, IDB_BUTTON_HELP);
}

DWORD CQivDialog::GetHelpContext(UINT nControl) const
{
    for (size_t i = 0; i < m_nHelpIds; ++i) {
        if (m_pHelpIds[i].nControl == nControl)
            return m_pHelpIds[i].dwContext;
    }
    return 0;
}

BOOL CQivDialog::OnHelpInfo(HELPINFO* pHelpInfo)
{
    if (pHelpInfo->iContextType == HELPINFO_WINDOW) {
        if (DWORD dwContext = GetHelpContext(static_cast<UINT>(pHelpInfo->iCtrlId))) {
            AfxGetApp()->WinHelp(dwContext, HELP_CONTEXTPOPUP);
            return TRUE;
        }
    }
    return CDialog::OnHelpInfo(pHelpInfo);
}

void CQivDialog::OnLButtonDown(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonDown(nFlags, point);
    QivDragByCaption(this, point);
}

LRESULT CQivDialog::OnExitSizeMove(WPARAM, LPARAM)
{
    PlaySoundEvent("ToolbarDrop");
    return Default();
}
