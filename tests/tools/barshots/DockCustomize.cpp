#include "DockCustomize.h"
#include "BarshotsRes.h"

#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

CDockCustomizeDlg* CDockCustomizeDlg::Open(CWnd* pFrame, CXTPCommandBars* pCommandBars)
{
    if (HWND hOpen = pCommandBars->GetCustomizeWindow())
    {
        ::SetActiveWindow(hOpen);
        return nullptr;
    }
    auto* pDlg = new CDockCustomizeDlg;   // deletes itself when its window goes
    pDlg->m_pCommandBars = pCommandBars;
    if (!pDlg->Create(IDD_DOCK_CUSTOMIZE, pFrame))
    {
        delete pDlg;
        return nullptr;
    }
    return pDlg;
}

BOOL CDockCustomizeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pCommandBars->SetCustomizeWindow(m_hWnd);
    m_pCommandBars->SetCustomizeMode(TRUE);
    CXTPPopupBar* pMenu = CXTPPopupBar::CreatePopupBar(m_pCommandBars);
    CXTPControls* pItems = pMenu->GetControls();
    pItems->Add(xtpControlButton, ID_DOCK_CUSTOMIZE_DELETE)->SetCaption("&Löschen");
    pItems->Add(xtpControlButton, ID_DOCK_CUSTOMIZE_BEGINGROUP)->SetCaption("&Gruppierung beginnen");
    m_pCommandBars->SetCustomizeContextMenu(pMenu);
    pMenu->InternalRelease();

    // Beside the frame at its top, where no bar lies under it (and where a
    // person sees it on a display without a window manager, which keeps
    // the frame above its owned windows).
    CRect rcFrame;
    GetParent()->GetWindowRect(&rcFrame);
    SetWindowPos(nullptr, rcFrame.right + 10, rcFrame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(SW_SHOW);
    return TRUE;
}

void CDockCustomizeDlg::OnCancel()
{
    m_pCommandBars->SetCustomizeMode(FALSE);
    m_pCommandBars->SetCustomizeContextMenu(nullptr);
    m_pCommandBars->SetCustomizeWindow(nullptr);
    DestroyWindow();
}

void CDockCustomizeDlg::PostNcDestroy()
{
    delete this;
}

BOOL CDockCustomizeDlg::RunCommand(CXTPCommandBars* pCommandBars, UINT nId)
{
    if (nId != ID_DOCK_CUSTOMIZE_DELETE && nId != ID_DOCK_CUSTOMIZE_BEGINGROUP)
        return FALSE;
    CXTPControl* pControl = pCommandBars->GetDragControl();
    CXTPCommandBar* pBar = pControl ? pControl->GetParent() : nullptr;
    if (!pBar)
        return TRUE;
    if (nId == ID_DOCK_CUSTOMIZE_DELETE)
    {
        pCommandBars->SetDragControl(nullptr);
        pBar->GetControls()->Remove(pControl);
    }
    else
    {
        pControl->SetBeginGroup(!pControl->GetBeginGroup());
    }
    pBar->OnRecalcLayout();
    pCommandBars->RecalcFrameLayout();
    return TRUE;
}
