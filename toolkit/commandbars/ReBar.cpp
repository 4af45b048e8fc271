#include "toolkit/commandbars/ReBar.h"

#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/ToolBar.h"

IMPLEMENT_DYNCREATE(CXTPReBar, CReBar)

namespace {

// Horizontal, docked at the top or bottom, committing.
const DWORD kBandLayoutMode = 0x4A;
const int kBandLength = 32000;
// The child id of a frame's rebar.
const UINT kReBarId = 59396;

} // namespace

BOOL CXTPReBar::AddToolBar(CXTPCommandBar* pToolBar, DWORD dwStyle)
{
    if (!pToolBar || !pToolBar->GetSafeHwnd())
        return FALSE;
    const CSize size = pToolBar->CalcDockingLayout(kBandLength, kBandLayoutMode);
    pToolBar->SetWindowPos(nullptr, 0, 0, size.cx, size.cy,
                           SWP_NOZORDER | SWP_NOACTIVATE);
    if (CXTPDockBar* pDockBar = pToolBar->GetDockBar())
    {
        pDockBar->RemoveCommandBar(pToolBar);
        pToolBar->SetDockBar(nullptr);
    }
    pToolBar->SetBarStyle(pToolBar->GetBarStyle() & ~xtpBarStyleGripper);
    if (!AddBar(pToolBar, nullptr, nullptr, dwStyle))
        return FALSE;

    CReBarCtrl& rebar = GetReBarCtrl();
    REBARBANDINFOA info = {};
    info.fMask = RBBIM_ID;
    info.wID = pToolBar->GetBarID();
    rebar.SetBandInfo(rebar.GetBandCount() - 1, &info);
    return TRUE;
}

CXTPCommandBar* CXTPReBar::GetBandToolBar(int nBand) const
{
    REBARBANDINFOA info = {};
    info.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE;
    if (nBand < 0 || !GetReBarCtrl().GetBandInfo(static_cast<UINT>(nBand), &info) || !info.hwndChild)
        return nullptr;
    CWnd* pChild = CWnd::FromHandlePermanent(info.hwndChild);
    if (!pChild || !pChild->IsKindOf(RUNTIME_CLASS(CXTPCommandBar)))
        return nullptr;
    return static_cast<CXTPCommandBar*>(pChild);
}

int CXTPReBar::FindBand(CXTPCommandBar* pToolBar) const
{
    for (int i = static_cast<int>(GetReBarCtrl().GetBandCount()) - 1; i >= 0; --i)
        if (GetBandToolBar(i) == pToolBar)
            return i;
    return -1;
}

// --- The command bars' side ----------------------------------------------------------------

CXTPReBar* CXTPCommandBars::GetReBar() const
{
    if (!m_pSite || !m_pSite->GetSafeHwnd())
        return nullptr;
    HWND hReBar = ::GetDlgItem(m_pSite->GetSafeHwnd(), kReBarId);
    CWnd* pWnd = hReBar ? CWnd::FromHandlePermanent(hReBar) : nullptr;
    return pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CXTPReBar)) ? static_cast<CXTPReBar*>(pWnd) : nullptr;
}

void CXTPCommandBars::AddBarToReBar(CXTPToolBar* pToolBar)
{
    if (CXTPReBar* pReBar = GetReBar())
        pReBar->AddToolBar(pToolBar, XTP_REBAR_BAND_STYLE);
}

void CXTPCommandBars::RemoveBarFromReBar(CXTPToolBar* pToolBar)
{
    CXTPReBar* pReBar = GetReBar();
    const int nBand = pReBar ? pReBar->FindBand(pToolBar) : -1;
    if (nBand != -1)
        pReBar->SendMessage(RB_DELETEBAND, static_cast<WPARAM>(nBand), 0);
}
