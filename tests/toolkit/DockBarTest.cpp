// Dock bars on a hidden frame with bars of fixed sizes: the list of rows as
// bars are docked (appended, dropped into a row, between rows, on a row's
// edge), removed and stretched; the frame's layout giving each dock bar its
// thickness; and the bars placed at the positions they were dropped at.
#include "toolkit/commandbars/DockBar.h"

#include "DockTestSupport.h"
#include "framework/ui/FrameWnd.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class DockBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Andockleisten", WS_OVERLAPPEDWINDOW,
                                     CRect(0, 0, 700, 500)));
        const struct
        {
            DWORD dwStyle;
            UINT nId;
        } kDocks[] = {{XTP_DOCKBAR_STYLE_TOP, XTP_ID_DOCKBAR_TOP},
                      {XTP_DOCKBAR_STYLE_BOTTOM, XTP_ID_DOCKBAR_BOTTOM},
                      {XTP_DOCKBAR_STYLE_LEFT, XTP_ID_DOCKBAR_LEFT},
                      {XTP_DOCKBAR_STYLE_RIGHT, XTP_ID_DOCKBAR_RIGHT}};
        for (int i = 0; i < 4; ++i)
        {
            m_docks[i].reset(new CXTPDockBar);
            ASSERT_TRUE(m_docks[i]->Create(m_pFrame, 0x56000000 | kDocks[i].dwStyle, kDocks[i].nId));
        }
    }
    void TearDown() override
    {
        m_bars.clear();
        for (auto& pDock : m_docks)
            if (pDock)
                pDock->DestroyWindow();
        if (m_pFrame && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
    }

    CFixedDockBar* NewBar(UINT nId, CSize size, DWORD dwFlags = 0)
    {
        m_bars.emplace_back(new CFixedDockBar(nId, size, dwFlags));
        EXPECT_TRUE(m_bars.back()->CreateIn(m_pFrame));
        return m_bars.back().get();
    }
    // A rectangle at the client point of the dock bar, in screen coordinates.
    CRect DropRect(CXTPDockBar* pDock, int x, int y, CSize size)
    {
        CRect rc(CPoint(x, y), size);
        pDock->ClientToScreen(&rc);
        return rc;
    }
    CRect RectIn(CXTPDockBar* pDock, CWnd* pBar)
    {
        CRect rc;
        pBar->GetWindowRect(&rc);
        pDock->ScreenToClient(&rc);
        return rc;
    }
    CRect FrameRect(CWnd* pWnd)
    {
        CRect rc;
        pWnd->GetWindowRect(&rc);
        m_pFrame->ScreenToClient(&rc);
        return rc;
    }

    CFrameWnd* m_pFrame = nullptr;
    std::unique_ptr<CXTPDockBar> m_docks[4];
    std::vector<std::unique_ptr<CFixedDockBar>> m_bars;
};

TEST_F(DockBarTest, SidesNamesAndAnEmptyList)
{
    const char* const kNames[] = {"xtpBarTop", "xtpBarBottom", "xtpBarLeft", "xtpBarRight"};
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(i, m_docks[i]->GetDockPosition());
        EXPECT_EQ(i < 2, m_docks[i]->IsHorizontal() != FALSE);
        CString strText;
        m_docks[i]->GetWindowText(strText);
        EXPECT_STREQ(kNames[i], strText);
        EXPECT_EQ(std::vector<UINT>{0}, m_docks[i]->GetEntryIds());
        EXPECT_TRUE(m_docks[i]->GetStyle() & WS_CLIPSIBLINGS);
    }
}

