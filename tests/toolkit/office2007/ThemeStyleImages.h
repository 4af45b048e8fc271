// Written by make_style_modules.py; change that script, not this file.
// The images of ThemeStyleModule.dll: name, frames and frame size; each
// frame is one solid colour, ThemeImageColor(index, frame).
#pragma once

#include <windows.h>

struct ThemeStyleImage
{
    const char* pszName;
    int nFrames;
    int cx;
    int cy;
};

const ThemeStyleImage kThemeStyleImages[] = {
    {"WORKSPACETOPLEFT", 1, 24, 16},
    {"FRAMETOPLEFT", 2, 8, 30},
    {"FRAMETOPCENTER", 2, 8, 30},
    {"FRAMETOPRIGHT", 2, 8, 30},
    {"FRAMESIMPLETOPRIGHT", 2, 8, 30},
    {"FRAMEBOTTOMLEFT", 1, 6, 6},
    {"FRAMEBOTTOMRIGHT", 1, 6, 6},
    {"STATUSBARLIGHT", 1, 4, 22},
    {"STATUSBARDARK", 1, 4, 22},
    {"FRAMECAPTIONBUTTON", 2, 22, 22},
    {"FRAMECAPTIONCLOSE13", 5, 13, 13},
    {"FRAMECAPTIONCLOSE17", 5, 17, 17},
    {"FRAMECAPTIONCLOSE23", 5, 23, 23},
    {"FRAMECAPTIONMINIMIZE13", 5, 13, 13},
    {"FRAMECAPTIONMINIMIZE17", 5, 17, 17},
    {"FRAMECAPTIONMINIMIZE23", 5, 23, 23},
    {"FRAMECAPTIONMAXIMIZE13", 5, 13, 13},
    {"FRAMECAPTIONMAXIMIZE17", 5, 17, 17},
    {"FRAMECAPTIONMAXIMIZE23", 5, 23, 23},
    {"FRAMECAPTIONRESTORE13", 5, 13, 13},
    {"FRAMECAPTIONRESTORE17", 5, 17, 17},
    {"FRAMECAPTIONRESTORE23", 5, 23, 23},
    {"CONTROLGALLERYUP", 5, 15, 21},
    {"CONTROLGALLERYDOWN", 5, 15, 19},
    {"CONTROLGALLERYPOPUP", 5, 15, 20},
    {"CONTROLGALLERYSCROLLVERTICALLIGHT", 1, 17, 17},
    {"CONTROLGALLERYSCROLLVERTICALDARK", 1, 17, 17},
    {"CONTROLGALLERYSCROLLARROWSVERTICALLIGHT", 4, 17, 17},
    {"CONTROLGALLERYSCROLLARROWSVERTICALDARK", 4, 17, 17},
    {"CONTROLGALLERYSCROLLARROWGLYPHS", 8, 9, 9},
    {"CONTROLGALLERYSCROLLTHUMBVERTICAL", 4, 17, 17},
    {"CONTROLGALLERYSCROLLTHUMBGRIPPERVERTICAL", 1, 8, 8},
    {"RIBBONTAB", 6, 20, 23},
    {"CONTEXTTABGREEN", 5, 20, 23},
    {"RIBBONTABSEPARATOR", 1, 1, 20},
    {"CONTEXTTABSEPARATOR", 1, 1, 20},
    {"RIBBONGROUPS", 1, 20, 20},
    {"CONTEXTTABGREENCLIENT", 1, 20, 20},
    {"RIBBONGROUPCLIENT", 2, 12, 12},
    {"RIBBONGROUPCAPTION", 2, 12, 17},
    {"CONTEXTTABGROUPCLIENT", 2, 12, 12},
    {"CONTEXTTABGROUPCAPTION", 2, 12, 17},
    {"RIBBONGROUPBUTTON", 3, 12, 12},
    {"CONTEXTTABGREENGROUPBUTTON", 3, 12, 12},
    {"RIBBONQUICKACCESSBUTTON", 4, 13, 22},
    {"RIBBONQUICKACCESSMORE", 4, 13, 22},
    {"RIBBONQUICKACCESSFRAME", 1, 8, 8},
    {"RIBBONGROUPSSCROLLLEFT", 3, 12, 20},
    {"RIBBONGROUPSSCROLLRIGHT", 3, 12, 20},
    {"RIBBONOPTIONBUTTON", 3, 15, 14},
    {"ContextTabGREENHeader", 1, 8, 8},
    {"TOOLBARBUTTONS22", 4, 22, 22},
    {"TOOLBARBUTTONS50", 4, 50, 50},
    {"MENUCHECKEDITEM", 2, 12, 12},
    {"MENUSELECTEDITEM22", 1, 12, 22},
    {"MENUSELECTEDITEM54", 1, 12, 54},
    {"MENUSELECTEDDISABLEDITEM22", 1, 12, 22},
    {"MENUSELECTEDDISABLEDITEM54", 1, 12, 54},
    {"POPUPBARFRAME", 1, 12, 12},
    {"STATUSBARGRIPPER", 1, 8, 8},
    {"TOOLBARBUTTONSSPLIT22", 6, 10, 22},
    {"TOOLBARBUTTONSSPLITDROPDOWN22", 5, 8, 22},
    {"TOOLBARBUTTONSSPLIT50", 6, 10, 23},
    {"TOOLBARBUTTONSSPLITDROPDOWN50", 5, 10, 27},
    {"TOOLBARBUTTONSSPECIALSPLITLEFT", 7, 10, 22},
    {"TOOLBARBUTTONSSPECIALSPLITCENTER", 7, 10, 22},
    {"TOOLBARBUTTONSSPECIALSPLITDROPDOWNRIGHT", 6, 8, 22},
    {"TOOLBARBUTTONSSPECIALSPLITDROPDOWNCENTER", 6, 8, 22},
    {"TOOLBARBUTTONSSPECIALSINGLE", 5, 22, 22},
    {"TOOLBARBUTTONSSPECIALLEFT", 5, 22, 22},
    {"TOOLBARBUTTONSSPECIALRIGHT", 5, 22, 22},
    {"TOOLBARBUTTONSSPECIALCENTER", 5, 22, 22},
    {"TOOLBARBUTTONSCOMBODROPDOWN", 5, 8, 22},
    {"TOOLBARBUTTONCHECKBOX", 12, 13, 13},
    {"STATUSBARDEVIDER", 1, 3, 22},
    {"FRAMEGRIPPER", 2, 30, 30},
    {"FRAMESYSTEMBUTTON", 3, 46, 45},
};

inline COLORREF ThemeImageColor(int nImage, int nFrame)
{
    if (nImage < 60)
        return RGB(16 + 4 * nImage, 30 + 28 * nFrame, 250 - 3 * nImage);
    const int j = nImage - 60;
    return RGB(18 + 4 * j, 20 + 18 * nFrame, 250 - 3 * j);
}

// The frame colour of the image of that name; 0xFFFFFFFF for other names.
inline COLORREF ThemeImageColor(const char* pszName, int nFrame)
{
    for (int i = 0; i < static_cast<int>(sizeof(kThemeStyleImages) / sizeof(kThemeStyleImages[0])); ++i)
        if (lstrcmpA(kThemeStyleImages[i].pszName, pszName) == 0)
            return ThemeImageColor(i, nFrame);
    return 0xFFFFFFFF;
}
