// The Office 2007 look's colours: with the test style module every key lands
// in its target; without a module every target keeps the Office 2003 value
// or its own system colour, and nothing resolves to "no colour"; the status
// bar, workspace and menu-bar text drawn from them.
#include "toolkit/draw/Office2007Theme.h"

#include "BarTestSupport.h"
#include "TestDib.h"
#include "ThemeTestSupport.h"
#include "office2007/ThemeStyleImages.h"
#include "office2007/ThemeStyleScope.h"
#include "toolkit/draw/GalleryOffice2007Theme.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const COLORREF MARK = RGB(1, 2, 3);
const COLORREF NO_COLOR = 0xFFFFFFFF;

using Theme = CXTPOffice2007Theme;

// Where a key lands in the theme.
struct KeyTarget
{
    const char* pszSection;
    const char* pszKey;
    std::function<COLORREF(Theme&)> read;
};

COLORREF Gallery(Theme& t, int nWhich)
{
    auto* p = static_cast<CXTPControlGalleryOffice2007Theme*>(t.GetGalleryPaintManager());
    return nWhich == 0 ? p->m_clrControlGallerySelected
                       : nWhich == 1 ? p->m_clrControlGalleryNormal : p->m_clrControlGalleryBorder;
}

const KeyTarget s_targets[] = {
    {"StatusBar", "StatusBarText", [](Theme& t) { return t.m_clrStatusTextColor; }},
    {"StatusBar", "StatusBarShadow", [](Theme& t) { return t.m_clrStatusBarShadow; }},
    {"StatusBar", "StatusBarFaceTopLight", [](Theme& t) { return t.m_clrStatusBarTop.clrLight.GetColor(); }},
    {"StatusBar", "StatusBarFaceTopDark", [](Theme& t) { return t.m_clrStatusBarTop.clrDark.GetColor(); }},
    {"StatusBar", "StatusBarFaceBottomLight", [](Theme& t) { return t.m_clrStatusBarBottom.clrLight.GetColor(); }},
    {"StatusBar", "StatusBarFaceBottomDark", [](Theme& t) { return t.m_clrStatusBarBottom.clrDark.GetColor(); }},
    {"Toolbar", "DockBarFace", [](Theme& t) { return t.m_clrDockBar.clrLight.GetColor(); }},
    {"Toolbar", "DockBarFace", [](Theme& t) { return t.m_clrDockBar.clrDark.GetColor(); }},
    {"Toolbar", "ToolbarFaceLight", [](Theme& t) { return t.m_clrToolbarFace.clrLight.GetColor(); }},
    {"Toolbar", "ToolbarFaceDark", [](Theme& t) { return t.m_clrToolbarFace.clrDark.GetColor(); }},
    {"Toolbar", "ToolbarFaceShadow", [](Theme& t) { return t.m_clrToolbarShadow.GetColor(); }},
    {"Toolbar", "ToolbarFaceShadow", [](Theme& t) { return t.ResolveColor(52); }},
    {"Toolbar", "ControlToolbarExpandLight", [](Theme& t) { return t.m_clrToolbarExpand.clrLight.GetColor(); }},
    {"Toolbar", "ControlToolbarExpandDark", [](Theme& t) { return t.m_clrToolbarExpand.clrDark.GetColor(); }},
    {"Toolbar", "ControlHighlightPopupedLight", [](Theme& t) { return t.m_clrPopupControl.clrLight.GetColor(); }},
    {"Toolbar", "ControlHighlightPopupedDark", [](Theme& t) { return t.m_clrPopupControl.clrDark.GetColor(); }},
    {"Toolbar", "ControlHighlightPopupedLight", [](Theme& t) { return t.m_clrMenuExpand.clrLight.GetColor(); }},
    {"Toolbar", "ControlHighlightPopupedDark", [](Theme& t) { return t.m_clrMenuExpand.clrDark.GetColor(); }},
    {"Toolbar", "MenuPopupExpandedGripperLight",
     [](Theme& t) { return t.m_clrMenuExpandedGripper.clrLight.GetColor(); }},
    {"Toolbar", "MenuPopupExpandedGripperDark",
     [](Theme& t) { return t.m_clrMenuExpandedGripper.clrDark.GetColor(); }},
    {"Toolbar", "MenuPopupTearOffGripper", [](Theme& t) { return t.m_clrTearOffGripper.GetColor(); }},
    {"Toolbar", "MenuBarText", [](Theme& t) { return t.m_clrMenuBarText; }},
    {"Toolbar", "MenuPopupBorder", [](Theme& t) { return t.ResolveColor(43); }},
    {"Toolbar", "ToolbarGripper", [](Theme& t) { return t.ResolveColor(38); }},
    {"Window", "WindowFrame", [](Theme& t) { return t.ResolveColor(54); }},
    {"Toolbar", "FloatingBarGripper", [](Theme& t) { return t.m_clrFloatingGripper.GetColor(); }},
    {"Toolbar", "FloatingBarGripperText", [](Theme& t) { return t.m_clrFloatingGripperText.GetColor(); }},
    {"Toolbar", "FloatingBarBorder", [](Theme& t) { return t.ResolveColor(61); }},
    {"Workspace", "AppWorkspace", [](Theme& t) { return t.ResolveColor(12); }},
    {"Window", "ButtonFace", [](Theme& t) { return t.ResolveColor(51); }},
    {"Toolbar", "ToolbarFace", [](Theme& t) { return t.ResolveColor(30); }},
    {"Toolbar", "ToolbarSeparator", [](Theme& t) { return t.ResolveColor(39); }},
    {"Toolbar", "ControlDisabledIcon", [](Theme& t) { return t.ResolveColor(40); }},
    {"Workspace", "WorkspaceClientTop", [](Theme& t) { return t.m_clrWorkspaceClientTop; }},
    {"Workspace", "WorkspaceClientMiddle", [](Theme& t) { return t.m_clrWorkspaceClientMiddle; }},
    {"Workspace", "WorkspaceClientBottom", [](Theme& t) { return t.m_clrWorkspaceClientBottom; }},
    {"Window", "HighlightSelected", [](Theme& t) { return t.ResolveColor(31); }},
    {"Window", "HighlightSelectedBorder", [](Theme& t) { return t.ResolveColor(32); }},
    {"Window", "HighlightPressed", [](Theme& t) { return t.ResolveColor(33); }},
    {"Window", "HighlightPressedBorder", [](Theme& t) { return t.ResolveColor(50); }},
    {"Window", "HighlightChecked", [](Theme& t) { return t.ResolveColor(36); }},
    {"Window", "HighlightCheckedBorder", [](Theme& t) { return t.ResolveColor(37); }},
    {"Window", "HighlightSelectedLight", [](Theme& t) { return t.m_grcLunaSelected.clrLight.GetColor(); }},
    {"Window", "HighlightSelectedDark", [](Theme& t) { return t.m_grcLunaSelected.clrDark.GetColor(); }},
    {"Window", "HighlightCheckedLight", [](Theme& t) { return t.m_grcLunaChecked.clrLight.GetColor(); }},
    {"Window", "HighlightCheckedDark", [](Theme& t) { return t.m_grcLunaChecked.clrDark.GetColor(); }},
    {"Window", "HighlightPressedLight", [](Theme& t) { return t.m_grcLunaPushed.clrLight.GetColor(); }},
    {"Window", "HighlightPressedDark", [](Theme& t) { return t.m_grcLunaPushed.clrDark.GetColor(); }},
    {"Window", "BorderActive0", [](Theme& t) { return t.m_clrFrameBorderActive[0]; }},
    {"Window", "BorderActive1", [](Theme& t) { return t.m_clrFrameBorderActive[1]; }},
    {"Window", "BorderActive2", [](Theme& t) { return t.m_clrFrameBorderActive[2]; }},
    {"Window", "BorderActive3", [](Theme& t) { return t.m_clrFrameBorderActive[3]; }},
    {"Window", "BorderInactive0", [](Theme& t) { return t.m_clrFrameBorderInactive[0]; }},
    {"Window", "BorderInactive1", [](Theme& t) { return t.m_clrFrameBorderInactive[1]; }},
    {"Window", "BorderInactive2", [](Theme& t) { return t.m_clrFrameBorderInactive[2]; }},
    {"Window", "BorderInactive3", [](Theme& t) { return t.m_clrFrameBorderInactive[3]; }},
    {"Window", "CaptionTextActiveTitle", [](Theme& t) { return t.m_clrFrameCaptionTextActiveTitle; }},
    {"Window", "CaptionTextInActive", [](Theme& t) { return t.m_clrFrameCaptionTextInActive; }},
    {"Window", "CaptionTextActive", [](Theme& t) { return t.m_clrFrameCaptionTextActive; }},
    {"Toolbar", "ControlLabel", [](Theme& t) { return t.ResolveColor(56); }},
    {"Toolbar", "ControlEditBorder", [](Theme& t) { return t.ResolveColor(53); }},
    {"Toolbar", "ControlDisabledIconLight", [](Theme& t) { return t.m_clrBarGradient.clrLight.GetColor(); }},
    {"Toolbar", "ControlDisabledIconDark", [](Theme& t) { return t.m_clrBarGradient.clrDark.GetColor(); }},
    {"Toolbar", "ControlGallerySelected", [](Theme& t) { return Gallery(t, 0); }},
    {"Toolbar", "ControlGalleryNormal", [](Theme& t) { return Gallery(t, 1); }},
    {"Toolbar", "ControlGalleryBorder", [](Theme& t) { return Gallery(t, 2); }},
};

