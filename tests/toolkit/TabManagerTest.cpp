// The tab manager as its embedding window drives it: selection and its
// clamping, the keyboard table (with right-to-left windows), the palette,
// hit tests, the scroll offset, and the modal loops (click, reorder and
// the navigate buttons' press loop) fed with messages posted before they
// start, with the toolkit clock standing in for time.
#include "TabTestSupport.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/ToolkitClock.h"
#include "toolkit/extras/TabNavigateButton.h"
#include "toolkit/extras/ToolTipContext.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LPARAM PointParam(CPoint pt)
{
    return MAKELPARAM(pt.x, pt.y);
}

std::string Order(const CXTPTabManager& tabs)
{
    std::string str;
    for (int i = 0; i < tabs.GetItemCount(); ++i)
        str += static_cast<LPCSTR>(tabs.GetItem(i)->GetCaption());
    return str;
}

class TabManagerTest : public testing::Test
{
protected:
    void AddTabs(int nCount)
    {
        static const char* s_captions[] = {"A", "B", "C", "D", "E", "F"};
        for (int i = 0; i < nCount; ++i)
            m_strip.AddTab(s_captions[i]);
    }

    CXTPTabManager& Tabs() { return m_strip; }

    CTestTabStrip m_strip;
};

} // namespace

TEST_F(TabManagerTest, EmptyStripSelectsNothing)
{
    for (UINT nKey : {VK_HOME, VK_END, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_SPACE})
        EXPECT_FALSE(Tabs().OnKeyDown(nullptr, nKey)) << nKey;
    Tabs().SetCurSel(5);
    EXPECT_EQ(nullptr, Tabs().GetSelectedItem());
    EXPECT_EQ(-1, Tabs().GetCurSel());
}

TEST_F(TabManagerTest, SetCurSelClampsToTheTabs)
{
    AddTabs(4);
    const struct { int nIndex; int nExpected; } cases[] = {{-3, 0}, {2, 2}, {4 + 4, 3}, {0, 0}};
    for (const auto& c : cases)
    {
        Tabs().SetCurSel(c.nIndex);
        EXPECT_EQ(c.nExpected, Tabs().GetCurSel()) << c.nIndex;
    }
}

