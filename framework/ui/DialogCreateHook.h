// The hook that attaches a window the system creates to its object is the
// window code's (AfxHookWindowCreate in Wnd.h).
#pragma once

#include "framework/ui/Wnd.h"
