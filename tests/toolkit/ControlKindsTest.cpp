// The selector grid and the custom control that hosts a window.
#include "toolkit/controls/ControlSelector.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/HookManager.h"
#include "toolkit/controls/ControlCustom.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ColorManager.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CTestSelector : public CXTPControlSelector
{
public:
    using CXTPControlSelector::GrowTowards;
};

TEST(ControlSelector, PicksColumnsAndRowsByPointing)
{
    CTestBar bar;
    CTestSelector* pSelector = new CTestSelector;
    bar.GetControls()->AddTail(pSelector);
    CTestDib dib(4, 4);
    EXPECT_EQ(CSize(140, 112), pSelector->GetSize(&dib.DC()));
    pSelector->SetRect(CRect(10, 10, 150, 122));

    struct
    {
        CPoint pt;
        CSize szSelected;
    } cases[] = {
        {CPoint(70, 50), CSize(3, 2)},   // third column, second row
        {CPoint(11, 11), CSize(1, 1)},
        {CPoint(10, 10), CSize(0, 0)},   // on the first edges: nothing left of the point
        {CPoint(149, 121), CSize(5, 4)},
        {CPoint(400, 400), CSize(5, 4)},   // beyond the grid: all of it
    };
    for (auto& c : cases)
    {
        pSelector->OnMouseMoveControl(c.pt);
        EXPECT_EQ(c.szSelected, pSelector->GetSelectedCells()) << c.pt.x << "," << c.pt.y;
    }

    pSelector->OnMouseMoveControl(CPoint(70, 50));
    pSelector->OnLButtonUp(CPoint(70, 50));
    EXPECT_EQ(CSize(3, 2), pSelector->GetLastChosenCells());
    pSelector->OnMouseMoveControl(CPoint(0, 0));
    pSelector->OnLButtonUp(CPoint(0, 0));
    EXPECT_EQ(CSize(3, 2), pSelector->GetLastChosenCells());   // nothing chosen
}

TEST(ControlSelector, GrowsTowardsTheCursorUpToTheMaximum)
{
    CTestBar bar;
    CTestSelector* pSelector = new CTestSelector;
    bar.GetControls()->AddTail(pSelector);
    pSelector->SetRect(CRect(0, 0, 140, 112));

    EXPECT_FALSE(pSelector->GrowTowards(CPoint(100, 100)));   // inside: no growth
    EXPECT_TRUE(pSelector->GrowTowards(CPoint(150, 50)));
    EXPECT_EQ(CSize(6, 4), pSelector->GetGrid());            // one column per cell width
    EXPECT_EQ(CSize(6, 2), pSelector->GetSelectedCells());
    pSelector->SetRect(CRect(0, 0, 168, 112));
    EXPECT_TRUE(pSelector->GrowTowards(CPoint(1000, 200)));
    EXPECT_EQ(CSize(12, 8), pSelector->GetGrid());           // at most 12 columns
    pSelector->SetRect(CRect(0, 0, 336, 224));
    EXPECT_TRUE(pSelector->GrowTowards(CPoint(5000, 5000)));
    EXPECT_EQ(CSize(12, 12), pSelector->GetGrid());
    EXPECT_FALSE(pSelector->GrowTowards(CPoint(6000, 6000)));

    // A new layout starts from the first grid again.
    pSelector->OnCalcDynamicSize(0);
    EXPECT_EQ(CSize(5, 4), pSelector->GetGrid());
    EXPECT_EQ(CSize(0, 0), pSelector->GetSelectedCells());
}

