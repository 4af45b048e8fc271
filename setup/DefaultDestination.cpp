#include "setup/DefaultDestination.h"

#include <cctype>
#include <vector>

namespace {

CString ReadString(HKEY hKey, LPCSTR lpszName)
{
    DWORD dwType = 0;
    DWORD cb = 0;
    if (::RegQueryValueExA(hKey, lpszName, nullptr, &dwType, nullptr, &cb) != ERROR_SUCCESS
        || (dwType != REG_SZ && dwType != REG_EXPAND_SZ) || cb == 0)
        return CString();
    std::vector<char> buffer(cb + 1, '\0');
    if (::RegQueryValueExA(hKey, lpszName, nullptr, nullptr,
                           reinterpret_cast<BYTE*>(buffer.data()), &cb) != ERROR_SUCCESS)
        return CString();
    return CString(buffer.data());
}

CString ProgramFilesFolder(HKEY hMachine)
{
    HKEY hKey = nullptr;
    if (!hMachine || ::RegOpenKeyExA(hMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0,
                                     KEY_READ, &hKey) != ERROR_SUCCESS)
        return CString();
    CString strFolder = ReadString(hKey, "ProgramFilesDir");
    if (strFolder.IsEmpty())
        strFolder = ReadString(hKey, "ProgramFilesPath");
    ::RegCloseKey(hKey);
    return strFolder;
}

} // namespace

CString DefaultDestinationFolder(HKEY hMachine, LPCSTR lpszWindowsFolder)
{
    CString strFolder = ProgramFilesFolder(hMachine);
    if (strFolder.IsEmpty()) {
        const CString strWindows(lpszWindowsFolder ? lpszWindowsFolder : "");
        if (strWindows.GetLength() >= 3 && isalpha(static_cast<unsigned char>(strWindows[0]))
            && strWindows[1] == ':' && strWindows[2] == '\\')
            strFolder = strWindows.Left(1) + ":\\Programme";
        else
            strFolder = "C:\\Programme";
    }
    if (strFolder[strFolder.GetLength() - 1] != '\\')
        strFolder += '\\';
    return strFolder + "Qivnotes";
}

CString DefaultDestinationFolder()
{
    const UINT nLength = ::GetWindowsDirectoryA(nullptr, 0);
    std::vector<char> buffer(nLength + 1, '\0');
    ::GetWindowsDirectoryA(buffer.data(), nLength + 1);
    return DefaultDestinationFolder(HKEY_LOCAL_MACHINE, buffer.data());
}
