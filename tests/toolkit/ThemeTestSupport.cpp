#include "ThemeTestSupport.h"

#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/DrawHelpers.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

const COLORREF g_classicSysColors[THEME_SYS_COLOR_COUNT] = {
    0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF, 0x000000, 0x800000, 0xF0CAA6, 0xC0C0C0, 0x6A240A};

const COLORREF g_darkSysColors[THEME_SYS_COLOR_COUNT] = {
    0x202020, 0x000000, 0x800080, 0x008000, 0x000000, 0x000000, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0x808080, 0x808080, 0x000000, 0x00FFFF, 0x000000, 0x000000,
    0x808080, 0x00FF00, 0xFFFFFF, 0xC0C0C0, 0xFFFFFF, 0x404040, 0x202020, 0xFFFFFF,
    0x000000, 0x000000, 0xFFFF00, 0x800080, 0x008000, 0x00FFFF};

const CThemeColorSet g_themeColorSets[2] = {{"classic", g_classicSysColors},
                                            {"dark", g_darkSysColors}};

namespace {

const COLORREF* s_pColors = nullptr;
int s_nScheme = 0;

COLORREF ScopeSysColor(int nIndex)
{
    return s_pColors[nIndex];
}

BOOL ScopeThemeNames(LPWSTR pszFile, int cchFile, LPWSTR pszColor, int cchColor)
{
    static const wchar_t* const s_colorNames[] = {L"", L"NormalColor", L"HomeStead", L"Metallic"};
    if (s_nScheme <= 0 || s_nScheme > 3)
        return FALSE;
    wcsncpy(pszFile, L"C:\\Windows\\Resources\\Themes\\Luna\\Luna.msstyles", cchFile - 1);
    wcsncpy(pszColor, s_colorNames[s_nScheme], cchColor - 1);
    return TRUE;
}

} // namespace

CThemeColorScope::CThemeColorScope(const COLORREF* pColors, int nScheme, BOOL bLowColor)
{
    s_pColors = pColors;
    s_nScheme = nScheme;
    CXTPColorManager::SetSysColorHook(&ScopeSysColor);
    CXTPColorManager::SetThemeNameSource(&ScopeThemeNames);
    CXTPColorManager::SetLowColorOverride(bLowColor ? 1 : 0);
    RefreshSystemColors();
}

CThemeColorScope::~CThemeColorScope()
{
    CXTPColorManager::SetLowColorOverride(-1);
    CXTPColorManager::SetThemeNameSource(nullptr);
    CXTPColorManager::SetSysColorHook(nullptr);
    RefreshSystemColors();
}

bool ThemeStylesOn()
{
    const char* psz = getenv("QIV_EXPECT_STYLES");
    return !psz || strcmp(psz, "on") == 0;
}

std::string FirstDifference(CTestDib& a, CTestDib& b)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
            {
                char sz[80];
                snprintf(sz, sizeof(sz), "%d,%d: %06lX/%06lX", x, y,
                         static_cast<unsigned long>(a.Pixel(x, y)),
                         static_cast<unsigned long>(b.Pixel(x, y)));
                return sz;
            }
    return std::string();
}

COLORREF ReferenceGradientPixel(const CRect& rc, COLORREF clrFirst, COLORREF clrSecond,
                                float fFactor, BOOL bHorz, CPoint pt)
{
    CTestDib dib(rc.right, rc.bottom);
    CXTPPaintManagerColorGradient grc;
    grc.SetStandardValue(clrFirst, clrSecond, fFactor);
    CXTPDrawHelpers::GradientFill(&dib.DC(), &rc, grc, bHorz);
    return dib.Pixel(pt.x, pt.y);
}
