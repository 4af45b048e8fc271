#include "app/FontDialog.h"

#include <string.h>

C_FontDialog::C_FontDialog(const LOGFONTA* plfInitial, CWnd* pParentWnd)
    : CFontDialog(plfInitial, CF_SCREENFONTS | CF_EFFECTS, nullptr, pParentWnd)
{
}

void QivLogFontFromCharFormat(const CHARFORMATA& cf, LOGFONTA* plf, COLORREF* pcrColor)
{
    memset(plf, 0, sizeof(*plf));
    if (cf.dwMask & CFM_SIZE)
        plf->lfHeight = -(cf.yHeight / 20);
    if (cf.dwMask & CFM_BOLD)
        plf->lfWeight = (cf.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
    if (cf.dwMask & CFM_ITALIC)
        plf->lfItalic = (cf.dwEffects & CFE_ITALIC) ? 1 : 0;
    if (cf.dwMask & CFM_UNDERLINE)
        plf->lfUnderline = (cf.dwEffects & CFE_UNDERLINE) ? 1 : 0;
    if (cf.dwMask & CFM_STRIKEOUT)
        plf->lfStrikeOut = (cf.dwEffects & CFE_STRIKEOUT) ? 1 : 0;
    plf->lfCharSet = cf.bCharSet;
    plf->lfPitchAndFamily = cf.bPitchAndFamily;
    if (cf.dwMask & CFM_FACE)
        lstrcpynA(plf->lfFaceName, cf.szFaceName, LF_FACESIZE);
    if ((cf.dwMask & CFM_COLOR) && pcrColor)
        *pcrColor = cf.crTextColor;
}

void QivCharFormatFromLogFont(const LOGFONTA& lf, COLORREF crColor, CHARFORMATA* pcf)
{
    pcf->cbSize = sizeof(CHARFORMATA);
    pcf->dwMask = 0xF000000F;    // size, colour, face, charset and the four effects
    pcf->dwEffects = (lf.lfWeight >= FW_BOLD ? CFE_BOLD : 0) | (lf.lfItalic ? CFE_ITALIC : 0)
                   | (lf.lfUnderline ? CFE_UNDERLINE : 0) | (lf.lfStrikeOut ? CFE_STRIKEOUT : 0);
    pcf->yHeight = lf.lfHeight * -20;
    pcf->bCharSet = lf.lfCharSet;
    pcf->crTextColor = crColor;
    pcf->bPitchAndFamily = lf.lfPitchAndFamily;
    lstrcpynA(pcf->szFaceName, lf.lfFaceName, LF_FACESIZE);
}

CDisplayIC::CDisplayIC()
{
    Attach(::CreateICA("DISPLAY", nullptr, nullptr, nullptr));
}
