// Popup bars run as modal menus: a context menu at a point that returns the
// chosen command or runs it, and the toolbar list shown on a right click of a
// bar. Both pump the thread's messages until the popup stops tracking; a
// WM_QUIT that arrives meanwhile ends the tracking and is posted again for
// the loop outside.
#include "toolkit/commandbars/CommandBars.h"

#include "framework/ui/WinThread.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/PopupBarPlacement.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

namespace {

// The message MFC's modal loops post to themselves to run idle work; a
// popup's loop has none.
const UINT kKickIdle = 0x036A;

// Pumps until the popup leaves tracking. FALSE when WM_QUIT arrived: the
// popup's tracking is ended and the quit is posted again.
BOOL PumpWhileTracking(CXTPPopupBar* pPopup)
{
    while (pPopup->GetTrackingMode())
    {
        MSG msg;
        const BOOL bResult = ::GetMessageA(&msg, nullptr, 0, 0);
        if (bResult == 0)
        {
            pPopup->SetTrackingMode(0);
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return FALSE;
        }
        if (bResult == -1)
            break;
        if (!pPopup->GetTrackingMode())
        {
            // Fetched after the popup closed: it belongs to the loop outside.
            ::PostMessageA(msg.hwnd, msg.message, msg.wParam, msg.lParam);
            break;
        }
        if (msg.message == kKickIdle)
            continue;
        if (!AfxPreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return TRUE;
}

// Right-to-left owners open their menus to the left of the point.
BOOL IsRightAlignedOwner(CWnd* pOwner)
{
    return pOwner && pOwner->GetSafeHwnd()
           && (pOwner->GetExStyle() & (WS_EX_LAYOUTRTL | WS_EX_RIGHT)) != 0;
}

} // namespace

UINT CXTPCommandBars::TrackCommandBarPopup(CXTPPopupBar* pPopup, UINT nFlags, int x, int y,
                                           CWnd* pWndOwner, LPCRECT lprcExclude)
{
    if (!pPopup)
        return 0;
    if (!pWndOwner && pPopup->GetCommandBars())
        pWndOwner = pPopup->GetCommandBars()->GetSite();
    if (IsRightAlignedOwner(pWndOwner))
        nFlags |= TPM_RIGHTALIGN;
    if (pWndOwner && !pPopup->GetSafeHwnd())
        pPopup->SetOwner(pWndOwner);

    const BOOL bReturnCmd = (nFlags & TPM_RETURNCMD) != 0;
    const BOOL bRecurse = (nFlags & TPM_RECURSE) != 0;
    pPopup->SetReturnCommand(bReturnCmd);
    pPopup->m_bExecOnRButton = (nFlags & TPM_RIGHTBUTTON) != 0;
    pPopup->SetPopupFlags((nFlags & TPM_RIGHTALIGN) ? xtpPopupLeft | xtpPopupDown : xtpPopupDown);

    CXTPMouseManager* pMouseManager = XTPMouseManager();
    if (bRecurse)
    {
        // A menu opened from inside another menu's command keeps the
        // locked (running) ones open and out of its way.
        pMouseManager->SendTrackLostRecurse();
        pMouseManager->LockTrackRecurse(TRUE);
    }
    else
    {
        pMouseManager->SendTrackLost();
        ::ReleaseCapture();
    }
    // The button-up of the click that opened the menu picks nothing.
    pMouseManager->SetSwallowButtonUp(TRUE);

    pPopup->InternalAddRef();
    UINT nResult = 0;
    if (pPopup->PopupAt(x, y, lprcExclude))
    {
        const BOOL bEnded = PumpWhileTracking(pPopup);
        if (bReturnCmd)
            nResult = bEnded ? static_cast<UINT>(pPopup->GetReturnedCommand()) : 0;
        else
            nResult = 1;
    }
    // Later openings of the same bar run their commands again.
    pPopup->SetReturnCommand(FALSE);
    pPopup->InternalRelease();

    if (bRecurse)
        pMouseManager->LockTrackRecurse(FALSE);
    return nResult;
}

CXTPPopupBar* CXTPCommandBars::CreateToolbarsContextMenu()
{
    CXTPPopupBar* pPopup = CXTPPopupBar::CreatePopupBar(this);
    // The toolbar-list placeholder expands into one entry per toolbar that
    // may be closed and wants to appear in the list.
    pPopup->GetControls()->Add(xtpControlButton, XTP_ID_TOOLBARS_LIST);
    return pPopup;
}

void CXTPCommandBars::ShowToolBarsContextMenu(CWnd* pClicked, CPoint ptScreen)
{
    if (IsCustomizeMode())
        return;
    CXTPPopupBar* pPopup = CreateToolbarsContextMenu();
    if (m_pSite && m_pSite->GetSafeHwnd())
        m_pSite->SendMessage(XTP_WM_TOOLBARCONTEXTMENU,
                             reinterpret_cast<WPARAM>(pClicked ? pClicked->GetSafeHwnd() : nullptr),
                             reinterpret_cast<LPARAM>(pPopup));
    if (pPopup->GetControlCount() > 0)
    {
        pPopup->SetPopupFlags(IsLayoutRTL() ? xtpPopupLeft : 0);
        CloseAllPopups();
        if (pPopup->PopupAt(ptScreen.x, ptScreen.y))
            PumpWhileTracking(pPopup);
    }
    pPopup->InternalRelease();
}

void CXTPCommandBars::SetCustomizeContextMenu(CXTPPopupBar* pPopup)
{
    if (pPopup)
        pPopup->InternalAddRef();
    if (m_pCustomizeContextMenu)
        m_pCustomizeContextMenu->InternalRelease();
    m_pCustomizeContextMenu = pPopup;
}

void CXTPCommandBars::ShowCustomizeContextMenu(CPoint ptScreen)
{
    if (!m_pCustomizeContextMenu)
        return;
    // Opened from inside the customize window's own modal loop.
    const UINT nFlags = TPM_RECURSE | (IsLayoutRTL() ? TPM_RIGHTALIGN : 0);
    TrackCommandBarPopup(m_pCustomizeContextMenu, nFlags, ptScreen.x, ptScreen.y, m_pSite);
}

CXTPMouseManager* CXTPCommandBars::GetMouseManager() const
{
    return XTPMouseManager();
}

CXTPToolBar* CXTPCommandBars::CreateToolBarFromSite(LPCSTR lpszTitle, UINT nBarID, BOOL bTearOff)
{
    CRuntimeClass* pClass = m_pToolBarClass ? m_pToolBarClass : RUNTIME_CLASS(CXTPToolBar);
    CObject* pObject = pClass->CreateObject();
    if (!pObject || !pObject->IsKindOf(RUNTIME_CLASS(CXTPToolBar)))
    {
        delete pObject;
        return nullptr;
    }
    CXTPToolBar* pToolBar = static_cast<CXTPToolBar*>(pObject);
    pToolBar->SetCommandBars(this);
    if (m_pSite && m_pSite->GetSafeHwnd())
    {
        DWORD_PTR request[7] = {reinterpret_cast<DWORD_PTR>(pToolBar), 0, 0, static_cast<DWORD_PTR>(bTearOff != FALSE),
                                0, reinterpret_cast<DWORD_PTR>(lpszTitle), nBarID};
        m_pSite->SendMessage(WM_XTP_CREATECOMMANDBAR, 0, reinterpret_cast<LPARAM>(request));
    }
    pToolBar->SetTitle(lpszTitle);
    if (!pToolBar->SetPosition(bTearOff ? xtpBarFloating : xtpBarTop))
    {
        pToolBar->InternalRelease();
        return nullptr;
    }
    m_arrBars.Add(pToolBar);
    pToolBar->SetBarID(nBarID);
    pToolBar->SetBuiltIn(FALSE);
    pToolBar->SetTearOffBar(bTearOff);
    if (!bTearOff)
        RecalcFrameLayout();
    AddBarToReBar(pToolBar);
    return pToolBar;
}
