#include "TestImages.h"

namespace {

HBITMAP TopDownDib(int cx, int cy, DWORD** ppBits)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pvBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0);
    *ppBits = static_cast<DWORD*>(pvBits);
    return hBitmap;
}

DWORD Pack(COLORREF clr, BYTE alpha)
{
    return (static_cast<DWORD>(alpha) << 24) | (GetRValue(clr) << 16) | (GetGValue(clr) << 8)
           | GetBValue(clr);
}

} // namespace

HICON MakeTestIcon(int cx, int cy, const TestPattern& pattern)
{
    DWORD* pBits = nullptr;
    HBITMAP hColor = TopDownDib(cx, cy, &pBits);
    int nStride = ((cx + 15) / 16) * 2;
    std::vector<BYTE> mask(static_cast<size_t>(nStride) * cy, 0);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            TestPixel pixel = pattern(x, y);
            pBits[y * cx + x] = pixel.alpha ? Pack(pixel.clr, 0) : 0;
            if (!pixel.alpha)
                mask[y * nStride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
        }
    HBITMAP hMask = ::CreateBitmap(cx, cy, 1, 1, mask.data());
    ICONINFO info = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    return hIcon;
}

HBITMAP MakeAlphaBitmap(int cx, int cy, const TestPattern& pattern)
{
    DWORD* pBits = nullptr;
    HBITMAP hBitmap = TopDownDib(cx, cy, &pBits);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            TestPixel pixel = pattern(x, y);
            pBits[y * cx + x] = Pack(pixel.clr, pixel.alpha);
        }
    return hBitmap;
}

std::vector<DWORD> PixelsOf(HBITMAP hBitmap)
{
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    int cy = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
    std::vector<DWORD> pixels(static_cast<size_t>(bm.bmWidth) * cy);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = bm.bmWidth;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    HDC hDC = ::GetDC(nullptr);
    ::GetDIBits(hDC, hBitmap, 0, cy, pixels.data(), &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    return pixels;
}

COLORREF ColorOf(DWORD pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

BYTE AlphaOf(DWORD pixel)
{
    return static_cast<BYTE>(pixel >> 24);
}
