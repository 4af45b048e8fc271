#include "toolkit/commandbars/MouseManager.h"

#include "framework/core/Module.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/KeyboardManager.h"

#include <vector>

namespace {

const UINT kMouseLeaveInterval = 50;

int LinkLockCount(void* pContext)
{
    return static_cast<CXTPMouseManager*>(pContext)->GetLockCount();
}

void LinkSendTrackLost(void* pContext)
{
    static_cast<CXTPMouseManager*>(pContext)->SendTrackLost();
}

} // namespace

CXTPMouseManager::CXTPMouseManager()
    : m_nLock(0)
    , m_bSwallowButtonUp(FALSE)
    , m_hHookMouse(::SetWindowsHookExA(WH_MOUSE, &MouseProc, nullptr, ::GetCurrentThreadId()))
    , m_hWndLeaveTrack(nullptr)
    , m_pSelected(nullptr)
    , m_bMenusExpanded(FALSE)
    , m_nTrackedElements(0)
{
    const CXTPKeyboardManager::TrackingLink link = {&LinkLockCount, &LinkSendTrackLost, this};
    XTPKeyboardManager()->SetTrackingLink(&link);
}

CXTPMouseManager::~CXTPMouseManager()
{
    if (CXTPKeyboardManager* pKeyboard = XTPKeyboardManagerIfMade())
        pKeyboard->SetTrackingLink(nullptr);
    if (m_hHookMouse)
        ::UnhookWindowsHookEx(m_hHookMouse);
    if (m_hWndLeaveTrack && ::IsWindow(m_hWndLeaveTrack))
        ::KillTimer(m_hWndLeaveTrack, idMouseLeaveTimer);
}

void CXTPMouseManager::LockTracking(BOOL bLock)
{
    if (bLock)
        ++m_nLock;
    else if (m_nLock > 0)
        --m_nLock;
}

void CXTPMouseManager::AddTrustedWindow(HWND hWnd)
{
    m_arrTrusted.Add(hWnd);
}

void CXTPMouseManager::RemoveTrustedWindow(HWND hWnd)
{
    for (INT_PTR i = 0; i < m_arrTrusted.GetSize(); ++i)
    {
        if (m_arrTrusted[i] == hWnd)
        {
            m_arrTrusted.RemoveAt(i);
            return;
        }
    }
}

BOOL CXTPMouseManager::IsTrustedPoint(POINT ptScreen) const
{
    for (INT_PTR i = 0; i < m_arrTrusted.GetSize(); ++i)
    {
        HWND hWnd = m_arrTrusted[i];
        RECT rc = {};
        if (::IsWindow(hWnd) && ::IsWindowVisible(hWnd) && ::GetWindowRect(hWnd, &rc)
            && ::PtInRect(&rc, ptScreen))
            return TRUE;
    }
    return FALSE;
}

void CXTPMouseManager::SetTrack(CXTPCommandBar* pBar)
{
    if (m_arrTracked.IsEmpty() && m_pSelected && m_pSelected != pBar)
    {
        CXTPCommandBar* pHot = m_pSelected;
        m_pSelected = nullptr;
        pHot->SetSelected(-1, 0);
    }
    if (!IsTracked(pBar))
        m_arrTracked.Add(pBar);
}

void CXTPMouseManager::RemoveTrack(CXTPCommandBar* pBar)
{
    for (INT_PTR i = 0; i < m_arrTracked.GetSize(); ++i)
    {
        if (m_arrTracked[i] == pBar)
        {
            m_arrTracked.RemoveAt(i);
            if (m_arrTracked.IsEmpty())
            {
                m_bMenusExpanded = FALSE;
                POINT pt = {};
                if (::GetCursorPos(&pt))
                    ::SetCursorPos(pt.x, pt.y);
            }
            break;
        }
    }
    m_bSwallowButtonUp = FALSE;
}

BOOL CXTPMouseManager::IsTracked(const CXTPCommandBar* pBar) const
{
    for (INT_PTR i = 0; i < m_arrTracked.GetSize(); ++i)
        if (m_arrTracked[i] == pBar)
            return TRUE;
    return FALSE;
}

void CXTPMouseManager::SendTrackLost()
{
    // Bounded by the bars tracked now: a bar that stays in the list after
    // leaving tracking is dropped rather than asked again for ever.
    while (!m_arrTracked.IsEmpty())
    {
        CXTPCommandBar* pBar = m_arrTracked[0];
        pBar->SetTrackingMode(0);
        if (!m_arrTracked.IsEmpty() && m_arrTracked[0] == pBar)
            m_arrTracked.RemoveAt(0);
    }
}

