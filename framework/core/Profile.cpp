#include "framework/core/Profile.h"

#include <stdlib.h>
#include <string.h>
#include <vector>

namespace {

bool IsEmptyName(LPCSTR psz)
{
    return !psz || !*psz;
}

// The key is closed when the holder goes out of scope.
class CRegKeyHolder
{
public:
    explicit CRegKeyHolder(HKEY hKey) : m_hKey(hKey) {}
    ~CRegKeyHolder() { if (m_hKey) ::RegCloseKey(m_hKey); }
    CRegKeyHolder(const CRegKeyHolder&) = delete;
    CRegKeyHolder& operator=(const CRegKeyHolder&) = delete;
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey;
};

HKEY CreateKey(const CString& path)
{
    HKEY hKey = nullptr;
    DWORD dwDisposition;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &hKey, &dwDisposition) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

HKEY OpenKey(const CString& path, REGSAM access)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, access, &hKey) != ERROR_SUCCESS)
        return nullptr;
    return hKey;
}

const char kFirstLetter = 'A';

// Binary values of INI mode: two letters a byte, low four bits first.
CString BytesToLetters(const BYTE* pData, UINT nBytes)
{
    CString text;
    LPSTR p = text.GetBufferSetLength(static_cast<int>(nBytes * 2));
    for (UINT i = 0; i < nBytes; ++i) {
        p[2 * i] = static_cast<char>(kFirstLetter + (pData[i] & 0x0F));
        p[2 * i + 1] = static_cast<char>(kFirstLetter + ((pData[i] >> 4) & 0x0F));
    }
    return text;
}

bool LettersToBytes(const CString& text, std::vector<BYTE>& bytes)
{
    int nLength = text.GetLength();
    if (nLength % 2 != 0)
        return false;
    LPCSTR p = text;
    bytes.resize(static_cast<size_t>(nLength / 2));
    for (int i = 0; i < nLength; ++i) {
        int nibble = p[i] - kFirstLetter;
        if (nibble < 0 || nibble > 15)
            return false;
        if (i % 2 == 0)
            bytes[i / 2] = static_cast<BYTE>(nibble);
        else
            bytes[i / 2] |= static_cast<BYTE>(nibble << 4);
    }
    return true;
}

} // namespace

void CAppProfile::SetRegistryKey(LPCSTR company)
{
    m_strCompany = company;
}

void CAppProfile::SetProfileName(LPCSTR app)
{
    m_strApp = app;
}

void CAppProfile::SetIniPath(LPCSTR path)
{
    m_strIniPath = path;
}

BOOL CAppProfile::UsesRegistry() const
{
    return !m_strCompany.IsEmpty();
}

CString CAppProfile::GetIniPath() const
{
    if (!m_strIniPath.IsEmpty() || m_strApp.IsEmpty())
        return m_strIniPath;
    return m_strApp + ".INI";
}

CString CAppProfile::GetAppKeyPath() const
{
    return "Software\\" + m_strCompany + "\\" + m_strApp;
}

HKEY CAppProfile::GetAppRegistryKey() const
{
    if (!UsesRegistry() || m_strApp.IsEmpty())
        return nullptr;
    return CreateKey(GetAppKeyPath());
}

HKEY CAppProfile::GetSectionKey(LPCSTR section) const
{
    if (!UsesRegistry() || m_strApp.IsEmpty() || IsEmptyName(section))
        return nullptr;
    return CreateKey(GetAppKeyPath() + "\\" + section);
}

HKEY CAppProfile::OpenSectionForRead(LPCSTR section) const
{
    if (!UsesRegistry() || m_strApp.IsEmpty() || IsEmptyName(section))
        return nullptr;
    return OpenKey(GetAppKeyPath() + "\\" + section, KEY_READ);
}

