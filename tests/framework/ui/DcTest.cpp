#include "framework/ui/Dc.h"

#include "DibPicture.h"

#include "framework/ui/HandleMap.h"
#include "framework/ui/Wnd.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

const COLORREF clrWhite = RGB(255, 255, 255);
const COLORREF clrBlack = RGB(0, 0, 0);
const COLORREF clrRed = RGB(255, 0, 0);
const COLORREF clrBlue = RGB(0, 0, 255);
const COLORREF clrGreen = RGB(0, 255, 0);

using Picture = std::vector<std::string>;

} // namespace

TEST(DcTest, FillSolidRectAndDraw3dRectPaintExactlyTheirPixels)
{
    CTestDib canvas(7, 6);
    canvas->SetBkColor(clrGreen);
    canvas->Draw3dRect(CRect(1, 1, 6, 5), clrRed, clrBlue);
    EXPECT_EQ(canvas->GetBkColor(), clrGreen);   // kept by every fill
    const std::map<COLORREF, char> legend = { { clrWhite, '.' }, { clrRed, 'R' }, { clrBlue, 'B' },
                                              { clrBlack, 'K' } };
    EXPECT_EQ(PictureOf(canvas, legend), (Picture{
        ".......",
        ".RRRRB.",
        ".R...B.",
        ".R...B.",
        ".BBBBB.",
        ".......",
    }));

    canvas->FillSolidRect(2, 2, 3, 2, clrBlack);
    canvas->FillSolidRect(CRect(0, 0, 2, 1), clrBlue);
    canvas->Draw3dRect(6, 0, 1, 1, clrRed, clrBlack);
    EXPECT_EQ(PictureOf(canvas, legend), (Picture{
        "BB....K",
        ".RRRRB.",
        ".RKKKB.",
        ".RKKKB.",
        ".BBBBB.",
        ".......",
    }));
}

TEST(DcTest, PatBltCopiesInvertsAndXorsPatterns)
{
    CTestDib canvas(6, 3);
    const std::map<COLORREF, char> legend = { { clrWhite, '.' }, { clrBlack, 'K' }, { clrRed, 'R' },
                                              { clrBlue, 'B' } };

    // A monochrome pattern brush paints its 0 bits in the text colour and
    // its 1 bits in the background colour.
    const WORD rows[8] = { 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA };
    CBitmap pattern;
    ASSERT_TRUE(pattern.CreateBitmap(8, 8, 1, 1, rows));
    CBrush brush;
    ASSERT_TRUE(brush.CreatePatternBrush(&pattern));
    canvas->SetTextColor(clrRed);
    canvas->SetBkColor(clrBlue);
    CBrush* pOldBrush = canvas->SelectObject(&brush);
    EXPECT_TRUE(canvas->PatBlt(0, 0, 4, 2, PATCOPY));
    canvas->SelectObject(pOldBrush);
    EXPECT_EQ(PictureOf(canvas, legend), (Picture{ "RBRB..", "BRBR..", "......" }));

    EXPECT_TRUE(canvas->PatBlt(2, 1, 4, 2, DSTINVERT));
    EXPECT_EQ(canvas.Pixel(2, 1), RGB(255, 255, 0));   // blue inverted
    EXPECT_EQ(PictureOf(canvas, legend)[2], "..KKKK");

    // The half-tone brush is one process-wide checker; PATINVERT twice
    // gives the picture back.
    CTestDib plain(4, 2);
    CBrush* pHalftone = CDC::GetHalftoneBrush();
    ASSERT_NE(pHalftone, nullptr);
    EXPECT_EQ(CDC::GetHalftoneBrush(), pHalftone);
    plain->SelectObject(pHalftone);
    plain->PatBlt(0, 0, 4, 2, PATINVERT);
    Picture checker = PictureOf(plain, legend);
    EXPECT_TRUE(checker == (Picture{ ".K.K", "K.K." }) || checker == (Picture{ "K.K.", ".K.K" }))
        << checker[0] << "/" << checker[1];
    plain->PatBlt(0, 0, 4, 2, PATINVERT);
    EXPECT_EQ(PictureOf(plain, legend), (Picture{ "....", "...." }));
    plain->SelectStockObject(WHITE_BRUSH);
}

