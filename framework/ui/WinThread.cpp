#include "framework/ui/WinThread.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/HandleMap.h"
#include "framework/ui/ThreadState.h"
#include "framework/ui/Wnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
{
    m_nThreadID = ::GetCurrentThreadId();
    // The first thread object of a thread is its own (the application
    // object on the main thread).
    if (AfxGetThreadObject() == nullptr)
        AfxSetThread(this);
}

CWinThread::~CWinThread()
{
    if (AfxGetThreadObject() == this)
        AfxSetThread(nullptr);
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

namespace {

// One turn of a pump: gets msg, lets pThread's pre-translation (the plain
// walk from the target up without a thread object) take it, else dispatches
// it. FALSE on WM_QUIT.
BOOL PumpInto(MSG& msg, CWinThread* pThread)
{
    const BOOL bGot = ::GetMessageA(&msg, nullptr, 0, 0);
    if (bGot == 0)
        return FALSE;
    if (bGot == -1 || msg.message == WM_KICKIDLE)
        return TRUE;
    const BOOL bTaken = pThread != nullptr ? pThread->PreTranslateMessage(&msg)
                                           : CWnd::WalkPreTranslateTree(nullptr, &msg);
    if (!bTaken)
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

} // namespace

BOOL CWinThread::PumpMessage()
{
    return PumpInto(m_msgCur, this);
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr)
        return FALSE;
    // Tested before any member is called: the compiler may take a call
    // through the pointer as proof that it is not null.
    CWnd* pMainWnd = GetMainWnd();
    HWND hWndMain = pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr;
    if (CWnd::WalkPreTranslateTree(hWndMain, pMsg))
        return TRUE;
    // A window outside the main window's family (a modeless window of its
    // own) still gets the main window's accelerators.
    if (hWndMain != nullptr)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        CWnd* pTop = pWnd != nullptr ? pWnd->GetTopLevelParent() : nullptr;
        if (pTop == nullptr || pTop->m_hWnd != hWndMain)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWnd* pMainWnd = GetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible())
        {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        return TRUE;
    }
    if (lCount == 1)
        AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (pState->m_nMsgLast == pMsg->message && pState->m_ptCursorLast.x == pMsg->pt.x
            && pState->m_ptCursorLast.y == pMsg->pt.y)
            return FALSE;
        pState->m_ptCursorLast = pMsg->pt;
        pState->m_nMsgLast = pMsg->message;
        return TRUE;
    }
    // WM_PAINT and the caret blink timer (0x0118) come without anything
    // having changed.
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr)
        return pThread->PreTranslateMessage(pMsg);
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

BOOL AFXAPI AfxPumpMessage(MSG* pMsg)
{
    MSG msg;
    BOOL bResult;
    if (CWinThread* pThread = AfxGetThread())
    {
        bResult = pThread->PumpMessage();
        msg = pThread->GetCurrentMessage();
    }
    else
    {
        bResult = PumpInto(msg, nullptr);
    }
    if (pMsg != nullptr)
        *pMsg = msg;
    return bResult;
}

void AFXAPI AfxIdleUpdateNow()
{
    CWinThread* pThread = AfxGetThread();
    if (pThread == nullptr)
    {
        AfxDeleteTempMaps();
        return;
    }
    // An OnIdle that always wants more must not hold the caller forever.
    for (LONG lCount = 0; lCount < 16 && pThread->OnIdle(lCount); ++lCount)
    {
    }
}
