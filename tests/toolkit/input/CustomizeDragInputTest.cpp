// The customize drag under the real mouse and keyboard: a control dragged
// from one bar to another is moved, or copied with Ctrl held; Esc, the right
// button and a lost capture cancel; a release over no bar drops nothing; of
// two overlapping bars the one registered later takes the drop; the cursor
// shows no drop, move or copy. The same with two toolbars of a frame's
// command bars, whose buttons move, copy or leave their bars.
//
// The drag's loop takes the messages itself, so the input comes from a
// script that a timer plays one step at a time: timer messages come after
// all input, so each step sees what the steps before it did.
#include "toolkit/commandbars/CustomizeDragSource.h"

#include "framework/ui/DropEffect.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/WndClass.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include "InputTestSupport.h"
#include "toolkit/BarTestRes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A bar that records what the drag does to it.
class CDropBar : public CXTPCommandBar
{
public:
    int m_nEnters = 0;
    int m_nOvers = 0;
    int m_nLeaves = 0;
    int m_nDrops = 0;
    DWORD m_dropEffectIn = 0;
    BOOL m_bTakesDrops = TRUE;

    BOOL IsVisible() const override { return GetSafeHwnd() != nullptr && IsWindowVisible(); }
    BOOL OnCustomizeDragEnter(CXTPControl* pControl, CPoint point) override
    {
        ++m_nEnters;
        return m_bTakesDrops && CXTPCommandBar::OnCustomizeDragEnter(pControl, point);
    }
    DWORD OnCustomizeDragOver(CXTPControl* pControl, CPoint point) override
    {
        ++m_nOvers;
        return CXTPCommandBar::OnCustomizeDragOver(pControl, point);
    }
    void OnCustomizeDragLeave() override
    {
        ++m_nLeaves;
        CXTPCommandBar::OnCustomizeDragLeave();
    }
    // The dropped control joins the bar's controls.
    void OnCustomizeDrop(CXTPControl* pControl, DWORD& dropEffect, CPoint, CPoint) override
    {
        ++m_nDrops;
        m_dropEffectIn = dropEffect;
        GetControls()->AddCopy(pControl);
    }
};

enum StepKind { stepMove, stepLeftUp, stepRightDown, stepKeyDown, stepKeyUp, stepLoseCapture };

struct Step
{
    StepKind kind;
    CPoint pt;   // in the frame's client area, for moves
    WORD wKey;
};

// What a step saw of the steps before it.
struct Observation
{
    HCURSOR hCursor;
    CXTPCommandBar* pTarget;
};

const UINT_PTR SCRIPT_TIMER = 77;

// The frame: two bars side by side, a third over the right half of the
// second, and a window that plays the script.
class CDragFrame : public CFrameWnd
{
public:
    std::vector<Step> m_steps;
    std::vector<Observation> m_observations;
    CustomizeDragSource* m_pSource = nullptr;
    size_t m_nNext = 0;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent != SCRIPT_TIMER)
            return;
        m_observations.push_back({::GetCursor(), m_pSource->GetTarget()});
        if (m_nNext >= m_steps.size())
        {
            KillTimer(SCRIPT_TIMER);
            return;
        }
        const Step& step = m_steps[m_nNext++];
        switch (step.kind)
        {
        case stepMove:
        {
            CPoint pt(step.pt);
            ClientToScreen(&pt);
            InjectMouseMove(pt);
            break;
        }
        case stepLeftUp:
            InjectMouseButton(MOUSEEVENTF_LEFTUP);
            break;
        case stepRightDown:
            InjectMouseButton(MOUSEEVENTF_RIGHTDOWN);
            break;
        case stepKeyDown:
            InjectKey(step.wKey, FALSE);
            break;
        case stepKeyUp:
            InjectKey(step.wKey, TRUE);
            break;
        case stepLoseCapture:
            ::ReleaseCapture();
            break;
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDragFrame, CFrameWnd)
    ON_WM_TIMER()
END_MESSAGE_MAP()

