// The flat Office look's edit and combo fields and its customize list, under
// the classic and the dark system colours: the field's frame, inside and
// drop-down button over a table of states, and a list row's face, gutter,
// text colour and popup arrow.
#include "toolkit/draw/OfficeTheme.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

namespace {

const COLORREF MARK = RGB(1, 2, 3);
const int NONE = -1;

class OfficeThemeFieldsTest : public testing::TestWithParam<CThemeColorSet>
{
protected:
    OfficeThemeFieldsTest() : m_colors(GetParam().pColors) { m_theme.RefreshMetrics(); }

    COLORREF C(int nIndex) const { return nIndex == NONE ? MARK : m_theme.ResolveColor(nIndex); }

    CThemeColorScope m_colors;
    CXTPOfficeTheme m_theme;
};

struct FieldCase
{
    const char* pszName;
    int nType;
    int nBarType;
    int nSelected;
    BOOL bEnabled;
    int nFrame;     // the field's top-left pixel
    int nInside;    // a pixel inside the text box
    int nButton;    // the drop-down button's top-right pixel (combo boxes)
};

const FieldCase s_fields[] = {
    {"edit on a toolbar", xtpControlEdit, xtpBarTypeNormal, 0, TRUE, NONE, 5, NONE},
    {"hot edit", xtpControlEdit, xtpBarTypeNormal, 1, TRUE, 32, 5, NONE},
    {"edit in a popup", xtpControlEdit, xtpBarTypePopup, 0, TRUE, 53, 5, NONE},
    {"disabled edit", xtpControlEdit, xtpBarTypeNormal, 0, FALSE, NONE, 15, NONE},
    {"combo on a toolbar", xtpControlComboBox, xtpBarTypeNormal, 0, TRUE, NONE, 5, 5},
    {"hot combo", xtpControlComboBox, xtpBarTypeNormal, 1, TRUE, 32, 5, 32},
    {"combo in a popup", xtpControlComboBox, xtpBarTypePopup, 0, TRUE, 53, 5, 53},
    {"disabled combo", xtpControlComboBox, xtpBarTypeNormal, 0, FALSE, NONE, 15, 40},
};

TEST_P(OfficeThemeFieldsTest, FieldsOverTheStateTable)
{
    for (const FieldCase& c : s_fields)
    {
        CTestBar bar(c.nBarType, c.nBarType == xtpBarTypePopup ? xtpBarPopup : xtpBarTop);
        ASSERT_TRUE(bar.CreateHidden(140, 30));
        bar.SetPaintManager(&m_theme);
        CXTPControl* pControl = bar.GetControls()->Add(c.nType, 1);
        pControl->SetEnabled(c.bEnabled);
        pControl->OnSetSelected(c.nSelected);
        const CRect rc(0, 0, 120, 22);
        pControl->SetRect(rc);
        CTestDib dib(140, 30, MARK);
        if (c.nType == xtpControlEdit)
            m_theme.DrawEditControl(&dib.DC(), pControl, TRUE);
        else
            m_theme.DrawComboBoxControl(&dib.DC(), pControl, TRUE);
        const int xBox = pControl->GetLabelWidth();
        if (c.bEnabled || c.nFrame != NONE)
        {
            EXPECT_EQ(C(c.nFrame), dib.Pixel(xBox, 0)) << c.pszName;
        }
        EXPECT_EQ(C(c.nInside), dib.Pixel(xBox + 5, 11)) << c.pszName;
        if (c.nType == xtpControlComboBox)
        {
            EXPECT_EQ(C(c.nButton), dib.Pixel(rc.right - 1, 0)) << c.pszName;
        }
        EXPECT_EQ(MARK, dib.Pixel(130, 11)) << c.pszName;
        bar.GetControls()->RemoveAll();
        bar.SetPaintManager(nullptr);
    }
}

TEST_P(OfficeThemeFieldsTest, CustomizeListRows)
{
    CTestBar popup(xtpBarTypePopup, xtpBarPopup);
    ASSERT_TRUE(popup.CreateHidden(200, 100));
    popup.SetPaintManager(&m_theme);
    CXTPControl* pButton = popup.GetControls()->Add(xtpControlButton, 1);
    pButton->SetCaption("Speichern");
    CXTPControl* pSplit = popup.GetControls()->Add(xtpControlSplitButtonPopup, 2);
    pSplit->SetCaption("Farbe");

    const CSize size = m_theme.DrawListBoxControl(nullptr, pButton, CRect(), FALSE, FALSE);
    EXPECT_GE(size.cy, 22);
    const int nColumn = size.cx;
    const CRect rc(0, 0, 180, size.cy);
    // Plain: the popup background with the gutter, no face.
    CTestDib plain(180, size.cy, MARK);
    m_theme.DrawListBoxControl(&plain.DC(), pButton, rc, FALSE, TRUE);
    EXPECT_EQ(C(41), plain.Pixel(150, 2));
    EXPECT_EQ(C(30), plain.Pixel(1, size.cy / 2));
    EXPECT_EQ(C(30), plain.Pixel(nColumn - 1, size.cy - 1));
    EXPECT_EQ(C(41), plain.Pixel(nColumn, size.cy / 2));
    // Selected: the highlight frame and face.
    CTestDib selected(180, size.cy, MARK);
    m_theme.DrawListBoxControl(&selected.DC(), pButton, rc, TRUE, TRUE);
    EXPECT_EQ(C(32), selected.Pixel(0, 0));
    EXPECT_EQ(C(31), selected.Pixel(150, size.cy / 2));
    // A split popup: the arrow in the text colour and the split line.
    for (BOOL bSelected : {FALSE, TRUE})
    {
        CTestDib split(180, size.cy, MARK);
        m_theme.DrawListBoxControl(&split.DC(), pSplit, rc, bSelected, TRUE);
        const int yMid = size.cy / 2;
        EXPECT_EQ(C(bSelected ? 45 : 44), split.Pixel(180 - 11, yMid)) << bSelected;
        EXPECT_EQ(C(bSelected ? 32 : 16), split.Pixel(180 - 20, yMid)) << bSelected;
    }
    popup.GetControls()->RemoveAll();
    popup.SetPaintManager(nullptr);
}

INSTANTIATE_TEST_SUITE_P(ColorSets, OfficeThemeFieldsTest, testing::ValuesIn(g_themeColorSets),
                         [](const testing::TestParamInfo<CThemeColorSet>& info) {
                             return std::string(info.param.pszName);
                         });

} // namespace
