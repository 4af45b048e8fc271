// The command bars' four dock bars along the site's edges, the question
// which of them takes a bar dragged to a point, and moving toolbars between
// the dock bars and the floating state.
#include "toolkit/commandbars/CommandBars.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/ToolBar.h"

namespace {

// A point this close to a dock bar's window (and no closer to its edge)
// docks there.
const int kDockReach = 20;

const DWORD kDockBarStyles[4] = {XTP_DOCKBAR_STYLE_TOP, XTP_DOCKBAR_STYLE_BOTTOM,
                                 XTP_DOCKBAR_STYLE_LEFT, XTP_DOCKBAR_STYLE_RIGHT};
// Child, visible, clipping siblings and children.
const DWORD kDockBarWindowStyle = 0x56000000;

BOOL IsWithinReach(CXTPDockBar* pDockBar, CPoint ptScreen)
{
    if (!pDockBar || !pDockBar->GetSafeHwnd())
        return FALSE;
    CRect rc;
    pDockBar->GetWindowRect(&rc);
    return rc.left - kDockReach < ptScreen.x && ptScreen.x < rc.right + kDockReach
        && rc.top - kDockReach < ptScreen.y && ptScreen.y < rc.bottom + kDockReach;
}

} // namespace

void CXTPCommandBars::CreateDockBars()
{
    for (int i = 0; i < 4; ++i)
    {
        if (m_pDocks[i])
            continue;
        CXTPDockBar* pDockBar = new CXTPDockBar;
        pDockBar->SetCommandBars(this);
        if (!m_pSite
            || !pDockBar->Create(m_pSite, kDockBarWindowStyle | kDockBarStyles[i], XTPDockBarId(i)))
        {
            delete pDockBar;
            AfxThrowResourceException();
        }
        m_pDocks[i] = pDockBar;
    }
}

void CXTPCommandBars::DestroyDockBars()
{
    // Toolbars that outlive the dock bars forget them.
    for (int i = 0; i < GetCount(); ++i)
        for (CXTPDockBar* pDockBar : m_pDocks)
            if (pDockBar && m_arrBars[i]->GetDockBar() == pDockBar)
                m_arrBars[i]->SetDockBar(nullptr);
    for (CXTPDockBar*& pDockBar : m_pDocks)
    {
        if (!pDockBar)
            continue;
        // Detached first: a dock bar destroyed while it still belongs to
        // the command bars tells them that the site is going.
        pDockBar->SetCommandBars(nullptr);
        if (pDockBar->GetSafeHwnd())
            pDockBar->DestroyWindow();
        delete pDockBar;
        pDockBar = nullptr;
    }
}

CXTPDockBar* CXTPCommandBars::GetDockBar(int nPosition) const
{
    return nPosition >= 0 && nPosition < 4 ? m_pDocks[nPosition] : nullptr;
}

CXTPDockBar* CXTPCommandBars::CanDock(CPoint ptScreen, CXTPDockBar* pCurrent) const
{
    if (IsWithinReach(pCurrent, ptScreen))
        return pCurrent;
    for (CXTPDockBar* pDockBar : m_pDocks)
        if (IsWithinReach(pDockBar, ptScreen))
            return pDockBar;
    return nullptr;
}

BOOL CXTPCommandBars::DockCommandBar(CXTPToolBar* pToolBar, LPCRECT lpRect, CXTPDockBar* pDockBar)
{
    if (!pToolBar || !pDockBar || !pDockBar->GetSafeHwnd())
        return FALSE;
    if (!pToolBar->CreateToolBarWindow(pDockBar, FALSE))
        return FALSE;
    pDockBar->DockCommandBar(pToolBar, lpRect);
    if (pToolBar->IsVisible() && !pToolBar->IsWindowVisible())
        pToolBar->ShowWindow(SW_SHOWNA);
    return TRUE;
}

BOOL CXTPCommandBars::FloatCommandBar(CXTPToolBar* pToolBar)
{
    if (!pToolBar || !m_pSite || !m_pSite->GetSafeHwnd())
        return FALSE;
    const BOOL bHadWindow = pToolBar->GetSafeHwnd() != nullptr;
    const BOOL bWasFloating = pToolBar->GetPosition() == xtpBarFloating;
    CRect rcOld(0, 0, 0, 0);
    if (bHadWindow)
        pToolBar->GetWindowRect(&rcOld);
    if (!pToolBar->CreateToolBarWindow(m_pSite, TRUE))
        return FALSE;
    if (CXTPDockBar* pDockBar = pToolBar->GetDockBar())
        pDockBar->RemoveCommandBar(pToolBar);
    pToolBar->SetDockBar(nullptr);
    pToolBar->m_barPosition = xtpBarFloating;
    // A docked window that turns into a popup stays where it was on the screen.
    if (bHadWindow && !bWasFloating)
        pToolBar->SetWindowPos(nullptr, rcOld.left, rcOld.top, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pToolBar->IsVisible())
        pToolBar->ShowWindow(SW_SHOWNA);
    pToolBar->OnRecalcLayout();
    return TRUE;
}

void CXTPCommandBars::IdleRecalcLayout()
{
    if (!m_pSite || !m_pSite->GetSafeHwnd() || !m_pSite->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return;
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(m_pSite);
    if (pFrame->m_nIdleFlags & CFrameWnd::idleLayout)
        pFrame->RecalcLayout((pFrame->m_nIdleFlags & CFrameWnd::idleNotify) != 0);
}