TEST_F(DockBarTest, RowsAsBarsAreDockedMovedAndRemoved)
{
    CXTPDockBar* pTop = m_docks[0].get();
    CFixedDockBar* pFirst = NewBar(1, CSize(200, 26));
    CFixedDockBar* pSecond = NewBar(2, CSize(150, 22));
    pTop->DockCommandBar(pFirst);
    pTop->DockCommandBar(pSecond);
    EXPECT_EQ((std::vector<UINT>{0, 1, 0, 2, 0}), pTop->GetEntryIds());
    EXPECT_EQ(pTop, pFirst->GetParent());
    EXPECT_EQ(pTop, pSecond->GetDockBar());
    m_pFrame->RecalcLayout();
    EXPECT_EQ(CRect(0, 0, 200, 26), RectIn(pTop, pFirst));
    EXPECT_EQ(CRect(0, 26, 150, 48), RectIn(pTop, pSecond));
    EXPECT_EQ(48, FrameRect(pTop).Height());

    // Dropped a pixel above the first row's lower edge: into that row, at
    // the place it was dropped.
    pTop->DockCommandBar(pSecond, DropRect(pTop, 300, 25 - 11, CSize(150, 22)));
    EXPECT_EQ((std::vector<UINT>{0, 2, 1, 0}), pTop->GetEntryIds());
    m_pFrame->RecalcLayout();
    EXPECT_EQ(CRect(300, 0, 450, 22), RectIn(pTop, pSecond));
    EXPECT_EQ(26, FrameRect(pTop).Height());
    std::vector<CXTPCommandBar*> row;
    pTop->GetRowBarsInOrder(1, row);
    EXPECT_EQ((std::vector<CXTPCommandBar*>{pFirst, pSecond}), row);
    pTop->GetRowBars(2, row);
    EXPECT_EQ((std::vector<CXTPCommandBar*>{pSecond, pFirst}), row);

    // Dropped with its centre exactly on that edge: a row of its own.
    pTop->DockCommandBar(pSecond, DropRect(pTop, 0, 26 - 11, CSize(150, 22)));
    EXPECT_EQ((std::vector<UINT>{0, 1, 0, 2, 0}), pTop->GetEntryIds());

    // Above the first row: a new first row.
    pTop->DockCommandBar(pSecond, DropRect(pTop, 0, -30, CSize(150, 22)));
    EXPECT_EQ((std::vector<UINT>{0, 2, 0, 1, 0}), pTop->GetEntryIds());

    // The only bar of a row takes the row with it.
    pTop->RemoveCommandBar(pSecond);
    EXPECT_EQ((std::vector<UINT>{0, 1, 0}), pTop->GetEntryIds());
    EXPECT_EQ(nullptr, pSecond->GetDockBar());

    // From another dock bar: it leaves this one.
    m_docks[2]->DockCommandBar(pFirst);
    EXPECT_EQ(std::vector<UINT>{0}, pTop->GetEntryIds());
    EXPECT_EQ((std::vector<UINT>{0, 1, 0}), m_docks[2]->GetEntryIds());
    EXPECT_EQ(m_docks[2].get(), pFirst->GetParent());
}

TEST_F(DockBarTest, AStretchedBarNeverSharesARow)
{
    CXTPDockBar* pTop = m_docks[0].get();
    CFixedDockBar* pLeft = NewBar(1, CSize(100, 22));
    CFixedDockBar* pRight = NewBar(2, CSize(100, 22));
    CFixedDockBar* pWide = NewBar(3, CSize(100, 22), xtpFlagStretched);
    pTop->DockCommandBar(pLeft);
    pTop->DockCommandBar(pRight, DropRect(pTop, 300, 0, CSize(100, 22)));
    EXPECT_EQ((std::vector<UINT>{0, 2, 1, 0}), pTop->GetEntryIds());
    pTop->DockCommandBar(pWide, DropRect(pTop, 150, 0, CSize(100, 22)));
    EXPECT_EQ((std::vector<UINT>{0, 3, 0, 2, 1, 0}), pTop->GetEntryIds());
}

TEST_F(DockBarTest, TheRibbonsRowTakesNoOtherBar)
{
    CXTPDockBar* pTop = m_docks[0].get();
    CFixedDockBar* pRibbon = NewBar(5, CSize(600, 100));
    pRibbon->m_bRibbon = TRUE;
    pTop->DockCommandBar(pRibbon);
    m_pFrame->RecalcLayout();
    CFixedDockBar* pBar = NewBar(1, CSize(100, 22));
    pTop->DockCommandBar(pBar, DropRect(pTop, 300, 20, CSize(100, 22)));
    EXPECT_EQ((std::vector<UINT>{0, 5, 0, 1, 0}), pTop->GetEntryIds());
}

TEST_F(DockBarTest, TheFrameGivesEachDockBarItsThickness)
{
    CFixedDockBar* pTopBar = NewBar(1, CSize(200, 26));
    CFixedDockBar* pLeftBar = NewBar(2, CSize(120, 24));
    CFixedDockBar* pBottomBar = NewBar(3, CSize(80, 20));
    CFixedDockBar* pHidden = NewBar(4, CSize(80, 40));
    pHidden->m_bShown = FALSE;
    m_docks[0]->DockCommandBar(pTopBar);
    m_docks[2]->DockCommandBar(pLeftBar);
    m_docks[1]->DockCommandBar(pBottomBar);
    m_docks[1]->DockCommandBar(pHidden);
    m_pFrame->RecalcLayout();

    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    EXPECT_EQ(CRect(0, 0, rcClient.right, 26), FrameRect(m_docks[0].get()));
    EXPECT_EQ(CRect(0, rcClient.bottom - 20, rcClient.right, rcClient.bottom),
              FrameRect(m_docks[1].get()));
    // Left and right come after top and bottom, between them.
    EXPECT_EQ(CRect(0, 26, 24, rcClient.bottom - 20), FrameRect(m_docks[2].get()));
    EXPECT_EQ(0, FrameRect(m_docks[3].get()).Width());
    // On a vertical dock bar the bar stands.
    EXPECT_EQ(CRect(0, 0, 24, 120), RectIn(m_docks[2].get(), pLeftBar));
}

} // namespace
