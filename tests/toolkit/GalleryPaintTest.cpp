// The gallery paint manager's label rows and scroll bars, drawn into memory
// DIBs under distinct system colours: a scroll host of the test's own lays
// a bar out over a range, and the pixels of its parts are read back.
#include "toolkit/draw/ControlGalleryPaintManager.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "office2007/ThemeStyleImages.h"
#include "office2007/ThemeStyleScope.h"
#include "toolkit/commandbars/ScrollBase.h"
#include "toolkit/controls/ControlGalleryItems.h"
#include "toolkit/draw/GalleryOffice2007Theme.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// A bar 17 pixels wide and 120 high over the range 0..199 with a page of 50.
class CTestScrollHost : public CXTPScrollBase
{
public:
    CTestScrollHost() { m_track.pInfo = &m_spi; }

    BOOL IsScrollBarEnabled() const override { return m_bEnabled; }
    CWnd* GetParentWindow() const override { return nullptr; }
    void GetScrollBarRect(CRect& rc) override { rc = m_rc; }
    void GetScrollInfo(SCROLLINFO* pScrollInfo) override
    {
        pScrollInfo->nMin = 0;
        pScrollInfo->nMax = m_nMax;
        pScrollInfo->nPage = 50;
        pScrollInfo->nPos = m_nPos;
    }
    void DoScroll(int, int) override {}
    void RedrawScrollBar() override {}

    // A press of the part, as the mouse loop holds it.
    void Press(int nPart)
    {
        m_spi.nHitTest = nPart;
        m_pTrack = nPart ? &m_track : nullptr;
    }

    CRect m_rc = CRect(0, 0, 17, 120);
    int m_nMax = 199;
    int m_nPos = 0;
    BOOL m_bEnabled = TRUE;
    SCROLLBARTRACKINFO m_track = {};
};

class GalleryPaintTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_gallery.RefreshMetrics();
        m_host.CalcScrollBarInfo();
    }
    void TearDown() override { m_host.Press(0); }

    // A pixel in the middle of the part's rows.
    COLORREF PixelOf(CTestDib& dib, int nTop, int nBottom) { return dib.Pixel(8, (nTop + nBottom) / 2); }
    void Draw(CTestDib& dib, int nStyle)
    {
        m_host.SetScrollStyle(nStyle);
        m_gallery.DrawScrollBar(&dib.DC(), &m_host);
    }

    CDistinctSysColors m_colors;
    CTestTheme m_theme;
    CXTPControlGalleryPaintManager m_gallery{&m_theme};
    CTestScrollHost m_host;
};

TEST_F(GalleryPaintTest, ClassicBarPartsAndPress)
{
    const SCROLLBARPOSINFO& spi = m_host.GetScrollBarPosInfo();
    ASSERT_LT(spi.pxUpArrow, spi.pxThumbTop + 1);
    const COLORREF clrBackground = RGB(1, 2, 3);
    CTestDib dib(17, 120, clrBackground);
    Draw(dib, 1);
    const COLORREF clrFace = CDistinctSysColors::ColorOf(COLOR_3DFACE);
    // The thumb's face is the paint manager's face colour inside its raised edge.
    EXPECT_EQ(clrFace, PixelOf(dib, spi.pxThumbTop, spi.pxThumbBottom));
    const COLORREF clrTrack = PixelOf(dib, spi.pxThumbBottom, spi.pxDownArrow);
    EXPECT_NE(clrBackground, clrTrack);
    EXPECT_NE(clrFace, clrTrack);

    // A pressed page area is inverted.
    m_host.Press(CXTPScrollBase::hitPageDown);
    CTestDib pressed(17, 120, clrBackground);
    Draw(pressed, 1);
    EXPECT_EQ(clrTrack ^ 0xFFFFFF, PixelOf(pressed, spi.pxThumbBottom, spi.pxDownArrow));
    EXPECT_EQ(clrFace, PixelOf(pressed, spi.pxThumbTop, spi.pxThumbBottom));
}