// The fixed table entries of the theme, whatever the module.
const struct
{
    int nIndex;
    COLORREF clr;
} s_fixed[] = {{41, 0xf6f6f6}, {44, 0}, {45, 0}, {46, 0}, {47, 0}, {60, 0x8d8d8d}, {58, 0x8d8d8d},
               {35, 0x8d8d8d}};

class Office2007ThemeTest : public testing::TestWithParam<CThemeColorSet>
{
};

TEST_P(Office2007ThemeTest, WithTheModuleEveryKeyLandsInItsTarget)
{
    CThemeColorScope colors(GetParam().pColors);
    CThemeStyleScope style(true);
    const CXTPOffice2007StyleResources* pStyle = GetOffice2007StyleResources();
    ASSERT_TRUE(pStyle->IsLoaded());
    Theme theme;
    theme.RefreshMetrics();
    for (const KeyTarget& target : s_targets)
    {
        const COLORREF clrKey = pStyle->LookupColor(target.pszSection, target.pszKey);
        ASSERT_NE(NO_COLOR, clrKey) << target.pszKey;
        EXPECT_EQ(clrKey, target.read(theme)) << target.pszSection << "/" << target.pszKey;
    }
    for (const auto& entry : s_fixed)
        EXPECT_EQ(entry.clr, theme.ResolveColor(entry.nIndex)) << entry.nIndex;
    EXPECT_EQ(0.75f, theme.m_clrToolbarFace.fGradientFactor);
    EXPECT_EQ(0.75f, theme.m_clrToolbarExpand.fGradientFactor);
    EXPECT_EQ(0.5f, theme.m_clrStatusBarTop.fGradientFactor);
    EXPECT_TRUE(theme.IsSchemeColorsInUse());
    EXPECT_EQ(0u, theme.m_clrBaseDark);
}