const CRect SOURCE_RECT(10, 10, 210, 40);
const CRect TARGET_RECT(10, 60, 210, 90);
const CRect OVERLAP_RECT(110, 60, 310, 90);
const CPoint EMPTY_POINT(300, 200);

class CustomizeDragTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        m_pFrame = new CDragFrame;   // frames delete themselves when destroyed
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Anpassen", WS_OVERLAPPEDWINDOW, CRect(100, 100, 500, 400)));
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        CreateBar(m_source, SOURCE_RECT);
        CreateBar(m_target, TARGET_RECT);
        CreateBar(m_overlap, OVERLAP_RECT);
        m_overlap.ShowWindow(SW_HIDE);
        m_pControl = m_source.GetControls()->Add(xtpControlButton, 4711);
        m_commandBars.SetSite(m_pFrame);
        m_pSource = new CustomizeDragSource(&m_commandBars);
        for (CDropBar* pBar : {&m_source, &m_target, &m_overlap})
            m_pSource->AddDropTarget(pBar);
        m_pFrame->m_pSource = m_pSource;
    }
    void TearDown() override
    {
        ::ReleaseCapture();
        InjectMouseButton(MOUSEEVENTF_LEFTUP);
        InjectKey(VK_CONTROL, TRUE);
        PumpInputMessages();
        delete m_pSource;
        for (CDropBar* pBar : {&m_source, &m_target, &m_overlap})
            if (pBar->GetSafeHwnd())
                pBar->DestroyWindow();
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
    }

    void CreateBar(CDropBar& bar, const CRect& rc)
    {
        ASSERT_TRUE(bar.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, rc, m_pFrame, 0));
    }

    // Presses the left button on the source control, plays the steps while
    // the drag runs and answers its result.
    int Drag(const std::vector<Step>& steps)
    {
        CPoint pt(SOURCE_RECT.left + 20, SOURCE_RECT.top + 10);
        m_pFrame->ClientToScreen(&pt);
        EXPECT_TRUE(MoveMouseTo(pt));
        PressLeftButton();
        m_pFrame->m_steps = steps;
        m_pFrame->m_nNext = 0;
        m_pFrame->m_observations.clear();
        m_pFrame->SetTimer(SCRIPT_TIMER, 10, nullptr);
        int nResult = m_pSource->DoDragDrop(m_pControl);
        m_pFrame->KillTimer(SCRIPT_TIMER);
        EXPECT_FALSE(m_pSource->IsDragRunning());
        EXPECT_EQ(nullptr, m_pSource->GetTarget());
        return nResult;
    }
    static Step Move(CPoint pt) { return {stepMove, pt, 0}; }
    static Step Key(StepKind kind, WORD wKey) { return {kind, CPoint(), wKey}; }
    static Step Do(StepKind kind) { return {kind, CPoint(), 0}; }

    CDragFrame* m_pFrame = nullptr;
    CXTPCommandBars m_commandBars;
    CustomizeDragSource* m_pSource = nullptr;
    CDropBar m_source;
    CDropBar m_target;
    CDropBar m_overlap;
    CXTPControl* m_pControl = nullptr;
};

} // namespace

