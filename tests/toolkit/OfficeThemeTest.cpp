// The flat Office look under the classic and the dark system colours: button
// faces over a table of states, text colours, bar backgrounds, grippers,
// separators, the tear-off strip, check boxes and popup items, each checked
// against the colour indexes the theme's tables name.
#include "toolkit/draw/OfficeTheme.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ScopedDC.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const COLORREF MARK = RGB(1, 2, 3);
const int NONE = -1;

class COfficeTestTheme : public CXTPOfficeTheme
{
public:
    using CXTPOfficeTheme::m_nTextHeight;
};

class OfficeThemeTest : public testing::TestWithParam<CThemeColorSet>
{
protected:
    OfficeThemeTest() : m_colors(GetParam().pColors) { m_theme.RefreshMetrics(); }

    COLORREF C(int nIndex) const { return nIndex == NONE ? MARK : m_theme.ResolveColor(nIndex); }

    CThemeColorScope m_colors;
    COfficeTestTheme m_theme;
};

struct FaceCase
{
    const char* pszName;
    int nSelected, nPressed;
    BOOL bEnabled;
    int nChecked;
    BOOL bPopuped;
    int nPosition;
    int nBorder, nFill;
};

const FaceCase s_faces[] = {
    {"idle", 0, 0, TRUE, 0, FALSE, 0, NONE, NONE},
    {"hot", 1, 0, TRUE, 0, FALSE, 0, 32, 31},
    {"pressed alone", 0, 1, TRUE, 0, FALSE, 0, 32, 31},
    {"hot and pressed", 1, 1, TRUE, 0, FALSE, 0, 50, 33},
    {"pressed by keyboard", 0, 2, TRUE, 0, FALSE, 0, 50, 33},
    {"pressed by keyboard 3", 0, 3, TRUE, 0, FALSE, 0, 50, 33},
    {"popped", 1, 0, TRUE, 0, TRUE, 0, 43, 30},
    {"checked", 0, 0, TRUE, 1, FALSE, 0, 37, 36},
    {"indeterminate", 0, 0, TRUE, 2, FALSE, 0, 37, 51},
    {"checked hot", 1, 0, TRUE, 1, FALSE, 0, 50, 33},
    {"checked by keyboard", 2, 0, TRUE, 1, FALSE, 0, 50, 33},
    {"checked pressed", 1, 1, TRUE, 1, FALSE, 0, 50, 33},
    {"disabled hot", 1, 0, FALSE, 0, FALSE, 0, NONE, NONE},
    {"disabled, keyboard", 2, 0, FALSE, 0, FALSE, 0, 32, 31},
    {"disabled, keyboard, checked", 3, 0, FALSE, 1, FALSE, 0, 32, 33},
    {"disabled, keyboard, in a popup", 2, 0, FALSE, 1, FALSE, 5, 32, 41},
    {"disabled, checked", 0, 0, FALSE, 1, FALSE, 0, 58, 36},
    {"disabled, checked, in a popup", 0, 0, FALSE, 1, FALSE, 5, 58, NONE},
};

TEST_P(OfficeThemeTest, ButtonFacesFollowTheStateTable)
{
    for (const FaceCase& c : s_faces)
    {
        CTestDib dib(24, 22, MARK);
        m_theme.DrawButtonFace(&dib.DC(), CRect(0, 0, 24, 22), c.nSelected, c.nPressed,
                               c.bEnabled, c.nChecked, c.bPopuped, xtpBarTypeNormal, c.nPosition);
        EXPECT_EQ(C(c.nBorder), dib.Pixel(0, 0)) << c.pszName;
        EXPECT_EQ(C(c.nBorder), dib.Pixel(23, 21)) << c.pszName;
        // A face without fill is only framed.
        EXPECT_EQ(C(c.nFill == NONE ? NONE : c.nFill), dib.Pixel(12, 11)) << c.pszName;
    }
}

