// The real install run on a thread of its own, so that the wizard keeps
// answering while large files are copied. The thread never touches a window
// object: it keeps what it has to show in a snapshot and posts a message to
// the page, which reads the snapshot and answers the run's questions.
#pragma once

#include "setup/InstallRoutine.h"

#include <condition_variable>
#include <mutex>
#include <thread>

class CInstallThread : private CInstallProgress
{
public:
    // What the page shows and what the run waits for.
    struct CSnapshot
    {
        int nRange = 0;
        int nSteps = 0;
        CString strStatus;
        BOOL bEnded = FALSE;       // the run completed
        BOOL bFinished = FALSE;    // the thread is done (completed or cancelled)
        int nQuestion = 0;         // counts the failed copies asked about
        BOOL bAsking = FALSE;      // the last one waits for its answer
        CString strFailedName;
        CString strFailedPath;
        DWORD dwFailedError = 0;
    };

    CInstallThread() = default;
    // A run still going is cancelled and waited for.
    ~CInstallThread();
    CInstallThread(const CInstallThread&) = delete;
    CInstallThread& operator=(const CInstallThread&) = delete;

    // Starts the run; nMessage is posted to hWndNotify whenever the snapshot
    // changed (once until the snapshot is read).
    void Start(const CInstallPlaces& places, const CInstallChoices& choices, HWND hWndNotify,
               UINT nMessage);
    BOOL IsStarted() const { return m_thread.joinable(); }
    // Started and not yet done.
    BOOL IsRunning();
    CSnapshot Snapshot();

    // The answer to the question about a failed copy.
    void AnswerRetry(BOOL bRetry);
    // Holds the run at its next step or piece of a copy until Resume.
    void Pause();
    void Resume();
    // Makes the run stop and take back what it made, and waits for it.
    void CancelAndWait();

private:
    void Begin(int nSteps) override;
    void ShowStatus(LPCSTR lpszText) override;
    void Step() override;
    void End() override;
    BOOL GoOn() override;
    BOOL RetryCopy(LPCSTR lpszName, const CString& strTo, DWORD dwError) override;

    // With the lock held: tells the page once.
    void Changed();

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    CSnapshot m_snapshot;
    BOOL m_bNotified = FALSE;
    BOOL m_bPaused = FALSE;
    BOOL m_bCancelled = FALSE;
    int m_nAnswer = -1;            // -1 none yet, else TRUE (retry) or FALSE
    HWND m_hWndNotify = nullptr;
    UINT m_nMessage = 0;
};
