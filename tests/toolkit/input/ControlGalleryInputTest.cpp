// A gallery on a docked toolbar under the real mouse: the item under the
// pointer turns hot, a press holds it down, the release runs the command,
// and a label never turns hot.
#include "toolkit/controls/ControlGallery.h"

#include "InputTestSupport.h"
#include "toolkit/BarTestSupport.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct ReleaseBars
{
    void operator()(CXTPCommandBars* p) const { p->InternalRelease(); }
};
using BarsPtr = std::unique_ptr<CXTPCommandBars, ReleaseBars>;

const int ID_GALLERY = 610;

class CGalleryFrame : public CFrameWnd
{
public:
    std::vector<UINT> m_codes;
    int m_nCommands = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_XTP_COMMAND)
            m_codes.push_back(reinterpret_cast<NMXTPCONTROL*>(lParam)->hdr.code);
        if (message == WM_COMMAND && LOWORD(wParam) == ID_GALLERY)
            ++m_nCommands;
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

class ControlGalleryInputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        m_pFrame = new CGalleryFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Galerie", WS_OVERLAPPEDWINDOW, CRect(60, 60, 560, 400)));
        m_pCommandBars.reset(new CXTPCommandBars);
        m_pCommandBars->SetSite(m_pFrame);
        // The site handles no commands: the controls stay enabled.
        m_pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
        m_pToolBar = m_pCommandBars->CreateToolBar("Galerie", xtpBarTop);
        ASSERT_NE(nullptr, m_pToolBar);

        m_pAction = NewTestGalleryAction(ID_GALLERY, 9, TRUE);
        m_pGallery = new CXTPControlGallery;
        m_pToolBar->GetControls()->Add(m_pGallery, ID_GALLERY);
        m_pGallery->SetAction(m_pAction);
        m_pGallery->SetControlSize(CSize(120 + ::GetSystemMetrics(SM_CXVSCROLL), 60));
        m_pFrame->ShowWindow(SW_SHOW);
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        m_pFrame->RecalcLayout();
        PumpInputMessages();
        ASSERT_FALSE(m_pGallery->GetRect().IsRectEmpty());
    }
    void TearDown() override
    {
        m_pCommandBars->CloseAllPopups();
        m_pCommandBars->RemoveAll();
        m_pFrame->DestroyWindow();
        m_pAction->InternalRelease();
        PumpInputMessages();
    }
    CPoint ItemOnScreen(int nIndex)
    {
        CRect rc = m_pGallery->GetLayout().GetItemRect(nIndex);
        rc.OffsetRect(0, -m_pGallery->GetScrollPos());
        CPoint pt = rc.CenterPoint();
        m_pToolBar->ClientToScreen(&pt);
        return pt;
    }

    CGalleryFrame* m_pFrame = nullptr;
    BarsPtr m_pCommandBars;
    CXTPToolBar* m_pToolBar = nullptr;
    CXTPControlGalleryAction* m_pAction = nullptr;
    CXTPControlGallery* m_pGallery = nullptr;
};

TEST_F(ControlGalleryInputTest, HotPressedAndExecutedByTheMouse)
{
    ASSERT_TRUE(MoveMouseTo(ItemOnScreen(2)));
    EXPECT_EQ(2, m_pGallery->GetSelectedItem());
    ASSERT_TRUE(MoveMouseTo(ItemOnScreen(0)));
    EXPECT_EQ(-1, m_pGallery->GetSelectedItem());

    ASSERT_TRUE(MoveMouseTo(ItemOnScreen(3)));
    EXPECT_EQ(3, m_pGallery->GetSelectedItem());
    PressLeftButton();
    EXPECT_TRUE(m_pGallery->IsItemPressed());
    EXPECT_EQ(0, m_pFrame->m_nCommands);
    ReleaseLeftButton();
    EXPECT_FALSE(m_pGallery->IsItemPressed());
    EXPECT_EQ(std::vector<UINT>{CBN_XTP_EXECUTE}, m_pFrame->m_codes);
    EXPECT_EQ(1, m_pFrame->m_nCommands);
}

} // namespace