TEST_F(CustomizeDragTest, MovesCopiesAndShowsTheCursors)
{
    const CPoint ptOver = TARGET_RECT.CenterPoint();
    const CPoint ptOver2(ptOver.x + 5, ptOver.y);
    int nResult = Drag({Move(EMPTY_POINT), Move(ptOver), Key(stepKeyDown, VK_CONTROL), Move(ptOver2),
                        Key(stepKeyUp, VK_CONTROL), Move(ptOver), Do(stepLeftUp)});
    EXPECT_EQ(xtpDropMoved, nResult);
    EXPECT_EQ(1, m_target.m_nDrops);
    EXPECT_EQ(static_cast<DWORD>(xtpDropMoved), m_target.m_dropEffectIn);
    ASSERT_EQ(1, m_target.GetControlCount());
    EXPECT_EQ(4711, m_target.GetControl(0)->GetID());
    EXPECT_EQ(0, m_source.m_nDrops);

    // Each step sees the cursor the one before it left: over nothing, over
    // the bar, Ctrl down (copy), moved with Ctrl, Ctrl up (move), moved.
    ASSERT_GE(m_pFrame->m_observations.size(), 7u);
    const HCURSOR expected[] = {m_pSource->GetNoDropCursor(), m_pSource->GetMoveCursor(),
                                m_pSource->GetCopyCursor(), m_pSource->GetCopyCursor(),
                                m_pSource->GetMoveCursor(), m_pSource->GetMoveCursor()};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(expected[i], m_pFrame->m_observations[i + 1].hCursor) << i;
    EXPECT_NE(m_pSource->GetMoveCursor(), m_pSource->GetCopyCursor());
    EXPECT_EQ(&m_target, m_pFrame->m_observations[2].pTarget);
    // The arrow is back after the drag.
    EXPECT_EQ(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)), ::GetCursor());

    // Dropped with Ctrl held: a copy.
    nResult = Drag({Key(stepKeyDown, VK_CONTROL), Move(ptOver), Do(stepLeftUp), Key(stepKeyUp, VK_CONTROL)});
    EXPECT_EQ(xtpDropCopied, nResult);
    EXPECT_EQ(static_cast<DWORD>(xtpDropCopied), m_target.m_dropEffectIn);
    EXPECT_EQ(2, m_target.GetControlCount());
}

TEST_F(CustomizeDragTest, CancelledDragsDropNothing)
{
    const CPoint ptOver = TARGET_RECT.CenterPoint();
    struct
    {
        const char* pszName;
        std::vector<Step> steps;
        int nResult;
    } cases[] = {
        {"Esc", {Move(ptOver), Key(stepKeyDown, VK_ESCAPE), Key(stepKeyUp, VK_ESCAPE)}, xtpDropCancelled},
        {"right button", {Move(ptOver), Do(stepRightDown)}, xtpDropCancelled},
        {"capture lost", {Move(ptOver), Do(stepLoseCapture)}, xtpDropCancelled},
        {"over nothing", {Move(ptOver), Move(EMPTY_POINT), Do(stepLeftUp)}, xtpDropNone},
        {"never moved", {Do(stepLeftUp)}, xtpDropCancelled},
    };
    for (auto& c : cases)
    {
        int nLeaves = m_target.m_nLeaves;
        int nEnters = m_target.m_nEnters;
        EXPECT_EQ(c.nResult, Drag(c.steps)) << c.pszName;
        // The marker the bar showed is gone again.
        EXPECT_EQ(m_target.m_nEnters - nEnters, m_target.m_nLeaves - nLeaves) << c.pszName;
        EXPECT_EQ(0, m_target.m_nDrops) << c.pszName;
        EXPECT_EQ(0, m_target.GetControlCount()) << c.pszName;
        InjectMouseButton(MOUSEEVENTF_LEFTUP);
        InjectMouseButton(MOUSEEVENTF_RIGHTUP);
        PumpInputMessages();
    }
}

TEST_F(CustomizeDragTest, LaterOfOverlappingBarsTakesTheDrop)
{
    m_overlap.ShowWindow(SW_SHOW);
    const CPoint ptBoth(OVERLAP_RECT.left + 20, OVERLAP_RECT.top + 10);
    EXPECT_EQ(xtpDropMoved, Drag({Move(ptBoth), Do(stepLeftUp)}));
    EXPECT_EQ(1, m_overlap.m_nDrops);
    EXPECT_EQ(0, m_target.m_nDrops);

    // A bar that refuses drops is no target: the cursor says so.
    m_overlap.m_bTakesDrops = FALSE;
    EXPECT_EQ(xtpDropNone, Drag({Move(ptBoth), Move(CPoint(ptBoth.x + 2, ptBoth.y)), Do(stepLeftUp)}));
    EXPECT_EQ(1, m_overlap.m_nDrops);
    EXPECT_EQ(m_pSource->GetNoDropCursor(), m_pFrame->m_observations[2].hCursor);

    // A bar that goes away leaves the list; the drop goes to the one beneath.
    m_overlap.m_bTakesDrops = TRUE;
    m_pSource->RemoveDropTarget(&m_overlap);
    EXPECT_EQ(2, m_pSource->GetDropTargetCount());
    EXPECT_EQ(xtpDropMoved, Drag({Move(ptBoth), Do(stepLeftUp)}));
    EXPECT_EQ(1, m_target.m_nDrops);
}

