#include "uninstall/UninstallEntry.h"

#include <vector>

namespace {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qivnotes 2000";
const char kUninstallValue[] = "UninstallString";

// Closes the key when it goes out of scope.
class CUninstallKey
{
public:
    CUninstallKey(HKEY hParent, LPCSTR lpszKey)
    {
        if (::RegOpenKeyExA(hParent, lpszKey, 0, KEY_READ, &m_hKey) != ERROR_SUCCESS)
            m_hKey = nullptr;
    }
    ~CUninstallKey()
    {
        if (m_hKey)
            ::RegCloseKey(m_hKey);
    }
    CUninstallKey(const CUninstallKey&) = delete;
    CUninstallKey& operator=(const CUninstallKey&) = delete;

    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
};

} // namespace

BOOL ReadUninstallString(HKEY hMachine, CString& strValue)
{
    CUninstallKey key(hMachine, kUninstallKey);
    if (!key.Get())
        return FALSE;
    // The value may grow between the two calls; ask again until it fits.
    std::vector<char> data;
    for (;;) {
        DWORD dwType = 0;
        DWORD cbData = static_cast<DWORD>(data.size());
        LONG lResult = ::RegQueryValueExA(key.Get(), kUninstallValue, nullptr, &dwType,
                                          data.empty() ? nullptr : reinterpret_cast<LPBYTE>(data.data()),
                                          &cbData);
        if (lResult == ERROR_MORE_DATA || (lResult == ERROR_SUCCESS && data.size() < cbData)) {
            data.resize(cbData);
            continue;
        }
        if (lResult != ERROR_SUCCESS || dwType != REG_SZ)
            return FALSE;
        data.resize(cbData);
        break;
    }
    // A stored value need not end with its zero.
    size_t nLength = 0;
    while (nLength < data.size() && data[nLength] != '\0')
        ++nLength;
    strValue = CString(data.data(), static_cast<int>(nLength));
    return TRUE;
}

BOOL InstallFolderFromUninstallString(const CString& strValue, CString& strFolder)
{
    int nLast = strValue.ReverseFind('\\');
    if (nLast < 1)
        return FALSE;
    strFolder = strValue.Left(nLast + 1);
    return TRUE;
}

void DeleteUninstallEntry(HKEY hMachine)
{
    ::RegDeleteKeyA(hMachine, kUninstallKey);
}
