// CWinThread: a user-interface thread's message loop. Run pumps messages;
// each goes through PreTranslateMessage (the permanent windows from the
// target up to the main window may take it) before it is dispatched. When
// the queue runs empty, OnIdle updates the command UI (WM_IDLEUPDATECMDUI
// to the main window and its descendants) and then frees the temporary
// handle wrappers of the thread.
#pragma once

#include "framework/ui/CmdTarget.h"

class CWnd;

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr;
    BOOL m_bAutoDelete = TRUE;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;

    virtual BOOL InitInstance();
    // The exit code of the thread: the WM_QUIT code by default.
    virtual int ExitInstance();
    // The message loop; returns ExitInstance's code after WM_QUIT.
    virtual int Run();
    // Lets the permanent windows from pMsg->hwnd up to the main window
    // (CWnd::PreTranslateMessage of each) take a queued message; TRUE: it
    // was handled and is not dispatched.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Gets, pre-translates and dispatches one message; FALSE on WM_QUIT.
    // WM_KICKIDLE is not dispatched.
    virtual BOOL PumpMessage();
    // lCount 0: command-UI update; 1: temporary wrappers are freed. TRUE
    // asks for another idle call.
    virtual BOOL OnIdle(LONG lCount);
    // FALSE for messages that do not end an idle period (a mouse move to
    // the same point, WM_PAINT, the caret timer).
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd();

    const MSG& GetCurrentMessage() const { return m_msgCur; }

protected:
    MSG m_msgCur = {};
};

// The calling thread's CWinThread (the application object on the main
// thread).
CWinThread* AFXAPI AfxGetThread();
// The current thread's pre-translation of pMsg (modal loops call it).
BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
// One turn of the current thread's pump; FALSE on WM_QUIT. pMsg, when
// given, receives the message handled (WM_QUIT's code in its wParam).
BOOL AFXAPI AfxPumpMessage(MSG* pMsg = nullptr);
// Runs the thread's idle processing to its end now, as when the message
// queue runs empty: command-UI update, then freeing of temporary wrappers.
void AFXAPI AfxIdleUpdateNow();
