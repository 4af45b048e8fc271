// PNG decoding through libpng. libpng is C code built without exception
// support, so its errors come back through setjmp/longjmp, never as C++
// exceptions; the decoding function keeps nothing with a destructor alive
// across that jump and frees what it allocated on the error path, once.
#include "toolkit/draw/GraphicBitmapPng.h"

#include "framework/core/Exceptions.h"
#include "framework/core/MemFile.h"

#include <png.h>
#include <setjmp.h>
#include <stdint.h>
#include <stdlib.h>

namespace {

// The decoder's result: rows of width × channels bytes, top row first, in one
// malloc'd block.
struct DecodedPng
{
    BYTE* pPixels;
    UINT nWidth;
    UINT nHeight;
    UINT nChannels;
    size_t nRowBytes;
    BYTE background[3];
};

void PNGCBAPI OnPngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void PNGCBAPI OnPngWarning(png_structp, png_const_charp)
{
}

void PNGCBAPI ReadFromFile(png_structp png, png_bytep pData, size_t nLength)
{
    CMemFile* pFile = static_cast<CMemFile*>(png_get_io_ptr(png));
    UINT nRead = 0;
    if (nLength <= UINT_MAX)
    {
        try
        {
            nRead = pFile->Read(pData, static_cast<UINT>(nLength));
        }
        catch (CException* e)
        {
            e->Delete();
        }
    }
    if (nRead != nLength)
        png_error(png, "truncated");
}

// Asks libpng for 8-bit RGB or RGBA rows with background and gamma applied.
void RequestTransformations(png_structp png, png_infop info, DecodedPng* pOut)
{
    png_uint_32 nWidth = 0, nHeight = 0;
    int nBitDepth = 0, nColorType = 0;
    png_get_IHDR(png, info, &nWidth, &nHeight, &nBitDepth, &nColorType, nullptr, nullptr,
                 nullptr);

    if (nBitDepth == 16)
        png_set_strip_16(png);
    if (nColorType == PNG_COLOR_TYPE_PALETTE || nBitDepth < 8)
        png_set_expand(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_expand(png);
    if (nColorType == PNG_COLOR_TYPE_GRAY || nColorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);

    png_color_16p pBackground = nullptr;
    if (png_get_bKGD(png, info, &pBackground) && pBackground)
    {
        png_set_background(png, pBackground, PNG_BACKGROUND_GAMMA_FILE, 1, 1.0);
        pOut->background[0] = static_cast<BYTE>(pBackground->red);
        pOut->background[1] = static_cast<BYTE>(pBackground->green);
        pOut->background[2] = static_cast<BYTE>(pBackground->blue);
    }

    double dFileGamma = 0;
    if (png_get_gAMA(png, info, &dFileGamma))
        png_set_gamma(png, 2.2, dFileGamma);

    // Interlaced images are read whole, all passes combined.
    png_set_interlace_handling(png);
}

BOOL DecodePng(CMemFile* pFile, DecodedPng* pOut)
{
    png_byte signature[8];
    if (pFile->Read(signature, sizeof(signature)) != sizeof(signature)
        || png_sig_cmp(signature, 0, sizeof(signature)) != 0)
        return FALSE;

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError,
                                             OnPngWarning);
    if (!png)
        return FALSE;
    png_infop info = png_create_info_struct(png);
    if (!info)
    {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return FALSE;
    }

    // Both blocks are freed here when libpng jumps back with an error.
    BYTE* volatile pPixels = nullptr;
    png_bytep* volatile ppRows = nullptr;
    if (setjmp(png_jmpbuf(png)))
    {
        free(ppRows);
        free(pPixels);
        png_destroy_read_struct(&png, &info, nullptr);
        return FALSE;
    }

    png_set_read_fn(png, pFile, ReadFromFile);
    png_set_sig_bytes(png, sizeof(signature));
    // Chunks the picture does not need are skipped as they are read. libpng
    // would read each into a zeroed buffer of the length the chunk declares,
    // so a text chunk declaring a gigabyte in a file of a few bytes would
    // commit that gigabyte before the data runs out.
    static const png_byte unused[] = "tEXt\0zTXt\0iTXt\0sPLT\0eXIf\0pCAL\0sCAL";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, unused, sizeof(unused) / 5);
    png_read_info(png, info);
    RequestTransformations(png, info, pOut);
    png_read_update_info(png, info);

