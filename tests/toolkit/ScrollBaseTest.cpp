// The scroll base's geometry, hit test and thumb-pixel positions on a bar of
// 17 × 117 pixels with 17-pixel arrows (an 83-pixel track), computed by hand
// from the layout rules: thumb length = track × page / range (at least half
// an arrow), thumb top = lowest top + (pos − min) × travel / (range − page).
#include "toolkit/commandbars/ScrollBase.h"

#include "TestDib.h"
#include "toolkit/draw/ControlGalleryPaintManager.h"
#include "toolkit/draw/DefaultTheme.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CTestScrollHost : public CXTPScrollBase
{
public:
    BOOL IsScrollBarEnabled() const override { return TRUE; }
    CWnd* GetParentWindow() const override { return nullptr; }
    void GetScrollBarRect(CRect& rc) override { rc = m_rcBar; }
    void GetScrollInfo(SCROLLINFO* pScrollInfo) override
    {
        pScrollInfo->nMin = m_nMin;
        pScrollInfo->nMax = m_nMax;
        pScrollInfo->nPage = m_nPage;
        pScrollInfo->nPos = m_nPos;
    }
    void DoScroll(int nCommand, int nPosition) override
    {
        m_scrolls.push_back(std::make_pair(nCommand, nPosition));
    }
    void RedrawScrollBar() override {}
    CXTPControlGalleryPaintManager* GetScrollBarPaintManager() const override
    {
        return m_pGallery;
    }

    void Layout(CRect rcBar, int nMin, int nMax, UINT nPage, int nPos)
    {
        m_rcBar = rcBar;
        m_nMin = nMin;
        m_nMax = nMax;
        m_nPage = nPage;
        m_nPos = nPos;
        CalcScrollBarInfo();
    }

    std::vector<std::pair<int, int>> m_scrolls;
    CXTPControlGalleryPaintManager* m_pGallery = nullptr;

protected:
    int GetScrollBarArrowSize() const override { return 17; }

private:
    CRect m_rcBar;
    int m_nMin = 0, m_nMax = 0, m_nPos = 0;
    UINT m_nPage = 0;
};

const CRect kBar(0, 0, 17, 117);

TEST(ScrollBase, Geometry)
{
    struct Case
    {
        const char* pszWhat;
        CRect rc;
        int nMin, nMax;
        UINT nPage;
        int nPos;
        int pxUpArrow, pxDownArrow, pxThumbLength, pxTravel, pxThumbTop, pxThumbBottom;
    };
    const Case cases[] = {
        {"at the start", kBar, 0, 99, 10, 0, 17, 100, 8, 75, 17, 25},
        {"at the end", kBar, 0, 99, 10, 90, 17, 100, 8, 75, 92, 100},
        {"half way, rounded", kBar, 0, 99, 10, 45, 17, 100, 8, 75, 55, 63},
        {"no page: an arrow long", kBar, 0, 99, 0, 99, 17, 100, 17, 66, 83, 100},
        {"page = range: one pixel up", kBar, 0, 99, 100, 0, 17, 100, 83, 0, 16, 99},
        {"page beyond the range", kBar, 0, 99, 500, 0, 17, 100, 83, 0, 16, 99},
        {"tiny page: half an arrow", kBar, 0, 99, 1, 0, 17, 100, 8, 75, 17, 25},
        {"position past the end", kBar, 0, 99, 10, 1000, 17, 100, 8, 75, 92, 100},
        {"position before the start", kBar, 0, 99, 10, -5, 17, 100, 8, 75, 17, 25},
        {"empty range", kBar, 10, 5, 10, 7, 17, 100, 17, 66, 17, 34},
        {"offset range", CRect(0, 50, 17, 167), 100, 199, 10, 145, 67, 150, 8, 75, 105, 113},
        {"shorter than two arrows", CRect(0, 0, 17, 20), 0, 99, 10, 0, 10, 10, 0, 0, 10, 10},
    };
    CTestScrollHost host;
    for (const Case& c : cases)
    {
        host.Layout(c.rc, c.nMin, c.nMax, c.nPage, c.nPos);
        const SCROLLBARPOSINFO& spi = host.GetScrollBarPosInfo();
        EXPECT_EQ(c.pxUpArrow, spi.pxUpArrow) << c.pszWhat;
        EXPECT_EQ(c.pxDownArrow, spi.pxDownArrow) << c.pszWhat;
        EXPECT_EQ(c.pxThumbLength, spi.pxThumbLength) << c.pszWhat;
        EXPECT_EQ(c.pxTravel, spi.pxTravel) << c.pszWhat;
        EXPECT_EQ(c.pxThumbTop, spi.pxThumbTop) << c.pszWhat;
        EXPECT_EQ(c.pxThumbBottom, spi.pxThumbBottom) << c.pszWhat;
        EXPECT_EQ(0, spi.pxPopup) << c.pszWhat;
    }
}

