// The arrangement of the bars as it stands, taken for storing: each
// toolbar's record, each dock bar's rows and the status bar's visibility.
#include "toolkit/commandbars/CommandBarsState.h"

#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/DialogBar.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/DockContext.h"

namespace {

// The frame's status bar child.
const UINT kStatusBarId = 59393;

XTP_BAR_STATE TakeBarState(CXTPCommandBar* pBar)
{
    XTP_BAR_STATE state;
    state.pBar = pBar;
    state.nBarID = pBar->GetBarID();
    state.bVisible = pBar->IsVisible();
    state.bFloating = pBar->GetPosition() == xtpBarFloating;
    state.nMRUWidth = pBar->GetMRUWidth();
    state.bDialogBar = pBar->IsDialogBar();
    if (state.bDialogBar && pBar->IsKindOf(RUNTIME_CLASS(CXTPDialogBar)))
    {
        const CXTPDialogBar* pDialogBar = static_cast<const CXTPDialogBar*>(pBar);
        state.szDockingClient = pDialogBar->GetDockingClientSize();
        state.szFloatingClient = pDialogBar->GetFloatingClientSize();
    }
    CXTPDockContext* pContext = pBar->GetDockContext();
    if (pContext)
    {
        state.nMRUDockID = static_cast<int>(XTPDockBarId(pContext->m_uMRUDockPosition));
        state.rcMRUDockPos = pContext->m_rectMRUDockPos;
        state.ptMRUFloatPos = pContext->m_ptMRUFloatPos;
    }
    if (pBar->GetSafeHwnd())
    {
        CRect rc;
        pBar->GetWindowRect(&rc);
        // Docked bars keep their place in the window that holds them.
        if (!state.bFloating)
            if (CWnd* pParent = pBar->GetParent())
                pParent->ScreenToClient(&rc);
        state.ptPosition = rc.TopLeft();
    }
    else if (pContext)
    {
        state.ptPosition = pContext->m_ptMRUFloatPos;
    }
    return state;
}

} // namespace

void TakeLayoutSnapshot(XTP_COMMANDBARS_LAYOUT& layout, const std::vector<CXTPCommandBar*>& toolbars,
                        CXTPDockBar* const* ppDockBars, CWnd* pSite)
{
    layout = XTP_COMMANDBARS_LAYOUT();
    layout.szScreen = CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    for (CXTPCommandBar* pBar : toolbars)
        layout.bars.push_back(TakeBarState(pBar));
    for (int d = 0; d < 4; ++d)
        if (ppDockBars && ppDockBars[d])
            layout.dockRows[d] = ppDockBars[d]->GetEntryIds();
    layout.nStatusBarHidden = -1;
    if (pSite && pSite->GetSafeHwnd() && pSite->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        if (HWND hStatus = ::GetDlgItem(pSite->GetSafeHwnd(), kStatusBarId))
            layout.nStatusBarHidden = (::GetWindowLongA(hStatus, GWL_STYLE) & WS_VISIBLE) ? 0 : 1;
}
