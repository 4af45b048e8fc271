// The ribbon under real keys and the wheel: Alt hands the keyboard to its
// tab row, Left and Right step through the tabs and stop at the ends,
// Down and Up leave it for the controls below and above, Alt+letter
// selects the tab of that access key, and the wheel steps the
// selected tab while the ribbon tracks or while the pointer is over it.
//
// The frame swallows and counts the system's menu key (SC_KEYMENU) that
// reaches its own window procedure: the ribbon must take Alt before that,
// and when it does not the system's modal menu mode would wait for keys
// that no test sends.
#include "toolkit/commandbars/FrameWnd.h"

#include "InputTestSupport.h"
#include "framework/ui/ControlBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/extras/RibbonBar.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonTab.h"

#include <gtest/gtest.h>

namespace {

class CRibbonKeyFrame : public CXTPFrameWnd
{
public:
    int m_nMenuKeys = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU)
        {
            ++m_nMenuKeys;
            return 0;
        }
        return CXTPFrameWnd::WindowProc(message, wParam, lParam);
    }
};

class RibbonInputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        m_pFrame = new CRibbonKeyFrame;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Menüband", WS_OVERLAPPEDWINDOW, CRect(60, 60, 760, 460)));
        ASSERT_TRUE(m_pFrame->InitCommandBars());
        m_pCommandBars = m_pFrame->GetCommandBars();
        m_pRibbon = static_cast<CXTPRibbonBar*>(
            m_pCommandBars->CreateToolBar("Menüband", xtpBarTop, RUNTIME_CLASS(CXTPRibbonBar)));
        ASSERT_NE(nullptr, m_pRibbon);
        for (const char* pszTab : {"&Start", "&Einfügen", "&Ansicht"})
            m_pRibbon->AddTab(pszTab)->AddGroup("Gruppe", m_pRibbon->GetTabCount())->Add(
                xtpControlButton, 100 + m_pRibbon->GetTabCount());
        m_pRibbon->SelectTab(0);
        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        m_pFrame->RecalcLayout();
        PumpTranslated();
    }
    void TearDown() override
    {
        EXPECT_EQ(0, m_pFrame->m_nMenuKeys);
        m_pCommandBars->CloseAllPopups();
        m_pCommandBars->RemoveAll();
        m_pFrame->DestroyWindow();
        PumpInputMessages();
    }
    void Tap(WORD wKey, WORD wModifier = 0)
    {
        if (wModifier)
            InjectKey(wModifier, FALSE);
        InjectKey(wKey, FALSE);
        InjectKey(wKey, TRUE);
        if (wModifier)
            InjectKey(wModifier, TRUE);
        PumpTranslated();
    }
    void Wheel(int nDelta)
    {
        InjectWheel(nDelta);
        PumpTranslated();
    }
    int Selected() const
    {
        CXTPRibbonTab* pTab = m_pRibbon->GetSelectedTab();
        return pTab ? pTab->GetIndex() : -1;
    }

    CRibbonKeyFrame* m_pFrame = nullptr;
    CXTPCommandBars* m_pCommandBars = nullptr;
    CXTPRibbonBar* m_pRibbon = nullptr;
};

TEST_F(RibbonInputTest, AltFocusesTheTabRowAndTheArrowsStepThroughTheTabs)
{
    Tap(VK_MENU);
    EXPECT_EQ(1, m_pRibbon->GetTrackingMode());
    EXPECT_TRUE(m_pRibbon->GetControlTab()->IsFocused());
    EXPECT_TRUE(m_pCommandBars->IsAccessKeysShown());

    const struct
    {
        WORD wKey;
        int nSelected;
    } kSteps[] = {{VK_RIGHT, 1}, {VK_RIGHT, 2}, {VK_RIGHT, 2}, {VK_LEFT, 1}, {VK_LEFT, 0}, {VK_LEFT, 0}};
    for (const auto& step : kSteps)
    {
        Tap(step.wKey);
        EXPECT_EQ(step.nSelected, Selected()) << step.wKey;
    }
    Tap(VK_ESCAPE);
    EXPECT_EQ(0, m_pRibbon->GetTrackingMode());
    EXPECT_FALSE(m_pRibbon->GetControlTab()->IsFocused());
}

