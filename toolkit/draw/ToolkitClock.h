// The toolkit reads the time and sleeps through one replaceable pair, so that
// tests run animations, fades, hover delays and self-drawn tooltips frame by
// frame without waiting. Programs never replace it.
#pragma once

#include "framework/core/AfxWin.h"

struct CXTPToolkitClock
{
    DWORD (*pfnGetTickCount)();   // null: the system's tick count
    void (*pfnSleep)(DWORD);      // null: the system's sleep
};

// Milliseconds of the toolkit's clock.
DWORD XTPGetTickCount();
// Waits for the toolkit's clock to advance by at least nMilliseconds.
void XTPSleep(DWORD nMilliseconds);
// Installs a replacement (null members take the system's functions) and
// returns the one it replaces, for the caller to put back.
CXTPToolkitClock XTPSetToolkitClock(const CXTPToolkitClock& clock);
