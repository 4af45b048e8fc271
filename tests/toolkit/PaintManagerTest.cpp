// The paint manager base: the current instance and theme numbers, colours,
// fonts, the status bar, the special glyphs, caption splitting and the popup
// animations.
#include "toolkit/draw/PaintManager.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/draw/BitmapHelpers.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ImageManagerIcon.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/StatusBarPane.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const COLORREF MARK = RGB(1, 2, 3);

// The application's kind of theme: the classic refresh first, then colours
// of its own, and its own dock-bar background.
class CAppLikeTheme : public CXTPDefaultTheme
{
public:
    void RefreshMetrics() override
    {
        CXTPDefaultTheme::RefreshMetrics();
        m_clrOwn = ResolveColor(COLOR_3DFACE) ^ 0x00FFFFFF;
        ++m_nRefreshes;
    }
    void FillDockBar(CDC* pDC, CWnd* pDockBar) override
    {
        CRect rc;
        pDockBar->GetClientRect(&rc);
        pDC->FillSolidRect(&rc, m_clrOwn);
    }
    COLORREF m_clrOwn = 0;
    int m_nRefreshes = 0;
};

// Puts the classic theme back for the tests that follow.
class CurrentThemeScope
{
public:
    ~CurrentThemeScope() { SetPaintTheme(xtpThemeOffice2000); }
};

TEST(PaintManager, ThemeNumbersOfTheCurrentInstance)
{
    CurrentThemeScope scope;
    SetPaintTheme(3);
    EXPECT_EQ(3, XTPPaintManager()->GetThemeNumber());
    EXPECT_EQ(xtpThemeNativeWinXP, XTPPaintManager()->BaseTheme());

    CAppLikeTheme* pTheme = new CAppLikeTheme;
    SetCurrentPaintManager(pTheme);
    EXPECT_EQ(pTheme, XTPPaintManager());
    EXPECT_EQ(xtpThemeCustom, pTheme->GetThemeNumber());
    EXPECT_EQ(1, pTheme->m_nRefreshes);
    EXPECT_GT(pTheme->GetLineHeight(), 6);   // the base refresh built the fonts

    // Installing the current one again keeps it alive and refreshes it.
    SetCurrentPaintManager(pTheme);
    EXPECT_EQ(pTheme, XTPPaintManager());
    EXPECT_EQ(2, pTheme->m_nRefreshes);

    SetPaintTheme(5);
    EXPECT_EQ(5, XTPPaintManager()->GetThemeNumber());
    ReleaseCurrentPaintManager();
    // The next request makes the classic theme again.
    EXPECT_EQ(0, XTPPaintManager()->GetThemeNumber());
}

TEST(PaintManager, DerivedThemeFillsDockBars)
{
    CDistinctSysColors colors;
    CAppLikeTheme theme;
    theme.RefreshMetrics();
    CTestBar dockBar;
    ASSERT_TRUE(dockBar.CreateHidden(50, 20));
    CTestDib dib(50, 20, MARK);
    theme.FillDockBar(&dib.DC(), &dockBar);
    EXPECT_EQ(theme.ResolveColor(COLOR_3DFACE) ^ 0x00FFFFFF, dib.Pixel(49, 19));
    // The classic parts stay: the floating caption colours of the refresh.
    EXPECT_EQ(theme.ResolveColor(COLOR_ACTIVECAPTION), theme.m_clrFloatingGripper.GetColor());
    EXPECT_EQ(theme.ResolveColor(COLOR_CAPTIONTEXT), theme.m_clrFloatingGripperText.GetColor());

    CTestTheme classic;
    dib.Fill(MARK);
    classic.FillDockBar(&dib.DC(), &dockBar);
    EXPECT_EQ(classic.ResolveColor(COLOR_3DFACE), dib.Pixel(0, 0));
}

TEST(PaintManager, ResolvesIndexesAndLiterals)
{
    CDistinctSysColors colors;
    CTestTheme theme;
    for (int i = 1; i <= 29; ++i)
        EXPECT_EQ(GetColorManager()->ResolveColor(i), theme.ResolveColor(i)) << i;
    EXPECT_EQ(0u, theme.ResolveColor(0));
    EXPECT_EQ(63u, theme.ResolveColor(63));
    EXPECT_EQ(RGB(9, 8, 7), theme.ResolveColor(RGB(9, 8, 7)));
    // A custom value wins until it is unset again.
    theme.ColorEntry(COLOR_3DFACE).SetCustomValue(RGB(4, 5, 6));
    EXPECT_EQ(RGB(4, 5, 6), theme.ResolveColor(COLOR_3DFACE));
    theme.RefreshMetrics();
    EXPECT_EQ(RGB(4, 5, 6), theme.ResolveColor(COLOR_3DFACE));
    theme.ColorEntry(COLOR_3DFACE).SetCustomValue(static_cast<COLORREF>(-1));
    EXPECT_EQ(GetColorManager()->ResolveColor(COLOR_3DFACE), theme.ResolveColor(COLOR_3DFACE));
}

