// The ribbon theme's controls drawn into memory DIBs, with the test style
// module (each frame of each image one solid colour, so a pixel tells the
// image and the frame) and without it: a split button's two parts over a
// table of states, alone and in a group of joined buttons; the joined faces
// by place in their run and by state; a group's frame under the pointer; edit and combo fields and their
// background colour; the check box's twelve frames; the status bar's light
// part, divider and dark part.
#include "toolkit/draw/RibbonTheme.h"

#include "BarTestSupport.h"
#include "RibbonTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "framework/ui/AfxRes.h"
#include "office2007/ThemeStyleImages.h"
#include "office2007/ThemeStyleScope.h"
#include "toolkit/controls/ControlComboBox.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonTab.h"
#include "toolkit/extras/StatusBar.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>

namespace {

const COLORREF MARK = RGB(1, 2, 3);
const int NONE = -1;

using Theme = CXTPRibbonTheme;

// A popup control whose open state the test sets.
class CTestSplit : public CXTPControlPopup
{
public:
    CTestSplit() { SetType(xtpControlSplitButtonPopup); }
    BOOL IsPopupOpen() const override { return m_bOpen; }
    BOOL m_bOpen = FALSE;
};

// A combo whose open and focused states the test sets.
class CTestCombo : public CXTPControlComboBox
{
public:
    BOOL IsPopupOpen() const override { return m_bOpen; }
    BOOL IsFocused() const override { return m_bFocus; }
    BOOL m_bOpen = FALSE;
    BOOL m_bFocus = FALSE;
};

// --- Split buttons ----------------------------------------------------------------------------

struct SplitCase
{
    const char* pszName;
    int nEnabled, nSelected, nPressed;
    BOOL bChecked, bOpen;
    int nCommand, nDropDown; // frames; NONE: that part stays undrawn
};

// S 3 is the pointer over the command part, 4 over the arrow; E 3 runs
// only the command, E 4 only opens the popup.
const SplitCase s_splitCases[] = {
    {"idle", 1, 0, 0, FALSE, FALSE, NONE, NONE},
    {"over the command", 1, 3, 0, FALSE, FALSE, 0, 4},
    {"over the arrow", 1, 4, 0, FALSE, FALSE, 5, 0},
    {"pressed", 1, 3, 1, FALSE, FALSE, 1, 0},
    {"pressed by key", 1, 0, 2, FALSE, FALSE, 1, 0},
    {"popup open", 1, 1, 0, FALSE, TRUE, 3, 2},
    {"checked", 1, 0, 0, TRUE, FALSE, 2, 4},
    {"checked, over the command", 1, 3, 0, TRUE, FALSE, 3, 4},
    {"checked, pressed, pointer gone", 1, 0, 1, TRUE, FALSE, 2, 4},
    {"checked, pressed by key", 1, 1, 2, TRUE, FALSE, 1, 0},
    {"disabled, keyboard selection", 0, 2, 0, FALSE, FALSE, 5, 4},
    {"disabled, hot", 0, 1, 0, FALSE, FALSE, NONE, NONE},
    {"arrow only, hot", xtpSplitArrowOnly, 3, 0, FALSE, FALSE, 4, 4},
    {"arrow only, idle", xtpSplitArrowOnly, 0, 0, FALSE, FALSE, NONE, NONE},
    {"command only, over the arrow", xtpSplitCommandOnly, 4, 0, FALSE, FALSE, 5, 3},
};

void SetSplitState(CXTPControl* pControl, const SplitCase& c)
{
    pControl->SetEnabled(c.nEnabled);
    pControl->OnSetSelected(c.nSelected);
    pControl->SetPressed(c.nPressed);
    pControl->SetChecked(c.bChecked);
    static_cast<CTestSplit*>(pControl)->m_bOpen = c.bOpen;
}

// A split button on a toolbar, with or without the module's images.
class RibbonThemeSplit : public testing::Test
{
protected:
    explicit RibbonThemeSplit(bool bModule = true) : m_style(bModule)
    {
        m_bar.SetPaintManager(&m_theme);
        m_pSplit = m_bar.GetControls()->Add(new CTestSplit, 1);
    }
    ~RibbonThemeSplit() override
    {
        m_bar.GetControls()->RemoveAll();
        m_bar.SetPaintManager(nullptr);
    }

