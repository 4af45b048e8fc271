// The themed splitter dragged with the real mouse, with the system's
// full-window drag off (the panes move on release) and on (they follow the
// mouse), and the full-drag flag following a settings change.
#include "toolkit/extras/Splitter.h"

#include "framework/ui/CreateContext.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/View.h"

#include "InputTestSupport.h"

#include <gtest/gtest.h>

namespace {

class CDragPaneView : public CView
{
    DECLARE_DYNCREATE(CDragPaneView)
protected:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CDragPaneView, CView)

class CDragSplitter : public CXTSplitterWnd
{
public:
    int ColumnWidth(int col) const { return m_pColInfo[col].nCurSize; }
};

class SplitterDragTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Teiler", WS_OVERLAPPEDWINDOW, CRect(40, 40, 680, 460)));
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
    }

    // One row, two columns, the left one 200 wide; full drag as the
    // program sets it up: following the system's setting.
    void CreateSplitter(CDragSplitter& splitter)
    {
        ASSERT_TRUE(splitter.CreateStatic(m_pFrame, 1, 2));
        splitter.SetStyleFlags(splitter.GetStyleFlags() & ~XT_SPLIT_NOFULLDRAG);
        for (int col = 0; col < 2; ++col)
        {
            CCreateContext context;
            ASSERT_TRUE(splitter.CreateView(0, col, RUNTIME_CLASS(CDragPaneView), CSize(200, 0),
                                            &context));
        }
        m_pFrame->RecalcLayout();
        splitter.UpdateWindow();
    }

    static CPoint ToScreen(CWnd& wnd, int x, int y)
    {
        CPoint pt(x, y);
        wnd.ClientToScreen(&pt);
        return pt;
    }

    CFrameWnd* m_pFrame = nullptr;
};

// The bar's middle follows the mouse: a column dragged to client x is
// x - 5 wide (border 2, tracker offset 1, half the 4-pixel tracker).
TEST_F(SplitterDragTest, BarFollowsTheMouseWithAndWithoutFullDrag)
{
    for (BOOL bFullDrag : { FALSE, TRUE })
    {
        CFullDragSettingScope setting(bFullDrag);
        CDragSplitter splitter;
        CreateSplitter(splitter);
        ASSERT_EQ(bFullDrag, splitter.IsFullDrag());
        ASSERT_EQ(200, splitter.ColumnWidth(0));

        ASSERT_TRUE(MoveMouseTo(ToScreen(splitter, 2 + 200 + 3, 100)));
        PressLeftButton();
        EXPECT_EQ(&splitter, CWnd::GetCapture()) << bFullDrag;
        ASSERT_TRUE(MoveMouseTo(ToScreen(splitter, 260, 110)));
        // Live panes only with full drag.
        EXPECT_EQ(bFullDrag ? 255 : 200, splitter.ColumnWidth(0)) << bFullDrag;
        ASSERT_TRUE(MoveMouseTo(ToScreen(splitter, 320, 120)));
        ReleaseLeftButton();

        EXPECT_EQ(315, splitter.ColumnWidth(0)) << bFullDrag;
        EXPECT_EQ(nullptr, CWnd::GetCapture()) << bFullDrag;
        CRect rectRight;
        splitter.GetPane(0, 1)->GetWindowRect(&rectRight);
        splitter.ScreenToClient(&rectRight);
        EXPECT_EQ(2 + 315 + 6, rectRight.left) << bFullDrag;

        // Escape during a drag leaves the layout as the last move put it
        // with full drag, and as it was without.
        ASSERT_TRUE(MoveMouseTo(ToScreen(splitter, 2 + 315 + 3, 100)));
        PressLeftButton();
        ASSERT_TRUE(MoveMouseTo(ToScreen(splitter, 400, 100)));
        TapKey(VK_ESCAPE);
        ReleaseLeftButton();
        EXPECT_EQ(bFullDrag ? 395 : 315, splitter.ColumnWidth(0)) << bFullDrag;
        EXPECT_EQ(nullptr, CWnd::GetCapture()) << bFullDrag;
        splitter.DestroyWindow();
    }
}

TEST_F(SplitterDragTest, SettingsChangeReadsFullDragAgain)
{
    CFullDragSettingScope setting(TRUE);
    CDragSplitter splitter;
    CreateSplitter(splitter);
    EXPECT_TRUE(splitter.IsFullDrag());
    splitter.SetStyleFlags(XT_SPLIT_NOFULLDRAG);
    EXPECT_FALSE(splitter.IsFullDrag());
    splitter.SetStyleFlags(0);
    EXPECT_TRUE(splitter.IsFullDrag());

    // The style word set directly only counts from the next change.
    ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, FALSE, nullptr, 0);
    splitter.SendMessage(WM_SETTINGCHANGE, SPI_SETDRAGFULLWINDOWS, 0);
    EXPECT_FALSE(splitter.IsFullDrag());
    ::SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
    splitter.SendMessage(WM_SETTINGCHANGE, SPI_SETDRAGFULLWINDOWS, 0);
    EXPECT_TRUE(splitter.IsFullDrag());
}

} // namespace
