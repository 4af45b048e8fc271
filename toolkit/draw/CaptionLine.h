// One line of a control's caption with its access key underlined. The
// system's text drawing underlines the marked letter where the font's
// measured advances put it, while the letters themselves may be set at
// advances of the glyphs' own (narrower than the measured ones with some
// fonts and renderers), and the underline then drifts right the further in
// the letter stands. Here every letter is set at its measured advance and
// the underline is taken from the same advances: letters and underline come
// from one measurement of one text in one font, the one the layout used.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"

class CDC;

// Draws the text on one line in the rectangle, in the DC's font and text
// colour. nFormat takes the horizontal (DT_LEFT, DT_CENTER, DT_RIGHT) and
// vertical (DT_TOP, DT_VCENTER, DT_BOTTOM) placement, DT_NOPREFIX,
// DT_END_ELLIPSIS and DT_NOCLIP; the line is always single. Without
// DT_NOPREFIX the first single '&' marks the next letter, which is
// underlined, and "&&" stands for '&'. Answers the line's height.
int XTPDrawCaptionLine(CDC* pDC, const CString& strText, const CRect& rc, UINT nFormat);