TEST_P(OfficeThemeTest, TextColours)
{
    struct
    {
        int nSelected, nPressed;
        BOOL bEnabled, bChecked, bPopuped;
        int nBarType, nPosition, nColor;
    } cases[] = {
        {0, 0, TRUE, FALSE, FALSE, 2, 5, 44},  {1, 0, TRUE, FALSE, FALSE, 2, 5, 45},
        {1, 0, FALSE, FALSE, FALSE, 2, 5, 35}, {0, 0, FALSE, FALSE, FALSE, 1, 0, 60},
        {1, 0, TRUE, FALSE, TRUE, 1, 0, 46},   {0, 2, TRUE, FALSE, FALSE, 1, 0, 47},
        {1, 1, TRUE, FALSE, FALSE, 1, 0, 47},  {1, 0, TRUE, TRUE, FALSE, 1, 0, 47},
        {1, 0, TRUE, FALSE, FALSE, 1, 0, 45},  {0, 0, TRUE, TRUE, FALSE, 1, 0, 45},
        {0, 0, TRUE, FALSE, FALSE, 1, 0, 46},  {0, 0, TRUE, FALSE, FALSE, 1, 5, 44},
    };
    for (auto& c : cases)
        EXPECT_EQ(C(c.nColor), m_theme.GetControlTextColor(c.nSelected, c.nPressed, c.bEnabled,
                                                             c.bChecked, c.bPopuped, c.nBarType,
                                                             c.nPosition))
            << c.nSelected << c.nPressed << c.bEnabled << c.bChecked << c.bPopuped << c.nBarType;
}

TEST_P(OfficeThemeTest, BarBackgrounds)
{
    struct
    {
        const char* pszName;
        int nType, nPosition;
        BOOL bFlatToolBar;
        // Colours at (0,0), (1,1), (2,2), (3,3) and the middle.
        int nColors[5];
    } cases[] = {
        {"docked toolbar", 1, 0, FALSE, {15, 15, 30, 30, 30}},
        {"flat toolbar", 1, 0, TRUE, {15, 15, 15, 15, 15}},
        {"menu bar", 0, 0, FALSE, {15, 15, 15, 15, 15}},
        {"floating toolbar", 1, 4, FALSE, {61, 61, 61, 30, 30}},
        {"floating flat toolbar", 1, 4, TRUE, {61, 61, 61, 15, 15}},
    };
    for (auto& c : cases)
    {
        CTestBar bar(c.nType, c.nPosition);
        ASSERT_TRUE(bar.CreateHidden(100, 30));
        m_theme.m_bFlatToolBar = c.bFlatToolBar;
        CTestDib dib(100, 30, MARK);
        m_theme.FillCommandBar(&dib.DC(), &bar);
        for (int i = 0; i < 4; ++i)
        {
            EXPECT_EQ(C(c.nColors[i]), dib.Pixel(i, i)) << c.pszName << " " << i;
            EXPECT_EQ(C(c.nColors[i]), dib.Pixel(99 - i, 29 - i)) << c.pszName << " " << i;
        }
        EXPECT_EQ(C(c.nColors[4]), dib.Pixel(50, 15)) << c.pszName;
    }
    m_theme.m_bFlatToolBar = FALSE;
}

TEST_P(OfficeThemeTest, PopupBorderAndGutter)
{
    CTestBar popup(xtpBarTypePopup, xtpBarPopup);
    ASSERT_TRUE(popup.CreateHidden(120, 80));
    CTestDib dib(120, 80, MARK);
    m_theme.FillCommandBar(&dib.DC(), &popup);
    int nGutter = m_theme.GetPopupGutterWidth(&popup);
    EXPECT_EQ(C(43), dib.Pixel(0, 0));
    EXPECT_EQ(C(43), dib.Pixel(119, 79));
    // The gutter: x from 1, y from 2, down to the bottom less 2.
    EXPECT_EQ(C(41), dib.Pixel(1, 1));
    EXPECT_EQ(C(30), dib.Pixel(1, 2));
    EXPECT_EQ(C(30), dib.Pixel(nGutter, 77));
    EXPECT_EQ(C(41), dib.Pixel(nGutter + 1, 40));
    EXPECT_EQ(C(41), dib.Pixel(nGutter, 78));

    dib.Fill(MARK);
    m_theme.FillPopupGutter(&dib.DC(), 0, 0, 10, 10, TRUE);
    EXPECT_EQ(C(42), dib.Pixel(9, 9));
    EXPECT_EQ(MARK, dib.Pixel(10, 9));
}

// A popup opened by a control of another bar.
class CTestPopupOf : public CTestBar
{
public:
    explicit CTestPopupOf(CXTPControl* pParent) : CTestBar(xtpBarTypePopup, xtpBarPopup), m_pParent(pParent) {}
    CXTPControl* GetControlPopup() const override { return m_pParent; }

private:
    CXTPControl* m_pParent;
};

