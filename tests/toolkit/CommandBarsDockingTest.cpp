// The command bars' dock bars on a hidden frame: made with their ids and
// sides, and found for a dragged point within 20 pixels (19 docks, 20 does
// not), the current dock bar asked first. The snapshot of the arrangement
// takes the rows and the status bar's visibility from the windows.
#include "toolkit/commandbars/CommandBars.h"

#include "DockTestSupport.h"
#include "TestProfile.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBarsState.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/DockContext.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const CSize kBarSize(120, 24);

struct ReleaseTarget
{
    void operator()(CCmdTarget* p) const { p->InternalRelease(); }
};

class CommandBarsDockingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Andocken", WS_OVERLAPPEDWINDOW, CRect(50, 50, 650, 450)));
        m_pCommandBars.reset(new CXTPCommandBars);
        m_pCommandBars->SetSite(m_pFrame);
        m_pCommandBars->CreateDockBars();
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        m_pCommandBars.reset();
        if (m_pFrame && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
    }
    CPoint ClientPoint(int x, int y)
    {
        CPoint pt(x, y);
        m_pFrame->ClientToScreen(&pt);
        return pt;
    }

    CFrameWnd* m_pFrame = nullptr;
    std::unique_ptr<CXTPCommandBars, ReleaseTarget> m_pCommandBars;
};

TEST_F(CommandBarsDockingTest, FourDockBarsOnTheSite)
{
    const UINT kIds[] = {59419, 59422, 59420, 59421};
    for (int i = 0; i < 4; ++i)
    {
        CXTPDockBar* pDockBar = m_pCommandBars->GetDockBar(i);
        ASSERT_NE(nullptr, pDockBar);
        EXPECT_EQ(i, pDockBar->GetDockPosition());
        EXPECT_EQ(m_pFrame, pDockBar->GetParent());
        EXPECT_EQ(kIds[i], static_cast<UINT>(pDockBar->GetDlgCtrlID()));
        EXPECT_EQ(DWORD(0x56000000), pDockBar->GetStyle() & 0xFF000000);
        EXPECT_EQ(m_pCommandBars.get(), pDockBar->GetCommandBars());
        EXPECT_EQ(i, XTPDockBarPosition(kIds[i]));
    }
    EXPECT_EQ(nullptr, m_pCommandBars->GetDockBar(4));
    EXPECT_EQ(-1, XTPDockBarPosition(1));
}

TEST_F(CommandBarsDockingTest, CanDockWithinTwentyPixels)
{
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    const int cx = rcClient.Width(), cy = rcClient.Height();
    const struct
    {
        CPoint pt;   // in the frame's client area
        int nCurrent;
        int nExpected;   // -1: none
    } kCases[] = {
        {CPoint(cx / 2, -19), -1, 0},
        {CPoint(cx / 2, -20), -1, -1},
        {CPoint(cx / 2, 19), -1, 0},
        {CPoint(cx / 2, 20), -1, -1},
        {CPoint(cx / 2, cy + 19), -1, 1},
        {CPoint(cx / 2, cy - 20), -1, -1},
        {CPoint(-19, cy / 2), -1, 2},
        {CPoint(cx + 19, cy / 2), -1, 3},
        {CPoint(10, 10), -1, 0},    // top before left
        {CPoint(10, 10), 2, 2},     // the current dock bar first
        {CPoint(cx / 2, cy / 2), 0, -1},
    };
    for (const auto& c : kCases)
    {
        CXTPDockBar* pCurrent = m_pCommandBars->GetDockBar(c.nCurrent);
        CXTPDockBar* pExpected = m_pCommandBars->GetDockBar(c.nExpected);
        EXPECT_EQ(pExpected, m_pCommandBars->CanDock(ClientPoint(c.pt.x, c.pt.y), pCurrent))
            << c.pt.x << "," << c.pt.y << " current " << c.nCurrent;
    }
}

