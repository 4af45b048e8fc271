// The toolbar's side of docking: the move cursor over the gripper, the
// double click that docks or floats it, and the drag of a floating
// toolbar's edges. Pressing elsewhere than on a control starts the drag
// (ToolBarWnd.cpp).
#include "toolkit/commandbars/ToolBar.h"

#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/DockContext.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/SystemInfo.h"

CRect CXTPToolBar::GetGripperRect()
{
    CRect rcClient(0, 0, 0, 0);
    if (!m_hWnd || !(m_dwStyle & xtpBarStyleGripper) || m_barPosition == xtpBarFloating)
        return rcClient;
    GetClientRect(&rcClient);
    const CRect rcBorder = GetBorders();
    if (IsVerticalPosition())
        rcClient.bottom = rcClient.top + rcBorder.top;
    else
        rcClient.right = rcClient.left + rcBorder.left;
    return rcClient;
}

BOOL CXTPToolBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_barPosition != xtpBarFloating && m_pDockContext && IsMovable() && nHitTest == HTCLIENT)
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        if (GetGripperRect().PtInRect(pt))
        {
            ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32646)));   // IDC_SIZEALL
            return TRUE;
        }
    }
    return CXTPCommandBar::OnSetCursor(pWnd, nHitTest, message);
}

void CXTPToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pControls->HitTest(point) || !m_pDockContext)
    {
        CXTPCommandBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    m_pDockContext->ToggleDocking();
}

void CXTPToolBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!m_pDockContext || nHitTest < HTLEFT || nHitTest > HTBOTTOMRIGHT)
    {
        CXTPCommandBar::OnNcLButtonDown(nHitTest, point);
        return;
    }
    SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->CloseAllPopups();
    m_pDockContext->StartResize(static_cast<int>(nHitTest), point);
}

LRESULT CXTPToolBar::OnFloatStatusCheck(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    const BOOL bSync = !pCommandBars || pCommandBars->GetCommandBarsOptions()->bSyncFloatingBars;
    if (m_barPosition == xtpBarFloating && m_bVisible && bSync && !IsTopLevelOwnerActive(m_hWnd))
        ShowWindow(SW_HIDE);
    return 0;
}
