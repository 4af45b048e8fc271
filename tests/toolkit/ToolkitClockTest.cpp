#include <gtest/gtest.h>

#include "toolkit/draw/ToolkitClock.h"

namespace {

DWORD g_now;
DWORD FakeTickCount() { return g_now; }
void FakeSleep(DWORD nMilliseconds) { g_now += nMilliseconds; }

} // namespace

TEST(ToolkitClock, ReplacementIsUsedAndGivenBack)
{
    g_now = 1000;
    CXTPToolkitClock previous = XTPSetToolkitClock({ FakeTickCount, FakeSleep });
    XTPSleep(250);
    EXPECT_EQ(1250u, XTPGetTickCount());

    CXTPToolkitClock mine = XTPSetToolkitClock(previous);
    EXPECT_EQ(&FakeTickCount, mine.pfnGetTickCount);
    // The system's clock again: it does not stand at the fake time.
    EXPECT_NE(1250u, XTPGetTickCount());
}

TEST(ToolkitClock, NullMembersMeanTheSystemFunctions)
{
    CXTPToolkitClock previous = XTPSetToolkitClock({ nullptr, nullptr });
    DWORD before = ::GetTickCount();
    DWORD now = XTPGetTickCount();
    EXPECT_LE(now - before, 1000u);
    XTPSetToolkitClock(previous);
}