    CThemeStyleScope m_style;
    Theme m_theme;
    CTestBar m_bar;
    CXTPControl* m_pSplit = nullptr;
};

class RibbonThemeSplitWithoutImages : public RibbonThemeSplit
{
protected:
    RibbonThemeSplitWithoutImages() : RibbonThemeSplit(false) {}
};

TEST_F(RibbonThemeSplit, BothPartsTakeTheirImageAndFrameByState)
{
    // Small: the arrow part is the right 10 pixels; large: the bottom 27.
    const struct
    {
        int nStyle;
        CRect rc;
        CPoint ptCommand, ptDropDown;
        const char* pszCommand;
        const char* pszDropDown;
    } kSizes[] = {
        {xtpButtonIconAndCaption, CRect(0, 0, 60, 22), CPoint(25, 11), CPoint(52, 3), "TOOLBARBUTTONSSPLIT22",
         "TOOLBARBUTTONSSPLITDROPDOWN22"},
        {xtpButtonIconAndCaptionBelow, CRect(0, 0, 50, 66), CPoint(25, 37), CPoint(25, 41),
         "TOOLBARBUTTONSSPLIT50", "TOOLBARBUTTONSSPLITDROPDOWN50"},
    };
    for (const auto& size : kSizes)
    {
        m_pSplit->SetStyle(size.nStyle);
        for (const SplitCase& c : s_splitCases)
        {
            SCOPED_TRACE(testing::Message() << size.pszCommand << ": " << c.pszName);
            SetSplitState(m_pSplit, c);
            CTestDib dib(size.rc.Width(), size.rc.Height(), MARK);
            m_theme.DrawSplitButtonFrame(&dib.DC(), m_pSplit, size.rc);
            EXPECT_EQ(c.nCommand == NONE ? MARK : ThemeImageColor(size.pszCommand, c.nCommand),
                      dib.Pixel(size.ptCommand.x, size.ptCommand.y));
            EXPECT_EQ(c.nDropDown == NONE ? MARK : ThemeImageColor(size.pszDropDown, c.nDropDown),
                      dib.Pixel(size.ptDropDown.x, size.ptDropDown.y));
        }
    }
}

TEST_F(RibbonThemeSplitWithoutImages, TheFacesStayEmptyAndTheArrowShows)
{
    m_pSplit->SetStyle(xtpButtonIconAndCaption);
    for (const SplitCase& c : s_splitCases)
    {
        SCOPED_TRACE(c.pszName);
        SetSplitState(m_pSplit, c);
        CTestDib dib(60, 22, MARK);
        m_theme.DrawSplitButtonFrame(&dib.DC(), m_pSplit, CRect(0, 0, 60, 22));
        EXPECT_EQ(MARK, dib.Pixel(25, 11));
        EXPECT_EQ(MARK, dib.Pixel(58, 3));
        // The arrow's top row, 7 pixels in from the right.
        EXPECT_NE(MARK, dib.Pixel(53, 10));
    }
}

// --- Joined buttons in a ribbon group ---------------------------------------------------------

class RibbonThemeGroupsTest : public RibbonTestBase
{
protected:
    void SetUp() override
    {
        RibbonTestBase::SetUp();
        CXTPRibbonTab* pTab = m_pRibbon->AddTab("Start");
        // Group 1 joined: a run of one, then a run of three.
        m_pJoined = pTab->AddGroup("Schrift", 1);
        m_pJoined->SetControlsGrouping(TRUE);
        for (int i = 0; i < 4; ++i)
            m_buttons[i] = AddButton(m_pJoined, 100 + i, xtpButtonIcon);
        m_buttons[1]->SetBeginGroup(TRUE);
        // Group 2 plain, group 3 joined with one button that does not begin a group.
        m_buttons[4] = AddButton(pTab->AddGroup("Absatz", 2), 110, xtpButtonIcon);
        CXTPRibbonGroup* pLast = pTab->AddGroup("Format", 3);
        pLast->SetControlsGrouping(TRUE);
        m_buttons[5] = AddButton(pLast, 120, xtpButtonIcon);
        m_pRibbon->SelectTab(0);
        LayoutAt(900);
    }

