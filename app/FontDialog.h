// The default-font dialog and the mapping between the stored default
// character format and the font dialog's LOGFONT; a display information
// context for measuring text without a window.
#pragma once

#include "framework/ui/Dc.h"
#include "framework/ui/FontDialog.h"

#include <richedit.h>

#ifndef _WIN64
static_assert(sizeof(CHARFORMATA) == 60, "CHARFORMAT is 60 bytes in 32-bit code");
#endif

class C_FontDialog : public CFontDialog
{
public:
    explicit C_FontDialog(const LOGFONTA* plfInitial, CWnd* pParentWnd = nullptr);
};

// The font dialog's start font and colour from the stored default format:
// each attribute only when the format's mask holds it.
void QivLogFontFromCharFormat(const CHARFORMATA& cf, LOGFONTA* plf, COLORREF* pcrColor);
// The chosen font and colour as the stored default format (mask 0xF000000F;
// the height stored as 20 times the pixel height); yOffset is kept.
void QivCharFormatFromLogFont(const LOGFONTA& lf, COLORREF crColor, CHARFORMATA* pcf);

// The screen's information context, released with the object.
class CDisplayIC : public CDC
{
public:
    CDisplayIC();
};
