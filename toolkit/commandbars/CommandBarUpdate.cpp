// What a bar learns from and tells its frame: the idle update of its
// controls through the frame's ON_UPDATE_COMMAND_UI handlers, the status
// text of the selected control, and the conversion of a menu into controls.
#include "toolkit/commandbars/CommandBar.h"

#include "framework/ui/CmdUI.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/Menu.h"
#include "framework/ui/MessageMap.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/Controls.h"

namespace {

// The command-UI object of one control: Enable, SetCheck and SetText go to
// the control (an enabled control with an action follows the action).
class CCommandBarCmdUI : public CCmdUI
{
public:
    explicit CCommandBarCmdUI(CXTPControl* pControl) : m_pControl(pControl)
    {
        m_nID = static_cast<UINT>(pControl->GetID());
        m_nIndex = static_cast<UINT>(pControl->GetIndex());
    }

    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        if (m_pControl->GetAction())
            m_pControl->SetEnabled(bOn ? -1 : 0);
        else
            m_pControl->SetEnabled(bOn);
        // A disabled command shows no check unless the handler set one.
        if (!bOn && !m_bCheckChanged && m_pControl->GetChecked())
        {
            m_pControl->SetChecked(FALSE);
            m_pControl->RedrawParent(FALSE);
        }
    }

    void SetCheck(int nCheck) override
    {
        m_bCheckChanged = TRUE;
        if (m_pControl->GetCheckedValue() != nCheck)
        {
            m_pControl->SetChecked(nCheck);
            m_pControl->RedrawParent(FALSE);
        }
    }

    void SetText(LPCSTR lpszText) override { m_pControl->SetCaption(lpszText); }

private:
    CXTPControl* m_pControl;
    BOOL m_bCheckChanged = FALSE;
};

// Hide bits that leave a control in the idle update.
const DWORD kUpdatedHideFlags = xtpHideGeneric | xtpHideScroll | xtpHideExpand;

// Applies the document-template sets to the control; TRUE when its hide
// flag changed.
BOOL UpdateDocTemplateFlag(CXTPControl* pControl, UINT nTemplate)
{
    BOOL bValue;
    BOOL bHide = FALSE;
    CXTPControl::CDocTemplateMap& mapAssigned = pControl->GetAssignedDocTemplates();
    CXTPControl::CDocTemplateMap& mapExcluded = pControl->GetExcludedDocTemplates();
    if (!mapAssigned.IsEmpty() && !mapAssigned.Lookup(nTemplate, bValue))
        bHide = TRUE;
    else if (!mapExcluded.IsEmpty() && mapExcluded.Lookup(nTemplate, bValue))
        bHide = TRUE;
    const DWORD dwOld = pControl->GetHideFlags();
    const DWORD dwNew = bHide ? dwOld | xtpHideDocTemplate : dwOld & ~xtpHideDocTemplate;
    if (dwNew == dwOld)
        return FALSE;
    pControl->SetHideFlags(dwNew);
    return TRUE;
}

} // namespace

