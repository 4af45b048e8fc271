#include "toolkit/draw/BufferDC.h"

#include "TestDib.h"

#include <gtest/gtest.h>

namespace {

TEST(BufferDC, CopiesItsRectangleBackWhenItEnds)
{
    CTestDib target(40, 40, RGB(255, 255, 255));
    {
        CXTPBufferDC dc(target->GetSafeHdc(), CRect(10, 10, 30, 30));
        ASSERT_TRUE(dc.IsValid());
        dc.FillSolidRect(0, 0, 40, 40, RGB(0, 0, 255));
        dc.FillSolidRect(12, 12, 2, 2, RGB(255, 0, 0));
        // Nothing reaches the target before the end.
        EXPECT_EQ(RGB(255, 255, 255), target.Pixel(12, 12));
    }
    EXPECT_EQ(RGB(255, 0, 0), target.Pixel(12, 12));
    EXPECT_EQ(RGB(0, 0, 255), target.Pixel(10, 10));
    EXPECT_EQ(RGB(0, 0, 255), target.Pixel(29, 29));
    // Only the rectangle is copied, though the buffer covers 0,0 to 30,30.
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(9, 9));
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(30, 30));
}

TEST(BufferDC, WithoutABitmapDrawsStraightIntoTheTarget)
{
    CTestDib target(40, 40, RGB(255, 255, 255));
    // No bitmap of 100000 × 100000 pixels can be made.
    {
        CXTPBufferDC dc(target->GetSafeHdc(), CRect(10, 10, 100000, 100000));
        EXPECT_FALSE(dc.IsValid());
        ASSERT_EQ(target->GetSafeHdc(), dc.GetSafeHdc());
        dc.FillSolidRect(12, 12, 2, 2, RGB(255, 0, 0));
    }
    EXPECT_EQ(RGB(255, 0, 0), target.Pixel(12, 12));
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(20, 20));
    // The target DC is still alive and usable.
    target->SetPixel(0, 0, RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), target.Pixel(0, 0));
}

TEST(MemDC, DrawsRelativeToItsRectangleOverTheBackground)
{
    CTestDib target(40, 40, RGB(255, 255, 255));
    {
        CXTMemDC dc(&target.DC(), CRect(10, 20, 30, 30), CXTPPaintManagerColorGradient(RGB(0, 128, 0)));
        ASSERT_TRUE(dc.IsValid());
        dc.SetPixel(0, 0, RGB(255, 0, 0));
        EXPECT_EQ(RGB(255, 255, 255), target.Pixel(10, 20));
    }
    EXPECT_EQ(RGB(255, 0, 0), target.Pixel(10, 20));
    EXPECT_EQ(RGB(0, 128, 0), target.Pixel(11, 20));
    EXPECT_EQ(RGB(0, 128, 0), target.Pixel(29, 29));
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(30, 29));
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(10, 19));
}

TEST(MemDC, GradientBackgroundAndUnsetBackground)
{
    CTestDib target(20, 20, RGB(255, 255, 255));
    CXTPPaintManagerColorGradient grc;
    grc.SetStandardValue(RGB(0, 0, 0), RGB(200, 200, 200));
    {
        CXTMemDC dc(&target.DC(), CRect(0, 0, 20, 10), grc, TRUE);
    }
    EXPECT_EQ(RGB(0, 0, 0), target.Pixel(0, 5));
    EXPECT_TRUE(ColorsClose(RGB(190, 190, 190), target.Pixel(19, 5), 1));

    // An unset second colour means no background fill: the buffer's own
    // (undrawn) content is what gets copied, so draw all of it.
    CXTPPaintManagerColorGradient unset;
    {
        CXTMemDC dc(&target.DC(), CRect(0, 10, 20, 20), unset);
        dc.FillSolidRect(0, 0, 20, 10, RGB(5, 6, 7));
    }
    EXPECT_EQ(RGB(5, 6, 7), target.Pixel(3, 15));
}

TEST(MemDC, EmptyRectangleMeansTheClipBox)
{
    CTestDib target(16, 16, RGB(255, 255, 255));
    {
        CXTMemDC dc(&target.DC(), CRect(0, 0, 0, 0), CXTPPaintManagerColorGradient(RGB(9, 9, 9)));
        EXPECT_TRUE(dc.IsValid());
    }
    EXPECT_EQ(RGB(9, 9, 9), target.Pixel(15, 15));
}

TEST(MemDC, WithoutABitmapDrawsIntoTheTargetAtTheRectangle)
{
    CTestDib target(40, 40, RGB(255, 255, 255));
    {
        CXTMemDC dc(&target.DC(), CRect(10, 10, 100010, 100010),
                    CXTPPaintManagerColorGradient(RGB(0, 0, 255)));
        EXPECT_FALSE(dc.IsValid());
        dc.SetPixel(0, 0, RGB(255, 0, 0));
        dc.SetPixel(-5, -5, RGB(255, 0, 0));   // outside the rectangle: clipped
    }
    EXPECT_EQ(RGB(255, 0, 0), target.Pixel(10, 10));
    EXPECT_EQ(RGB(0, 0, 255), target.Pixel(39, 39));
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(5, 5));
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(9, 20));
    // The target's origin and clipping are back as they were.
    target->SetPixel(0, 0, RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), target.Pixel(0, 0));
}

TEST(MemDC, WithoutATargetNothingHappens)
{
    CXTMemDC dc(nullptr, CRect(0, 0, 10, 10), CXTPPaintManagerColorGradient(RGB(1, 1, 1)));
    EXPECT_FALSE(dc.IsValid());
    EXPECT_EQ(nullptr, dc.GetSafeHdc());
}

} // namespace