TEST_F(TabManagerTest, KeysMoveTheSelection)
{
    struct KeyCase
    {
        int nPosition;
        BOOL bRightToLeft;
        int nHidden;      // tab made invisible, -1 none
        int nDisabled;    // tab made disabled, -1 none
        int nStart;       // selected before, -1 none
        UINT nKey;
        int nExpected;
        BOOL bHandled;
    };
    const KeyCase cases[] = {
        {xtpTabPositionTop, FALSE, -1, -1, 2, VK_HOME, 0, TRUE},
        {xtpTabPositionTop, FALSE, -1, -1, 1, VK_END, 3, TRUE},
        {xtpTabPositionTop, FALSE, 0, -1, 2, VK_HOME, 1, TRUE},
        {xtpTabPositionTop, FALSE, 3, 2, 0, VK_END, 1, TRUE},
        {xtpTabPositionTop, FALSE, -1, -1, 0, VK_LEFT, 0, TRUE},
        {xtpTabPositionTop, TRUE, -1, -1, 0, VK_LEFT, 1, TRUE},
        {xtpTabPositionTop, TRUE, -1, -1, 2, VK_RIGHT, 1, TRUE},
        {xtpTabPositionTop, FALSE, -1, -1, 1, VK_RIGHT, 2, TRUE},
        {xtpTabPositionTop, FALSE, -1, 2, 1, VK_RIGHT, 3, TRUE},
        {xtpTabPositionTop, FALSE, -1, -1, 3, VK_RIGHT, 3, TRUE},
        {xtpTabPositionTop, FALSE, -1, -1, 1, VK_DOWN, 1, TRUE},
        {xtpTabPositionBottom, FALSE, -1, -1, 1, VK_LEFT, 0, TRUE},
        {xtpTabPositionLeft, FALSE, -1, -1, 1, VK_DOWN, 2, TRUE},
        {xtpTabPositionLeft, FALSE, -1, -1, 1, VK_UP, 0, TRUE},
        {xtpTabPositionRight, FALSE, -1, -1, 1, VK_RIGHT, 1, TRUE},
        {xtpTabPositionTop, FALSE, -1, -1, -1, VK_RIGHT, -1, TRUE},
        {xtpTabPositionTop, FALSE, -1, -1, 1, VK_TAB, 1, FALSE},
        {xtpTabPositionTop, FALSE, -1, -1, 1, VK_PRIOR, 1, FALSE},
    };
    ASSERT_TRUE(m_strip.CreateStrip(CRect(0, 0, 300, 100)));
    int nRow = 0;
    for (const KeyCase& c : cases)
    {
        SCOPED_TRACE(nRow++);
        Tabs().DeleteAllItems();
        AddTabs(4);
        m_strip.m_pPaintManager->SetPosition(c.nPosition);
        DWORD dwExStyle = c.bRightToLeft ? WS_EX_LAYOUTRTL : 0;
        ::SetWindowLongA(m_strip.GetSafeHwnd(), GWL_EXSTYLE, static_cast<LONG>(dwExStyle));
        if (c.nHidden >= 0)
            Tabs().GetItem(c.nHidden)->SetVisible(FALSE);
        if (c.nDisabled >= 0)
            Tabs().GetItem(c.nDisabled)->SetEnabled(FALSE);
        if (c.nStart >= 0)
            Tabs().SetCurSel(c.nStart);
        EXPECT_EQ(c.bHandled, Tabs().OnKeyDown(&m_strip, c.nKey));
        EXPECT_EQ(c.nExpected, Tabs().GetCurSel());
    }
}

TEST_F(TabManagerTest, HomeWithNoSelectableTabChangesNothing)
{
    AddTabs(2);
    Tabs().SetCurSel(1);
    Tabs().GetItem(0)->SetVisible(FALSE);
    Tabs().GetItem(1)->SetEnabled(FALSE);
    EXPECT_TRUE(Tabs().OnKeyDown(nullptr, VK_HOME));
    EXPECT_EQ(1, Tabs().GetCurSel());
}

TEST_F(TabManagerTest, PaletteCodesGiveThePaletteColours)
{
    AddTabs(1);
    CXTPTabManagerItem* pItem = Tabs().GetItem(0);
    const struct { COLORREF clrSet; COLORREF clrExpected; } cases[] = {
        {xtpTabColorBlue, RGB(138, 168, 228)},   {xtpTabColorYellow, RGB(255, 219, 117)},
        {xtpTabColorGreen, RGB(189, 205, 159)},  {xtpTabColorRed, RGB(240, 158, 159)},
        {xtpTabColorPurple, RGB(186, 166, 225)}, {xtpTabColorCyan, RGB(154, 191, 180)},
        {xtpTabColorOrange, RGB(247, 182, 131)}, {xtpTabColorMagenta, RGB(216, 171, 192)},
        {0x1000008, 0x1000008},                  {RGB(1, 2, 3), RGB(1, 2, 3)},
    };
    for (const auto& c : cases)
    {
        pItem->SetColor(c.clrSet);
        EXPECT_EQ(c.clrExpected, pItem->GetColor()) << std::hex << c.clrSet;
    }
}

TEST_F(TabManagerTest, ScrollOffsetIsNeverPositive)
{
    m_strip.SetLayoutRect(CRect(0, 0, 120, 60));
    for (int i = 0; i < 6; ++i)
        m_strip.AddTab("Registerkarte");
    Tabs().SetScrollOffset(15);
    EXPECT_EQ(0, Tabs().GetScrollOffset());
    int nBefore = m_strip.m_nRepositions;
    Tabs().SetScrollOffset(-20);
    Tabs().SetScrollOffset(-20);
    EXPECT_EQ(nBefore + 1, m_strip.m_nRepositions);
    EXPECT_EQ(-20, Tabs().GetScrollOffset());
    Tabs().ScrollHeader(FALSE);
    EXPECT_EQ(0, Tabs().GetScrollOffset());
}

