#include "framework/ui/Gdi.h"

#include "framework/ui/Dc.h"
#include "framework/ui/HandleMap.h"
#include "framework/ui/Menu.h"
#include "framework/ui/WinThread.h"
#include "framework/ui/GdiTestRes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A gauge that rises by one with every GDI object the process holds: the
// count of GetGuiResources, or where that answers 0 (Wine) the room the
// handle table has lost, since every object held is one fewer that can be made.
long GdiObjectGauge()
{
    DWORD nCount = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (nCount != 0)
        return static_cast<long>(nCount);
    std::vector<HRGN> probes;
    while (probes.size() < 200000)
    {
        HRGN hRgn = ::CreateRectRgn(0, 0, 1, 1);
        if (hRgn == nullptr)
            break;
        probes.push_back(hRgn);
    }
    for (HRGN hRgn : probes)
        ::DeleteObject(hRgn);
    return -static_cast<long>(probes.size());
}

} // namespace

TEST(GdiTest, OwnersDeleteTheirHandlesAndDetachedHandlesSurvive)
{
    HGDIOBJ hOwned = nullptr;
    HGDIOBJ hDetached = nullptr;
    {
        CPen owned;
        ASSERT_TRUE(owned.CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
        hOwned = owned;
        CBrush detached;
        ASSERT_TRUE(detached.CreateSolidBrush(RGB(4, 5, 6)));
        hDetached = detached.Detach();
        EXPECT_EQ(detached.m_hObject, nullptr);
    }
    EXPECT_EQ(::GetObjectType(hOwned), 0u);
    EXPECT_EQ(::GetObjectType(hDetached), static_cast<DWORD>(OBJ_BRUSH));
    ::DeleteObject(hDetached);

    // A stock object wrapped by an owner is still there afterwards.
    {
        CBrush hollow;
        ASSERT_TRUE(hollow.CreateStockObject(HOLLOW_BRUSH));
        LOGBRUSH logBrush;
        ASSERT_EQ(hollow.GetLogBrush(&logBrush), static_cast<int>(sizeof(logBrush)));
        EXPECT_EQ(logBrush.lbStyle, static_cast<UINT>(BS_HOLLOW));
    }
    EXPECT_EQ(::GetObjectType(::GetStockObject(HOLLOW_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));

    CGdiObject empty;
    EXPECT_FALSE(empty.DeleteObject());
    EXPECT_FALSE(empty.Attach(nullptr));
    EXPECT_EQ(empty.GetObject(0, nullptr), 0);
}

TEST(GdiTest, FromHandleGivesTheOwnerElseABorrowingWrapperOfTheRightKind)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Tahoma"));
    EXPECT_EQ(CGdiObject::FromHandle(font.m_hObject), &font);
    EXPECT_EQ(CFont::FromHandle(font), &font);

    struct Case { HGDIOBJ h; CRuntimeClass* pClass; };
    HPEN hPen = ::CreatePen(PS_DOT, 1, RGB(9, 9, 9));
    HRGN hRgn = ::CreateRectRgn(0, 0, 4, 4);
    HBITMAP hBitmap = ::CreateBitmap(4, 4, 1, 1, nullptr);
    const Case cases[] = {
        { hPen, RUNTIME_CLASS(CPen) },
        { ::GetStockObject(WHITE_BRUSH), RUNTIME_CLASS(CBrush) },
        { ::GetStockObject(ANSI_VAR_FONT), RUNTIME_CLASS(CFont) },
        { hBitmap, RUNTIME_CLASS(CBitmap) },
        { hRgn, RUNTIME_CLASS(CRgn) },
        { ::GetStockObject(DEFAULT_PALETTE), RUNTIME_CLASS(CPalette) },
    };
    for (const Case& c : cases)
    {
        CGdiObject* p = CGdiObject::FromHandle(c.h);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->GetRuntimeClass(), c.pClass) << c.pClass->m_lpszClassName;
        EXPECT_EQ(p->m_hObject, c.h);
        EXPECT_EQ(CGdiObject::FromHandle(c.h), p);   // one wrapper per handle until idle
    }
    EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);

    // Freeing the temporaries must leave the borrowed handles alone.
    AfxDeleteTempMaps();
    for (const Case& c : cases)
        EXPECT_NE(::GetObjectType(c.h), 0u) << c.pClass->m_lpszClassName;
    EXPECT_EQ(CPen::FromHandle(hPen)->m_hObject, hPen);
    AfxDeleteTempMaps();
    ::DeleteObject(hPen);
    ::DeleteObject(hRgn);
    ::DeleteObject(hBitmap);

    // A detached owner is no longer handed out.
    HGDIOBJ hFont = font.Detach();
    CGdiObject* pTemp = CGdiObject::FromHandle(hFont);
    EXPECT_NE(pTemp, &font);
    EXPECT_EQ(pTemp->m_hObject, hFont);
    AfxDeleteTempMaps();
    EXPECT_NE(::GetObjectType(hFont), 0u);
    ::DeleteObject(hFont);
}

