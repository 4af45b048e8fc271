#include "toolkit/draw/WhidbeyTheme.h"

#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ThemePalette.h"

namespace XTPPaintThemes {

namespace {

using Theme = CXTPWhidbeyTheme;
const COLORREF KEEP = XTP_PALETTE_KEEP;

// Blue, olive and silver.
const XTPPaletteGradientRow<Theme> s_paletteGradients[] = {
    {&Theme::m_clrToolbarFace,
     {{0xf5f9fa, 0xa8c0c0, 0.75f}, {0xf5f9fa, 0xa8c0c0, 0.75f}, {0xfaf4f3, 0xb59799, 0.75f}}},
    {&Theme::m_clrToolbarExpand,
     {{0xeaedee, 0x7e9898, 0.75f}, {0xeaedee, 0x9eacb0, 0.75f}, {0xc8b2b3, 0x927476, 0.75f}}},
    {&Theme::m_clrDockBar,
     {{0xd7e5e5, 0xe7f1f4, 0.5f}, {0xd7e5e5, 0xe7f1f4, 0.5f}, {0xe5d7d7, 0xf7f3f3, 0.5f}}},
    {&Theme::m_clrMenuExpandedGripper,
     {{0xbac7cc, 0xbac7cc, 0.5f}, {0xbac7cc, 0xbac7cc, 0.5f}, {0xe2d7d7, 0xa28385, 0.5f}}},
    // Blue and olive take the toolbar face's colours.
    {&Theme::m_clrMenuExpand,
     {{0xf5f9fa, 0xa8c0c0, 0.75f}, {0xf5f9fa, 0xa8c0c0, 0.75f}, {0xf1e8e8, 0xc5aeb0, 0.5f}}},
    {&Theme::m_clrBarGradient,
     {{0xf9f5f7, 0x99797a, 0.5f}, {0xd8e9ec, 0x99a8ac, 0.5f}, {0xf9f5f7, 0x99797a, 0.5f}}},
};

const XTPPaletteColorRow<Theme> s_paletteColors[] = {
    {&Theme::m_clrToolbarShadow, {0x7ca3a3, 0x7ca3a3, 0x947c7c}},
    {&Theme::m_clrTearOffGripper, {KEEP, KEEP, 0xd3c0c0}},
    {&Theme::m_clrFloatingGripper, {KEEP, KEEP, 0x99797a}},
};

const XTPPaletteEntryRow s_paletteEntries[] = {
    {31, {KEEP, 0x8dc6b6, 0xc2eeff}}, {33, {KEEP, 0x70a093, 0x3e80fe}},
    {36, {KEEP, 0x8dc6b6, 0x6fc0ff}}, {47, {KEEP, 0xffffff, 0x000000}},
    {60, {KEEP, KEEP, 0x8d8d8d}},     {35, {KEEP, KEEP, 0x8d8d8d}},
    {39, {KEEP, KEEP, 0x8f6d6e}},     {38, {KEEP, KEEP, 0x755454}},
    {30, {KEEP, KEEP, 0xe4dadb}},     {61, {KEEP, KEEP, 0x99797a}},
    {32, {KEEP, KEEP, 0x6f4b4b}},     {37, {KEEP, KEEP, 0x6f4b4b}},
    {50, {KEEP, KEEP, 0x6f4b4b}},
};

} // namespace

CXTPWhidbeyTheme::CXTPWhidbeyTheme()
{
    m_systemTheme = 0;
    m_bPlainSeparators = TRUE;
}

void CXTPWhidbeyTheme::RefreshMetrics()
{
    CXTPOffice2003Theme::RefreshMetrics();
    if (CXTPColorManager::IsLowColor(nullptr))
        m_clrToolbarExpand.SetSolid(ResolveColor(15));
    else
        m_clrToolbarExpand.SetStandardValue(
            CXTPColorManager::BlendColors(ResolveColor(5), ResolveColor(15), 550), ResolveColor(16),
            0.5f);

    // The detected colour variant, whatever the scheme setting says.
    int nScheme = GetColorManager()->GetActiveColorScheme();
    if (nScheme >= xtpSchemeNormalColor && nScheme <= xtpSchemeMetallic)
    {
        int k = nScheme - 1;
        ApplyPaletteRows(this, s_paletteGradients, k);
        ApplyPaletteRows(this, s_paletteColors, k);
        ApplyPaletteRows(m_arrColor, s_paletteEntries, k);
    }
    BuildExpandMenuImage();
}

} // namespace XTPPaintThemes
