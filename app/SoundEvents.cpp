#include "app/SoundEvents.h"

#include "app/RegistryKey.h"
#include "app/Settings.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinApp.h"
#include "toolkit/commandbars/MenuSoundLibrary.h"

#include <mmsystem.h>

namespace
{
bool s_bSoundsOn = true;

// Settings\Audio, read straight from the application's settings key: TRUE
// unless it exists and is anything but "1".
BOOL IsAudioOn()
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp->m_pszRegistryKey || !*pApp->m_pszRegistryKey)
        return QivSettings::Get(QivSettings::Audio) == "1";
    CString strKey;
    strKey.Format("Software\\%s\\%s\\settings", pApp->m_pszRegistryKey, pApp->m_pszProfileName);
    CQivRegKey key;
    CString strAudio;
    if (key.Open(HKEY_CURRENT_USER, strKey) && key.QueryString("Audio", strAudio))
        return strAudio == "1";
    return TRUE;
}

MenuSoundLibrary& SoundLibrary()
{
    static MenuSoundLibrary s_library;
    return s_library;
}
}

void PlaySoundEvent(LPCSTR lpszEvent)
{
    if (!s_bSoundsOn || !IsAudioOn())
        return;
    CString strKey;
    strKey.Format("AppEvents\\Schemes\\Apps\\Office97\\Office97-%s\\.current", lpszEvent);
    CQivRegKey key;
    if (!key.Open(HKEY_CURRENT_USER, strKey))
    {
        s_bSoundsOn = false;
        return;
    }
    CString strFile;
    if (key.QuerySize(nullptr) < 2 || !key.QueryString(nullptr, strFile) || strFile.IsEmpty())
        return;
    const DWORD fdwSound = SND_FILENAME | SND_NODEFAULT | SND_ASYNC;
    int nIgnored = 0;
    if (CSoundEventSeam::Answer({lpszEvent, strFile, fdwSound}, &nIgnored))
        return;
    SoundLibrary().Play(strFile, fdwSound);
}

bool AreSoundEventsOn()
{
    return s_bSoundsOn;
}

void SetSoundEventsOn(bool bOn)
{
    s_bSoundsOn = bOn;
}

CQuietSoundEvents::CQuietSoundEvents()
    : m_bWasOn(s_bSoundsOn)
{
    s_bSoundsOn = false;
}

CQuietSoundEvents::~CQuietSoundEvents()
{
    s_bSoundsOn = m_bWasOn;
}