TEST_P(Office2007ThemeTest, WithoutAModuleNothingIsUnsetAndTheBaseColoursStay)
{
    CThemeColorScope colors(GetParam().pColors);
    CThemeStyleScope style(false);
    ASSERT_FALSE(GetOffice2007StyleResources()->IsLoaded());
    Theme theme;
    theme.RefreshMetrics();
    CXTPOffice2003Theme base;
    base.RefreshMetrics();
    for (const KeyTarget& target : s_targets)
        EXPECT_NE(NO_COLOR, target.read(theme)) << target.pszSection << "/" << target.pszKey;
    for (int i = 0; i < XTP_PAINT_COLOR_COUNT; ++i)
    {
        EXPECT_NE(NO_COLOR, theme.ResolveColor(i)) << i;
        bool bFixed = i == 52;
        for (const auto& entry : s_fixed)
            bFixed = bFixed || entry.nIndex == i;
        if (!bFixed)
        {
            EXPECT_EQ(base.ResolveColor(i), theme.ResolveColor(i)) << i;
        }
    }
    auto c = [&](int n) { return theme.ResolveColor(n); };
    // The theme's own members take system colours.
    const struct
    {
        COLORREF clrActual;
        int nSysColor;
    } own[] = {
        {theme.m_clrStatusTextColor, COLOR_BTNTEXT},
        {theme.m_clrStatusBarShadow, COLOR_BTNSHADOW},
        {theme.m_clrStatusBarTop.clrLight.GetColor(), COLOR_BTNFACE},
        {theme.m_clrStatusBarBottom.clrDark.GetColor(), COLOR_BTNFACE},
        {theme.m_clrWorkspaceClientTop, COLOR_APPWORKSPACE},
        {theme.m_clrWorkspaceClientBottom, COLOR_APPWORKSPACE},
        {theme.m_clrFrameBorderActive[2], COLOR_ACTIVEBORDER},
        {theme.m_clrFrameBorderInactive[3], COLOR_INACTIVEBORDER},
        {theme.m_clrFrameCaptionTextActive, COLOR_CAPTIONTEXT},
        {theme.m_clrFrameCaptionTextInActive, COLOR_INACTIVECAPTIONTEXT},
    };
    for (const auto& member : own)
        EXPECT_EQ(c(member.nSysColor), member.clrActual) << member.nSysColor;
    // The gradients keep what the Office 2003 refresh gave them.
    EXPECT_EQ(base.m_clrToolbarFace.clrLight.GetColor(), theme.m_clrToolbarFace.clrLight.GetColor());
    EXPECT_EQ(base.m_clrDockBar.clrDark.GetColor(), theme.m_clrDockBar.clrDark.GetColor());
    EXPECT_EQ(base.m_grcLunaPushed.clrDark.GetColor(), theme.m_grcLunaPushed.clrDark.GetColor());
    EXPECT_EQ(base.m_clrToolbarShadow.GetColor(), c(52));
}