BOOL CXTPMouseManager::IsTrackingBlocked(const CXTPCommandBar* pBar) const
{
    if (!IsTrackingPopups())
        return FALSE;
    return !pBar || pBar->GetLockCount() > 0 || !IsTracked(pBar);
}

void CXTPMouseManager::RemoveBar(CXTPCommandBar* pBar)
{
    if (m_pSelected == pBar)
        m_pSelected = nullptr;
    for (INT_PTR i = m_arrTracked.GetSize() - 1; i >= 0; --i)
        if (m_arrTracked[i] == pBar)
            m_arrTracked.RemoveAt(i);
}

void CXTPMouseManager::TrackMouseLeave(HWND hWnd)
{
    if (hWnd == m_hWndLeaveTrack)
        return;
    if (m_hWndLeaveTrack && ::IsWindow(m_hWndLeaveTrack))
    {
        ::KillTimer(m_hWndLeaveTrack, idMouseLeaveTimer);
        ::SendMessageA(m_hWndLeaveTrack, WM_MOUSELEAVE, 0, 0);
    }
    m_hWndLeaveTrack = hWnd;
    if (hWnd)
        ::SetTimer(hWnd, idMouseLeaveTimer, kMouseLeaveInterval, &MouseLeaveTimerProc);
}

void CXTPMouseManager::CheckMouseLeave(HWND hWnd, UINT_PTR nIDEvent)
{
    // A tick of a window no longer watched (or gone) only ends its timer.
    if (hWnd != m_hWndLeaveTrack || !::IsWindow(hWnd))
    {
        ::KillTimer(hWnd, nIDEvent);
        if (hWnd == m_hWndLeaveTrack)
            m_hWndLeaveTrack = nullptr;
        return;
    }
    RECT rc = {};
    POINT pt = {};
    ::GetWindowRect(hWnd, &rc);
    ::GetCursorPos(&pt);
    const BOOL bInside = ::PtInRect(&rc, pt);
    const BOOL bOwnedHere = !::GetParent(hWnd)
        || (::GetWindowLongA(hWnd, GWL_STYLE) & WS_POPUP)
        || CXTPKeyboardManager::IsOwnerForeground(hWnd);
    if (bInside && bOwnedHere)
        return;
    ::KillTimer(hWnd, nIDEvent);
    m_hWndLeaveTrack = nullptr;
    ::PostMessageA(hWnd, WM_MOUSELEAVE, 0, 0);
}

VOID CALLBACK CXTPMouseManager::MouseLeaveTimerProc(HWND hWnd, UINT /*nMessage*/,
                                                    UINT_PTR nIDEvent, DWORD /*dwTime*/)
{
    XTPMouseManager()->CheckMouseLeave(hWnd, nIDEvent);
}

LRESULT CALLBACK CXTPMouseManager::MouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CXTPMouseManager* pManager = XTPMouseManager();
    if (nCode == HC_ACTION)
    {
        if (wParam == WM_LBUTTONDOWN || wParam == WM_RBUTTONDOWN)
            pManager->m_bSwallowButtonUp = FALSE;
        else if ((wParam == WM_LBUTTONUP || wParam == WM_NCLBUTTONUP)
                 && pManager->m_bSwallowButtonUp)
        {
            pManager->m_bSwallowButtonUp = FALSE;
            return 1;
        }
        if (pManager->IsTrackingPopups())
        {
            const POINT pt = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->pt;
            const UINT nMessage = static_cast<UINT>(wParam);
            // A move to where the pointer already was is no move.
            if ((nMessage == WM_MOUSEMOVE || nMessage == WM_NCMOUSEMOVE)
                && pt.x == s_ptLastMouse.x && pt.y == s_ptLastMouse.y)
                return 1;
            s_ptLastMouse = pt;
            pManager->OnTrackedMouseMessage(nMessage, pt);
        }
    }
    return ::CallNextHookEx(pManager->m_hHookMouse, nCode, wParam, lParam);
}

CXTPMouseManager* AFXAPI XTPMouseManager()
{
    static CThreadLocal<CXTPMouseManager> s_mouseManagers;
    return s_mouseManagers.GetData();
}
