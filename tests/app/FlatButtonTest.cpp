// The flat button: where picture and caption go, the frame for each state
// read back from the pixels it draws, and hovering with its capture and
// sound.
#include "AppTestSupport.h"

#include "app/FlatButton.h"
#include "app/SoundEvents.h"
#include "app/res/resource.h"
#include "tests/toolkit/TestDib.h"

#include <vector>

namespace
{
TEST(FlatButtonLayout, PictureAndCaptionPositions)
{
    struct Case
    {
        LPCSTR pszWhat;
        int cx, cy;
        CSize szText;
        BOOL bPicture;
        int nPosition;
        BOOL bPressed;
        CPoint ptPicture;
        CPoint ptText;
    };
    // Face 81 x 25 (an 80 x 24 client area), caption 30 x 13, picture 16 x 16.
    const Case cases[] = {
        {"caption only", 81, 25, CSize(30, 13), FALSE, 0, FALSE, CPoint(0, 0), CPoint(25, 6)},
        {"picture left", 81, 25, CSize(30, 13), TRUE, 0, FALSE, CPoint(15, 4), CPoint(35, 6)},
        {"picture left, pressed", 81, 25, CSize(30, 13), TRUE, 0, TRUE, CPoint(16, 5), CPoint(36, 7)},
        {"picture above", 81, 41, CSize(30, 13), TRUE, 1, FALSE, CPoint(32, 4), CPoint(25, 25)},
        {"picture above, no caption", 81, 41, CSize(0, 13), TRUE, 1, FALSE, CPoint(32, 12), CPoint(40, 33)},
        {"picture right", 81, 25, CSize(30, 13), TRUE, 2, FALSE, CPoint(50, 4), CPoint(15, 6)},
        {"face narrower than its content", 41, 25, CSize(30, 13), TRUE, 0, FALSE, CPoint(-5, 4), CPoint(15, 6)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszWhat);
        CPoint ptPicture;
        CPoint ptText;
        C_FlatButton::LayoutFace(c.cx, c.cy, c.szText, c.bPicture, CSize(16, 16), c.nPosition,
                                 c.bPressed, &ptPicture, &ptText);
        if (c.bPicture)
        {
            EXPECT_EQ(c.ptPicture, ptPicture);
        }
        EXPECT_EQ(c.ptText, ptText);
    }
}

TEST(FlatButtonLayout, FirstAmpersandIsDropped)
{
    EXPECT_STREQ("Hilfe", C_FlatButton::ShownCaption("&Hilfe"));
    EXPECT_STREQ("Neue Suche", C_FlatButton::ShownCaption("Neue S&uche"));
    EXPECT_STREQ("Tipps & Tricks", C_FlatButton::ShownCaption("Tipps && Tricks"));
    EXPECT_STREQ("OK", C_FlatButton::ShownCaption("OK"));
}

// A parent window with one flat button of 80 x 24 pixels.
class FlatButtonWindow : public AppSettingsTest
{
protected:
    void SetUp() override
    {
        AppSettingsTest::SetUp();
        m_hParent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100,
                                      nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_button.Create("&Hilfe", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                    CRect(10, 10, 90, 34), CWnd::FromHandle(m_hParent), 57670));
        ASSERT_TRUE(m_button.SetBitmap(IDB_BUTTON_HELP, 16));
    }
    void TearDown() override
    {
        m_button.DestroyWindow();
        ::DestroyWindow(m_hParent);
        AppSettingsTest::TearDown();
    }

    // The button drawn into a 32-bit memory bitmap in the given state; the
    // pixels come back top row first.
    std::vector<COLORREF> Draw(UINT nState)
    {
        const int cx = 80;
        const int cy = 24;
        // Black with a zero alpha byte: every bit clear, as a new section is.
        CTestDib dib(cx, cy, RGB(0, 0, 0));
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = 57670;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = nState;
        dis.hwndItem = m_button.GetSafeHwnd();
        dis.hDC = dib->GetSafeHdc();
        dis.rcItem = {0, 0, cx, cy};
        m_button.DrawItem(&dis);
        std::vector<COLORREF> pixels;
        pixels.reserve(static_cast<size_t>(cx * cy));
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                pixels.push_back(dib.Pixel(x, y));
        return pixels;
    }

    static COLORREF At(const std::vector<COLORREF>& pixels, int x, int y) { return pixels[y * 80 + x]; }

    HWND m_hParent = nullptr;
    C_FlatButton m_button;
};

