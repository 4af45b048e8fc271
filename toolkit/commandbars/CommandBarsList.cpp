// The command bars' toolbar list: creating toolbars and the menu bar as
// windows on the site, finding and removing them.
#include "toolkit/commandbars/CommandBars.h"

#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/MenuBar.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

CXTPToolBar* CXTPCommandBars::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrBars[nIndex] : nullptr;
}

int CXTPCommandBars::FindIndex(const CXTPCommandBar* pBar) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_arrBars[i] == pBar)
            return i;
    return -1;
}

CXTPToolBar* CXTPCommandBars::GetToolBar(UINT nBarID) const
{
    if (nBarID == 0)
        return nullptr;
    for (int i = 0; i < GetCount(); ++i)
        if (m_arrBars[i]->GetBarID() == nBarID)
            return m_arrBars[i];
    return nullptr;
}

CXTPMenuBar* CXTPCommandBars::GetMenuBar() const
{
    CXTPToolBar* pBar = GetToolBar(XTP_IDR_MENUBAR);
    return pBar && pBar->IsKindOf(RUNTIME_CLASS(CXTPMenuBar)) ? static_cast<CXTPMenuBar*>(pBar)
                                                                : nullptr;
}

CXTPToolBar* CXTPCommandBars::CreateToolBar(LPCSTR lpszTitle, int nPosition,
                                           CRuntimeClass* pToolBarClass)
{
    if (!pToolBarClass)
        pToolBarClass = RUNTIME_CLASS(CXTPToolBar);
    CXTPToolBar* pToolBar = static_cast<CXTPToolBar*>(pToolBarClass->CreateObject());
    if (!pToolBar)
        return nullptr;
    pToolBar->SetCommandBars(this);
    pToolBar->SetTitle(lpszTitle);
    if (!pToolBar->SetPosition(nPosition))
    {
        pToolBar->InternalRelease();
        return nullptr;
    }
    m_arrBars.Add(pToolBar);
    return pToolBar;
}

CXTPMenuBar* CXTPCommandBars::CreateMenuBar(LPCSTR lpszTitle, UINT nIDMenu)
{
    CXTPMenuBar* pMenuBar = new CXTPMenuBar;
    pMenuBar->SetCommandBars(this);
    pMenuBar->SetTitle(lpszTitle);
    if (!pMenuBar->SetPosition(xtpBarTop) || !pMenuBar->LoadMenuBar(nIDMenu))
    {
        pMenuBar->InternalRelease();
        return nullptr;
    }
    if (nIDMenu)
    {
        pMenuBar->GetControls()->CreateOriginalControls();
        m_nIDMenu = static_cast<WORD>(nIDMenu);
    }
    m_arrBars.Add(pMenuBar);
    // The menu bar lies above the toolbars: the frame lays its children out
    // in z-order.
    if (pMenuBar->GetSafeHwnd())
        pMenuBar->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0,
                               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RecalcFrameLayout();
    return pMenuBar;
}

BOOL CXTPCommandBars::PlaceToolBar(CXTPToolBar* pToolBar, int nPosition)
{
    if (!m_pSite || !m_pSite->GetSafeHwnd())
        return FALSE;
    // With dock bars the toolbar lives in them or floats; a site without
    // them holds its docked toolbars itself.
    if (m_pDocks[0])
        return nPosition == xtpBarFloating ? FloatCommandBar(pToolBar)
                                           : DockCommandBar(pToolBar, nullptr, GetDockBar(nPosition));
    const BOOL bFloating = nPosition == xtpBarFloating;
    if (!pToolBar->CreateToolBarWindow(m_pSite, bFloating))
        return FALSE;
    pToolBar->m_barPosition = nPosition;
    if (pToolBar->IsVisible())
        pToolBar->ShowWindow(SW_SHOWNA);
    if (bFloating)
        pToolBar->OnRecalcLayout();
    else
        RecalcFrameLayout(TRUE);
    return TRUE;
}

void CXTPCommandBars::Remove(CXTPToolBar* pToolBar)
{
    const int nIndex = FindIndex(pToolBar);
    if (nIndex == -1)
        return;
    if (pToolBar->GetSafeHwnd())
        pToolBar->ShowWindow(SW_HIDE);
    pToolBar->m_bVisible = FALSE;
    RemoveBarFromReBar(pToolBar);
    m_arrBars.RemoveAt(nIndex);
    if (CXTPDockBar* pDockBar = pToolBar->GetDockBar())
        pDockBar->RemoveCommandBar(pToolBar);
    RecalcFrameLayout();
    pToolBar->DetachAndDestroy();
    // A bar that someone else still holds is no longer these bars'; one
    // that goes now still finds them (the menu bar gives the frame its
    // menu field back).
    if (pToolBar->InternalRelease() != 0)
        pToolBar->SetCommandBars(nullptr);
}

void CXTPCommandBars::RemoveAll()
{
    const BOOL bLocked = m_bLockLayout;
    m_bLockLayout = TRUE;
    while (GetCount() > 0)
        Remove(m_arrBars[GetCount() - 1]);
    m_bLockLayout = bLocked;
    RecalcFrameLayout(TRUE);
}

void CXTPCommandBars::ToggleVisible(int nIndex)
{
    if (CXTPToolBar* pToolBar = GetAt(nIndex))
        pToolBar->SetVisible(!pToolBar->IsVisible());
}