TEST(ScrollBase, HitTest)
{
    CTestScrollHost host;
    host.Layout(kBar, 0, 99, 10, 45);   // thumb 55 to 63
    struct Case
    {
        int x, y, nHit;
    };
    const Case cases[] = {
        {8, 0, 60},   {8, 16, 60},  {8, 17, 62},  {8, 54, 62},  {8, 55, 64},
        {8, 62, 64},  {8, 63, 63},  {8, 99, 63},  {8, 100, 61}, {8, 116, 61},
        {8, 117, 0},  {17, 50, 0},  {-1, 50, 0},  {0, 50, 62},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nHit, host.HitTestScrollBar(CPoint(c.x, c.y))) << c.x << "," << c.y;

    // A host's button below the track takes the pixels from its top down.
    host.GetScrollBarPosInfo().pxPopup = 90;
    EXPECT_EQ(63, host.HitTest(CPoint(8, 89)));
    EXPECT_EQ(65, host.HitTest(CPoint(8, 90)));
    EXPECT_EQ(65, host.HitTest(CPoint(8, 110)));
    EXPECT_EQ(60, host.HitTest(CPoint(8, 5)));
}

TEST(ScrollBase, PositionFromThumbPixel)
{
    struct Case
    {
        const char* pszWhat;
        int nMin, nMax;
        UINT nPage;
        int y, nPosition;
    };
    const Case cases[] = {
        {"above the track", 0, 99, 10, 10, 0},
        {"track start", 0, 99, 10, 17, 0},
        {"inside, rounded", 0, 99, 10, 55, 46},
        {"travel end", 0, 99, 10, 92, 90},
        {"past the travel", 0, 99, 10, 300, 90},
        {"no page: to the maximum", 0, 99, 0, 200, 99},
        {"no travel: the minimum", 0, 99, 100, 60, 0},
        {"offset range", 100, 199, 10, 92, 190},
    };
    CTestScrollHost host;
    for (const Case& c : cases)
    {
        host.Layout(kBar, c.nMin, c.nMax, c.nPage, c.nMin);
        EXPECT_EQ(c.nPosition, host.PositionFromThumbPixel(c.y)) << c.pszWhat;
    }
}

// A theme that reports itself as the Office 2007 kind.
class COffice2007KindTheme : public CXTPDefaultTheme
{
public:
    int BaseTheme() override { return xtpThemeOffice2007; }
};

TEST(ScrollBase, StyleRepeatDelaysAndLines)
{
    CTestScrollHost host;
    EXPECT_EQ(2, host.GetScrollStyle());   // no paint manager
    CXTPDefaultTheme classic;
    CXTPControlGalleryPaintManager classicGallery(&classic);
    host.m_pGallery = &classicGallery;
    EXPECT_EQ(3, host.GetScrollStyle());
    COffice2007KindTheme office2007;
    CXTPControlGalleryPaintManager office2007Gallery(&office2007);
    host.m_pGallery = &office2007Gallery;
    EXPECT_EQ(5, host.GetScrollStyle());
    host.SetScrollStyle(1);
    EXPECT_EQ(1, host.GetScrollStyle());

    // The test prefix's double-click time is 500 ms.
    ASSERT_EQ(500u, ::GetDoubleClickTime());
    EXPECT_EQ(400u, CXTPScrollBase::GetRepeatDelay(TRUE));
    EXPECT_EQ(50u, CXTPScrollBase::GetRepeatDelay(FALSE));

    CTestDib dib(8, 8);
    dib.Fill(RGB(255, 255, 255));
    CXTPScrollBase::DrawScrollLine(&dib.DC(), 1, 2, 5, TRUE, RGB(255, 0, 0));
    CXTPScrollBase::DrawScrollLine(&dib.DC(), 6, 0, 3, FALSE, RGB(0, 0, 255));
    CXTPScrollBase::DrawScrollLine(&dib.DC(), 0, 7, 8, TRUE, static_cast<COLORREF>(-1));
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(1, 2));
    EXPECT_EQ(RGB(255, 0, 0), dib.Pixel(5, 2));
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(0, 2));
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(1, 3));
    EXPECT_EQ(RGB(0, 0, 255), dib.Pixel(6, 0));
    EXPECT_EQ(RGB(0, 0, 255), dib.Pixel(6, 2));
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(6, 3));
    EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(3, 7));
}

TEST(ScrollBase, AThumbFillingTheTrackStartsNoLoop)
{
    CTestScrollHost host;
    host.Layout(kBar, 0, 99, 100, 0);   // page = range: the thumb fills the track
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 17, 117, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(hWnd);
    host.PerformTrackInit(hWnd, CPoint(8, 50), &host.GetScrollBarPosInfo(), FALSE);
    EXPECT_TRUE(host.m_scrolls.empty());
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(nullptr, host.GetTrackInfo());
    ::DestroyWindow(hWnd);
}

} // namespace
