// The message loop of a modal window that the framework runs itself
// (dialogs, property sheets), in place of the system's dialog loop: every
// message goes through the thread's pre-translation walk (so the dialog's
// IsDialogMessage, tooltips and the program's own filters see it), and
// WM_KICKIDLE (wParam MSGF_DIALOGBOX, lParam the idle count) goes to the
// window whenever the queue runs empty, for as long as the window answers
// it with a non-zero result.
#pragma once

#include "framework/core/AfxWin.h"

class CWnd;

class CModalLoop
{
public:
    CModalLoop() = default;

    // Marks the loop as wanted before the window exists, so that an End
    // during the window's creation (OnInitDialog) is not lost.
    void Begin();
    // Pumps messages until End is called and returns its result. A hidden
    // window is shown at the first idle moment when bShowOnIdle is set.
    // WM_QUIT ends the loop with -1 and is posted again for the outer loop.
    int Run(CWnd* pWnd, BOOL bShowOnIdle = TRUE);
    // Handles the messages queued now without waiting for more, then gives
    // the window one WM_KICKIDLE. FALSE when WM_QUIT arrived.
    BOOL RunPending(CWnd* pWnd);
    // Ends the loop with nResult (also before Run starts).
    void End(CWnd* pWnd, int nResult);
    // TRUE from Begin until End.
    BOOL IsContinuing() const { return m_bContinue; }
    int GetResult() const { return m_nResult; }

    CModalLoop(const CModalLoop&) = delete;
    CModalLoop& operator=(const CModalLoop&) = delete;

private:
    // WM_QUIT arrived: end with -1 and leave the quit to the outer loop.
    void Quit(int nExitCode);

    BOOL m_bContinue = FALSE;
    int m_nResult = -1;
};
