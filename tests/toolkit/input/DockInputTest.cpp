// Toolbars moved by the real mouse on a frame with its four dock bars, a
// menu bar, toolbars at the top, left and bottom and a status bar: dragged
// by the gripper into a second row, to the left, away from every dock bar
// (floating, kept on the screen) and back by a double click; a bar that may
// not float stays docked; Esc keeps the place reached; a floating bar's
// edge resizes it; floating bars hide while their frame is inactive.
//
// The drag's loop takes the messages itself, so the moves come from a
// script that a thread timer plays one step at a time: timer messages come
// after all input, so each step sees what the steps before it did.
#include "toolkit/commandbars/DockContext.h"

#include "InputTestSupport.h"
#include "toolkit/BarTestRes.h"
#include "toolkit/BarTestSupport.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/DialogBar.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/FrameWnd.h"
#include "toolkit/commandbars/MenuBar.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/SystemInfo.h"
#include "toolkit/extras/StatusBar.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

enum DragStepKind { dragMove, dragLeftUp, dragKey };

struct DragStep
{
    DragStepKind kind;
    CPoint pt;   // screen point of a move
    WORD wKey;
};

DragStep MoveTo(CPoint pt) { return {dragMove, pt, 0}; }
DragStep LeftUp() { return {dragLeftUp, CPoint(), 0}; }
DragStep Key(WORD wKey) { return {dragKey, CPoint(), wKey}; }

// The script the thread timer plays.
std::vector<DragStep> s_script;
size_t s_nNextStep = 0;

VOID CALLBACK PlayStep(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_nNextStep >= s_script.size())
        return;
    const DragStep& step = s_script[s_nNextStep++];
    switch (step.kind)
    {
    case dragMove:
        InjectMouseMove(step.pt);
        break;
    case dragLeftUp:
        InjectMouseButton(MOUSEEVENTF_LEFTUP);
        break;
    case dragKey:
        InjectKey(step.wKey, FALSE);
        InjectKey(step.wKey, TRUE);
        break;
    }
}

const UINT kStandardItems[] = {ID_BAR_TEST_NEW, ID_BAR_TEST_OPEN, 0, ID_BAR_TEST_SAVE};
const UINT kStatusPanes[] = {0};

class DockInputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        m_pFrame = new CXTPFrameWnd;   // frames delete themselves when destroyed
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Andocken", WS_OVERLAPPEDWINDOW, CRect(60, 60, 700, 520)));
        // The status bar comes first: the frame lays its bars out in the
        // order they were made, so it stays below the bottom dock bar.
        ASSERT_TRUE(m_status.Create(m_pFrame));
        m_status.SetPanesFromIds(kStatusPanes, 1);
        ASSERT_TRUE(m_pFrame->InitCommandBars());
        m_pCommandBars = m_pFrame->GetCommandBars();
        ASSERT_NE(nullptr, m_pCommandBars->CreateMenuBar("Men\xFCleiste", IDR_BAR_TEST_MENU));
        m_pStandard = MakeBar("Standard", 301, xtpBarTop);
        m_pFormat = MakeBar("Format", 302, xtpBarTop);
        m_pLeft = MakeBar("Links", 303, xtpBarLeft);
        m_pBottom = MakeBar("Unten", 304, xtpBarBottom);
        // The format bar shares the standard bar's row, to its right.
        CRect rcStandard = WindowRect(m_pStandard);
        CRect rcDrop(CPoint(rcStandard.right + 40, rcStandard.top), WindowRect(m_pFormat).Size());
        ASSERT_TRUE(m_pCommandBars->DockCommandBar(m_pFormat, rcDrop, Dock(0)));
        m_pFrame->RecalcLayout();
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        PumpInputMessages();
    }
    void TearDown() override
    {
        ::KillTimer(nullptr, m_nTimer);
        ::ReleaseCapture();
        InjectMouseButton(MOUSEEVENTF_LEFTUP);
        PumpInputMessages();
        if (::IsWindow(m_pFrame->m_hWnd))
        {
            m_pCommandBars->RemoveAll();
            m_pFrame->DestroyWindow();
        }
        PumpInputMessages();
    }

    CXTPToolBar* MakeBar(LPCSTR lpszTitle, UINT nId, int nPosition)
    {
        CXTPToolBar* pBar = m_pCommandBars->CreateToolBar(lpszTitle, nPosition);
        EXPECT_NE(nullptr, pBar);
        if (!pBar)
            return nullptr;
        pBar->SetBarID(nId);
        pBar->LoadToolBarItems(kStandardItems, 4);
        return pBar;
    }
    CXTPDockBar* Dock(int nSide) const { return m_pCommandBars->GetDockBar(nSide); }
    // The rows of a dock bar, each the bars in their order on the screen.
    static std::vector<std::vector<CXTPCommandBar*>> Rows(CXTPDockBar* pDockBar)
    {
        std::vector<std::vector<CXTPCommandBar*>> rows;
        for (int i = 0; i < pDockBar->GetEntryCount(); ++i)
        {
            if (!pDockBar->GetEntry(i))
                continue;
            std::vector<CXTPCommandBar*> row;
            pDockBar->GetRowBarsInOrder(i, row);
            rows.push_back(row);
            while (pDockBar->GetEntry(i + 1))
                ++i;
        }
        return rows;
    }
    // A point on the bar's gripper, screen coordinates.
    static CPoint GripperPoint(CXTPToolBar* pBar)
    {
        CRect rc = pBar->GetGripperRect();
        EXPECT_FALSE(rc.IsRectEmpty());
        CPoint pt = rc.CenterPoint();
        pBar->ClientToScreen(&pt);
        return pt;
    }
    // Presses the left button at the point and plays the steps while the
    // press's loop runs; then whatever is left of the script.
    void Drag(CPoint ptPress, const std::vector<DragStep>& steps)
    {
        ASSERT_TRUE(MoveMouseTo(ptPress));
        s_script = steps;
        s_nNextStep = 0;
        m_nTimer = ::SetTimer(nullptr, 0, 10, PlayStep);
        PressLeftButton();
        for (int i = 0; i < 100 && s_nNextStep < s_script.size(); ++i)
            PumpInputMessages();
        PumpInputMessages();
        ::KillTimer(nullptr, m_nTimer);
        m_nTimer = 0;
        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_EQ(0, XTPMouseManager()->GetLockCount());
    }
    void DoubleClick(CPoint pt)
    {
        ASSERT_TRUE(MoveMouseTo(pt));
        for (DWORD dwFlags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN,
                              MOUSEEVENTF_LEFTUP})
            InjectMouseButton(dwFlags);
        PumpInputMessages();
        PumpInputMessages();
    }
    CPoint ClientPoint(int x, int y) const
    {
        CPoint pt(x, y);
        m_pFrame->ClientToScreen(&pt);
        return pt;
    }
    static BOOL IsFloatingWindow(CXTPToolBar* pBar)
    {
        return pBar->GetPosition() == xtpBarFloating && (pBar->GetStyle() & WS_POPUP)
               && ::GetAncestor(pBar->GetSafeHwnd(), GA_PARENT) == ::GetDesktopWindow();
    }

    CXTPFrameWnd* m_pFrame = nullptr;
    CXTPCommandBars* m_pCommandBars = nullptr;
    CXTPToolBar* m_pStandard = nullptr;
    CXTPToolBar* m_pFormat = nullptr;
    CXTPToolBar* m_pLeft = nullptr;
    CXTPToolBar* m_pBottom = nullptr;
    CXTPStatusBar m_status;
    UINT_PTR m_nTimer = 0;
};

} // namespace

