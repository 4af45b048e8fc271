#include "FakeInstallation.h"

#include "framework/core/Profile.h"

#include <gtest/gtest.h>

const std::vector<CString> kSetupFiles = {
    "qivnotes.exe", "banner.jpg", "splash.jpg", "qivnotes.chm", "tipps.txt", "branch.gif",
    "branch_last.gif", "category_collapsed.gif", "category_expanded.gif", "entry.gif", "line.gif",
    "loading.htm", "minus.gif", "minus_last.gif", "noscript.htm", "plus.gif", "plus_last.gif",
    "space.gif", "welcome.htm", "DHTML Export Template.htm", "uninstall.exe",
};

const std::vector<CString> kSettingsSections = {
    "cf", "CommandBars-Bar0", "CommandBars-Bar1", "CommandBars-Bar2", "CommandBars-Bar3",
    "CommandBars-DockBar0", "CommandBars-Options", "CommandBars-Summary", "Frame", "MainFrame",
    "Recent File List", "rectMargin", "Settings", "Tip", "TimeAndDate", "Toolbars-Bar0",
    "Toolbars-Bar1", "Toolbars-Bar2", "Toolbars-Bar3", "Toolbars-Bar4", "Toolbars-Bar5",
    "Toolbars-Bar6", "Toolbars-Summary", "wndplsearch",
};

const char kUninstallKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qivnotes 2000";
const char kAppPathKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\qivnotes.exe";
const char kSettingsKeyPath[] = "Software\\VRNK\\Qivnotes";

namespace {

std::wstring LongForm(const CString& strPath)
{
    return L"\\\\?\\" + AfxAnsiToWide(strPath);
}

// The file operation of the shell stops at MAX_PATH; this walk does not.
void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW data;
    HANDLE hFind = ::FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                ::DeleteFileW(path.c_str());
        } while (::FindNextFileW(hFind, &data));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryW(folder.c_str());
}

int NextScratchNumber()
{
    static int s_nNumber = 0;
    return ++s_nNumber;
}

} // namespace

