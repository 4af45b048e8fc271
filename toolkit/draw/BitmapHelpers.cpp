#include "toolkit/draw/BitmapHelpers.h"

#include "framework/core/Module.h"
#include "framework/ui/Dc.h"
#include "toolkit/draw/GraphicBitmapPng.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/draw/SystemInfo.h"

#include <commctrl.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <vector>

namespace {

// Largest side accepted for bitmaps made from outside data.
const int nMaxSide = 0x8000;

BITMAPINFO TopDownHeader(int nWidth, int nHeight)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -nHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    return bmi;
}

} // namespace

std::vector<DWORD> PixelBuffer(int nWidth, int nHeight)
{
    std::vector<DWORD> pixels;
    if (nWidth > 0 && nHeight > 0 && nWidth <= nMaxSide && nHeight <= nMaxSide)
    {
        try
        {
            pixels.resize(static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight));
        }
        catch (...)
        {
            pixels.clear();
        }
    }
    return pixels;
}

namespace {

// A 32-bit copy of the bitmap with every pixel passed through fn.
template <class Fn>
HBITMAP TransformAlphaBitmap(HBITMAP hBitmap, Fn fn)
{
    int nWidth = 0, nHeight = 0, nBitCount = 0;
    if (!GetBitmapFormat(hBitmap, &nWidth, &nHeight, &nBitCount) || nBitCount != 32)
        return nullptr;
    std::vector<DWORD> pixels = PixelBuffer(nWidth, nHeight);
    if (pixels.empty() || !ReadBitmapPixels(hBitmap, nWidth, nHeight, pixels.data()))
        return nullptr;
    for (DWORD& pixel : pixels)
        pixel = fn(pixel);
    return CreateBitmapFromPixels(nWidth, nHeight, pixels.data());
}

HRSRC FindBitmapResource(HMODULE hModule, LPCSTR lpszName, const BITMAPINFOHEADER** ppHeader,
                         DWORD* pnSize)
{
    HRSRC hRes = ::FindResourceA(hModule, lpszName, MAKEINTRESOURCEA(2));   // RT_BITMAP
    if (!hRes)
        return nullptr;
    DWORD nSize = ::SizeofResource(hModule, hRes);
    HGLOBAL hGlobal = ::LoadResource(hModule, hRes);
    const void* pData = hGlobal ? ::LockResource(hGlobal) : nullptr;
    if (!pData || nSize < sizeof(BITMAPINFOHEADER))
        return nullptr;
    *ppHeader = static_cast<const BITMAPINFOHEADER*>(pData);
    *pnSize = nSize;
    return hRes;
}

} // namespace

HBITMAP Create32BitDIBSection(HDC hDC, int nWidth, int nHeight, BYTE** ppBits)
{
    BITMAPINFO bmi = TopDownHeader(nWidth, nHeight);
    bmi.bmiHeader.biHeight = nHeight;
    void* pvBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0);
    if (ppBits)
        *ppBits = hBitmap ? static_cast<BYTE*>(pvBits) : nullptr;
    return hBitmap;
}

void BlendPixels(BYTE* pDest, const BYTE* pBackground, int nWidth, int nHeight,
                 const BYTE* pForeground, int nWeight)
{
    size_t nPixels = static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight);
    for (size_t i = 0; i < nPixels; ++i)
    {
        for (int c = 0; c < 3; ++c)
            pDest[c] = static_cast<BYTE>(
                (pForeground[c] * nWeight + pBackground[c] * (255 - nWeight)) / 256);
        pDest += 4;
        pBackground += 4;
        pForeground += 4;
    }
}

BOOL GetBitmapFormat(HBITMAP hBitmap, int* pnWidth, int* pnHeight, int* pnBitCount)
{
    BITMAP bm = {};
    if (!hBitmap || !::GetObjectA(hBitmap, sizeof(bm), &bm))
        return FALSE;
    *pnWidth = bm.bmWidth;
    *pnHeight = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
    *pnBitCount = bm.bmBitsPixel;
    return TRUE;
}

