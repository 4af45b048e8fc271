// The redraw animation of a bar, with a plain window as the bar and its
// steps drawn into a memory DIB: the six frames of a fade, driven by sent
// timer messages; redraws that change nothing, that replace a running fade
// or that are drawn directly over one; rectangles reaching outside the
// client area; and the cached picture through paints and resizes.
#include "toolkit/commandbars/Animation.h"

#include "framework/ui/MessageMap.h"
#include "framework/ui/WndClass.h"

#include "TestDib.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const int CX = 100;
const int CY = 40;

// Steps and direct redraws land in the test's DIB instead of the window.
class CTestAnimation : public CXTPCommandBarAnimation
{
public:
    CTestAnimation(CWnd* pWnd, DrawFunc fnDraw, CTestDib& dib)
        : CXTPCommandBarAnimation(pWnd, std::move(fnDraw))
        , m_dib(dib)
    {
    }

protected:
    HDC GetTargetDC() override { return m_dib.DC().GetSafeHdc(); }
    void ReleaseTargetDC(HDC) override {}

private:
    CTestDib& m_dib;
};

// The bar: one colour everywhere, and the animation's timer.
class CAnimatedWnd : public CWnd
{
public:
    CXTPCommandBarAnimation* m_pAnimation = nullptr;
    int m_nTimerTicks = 0;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent == CXTPCommandBarAnimation::TIMER_ID && m_pAnimation != nullptr)
        {
            ++m_nTimerTicks;
            m_pAnimation->OnAnimate();
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAnimatedWnd, CWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

class AnimationTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, AfxRegisterWndClass(0), "Leiste", WS_POPUP, 0, 0, CX, CY,
                                   nullptr, nullptr));
        CRect rect;
        m_wnd.GetClientRect(&rect);
        ASSERT_EQ(CSize(CX, CY), rect.Size());
        m_pAnimation = std::make_unique<CTestAnimation>(
            &m_wnd, [this](CDC* pDC, const CRect& rcClip) { pDC->FillSolidRect(&rcClip, m_clrBar); },
            m_screen);
        m_wnd.m_pAnimation = m_pAnimation.get();
        m_pAnimation->EnableAnimation(TRUE);
        // The first paint fills the cache.
        m_pAnimation->OnPaint(&m_screen.DC(), CRect(0, 0, CX, CY));
    }
    void TearDown() override
    {
        m_wnd.m_pAnimation = nullptr;
        m_pAnimation.reset();
        m_wnd.DestroyWindow();
    }

    void Tick() { m_wnd.SendMessage(WM_TIMER, CXTPCommandBarAnimation::TIMER_ID, 0); }

    static COLORREF Blend(COLORREF clrOld, COLORREF clrNew, int a)
    {
        auto channel = [a](int nOld, int nNew) { return (nNew * a + nOld * (255 - a)) >> 8; };
        return RGB(channel(GetRValue(clrOld), GetRValue(clrNew)),
                   channel(GetGValue(clrOld), GetGValue(clrNew)),
                   channel(GetBValue(clrOld), GetBValue(clrNew)));
    }

    CAnimatedWnd m_wnd;
    CTestDib m_screen{ CX, CY, RGB(0, 0, 0) };
    COLORREF m_clrBar = RGB(200, 40, 10);
    std::unique_ptr<CTestAnimation> m_pAnimation;
};

