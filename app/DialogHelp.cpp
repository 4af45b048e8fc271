#include "app/DialogHelp.h"

#include "app/SoundEvents.h"

#include "framework/ui/AfxRes.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/PropertyPage.h"
#include "framework/ui/PropertySheet.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/Wnd.h"

#include <algorithm>

namespace
{
// The resource whose ids OK, Cancel and Help share in every dialog.
const UINT kCommonButtonsDialog = 150;

bool IsCommonButton(UINT nIDControl)
{
    return nIDControl == IDOK || nIDControl == IDCANCEL || nIDControl == ID_HELP
        || nIDControl == IDHELP;
}
}

DWORD QivHelpId(UINT nIDDialog, UINT nIDControl)
{
    if (IsCommonButton(nIDControl))
    {
        nIDDialog = kCommonButtonsDialog;
        if (nIDControl == IDHELP)
            nIDControl = ID_HELP;
    }
    return CDialog::GetControlHelpId(nIDDialog, nIDControl);
}

BOOL QivShowContextHelp(const HELPINFO* pHelpInfo, UINT nIDDialog,
                        std::initializer_list<UINT> controls,
                        std::initializer_list<QivHelpAlias> aliases)
{
    if (!pHelpInfo || pHelpInfo->iContextType != HELPINFO_WINDOW)
        return FALSE;
    UINT nID = static_cast<UINT>(pHelpInfo->iCtrlId);
    for (const QivHelpAlias& alias : aliases)
        if (alias.nIDControl == nID)
            nID = alias.nIDHelpAs;
    if (!IsCommonButton(nID) && std::find(controls.begin(), controls.end(), nID) == controls.end())
        return FALSE;
    AfxGetApp()->WinHelp(QivHelpId(nIDDialog, nID), HELP_CONTEXTPOPUP);
    return TRUE;
}

void QivDragByCaption(CWnd* pWnd, CPoint ptClient)
{
    POINT pt = ptClient;
    pWnd->ClientToScreen(&pt);
    ::SendMessageA(::GetAncestor(pWnd->GetSafeHwnd(), GA_ROOT), WM_NCLBUTTONDOWN, HTCAPTION,
                   MAKELPARAM(pt.x, pt.y));
}

void QivPlayPageSwitchSound(CPropertyPage* pPage)
{
    CPropertySheet* pSheet = pPage->GetParentSheet();
    if (pSheet && pSheet->GetSafeHwnd() && ::IsWindowVisible(pSheet->GetSafeHwnd()))
        PlaySoundEvent("PlySelect");
}
