// A stored arrangement put back on the bars: the dock bars' rows first,
// then the status bar, then each toolbar's record (floating or docked,
// remembered places, window position and visibility). Records and entries
// of bars that no longer exist are passed over.
#include "toolkit/commandbars/CommandBarsState.h"

#include "framework/ui/ControlBar.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/DialogBar.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/DockContext.h"
#include "toolkit/draw/SystemInfo.h"

#include <algorithm>

namespace {

const UINT kStatusBarId = 59393;

CXTPCommandBar* FindBar(const std::vector<CXTPCommandBar*>& toolbars, UINT nBarID)
{
    if (nBarID == 0)
        return nullptr;
    for (CXTPCommandBar* pBar : toolbars)
        if (pBar->GetBarID() == nBarID)
            return pBar;
    return nullptr;
}

void RestoreRows(const XTP_COMMANDBARS_LAYOUT& layout, const std::vector<CXTPCommandBar*>& toolbars,
                 CXTPDockBar* const* ppDockBars)
{
    for (int d = 0; d < 4; ++d)
    {
        CXTPDockBar* pDockBar = ppDockBars ? ppDockBars[d] : nullptr;
        const std::vector<UINT>& entries = layout.dockRows[d];
        if (!pDockBar || entries.size() <= 1)
            continue;
        for (size_t j = 0; j < entries.size(); ++j)
        {
            CXTPCommandBar* pBar = FindBar(toolbars, entries[j]);
            if (pBar)
            {
                if (CXTPDockBar* pOld = pBar->GetDockBar())
                    pOld->RemoveCommandBar(pBar);
                pDockBar->AttachBar(pBar);
            }
            pDockBar->InsertEntry(static_cast<int>(j), pBar);
        }
    }
}

void RestoreStatusBar(const XTP_COMMANDBARS_LAYOUT& layout, CWnd* pSite)
{
    if (layout.nStatusBarHidden != 1 || !pSite || !pSite->GetSafeHwnd()
        || !pSite->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return;
    HWND hStatus = ::GetDlgItem(pSite->GetSafeHwnd(), kStatusBarId);
    if (!hStatus)
        return;
    CWnd* pStatus = CWnd::FromHandlePermanent(hStatus);
    if (pStatus && pStatus->IsKindOf(RUNTIME_CLASS(CControlBar)))
        static_cast<CFrameWnd*>(pSite)->ShowControlBar(static_cast<CControlBar*>(pStatus), FALSE, FALSE);
    else
        ::ShowWindow(hStatus, SW_HIDE);
}

// A floating bar stored where no monitor shows it any more (a monitor gone,
// a smaller desktop, a damaged value) comes back whole onto the nearest one.
void BringOntoNearestMonitor(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    if (IsRectOnAnyMonitor(rc))
        return;
    const CRect rcWork(GetNearestMonitorArea(rc));
    const int x = std::max(rcWork.left, std::min(rc.left, rcWork.right - rc.Width()));
    const int y = std::max(rcWork.top, std::min(rc.top, rcWork.bottom - rc.Height()));
    ::SetWindowPos(hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RestoreRecord(const XTP_BAR_STATE& record, CXTPCommandBar* pBar, CXTPDockBar* const* ppDockBars)
{
    if (record.bFloating)
    {
        if (CXTPDockBar* pOld = pBar->GetDockBar())
            pOld->RemoveCommandBar(pBar);
        pBar->SetPosition(xtpBarFloating);
    }
    else if (CXTPDockBar* pDockBar = pBar->GetDockBar())
    {
        pDockBar->AttachBar(pBar);
    }
    else if (pBar->GetPosition() == xtpBarFloating)
    {
        // Stored docked but found in no row: back to the side it came from.
        int nSide = XTPDockBarPosition(static_cast<UINT>(record.nMRUDockID));
        CXTPDockBar* pDockBar = ppDockBars ? ppDockBars[nSide < 0 ? 0 : nSide] : nullptr;
        if (pDockBar)
            pDockBar->DockCommandBar(pBar);
    }

    pBar->SetMRUWidth(record.nMRUWidth);
    if (record.bDialogBar && pBar->IsKindOf(RUNTIME_CLASS(CXTPDialogBar)))
    {
        CXTPDialogBar* pDialogBar = static_cast<CXTPDialogBar*>(pBar);
        pDialogBar->SetDockingClientSize(record.szDockingClient);
        pDialogBar->SetFloatingClientSize(record.szFloatingClient);
    }
    if (CXTPDockContext* pContext = pBar->GetDockContext())
    {
        const int nSide = XTPDockBarPosition(static_cast<UINT>(record.nMRUDockID));
        pContext->m_uMRUDockPosition = nSide < 0 ? 0 : nSide;
        pContext->m_rectMRUDockPos = record.rcMRUDockPos;
        pContext->m_ptMRUFloatPos = record.ptMRUFloatPos;
    }

    const BOOL bFloating = pBar->GetPosition() == xtpBarFloating;
    if (pBar->GetSafeHwnd() && record.ptPosition != CPoint(-1, -1))
    {
        UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE;
        if (!bFloating && !pBar->GetDockBar())
            nFlags |= SWP_NOMOVE;
        ::SetWindowPos(pBar->GetSafeHwnd(), nullptr, record.ptPosition.x, record.ptPosition.y, 0, 0,
                       nFlags);
    }
    pBar->SetVisible(record.bVisible);
    if (bFloating)
    {
        pBar->RecalcLayout();
        if (pBar->GetSafeHwnd())
            BringOntoNearestMonitor(pBar->GetSafeHwnd());
    }
}

} // namespace

void ApplyLayoutSnapshot(const XTP_COMMANDBARS_LAYOUT& layout,
                         const std::vector<CXTPCommandBar*>& toolbars, CXTPDockBar* const* ppDockBars,
                         CWnd* pSite)
{
    RestoreRows(layout, toolbars, ppDockBars);
    RestoreStatusBar(layout, pSite);
    for (const XTP_BAR_STATE& record : layout.bars)
        if (CXTPCommandBar* pBar = FindBar(toolbars, record.nBarID))
            RestoreRecord(record, pBar, ppDockBars);
}
