#include "toolkit/commandbars/MenuSoundLibrary.h"

MenuSoundLibrary::MenuSoundLibrary()
    : MenuSoundLibrary("WINMM.DLL", "PlaySoundA")
{
}

MenuSoundLibrary::MenuSoundLibrary(LPCSTR pszModule, LPCSTR pszEntry)
    : m_strModule(pszModule)
    , m_strEntry(pszEntry)
    , m_bBound(FALSE)
    , m_hModule(nullptr)
    , m_pfnPlaySound(nullptr)
{
}

MenuSoundLibrary::~MenuSoundLibrary()
{
    if (m_hModule)
        ::FreeLibrary(m_hModule);
}

MenuSoundLibrary::PlaySoundProc MenuSoundLibrary::GetPlaySound()
{
    if (m_bBound)
        return m_pfnPlaySound;
    m_bBound = TRUE;

    m_hModule = ::LoadLibraryA(m_strModule);
    if (!m_hModule)
        return nullptr;
    m_pfnPlaySound = reinterpret_cast<PlaySoundProc>(
        reinterpret_cast<void*>(::GetProcAddress(m_hModule, m_strEntry)));
    if (!m_pfnPlaySound)
    {
        // Without the entry the module is of no use: do not keep it loaded.
        ::FreeLibrary(m_hModule);
        m_hModule = nullptr;
    }
    return m_pfnPlaySound;
}

BOOL MenuSoundLibrary::Play(LPCSTR pszSound, DWORD fdwSound)
{
    PlaySoundProc pfnPlaySound = GetPlaySound();
    return pfnPlaySound ? pfnPlaySound(pszSound, nullptr, fdwSound) : FALSE;
}
