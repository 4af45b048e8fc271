#include "toolkit/draw/Office2007Image.h"

#include "TestDib.h"
#include "office2007/StyleModules.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

class Office2007Image : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hModule = ::LoadLibraryA(StyleModulePath("StyleModule.dll"));
        ASSERT_NE(nullptr, m_hModule);
        ASSERT_TRUE(m_nine.LoadFromResource(m_hModule, "NINE_BMP"));
    }
    void TearDown() override
    {
        if (m_hModule)
            ::FreeLibrary(m_hModule);
    }

    HMODULE m_hModule = nullptr;
    CXTPOffice2007Image m_nine;
};

// Compares every pixel of the surface; reports the first few that differ.
void ExpectPixels(CTestDib& dib, const std::function<COLORREF(int, int)>& expected)
{
    int nFailures = 0;
    for (int y = 0; y < dib.Height(); y++)
    {
        for (int x = 0; x < dib.Width(); x++)
        {
            COLORREF clr = expected(x, y);
            if (dib.Pixel(x, y) != clr && nFailures++ < 5)
                ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << dib.Pixel(x, y)
                              << " instead of " << clr;
        }
    }
}

// The cell of a piece index 0..2 along one axis of a 10 x 8 drawing at (1, 1)
// with two-pixel borders.
int PieceAlong(int n, int nLength)
{
    return n < 2 ? 0 : n >= nLength - 2 ? 2 : 1;
}

TEST_F(Office2007Image, LoadsAndSelectsFrames)
{
    EXPECT_EQ(CSize(6, 12), m_nine.GetExtent());
    EXPECT_EQ(6, m_nine.GetWidth());
    EXPECT_EQ(12, m_nine.GetHeight());
    EXPECT_FALSE(m_nine.IsAlphaImage());

    struct { int nState, nCount; CRect rc; } cases[] = {
        {0, 2, CRect(0, 0, 6, 6)},
        {1, 2, CRect(0, 6, 6, 12)},
        {2, 5, CRect(0, 4, 6, 6)},  // frames of 12 / 5 = 2 rows
        {0, 1, CRect(0, 0, 6, 12)},
        {0, 0, CRect(0, 0, 6, 12)},  // no frame count: the whole strip
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.rc, m_nine.GetSource(c.nState, c.nCount)) << c.nState << " of " << c.nCount;

    CXTPOffice2007Image image;
    EXPECT_FALSE(image.LoadFromResource(nullptr, "NINE_BMP"));
    EXPECT_FALSE(image.LoadFromResource(m_hModule, "NO_SUCH_IMAGE"));
    EXPECT_EQ(CSize(0, 0), image.GetExtent());
    EXPECT_EQ(CRect(0, 0, 0, 0), image.GetSource(1, 2));
    // Without a bitmap nothing is drawn.
    CTestDib dib(8, 8);
    image.DrawImage(&dib.DC(), CRect(0, 0, 8, 8), CRect(0, 0, 6, 6), CRect(2, 2, 2, 2));
    ExpectPixels(dib, [](int, int) { return kWhite; });
}

TEST_F(Office2007Image, NinePartsKeepCornersAndStretchTheRest)
{
    CTestDib dib(12, 10);
    m_nine.DrawImage(&dib.DC(), CRect(1, 1, 11, 9), m_nine.GetSource(0, 2), CRect(2, 2, 2, 2));
    EXPECT_EQ(COLORONCOLOR, dib->GetStretchBltMode());
    ExpectPixels(dib, [](int x, int y) {
        if (x < 1 || x >= 11 || y < 1 || y >= 9)
            return kWhite;
        return NineCellColor(0, PieceAlong(y - 1, 8), PieceAlong(x - 1, 10));
    });
}