TEST(DcTest, DrawDragRectInvertsOnlyThePixelsThatChange)
{
    const std::map<COLORREF, char> legend = { { clrWhite, '.' }, { clrBlack, 'K' } };
    CBrush solid;
    ASSERT_TRUE(solid.CreateSolidBrush(clrWhite));   // inverts white to black
    const CRect rectA(1, 1, 6, 5);
    const CRect rectB(2, 2, 8, 6);
    const CSize two(2, 2);
    const CSize one(1, 1);

    CTestDib canvas(9, 7);
    canvas->DrawDragRect(rectA, two, nullptr, one, &solid);
    EXPECT_EQ(PictureOf(canvas, legend), (Picture{
        ".........",
        ".KKKKK...",
        ".KKKKK...",
        ".KKKKK...",
        ".KKKKK...",
        ".........",
        ".........",
    }));

    // Moving the frame: the result is the new frame alone, as if drawn anew.
    canvas->DrawDragRect(rectB, one, rectA, two, &solid);
    CTestDib fresh(9, 7);
    fresh->DrawDragRect(rectB, one, nullptr, one, &solid);
    EXPECT_EQ(PictureOf(canvas, legend), PictureOf(fresh, legend));
    EXPECT_EQ(PictureOf(fresh, legend), (Picture{
        ".........",
        ".........",
        "..KKKKKK.",
        "..K....K.",
        "..K....K.",
        "..KKKKKK.",
        ".........",
    }));

    // An empty new frame takes the last one back.
    canvas->DrawDragRect(CRect(0, 0, 0, 0), CSize(0, 0), rectB, one, &solid);
    EXPECT_EQ(InkBox(canvas, clrWhite), CRect(9, 7, 0, 0));
}

TEST(DcTest, DrawDragRectKeepsTheCallersClippingAndHonoursTheViewport)
{
    CBrush solid;
    ASSERT_TRUE(solid.CreateSolidBrush(clrWhite));
    CTestDib canvas(10, 10);
    canvas->SetViewportOrg(3, 2);
    canvas->IntersectClipRect(-3, -2, 4, 10);   // device columns 0..6
    CRect clipBefore;
    canvas->GetClipBox(clipBefore);

    canvas->DrawDragRect(CRect(0, 0, 5, 4), CSize(1, 1), nullptr, CSize(1, 1), &solid);

    CRect clipAfter;
    canvas->GetClipBox(clipAfter);
    EXPECT_EQ(clipAfter, clipBefore);
    // The frame starts at the viewport origin and is cut at column 7.
    EXPECT_EQ(InkBox(canvas, clrWhite), CRect(3, 2, 7, 6));
    EXPECT_EQ(canvas.Pixel(3, 3), clrBlack);
    EXPECT_EQ(canvas.Pixel(4, 3), clrWhite);

    // The half-tone default: a frame drawn twice is gone again.
    CTestDib twice(8, 8);
    twice->DrawDragRect(CRect(1, 1, 7, 7), CSize(2, 2), nullptr, CSize(0, 0));
    EXPECT_NE(InkBox(twice, clrWhite), CRect(8, 8, 0, 0));
    twice->DrawDragRect(CRect(1, 1, 7, 7), CSize(2, 2), nullptr, CSize(0, 0));
    EXPECT_EQ(InkBox(twice, clrWhite), CRect(8, 8, 0, 0));
}