TEST(ControlSelector, DrawsSelectedCellsInHighlight)
{
    CDistinctSysColors colors;
    CTestTheme theme;
    CTestBar bar;
    bar.SetPaintManager(&theme);
    CTestSelector* pSelector = new CTestSelector;
    bar.GetControls()->AddTail(pSelector);
    pSelector->SetRect(CRect(0, 0, 140, 112));
    pSelector->OnMouseMoveControl(CPoint(30, 5));   // two columns, one row
    CTestDib dib(140, 112, RGB(1, 2, 3));
    pSelector->Draw(&dib.DC());
    CXTPColorManager* pColors = GetColorManager();
    EXPECT_EQ(RGB(1, 2, 3), dib.Pixel(0, 0));                        // cells are inset by 1
    EXPECT_EQ(theme.ResolveColor(43), dib.Pixel(1, 1));              // the flat frame
    EXPECT_EQ(pColors->ResolveColor(COLOR_HIGHLIGHT), dib.Pixel(5, 5));
    EXPECT_EQ(pColors->ResolveColor(COLOR_HIGHLIGHT), dib.Pixel(33, 5));
    EXPECT_EQ(pColors->ResolveColor(COLOR_WINDOW), dib.Pixel(61, 5));
    EXPECT_EQ(pColors->ResolveColor(COLOR_WINDOW), dib.Pixel(5, 33));
}

class ControlCustomTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_bar.CreateHidden(300, 40));
        m_bar.ShowWindow(SW_SHOWNA);
        m_bar.SetPaintManager(&m_theme);
        ASSERT_TRUE(m_window.CreateEx(0, "STATIC", "Suche", WS_POPUP | WS_VISIBLE,
                                      CRect(0, 0, 80, 20), nullptr, 0));
        m_pCustom = static_cast<CXTPControlCustom*>(m_bar.GetControls()->Add(xtpControlCustom, 0));
        m_pCustom->SetCaption("Suche");
        m_pCustom->SetControl(&m_window);
        m_pCustom->SetBorders(CRect(1, 2, 3, 4));
    }
    void TearDown() override
    {
        m_window.DestroyWindow();
        m_bar.DestroyWindow();
    }

    CTestTheme m_theme;
    CTestBar m_bar;
    CWnd m_window;
    CXTPControlCustom* m_pCustom = nullptr;
};

TEST_F(ControlCustomTest, HostsItsWindowInTheBar)
{
    CTestDib dib(4, 4);
    EXPECT_EQ(CSize(84, 26), m_pCustom->GetSize(&dib.DC()));
    m_pCustom->SetRect(CRect(10, 5, 94, 31));
    EXPECT_EQ(m_bar.GetSafeHwnd(), ::GetParent(m_window.GetSafeHwnd()));
    EXPECT_TRUE(m_window.GetStyle() & WS_CHILD);
    EXPECT_FALSE(m_window.GetStyle() & WS_POPUP);
    CRect rcWindow;
    m_window.GetWindowRect(&rcWindow);
    m_bar.ScreenToClient(&rcWindow);
    EXPECT_EQ(CRect(11, 7, 91, 27), rcWindow);
    EXPECT_TRUE(m_pCustom->HasOwnFace());

    m_pCustom->SetEnabled(FALSE);
    EXPECT_FALSE(m_window.IsWindowEnabled());
    m_pCustom->SetVisible(FALSE);
    EXPECT_FALSE(m_window.IsWindowVisible());
    m_pCustom->SetVisible(TRUE);
    EXPECT_TRUE(m_window.IsWindowVisible());
}

// Records the mouse moves a window gets.
class CMoveRecorder : public CXTPHookManagerHookAble
{
public:
    int OnHookMessage(HWND /*hWnd*/, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                      LRESULT& /*lResult*/) override
    {
        if (nMessage == WM_MOUSEMOVE)
            m_moves.push_back({static_cast<UINT>(wParam), CPoint(LOWORD(lParam), HIWORD(lParam))});
        return hookNext;
    }
    struct Move
    {
        UINT nFlags;
        CPoint pt;
    };
    std::vector<Move> m_moves;
};