    png_uint_32 nWidth = 0, nHeight = 0;
    int nBitDepth = 0, nColorType = 0;
    png_get_IHDR(png, info, &nWidth, &nHeight, &nBitDepth, &nColorType, nullptr, nullptr,
                 nullptr);
    size_t nRowBytes = png_get_rowbytes(png, info);
    UINT nChannels = png_get_channels(png, info);
    if (nWidth == 0 || nHeight == 0 || (nChannels != 3 && nChannels != 4)
        || nRowBytes / nChannels < nWidth)
        png_error(png, "unexpected layout");
    if (nHeight > SIZE_MAX / nRowBytes || nHeight > SIZE_MAX / sizeof(png_bytep))
        png_error(png, "too large");

    pPixels = static_cast<BYTE*>(malloc(nRowBytes * nHeight));
    ppRows = static_cast<png_bytep*>(malloc(nHeight * sizeof(png_bytep)));
    if (!pPixels || !ppRows)
        png_error(png, "out of memory");
    for (png_uint_32 y = 0; y < nHeight; ++y)
        ppRows[y] = pPixels + y * nRowBytes;

    png_read_image(png, ppRows);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    free(ppRows);

    pOut->pPixels = pPixels;
    pOut->nWidth = nWidth;
    pOut->nHeight = nHeight;
    pOut->nChannels = nChannels;
    pOut->nRowBytes = nRowBytes;
    return TRUE;
}

// A top-down 32-bit DIB of the decoded rows; three-channel pixels get alpha 0.
HBITMAP CreateDibFromPng(const DecodedPng& image)
{
    if (image.nWidth > 0x7FFFFFFF / 4 / image.nHeight)
        return nullptr;

    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = static_cast<LONG>(image.nWidth);
    bmi.bmiHeader.biHeight = -static_cast<LONG>(image.nHeight);
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;

    void* pvBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0);
    if (!hBitmap || !pvBits)
    {
        if (hBitmap)
            ::DeleteObject(hBitmap);
        return nullptr;
    }

    BYTE* pDest = static_cast<BYTE*>(pvBits);
    for (UINT y = 0; y < image.nHeight; ++y)
    {
        const BYTE* pSource = image.pPixels + y * image.nRowBytes;
        for (UINT x = 0; x < image.nWidth; ++x, pSource += image.nChannels, pDest += 4)
        {
            pDest[0] = pSource[2];
            pDest[1] = pSource[1];
            pDest[2] = pSource[0];
            pDest[3] = image.nChannels == 4 ? pSource[3] : 0;
        }
    }
    return hBitmap;
}

} // namespace

CXTPGraphicBitmapPng::CXTPGraphicBitmapPng()
    : m_bAlpha(FALSE)
{
}

BOOL CXTPGraphicBitmapPng::LoadFromResource(HMODULE hModule, HRSRC hRes)
{
    DeleteObject();
    m_bAlpha = FALSE;
    if (!hRes)
        return FALSE;

    DWORD nSize = ::SizeofResource(hModule, hRes);
    HGLOBAL hGlobal = ::LoadResource(hModule, hRes);
    const void* pData = hGlobal ? ::LockResource(hGlobal) : nullptr;
    if (!pData || nSize <= 9)
        return FALSE;
    return LoadFromMemory(pData, nSize);
}

BOOL CXTPGraphicBitmapPng::LoadFromMemory(const void* pData, UINT nSize)
{
    DeleteObject();
    m_bAlpha = FALSE;
    if (!pData || nSize <= 9)
        return FALSE;

    // The file only reads: the resource bytes are never written.
    CMemFile file(static_cast<BYTE*>(const_cast<void*>(pData)), nSize);
    DecodedPng image = {nullptr, 0, 0, 0, 0, {127, 127, 127}};
    if (!DecodePng(&file, &image))
        return FALSE;

    HBITMAP hBitmap = CreateDibFromPng(image);
    free(image.pPixels);
    if (!hBitmap)
        return FALSE;
    Attach(hBitmap);
    m_bAlpha = image.nChannels == 4;
    return TRUE;
}
