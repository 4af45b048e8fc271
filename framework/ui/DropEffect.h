// The effect of a drag and drop: DROPEFFECT_NONE, _COPY, _MOVE, _LINK and
// _SCROLL, as one type.
#pragma once

#include "framework/core/AfxWin.h"

#include <ole2.h>

typedef DWORD DROPEFFECT;
