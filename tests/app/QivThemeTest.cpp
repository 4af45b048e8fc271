// The application theme's bar background, read back from the pixels it fills.
#include "AppTestSupport.h"

#include "app/QivTheme.h"
#include "framework/ui/Wnd.h"
#include "tests/toolkit/TestDib.h"
#include "toolkit/draw/ColorManager.h"

namespace
{
// A plain window of the given client width, 24 high, with extra styles.
class CTestBarWnd : public CWnd
{
public:
    CTestBarWnd(int cx, DWORD dwStyle)
    {
        CreateEx(0, "STATIC", "", WS_POPUP | dwStyle, CRect(0, 0, cx, 24), nullptr, 0);
    }
    ~CTestBarWnd() override { DestroyWindow(); }
};

TEST(QivTheme, BarColoursAreTableColour30AndAQuarterWhiteBlend)
{
    CQivTheme theme;
    const COLORREF clrDark = GetColorManager()->ResolveColor(30);
    EXPECT_EQ(clrDark, theme.GetBarColorDark());
    // A quarter white, three quarters dark, per channel.
    const COLORREF clrLight = theme.GetBarColorLight();
    EXPECT_NEAR(GetRValue(clrLight), (255 + 3 * GetRValue(clrDark)) / 4.0, 1.0);
    EXPECT_NEAR(GetGValue(clrLight), (255 + 3 * GetGValue(clrDark)) / 4.0, 1.0);
    EXPECT_NEAR(GetBValue(clrLight), (255 + 3 * GetBValue(clrDark)) / 4.0, 1.0);
}

TEST(QivTheme, BarBackgroundRunsFromLightToDarkOverHalfTheScreenAtLeast)
{
    CQivTheme theme;
    const int nHalfScreen = ::GetSystemMetrics(SM_CXFULLSCREEN) / 2;
    struct Case
    {
        LPCSTR pszWhat;
        int cx;
        DWORD dwStyle;
        bool bSolid;
    };
    const Case cases[] = {
        {"short bar: only the light part", nHalfScreen / 4, 0, false},
        {"bar as wide as the spread", nHalfScreen, 0, false},
        {"bar twice the spread", nHalfScreen * 2, 0, false},
        {"style 0x4000: solid", 100, 0x4000, true},
        {"style 0x0100: solid", 100, 0x0100, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        CTestBarWnd bar(c.cx, c.dwStyle);
        ASSERT_TRUE(::IsWindow(bar.GetSafeHwnd()));
        CTestDib dib(c.cx, 24, RGB(1, 2, 3));
        theme.FillDockBar(&dib.DC(), &bar);
        const COLORREF clrFirst = dib.Pixel(0, 12);
        const COLORREF clrLast = dib.Pixel(c.cx - 1, 12);
        if (c.bSolid) {
            EXPECT_EQ(theme.GetBarColorDark(), clrFirst);
            EXPECT_EQ(theme.GetBarColorDark(), clrLast);
            continue;
        }
        EXPECT_TRUE(ColorsClose(theme.GetBarColorLight(), clrFirst, 3));
        // The far end reaches the dark colour only where the bar is as wide
        // as the spread; a short bar ends about a quarter of the way.
        const int nSpread = c.cx > nHalfScreen ? c.cx : nHalfScreen;
        const double dAt = static_cast<double>(c.cx - 1) / nSpread;
        const double dExpectedRed = GetRValue(theme.GetBarColorLight()) +
            dAt * (GetRValue(theme.GetBarColorDark()) - GetRValue(theme.GetBarColorLight()));
        EXPECT_NEAR(GetRValue(clrLast), dExpectedRed, 4.0);
        // Every column is one colour from top to bottom.
        EXPECT_EQ(clrLast, dib.Pixel(c.cx - 1, 0));
        EXPECT_EQ(clrLast, dib.Pixel(c.cx - 1, 23));
    }
}
} // namespace