TEST_F(TabManagerTest, HitTestFindsTheFirstEnabledVisibleTab)
{
    m_strip.SetLayoutRect(CRect(0, 0, 400, 100));
    AddTabs(4);
    Tabs().GetItem(2)->SetEnabled(FALSE);
    CRect rc0 = Tabs().GetItem(0)->GetRect();
    CRect rc1 = Tabs().GetItem(1)->GetRect();
    CRect rc2 = Tabs().GetItem(2)->GetRect();
    CRect rc3 = Tabs().GetItem(3)->GetRect();
    ASSERT_EQ(rc0.right, rc1.left);
    const struct { CPoint pt; int nExpected; } cases[] = {
        {rc0.CenterPoint(), 0},
        {CPoint(rc0.left, rc0.top), 0},
        {CPoint(rc0.right - 1, rc0.bottom - 1), 0},
        {CPoint(rc1.left, rc1.top), 1},
        {rc2.CenterPoint(), -1},
        {rc3.CenterPoint(), 3},
        {CPoint(rc3.right, rc3.top), -1},
        {CPoint(rc0.left, rc0.top - 1), -1},
        {CPoint(200, 80), -1},
        {CPoint(-5, rc0.top), -1},
    };
    for (const auto& c : cases)
    {
        CXTPTabManagerItem* pHit = Tabs().HitTest(c.pt);
        EXPECT_EQ(c.nExpected, pHit ? pHit->GetIndex() : -1) << c.pt.x << "," << c.pt.y;
    }
    // A hidden tab is no longer hit where it was; the next one took its place.
    Tabs().GetItem(0)->SetVisible(FALSE);
    CXTPTabManagerItem* pHit = Tabs().HitTest(rc0.CenterPoint());
    EXPECT_EQ(1, pHit ? pHit->GetIndex() : -1);
}

TEST_F(TabManagerTest, CloseButtonFollowsItsModeAndTheSelectedTab)
{
    m_strip.SetLayoutRect(CRect(0, 0, 400, 100));
    AddTabs(2);
    CXTPTabManagerNavigateButton* pClose = Tabs().FindNavigateButton(xtpTabNavigateButtonClose);
    ASSERT_NE(nullptr, pClose);
    Tabs().SetCurSel(0);
    EXPECT_FALSE(pClose->IsVisible());

    pClose->SetFlags(xtpTabNavigateButtonAutomatic);
    Tabs().SetSelectedItem(nullptr);
    Tabs().Reposition();
    EXPECT_FALSE(pClose->IsVisible());
    Tabs().SetCurSel(1);
    EXPECT_TRUE(pClose->IsVisible());
    Tabs().GetItem(1)->SetClosable(FALSE);
    Tabs().Reposition();
    EXPECT_FALSE(pClose->IsVisible());
    Tabs().SetCurSel(0);
    ASSERT_TRUE(pClose->IsVisible());
    // Placed at the header's far end, centred across it.
    CRect rcHeader = Tabs().GetHeaderRect();
    EXPECT_EQ(CRect(399 - 14, rcHeader.CenterPoint().y + 7 - 15, 399, rcHeader.CenterPoint().y + 7),
              pClose->GetRect());
}

