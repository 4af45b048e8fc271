// The message loop of a modal window that the framework runs itself
// (dialogs, property sheets), in place of the system's dialog loop: every
// message goes through the thread's pre-translation walk (so the dialog's
// IsDialogMessage, tooltips and the program's own filters see it), and
// WM_KICKIDLE (wParam MSGF_DIALOGBOX, lParam the idle count) goes to the
// window whenever the queue runs empty, for as long as the window answers
// it with a non-zero result.
#pragma once

#include "framework/core/AfxWin.h"

#include <functional>

class CWnd;

// The owner's side of a modal run: the owner of a modal window (see
// CDialog::GetSafeOwner) and its top-level window are disabled for the run
// and get the activation back at its end.
class CModalOwner
{
public:
    explicit CModalOwner(CWnd* pParentWnd);
    ~CModalOwner();

    // The window that owns the modal window, null when there is none.
    HWND GetSafeHwnd() const { return m_hWndOwner; }
    // Ends the run of pWnd: hides it before the owner is enabled again (so
    // the owner becomes active, not some other window), enables the owner,
    // hands it the activation and destroys pWnd's window.
    void EndRun(CWnd* pWnd);

    CModalOwner(const CModalOwner&) = delete;
    CModalOwner& operator=(const CModalOwner&) = delete;

private:
    void EnableOwner();

    HWND m_hWndOwner = nullptr;
    HWND m_hWndTop = nullptr;
    BOOL m_bEnableOwner = FALSE;
};

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
    // A window the system may end by itself (a property sheet) gives
    // checkEnd, which is called before every message the loop waits for
    // and calls End once the window no longer runs.
    int Run(CWnd* pWnd, BOOL bShowOnIdle = TRUE, const std::function<void()>& checkEnd = nullptr);
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
