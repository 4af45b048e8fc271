#include "TestProfile.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinApp.h"

#include <shlwapi.h>

namespace {

const char kCompany[] = "QivnotesTests";

} // namespace

CTestProfileScope::CTestProfileScope()
    : m_pOwnApp(nullptr)
{
    m_strAppName.Format("Toolkit-%lu", ::GetCurrentProcessId());
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        pApp = m_pOwnApp = new CWinApp(m_strAppName);
    m_pszOldAppName = pApp->m_pszAppName;
    m_pszOldRegistryKey = pApp->m_pszRegistryKey;
    m_pszOldProfileName = pApp->m_pszProfileName;
    pApp->m_pszAppName = m_strAppName;
    pApp->m_pszRegistryKey = kCompany;
    pApp->m_pszProfileName = m_strAppName;
    ::SHDeleteKeyA(HKEY_CURRENT_USER, AppKeyPath());
}

CTestProfileScope::~CTestProfileScope()
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, AppKeyPath());
    CWinApp* pApp = AfxGetApp();
    if (pApp)
    {
        pApp->m_pszAppName = m_pszOldAppName;
        pApp->m_pszRegistryKey = m_pszOldRegistryKey;
        pApp->m_pszProfileName = m_pszOldProfileName;
    }
    delete m_pOwnApp;
}

CString CTestProfileScope::AppKeyPath() const
{
    return CString("Software\\") + kCompany + "\\" + m_strAppName;
}

CTestProfileScope::RawValue CTestProfileScope::Read(LPCSTR lpszSection, LPCSTR lpszEntry) const
{
    RawValue value;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, AppKeyPath() + "\\" + lpszSection, 0, KEY_READ, &hKey)
        != ERROR_SUCCESS)
        return value;
    DWORD nSize = 0;
    if (::RegQueryValueExA(hKey, lpszEntry, nullptr, &value.dwType, nullptr, &nSize)
        == ERROR_SUCCESS)
    {
        value.data.resize(nSize);
        ::RegQueryValueExA(hKey, lpszEntry, nullptr, &value.dwType,
                           nSize ? reinterpret_cast<BYTE*>(&value.data[0]) : nullptr, &nSize);
        value.data.resize(nSize);
        value.bExists = true;
    }
    ::RegCloseKey(hKey);
    return value;
}

bool CTestProfileScope::Write(LPCSTR lpszSection, LPCSTR lpszEntry, DWORD dwType,
                              const std::string& data)
{
    HKEY hKey = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, AppKeyPath() + "\\" + lpszSection, 0, nullptr, 0,
                          KEY_WRITE, nullptr, &hKey, nullptr)
        != ERROR_SUCCESS)
        return false;
    static const BYTE empty = 0;
    LONG lResult = ::RegSetValueExA(
        hKey, lpszEntry, 0, dwType,
        data.empty() ? &empty : reinterpret_cast<const BYTE*>(data.data()),
        static_cast<DWORD>(data.size()));
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

bool CTestProfileScope::SectionExists(LPCSTR lpszSection) const
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, AppKeyPath() + "\\" + lpszSection, 0, KEY_READ, &hKey)
        != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}
