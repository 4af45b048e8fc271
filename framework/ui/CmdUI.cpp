// The base command-UI item: a menu item addressed by its position, or a
// child window (button-like controls take checks, any window text).
#include "framework/ui/CmdUI.h"

#include "framework/ui/CmdTarget.h"
#include "framework/ui/Menu.h"
#include "framework/ui/Wnd.h"

CCmdUI::CCmdUI() = default;

namespace {

// A menu item this CCmdUI may change: not the item that opens a popup
// (its popup's own items carry the state).
HMENU ItemMenu(const CCmdUI& cmdUI)
{
    if (cmdUI.m_pMenu == nullptr || cmdUI.m_pSubMenu != nullptr)
        return nullptr;
    return cmdUI.m_pMenu->GetSafeHmenu();
}

} // namespace

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != nullptr)
    {
        if (HMENU hMenu = ItemMenu(*this))
            ::EnableMenuItem(hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
    }
    else if (m_pOther != nullptr && m_pOther->m_hWnd != nullptr)
    {
        // A control that loses its enabled state hands the focus on first.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
            ::SendMessageA(::GetParent(m_pOther->m_hWnd), WM_NEXTDLGCTL, 0, FALSE);
        ::EnableWindow(m_pOther->m_hWnd, bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != nullptr)
    {
        if (HMENU hMenu = ItemMenu(*this))
            ::CheckMenuItem(hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    else if (m_pOther != nullptr && m_pOther->m_hWnd != nullptr)
    {
        if (::SendMessageA(m_pOther->m_hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
            ::SendMessageA(m_pOther->m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
    }
}

void CCmdUI::SetRadio(BOOL bOn)
{
    HMENU hMenu = ItemMenu(*this);
    if (hMenu != nullptr && bOn)
        ::CheckMenuRadioItem(hMenu, m_nIndex, m_nIndex, m_nIndex, MF_BYPOSITION);
    else
        SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCSTR lpszText)
{
    if (m_pMenu != nullptr)
    {
        if (HMENU hMenu = ItemMenu(*this))
        {
            // Only the text changes: state, id and type stay.
            MENUITEMINFOA mii = {};
            mii.cbSize = sizeof(mii);
            mii.fMask = MIIM_STRING;
            mii.dwTypeData = const_cast<LPSTR>(lpszText);
            ::SetMenuItemInfoA(hMenu, m_nIndex, TRUE, &mii);
        }
    }
    else if (m_pOther != nullptr && m_pOther->m_hWnd != nullptr)
    {
        // Unchanged text is not set again, so the control does not flicker.
        CString strOld;
        m_pOther->GetWindowText(strOld);
        if (strOld.Compare(lpszText) != 0)
            ::SetWindowTextA(m_pOther->m_hWnd, lpszText);
    }
}

void CCmdUI::ContinueRouting()
{
    m_bContinueRouting = TRUE;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    // Separators and placeholders carry no command.
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
        return TRUE;

    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged)
    {
        AFX_CMDHANDLERINFO info = { nullptr, nullptr };
        BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);
    }
    return bResult;
}