// The disabled look embosses the image's shape: the shape in the 3-D shadow
// colour, a highlight copy one pixel down and right, the rest untouched.
TEST(DcTest, DrawStateDrawsDisabledAndOneColouredImages)
{
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF clrHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF clrPaper = RGB(200, 100, 50);

    // A 4 x 4 image: a black 2 x 2 square at (1, 1) on white.
    CTestDib image(4, 4);
    image->FillSolidRect(1, 1, 2, 2, clrBlack);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&image.DC(), 4, 4));
    {
        CDC copyDC;
        ASSERT_TRUE(copyDC.CreateCompatibleDC(&image.DC()));
        CBitmap* pOld = copyDC.SelectObject(&bitmap);
        copyDC.BitBlt(0, 0, 4, 4, &image.DC(), 0, 0, SRCCOPY);
        copyDC.SelectObject(pOld);
    }

    CTestDib canvas(8, 8, clrPaper);
    EXPECT_TRUE(canvas->DrawState(CPoint(2, 2), CSize(0, 0), &bitmap, DSS_DISABLED));
    const std::map<COLORREF, char> legend = { { clrPaper, '.' }, { clrShadow, 'S' },
                                              { clrHighlight, 'H' } };
    EXPECT_EQ(PictureOf(canvas, legend), (Picture{
        "........",
        "........",
        "........",
        "...SS...",
        "...SSH..",
        "....HH..",
        "........",
        "........",
    }));

    CBrush red;
    ASSERT_TRUE(red.CreateSolidBrush(clrRed));
    CTestDib mono(6, 6, clrPaper);
    EXPECT_TRUE(mono->DrawState(CPoint(1, 1), CSize(4, 4), &bitmap, DSS_MONO, &red));
    EXPECT_EQ(PictureOf(mono, { { clrPaper, '.' }, { clrRed, 'R' } }), (Picture{
        "......",
        "......",
        "..RR..",
        "..RR..",
        "......",
        "......",
    }));
    AfxDeleteTempMaps();
}

TEST(DcTest, DrawStateDrawsTextNormalAndDisabled)
{
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, "Tahoma"));

    CTestDib normal(60, 20);
    normal->SelectObject(&font);
    CSize extent = normal->GetTextExtent("Hilfe", 5);
    EXPECT_TRUE(normal->DrawState(CPoint(2, 2), CSize(0, 0), "&Hilfe", DSS_NORMAL, TRUE, 0,
                                    static_cast<HBRUSH>(nullptr)));
    CRect ink = InkBox(normal, clrWhite);
    EXPECT_FALSE(ink.IsRectEmpty());
    // The '&' is not drawn: the ink lies within the extent of "Hilfe"
    // (plus the underline below the H).
    EXPECT_GE(ink.left, 2);
    EXPECT_LE(ink.right, 2 + extent.cx + 1);
    EXPECT_LE(ink.bottom, 2 + extent.cy + 1);

    CTestDib disabled(60, 20);
    disabled->SelectObject(&font);
    EXPECT_TRUE(disabled->DrawState(CPoint(2, 2), CSize(0, 0), "&Hilfe", DSS_DISABLED, TRUE, 0,
                                      static_cast<CBrush*>(nullptr)));
    bool bShadow = false;
    bool bBlack = false;
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 60; x++)
        {
            bShadow |= disabled.Pixel(x, y) == clrShadow;
            bBlack |= disabled.Pixel(x, y) == clrBlack;
        }
    EXPECT_TRUE(bShadow);
    EXPECT_FALSE(bBlack);
    normal->SelectStockObject(SYSTEM_FONT);
    disabled->SelectStockObject(SYSTEM_FONT);
}

