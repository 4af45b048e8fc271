#include "toolkit/draw/ScopedDC.h"

#include "TestDib.h"

#include <gtest/gtest.h>

namespace {

HGDIOBJ Current(CDC& dc, UINT nType)
{
    return ::GetCurrentObject(dc.GetSafeHdc(), nType);
}

TEST(ScopedDC, PenAndBrushRestoreAndDeleteTheirObjects)
{
    CTestDib dib(4, 4);
    HGDIOBJ hOldPen = Current(dib.DC(), OBJ_PEN);
    HGDIOBJ hOldBrush = Current(dib.DC(), OBJ_BRUSH);
    HGDIOBJ hPen = nullptr;
    HGDIOBJ hBrush = nullptr;
    {
        CXTPPenDC pen(dib->GetSafeHdc(), RGB(1, 2, 3));
        CXTPBrushDC brush(dib->GetSafeHdc(), RGB(4, 5, 6));
        hPen = Current(dib.DC(), OBJ_PEN);
        hBrush = Current(dib.DC(), OBJ_BRUSH);
        EXPECT_NE(hOldPen, hPen);
        EXPECT_EQ(RGB(1, 2, 3), pen.GetColor());
        LOGBRUSH lb = {};
        ::GetObjectA(hBrush, sizeof(lb), &lb);
        EXPECT_EQ(RGB(4, 5, 6), lb.lbColor);

        brush.Color(RGB(7, 8, 9));
        EXPECT_EQ(OBJ_BRUSH, ::GetObjectType(Current(dib.DC(), OBJ_BRUSH)));
        EXPECT_EQ(0u, ::GetObjectType(hBrush));   // the first brush is gone already
        hBrush = Current(dib.DC(), OBJ_BRUSH);
        dib->Rectangle(0, 0, 4, 4);
        EXPECT_EQ(RGB(1, 2, 3), dib.Pixel(0, 0));
        EXPECT_EQ(RGB(7, 8, 9), dib.Pixel(1, 1));
    }
    EXPECT_EQ(hOldPen, Current(dib.DC(), OBJ_PEN));
    EXPECT_EQ(hOldBrush, Current(dib.DC(), OBJ_BRUSH));
    EXPECT_EQ(0u, ::GetObjectType(hPen));
    EXPECT_EQ(0u, ::GetObjectType(hBrush));
}

TEST(ScopedDC, FontDCRestoresTheFirstFontAndColour)
{
    CTestDib dib(4, 4);
    CFont font1, font2;
    LOGFONTA lf = {};
    lf.lfHeight = -11;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    ASSERT_TRUE(font1.CreateFontIndirect(&lf));
    ASSERT_TRUE(font2.CreateFontIndirect(&lf));
    HGDIOBJ hOldFont = Current(dib.DC(), OBJ_FONT);
    dib->SetTextColor(RGB(10, 20, 30));
    {
        CXTPFontDC fontDC(&dib.DC(), &font1);
        EXPECT_EQ(font1.GetSafeHandle(), Current(dib.DC(), OBJ_FONT));
        fontDC.SetFont(&font2);
        EXPECT_EQ(font2.GetSafeHandle(), Current(dib.DC(), OBJ_FONT));
        fontDC.SetColor(RGB(1, 1, 1));
        fontDC.SetColor(RGB(2, 2, 2));
        EXPECT_EQ(RGB(2, 2, 2), dib->GetTextColor());
        fontDC.ReleaseColor();
        EXPECT_EQ(RGB(10, 20, 30), dib->GetTextColor());
        fontDC.SetColor(RGB(3, 3, 3));
        fontDC.ReleaseFont();
        EXPECT_EQ(hOldFont, Current(dib.DC(), OBJ_FONT));
        fontDC.SetFont(&font1);
    }
    EXPECT_EQ(hOldFont, Current(dib.DC(), OBJ_FONT));
    EXPECT_EQ(RGB(10, 20, 30), dib->GetTextColor());

    // Without a font nothing is selected and nothing restored.
    {
        CXTPFontDC fontDC(&dib.DC(), nullptr);
        EXPECT_EQ(hOldFont, Current(dib.DC(), OBJ_FONT));
    }
    EXPECT_EQ(hOldFont, Current(dib.DC(), OBJ_FONT));
}

TEST(ScopedDC, BitmapAndCompatibleDCs)
{
    CTestDib dib(4, 4, RGB(0, 0, 0));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dib.DC(), 2, 2));
    CTestDib other(2, 2, RGB(0, 0, 0));
    HGDIOBJ hOldBitmap = Current(other.DC(), OBJ_BITMAP);
    {
        CXTPBitmapDC bitmapDC(&other.DC(), &bitmap);
        EXPECT_EQ(bitmap.GetSafeHandle(), Current(other.DC(), OBJ_BITMAP));
        other->SetPixel(1, 1, RGB(0, 255, 0));
    }
    EXPECT_EQ(hOldBitmap, Current(other.DC(), OBJ_BITMAP));

    HDC hMemDC = nullptr;
    {
        CXTPCompatibleDC compatible(&dib.DC(), &bitmap);
        hMemDC = compatible.GetSafeHdc();
        ASSERT_NE(nullptr, hMemDC);
        EXPECT_EQ(bitmap.GetSafeHandle(), ::GetCurrentObject(hMemDC, OBJ_BITMAP));
        EXPECT_EQ(RGB(0, 255, 0), compatible.GetPixel(1, 1));
        dib->BitBlt(0, 0, 2, 2, &compatible, 0, 0, SRCCOPY);
    }
    EXPECT_EQ(RGB(0, 255, 0), dib.Pixel(1, 1));
    EXPECT_EQ(0u, ::GetObjectType(hMemDC));
    // The bitmap is free again: it can be selected elsewhere.
    CXTPCompatibleDC again(nullptr, static_cast<HBITMAP>(bitmap.GetSafeHandle()));
    EXPECT_EQ(bitmap.GetSafeHandle(), ::GetCurrentObject(again.GetSafeHdc(), OBJ_BITMAP));
}

