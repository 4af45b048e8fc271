// Icons and alpha bitmaps with known pixels for the image tests.
#pragma once

#include "framework/core/AfxWin.h"

#include <functional>
#include <vector>

// Colour and opacity of one pixel of a test image.
struct TestPixel
{
    COLORREF clr;
    BYTE alpha;   // icons: 0 transparent (mask set), anything else opaque
};

using TestPattern = std::function<TestPixel(int x, int y)>;

// An icon made with CreateIconIndirect from a 32-bit colour bitmap (alpha 0)
// and a mask that is set where the pattern is transparent.
HICON MakeTestIcon(int cx, int cy, const TestPattern& pattern);
// A top-down 32-bit DIB section with straight (not premultiplied) alpha.
HBITMAP MakeAlphaBitmap(int cx, int cy, const TestPattern& pattern);
// The pixels of any bitmap as blue, green, red, alpha DWORDs, top row first.
std::vector<DWORD> PixelsOf(HBITMAP hBitmap);
COLORREF ColorOf(DWORD pixel);
BYTE AlphaOf(DWORD pixel);