TEST_F(DockInputTest, TheFrameHoldsItsBarsInTheDockBars)
{
    using Rowset = std::vector<std::vector<CXTPCommandBar*>>;
    EXPECT_EQ((Rowset{{m_pCommandBars->GetMenuBar()}, {m_pStandard, m_pFormat}}), Rows(Dock(0)));
    EXPECT_EQ((Rowset{{m_pBottom}}), Rows(Dock(1)));
    EXPECT_EQ((Rowset{{m_pLeft}}), Rows(Dock(2)));
    EXPECT_TRUE(Rows(Dock(3)).empty());
    const struct
    {
        CXTPToolBar* pBar;
        int nSide;
    } kBars[] = {{m_pStandard, 0}, {m_pFormat, 0}, {m_pLeft, 2}, {m_pBottom, 1}};
    for (const auto& b : kBars)
    {
        EXPECT_EQ(Dock(b.nSide), b.pBar->GetParent()) << b.pBar->GetTitle();
        EXPECT_EQ(Dock(b.nSide), b.pBar->GetDockBar()) << b.pBar->GetTitle();
        EXPECT_EQ(b.nSide, b.pBar->GetPosition()) << b.pBar->GetTitle();
        EXPECT_TRUE(b.pBar->IsWindowVisible()) << b.pBar->GetTitle();
    }
    // One row: the same top, the format bar right of the standard bar.
    const CRect rcStandard = WindowRect(m_pStandard), rcFormat = WindowRect(m_pFormat);
    EXPECT_EQ(rcStandard.top, rcFormat.top);
    EXPECT_GE(rcFormat.left, rcStandard.right);
    // The left bar stands upright; the status bar lies below the bottom dock bar.
    EXPECT_GT(WindowRect(m_pLeft).Height(), WindowRect(m_pLeft).Width());
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    m_pFrame->ClientToScreen(&rcClient);
    EXPECT_EQ(rcClient.bottom, WindowRect(&m_status).bottom);
    EXPECT_LE(WindowRect(Dock(1)).bottom, WindowRect(&m_status).top);
}

TEST_F(DockInputTest, DraggedIntoASecondRow)
{
    const CPoint ptPress = GripperPoint(m_pFormat);
    const int nRowHeight = WindowRect(m_pFormat).Height();
    Drag(ptPress, {MoveTo(ptPress + CSize(-4, nRowHeight / 2)), MoveTo(ptPress + CSize(-8, nRowHeight + 2)),
                   LeftUp()});
    using Rowset = std::vector<std::vector<CXTPCommandBar*>>;
    EXPECT_EQ((Rowset{{m_pCommandBars->GetMenuBar()}, {m_pStandard}, {m_pFormat}}), Rows(Dock(0)));
    EXPECT_EQ(Dock(0), m_pFormat->GetParent());
    EXPECT_EQ(WindowRect(m_pStandard).bottom, WindowRect(m_pFormat).top);
    EXPECT_TRUE(m_pCommandBars->GetCommandBarsOptions()->bDirty);
}

TEST_F(DockInputTest, DraggedToTheLeftDockBar)
{
    CRect rcLeftDock = WindowRect(Dock(2));
    const CPoint ptTarget(rcLeftDock.left + 5, rcLeftDock.bottom - 30);
    Drag(GripperPoint(m_pFormat), {MoveTo(ptTarget), LeftUp()});
    EXPECT_EQ(xtpBarLeft, m_pFormat->GetPosition());
    EXPECT_EQ(Dock(2), m_pFormat->GetParent());
    EXPECT_EQ(Dock(2), m_pFormat->GetDockBar());
    EXPECT_EQ(-1, Dock(0)->FindBar(m_pFormat));
    EXPECT_NE(-1, Dock(2)->FindBar(m_pFormat));
    EXPECT_GT(WindowRect(m_pFormat).Height(), WindowRect(m_pFormat).Width());
    // The standard bar keeps its row alone.
    using Rowset = std::vector<std::vector<CXTPCommandBar*>>;
    EXPECT_EQ((Rowset{{m_pCommandBars->GetMenuBar()}, {m_pStandard}}), Rows(Dock(0)));
}

