// The frame hook: the window region asked of the paint manager once per
// size (a recalculation asks again), set by the frame's own size changes
// and by a delayed recalculation at the next idle update; the skinned
// status bar's height; the plain frame without a ribbon.
#include "toolkit/commandbars/FrameHook.h"

#include "BarTestSupport.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBars.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// A theme that shapes the frame: a rectangle of the asked size, counted.
class CShapingTheme : public CTestTheme
{
public:
    HRGN GetFrameRegion(FrameHook* pHook, int cx, int cy) override
    {
        m_requests.emplace_back(cx, cy);
        m_pLastHook = pHook;
        return ::CreateRectRgn(0, 0, cx, cy);
    }
    std::vector<std::pair<int, int>> m_requests;
    FrameHook* m_pLastHook = nullptr;
};

// A status bar stand-in that answers the skinned-status-bar question.
class CStatusStandIn : public CWnd
{
public:
    LRESULT m_nAnswer = 1;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == 10324)
            return m_nAnswer;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class FrameHookTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Rahmen", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
        m_pTheme.reset(new CShapingTheme);
    }
    void TearDown() override { m_pFrame->DestroyWindow(); }
    CRect WindowRegionBox() const
    {
        HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
        CRect rc(0, 0, 0, 0);
        if (::GetWindowRgn(m_pFrame->GetSafeHwnd(), hRgn) != ERROR)
            ::GetRgnBox(hRgn, &rc);
        ::DeleteObject(hRgn);
        return rc;
    }

    CFrameWnd* m_pFrame = nullptr;
    CRefPtr<CShapingTheme> m_pTheme;
};

TEST_F(FrameHookTest, OneRegionPerSize)
{
    FrameHook hook(m_pFrame, nullptr);
    hook.SetPaintManager(m_pTheme.get());
    using Size = std::pair<int, int>;
    const struct
    {
        int cx;
        int cy;
        BOOL bForce;
        std::vector<Size> requests;
    } kSteps[] = {
        {300, 200, FALSE, {{300, 200}}},
        {300, 200, FALSE, {{300, 200}}},   // same size: no new region
        {320, 200, FALSE, {{300, 200}, {320, 200}}},
        {320, 200, TRUE, {{300, 200}, {320, 200}, {320, 200}}},
    };
    for (const auto& step : kSteps)
    {
        hook.UpdateFrameRegion(step.cx, step.cy, step.bForce);
        EXPECT_EQ(step.requests, m_pTheme->m_requests) << step.cx << " " << step.bForce;
        EXPECT_EQ(CRect(0, 0, step.cx, step.cy), WindowRegionBox());
    }
    EXPECT_EQ(&hook, m_pTheme->m_pLastHook);

    // The frame's own size changes reach the hook: one region for the new size.
    m_pTheme->m_requests.clear();
    m_pFrame->SetWindowPos(nullptr, 0, 0, 450, 350, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ((std::vector<Size>{{450, 350}}), m_pTheme->m_requests);
    EXPECT_EQ(CSize(450, 350), hook.GetFrameRegionSize());

    // A recalculation sets it again for the same size, once.
    m_pTheme->m_requests.clear();
    hook.RecalcFrame();
    EXPECT_EQ((std::vector<Size>{{450, 350}}), m_pTheme->m_requests);

    // Delayed: at the frame's next idle update.
    m_pTheme->m_requests.clear();
    hook.PostDelayedRecalc();
    EXPECT_TRUE(hook.IsDelayedRecalc());
    EXPECT_TRUE(m_pTheme->m_requests.empty());
    PumpMessages();
    EXPECT_FALSE(hook.IsDelayedRecalc());
    EXPECT_EQ((std::vector<Size>{{450, 350}}), m_pTheme->m_requests);
}

TEST_F(FrameHookTest, CommandBarsPaintManagerComesFirst)
{
    CRefPtr<CXTPCommandBars> pCommandBars(new CXTPCommandBars);
    pCommandBars->SetSite(m_pFrame);
    pCommandBars->SetPaintManager(m_pTheme.get());
    FrameHook hook(m_pFrame, pCommandBars.get());
    EXPECT_EQ(m_pTheme.get(), hook.GetPaintManager());
    hook.UpdateFrameRegion(200, 100);
    EXPECT_EQ(1u, m_pTheme->m_requests.size());
    // Without a ribbon the paint manager draws the plain frame.
    EXPECT_TRUE(hook.IsFrameSkinDisabled());
    EXPECT_FALSE(hook.IsMDIMaximized());
    // The hook leaves the frame with it.
    FrameHook* pHook = new FrameHook(m_pFrame, nullptr);
    delete pHook;
    m_pTheme->m_requests.clear();
    m_pFrame->SetWindowPos(nullptr, 0, 0, 222, 111, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(1u, m_pTheme->m_requests.size());
}

TEST_F(FrameHookTest, SkinnedStatusBarHeight)
{
    FrameHook hook(m_pFrame, nullptr);
    hook.SetPaintManager(m_pTheme.get());
    CStatusStandIn status;
    ASSERT_TRUE(status.CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, CRect(0, 250, 400, 272), m_pFrame,
                                59393));
    const struct
    {
        const char* pszName;
        BOOL bOption;
        BOOL bVisible;
        LRESULT nAnswer;
        BOOL bResult;
    } kCases[] = {
        {"skinned and shown", TRUE, TRUE, 1, TRUE},
        {"option off", FALSE, TRUE, 1, FALSE},
        {"hidden", TRUE, FALSE, 1, FALSE},
        {"not the skinned kind", TRUE, TRUE, 0, FALSE},
    };
    for (const auto& c : kCases)
    {
        m_pTheme->m_bFrameStatusBar = c.bOption;
        status.ShowWindow(c.bVisible ? SW_SHOWNA : SW_HIDE);
        status.m_nAnswer = c.nAnswer;
        int nHeight = -1;
        EXPECT_EQ(c.bResult, hook.GetStatusBarHeight(&nHeight)) << c.pszName;
        EXPECT_EQ(c.bResult ? 22 : -1, nHeight) << c.pszName;
    }
    status.DestroyWindow();
}

} // namespace
