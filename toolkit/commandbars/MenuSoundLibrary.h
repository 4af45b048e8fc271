// The sound entry of the multimedia library, bound by name. The library is
// loaded only when a menu sound is first wanted, so a program that never
// opens a menu never loads it, and a system without it (or with a library
// that lacks the entry) simply stays silent.
#pragma once

#include "framework/core/AfxWin.h"
#include "framework/core/String.h"

class MenuSoundLibrary
{
public:
    // The signature of the library's PlaySoundA.
    typedef BOOL(WINAPI* PlaySoundProc)(LPCSTR pszSound, HMODULE hModule, DWORD fdwSound);

    // "WINMM.DLL" and its "PlaySoundA".
    MenuSoundLibrary();
    MenuSoundLibrary(LPCSTR pszModule, LPCSTR pszEntry);
    ~MenuSoundLibrary();
    MenuSoundLibrary(const MenuSoundLibrary&) = delete;
    MenuSoundLibrary& operator=(const MenuSoundLibrary&) = delete;

    // The bound entry, or null when the module or the entry is missing. The
    // first call loads the module; a failed load is not retried.
    PlaySoundProc GetPlaySound();
    // Plays through the bound entry; FALSE when there is none.
    BOOL Play(LPCSTR pszSound, DWORD fdwSound);

private:
    CString m_strModule;
    CString m_strEntry;
    BOOL m_bBound;
    HMODULE m_hModule;
    PlaySoundProc m_pfnPlaySound;
};
