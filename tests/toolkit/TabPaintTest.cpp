// Tab strips painted into 32-bit DIBs: colour-set entries against their
// system colours, the property-page tab merging with the client area, the
// navigate buttons' frames, turned icons and captions shortened in the
// middle.
#include "BarTestSupport.h"
#include "TabTestSupport.h"
#include "TestDib.h"

#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/ImageManagerIcon.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/TabColorSets.h"
#include "toolkit/extras/TabNavigateButton.h"

#include <gtest/gtest.h>

namespace {

using CColorSet = CXTPTabPaintManager::CColorSet;

COLORREF Sys(int nIndex)
{
    return CDistinctSysColors::ColorOf(nIndex);
}

struct EntryCase
{
    const char* pszName;
    CXTPPaintManagerColor CColorSet::*pEntry;
    COLORREF clrExpected;
};

} // namespace

TEST(TabColorSet, DefaultEntriesFollowTheSystemColours)
{
    CDistinctSysColors colors;
    CTestTabStrip strip;
    CXTPTabPaintManager* pPaint = strip.m_pPaintManager;
    ASSERT_EQ(1, pPaint->GetColor());
    CColorSet* pSet = pPaint->GetColorSet();
    const EntryCase cases[] = {
        {"frame border", &CColorSet::m_clrFrameBorder, Sys(COLOR_3DSHADOW)},
        {"client face", &CColorSet::m_clrControlFace, Sys(COLOR_3DFACE)},
        {"frame highlight", &CColorSet::m_clrFrameHighlight, Sys(COLOR_3DHIGHLIGHT)},
        {"selected face", &CColorSet::m_clrButtonSelected, Sys(COLOR_3DFACE)},
        {"normal face", &CColorSet::m_clrButtonNormal, Sys(COLOR_3DFACE)},
        {"normal text", &CColorSet::m_clrButtonText, Sys(COLOR_BTNTEXT)},
        {"hot text", &CColorSet::m_clrHighlightText, RGB(0, 0, 128)},
        {"disabled text", &CColorSet::m_clrDisabledText, Sys(COLOR_GRAYTEXT)},
        {"3D highlight", &CColorSet::m_clrButtonHighlight, Sys(COLOR_3DHIGHLIGHT)},
        {"3D shadow", &CColorSet::m_clrButtonShadow, Sys(COLOR_3DSHADOW)},
        {"3D dark shadow", &CColorSet::m_clrButtonDarkShadow, Sys(COLOR_3DDKSHADOW)},
        {"tab outline", &CColorSet::m_clrTabOutline, Sys(COLOR_3DSHADOW)},
    };
    for (const EntryCase& c : cases)
        EXPECT_EQ(c.clrExpected, CColorSet::Resolve(pSet->*c.pEntry)) << c.pszName;
    EXPECT_EQ(XTP_TAB_COLOR_PATTERN, pSet->m_clrStateButtonFace.clrLight.GetColor());
    EXPECT_EQ(Sys(COLOR_3DSHADOW), CColorSet::Resolve(pSet->m_clrStateButtonBorder.clrLight));
    EXPECT_EQ(Sys(COLOR_3DHIGHLIGHT), CColorSet::Resolve(pSet->m_clrStateButtonBorder.clrDark));
    EXPECT_EQ(Sys(COLOR_WINDOW), CColorSet::Resolve(pSet->m_excel[0].clrInnerLight));
    EXPECT_EQ(static_cast<COLORREF>(-1), pSet->m_excel[1].clrInnerLight.GetColor());
    // A custom value wins over the computed one.
    pSet->m_clrFrameBorder.SetCustomValue(RGB(1, 2, 3));
    pSet->RefreshColors();
    EXPECT_EQ(RGB(1, 2, 3), CColorSet::Resolve(pSet->m_clrFrameBorder));
}

TEST(TabColorSet, NumbersOutsideTheTableGiveTheDefaultSet)
{
    CTestTabStrip strip;
    CXTPTabPaintManager* pPaint = strip.m_pPaintManager;
    for (int nColor : {3, 64, -1})
    {
        pPaint->SetColor(nColor);
        EXPECT_NE(nullptr, dynamic_cast<CXTPTabPaintManager::CColorSetDefault*>(pPaint->GetColorSet()))
            << nColor;
    }
    pPaint->SetAppearance(12);
    EXPECT_NE(nullptr, dynamic_cast<CXTPTabPaintManager::CAppearanceSetPropertyPage*>(
                           pPaint->GetAppearanceSet()));
    EXPECT_EQ(1, pPaint->GetColor());
}