    // The colour at the middle of the control's face as the theme draws it.
    COLORREF FaceAt(Theme& theme, CXTPControl* pControl)
    {
        const CRect rc = pControl->GetRect();
        CTestDib dib(rc.right + 1, rc.bottom + 1, MARK);
        theme.DrawControlFace(&dib.DC(), pControl);
        return dib.Pixel(rc.CenterPoint().x, rc.CenterPoint().y);
    }

    CXTPRibbonGroup* m_pJoined = nullptr;
    CXTPControl* m_buttons[6] = {};
};

TEST_F(RibbonThemeGroupsTest, EachButtonTakesTheImageOfItsPlaceInTheRun)
{
    CThemeStyleScope style(true);
    Theme theme;
    const struct
    {
        int nButton;
        const char* pszImage;
    } kPlaces[] = {
        {0, "TOOLBARBUTTONSSPECIALSINGLE"}, // followed by one that begins a group
        {1, "TOOLBARBUTTONSSPECIALLEFT"},
        {2, "TOOLBARBUTTONSSPECIALCENTER"},
        {3, "TOOLBARBUTTONSSPECIALRIGHT"},  // the next group begins after it
        {5, "TOOLBARBUTTONSSPECIALSINGLE"}, // alone in its group, the last one
    };
    for (const auto& place : kPlaces)
    {
        ASSERT_FALSE(m_buttons[place.nButton]->GetRect().IsRectEmpty()) << place.nButton;
        EXPECT_EQ(ThemeImageColor(place.pszImage, 0), FaceAt(theme, m_buttons[place.nButton])) << place.pszImage;
    }
    // A plain group's idle button has no face; a hot one the toolbar image.
    EXPECT_EQ(MARK, FaceAt(theme, m_buttons[4]));
    m_buttons[4]->OnSetSelected(1);
    EXPECT_EQ(ThemeImageColor("TOOLBARBUTTONS22", 0), FaceAt(theme, m_buttons[4]));

    // A button that is hidden drops out of the run: the one before it ends it.
    m_buttons[3]->SetVisible(FALSE);
    EXPECT_EQ(ThemeImageColor("TOOLBARBUTTONSSPECIALRIGHT", 0), FaceAt(theme, m_buttons[2]));
}

TEST_F(RibbonThemeGroupsTest, TheFrameFollowsTheState)
{
    const struct
    {
        int nSelected, nPressed;
        BOOL bEnabled, bChecked;
        int nFrame;
    } kStates[] = {
        {0, 0, TRUE, FALSE, 0}, {1, 0, TRUE, FALSE, 1}, {1, 1, TRUE, FALSE, 2}, {0, 1, TRUE, FALSE, 1},
        {0, 2, TRUE, FALSE, 2}, {0, 0, TRUE, TRUE, 3},  {1, 0, TRUE, TRUE, 4},  {0, 0, FALSE, FALSE, 0},
        {2, 0, FALSE, FALSE, 1},
    };
    CXTPControl* pButton = m_buttons[2];
    for (bool bModule : {true, false})
    {
        CThemeStyleScope style(bModule);
        Theme theme;
        for (const auto& s : kStates)
        {
            SCOPED_TRACE(testing::Message() << bModule << " " << s.nSelected << s.nPressed << s.bEnabled
                                            << s.bChecked);
            pButton->SetEnabled(s.bEnabled);
            pButton->OnSetSelected(s.nSelected);
            pButton->SetPressed(s.nPressed);
            pButton->SetChecked(s.bChecked);
            // Without the images the face stays empty, as a toolbar's does.
            EXPECT_EQ(bModule ? ThemeImageColor("TOOLBARBUTTONSSPECIALCENTER", s.nFrame) : MARK,
                      FaceAt(theme, pButton));
        }
    }

    // An open popup control of the group (its own run at the end of the collection).
    CThemeStyleScope style(true);
    Theme theme;
    auto* pPopup = new CTestSplit;
    pPopup->SetType(xtpControlPopup);
    m_pJoined->AddControl(pPopup);
    LayoutAt(1200);
    pPopup->m_bOpen = TRUE;
    EXPECT_EQ(ThemeImageColor("TOOLBARBUTTONSSPECIALSINGLE", 3), FaceAt(theme, pPopup));
}

TEST_F(RibbonThemeGroupsTest, ASplitButtonInTheRunTakesTheJoinedPartsOneFrameOn)
{
    CThemeStyleScope style(true);
    Theme theme;
    // A fourth group, joined: a button, the split button, a button.
    CXTPRibbonGroup* pGroup = m_pRibbon->GetTab(0)->AddGroup("Extra", 4);
    pGroup->SetControlsGrouping(TRUE);
    AddButton(pGroup, 130, xtpButtonIcon);
    CXTPControl* pSplit = pGroup->AddControl(new CTestSplit);
    pSplit->SetStyle(xtpButtonIconAndCaptionBelow); // counts as small in a run
    CXTPControl* pAfter = AddButton(pGroup, 131, xtpButtonIcon);
    const CRect rc(0, 0, 60, 22);
    const struct
    {
        BOOL bBegins, bAfterBegins;
        const char* pszCommand;
        const char* pszDropDown;
    } kPlaces[] = {
        {FALSE, FALSE, "TOOLBARBUTTONSSPECIALSPLITCENTER", "TOOLBARBUTTONSSPECIALSPLITDROPDOWNCENTER"},
        {FALSE, TRUE, "TOOLBARBUTTONSSPECIALSPLITCENTER", "TOOLBARBUTTONSSPECIALSPLITDROPDOWNRIGHT"},
        {TRUE, FALSE, "TOOLBARBUTTONSSPECIALSPLITLEFT", "TOOLBARBUTTONSSPECIALSPLITDROPDOWNCENTER"},
        {TRUE, TRUE, "TOOLBARBUTTONSSPECIALSPLITLEFT", "TOOLBARBUTTONSSPECIALSPLITDROPDOWNRIGHT"},
    };
    for (const auto& place : kPlaces)
    {
        pSplit->SetBeginGroup(place.bBegins);
        pAfter->SetBeginGroup(place.bAfterBegins);
        LayoutAt(1200);
        ASSERT_TRUE(pSplit->IsVisible());
        for (const SplitCase& c : s_splitCases)
        {
            SCOPED_TRACE(testing::Message() << place.pszCommand << ", " << place.pszDropDown << ": " << c.pszName);
            SetSplitState(pSplit, c);
            CTestDib dib(rc.Width(), rc.Height(), MARK);
            theme.DrawSplitButtonFrame(&dib.DC(), pSplit, rc);
            // Undrawn parts show the idle frame 0; the others move one on.
            EXPECT_EQ(ThemeImageColor(place.pszCommand, c.nCommand + 1), dib.Pixel(25, 11));
            EXPECT_EQ(ThemeImageColor(place.pszDropDown, c.nDropDown + 1), dib.Pixel(52, 3));
        }
    }
}

TEST_F(RibbonThemeGroupsTest, TheGroupUnderThePointerTakesTheSecondFrame)
{
    CThemeStyleScope style(true);
    Theme theme;
    const CRect rcJoined = m_pJoined->GetRect();
    m_pRibbon->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcJoined.left + 3, rcJoined.top + 3));
    ASSERT_TRUE(m_pJoined->IsHighlighted());
    CXTPRibbonGroup* pOther = m_buttons[4]->GetRibbonGroup();
    ASSERT_FALSE(pOther->IsHighlighted());
    for (CXTPRibbonGroup* pGroup : {m_pJoined, pOther})
    {
        const int nFrame = pGroup == m_pJoined ? 1 : 0;
        const CRect rc = pGroup->GetRect();
        CTestDib dib(rc.right + 1, rc.bottom + 1, MARK);
        theme.DrawRibbonGroup(&dib.DC(), pGroup);
        // The caption strip is the group's bottom 17 pixels.
        EXPECT_EQ(ThemeImageColor("RIBBONGROUPCAPTION", nFrame), dib.Pixel(rc.left + 3, rc.bottom - 8)) << nFrame;
        EXPECT_EQ(ThemeImageColor("RIBBONGROUPCLIENT", nFrame), dib.Pixel(rc.left + 3, rc.bottom - 20)) << nFrame;
    }
}

