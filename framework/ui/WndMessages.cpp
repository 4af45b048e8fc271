// Message dispatch of CWnd: the message map walk, command and notification
// routing, and reflection of control notifications to the control's own
// CWnd before its parent acts.
#include "framework/ui/Wnd.h"

#include "framework/ui/CmdUI.h"
#include "framework/ui/Menu.h"
#include "framework/ui/ThreadState.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {

// Asks the update handlers whether a command from a menu or an accelerator
// is enabled before it runs.
class CTestCmdUI : public CCmdUI
{
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCSTR) override {}
};

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The control a notification message of a parent comes from (null: none,
// or it is for a menu).
HWND ReflectionSource(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_DRAWITEM:
    {
        auto* lpDIS = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        return lpDIS->CtlType == ODT_MENU ? nullptr : lpDIS->hwndItem;
    }
    case WM_MEASUREITEM:
    {
        auto* lpMIS = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        if (lpMIS->CtlType == ODT_MENU)
            return nullptr;
        return ::GetDlgItem(hWndParent, static_cast<int>(lpMIS->CtlID));
    }
    case WM_COMPAREITEM:
        return reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)->hwndItem;
    case WM_DELETEITEM:
        return reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)->hwndItem;
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    default:
        if (IsCtlColorMessage(message))
            return reinterpret_cast<HWND>(lParam);
        (void)wParam;
        return nullptr;
    }
}

} // namespace

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

// Once a handler ran, nothing here touches the object again: the handler
// may have destroyed the window and deleted the CWnd.
BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR == nullptr || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }

    if (HWND hWndChild = ReflectionSource(m_hWnd, message, wParam, lParam))
    {
        if (hWndChild != m_hWnd && ReflectMsgToChild(hWndChild, message, wParam, lParam, &lResult))
        {
            *pResult = lResult;
            return TRUE;
        }
    }
    // Owner-drawn menu items go to their CMenu.
    if (message == WM_DRAWITEM && wParam == 0
        && CMenu::DispatchDrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)))
    {
        *pResult = TRUE;
        return TRUE;
    }
    if (message == WM_MEASUREITEM && wParam == 0
        && CMenu::DispatchMeasureItem(m_hWnd, reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)))
    {
        *pResult = TRUE;
        return TRUE;
    }

    const AFX_MSGMAP* pMap = GetMessageMap();
    if (IsCtlColorMessage(message))
    {
        // Every WM_CTLCOLORxxx goes to the one WM_CTLCOLOR entry.
        const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(pMap, WM_CTLCOLOR);
        if (pEntry == nullptr)
            return FALSE;
        AFX_CTLCOLOR ctl = { reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam),
                             message - WM_CTLCOLORMSGBOX };
        *pResult = pEntry->pfn(this, 0, reinterpret_cast<LPARAM>(&ctl));
        return TRUE;
    }

    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(pMap, message);
    if (pEntry == nullptr)
        return FALSE;
    *pResult = pEntry->pfn(this, wParam, lParam);
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG* pMsg = GetCurrentMessage();
    return DefWindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

MSG* CWnd::GetCurrentMessage()
{
    return &AfxGetThreadState()->m_lastSentMsg;
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_nFlags & WF_TOOLTIPS)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        if (CWnd* pWnd = FromHandlePermanent(hWnd))
        {
            if (pWnd->PreTranslateMessage(pMsg))
                return TRUE;
        }
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    UINT nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr)
    {
        // A menu item or an accelerator: a disabled command does not run.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    }
    else
    {
        if (ReflectMsgToChild(hWndCtrl, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    HWND hWndCtrl = pNMHDR->hwndFrom;
    if (hWndCtrl != nullptr && ReflectMsgToChild(hWndCtrl, WM_NOTIFY, 0, lParam, pResult))
        return TRUE;
    // Routed by the control's id (tooltips name their tool, not themselves,
    // in idFrom).
    UINT nID = hWndCtrl != nullptr ? static_cast<UINT>(::GetDlgCtrlID(hWndCtrl))
                                   : static_cast<UINT>(pNMHDR->idFrom);
    AFX_NOTIFY notify = { pResult, pNMHDR };
    return OnCmdMsg(nID, MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lDummy = 0;
    if (pResult == nullptr)
        pResult = &lDummy;
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
        return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND:
        if (!OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr))
            return FALSE;
        *pResult = 1;
        return TRUE;
    case WM_NOTIFY:
    {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify = { pResult, pNMHDR };
        return OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    default:
        if (IsCtlColorMessage(message))
        {
            // A null brush from the control lets the parent choose.
            AFX_CTLCOLOR ctl = { reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam),
                                 message - WM_CTLCOLORMSGBOX };
            LRESULT lBrush = 0;
            if (!OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl), &lBrush)
                || lBrush == 0)
                return FALSE;
            *pResult = lBrush;
            return TRUE;
        }
        return FALSE;
    }
}

BOOL CWnd::ReflectMsgToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT* pResult)
{
    CWnd* pChild = FromHandlePermanent(hWndChild);
    return pChild != nullptr && pChild->OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    const MSG* pMsg = GetCurrentMessage();
    return ReflectMsgToChild(hWndChild, pMsg->message, pMsg->wParam, pMsg->lParam, pResult);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm) const
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

// bOnlyPerm: only windows with a permanent CWnd, called directly (no
// message goes through the system, so other threads' windows are skipped).
void CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    BOOL bDeep, BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (!bOnlyPerm)
            ::SendMessageA(hWndChild, message, wParam, lParam);
        else if (CWnd* pWnd = FromHandlePermanent(hWndChild))
            AfxCallWndProc(pWnd, hWndChild, message, wParam, lParam);
        if (bDeep && ::GetTopWindow(hWndChild) != nullptr)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}
