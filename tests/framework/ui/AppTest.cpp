// The application object: message boxes through DoMessageBox and the test
// seam (also the core's exception reports), the program's names, and the
// profile in the registry under the company key.
#include "TestApp.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/TestSeams.h"
#include "framework/ui/Wnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using CMessageBoxScope = CTestSeamScope<AFX_MESSAGEBOX_REQUEST>;

TEST(AppTest, MessageBoxesGoThroughTheSeamWithTheirFinalStyle)
{
    std::vector<AFX_MESSAGEBOX_REQUEST> shown;
    CMessageBoxScope answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        shown.push_back(box);
        return IDNO;
    });

    EXPECT_EQ(IDNO, AfxMessageBox("Speichern?", MB_YESNO));
    EXPECT_EQ(IDNO, AfxMessageBox("Fehler", MB_OK | MB_ICONSTOP, 4711));
    ASSERT_EQ(2u, shown.size());
    EXPECT_STREQ("Speichern?", shown[0].strText);
    EXPECT_STREQ("QivnotesUiTest", shown[0].strCaption);   // the application's name
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), shown[0].nType);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONSTOP), shown[1].nType);   // an icon given stays
    EXPECT_EQ(4711u, shown[1].nIDHelp);

    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, TestWndClass(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(IDNO, wnd.MessageBox("Text", "Titel", MB_OKCANCEL));
    ASSERT_EQ(3u, shown.size());
    EXPECT_EQ(wnd.m_hWnd, shown[2].hWndOwner);
    EXPECT_STREQ("Titel", shown[2].strCaption);
    EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL), shown[2].nType);
    wnd.DestroyWindow();
}

TEST(AppTest, ExceptionReportsReachTheApplicationsMessageBox)
{
    CString strShown;
    CMessageBoxScope answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        strShown = box.strText;
        return IDOK;
    });
    CFileException e(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "C:\\fehlt.qiv");
    e.ReportError();
    EXPECT_NE(-1, strShown.Find("fehlt.qiv"));
}

TEST(AppTest, SeamScopesNestAndRestore)
{
    {
        CMessageBoxScope outer([](const AFX_MESSAGEBOX_REQUEST&) { return IDYES; });
        {
            CMessageBoxScope inner([](const AFX_MESSAGEBOX_REQUEST&) { return IDRETRY; });
            EXPECT_EQ(IDRETRY, AfxMessageBox("x"));
        }
        EXPECT_EQ(IDYES, AfxMessageBox("x"));
    }
    // Back to the fixture's handler, which reports unexpected boxes.
    EXPECT_TRUE(CMessageBoxSeam::IsInstalled());
}

TEST(AppTest, NamesComeFromTheExecutable)
{
    CTestApp& app = TestApp();
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string exe = szPath;
    exe = exe.substr(exe.find_last_of('\\') + 1);
    exe = exe.substr(0, exe.find_last_of('.'));
    ASSERT_NE(nullptr, app.m_pszExeName);
    EXPECT_STREQ(exe.c_str(), app.m_pszExeName);
    EXPECT_STREQ((exe + ".INI").c_str(), CString(app.m_pszProfileName).Right(static_cast<int>(exe.size()) + 4));
    EXPECT_STREQ("QivnotesUiTest", AfxGetAppName());
    EXPECT_EQ(&app, AfxGetApp());
    EXPECT_EQ(&app, AfxGetThread());
}

// Writes go to HKCU\Software\<company>\<profile name>\<section>.
TEST(AppTest, ProfileLivesUnderTheCompanyKey)
{
    CTestApp& app = TestApp();
    {
        CStartupNamesScope names;
        app.SetRegistryKey("QivUiTestCompany");
        EXPECT_STREQ("QivnotesUiTest", app.m_pszProfileName);

        EXPECT_TRUE(app.WriteProfileInt("Settings", "Zahl", -1));
        EXPECT_TRUE(app.WriteProfileString("Settings", "Text", "Grüße"));
        EXPECT_EQ(0xFFFFFFFFu, app.GetProfileInt("Settings", "Zahl", 5));
        EXPECT_STREQ("Grüße", app.GetProfileString("Settings", "Text"));

        HKEY hKey = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER,
                                                 "Software\\QivUiTestCompany\\QivnotesUiTest\\Settings",
                                                 0, KEY_READ, &hKey));
        ::RegCloseKey(hKey);
        HKEY hSection = app.GetSectionKey("Settings");
        EXPECT_NE(nullptr, hSection);
        ::RegCloseKey(hSection);
        CAppProfile::DelRegTree(HKEY_CURRENT_USER, "Software\\QivUiTestCompany");
    }
    // Back to the executable's INI file.
    EXPECT_EQ(nullptr, app.m_pszRegistryKey);
    EXPECT_STREQ((CString(app.m_pszExeName) + ".INI").GetString(), app.m_pszProfileName);
}

TEST(AppTest, HelpWithoutAHelpFileDoesNothing)
{
    // No box appears (the fixture fails on any), nothing is started.
    TestApp().WinHelp(0x80960001, HELP_CONTEXTPOPUP);
}

} // namespace
