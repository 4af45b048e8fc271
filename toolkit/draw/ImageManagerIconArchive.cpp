// The stored form of an icon: its height, a version, then each image as two
// DIB records (an icon's colour and mask bitmaps; an alpha image's bitmap and
// an empty record; two empty records for no image). A DIB record is a count
// of header bytes, the BITMAPINFO (header and colour table: 16 entries for
// 4-bit, 256 for 8-bit, otherwise 3), a count of bit bytes and the bits.
//
// Stored icons come back from the registry or a file: every header, size and
// count is checked before it is used, record sizes are computed in 64 bits,
// and a refused record is still read to its end so the archive stays in step.
// A record must hold every pixel byte its header promises: a few bytes of
// data can never make a large image, so what a load commits stays in
// proportion to what it reads.
#include "toolkit/draw/ImageManagerIcon.h"

#include "framework/core/Archive.h"
#include "toolkit/draw/BitmapHelpers.h"

#include <commctrl.h>
#include <stdint.h>
#include <string.h>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

const DWORD dwIconVersion = 18;
// Largest side of a stored image that is accepted.
const LONG nMaxStoredSide = 1024;

int ColorTableEntries(int nBitCount)
{
    return nBitCount == 4 ? 16 : (nBitCount == 8 ? 256 : 3);
}

uint64_t StrideOf(LONG nWidth, int nBitCount)
{
    return ((static_cast<uint64_t>(nWidth) * nBitCount + 31) / 32) * 4;
}

void WriteEmptyRecord(CArchive& ar)
{
    ar.WriteCount(0);
}

void WriteDibRecord(CArchive& ar, HBITMAP hBitmap)
{
    BITMAP bm = {};
    if (!hBitmap || !::GetObjectA(hBitmap, sizeof(bm), &bm) || bm.bmWidth <= 0)
    {
        WriteEmptyRecord(ar);
        return;
    }
    int nBitCount = bm.bmBitsPixel;
    LONG nHeight = bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight;
    size_t nHeaderBytes = sizeof(BITMAPINFOHEADER) + ColorTableEntries(nBitCount) * sizeof(RGBQUAD);
    std::vector<BYTE> header(nHeaderBytes + 256 * sizeof(RGBQUAD));
    BITMAPINFO* pInfo = reinterpret_cast<BITMAPINFO*>(header.data());
    pInfo->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    pInfo->bmiHeader.biWidth = bm.bmWidth;
    pInfo->bmiHeader.biHeight = nHeight;
    pInfo->bmiHeader.biPlanes = 1;
    pInfo->bmiHeader.biBitCount = static_cast<WORD>(nBitCount);
    pInfo->bmiHeader.biCompression = BI_RGB;
    pInfo->bmiHeader.biSizeImage = static_cast<DWORD>(StrideOf(bm.bmWidth, nBitCount) * nHeight);

    size_t nBufferBytes = pInfo->bmiHeader.biSizeImage
                              ? pInfo->bmiHeader.biSizeImage
                              : static_cast<size_t>(bm.bmWidth) * nHeight * 4;
    std::vector<BYTE> bits(nBufferBytes);
    HDC hDC = ::GetDC(nullptr);
    int nLines = ::GetDIBits(hDC, hBitmap, 0, nHeight, bits.data(), pInfo, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, hDC);
    if (nLines != nHeight)
    {
        WriteEmptyRecord(ar);
        return;
    }
    DWORD nBitBytes = pInfo->bmiHeader.biSizeImage
                          ? pInfo->bmiHeader.biSizeImage
                          : static_cast<DWORD>(bm.bmWidth) * nHeight * 4;
    if (nBitBytes > bits.size())
        nBitBytes = static_cast<DWORD>(bits.size());
    ar.WriteCount(nHeaderBytes);
    ar.Write(header.data(), static_cast<UINT>(nHeaderBytes));
    ar.WriteCount(nBitBytes);
    ar.Write(bits.data(), nBitBytes);
}

