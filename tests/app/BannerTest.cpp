// The banner: its fixed strip on the frame's left edge, its picture, logo or
// upright text read back from the pixels it draws, and presses handed to the
// frame's caption.
#include "AppTestSupport.h"

#include "app/Banner.h"
#include "app/ProgramPicture.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/TestSeams.h"
#include "tests/toolkit/TestDib.h"

#include <vector>

namespace
{
// A frame that notes the caption presses it gets instead of starting a
// move loop.
class CCaptionFrame : public CFrameWnd
{
public:
    std::vector<UINT> m_captionPresses;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if ((message == WM_NCLBUTTONDOWN || message == WM_NCLBUTTONDBLCLK) && wParam == HTCAPTION) {
            m_captionPresses.push_back(message);
            return 0;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

class BannerTest : public AppSettingsTest
{
protected:
    void SetUp() override
    {
        AppSettingsTest::SetUp();
        ::CoInitialize(nullptr);
        m_strPicture = QivProgramFolderFile("banner.jpg");
        m_pFrame = new CCaptionFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Banner", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 500)));
    }
    void TearDown() override
    {
        if (::IsWindow(m_pFrame->GetSafeHwnd()))
            m_pFrame->DestroyWindow();
        ::DeleteFileA(m_strPicture);
        ::CoUninitialize();
        AppSettingsTest::TearDown();
    }
    // Creates the banner with or without banner.jpg beside the program;
    // returns the message boxes it showed.
    std::vector<CString> CreateBanner(CBanner& banner, bool bWithPicture)
    {
        ::DeleteFileA(m_strPicture);
        if (bWithPicture) {
            EXPECT_TRUE(::CopyFileA(SourcePath("app/res/banner.jpg"), m_strPicture, FALSE));
        }
        std::vector<CString> boxes;
        CTestSeamScope<AFX_MESSAGEBOX_REQUEST> answer([&](const AFX_MESSAGEBOX_REQUEST& box) {
            boxes.push_back(box.strText);
            return IDOK;
        });
        EXPECT_TRUE(banner.CreateBanner(m_pFrame));
        return boxes;
    }

    static void DestroyBanner(CBanner& banner) { banner.DestroyWindow(); }

    CString m_strPicture;
    CCaptionFrame* m_pFrame = nullptr;
};

TEST_F(BannerTest, StandsThirtyWideAlongTheWholeLeftEdge)
{
    CBanner banner;
    CreateBanner(banner, true);
    EXPECT_EQ(static_cast<int>(CBanner::kBarId), ::GetDlgCtrlID(banner.GetSafeHwnd()));
    EXPECT_EQ(CSize(30, 32767), banner.CalcDynamicLayout(-1, 0));
    m_pFrame->RecalcLayout();
    CRect rcBanner;
    banner.GetWindowRect(&rcBanner);
    m_pFrame->ScreenToClient(&rcBanner);
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    EXPECT_EQ(0, rcBanner.left);
    EXPECT_EQ(30, rcBanner.Width());
    EXPECT_EQ(rcClient.Height(), rcBanner.Height());
}

TEST_F(BannerTest, PictureAboveDarkBlueOrNavyWhenMissingReportedOnce)
{
    struct Case
    {
        bool bWithPicture;
        size_t nBoxes;
        COLORREF clrFoot;
    };
    const Case cases[] = {
        {true, 0, RGB(0, 0, 0x60)},
        {false, 1, RGB(0, 0, 0x80)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bWithPicture ? "with banner.jpg" : "without banner.jpg");
        CBanner banner;
        std::vector<CString> boxes = CreateBanner(banner, c.bWithPicture);
        ASSERT_EQ(c.nBoxes, boxes.size());
        if (c.nBoxes) {
            EXPECT_STREQ("Die Datei \"banner.jpg\" fehlt im Programmordner.", boxes[0]);
        }
        EXPECT_EQ(c.bWithPicture, banner.IsPictureLoaded() != FALSE);
        // Far taller than the picture; a text keeps the logo away.
        banner.SetWindowText("Eigener Text");
        const int cy = 2000;
        CTestDib dib(24, cy, RGB(1, 2, 3));
        banner.DrawBanner(&dib.DC(), CRect(0, 0, 24, cy));
        EXPECT_EQ(c.clrFoot, dib.Pixel(12, cy / 2));
        if (c.bWithPicture) {
            EXPECT_NE(RGB(0, 0, 0x60), dib.Pixel(12, 2));
        }
        DestroyBanner(banner);
    }
}

TEST_F(BannerTest, DefaultTextInAnyCaseShowsTheLogoAnOwnTextStandsUpright)
{
    CBanner banner;
    CreateBanner(banner, false);
    const int cy = 600;
    struct Case
    {
        LPCSTR pszText;
        bool bLogo;
    };
    const Case cases[] = {{"Qivnotes2000", true}, {"qivnotes2000", true}, {"Notizen", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        banner.SetWindowText(c.pszText);
        CTestDib dib(24, cy, RGB(1, 2, 3));
        banner.DrawBanner(&dib.DC(), CRect(0, 0, 24, cy));
        // The logo reaches up to 297 above the foot; a short text runs up
        // from the foot only, white over its black shadow.
        int nHighPixels = 0;
        int nShadowPixels = 0;
        for (int y = 0; y < cy; ++y) {
            for (int x = 0; x < 24; ++x) {
                COLORREF clr = dib.Pixel(x, y);
                if (clr != RGB(0, 0, 0x80) && y >= cy - 297 && y < cy - 200)
                    ++nHighPixels;
                if (clr == RGB(0, 0, 0))
                    ++nShadowPixels;
            }
        }
        EXPECT_EQ(c.bLogo, nHighPixels > 20) << nHighPixels;
        EXPECT_EQ(!c.bLogo, nShadowPixels > 20) << nShadowPixels;
        // Nothing is drawn above the logo's top.
        for (int y = 0; y < cy - 297; y += 7)
            ASSERT_EQ(RGB(0, 0, 0x80), dib.Pixel(12, y)) << y;
    }
}

TEST_F(BannerTest, PressesGoToTheFramesCaption)
{
    CBanner banner;
    CreateBanner(banner, false);
    banner.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    banner.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ((std::vector<UINT>{WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK}), m_pFrame->m_captionPresses);
}
} // namespace
