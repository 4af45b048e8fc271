// The toolbar's window: made docked (a child of the frame, laid out by the
// frame's WM_SIZEPARENT) or floating (a popup the frame owns), never
// activated by a click, hidden and shown with its frame.
#include "toolkit/commandbars/ToolBar.h"

#include "framework/ui/ControlBar.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MiniFrameWnd.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/DockContext.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/SystemInfo.h"

#include <algorithm>

namespace {

const DWORD kDockedStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | MFS_SYNCACTIVE;
const DWORD kFloatingStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | MFS_SYNCACTIVE;

} // namespace

BEGIN_MESSAGE_MAP(CXTPToolBar, CXTPCommandBar)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_NCHITTEST()
    ON_WM_MOUSEACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_CLOSE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_WM_RBUTTONDOWN()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
    ON_MESSAGE(XTP_WM_DEFERREDREMOVE, OnDeferredRemove)
    ON_MESSAGE(XTP_WM_FLOATSTATUSCHECK, OnFloatStatusCheck)
END_MESSAGE_MAP()

BOOL CXTPToolBar::CreateToolBarWindow(CWnd* pParent, BOOL bFloating)
{
    if (!m_hWnd)
    {
        CXTPCommandBars* pCommandBars = GetCommandBars();
        const DWORD dwExStyle = pCommandBars && pCommandBars->IsLayoutRTL() ? WS_EX_LAYOUTRTL : 0;
        if (!CreateBarWindow("XTPToolBar", CS_DBLCLKS, dwExStyle,
                             bFloating ? kFloatingStyle : kDockedStyle, CRect(100, 100, 100, 100),
                             pParent, bFloating ? 0 : AFX_IDW_TOOLBAR + (m_nBarID & 0xFF)))
            return FALSE;
    }
    else if (bFloating)
    {
        ModifyStyle(WS_CHILD, WS_POPUP | MFS_SYNCACTIVE);
        ::SetParent(m_hWnd, nullptr);
        if (pParent)
            ::SetWindowLongPtrA(m_hWnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(pParent->m_hWnd));
    }
    else
    {
        ModifyStyle(WS_POPUP, WS_CHILD);
        if (pParent)
            ::SetParent(m_hWnd, pParent->m_hWnd);
    }
    return TRUE;
}

LRESULT CXTPToolBar::OnSizeParent(WPARAM /*wParam*/, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    DWORD dwMode = LM_HORZ | LM_HORZDOCK | LM_COMMIT;
    if (m_dwFlags & xtpFlagStretched)
        dwMode |= LM_STRETCH;
    if (m_dwFlags & xtpFlagHideWrap)
        dwMode |= 0x80;
    if (!pLayout->hDWP)
        dwMode &= ~LM_COMMIT;
    CRect rcAvail(pLayout->rect);
    CSize size = CalcDockingLayout(rcAvail.Width(), dwMode);
    size.cx = std::min(static_cast<int>(size.cx), rcAvail.Width());
    size.cy = std::min(static_cast<int>(size.cy), std::max(0, rcAvail.Height()));
    pLayout->sizeTotal.cx = std::max(pLayout->sizeTotal.cx, size.cx);
    pLayout->sizeTotal.cy += size.cy;
    pLayout->rect.top += size.cy;
    if (pLayout->hDWP)
        pLayout->hDWP = ::DeferWindowPos(pLayout->hDWP, m_hWnd, nullptr, rcAvail.left, rcAvail.top,
                                         size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    Redraw();
    return 0;
}

LRESULT CXTPToolBar::OnNcHitTest(CPoint point)
{
    if (m_barPosition == xtpBarFloating)
    {
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        if (rcWindow.PtInRect(point))
        {
            if (point.y < rcWindow.top + 3)
                return HTTOP;
            if (point.y >= rcWindow.bottom - 3)
                return HTBOTTOM;
            if (point.x < rcWindow.left + 3)
                return HTLEFT;
            if (point.x >= rcWindow.right - 3)
                return HTRIGHT;
        }
    }
    return CXTPCommandBar::OnNcHitTest(point);
}

int CXTPToolBar::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    if (m_barPosition == xtpBarFloating || IsCustomizeMode())
        return MA_NOACTIVATE;
    HWND hFocus = ::GetFocus();
    CWnd* pFocus = hFocus ? CWnd::FromHandlePermanent(hFocus) : nullptr;
    CFrameWnd* pFocusFrame = pFocus ? pFocus->GetParentFrame() : nullptr;
    if (pFocusFrame && pFocusFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
        return MA_NOACTIVATE;
    return CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
}

BOOL CXTPToolBar::OnNcActivate(BOOL bActive)
{
    if (bActive)
        return FALSE;
    return static_cast<BOOL>(Default());
}

// A floating toolbar is never activated, whoever moves or shows it: the
// system activates a window that becomes top-level (SetParent) or is raised
// without SWP_NOACTIVATE, and the frame would then lose the activation to
// its own toolbar.
void CXTPToolBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    CXTPCommandBar::OnWindowPosChanging(lpWndPos);
    if (!(GetStyle() & WS_CHILD))
        lpWndPos->flags |= SWP_NOACTIVATE;
}

void CXTPToolBar::OnClose()
{
}

void CXTPToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_barPosition == xtpBarFloating)
        SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (m_pControls->HitTest(point))
    {
        CXTPCommandBar::OnLButtonDown(nFlags, point);
        return;
    }
    if (CXTPCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->CloseAllPopups();
    if (m_pDockContext && IsMovable())
    {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        m_pDockContext->StartDrag(ptScreen);
    }
}

void CXTPToolBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars || IsCustomizeMode())
    {
        CXTPCommandBar::OnRButtonDown(nFlags, point);
        return;
    }
    SetTrackingMode(0);
    SetSelected(-1);
    Redraw();
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    pCommandBars->ShowToolBarsContextMenu(this, ptScreen);
}

LRESULT CXTPToolBar::OnFloatStatus(WPARAM wParam, LPARAM /*lParam*/)
{
    if (wParam & FS_SYNCACTIVE)
        return (GetStyle() & MFS_SYNCACTIVE) != 0;
    CXTPCommandBars* pCommandBars = GetCommandBars();
    const BOOL bSync = !pCommandBars || pCommandBars->GetCommandBarsOptions()->bSyncFloatingBars;
    if (m_barPosition != xtpBarFloating || !m_bVisible || !bSync)
        return 0;
    if (wParam & (FS_HIDE | FS_DEACTIVATE))
    {
        if ((wParam & FS_HIDE) || !IsTopLevelOwnerActive(m_hWnd))
            ShowWindow(SW_HIDE);
        else
            PostMessage(XTP_WM_FLOATSTATUSCHECK);
    }
    else if (wParam & (FS_SHOW | FS_ACTIVATE))
    {
        // Shown again, or kept above its frame that has just come to the
        // front, as a window its frame owns stays; never activated.
        if (IsWindowVisible())
            SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        else
            ShowWindow(SW_SHOWNA);
    }
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    return 0;
}

LRESULT CXTPToolBar::OnDeferredRemove(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    // Nothing of this object may be touched after Remove: it is gone.
    if (!m_bVisible && m_bTemporary)
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->Remove(this);
    return 0;
}