BOOL ReadBitmapPixels(HBITMAP hBitmap, int nWidth, int nHeight, DWORD* pPixels)
{
    BITMAPINFO bmi = TopDownHeader(nWidth, nHeight);
    HDC hDC = ::GetDC(nullptr);
    int nLines = ::GetDIBits(hDC, hBitmap, 0, nHeight, pPixels, &bmi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    return nLines == nHeight;
}

HBITMAP CreateBitmapFromPixels(int nWidth, int nHeight, const DWORD* pPixels)
{
    if (nWidth <= 0 || nHeight <= 0)
        return nullptr;
    BITMAPINFO bmi = TopDownHeader(nWidth, nHeight);
    void* pvBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0);
    if (!hBitmap)
        return nullptr;
    memcpy(pvBits, pPixels, static_cast<size_t>(nWidth) * nHeight * 4);
    return hBitmap;
}

void AlphaBlit(CDC* pDestDC, const CRect& rcDest, CDC* pSrcDC, const CRect& rcSrc)
{
    if (rcDest.IsRectEmpty() || rcSrc.IsRectEmpty())
        return;

    CXTPImageManager::PFNALPHABLEND pfnAlphaBlend = XTPImageManager()->GetAlphaBlendFunction();
    if (pfnAlphaBlend && (IsWindows2000OrLater() || (rcSrc.left == 0 && rcSrc.top == 0)))
    {
        BLENDFUNCTION bf = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        pfnAlphaBlend(pDestDC->GetSafeHdc(), rcDest.left, rcDest.top, rcDest.Width(),
                      rcDest.Height(), pSrcDC->GetSafeHdc(), rcSrc.left, rcSrc.top, rcSrc.Width(),
                      rcSrc.Height(), bf);
        return;
    }

    // By hand: the source stretched to the destination's size, the
    // destination beside it, and each channel source + destination × (255 −
    // source alpha) / 255.
    int cx = rcDest.Width();
    int cy = rcDest.Height();
    BYTE* pSource = nullptr;
    BYTE* pDest = nullptr;
    BYTE* pResult = nullptr;
    HBITMAP hSource = Create32BitDIBSection(pDestDC->GetSafeHdc(), cx, cy, &pSource);
    HBITMAP hDest = Create32BitDIBSection(pDestDC->GetSafeHdc(), cx, cy, &pDest);
    HBITMAP hResult = Create32BitDIBSection(pDestDC->GetSafeHdc(), cx, cy, &pResult);
    if (hSource && hDest && hResult)
    {
        CXTPCompatibleDC dcSource(pDestDC, hSource);
        ::SetStretchBltMode(dcSource.GetSafeHdc(), COLORONCOLOR);
        ::StretchBlt(dcSource.GetSafeHdc(), 0, 0, cx, cy, pSrcDC->GetSafeHdc(), rcSrc.left,
                     rcSrc.top, rcSrc.Width(), rcSrc.Height(), SRCCOPY);
        CXTPCompatibleDC dcDest(pDestDC, hDest);
        ::BitBlt(dcDest.GetSafeHdc(), 0, 0, cx, cy, pDestDC->GetSafeHdc(), rcDest.left,
                 rcDest.top, SRCCOPY);
        ::GdiFlush();
        size_t nBytes = static_cast<size_t>(cx) * cy * 4;
        for (size_t i = 0; i < nBytes; i += 4)
        {
            int nInverse = 255 - pSource[i + 3];
            for (size_t c = 0; c < 4; ++c)
            {
                int nValue = pSource[i + c] + pDest[i + c] * nInverse / 255;
                pResult[i + c] = static_cast<BYTE>(nValue > 255 ? 255 : nValue);
            }
        }
        CXTPCompatibleDC dcResult(pDestDC, hResult);
        ::BitBlt(pDestDC->GetSafeHdc(), rcDest.left, rcDest.top, cx, cy, dcResult.GetSafeHdc(),
                 0, 0, SRCCOPY);
    }
    for (HBITMAP hBitmap : {hSource, hDest, hResult})
        if (hBitmap)
            ::DeleteObject(hBitmap);
}

