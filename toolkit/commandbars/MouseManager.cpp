#include "toolkit/commandbars/MouseManager.h"

#include "framework/core/Module.h"
#include "toolkit/commandbars/KeyboardManager.h"

namespace {

const UINT kMouseLeaveInterval = 50;

} // namespace

CXTPMouseManager::CXTPMouseManager()
    : m_nLock(0)
    , m_bSwallowButtonUp(FALSE)
    , m_hHookMouse(::SetWindowsHookExA(WH_MOUSE, &MouseProc, nullptr, ::GetCurrentThreadId()))
    , m_hWndLeaveTrack(nullptr)
{
}

CXTPMouseManager::~CXTPMouseManager()
{
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
    }
    return ::CallNextHookEx(pManager->m_hHookMouse, nCode, wParam, lParam);
}

CXTPMouseManager* AFXAPI XTPMouseManager()
{
    static CThreadLocal<CXTPMouseManager> s_mouseManagers;
    return s_mouseManagers.GetData();
}