TEST_F(GalleryPaintTest, DisabledOrEmptyRangeHasNoThumb)
{
    struct DisabledCase
    {
        BOOL bEnabled;
        int nMax;
    };
    for (const DisabledCase& c : {DisabledCase{FALSE, 199}, DisabledCase{TRUE, 40}})
    {
        m_host.m_bEnabled = c.bEnabled;
        m_host.m_nMax = c.nMax;
        m_host.CalcScrollBarInfo();
        const SCROLLBARPOSINFO& spi = m_host.GetScrollBarPosInfo();
        for (int nStyle : {1, 2})
        {
            CTestDib dib(17, 120);
            Draw(dib, nStyle);
            // The whole track is one colour: no thumb.
            COLORREF clrTrack = dib.Pixel(8, spi.pxUpArrow + 1);
            EXPECT_EQ(clrTrack, dib.Pixel(8, (spi.pxUpArrow + spi.pxDownArrow) / 2)) << nStyle;
            EXPECT_EQ(clrTrack, dib.Pixel(8, spi.pxDownArrow - 2)) << nStyle;
            EXPECT_NE(CDistinctSysColors::ColorOf(COLOR_3DFACE), clrTrack) << nStyle;
        }
    }
}

TEST_F(GalleryPaintTest, NothingForABarWithoutHeight)
{
    m_host.m_rc = CRect(0, 10, 17, 10);
    m_host.CalcScrollBarInfo();
    for (int nStyle : {1, 2, 3})
    {
        CTestDib dib(17, 20);
        Draw(dib, nStyle);
        for (int y = 0; y < 20; ++y)
            ASSERT_EQ(kWhite, dib.Pixel(8, y)) << nStyle << " " << y;
    }
}

// The pixels of the rectangle that have exactly the colour.
int CountPixels(const CTestDib& dib, const CRect& rc, COLORREF clr)
{
    int nCount = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            nCount += dib.Pixel(x, y) == clr ? 1 : 0;
    return nCount;
}

TEST_F(GalleryPaintTest, FlatBarGlyphsAndThumbFrame)
{
    const SCROLLBARPOSINFO& spi = m_host.GetScrollBarPosInfo();
    CRect rcUp(spi.pxLeft, spi.pxTop, spi.pxRight, spi.pxUpArrow);
    CRect rcDown(spi.pxLeft, spi.pxDownArrow, spi.pxRight, spi.pxBottom);
    CTestDib dib(17, 120);
    Draw(dib, 2);
    EXPECT_GT(CountPixels(dib, rcUp, RGB(0, 0, 0)), 0);
    EXPECT_GT(CountPixels(dib, rcDown, RGB(0, 0, 0)), 0);
    // The up glyph points up: its black rows start higher than the down glyph's.
    auto firstBlackRow = [&](const CRect& rc) {
        for (int y = rc.top; y < rc.bottom; ++y)
            if (CountPixels(dib, CRect(rc.left, y, rc.right, y + 1), RGB(0, 0, 0)) > 0)
                return static_cast<int>(y - rc.top);
        return -1;
    };
    auto widestBlackRow = [&](const CRect& rc) {
        int nBest = -1, nWidest = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
        {
            int n = CountPixels(dib, CRect(rc.left, y, rc.right, y + 1), RGB(0, 0, 0));
            if (n > nWidest)
                nWidest = n, nBest = static_cast<int>(y - rc.top);
        }
        return nBest;
    };
    EXPECT_GT(widestBlackRow(rcUp), firstBlackRow(rcUp));
    EXPECT_EQ(widestBlackRow(rcDown), firstBlackRow(rcDown));
    // The thumb: face colour framed light at the top left, dark at the bottom right.
    EXPECT_EQ(CDistinctSysColors::ColorOf(COLOR_3DHIGHLIGHT), dib.Pixel(spi.pxLeft, spi.pxThumbTop));
    EXPECT_EQ(CDistinctSysColors::ColorOf(COLOR_3DSHADOW),
              dib.Pixel(spi.pxRight - 1, spi.pxThumbBottom - 1));

    // Disabled: no black glyph pixels.
    m_host.m_bEnabled = FALSE;
    m_host.CalcScrollBarInfo();
    CTestDib disabled(17, 120);
    Draw(disabled, 2);
    EXPECT_EQ(0, CountPixels(disabled, rcUp, RGB(0, 0, 0)));
    EXPECT_GT(CountPixels(disabled, rcUp, ::GetSysColor(COLOR_BTNSHADOW)), 0);
}

