// The caption of a skinned frame under the real mouse: the caption buttons
// turn hot under the pointer and minimise, maximise, restore and close the
// frame when clicked, dragging the caption moves the frame, a double click
// maximises it and the right button opens the frame's system menu.
#include "InputTestSupport.h"
#include "toolkit/RibbonTestSupport.h"

#include "toolkit/commandbars/HookManager.h"
#include "toolkit/commandbars/HookManagerHookAble.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonTab.h"

namespace {

// Keeps a close from the frame and counts the system menus that open on it.
class CCaptionFrameWatch : public CXTPHookManagerHookAble
{
public:
    int m_nCloses = 0;
    int m_nSystemMenus = 0;

    int OnHookMessage(HWND /*hWnd*/, UINT nMessage, WPARAM& wParam, LPARAM& /*lParam*/, LRESULT& lResult) override
    {
        if (nMessage == WM_CLOSE)
        {
            ++m_nCloses;
            lResult = 0;
            return hookHandled;
        }
        // The menu that opens holds the frame's window commands.
        if (nMessage == WM_INITMENUPOPUP
            && ::GetMenuState(reinterpret_cast<HMENU>(wParam), SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1))
            ++m_nSystemMenus;
        return hookNext;
    }
};

// A menu left open by a failing test ends all the same.
void CALLBACK EndMenuLater(HWND hWnd, UINT, UINT_PTR nId, DWORD)
{
    ::KillTimer(hWnd, nId);
    ::EndMenu();
}

class RibbonCaptionInputTest : public RibbonTestBase
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        RibbonTestBase::SetUp();
        AddButton(m_pRibbon->AddTab("Start")->AddGroup("Notizen", 1), 100, xtpButtonIconAndCaptionBelow);
        m_pRibbon->SelectTab(0);
        m_pFrame->SetWindowPos(nullptr, 60, 60, 700, 400, SWP_NOZORDER | SWP_SHOWWINDOW);
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        m_pRibbon->EnableFrameTheme(TRUE);
        XTPHookManager()->SetHook(m_pFrame->m_hWnd, &m_watch);
        Relayout();
    }
    void TearDown() override
    {
        XTPHookManager()->RemoveAll(&m_watch);
        RibbonTestBase::TearDown();
        PumpInputMessages();
    }
    void Relayout()
    {
        m_pFrame->RecalcLayout();
        PumpInputMessages();
    }
    CPoint ScreenPoint(CPoint point) const
    {
        m_pRibbon->ClientToScreen(&point);
        return point;
    }
    CPoint ButtonPoint(int nCommand) const
    {
        CXTPControl* pButton = m_pRibbon->GetCaptionButton(nCommand);
        return pButton ? ScreenPoint(pButton->GetRect().CenterPoint()) : CPoint(-1, -1);
    }
    // A point of the caption clear of the title and the buttons.
    CPoint CaptionPoint() const
    {
        const CRect rcText = m_pRibbon->GetCaptionTextRect();
        return ScreenPoint(CPoint(rcText.right - 6, rcText.CenterPoint().y));
    }
    void Click(CPoint ptScreen)
    {
        ASSERT_TRUE(MoveMouseTo(ptScreen));
        ClickAndReleaseAt(ptScreen);
        PumpInputMessages();
    }

    CCaptionFrameWatch m_watch;
};

TEST_F(RibbonCaptionInputTest, ClickedCaptionButtonsMinimiseMaximiseRestoreAndClose)
{
    // Hot under the pointer.
    CXTPControl* pMinimize = m_pRibbon->GetCaptionButton(SC_MINIMIZE);
    ASSERT_NE(nullptr, pMinimize);
    ASSERT_TRUE(MoveMouseTo(ButtonPoint(SC_MINIMIZE)));
    EXPECT_TRUE(pMinimize->GetSelected());

    Click(ButtonPoint(SC_MAXIMIZE));
    EXPECT_TRUE(m_pFrame->IsZoomed());
    Relayout();
    ASSERT_NE(nullptr, m_pRibbon->GetCaptionButton(SC_RESTORE));
    Click(ButtonPoint(SC_RESTORE));
    EXPECT_FALSE(m_pFrame->IsZoomed());
    Relayout();

    Click(ButtonPoint(SC_MINIMIZE));
    EXPECT_TRUE(m_pFrame->IsIconic());
    m_pFrame->ShowWindow(SW_RESTORE);
    ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
    Relayout();

    Click(ButtonPoint(SC_CLOSE));
    EXPECT_EQ(1, m_watch.m_nCloses);
}

TEST_F(RibbonCaptionInputTest, DraggingTheCaptionMovesTheFrameAndADoubleClickMaximisesIt)
{
    CFullDragSettingScope fullDrag(TRUE);
    CRect rcBefore;
    m_pFrame->GetWindowRect(&rcBefore);
    const CPoint ptStart = CaptionPoint();
    const CPoint ptEnd = ptStart + CSize(40, 30);
    ASSERT_TRUE(MoveMouseTo(ptStart));
    InjectMouseButton(MOUSEEVENTF_LEFTDOWN);
    InjectMouseMove(ptStart + CSize(20, 15));
    InjectMouseMove(ptEnd);
    InjectMouseButton(MOUSEEVENTF_LEFTUP);
    PumpInputMessages();
    CRect rcAfter;
    m_pFrame->GetWindowRect(&rcAfter);
    EXPECT_EQ(rcBefore + CSize(40, 30), rcAfter);

    Relayout();
    const CPoint ptCaption = CaptionPoint();
    ASSERT_TRUE(MoveMouseTo(ptCaption));
    for (int i = 0; i < 2; ++i)
    {
        InjectMouseButton(MOUSEEVENTF_LEFTDOWN);
        InjectMouseButton(MOUSEEVENTF_LEFTUP);
    }
    PumpInputMessages();
    EXPECT_TRUE(m_pFrame->IsZoomed());
}

TEST_F(RibbonCaptionInputTest, TheCaptionsTopEdgeShowsTheSizingCursor)
{
    const CPoint ptEdge(CaptionPoint().x, ScreenPoint(CPoint(0, 1)).y);
    ASSERT_TRUE(MoveMouseTo(ptEdge));
    PumpInputMessages();
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_SIZENS), ::GetCursor());
    ASSERT_TRUE(MoveMouseTo(CaptionPoint()));
    PumpInputMessages();
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_ARROW), ::GetCursor());
}

TEST_F(RibbonCaptionInputTest, TheRightButtonOnTheCaptionOpensTheSystemMenu)
{
    ASSERT_TRUE(MoveMouseTo(CaptionPoint()));
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 3000, &EndMenuLater);
    InjectMouseButton(MOUSEEVENTF_RIGHTDOWN);
    InjectMouseButton(MOUSEEVENTF_RIGHTUP);
    InjectKey(VK_ESCAPE, FALSE);
    InjectKey(VK_ESCAPE, TRUE);
    PumpInputMessages();
    ::KillTimer(nullptr, nTimer);
    EXPECT_EQ(1, m_watch.m_nSystemMenus);
    EXPECT_TRUE(::IsWindow(m_pFrame->m_hWnd));
    EXPECT_FALSE(m_pFrame->IsIconic());
}

} // namespace