// The test prefix has Wine's Tahoma: the font is really used, and measured
// text covers what is drawn.
TEST(DcTest, TahomaTextIsDrawnWithinItsMeasuredExtent)
{
    CTestDib canvas(160, 30);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, "Tahoma", &canvas.DC()));
    CFont* pOldFont = canvas->SelectObject(&font);
    ASSERT_NE(pOldFont, nullptr);
    EXPECT_EQ(pOldFont->GetRuntimeClass(), RUNTIME_CLASS(CFont));

    CString face;
    EXPECT_GT(canvas->GetTextFace(face), 0);
    EXPECT_EQ(face, "Tahoma");
    char buffer[LF_FACESIZE];
    canvas->GetTextFace(LF_FACESIZE, buffer);
    EXPECT_STREQ(buffer, "Tahoma");

    TEXTMETRICA metrics;
    ASSERT_TRUE(canvas->GetTextMetrics(&metrics));
    const CString text("Karteikasten Übersicht");
    CSize extent = canvas->GetTextExtent(text);
    EXPECT_EQ(extent, canvas->GetTextExtent(text, text.GetLength()));
    EXPECT_EQ(extent, canvas->GetOutputTextExtent(text));
    EXPECT_EQ(extent.cy, metrics.tmHeight);
    EXPECT_GT(extent.cx, text.GetLength() * metrics.tmAveCharWidth / 2);
    EXPECT_LT(extent.cx, text.GetLength() * metrics.tmMaxCharWidth);

    CRect calc(0, 0, 0, 0);
    EXPECT_EQ(canvas->DrawText(text, calc, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT), extent.cy);
    EXPECT_EQ(calc, CRect(0, 0, extent.cx, extent.cy));
    EXPECT_EQ(InkBox(canvas, clrWhite), CRect(160, 30, 0, 0));   // measuring draws nothing

    canvas->SetBkMode(TRANSPARENT);
    EXPECT_EQ(canvas->GetBkMode(), TRANSPARENT);
    CRect rect(4, 3, 4 + extent.cx, 3 + extent.cy);
    canvas->DrawText(text, rect, DT_SINGLELINE | DT_NOPREFIX);
    CRect ink = InkBox(canvas, clrWhite);
    CRect united;
    united.UnionRect(ink, rect);
    EXPECT_EQ(united, rect) << "ink outside the extent";
    EXPECT_GE(ink.Width(), extent.cx * 4 / 5);   // advances include side bearings
    EXPECT_GE(ink.Height(), metrics.tmAscent / 2);

    CTestDib out(160, 30);
    out->SelectObject(&font);
    out->SetTextColor(clrRed);
    out->SetBkMode(TRANSPARENT);
    EXPECT_TRUE(out->TextOut(4, 3, text));
    EXPECT_EQ(InkBox(out, clrWhite), ink);

    canvas->SelectObject(pOldFont);
    out->SelectStockObject(SYSTEM_FONT);
}

TEST(DcTest, SelectObjectReturnsThePreviousObjectOfItsKind)
{
    CTestDib canvas(4, 4);
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, clrRed));
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(clrBlue));

    CPen* pOldPen = canvas->SelectObject(&pen);
    ASSERT_NE(pOldPen, nullptr);
    EXPECT_EQ(pOldPen->m_hObject, ::GetStockObject(BLACK_PEN));
    EXPECT_EQ(pOldPen->GetRuntimeClass(), RUNTIME_CLASS(CPen));
    CBrush* pOldBrush = canvas->SelectObject(&brush);
    EXPECT_EQ(pOldBrush->m_hObject, ::GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(canvas->Rectangle(0, 0, 4, 4));
    EXPECT_EQ(canvas.Pixel(0, 0), clrRed);
    EXPECT_EQ(canvas.Pixel(1, 1), clrBlue);

    // Selecting back hands out the owners themselves.
    EXPECT_EQ(canvas->SelectObject(pOldPen), &pen);
    EXPECT_EQ(canvas->SelectObject(pOldBrush), &brush);

    CGdiObject* pOld = canvas->SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(pOld->GetRuntimeClass(), RUNTIME_CLASS(CBrush));
    EXPECT_EQ(canvas->SelectObject(static_cast<CGdiObject*>(&brush))->m_hObject,
              ::GetStockObject(NULL_BRUSH));
    EXPECT_EQ(canvas->SelectObject(pOld->m_hObject), brush.m_hObject);

    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(1, 1, 3, 3));
    EXPECT_EQ(canvas->SelectObject(&rgn), SIMPLEREGION);
    CRect clip;
    canvas->GetClipBox(clip);
    EXPECT_EQ(clip, CRect(1, 1, 3, 3));
    AfxDeleteTempMaps();
}