void TransparentBlit(CDC* pDestDC, const CRect& rcDest, CDC* pSrcDC, const CRect& rcSrc,
                     COLORREF clrTransparent)
{
    if (rcDest.IsRectEmpty() || rcSrc.IsRectEmpty())
        return;
    HDC hDest = pDestDC->GetSafeHdc();
    HDC hSrc = pSrcDC->GetSafeHdc();

    CXTPImageManager::PFNTRANSPARENTBLT pfnTransparentBlt =
        XTPImageManager()->GetTransparentBltFunction();
    if (IsWindows2000OrLater() && pfnTransparentBlt)
    {
        pfnTransparentBlt(hDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), hSrc,
                          rcSrc.left, rcSrc.top, rcSrc.Width(), rcSrc.Height(), clrTransparent);
        return;
    }

    int cx = rcSrc.Width();
    int cy = rcSrc.Height();
    HBITMAP hCopy = ::CreateCompatibleBitmap(hSrc, cx, cy);
    HBITMAP hMask = ::CreateBitmap(cx, cy, 1, 1, nullptr);
    if (hCopy && hMask)
    {
        // The copy of the source, and a mask that is 1 where the source has
        // the transparent colour.
        CXTPCompatibleDC dcCopy(pSrcDC, hCopy);
        ::BitBlt(dcCopy.GetSafeHdc(), 0, 0, cx, cy, hSrc, rcSrc.left, rcSrc.top, SRCCOPY);
        CXTPCompatibleDC dcMask(pSrcDC, hMask);
        COLORREF clrOldSrcBk = ::SetBkColor(hSrc, clrTransparent);
        ::BitBlt(dcMask.GetSafeHdc(), 0, 0, cx, cy, hSrc, rcSrc.left, rcSrc.top, SRCCOPY);
        ::SetBkColor(hSrc, clrOldSrcBk);

        if (clrTransparent != RGB(0, 0, 0))
        {
            // Mask bits 1 become black in the copy, 0 leave it as it is.
            ::SetBkColor(dcCopy.GetSafeHdc(), RGB(0, 0, 0));
            ::SetTextColor(dcCopy.GetSafeHdc(), RGB(255, 255, 255));
            ::BitBlt(dcCopy.GetSafeHdc(), 0, 0, cx, cy, dcMask.GetSafeHdc(), 0, 0, SRCAND);
        }

        COLORREF clrOldBk = ::SetBkColor(hDest, RGB(255, 255, 255));
        COLORREF clrOldText = ::SetTextColor(hDest, RGB(0, 0, 0));
        BOOL bStretch = rcDest.Width() != cx || rcDest.Height() != cy;
        if (bStretch)
        {
            ::StretchBlt(hDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(),
                         dcMask.GetSafeHdc(), 0, 0, cx, cy, SRCAND);
            ::StretchBlt(hDest, rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(),
                         dcCopy.GetSafeHdc(), 0, 0, cx, cy, SRCPAINT);
        }
        else
        {
            ::BitBlt(hDest, rcDest.left, rcDest.top, cx, cy, dcMask.GetSafeHdc(), 0, 0, SRCAND);
            ::BitBlt(hDest, rcDest.left, rcDest.top, cx, cy, dcCopy.GetSafeHdc(), 0, 0, SRCPAINT);
        }
        ::SetBkColor(hDest, clrOldBk);
        ::SetTextColor(hDest, clrOldText);
    }
    if (hCopy)
        ::DeleteObject(hCopy);
    if (hMask)
        ::DeleteObject(hMask);
}

