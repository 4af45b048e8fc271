// Running a control's command, notifying the site, the modal press of a
// button, and the selection changes the bar passes on.
#include "toolkit/controls/Control.h"

#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/MenuSoundPlayer.h"
#include "toolkit/controls/TrackingLoop.h"

namespace {

// Ends the popups of a chain: the root leaves tracking when it tracks, else
// the command bars close every popup.
void ClosePopups(CXTPCommandBar* pRoot, CXTPCommandBars* pCommandBars)
{
    if (pRoot && pRoot->GetTrackingMode())
        pRoot->SetTrackingMode(0);
    else if (pCommandBars)
        pCommandBars->CloseAllPopups();
}

} // namespace

void CXTPControl::OnExecute()
{
    GetMenuSoundPlayer().Request(MenuSoundPlayer::soundCommand);

    CXTPCommandBar* pBar = m_pParent;
    m_nPressed = pBar && pBar->GetPosition() == xtpBarPopup ? 0 : 2;
    CXTPCommandBar* pRoot = pBar ? pBar->GetRootParent() : nullptr;
    CXTPCommandBars* pCommandBars = GetCommandBars();

    if (pRoot && pRoot->IsReturnCommand())
    {
        ClosePopups(pRoot, pCommandBars);
        pRoot->SetReturnedCommand(m_nId);
        return;
    }
    if (pCommandBars)
    {
        if (m_nId != 0)
            pCommandBars->SetCommandUsed(static_cast<UINT>(m_nId));
        if (pBar)
            if (CXTPControl* pOpener = pBar->GetControlPopup())
                pCommandBars->SetCommandUsed(static_cast<UINT>(pOpener->GetID()));
    }
    if (m_bCloseSubMenuOnClick)
        ClosePopups(pRoot, pCommandBars);
    if (m_nId == 0)
        return;

    // The command may destroy the bar: the control keeps itself alive and
    // touches the bar afterwards only while it still sits in it.
    InternalAddRef();
    HWND hWndBar = pBar ? pBar->GetSafeHwnd() : nullptr;
    CWnd* pSite = pBar ? pBar->GetSite() : nullptr;
    HWND hWndSite = pSite ? pSite->GetSafeHwnd() : nullptr;
    if (!NotifySite(CBN_XTP_EXECUTE) && hWndSite && ::IsWindow(hWndSite))
        ::SendMessageA(hWndSite, WM_COMMAND, static_cast<WPARAM>(m_nId), 0);

    BOOL bBarAlive = m_pParent == pBar && pBar && pBar->GetControl(m_nIndex) == this
                     && (!hWndBar || ::IsWindow(hWndBar));
    if (bBarAlive && (!m_bCloseSubMenuOnClick || m_nPressed))
    {
        m_nPressed = 0;
        pBar->OnIdleUpdateCmdUI(FALSE, 0);
        RedrawParent(FALSE);
    }
    InternalRelease();
}

LRESULT CXTPControl::NotifySite(UINT nCode)
{
    NMXTPCONTROL record = {};
    return NotifySiteEx(nCode, &record);
}

LRESULT CXTPControl::NotifySiteEx(UINT nCode, NMXTPCONTROL* pNotify)
{
    if (!m_pParent)
        return 0;
    CWnd* pSite = m_pParent->GetOwnerSite();
    if (!pSite || !pSite->GetSafeHwnd())
        return 0;
    pNotify->hdr.hwndFrom = nullptr;
    pNotify->hdr.idFrom = static_cast<UINT_PTR>(m_nId);
    pNotify->hdr.code = nCode;
    pNotify->pControl = this;
    LRESULT lResult = pSite->SendMessage(WM_XTP_COMMAND, static_cast<WPARAM>(m_nId),
                                         reinterpret_cast<LPARAM>(pNotify));
    if (lResult)
        return lResult;
    LRESULT lHandlerResult = 0;
    AFX_NOTIFY notify = {&lHandlerResult, &pNotify->hdr};
    if (pSite->OnCmdMsg(static_cast<UINT>(m_nId), MAKELONG(nCode, WM_NOTIFY), &notify, nullptr))
        return lHandlerResult;
    return 0;
}

void CXTPControl::TrackButtonPress(CRect rcActive)
{
    CXTPCommandBar* pBar = m_pParent;
    if (!pBar || !pBar->GetSafeHwnd())
        return;
    if (rcActive.IsRectEmpty())
        rcActive = m_rcControl;
    HWND hWndBar = pBar->GetSafeHwnd();

    pBar->SetSelected(m_nIndex);
    m_nPressed = 1;
    RedrawParent(FALSE);
    ::SetCapture(hWndBar);

    BOOL bClick = FALSE;
    BOOL bMoved = FALSE;
    CPoint ptLast(0, 0);
    RunTrackingLoop(hWndBar, [&](MSG& msg) -> XTPTrackAnswer {
        if (msg.message == WM_MOUSEMOVE)
        {
            ptLast = CPoint(static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam)));
            bMoved = TRUE;
            if (OnSetSelected(rcActive.PtInRect(ptLast) ? 1 : 0))
                RedrawParent(FALSE);
            return xtpTrackHandled;
        }
        if (msg.message == WM_LBUTTONUP)
        {
            bClick = GetSelected() && (!bMoved || rcActive.PtInRect(ptLast));
            return xtpTrackEnd;
        }
        return xtpTrackDispatch;
    });

    m_nPressed = bClick && pBar->GetPosition() != xtpBarPopup ? 2 : 0;
    if (::GetCapture() == hWndBar)
        ::ReleaseCapture();
    if (GetSelected())
    {
        pBar->SetSelected(-1);
        pBar->SetLastSelected(m_nIndex);
    }
    if (bClick)
    {
        InternalAddRef();
        OnExecute();
        m_nPressed = 0;
        RedrawParent(FALSE);
        InternalRelease();
    }
    else
    {
        RedrawParent(FALSE);
    }
}

BOOL CXTPControl::OnSetSelected(int nSelected)
{
    if (nSelected == m_nSelected)
        return FALSE;
    if ((nSelected == 2 || nSelected == 3) && m_pParent)
        m_pParent->OpenControlPopup(-1);
    m_nSelected = nSelected;
    if (m_pParent)
        m_pParent->OnControlSelected(nSelected, this);
    if (GetEnabled() || nSelected != 1)
        RedrawParent(nSelected == 0);
    return TRUE;
}

void CXTPControl::OnMouseHover()
{
    if (!m_pParent)
        return;
    BOOL bWasOpen = m_pParent->GetPopupIndex() != -1;
    m_pParent->OpenControlPopup(-1);
    if (bWasOpen && m_pParent->GetTrackingMode() == 2 && m_pParent->GetPosition() != xtpBarPopup)
        m_pParent->SetTrackingMode(0);
}

BOOL CXTPControl::OnLButtonDblClk(CPoint point)
{
    OnClick(FALSE, point);
    return TRUE;
}
