#include "toolkit/draw/SystemInfo.h"

#include "framework/core/String.h"

#include <gtest/gtest.h>

#include <thread>

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

TEST(SystemInfo, BarWindowClasses)
{
    ASSERT_TRUE(RegisterBarWindowClass(nullptr, "QivTestBar", CS_DBLCLKS));
    WNDCLASSA wc = {};
    ASSERT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), "QivTestBar", &wc));
    EXPECT_EQ(UINT(CS_DBLCLKS), wc.style);
    EXPECT_EQ(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)), wc.hCursor);
    EXPECT_EQ(nullptr, wc.hbrBackground);
    // Registering again is fine.
    EXPECT_TRUE(RegisterBarWindowClass(nullptr, "QivTestBar", CS_DBLCLKS));
}

// The foreground window belongs to a desktop, and other test programs may
// change it at any moment: the test runs on a thread of a desktop of its own.
void RunOnPrivateDesktop(void (*fn)())
{
    CString strName;
    strName.Format("QivTest-%lu", ::GetCurrentProcessId());
    HDESK hDesktop = ::CreateDesktopA(strName, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    ASSERT_NE(nullptr, hDesktop);
    std::thread worker([&] {
        ASSERT_TRUE(::SetThreadDesktop(hDesktop));
        fn();
    });
    worker.join();
    ::CloseDesktop(hDesktop);
}

// The windows stay hidden: the test system activates hidden windows too, and
// destroying a shown foreground window there waits for the display.
void CheckTopLevelOwnerActive()
{
    HWND hFrame = ::CreateWindowExA(0, "STATIC", "Rahmen", WS_POPUP, 0, 0, 200, 100, nullptr,
                                    nullptr, nullptr, nullptr);
    HWND hChild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, hFrame, nullptr,
                                    nullptr, nullptr);
    HWND hPopup = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, hFrame, nullptr,
                                    nullptr, nullptr);
    HWND hOther = ::CreateWindowExA(0, "STATIC", "Anderes", WS_POPUP, 300, 0, 200, 100, nullptr,
                                    nullptr, nullptr, nullptr);
    ASSERT_TRUE(hFrame && hChild && hPopup && hOther);

    ::SetForegroundWindow(hFrame);
    ASSERT_EQ(hFrame, ::GetForegroundWindow());
    EXPECT_TRUE(IsTopLevelOwnerActive(hChild));
    EXPECT_TRUE(IsTopLevelOwnerActive(hFrame));
    ::SetForegroundWindow(hOther);
    ASSERT_EQ(hOther, ::GetForegroundWindow());
    EXPECT_FALSE(IsTopLevelOwnerActive(hChild));
    EXPECT_FALSE(IsTopLevelOwnerActive(hPopup));
    EXPECT_TRUE(IsTopLevelOwnerActive(hOther));
    EXPECT_FALSE(IsTopLevelOwnerActive(nullptr));
    ::DestroyWindow(hOther);
    ::DestroyWindow(hPopup);
    ::DestroyWindow(hFrame);
}

TEST(SystemInfo, TopLevelOwnerActive)
{
    RunOnPrivateDesktop(CheckTopLevelOwnerActive);
}

} // namespace
