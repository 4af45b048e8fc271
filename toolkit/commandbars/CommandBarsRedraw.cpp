// The whole bar family drawn anew after the system's colours or settings
// changed: fonts and sizes may differ now, so every control hears of it,
// the bars measure themselves again and the frame lays them out once.
#include "toolkit/commandbars/CommandBars.h"

#include "framework/ui/FrameWnd.h"
#include "framework/ui/MdiFrameWnd.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/extras/TabClientWnd.h"

namespace {

// The frame's child window of the id (the status bar is 59393).
const UINT kStatusBarId = 59393;

// The MDI tab workspace among the frame's children, if it has one.
CXTPTabClientWnd* FindTabClient(CWnd* pSite)
{
    for (HWND hChild = ::GetWindow(pSite->GetSafeHwnd(), GW_CHILD); hChild;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CWnd* pChild = CWnd::FromHandlePermanent(hChild);
        if (pChild && pChild->IsKindOf(RUNTIME_CLASS(CXTPTabClientWnd)))
            return static_cast<CXTPTabClientWnd*>(pChild);
    }
    return nullptr;
}

} // namespace

void CXTPCommandBars::RedrawCommandBars()
{
    // The docked bars ask for the frame's layout each; it runs once at the end.
    const BOOL bWasLocked = m_bLockLayout;
    m_bLockLayout = TRUE;
    for (int i = 0; i < GetCount(); ++i)
    {
        CXTPToolBar* pToolBar = GetAt(i);
        for (int j = 0; j < pToolBar->GetControlCount(); ++j)
            pToolBar->GetControl(j)->OnThemeChanged();
        if (pToolBar->GetSafeHwnd() && pToolBar->IsVisible())
        {
            pToolBar->DelayLayout();
            pToolBar->OnRecalcLayout();
        }
    }
    HWND hSite = m_pSite ? m_pSite->GetSafeHwnd() : nullptr;
    if (hSite && m_pSite->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        if (CXTPTabClientWnd* pTabClient = FindTabClient(m_pSite))
            pTabClient->Refresh();
    if (hSite)
        if (HWND hStatusBar = ::GetDlgItem(hSite, kStatusBarId))
            ::InvalidateRect(hStatusBar, nullptr, TRUE);
    m_bLockLayout = bWasLocked;
    RecalcFrameLayout();
    if (hSite)
        ::SendMessageA(hSite, WM_NCPAINT, 1, 0);
}
