// The wrapper in each of the three states the toolkit meets: visual styles on
// (the test system's default), switched off (ThemeActive "0"), and the
// library missing. Which one a run sees is told by QIV_EXPECT_STYLES ("on",
// "off", "missing"; unset means "on"), set by the ctest configuration.
#include "toolkit/draw/WinThemeWrapper.h"

#include "TestDib.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

namespace {

enum StylesState { stylesOn, stylesOff, stylesMissing };

StylesState ExpectedState()
{
    const char* psz = getenv("QIV_EXPECT_STYLES");
    if (psz && strcmp(psz, "off") == 0)
        return stylesOff;
    if (psz && strcmp(psz, "missing") == 0)
        return stylesMissing;
    return stylesOn;
}

const RECT s_rect = {0, 0, 40, 24};

TEST(WinThemeWrapper, ClosedWrapperAnswersSafely)
{
    CXTPWinThemeWrapper wrapper;
    EXPECT_EQ(nullptr, wrapper.GetThemeHandle());
    EXPECT_FALSE(wrapper.IsAppThemed());
    EXPECT_EQ(HRESULT(0), wrapper.CloseThemeData());
    EXPECT_EQ(HRESULT(0), wrapper.CloseThemeData());
    EXPECT_EQ(ExpectedState() == stylesOn, wrapper.IsThemeActive());
}

TEST(WinThemeWrapper, OpensAndDrawsOnlyWithActiveStyles)
{
    CTestDib dib(40, 24, RGB(1, 2, 3));
    CXTPWinThemeWrapper wrapper;
    wrapper.OpenThemeData(nullptr, L"BUTTON");

    if (ExpectedState() != stylesOn)
    {
        EXPECT_EQ(nullptr, wrapper.GetThemeHandle());
        EXPECT_FALSE(wrapper.IsAppThemed());
        EXPECT_NE(S_OK, wrapper.DrawThemeBackground(dib->GetSafeHdc(), 1, 1, &s_rect, nullptr));
        COLORREF clr = 0;
        EXPECT_NE(S_OK, wrapper.GetThemeColor(1, 1, 3803, &clr));
        EXPECT_EQ(RGB(1, 2, 3), dib.Pixel(20, 12));
        return;
    }

    ASSERT_NE(nullptr, wrapper.GetThemeHandle());
    EXPECT_TRUE(wrapper.IsAppThemed());
    EXPECT_TRUE(wrapper.IsThemeActive());
    // A push button (part 1, state 1) drawn through the library changes the pixels.
    EXPECT_EQ(S_OK, wrapper.DrawThemeBackground(dib->GetSafeHdc(), 1, 1, &s_rect, nullptr));
    EXPECT_NE(RGB(1, 2, 3), dib.Pixel(20, 12));

    // Opening again replaces the handle; closing leaves the wrapper closed.
    wrapper.OpenThemeData(nullptr, L"TOOLBAR");
    EXPECT_NE(nullptr, wrapper.GetThemeHandle());
    EXPECT_EQ(S_OK, wrapper.CloseThemeData());
    EXPECT_EQ(nullptr, wrapper.GetThemeHandle());
    EXPECT_FALSE(wrapper.IsAppThemed());
}

TEST(WinThemeWrapper, UnknownClassStaysClosed)
{
    CXTPWinThemeWrapper wrapper;
    wrapper.OpenThemeData(nullptr, L"KEINEKLASSE");
    EXPECT_EQ(nullptr, wrapper.GetThemeHandle());
    EXPECT_FALSE(wrapper.IsAppThemed());
}

TEST(WinThemeWrapper, CurrentThemeName)
{
    CXTPWinThemeWrapper wrapper;
    wchar_t szFile[260] = {};
    wchar_t szColor[260] = {};
    HRESULT hr = wrapper.GetCurrentThemeName(szFile, 260, szColor, 260, nullptr, 0);
    if (ExpectedState() == stylesOn)
    {
        EXPECT_EQ(S_OK, hr);
        EXPECT_NE(nullptr, wcsstr(szFile, L".msstyles"));
    }
    else
    {
        EXPECT_NE(S_OK, hr);
    }
    if (ExpectedState() == stylesMissing)
    {
        EXPECT_EQ(E_FAIL, hr);
        EXPECT_EQ(FALSE, wrapper.GetThemeSysBool(1));
    }
}

} // namespace