TEST_F(RibbonInputTest, DownAndUpLeaveTheTabRowForTheControlsBelowAndAbove)
{
    // Down: the first control after the row, the selected tab's button.
    Tap(VK_MENU);
    Tap(VK_DOWN);
    EXPECT_EQ(m_pRibbon->GetTab(0)->GetGroups()->GetAt(0)->GetAt(0),
              m_pRibbon->GetControl(m_pRibbon->GetSelectedIndex()));
    EXPECT_FALSE(m_pRibbon->GetControlTab()->IsFocused());
    Tap(VK_ESCAPE);

    // Up: the bar's first visible control, the quick access button.
    Tap(VK_MENU);
    ASSERT_TRUE(m_pRibbon->GetControlTab()->IsFocused());
    Tap(VK_UP);
    EXPECT_EQ(m_pRibbon->GetControlQuickAccess(), m_pRibbon->GetControl(m_pRibbon->GetSelectedIndex()));
    EXPECT_FALSE(m_pRibbon->GetControlTab()->IsFocused());
    Tap(VK_ESCAPE);
}

TEST_F(RibbonInputTest, AltAndATabsAccessKeySelectThatTab)
{
    Tap('E', VK_MENU);
    EXPECT_EQ(1, Selected());
    EXPECT_EQ(1, m_pRibbon->GetTrackingMode());
    EXPECT_TRUE(m_pRibbon->GetControlTab()->IsFocused());
    // While the row has the keyboard a letter alone picks the tab.
    Tap('A');
    EXPECT_EQ(2, Selected());
    // A disabled or hidden tab's letter picks nothing.
    m_pRibbon->GetTab(0)->SetEnabled(FALSE);
    Tap('S');
    EXPECT_EQ(2, Selected());
    m_pRibbon->GetTab(0)->SetEnabled(TRUE);
    m_pRibbon->GetTab(0)->SetVisible(FALSE);
    Tap('S');
    EXPECT_EQ(2, Selected());
    Tap(VK_ESCAPE);
}

TEST_F(RibbonInputTest, TheWheelStepsTheSelectedTabWhileTheRibbonTracks)
{
    // The pointer over the frame below the ribbon: the wheel reaches this
    // program's windows but not over the ribbon itself.
    CRect rcRibbon;
    m_pRibbon->GetWindowRect(&rcRibbon);
    ASSERT_TRUE(MoveMouseTo(CPoint(rcRibbon.CenterPoint().x, rcRibbon.bottom + 40)));
    Tap(VK_MENU);
    ASSERT_EQ(1, m_pRibbon->GetTrackingMode());
    const struct
    {
        int nDelta;
        int nSelected;
    } kTurns[] = {{-120, 1}, {-120, 2}, {-120, 2}, {120, 1}, {120, 0}};
    for (const auto& turn : kTurns)
    {
        Wheel(turn.nDelta);
        EXPECT_EQ(turn.nSelected, Selected()) << turn.nDelta;
    }
    Tap(VK_ESCAPE);
}

TEST_F(RibbonInputTest, TheWheelOverTheRibbonStepsTheTabsAndElsewhereNot)
{
    CRect rcTabs = m_pRibbon->GetTabsRect();
    m_pRibbon->ClientToScreen(&rcTabs);
    ASSERT_TRUE(MoveMouseTo(rcTabs.CenterPoint()));
    Wheel(-120);
    EXPECT_EQ(1, Selected());
    CRect rcGroups = m_pRibbon->GetGroupsRect();
    m_pRibbon->ClientToScreen(&rcGroups);
    ASSERT_TRUE(MoveMouseTo(rcGroups.CenterPoint()));
    Wheel(120);
    EXPECT_EQ(0, Selected());

    // Below the ribbon, in the frame's client area, the wheel is not the tabs'.
    CRect rcRibbon;
    m_pRibbon->GetWindowRect(&rcRibbon);
    ASSERT_TRUE(MoveMouseTo(CPoint(rcRibbon.CenterPoint().x, rcRibbon.bottom + 40)));
    Wheel(-120);
    EXPECT_EQ(0, Selected());
    EXPECT_EQ(0, m_pRibbon->GetTrackingMode());
}

} // namespace