// --- Fields -----------------------------------------------------------------------------------

class RibbonThemeFieldsTest : public testing::TestWithParam<bool>
{
protected:
    RibbonThemeFieldsTest() : m_colors(g_classicSysColors), m_style(GetParam()) { m_theme.RefreshMetrics(); }

    COLORREF C(int nIndex) const { return m_theme.ResolveColor(nIndex); }

    CThemeColorScope m_colors;
    CThemeStyleScope m_style;
    Theme m_theme;
};

const int EDIT_BACK = -2; // the ribbon's edit background colour

struct FieldCase
{
    const char* pszName;
    int nType;
    int nBarType;
    int nSelected;
    BOOL bEnabled, bOpen, bFocus;
    int nBorder;  // the field's top-left pixel
    int nInside;  // inside the field (NONE: left to the popup's drawing)
    int nButton;  // the combo's drop-down frame
};

const FieldCase s_fields[] = {
    {"edit", xtpControlEdit, xtpBarTypeNormal, 0, TRUE, FALSE, FALSE, 53, EDIT_BACK, NONE},
    {"hot edit", xtpControlEdit, xtpBarTypeNormal, 1, TRUE, FALSE, FALSE, 53, 5, NONE},
    {"disabled edit", xtpControlEdit, xtpBarTypeNormal, 0, FALSE, FALSE, FALSE, 53, 15, NONE},
    {"disabled edit, keyboard", xtpControlEdit, xtpBarTypeNormal, 2, FALSE, FALSE, FALSE, 32, 15, NONE},
    {"edit in a popup", xtpControlEdit, xtpBarTypePopup, 0, TRUE, FALSE, FALSE, 53, NONE, NONE},
    {"combo", xtpControlComboBox, xtpBarTypeNormal, 0, TRUE, FALSE, FALSE, 53, EDIT_BACK, 0},
    {"hot combo", xtpControlComboBox, xtpBarTypeNormal, 1, TRUE, FALSE, FALSE, 53, 5, 2},
    {"focused combo", xtpControlComboBox, xtpBarTypeNormal, 0, TRUE, FALSE, TRUE, 53, 5, 3},
    {"open combo", xtpControlComboBox, xtpBarTypeNormal, 1, TRUE, TRUE, FALSE, 53, 5, 3},
    {"disabled combo", xtpControlComboBox, xtpBarTypeNormal, 1, FALSE, FALSE, FALSE, 53, 15, 4},
    {"combo in a popup", xtpControlComboBox, xtpBarTypePopup, 0, TRUE, FALSE, FALSE, 53, NONE, 0},
};

