#include "setup/InstallThread.h"

CInstallThread::~CInstallThread()
{
    CancelAndWait();
}

void CInstallThread::Start(const CInstallPlaces& places, const CInstallChoices& choices,
                           HWND hWndNotify, UINT nMessage)
{
    m_hWndNotify = hWndNotify;
    m_nMessage = nMessage;
    m_thread = std::thread([this, places, choices] {
        CString strText;
        RunInstall(places, choices, strText, this);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_snapshot.bFinished = TRUE;
        Changed();
    });
}

CInstallThread::CSnapshot CInstallThread::Snapshot()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bNotified = FALSE;
    return m_snapshot;
}

BOOL CInstallThread::IsRunning()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return IsStarted() && !m_snapshot.bFinished;
}

void CInstallThread::AnswerRetry(BOOL bRetry)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nAnswer = bRetry ? TRUE : FALSE;
    m_wake.notify_all();
}

void CInstallThread::Pause()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bPaused = TRUE;
}

void CInstallThread::Resume()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bPaused = FALSE;
    m_wake.notify_all();
}

void CInstallThread::CancelAndWait()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bCancelled = TRUE;
        m_wake.notify_all();
    }
    // The run only posts to the page, never sends, so waiting here can't
    // hold it up.
    if (m_thread.joinable())
        m_thread.join();
}

void CInstallThread::Changed()
{
    if (m_bNotified || !m_hWndNotify)
        return;
    m_bNotified = TRUE;
    ::PostMessageA(m_hWndNotify, m_nMessage, 0, 0);
}

void CInstallThread::Begin(int nSteps)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_snapshot.nRange = nSteps;
    m_snapshot.nSteps = 0;
    Changed();
}

void CInstallThread::ShowStatus(LPCSTR lpszText)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_snapshot.strStatus = lpszText;
    Changed();
}

void CInstallThread::Step()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_snapshot.nSteps;
    Changed();
}

void CInstallThread::End()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_snapshot.bEnded = TRUE;
    Changed();
}

BOOL CInstallThread::GoOn()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wake.wait(lock, [this] { return m_bCancelled || !m_bPaused; });
    return !m_bCancelled;
}

BOOL CInstallThread::RetryCopy(LPCSTR lpszName, const CString& strTo, DWORD dwError)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    ++m_snapshot.nQuestion;
    m_snapshot.bAsking = TRUE;
    m_snapshot.strFailedName = lpszName;
    m_snapshot.strFailedPath = strTo;
    m_snapshot.dwFailedError = dwError;
    m_nAnswer = -1;
    Changed();
    m_wake.wait(lock, [this] { return m_bCancelled || m_nAnswer != -1; });
    m_snapshot.bAsking = FALSE;
    return !m_bCancelled && m_nAnswer == TRUE;
}