TEST_F(GalleryPaintTest, VisualStyleBarOrClassicWithoutTheme)
{
    CTestDib classic(17, 120), themed(17, 120);
    Draw(classic, 1);
    Draw(themed, 3);
    bool bSame = true;
    for (int y = 0; y < 120 && bSame; ++y)
        for (int x = 0; x < 17 && bSame; ++x)
            bSame = classic.Pixel(x, y) == themed.Pixel(x, y);
    // Without the "SCROLLBAR" theme style 3 is the classic bar; with it, the
    // theme's parts are drawn instead.
    EXPECT_EQ(m_gallery.m_themeScrollBar.GetThemeHandle() == nullptr, bSame);
}

TEST_F(GalleryPaintTest, LabelRow)
{
    CXTPControlGalleryItems items;
    CXTPControlGalleryItem* pLabel = items.AddLabel("Zuletzt verwendet");
    EXPECT_TRUE(pLabel->IsLabel());
    CTestDib dib(200, 19);
    m_gallery.DrawLabel(&dib.DC(), pLabel, CRect(0, 0, 200, 19));
    const COLORREF clrBack = m_theme.ResolveColor(56);
    const COLORREF clrLine = m_theme.ResolveColor(52);
    EXPECT_EQ(clrBack, dib.Pixel(0, 0));
    EXPECT_EQ(clrBack, dib.Pixel(199, 17));
    for (int x : {0, 100, 199})
        EXPECT_EQ(clrLine, dib.Pixel(x, 18)) << x;
    // The caption starts 10 pixels in and stays out of the last 10.
    int nText = 0;
    for (int y = 0; y < 18; ++y)
    {
        for (int x = 0; x < 200; ++x)
        {
            if (dib.Pixel(x, y) == clrBack)
                continue;
            ++nText;
            EXPECT_GE(x, 10);
            EXPECT_LT(x, 190);
        }
    }
    EXPECT_GT(nText, 20);
}

TEST(GalleryItems, SizesAndLookups)
{
    CXTPControlGalleryItems items;
    items.SetItemSize(CSize(40, 30));
    CXTPControlGalleryItem* pFirst = items.AddItem(7, "Rot", 2);
    CXTPControlGalleryItem* pWide = items.AddItem(8, "Breit");
    pWide->SetSize(CSize(0, 20));
    EXPECT_EQ(2, items.GetItemCount());
    EXPECT_EQ(pFirst, items.GetItem(0));
    EXPECT_EQ(nullptr, items.GetItem(2));
    EXPECT_EQ(nullptr, items.GetItem(-1));
    EXPECT_EQ(CSize(40, 30), pFirst->GetSize());
    EXPECT_EQ(CSize(0, 20), pWide->GetSize());
    EXPECT_EQ(7, pFirst->GetID());
    EXPECT_EQ(2, pFirst->GetImageIndex());
    EXPECT_EQ(-1, pWide->GetImageIndex());
    EXPECT_FALSE(pFirst->IsLabel());
}