TEST_F(DockInputTest, AwayFromTheDockBarsItFloatsAndADoubleClickDocksItBack)
{
    const CRect rcDocked = WindowRect(m_pFormat);
    const CPoint ptMiddle = ClientPoint(320, 220);
    Drag(GripperPoint(m_pFormat), {MoveTo(ptMiddle - CSize(30, 30)), MoveTo(ptMiddle), LeftUp()});
    ASSERT_TRUE(IsFloatingWindow(m_pFormat));
    EXPECT_EQ(nullptr, m_pFormat->GetDockBar());
    EXPECT_EQ(-1, Dock(0)->FindBar(m_pFormat));
    EXPECT_TRUE(m_pFormat->IsWindowVisible());
    const CRect rcFloating = WindowRect(m_pFormat);
    EXPECT_TRUE(rcFloating.PtInRect(ptMiddle) || rcFloating.BottomRight() == ptMiddle);
    EXPECT_EQ(rcFloating.TopLeft(), m_pFormat->GetDockContext()->m_ptMRUFloatPos);

    // Dragged by its caption far past the screen's corner: ten pixels stay.
    const CRect rcWork(GetMonitorAreaAtCursor());
    const CPoint ptCaption(rcFloating.left + 6, rcFloating.top + 5);
    Drag(ptCaption, {MoveTo(CPoint(rcWork.right - 1, rcWork.bottom - 1)), LeftUp()});
    ASSERT_TRUE(IsFloatingWindow(m_pFormat));
    const CRect rcCorner = WindowRect(m_pFormat);
    EXPECT_LE(rcCorner.left, rcWork.right - 10);
    EXPECT_LE(rcCorner.top, rcWork.bottom - 10);
    EXPECT_GT(rcCorner.right, rcWork.right - 10);

    // Back by a double click on the caption: into its row at the top.
    DoubleClick(CPoint(rcCorner.left + 6, rcCorner.top + 5));
    EXPECT_EQ(xtpBarTop, m_pFormat->GetPosition());
    EXPECT_EQ(Dock(0), m_pFormat->GetParent());
    using Rowset = std::vector<std::vector<CXTPCommandBar*>>;
    EXPECT_EQ((Rowset{{m_pCommandBars->GetMenuBar()}, {m_pStandard, m_pFormat}}), Rows(Dock(0)));
    EXPECT_EQ(rcDocked.top, WindowRect(m_pFormat).top);
}

TEST_F(DockInputTest, ADoubleClickFloatsADockedBarOnlyWhenTheOptionSaysSo)
{
    CXTPDockContext* pContext = m_pFormat->GetDockContext();
    pContext->m_ptMRUFloatPos = ClientPoint(200, 180);
    DoubleClick(GripperPoint(m_pFormat));
    EXPECT_EQ(xtpBarTop, m_pFormat->GetPosition());

    m_pCommandBars->GetCommandBarsOptions()->bDblClickFloat = TRUE;
    DoubleClick(GripperPoint(m_pFormat));
    ASSERT_TRUE(IsFloatingWindow(m_pFormat));
    EXPECT_EQ(ClientPoint(200, 180), WindowRect(m_pFormat).TopLeft());
}

TEST_F(DockInputTest, ABarThatMayNotFloatStaysDocked)
{
    m_pFormat->SetFlags(m_pFormat->GetFlags() & ~0x10u);
    const CRect rcBefore = WindowRect(m_pFormat);
    Drag(GripperPoint(m_pFormat), {MoveTo(ClientPoint(300, 200)), MoveTo(ClientPoint(320, 240)), LeftUp()});
    EXPECT_EQ(xtpBarTop, m_pFormat->GetPosition());
    EXPECT_EQ(Dock(0), m_pFormat->GetParent());
    EXPECT_EQ(rcBefore, WindowRect(m_pFormat));
}

TEST_F(DockInputTest, EscKeepsThePlaceReached)
{
    CRect rcLeftDock = WindowRect(Dock(2));
    const CPoint ptTarget(rcLeftDock.left + 5, rcLeftDock.bottom - 30);
    Drag(GripperPoint(m_pFormat), {MoveTo(ptTarget), Key(VK_ESCAPE), MoveTo(ClientPoint(320, 220)), LeftUp()});
    EXPECT_EQ(xtpBarLeft, m_pFormat->GetPosition());
    EXPECT_EQ(Dock(2), m_pFormat->GetParent());
}