namespace {

struct ReleaseBars
{
    void operator()(CXTPCommandBars* p) const { p->InternalRelease(); }
};

// Command bars that remember what the last customize drag answered.
class CRecordingBars : public CXTPCommandBars
{
public:
    int DoCustomizeDrag(CXTPControl* pControl, BOOL bCopy) override
    {
        m_nLastResult = CXTPCommandBars::DoCustomizeDrag(pControl, bCopy);
        return m_nLastResult;
    }
    int m_nLastResult = -1;
};

// A frame's own toolbars in customize mode: the user presses a button and
// drags it with the real mouse; the command bars run the drag and the bars
// take it.
class CustomizeToolBarsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        m_pFrame = new CDragFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Symbolleisten", WS_OVERLAPPEDWINDOW, CRect(100, 100, 600, 400)));
        m_pCommandBars.reset(new CRecordingBars);
        m_pCommandBars->SetSite(m_pFrame);
        m_pTop = m_pCommandBars->CreateToolBar("Standard", xtpBarTop);
        m_pBottom = m_pCommandBars->CreateToolBar("Format", xtpBarBottom);
        ASSERT_NE(nullptr, m_pTop);
        ASSERT_NE(nullptr, m_pBottom);
        ASSERT_TRUE(m_pTop->LoadToolBar(IDR_BAR_TEST_TOOLBAR, FALSE));
        ASSERT_TRUE(m_pBottom->LoadToolBar(IDR_BAR_TEST_TOOLBAR, FALSE));
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        m_pFrame->RecalcLayout();
        PumpInputMessages();
        m_pFrame->m_pSource = m_pCommandBars->GetDragSource();
        m_pCommandBars->SetCustomizeMode(TRUE);
    }
    void TearDown() override
    {
        ::ReleaseCapture();
        InjectMouseButton(MOUSEEVENTF_LEFTUP);
        InjectKey(VK_CONTROL, TRUE);
        PumpInputMessages();
        m_pCommandBars->SetCustomizeMode(FALSE);
        m_pCommandBars->RemoveAll();
        m_pFrame->DestroyWindow();
        PumpInputMessages();
    }

    // The command ids of the bar's buttons, the expand button left out.
    static std::vector<UINT> Ids(CXTPToolBar* pBar)
    {
        std::vector<UINT> ids;
        for (int i = 0; i < pBar->GetControlCount(); ++i)
            if (pBar->GetControl(i) != pBar->GetExpandButton())
                ids.push_back(static_cast<UINT>(pBar->GetControl(i)->GetID()));
        return ids;
    }
    int IndexOf(CXTPToolBar* pBar, UINT nId) const
    {
        for (int i = 0; i < pBar->GetControlCount(); ++i)
            if (static_cast<UINT>(pBar->GetControl(i)->GetID()) == nId)
                return i;
        return -1;
    }
    // A point of the control (dx from its left edge, or from its right edge
    // when negative) in the frame's client coordinates, as the script wants.
    CPoint At(CXTPToolBar* pBar, int nIndex, int dx) const
    {
        CRect rc = pBar->GetControl(nIndex)->GetRect();
        CPoint pt(dx >= 0 ? rc.left + dx : rc.right + dx, rc.CenterPoint().y);
        pBar->ClientToScreen(&pt);
        m_pFrame->ScreenToClient(&pt);
        return pt;
    }
    // Presses the left button on the control and plays the steps while the
    // drag that the press starts runs; answers the drag's result.
    int DragFrom(CXTPToolBar* pBar, UINT nId, const std::vector<Step>& steps)
    {
        int nIndex = IndexOf(pBar, nId);
        EXPECT_GE(nIndex, 0);
        // Presses at one place in quick succession would be double clicks.
        CPoint pt = At(pBar, nIndex, (++m_nPresses % 2) != 0 ? 3 : 10);
        m_pFrame->ClientToScreen(&pt);
        EXPECT_TRUE(MoveMouseTo(pt));
        m_pCommandBars->m_nLastResult = -1;
        m_pFrame->m_steps = steps;
        m_pFrame->m_nNext = 0;
        m_pFrame->m_observations.clear();
        m_pFrame->SetTimer(SCRIPT_TIMER, 10, nullptr);
        PressLeftButton();
        m_pFrame->KillTimer(SCRIPT_TIMER);
        EXPECT_FALSE(m_pCommandBars->GetDragSource()->IsDragRunning());
        EXPECT_FALSE(m_pCommandBars->IsCustomizeRunning());
        return m_pCommandBars->m_nLastResult;
    }
    // The middle of the frame, between the two toolbars.
    CPoint Nothing() const
    {
        CRect rc;
        m_pFrame->GetClientRect(&rc);
        return rc.CenterPoint();
    }
    static Step Move(CPoint pt) { return {stepMove, pt, 0}; }
    static Step Key(StepKind kind, WORD wKey) { return {kind, CPoint(), wKey}; }
    static Step Do(StepKind kind) { return {kind, CPoint(), 0}; }

    CDragFrame* m_pFrame = nullptr;
    std::unique_ptr<CRecordingBars, ReleaseBars> m_pCommandBars;
    CXTPToolBar* m_pTop = nullptr;
    CXTPToolBar* m_pBottom = nullptr;
    int m_nPresses = 0;
};

} // namespace