TEST(PaintManager, CommandBarFontRules)
{
    struct
    {
        LONG lfHeight, lfExpected;
    } heights[] = {{-8, -11}, {-1, -11}, {-10, -11}, {-11, -11}, {-12, -12}, {8, 8}, {15, 15}};
    LOGFONTA lfMenu = {};
    lfMenu.lfWeight = FW_NORMAL;
    lfMenu.lfItalic = TRUE;
    lstrcpyA(lfMenu.lfFaceName, "Tahoma");
    for (auto& h : heights)
    {
        lfMenu.lfHeight = h.lfHeight;
        LOGFONTA lf;
        CXTPPaintManager::MakeStandardLogFont(lfMenu, ANSI_CHARSET, lf);
        EXPECT_EQ(h.lfExpected, lf.lfHeight) << h.lfHeight;
        EXPECT_EQ(TRUE, lf.lfItalic);
        EXPECT_STREQ("Tahoma", lf.lfFaceName);
        EXPECT_EQ(0, lf.lfEscapement);
    }

    CTestTheme theme;
    theme.m_bClearTypeTextQuality = TRUE;
    theme.RefreshMetrics();
    CTestBar vertical(1, xtpBarLeft), horizontal(1, xtpBarTop);
    LOGFONTA lf = {};
    theme.GetControlFont(&horizontal, FALSE)->GetLogFont(&lf);
    EXPECT_EQ(5, lf.lfQuality);
    EXPECT_EQ(0, lf.lfEscapement);
    theme.GetControlFont(&horizontal, TRUE)->GetLogFont(&lf);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    theme.GetControlFont(&vertical, FALSE)->GetLogFont(&lf);
    EXPECT_EQ(2700, lf.lfEscapement);
    EXPECT_EQ(900, lf.lfOrientation);
    EXPECT_EQ(FW_NORMAL, lf.lfWeight);
    theme.GetControlFont(&vertical, TRUE)->GetLogFont(&lf);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_EQ(2700, lf.lfEscapement);
    theme.GetIconFont()->GetLogFont(&lf);
    EXPECT_EQ(5, lf.lfQuality);

    // The line height: a blank in the regular font, plus 6.
    CTestDib dib(10, 10);
    CXTPFontDC font(&dib.DC(), theme.GetRegularFont());
    EXPECT_EQ(dib->GetTextExtent(" ", 1).cy + 6, theme.GetLineHeight());
}

TEST(PaintManager, ApplicationFontSurvivesRefresh)
{
    CTestTheme theme;
    LOGFONTA lf = {};
    lf.lfHeight = -20;
    lstrcpyA(lf.lfFaceName, "Arial");
    theme.SetCommandBarsFontIndirect(&lf, FALSE);
    theme.RefreshMetrics();
    LOGFONTA lfRegular = {};
    theme.GetRegularFont()->GetLogFont(&lfRegular);
    EXPECT_EQ(-20, lfRegular.lfHeight);
}

TEST(PaintManager, SplitCaption)
{
    struct
    {
        const char* pszCaption;
        const char* pszFirst;
        const char* pszSecond;
    } cases[] = {
        {"Neue Kategorie", "Neue", "Kategorie"},
        {"a b c d e", "a b c", "d e"},   // the middle is 'c', one to the right a space
        {"Speichern unter als", "Speichern", "unter als"},
        {"Einfügen", "Einfügen", ""},
        {"", "", ""},
        {" ", " ", ""},
        {"ab c", "ab", "c"},
    };
    for (auto& c : cases)
    {
        CString strFirst("x"), strSecond("x");
        CXTPPaintManager::SplitCaption(c.pszCaption, strFirst, strSecond);
        EXPECT_STREQ(c.pszFirst, strFirst) << c.pszCaption;
        EXPECT_STREQ(c.pszSecond, strSecond) << c.pszCaption;
    }
}