TEST_P(Office2007ThemeTest, MenuBarTextOnlyForPlainMenuBarItems)
{
    CThemeColorScope colors(GetParam().pColors);
    for (bool bModule : {true, false})
    {
        CThemeStyleScope style(bModule);
        Theme theme;
        theme.RefreshMetrics();
        const COLORREF clrMenuBar = bModule ? GetOffice2007StyleResources()->LookupColor("Toolbar", "MenuBarText")
                                            : theme.ResolveColor(46);
        EXPECT_EQ(clrMenuBar, theme.GetControlTextColor(FALSE, FALSE, TRUE, FALSE, FALSE,
                                                        xtpBarTypeMenuBar, xtpBarTop))
            << bModule;
        // Not plain: the Office rule (hot, disabled), and plain items of other bars.
        EXPECT_EQ(theme.ResolveColor(45), theme.GetControlTextColor(TRUE, FALSE, TRUE, FALSE, FALSE,
                                                                    xtpBarTypeMenuBar, xtpBarTop));
        EXPECT_EQ(theme.ResolveColor(60), theme.GetControlTextColor(FALSE, FALSE, FALSE, FALSE, FALSE,
                                                                    xtpBarTypeMenuBar, xtpBarTop));
        EXPECT_EQ(theme.ResolveColor(46), theme.GetControlTextColor(FALSE, FALSE, TRUE, FALSE, FALSE,
                                                                    xtpBarTypeNormal, xtpBarTop));
    }
}

INSTANTIATE_TEST_SUITE_P(ColorSets, Office2007ThemeTest, testing::ValuesIn(g_themeColorSets),
                         [](const testing::TestParamInfo<CThemeColorSet>& info) {
                             return std::string(info.param.pszName);
                         });

TEST(Office2007ThemeFactory, ThemeFiveIsTheOffice2007Look)
{
    CXTPPaintManager* pTheme = CreatePaintTheme(xtpThemeOffice2007);
    auto* pOffice2007 = dynamic_cast<CXTPOffice2007Theme*>(pTheme);
    ASSERT_NE(nullptr, pOffice2007);
    EXPECT_EQ(xtpThemeOffice2007, pTheme->BaseTheme());
    EXPECT_NE(nullptr, dynamic_cast<CXTPControlGalleryOffice2007Theme*>(pTheme->GetGalleryPaintManager()));
    EXPECT_EQ(1, pTheme->m_nShadowOptions);
    EXPECT_TRUE(pTheme->m_bShowShadow);
    EXPECT_FALSE(pTheme->m_bFrameStatusBar);
    pTheme->RefreshMetrics();
    UINT nBorder = 0;
    ::SystemParametersInfoA(SPI_GETBORDER, 0, &nBorder, 0);
    const int cyCaption = ::GetSystemMetrics(SM_CYCAPTION);
    EXPECT_EQ(static_cast<int>(nBorder) + 3, pOffice2007->m_nFrameBorder);
    EXPECT_EQ(std::max(cyCaption + pOffice2007->m_nFrameBorder, 21), pOffice2007->m_nFrameCaptionHeight);
    EXPECT_EQ(std::max(cyCaption + 5, 27), pOffice2007->m_nRibbonCaptionHeight);
    LOGFONTA lf = {};
    ASSERT_TRUE(pOffice2007->m_fontFrameCaption.GetLogFont(&lf));
    EXPECT_EQ(FW_NORMAL, lf.lfWeight);
    pTheme->InternalRelease();
}

// --- Status bar and workspace ---------------------------------------------------------------