TEST(DcTest, ShapesLinesAndPixels)
{
    CTestDib canvas(6, 6);
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, clrBlack));
    canvas->SelectObject(&pen);
    EXPECT_EQ(canvas->MoveTo(1, 0), CPoint(0, 0));
    EXPECT_TRUE(canvas->LineTo(4, 0));
    EXPECT_EQ(canvas->MoveTo(CPoint(0, 5)), CPoint(4, 0));   // the previous position
    const POINT line[] = { { 0, 2 }, { 2, 2 }, { 2, 4 } };
    EXPECT_TRUE(canvas->Polyline(line, 3));
    EXPECT_EQ(canvas->SetPixel(5, 5, clrRed), clrRed);
    EXPECT_TRUE(canvas->SetPixelV(5, 4, clrBlue));
    EXPECT_EQ(canvas->GetPixel(CPoint(5, 5)), clrRed);
    EXPECT_EQ(PictureOf(canvas, { { clrWhite, '.' }, { clrBlack, 'K' }, { clrRed, 'R' }, { clrBlue, 'B' } }),
              (Picture{
                  ".KKK..",
                  "......",
                  "KKK...",
                  "..K...",
                  ".....B",
                  ".....R",
              }));

    CTestDib filled(6, 6);
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(clrRed));
    filled->SelectObject(&brush);
    filled->SelectStockObject(NULL_PEN);
    const POINT triangle[] = { { 0, 0 }, { 6, 0 }, { 0, 6 } };
    EXPECT_TRUE(filled->Polygon(triangle, 3));
    EXPECT_EQ(filled.Pixel(1, 1), clrRed);
    EXPECT_EQ(filled.Pixel(5, 5), clrWhite);
    filled->FillSolidRect(0, 0, 6, 6, clrWhite);
    EXPECT_TRUE(filled->Ellipse(CRect(0, 0, 6, 6)));
    EXPECT_EQ(filled.Pixel(3, 3), clrRed);
    EXPECT_EQ(filled.Pixel(0, 0), clrWhite);
    filled->FillSolidRect(0, 0, 6, 6, clrWhite);
    EXPECT_TRUE(filled->RoundRect(CRect(0, 0, 6, 6), CPoint(4, 4)));
    EXPECT_EQ(filled.Pixel(3, 0), clrRed);
    EXPECT_EQ(filled.Pixel(0, 0), clrWhite);
    canvas->SelectStockObject(BLACK_PEN);
    filled->SelectStockObject(WHITE_BRUSH);
}

TEST(DcTest, BrushRectanglesFocusAndInversion)
{
    const std::map<COLORREF, char> legend = { { clrWhite, '.' }, { clrBlack, 'K' }, { clrBlue, 'B' },
                                              { RGB(255, 255, 0), 'Y' } };
    CBrush blue;
    ASSERT_TRUE(blue.CreateSolidBrush(clrBlue));
    CTestDib canvas(6, 4);
    canvas->FillRect(CRect(0, 0, 2, 2), &blue);
    canvas->FrameRect(CRect(2, 0, 6, 4), &blue);
    canvas->InvertRect(CRect(0, 1, 3, 2));
    EXPECT_EQ(PictureOf(canvas, legend), (Picture{
        "BBBBBB",
        "YYY..B",
        "..B..B",
        "..BBBB",
    }));

    CTestDib focus(4, 4);
    focus->DrawFocusRect(CRect(0, 0, 4, 4));
    EXPECT_NE(InkBox(focus, clrWhite), CRect(4, 4, 0, 0));
    focus->DrawFocusRect(CRect(0, 0, 4, 4));   // drawn twice: gone
    EXPECT_EQ(InkBox(focus, clrWhite), CRect(4, 4, 0, 0));

    CTestDib edge(10, 10);
    CRect rect(0, 0, 10, 10);
    EXPECT_TRUE(edge->DrawEdge(rect, EDGE_SUNKEN, BF_RECT));
    EXPECT_EQ(edge.Pixel(0, 0), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(edge.Pixel(9, 9), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    CTestDib check(13, 13);
    CRect box(0, 0, 13, 13);
    EXPECT_TRUE(check->DrawFrameControl(box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED));
    EXPECT_NE(InkBox(check, clrWhite), CRect(13, 13, 0, 0));
}

TEST(DcTest, CoordinatesAndSavedStates)
{
    CTestDib canvas(20, 20);
    CDC& dc = canvas.DC();
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    int nSaved = dc.SaveDC();
    ASSERT_NE(nSaved, 0);
    EXPECT_EQ(dc.SetViewportOrg(5, 6), CPoint(0, 0));
    EXPECT_EQ(dc.OffsetViewportOrg(1, 1), CPoint(5, 6));
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(6, 7));
    EXPECT_EQ(dc.SetWindowOrg(CPoint(2, 2)), CPoint(0, 0));
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(2, 2));
    CRect rect(2, 2, 4, 4);
    dc.LPtoDP(rect);
    EXPECT_EQ(rect, CRect(6, 7, 8, 9));
    dc.DPtoLP(rect);
    EXPECT_EQ(rect, CRect(2, 2, 4, 4));
    dc.FillSolidRect(2, 2, 1, 1, clrRed);
    EXPECT_EQ(canvas.Pixel(6, 7), clrRed);

    dc.SetTextColor(clrBlue);
    dc.SetROP2(R2_XORPEN);
    dc.SetTextAlign(TA_BASELINE);
    dc.SetStretchBltMode(COLORONCOLOR);
    EXPECT_TRUE(dc.RestoreDC(nSaved));
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(0, 0));
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(0, 0));
    EXPECT_EQ(dc.GetTextColor(), clrBlack);
    EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(dc.GetTextAlign(), static_cast<UINT>(TA_TOP));
    EXPECT_NE(dc.GetStretchBltMode(), COLORONCOLOR);

    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    EXPECT_EQ(dc.SetViewportExt(CSize(2, 3)), CSize(1, 1));
    EXPECT_EQ(dc.GetViewportExt(), CSize(2, 3));
    EXPECT_EQ(dc.GetWindowExt(), CSize(1, 1));
    CPoint point(4, 5);
    dc.LPtoDP(&point);
    EXPECT_EQ(point, CPoint(8, 15));
}

