#include "framework/ui/DialogModalLoop.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/WinThread.h"
#include "framework/ui/Wnd.h"

namespace {

BOOL IsIdleMessage(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    return pThread == nullptr || pThread->IsIdleMessage(pMsg);
}

void ShowNow(CWnd* pWnd)
{
    pWnd->ShowWindow(SW_SHOWNORMAL);
    pWnd->UpdateWindow();
}

} // namespace

CModalOwner::CModalOwner(CWnd* pParentWnd)
{
    m_hWndOwner = CDialog::GetSafeOwner(pParentWnd, &m_hWndTop);
    if (m_hWndOwner != nullptr && m_hWndOwner != ::GetDesktopWindow()
        && ::IsWindowEnabled(m_hWndOwner))
    {
        ::EnableWindow(m_hWndOwner, FALSE);
        m_bEnableOwner = TRUE;
    }
}

CModalOwner::~CModalOwner()
{
    // A run that ended by an exception still leaves the owner usable.
    EnableOwner();
}

void CModalOwner::EnableOwner()
{
    if (m_bEnableOwner)
        ::EnableWindow(m_hWndOwner, TRUE);
    if (m_hWndTop != nullptr)
        ::EnableWindow(m_hWndTop, TRUE);
    m_bEnableOwner = FALSE;
    m_hWndTop = nullptr;
}

void CModalOwner::EndRun(CWnd* pWnd)
{
    const HWND hWnd = pWnd->GetSafeHwnd();
    if (hWnd != nullptr)
        pWnd->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    EnableOwner();
    if (m_hWndOwner != nullptr && hWnd != nullptr && ::GetActiveWindow() == hWnd)
        ::SetActiveWindow(m_hWndOwner);
    if (hWnd != nullptr)
        pWnd->DestroyWindow();
}

void CModalLoop::Begin()
{
    m_bContinue = TRUE;
    m_nResult = -1;
}

int CModalLoop::Run(CWnd* pWnd, BOOL bShowOnIdle, const std::function<void()>& checkEnd)
{
    ASSERT(::IsWindow(pWnd->GetSafeHwnd()));
    const HWND hWnd = pWnd->GetSafeHwnd();
    BOOL bShowIdle = bShowOnIdle && !(pWnd->GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(hWnd);
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG msg;
    auto checkWindowEnd = [&] {
        if (m_bContinue && checkEnd)
            checkEnd();
    };
    while (m_bContinue)
    {
        checkWindowEnd();
        // Idle: show the window, tell the owner, kick the window.
        while (m_bContinue && bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (bShowIdle)
            {
                ShowNow(pWnd);
                bShowIdle = FALSE;
            }
            if (hWndParent != nullptr && lIdleCount == 0)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX,
                               reinterpret_cast<LPARAM>(hWnd));
            if (!pWnd->SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
            checkWindowEnd();
        }

        // Busy: pump until the queue is empty.
        do
        {
            checkWindowEnd();
            // A window destroyed under the loop ends it.
            if (!m_bContinue || !::IsWindow(hWnd))
            {
                m_bContinue = FALSE;
                break;
            }
            if (!AfxPumpMessage(&msg))
            {
                Quit(static_cast<int>(msg.wParam));
                break;
            }
            // A system key or the system timer before the first idle moment
            // means the user waits for the window: show it now.
            if (bShowIdle && (msg.message == 0x118 || msg.message == WM_SYSKEYDOWN))
            {
                ShowNow(pWnd);
                bShowIdle = FALSE;
            }
            if (IsIdleMessage(&msg))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (m_bContinue && ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
    return m_nResult;
}

BOOL CModalLoop::RunPending(CWnd* pWnd)
{
    // Bounded: a window that keeps asking to be painted must not hold the
    // caller forever.
    const int nMaxMessages = 10000;
    MSG msg;
    for (int nCount = 0;
         nCount < nMaxMessages && m_bContinue && ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
         ++nCount)
    {
        if (!AfxPumpMessage(&msg))
        {
            Quit(static_cast<int>(msg.wParam));
            return FALSE;
        }
    }
    if (m_bContinue && ::IsWindow(pWnd->GetSafeHwnd()))
        pWnd->SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, 0);
    return TRUE;
}

void CModalLoop::Quit(int nExitCode)
{
    m_bContinue = FALSE;
    m_nResult = -1;
    AfxPostQuitMessage(nExitCode);
}

void CModalLoop::End(CWnd* pWnd, int nResult)
{
    m_nResult = nResult;
    if (!m_bContinue)
        return;
    m_bContinue = FALSE;
    // Wakes a loop that waits in GetMessage.
    if (pWnd != nullptr && ::IsWindow(pWnd->GetSafeHwnd()))
        pWnd->PostMessage(WM_NULL);
}
