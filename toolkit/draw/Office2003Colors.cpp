// The Office 2003 theme's colours: the set computed from the system colours,
// the palettes of the three XP colour variants, and the shaded ball of the
// menu expand button.
#include "toolkit/draw/Office2003Theme.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/Dc.h"
#include "framework/ui/Wnd.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/draw/ThemePalette.h"

namespace XTPPaintThemes {

namespace {

using Theme = CXTPOffice2003Theme;

const XTPPaletteGradientRow<Theme> s_paletteGradients[] = {
    {&Theme::m_clrDockBar,
     {{0xf5be9e, 0xfadac4, 0.5f}, {0xa7d9d9, 0xe4f1f2, 0.5f}, {0xe5d7d7, 0xf7f3f3, 0.5f}}},
    {&Theme::m_clrToolbarFace,
     {{0xfeecdd, 0xe2a981, 0.75f}, {0xdef7f4, 0x91c6b7, 0.3f}, {0xfff9f9, 0xb79b9c, 0.75f}}},
    {&Theme::m_clrPopupControl,
     {{0xffefe3, 0xe7b593, 0.5f}, {0xd5f0ec, 0x9fcec2, 0.5f}, {0xf1e7e9, 0xcdb9ba, 0.5f}}},
    {&Theme::m_clrToolbarExpand,
     {{0xf1a675, 0x913500, 0.75f}, {0x8cc2b0, 0x6b7760, 0.3f}, {0xc8b2b3, 0x927476, 0.75f}}},
    {&Theme::m_clrMenuExpandedGripper,
     {{0xf6ddcb, 0xdca179, 0.5f}, {0xd1e6e6, 0x78b4a4, 0.3f}, {0xe2d7d7, 0xa28385, 0.5f}}},
    {&Theme::m_clrMenuExpand,
     {{0xfeefe3, 0xe2a981, 0.5f}, {0xd5f0ec, 0x93c6b8, 0.5f}, {0xf1e8e8, 0xc5aeb0, 0.5f}}},
    {&Theme::m_clrBarGradient,
     {{0xf2ece9, 0xac7a61, 0.5f}, {0xf0f4f3, 0x719083, 0.5f}, {0xf9f5f7, 0x99797a, 0.5f}}},
};

const XTPPaletteColorRow<Theme> s_paletteColors[] = {
    {&Theme::m_clrToolbarShadow, {0x9c613b, 0x588060, 0x947c7c}},
    {&Theme::m_clrFloatingGripper, {0xc9662a, 0x5e8674, 0x99797a}},
    {&Theme::m_clrStatusPane, {0xd3d3d3, 0xd3d3d3, 0xdaeaec}},
    {&Theme::m_clrTearOffGripper, {0xf0c7a9, 0x9fd4c5, 0xd3c0c0}},
};

const COLORREF s_baseDark[3] = {0x361e16, 0x19221f, 0x292024};

const XTPPaletteEntryRow s_paletteEntries[] = {
    {53, {0xfce1cb, 0xb6e3d8, 0xe7d3d6}}, {51, {0xfce7d8, 0xbfe7e2, 0xeadfdf}},
    {52, {0xf5be9e, 0x8ac0ab, 0xc3b0b1}}, {12, {0xae9990, 0x7ba097, 0xb39a9b}},
    {56, {0xf7d3bd, 0xbde3de, 0xe7d7d6}}, {38, {0x764127, 0x335e51, 0x755454}},
    {39, {0xcb8c6a, 0x588060, 0x8f6d6e}}, {40, {0xd0966d, 0x7aae9f, 0xbea7a8}},
    {41, {0xf6f6f6, 0xeef4f4, 0xfffafd}}, {43, {0x962d00, 0x5e8d75, 0x947c7c}},
    {31, {0xc2eeff, 0xc2eeff, 0xc2eeff}}, {32, {0x800000, 0x385d3f, 0x6f4b4b}},
    {37, {0x800000, 0x385d3f, 0x6f4b4b}}, {50, {0x800000, 0x385d3f, 0x6f4b4b}},
    {33, {0x3e80fe, 0x3e80fe, 0x3e80fe}}, {36, {0x6fc0ff, 0x6fc0ff, 0x6fc0ff}},
    {30, {0xf9dbc4, 0xadded1, 0xe4dadb}}, {47, {0x000000, 0x000000, 0x000000}},
};

// The intensity of each pixel of the expand ball, rows top to bottom;
// 255 is transparent.
const BYTE s_expandBall[16][16] = {
    {255, 255, 255, 255, 234, 234, 234, 198, 198, 198, 198, 252, 255, 255, 255, 255},
    {255, 255, 255, 234, 252, 252, 234, 234, 198, 180, 144, 144, 198, 255, 255, 255},
    {255, 255, 234, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 180, 255, 255},
    {255, 234, 252, 252, 252, 252, 234, 234, 198, 180, 144, 126, 108, 108, 198, 255},
    {252, 234, 252, 252, 252, 252, 234, 198, 198, 180, 144, 126, 108, 90, 90, 252},
    {234, 234, 234, 234, 234, 234, 234, 198, 180, 180, 144, 126, 108, 90, 72, 180},
    {198, 234, 234, 234, 234, 234, 198, 198, 180, 144, 126, 108, 90, 90, 72, 108},
    {180, 198, 198, 198, 198, 198, 180, 180, 144, 126, 126, 108, 90, 72, 72, 72},
    {180, 180, 180, 180, 180, 180, 144, 144, 126, 126, 108, 90, 90, 72, 54, 54},
    {180, 144, 144, 144, 144, 144, 144, 126, 126, 108, 108, 90, 72, 54, 36, 90},
    {198, 126, 126, 126, 126, 126, 126, 126, 108, 90, 72, 54, 54, 36, 36, 126},
    {252, 126, 108, 108, 108, 108, 108, 72, 72, 54, 54, 36, 36, 18, 18, 234},
    {255, 198, 90, 90, 90, 72, 72, 54, 54, 36, 36, 18, 18, 0, 108, 255},
    {255, 255, 144, 54, 54, 54, 36, 36, 18, 18, 18, 0, 0, 54, 255, 255},
    {255, 255, 255, 126, 36, 36, 18, 18, 18, 0, 0, 0, 72, 255, 255, 255},
    {255, 255, 255, 255, 234, 90, 36, 18, 0, 0, 54, 180, 255, 255, 255, 255},
};

const COLORREF EXPAND_KEY = RGB(0, 255, 0);

// second − (second − first) · t / 255 per channel.
BYTE Shade(BYTE first, BYTE second, int t)
{
    return static_cast<BYTE>(second - (second - first) * t / 255);
}

} // namespace

CXTPOffice2003Theme::CXTPOffice2003Theme()
    : m_bLunaTheme(FALSE), m_bPlainSeparators(FALSE), m_clrBaseDark(0)
{
    m_grcLunaChecked.SetStandardValue(0x8cd5ff, 0x55adff, 0.5f);
    m_grcLunaPushed.SetStandardValue(0x4b8efe, 0x8bcfff, 0.5f);
    m_grcLunaSelected.SetStandardValue(0xc8f2ff, 0x97d4ff, 0.5f);
    m_iconOptions.bFadedInactive = FALSE;
    m_iconOptions.bShadowUnderHot = FALSE;
}

CXTPOffice2003Theme::~CXTPOffice2003Theme()
{
    m_ilExpandImage.DeleteImageList();
}

void CXTPOffice2003Theme::RefreshSystemColorSet()
{
    auto c = [this](int nIndex) { return ResolveColor(nIndex); };
    auto blend = &CXTPColorManager::BlendColors;
    m_clrMenuExpandedGripper.SetStandardValue(blend(c(5), c(42), 550), c(42), 0.5f);
    m_clrToolbarFace.SetStandardValue(blend(c(15), c(5), 205), c(15), 0.5f);
    m_clrDockBar.SetStandardValue(c(15), blend(c(15), c(5), 205), 0.5f);
    m_clrTearOffGripper.SetStandardValue(c(30));
    m_clrToolbarShadow.SetStandardValue(c(30));
    m_clrFloatingGripper.SetStandardValue(c(16));
    m_clrPopupControl.SetStandardValue(c(41), blend(c(5), c(15), 550), 0.5f);
    m_clrToolbarExpand.SetStandardValue(blend(c(51), c(16), 51), c(16), 0.5f);
    m_bLunaTheme = FALSE;
    m_clrMenuExpand.SetStandardValue(c(41), blend(c(5), c(15), 550), 0.5f);
    m_clrStatusPane.SetStandardValue(blend(c(15), c(5), 70));
    if (CXTPColorManager::IsLowColor(nullptr))
    {
        m_clrToolbarFace.SetSolid(c(15));
        m_clrDockBar.SetSolid(c(15));
        m_clrPopupControl.SetSolid(c(15));
        m_clrToolbarExpand.SetSolid(c(15));
    }
}

BOOL CXTPOffice2003Theme::ApplySchemePalette(int nScheme)
{
    if (nScheme < xtpSchemeNormalColor || nScheme > xtpSchemeMetallic)
        return FALSE;
    int k = nScheme - 1;
    ApplyPaletteRows(this, s_paletteGradients, k);
    ApplyPaletteRows(this, s_paletteColors, k);
    ApplyPaletteRows(m_arrColor, s_paletteEntries, k);
    m_clrBaseDark = s_baseDark[k];
    m_bLunaTheme = TRUE;
    return TRUE;
}

void CXTPOffice2003Theme::RefreshMetrics()
{
    CXTPOfficeTheme::RefreshMetrics();
    m_clrBaseDark = 0;
    CWnd* pMainWnd = AfxGetMainWnd();
    m_themeStatusBar.OpenThemeData(pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr, L"STATUS");

    RefreshSystemColorSet();
    if (ApplySchemePalette(GetCurrentSystemTheme()))
    {
        static const int s_grey[] = {58, 60, 35};
        for (int nIndex : s_grey)
            m_arrColor[nIndex].SetStandardValue(0x8d8d8d);
        m_arrColor[61].SetStandardValue(m_clrFloatingGripper.GetColor());
    }
    BuildExpandMenuImage();
}

void CXTPOffice2003Theme::BuildExpandMenuImage()
{
    m_ilExpandImage.DeleteImageList();
    COLORREF clrFirst = m_clrMenuExpand.clrLight.GetColor();
    COLORREF clrSecond = m_clrMenuExpand.clrDark.GetColor();

    CWindowDC dcScreen(nullptr);
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(&dcScreen, 16, 16))
        return;
    {
        CXTPCompatibleDC dc(&dcScreen, &bitmap);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
            {
                int t = s_expandBall[y][x];
                COLORREF clr = t == 255 ? EXPAND_KEY
                                        : RGB(Shade(GetRValue(clrFirst), GetRValue(clrSecond), t),
                                              Shade(GetGValue(clrFirst), GetGValue(clrSecond), t),
                                              Shade(GetBValue(clrFirst), GetBValue(clrSecond), t));
                dc.SetPixel(x, y, clr);
            }
    }
    if (m_ilExpandImage.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 0))
        m_ilExpandImage.Add(&bitmap, EXPAND_KEY);
}

} // namespace XTPPaintThemes