TEST_P(OfficeThemeTest, PopupJoinsTheItemThatOpenedIt)
{
    // The menu-bar item covers screen rows 5 to 24; the popup starts at row
    // 24, so they share one row from x 10 to 59.
    CTestBar menuBar(xtpBarTypeMenuBar, xtpBarTop);
    ASSERT_TRUE(menuBar.CreateHidden(200, 30));
    CXTPControl* pItem = menuBar.GetControls()->Add(xtpControlPopup, 1);
    pItem->SetRect(CRect(10, 5, 60, 25));
    CTestPopupOf popup(pItem);
    ASSERT_TRUE(popup.CreateHidden(100, 80));
    popup.MoveWindow(10, 24, 100, 80, FALSE);

    CTestDib dib(100, 80, MARK);
    m_theme.FillCommandBar(&dib.DC(), &popup);
    EXPECT_EQ(C(43), dib.Pixel(0, 0));
    EXPECT_EQ(C(30), dib.Pixel(1, 0));
    EXPECT_EQ(C(30), dib.Pixel(48, 0));
    EXPECT_EQ(C(43), dib.Pixel(49, 0));
    EXPECT_EQ(C(43), dib.Pixel(60, 0));

    // Apart, nothing is shared.
    popup.MoveWindow(10, 40, 100, 80, FALSE);
    m_theme.FillCommandBar(&dib.DC(), &popup);
    EXPECT_EQ(C(43), dib.Pixel(1, 0));
    menuBar.GetControls()->RemoveAll();
}

class CDialogLikeBar : public CTestBar
{
public:
    BOOL IsFloatingGripper() const override { return TRUE; }
};

TEST_P(OfficeThemeTest, GrippersAtTheirLines)
{
    CTestBar top(1, xtpBarTop), left(1, xtpBarLeft);
    CDialogLikeBar dialogBar;
    ASSERT_TRUE(top.CreateHidden(100, 30));
    ASSERT_TRUE(left.CreateHidden(30, 100));
    ASSERT_TRUE(dialogBar.CreateHidden(100, 40));

    CTestDib dib(100, 100, MARK);
    EXPECT_EQ(CSize(6, 0), m_theme.DrawCommandBarGripper(&dib.DC(), &top, TRUE));
    // Lines from x 3 to 5 at y = 5, 7, ... below 25.
    for (int y = 5; y < 25; y += 2)
    {
        EXPECT_EQ(C(38), dib.Pixel(3, y)) << y;
        EXPECT_EQ(C(38), dib.Pixel(5, y)) << y;
        EXPECT_EQ(MARK, dib.Pixel(6, y)) << y;
        EXPECT_EQ(MARK, dib.Pixel(4, y + 1)) << y;
    }
    EXPECT_EQ(MARK, dib.Pixel(4, 25));

    dib.Fill(MARK);
    EXPECT_EQ(CSize(0, 8), m_theme.DrawCommandBarGripper(&dib.DC(), &left, TRUE));
    EXPECT_EQ(C(38), dib.Pixel(5, 3));
    EXPECT_EQ(C(38), dib.Pixel(23, 5));
    EXPECT_EQ(MARK, dib.Pixel(6, 4));
    EXPECT_EQ(MARK, dib.Pixel(25, 4));

    dib.Fill(MARK);
    int nHeight = m_theme.m_nTextHeight >= 18 ? m_theme.m_nTextHeight + 4 : 22;
    EXPECT_EQ(CSize(6, nHeight), m_theme.DrawCommandBarGripper(&dib.DC(), &dialogBar, TRUE));
    EXPECT_EQ(C(38), dib.Pixel(3, 6));
    EXPECT_EQ(MARK, dib.Pixel(3, 7));
    EXPECT_EQ(MARK, dib.Pixel(3, nHeight - 2 + (nHeight % 2)));
}