TEST_F(AnimationTest, FadeDrawsSixStepsThenStopsItsTimer)
{
    const COLORREF clrOld = m_clrBar;
    const COLORREF clrNew = RGB(20, 220, 100);
    ASSERT_TRUE(m_pAnimation->HasCachedPicture());
    EXPECT_EQ(clrOld, m_screen.Pixel(50, 20));

    m_clrBar = clrNew;
    const CRect rect(10, 5, 30, 25);
    m_pAnimation->RedrawRect(&rect, TRUE);
    ASSERT_EQ(1, m_pAnimation->GetAnimationCount());
    EXPECT_TRUE(m_pAnimation->IsTimerRunning());

    // Step 1 at once, 2 to 5 on the ticks, the sixth from the cache.
    const int weights[] = { 42, 85, 127, 170, 212 };
    for (int nStep = 0; nStep < 5; ++nStep)
    {
        EXPECT_EQ(Blend(clrOld, clrNew, weights[nStep]), m_screen.Pixel(10, 5)) << nStep + 1;
        EXPECT_EQ(Blend(clrOld, clrNew, weights[nStep]), m_screen.Pixel(29, 24)) << nStep + 1;
        EXPECT_EQ(clrOld, m_screen.Pixel(30, 24)) << nStep + 1;   // outside stays
        EXPECT_TRUE(m_pAnimation->IsTimerRunning()) << nStep + 1;
        Tick();
    }
    EXPECT_EQ(clrNew, m_screen.Pixel(10, 5));
    EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
    EXPECT_FALSE(m_pAnimation->IsTimerRunning());
    EXPECT_EQ(5, m_wnd.m_nTimerTicks);
    // The timer is gone from the window too: nothing more arrives.
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, m_wnd.m_hWnd, WM_TIMER, WM_TIMER, PM_NOREMOVE));

    // The next paint copies the cache, which holds the new picture.
    m_screen.Fill(RGB(0, 0, 0));
    m_pAnimation->OnPaint(&m_screen.DC(), CRect(0, 0, CX, CY));
    EXPECT_EQ(clrNew, m_screen.Pixel(20, 15));
    EXPECT_EQ(clrOld, m_screen.Pixel(60, 15));
}

TEST_F(AnimationTest, RedrawsThatStartNoFadeOrEndOne)
{
    const CRect rect(10, 5, 30, 25);
    // Same pixels: nothing to fade.
    m_pAnimation->RedrawRect(&rect, TRUE);
    EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
    EXPECT_FALSE(m_pAnimation->IsTimerRunning());

    // A second fade of the rectangle replaces the first; one beside it stays.
    m_clrBar = RGB(0, 0, 255);
    m_pAnimation->RedrawRect(&rect, TRUE);
    const CRect rcBeside(60, 5, 80, 25);
    m_pAnimation->RedrawRect(&rcBeside, TRUE);
    m_clrBar = RGB(0, 255, 0);
    m_pAnimation->RedrawRect(&rect, TRUE);
    ASSERT_EQ(2, m_pAnimation->GetAnimationCount());
    EXPECT_EQ(rcBeside, m_pAnimation->GetAnimation(0)->m_rect);
    EXPECT_EQ(rect, m_pAnimation->GetAnimation(1)->m_rect);
    EXPECT_EQ(2, m_pAnimation->GetAnimation(1)->m_nStep);   // the first step is drawn

    // Drawn directly over the first fade: it ends. Over part of the second:
    // that part is kept out of the second's later steps.
    const CRect rcDirect(55, 0, 100, 40);
    m_clrBar = RGB(255, 255, 0);
    m_pAnimation->RedrawRect(&rcDirect, FALSE);
    EXPECT_EQ(RGB(255, 255, 0), m_screen.Pixel(70, 10));
    ASSERT_EQ(1, m_pAnimation->GetAnimationCount());
    const CRect rcPartly(25, 0, 40, 40);
    m_pAnimation->RedrawRect(&rcPartly, FALSE);
    ASSERT_EQ(1, m_pAnimation->GetAnimationCount());
    ASSERT_EQ(1u, m_pAnimation->GetAnimation(0)->m_arrExclude.size());
    Tick();
    EXPECT_EQ(RGB(255, 255, 0), m_screen.Pixel(27, 10));   // kept out
    EXPECT_NE(RGB(255, 255, 0), m_screen.Pixel(15, 10));   // still fading
}

// A later fade of a rectangle of the same size starts afresh, whatever the
// fade before it had kept out.
TEST_F(AnimationTest, NextFadeOfTheRectangleStartsAfresh)
{
    const CRect rect(10, 5, 30, 25);
    m_clrBar = RGB(0, 0, 255);
    m_pAnimation->RedrawRect(&rect, TRUE);
    m_clrBar = RGB(255, 255, 0);
    const CRect rcPartly(25, 0, 40, 40);
    m_pAnimation->RedrawRect(&rcPartly, FALSE);
    ASSERT_EQ(1u, m_pAnimation->GetAnimation(0)->m_arrExclude.size());
    for (int i = 0; i < 5; ++i)
        Tick();
    ASSERT_EQ(0, m_pAnimation->GetAnimationCount());
    EXPECT_EQ(RGB(255, 255, 0), m_screen.Pixel(27, 10));
    EXPECT_EQ(RGB(0, 0, 255), m_screen.Pixel(15, 10));

    m_clrBar = RGB(255, 0, 0);
    m_pAnimation->RedrawRect(&rect, TRUE);
    ASSERT_EQ(1, m_pAnimation->GetAnimationCount());
    EXPECT_TRUE(m_pAnimation->GetAnimation(0)->m_arrExclude.empty());
    EXPECT_EQ(Blend(RGB(0, 0, 255), RGB(255, 0, 0), 42), m_screen.Pixel(15, 10));
    EXPECT_EQ(Blend(RGB(255, 255, 0), RGB(255, 0, 0), 42), m_screen.Pixel(27, 10));
    Tick();
    EXPECT_EQ(Blend(RGB(255, 255, 0), RGB(255, 0, 0), 85), m_screen.Pixel(27, 10));
    for (int i = 0; i < 4; ++i)
        Tick();
    EXPECT_EQ(RGB(255, 0, 0), m_screen.Pixel(27, 10));
    EXPECT_FALSE(m_pAnimation->IsTimerRunning());
}

