#include "toolkit/commandbars/FrameHook.h"

#include "framework/ui/FrameWnd.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/HookManager.h"
#include "toolkit/draw/PaintManager.h"

namespace {

// The frame's status bar, and the question whether it is the skinned kind.
const UINT kStatusBarId = 59393;
const UINT kStatusBarQuery = 10324;
// No size, no move, no z-order change, frame changed.
const UINT kFrameChangedFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED;

} // namespace

FrameHook::FrameHook(CWnd* pFrame, CXTPCommandBars* pCommandBars, CXTPCommandBar* pRibbonBar)
    : m_pFrame(pFrame), m_pRibbonBar(pRibbonBar), m_pCommandBars(pCommandBars),
      m_pPaintManager(nullptr), m_szFrameRegion(0, 0), m_bDelayedRecalc(FALSE),
      m_bRibbonFrameCaption(TRUE), m_bRibbonVisible(TRUE), m_bActive(FALSE), m_pCaptionButtons(nullptr)
{
    if (m_pFrame && m_pFrame->GetSafeHwnd())
    {
        m_bActive = ::GetActiveWindow() == m_pFrame->GetSafeHwnd();
        XTPHookManager()->SetHook(m_pFrame->GetSafeHwnd(), this);
    }
}

FrameHook::~FrameHook()
{
    XTPHookManager()->RemoveAll(this);
    if (m_pPaintManager)
        m_pPaintManager->InternalRelease();
}

CXTPPaintManager* FrameHook::GetPaintManager() const
{
    if (m_pCommandBars)
        return m_pCommandBars->GetPaintManager();
    return m_pPaintManager ? m_pPaintManager : XTPPaintManager();
}

void FrameHook::SetPaintManager(CXTPPaintManager* pPaintManager)
{
    if (pPaintManager)
        pPaintManager->InternalAddRef();
    if (m_pPaintManager)
        m_pPaintManager->InternalRelease();
    m_pPaintManager = pPaintManager;
}

BOOL FrameHook::IsMDIMaximized() const
{
    HWND hWnd = m_pFrame ? m_pFrame->GetSafeHwnd() : nullptr;
    return hWnd && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_MAXIMIZE)
           && (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_MDICHILD);
}

BOOL FrameHook::IsFrameSkinDisabled() const
{
    if (IsMDIMaximized())
        return FALSE;
    return !m_pRibbonBar || !m_pRibbonBar->GetCommandBars() || !m_bRibbonFrameCaption || !m_bRibbonVisible
           || m_pRibbonBar->GetPosition() != xtpBarTop;
}

void FrameHook::UpdateFrameRegion(int cx, int cy, BOOL bForce)
{
    HWND hWnd = m_pFrame ? m_pFrame->GetSafeHwnd() : nullptr;
    if (!hWnd || (!bForce && m_szFrameRegion == CSize(cx, cy)))
        return;
    HRGN hRgn = IsMDIMaximized() ? nullptr : GetPaintManager()->GetFrameRegion(this, cx, cy);
    // The window owns the region from here on.
    if (!::SetWindowRgn(hWnd, hRgn, TRUE) && hRgn)
        ::DeleteObject(hRgn);
    m_szFrameRegion = CSize(cx, cy);
}

BOOL FrameHook::GetStatusBarHeight(int* pnHeight) const
{
    HWND hWnd = m_pFrame ? m_pFrame->GetSafeHwnd() : nullptr;
    if (!hWnd || !GetPaintManager()->m_bFrameStatusBar)
        return FALSE;
    HWND hStatus = ::GetDlgItem(hWnd, kStatusBarId);
    if (!hStatus || !(::GetWindowLongA(hStatus, GWL_STYLE) & WS_VISIBLE)
        || !::SendMessageA(hStatus, kStatusBarQuery, 0, 0))
        return FALSE;
    if (pnHeight)
    {
        RECT rc;
        ::GetWindowRect(hStatus, &rc);
        *pnHeight = rc.bottom - rc.top;
    }
    return TRUE;
}

void FrameHook::PostDelayedRecalc()
{
    m_bDelayedRecalc = TRUE;
    if (m_pFrame && m_pFrame->GetSafeHwnd())
        ::PostMessageA(m_pFrame->GetSafeHwnd(), XTP_WM_IDLEUPDATECMDUI, 0, 0);
}

void FrameHook::RecalcFrame()
{
    HWND hWnd = m_pFrame ? m_pFrame->GetSafeHwnd() : nullptr;
    m_szFrameRegion = CSize(0, 0);
    m_bDelayedRecalc = FALSE;
    if (!hWnd)
        return;
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, kFrameChangedFlags);
    RECT rcWindow;
    ::GetWindowRect(hWnd, &rcWindow);
    UpdateFrameRegion(rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top, FALSE);
    if (m_pFrame->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
    {
        static_cast<CFrameWnd*>(m_pFrame)->RecalcLayout(FALSE);
    }
    else
    {
        RECT rcClient;
        ::GetClientRect(hWnd, &rcClient);
        ::SendMessageA(hWnd, WM_SIZE, 0, MAKELPARAM(rcClient.right, rcClient.bottom));
    }
    if (m_pRibbonBar)
        m_pRibbonBar->Redraw(nullptr, TRUE);
}

int FrameHook::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult)
{
    if (OnSkinMessage(hWnd, nMessage, wParam, lParam, lResult) == hookHandled)
        return hookHandled;
    switch (nMessage)
    {
    case WM_NCACTIVATE:
    {
        const BOOL bActive = wParam != 0;
        const BOOL bChanged = bActive != m_bActive;
        m_bActive = bActive;
        // The ribbon's caption shows the new state.
        if (bChanged && m_pRibbonBar && m_pRibbonBar->GetSafeHwnd())
            m_pRibbonBar->Redraw();
        if (!IsFrameSkinned())
            return hookNext;
        // The system's caption would paint itself over the ribbon.
        PaintSkinnedFrame(hWnd);
        lResult = TRUE;
        return hookHandled;
    }
    case WM_SIZE:
    {
        // The region follows the window's own size, caption and border included.
        RECT rc;
        ::GetWindowRect(hWnd, &rc);
        UpdateFrameRegion(rc.right - rc.left, rc.bottom - rc.top, FALSE);
        return hookNext;
    }
    case XTP_WM_IDLEUPDATECMDUI:
        if (m_bDelayedRecalc)
            RecalcFrame();
        return hookNext;
    default:
        return hookNext;
    }
}