TEST(TabPaint, SelectedPropertyPageTabMergesOnlyInRowZero)
{
    CTestTabStrip strip;
    CXTPTabPaintManager* pPaint = strip.m_pPaintManager;
    const COLORREF clrSelected = RGB(250, 0, 0);
    const COLORREF clrNormal = RGB(0, 0, 250);
    pPaint->GetColorSet()->m_clrButtonSelected.SetCustomValue(clrSelected);
    pPaint->GetColorSet()->m_clrButtonNormal.SetCustomValue(clrNormal);
    strip.SetLayoutRect(CRect(0, 0, 200, 120));
    strip.AddTab("Erste");
    strip.AddTab("Zweite");
    strip.SetCurSel(0);
    {
        CTestDib dib(200, 120);
        strip.DrawInto(&dib.DC());
        CRect rc = strip.GetItem(0)->GetRect();
        int x = rc.CenterPoint().x;
        // Merged: the client frame's line is painted over in the fill colour.
        EXPECT_EQ(clrSelected, dib.Pixel(x, rc.bottom - 1));
        EXPECT_EQ(clrSelected, dib.Pixel(x, rc.bottom - 3));
        // The other tab keeps the client frame's line under it.
        CRect rc1 = strip.GetItem(1)->GetRect();
        EXPECT_EQ(clrNormal, dib.Pixel(rc1.CenterPoint().x, rc1.bottom - 3));
        EXPECT_NE(clrNormal, dib.Pixel(rc1.CenterPoint().x, rc1.bottom - 1));
    }

    // Two rows, the selected tab kept in the outer row.
    pPaint->SetLayoutMode(xtpTabLayoutMultiRow);
    pPaint->SetMultiRowFixedSelection(TRUE);
    strip.SetLayoutRect(CRect(0, 0, 80, 120));
    strip.SetCurSel(1);
    ASSERT_EQ(1, strip.GetItem(1)->GetItemRow());
    CTestDib dib(80, 120);
    strip.DrawInto(&dib.DC());
    CRect rc = strip.GetItem(1)->GetRect();
    EXPECT_EQ(clrSelected, dib.Pixel(rc.CenterPoint().x, rc.top + 4));
    EXPECT_NE(clrSelected, dib.Pixel(rc.CenterPoint().x, rc.bottom - 1));
}

TEST(TabPaint, NavigateButtonFramesFollowTheirState)
{
    CDistinctSysColors colors;
    CTestTabStrip strip;
    strip.SetLayoutRect(CRect(0, 0, 120, 60));
    for (int i = 0; i < 6; ++i)
        strip.AddTab("Registerkarte");
    CXTPTabManagerNavigateButton* pRight = strip.FindNavigateButton(xtpTabNavigateButtonRight);
    ASSERT_TRUE(pRight->IsEnabled());
    CRect rc = pRight->GetRect();
    CTestDib dib(120, 60);
    strip.DrawInto(&dib.DC());
    // Neither hot nor pressed: no frame, the glyph in the button text colour.
    EXPECT_NE(Sys(COLOR_3DHIGHLIGHT), dib.Pixel(rc.left, rc.top));
    CPoint c = rc.CenterPoint();
    EXPECT_EQ(Sys(COLOR_BTNTEXT), dib.Pixel(c.x, c.y - 1));
}

namespace {

// A 16 x 16 icon whose top row is red and the rest blue.
HICON MakeTopRowIcon()
{
    DWORD pixels[16 * 16];
    for (int i = 0; i < 16 * 16; ++i)
        pixels[i] = i < 16 ? 0x00FF0000 : 0x000000FF;
    BYTE mask[16 * 16 / 8] = {};
    ICONINFO info = {};
    info.fIcon = TRUE;
    info.hbmMask = ::CreateBitmap(16, 16, 1, 1, mask);
    info.hbmColor = ::CreateBitmap(16, 16, 1, 32, pixels);
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    return hIcon;
}

} // namespace

