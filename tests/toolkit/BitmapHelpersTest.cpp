#include "toolkit/draw/BitmapHelpers.h"

#include "ImageTestRes.h"
#include "TestDib.h"
#include "TestImages.h"
#include "framework/core/Module.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/ScopedDC.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct BitmapRef
{
    explicit BitmapRef(HBITMAP h) : hBitmap(h) {}
    ~BitmapRef() { if (hBitmap) ::DeleteObject(hBitmap); }
    HBITMAP hBitmap;
};

// Blits run by hand while one of these lives.
class BlitsByHand
{
public:
    BlitsByHand() { CXTPImageManager::UseSystemBlits(FALSE); }
    ~BlitsByHand() { CXTPImageManager::UseSystemBlits(TRUE); }
};

TestPixel Gradient(int x, int y)
{
    return {RGB(x * 16, y * 16, 200), static_cast<BYTE>((x * 17 + y * 3) & 0xFF)};
}

HMODULE Here()
{
    return AfxGetResourceHandle();
}

TEST(BitmapHelpers, DibSectionIsBottomUp)
{
    BYTE* pBits = nullptr;
    BitmapRef bitmap(Create32BitDIBSection(nullptr, 4, 3, &pBits));
    ASSERT_NE(nullptr, bitmap.hBitmap);
    ASSERT_NE(nullptr, pBits);
    // The first bytes are the bottom row.
    pBits[0] = 0x11;
    pBits[1] = 0x22;
    pBits[2] = 0x33;
    EXPECT_EQ(RGB(0x33, 0x22, 0x11), GetBitmapPixel(bitmap.hBitmap, 0, 2));
    int cx = 0, cy = 0, nBits = 0;
    ASSERT_TRUE(GetBitmapFormat(bitmap.hBitmap, &cx, &cy, &nBits));
    EXPECT_EQ(4, cx);
    EXPECT_EQ(3, cy);
    EXPECT_EQ(32, nBits);
}

TEST(BitmapHelpers, PremultiplyAndCopy)
{
    BitmapRef bitmap(MakeAlphaBitmap(16, 16, Gradient));
    BitmapRef premultiplied(PremultiplyAlpha(bitmap.hBitmap));
    BitmapRef copy(CopyAlphaBitmap(bitmap.hBitmap));
    ASSERT_NE(nullptr, premultiplied.hBitmap);
    ASSERT_NE(nullptr, copy.hBitmap);
    std::vector<DWORD> source = PixelsOf(bitmap.hBitmap);
    std::vector<DWORD> result = PixelsOf(premultiplied.hBitmap);
    EXPECT_EQ(source, PixelsOf(copy.hBitmap));
    for (size_t i = 0; i < source.size(); ++i)
    {
        DWORD a = source[i] >> 24;
        DWORD expected = (a << 24) | ((((source[i] >> 16) & 0xFF) * a / 255) << 16)
                         | ((((source[i] >> 8) & 0xFF) * a / 255) << 8) | ((source[i] & 0xFF) * a / 255);
        ASSERT_EQ(expected, result[i]) << i;
    }

    // Bitmaps of other depths are refused.
    CTestDib dib(4, 4);
    BitmapRef plain(::CreateBitmap(4, 4, 1, 1, nullptr));
    EXPECT_EQ(nullptr, PremultiplyAlpha(plain.hBitmap));
    EXPECT_EQ(nullptr, CopyAlphaBitmap(plain.hBitmap));
    EXPECT_EQ(nullptr, PremultiplyAlpha(nullptr));
}

TEST(BitmapHelpers, SplitBitmapIntoColumns)
{
    BitmapRef strip(MakeAlphaBitmap(48, 16, [](int x, int y) {
        return TestPixel{RGB(x, y, x / 16), 255};
    }));
    HBITMAP pieces[3] = {};
    ASSERT_TRUE(SplitBitmap(strip.hBitmap, 3, pieces));
    for (int i = 0; i < 3; ++i)
    {
        BitmapRef piece(pieces[i]);
        std::vector<DWORD> pixels = PixelsOf(piece.hBitmap);
        ASSERT_EQ(256u, pixels.size());
        EXPECT_EQ(RGB(i * 16 + 5, 7, i), ColorOf(pixels[7 * 16 + 5]));
    }
    HBITMAP none[1] = {};
    EXPECT_FALSE(SplitBitmap(strip.hBitmap, 0, none));
    BitmapRef plain(::CreateBitmap(4, 4, 1, 1, nullptr));
    EXPECT_FALSE(SplitBitmap(plain.hBitmap, 2, none));
}