TEST(DcTest, ClippingLimitsDrawing)
{
    CTestDib canvas(8, 4);
    CDC& dc = canvas.DC();
    EXPECT_EQ(dc.ExcludeClipRect(CRect(2, 0, 4, 4)), COMPLEXREGION);
    EXPECT_FALSE(dc.RectVisible(CRect(2, 1, 4, 3)));
    EXPECT_TRUE(dc.RectVisible(CRect(1, 1, 3, 3)));
    EXPECT_FALSE(dc.PtVisible(3, 1));
    EXPECT_TRUE(dc.PtVisible(CPoint(4, 1)));
    dc.IntersectClipRect(0, 0, 7, 4);
    dc.FillSolidRect(0, 0, 8, 4, clrBlack);
    EXPECT_EQ(PictureOf(canvas, { { clrWhite, '.' }, { clrBlack, 'K' } })[0], "KK..KKK.");

    // A null region removes the clipping; a region with a mode combines.
    EXPECT_EQ(dc.SelectClipRgn(nullptr), SIMPLEREGION);
    CRect clip;
    EXPECT_EQ(dc.GetClipBox(clip), SIMPLEREGION);
    EXPECT_EQ(clip, CRect(0, 0, 8, 4));
    CRgn left, right;
    ASSERT_TRUE(left.CreateRectRgn(0, 0, 2, 4));
    ASSERT_TRUE(right.CreateRectRgn(6, 0, 8, 4));
    EXPECT_EQ(dc.SelectClipRgn(&left), SIMPLEREGION);
    EXPECT_EQ(dc.SelectClipRgn(&right, RGN_OR), COMPLEXREGION);
    dc.FillSolidRect(0, 0, 8, 4, clrRed);
    EXPECT_EQ(PictureOf(canvas, { { clrWhite, '.' }, { clrBlack, 'K' }, { clrRed, 'R' } })[1], "RR..KKRR");
}

