// The command bars' four dock bars along the site's edges, and the question
// which of them takes a bar dragged to a point.
#include "toolkit/commandbars/CommandBars.h"

#include "framework/core/Exceptions.h"
#include "toolkit/commandbars/DockBar.h"

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
    for (CXTPDockBar*& pDockBar : m_pDocks)
    {
        if (pDockBar && pDockBar->GetSafeHwnd())
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