TEST(BitmapHelpers, AlphaBlitMatchesItsOwnPath)
{
    BitmapRef bitmap(MakeAlphaBitmap(16, 16, Gradient));
    BitmapRef premultiplied(PremultiplyAlpha(bitmap.hBitmap));
    struct Case
    {
        CRect rcDest;
        CRect rcSrc;
    };
    const Case cases[] = {
        {CRect(2, 2, 18, 18), CRect(0, 0, 16, 16)},
        {CRect(0, 0, 8, 8), CRect(8, 8, 16, 16)},   // a source origin other than 0,0
    };
    for (const Case& c : cases)
    {
        CTestDib system(20, 20, RGB(10, 200, 90));
        CTestDib byHand(20, 20, RGB(10, 200, 90));
        CXTPCompatibleDC dcSource(nullptr, premultiplied.hBitmap);
        AlphaBlit(&system.DC(), c.rcDest, &dcSource, c.rcSrc);
        {
            BlitsByHand byHandScope;
            AlphaBlit(&byHand.DC(), c.rcDest, &dcSource, c.rcSrc);
        }
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_TRUE(ColorsClose(system.Pixel(x, y), byHand.Pixel(x, y), 1))
                    << x << "," << y << std::hex << " " << system.Pixel(x, y) << " "
                    << byHand.Pixel(x, y);
    }
}

TEST(BitmapHelpers, TransparentBlitMatchesItsOwnPath)
{
    struct Case
    {
        COLORREF clrTransparent;
        CRect rcDest;
    };
    const Case cases[] = {
        {RGB(255, 0, 255), CRect(2, 2, 18, 18)},
        {RGB(0, 0, 0), CRect(2, 2, 18, 18)},
        {RGB(255, 0, 255), CRect(0, 0, 32, 32)},   // stretched
    };
    for (const Case& c : cases)
    {
        // Transparent corners in the chosen colour, a black stroke, red inside.
        BitmapRef source(MakeAlphaBitmap(16, 16, [&](int x, int y) {
            if (x < 4 && y < 4)
                return TestPixel{c.clrTransparent, 0};
            if (x == 8)
                return TestPixel{RGB(0, 0, 0), 0};
            return TestPixel{RGB(200, 0, 0), 0};
        }));
        CTestDib system(32, 32, RGB(10, 200, 90));
        CTestDib byHand(32, 32, RGB(10, 200, 90));
        CXTPCompatibleDC dcSource(nullptr, source.hBitmap);
        TransparentBlit(&system.DC(), c.rcDest, &dcSource, CRect(0, 0, 16, 16), c.clrTransparent);
        {
            BlitsByHand byHandScope;
            COLORREF clrText = byHand->SetTextColor(RGB(1, 2, 3));
            byHand->SetBkColor(RGB(4, 5, 6));
            TransparentBlit(&byHand.DC(), c.rcDest, &dcSource, CRect(0, 0, 16, 16),
                            c.clrTransparent);
            EXPECT_EQ(RGB(1, 2, 3), byHand->GetTextColor());
            EXPECT_EQ(RGB(4, 5, 6), byHand->GetBkColor());
            byHand->SetTextColor(clrText);
        }
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                ASSERT_EQ(system.Pixel(x, y), byHand.Pixel(x, y))
                    << x << "," << y << std::hex << " transparent " << c.clrTransparent;
        EXPECT_EQ(RGB(10, 200, 90), byHand.Pixel(c.rcDest.left, c.rcDest.top));
        EXPECT_EQ(RGB(200, 0, 0), byHand.Pixel(c.rcDest.right - 2, c.rcDest.bottom - 2));
    }
}