BOOL CAppProfile::QueryValue(LPCSTR section, LPCSTR entry, DWORD dwType, std::string& data) const
{
    if (IsEmptyName(entry))
        return FALSE;
    CRegKeyHolder key(OpenSectionForRead(section));
    if (!key.Get())
        return FALSE;
    // The value may grow between the size query and the read: ask again.
    for (;;) {
        DWORD dwFound = REG_NONE, dwSize = 0;
        if (::RegQueryValueExA(key.Get(), entry, nullptr, &dwFound, nullptr, &dwSize) != ERROR_SUCCESS
            || dwFound != dwType)
            return FALSE;
        data.assign(dwSize, '\0');
        LONG lResult = ::RegQueryValueExA(key.Get(), entry, nullptr, &dwFound,
                                          reinterpret_cast<LPBYTE>(&data[0]), &dwSize);
        if (lResult == ERROR_MORE_DATA)
            continue;
        if (lResult != ERROR_SUCCESS || dwFound != dwType)
            return FALSE;
        data.resize(dwSize);
        return TRUE;
    }
}

CString CAppProfile::GetIniString(LPCSTR section, LPCSTR entry, LPCSTR lpszDefault) const
{
    CString path = GetIniPath();
    if (IsEmptyName(section) || IsEmptyName(entry) || path.IsEmpty())
        return CString(lpszDefault);
    std::wstring sectionW = AfxAnsiToWide(section);
    std::wstring entryW = AfxAnsiToWide(entry);
    std::wstring defaultW = AfxAnsiToWide(lpszDefault ? lpszDefault : "");
    std::wstring pathW = AfxAnsiToWide(path);
    // A full buffer answers its size - 1: read again with twice the room.
    std::wstring value;
    for (DWORD nSize = 4096;; nSize *= 2) {
        value.resize(nSize);
        DWORD n = ::GetPrivateProfileStringW(sectionW.c_str(), entryW.c_str(), defaultW.c_str(),
                                             &value[0], nSize, pathW.c_str());
        if (n < nSize - 1 || nSize >= 0x20000000)
            return AfxWideToAnsi(value.data(), static_cast<int>(n));
    }
}

BOOL CAppProfile::WriteIniString(LPCSTR section, LPCSTR entry, LPCSTR lpszValue)
{
    CString path = GetIniPath();
    if (path.IsEmpty())
        return FALSE;
    std::wstring sectionW = AfxAnsiToWide(section);
    std::wstring entryW = AfxAnsiToWide(entry);
    std::wstring valueW = AfxAnsiToWide(lpszValue);
    return ::WritePrivateProfileStringW(sectionW.c_str(), entry ? entryW.c_str() : nullptr,
                                        lpszValue ? valueW.c_str() : nullptr,
                                        AfxAnsiToWide(path).c_str());
}

UINT CAppProfile::GetProfileInt(LPCSTR section, LPCSTR entry, int nDefault) const
{
    if (UsesRegistry()) {
        std::string data;
        DWORD dwValue;
        if (!QueryValue(section, entry, REG_DWORD, data) || data.size() != sizeof(dwValue))
            return static_cast<UINT>(nDefault);
        memcpy(&dwValue, data.data(), sizeof(dwValue));
        return dwValue;
    }
    // Parsed here rather than by GetPrivateProfileInt, which reads negative
    // numbers as 0.
    CString text = GetIniString(section, entry, "");
    if (text.IsEmpty())
        return static_cast<UINT>(nDefault);
    return static_cast<UINT>(strtoll(text, nullptr, 10));
}

CString CAppProfile::GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR lpszDefault) const
{
    if (!UsesRegistry())
        return GetIniString(section, entry, lpszDefault);
    std::string data;
    if (!QueryValue(section, entry, REG_SZ, data))
        return CString(lpszDefault);
    // Stored strings need not carry their terminator, or may carry several.
    return CString(data.data(), static_cast<int>(strnlen(data.data(), data.size())));
}