TEST_F(CommandBarsDockingTest, SnapshotTakesRowsPlacesAndTheStatusBar)
{
    CFixedDockBar first(1, kBarSize), second(2, kBarSize), third(3, kBarSize);
    for (CFixedDockBar* pBar : {&first, &second, &third})
        ASSERT_TRUE(pBar->CreateIn(m_pFrame));
    third.SetVisible(FALSE);
    CXTPDockBar* pTop = m_pCommandBars->GetDockBar(0);
    CXTPDockBar* pLeft = m_pCommandBars->GetDockBar(2);
    pTop->DockCommandBar(&first);
    CRect rcDrop(CPoint(200, 0), CSize(120, 24));
    pTop->ClientToScreen(&rcDrop);
    pTop->DockCommandBar(&second, rcDrop);
    pLeft->DockCommandBar(&third);
    third.m_context.m_ptMRUFloatPos = CPoint(300, 200);
    m_pFrame->RecalcLayout();

    CWnd status;
    ASSERT_TRUE(status.CreateEx(0, "STATIC", "", WS_CHILD, CRect(0, 0, 5, 5), m_pFrame, 59393));

    XTP_COMMANDBARS_LAYOUT layout;
    CXTPDockBar* docks[4] = {pTop, m_pCommandBars->GetDockBar(1), pLeft, m_pCommandBars->GetDockBar(3)};
    TakeLayoutSnapshot(layout, {&first, &second, &third}, docks, m_pFrame);
    EXPECT_EQ(CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)), layout.szScreen);
    ASSERT_EQ(3u, layout.bars.size());
    EXPECT_EQ(2u, layout.bars[1].nBarID);
    EXPECT_EQ(CPoint(200, 0), layout.bars[1].ptPosition);
    EXPECT_EQ(59419, layout.bars[1].nMRUDockID);
    EXPECT_EQ(CRect(200, 0, 320, 24), layout.bars[1].rcMRUDockPos);
    EXPECT_FALSE(layout.bars[2].bVisible);
    EXPECT_EQ(59420, layout.bars[2].nMRUDockID);
    EXPECT_EQ(CPoint(300, 200), layout.bars[2].ptMRUFloatPos);
    EXPECT_EQ((std::vector<UINT>{0, 2, 1, 0}), layout.dockRows[0]);
    EXPECT_EQ((std::vector<UINT>{0, 3, 0}), layout.dockRows[2]);
    EXPECT_EQ(std::vector<UINT>{0}, layout.dockRows[1]);
    EXPECT_EQ(1, layout.nStatusBarHidden);
    status.ShowWindow(SW_SHOWNA);
    TakeLayoutSnapshot(layout, {}, docks, m_pFrame);
    EXPECT_EQ(0, layout.nStatusBarHidden);
    for (CFixedDockBar* pBar : {&first, &second, &third})
        pBar->DestroyWindow();
}

TEST_F(CommandBarsDockingTest, AStoredArrangementComesBack)
{
    CTestProfileScope profile;
    CFixedDockBar first(1, kBarSize), second(2, kBarSize), third(3, kBarSize);
    for (CFixedDockBar* pBar : {&first, &second, &third})
        ASSERT_TRUE(pBar->CreateIn(m_pFrame));
    CXTPDockBar* docks[4];
    for (int d = 0; d < 4; ++d)
        docks[d] = m_pCommandBars->GetDockBar(d);
    const std::vector<CXTPCommandBar*> toolbars = {&first, &second, &third};

    // Stored: first and second in one top row (second at x 250), third
    // alone on the left and hidden.
    docks[0]->DockCommandBar(&first);
    CRect rcDrop(CPoint(250, 0), CSize(120, 24));
    docks[0]->ClientToScreen(&rcDrop);
    docks[0]->DockCommandBar(&second, rcDrop);
    docks[2]->DockCommandBar(&third);
    third.SetVisible(FALSE);
    m_pFrame->RecalcLayout();
    XTP_COMMANDBARS_LAYOUT stored;
    TakeLayoutSnapshot(stored, toolbars, docks, m_pFrame);
    WriteLayoutToProfile("CommandBars", stored);

    // Meanwhile everything moved to the bottom and shows.
    for (CFixedDockBar* pBar : {&first, &second, &third})
    {
        docks[1]->DockCommandBar(pBar);
        pBar->SetVisible(TRUE);
        pBar->m_context.m_rectMRUDockPos.SetRectEmpty();
    }
    m_pFrame->RecalcLayout();

    XTP_COMMANDBARS_LAYOUT read;
    ReadLayoutFromProfile("CommandBars", read,
                          CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)),
                          CSize(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)));
    ApplyLayoutSnapshot(read, toolbars, docks, m_pFrame);
    m_pFrame->RecalcLayout();

    EXPECT_EQ(docks[0], first.GetDockBar());
    EXPECT_EQ(docks[0], second.GetParent());
    EXPECT_EQ(docks[2], third.GetDockBar());
    EXPECT_EQ(xtpBarLeft, third.GetPosition());
    EXPECT_FALSE(third.IsVisible());
    EXPECT_FALSE(third.GetStyle() & WS_VISIBLE);
    std::vector<CXTPCommandBar*> row;
    docks[0]->GetRowBarsInOrder(docks[0]->FindBar(&first), row);
    EXPECT_EQ((std::vector<CXTPCommandBar*>{&first, &second}), row);
    CRect rcSecond;
    second.GetWindowRect(&rcSecond);
    docks[0]->ScreenToClient(&rcSecond);
    EXPECT_EQ(CRect(250, 0, 370, 24), rcSecond);
    EXPECT_EQ((std::vector<UINT>{0}), docks[1]->GetEntryIds());
    for (CFixedDockBar* pBar : {&first, &second, &third})
        pBar->DestroyWindow();
}

} // namespace