TEST_F(CustomizeToolBarsTest, BarsRegisterWithTheirCommandBars)
{
    CustomizeDragSource* pSource = m_pCommandBars->GetDragSource();
    ASSERT_NE(nullptr, pSource);
    EXPECT_EQ(2, pSource->GetDropTargetCount());
    // A bar that goes away leaves the list.
    m_pCommandBars->Remove(m_pBottom);
    m_pBottom = nullptr;
    EXPECT_EQ(1, pSource->GetDropTargetCount());
}

TEST_F(CustomizeToolBarsTest, ButtonsMoveAndCopyBetweenToolbars)
{
    const std::vector<UINT> original = {ID_BAR_TEST_NEW, ID_BAR_TEST_OPEN, ID_BAR_TEST_SAVE, ID_BAR_TEST_PRINT,
                                        ID_BAR_TEST_FIND};
    ASSERT_EQ(original, Ids(m_pTop));
    const CPoint ptNothing = Nothing();

    // Print moved before the bottom bar's first button: over nothing first
    // (no-drop cursor), then over the bar (move cursor).
    const CPoint ptBeforeNew = At(m_pBottom, 0, 2);
    EXPECT_EQ(xtpDropMoved, DragFrom(m_pTop, ID_BAR_TEST_PRINT,
                                     {Move(ptNothing), Move(ptBeforeNew), Do(stepLeftUp)}));
    EXPECT_EQ((std::vector<UINT>{ID_BAR_TEST_NEW, ID_BAR_TEST_OPEN, ID_BAR_TEST_SAVE, ID_BAR_TEST_FIND}),
              Ids(m_pTop));
    EXPECT_EQ((std::vector<UINT>{ID_BAR_TEST_PRINT, ID_BAR_TEST_NEW, ID_BAR_TEST_OPEN, ID_BAR_TEST_SAVE,
                                 ID_BAR_TEST_PRINT, ID_BAR_TEST_FIND}),
              Ids(m_pBottom));
    CustomizeDragSource* pSource = m_pCommandBars->GetDragSource();
    ASSERT_GE(m_pFrame->m_observations.size(), 3u);
    EXPECT_EQ(pSource->GetNoDropCursor(), m_pFrame->m_observations[1].hCursor);
    EXPECT_EQ(pSource->GetMoveCursor(), m_pFrame->m_observations[2].hCursor);
    EXPECT_EQ(m_pBottom, m_pFrame->m_observations[2].pTarget);

    // New copied with Ctrl after the bottom bar's last button: the copy
    // cursor, and the top bar keeps its New.
    int nLast = IndexOf(m_pBottom, ID_BAR_TEST_FIND);
    const CPoint ptAfterFind = At(m_pBottom, nLast, -2);
    EXPECT_EQ(xtpDropCopied, DragFrom(m_pTop, ID_BAR_TEST_NEW,
                                      {Key(stepKeyDown, VK_CONTROL), Move(ptAfterFind), Do(stepLeftUp),
                                       Key(stepKeyUp, VK_CONTROL)}));
    ASSERT_GE(m_pFrame->m_observations.size(), 3u);
    EXPECT_EQ(pSource->GetCopyCursor(), m_pFrame->m_observations[2].hCursor);
    EXPECT_EQ((std::vector<UINT>{ID_BAR_TEST_NEW, ID_BAR_TEST_OPEN, ID_BAR_TEST_SAVE, ID_BAR_TEST_FIND}),
              Ids(m_pTop));
    EXPECT_EQ((std::vector<UINT>{ID_BAR_TEST_PRINT, ID_BAR_TEST_NEW, ID_BAR_TEST_OPEN, ID_BAR_TEST_SAVE,
                                 ID_BAR_TEST_PRINT, ID_BAR_TEST_FIND, ID_BAR_TEST_NEW}),
              Ids(m_pBottom));
    EXPECT_EQ(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)), ::GetCursor());
}