TEST_F(DockInputTest, AFloatingBarsEdgeResizesIt)
{
    ASSERT_TRUE(m_pFormat->SetPosition(xtpBarFloating));
    m_pFormat->SetWindowPos(nullptr, 200, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpInputMessages();
    const CRect rcBefore = WindowRect(m_pFormat);
    ASSERT_GT(rcBefore.Width(), 60);
    // The right edge dragged half the width to the left: the buttons wrap.
    const CPoint ptEdge(rcBefore.right - 1, rcBefore.CenterPoint().y);
    ASSERT_EQ(LRESULT(HTRIGHT), m_pFormat->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptEdge.x, ptEdge.y)));
    Drag(ptEdge, {MoveTo(ptEdge - CSize(rcBefore.Width() / 2, 0)), LeftUp()});
    const CRect rcAfter = WindowRect(m_pFormat);
    EXPECT_EQ(rcBefore.TopLeft(), rcAfter.TopLeft());
    EXPECT_LT(rcAfter.Width(), rcBefore.Width());
    EXPECT_GT(rcAfter.Height(), rcBefore.Height());
    EXPECT_EQ(rcAfter.Width(), m_pFormat->GetMRUWidth());
    EXPECT_TRUE(IsFloatingWindow(m_pFormat));
}

TEST_F(DockInputTest, FloatingBarsHideWhileTheFrameIsInactive)
{
    ASSERT_TRUE(m_pFormat->SetPosition(xtpBarFloating));
    PumpInputMessages();
    ASSERT_TRUE(m_pFormat->IsWindowVisible());
    CFrameWnd* pOther = new CFrameWnd;
    ASSERT_TRUE(pOther->Create(nullptr, "Anderes", WS_OVERLAPPEDWINDOW, CRect(400, 300, 600, 450)));
    // Shown once first: a window shown for the first time takes the
    // foreground here without the frame hearing of its deactivation.
    ASSERT_TRUE(MakeForeground(pOther->m_hWnd));
    ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
    const struct
    {
        BOOL bSync;
        bool bVisibleWhileInactive;
    } kCases[] = {{TRUE, false}, {FALSE, true}};
    for (const auto& c : kCases)
    {
        m_pCommandBars->GetCommandBarsOptions()->bSyncFloatingBars = c.bSync;
        ASSERT_TRUE(MakeForeground(pOther->m_hWnd));
        EXPECT_EQ(c.bVisibleWhileInactive, m_pFormat->IsWindowVisible() != FALSE) << c.bSync;
        EXPECT_TRUE(m_pFormat->IsVisible());
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        EXPECT_TRUE(m_pFormat->IsWindowVisible()) << c.bSync;
    }
    pOther->DestroyWindow();
}

namespace {

// A toolbar that sizes freely by its edges, as dialog bars do.
class CFreeSizeBar : public CXTPToolBar
{
    DECLARE_DYNCREATE(CFreeSizeBar)
public:
    BOOL IsDialogBar() const override { return TRUE; }
};
IMPLEMENT_DYNCREATE(CFreeSizeBar, CXTPToolBar)

} // namespace

TEST_F(DockInputTest, ABarThatSizesFreelyRefusesSizesBelowFifty)
{
    CXTPToolBar* pBar = m_pCommandBars->CreateToolBar("Dialog", xtpBarFloating, RUNTIME_CLASS(CFreeSizeBar));
    ASSERT_NE(nullptr, pBar);
    pBar->LoadToolBarItems(kStandardItems, 4);
    pBar->SetWindowPos(nullptr, 200, 200, 120, 80, SWP_NOZORDER | SWP_NOACTIVATE);
    PumpInputMessages();
    const CRect rcBefore = WindowRect(pBar);
    const CPoint ptEdge(rcBefore.right - 1, rcBefore.CenterPoint().y);
    ASSERT_EQ(LRESULT(HTRIGHT), pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptEdge.x, ptEdge.y)));
    // Wider by exactly the pointer's way, whatever the buttons need.
    Drag(ptEdge, {MoveTo(ptEdge + CSize(80, 0)), LeftUp()});
    const CRect rcWider = WindowRect(pBar);
    EXPECT_EQ(CRect(rcBefore.left, rcBefore.top, rcBefore.right + 80, rcBefore.bottom), rcWider);
    // Down to 40 pixels in one move: refused, the size stays.
    const CPoint ptWide(rcWider.right - 1, rcWider.CenterPoint().y);
    Drag(ptWide, {MoveTo(CPoint(rcWider.left + 40, ptWide.y)), LeftUp()});
    EXPECT_EQ(rcWider, WindowRect(pBar));
    // To 60: taken. (Pressed a little lower: the same spot again would be
    // a double click.)
    const CPoint ptLower(ptWide.x, ptWide.y + 12);
    Drag(ptLower, {MoveTo(CPoint(rcWider.left + 59, ptLower.y)), LeftUp()});
    EXPECT_EQ(60, WindowRect(pBar).Width());
}