TEST_F(ControlCustomTest, MouseMovesInTheWindowReachTheBar)
{
    m_pCustom->SetRect(CRect(10, 5, 94, 31));   // the window at (11, 7) of the bar
    CMoveRecorder bar, window;
    XTPHookManager()->SetHook(m_bar.GetSafeHwnd(), &bar);
    XTPHookManager()->SetHook(m_window.GetSafeHwnd(), &window);
    m_window.SendMessage(WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(3, 4));
    ASSERT_EQ(1u, bar.m_moves.size());
    EXPECT_EQ(static_cast<UINT>(MK_SHIFT), bar.m_moves[0].nFlags);
    EXPECT_EQ(CPoint(14, 11), bar.m_moves[0].pt);
    EXPECT_EQ(1u, window.m_moves.size());   // the window still gets it

    // A copy shares the window but does not hold it: one move, not two.
    CTestBar other;
    other.GetControls()->AddCopy(m_pCustom);
    m_window.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(2u, bar.m_moves.size());

    // A control that goes takes its hook along.
    m_bar.GetControls()->Remove(m_pCustom);
    m_window.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(2u, bar.m_moves.size());
    XTPHookManager()->RemoveAll(&bar);
    XTPHookManager()->RemoveAll(&window);
}

TEST_F(ControlCustomTest, VerticalOptions)
{
    CTestDib dib(4, 4);
    m_pCustom->SetRect(CRect(10, 5, 94, 31));

    // 0: hidden while docked vertically.
    m_pCustom->OnCalcDynamicSize(0x10);
    EXPECT_EQ(xtpHideDockingPosition, m_pCustom->GetHideFlags());
    EXPECT_FALSE(m_window.IsWindowVisible());
    m_pCustom->OnCalcDynamicSize(0x08);
    EXPECT_EQ(0u, m_pCustom->GetHideFlags());
    EXPECT_TRUE(m_window.IsWindowVisible());

    // 2: a button while docked vertically, the window again when horizontal.
    m_pCustom->SetVerticalPositionOption(xtpVerticalButton);
    m_pCustom->OnCalcDynamicSize(0x10);
    EXPECT_EQ(0u, m_pCustom->GetHideFlags());
    EXPECT_FALSE(m_window.IsWindowVisible());
    EXPECT_FALSE(m_pCustom->HasOwnFace());
    CSize szButton = m_theme.DrawControl(&dib.DC(), m_pCustom, FALSE);
    EXPECT_EQ(szButton, m_pCustom->GetSize(&dib.DC()));
    m_pCustom->OnCalcDynamicSize(0x08);
    EXPECT_TRUE(m_window.IsWindowVisible());
    EXPECT_EQ(CSize(84, 26), m_pCustom->GetSize(&dib.DC()));

    // 1: the window stays.
    m_pCustom->SetVerticalPositionOption(xtpVerticalShow);
    m_pCustom->OnCalcDynamicSize(0x10);
    EXPECT_TRUE(m_window.IsWindowVisible());
}

TEST(ControlCustom, WithoutItsWindowItIsAButton)
{
    struct ReleaseCommandBars
    {
        void operator()(CXTPCommandBars* p) const { p->InternalRelease(); }
    };
    std::unique_ptr<CXTPCommandBars, ReleaseCommandBars> pCommandBars(new CXTPCommandBars);
    EXPECT_EQ(nullptr, CXTPControlCustom::FindControlWindow(pCommandBars.get(), 5));
    EXPECT_EQ(nullptr, CXTPControlCustom::FindControlWindow(nullptr, 5));
    CTestTheme theme;
    CTestBar bar;
    bar.SetPaintManager(&theme);
    CXTPControl* pCustom = bar.GetControls()->Add(xtpControlCustom, 0);
    pCustom->SetCaption("Suche");
    CTestDib dib(4, 4);
    EXPECT_EQ(theme.DrawControl(&dib.DC(), pCustom, FALSE), pCustom->GetSize(&dib.DC()));
    EXPECT_FALSE(pCustom->HasOwnFace());
    EXPECT_EQ(xtpFlagNoMovable, pCustom->GetFlags());
}

} // namespace