TEST_F(TabManagerTest, CloseButtonReleasedOverItReportsItsId)
{
    ASSERT_TRUE(m_strip.CreateStrip(CRect(0, 0, 300, 100)));
    AddTabs(2);
    CXTPTabManagerNavigateButton* pClose = Tabs().FindNavigateButton(xtpTabNavigateButtonClose);
    pClose->SetFlags(xtpTabNavigateButtonAlways);
    Tabs().Reposition();
    CPoint pt = pClose->GetRect().CenterPoint();
    ::PostMessageA(m_strip.GetSafeHwnd(), WM_LBUTTONUP, 0, PointParam(pt));
    EXPECT_TRUE(Tabs().PerformClick(&m_strip, pt));
    ASSERT_EQ(1u, m_strip.m_arrButtonClicks.size());
    EXPECT_EQ(xtpTabNavigateButtonClose, m_strip.m_arrButtonClicks[0]);

    // Released outside: no click.
    ::PostMessageA(m_strip.GetSafeHwnd(), WM_MOUSEMOVE, 0, PointParam(CPoint(5, 90)));
    ::PostMessageA(m_strip.GetSafeHwnd(), WM_LBUTTONUP, 0, PointParam(CPoint(5, 90)));
    Tabs().PerformClick(&m_strip, pt);
    EXPECT_EQ(1u, m_strip.m_arrButtonClicks.size());
    EXPECT_NE(m_strip.GetSafeHwnd(), ::GetCapture());
}

namespace {

// How each click loop run ended.
struct ClickCase
{
    const char* pszName;
    std::vector<std::pair<UINT, int>> messages;   // message, 0 inside the tab / 1 outside
    BOOL bSelected;
};

} // namespace

TEST_F(TabManagerTest, ClickLoopSelectsOnReleaseInside)
{
    ASSERT_TRUE(m_strip.CreateStrip(CRect(0, 0, 300, 100)));
    AddTabs(3);
    Tabs().SetReorderAllowed(FALSE);
    m_strip.m_pPaintManager->SetSelectOnButtonDown(FALSE);
    const ClickCase cases[] = {
        {"release inside", {{WM_LBUTTONUP, 0}}, TRUE},
        {"out and back", {{WM_MOUSEMOVE, 1}, {WM_MOUSEMOVE, 0}, {WM_LBUTTONUP, 0}}, TRUE},
        {"release outside", {{WM_MOUSEMOVE, 1}, {WM_LBUTTONUP, 1}}, FALSE},
        {"escape", {{WM_KEYDOWN, VK_ESCAPE}, {WM_LBUTTONUP, 0}}, FALSE},
        {"other key swallowed", {{WM_KEYDOWN, 'X'}, {WM_LBUTTONUP, 0}}, TRUE},
        {"right button", {{WM_RBUTTONDOWN, 0}, {WM_LBUTTONUP, 0}}, FALSE},
        {"cancel mode", {{WM_CANCELMODE, 0}}, FALSE},
    };
    for (const ClickCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        Tabs().SetCurSel(0);
        m_strip.m_nSelectNotifications = 0;
        CPoint ptInside = Tabs().GetItem(1)->GetRect().CenterPoint();
        for (const auto& m : c.messages)
        {
            WPARAM wParam = m.first == WM_KEYDOWN ? static_cast<WPARAM>(m.second) : 0;
            CPoint pt = m.first != WM_KEYDOWN && m.second == 1 ? CPoint(250, 80) : ptInside;
            ::PostMessageA(m_strip.GetSafeHwnd(), m.first, wParam, PointParam(pt));
        }
        EXPECT_TRUE(Tabs().PerformClick(&m_strip, ptInside));
        EXPECT_EQ(c.bSelected ? 1 : 0, Tabs().GetCurSel());
        EXPECT_EQ(c.bSelected ? 1 : 0, m_strip.m_nSelectNotifications);
        EXPECT_EQ(nullptr, Tabs().GetPressedItem());
        EXPECT_NE(m_strip.GetSafeHwnd(), ::GetCapture());
        // Whatever the loop left unread goes now.
        MSG msg;
        while (::PeekMessageA(&msg, m_strip.GetSafeHwnd(), 0, 0, PM_REMOVE))
        {
        }
    }
}

