// Palette tables of the gradient themes: one row per member or colour entry,
// with its value in each of the three XP colour variants (blue, olive,
// silver). A value of XTP_PALETTE_KEEP leaves the member as it is.
#pragma once

#include "toolkit/draw/PaintManagerColor.h"

#include <cstddef>

const COLORREF XTP_PALETTE_KEEP = static_cast<COLORREF>(-1);

struct XTPPaletteGradient
{
    COLORREF clrFirst;
    COLORREF clrSecond;
    float fFactor;
};

template <class Theme>
struct XTPPaletteGradientRow
{
    CXTPPaintManagerColorGradient Theme::*member;
    XTPPaletteGradient values[3];
};

template <class Theme>
struct XTPPaletteColorRow
{
    CXTPPaintManagerColor Theme::*member;
    COLORREF values[3];
};

struct XTPPaletteEntryRow
{
    int nIndex;
    COLORREF values[3];
};

// Sets the rows' values of scheme k (0 blue, 1 olive, 2 silver).
template <class Theme, std::size_t N>
void ApplyPaletteRows(Theme* pTheme, const XTPPaletteGradientRow<Theme> (&rows)[N], int k)
{
    for (const XTPPaletteGradientRow<Theme>& row : rows)
        (pTheme->*row.member).SetStandardValue(row.values[k].clrFirst, row.values[k].clrSecond,
                                               row.values[k].fFactor);
}

template <class Theme, std::size_t N>
void ApplyPaletteRows(Theme* pTheme, const XTPPaletteColorRow<Theme> (&rows)[N], int k)
{
    for (const XTPPaletteColorRow<Theme>& row : rows)
        if (row.values[k] != XTP_PALETTE_KEEP)
            (pTheme->*row.member).SetStandardValue(row.values[k]);
}

template <std::size_t N>
void ApplyPaletteRows(CXTPPaintManagerColor* pTable, const XTPPaletteEntryRow (&rows)[N], int k)
{
    for (const XTPPaletteEntryRow& row : rows)
        if (row.values[k] != XTP_PALETTE_KEEP)
            pTable[row.nIndex].SetStandardValue(row.values[k]);
}
