#include "app/SoundEvents.h"

#include "app/Settings.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinApp.h"
#include "toolkit/commandbars/MenuSoundLibrary.h"

#include <mmsystem.h>

#include <vector>

namespace
{
bool s_bSoundsOn = true;

// Closes a registry key when it goes out of scope.
class CRegKey
{
public:
    CRegKey() = default;
    ~CRegKey()
    {
        if (m_hKey)
            ::RegCloseKey(m_hKey);
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    BOOL Open(HKEY hParent, LPCSTR lpszName)
    {
        return ::RegOpenKeyExA(hParent, lpszName, 0, KEY_READ, &m_hKey) == ERROR_SUCCESS;
    }

    // A string value of any length, terminated; FALSE when it is missing or
    // no string. Expandable strings come back expanded.
    BOOL QueryString(LPCSTR lpszValue, CString& strValue) const
    {
        DWORD dwType = 0;
        DWORD cbData = 0;
        if (::RegQueryValueExA(m_hKey, lpszValue, nullptr, &dwType, nullptr, &cbData) != ERROR_SUCCESS
            || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
            return FALSE;
        std::vector<char> buffer(cbData + 1, '\0');
        if (::RegQueryValueExA(m_hKey, lpszValue, nullptr, &dwType,
                               reinterpret_cast<LPBYTE>(buffer.data()), &cbData) != ERROR_SUCCESS)
            return FALSE;
        buffer[cbData] = '\0';
        strValue = buffer.data();
        if (dwType == REG_EXPAND_SZ)
        {
            const DWORD cchExpanded = ::ExpandEnvironmentStringsA(buffer.data(), nullptr, 0);
            std::vector<char> expanded(cchExpanded + 1, '\0');
            if (cchExpanded && ::ExpandEnvironmentStringsA(buffer.data(), expanded.data(), cchExpanded))
                strValue = expanded.data();
        }
        return TRUE;
    }

    // The size in bytes of a value, 0 when it is missing.
    DWORD QuerySize(LPCSTR lpszValue) const
    {
        DWORD cbData = 0;
        if (::RegQueryValueExA(m_hKey, lpszValue, nullptr, nullptr, nullptr, &cbData) != ERROR_SUCCESS)
            return 0;
        return cbData;
    }

private:
    HKEY m_hKey = nullptr;
};

// Settings\Audio, read straight from the application's settings key: TRUE
// unless it exists and is anything but "1".
BOOL IsAudioOn()
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp->m_pszRegistryKey || !*pApp->m_pszRegistryKey)
        return QivSettings::Get(QivSettings::Audio) == "1";
    CString strKey;
    strKey.Format("Software\\%s\\%s\\settings", pApp->m_pszRegistryKey, pApp->m_pszProfileName);
    CRegKey key;
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
    CRegKey key;
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
