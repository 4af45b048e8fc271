// The 32-bit top-down bitmaps the tab drawing turns pictures in: a tab's
// icon on a left or right header, and visual-style parts that the style
// draws for a top header only.
#pragma once

#include "framework/core/AfxWin.h"

// A 32-bit DIB section, top row first; *ppBits receives its pixels. Null
// when it cannot be made.
HBITMAP CreateTabTopDownDib(int cx, int cy, DWORD** ppBits);
