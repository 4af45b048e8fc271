#include "toolkit/draw/ToolkitClock.h"

namespace {

DWORD SystemTickCount() { return ::GetTickCount(); }
void SystemSleep(DWORD nMilliseconds) { ::Sleep(nMilliseconds); }

// Process-wide, like the toolkit's other settings; set only by tests on the
// user-interface thread.
CXTPToolkitClock g_clock = { SystemTickCount, SystemSleep };

} // namespace

DWORD XTPGetTickCount()
{
    return g_clock.pfnGetTickCount();
}

void XTPSleep(DWORD nMilliseconds)
{
    g_clock.pfnSleep(nMilliseconds);
}

CXTPToolkitClock XTPSetToolkitClock(const CXTPToolkitClock& clock)
{
    CXTPToolkitClock previous = g_clock;
    g_clock.pfnGetTickCount = clock.pfnGetTickCount ? clock.pfnGetTickCount : SystemTickCount;
    g_clock.pfnSleep = clock.pfnSleep ? clock.pfnSleep : SystemSleep;
    return previous;
}