// Temporary wrappers of drawing objects, DCs and menus live until the
// thread's idle processing; owners are not touched by it.
TEST(GdiTest, TheIdlePassFreesTheTemporaryWrappersOfEveryFamily)
{
    AfxIdleUpdateNow();
    CGdiHandleMap& gdiMap = CGdiHandleMap::ForThread();
    CDCHandleMap& dcMap = CDCHandleMap::ForThread();
    CMenuHandleMap& menuMap = CMenuHandleMap::ForThread();
    const size_t nGdiOwners = gdiMap.GetPermanentCount();

    CBrush owner;
    ASSERT_TRUE(owner.CreateSolidBrush(RGB(1, 1, 1)));
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HMENU hMenu = ::CreatePopupMenu();
    CPen::FromHandle(static_cast<HPEN>(::GetStockObject(BLACK_PEN)));
    CFont::FromHandle(static_cast<HFONT>(::GetStockObject(SYSTEM_FONT)));
    CBrush::FromHandle(owner);   // the owner: no temporary
    CDC::FromHandle(hDC);
    CMenu::FromHandle(hMenu);
    EXPECT_EQ(gdiMap.GetTemporaryCount(), 2u);
    EXPECT_EQ(gdiMap.GetPermanentCount(), nGdiOwners + 1);
    EXPECT_EQ(dcMap.GetTemporaryCount(), 1u);
    EXPECT_EQ(menuMap.GetTemporaryCount(), 1u);

    AfxIdleUpdateNow();
    EXPECT_EQ(gdiMap.GetTemporaryCount(), 0u);
    EXPECT_EQ(dcMap.GetTemporaryCount(), 0u);
    EXPECT_EQ(menuMap.GetTemporaryCount(), 0u);
    EXPECT_EQ(gdiMap.GetPermanentCount(), nGdiOwners + 1);
    EXPECT_EQ(CBrush::FromHandle(owner), &owner);
    EXPECT_EQ(::GetObjectType(hDC), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_TRUE(::IsMenu(hMenu));
    ::DeleteDC(hDC);
    ::DestroyMenu(hMenu);
}

// The point size is converted with the DC's resolution and mapping mode.
TEST(GdiTest, PointFontsAreScaledByTheDeviceContext)
{
    CDC screen;
    ASSERT_TRUE(screen.CreateIC("DISPLAY", nullptr, nullptr, nullptr));
    int dpi = screen.GetDeviceCaps(LOGPIXELSY);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, "Tahoma"));
    LOGFONTA logFont;
    ASSERT_EQ(font.GetLogFont(&logFont), static_cast<int>(sizeof(logFont)));
    EXPECT_EQ(logFont.lfHeight, -::MulDiv(dpi, 80, 720));
    EXPECT_STREQ(logFont.lfFaceName, "Tahoma");
    EXPECT_EQ(logFont.lfCharSet, DEFAULT_CHARSET);

    // In twips 10 points are 200 units, give or take the pixel rounding.
    CDC twips;
    ASSERT_TRUE(twips.CreateCompatibleDC(&screen));
    twips.SetMapMode(MM_TWIPS);
    CFont twipsFont;
    ASSERT_TRUE(twipsFont.CreatePointFont(100, "Tahoma", &twips));
    ASSERT_NE(twipsFont.GetLogFont(&logFont), 0);
    EXPECT_LT(logFont.lfHeight, 0);
    EXPECT_NEAR(-logFont.lfHeight, 200, 1440 / dpi);

    LOGFONTA request = {};
    request.lfHeight = 120;
    lstrcpyA(request.lfFaceName, "Marlett");
    CFont indirect;
    ASSERT_TRUE(indirect.CreatePointFontIndirect(&request, &screen));
    ASSERT_NE(indirect.GetLogFont(&logFont), 0);
    EXPECT_EQ(logFont.lfHeight, -::MulDiv(dpi, 120, 720));
    EXPECT_STREQ(logFont.lfFaceName, "Marlett");
}

