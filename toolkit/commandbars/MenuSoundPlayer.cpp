#include "toolkit/commandbars/MenuSoundPlayer.h"

#include <mmsystem.h>

namespace {

// How long Stop waits for the worker before it ends it by force.
const DWORD kStopWaitMs = 1000;

} // namespace

MenuSoundPlayer::MenuSoundPlayer()
    : m_nRequest(soundNone)
    , m_hThread(nullptr)
    , m_bStop(0)
    , m_hWakeEvent(nullptr)
    , m_pfnPlaySound(nullptr)
{
}

MenuSoundPlayer::~MenuSoundPlayer()
{
    Stop();
}

void MenuSoundPlayer::Request(int nKind)
{
    if (nKind != soundCommand && nKind != soundPopup)
        return;
    if (!m_hThread)
        Start();
    if (!m_hThread)
        return;
    m_nRequest.store(nKind);
    ::SetEvent(m_hWakeEvent);
}

void MenuSoundPlayer::Start()
{
    if (m_hThread)
        return;
    m_nRequest.store(soundNone);
    m_bStop.store(0);
    // Bound here, on the calling thread, so the worker never runs the loader
    // and can't be terminated while it holds the loader's lock.
    m_library.GetPlaySound();

    m_hWakeEvent = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (!m_hWakeEvent)
        return;
    DWORD dwThreadId = 0;
    m_hThread = ::CreateThread(nullptr, 0, &WorkerProc, this, CREATE_SUSPENDED, &dwThreadId);
    if (!m_hThread)
    {
        ::CloseHandle(m_hWakeEvent);
        m_hWakeEvent = nullptr;
        return;
    }
    ::SetThreadPriority(m_hThread, THREAD_PRIORITY_BELOW_NORMAL);
    ::ResumeThread(m_hThread);
}

BOOL MenuSoundPlayer::Stop()
{
    if (!m_hThread)
        return FALSE;
    m_bStop.store(1);
    ::SetEvent(m_hWakeEvent);
    if (::WaitForSingleObject(m_hThread, kStopWaitMs) != WAIT_OBJECT_0)
    {
        // Stuck in the sound device: end it, and only then free what it uses.
        ::TerminateThread(m_hThread, 0);
        ::WaitForSingleObject(m_hThread, INFINITE);
    }
    ::CloseHandle(m_hThread);
    m_hThread = nullptr;
    ::CloseHandle(m_hWakeEvent);
    m_hWakeEvent = nullptr;
    return TRUE;
}

BOOL MenuSoundPlayer::IsWorkerRunning() const
{
    return m_hThread != nullptr;
}

void MenuSoundPlayer::SetPlaySoundProc(PlaySoundProc pfnPlaySound)
{
    m_pfnPlaySound.store(pfnPlaySound);
}

DWORD WINAPI MenuSoundPlayer::WorkerProc(LPVOID pParam)
{
    static_cast<MenuSoundPlayer*>(pParam)->RunWorker();
    return 0;
}

void MenuSoundPlayer::RunWorker()
{
    const DWORD fdwMenuSound = SND_ALIAS | SND_NODEFAULT | SND_NOWAIT;
    for (;;)
    {
        ::WaitForSingleObject(m_hWakeEvent, INFINITE);
        if (m_bStop.load())
            break;
        // Taken before playing: a request made during the sound stays for
        // the next round.
        int nKind = m_nRequest.exchange(soundNone);
        if (nKind == soundCommand)
            PlayNamed("MenuCommand", fdwMenuSound);
        else if (nKind == soundPopup)
            PlayNamed("MenuPopup", fdwMenuSound);
    }
    PlayNamed(nullptr, SND_PURGE);
}

BOOL MenuSoundPlayer::PlayNamed(LPCSTR pszSound, DWORD fdwSound)
{
    PlaySoundProc pfnPlaySound = m_pfnPlaySound.load();
    if (pfnPlaySound)
        return pfnPlaySound(pszSound, nullptr, fdwSound);
    return m_library.Play(pszSound, fdwSound);
}

MenuSoundPlayer& GetMenuSoundPlayer()
{
    static MenuSoundPlayer s_player;
    return s_player;
}
