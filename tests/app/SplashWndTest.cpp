// The start-up picture: found beside the program, shown in the picture's
// size, closed by its timer or by a click (which turns it off for good), and
// reported once when the file is missing.
#include "AppTestSupport.h"

#include "app/ProgramPicture.h"
#include "app/Settings.h"
#include "app/SplashWnd.h"
#include "framework/core/File.h"
#include "framework/ui/TestSeams.h"

#include <vector>

namespace
{
// Puts the shipped splash.jpg beside the test program for one test, or
// makes sure none is there.
class SplashWndTest : public AppSettingsTest
{
protected:
    void SetUp() override
    {
        AppSettingsTest::SetUp();
        ::CoInitialize(nullptr);
        m_strTarget = QivProgramFolderFile("splash.jpg");
        ASSERT_FALSE(m_strTarget.IsEmpty());
    }
    void TearDown() override
    {
        ::DeleteFileA(m_strTarget);
        ::CoUninitialize();
        AppSettingsTest::TearDown();
    }
    void ProvidePicture()
    {
        CString strSource = SourcePath("app/res/splash.jpg");
        ASSERT_FALSE(strSource.IsEmpty()) << "QIV_SOURCE_DIR is not set";
        ASSERT_TRUE(::CopyFileA(strSource, m_strTarget, FALSE));
    }

    CString m_strTarget;
};

TEST_F(SplashWndTest, ShowsThePictureCentredAndClosesOnItsTimer)
{
    ProvidePicture();
    CSplashWnd* pSplash = CSplashWnd::ShowSplashScreen();
    ASSERT_NE(nullptr, pSplash);
    HWND hWnd = pSplash->GetSafeHwnd();
    ASSERT_TRUE(::IsWindowVisible(hWnd));
    EXPECT_EQ(WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
              static_cast<DWORD>(::GetWindowLongPtrA(hWnd, GWL_EXSTYLE)) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    CSize szPicture = pSplash->GetPictureSize();
    EXPECT_GT(szPicture.cx, 0);
    EXPECT_EQ(szPicture, rc.Size());
    EXPECT_NEAR((::GetSystemMetrics(SM_CXSCREEN) - szPicture.cx) / 2, rc.left, 1);

    ::SendMessageA(hWnd, WM_TIMER, CSplashWnd::kTimerId, 0);
    EXPECT_FALSE(::IsWindow(hWnd));
    // The timer only closes: the splash stays on for the next start.
    EXPECT_TRUE(QivSettings::IsSplashOn());
}

TEST_F(SplashWndTest, AClickClosesItAndTurnsItOff)
{
    ProvidePicture();
    CSplashWnd* pSplash = CSplashWnd::ShowSplashScreen();
    ASSERT_NE(nullptr, pSplash);
    HWND hWnd = pSplash->GetSafeHwnd();
    // Another activation leaves it standing.
    ::SendMessageA(hWnd, WM_ACTIVATE, WA_ACTIVE, 0);
    ASSERT_TRUE(::IsWindow(hWnd));
    ::SendMessageA(hWnd, WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_STREQ("0", QivSettings::Get(QivSettings::ShowSplash));
    EXPECT_FALSE(QivSettings::IsSplashOn());
}

TEST_F(SplashWndTest, AMissingPictureIsReportedAndNothingShows)
{
    ::DeleteFileA(m_strTarget);
    std::vector<AFX_MESSAGEBOX_REQUEST> boxes;
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
        boxes.push_back(box);
        return IDOK;
    });
    EXPECT_EQ(nullptr, CSplashWnd::ShowSplashScreen());
    ASSERT_EQ(1u, boxes.size());
    EXPECT_STREQ("Die Datei \"splash.jpg\" fehlt im Programmordner.", boxes[0].strText);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), boxes[0].nType & MB_ICONMASK);
}

TEST_F(SplashWndTest, APictureThatDoesNotDecodeShowsNothingAndSaysNothing)
{
    CFile file;
    ASSERT_TRUE(file.Open(m_strTarget, CFile::modeCreate | CFile::modeWrite));
    file.Write("not a picture", 13);
    file.Close();
    EXPECT_EQ(nullptr, CSplashWnd::ShowSplashScreen());
}
} // namespace
