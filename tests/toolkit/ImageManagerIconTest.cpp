// Icon images in every state, drawn into memory DIBs and checked pixel by
// pixel against the rules for faded, shadow and disabled images.
#include "toolkit/draw/ImageManagerIcon.h"

#include "ProcessMemory.h"
#include "TestDib.h"
#include "TestImages.h"
#include "framework/core/Archive.h"
#include "framework/core/MemFile.h"
#include "toolkit/draw/BitmapHelpers.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ImageManager.h"

#include <gtest/gtest.h>

#include <math.h>
#include <vector>

namespace {

const COLORREF clrBrown = RGB(200, 100, 50);
const COLORREF clrBack = RGB(0, 128, 128);

// 16 × 16: a transparent one-pixel border; inside, brown on the left half,
// black on the right, one white pixel at (2, 2).
TestPixel IconPattern(int x, int y)
{
    if (x == 0 || y == 0 || x == 15 || y == 15)
        return {0, 0};
    if (x == 2 && y == 2)
        return {RGB(255, 255, 255), 255};
    return {x < 8 ? clrBrown : RGB(0, 0, 0), 255};
}

// The same picture as an alpha image; alpha 255 inside, 0 on the border,
// and a half-transparent row 10.
TestPixel AlphaPattern(int x, int y)
{
    TestPixel pixel = IconPattern(x, y);
    if (pixel.alpha && y == 10)
        pixel.alpha = 128;
    return pixel;
}

// Owns an icon made for a test.
struct IconRef
{
    explicit IconRef(HICON h) : hIcon(h) {}
    ~IconRef() { ::DestroyIcon(hIcon); }
    HICON hIcon;
};

struct BitmapRef
{
    explicit BitmapRef(HBITMAP h) : hBitmap(h) {}
    ~BitmapRef() { ::DeleteObject(hBitmap); }
    HBITMAP hBitmap;
};

// What the rules make of one colour.
// (Exact values: 0.7, 0.114 ... have no exact binary form, so the results
// are computed from their decimal fractions.)
COLORREF Faded(COLORREF c)
{
    auto f = [](int v) { return static_cast<int>(floor((765.0 + 7 * v) / 10)); };
    return RGB(f(GetRValue(c)), f(GetGValue(c)), f(GetBValue(c)));
}

COLORREF GreyDisabled(COLORREF c)
{
    long long n = 114LL * GetBValue(c) + 587LL * GetGValue(c) + 299LL * GetRValue(c);
    int g = 0;
    while (255000LL * (g + 1) * (g + 1) <= 65025LL * n)
        ++g;
    return RGB(g, g, g);
}

COLORREF ShadowColor()
{
    COLORREF c = GetColorManager()->ResolveColor(31);
    return RGB(GetRValue(c) * 3 / 4, GetGValue(c) * 3 / 4, GetBValue(c) * 3 / 4);
}

// Draws the image at (2, 2) of a 20 × 20 DIB and compares every pixel of
// the icon's area with the rule applied to the pattern (border: background).
void ExpectDrawnIcon(CXTPImageManagerIcon& icon, CXTPImageManagerIconHandle& hImage,
                     COLORREF (*rule)(COLORREF), const char* pszWhat)
{
    CTestDib dib(20, 20, clrBack);
    icon.Draw(&dib.DC(), CPoint(2, 2), hImage);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
        {
            TestPixel pixel = IconPattern(x, y);
            COLORREF clrExpected = pixel.alpha ? rule(pixel.clr) : clrBack;
            ASSERT_EQ(clrExpected, dib.Pixel(x + 2, y + 2))
                << pszWhat << " at " << x << "," << y;
        }
    EXPECT_EQ(clrBack, dib.Pixel(19, 19));
}

COLORREF Same(COLORREF c) { return c; }
COLORREF Shadow(COLORREF) { return ShadowColor(); }

TEST(ImageManagerIcon, NormalHotCheckedAndPressedImages)
{
    IconRef normal(MakeTestIcon(16, 16, IconPattern));
    IconRef hot(MakeTestIcon(16, 16, [](int x, int y) {
        return TestPixel{RGB(0, 0, 255), BYTE(IconPattern(x, y).alpha)};
    }));
    CXTPImageManagerIcon icon(100, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(normal.hIcon));
    EXPECT_EQ(16, icon.GetWidth());
    EXPECT_EQ(16, icon.GetHeight());
    EXPECT_NE(normal.hIcon, icon.GetNormalImage().GetIcon());   // a copy
    ExpectDrawnIcon(icon, icon.GetNormalImage(), Same, "normal");

    // Without their own images, hot, checked and pressed show the normal one.
    EXPECT_EQ(&icon.GetNormalImage(), &icon.GetHotImage());
    EXPECT_EQ(&icon.GetNormalImage(), &icon.GetCheckedImage());
    EXPECT_EQ(&icon.GetNormalImage(), &icon.GetPressedImage());
    icon.SetHotIcon(CXTPImageManagerIconHandle(hot.hIcon));
    EXPECT_EQ(&icon.GetHotImage(), &icon.GetCheckedImage());
    EXPECT_EQ(&icon.GetHotImage(), &icon.GetImage(xtpImageHot));
    EXPECT_EQ(&icon.GetNormalImage(), &icon.GetImage(7));
    ExpectDrawnIcon(icon, icon.GetImage(xtpImageChecked),
                    [](COLORREF) { return RGB(0, 0, 255); }, "checked");

    // DrawNormal: the normal image at its own size.
    CTestDib dib(20, 20, clrBack);
    icon.DrawNormal(&dib.DC(), CPoint(0, 0));
    EXPECT_EQ(clrBrown, dib.Pixel(3, 5));
    EXPECT_EQ(clrBack, dib.Pixel(0, 0));
}

TEST(ImageManagerIcon, GeneratedImagesOfAnIcon)
{
    IconRef normal(MakeTestIcon(16, 16, IconPattern));
    CXTPImageManagerIcon icon(100, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(normal.hIcon));

    ExpectDrawnIcon(icon, icon.GetFadedImage(), Faded, "faded");
    EXPECT_EQ(RGB(0x4C, 0x4C, 0x4C), Faded(RGB(0, 0, 0)));
    ExpectDrawnIcon(icon, icon.GetShadowImage(), Shadow, "shadow");

    EXPECT_FALSE(icon.HasDisabledImage());
    ExpectDrawnIcon(icon, icon.GetDisabledImage(), GreyDisabled, "disabled");
    EXPECT_TRUE(icon.HasDisabledImage());
    EXPECT_EQ(RGB(0, 0, 0), GreyDisabled(RGB(0, 0, 0)));
    EXPECT_EQ(RGB(177, 177, 177), GreyDisabled(clrBrown));

    // Two theme colours: dark for black, light for white, between by brightness.
    CXTPImageManagerIcon twoColors(100, 16, 16);
    twoColors.SetIcon(CXTPImageManagerIconHandle(normal.hIcon));
    twoColors.CreateDisabledImage(RGB(255, 255, 255), RGB(0, 0, 128));
    ExpectDrawnIcon(twoColors, twoColors.GetDisabledImage(FALSE),
                    [](COLORREF c) {
                        if (c == RGB(0, 0, 0))
                            return RGB(0, 0, 128);
                        if (c == RGB(255, 255, 255))
                            return RGB(255, 255, 255);
                        return RGB(124, 124, 189);
                    },
                    "two colours");
}

TEST(ImageManagerIcon, IconsKeepTheirColoursWhenFadedOnALowColourScreen)
{
    IconRef normal(MakeTestIcon(16, 16, IconPattern));
    CXTPImageManagerIcon icon(100, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(normal.hIcon));
    CXTPColorManager::SetLowColorOverride(1);
    CXTPImageManagerIconHandle& hFaded = icon.GetFadedImage();
    CXTPColorManager::SetLowColorOverride(-1);
    ExpectDrawnIcon(icon, hFaded, Same, "faded on low colour");
}

TEST(ImageManagerIcon, GivenDisabledImageIsNeverGenerated)
{
    IconRef normal(MakeTestIcon(16, 16, IconPattern));
    IconRef disabled(MakeTestIcon(16, 16, [](int x, int y) {
        return TestPixel{RGB(9, 9, 9), BYTE(IconPattern(x, y).alpha)};
    }));
    CXTPImageManagerIcon icon(100, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(normal.hIcon));
    icon.SetDisabledIcon(CXTPImageManagerIconHandle(disabled.hIcon));
    EXPECT_TRUE(icon.HasDisabledImage());
    ExpectDrawnIcon(icon, icon.GetDisabledImage(), [](COLORREF) { return RGB(9, 9, 9); },
                    "given disabled");
    EXPECT_EQ(&icon.GetDisabledImage(TRUE), &icon.GetImage(xtpImageDisabled));

    // Setting the normal image again drops every image, the given ones too.
    icon.SetIcon(CXTPImageManagerIconHandle(normal.hIcon));
    EXPECT_FALSE(icon.HasDisabledImage());
    EXPECT_TRUE(icon.GetDisabledImage(FALSE).IsEmpty());
}

TEST(ImageManagerIcon, GeneratedImagesOfAnAlphaImage)
{
    BitmapRef bitmap(MakeAlphaBitmap(16, 16, AlphaPattern));
    CXTPImageManagerIcon icon(100, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(bitmap.hBitmap));
    ASSERT_TRUE(icon.GetNormalImage().IsAlpha());

    struct Case
    {
        CXTPImageManagerIconHandle* pImage;
        COLORREF (*rule)(COLORREF);
        const char* pszWhat;
    };
    const Case cases[] = {
        {&icon.GetFadedImage(), Faded, "faded"},
        {&icon.GetShadowImage(), Shadow, "shadow"},
        {&icon.GetDisabledImage(), GreyDisabled, "disabled"},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(c.pImage->IsAlpha()) << c.pszWhat;
        std::vector<DWORD> pixels = PixelsOf(c.pImage->GetBitmap());
        ASSERT_EQ(256u, pixels.size());
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
            {
                TestPixel pixel = AlphaPattern(x, y);
                DWORD dw = pixels[y * 16 + x];
                ASSERT_EQ(pixel.alpha, AlphaOf(dw)) << c.pszWhat << " alpha at " << x << "," << y;
                ASSERT_EQ(c.rule(pixel.clr), ColorOf(dw)) << c.pszWhat << " at " << x << "," << y;
            }
    }
}

// Premultiplied alpha drawn over the background: c·a/255 + b·(255 − a)/255.
TEST(ImageManagerIcon, AlphaImagesBlendWithAndWithoutTheSystemBlit)
{
    BitmapRef bitmap(MakeAlphaBitmap(16, 16, AlphaPattern));
    CXTPImageManagerIcon icon(100, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(bitmap.hBitmap));

    CTestDib system(20, 20, clrBack);
    CTestDib byHand(20, 20, clrBack);
    icon.Draw(&system.DC(), CPoint(2, 2), icon.GetNormalImage());
    CXTPImageManager::UseSystemBlits(FALSE);
    icon.Draw(&byHand.DC(), CPoint(2, 2), icon.GetNormalImage());
    CXTPImageManager::UseSystemBlits(TRUE);

    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
        {
            TestPixel pixel = AlphaPattern(x, y);
            auto blend = [&](int c, int b) {
                return c * pixel.alpha / 255 + b * (255 - pixel.alpha) / 255;
            };
            COLORREF clrExpected = RGB(blend(GetRValue(pixel.clr), GetRValue(clrBack)),
                                       blend(GetGValue(pixel.clr), GetGValue(clrBack)),
                                       blend(GetBValue(pixel.clr), GetBValue(clrBack)));
            ASSERT_TRUE(ColorsClose(clrExpected, byHand.Pixel(x + 2, y + 2), 1))
                << x << "," << y << std::hex << " " << byHand.Pixel(x + 2, y + 2);
            ASSERT_TRUE(ColorsClose(system.Pixel(x + 2, y + 2), byHand.Pixel(x + 2, y + 2), 1))
                << x << "," << y << std::hex << " " << system.Pixel(x + 2, y + 2) << " "
                << byHand.Pixel(x + 2, y + 2);
        }
}

TEST(ImageManagerIcon, MirroredDrawing)
{
    IconRef normal(MakeTestIcon(16, 16, IconPattern));
    CXTPImageManager manager;
    CXTPImageManagerIconSet set(100, &manager);
    CXTPImageManagerIcon icon(100, 16, 16, &set);
    icon.SetIcon(CXTPImageManagerIconHandle(normal.hIcon));
    ASSERT_EQ(&manager, icon.GetImageManager());

    // Mode 1: every icon mirrored; column x shows column 15 − x.
    manager.SetMirrorMode(1);
    CTestDib dib(16, 16, clrBack);
    icon.Draw(&dib.DC(), CPoint(0, 0), icon.GetNormalImage());
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
        {
            TestPixel pixel = IconPattern(15 - x, y);
            ASSERT_EQ(pixel.alpha ? pixel.clr : clrBack, dib.Pixel(x, y)) << x << "," << y;
        }

    // Mode 2 leaves left-to-right DCs alone.
    manager.SetMirrorMode(2);
    CTestDib plain(16, 16, clrBack);
    icon.Draw(&plain.DC(), CPoint(0, 0), icon.GetNormalImage());
    EXPECT_EQ(RGB(255, 255, 255), plain.Pixel(2, 2));
    EXPECT_EQ(clrBrown, plain.Pixel(3, 5));

    // In a right-to-left DC, mode 2 draws the mirror image of what mode 0 draws.
    CTestDib rtlPlain(16, 16, clrBack);
    CTestDib rtlMirrored(16, 16, clrBack);
    SetDCLayout(&rtlPlain.DC(), TRUE);
    SetDCLayout(&rtlMirrored.DC(), TRUE);
    manager.SetMirrorMode(0);
    icon.Draw(&rtlPlain.DC(), CPoint(0, 0), icon.GetNormalImage());
    manager.SetMirrorMode(2);
    icon.Draw(&rtlMirrored.DC(), CPoint(0, 0), icon.GetNormalImage());
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(rtlPlain.Pixel(x, y), rtlMirrored.Pixel(15 - x, y)) << x << "," << y;
    EXPECT_NE(rtlPlain.Pixel(2, 2), rtlMirrored.Pixel(2, 2));
}

TEST(ImageManagerIcon, MonochromeDrawing)
{
    IconRef normal(MakeTestIcon(16, 16, IconPattern));
    CXTPImageManagerIcon icon(100, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(normal.hIcon));
    CTestDib dib(16, 16, clrBack);
    icon.DrawMonochrome(&dib.DC(), CPoint(0, 0), icon.GetNormalImage(), RGB(255, 0, 0));
    EXPECT_EQ(clrBack, dib.Pixel(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(3, 5));
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(12, 5));

    // Alpha images draw nothing in one colour.
    BitmapRef bitmap(MakeAlphaBitmap(16, 16, AlphaPattern));
    CXTPImageManagerIcon alpha(101, 16, 16);
    alpha.SetIcon(CXTPImageManagerIconHandle(bitmap.hBitmap));
    CTestDib untouched(16, 16, clrBack);
    alpha.DrawMonochrome(&untouched.DC(), CPoint(0, 0), alpha.GetNormalImage(), RGB(255, 0, 0));
    EXPECT_EQ(clrBack, untouched.Pixel(3, 5));
}

TEST(ImageManagerIcon, ScaledCopies)
{
    IconRef normal(MakeTestIcon(16, 16, IconPattern));
    CXTPImageManagerIcon icon(100, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(normal.hIcon));
    icon.SetHotIcon(CXTPImageManagerIconHandle(normal.hIcon));

    CXTPImageManagerIcon* pScaled = icon.CreateScaledCopy(32);
    ASSERT_NE(nullptr, pScaled);
    EXPECT_TRUE(pScaled->IsScaled());
    EXPECT_EQ(32, pScaled->GetWidth());
    EXPECT_EQ(32, pScaled->GetHeight());
    EXPECT_EQ(CSize(32, 32), pScaled->GetNormalImage().GetExtent());
    EXPECT_FALSE(pScaled->GetHotImage().IsEmpty());
    EXPECT_NE(&pScaled->GetHotImage(), &pScaled->GetNormalImage());
    CTestDib dib(32, 32, clrBack);
    pScaled->DrawNormal(&dib.DC(), CPoint(0, 0));
    EXPECT_EQ(clrBrown, dib.Pixel(6, 10));
    EXPECT_EQ(RGB(0, 0, 0), dib.Pixel(24, 10));
    EXPECT_EQ(clrBack, dib.Pixel(0, 0));
    pScaled->InternalRelease();

    EXPECT_EQ(nullptr, icon.CreateScaledCopy(0));
    CXTPImageManagerIcon empty(101, 0, 0);
    EXPECT_EQ(nullptr, empty.CreateScaledCopy(16));
    BitmapRef bitmap(MakeAlphaBitmap(16, 16, AlphaPattern));
    CXTPImageManagerIcon alpha(102, 16, 16);
    alpha.SetIcon(CXTPImageManagerIconHandle(bitmap.hBitmap));
    EXPECT_EQ(nullptr, alpha.CreateScaledCopy(24));

    // Drawing an icon of width 0 divides by nothing.
    CTestDib untouched(8, 8, clrBack);
    empty.Draw(&untouched.DC(), CPoint(0, 0), empty.GetNormalImage());
    EXPECT_EQ(clrBack, untouched.Pixel(0, 0));
}

// --- Stored form -------------------------------------------------------------

std::vector<BYTE> StoreIcon(CXTPImageManagerIcon& icon)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        icon.Serialize(ar);
        ar << static_cast<DWORD>(0xC0FFEE);   // a value after the icon
        ar.Close();
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.Seek(0, CFile::begin);
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// Loads the bytes into the icon and answers the value stored after it.
DWORD LoadIcon(CXTPImageManagerIcon& icon, std::vector<BYTE> bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    icon.Serialize(ar);
    DWORD dwAfter = 0;
    ar >> dwAfter;
    return dwAfter;
}

TEST(ImageManagerIcon, StoredAndLoadedWithAllFiveGivenImages)
{
    IconRef normal(MakeTestIcon(16, 16, IconPattern));
    auto tinted = [](COLORREF clr) {
        return MakeTestIcon(16, 16, [clr](int x, int y) {
            return TestPixel{clr, BYTE(IconPattern(x, y).alpha)};
        });
    };
    IconRef disabled(tinted(RGB(1, 1, 1))), hot(tinted(RGB(2, 2, 2))),
        checked(tinted(RGB(3, 3, 3))), pressed(tinted(RGB(4, 4, 4)));
    CXTPImageManagerIcon icon(100, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(normal.hIcon));
    icon.SetDisabledIcon(CXTPImageManagerIconHandle(disabled.hIcon));
    icon.SetHotIcon(CXTPImageManagerIconHandle(hot.hIcon));
    icon.SetCheckedIcon(CXTPImageManagerIconHandle(checked.hIcon));
    icon.SetPressedIcon(CXTPImageManagerIconHandle(pressed.hIcon));

    std::vector<BYTE> bytes = StoreIcon(icon);
    EXPECT_EQ((std::vector<BYTE>{16, 0, 0, 0, 18, 0, 0, 0}),
              std::vector<BYTE>(bytes.begin(), bytes.begin() + 8));

    CXTPImageManagerIcon loaded(100, 16, 0);
    EXPECT_EQ(0xC0FFEEu, LoadIcon(loaded, bytes));
    EXPECT_EQ(16, loaded.GetHeight());
    ExpectDrawnIcon(loaded, loaded.GetNormalImage(), Same, "loaded normal");
    struct Case
    {
        int nState;
        COLORREF clr;
    };
    for (const Case& c : {Case{xtpImageDisabled, RGB(1, 1, 1)}, Case{xtpImageHot, RGB(2, 2, 2)},
                          Case{xtpImageChecked, RGB(3, 3, 3)}, Case{xtpImagePressed, RGB(4, 4, 4)}})
    {
        CTestDib dib(20, 20, clrBack);
        loaded.Draw(&dib.DC(), CPoint(2, 2), loaded.GetImage(c.nState));
        EXPECT_EQ(c.clr, dib.Pixel(5, 5)) << "state " << c.nState;
        EXPECT_EQ(clrBack, dib.Pixel(2, 2)) << "state " << c.nState;
    }
    // Stored again, the bytes are the same.
    EXPECT_EQ(bytes, StoreIcon(loaded));
}

TEST(ImageManagerIcon, AlphaImagesStoreAsOneRecord)
{
    BitmapRef bitmap(MakeAlphaBitmap(16, 16, AlphaPattern));
    CXTPImageManagerIcon icon(100, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(bitmap.hBitmap));
    std::vector<BYTE> bytes = StoreIcon(icon);
    CXTPImageManagerIcon loaded(100, 16, 0);
    EXPECT_EQ(0xC0FFEEu, LoadIcon(loaded, bytes));
    ASSERT_TRUE(loaded.GetNormalImage().IsAlpha());
    EXPECT_EQ(PixelsOf(bitmap.hBitmap), PixelsOf(loaded.GetNormalImage().GetBitmap()));
    EXPECT_TRUE(loaded.GetHotImage().IsAlpha());
    EXPECT_EQ(bytes, StoreIcon(loaded));
}

TEST(ImageManagerIcon, VersionSevenHoldsThreeImages)
{
    IconRef normal(MakeTestIcon(16, 16, IconPattern));
    CXTPImageManagerIcon icon(100, 16, 16);
    icon.SetIcon(CXTPImageManagerIconHandle(normal.hIcon));
    icon.SetHotIcon(CXTPImageManagerIconHandle(normal.hIcon));
    std::vector<BYTE> bytes = StoreIcon(icon);
    // Checked and pressed are two empty records each (four zero words) before
    // the value after the icon: version 7 data ends without them.
    bytes.erase(bytes.end() - 12, bytes.end() - 4);
    bytes[4] = 7;
    CXTPImageManagerIcon loaded(100, 16, 0);
    EXPECT_EQ(0xC0FFEEu, LoadIcon(loaded, bytes));
    EXPECT_FALSE(loaded.GetNormalImage().IsEmpty());
    EXPECT_NE(&loaded.GetNormalImage(), &loaded.GetHotImage());
}

// A DIB record: header bytes, then bit bytes.
void AppendRecord(std::vector<BYTE>& bytes, const std::vector<BYTE>& header,
                  const std::vector<BYTE>& bits)
{
    auto count = [&](size_t n) {
        bytes.push_back(static_cast<BYTE>(n));
        bytes.push_back(static_cast<BYTE>(n >> 8));
    };
    count(header.size());
    bytes.insert(bytes.end(), header.begin(), header.end());
    count(bits.size());
    bytes.insert(bytes.end(), bits.begin(), bits.end());
}

std::vector<BYTE> Header(LONG nWidth, LONG nHeight, WORD nBitCount, DWORD nSizeImage,
                         size_t nBytes = 52, DWORD nSize = 40)
{
    std::vector<BYTE> header(nBytes, 0);
    BITMAPINFOHEADER bih = {};
    bih.biSize = nSize;
    bih.biWidth = nWidth;
    bih.biHeight = nHeight;
    bih.biPlanes = 1;
    bih.biBitCount = nBitCount;
    bih.biSizeImage = nSizeImage;
    memcpy(header.data(), &bih, nBytes < sizeof(bih) ? nBytes : sizeof(bih));
    return header;
}

TEST(ImageManagerIcon, UntrustedRecordsAreRefusedAndReadPast)
{
    struct Case
    {
        const char* pszWhat;
        std::vector<BYTE> header;
        size_t nBits;
        bool bAccepted;
    };
    const Case cases[] = {
        {"valid, image size 0 taken from the bit count", Header(4, 4, 32, 0), 64, true},
        {"top-down (negative height)", Header(4, -4, 32, 64), 64, true},
        {"bits cut short of what the header promises", Header(4, 4, 32, 64), 10, false},
        {"1024 x 1024 declared, 64 bytes given", Header(1024, 1024, 32, 0), 64, false},
        {"more bits than the image has", Header(4, 4, 32, 64), 200, true},
        {"header too short", Header(4, 4, 32, 64, 20), 64, false},
        {"header size field wrong", Header(4, 4, 32, 64, 52, 4000), 64, false},
        {"zero width", Header(0, 4, 32, 0), 64, false},
        {"huge size", Header(0x10000, 0x10000, 32, 0), 64, false},
        {"odd bit count", Header(4, 4, 7, 0), 64, false},
        {"8-bit without its colour table", Header(4, 4, 8, 0, 52), 16, false},
    };
    for (const Case& c : cases)
    {
        std::vector<BYTE> bytes = {4, 0, 0, 0, 18, 0, 0, 0};
        AppendRecord(bytes, c.header, std::vector<BYTE>(c.nBits, 0x7F));
        bytes.insert(bytes.end(), 2 + 4 * 2 * 2, 0);   // no mask, four empty images
        bytes.insert(bytes.end(), {0xEE, 0xFF, 0xC0, 0x00});
        CXTPImageManagerIcon icon(100, 4, 0);
        EXPECT_EQ(0xC0FFEEu, LoadIcon(icon, bytes)) << c.pszWhat;
        EXPECT_EQ(c.bAccepted, !icon.GetNormalImage().IsEmpty()) << c.pszWhat;
        if (c.bAccepted)
        {
            EXPECT_EQ(CSize(4, 4), icon.GetNormalImage().GetExtent()) << c.pszWhat;
        }
    }
}

// Refused loads give back everything they made: a second record cut off
// after a whole first one (an archive error that frees the first image),
// and a first record shorter than its header's image (refused before any
// image is made). Committed memory stays flat over many loads.
TEST(ImageManagerIcon, RefusedRecordsKeepNothing)
{
    std::vector<BYTE> cutOff = {32, 0, 0, 0, 18, 0, 0, 0};
    AppendRecord(cutOff, Header(32, 32, 32, 0), std::vector<BYTE>(32 * 32 * 4, 0x7F));
    AppendRecord(cutOff, Header(32, 32, 1, 0, 48), std::vector<BYTE>(32 * 4, 0));
    cutOff.resize(cutOff.size() - 40);
    std::vector<BYTE> shortBits = {32, 0, 0, 0, 18, 0, 0, 0};
    AppendRecord(shortBits, Header(1024, 1024, 32, 0), std::vector<BYTE>(64, 0x7F));
    shortBits.insert(shortBits.end(), 2 + 4 * 2 * 2, 0);
    shortBits.insert(shortBits.end(), {0xEE, 0xFF, 0xC0, 0x00});

    auto loadAll = [&](int nTimes) {
        for (int i = 0; i < nTimes; ++i)
        {
            CXTPImageManagerIcon icon(100, 32, 0);
            CMemFile file(cutOff.data(), static_cast<UINT>(cutOff.size()));
            CArchive ar(&file, CArchive::load);
            int nCause = -1;
            try
            {
                icon.Serialize(ar);
            }
            catch (CArchiveException* e)
            {
                nCause = e->m_cause;
                e->Delete();
            }
            ASSERT_EQ(CArchiveException::endOfFile, nCause);
            CXTPImageManagerIcon refused(100, 32, 0);
            ASSERT_EQ(0xC0FFEEu, LoadIcon(refused, shortBits));
            ASSERT_TRUE(refused.GetNormalImage().IsEmpty());
        }
    };
    loadAll(100);   // whatever the first loads set up once
    SIZE_T nBefore = QueryProcessMemory().nCommitted;
    loadAll(10000);
    SIZE_T nAfter = QueryProcessMemory().nCommitted;
    ASSERT_NE(0u, nBefore);
    // A lost 32 x 32 image per load would be 40 MB.
    EXPECT_LT(nAfter, nBefore + 4 * 1024 * 1024) << nBefore << " then " << nAfter;
}

TEST(ImageManagerIcon, RecordsBeyondTheDataAreAnArchiveError)
{
    std::vector<BYTE> bytes = {4, 0, 0, 0, 18, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    CXTPImageManagerIcon icon(100, 4, 0);
    bool bThrown = false;
    try
    {
        icon.Serialize(ar);
    }
    catch (CArchiveException* e)
    {
        bThrown = e->m_cause == CArchiveException::endOfFile;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
}

} // namespace
