#include "SetupTestSupport.h"

#include "framework/core/LongPath.h"
#include "framework/core/Profile.h"

#include <gtest/gtest.h>

#include <string>

const std::vector<CString> kProductFiles = {
    "qivnotes.exe", "banner.jpg", "splash.jpg", "qivnotes.chm", "tipps.txt", "branch.gif",
    "branch_last.gif", "category_collapsed.gif", "category_expanded.gif", "entry.gif", "line.gif",
    "loading.htm", "minus.gif", "minus_last.gif", "noscript.htm", "plus.gif", "plus_last.gif",
    "space.gif", "welcome.htm", "DHTML Export Template.htm", "uninstall.exe",
};

namespace {

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE hFind = ::FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                ::DeleteFileW(path.c_str());
        } while (::FindNextFileW(hFind, &data));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryW(folder.c_str());
}

HKEY CreateKey(HKEY hRoot, LPCSTR lpszKey)
{
    HKEY hKey = nullptr;
    EXPECT_EQ(::RegCreateKeyExA(hRoot, lpszKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey, nullptr),
              ERROR_SUCCESS);
    return hKey;
}

} // namespace

CScratchInstall::CScratchInstall(int nLength)
{
    static int s_nNumber = 0;
    ++s_nNumber;
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    m_strRoot.Format("%sqivsetup-%lu-%d", szTemp, ::GetCurrentProcessId(), s_nNumber);
    MakeFolder(m_strRoot);
    for (int i = 0; m_strRoot.GetLength() < nLength; ++i) {
        m_strRoot += "\\Ein ziemlich langer Ordnername für die Einrichtung";
        MakeFolder(m_strRoot);
    }
    m_places.strSourceFolder = m_strRoot + "\\Quelle\\";
    m_places.strProgramsFolder = m_strRoot + "\\Programme im Startmenü";
    m_places.strDesktopFolder = m_strRoot + "\\Desktop";
    m_places.strDocumentsFolder = m_strRoot + "\\Eigene Dateien";
    m_strFavourites = m_strRoot + "\\Favoriten\\";
    MakeFolder(m_places.strSourceFolder);
    MakeFolder(m_places.strProgramsFolder);
    MakeFolder(m_places.strDesktopFolder);
    MakeFolder(m_places.strDocumentsFolder);
    MakeFolder(m_strFavourites);

    m_strKey.Format("Software\\QivnotesSetupTests\\%lu-%d", ::GetCurrentProcessId(), s_nNumber);
    m_places.hClasses = CreateKey(HKEY_CURRENT_USER, m_strKey + "\\Classes");
    m_places.hMachine = CreateKey(HKEY_CURRENT_USER, m_strKey + "\\Machine");
    m_hUser = CreateKey(HKEY_CURRENT_USER, m_strKey + "\\User");
}

CScratchInstall::~CScratchInstall()
{
    ::RegCloseKey(m_places.hClasses);
    ::RegCloseKey(m_places.hMachine);
    ::RegCloseKey(m_hUser);
    CAppProfile::DelRegTree(HKEY_CURRENT_USER, m_strKey);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QivnotesSetupTests");
    RemoveTree(LongPathW(m_strRoot));
}

void CScratchInstall::FillSource(const std::vector<CString>& files)
{
    for (const CString& name : files)
        WriteFileText(m_places.strSourceFolder + name, name);
}

void CScratchInstall::MakeMachineKeys()
{
    ::RegCloseKey(CreateKey(m_places.hMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"));
    ::RegCloseKey(CreateKey(m_places.hMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths"));
}

bool FileExists(const CString& strPath)
{
    const DWORD dw = ::GetFileAttributesW(LongPathW(strPath).c_str());
    return dw != INVALID_FILE_ATTRIBUTES && !(dw & FILE_ATTRIBUTE_DIRECTORY);
}

CString ReadFileText(const CString& strPath)
{
    HANDLE hFile = ::CreateFileW(LongPathW(strPath).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return CString("<none>");
    char buffer[1024] = {};
    DWORD dwRead = 0;
    ::ReadFile(hFile, buffer, sizeof(buffer) - 1, &dwRead, nullptr);
    ::CloseHandle(hFile);
    return CString(buffer, static_cast<int>(dwRead));
}

void WriteFileText(const CString& strPath, const CString& strText)
{
    HANDLE hFile = ::CreateFileW(LongPathW(strPath).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE) << static_cast<LPCSTR>(strPath);
    DWORD dwWritten = 0;
    ::WriteFile(hFile, static_cast<LPCSTR>(strText), strText.GetLength(), &dwWritten, nullptr);
    ::CloseHandle(hFile);
}

void MakeFolder(const CString& strPath)
{
    ::CreateDirectoryW(LongPathW(strPath).c_str(), nullptr);
}

bool KeyExists(HKEY hRoot, LPCSTR lpszKey)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(hRoot, lpszKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}

CString GetString(HKEY hRoot, LPCSTR lpszKey, LPCSTR lpszName)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(hRoot, lpszKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return CString("<none>");
    DWORD dwType = 0;
    DWORD cb = 0;
    CString strValue("<none>");
    if (::RegQueryValueExA(hKey, lpszName, nullptr, &dwType, nullptr, &cb) == ERROR_SUCCESS
        && dwType == REG_SZ && cb > 0) {
        std::string buffer(cb, '\0');
        ::RegQueryValueExA(hKey, lpszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&buffer[0]), &cb);
        // Stored with its terminating zero, and nothing after it.
        if (buffer.back() == '\0' && buffer.find('\0') == buffer.size() - 1)
            strValue = CString(buffer.c_str());
        else
            strValue = CString("<unterminated>");
    }
    ::RegCloseKey(hKey);
    return strValue;
}

void SetString(HKEY hRoot, LPCSTR lpszKey, LPCSTR lpszName, LPCSTR lpszValue)
{
    HKEY hKey = CreateKey(hRoot, lpszKey);
    ::RegSetValueExA(hKey, lpszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                     static_cast<DWORD>(strlen(lpszValue) + 1));
    ::RegCloseKey(hKey);
}