HBITMAP PremultiplyAlpha(HBITMAP hBitmap)
{
    return TransformAlphaBitmap(hBitmap, [](DWORD pixel) {
        DWORD alpha = pixel >> 24;
        DWORD blue = (pixel & 0xFF) * alpha / 255;
        DWORD green = ((pixel >> 8) & 0xFF) * alpha / 255;
        DWORD red = ((pixel >> 16) & 0xFF) * alpha / 255;
        return (alpha << 24) | (red << 16) | (green << 8) | blue;
    });
}

HBITMAP CopyAlphaBitmap(HBITMAP hBitmap)
{
    return TransformAlphaBitmap(hBitmap, [](DWORD pixel) { return pixel; });
}

COLORREF GetBitmapPixel(HBITMAP hBitmap, int x, int y)
{
    CXTPCompatibleDC dc(nullptr, hBitmap);
    return dc.GetPixel(x, y);
}

BOOL SplitBitmap(HBITMAP hBitmap, int nCount, HBITMAP* pBitmaps)
{
    int nWidth = 0, nHeight = 0, nBitCount = 0;
    if (nCount <= 0 || !GetBitmapFormat(hBitmap, &nWidth, &nHeight, &nBitCount)
        || nBitCount != 32)
        return FALSE;
    int cx = nWidth / nCount;
    std::vector<DWORD> pixels = PixelBuffer(nWidth, nHeight);
    std::vector<DWORD> piece = PixelBuffer(cx, nHeight);
    if (cx <= 0 || pixels.empty() || piece.empty()
        || !ReadBitmapPixels(hBitmap, nWidth, nHeight, pixels.data()))
        return FALSE;

    for (int i = 0; i < nCount; ++i)
    {
        for (int y = 0; y < nHeight; ++y)
            memcpy(&piece[static_cast<size_t>(y) * cx],
                   &pixels[static_cast<size_t>(y) * nWidth + static_cast<size_t>(i) * cx],
                   static_cast<size_t>(cx) * 4);
        pBitmaps[i] = CreateBitmapFromPixels(cx, nHeight, piece.data());
        if (!pBitmaps[i])
        {
            for (int j = 0; j < i; ++j)
            {
                ::DeleteObject(pBitmaps[j]);
                pBitmaps[j] = nullptr;
            }
            return FALSE;
        }
    }
    return TRUE;
}

CSize GetIconDimensions(HICON hIcon)
{
    ICONINFO info = {};
    if (!hIcon || !::GetIconInfo(hIcon, &info))
        return CSize(0, 0);
    BITMAP bm = {};
    ::GetObjectA(info.hbmMask, sizeof(bm), &bm);
    CSize size(bm.bmWidth, bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight);
    if (!info.hbmColor)
        size.cy /= 2;
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    return size;
}

HICON CreateScaledIcon(HICON hIcon, int nOldWidth, int nOldHeight, int nNewWidth)
{
    if (!hIcon || nNewWidth <= 0 || nOldWidth <= 0)
        return nullptr;
    if (nOldWidth == nNewWidth)
        return ::CopyIcon(hIcon);
    int nNewHeight = ::MulDiv(nOldHeight, nNewWidth, nOldWidth);
    if (nNewHeight <= 0)
        return nullptr;
    HIMAGELIST hImageList = ::ImageList_Create(nNewWidth, nNewHeight, ILC_MASK | ILC_COLOR32, 1, 1);
    if (!hImageList)
        return nullptr;
    HICON hScaled = nullptr;
    if (::ImageList_ReplaceIcon(hImageList, -1, hIcon) == 0)
        hScaled = ::ImageList_GetIcon(hImageList, 0, ILD_NORMAL);
    ::ImageList_Destroy(hImageList);
    return hScaled;
}

HICON CreateScaledIcon(HICON hIcon, int nNewWidth)
{
    CSize size = GetIconDimensions(hIcon);
    return CreateScaledIcon(hIcon, size.cx, size.cy, nNewWidth);
}