TEST_F(FlatButtonWindow, FrameFollowsTheState)
{
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF clrDarkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
    const COLORREF clrHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    struct Case
    {
        LPCSTR pszWhat;
        UINT nState;
        BOOL bEnabled;
        COLORREF clrTopLeft;
        COLORREF clrBottomRight;
    };
    const Case cases[] = {
        {"normal", 0, TRUE, clrShadow, clrShadow},
        {"pressed", ODS_SELECTED, TRUE, clrDarkShadow, clrHighlight},
        {"focused", ODS_FOCUS, TRUE, clrHighlight, clrDarkShadow},
        {"disabled", ODS_DISABLED, FALSE, clrShadow, clrShadow},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszWhat);
        m_button.EnableWindow(c.bEnabled);
        const std::vector<COLORREF> pixels = Draw(c.nState);
        EXPECT_EQ(c.clrTopLeft, At(pixels, 0, 0));
        EXPECT_EQ(c.clrTopLeft, At(pixels, 40, 0));
        EXPECT_EQ(c.clrTopLeft, At(pixels, 0, 12));
        EXPECT_EQ(c.clrBottomRight, At(pixels, 79, 23));
        EXPECT_EQ(c.clrBottomRight, At(pixels, 40, 23));
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), At(pixels, 2, 2));
    }
}

TEST_F(FlatButtonWindow, DisabledCaptionLooksDisabled)
{
    m_button.SetWindowText("OK");
    m_button.EnableWindow(TRUE);
    const std::vector<COLORREF> enabled = Draw(0);
    m_button.EnableWindow(FALSE);
    const std::vector<COLORREF> disabled = Draw(ODS_DISABLED);
    // The enabled caption has text-coloured pixels, the disabled one none.
    const COLORREF clrText = ::GetSysColor(COLOR_BTNTEXT);
    auto count = [&](const std::vector<COLORREF>& pixels) {
        int n = 0;
        for (int y = 2; y < 22; ++y)
            for (int x = 2; x < 78; ++x)
                n += At(pixels, x, y) == clrText;
        return n;
    };
    EXPECT_GT(count(enabled), 10);
    EXPECT_EQ(0, count(disabled));
}

TEST_F(FlatButtonWindow, HoverCapturesTheMouseAndSounds)
{
    std::vector<CString> played;
    CTestSeamScope<QIV_SOUND_REQUEST> seam([&](const QIV_SOUND_REQUEST& r) {
        played.push_back(r.strEvent);
        return 0;
    });
    RegisterSoundEvent("ToolbarFocus", "fokus.wav");
    RegisterSoundEvent("ToolbarClick", "klick.wav");

    m_button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(m_button.IsHovering());
    EXPECT_EQ(m_button.GetSafeHwnd(), ::GetCapture());
    m_button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
    m_button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(200, 5));
    EXPECT_FALSE(m_button.IsHovering());
    EXPECT_EQ(nullptr, ::GetCapture());
    ASSERT_EQ(1u, played.size());
    EXPECT_STREQ("ToolbarFocus", played[0]);

    // Onto the focused button: captured, but no sound (its frame is raised already).
    m_button.SetFocus();
    played.clear();
    m_button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(m_button.GetSafeHwnd(), ::GetCapture());
    EXPECT_TRUE(played.empty());

    // A press ends the hover and clicks.
    m_button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    m_button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(m_button.IsHovering());
    ASSERT_EQ(1u, played.size());
    EXPECT_STREQ("ToolbarClick", played[0]);
    ::ReleaseCapture();
}

TEST_F(FlatButtonWindow, BitmapsOfTheDialogButtonsLoad)
{
    const std::pair<UINT, int> bitmaps[] = {
        {IDB_BUTTON_OK, 16}, {IDB_BUTTON_CANCEL, 16}, {IDB_BUTTON_CANCEL, 15}, {IDB_BUTTON_HELP, 16},
        {IDB_BUTTON_ADD, 16}, {IDB_BUTTON_CLOSE, 16}, {IDB_BUTTON_GOTO, 16},
        {IDB_BUTTON_NEXT_TIP, 16}, {IDB_BUTTON_NEW_SEARCH, 16}, {IDB_BUTTON_START_SEARCH, 16},
        {IDB_BUTTON_PRINTER, 16},
    };
    for (const auto& b : bitmaps)
    {
        SCOPED_TRACE(b.first);
        EXPECT_TRUE(m_button.SetBitmap(b.first, b.second));
        EXPECT_NE(nullptr, m_button.GetPicture());
    }
    EXPECT_FALSE(m_button.SetBitmap(12345, 16));
}
}