// Reads nBytes into the buffer, or past them when pBuffer is null.
void ReadOrSkip(CArchive& ar, BYTE* pBuffer, DWORD_PTR nBytes)
{
    BYTE scratch[512];
    while (nBytes > 0)
    {
        DWORD_PTR nLimit = pBuffer ? nBytes : sizeof(scratch);
        UINT nPiece = static_cast<UINT>(nBytes < nLimit ? nBytes : nLimit);
        if (ar.Read(pBuffer ? pBuffer : scratch, nPiece) != nPiece)
            AfxThrowArchiveException(CArchiveException::endOfFile);
        nBytes -= nPiece;
        if (pBuffer)
            pBuffer += nPiece;
    }
}

// Deletes a bitmap read from a record unless it is handed on.
struct BitmapDeleter
{
    using pointer = HBITMAP;
    void operator()(HBITMAP hBitmap) const { ::DeleteObject(hBitmap); }
};
using BitmapPtr = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

// One DIB record. *pbPresent tells whether the record held anything; the
// result is null when it held nothing or was refused.
BitmapPtr ReadDibRecord(CArchive& ar, BOOL* pbPresent)
{
    DWORD_PTR nHeaderBytes = ar.ReadCount();
    *pbPresent = nHeaderBytes != 0;
    if (!*pbPresent)
        return nullptr;

    ar.CheckAvailable(nHeaderBytes);
    BOOL bHeaderOk = nHeaderBytes >= sizeof(BITMAPINFOHEADER)
                     && nHeaderBytes <= sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD);
    std::vector<BYTE> header;
    if (bHeaderOk)
    {
        header.resize(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
        ReadOrSkip(ar, header.data(), nHeaderBytes);
    }
    else
    {
        ReadOrSkip(ar, nullptr, nHeaderBytes);
    }

    DWORD_PTR nBitBytes = ar.ReadCount();
    ar.CheckAvailable(nBitBytes);

    BITMAPINFOHEADER* pHeader = reinterpret_cast<BITMAPINFOHEADER*>(header.data());
    uint64_t nImageSize = 0;
    if (bHeaderOk)
    {
        LONG nWidth = pHeader->biWidth;
        LONG nHeight = pHeader->biHeight < 0 ? -pHeader->biHeight : pHeader->biHeight;
        int nBitCount = pHeader->biBitCount;
        // The colour table (or the three masks of a bit-field header) must be there.
        size_t nRequired = sizeof(BITMAPINFOHEADER);
        if (nBitCount >= 1 && nBitCount <= 8)
            nRequired += (size_t(1) << nBitCount) * sizeof(RGBQUAD);
        else if (pHeader->biCompression == BI_BITFIELDS)
            nRequired += 3 * sizeof(DWORD);
        bHeaderOk = pHeader->biSize == sizeof(BITMAPINFOHEADER) && pHeader->biPlanes == 1
                    && nWidth > 0 && nWidth <= nMaxStoredSide && nHeight > 0
                    && nHeight <= nMaxStoredSide
                    && (nBitCount == 1 || nBitCount == 4 || nBitCount == 8 || nBitCount == 16
                        || nBitCount == 24 || nBitCount == 32)
                    && (pHeader->biCompression == BI_RGB
                        || (pHeader->biCompression == BI_BITFIELDS
                            && (nBitCount == 16 || nBitCount == 32)))
                    && nRequired <= nHeaderBytes && pHeader->biClrUsed <= 256;
        if (bHeaderOk)
        {
            nImageSize = StrideOf(nWidth, nBitCount) * static_cast<uint64_t>(nHeight);
            // An image size of 0 is taken from the bit count; the rest is
            // never trusted beyond what the header's own size allows.
            if (pHeader->biSizeImage == 0 || pHeader->biSizeImage > nImageSize)
                pHeader->biSizeImage = static_cast<DWORD>(nImageSize);
            bHeaderOk = nBitBytes >= nImageSize;
        }
    }
    void* pvBits = nullptr;
    BitmapPtr bitmap;
    if (bHeaderOk)
        bitmap.reset(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(header.data()),
                                        DIB_RGB_COLORS, &pvBits, nullptr, 0));
    if (!bitmap || !pvBits)
    {
        // Refused, or no memory for the image: the record is read past.
        ReadOrSkip(ar, nullptr, nBitBytes);
        return nullptr;
    }
    DWORD_PTR nImageBytes = static_cast<DWORD_PTR>(nImageSize);
    ReadOrSkip(ar, static_cast<BYTE*>(pvBits), nImageBytes);
    ReadOrSkip(ar, nullptr, nBitBytes - nImageBytes);
    return bitmap;
}