TEST_F(Office2007Image, SmallDestinationsShareTheBorders)
{
    struct Case
    {
        const char* pszName;
        CRect rcDest;
        CRect rcMargins;
        std::function<COLORREF(int, int)> expected;
    };
    const Case cases[] = {
        // Each expectation holds inside the destination; outside stays white.
        // Exactly the source's size: one plain copy of the second frame.
        {"same size", CRect(0, 0, 6, 6), CRect(2, 2, 2, 2),
         [](int x, int y) { return NineCellColor(1, y / 2, x / 2); }},
        // 3 high: top 2 rows, bottom 1 grown to 2 for its parity; the bottom
        // row of pieces overlaps the top one.
        {"3 high", CRect(0, 0, 6, 3), CRect(2, 2, 2, 2),
         [](int x, int y) { return NineCellColor(1, y == 0 ? 0 : 2, x / 2); }},
        // 2 high: 1 and 1, the bottom grown to 2 covers everything.
        {"2 high", CRect(0, 0, 6, 2), CRect(2, 2, 2, 2),
         [](int x, int) { return NineCellColor(1, 2, x / 2); }},
        // 3 wide: left 3 * 2 / 4 = 1 (truncated), right 2; no parity rule.
        {"3 wide", CRect(0, 0, 3, 6), CRect(2, 2, 2, 2),
         [](int x, int y) { return NineCellColor(1, y / 2, x == 0 ? 0 : 2); }},
        // Borders higher than the source: nothing at all.
        {"borders too high", CRect(0, 0, 6, 6), CRect(0, 4, 0, 4),
         [](int, int) { return kWhite; }},
        {"empty destination", CRect(3, 3, 3, 6), CRect(2, 2, 2, 2),
         [](int, int) { return kWhite; }},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        CTestDib dib(8, 8);
        m_nine.DrawImage(&dib.DC(), c.rcDest, m_nine.GetSource(1, 2), c.rcMargins);
        ExpectPixels(dib, [&c](int x, int y) {
            return c.rcDest.PtInRect(CPoint(x, y)) ? c.expected(x, y) : kWhite;
        });
    }
}

TEST_F(Office2007Image, TransparentColourIsLeftOut)
{
    const COLORREF clrCentre = NineCellColor(0, 1, 1);
    CTestDib dib(12, 10);
    m_nine.DrawImage(&dib.DC(), CRect(1, 1, 11, 9), m_nine.GetSource(0, 2), CRect(2, 2, 2, 2),
                     clrCentre);
    ExpectPixels(dib, [clrCentre](int x, int y) {
        if (x < 1 || x >= 11 || y < 1 || y >= 9)
            return kWhite;
        COLORREF clr = NineCellColor(0, PieceAlong(y - 1, 8), PieceAlong(x - 1, 10));
        return clr == clrCentre ? kWhite : clr;
    });

    // 0xFFFFFFFF means no transparent colour: a plain drawing.
    CTestDib plain(12, 10);
    m_nine.DrawImage(&plain.DC(), CRect(1, 1, 11, 9), m_nine.GetSource(0, 2), CRect(2, 2, 2, 2),
                     0xFFFFFFFF);
    EXPECT_EQ(clrCentre, plain.Pixel(5, 5));
}

TEST_F(Office2007Image, AlphaImagesBlendOverTheBackground)
{
    CXTPOffice2007Image image;
    ASSERT_TRUE(image.LoadFromResource(m_hModule, "ALPHA_PNG"));
    EXPECT_TRUE(image.IsAlphaImage());

    // Stretched to twice the width; a transparent colour plays no part for
    // an image with alpha.
    for (COLORREF clrTransparent : {static_cast<COLORREF>(0xFFFFFFFF), RGB(255, 0, 0)})
    {
        CTestDib dib(10, 6);
        image.DrawImage(&dib.DC(), CRect(0, 0, 8, 4), image.GetSource(0, 1), CRect(0, 0, 0, 0),
                        clrTransparent);
        for (int y = 0; y < 4; y++)
        {
            for (int x : {0, 2, 5, 7, 9})
            {
                EXPECT_TRUE(ColorsClose(x < 3 ? RGB(255, 0, 0) : kWhite, dib.Pixel(x, y), 1))
                    << x << "," << y << ": " << std::hex << dib.Pixel(x, y);
            }
        }
        EXPECT_EQ(kWhite, dib.Pixel(1, 5));
    }
}

} // namespace
