// The static splitter: pane ids, the layout rules of ideal, minimum and
// current sizes, hit testing, dragging a bar by messages (with an inverted
// tracker, and with the panes following the mouse as a derived splitter
// does when the system shows window contents while dragging), and commands
// passed on to the frame.
#include "TestApp.h"

#include "framework/ui/CmdUI.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/Splitter.h"
#include "framework/ui/View.h"

#include <gtest/gtest.h>

namespace {

class CPaneView : public CView
{
    DECLARE_DYNCREATE(CPaneView)
};

IMPLEMENT_DYNCREATE(CPaneView, CView)

// A frame that counts the commands that reach it.
class CCountingFrame : public CFrameWnd
{
public:
    int m_nCommands = 0;
    int m_nNotifications = 0;

protected:
    afx_msg void OnTestCommand() { ++m_nCommands; }
    afx_msg void OnTestNotify(NMHDR*, LRESULT* pResult)
    {
        ++m_nNotifications;
        *pResult = 42;
    }
    DECLARE_MESSAGE_MAP()
};

const UINT kTestCommand = 34567;
const UINT kTestNotifyCode = 1234;

BEGIN_MESSAGE_MAP(CCountingFrame, CFrameWnd)
    ON_COMMAND(kTestCommand, OnTestCommand)
    ON_NOTIFY(kTestNotifyCode, 4711, OnTestNotify)
END_MESSAGE_MAP()

// Follows the mouse with the panes themselves when the system shows window
// contents while dragging: each move ends the drag where the mouse is and
// starts the next one there, as the toolkit's splitter does.
class CFollowingSplitter : public CSplitterWnd
{
public:
    BOOL m_bFullDrag = FALSE;

    int ColumnWidth(int col) const { return m_pColInfo[col].nCurSize; }
    int RowHeight(int row) const { return m_pRowInfo[row].nCurSize; }
    int Gap() const { return m_cxSplitterGap; }

    void StartTracking(int ht) override
    {
        if (!m_bFullDrag)
        {
            CSplitterWnd::StartTracking(ht);
            return;
        }
        if (ht == noHit)
            return;
        GetInsideRect(m_rectLimit);
        GetHitRect(ht, m_rectTracker);
        SetCapture();
        m_bTracking = TRUE;
        m_htTrack = ht;
        SetSplitCursor(ht);
    }
    void StopTracking(BOOL bAccept) override
    {
        if (!m_bFullDrag)
        {
            CSplitterWnd::StopTracking(bAccept);
            return;
        }
        if (!m_bTracking)
            return;
        m_bTracking = FALSE;
        ReleaseCapture();
        m_rectTracker.OffsetRect(-1, -1);
        if (bAccept && m_htTrack >= hSplitterBar1 && m_htTrack <= hSplitterBar15)
        {
            TrackColumnSize(m_rectTracker.left, m_htTrack - hSplitterBar1);
            RecalcLayout();
        }
        else if (bAccept && m_htTrack >= vSplitterBar1 && m_htTrack <= vSplitterBar15)
        {
            TrackRowSize(m_rectTracker.top, m_htTrack - vSplitterBar1);
            RecalcLayout();
        }
    }
    void OnInvertTracker(const CRect& rect) override
    {
        if (!m_bFullDrag)
            CSplitterWnd::OnInvertTracker(rect);
    }

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point)
    {
        if (!m_bFullDrag || !m_bTracking)
        {
            CSplitterWnd::OnMouseMove(nFlags, point);
            return;
        }
        if (GetCapture() != this)
        {
            StopTracking(FALSE);
            return;
        }
        CPoint pt = point + m_ptTrackOffset;
        pt.x = pt.x < m_rectLimit.left ? m_rectLimit.left : (pt.x > m_rectLimit.right ? m_rectLimit.right : pt.x);
        pt.y = pt.y < m_rectLimit.top ? m_rectLimit.top : (pt.y > m_rectLimit.bottom ? m_rectLimit.bottom : pt.y);
        if (m_htTrack >= hSplitterBar1 && m_htTrack <= hSplitterBar15)
            m_rectTracker.OffsetRect(pt.x - m_rectTracker.left, 0);
        else
            m_rectTracker.OffsetRect(0, pt.y - m_rectTracker.top);
        CSplitterWnd::OnLButtonUp(nFlags, point);
        CSplitterWnd::OnLButtonDown(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFollowingSplitter, CSplitterWnd)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

LPARAM PointParam(int x, int y)
{
    return MAKELPARAM(x, y);
}

class SplitterTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CCountingFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Teiler", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)));
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
    }