TEST_F(CustomizeToolBarsTest, CancelledDragsLeaveTheBarsAndDropsOnNothingRemove)
{
    const std::vector<UINT> original = Ids(m_pTop);
    const CPoint ptOver = At(m_pBottom, 1, 2);
    struct
    {
        const char* pszName;
        std::vector<Step> steps;
    } cancelled[] = {
        {"Esc", {Move(ptOver), Key(stepKeyDown, VK_ESCAPE), Key(stepKeyUp, VK_ESCAPE)}},
        {"right button", {Move(ptOver), Do(stepRightDown)}},
        {"capture lost", {Move(ptOver), Do(stepLoseCapture)}},
    };
    for (auto& c : cancelled)
    {
        EXPECT_EQ(xtpDropCancelled, DragFrom(m_pTop, ID_BAR_TEST_SAVE, c.steps)) << c.pszName;
        EXPECT_EQ(original, Ids(m_pTop)) << c.pszName;
        EXPECT_EQ(original, Ids(m_pBottom)) << c.pszName;
        InjectMouseButton(MOUSEEVENTF_LEFTUP);
        InjectMouseButton(MOUSEEVENTF_RIGHTUP);
        PumpInputMessages();
    }

    // Dropped a little beside where it was picked up: the button stays.
    int nSave = IndexOf(m_pTop, ID_BAR_TEST_SAVE);
    EXPECT_EQ(xtpDropCancelled, DragFrom(m_pTop, ID_BAR_TEST_SAVE, {Move(At(m_pTop, nSave, 7)), Do(stepLeftUp)}));
    EXPECT_EQ(original, Ids(m_pTop));

    // Released over no bar: the button leaves its toolbar.
    EXPECT_EQ(xtpDropNone, DragFrom(m_pTop, ID_BAR_TEST_SAVE,
                                    {Move(ptOver), Move(Nothing()), Do(stepLeftUp)}));
    EXPECT_EQ((std::vector<UINT>{ID_BAR_TEST_NEW, ID_BAR_TEST_OPEN, ID_BAR_TEST_PRINT, ID_BAR_TEST_FIND}),
              Ids(m_pTop));
    EXPECT_EQ(original, Ids(m_pBottom));
}