TEST(PaintManager, StatusBarGripperLines)
{
    CDistinctSysColors colors;
    CTestTheme theme;
    CTestDib dib(100, 20, MARK);
    theme.DrawStatusBarGripper(&dib.DC(), CRect(0, 0, 100, 20));
    // w = 100, h = 20: the first pair of shadow lines, then the light line.
    EXPECT_EQ(theme.ResolveColor(16), dib.Pixel(97, 18));
    EXPECT_EQ(theme.ResolveColor(16), dib.Pixel(96, 18));
    EXPECT_EQ(theme.ResolveColor(16), dib.Pixel(98, 16));
    EXPECT_EQ(theme.ResolveColor(20), dib.Pixel(95, 18));
    EXPECT_EQ(theme.ResolveColor(20), dib.Pixel(98, 15));
    // k = 2: the last shadow pair starts at x = 89 and 88, the light line at 87.
    EXPECT_EQ(theme.ResolveColor(16), dib.Pixel(89, 18));
    EXPECT_EQ(theme.ResolveColor(20), dib.Pixel(87, 18));
    EXPECT_EQ(MARK, dib.Pixel(86, 18));
    EXPECT_EQ(MARK, dib.Pixel(99, 19));

    dib.Fill(MARK);
    theme.DrawStatusBarPaneBorder(&dib.DC(), CRect(0, 0, 50, 20), FALSE);
    EXPECT_EQ(theme.ResolveColor(16), dib.Pixel(0, 0));
    EXPECT_EQ(theme.ResolveColor(20), dib.Pixel(49, 19));
}

// The columns that hold text of the colour in the rectangle: first and last.
std::pair<int, int> TextColumns(CTestDib& dib, const CRect& rc, COLORREF clr)
{
    int nFirst = -1, nLast = -1;
    for (int x = rc.left; x < rc.right; ++x)
        for (int y = rc.top; y < rc.bottom; ++y)
            if (dib.Pixel(x, y) == clr)
            {
                if (nFirst < 0)
                    nFirst = x;
                nLast = x;
            }
    return {nFirst, nLast};
}

TEST(PaintManager, StatusBarPaneAlignmentAndColours)
{
    CDistinctSysColors colors;
    CTestTheme theme;
    CXTPStatusBarPane pane;
    pane.SetText("Bereit");
    pane.SetTextColor(RGB(0, 0, 255));
    CTestDib dib(200, 20, MARK);
    CRect rc(0, 0, 200, 20);
    CSize szText;
    {
        CXTPFontDC font(&dib.DC(), theme.GetRegularFont());
        pane.SetTextFont(theme.GetRegularFont());
        szText = dib->GetTextExtent("Bereit", 6);
    }

    // Left, centre, right within the padding (2, 1, 2, 1).
    struct
    {
        int nAlignment;
        int nLeft;
    } cases[] = {{0, 2}, {1, 2 + (196 - static_cast<int>(szText.cx)) / 2}, {2, 198 - static_cast<int>(szText.cx)}};
    for (auto& c : cases)
    {
        dib.Fill(MARK);
        pane.SetTextAlignment(c.nAlignment);
        theme.DrawStatusBarPane(&dib.DC(), rc, &pane);
        auto columns = TextColumns(dib, rc, RGB(0, 0, 255));
        EXPECT_GE(columns.first, c.nLeft) << c.nAlignment;
        EXPECT_LE(columns.first, c.nLeft + 3) << c.nAlignment;
        EXPECT_LE(columns.second, c.nLeft + szText.cx) << c.nAlignment;
    }

    // A back colour fills inside a one-pixel border unless the pane has none.
    pane.SetBackgroundColor(RGB(0, 200, 0));
    dib.Fill(MARK);
    theme.DrawStatusBarPane(&dib.DC(), rc, &pane);
    EXPECT_EQ(MARK, dib.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 200, 0), dib.Pixel(1, 1));
    pane.SetStyle(XTP_SBPS_NOBORDERS);
    theme.DrawStatusBarPane(&dib.DC(), rc, &pane);
    EXPECT_EQ(RGB(0, 200, 0), dib.Pixel(0, 0));

    // Disabled panes: nothing unless the status bar shows their text, then colour 17.
    pane.SetBackgroundColor(static_cast<COLORREF>(-1));
    pane.SetStyle(XTP_SBPS_DISABLED);
    pane.SetTextAlignment(0);
    dib.Fill(MARK);
    theme.DrawStatusBarPane(&dib.DC(), rc, &pane);
    EXPECT_EQ(-1, TextColumns(dib, rc, theme.ResolveColor(COLOR_GRAYTEXT)).first);
    pane.SetDisabledTextShown(TRUE);
    theme.DrawStatusBarPane(&dib.DC(), rc, &pane);
    EXPECT_GE(TextColumns(dib, rc, theme.ResolveColor(COLOR_GRAYTEXT)).first, 2);
    EXPECT_EQ(-1, TextColumns(dib, rc, RGB(0, 0, 255)).first);

    // Without a text colour the status text colour (18) applies.
    pane.SetStyle(0);
    pane.SetTextColor(static_cast<COLORREF>(-1));
    dib.Fill(MARK);
    theme.DrawStatusBarPane(&dib.DC(), rc, &pane);
    EXPECT_GE(TextColumns(dib, rc, theme.ResolveColor(COLOR_BTNTEXT)).first, 2);
}