TEST_F(DockInputTest, DialogBarEdgeDragsSetTheClientSizeOfItsState)
{
    CXTPDialogBar* pFloating = static_cast<CXTPDialogBar*>(
        m_pCommandBars->CreateToolBar("Suche", xtpBarFloating, RUNTIME_CLASS(CXTPDialogBar)));
    ASSERT_NE(nullptr, pFloating);
    pFloating->SetFloatingClientSize(CSize(120, 80));
    pFloating->OnRecalcLayout();
    pFloating->SetWindowPos(nullptr, 200, 200, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
    PumpInputMessages();
    const CRect rcBefore = WindowRect(pFloating);
    const CPoint ptEdge(rcBefore.right - 1, rcBefore.CenterPoint().y);
    ASSERT_EQ(LRESULT(HTRIGHT), pFloating->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptEdge.x, ptEdge.y)));
    // Floating: wider by the pointer's way, and the floating size follows.
    Drag(ptEdge, {MoveTo(ptEdge + CSize(60, 0)), LeftUp()});
    EXPECT_EQ(CRect(rcBefore.left, rcBefore.top, rcBefore.right + 60, rcBefore.bottom), WindowRect(pFloating));
    EXPECT_EQ(CSize(180, 80), pFloating->GetFloatingClientSize());
    // Below the minimum width: refused, window and size stay.
    const CRect rcWider = WindowRect(pFloating);
    const CPoint ptWide(rcWider.right - 1, rcWider.CenterPoint().y + 10);
    Drag(ptWide, {MoveTo(CPoint(rcWider.left + 40, ptWide.y)), LeftUp()});
    EXPECT_EQ(rcWider, WindowRect(pFloating));
    EXPECT_EQ(CSize(180, 80), pFloating->GetFloatingClientSize());

    // Docked at the top: the bottom edge sets the docked height, and the
    // frame lays out again, so the left dock bar moves down with it.
    CXTPDialogBar* pDocked = static_cast<CXTPDialogBar*>(
        m_pCommandBars->CreateToolBar("Eigenschaften", xtpBarTop, RUNTIME_CLASS(CXTPDialogBar)));
    ASSERT_NE(nullptr, pDocked);
    pDocked->SetDockingClientSize(CSize(200, 60));
    m_pFrame->RecalcLayout();
    PumpInputMessages();
    const CRect rcDocked = WindowRect(pDocked);
    const int nLeftTop = WindowRect(Dock(2)).top;
    const CPoint ptBottom(rcDocked.CenterPoint().x, rcDocked.bottom - 1);
    ASSERT_EQ(LRESULT(HTBOTTOM), pDocked->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(ptBottom.x, ptBottom.y)));
    Drag(ptBottom, {MoveTo(ptBottom + CSize(0, 30)), LeftUp()});
    EXPECT_EQ(CSize(200, 90), pDocked->GetDockingClientSize());
    EXPECT_EQ(rcDocked.Height() + 30, WindowRect(pDocked).Height());
    EXPECT_EQ(nLeftTop + 30, WindowRect(Dock(2)).top);
    EXPECT_EQ(xtpBarTop, pDocked->GetPosition());
}