TEST_P(RibbonThemeFieldsTest, FieldsAndTheComboButtonOverTheStateTable)
{
    const bool bModule = GetParam();
    for (const FieldCase& c : s_fields)
    {
        SCOPED_TRACE(c.pszName);
        CTestBar bar(c.nBarType, c.nBarType == xtpBarTypePopup ? xtpBarPopup : xtpBarTop);
        ASSERT_TRUE(bar.CreateHidden(200, 30));
        bar.SetPaintManager(&m_theme);
        CXTPControl* pControl = nullptr;
        if (c.nType == xtpControlComboBox)
        {
            auto* pCombo = new CTestCombo;
            pCombo->m_bOpen = c.bOpen;
            pCombo->m_bFocus = c.bFocus;
            pControl = bar.GetControls()->Add(pCombo, 1);
        }
        else
        {
            pControl = bar.GetControls()->Add(c.nType, 1);
        }
        pControl->SetEnabled(c.bEnabled);
        pControl->OnSetSelected(c.nSelected);
        CTestDib dib(200, 30, MARK);
        // Measuring gives the label its width and the combo its button.
        m_theme.DrawControl(&dib.DC(), pControl, FALSE);
        const CRect rc(0, 0, 190, 22);
        pControl->SetRect(rc);
        m_theme.DrawControl(&dib.DC(), pControl, TRUE);

        const int xField = pControl->GetLabelWidth();
        EXPECT_EQ(C(c.nBorder), dib.Pixel(xField, 0));
        EXPECT_EQ(C(c.nBorder), dib.Pixel(xField + 20, rc.bottom - 1));
        const COLORREF clrInside = c.nInside == EDIT_BACK ? m_theme.m_clrEditBackground : C(c.nInside);
        if (c.nInside != NONE)
        {
            EXPECT_EQ(clrInside, dib.Pixel(xField + 5, 11));
        }
        if (c.nType == xtpControlComboBox)
        {
            const int cxButton = static_cast<CXTPControlComboBox*>(pControl)->GetButtonWidth();
            ASSERT_GE(cxButton, 15);
            // Without its image the button shows the field beneath.
            if (bModule)
            {
                EXPECT_EQ(ThemeImageColor("TOOLBARBUTTONSCOMBODROPDOWN", c.nButton), dib.Pixel(rc.right - 2, 2));
            }
            else if (c.nInside != NONE)
            {
                EXPECT_EQ(clrInside, dib.Pixel(rc.right - 3, 3));
            }
        }
        EXPECT_EQ(MARK, dib.Pixel(195, 11));
        bar.GetControls()->RemoveAll();
        bar.SetPaintManager(nullptr);
    }
}

