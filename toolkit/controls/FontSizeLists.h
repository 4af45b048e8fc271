// What the font and size boxes of a text toolbar list and how they read and
// write point sizes: the installed font families (enumerated once per
// process), the sizes of one face, and point texts to twips and back. Point
// sizes use "." whatever the run-time locale.
#pragma once

#include "framework/core/Array.h"
#include "framework/core/String.h"

// One font family of the font list.
struct CXTPFontDesc
{
    CString strName;
    CString strScript;
    BYTE nCharSet = 0;
    BYTE nPitchAndFamily = 0;
    // 0x200 for TrueType faces, else 0.
    int dwFlags = 0;
};

// Font type flag of TrueType faces in CXTPFontDesc::dwFlags.
const int XTP_FONT_TRUETYPE = 0x200;

// The process's font families, sorted by face name: each face once, without
// raster fonts, Macintosh character sets and the vertical "@" faces.
// Enumerated at the first call; fonts installed later do not appear.
const CArray<CXTPFontDesc*, CXTPFontDesc*>& XTPGetFontDescriptions();

// Fills the list box with every family's face name, each item's data
// pointing to its description.
void XTPFillFontList(HWND hWndList);

// 240 -> "12", 230 -> "11.5", 215 -> "11"; negative -> "".
CString XTPFormatTwipsAsPoints(int nTwips);
// The point size of the text in twips: -1 for an empty text, -2 for what is
// no decimal number (non-finite and hexadecimal numbers included), 0 for a
// negative size, and a value above 32760 for more than 1638 points.
int XTPParseTwips(LPCSTR lpszText);

// The sizes of the face in the list box: a raster face's own heights sorted,
// a scalable face's 16 usual sizes; nothing for an empty face. Returns the
// vertical pixels per inch of the context.
int XTPFillSizeList(HWND hWndList, HDC hDC, LPCSTR lpszFace);
// Inserts the size's text before the first item with a larger size (item
// data), unless the text is listed already.
void XTPAddSize(HWND hWndList, int nTwips);
