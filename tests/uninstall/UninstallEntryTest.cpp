#include "uninstall/UninstallEntry.h"

#include "framework/core/Profile.h"

#include <gtest/gtest.h>

TEST(UninstallEntry, FolderIsTheValueUpToItsLastBackslash)
{
    struct Case
    {
        const char* value;
        const char* folder;   // null: no folder
    };
    const Case cases[] = {
        {"C:\\Programme\\Qivnotes\\uninstall.exe", "C:\\Programme\\Qivnotes\\"},
        {"C:\\uninstall.exe", "C:\\"},
        {"\\\\server\\share\\Qivnotes\\uninstall.exe", "\\\\server\\share\\Qivnotes\\"},
        {"D:\\Qivnotes\\", "D:\\Qivnotes\\"},
        {"uninstall.exe", nullptr},
        {"\\uninstall.exe", nullptr},
        {"", nullptr},
    };
    for (const Case& c : cases) {
        CString strFolder = "unchanged";
        BOOL bFound = InstallFolderFromUninstallString(c.value, strFolder);
        EXPECT_EQ(c.folder != nullptr, !!bFound) << c.value;
        EXPECT_EQ(CString(c.folder ? c.folder : "unchanged"), strFolder) << c.value;
    }
}

TEST(UninstallEntry, ReadsValuesOfAnyLength)
{
    HKEY hRoot = nullptr;
    CString strScratch;
    strScratch.Format("Software\\QivnotesUninstallTests\\entry-%lu", ::GetCurrentProcessId());
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CURRENT_USER, strScratch, 0, nullptr, 0,
                                               KEY_ALL_ACCESS, nullptr, &hRoot, nullptr));
    HKEY hEntry = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExA(hRoot, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qivnotes 2000",
                                0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hEntry, nullptr));

    CString strLong = "E:";
    while (strLong.GetLength() < 1000)
        strLong += "\\Ein sehr langer Ordnername";
    strLong += "\\uninstall.exe";
    for (const CString& value : {CString("C:\\Qivnotes\\uninstall.exe"), strLong}) {
        ::RegSetValueExA(hEntry, "UninstallString", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.GetString()),
                         static_cast<DWORD>(value.GetLength() + 1));
        CString strRead;
        EXPECT_TRUE(ReadUninstallString(hRoot, strRead));
        EXPECT_EQ(value, strRead);
    }
    // Stored without its terminating zero.
    ::RegSetValueExA(hEntry, "UninstallString", 0, REG_SZ, reinterpret_cast<const BYTE*>("C:\\Q\\u.exe"), 10);
    CString strRead;
    EXPECT_TRUE(ReadUninstallString(hRoot, strRead));
    EXPECT_EQ(CString("C:\\Q\\u.exe"), strRead);

    ::RegCloseKey(hEntry);
    DeleteUninstallEntry(hRoot);
    EXPECT_FALSE(ReadUninstallString(hRoot, strRead));
    ::RegCloseKey(hRoot);
    CAppProfile::DelRegTree(HKEY_CURRENT_USER, strScratch);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\QivnotesUninstallTests");
}
