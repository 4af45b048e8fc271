// A combo box whose drop-down is a gallery: the combo's selection, search
// and text go through the gallery's items, and opening and closing the
// drop-down tell the site.
#include "toolkit/controls/ControlGalleryPopupBar.h"

#include "BarTestSupport.h"
#include "toolkit/controls/ControlComboBox.h"
#include "toolkit/controls/ControlGallery.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class ComboGalleryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_site.CreateEx(0, "STATIC", "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
        m_bar.SetPaintManager(&m_theme);
        ASSERT_TRUE(m_bar.CreateHidden(300, 40));
        m_bar.SetSite(&m_site);
        m_pCombo = dynamic_cast<CXTPControlComboBox*>(m_bar.GetControls()->Add(xtpControlComboBox, 800));
        ASSERT_NE(nullptr, m_pCombo);
        m_pCombo->SetDropDown(TRUE);

        m_pPopup = CXTPControlComboBoxGalleryPopupBar::CreateComboBoxGalleryPopupBar(nullptr);
        m_pPopup->SetPaintManager(&m_theme);
        m_pCombo->SetCommandBar(m_pPopup);
        m_pPopup->InternalRelease();
        CXTPControlGalleryItems* pItems = new CXTPControlGalleryItems;
        pItems->SetItemSize(CSize(100, 20));
        for (LPCSTR psz : {"Arial", "Arial Black", "Courier"})
            pItems->AddItem(0, psz);
        m_pAction = new CXTPControlGalleryAction;
        m_pAction->SetItems(pItems);
        pItems->InternalRelease();
        m_pGallery = new CXTPControlGallery;
        m_pPopup->GetControls()->Add(m_pGallery, 0);
        m_pGallery->SetAction(m_pAction);
        m_pGallery->SetRect(CRect(0, 0, 120, 60));
        m_pCombo->SetRect(CRect(10, 5, 160, 27));
    }
    void TearDown() override
    {
        m_bar.SetTrackingMode(0);
        m_bar.GetControls()->RemoveAll();
        m_pAction->InternalRelease();
        m_bar.DestroyWindow();
        m_site.DestroyWindow();
    }

    CTestTheme m_theme;
    CNotifyRecordingSite m_site;
    CTestBar m_bar;
    CXTPControlComboBox* m_pCombo = nullptr;
    CXTPControlComboBoxGalleryPopupBar* m_pPopup = nullptr;
    CXTPControlGalleryAction* m_pAction = nullptr;
    CXTPControlGallery* m_pGallery = nullptr;
};

TEST_F(ComboGalleryTest, SelectionAndSearchGoThroughTheGallery)
{
    EXPECT_EQ(m_pGallery, m_pPopup->GetGallery());
    EXPECT_EQ(m_pPopup, m_pCombo->GetComboPopupBar());
    EXPECT_EQ(-1, m_pCombo->GetCurSel());
    m_pCombo->SetCurSel(1);
    EXPECT_EQ(1, m_pGallery->GetSelectedItem());
    EXPECT_STREQ("Arial Black", m_pCombo->GetText());
    EXPECT_EQ(2, m_pPopup->FindString(-1, "cou"));
    EXPECT_EQ(0, m_pPopup->FindStringExact(-1, "arial"));
    EXPECT_EQ(-1, m_pPopup->FindStringExact(-1, "Ari"));
    CString strText;
    m_pPopup->GetItemText(2, strText);
    EXPECT_STREQ("Courier", strText);
    m_pPopup->GetItemText(7, strText);
    EXPECT_STREQ("", strText);
    EXPECT_EQ(-1, m_pPopup->SetTopIndex(9));
}

TEST_F(ComboGalleryTest, OpeningAndClosingNotify)
{
    m_site.m_codes.clear();
    ASSERT_TRUE(m_bar.OpenControlPopup(m_pCombo->GetIndex()));
    EXPECT_TRUE(m_pCombo->IsPopupOpen());
    EXPECT_EQ(0, m_pPopup->GetSelectedIndex());
    m_bar.OpenControlPopup(-1);
    EXPECT_FALSE(m_pCombo->IsPopupOpen());
    // Opening focuses the field first (3); the drop-down reports its own
    // opening and closing.
    const std::vector<UINT>& codes = m_site.m_codes;
    const auto itOpen = std::find(codes.begin(), codes.end(), XTP_CBN_DROPDOWN);
    const auto itClose = std::find(codes.begin(), codes.end(), XTP_CBN_CLOSEUP);
    ASSERT_NE(codes.end(), itOpen) << testing::PrintToString(codes);
    ASSERT_NE(codes.end(), itClose) << testing::PrintToString(codes);
    EXPECT_LT(itOpen, itClose);
    EXPECT_EQ(XTP_CBN_SETFOCUS, codes.front());
}

} // namespace
