#include "toolkit/controls/ControlCustom.h"

#include "framework/core/Archive.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/HookManager.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/ControlAction.h"

IMPLEMENT_SERIAL(CXTPControlCustom, CXTPControlButton, 18)

CXTPControlCustom::CXTPControlCustom()
    : m_hwndControl(nullptr), m_rcBorders(0, 0, 0, 0), m_szControl(0, 0),
      m_verticalOptions(xtpVerticalHide), m_nControlID(0), m_bControlVisible(TRUE)
{
    m_dwFlags = xtpFlagNoMovable;
}

CXTPControlCustom::~CXTPControlCustom()
{
    // The hook base leaves every window it watches.
}

void CXTPControlCustom::AttachWindow(HWND hWnd)
{
    if (m_hwndControl && m_hwndControl != hWnd)
        XTPHookManager()->RemoveHook(m_hwndControl, this);
    m_hwndControl = hWnd && ::IsWindow(hWnd) ? hWnd : nullptr;
    if (m_hwndControl)
        XTPHookManager()->SetHook(m_hwndControl, this);
}

void CXTPControlCustom::SetControl(CWnd* pWnd)
{
    AttachWindow(pWnd ? pWnd->GetSafeHwnd() : nullptr);
    if (!m_hwndControl)
        return;
    m_nControlID = ::GetDlgCtrlID(m_hwndControl);
    CRect rcWindow;
    ::GetWindowRect(m_hwndControl, &rcWindow);
    m_szControl = rcWindow.Size();
}

BOOL CXTPControlCustom::HasVisibleWindow() const
{
    return m_hwndControl && ::IsWindow(m_hwndControl) && ::IsWindowVisible(m_hwndControl);
}

void CXTPControlCustom::ShowHostedWindow()
{
    if (!m_hwndControl || !::IsWindow(m_hwndControl))
        return;
    BOOL bHide = !m_bControlVisible || (m_pAction && !m_pAction->IsVisible()) || m_dwHideFlags != 0;
    ::SetWindowPos(m_hwndControl, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE
                       | (bHide ? SWP_HIDEWINDOW : SWP_SHOWWINDOW));
}

void CXTPControlCustom::SetEnabled(int nEnabled)
{
    if (nEnabled == m_bEnabled)
        return;
    m_bEnabled = nEnabled;
    if (m_hwndControl && ::IsWindow(m_hwndControl))
        ::EnableWindow(m_hwndControl, GetEnabled());
    RedrawParent(FALSE);
}

void CXTPControlCustom::SetHideFlags(DWORD dwFlags)
{
    if (dwFlags == m_dwHideFlags)
        return;
    m_dwHideFlags = dwFlags;
    ShowHostedWindow();
    DelayLayoutParent();
}

void CXTPControlCustom::OnCalcDynamicSize(DWORD dwMode)
{
    BOOL bVertical = (dwMode & 0x10) != 0;
    if (m_verticalOptions == xtpVerticalHide)
    {
        SetHideFlags(bVertical ? m_dwHideFlags | xtpHideDockingPosition
                               : m_dwHideFlags & ~xtpHideDockingPosition);
    }
    else if (m_verticalOptions == xtpVerticalButton)
    {
        m_bControlVisible = !bVertical;
        ShowHostedWindow();
    }
}

CSize CXTPControlCustom::GetSize(CDC* pDC)
{
    if (m_hwndControl && m_bControlVisible)
        return CSize(m_szControl.cx + m_rcBorders.left + m_rcBorders.right,
                     m_szControl.cy + m_rcBorders.top + m_rcBorders.bottom);
    return CXTPControlButton::GetSize(pDC);
}

