#include "setup/SetupRegistry.h"

namespace {

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

    BOOL Create(HKEY hParent, LPCSTR lpszKey)
    {
        return hParent && ::RegCreateKeyExA(hParent, lpszKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                            KEY_WRITE, nullptr, &m_hKey, nullptr) == ERROR_SUCCESS;
    }
    BOOL Open(HKEY hParent, LPCSTR lpszKey)
    {
        return hParent && ::RegOpenKeyExA(hParent, lpszKey, 0, KEY_WRITE, &m_hKey) == ERROR_SUCCESS;
    }
    // With its terminating zero.
    void SetString(LPCSTR lpszName, const CString& strValue)
    {
        ::RegSetValueExA(m_hKey, lpszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(
                             static_cast<LPCSTR>(strValue)), strValue.GetLength() + 1);
    }
    HKEY m_hKey = nullptr;
};

const char kProgram[] = "qivnotes.exe";

CString WithoutTrailingBackslash(const CString& strFolder)
{
    CString str(strFolder);
    if (!str.IsEmpty() && str[str.GetLength() - 1] == '\\')
        str = str.Left(str.GetLength() - 1);
    return str;
}

} // namespace

void WriteFileAssociation(HKEY hClasses, const CString& strFolder)
{
    CRegKey extension;
    if (extension.Create(hClasses, ".qiv"))
        extension.SetString(nullptr, "Qivnotes.Datenbank");
    CRegKey type;
    if (!type.Create(hClasses, "Qivnotes.Datenbank"))
        return;
    type.SetString(nullptr, "Qivnotes Datenbank");
    CRegKey icon;
    if (icon.Create(type.m_hKey, "DefaultIcon"))
        icon.SetString(nullptr, strFolder + kProgram + ",1");
    CRegKey shell, open, command;
    if (shell.Create(type.m_hKey, "shell") && open.Create(shell.m_hKey, "open")
        && command.Create(open.m_hKey, "command"))
        command.SetString(nullptr, strFolder + kProgram + " \"%1\"");
}

void WriteUninstallEntry(HKEY hMachine, const CString& strFolder)
{
    CRegKey uninstall, entry;
    if (!uninstall.Open(hMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall")
        || !entry.Create(uninstall.m_hKey, "Qivnotes 2000"))
        return;
    entry.SetString("DisplayName", "Qivnotes 2000");
    entry.SetString("DisplayIcon", strFolder + kProgram + ",1");
    entry.SetString("UninstallString", strFolder + "uninstall.exe");
}

void WriteAppPath(HKEY hMachine, const CString& strFolder)
{
    CRegKey appPaths, entry;
    if (!appPaths.Open(hMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths")
        || !entry.Create(appPaths.m_hKey, kProgram))
        return;
    entry.SetString("Path", WithoutTrailingBackslash(strFolder));
    entry.SetString(nullptr, strFolder + kProgram);
}