TEST(GdiTest, BitmapsLoadFromResourcesAndReportTheirSize)
{
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(IDB_GDITEST_STRIP));
    BITMAP info;
    ASSERT_EQ(strip.GetBitmap(&info), static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.bmWidth, 16);
    EXPECT_EQ(info.bmHeight, 8);

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(IDB_GDITEST_STRIP + 50));
    EXPECT_EQ(missing.m_hObject, nullptr);

    CBitmap oem;
    const UINT nCheckMark = 32760;   // OBM_CHECK (needs OEMRESOURCE)
    EXPECT_TRUE(oem.LoadOEMBitmap(nCheckMark));

    const WORD rows[2] = { 0x8000, 0x4000 };
    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(2, 2, 1, 1, rows));
    ASSERT_NE(mono.GetBitmap(&info), 0);
    EXPECT_EQ(info.bmBitsPixel, 1);

    CDC screen;
    ASSERT_TRUE(screen.CreateIC("DISPLAY", nullptr, nullptr, nullptr));
    CBitmap compatible;
    ASSERT_TRUE(compatible.CreateCompatibleBitmap(&screen, 5, 3));
    ASSERT_NE(compatible.GetBitmap(&info), 0);
    EXPECT_EQ(info.bmWidth, 5);
    EXPECT_EQ(info.bmBitsPixel, screen.GetDeviceCaps(BITSPIXEL));
}

TEST(GdiTest, RegionsCombineHitTestAndRoundTripThroughTheirData)
{
    const POINT triangle[] = { { 0, 0 }, { 20, 0 }, { 0, 20 } };
    CRgn polygon;
    ASSERT_TRUE(polygon.CreatePolygonRgn(triangle, 3, ALTERNATE));
    EXPECT_TRUE(polygon.PtInRegion(2, 2));
    EXPECT_FALSE(polygon.PtInRegion(CPoint(18, 18)));
    CRect box;
    EXPECT_EQ(polygon.GetRgnBox(box), COMPLEXREGION);
    EXPECT_EQ(box, CRect(0, 0, 20, 20));

    CRgn a, b, result;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgnIndirect(CRect(5, 5, 15, 15)));
    ASSERT_TRUE(result.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(result.CombineRgn(&a, &b, RGN_AND), SIMPLEREGION);
    result.GetRgnBox(box);
    EXPECT_EQ(box, CRect(5, 5, 10, 10));
    EXPECT_EQ(result.CombineRgn(&a, &b, RGN_XOR), COMPLEXREGION);
    EXPECT_FALSE(result.PtInRegion(7, 7));
    EXPECT_TRUE(result.PtInRegion(12, 12));

    // GetRegionData / CreateFromData (ExtCreateRegion) give the same region.
    int nBytes = result.GetRegionData(nullptr, 0);
    ASSERT_GT(nBytes, 0);
    std::vector<BYTE> data(nBytes);
    ASSERT_EQ(result.GetRegionData(reinterpret_cast<RGNDATA*>(data.data()), nBytes), nBytes);
    CRgn copy;
    ASSERT_TRUE(copy.CreateFromData(nullptr, nBytes, reinterpret_cast<RGNDATA*>(data.data())));
    EXPECT_TRUE(copy.EqualRgn(&result));

    copy.SetRectRgn(CRect(1, 2, 3, 4));
    EXPECT_EQ(copy.CopyRgn(&a), SIMPLEREGION);
    EXPECT_TRUE(copy.EqualRgn(&a));
    copy.OffsetRgn(100, 0);
    EXPECT_TRUE(copy.RectInRegion(CRect(101, 1, 102, 2)));

    CRgn round, ellipse;
    EXPECT_TRUE(round.CreateRoundRectRgn(0, 0, 30, 30, 10, 10));
    EXPECT_FALSE(round.PtInRegion(0, 0));
    EXPECT_TRUE(ellipse.CreateEllipticRgn(0, 0, 30, 30));
    EXPECT_TRUE(ellipse.PtInRegion(15, 15));
}