void CXTPCommandBar::OnIdleUpdateCmdUI(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (!m_hWnd || !IsWindowVisible())
        return;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (UINT nTemplate = pCommandBars ? pCommandBars->GetActiveMenuId() : 0)
    {
        for (int i = 0; i < GetControlCount(); ++i)
            if (CXTPControl* pControl = GetControl(i))
                if (pControl->GetParent() == this && UpdateDocTemplateFlag(pControl, nTemplate))
                    m_dwDirty |= xtpDirtyLayout;
    }

    CWnd* pTarget = GetOwnerSite();
    const BOOL bDisableIfNoHandler =
        pCommandBars ? pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler : TRUE;
    const BOOL bNoUpdate = GetRootParent()->m_bNoUpdate;
    const BOOL bCustomize = IsCustomizeMode();
    // Handlers may add or remove controls: the count is read each time and
    // the control held while its update runs.
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CXTPControl* pControl = GetControl(i);
        if (!pControl || (pControl->GetAction() && !pControl->GetAction()->IsVisible())
            || (pControl->GetHideFlags() & ~kUpdatedHideFlags))
            continue;
        if (bNoUpdate || (pControl->GetFlags() & xtpFlagManualUpdate) || !pTarget)
            continue;
        pControl->InternalAddRef();
        CCommandBarCmdUI state(pControl);
        state.m_pOther = this;
        BOOL bHandled = pTarget->OnCmdMsg(0, MAKELONG(0xFFFF, 0xBD11), &state, nullptr)
                        || pTarget->OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!bHandled)
        {
            if (!bCustomize)
                state.DoUpdate(pTarget, bDisableIfNoHandler);
            else if (pControl->GetEnabledValue() != -1)
                pControl->SetEnabled(TRUE);
        }
        pControl->InternalRelease();
    }

    if (m_dwDirty & xtpDirtyRedraw)
        Redraw();
    if (m_dwDirty & xtpDirtyLayout)
    {
        OnRecalcLayout();
        m_dwDirty &= ~xtpDirtyLayout;
    }
}

void CXTPCommandBar::UpdateStatusText(int nSelected, CXTPControl* pControl)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;
    int nHelpId = 0;
    if (nSelected && pControl)
    {
        nHelpId = pControl->GetID();
        if (pControl->GetHelpId() > 0)
            nHelpId = pControl->GetHelpId();
        else if (CXTPControlAction* pAction = pControl->GetAction())
            nHelpId = pAction->GetHelpId() > 0 ? pAction->GetHelpId() : pAction->GetID();
    }
    pCommandBars->SetHelpId(nHelpId);

    const int nIndex = pControl ? pControl->GetIndex() : -1;
    if (nIndex == m_nLastStatusIndex || !pCommandBars->GetCommandBarsOptions()->bShowStatusDescriptions)
        return;
    m_nLastStatusIndex = -1;
    CWnd* pSite = GetSite();
    if (!pSite || !pSite->GetSafeHwnd())
        return;
    CString strText = nSelected && pControl ? pControl->GetDescription() : CString();
    if (strText.IsEmpty())
        pSite->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
    else
        pSite->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strText)));
}

BOOL CXTPCommandBar::LoadMenu(CMenu* pMenu, BOOL bRemoveControls)
{
    if (!pMenu || !::IsMenu(pMenu->GetSafeHmenu()))
        return FALSE;
    if (bRemoveControls)
        m_pControls->RemoveAll();
    HMENU hMenu = pMenu->GetSafeHmenu();
    BOOL bSeparator = FALSE;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i)
    {
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(hMenu, static_cast<UINT>(i), TRUE, &mii))
            continue;
        if ((mii.fType & MFT_SEPARATOR) || (mii.wID == 0 && !mii.hSubMenu))
        {
            bSeparator = TRUE;
            continue;
        }
        CXTPControl* pControl = m_pControls->AddMenuItem(pMenu, i);
        if (!pControl)
            continue;
        if (mii.fType & (MFT_MENUBARBREAK | MFT_MENUBREAK))
        {
            pControl->SetFlags(pControl->GetFlags() | xtpFlagWrapRow);
            if (mii.fType & MFT_MENUBARBREAK)
                pControl->SetBeginGroup(TRUE);
        }
        if (bSeparator)
            pControl->SetBeginGroup(TRUE);
        bSeparator = FALSE;
        if (!pControl->GetAction())
        {
            if (mii.fState & MFS_CHECKED)
                pControl->SetChecked(1);
            if (mii.fState & (MFS_GRAYED | MFS_DISABLED))
                pControl->SetEnabled(FALSE);
        }
    }
    if (CFrameWnd* pFrame = m_hWnd ? GetParentFrame() : nullptr)
        pFrame->m_nIdleFlags |= CFrameWnd::idleNotify | CFrameWnd::idleLayout;
    return TRUE;
}
