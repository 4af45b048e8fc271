// What the mouse manager does with the mouse while popup bars track: a
// press outside every tracked bar (and outside the trusted windows) ends
// the tracking, a button-up outside does too unless a modal loop holds the
// manager locked, and moves outside reach the bars that are not locked.
//
// Bars may leave tracking (and go) while a message is handed round: each
// walk runs over a copy of the list and skips bars that left meanwhile.
#include "toolkit/commandbars/MouseManager.h"

#include "toolkit/commandbars/CommandBar.h"

#include <vector>

POINT CXTPMouseManager::s_ptLastMouse = {0, 0};

namespace {

std::vector<CXTPCommandBar*> Snapshot(const CXTPMouseManager& manager)
{
    std::vector<CXTPCommandBar*> bars;
    for (INT_PTR i = 0; i < manager.GetTrackCount(); ++i)
        bars.push_back(manager.GetTrackAt(i));
    return bars;
}

BOOL IsMove(UINT nMessage)
{
    return nMessage == WM_MOUSEMOVE || nMessage == WM_NCMOUSEMOVE;
}

} // namespace

void CXTPMouseManager::SendTrackLostRecurse()
{
    if (m_arrTracked.IsEmpty() || m_arrTracked[0]->GetLockCount() <= 0)
        return;
    for (CXTPCommandBar* pBar : Snapshot(*this))
        if (IsTracked(pBar) && pBar->GetLockCount() == 0)
            pBar->SetTrackingMode(0);
}

void CXTPMouseManager::LockTrackRecurse(BOOL bLock)
{
    for (CXTPCommandBar* pBar : Snapshot(*this))
        pBar->LockTracking(bLock);
}

void CXTPMouseManager::OnTrackedMouseMessage(UINT nMessage, POINT ptScreen)
{
    const HWND hWndUnder = ::WindowFromPoint(ptScreen);
    const std::vector<CXTPCommandBar*> bars = Snapshot(*this);
    for (auto it = bars.rbegin(); it != bars.rend(); ++it)
    {
        CXTPCommandBar* pBar = *it;
        if (!IsTracked(pBar) || !pBar->GetSafeHwnd())
            continue;
        const int nHit = pBar->HitTestBar(ptScreen);
        if (nHit == -2)
            continue;
        if (nHit == 1 || (hWndUnder && ::IsChild(pBar->GetSafeHwnd(), hWndUnder)))
        {
            // Inside a bar: a click in a locked bar closes the others.
            if (pBar->GetLockCount() > 0 && !IsMove(nMessage) && !m_bSwallowButtonUp)
            {
                SendTrackLostRecurse();
                s_ptLastMouse.x = s_ptLastMouse.y = 0;
            }
            return;
        }
    }
    if (IsTrustedPoint(ptScreen))
        return;
    switch (nMessage)
    {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        for (CXTPCommandBar* pBar : bars)
        {
            if (!IsTracked(pBar) || !pBar->GetSafeHwnd() || pBar->GetLockCount() > 0)
                continue;
            POINT pt = ptScreen;
            ::ScreenToClient(pBar->GetSafeHwnd(), &pt);
            pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
        }
        return;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        if (m_nLock > 0)
            return;
        SendTrackLost();
        return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        SendTrackLost();
        return;
    default:
        return;
    }
}
