#include "app/QivDialog.h"

#include "model/ShellServices.h"

BEGIN_MESSAGE_MAP(CQivDialog, CDialog)
    ON_WM_HELPINFO()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_EXITSIZEMOVE, OnExitSizeMove)
END_MESSAGE_MAP()

CQivDialog::CQivDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd)
{
}

DWORD CQivDialog::MakeHelpContext(UINT nIDDialog, UINT nControl)
{
    return 0x80000000u | ((nIDDialog & 0x7FFFu) << 16) | (nControl & 0xFFFFu);
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
            WinHelp(dwContext, HELP_CONTEXTPOPUP);
            return TRUE;
        }
    }
    return CDialog::OnHelpInfo(pHelpInfo);
}

void CQivDialog::OnLButtonDown(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonDown(nFlags, point);
    SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

LRESULT CQivDialog::OnExitSizeMove(WPARAM, LPARAM)
{
    QivPlaySound("ToolbarDrop");
    return Default();
}

void QivPlaySound(LPCSTR lpszEvent)
{
    QivGetShellServices().PlaySoundEvent(lpszEvent);
}