    // A splitter filling the frame's client area.
    void CreateSplitter(CFollowingSplitter& splitter, int nRows, int nCols, SIZE sizeFirst)
    {
        ASSERT_TRUE(splitter.CreateStatic(m_pFrame, nRows, nCols));
        for (int row = 0; row < nRows; ++row)
        {
            for (int col = 0; col < nCols; ++col)
            {
                CCreateContext context;
                ASSERT_TRUE(splitter.CreateView(row, col, RUNTIME_CLASS(CPaneView), sizeFirst,
                                                &context));
            }
        }
        m_pFrame->RecalcLayout();
    }

    CCountingFrame* m_pFrame = nullptr;
};

TEST_F(SplitterTest, PanesAreChildrenNumberedByRowAndColumn)
{
    CFollowingSplitter splitter;
    CreateSplitter(splitter, 2, 2, CSize(100, 80));
    EXPECT_EQ(splitter.GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(splitter.IdFromRowCol(1, 1), 0xE911);
    for (int row = 0; row < 2; ++row)
    {
        for (int col = 0; col < 2; ++col)
        {
            CWnd* pPane = splitter.GetPane(row, col);
            ASSERT_NE(pPane, nullptr);
            EXPECT_EQ(pPane->GetDlgCtrlID(), 0xE900 + row * 16 + col);
            EXPECT_TRUE(pPane->IsKindOf(RUNTIME_CLASS(CPaneView)));
        }
    }
    // The splitter draws the sunken edge; the frame's own is gone.
    EXPECT_EQ(m_pFrame->GetExStyle() & WS_EX_CLIENTEDGE, 0u);

    // A view pane becomes the frame's active view.
    splitter.SetActivePane(1, 0);
    int row = -1;
    int col = -1;
    EXPECT_EQ(splitter.GetActivePane(&row, &col), splitter.GetPane(1, 0));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(col, 0);
    EXPECT_EQ(m_pFrame->GetActiveView(), splitter.GetPane(1, 0));

    // Deleting the active pane hands the activation to another view.
    splitter.DeleteView(1, 0);
    EXPECT_EQ(splitter.GetPane(1, 0), nullptr);
    EXPECT_NE(m_pFrame->GetActiveView(), nullptr);
}

// Inside width W: the first column gets its ideal size unless it is below
// the minimum (then nothing), the last gets the rest, and what does not fit
// is cut off. These are the sizes the program's view modes use.
TEST_F(SplitterTest, LayoutGivesIdealSizesAndTheRestToTheLastColumn)
{
    CFollowingSplitter splitter;
    CreateSplitter(splitter, 1, 2, CSize(225, 0));
    CRect rectInside;
    splitter.GetInsideRect(rectInside);
    const int nWidth = rectInside.Width();
    const int nGap = splitter.Gap();

    struct Case
    {
        int nIdeal;
        int nMin;
        int nFirst;
        int nSecond;
    };
    const Case cases[] = {
        { 225, 0, 225, nWidth - 225 - nGap },
        { 0, 0, 0, nWidth - nGap },                       // text only: the tree has no room
        { 40, 50, 0, nWidth - nGap },                     // below its minimum: hidden
        { 10000, 0, nWidth - (nGap - 2), 0 },             // tree only: the rest is cut off
        { nWidth - nGap, 0, nWidth - (nGap - 2), 0 },     // no room left for the bar
    };
    for (const Case& c : cases)
    {
        splitter.SetColumnInfo(0, c.nIdeal, c.nMin);
        splitter.SetColumnInfo(1, 0, 0);
        splitter.RecalcLayout();
        int cxCur = -1;
        int cxMin = -1;
        splitter.GetColumnInfo(0, cxCur, cxMin);
        EXPECT_EQ(cxCur, c.nFirst) << c.nIdeal;
        EXPECT_EQ(cxMin, c.nMin);
        EXPECT_EQ(splitter.ColumnWidth(1), c.nSecond) << c.nIdeal;
    }
}

TEST_F(SplitterTest, HitTestFindsBarsAndTheirCrossings)
{
    CFollowingSplitter splitter;
    CreateSplitter(splitter, 2, 2, CSize(150, 100));
    // Border 2, panes of 150 x 100, bars 7 wide after them.
    struct Case
    {
        int x;
        int y;
        int nHit;
    };
    const Case cases[] = {
        { 50, 50, CSplitterWnd::noHit },
        { 2 + 150 + 3, 50, CSplitterWnd::hSplitterBar1 },
        { 50, 2 + 100 + 3, CSplitterWnd::vSplitterBar1 },
        { 2 + 150 + 3, 2 + 100 + 3, CSplitterWnd::splitterIntersection1 },
        { 2 + 150 + 9, 50, CSplitterWnd::noHit },
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitter.HitTest(CPoint(c.x, c.y)), c.nHit) << c.x << "," << c.y;
}

// The column follows a drag of its bar by the distance the mouse moved.
// With window contents shown while dragging the panes follow every move;
// without, only the release resizes them.
TEST_F(SplitterTest, DraggingABarResizesTheColumnInBothTrackingModes)
{
    BOOL bSystemFullDrag = FALSE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &bSystemFullDrag, 0);
    for (BOOL bFullDrag : { FALSE, TRUE })
    {
        ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, bFullDrag, nullptr, 0);
        CFollowingSplitter splitter;
        BOOL bSetting = !bFullDrag;
        ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &bSetting, 0);
        splitter.m_bFullDrag = bSetting;
        CreateSplitter(splitter, 1, 2, CSize(200, 0));
        ASSERT_EQ(splitter.ColumnWidth(0), 200);
        int nTotal = splitter.ColumnWidth(0) + splitter.ColumnWidth(1);

        int xBar = 2 + 200 + 3;
        splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(xBar, 100));
        EXPECT_EQ(CWnd::GetCapture(), &splitter) << bFullDrag;
        splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(xBar + 60, 120));
        EXPECT_EQ(splitter.ColumnWidth(0), bFullDrag ? 260 : 200) << bFullDrag;
        splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(xBar + 80, 130));
        splitter.SendMessage(WM_LBUTTONUP, 0, PointParam(xBar + 80, 130));

        EXPECT_EQ(splitter.ColumnWidth(0), 280) << bFullDrag;
        EXPECT_EQ(splitter.ColumnWidth(0) + splitter.ColumnWidth(1), nTotal) << bFullDrag;
        EXPECT_EQ(CWnd::GetCapture(), nullptr) << bFullDrag;
        CRect rectPane;
        splitter.GetPane(0, 1)->GetWindowRect(&rectPane);
        splitter.ScreenToClient(&rectPane);
        EXPECT_EQ(rectPane.left, 2 + 280 + splitter.Gap()) << bFullDrag;

        // A press released without a move changes nothing.
        xBar = 2 + 280 + 3;
        splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(xBar, 100));
        splitter.SendMessage(WM_LBUTTONUP, 0, PointParam(xBar, 100));
        EXPECT_EQ(splitter.ColumnWidth(0), 280) << bFullDrag;

        // Dragged past the frame's edge, the bar stops inside it.
        splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(xBar, 100));
        splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(5000, 100));
        splitter.SendMessage(WM_LBUTTONUP, 0, PointParam(5000, 100));
        CRect rectInside;
        splitter.GetInsideRect(rectInside);
        EXPECT_LE(splitter.ColumnWidth(0), rectInside.Width()) << bFullDrag;
        EXPECT_GT(splitter.ColumnWidth(0), 280) << bFullDrag;

        splitter.DestroyWindow();
    }
    ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, bSystemFullDrag, nullptr, 0);
}

