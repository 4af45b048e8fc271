// The tear-off drag of a popup with a tear-off gripper: while the button is
// held, dragging out of the popup shows the menu as a floating toolbar that
// follows the pointer, and dragging back in shows the popup again. The loop
// ends on button-up, Esc, WM_QUIT and capture loss; a toolbar still out
// then stays, and the menus close.
#include "toolkit/commandbars/PopupBar.h"

#include "framework/ui/ControlBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/controls/TrackingLoop.h"

namespace {

// The popup's window rectangle grown by this much still counts as inside.
const int kInsideMargin = 10;

} // namespace

void CXTPPopupBar::TrackTearOff()
{
    if (::GetCapture() || !m_hWnd)
        return;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    rcWindow.InflateRect(kInsideMargin, kInsideMargin);
    const HWND hWnd = m_hWnd;
    ::SetCapture(hWnd);
    BOOL bInside = TRUE;
    CPoint ptLast(-1, -1);
    RunTrackingLoop(hWnd, [&](MSG& msg) {
        // The popup may be closed from a dispatched message.
        if (!::IsWindow(hWnd))
            return xtpTrackEnd;
        switch (msg.message)
        {
        case WM_LBUTTONUP:
            return xtpTrackEnd;
        case WM_KEYDOWN:
            return msg.wParam == VK_ESCAPE ? xtpTrackEnd : xtpTrackHandled;
        case WM_KEYUP:
        case WM_CHAR:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            return xtpTrackHandled;
        case WM_MOUSEMOVE:
        {
            CPoint pt;
            ::GetCursorPos(&pt);
            if (pt == ptLast)
                return xtpTrackHandled;
            ptLast = pt;
            const BOOL bNowInside = rcWindow.PtInRect(pt);
            if (bNowInside != bInside)
            {
                bInside = bNowInside;
                ShowTearOff(bInside, pt);
            }
            MoveTearOff(pt);
            return xtpTrackHandled;
        }
        default:
            return xtpTrackDispatch;
        }
    });
    if (::IsWindow(hWnd) && ::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (!::IsWindow(hWnd) || !m_pTearOffBar)
        return;
    // The toolbar now lives on its own.
    m_pTearOffBar = nullptr;
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->CloseAllPopups();
}

void CXTPPopupBar::ShowTearOff(BOOL bInside, CPoint ptScreen)
{
    if (m_hWnd)
        ShowWindow(bInside ? SW_SHOWNA : SW_HIDE);
    if (bInside)
    {
        // The toolbar stays in the list, hidden, for the next tear-off.
        if (CXTPToolBar* pToolBar = m_pTearOffBar)
        {
            m_pTearOffBar = nullptr;
            pToolBar->SetVisible(FALSE);
        }
        return;
    }
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (m_pTearOffBar || !pCommandBars)
        return;
    CXTPToolBar* pToolBar = pCommandBars->GetToolBar(m_nTearOffID);
    if (pToolBar)
    {
        pToolBar->SetPosition(xtpBarFloating);
        pToolBar->SetVisible(TRUE);
        pCommandBars->RecalcFrameLayout();
    }
    else
    {
        pToolBar = pCommandBars->CreateToolBarFromSite(m_strTearOffCaption, m_nTearOffID, TRUE);
        if (!pToolBar)
            return;
        pToolBar->SetMRUWidth(m_nTearOffWidth);
        CXTPControls* pControls = pToolBar->GetControls();
        for (int i = 0; i < GetControlCount(); ++i)
        {
            CXTPControl* pControl = GetControl(i);
            if (dynamic_cast<CControlExpandButton*>(pControl))
                continue;
            CXTPControl* pCopy = pControls->AddCopy(pControl);
            pCopy->SetHideFlags(pCopy->GetHideFlags() & ~(xtpHideScroll | xtpHideExpand));
        }
    }
    m_pTearOffBar = pToolBar;
    m_szTearOffBar = pToolBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
    MoveTearOff(ptScreen);
    pToolBar->OnIdleUpdateCmdUI(TRUE, 0);
    if (pToolBar->GetSafeHwnd())
        pToolBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

void CXTPPopupBar::MoveTearOff(CPoint ptScreen)
{
    // The pointer holds the toolbar at the middle of its top edge.
    if (m_pTearOffBar && m_pTearOffBar->GetSafeHwnd())
        m_pTearOffBar->SetWindowPos(nullptr, ptScreen.x - m_szTearOffBar.cx / 2, ptScreen.y - 10,
                                    m_szTearOffBar.cx, m_szTearOffBar.cy,
                                    SWP_NOZORDER | SWP_NOACTIVATE);
}
