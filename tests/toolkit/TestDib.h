// A 32-bit top-down memory DIB selected into its own DC: the surface every
// drawing test paints into and then reads back pixel by pixel.
#pragma once

#include "framework/ui/Dc.h"

class CTestDib
{
public:
    CTestDib(int cx, int cy, COLORREF clrFill = RGB(255, 255, 255));
    ~CTestDib();
    CTestDib(const CTestDib&) = delete;
    CTestDib& operator=(const CTestDib&) = delete;

    CDC& DC() { return m_dc; }
    CDC* operator->() { return &m_dc; }
    HBITMAP Bitmap() const { return m_hBitmap; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }

    // The pixel as an RGB colour (alpha dropped), straight from the bits.
    COLORREF Pixel(int x, int y) const;
    BYTE Alpha(int x, int y) const;
    // The raw bytes blue, green, red, alpha as one little-endian DWORD.
    DWORD& Raw(int x, int y);
    // Every pixel set to the colour with the given alpha byte.
    void Fill(COLORREF clr, BYTE alpha = 0);

private:
    int m_cx;
    int m_cy;
    CDC m_dc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    DWORD* m_pBits;
};

// TRUE when every channel differs by at most nTolerance.
bool ColorsClose(COLORREF a, COLORREF b, int nTolerance);