TEST_F(SplitterTest, EscapeOrALostCaptureLeavesTheLayoutAsItWas)
{
    CFollowingSplitter splitter;
    CreateSplitter(splitter, 2, 1, CSize(0, 120));
    ASSERT_EQ(splitter.RowHeight(0), 120);
    int yBar = 2 + 120 + 3;

    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(100, yBar));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(100, yBar + 40));
    splitter.SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(splitter.RowHeight(0), 120);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(100, yBar));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(100, yBar + 40));
    CWnd::ReleaseCapture();
    splitter.SendMessage(WM_MOUSEMOVE, 0, PointParam(100, yBar + 60));
    splitter.SendMessage(WM_LBUTTONUP, 0, PointParam(100, yBar + 60));
    EXPECT_EQ(splitter.RowHeight(0), 120);

    // Enter applies the drag.
    splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(100, yBar));
    splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(100, yBar - 20));
    splitter.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(splitter.RowHeight(0), 100);
}

TEST_F(SplitterTest, CommandsAndNotificationsOfThePanesReachTheFrame)
{
    CFollowingSplitter splitter;
    CreateSplitter(splitter, 1, 2, CSize(100, 0));
    splitter.SendMessage(WM_COMMAND, kTestCommand, 0);
    EXPECT_EQ(m_pFrame->m_nCommands, 1);

    NMHDR nmhdr = {};
    nmhdr.hwndFrom = nullptr;
    nmhdr.idFrom = 4711;
    nmhdr.code = kTestNotifyCode;
    LRESULT lResult = splitter.SendMessage(WM_NOTIFY, 4711, reinterpret_cast<LPARAM>(&nmhdr));
    EXPECT_EQ(m_pFrame->m_nNotifications, 1);
    EXPECT_EQ(lResult, 42);
}

} // namespace