void CXTPControlCustom::SetRect(CRect rcControl)
{
    HWND hWndBar = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    BOOL bParented = !m_hwndControl || !hWndBar || ::GetParent(m_hwndControl) == hWndBar;
    if (rcControl == m_rcControl && bParented)
        return;
    m_rcControl = rcControl;
    if (!m_hwndControl || !::IsWindow(m_hwndControl))
        return;
    if (hWndBar && ::GetParent(m_hwndControl) != hWndBar)
    {
        CWnd::ModifyStyle(m_hwndControl, WS_POPUP, WS_CHILD, 0);
        ::SetParent(m_hwndControl, hWndBar);
    }
    CRect rcWindow(rcControl.left + m_rcBorders.left, rcControl.top + m_rcBorders.top,
                   rcControl.right - m_rcBorders.right, rcControl.bottom - m_rcBorders.bottom);
    ::MoveWindow(m_hwndControl, rcWindow.left, rcWindow.top, rcWindow.Width(), rcWindow.Height(),
                 TRUE);
    ::ShowWindow(m_hwndControl, m_bControlVisible && IsVisible() ? SW_SHOWNA : SW_HIDE);
}

void CXTPControlCustom::Draw(CDC* pDC)
{
    if (!HasVisibleWindow())
        CXTPControlButton::Draw(pDC);
}

void CXTPControlCustom::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (!HasVisibleWindow() || (m_pParent && m_pParent->IsCustomizeMode()))
        CXTPControlButton::OnClick(bKeyboard, pt);
}

void CXTPControlCustom::OnWindowMouseMove(UINT nFlags, CPoint ptWindow)
{
    if (!m_pParent || !m_pParent->GetSafeHwnd() || !m_hwndControl)
        return;
    CPoint pt = ptWindow;
    ::MapWindowPoints(m_hwndControl, m_pParent->GetSafeHwnd(), &pt, 1);
    m_pParent->SendMessage(WM_MOUSEMOVE, nFlags, MAKELPARAM(pt.x, pt.y));
}

int CXTPControlCustom::OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                                     LRESULT& /*lResult*/)
{
    // A copy shares the window; only the bar that holds it now tracks.
    if (nMessage == WM_MOUSEMOVE && hWnd == m_hwndControl && m_pParent
        && ::GetParent(hWnd) == m_pParent->GetSafeHwnd())
        OnWindowMouseMove(static_cast<UINT>(wParam),
                          CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
    return hookNext;
}

HWND CXTPControlCustom::FindControlWindow(CXTPCommandBars* pCommandBars, int nId)
{
    if (!pCommandBars)
        return nullptr;
    CWnd* pSite = pCommandBars->GetSite();
    if (pSite && pSite->GetSafeHwnd())
        if (HWND hWnd = ::GetDlgItem(pSite->GetSafeHwnd(), nId))
            return hWnd;
    for (int i = 0; i < pCommandBars->GetCount(); ++i)
    {
        CXTPToolBar* pToolBar = pCommandBars->GetAt(i);
        if (pToolBar && pToolBar->GetSafeHwnd())
            if (HWND hWnd = ::GetDlgItem(pToolBar->GetSafeHwnd(), nId))
                return hWnd;
    }
    return nullptr;
}

void CXTPControlCustom::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControlButton::DoPropExchange(pPX);
    ExchangeRectProperty(pPX, "Borders", m_rcBorders, CRect(0, 0, 0, 0));
    ExchangeSizeProperty(pPX, "ControlSize", m_szControl, CSize(0, 0));
    ExchangeIntProperty(pPX, "VerticalOptions", m_verticalOptions, xtpVerticalHide);
    if (pPX->GetSchema() > 5)
        ExchangeIntProperty(pPX, "ControlId", m_nControlID, 0);
    if (pPX->IsLoading() && m_nControlID != 0)
        AttachWindow(FindControlWindow(GetCommandBars(), m_nControlID));
}

void CXTPControlCustom::Copy(CXTPControl* pSource, BOOL bRecursive)
{
    if (CXTPControlCustom* pCustom = dynamic_cast<CXTPControlCustom*>(pSource))
    {
        m_rcBorders = pCustom->m_rcBorders;
        m_verticalOptions = pCustom->m_verticalOptions;
        m_szControl = pCustom->m_szControl;
        AttachWindow(pCustom->m_hwndControl);
        m_nControlID = pCustom->m_nControlID;
    }
    CXTPControlButton::Copy(pSource, bRecursive);
}