TEST_P(OfficeThemeTest, SeparatorsAtTheirLines)
{
    CTestBar toolbar(1, xtpBarTop), popup(2, xtpBarPopup), vertical(1, xtpBarLeft);
    ASSERT_TRUE(popup.CreateHidden(160, 100));
    EXPECT_EQ(CSize(6, 6), m_theme.DrawCommandBarSeparator(nullptr, &toolbar, nullptr, FALSE));
    EXPECT_EQ(CSize(3, 3), m_theme.DrawCommandBarSeparator(nullptr, &popup, nullptr, FALSE));

    int xPopupLine = 3 + m_theme.GetPopupGutterWidth(&popup) + 8 - 1;
    struct
    {
        CXTPCommandBar* pBar;
        BOOL bWrap;
        CRect rcControl, rcRow;
        CPoint ptLine, ptBeside;
    } cases[] = {
        {&toolbar, FALSE, CRect(30, 2, 54, 24), CRect(2, 2, 98, 24), CPoint(26, 10), CPoint(27, 10)},
        {&toolbar, TRUE, CRect(2, 30, 26, 52), CRect(2, 30, 98, 52), CPoint(50, 26), CPoint(50, 27)},
        {&vertical, FALSE, CRect(2, 30, 26, 52), CRect(2, 2, 26, 98), CPoint(10, 26), CPoint(10, 27)},
        {&vertical, TRUE, CRect(30, 2, 54, 24), CRect(2, 2, 26, 98), CPoint(28, 50), CPoint(29, 50)},
        {&popup, FALSE, CRect(3, 30, 150, 50), CRect(3, 30, 150, 50), CPoint(xPopupLine, 28),
         CPoint(xPopupLine - 1, 28)},
        {&popup, TRUE, CRect(80, 3, 150, 23), CRect(80, 3, 150, 23), CPoint(78, 50), CPoint(79, 50)},
    };
    for (auto& c : cases)
    {
        CXTPControl* pControl = c.pBar->GetControls()->Add(xtpControlButton, 1);
        pControl->SetRect(c.rcControl);
        pControl->SetRowRect(c.rcRow);
        pControl->SetWrap(c.bWrap);
        CTestDib dib(160, 100, MARK);
        EXPECT_EQ(CSize(0, 0), m_theme.DrawCommandBarSeparator(&dib.DC(), c.pBar, pControl, TRUE));
        EXPECT_EQ(C(39), dib.Pixel(c.ptLine.x, c.ptLine.y)) << c.rcControl.left << c.bWrap;
        EXPECT_EQ(MARK, dib.Pixel(c.ptBeside.x, c.ptBeside.y)) << c.rcControl.left << c.bWrap;
        c.pBar->GetControls()->RemoveAll();
    }
}

TEST_P(OfficeThemeTest, TearOffStrip)
{
    CTestDib dib(100, 9, MARK);
    EXPECT_EQ(CSize(0, 9), m_theme.DrawTearOffGripper(&dib.DC(), CRect(0, 0, 100, 9), FALSE, FALSE));
    EXPECT_EQ(MARK, dib.Pixel(0, 0));

    // Half-length 16 around x 50; idle lines at y 3, 5 and 7 in colour 38.
    EXPECT_EQ(CSize(0, 9), m_theme.DrawTearOffGripper(&dib.DC(), CRect(0, 0, 100, 9), FALSE, TRUE));
    EXPECT_EQ(C(41), dib.Pixel(0, 0));
    EXPECT_EQ(C(30), dib.Pixel(1, 1));
    for (int y : {3, 5, 7})
    {
        EXPECT_EQ(C(38), dib.Pixel(34, y)) << y;
        EXPECT_EQ(C(38), dib.Pixel(65, y)) << y;
        EXPECT_EQ(C(30), dib.Pixel(33, y)) << y;
        EXPECT_EQ(C(30), dib.Pixel(66, y)) << y;
    }
    EXPECT_EQ(C(30), dib.Pixel(50, 4));

    m_theme.DrawTearOffGripper(&dib.DC(), CRect(0, 0, 100, 9), TRUE, TRUE);
    EXPECT_EQ(C(32), dib.Pixel(1, 1));
    EXPECT_EQ(C(31), dib.Pixel(50, 3));
    EXPECT_EQ(C(45), dib.Pixel(50, 4));
    EXPECT_EQ(C(45), dib.Pixel(50, 6));

    // A strip 30 wide has half-length 5.
    dib.Fill(MARK);
    m_theme.DrawTearOffGripper(&dib.DC(), CRect(0, 0, 30, 9), FALSE, TRUE);
    EXPECT_EQ(C(38), dib.Pixel(10, 3));
    EXPECT_EQ(C(30), dib.Pixel(9, 3));
    EXPECT_EQ(C(30), dib.Pixel(20, 3));
}

