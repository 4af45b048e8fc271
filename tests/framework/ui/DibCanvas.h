#pragma once

#include "framework/ui/Dc.h"

#include <map>
#include <string>
#include <vector>

// A memory DC over a 32-bit top-down DIB whose pixels the test reads
// straight from the bits, so that what it sees is what was drawn and not
// what GetPixel rounds it to.
class CDibCanvas
{
public:
    CDibCanvas(int cx, int cy, COLORREF clrFill = RGB(255, 255, 255));
    ~CDibCanvas();
    CDibCanvas(const CDibCanvas&) = delete;
    CDibCanvas& operator=(const CDibCanvas&) = delete;

    int Width() const { return m_cx; }
    int Height() const { return m_cy; }

    // The pixel as drawn; callers reading many pixels flush once and use
    // PixelAt.
    COLORREF At(int x, int y) const;
    COLORREF PixelAt(int x, int y) const;

    // One string per row; each pixel is its letter in the legend, '?' when
    // its colour has none.
    std::vector<std::string> Picture(const std::map<COLORREF, char>& legend) const;

    // The smallest rectangle holding every pixel that is not clrBackground.
    CRect InkBox(COLORREF clrBackground) const;

    CDC dc;

private:
    int m_cx;
    int m_cy;
    CBitmap m_bitmap;
    const DWORD* m_pBits = nullptr;
    CBitmap* m_pOldBitmap = nullptr;
};