// The Office 2007 gallery painter draws bars of scroll style 5 (light) and
// 6 (dark) from the style module's images, one frame per state; without the
// module it draws the base painter's bar.
TEST_F(GalleryPaintTest, Office2007BarFromTheModuleImages)
{
    CXTPControlGalleryOffice2007Theme gallery2007(&m_theme);
    const SCROLLBARPOSINFO& spi = m_host.GetScrollBarPosInfo();
    m_host.SetScrollStyle(5);
    {
        CThemeStyleScope style(false);
        gallery2007.RefreshMetrics();
        CTestDib base(17, 120), office(17, 120);
        m_gallery.DrawScrollBar(&base.DC(), &m_host);
        gallery2007.DrawScrollBar(&office.DC(), &m_host);
        EXPECT_EQ("", FirstDifference(base, office));
    }
    CThemeStyleScope style(true);
    gallery2007.RefreshMetrics();
    EXPECT_EQ(17, gallery2007.m_cxVScroll);
    EXPECT_EQ(21, gallery2007.m_cyPopupUp);
    EXPECT_EQ(19, gallery2007.m_cyPopupDown);
    const struct
    {
        int nStyle;
        int nPressed;
        int nUpFrame, nThumbFrame;
        const char* pszTrack;
        const char* pszArrows;
    } cases[] = {
        {5, 0, 0, 0, "CONTROLGALLERYSCROLLVERTICALLIGHT", "CONTROLGALLERYSCROLLARROWSVERTICALLIGHT"},
        {5, CXTPScrollBase::hitUpArrow, 2, 0, "CONTROLGALLERYSCROLLVERTICALLIGHT",
         "CONTROLGALLERYSCROLLARROWSVERTICALLIGHT"},
        {6, CXTPScrollBase::hitThumb, 0, 2, "CONTROLGALLERYSCROLLVERTICALDARK",
         "CONTROLGALLERYSCROLLARROWSVERTICALDARK"},
    };
    for (const auto& c : cases)
    {
        m_host.SetScrollStyle(c.nStyle);
        m_host.Press(c.nPressed);
        CTestDib dib(17, 120);
        gallery2007.DrawScrollBar(&dib.DC(), &m_host);
        EXPECT_EQ(ThemeImageColor(c.pszArrows, c.nUpFrame), dib.Pixel(spi.pxLeft + 1, spi.pxTop + 1)) << c.nPressed;
        EXPECT_EQ(ThemeImageColor(c.pszArrows, 0), dib.Pixel(spi.pxLeft + 1, spi.pxBottom - 2)) << c.nPressed;
        EXPECT_EQ(ThemeImageColor(c.pszTrack, 0), dib.Pixel(8, (spi.pxThumbBottom + spi.pxDownArrow) / 2))
            << c.nPressed;
        EXPECT_EQ(ThemeImageColor("CONTROLGALLERYSCROLLTHUMBVERTICAL", c.nThumbFrame),
                  dib.Pixel(spi.pxLeft + 1, spi.pxThumbTop + 1))
            << c.nPressed;
        // The arrow glyphs: up in frames 1-4, down in 5-8 of the glyph strip.
        const int yUp = (spi.pxTop + spi.pxUpArrow) / 2, yDown = (spi.pxDownArrow + spi.pxBottom) / 2;
        EXPECT_EQ(ThemeImageColor("CONTROLGALLERYSCROLLARROWGLYPHS", c.nUpFrame), dib.Pixel(8, yUp)) << c.nPressed;
        EXPECT_EQ(ThemeImageColor("CONTROLGALLERYSCROLLARROWGLYPHS", 4), dib.Pixel(8, yDown)) << c.nPressed;
    }
    m_host.Press(0);
    m_host.m_bEnabled = FALSE;
    m_host.CalcScrollBarInfo();
    m_host.SetScrollStyle(5);
    CTestDib disabled(17, 120);
    gallery2007.DrawScrollBar(&disabled.DC(), &m_host);
    EXPECT_EQ(ThemeImageColor("CONTROLGALLERYSCROLLARROWSVERTICALLIGHT", 3), disabled.Pixel(spi.pxLeft + 1, spi.pxTop + 1));
    EXPECT_EQ(ThemeImageColor("CONTROLGALLERYSCROLLVERTICALLIGHT", 0), disabled.Pixel(8, 60));
}

TEST(GalleryOffice2007, PopupButtonStates)
{
    const struct
    {
        BOOL bEnabled, bPressed, bHot, bOther;
        int nState;
    } cases[] = {{FALSE, TRUE, TRUE, TRUE, 4}, {TRUE, TRUE, TRUE, FALSE, 3}, {TRUE, FALSE, TRUE, TRUE, 2},
                 {TRUE, FALSE, FALSE, TRUE, 1}, {TRUE, FALSE, FALSE, FALSE, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(c.nState, CXTPControlGalleryOffice2007Theme::GetPopupButtonState(c.bEnabled, c.bPressed,
                                                                                  c.bHot, c.bOther));
}

} // namespace