TEST(BitmapHelpers, IconSizesAndScaling)
{
    HICON hIcon = MakeTestIcon(16, 12, [](int, int) { return TestPixel{RGB(1, 2, 3), 255}; });
    EXPECT_EQ(CSize(16, 12), GetIconDimensions(hIcon));
    // A monochrome icon: its mask holds both halves.
    BYTE andBits[16 * 2] = {};
    BYTE xorBits[16 * 2] = {};
    HICON hMono = ::CreateIcon(nullptr, 16, 16, 1, 1, andBits, xorBits);
    EXPECT_EQ(CSize(16, 16), GetIconDimensions(hMono));
    EXPECT_EQ(CSize(0, 0), GetIconDimensions(nullptr));

    HICON hScaled = CreateScaledIcon(hIcon, 16, 12, 32);
    ASSERT_NE(nullptr, hScaled);
    EXPECT_EQ(CSize(32, 24), GetIconDimensions(hScaled));
    HICON hSame = CreateScaledIcon(hIcon, 16);
    ASSERT_NE(nullptr, hSame);
    EXPECT_NE(hIcon, hSame);
    EXPECT_EQ(CSize(16, 12), GetIconDimensions(hSame));
    EXPECT_EQ(nullptr, CreateScaledIcon(hIcon, 16, 12, 0));
    EXPECT_EQ(nullptr, CreateScaledIcon(hIcon, 0, 12, 16));
    EXPECT_EQ(nullptr, CreateScaledIcon(hIcon, 0, 0, 16));
    for (HICON h : {hIcon, hMono, hScaled, hSame})
        ::DestroyIcon(h);
}

TEST(BitmapHelpers, ResourceKinds)
{
    EXPECT_TRUE(IsPngResource(Here(), MAKEINTRESOURCEA(IDB_TEST_PNG)));
    // Only the first four bytes are looked at here; the decoder checks the rest.
    EXPECT_TRUE(IsPngResource(Here(), MAKEINTRESOURCEA(IDB_TEST_PNG_BADSIG)));
    EXPECT_FALSE(IsPngResource(Here(), MAKEINTRESOURCEA(IDB_TEST_ALPHA)));
    EXPECT_FALSE(IsPngResource(Here(), MAKEINTRESOURCEA(IDB_TEST_MISSING)));
    EXPECT_TRUE(IsAlphaBitmapResource(Here(), MAKEINTRESOURCEA(IDB_TEST_ALPHA)));
    EXPECT_FALSE(IsAlphaBitmapResource(Here(), MAKEINTRESOURCEA(IDB_TEST_TOOLBAR)));
    EXPECT_FALSE(IsAlphaBitmapResource(Here(), MAKEINTRESOURCEA(IDB_TEST_MISSING)));
}

TEST(BitmapHelpers, LoadingBitmapResources)
{
    BOOL bAlpha = FALSE;
    BitmapRef alpha(LoadBitmapResource(MAKEINTRESOURCEA(IDB_TEST_ALPHA), &bAlpha));
    ASSERT_NE(nullptr, alpha.hBitmap);
    EXPECT_TRUE(bAlpha);
    BitmapRef png(LoadBitmapResource(Here(), MAKEINTRESOURCEA(IDB_TEST_PNG), &bAlpha));
    ASSERT_NE(nullptr, png.hBitmap);
    EXPECT_TRUE(bAlpha);
    // The 32-bit bitmap and the PNG hold the same two images.
    std::vector<DWORD> fromBitmap = PixelsOf(alpha.hBitmap);
    EXPECT_EQ(fromBitmap, PixelsOf(png.hBitmap));
    ASSERT_EQ(32u * 16, fromBitmap.size());
    EXPECT_EQ(RGB(200, 100, 50), ColorOf(fromBitmap[3]));
    EXPECT_EQ(48, AlphaOf(fromBitmap[3]));
    EXPECT_EQ(255, AlphaOf(fromBitmap[5 * 32 + 20]));

    BitmapRef plain(LoadBitmapResource(MAKEINTRESOURCEA(IDB_TEST_TOOLBAR), &bAlpha));
    ASSERT_NE(nullptr, plain.hBitmap);
    EXPECT_FALSE(bAlpha);
    EXPECT_EQ(RGB(255, 0, 255), GetBitmapPixel(plain.hBitmap, 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), GetBitmapPixel(plain.hBitmap, 5, 5));

    bAlpha = TRUE;
    EXPECT_EQ(nullptr, LoadBitmapResource(MAKEINTRESOURCEA(IDB_TEST_PNG_BADSIG), &bAlpha));
    EXPECT_FALSE(bAlpha);
    EXPECT_EQ(nullptr, LoadBitmapResource(MAKEINTRESOURCEA(IDB_TEST_MISSING), &bAlpha));
    EXPECT_EQ(nullptr, LoadAlphaBitmapResource(Here(), MAKEINTRESOURCEA(IDB_TEST_TOOLBAR)));
}

} // namespace
