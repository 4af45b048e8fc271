// What the tests of the themes share: the classic and the dark system-colour
// sets, scopes that fix the colours, the XP colour variant and the display
// depth the colour manager sees, and a comparison of two drawings.
#pragma once

#include "TestDib.h"
#include "toolkit/draw/PaintManagerColor.h"

#include <string>

const int THEME_SYS_COLOR_COUNT = 30;

struct CThemeColorSet
{
    const char* pszName;
    const COLORREF* pColors;
};

// The classic Windows colours and a dark set with a black button face.
extern const COLORREF g_classicSysColors[THEME_SYS_COLOR_COUNT];
extern const COLORREF g_darkSysColors[THEME_SYS_COLOR_COUNT];
extern const CThemeColorSet g_themeColorSets[2];

// The colour manager sees the set's system colours (index 0 unused), the XP
// colour variant (0 none, 1 blue, 2 olive, 3 silver) and, when asked, a
// low-colour display; everything is given back at the end of the scope.
// The colour table is rebuilt at once and at the end.
class CThemeColorScope
{
public:
    explicit CThemeColorScope(const COLORREF* pColors, int nScheme = 0, BOOL bLowColor = FALSE);
    ~CThemeColorScope();
    CThemeColorScope(const CThemeColorScope&) = delete;
    CThemeColorScope& operator=(const CThemeColorScope&) = delete;
};

// Whether this run has visual styles: "on" unless QIV_EXPECT_STYLES says
// "off" (ThemeActive 0) or "missing" (no visual-styles library).
bool ThemeStylesOn();

// The first pixel at which two drawings of one size differ, as "x,y:
// a/b", or an empty string when they are the same.
std::string FirstDifference(CTestDib& a, CTestDib& b);

// The colour a gradient of the given ends and factor has at the rectangle's
// point, drawn by the toolkit's gradient fill into a DIB of the rectangle.
COLORREF ReferenceGradientPixel(const CRect& rc, COLORREF clrFirst, COLORREF clrSecond,
                                float fFactor, BOOL bHorz, CPoint pt);