TEST_F(TabManagerTest, LoopsGiveBackQuitAndStopForDeletedTabs)
{
    ASSERT_TRUE(m_strip.CreateStrip(CRect(0, 0, 300, 100)));
    AddTabs(3);
    Tabs().SetReorderAllowed(FALSE);
    m_strip.m_pPaintManager->SetSelectOnButtonDown(FALSE);
    CPoint pt = Tabs().GetItem(1)->GetRect().CenterPoint();

    ::PostQuitMessage(7);
    Tabs().PerformClick(&m_strip, pt);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(7, static_cast<int>(msg.wParam));
    EXPECT_EQ(0, m_strip.m_nSelectNotifications);

    // A message in the middle of the loop deletes the pressed tab.
    m_strip.m_onAppMessage = [&](WPARAM) { Tabs().DeleteItem(1); };
    ::PostMessageA(m_strip.GetSafeHwnd(), WM_APP, 0, 0);
    ::PostMessageA(m_strip.GetSafeHwnd(), WM_MOUSEMOVE, 0, PointParam(pt));
    ::PostMessageA(m_strip.GetSafeHwnd(), WM_LBUTTONUP, 0, PointParam(pt));
    Tabs().PerformClick(&m_strip, pt);
    EXPECT_EQ(2, Tabs().GetItemCount());
    EXPECT_EQ(0, m_strip.m_nSelectNotifications);
    EXPECT_NE(m_strip.GetSafeHwnd(), ::GetCapture());
    while (::PeekMessageA(&msg, m_strip.GetSafeHwnd(), 0, 0, PM_REMOVE))
    {
    }

    // The same in a reorder drag: the drag ends, nothing is swapped.
    Tabs().SetReorderAllowed(TRUE);
    pt = Tabs().GetItem(0)->GetRect().CenterPoint();
    m_strip.m_onAppMessage = [&](WPARAM) { Tabs().DeleteItem(0); };
    ::PostMessageA(m_strip.GetSafeHwnd(), WM_APP, 0, 0);
    ::PostMessageA(m_strip.GetSafeHwnd(), WM_MOUSEMOVE, 0,
                   PointParam(Tabs().GetItem(1)->GetRect().CenterPoint()));
    ::PostMessageA(m_strip.GetSafeHwnd(), WM_LBUTTONUP, 0, PointParam(pt));
    Tabs().PerformClick(&m_strip, pt);
    EXPECT_EQ("C", Order(Tabs()));
    while (::PeekMessageA(&msg, m_strip.GetSafeHwnd(), 0, 0, PM_REMOVE))
    {
    }
}