TEST_P(RibbonThemeFieldsTest, BackgroundColourOfAField)
{
    if (GetParam())
    {
        EXPECT_EQ(GetOffice2007StyleResources()->LookupColor("Ribbon", "ControlEditNormal"),
                  m_theme.m_clrEditBackground);
    }
    const struct
    {
        int nBarType;
        BOOL bEnabled;
        int nSelected;
        int nColor;
    } kCases[] = {
        {xtpBarTypeNormal, FALSE, 0, 15}, {xtpBarTypePopup, FALSE, 1, 15},     {xtpBarTypeNormal, TRUE, 1, 5},
        {xtpBarTypePopup, TRUE, 1, 5},    {xtpBarTypePopup, TRUE, 0, 41},      {xtpBarTypeNormal, TRUE, 0, EDIT_BACK},
    };
    for (const auto& c : kCases)
    {
        CTestBar bar(c.nBarType, c.nBarType == xtpBarTypePopup ? xtpBarPopup : xtpBarTop);
        CXTPControl* pControl = bar.GetControls()->Add(xtpControlEdit, 1);
        pControl->SetEnabled(c.bEnabled);
        pControl->OnSetSelected(c.nSelected);
        EXPECT_EQ(c.nColor == EDIT_BACK ? m_theme.m_clrEditBackground : C(c.nColor),
                  m_theme.GetControlBackColor(pControl))
            << c.nBarType << c.bEnabled << c.nSelected;
        bar.GetControls()->RemoveAll();
    }
}

INSTANTIATE_TEST_SUITE_P(Module, RibbonThemeFieldsTest, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "WithModule" : "WithoutModule");
                         });

// --- Check boxes ------------------------------------------------------------------------------

TEST(RibbonThemeCheckBox, TwelveFramesByStateAndCheck)
{
    CThemeStyleScope style(true);
    Theme theme;
    const struct
    {
        int nSelected, nPressed, nChecked;
        BOOL bEnabled;
        int nFrame;
    } kCases[] = {
        {0, 0, 0, TRUE, 0},  {1, 0, 0, TRUE, 1}, {1, 1, 0, TRUE, 2},  {0, 0, 0, FALSE, 3},
        {0, 0, 1, TRUE, 4},  {1, 0, 1, TRUE, 5}, {0, 1, 1, TRUE, 6},  {1, 1, 1, FALSE, 7},
        {0, 0, 2, TRUE, 8},  {1, 0, 2, TRUE, 9}, {1, 1, 2, TRUE, 10}, {0, 0, 2, FALSE, 11},
    };
    for (const auto& c : kCases)
    {
        CTestDib dib(20, 21, MARK);
        const CSize size =
            theme.DrawCheckBoxMark(&dib.DC(), CRect(2, 0, 20, 21), TRUE, c.nSelected, c.nPressed, c.nChecked, c.bEnabled);
        EXPECT_EQ(CSize(13, 13), size) << c.nFrame;
        // 13 by 13 at the left, centred vertically.
        EXPECT_EQ(ThemeImageColor("TOOLBARBUTTONCHECKBOX", c.nFrame), dib.Pixel(2, 4)) << c.nFrame;
        EXPECT_EQ(ThemeImageColor("TOOLBARBUTTONCHECKBOX", c.nFrame), dib.Pixel(14, 16)) << c.nFrame;
        EXPECT_EQ(MARK, dib.Pixel(15, 10)) << c.nFrame;
        EXPECT_EQ(MARK, dib.Pixel(8, 3)) << c.nFrame;
    }
    EXPECT_EQ(CSize(13, 13), theme.DrawCheckBoxMark(nullptr, CRect(), FALSE, 0, 0, 0, TRUE));
}

