#include "toolkit/draw/SystemInfo.h"

#include "framework/core/String.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemInfo, VersionsOfTheTestSystem)
{
    // The test system reports Windows 6.1 on the NT platform.
    EXPECT_TRUE(IsWindowsXPOrLater());
    EXPECT_TRUE(IsWindows2000OrLater());
    DWORD dwVersion = GetComCtl32Version();
    EXPECT_GE(HIWORD(dwVersion), 5u);
    EXPECT_EQ(dwVersion, GetComCtl32Version());
}

TEST(SystemInfo, WorkAreasFallBackToThePrimaryArea)
{
    RECT rectWork = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    RECT rect = GetMonitorAreaAtCursor();
    EXPECT_TRUE(::EqualRect(&rect, &rectWork));
    POINT pt = {rectWork.left + 1, rectWork.top + 1};
    rect = GetMonitorAreaOfPoint(pt);
    EXPECT_TRUE(::EqualRect(&rect, &rectWork));
    // Far outside every monitor: no monitor, so the primary work area.
    RECT rectFar = {-100000, -100000, -99990, -99990};
    rect = GetMonitorAreaOfRect(rectFar);
    EXPECT_TRUE(::EqualRect(&rect, &rectWork));
    rect = GetMonitorAreaOfWindow(static_cast<HWND>(nullptr));
    EXPECT_TRUE(::EqualRect(&rect, &rectWork));
}

TEST(SystemInfo, Fonts)
{
    EXPECT_TRUE(FontExists("Tahoma"));
    EXPECT_TRUE(FontExists("tahoma"));
    EXPECT_FALSE(FontExists("Keine Schrift dieses Namens"));

    // Arial is mapped to an installed face in the test prefix.
    ASSERT_TRUE(FontExists("Arial"));
    CString strFace;
    GetDefaultGuiFont(strFace, FALSE);
    EXPECT_STREQ("Arial", strFace);
    GetDefaultGuiFont(strFace, TRUE);
    EXPECT_STREQ("Tahoma", strFace);
}

} // namespace
