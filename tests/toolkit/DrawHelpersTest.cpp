#include "toolkit/draw/DrawHelpers.h"

#include "TestDib.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/PaintManagerColor.h"
#include "toolkit/draw/SystemInfo.h"

#include <gtest/gtest.h>

namespace {

// Fills run through the line-by-line path while one of these lives.
class LineByLineGradient
{
public:
    LineByLineGradient() { CXTPDrawHelpers::UseSystemGradient(FALSE); }
    ~LineByLineGradient() { CXTPDrawHelpers::UseSystemGradient(TRUE); }
};

struct GradientCase
{
    CRect rect;
    COLORREF clrFrom;
    COLORREF clrTo;
    BOOL bHorz;
};

const GradientCase s_gradientCases[] = {
    {CRect(0, 0, 64, 8), RGB(0, 0, 0), RGB(255, 255, 255), TRUE},
    {CRect(3, 2, 40, 30), RGB(255, 0, 0), RGB(0, 0, 255), FALSE},
    {CRect(5, 5, 6, 20), RGB(10, 200, 30), RGB(200, 10, 90), TRUE},
    {CRect(0, 0, 64, 1), RGB(0xF6, 0xDD, 0xCB), RGB(0xDC, 0xA1, 0x79), FALSE},
    {CRect(1, 1, 63, 63), RGB(0x96, 0x2D, 0x00), RGB(0xD6, 0x87, 0x59), TRUE},
};

TEST(GradientFill, SystemAndLineByLineFillsAgree)
{
    for (const GradientCase& c : s_gradientCases)
    {
        CTestDib system(64, 64, RGB(1, 2, 3));
        CTestDib lines(64, 64, RGB(1, 2, 3));
        CXTPDrawHelpers::GradientFill(&system.DC(), c.rect, c.clrFrom, c.clrTo, c.bHorz);
        {
            LineByLineGradient lineByLine;
            CXTPDrawHelpers::GradientFill(&lines.DC(), c.rect, c.clrFrom, c.clrTo, c.bHorz);
        }
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                ASSERT_TRUE(ColorsClose(system.Pixel(x, y), lines.Pixel(x, y), 1))
                    << "at " << x << "," << y << ": " << std::hex << system.Pixel(x, y) << " "
                    << lines.Pixel(x, y);
        // Outside the rectangle nothing changed; its first line is the start colour.
        EXPECT_EQ(RGB(1, 2, 3), lines.Pixel(c.rect.right % 64, c.rect.bottom % 64));
        EXPECT_EQ(c.clrFrom, lines.Pixel(c.rect.left, c.rect.top));
    }
}

TEST(GradientFill, LineByLineFollowsTheMixFormula)
{
    LineByLineGradient lineByLine;
    CTestDib dib(10, 4);
    CXTPDrawHelpers::GradientFill(&dib.DC(), CRect(0, 0, 10, 4), RGB(200, 0, 100),
                                  RGB(0, 100, 200), TRUE);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(CXTPDrawHelpers::MixColor(RGB(200, 0, 100), RGB(0, 100, 200), 1.0 - x / 10.0),
                  dib.Pixel(x, 2));
    EXPECT_TRUE(ColorsClose(RGB(20, 90, 190), dib.Pixel(9, 0), 1));
}

TEST(GradientFill, SolidForEqualColoursAndLowColour)
{
    CTestDib dib(20, 20, RGB(1, 2, 3));
    CXTPDrawHelpers::GradientFill(&dib.DC(), CRect(0, 0, 20, 20), RGB(9, 8, 7), RGB(9, 8, 7),
                                  TRUE);
    EXPECT_EQ(RGB(9, 8, 7), dib.Pixel(19, 19));

    CXTPColorManager::SetLowColorOverride(1);
    CXTPDrawHelpers::GradientFill(&dib.DC(), CRect(0, 0, 20, 20), RGB(255, 0, 0), RGB(0, 0, 255),
                                  FALSE);
    CXTPColorManager::SetLowColorOverride(-1);
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(19, 19));
}