BOOL CAppProfile::GetProfileBinary(LPCSTR section, LPCSTR entry, LPBYTE* ppData, UINT* pBytes) const
{
    ASSERT(ppData != nullptr && pBytes != nullptr);
    if (!ppData || !pBytes)
        return FALSE;
    *ppData = nullptr;
    *pBytes = 0;
    std::string data;
    if (UsesRegistry()) {
        if (!QueryValue(section, entry, REG_BINARY, data))
            return FALSE;
    } else {
        std::vector<BYTE> bytes;
        CString text = GetIniString(section, entry, "");
        if (text.IsEmpty() || !LettersToBytes(text, bytes))
            return FALSE;
        data.assign(bytes.begin(), bytes.end());
    }
    *pBytes = static_cast<UINT>(data.size());
    *ppData = new BYTE[data.size()];
    memcpy(*ppData, data.data(), data.size());
    return TRUE;
}

BOOL CAppProfile::WriteProfileInt(LPCSTR section, LPCSTR entry, int nValue)
{
    if (IsEmptyName(section) || IsEmptyName(entry))
        return FALSE;
    if (UsesRegistry()) {
        CRegKeyHolder key(GetSectionKey(section));
        DWORD dwValue = static_cast<DWORD>(nValue);
        return key.Get()
            && ::RegSetValueExA(key.Get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                                sizeof(dwValue)) == ERROR_SUCCESS;
    }
    CString text;
    text.Format("%d", nValue);
    return WriteProfileString(section, entry, text);
}

BOOL CAppProfile::WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR lpszValue)
{
    if (IsEmptyName(section))
        return FALSE;
    if (!UsesRegistry())
        return WriteIniString(section, entry, lpszValue);
    if (m_strApp.IsEmpty())
        return FALSE;
    if (!entry) {
        CRegKeyHolder appKey(OpenKey(GetAppKeyPath(), KEY_READ | KEY_WRITE));
        if (!appKey.Get())
            return TRUE;
        LONG lResult = DelRegTree(appKey.Get(), section);
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    if (!lpszValue) {
        CRegKeyHolder key(OpenKey(GetAppKeyPath() + "\\" + section, KEY_READ | KEY_WRITE));
        if (!key.Get())
            return TRUE;
        LONG lResult = ::RegDeleteValueA(key.Get(), entry);
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    CRegKeyHolder key(GetSectionKey(section));
    return key.Get()
        && ::RegSetValueExA(key.Get(), entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                            static_cast<DWORD>(strlen(lpszValue) + 1)) == ERROR_SUCCESS;
}

BOOL CAppProfile::WriteProfileBinary(LPCSTR section, LPCSTR entry, LPBYTE pData, UINT nBytes)
{
    if (IsEmptyName(section) || IsEmptyName(entry) || (!pData && nBytes > 0))
        return FALSE;
    if (!UsesRegistry())
        return WriteProfileString(section, entry, BytesToLetters(pData, nBytes));
    CRegKeyHolder key(GetSectionKey(section));
    return key.Get()
        && ::RegSetValueExA(key.Get(), entry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}

LONG CAppProfile::DelRegTree(HKEY hParent, LPCSTR lpszKey)
{
    if (!hParent || IsEmptyName(lpszKey))
        return ERROR_INVALID_PARAMETER;
    HKEY hKey = nullptr;
    LONG lResult = ::RegOpenKeyExA(hParent, lpszKey, 0, KEY_READ | KEY_WRITE, &hKey);
    if (lResult != ERROR_SUCCESS)
        return lResult;
    {
        CRegKeyHolder key(hKey);
        // Always the first sub-key: each one is gone once deleted.
        char szSubKey[256];
        for (;;) {
            DWORD nLength = sizeof(szSubKey);
            lResult = ::RegEnumKeyExA(hKey, 0, szSubKey, &nLength, nullptr, nullptr, nullptr, nullptr);
            if (lResult == ERROR_NO_MORE_ITEMS)
                break;
            if (lResult != ERROR_SUCCESS)
                return lResult;
            lResult = DelRegTree(hKey, szSubKey);
            if (lResult != ERROR_SUCCESS)
                return lResult;
        }
    }
    return ::RegDeleteKeyA(hParent, lpszKey);
}
