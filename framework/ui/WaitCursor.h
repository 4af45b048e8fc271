// The hourglass shown while the program is busy. Requests nest: the cursor
// of before the first request comes back when the last one ends.
#pragma once

#include "framework/core/AfxWin.h"

// nCode 1 begins a wait, -1 ends one, 0 shows the wait cursor again (after
// something else set the cursor). Goes through the application's
// DoWaitCursor when there is an application.
void AFXAPI AfxDoWaitCursor(int nCode);
// The wait-cursor bookkeeping itself (the application's default).
void AFXAPI AfxDoWaitCursorDefault(int nCode);