TEST(TabPaint, SquareIconsTurnOnVerticalHeaders)
{
    CXTPImageManager* pImages = new CXTPImageManager();
    HICON hIcon = MakeTopRowIcon();
    pImages->SetIcon(CXTPImageManagerIconHandle(hIcon), 1, 16);
    ::DestroyIcon(hIcon);
    CXTPImageManagerIcon* pIcon = pImages->LookupIcon(1, 16);
    ASSERT_NE(nullptr, pIcon);

    CTestTabStrip strip;
    strip.AddTab("Bild");
    CXTPTabManagerItem* pItem = strip.GetItem(0);
    const COLORREF RED = RGB(255, 0, 0), BLUE = RGB(0, 0, 255);
    const struct { int nPosition; BOOL bRotate; BOOL bTurned; } cases[] = {
        {xtpTabPositionLeft, TRUE, TRUE},  {xtpTabPositionRight, TRUE, TRUE},
        {xtpTabPositionTop, TRUE, FALSE},  {xtpTabPositionLeft, FALSE, FALSE},
    };
    for (const auto& c : cases)
    {
        strip.m_pPaintManager->SetPosition(c.nPosition);
        strip.m_pPaintManager->SetRotateImageOnVerticalDraw(c.bRotate);
        CTestDib dib(40, 40);
        pItem->DrawImage(&dib.DC(), CRect(10, 10, 26, 26), pIcon);
        // Upright the red row runs along the top; turned, down the left side.
        EXPECT_EQ(RED, dib.Pixel(10, 10)) << c.nPosition << c.bRotate;
        EXPECT_EQ(c.bTurned ? BLUE : RED, dib.Pixel(20, 10)) << c.nPosition << c.bRotate;
        EXPECT_EQ(c.bTurned ? RED : BLUE, dib.Pixel(10, 20)) << c.nPosition << c.bRotate;
    }
    pImages->InternalRelease();
}

namespace {

// TRUE when both DIBs hold the same pixels.
bool SamePixels(const CTestDib& a, const CTestDib& b)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

} // namespace

TEST(TabPaint, MiddleEllipsisKeepsBothEnds)
{
    CTestTabStrip strip;
    CXTPTabPaintManager* pPaint = strip.m_pPaintManager;
    const UINT nFormat = DT_SINGLELINE | DT_NOPREFIX;
    auto draw = [&](CTestDib& dib, const CString& str, const CRect& rc, UINT nFlags) {
        CXTPFontDC font(&dib.DC(), pPaint->GetNormalFont());
        dib.DC().DrawText(str, CRect(rc), nFlags);
    };
    auto drawEllipsis = [&](CTestDib& dib, const CString& str, const CRect& rc) {
        CXTPFontDC font(&dib.DC(), pPaint->GetNormalFont());
        pPaint->DrawTextPathEllipsis(&dib.DC(), str, rc, nFormat);
    };
    CTestDib measure(10, 10);
    CXTPFontDC font(&measure.DC(), pPaint->GetNormalFont());
    const CString strText("Jahresabschluss");
    int nWidth = measure.DC().GetTextExtent(strText).cx;

    // Too wide: start and end around "...", as many characters as fit.
    CRect rc(0, 0, nWidth / 2 + 10, 20);
    CTestDib shown(120, 20);
    drawEllipsis(shown, strText, rc);
    int nBestKept = -1;
    for (int k = 0; k <= strText.GetLength(); ++k)
    {
        for (int m = 0; m + k <= strText.GetLength(); ++m)
        {
            CTestDib candidate(120, 20);
            draw(candidate, strText.Left(k) + "..." + strText.Right(m), rc, nFormat);
            if (SamePixels(shown, candidate))
            {
                EXPECT_GE(k, 1);
                EXPECT_TRUE(k == m || k == m + 1) << k << " " << m;
                nBestKept = k + m;
            }
        }
    }
    ASSERT_GT(nBestKept, 2);
    EXPECT_LE(measure.DC().GetTextExtent(strText.Left(nBestKept - nBestKept / 2) + "..." +
                                         strText.Right(nBestKept / 2)).cx,
              rc.Width());

    // Less room than "...": the counts stay in the string, "..." alone.
    for (int nRoom : {8, 0, -20})
    {
        CTestDib narrow(120, 20), dots(120, 20);
        drawEllipsis(narrow, strText, CRect(0, 0, nRoom, 20));
        draw(dots, CString("..."), CRect(0, 0, nRoom, 20), nFormat);
        EXPECT_TRUE(SamePixels(narrow, dots)) << nRoom;
    }

    // A caption that fits is drawn as it is; a path is shortened by the system.
    CTestDib whole(120, 20), plain(120, 20);
    drawEllipsis(whole, CString("Kurz"), rc);
    draw(plain, CString("Kurz"), rc, nFormat);
    EXPECT_TRUE(SamePixels(whole, plain));
    const CString strPath("C:\\Notizen\\Jahresabschluss.qiv");
    CTestDib path(120, 20), system(120, 20);
    drawEllipsis(path, strPath, rc);
    draw(system, strPath, rc, nFormat | DT_PATH_ELLIPSIS);
    EXPECT_TRUE(SamePixels(path, system));
}