bool FileExists(const CString& strPath)
{
    return ::GetFileAttributesW(LongForm(strPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFile(const CString& strPath)
{
    HANDLE hFile = ::CreateFileW(LongForm(strPath).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile) << strPath.GetString();
    DWORD dwWritten = 0;
    ::WriteFile(hFile, "x", 1, &dwWritten, nullptr);
    ::CloseHandle(hFile);
}

void MakeFolder(const CString& strPath)
{
    ::CreateDirectoryW(LongForm(strPath).c_str(), nullptr);
}

bool KeyExists(HKEY hRoot, LPCSTR lpszKey)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(hRoot, lpszKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}

HKEY CreateKey(HKEY hRoot, LPCSTR lpszKey)
{
    HKEY hKey = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(hRoot, lpszKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                               KEY_ALL_ACCESS, nullptr, &hKey, nullptr));
    return hKey;
}

void SetString(HKEY hRoot, LPCSTR lpszKey, LPCSTR lpszName, LPCSTR lpszValue)
{
    HKEY hKey = CreateKey(hRoot, lpszKey);
    ::RegSetValueExA(hKey, lpszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                     static_cast<DWORD>(strlen(lpszValue) + 1));
    ::RegCloseKey(hKey);
}

CString GetString(HKEY hRoot, LPCSTR lpszKey, LPCSTR lpszName)
{
    char szValue[1024] = {};
    DWORD cbValue = sizeof(szValue) - 1;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(hRoot, lpszKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return CString();
    ::RegQueryValueExA(hKey, lpszName, nullptr, nullptr, reinterpret_cast<BYTE*>(szValue), &cbValue);
    ::RegCloseKey(hKey);
    return CString(szValue);
}

CFakeInstallation::CFakeInstallation(int nFolderLength)
{
    int nNumber = NextScratchNumber();
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    m_strRoot.Format("%squninstall-%lu-%d", szTemp, ::GetCurrentProcessId(), nNumber);
    MakeFolder(m_strRoot);

    m_strFolder = m_strRoot + "\\Programme";
    MakeFolder(m_strFolder);
    for (int i = 0; m_strFolder.GetLength() < nFolderLength; ++i) {
        m_strFolder += i % 2 ? "\\Qivnotes Programmdateien" : "\\Ordner mit langem Namen";
        MakeFolder(m_strFolder);
    }
    m_strFolder += "\\";

    m_places.strProgramsFolder = m_strRoot + "\\Programs";
    m_places.strDesktopFolder = m_strRoot + "\\Desktop";
    m_strFavourites = m_strRoot + "\\Favorites\\";
    MakeFolder(m_places.strProgramsFolder);
    MakeFolder(m_places.strDesktopFolder);
    MakeFolder(m_strFavourites);

    m_strRegistryKey.Format("Software\\QivnotesUninstallTests\\%lu-%d", ::GetCurrentProcessId(), nNumber);
    m_places.hMachine = CreateKey(HKEY_CURRENT_USER, m_strRegistryKey + "\\Machine");
    m_places.hClasses = CreateKey(HKEY_CURRENT_USER, m_strRegistryKey + "\\Classes");
    m_places.hUser = CreateKey(HKEY_CURRENT_USER, m_strRegistryKey + "\\User");
}

CFakeInstallation::~CFakeInstallation()
{
    ::RegCloseKey(m_places.hMachine);
    ::RegCloseKey(m_places.hClasses);
    ::RegCloseKey(m_places.hUser);
    CAppProfile::DelRegTree(HKEY_CURRENT_USER, m_strRegistryKey);
    // Gone with the last scratch key of the run.
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QivnotesUninstallTests");

    RemoveTree(LongForm(m_strRoot));
}

CString CFakeInstallation::ProgramsShortcut() const
{
    return m_places.strProgramsFolder + "\\Qivnotes 2000.lnk";
}

CString CFakeInstallation::DesktopShortcut() const
{
    return m_places.strDesktopFolder + "\\Qivnotes 2000.lnk";
}

void CFakeInstallation::Install()
{
    for (const CString& name : kSetupFiles)
        WriteFile(m_strFolder + name);
    WriteFile(ProgramsShortcut());
    WriteFile(DesktopShortcut());
    WriteFile(m_strFavourites + "Qivnotes.lnk");

    HKEY hClasses = m_places.hClasses;
    SetString(hClasses, ".qiv", "", "Qivnotes.Datenbank");
    SetString(hClasses, "Qivnotes.Datenbank", "", "Qivnotes Datenbank");
    SetString(hClasses, "Qivnotes.Datenbank\\DefaultIcon", "", m_strFolder + "qivnotes.exe,1");
    SetString(hClasses, "Qivnotes.Datenbank\\shell\\open\\command", "",
              m_strFolder + "qivnotes.exe \"%1\"");

    HKEY hMachine = m_places.hMachine;
    SetString(hMachine, kUninstallKeyPath, "DisplayName", "Qivnotes 2000");
    SetString(hMachine, kUninstallKeyPath, "DisplayIcon", m_strFolder + "qivnotes.exe,1");
    SetString(hMachine, kUninstallKeyPath, "UninstallString", m_strFolder + "uninstall.exe");
    SetString(hMachine, kAppPathKeyPath, "Path", m_strFolder.Left(m_strFolder.GetLength() - 1));
    SetString(hMachine, kAppPathKeyPath, "", m_strFolder + "qivnotes.exe");

    WriteSettings();
}

void CFakeInstallation::WriteSettings()
{
    for (const CString& section : kSettingsSections)
        SetString(m_places.hUser, CString(kSettingsKeyPath) + "\\" + section, "Wert", "1");
}

void CFakeInstallation::SetUninstallString(LPCSTR lpszValue)
{
    SetString(m_places.hMachine, kUninstallKeyPath, "UninstallString", lpszValue);
}

int CScriptedMessageBox::Show(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType)
{
    m_shown.push_back({CString(lpszText), CString(lpszCaption), nType});
    if (m_answers.empty())
        return IDOK;
    int nAnswer = m_answers.front();
    m_answers.erase(m_answers.begin());
    return nAnswer;
}