class Office2007PartsTest : public testing::TestWithParam<bool>
{
protected:
    Office2007PartsTest() : m_colors(g_classicSysColors), m_style(GetParam())
    {
        m_theme.RefreshMetrics();
    }
    CThemeColorScope m_colors;
    CThemeStyleScope m_style;
    Theme m_theme;
};

TEST_P(Office2007PartsTest, StatusBarShadowLineOverTwoGradients)
{
    CTestBar window;
    ASSERT_TRUE(window.CreateHidden(200, 22));
    CTestDib dib(200, 22, MARK);
    m_theme.FillStatusBar(&dib.DC(), &window);
    EXPECT_EQ(m_theme.m_clrStatusBarShadow, dib.Pixel(100, 0));
    const CXTPPaintManagerColorGradient& top = m_theme.m_clrStatusBarTop;
    const CXTPPaintManagerColorGradient& bottom = m_theme.m_clrStatusBarBottom;
    for (int y : {1, 5, 8})
        EXPECT_EQ(ReferenceGradientPixel(CRect(0, 1, 200, 9), top.clrLight, top.clrDark, 0.5f, FALSE,
                                         CPoint(100, y)),
                  dib.Pixel(100, y))
            << y;
    for (int y : {9, 15, 21})
        EXPECT_EQ(ReferenceGradientPixel(CRect(0, 9, 200, 22), bottom.clrLight, bottom.clrDark, 0.5f,
                                         FALSE, CPoint(100, y)),
                  dib.Pixel(100, y))
            << y;
}

TEST_P(Office2007PartsTest, PaneSeparatorAndDottedGripper)
{
    const COLORREF clr39 = m_theme.ResolveColor(39);
    CTestDib dib(60, 22, MARK);
    m_theme.DrawStatusBarPaneBorder(&dib.DC(), CRect(10, 2, 40, 20), FALSE);
    for (int y : {2, 10, 17})
    {
        EXPECT_EQ(clr39, dib.Pixel(39, y)) << y;
        EXPECT_EQ(RGB(255, 255, 255), dib.Pixel(40, y)) << y;
    }
    EXPECT_EQ(MARK, dib.Pixel(39, 18));
    EXPECT_EQ(MARK, dib.Pixel(38, 10));
    CTestDib gripperPane(60, 22, MARK);
    m_theme.DrawStatusBarPaneBorder(&gripperPane.DC(), CRect(10, 2, 40, 20), TRUE);
    EXPECT_EQ(MARK, gripperPane.Pixel(39, 10));

    CTestDib gripper(30, 22, MARK);
    m_theme.DrawStatusBarGripper(&gripper.DC(), CRect(0, 0, 30, 22));
    // Dot (x, y): colour 39 at x..x+1, y..y+1, white showing at x+2, y+2.
    const CPoint dots[] = {{27, 19}, {23, 19}, {19, 19}, {27, 15}, {23, 15}, {27, 11}};
    for (const CPoint& dot : dots)
    {
        EXPECT_EQ(clr39, gripper.Pixel(dot.x, dot.y)) << dot.x << "," << dot.y;
        EXPECT_EQ(RGB(255, 255, 255), gripper.Pixel(dot.x + 2, dot.y + 2)) << dot.x << "," << dot.y;
    }
    EXPECT_EQ(MARK, gripper.Pixel(19, 15));
    EXPECT_EQ(MARK, gripper.Pixel(23, 11));
    EXPECT_EQ(MARK, gripper.Pixel(15, 19));
}

TEST_P(Office2007PartsTest, WorkspaceImageThenTwoGradientsOutsideTheExcludedRect)
{
    const bool bModule = GetParam();
    CTestDib dib(200, 160, MARK);
    CRgn rgnCaller;
    rgnCaller.CreateRectRgn(0, 0, 200, 150);
    dib->SelectClipRgn(&rgnCaller);
    m_theme.FillWorkspace(&dib.DC(), CRect(0, 0, 200, 150), CRect(50, 50, 80, 80));
    // The image is as high as its one frame; the gradients start below it.
    const int cyImage = bModule ? 16 : 0;
    if (bModule)
    {
        EXPECT_EQ(ThemeImageColor("WORKSPACETOPLEFT", 0), dib.Pixel(2, 2));
        EXPECT_EQ(ThemeImageColor("WORKSPACETOPLEFT", 0), dib.Pixel(190, cyImage - 1));
    }
    const int yMiddle = cyImage + (150 - cyImage) * 2 / 3;
    EXPECT_EQ(ReferenceGradientPixel(CRect(0, cyImage, 200, yMiddle), m_theme.m_clrWorkspaceClientTop,
                                     m_theme.m_clrWorkspaceClientMiddle, 0.5f, FALSE, CPoint(10, cyImage)),
              dib.Pixel(10, cyImage));
    EXPECT_EQ(ReferenceGradientPixel(CRect(0, yMiddle, 200, 150), m_theme.m_clrWorkspaceClientMiddle,
                                     m_theme.m_clrWorkspaceClientBottom, 0.5f, FALSE, CPoint(10, 149)),
              dib.Pixel(10, 149));
    EXPECT_EQ(MARK, dib.Pixel(60, 60));
    EXPECT_EQ(MARK, dib.Pixel(10, 155));
    // The caller's clip region is back: a fill outside it stays away.
    dib->FillSolidRect(0, 150, 200, 10, RGB(9, 9, 9));
    EXPECT_EQ(MARK, dib.Pixel(10, 155));
}

