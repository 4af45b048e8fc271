// The classic theme's pixels: button faces, bars, grippers, separators,
// popup items, fields, marks and glyphs, drawn into 32-bit DIBs under
// distinct system colours.
#include "toolkit/draw/DefaultTheme.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "TestImages.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/ScopedDC.h"

#include <gtest/gtest.h>

namespace {

const COLORREF MARK = RGB(1, 2, 3);
const int EMPTY = -1;   // the pixel keeps the DIB's fill

class DefaultThemeTest : public testing::Test
{
protected:
    COLORREF C(int nIndex) const { return nIndex == EMPTY ? MARK : m_theme.ResolveColor(nIndex); }

    CDistinctSysColors m_colors;
    CTestTheme m_theme;
};

struct FaceCase
{
    const char* pszName;
    int nSelected, nPressed;
    BOOL bEnabled, bChecked, bPopuped;
    int nBarType;
    int nTopLeft, nBottomRight, nInside;   // colour indexes at (0,0), (23,21), (5,5)
};

// Raised is 20 over 16, sunken 16 over 20; checked faces are patterned.
const FaceCase s_faces[] = {
    {"normal", 0, 0, TRUE, FALSE, FALSE, 1, EMPTY, EMPTY, EMPTY},
    {"hot", 1, 0, TRUE, FALSE, FALSE, 1, 20, 16, EMPTY},
    {"pressed", 1, 1, TRUE, FALSE, FALSE, 1, 16, 20, EMPTY},
    {"pressed, left", 0, 1, TRUE, FALSE, FALSE, 1, 20, 16, EMPTY},
    {"running", 0, 2, TRUE, FALSE, FALSE, 1, 16, 20, EMPTY},
    {"popped up", 0, 0, TRUE, FALSE, TRUE, 1, 16, 20, EMPTY},
    {"keyboard", 2, 0, TRUE, FALSE, FALSE, 1, 20, 16, EMPTY},
    {"checked", 0, 0, TRUE, TRUE, FALSE, 1, 16, 20, 20},
    {"checked hot", 1, 0, TRUE, TRUE, FALSE, 1, 16, 20, EMPTY},
    {"disabled", 1, 0, FALSE, FALSE, FALSE, 1, EMPTY, EMPTY, EMPTY},
    {"disabled keyboard", 3, 0, FALSE, FALSE, FALSE, 1, 16, 20, EMPTY},
    {"disabled checked", 0, 0, FALSE, TRUE, FALSE, 1, 16, 20, EMPTY},
    {"menu item hot", 1, 0, TRUE, FALSE, FALSE, 2, 13, 13, 13},
    {"menu item", 0, 0, TRUE, FALSE, FALSE, 2, EMPTY, EMPTY, EMPTY},
};

TEST_F(DefaultThemeTest, ButtonFaces)
{
    for (const FaceCase& c : s_faces)
    {
        CTestDib dib(24, 22, MARK);
        m_theme.DrawButtonFace(&dib.DC(), CRect(0, 0, 24, 22), c.nSelected, c.nPressed,
                               c.bEnabled, c.bChecked, c.bPopuped, c.nBarType, xtpBarTop);
        EXPECT_EQ(C(c.nTopLeft), dib.Pixel(0, 0)) << c.pszName;
        EXPECT_EQ(C(c.nBottomRight), dib.Pixel(23, 21)) << c.pszName;
        EXPECT_EQ(C(c.nInside), dib.Pixel(5, 5)) << c.pszName;
    }
}

TEST_F(DefaultThemeTest, CheckedPatternAlternates15And20)
{
    CTestDib dib(8, 8, MARK);
    m_theme.DrawCheckedPattern(&dib.DC(), CRect(0, 0, 8, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(C((x + y) % 2 == 0 ? 20 : 15), dib.Pixel(x, y)) << x << "," << y;
    // The DC's colours are given back.
    EXPECT_EQ(dib->GetBkColor(), ::GetBkColor(dib.DC().GetSafeHdc()));
}

struct BarCase
{
    const char* pszName;
    int nType, nPosition;
    BOOL bFlat;
    int nCorner, nFarCorner, nInnerCorner, nInnerFarCorner;
};

const BarCase s_bars[] = {
    {"raised toolbar", 1, 0, FALSE, 20, 16, 15, 15},
    {"flat toolbar", 1, 0, TRUE, 15, 15, 15, 15},
    {"floating", 1, 4, FALSE, 15, 21, 20, 16},
    {"popup", 2, 5, TRUE, 15, 21, 20, 16},
    {"menu bar, flat toolbars", 0, 0, TRUE, 20, 16, 15, 15},
};

TEST_F(DefaultThemeTest, BarBackgrounds)
{
    for (const BarCase& c : s_bars)
    {
        CTestBar bar(c.nType, c.nPosition);
        ASSERT_TRUE(bar.CreateHidden(100, 30));
        m_theme.m_bFlatToolBar = c.bFlat;
        CTestDib dib(100, 30, MARK);
        m_theme.FillCommandBar(&dib.DC(), &bar);
        EXPECT_EQ(C(c.nCorner), dib.Pixel(0, 0)) << c.pszName;
        EXPECT_EQ(C(c.nFarCorner), dib.Pixel(99, 29)) << c.pszName;
        EXPECT_EQ(C(c.nInnerCorner), dib.Pixel(1, 1)) << c.pszName;
        EXPECT_EQ(C(c.nInnerFarCorner), dib.Pixel(98, 28)) << c.pszName;
        EXPECT_EQ(C(15), dib.Pixel(50, 15)) << c.pszName;
    }
    m_theme.m_bFlatToolBar = FALSE;
}

class CDialogLikeBar : public CTestBar
{
public:
    BOOL IsFloatingGripper() const override { return TRUE; }
};

TEST_F(DefaultThemeTest, Grippers)
{
    CTestBar top(1, xtpBarTop), left(1, xtpBarLeft), floating(1, xtpBarFloating);
    CDialogLikeBar dialogBar;
    ASSERT_TRUE(top.CreateHidden(100, 30));
    ASSERT_TRUE(left.CreateHidden(30, 100));
    ASSERT_TRUE(floating.CreateHidden(100, 40));
    ASSERT_TRUE(dialogBar.CreateHidden(100, 40));

    CTestDib dib(100, 100, MARK);
    EXPECT_EQ(CSize(6, 0), m_theme.DrawCommandBarGripper(&dib.DC(), &top, TRUE));
    EXPECT_EQ(C(20), dib.Pixel(3, 3));
    EXPECT_EQ(C(16), dib.Pixel(5, 26));
    EXPECT_EQ(MARK, dib.Pixel(6, 10));

    dib.Fill(MARK);
    EXPECT_EQ(CSize(0, 8), m_theme.DrawCommandBarGripper(&dib.DC(), &left, TRUE));
    EXPECT_EQ(C(20), dib.Pixel(3, 3));
    EXPECT_EQ(C(16), dib.Pixel(26, 5));

    // The floating caption: colour 2, its text in colour 9.
    dib.Fill(MARK);
    floating.SetTitle("Format");
    CSize szCaption = m_theme.DrawCommandBarGripper(&dib.DC(), &floating, TRUE);
    EXPECT_EQ(94, szCaption.cx);
    EXPECT_EQ(C(2), dib.Pixel(3, 3));
    EXPECT_EQ(C(2), dib.Pixel(96, 3 + szCaption.cy - 1));
    EXPECT_EQ(MARK, dib.Pixel(3, 3 + szCaption.cy));
    int nTextPixels = 0;
    for (int y = 3; y < 3 + szCaption.cy; ++y)
        for (int x = 5; x < 60; ++x)
            nTextPixels += dib.Pixel(x, y) == C(9);
    EXPECT_GT(nTextPixels, 10);

    // A dialog bar asks for the floating gripper: a line height of 19 gives 23.
    dib.Fill(MARK);
    int nHeight = m_theme.GetLineHeight() >= 18 ? m_theme.GetLineHeight() + 4 : 22;
    EXPECT_EQ(CSize(6, nHeight), m_theme.DrawCommandBarGripper(&dib.DC(), &dialogBar, TRUE));
    EXPECT_EQ(C(20), dib.Pixel(3, 3));
    EXPECT_EQ(C(16), dib.Pixel(5, nHeight - 1));
}

TEST_F(DefaultThemeTest, Separators)
{
    CTestBar toolbar(1, xtpBarTop), popup(2, xtpBarPopup), vertical(1, xtpBarLeft);
    ASSERT_TRUE(popup.CreateHidden(160, 100));
    EXPECT_EQ(CSize(6, 6), m_theme.DrawCommandBarSeparator(nullptr, &toolbar, nullptr, FALSE));
    EXPECT_EQ(CSize(8, 8), m_theme.DrawCommandBarSeparator(nullptr, &popup, nullptr, FALSE));

    struct
    {
        CXTPCommandBar* pBar;
        BOOL bWrap;
        CRect rcControl, rcRow;
        CPoint ptFirst, ptSecond;   // the two lines of the etched separator
    } cases[] = {
        {&toolbar, FALSE, CRect(30, 2, 54, 24), CRect(2, 2, 98, 24), CPoint(26, 10), CPoint(27, 10)},
        {&toolbar, TRUE, CRect(2, 30, 26, 52), CRect(2, 30, 98, 52), CPoint(50, 26), CPoint(50, 27)},
        {&vertical, FALSE, CRect(2, 30, 26, 52), CRect(2, 2, 26, 98), CPoint(10, 26), CPoint(10, 27)},
        {&vertical, TRUE, CRect(30, 2, 54, 24), CRect(2, 2, 26, 98), CPoint(28, 50), CPoint(29, 50)},
        {&popup, FALSE, CRect(3, 30, 150, 50), CRect(3, 30, 150, 50), CPoint(20, 25), CPoint(20, 26)},
        {&popup, TRUE, CRect(80, 3, 150, 23), CRect(80, 3, 150, 23), CPoint(75, 50), CPoint(76, 50)},
    };
    for (auto& c : cases)
    {
        CXTPControlButton control;
        control.SetRect(c.rcControl);
        control.SetRowRect(c.rcRow);
        control.SetWrap(c.bWrap);
        CTestDib dib(160, 100, MARK);
        EXPECT_EQ(CSize(0, 0), m_theme.DrawCommandBarSeparator(&dib.DC(), c.pBar, &control, TRUE));
        EXPECT_EQ(C(16), dib.Pixel(c.ptFirst.x, c.ptFirst.y)) << c.rcControl.left << c.bWrap;
        EXPECT_EQ(C(20), dib.Pixel(c.ptSecond.x, c.ptSecond.y)) << c.rcControl.left << c.bWrap;
    }
}

TEST_F(DefaultThemeTest, TearOffGripperAndBorders)
{
    CTestDib dib(40, 10, MARK);
    EXPECT_EQ(CSize(0, 8), m_theme.DrawTearOffGripper(&dib.DC(), CRect(0, 0, 40, 8), TRUE, TRUE));
    EXPECT_EQ(C(2), dib.Pixel(20, 6));
    EXPECT_EQ(MARK, dib.Pixel(20, 7));
    m_theme.DrawTearOffGripper(&dib.DC(), CRect(0, 0, 40, 8), FALSE, TRUE);
    EXPECT_EQ(C(3), dib.Pixel(20, 0));

    CTestBar toolbar(1, xtpBarTop), popup(2, xtpBarPopup);
    EXPECT_EQ(CRect(2, 2, 2, 2), m_theme.GetCommandBarBorders(&toolbar));
    EXPECT_EQ(CRect(3, 3, 3, 3), m_theme.GetCommandBarBorders(&popup));
}

TEST_F(DefaultThemeTest, TextColours)
{
    struct
    {
        BOOL bSelected, bEnabled;
        int nBarType, nPosition;
        int nColor;
    } cases[] = {
        {FALSE, TRUE, 2, 5, 18}, {TRUE, TRUE, 2, 5, 14}, {TRUE, FALSE, 2, 5, 17},
        {FALSE, TRUE, 1, 0, 18}, {TRUE, TRUE, 1, 0, 18}, {FALSE, FALSE, 1, 0, 17},
    };
    for (auto& c : cases)
        EXPECT_EQ(C(c.nColor), m_theme.GetControlTextColor(c.bSelected, FALSE, c.bEnabled, FALSE,
                                                             FALSE, c.nBarType, c.nPosition));
    m_theme.m_nNormalTextColor = 8;
    EXPECT_EQ(C(8), m_theme.GetControlTextColor(FALSE, FALSE, TRUE, FALSE, FALSE, 1, 5));
    EXPECT_EQ(C(18), m_theme.GetControlTextColor(FALSE, FALSE, TRUE, FALSE, FALSE, 1, 0));
    m_theme.m_nNormalTextColor = 18;
}

TEST_F(DefaultThemeTest, MenuCheckMark)
{
    CRect rcCheck(0, 0, 20, 20);
    int cx = 10, y0 = 0;
    CTestDib dib(20, 22, MARK);
    m_theme.DrawMenuCheckMark(&dib.DC(), rcCheck, RGB(200, 0, 0));
    for (CPoint pt : {CPoint(cx - 4, y0 + 9), CPoint(cx - 4, y0 + 10), CPoint(cx - 3, y0 + 11),
                      CPoint(cx + 2, y0 + 7)})
        EXPECT_EQ(RGB(200, 0, 0), dib.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
    EXPECT_EQ(MARK, dib.Pixel(cx - 4, y0 + 11));

    // Bold marks are drawn once more a pixel lower.
    m_theme.m_bThickCheckMark = TRUE;
    dib.Fill(MARK);
    m_theme.DrawMenuCheckMark(&dib.DC(), rcCheck, RGB(200, 0, 0));
    EXPECT_EQ(RGB(200, 0, 0), dib.Pixel(cx - 4, y0 + 11));
    m_theme.m_bThickCheckMark = FALSE;
}

TEST_F(DefaultThemeTest, ArrowsAndTriangles)
{
    CTestDib dib(40, 40, MARK);
    // Width 40: half-width 16; centre (20, 20), top y = 12.
    m_theme.DrawDropDownArrow(&dib.DC(), CRect(0, 0, 40, 40), RGB(0, 0, 200));
    EXPECT_EQ(RGB(0, 0, 200), dib.Pixel(20, 13));
    EXPECT_EQ(RGB(0, 0, 200), dib.Pixel(6, 12));
    EXPECT_EQ(MARK, dib.Pixel(20, 30));

    dib.Fill(MARK);
    m_theme.DrawPopupArrow(&dib.DC(), 10, 10, FALSE, FALSE, TRUE, FALSE);
    EXPECT_EQ(C(18), dib.Pixel(10, 10));
    EXPECT_EQ(C(18), dib.Pixel(8, 9));
    EXPECT_EQ(MARK, dib.Pixel(10, 12));
    m_theme.DrawPopupArrow(&dib.DC(), 30, 30, FALSE, FALSE, FALSE, TRUE);
    EXPECT_EQ(C(17), dib.Pixel(31, 30));
}

} // namespace
