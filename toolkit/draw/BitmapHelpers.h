// Bitmap work the icon images need: 32-bit DIB sections, alpha and
// transparent blits (with the system's AlphaBlend and TransparentBlt when
// msimg32 offers them, by hand otherwise), copies, premultiplication,
// splitting strips, icon sizes and scaling, and loading bitmap resources
// (PNG, 32-bit with alpha, or plain).
//
// Bitmaps handed in are never trusted to be bottom-up: pixels are read with
// GetDIBits in a known order, and every bitmap made here is top-down unless
// said otherwise.
#pragma once

#include "framework/core/Geometry.h"

#include <vector>

class CDC;

// A BI_RGB DIB section of 32 bits per pixel, bottom-up (positive height);
// *ppBits receives its pixels when given.
HBITMAP Create32BitDIBSection(HDC hDC, int nWidth, int nHeight, BYTE** ppBits);
// Per 32-bit pixel: blue, green and red of the destination become
// (foreground × weight + background × (255 − weight)) / 256; the fourth byte
// is left alone. Used for each frame of a fade.
void BlendPixels(BYTE* pDest, const BYTE* pBackground, int nWidth, int nHeight,
                 const BYTE* pForeground, int nWeight);

// Draws a premultiplied 32-bit source over the destination.
void AlphaBlit(CDC* pDestDC, const CRect& rcDest, CDC* pSrcDC, const CRect& rcSrc);
// Draws the source leaving out the pixels of the transparent colour.
void TransparentBlit(CDC* pDestDC, const CRect& rcDest, CDC* pSrcDC, const CRect& rcSrc,
                     COLORREF clrTransparent);

// Copies of a 32-bit bitmap: premultiplied (each colour byte times alpha /
// 255), or as it is. Null when the bitmap is not 32-bit or memory runs out.
HBITMAP PremultiplyAlpha(HBITMAP hBitmap);
HBITMAP CopyAlphaBitmap(HBITMAP hBitmap);
// Width, height (positive) and bits per pixel; FALSE for no bitmap.
BOOL GetBitmapFormat(HBITMAP hBitmap, int* pnWidth, int* pnHeight, int* pnBitCount);
// The pixels of a bitmap as 32-bit values (blue, green, red, alpha bytes),
// top row first; FALSE when they cannot be read.
BOOL ReadBitmapPixels(HBITMAP hBitmap, int nWidth, int nHeight, DWORD* pPixels);
// A top-down 32-bit DIB section holding the pixels.
HBITMAP CreateBitmapFromPixels(int nWidth, int nHeight, const DWORD* pPixels);
// A pixel buffer of the size; empty when the size is unreasonable or memory
// runs out, never an exception, so drawing code that needs one draws nothing.
std::vector<DWORD> PixelBuffer(int nWidth, int nHeight);

COLORREF GetBitmapPixel(HBITMAP hBitmap, int x, int y);

// Cuts a 32-bit strip into nCount bitmaps of width / nCount columns each.
// On failure none is left behind.
BOOL SplitBitmap(HBITMAP hBitmap, int nCount, HBITMAP* pBitmaps);

// The icon's size from its mask (halved in height when it has no colour bitmap).
CSize GetIconDimensions(HICON hIcon);
// A copy of the icon at another width, the height in proportion. Null for a
// new width of 0 or an old width of 0.
HICON CreateScaledIcon(HICON hIcon, int nOldWidth, int nOldHeight, int nNewWidth);
HICON CreateScaledIcon(HICON hIcon, int nNewWidth);

// A "PNG" resource whose first bytes are 0x89 'P' 'N' 'G'.
BOOL IsPngResource(HMODULE hModule, LPCSTR lpszName);
// A bitmap resource of 32 bits per pixel.
BOOL IsAlphaBitmapResource(HMODULE hModule, LPCSTR lpszName);
HBITMAP LoadAlphaBitmapResource(HMODULE hModule, LPCSTR lpszName);
// A PNG, a 32-bit bitmap or a plain bitmap resource; *pbAlpha tells whether
// the result carries alpha. The first form looks in the module that holds
// the resource.
HBITMAP LoadBitmapResource(LPCSTR lpszName, BOOL* pbAlpha);
HBITMAP LoadBitmapResource(HMODULE hModule, LPCSTR lpszName, BOOL* pbAlpha);