TEST(DcTest, BlitsCopyAndStretch)
{
    CTestDib source(2, 2);
    source->SetPixel(0, 0, clrRed);
    source->SetPixel(1, 1, clrBlue);
    CTestDib target(4, 4);
    EXPECT_TRUE(target->BitBlt(1, 1, 2, 2, &source.DC(), 0, 0, SRCCOPY));
    const std::map<COLORREF, char> legend = { { clrWhite, '.' }, { clrRed, 'R' }, { clrBlue, 'B' } };
    EXPECT_EQ(PictureOf(target, legend), (Picture{ "....", ".R..", "..B.", "...." }));

    target->SetStretchBltMode(COLORONCOLOR);
    EXPECT_EQ(target->GetStretchBltMode(), COLORONCOLOR);
    EXPECT_TRUE(target->StretchBlt(0, 0, 4, 4, &source.DC(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(PictureOf(target, legend), (Picture{ "RR..", "RR..", "..BB", "..BB" }));
}

TEST(DcTest, DeviceContextsAreOwnedOrBorrowed)
{
    CDC ic;
    ASSERT_TRUE(ic.CreateIC("DISPLAY", nullptr, nullptr, nullptr));
    EXPECT_GT(ic.GetDeviceCaps(BITSPIXEL), 0);
    EXPECT_EQ(ic.GetSafeHdc(), ic.m_hAttribDC);
    EXPECT_EQ(CDC::FromHandle(ic), &ic);

    HDC hMemDC = ::CreateCompatibleDC(nullptr);
    CDC* pTemp = CDC::FromHandle(hMemDC);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hDC, hMemDC);
    EXPECT_EQ(CDC::FromHandle(hMemDC), pTemp);
    AfxDeleteTempMaps();
    EXPECT_EQ(::GetObjectType(hMemDC), static_cast<DWORD>(OBJ_MEMDC));   // borrowed, not deleted

    HDC hOwned = nullptr;
    {
        CDC owner;
        ASSERT_TRUE(owner.Attach(hMemDC));
        hOwned = owner;
        CDC memDC;
        ASSERT_TRUE(memDC.CreateCompatibleDC(&owner));
        EXPECT_TRUE(memDC.DeleteDC());
        EXPECT_FALSE(memDC.DeleteDC());
    }
    EXPECT_EQ(::GetObjectType(hOwned), 0u);

    CDC detached;
    ASSERT_TRUE(detached.CreateCompatibleDC(nullptr));
    HDC hDetached = detached.Detach();
    EXPECT_EQ(detached.m_hDC, nullptr);
    EXPECT_NE(CDC::FromHandle(hDetached), &detached);
    AfxDeleteTempMaps();
    EXPECT_TRUE(::DeleteDC(hDetached));
}

// A window class with its own DC keeps the DC's state between GetDC calls:
// the scoped DCs must hand it back as they found it.
TEST(DcTest, ScopedWindowDCsGiveTheirDCBackUnchanged)
{
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.lpszClassName = "QivDcTestOwnDC";
    ASSERT_NE(::RegisterClassA(&wc), 0);
    HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr,
                                  hInst, nullptr);
    ASSERT_NE(hWnd, nullptr);
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    ::ValidateRect(hWnd, nullptr);
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Tahoma"));

    auto expectPristine = [hWnd, &font](const char* what) {
        HDC hDC = ::GetDC(hWnd);
        EXPECT_NE(::GetCurrentObject(hDC, OBJ_FONT), font.m_hObject) << what;
        EXPECT_EQ(::GetTextColor(hDC), clrBlack) << what;
        ::ReleaseDC(hWnd, hDC);
    };

    {
        CClientDC dc(pWnd);
        ASSERT_NE(dc.m_hDC, nullptr);
        EXPECT_EQ(CDC::FromHandle(dc), &dc);
        dc.SelectObject(&font);
        dc.SetTextColor(clrRed);
    }
    expectPristine("client DC");

    ::InvalidateRect(hWnd, CRect(5, 5, 20, 10), FALSE);
    {
        CPaintDC dc(pWnd);
        ASSERT_NE(dc.m_hDC, nullptr);
        EXPECT_EQ(CRect(dc.m_ps.rcPaint), CRect(5, 5, 20, 10));
        dc.SelectObject(&font);
        dc.SetTextColor(clrRed);
    }
    EXPECT_FALSE(::GetUpdateRect(hWnd, nullptr, FALSE));   // EndPaint validated it
    expectPristine("paint DC");

    {
        CWindowDC dc(pWnd);
        ASSERT_NE(dc.m_hDC, nullptr);
        dc.SelectObject(&font);
        dc.SetTextColor(clrRed);
    }
    expectPristine("window DC");

    // No window: the screen.
    {
        CWindowDC windowScreen(nullptr);
        CClientDC clientScreen(nullptr);
        EXPECT_EQ(windowScreen.GetDeviceCaps(HORZRES), ::GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(clientScreen.GetDeviceCaps(VERTRES), ::GetSystemMetrics(SM_CYSCREEN));
    }

    ::DestroyWindow(hWnd);
    ::UnregisterClassA(wc.lpszClassName, hInst);
    AfxDeleteTempMaps();
}