TEST_P(Office2007PartsTest, PopupsKeepBorderAndBackground)
{
    CTestBar popup(xtpBarTypePopup, xtpBarPopup);
    ASSERT_TRUE(popup.CreateHidden(120, 80));
    CTestDib dib(120, 80, MARK);
    m_theme.FillCommandBar(&dib.DC(), &popup);
    CXTPOffice2003Theme base;
    base.RefreshMetrics();
    const COLORREF clrBorder = GetParam() ? GetOffice2007StyleResources()->LookupColor("Toolbar", "MenuPopupBorder")
                                          : base.ResolveColor(43);
    EXPECT_NE(NO_COLOR, clrBorder);
    for (const CPoint& pt : {CPoint(0, 0), CPoint(119, 40), CPoint(60, 79)})
        EXPECT_EQ(clrBorder, dib.Pixel(pt.x, pt.y)) << pt.x << "," << pt.y;
    EXPECT_EQ(RGB(0xf6, 0xf6, 0xf6), dib.Pixel(100, 40));
}

// The Office 2003 drawing with this theme's colours: the toolbar body's
// gradient meeting at three quarters and its shadow line, and the gradient
// button faces (the scheme-colours flag is always on).
TEST_P(Office2007PartsTest, ToolbarBodyAndGradientFaces)
{
    CTestBar bar(xtpBarTypeNormal, xtpBarTop);
    ASSERT_TRUE(bar.CreateHidden(100, 30));
    CTestDib dib(100, 30, MARK);
    m_theme.FillCommandBar(&dib.DC(), &bar);
    const CXTPPaintManagerColorGradient& face = m_theme.m_clrToolbarFace;
    for (int y : {1, 10, 21, 22, 28})
        EXPECT_EQ(ReferenceGradientPixel(CRect(0, 1, 100, 29), face.clrLight, face.clrDark, 0.75f, FALSE,
                                         CPoint(50, y)),
                  dib.Pixel(50, y))
            << y;
    EXPECT_EQ(m_theme.m_clrToolbarShadow.GetColor(), dib.Pixel(50, 29));

    const struct
    {
        const char* pszState;
        int nSelected, nPressed;
        BOOL bChecked;
        const CXTPPaintManagerColorGradient* pFace;
        int nBorder;
    } faces[] = {
        {"hot", 1, 0, FALSE, &m_theme.m_grcLunaSelected, 32},
        {"hot and pressed", 1, 1, FALSE, &m_theme.m_grcLunaPushed, 50},
        {"checked", 0, 0, TRUE, &m_theme.m_grcLunaChecked, 37},
        {"checked and hot", 1, 0, TRUE, &m_theme.m_grcLunaPushed, 50},
    };
    const CRect rc(0, 0, 24, 22);
    for (const auto& f : faces)
    {
        CTestDib button(24, 22, MARK);
        m_theme.DrawButtonFace(&button.DC(), rc, f.nSelected, f.nPressed, TRUE, f.bChecked, FALSE,
                               xtpBarTypeNormal, xtpBarTop);
        EXPECT_EQ(m_theme.ResolveColor(f.nBorder), button.Pixel(0, 0)) << f.pszState;
        EXPECT_EQ(ReferenceGradientPixel(rc, f.pFace->clrLight, f.pFace->clrDark, 0.5f, FALSE, CPoint(12, 11)),
                  button.Pixel(12, 11))
            << f.pszState;
    }
}

INSTANTIATE_TEST_SUITE_P(Module, Office2007PartsTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "WithModule" : "WithoutModule");
                         });

} // namespace
