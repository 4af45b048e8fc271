// The images an icon makes itself: faded (lighter by 30 %), shadow (one
// colour) and disabled (grey, or between two theme colours by brightness).
// Alpha images are changed in a copy, alpha kept; icons where their mask is
// opaque, then joined to the same mask again.
#include "toolkit/draw/ImageManagerIcon.h"

#include "toolkit/draw/BitmapHelpers.h"
#include "toolkit/draw/ColorManager.h"

#include <math.h>
#include <stdint.h>
#include <vector>

namespace {

BYTE Blue(DWORD pixel) { return static_cast<BYTE>(pixel); }
BYTE Green(DWORD pixel) { return static_cast<BYTE>(pixel >> 8); }
BYTE Red(DWORD pixel) { return static_cast<BYTE>(pixel >> 16); }

int IntegerSquareRoot(uint64_t n)
{
    int nRoot = static_cast<int>(sqrt(static_cast<double>(n)));
    while (static_cast<uint64_t>(nRoot) * nRoot > n)
        --nRoot;
    while (static_cast<uint64_t>(nRoot + 1) * (nRoot + 1) <= n)
        ++nRoot;
    return nRoot;
}

DWORD WithColor(DWORD pixel, int nRed, int nGreen, int nBlue)
{
    return (pixel & 0xFF000000) | (static_cast<DWORD>(nRed) << 16)
           | (static_cast<DWORD>(nGreen) << 8) | static_cast<DWORD>(nBlue);
}

// Applies fn to the colour of every pixel of an alpha image (in a copy) or
// of every opaque pixel of an icon, and stores the result in hResult. It runs
// while drawing: without memory for the pixels the result stays empty.
template <class Fn>
void TransformImage(CXTPImageManagerIconHandle& hSource, CXTPImageManagerIconHandle& hResult,
                    Fn fn)
{
    hResult.Clear();
    if (hSource.IsAlpha())
    {
        int nWidth = 0, nHeight = 0, nBitCount = 0;
        if (!GetBitmapFormat(hSource.GetBitmap(), &nWidth, &nHeight, &nBitCount)
            || nBitCount != 32 || nWidth <= 0 || nHeight <= 0)
            return;
        std::vector<DWORD> pixels = PixelBuffer(nWidth, nHeight);
        if (pixels.empty() || !ReadBitmapPixels(hSource.GetBitmap(), nWidth, nHeight, pixels.data()))
            return;
        for (DWORD& pixel : pixels)
            pixel = fn(pixel);
        hResult.AttachBitmap(CreateBitmapFromPixels(nWidth, nHeight, pixels.data()));
        return;
    }

    HICON hIcon = hSource.GetIcon();
    ICONINFO info = {};
    if (!hIcon || !::GetIconInfo(hIcon, &info))
        return;
    int nWidth = 0, nHeight = 0, nBitCount = 0;
    if (info.hbmColor && GetBitmapFormat(info.hbmColor, &nWidth, &nHeight, &nBitCount)
        && nWidth > 0 && nHeight > 0)
    {
        std::vector<DWORD> colors = PixelBuffer(nWidth, nHeight);
        std::vector<DWORD> mask = PixelBuffer(nWidth, nHeight);
        int nMaskWidth = 0, nMaskHeight = 0, nMaskBits = 0;
        if (!colors.empty() && !mask.empty()
            && GetBitmapFormat(info.hbmMask, &nMaskWidth, &nMaskHeight, &nMaskBits)
            && nMaskWidth == nWidth && nMaskHeight >= nHeight
            && ReadBitmapPixels(info.hbmColor, nWidth, nHeight, colors.data())
            && ReadBitmapPixels(info.hbmMask, nWidth, nHeight, mask.data()))
        {
            for (size_t i = 0; i < colors.size(); ++i)
                if ((mask[i] & 0x00FFFFFF) == 0)
                    colors[i] = fn(colors[i]);
            HBITMAP hColor = CreateBitmapFromPixels(nWidth, nHeight, colors.data());
            if (hColor)
            {
                ICONINFO result = {TRUE, 0, 0, info.hbmMask, hColor};
                hResult.AttachIcon(::CreateIconIndirect(&result));
                ::DeleteObject(hColor);
            }
        }
    }
    else
    {
        // A monochrome icon has no colours to change.
        hResult.AttachIcon(::CopyIcon(hIcon));
    }
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
}

} // namespace

void CXTPImageManagerIcon::MakeFaded(CXTPImageManagerIconHandle& hSource,
                                     CXTPImageManagerIconHandle& hResult)
{
    // Icons on a low-colour screen keep their colours.
    if (!hSource.IsAlpha() && hSource.GetIcon() && CXTPColorManager::IsLowColor(nullptr))
    {
        hResult.AttachIcon(::CopyIcon(hSource.GetIcon()));
        return;
    }
    // ⌊76.5 + 0.7·c⌋, in integers so no rounding of 0.7 can cut a step off.
    auto fade = [](BYTE c) { return (765 + 7 * c) / 10; };
    TransformImage(hSource, hResult, [&](DWORD pixel) {
        return WithColor(pixel, fade(Red(pixel)), fade(Green(pixel)), fade(Blue(pixel)));
    });
}

void CXTPImageManagerIcon::MakeShadow(CXTPImageManagerIconHandle& hSource,
                                      CXTPImageManagerIconHandle& hResult)
{
    COLORREF clr = GetColorManager()->ResolveColor(31);
    int nRed = GetRValue(clr) * 3 / 4;
    int nGreen = GetGValue(clr) * 3 / 4;
    int nBlue = GetBValue(clr) * 3 / 4;
    TransformImage(hSource, hResult,
                   [&](DWORD pixel) { return WithColor(pixel, nRed, nGreen, nBlue); });
}

void CXTPImageManagerIcon::MakeDisabled(CXTPImageManagerIconHandle& hSource,
                                        CXTPImageManagerIconHandle& hResult, COLORREF clrLight,
                                        COLORREF clrDark)
{
    const COLORREF clrNone = static_cast<COLORREF>(-1);
    BOOL bTwoColors = clrLight != clrNone && clrDark != clrNone;
    // Brightness l = (0.114·blue + 0.587·green + 0.299·red) / 255, kept as the
    // integer numerator of l over 255000, so the results are exact.
    TransformImage(hSource, hResult, [&](DWORD pixel) {
        uint64_t nLight = 114u * Blue(pixel) + 587u * Green(pixel) + 299u * Red(pixel);
        if (bTwoColors)
        {
            auto mix = [nLight](BYTE light, BYTE dark) {
                return static_cast<int>(((255000 - nLight) * dark + nLight * light) / 255000);
            };
            return WithColor(pixel, mix(GetRValue(clrLight), GetRValue(clrDark)),
                             mix(GetGValue(clrLight), GetGValue(clrDark)),
                             mix(GetBValue(clrLight), GetBValue(clrDark)));
        }
        // ⌊255·√l⌋ = ⌊√(65025·l)⌋, and the root of a number's whole part has
        // the same whole part.
        int nGrey = IntegerSquareRoot(65025 * nLight / 255000);
        return WithColor(pixel, nGrey, nGrey, nGrey);
    });
}
