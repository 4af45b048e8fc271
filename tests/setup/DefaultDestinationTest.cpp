// The installation folder offered first, from the machine's program-files
// setting or, without one, from the Windows folder's drive.
#include "SetupTestSupport.h"

#include "setup/DefaultDestination.h"

#include <gtest/gtest.h>

TEST(DefaultDestination, ProgramFilesSettingOrWindowsDrive)
{
    struct Case
    {
        LPCSTR pszName;
        LPCSTR pszDir;       // ProgramFilesDir, null: missing
        LPCSTR pszPath;      // ProgramFilesPath, null: missing
        LPCSTR pszWindows;
        LPCSTR pszExpected;
    };
    const Case cases[] = {
        {"dir", "D:\\Programme", "E:\\Anders", "C:\\WINDOWS", "D:\\Programme\\Qivnotes"},
        {"dir with backslash", "D:\\Apps\\", nullptr, "C:\\WINDOWS", "D:\\Apps\\Qivnotes"},
        {"path when dir is missing", nullptr, "E:\\Anwendungen", "C:\\WINDOWS", "E:\\Anwendungen\\Qivnotes"},
        {"path when dir is empty", "", "E:\\Anwendungen", "C:\\WINDOWS", "E:\\Anwendungen\\Qivnotes"},
        {"windows drive", nullptr, nullptr, "F:\\WINNT", "F:\\Programme\\Qivnotes"},
        {"windows folder without drive", nullptr, nullptr, "\\\\server\\win", "C:\\Programme\\Qivnotes"},
        {"no windows folder", nullptr, nullptr, "", "C:\\Programme\\Qivnotes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CScratchInstall scratch;
        HKEY hMachine = scratch.Places().hMachine;
        const char szKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
        SetString(hMachine, szKey, "Anderes", "x");
        if (c.pszDir)
            SetString(hMachine, szKey, "ProgramFilesDir", c.pszDir);
        if (c.pszPath)
            SetString(hMachine, szKey, "ProgramFilesPath", c.pszPath);
        EXPECT_STREQ(DefaultDestinationFolder(hMachine, c.pszWindows), c.pszExpected);
    }
}

TEST(DefaultDestination, SystemFolderEndsInProductFolder)
{
    const CString strFolder = DefaultDestinationFolder();
    EXPECT_EQ(strFolder.Right(9), CString("\\Qivnotes"));
    EXPECT_EQ(strFolder[1], ':');
}