TEST(GradientFill, EmptyRectanglesDrawNothing)
{
    const CRect empties[] = {CRect(5, 5, 5, 10), CRect(5, 5, 10, 5), CRect(10, 10, 5, 5)};
    for (BOOL bLineByLine : {FALSE, TRUE})
    {
        CXTPDrawHelpers::UseSystemGradient(!bLineByLine);
        CTestDib dib(20, 20, RGB(1, 2, 3));
        for (const CRect& rect : empties)
        {
            CXTPDrawHelpers::GradientFill(&dib.DC(), rect, RGB(255, 0, 0), RGB(0, 255, 0), TRUE);
            CXTPDrawHelpers::GradientFill(&dib.DC(), rect, RGB(255, 0, 0), RGB(0, 255, 0), FALSE,
                                          CRect(0, 0, 20, 20));
        }
        CXTPDrawHelpers::GradientFill(&dib.DC(), nullptr, RGB(255, 0, 0), RGB(0, 255, 0), TRUE);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(RGB(1, 2, 3), dib.Pixel(x, y));
    }
    CXTPDrawHelpers::UseSystemGradient(TRUE);
}

TEST(GradientFill, LimitedFillShowsThePartOfTheWholeGradient)
{
    struct Case
    {
        BOOL bHorz;
        CRect limit;
    };
    const Case cases[] = {
        {FALSE, CRect(0, 10, 64, 30)},
        {FALSE, CRect(8, 40, 20, 100)},
        {TRUE, CRect(16, 0, 48, 64)},
        {TRUE, CRect(-10, 5, 10, 9)},
    };
    const CRect rect(0, 0, 64, 64);
    for (const Case& c : cases)
    {
        CTestDib whole(64, 64, RGB(1, 2, 3));
        CTestDib part(64, 64, RGB(1, 2, 3));
        CXTPDrawHelpers::GradientFill(&whole.DC(), rect, RGB(250, 0, 0), RGB(0, 0, 250), c.bHorz);
        GradientFillThunk(&part.DC(), rect, RGB(250, 0, 0), RGB(0, 0, 250), c.bHorz, c.limit);
        CRect visible;
        visible.IntersectRect(rect, c.limit);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
            {
                if (visible.PtInRect(CPoint(x, y)))
                    ASSERT_TRUE(ColorsClose(whole.Pixel(x, y), part.Pixel(x, y), 2))
                        << x << "," << y << std::hex << " " << whole.Pixel(x, y) << " "
                        << part.Pixel(x, y);
                else
                    ASSERT_EQ(RGB(1, 2, 3), part.Pixel(x, y)) << x << "," << y;
            }
    }
}

TEST(GradientFill, LimitOutsideTheRectangleDrawsNothing)
{
    CTestDib dib(64, 64, RGB(1, 2, 3));
    GradientFillThunk(&dib.DC(), CRect(10, 10, 30, 30), RGB(255, 0, 0), RGB(0, 0, 255), FALSE,
                      CRect(10, 40, 30, 60));
    GradientFillThunk(&dib.DC(), CRect(10, 10, 30, 30), RGB(255, 0, 0), RGB(0, 0, 255), TRUE,
                      CRect(40, 10, 60, 30));
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(RGB(1, 2, 3), dib.Pixel(x, y));
}

TEST(GradientFill, FactorSplitsIntoTwoHalves)
{
    CXTPPaintManagerColorGradient grc;
    grc.SetStandardValue(RGB(200, 0, 0), RGB(0, 0, 200), 0.75f);
    CTestDib dib(40, 10);
    CXTPDrawHelpers::GradientFill(&dib.DC(), CRect(0, 0, 40, 10), grc, TRUE);
    COLORREF clrMiddle = CXTPDrawHelpers::MixColor(RGB(200, 0, 0), RGB(0, 0, 200), 0.75);
    EXPECT_EQ(RGB(150, 0, 50), clrMiddle);
    EXPECT_EQ(RGB(200, 0, 0), dib.Pixel(0, 5));
    // The second half starts at the middle colour.
    EXPECT_EQ(clrMiddle, dib.Pixel(20, 5));
    EXPECT_TRUE(ColorsClose(clrMiddle, dib.Pixel(19, 5), 3));

    // Factor 0.5: one gradient over the whole rectangle.
    CTestDib single(40, 10);
    grc.fGradientFactor = 0.5f;
    CXTPDrawHelpers::GradientFill(&single.DC(), CRect(0, 0, 40, 10), grc, FALSE);
    EXPECT_EQ(RGB(200, 0, 0), single.Pixel(5, 0));
    EXPECT_TRUE(ColorsClose(RGB(20, 0, 180), single.Pixel(5, 9), 1));
}

