// The menu sounds of the command bars ("MenuPopup" when a popup opens,
// "MenuCommand" when a menu command runs), played on a worker thread of their
// own so that the user-interface thread never waits on the sound device.
//
// The user-interface thread stores the wanted sound in one shared word and
// wakes the worker; the worker takes the word (leaving 0) before it plays, so
// a burst of requests collapses into the newest one, and a request made while
// a sound plays is played after it instead of being lost.
#pragma once

#include "framework/core/AfxWin.h"
#include "toolkit/commandbars/MenuSoundLibrary.h"

#include <atomic>

class MenuSoundPlayer
{
public:
    enum
    {
        soundNone = 0,
        soundCommand = 1, // "MenuCommand"
        soundPopup = 2,   // "MenuPopup"
    };
    typedef MenuSoundLibrary::PlaySoundProc PlaySoundProc;

    MenuSoundPlayer();
    // Stops the worker.
    ~MenuSoundPlayer();
    MenuSoundPlayer(const MenuSoundPlayer&) = delete;
    MenuSoundPlayer& operator=(const MenuSoundPlayer&) = delete;

    // Starts the worker when none runs, then asks it for the sound. Kinds
    // other than soundCommand and soundPopup are ignored.
    void Request(int nKind);
    // Loads the sound library and starts the worker, below normal priority.
    // When the thread cannot be made nothing runs and the next request tries
    // again.
    void Start();
    // Ends the worker: it finishes the sound it plays, purges the sound
    // device and ends; one still running after a second is terminated.
    // FALSE when no worker ran.
    BOOL Stop();
    BOOL IsWorkerRunning() const;

    // Replaces the library's sound call (null restores it), so that tests can
    // watch the sounds asked for. Each sound reads the current setting.
    void SetPlaySoundProc(PlaySoundProc pfnPlaySound);

private:
    static DWORD WINAPI WorkerProc(LPVOID pParam);
    void RunWorker();
    BOOL PlayNamed(LPCSTR pszSound, DWORD fdwSound);

    std::atomic<int> m_nRequest;
    HANDLE m_hThread;
    std::atomic<int> m_bStop;
    HANDLE m_hWakeEvent;
    std::atomic<PlaySoundProc> m_pfnPlaySound;
    MenuSoundLibrary m_library;
};

// The process-wide player, made on first use and stopped at exit.
MenuSoundPlayer& GetMenuSoundPlayer();