// --- Status bar -------------------------------------------------------------------------------

class RibbonThemeStatusBarTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // Wine's status control needs the visual-styles library.
        const char* pszStyles = getenv("QIV_EXPECT_STYLES");
        if (pszStyles != nullptr && strcmp(pszStyles, "missing") == 0)
            GTEST_SKIP() << "the status control needs the visual-styles library";
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Statusleiste", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 300)));
        ASSERT_TRUE(m_status.Create(m_pFrame));
        const UINT kIndicators[] = {0, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
        ASSERT_TRUE(m_status.SetPanesFromIds(kIndicators, 3));
        m_pFrame->RecalcLayout();
        m_status.GetClientRect(&m_rcClient);
        CRect rcPane;
        m_status.GetPaneRect(0, &rcPane);
        m_xSplit = rcPane.right;
        ASSERT_GT(m_xSplit, 10);
        ASSERT_LT(m_xSplit, m_rcClient.right - 10);
    }
    void TearDown() override
    {
        if (m_pFrame)
            m_pFrame->DestroyWindow();
    }

    CXTPStatusBar m_status;
    CFrameWnd* m_pFrame = nullptr;
    CRect m_rcClient;
    int m_xSplit = 0;
};

TEST_F(RibbonThemeStatusBarTest, LightUpToTheFirstPaneThenTheDividerThenDark)
{
    CThemeStyleScope style(true);
    Theme theme;
    CTestDib dib(m_rcClient.Width(), m_rcClient.Height(), MARK);
    theme.FillStatusBar(&dib.DC(), &m_status);
    const int y = m_rcClient.Height() / 2;
    const int cxDivider = 3; // the module's divider is 3 pixels wide
    EXPECT_EQ(ThemeImageColor("STATUSBARLIGHT", 0), dib.Pixel(0, y));
    EXPECT_EQ(ThemeImageColor("STATUSBARLIGHT", 0), dib.Pixel(m_xSplit - 4, y));
    EXPECT_EQ(ThemeImageColor("STATUSBARDEVIDER", 0), dib.Pixel(m_xSplit - 3, y));
    EXPECT_EQ(ThemeImageColor("STATUSBARDEVIDER", 0), dib.Pixel(m_xSplit - 3 + cxDivider - 1, 0));
    EXPECT_EQ(ThemeImageColor("STATUSBARDARK", 0), dib.Pixel(m_xSplit - 3 + cxDivider, y));
    EXPECT_EQ(ThemeImageColor("STATUSBARDARK", 0), dib.Pixel(m_rcClient.right - 1, m_rcClient.bottom - 1));

    // A window without panes is light up to 3 pixels before its right end.
    CTestBar plain;
    ASSERT_TRUE(plain.CreateHidden(100, 20));
    CTestDib whole(100, 20, MARK);
    theme.FillStatusBar(&whole.DC(), &plain);
    EXPECT_EQ(ThemeImageColor("STATUSBARLIGHT", 0), whole.Pixel(96, 10));
    EXPECT_EQ(ThemeImageColor("STATUSBARDEVIDER", 0), whole.Pixel(97, 10));
}

TEST_F(RibbonThemeStatusBarTest, WithoutTheImagesTheOffice2007BarIsDrawn)
{
    CThemeStyleScope style(false);
    Theme theme;
    CTestDib dib(m_rcClient.Width(), m_rcClient.Height(), MARK);
    theme.FillStatusBar(&dib.DC(), &m_status);
    CXTPOffice2007Theme office2007;
    office2007.RefreshMetrics();
    CTestDib reference(m_rcClient.Width(), m_rcClient.Height(), MARK);
    office2007.FillStatusBar(&reference.DC(), &m_status);
    EXPECT_EQ("", FirstDifference(dib, reference));
    EXPECT_EQ(theme.m_clrStatusBarShadow, dib.Pixel(m_xSplit, 0));
}

} // namespace
