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
};

inline COLORREF ThemeImageColor(int nImage, int nFrame)
{
    return RGB(16 + 4 * nImage, 30 + 28 * nFrame, 250 - 3 * nImage);
}

// The frame colour of the image of that name; 0xFFFFFFFF for other names.
inline COLORREF ThemeImageColor(const char* pszName, int nFrame)
{
    for (int i = 0; i < static_cast<int>(sizeof(kThemeStyleImages) / sizeof(kThemeStyleImages[0])); ++i)
        if (lstrcmpA(kThemeStyleImages[i].pszName, pszName) == 0)
            return ThemeImageColor(i, nFrame);
    return 0xFFFFFFFF;
}