TEST(GdiTest, PalettesCountAndReadTheirEntries)
{
    CPalette* pDefault = CPalette::FromHandle(static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)));
    ASSERT_NE(pDefault, nullptr);
    EXPECT_EQ(pDefault->GetEntryCount(), 20);
    PALETTEENTRY entry;
    ASSERT_EQ(pDefault->GetPaletteEntries(0, 1, &entry), 1u);
    EXPECT_EQ(RGB(entry.peRed, entry.peGreen, entry.peBlue), RGB(0, 0, 0));

    struct { LOGPALETTE header; PALETTEENTRY more[1]; } logPalette = {};
    logPalette.header.palVersion = 0x300;
    logPalette.header.palNumEntries = 2;
    logPalette.header.palPalEntry[0] = { 255, 0, 0, 0 };
    logPalette.more[0] = { 0, 0, 255, 0 };
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(&logPalette.header));
    EXPECT_EQ(palette.GetEntryCount(), 2);
    EXPECT_EQ(palette.GetNearestPaletteIndex(RGB(10, 0, 240)), 1u);

    CDC screen;
    ASSERT_TRUE(screen.CreateIC("DISPLAY", nullptr, nullptr, nullptr));
    CPalette halftone;
    ASSERT_TRUE(halftone.CreateHalftonePalette(&screen));
    EXPECT_GT(halftone.GetEntryCount(), 2);
    AfxDeleteTempMaps();
}

// Every cycle makes, selects, draws with and gives back pens, brushes, fonts,
// bitmaps and memory DCs; not one GDI object may be left behind.
TEST(GdiTest, TenThousandDrawingCyclesLeaveTheGdiObjectCountUnchanged)
{
    CDC screen;
    ASSERT_TRUE(screen.CreateIC("DISPLAY", nullptr, nullptr, nullptr));
    auto cycle = [&screen](int i) {
        CDC memDC;
        ASSERT_TRUE(memDC.CreateCompatibleDC(&screen));
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 16, 16));
        CPen pen;
        ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1 + i % 3, RGB(i % 256, 0, 0)));
        CBrush brush;
        ASSERT_TRUE(brush.CreateSolidBrush(RGB(0, i % 256, 0)));
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(80 + i % 5 * 10, "Tahoma", &memDC));

        CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
        CPen* pOldPen = memDC.SelectObject(&pen);
        CBrush* pOldBrush = memDC.SelectObject(&brush);
        CFont* pOldFont = memDC.SelectObject(&font);
        memDC.Rectangle(0, 0, 16, 16);
        memDC.TextOut(1, 1, "Ab", 2);
        memDC.FillSolidRect(2, 2, 4, 4, RGB(1, 2, 3));
        memDC.SelectObject(pOldFont);
        memDC.SelectObject(pOldBrush);
        memDC.SelectObject(pOldPen);
        memDC.SelectObject(pOldBitmap);
        if (i % 100 == 99)
            AfxDeleteTempMaps();
    };

    cycle(0);   // first use makes the stock and cached objects
    AfxDeleteTempMaps();
    long before = GdiObjectGauge();
    for (int i = 0; i < 10000; i++)
    {
        cycle(i);
        if (HasFatalFailure())
            return;
    }
    AfxDeleteTempMaps();
    EXPECT_EQ(GdiObjectGauge(), before);
}