TEST_P(OfficeThemeTest, CheckBoxMarks)
{
    if (ThemeStylesOn())
        m_theme.m_bThemedCheckBox = FALSE;
    struct
    {
        int nSelected, nPressed, nChecked;
        BOOL bEnabled;
        int nBorder, nFill, nMark;
    } cases[] = {
        {0, 0, 0, TRUE, 52, 51, NONE}, {1, 0, 0, TRUE, 32, 31, NONE}, {1, 1, 1, TRUE, 32, 33, 18},
        {0, 1, 1, TRUE, 32, 31, 18},   {0, 0, 2, TRUE, 52, 51, 35},   {0, 0, 1, FALSE, 35, NONE, 35},
    };
    for (auto& c : cases)
    {
        CTestDib dib(13, 13, MARK);
        EXPECT_EQ(CSize(13, 13), m_theme.DrawCheckBoxMark(&dib.DC(), CRect(0, 0, 13, 13), TRUE,
                                                          c.nSelected, c.nPressed, c.nChecked,
                                                          c.bEnabled));
        EXPECT_EQ(C(c.nBorder), dib.Pixel(0, 0));
        EXPECT_EQ(C(c.nBorder), dib.Pixel(12, 12));
        EXPECT_EQ(C(c.nFill), dib.Pixel(2, 10));
        // The check: m = 6, o = 7; the middle stroke passes (5, 7).
        EXPECT_EQ(C(c.nMark == NONE ? c.nFill : c.nMark), dib.Pixel(5, 7))
            << c.nSelected << c.nPressed << c.nChecked << c.bEnabled;
    }
}

TEST_P(OfficeThemeTest, PopupItemsMeasureAndDrawTheirFace)
{
    CTestBar popup(xtpBarTypePopup, xtpBarPopup);
    ASSERT_TRUE(popup.CreateHidden(200, 100));
    popup.SetPaintManager(&m_theme);
    CXTPControl* pControl = popup.GetControls()->Add(xtpControlButton, 1);
    pControl->SetCaption("Text");
    pControl->SetStyle(xtpButtonCaption);

    CTestDib dib(200, 40, MARK);
    int nGutter = std::max(m_theme.m_nTextHeight + 4, 20);
    CSize szCaption;
    {
        CXTPFontDC font(&dib.DC(), m_theme.GetRegularFont());
        szCaption = dib->GetTextExtent("Text", 4);
    }
    CSize sz = m_theme.DrawControlPopupParent(&dib.DC(), pControl, FALSE);
    EXPECT_EQ(8 + szCaption.cx + nGutter + 32, sz.cx);
    EXPECT_EQ(std::max(m_theme.m_nTextHeight, 22), sz.cy);

    // An item shown only in the expanded menu has the expanded gutter.
    pControl->SetRect(CRect(0, 0, 200, 24));
    pControl->SetKeptVisible(TRUE);
    m_theme.DrawControlPopupParent(&dib.DC(), pControl, TRUE);
    EXPECT_EQ(C(42), dib.Pixel(1, 1));
    EXPECT_EQ(C(42), dib.Pixel(nGutter - 1, 23));
    EXPECT_EQ(MARK, dib.Pixel(nGutter, 1));
    pControl->SetKeptVisible(FALSE);

    // Selected: the highlight over the whole item; checked: the frame and a
    // black mark in the icon box.
    pControl->SetChecked(TRUE);
    pControl->OnSetSelected(1);
    m_theme.DrawControlPopupParent(&dib.DC(), pControl, TRUE);
    EXPECT_EQ(C(32), dib.Pixel(0, 0));
    EXPECT_EQ(C(31), dib.Pixel(150, 12));
    CRect rcBox(nGutter / 2 - 8, 4, nGutter / 2 + 8, 20);
    EXPECT_EQ(C(50), dib.Pixel(rcBox.left, rcBox.top));
    int nBlack = 0;
    for (int y = rcBox.top; y < rcBox.bottom; ++y)
        for (int x = rcBox.left; x < rcBox.right; ++x)
            nBlack += dib.Pixel(x, y) == RGB(0, 0, 0);
    EXPECT_GT(nBlack, 8);
    popup.GetControls()->RemoveAll();
    popup.SetPaintManager(nullptr);
}

INSTANTIATE_TEST_SUITE_P(ColorSets, OfficeThemeTest, testing::ValuesIn(g_themeColorSets),
                         [](const testing::TestParamInfo<CThemeColorSet>& info) {
                             return std::string(info.param.pszName);
                         });

TEST(OfficeThemeFactory, ThemeOneIsTheOfficeLook)
{
    CXTPPaintManager* pTheme = CreatePaintTheme(xtpThemeOfficeXP);
    EXPECT_EQ(xtpThemeOfficeXP, pTheme->BaseTheme());
    EXPECT_TRUE(pTheme->m_bFlatMenuBar);
    EXPECT_EQ(8, pTheme->m_nPopupBarTextPadding);
    EXPECT_EQ(3, pTheme->m_nShadowOptions);
    EXPECT_TRUE(pTheme->m_bShowShadow);
    pTheme->InternalRelease();
}

} // namespace