void WriteImage(CArchive& ar, CXTPImageManagerIconHandle& hImage)
{
    if (hImage.GetIcon())
    {
        ICONINFO info = {};
        if (::GetIconInfo(hImage.GetIcon(), &info))
        {
            WriteDibRecord(ar, info.hbmColor ? info.hbmColor : info.hbmMask);
            WriteDibRecord(ar, info.hbmMask);
            if (info.hbmColor)
                ::DeleteObject(info.hbmColor);
            if (info.hbmMask)
                ::DeleteObject(info.hbmMask);
            return;
        }
    }
    else if (hImage.GetBitmap())
    {
        WriteDibRecord(ar, hImage.GetBitmap());
        WriteEmptyRecord(ar);
        return;
    }
    WriteEmptyRecord(ar);
    WriteEmptyRecord(ar);
}

// An icon made of a colour and a mask bitmap through an image list.
HICON JoinIcon(HBITMAP hColor, HBITMAP hMask)
{
    int nWidth = 0, nHeight = 0, nBitCount = 0;
    if (!GetBitmapFormat(hColor, &nWidth, &nHeight, &nBitCount))
        return nullptr;
    HIMAGELIST hImageList = ::ImageList_Create(nWidth, nHeight, ILC_MASK | ILC_COLOR24, 1, 1);
    if (!hImageList)
        return nullptr;
    HICON hIcon = nullptr;
    if (::ImageList_Add(hImageList, hColor, hMask) == 0)
        hIcon = ::ImageList_GetIcon(hImageList, 0, ILD_NORMAL);
    ::ImageList_Destroy(hImageList);
    return hIcon;
}

// Both records are read before either is used; when the second is cut
// off, the first is freed as the archive error passes.
void ReadImage(CArchive& ar, CXTPImageManagerIconHandle& hImage)
{
    hImage.Clear();
    BOOL bFirst = FALSE;
    BOOL bSecond = FALSE;
    BitmapPtr first = ReadDibRecord(ar, &bFirst);
    BitmapPtr second = ReadDibRecord(ar, &bSecond);
    if (first && second)
    {
        hImage.AttachIcon(JoinIcon(first.get(), second.get()));
    }
    else if (first && !bSecond)
    {
        int nWidth = 0, nHeight = 0, nBitCount = 0;
        if (GetBitmapFormat(first.get(), &nWidth, &nHeight, &nBitCount) && nBitCount == 32)
            hImage.AttachBitmap(first.release());
    }
}

} // namespace

void CXTPImageManagerIcon::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << static_cast<DWORD>(m_nHeight) << dwIconVersion;
        WriteImage(ar, m_hIcon);
        WriteImage(ar, m_hDisabled);
        WriteImage(ar, m_hHot);
        WriteImage(ar, m_hChecked);
        WriteImage(ar, m_hPressed);
        return;
    }

    DWORD nHeight = 0;
    DWORD nVersion = 0;
    ar >> nHeight >> nVersion;
    ClearAllImages();
    ReadImage(ar, m_hIcon);
    ReadImage(ar, m_hDisabled);
    ReadImage(ar, m_hHot);
    if (nVersion > 7)
        ReadImage(ar, m_hChecked);
    if (nVersion > 16)
        ReadImage(ar, m_hPressed);
    if (nHeight > 0 && nHeight <= static_cast<DWORD>(nMaxStoredSide))
        m_nHeight = static_cast<int>(nHeight);
    else if (!m_hIcon.IsEmpty())
        m_nHeight = m_hIcon.GetExtent().cy;
}
