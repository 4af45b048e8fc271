// A 32-bit top-down DIB section selected into a memory DC of its own: what a
// test draws into, or copies the screen into, and then reads pixel by pixel.
// Plain Win32, so programs without the framework can use it too.
#pragma once

#include <windows.h>

class CMemoryDib
{
public:
    CMemoryDib(int cx, int cy);
    ~CMemoryDib();
    CMemoryDib(const CMemoryDib&) = delete;
    CMemoryDib& operator=(const CMemoryDib&) = delete;

    // False when the section could not be made; nothing is then selected.
    bool IsValid() const { return m_hBitmap != nullptr; }
    HDC Dc() const { return m_hDC; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    // The pixels, top row first, as little-endian DWORDs blue, green, red,
    // alpha, once GDI finished what it was asked to draw; null when invalid.
    const DWORD* Pixels() const;
    // Copies the screen from (x, y) on into the whole DIB.
    void CopyScreen(int x, int y);

private:
    int m_cx;
    int m_cy;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    void* m_pBits;
};