// Every object a scoped DC makes is gone the moment it ends, and the DC's
// own selection is back. (The system's GDI object count cannot serve here:
// the test system reports 0.) A leak of even one object per use would also
// exhaust the process's GDI handles long before 10,000 uses.
TEST(ScopedDC, TenThousandUsesLeaveNoObjectBehind)
{
    CTestDib dib(8, 8);
    CFont font;
    LOGFONTA lf = {};
    lf.lfHeight = -11;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dib.DC(), 2, 2));
    HGDIOBJ hPen = Current(dib.DC(), OBJ_PEN);
    HGDIOBJ hBrush = Current(dib.DC(), OBJ_BRUSH);
    HGDIOBJ hFont = Current(dib.DC(), OBJ_FONT);

    for (int i = 0; i < 10000; ++i)
    {
        HGDIOBJ created[4] = {};
        {
            CXTPPenDC pen(dib->GetSafeHdc(), RGB(i & 0xFF, 0, 0));
            created[0] = Current(dib.DC(), OBJ_PEN);
            CXTPBrushDC brush(dib->GetSafeHdc(), RGB(0, i & 0xFF, 0));
            created[1] = Current(dib.DC(), OBJ_BRUSH);
            brush.Color(RGB(0, 0, i & 0xFF));
            ASSERT_EQ(0u, ::GetObjectType(created[1])) << "use " << i;
            created[2] = Current(dib.DC(), OBJ_BRUSH);
            CXTPFontDC fontDC(&dib.DC(), &font);
            CXTPCompatibleDC compatible(&dib.DC(), &bitmap);
            created[3] = compatible.GetSafeHdc();
            ASSERT_NE(nullptr, created[3]) << "use " << i;
            ASSERT_NE(hPen, created[0]);
        }
        for (HGDIOBJ h : created)
            ASSERT_EQ(0u, ::GetObjectType(h)) << "use " << i;
        ASSERT_EQ(hPen, Current(dib.DC(), OBJ_PEN));
        ASSERT_EQ(hBrush, Current(dib.DC(), OBJ_BRUSH));
        ASSERT_EQ(hFont, Current(dib.DC(), OBJ_FONT));
    }
}

} // namespace
