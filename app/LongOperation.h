// CLongOperation: the feedback of a long walk (the search): the wait
// cursor, a message in the status bar and a progress bar in the status
// bar's first pane, right of the message.
#pragma once

#include "framework/core/Object.h"
#include "framework/core/String.h"

class CWnd;

class CLongOperation : public CObject
{
public:
    CLongOperation() = default;
    ~CLongOperation() override;
    CLongOperation(const CLongOperation&) = delete;
    CLongOperation& operator=(const CLongOperation&) = delete;

    // Shown in the status bar while the operation runs.
    CString m_strMessage;

    // Shows the message and the wait cursor (ending a running operation first).
    void Begin();
    // Moves the progress bar to nPosition (0..100), making it in the main
    // window's status bar on first use; a negative position only keeps the
    // operation running. With bUseGivenWindow the bar must exist already.
    void SetProgress(int nPosition, BOOL bUseGivenWindow);
    // Makes the progress bar in the first pane of pHost, or of the main
    // window's status bar when bUseGivenWindow is FALSE: right of the
    // message, at most 164 pixels wide, 12 high; none when less than 20
    // pixels are left. TRUE when a bar was made.
    BOOL CreateProgressBar(BOOL bUseGivenWindow, CWnd* pHost);
    // Removes the bar (always with bDestroyBar, else only while running),
    // shows the idle message and ends the wait cursor.
    void End(BOOL bDestroyBar);

    BOOL IsActive() const { return m_bActive; }
    HWND GetProgressBar() const { return m_hProgressBar; }

private:
    void DestroyBar();
    void ShowIdleMessage();

    BOOL m_bActive = FALSE;
    HWND m_hProgressBar = nullptr;
};