TEST(GradientFill, MixColor)
{
    EXPECT_EQ(RGB(100, 50, 25), CXTPDrawHelpers::MixColor(RGB(200, 100, 50), 0, 0.5));
    EXPECT_EQ(RGB(255, 255, 255), CXTPDrawHelpers::MixColor(RGB(255, 255, 255), RGB(255, 255, 255), 1.5));
    EXPECT_EQ(RGB(0, 0, 0), CXTPDrawHelpers::MixColor(0, RGB(100, 100, 100), 1.0));
}

TEST(RightToLeft, LayoutMirrorsDrawing)
{
    CTestDib dib(20, 4, RGB(255, 255, 255));
    EXPECT_FALSE(IsLayoutRightToLeft(&dib.DC()));
    SetDCLayout(&dib.DC(), TRUE);
    EXPECT_TRUE(IsLayoutRightToLeft(&dib.DC()));
    dib->FillSolidRect(0, 0, 5, 4, RGB(255, 0, 0));
    // The five columns land at the right edge (where the mirrored right
    // edge falls differs by one pixel between systems).
    int nRed = 0;
    for (int x = 0; x < 20; ++x)
        if (dib.Pixel(x, 1) == RGB(255, 0, 0))
            ++nRed;
    EXPECT_EQ(5, nRed);
    for (int x = 15; x < 19; ++x)
        EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(x, 1)) << x;
    for (int x = 0; x < 14; ++x)
        EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(x, 1)) << x;
    SetDCLayout(&dib.DC(), FALSE);
    EXPECT_FALSE(IsLayoutRightToLeft(&dib.DC()));
}

TEST(RightToLeft, ArrowKeysSwapInMirroredWindows)
{
    HWND hMirrored = ::CreateWindowExA(WS_EX_LAYOUTRTL, "STATIC", "", WS_POPUP, 0, 0, 10, 10,
                                       nullptr, nullptr, nullptr, nullptr);
    HWND hPlain = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
    ASSERT_TRUE(hMirrored && hPlain);
    EXPECT_EQ(UINT(VK_RIGHT), MirrorArrowKey(hMirrored, VK_LEFT));
    EXPECT_EQ(UINT(VK_LEFT), MirrorArrowKey(hMirrored, VK_RIGHT));
    EXPECT_EQ(UINT(VK_UP), MirrorArrowKey(hMirrored, VK_UP));
    EXPECT_EQ(UINT(VK_LEFT), MirrorArrowKey(hPlain, VK_LEFT));
    EXPECT_EQ(UINT(VK_LEFT), MirrorArrowKey(nullptr, VK_LEFT));
    EXPECT_EQ(MakeWindowRectOfHandle(hPlain), CRect(0, 0, 10, 10));
    ::DestroyWindow(hMirrored);
    ::DestroyWindow(hPlain);
    EXPECT_TRUE(MakeWindowRectOfHandle(hPlain).IsRectNull());
    EXPECT_TRUE(MakeClientRect(nullptr).IsRectNull());
}

TEST(AveragePixelPairs, AveragesEachPixelWithItsPartner)
{
    CTestDib dib(8, 1, RGB(0, 0, 0));
    dib.Raw(0, 0) = 0x00C86432;   // RGB(200, 100, 50)
    dib.Raw(3, 0) = 0x00010203;
    dib.Raw(5, 0) = 0x00FFFFFF;
    // Pixel 0 with pixel 3; pixel 5 has no offset after it and stays.
    const POINT points[] = {{0, 0}, {3, 0}, {5, 0}};
    AveragePixelPairs(&dib.DC(), points, 3);
    EXPECT_EQ(RGB(100, 51, 26), dib.Pixel(0, 0));
    EXPECT_EQ(RGB(1, 2, 3), dib.Pixel(3, 0));
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(5, 0));
}

TEST(StripMnemonics, RemovesMarkersKeepsDoubledAmpersands)
{
    const char* const cases[][2] = {
        {"&Datei", "Datei"}, {"Speichern &unter", "Speichern unter"},
        {"A && B", "A & B"}, {"Ende&", "Ende"}, {"&&&x", "&x"}, {"", ""}, {"&", ""},
    };
    for (const auto& c : cases)
    {
        CString str(c[0]);
        StripMnemonics(str);
        EXPECT_STREQ(c[1], str) << c[0];
    }
}

} // namespace