TEST_F(AnimationTest, RectanglesAreClippedToTheClientArea)
{
    m_clrBar = RGB(0, 0, 255);
    const CRect rcOutside(90, 30, 140, 70);
    m_pAnimation->RedrawRect(&rcOutside, TRUE);
    ASSERT_EQ(1, m_pAnimation->GetAnimationCount());
    EXPECT_EQ(CRect(90, 30, CX, CY), m_pAnimation->GetAnimation(0)->m_rect);
    const CRect rcBeyond(CX + 10, 0, CX + 50, CY);
    m_pAnimation->RedrawRect(&rcBeyond, TRUE);
    m_pAnimation->RedrawRect(&rcBeyond, FALSE);
    EXPECT_EQ(1, m_pAnimation->GetAnimationCount());
    for (int i = 0; i < 6; ++i)
        Tick();
    EXPECT_EQ(RGB(0, 0, 255), m_screen.Pixel(CX - 1, CY - 1));
}

TEST_F(AnimationTest, CacheFollowsPaintsSwitchesAndSize)
{
    // A null rectangle drops the cache; the next paint makes it again.
    m_pAnimation->RedrawRect(nullptr, TRUE);
    EXPECT_FALSE(m_pAnimation->HasCachedPicture());
    m_pAnimation->OnPaint(&m_screen.DC(), CRect(0, 0, 10, 10));
    EXPECT_TRUE(m_pAnimation->HasCachedPicture());

    // Resized: the cache goes and comes back at the new size.
    m_wnd.SetWindowPos(nullptr, 0, 0, 60, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pAnimation->OnPaint(&m_screen.DC(), CRect(0, 0, 60, 30));
    EXPECT_EQ(CSize(60, 30), m_pAnimation->GetCachedSize());

    // Without animation a redraw only invalidates, and the paint needs no
    // cache unless the flags keep it.
    m_pAnimation->EnableAnimation(FALSE);
    const CRect rect(0, 0, 10, 10);
    m_clrBar = RGB(1, 2, 3);
    m_pAnimation->RedrawRect(&rect, TRUE);
    EXPECT_EQ(0, m_pAnimation->GetAnimationCount());
    m_pAnimation->OnPaint(&m_screen.DC(), rect);
    EXPECT_FALSE(m_pAnimation->HasCachedPicture());
    EXPECT_EQ(RGB(1, 2, 3), m_screen.Pixel(5, 5));
    m_pAnimation->SetAnimationFlags(1);
    m_pAnimation->OnPaint(&m_screen.DC(), rect);
    EXPECT_TRUE(m_pAnimation->HasCachedPicture());

    // The paint manager's option animates a bar whose switch is off.
    CXTPCommandBarAnimation withOption(&m_wnd, nullptr, [] { return TRUE; });
    EXPECT_TRUE(withOption.IsAnimationOn());
}

TEST(AnimationBlend, BlendsTheFirstThreeBytesAndLeavesTheFourth)
{
    const BYTE oldPixels[8] = { 0, 100, 255, 7, 10, 20, 30, 40 };
    const BYTE newPixels[8] = { 255, 0, 255, 9, 30, 20, 10, 50 };
    BYTE dest[8] = { 1, 1, 1, 0xAA, 1, 1, 1, 0xBB };
    CXTPCommandBarAnimation::BlendPixels(dest, oldPixels, 2, 1, newPixels, 127);
    const BYTE expected[8] = { 126, 50, 254, 0xAA, 19, 19, 19, 0xBB };
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(expected[i], dest[i]) << i;
}

} // namespace
