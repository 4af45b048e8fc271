// The real wheel on a frame's bars: it reaches the frame's pre-translation
// and from there the control of the tracking bar. A focused combo steps its
// selection, its open list scrolls under the pointer, and a gallery in an
// open popup scrolls by three rows.
#include "toolkit/commandbars/FrameWnd.h"

#include "InputTestSupport.h"
#include "toolkit/BarTestSupport.h"
// Before the toolbar header: both name the popup expand id.
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/ControlComboBox.h"
#include "toolkit/controls/ControlGallery.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

namespace {

const int ID_COMBO = 720;
const int ID_COLOURS = 721;
const int ID_GALLERY = 722;
const int kNotch = 120;

class ControlWheelInputTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(MoveMouseTo(CPoint(5, 5)));
        m_pFrame = new CXTPFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Rad", WS_OVERLAPPEDWINDOW, CRect(70, 70, 570, 420)));
        ASSERT_TRUE(m_pFrame->InitCommandBars());
        m_pCommandBars = m_pFrame->GetCommandBars();
        // The frame handles no commands: the controls stay enabled.
        m_pCommandBars->GetCommandBarsOptions()->bDisableCommandIfNoHandler = FALSE;
        m_pToolBar = m_pCommandBars->CreateToolBar("Format", xtpBarTop);
        ASSERT_NE(nullptr, m_pToolBar);

        m_pCombo = static_cast<CXTPControlComboBox*>(
            m_pToolBar->GetControls()->Add(xtpControlComboBox, ID_COMBO));
        m_pCombo->SetDropDown(TRUE);
        m_pCombo->SetWidth(150);
        for (int i = 0; i < 30; ++i)
        {
            CString strItem;
            strItem.Format("Eintrag %02d", i);
            m_pCombo->AddString(strItem);
        }

        m_pColours = static_cast<CXTPControlPopup*>(
            m_pToolBar->GetControls()->Add(xtpControlPopup, ID_COLOURS));
        m_pColours->SetCaption("Farben");
        m_pAction = NewTestGalleryAction(ID_GALLERY, 30, FALSE);
        m_pGallery = new CXTPControlGallery;
        m_pColours->GetCommandBar()->GetControls()->Add(m_pGallery, ID_GALLERY);
        m_pGallery->SetAction(m_pAction);
        m_pGallery->SetControlSize(CSize(120 + ::GetSystemMetrics(SM_CXVSCROLL), 60));

        ASSERT_TRUE(MakeForeground(m_pFrame->m_hWnd));
        m_pFrame->RecalcLayout();
        PumpTranslated();
        ASSERT_NE(nullptr, m_pCombo->GetEditCtrl()->GetSafeHwnd());
    }
    void TearDown() override
    {
        m_pCommandBars->CloseAllPopups();
        m_pCommandBars->RemoveAll();
        m_pFrame->DestroyWindow();
        m_pAction->InternalRelease();
        PumpInputMessages();
    }
    CPoint OnScreen(CXTPControl* pControl) const
    {
        CPoint pt = pControl->GetRect().CenterPoint();
        pControl->GetParent()->ClientToScreen(&pt);
        return pt;
    }
    void ClickAt(CPoint ptScreen)
    {
        ASSERT_TRUE(MoveMouseTo(ptScreen));
        InjectMouseButton(MOUSEEVENTF_LEFTDOWN);
        InjectMouseButton(MOUSEEVENTF_LEFTUP);
        PumpTranslated();
    }
    void Wheel(int nDelta)
    {
        InjectWheel(nDelta);
        PumpTranslated();
    }
    int TopIndex() const
    {
        return static_cast<int>(::SendMessageA(m_pCombo->GetListWindow(), LB_GETTOPINDEX, 0, 0));
    }

    CXTPFrameWnd* m_pFrame = nullptr;
    CXTPCommandBars* m_pCommandBars = nullptr;
    CXTPToolBar* m_pToolBar = nullptr;
    CXTPControlComboBox* m_pCombo = nullptr;
    CXTPControlPopup* m_pColours = nullptr;
    CXTPControlGalleryAction* m_pAction = nullptr;
    CXTPControlGallery* m_pGallery = nullptr;
};

TEST_F(ControlWheelInputTest, FocusedComboStepsItsSelection)
{
    m_pCombo->SetCurSel(4);
    CRect rcField;
    ::GetWindowRect(m_pCombo->GetEditCtrl()->GetSafeHwnd(), &rcField);
    ClickAt(rcField.CenterPoint());
    ASSERT_TRUE(m_pCombo->IsFocused());

    Wheel(-kNotch);
    EXPECT_EQ(5, m_pCombo->GetCurSel());
    EXPECT_STREQ("Eintrag 05", m_pCombo->GetText());
    Wheel(kNotch);
    Wheel(kNotch);
    EXPECT_EQ(3, m_pCombo->GetCurSel());
    EXPECT_STREQ("Eintrag 03", m_pCombo->GetText());
    EXPECT_FALSE(m_pCombo->IsDroppedDown());

    // Esc puts back the selection the focus found; without the focus the
    // wheel is not the combo's.
    TapKey(VK_ESCAPE);
    PumpTranslated();
    ASSERT_FALSE(m_pCombo->IsFocused());
    EXPECT_EQ(4, m_pCombo->GetCurSel());
    Wheel(-kNotch);
    EXPECT_EQ(4, m_pCombo->GetCurSel());
}

TEST_F(ControlWheelInputTest, OpenListScrollsUnderThePointer)
{
    CRect rcField;
    ::GetWindowRect(m_pCombo->GetEditCtrl()->GetSafeHwnd(), &rcField);
    ClickAt(rcField.CenterPoint());
    TapKeyWith(VK_MENU, VK_DOWN);
    PumpTranslated();
    ASSERT_TRUE(m_pCombo->IsDroppedDown());
    ASSERT_EQ(0, TopIndex());

    // Away from the list the wheel neither scrolls it nor moves the selection.
    const int nSelection = m_pCombo->GetCurSel();
    ASSERT_TRUE(MoveMouseTo(rcField.CenterPoint()));
    Wheel(-kNotch);
    EXPECT_EQ(0, TopIndex());
    EXPECT_EQ(nSelection, m_pCombo->GetCurSel());

    CRect rcList;
    ::GetWindowRect(m_pCombo->GetListWindow(), &rcList);
    ASSERT_TRUE(MoveMouseTo(rcList.CenterPoint()));
    Wheel(-kNotch);
    EXPECT_GT(TopIndex(), 0);
    EXPECT_TRUE(m_pCombo->IsDroppedDown());
    Wheel(kNotch);
    EXPECT_EQ(0, TopIndex());
}

TEST_F(ControlWheelInputTest, GalleryInAnOpenPopupScrollsThreeRows)
{
    ClickAt(OnScreen(m_pColours));
    CXTPCommandBar* pPopup = m_pColours->GetCommandBar();
    ASSERT_TRUE(pPopup->GetSafeHwnd() && ::IsWindowVisible(pPopup->GetSafeHwnd()));
    ASSERT_TRUE(MoveMouseTo(OnScreen(m_pGallery)));
    ASSERT_EQ(m_pGallery, pPopup->GetControl(pPopup->GetSelectedIndex()));
    ASSERT_EQ(0, m_pGallery->GetScrollPos());

    Wheel(-kNotch);
    EXPECT_EQ(3 * 20, m_pGallery->GetScrollPos());
    Wheel(kNotch);
    EXPECT_EQ(0, m_pGallery->GetScrollPos());
    EXPECT_TRUE(::IsWindowVisible(pPopup->GetSafeHwnd()));
}

} // namespace
