// POSITION: the opaque cursor of the framework's lists and maps. It points at
// a node of the container it came from; BEFORE_START_POSITION starts a map's
// iteration before its first entry is known.
#pragma once

#include "framework/core/AfxWin.h"

struct __POSITION {};
typedef __POSITION* POSITION;

#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(-1))
