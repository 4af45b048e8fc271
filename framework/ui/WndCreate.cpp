// Creating, subclassing and destroying windows, and the window procedure
// every permanent CWnd shares.
//
// CreateEx installs a thread CBT hook for the length of CreateWindowEx. The
// hook sees the new window before its first message (WM_NCCREATE), makes
// the CWnd its permanent object and puts AfxWndProc in place, keeping the
// class's own procedure for Default. So windows of system classes ("EDIT",
// "RichEdit20A", tree views...) get their creation messages through the
// message map too.
#include "framework/ui/Wnd.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Module.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/ThreadState.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/WndClass.h"

namespace {

// Windows the system makes for itself while a thread creates its first
// window (input-method windows) are not the one being created.
bool IsSystemHelperWindow(HWND hWnd)
{
    char szClass[16];
    return ::GetClassNameA(hWnd, szClass, sizeof(szClass)) > 0 && lstrcmpiA(szClass, "IME") == 0;
}

// Puts AfxWndProc in place; returns the procedure it replaced (null when
// the window had it already).
WNDPROC InstallWndProc(HWND hWnd)
{
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
    if (pfnOld == AfxWndProc)
        return nullptr;
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc));
    return pfnOld;
}

} // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter == nullptr)
    {
        pState->m_hHookOldCbtFilter =
            ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    }
    pState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter != nullptr)
    {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = nullptr;
    }
    if (pState->m_pWndInit != nullptr)
    {
        pState->m_pWndInit = nullptr;
        return FALSE;
    }
    return TRUE;
}

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (nCode == HCBT_CREATEWND && pState->m_pWndInit != nullptr)
    {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (!IsSystemHelperWindow(hWnd))
        {
            CWnd* pWndInit = pState->m_pWndInit;
            pState->m_pWndInit = nullptr;
            if (pWndInit->Attach(hWnd))
            {
                pWndInit->PreSubclassWindow();
                pWndInit->m_pfnSuper = InstallWndProc(hWnd);
            }
        }
    }
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, nCode, wParam, lParam);
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, message, wParam, lParam);
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    MSG msgOld = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = message;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;

    LRESULT lResult = 0;
    // A framework exception must not unwind through the system's frames:
    // report it here and give the message a failing result.
    try
    {
        lResult = pWnd->WindowProc(message, wParam, lParam);
    }
    catch (CException* e)
    {
        e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
        lResult = (message == WM_CREATE) ? -1 : 0;
    }

    // The window is gone: a CWnd whose handler did not pass WM_NCDESTROY to
    // CWnd::OnNcDestroy still lets go of it here. Looked up again, since
    // PostNcDestroy may have deleted the object.
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
        pWnd->FinishNcDestroy();

    pState->m_lastSentMsg = msgOld;
    return lResult;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

// A CWnd whose window never came to exist stays its caller's: PostNcDestroy
// runs only for windows that were created (through WM_NCDESTROY).
BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    ASSERT(m_hWnd == nullptr);
    if (m_hWnd != nullptr)
        return FALSE;

    CREATESTRUCTA cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
        return FALSE;

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance,
                                  cs.lpCreateParams);
    BOOL bAttached = AfxUnhookWindowCreate();
    if (hWnd == nullptr)
        return FALSE;   // if the hook had attached it, WM_NCDESTROY has run
    if (!bAttached)
        return SubclassWindow(hWnd);
    ASSERT(m_hWnd == hWnd);
    return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
    {
        if (!AfxDeferRegisterClass(AFX_WND_REG))
            return FALSE;
        cs.lpszClass = AFX_WND;
    }
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    m_pfnSuper = InstallWndProc(hWnd);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWnd = m_hWnd;
    BOOL bResult = ::DestroyWindow(hWnd);
    // A subclassed window let go of its handle in WM_NCDESTROY, and 'this'
    // may be deleted by now; one that was only attached is detached here.
    if (CWnd::FromHandlePermanent(hWnd) == this && !::IsWindow(hWnd))
        Detach();
    return bResult;
}

void CWnd::PostNcDestroy()
{
}

void CWnd::OnNcDestroy()
{
    Default();
    FinishNcDestroy();
}

void CWnd::FinishNcDestroy()
{
    HWND hWnd = m_hWnd;
    if (hWnd == nullptr)
        return;
    if (m_pfnSuper != nullptr
        && reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == AfxWndProc)
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();

    // The end of the application's main window ends its message loop.
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->m_pMainWnd == this)
    {
        if (pThread == AfxGetApp())
            AfxPostQuitMessage(0);
        pThread->m_pMainWnd = nullptr;
    }
    PostNcDestroy();
}