TEST_F(TabManagerTest, ReorderSwapsStepByStepAndNotifiesOnce)
{
    ASSERT_TRUE(m_strip.CreateStrip(CRect(0, 0, 300, 100)));
    AddTabs(4);
    Tabs().SetCurSel(3);
    m_strip.m_nSelectNotifications = 0;
    CPoint pt0 = Tabs().GetItem(0)->GetRect().CenterPoint();
    CPoint pt1 = Tabs().GetItem(1)->GetRect().CenterPoint();
    CPoint pt2 = Tabs().GetItem(2)->GetRect().CenterPoint();
    HWND hWnd = m_strip.GetSafeHwnd();
    ::PostMessageA(hWnd, WM_MOUSEMOVE, 0, PointParam(pt1));
    ::PostMessageA(hWnd, WM_MOUSEMOVE, 0, PointParam(pt2));
    ::PostMessageA(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(Tabs().PerformClick(&m_strip, pt0));
    EXPECT_EQ("BCAD", Order(Tabs()));
    EXPECT_EQ(1, m_strip.m_nSelectNotifications);
    EXPECT_EQ(2, Tabs().GetCurSel());
    EXPECT_EQ("A", std::string(Tabs().GetSelectedItem()->GetCaption()));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(i, Tabs().GetItem(i)->GetIndex());
}

namespace {

DWORD g_tick;
DWORD FakeTick() { return g_tick; }

} // namespace

TEST_F(TabManagerTest, ArrowScrollsOneStepPerTwentyMillisecondsHeld)
{
    ASSERT_TRUE(m_strip.CreateStrip(CRect(0, 0, 120, 60)));
    for (int i = 0; i < 6; ++i)
        m_strip.AddTab("Registerkarte");
    CXTPTabManagerNavigateButton* pRight = Tabs().FindNavigateButton(xtpTabNavigateButtonRight);
    ASSERT_TRUE(pRight->IsVisible());
    ASSERT_TRUE(pRight->IsEnabled());
    CPoint pt = pRight->GetRect().CenterPoint();
    HWND hWnd = m_strip.GetSafeHwnd();

    g_tick = 1000;
    CXTPToolkitClock previous = XTPSetToolkitClock({FakeTick, nullptr});
    m_strip.m_onAppMessage = [](WPARAM wParam) { g_tick += static_cast<DWORD>(wParam); };
    struct PressCase
    {
        const char* pszName;
        std::vector<DWORD> advances;   // clock steps while held
        BOOL bDragOut;
        int nSteps;
    };
    const PressCase cases[] = {
        {"quick click", {}, FALSE, 0},
        {"held 20 ms", {20}, FALSE, 0},
        {"held three ticks", {21, 21, 21}, FALSE, 3},
        {"dragged out", {25, 25}, TRUE, 2},
    };
    for (const PressCase& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        Tabs().SetScrollOffset(0);
        if (c.bDragOut)
            ::PostMessageA(hWnd, WM_MOUSEMOVE, 0, PointParam(CPoint(2, 50)));
        for (DWORD dwAdvance : c.advances)
            ::PostMessageA(hWnd, WM_APP, dwAdvance, 0);
        ::PostMessageA(hWnd, WM_LBUTTONUP, 0, PointParam(c.bDragOut ? CPoint(2, 50) : pt));
        EXPECT_TRUE(Tabs().PerformClick(&m_strip, pt));
        EXPECT_EQ(-c.nSteps * Tabs().GetScrollStep(), Tabs().GetScrollOffset());
        EXPECT_FALSE(pRight->IsPressed());
    }
    EXPECT_TRUE(m_strip.m_arrButtonClicks.empty());

    // The left arrow is enabled once the header is scrolled.
    CXTPTabManagerNavigateButton* pLeft = Tabs().FindNavigateButton(xtpTabNavigateButtonLeft);
    EXPECT_TRUE(pLeft->IsVisible());
    EXPECT_TRUE(pLeft->IsEnabled());
    ::PostMessageA(hWnd, WM_APP, 30, 0);
    ::PostMessageA(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    Tabs().PerformClick(&m_strip, pLeft->GetRect().CenterPoint());
    EXPECT_EQ(-Tabs().GetScrollStep(), Tabs().GetScrollOffset());

    ::PostQuitMessage(3);
    Tabs().PerformClick(&m_strip, pLeft->GetRect().CenterPoint());
    MSG msg;
    EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    XTPSetToolkitClock(previous);
}

TEST_F(TabManagerTest, ToolHitTestFollowsTheTooltipMode)
{
    m_strip.SetLayoutRect(CRect(0, 0, 120, 60));
    for (int i = 0; i < 6; ++i)
        m_strip.AddTab("Registerkarte mit langem Namen");
    m_strip.AddTab("K");
    Tabs().GetItem(0)->SetTooltip("Erste Karte");
    CXTPTabPaintManager* pPaint = m_strip.m_pPaintManager;
    pPaint->SetLayoutMode(xtpTabLayoutSizeToFit);
    ASSERT_TRUE(Tabs().GetItem(0)->IsTruncated());
    CPoint pt0;
    const struct { int nMode; BOOL bTruncated; INT_PTR nExpected; } cases[] = {
        {2, TRUE, 0}, {1, TRUE, 0}, {0, TRUE, -1}, {2, FALSE, -1}, {1, FALSE, 0},
    };
    for (const auto& c : cases)
    {
        pPaint->SetToolTipBehaviour(c.nMode);
        pPaint->SetLayoutMode(c.bTruncated ? xtpTabLayoutSizeToFit : xtpTabLayoutAutoSize);
        Tabs().SetScrollOffset(0);
        // Near the tab's start: a long tab runs on under the arrows.
        pt0 = CPoint(Tabs().GetItem(0)->GetRect().left + 5, Tabs().GetItem(0)->GetRect().CenterPoint().y);
        TOOLINFOA ti = {};
        ti.cbSize = CXTPToolTipContext::TOOLINFO_SIZE;
        EXPECT_EQ(c.nExpected, Tabs().PerformToolHitTest(nullptr, pt0, &ti))
            << c.nMode << " " << c.bTruncated;
        if (c.nExpected == 0)
        {
            EXPECT_STREQ("Erste Karte", ti.lpszText);
            EXPECT_EQ(Tabs().GetItem(0)->GetRect(), CRect(ti.rect));
        }
        CXTPToolTipContext::FreeToolInfoCopies(&ti);
    }
    // A tab without a tooltip text offers none.
    pPaint->SetToolTipBehaviour(1);
    EXPECT_EQ(-1, Tabs().PerformToolHitTest(nullptr, Tabs().GetItem(1)->GetRect().CenterPoint(), nullptr));

    // Navigate buttons: their index, once they have a text (the program
    // has none for them).
    pPaint->SetLayoutMode(xtpTabLayoutAutoSize);
    CXTPTabManagerNavigateButton* pRight = Tabs().FindNavigateButton(xtpTabNavigateButtonRight);
    ASSERT_TRUE(pRight->IsVisible());
    CPoint ptRight = pRight->GetRect().CenterPoint();
    int nIndex = -1;
    EXPECT_EQ(pRight, Tabs().HitTestNavigateButton(ptRight, &nIndex));
    EXPECT_EQ(1, nIndex);
    EXPECT_EQ(nullptr, Tabs().HitTest(ptRight));
    EXPECT_TRUE(pRight->GetTooltip().IsEmpty());
    EXPECT_EQ(-1, Tabs().PerformToolHitTest(nullptr, ptRight, nullptr));
    pRight->SetTooltip("Weiter");
    TOOLINFOA ti = {};
    ti.cbSize = CXTPToolTipContext::TOOLINFO_SIZE;
    EXPECT_EQ(1, Tabs().PerformToolHitTest(nullptr, ptRight, &ti));
    EXPECT_STREQ("Weiter", ti.lpszText);
    CXTPToolTipContext::FreeToolInfoCopies(&ti);
    // Disabled: no tip.
    CXTPTabManagerNavigateButton* pLeft = Tabs().FindNavigateButton(xtpTabNavigateButtonLeft);
    pLeft->SetTooltip("Zurück");
    ASSERT_FALSE(pLeft->IsEnabled());
    EXPECT_EQ(-1, Tabs().PerformToolHitTest(nullptr, pLeft->GetRect().CenterPoint(), nullptr));
}

TEST_F(TabManagerTest, PaintManagerForgetsDestroyedStrips)
{
    CXTPTabPaintManager* pShared = new CXTPTabPaintManager();
    {
        CTestTabStrip other;
        pShared->AddAtom(&other);
        int nBefore = other.m_nRepositions;
        pShared->SetPosition(xtpTabPositionBottom);
        EXPECT_EQ(nBefore + 1, other.m_nRepositions);
    }
    // The strip is gone; telling the paint manager's atoms must not reach it.
    pShared->SetPosition(xtpTabPositionLeft);
    pShared->SetAppearance(3);
    // And a strip outlives a paint manager it was attached to.
    CXTPTabPaintManager* pShortLived = new CXTPTabPaintManager();
    pShortLived->AddAtom(&m_strip);
    pShortLived->InternalRelease();
    m_strip.m_pPaintManager->SetPosition(xtpTabPositionRight);
    pShared->InternalRelease();
}
