#include "app/RegistryKey.h"

#include <vector>

CQivRegKey::~CQivRegKey()
{
    if (m_hKey)
        ::RegCloseKey(m_hKey);
}

BOOL CQivRegKey::Open(HKEY hParent, LPCSTR lpszName)
{
    if (m_hKey)
        ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return ::RegOpenKeyExA(hParent, lpszName, 0, KEY_READ, &m_hKey) == ERROR_SUCCESS;
}

BOOL CQivRegKey::QueryString(LPCSTR lpszValue, CString& strValue) const
{
    DWORD dwType = 0;
    DWORD cbData = 0;
    if (!m_hKey
        || ::RegQueryValueExA(m_hKey, lpszValue, nullptr, &dwType, nullptr, &cbData) != ERROR_SUCCESS
        || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return FALSE;
    std::vector<char> buffer(cbData + 1, '\0');
    if (::RegQueryValueExA(m_hKey, lpszValue, nullptr, &dwType, reinterpret_cast<LPBYTE>(buffer.data()),
                           &cbData) != ERROR_SUCCESS)
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

DWORD CQivRegKey::QuerySize(LPCSTR lpszValue) const
{
    DWORD cbData = 0;
    if (!m_hKey || ::RegQueryValueExA(m_hKey, lpszValue, nullptr, nullptr, nullptr, &cbData) != ERROR_SUCCESS)
        return 0;
    return cbData;
}