BOOL IsPngResource(HMODULE hModule, LPCSTR lpszName)
{
    HRSRC hRes = ::FindResourceA(hModule, lpszName, "PNG");
    if (!hRes || ::SizeofResource(hModule, hRes) < 4)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hModule, hRes);
    const BYTE* p = hGlobal ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    return p && p[0] == 0x89 && p[1] == 'P' && p[2] == 'N' && p[3] == 'G';
}

BOOL IsAlphaBitmapResource(HMODULE hModule, LPCSTR lpszName)
{
    const BITMAPINFOHEADER* pHeader = nullptr;
    DWORD nSize = 0;
    return FindBitmapResource(hModule, lpszName, &pHeader, &nSize) && pHeader->biBitCount == 32;
}

HBITMAP LoadAlphaBitmapResource(HMODULE hModule, LPCSTR lpszName)
{
    const BITMAPINFOHEADER* pHeader = nullptr;
    DWORD nSize = 0;
    if (!FindBitmapResource(hModule, lpszName, &pHeader, &nSize) || pHeader->biBitCount != 32
        || pHeader->biSize < sizeof(BITMAPINFOHEADER) || pHeader->biSize > nSize)
        return nullptr;
    LONG nWidth = pHeader->biWidth;
    LONG nHeight = pHeader->biHeight < 0 ? -pHeader->biHeight : pHeader->biHeight;
    if (nWidth <= 0 || nHeight <= 0 || nWidth > nMaxSide || nHeight > nMaxSide)
        return nullptr;

    // The pixels follow the header (and the three masks of a bit-field header).
    uint64_t nOffset = pHeader->biSize;
    if (pHeader->biCompression == BI_BITFIELDS && pHeader->biSize == sizeof(BITMAPINFOHEADER))
        nOffset += 12;
    uint64_t nBits = static_cast<uint64_t>(nWidth) * static_cast<uint64_t>(nHeight) * 4;
    if (nOffset + nBits > nSize)
        return nullptr;

    BITMAPINFO bmi = TopDownHeader(nWidth, nHeight);
    bmi.bmiHeader.biHeight = pHeader->biHeight;   // rows in the resource's order
    void* pvBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0);
    if (!hBitmap)
        return nullptr;
    memcpy(pvBits, reinterpret_cast<const BYTE*>(pHeader) + nOffset, static_cast<size_t>(nBits));
    return hBitmap;
}

HBITMAP LoadBitmapResource(LPCSTR lpszName, BOOL* pbAlpha)
{
    HMODULE hModule = AfxFindResourceHandle(lpszName, "PNG");
    if (!::FindResourceA(hModule, lpszName, "PNG"))
        hModule = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(2));
    return LoadBitmapResource(hModule, lpszName, pbAlpha);
}

HBITMAP LoadBitmapResource(HMODULE hModule, LPCSTR lpszName, BOOL* pbAlpha)
{
    if (pbAlpha)
        *pbAlpha = FALSE;
    if (IsPngResource(hModule, lpszName))
    {
        CXTPGraphicBitmapPng png;
        if (!png.LoadFromResource(hModule, ::FindResourceA(hModule, lpszName, "PNG")))
            return nullptr;
        if (pbAlpha)
            *pbAlpha = png.IsAlpha();
        return static_cast<HBITMAP>(png.Detach());
    }
    if (IsAlphaBitmapResource(hModule, lpszName))
    {
        HBITMAP hBitmap = LoadAlphaBitmapResource(hModule, lpszName);
        if (hBitmap && pbAlpha)
            *pbAlpha = TRUE;
        return hBitmap;
    }
    return static_cast<HBITMAP>(::LoadImageA(hModule, lpszName, IMAGE_BITMAP, 0, 0,
                                             LR_DEFAULTSIZE));
}