TEST(PaintManager, BlendPixelsWeighsForegroundOverBackground)
{
    BYTE background[8] = {0, 100, 200, 7, 255, 255, 255, 7};
    BYTE foreground[8] = {255, 0, 100, 9, 0, 0, 0, 9};
    BYTE dest[8] = {1, 1, 1, 42, 1, 1, 1, 43};
    BlendPixels(dest, background, 2, 1, foreground, 64);
    // (fg × 64 + bg × 191) / 256 per channel; the fourth byte is left alone.
    const BYTE expected[8] = {63, 74, 174, 42, 190, 190, 190, 43};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(expected[i], dest[i]) << i;
}

TEST(PaintManager, PopupAnimations)
{
    CTestTheme theme;
    CTestDib source(20, 10, RGB(200, 0, 0));
    CTestDib dest(20, 10, RGB(0, 0, 100));
    // No steps: nothing is drawn.
    theme.SetAnimationDelay(0, 100);
    theme.AnimatePopupBar(&dest.DC(), &source.DC(), CRect(0, 0, 20, 10), xtpAnimateSlide);
    EXPECT_EQ(RGB(0, 0, 100), dest.Pixel(0, 0));

    // One slide step copies everything; a fade of two steps shows the one blend.
    theme.SetAnimationDelay(1, 0);
    theme.AnimatePopupBar(&dest.DC(), &source.DC(), CRect(0, 0, 20, 10), xtpAnimateSlide);
    EXPECT_EQ(RGB(200, 0, 0), dest.Pixel(19, 9));

    dest.Fill(RGB(0, 0, 100));
    theme.SetAnimationDelay(2, 0);
    theme.AnimatePopupBar(&dest.DC(), &source.DC(), CRect(0, 0, 20, 10), xtpAnimateFade);
    // Weight 255 × 1 / 2 = 127: red 200 × 127 / 256, blue 100 × 128 / 256.
    EXPECT_EQ(RGB(99, 0, 50), dest.Pixel(5, 5));

    // Other kinds draw nothing.
    dest.Fill(RGB(0, 0, 100));
    theme.AnimatePopupBar(&dest.DC(), &source.DC(), CRect(0, 0, 20, 10), 7);
    EXPECT_EQ(RGB(0, 0, 100), dest.Pixel(5, 5));
}

TEST(PaintManager, SplitButtonCommandRect)
{
    CTestTheme theme;
    CTestBar toolbar(1, xtpBarTop), popup(2, xtpBarPopup), vertical(1, xtpBarLeft);
    CXTPControlButton control;
    control.SetRect(CRect(0, 0, 60, 66));
    struct
    {
        CXTPCommandBar* pBar;
        int nStyle;
        CRect rcExpected;
    } cases[] = {
        {&popup, 0, CRect(0, 0, 40, 66)},
        {&toolbar, 0, CRect(0, 0, 48, 66)},
        {&toolbar, 4, CRect(0, 0, 60, 39)},
        {&vertical, 4, CRect(27, 0, 60, 66)},
    };
    for (auto& c : cases)
    {
        control.SetParent(c.pBar);
        control.SetStyle(c.nStyle);
        EXPECT_EQ(c.rcExpected, theme.GetSplitButtonCommandRect(&control));
    }
    control.SetParent(nullptr);
}

TEST(PaintManager, PopupGutterWidth)
{
    CTestTheme theme;
    CTestBar toolbar(1, xtpBarTop), popup(2, xtpBarPopup);
    EXPECT_EQ(0, theme.GetPopupGutterWidth(&toolbar));
    int nSingle = std::max(theme.GetLineHeight() + 4, 20);
    EXPECT_EQ(nSingle + 1, theme.GetPopupGutterWidth(&popup));
    popup.SetDoubleGripper(TRUE);
    EXPECT_EQ(2 * nSingle + 1, theme.GetPopupGutterWidth(&popup));
}

} // namespace
