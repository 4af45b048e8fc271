// The looks of the themed splitter: the colours of its bars and borders for
// the classic, the flat and the 2003-era themes, made by one style factory.
#pragma once

#include "toolkit/extras/ThemeManager.h"

class CXTSplitterWndTheme : public CXTThemeManagerStyle
{
public:
    CXTSplitterWndTheme();

    // Face and border: the system's button face and button shadow.
    void RefreshColors() override;

    COLORREF m_clrSplitterFace;
    COLORREF m_clrSplitterBorder;
};

class CXTSplitterWndThemeOfficeXP : public CXTSplitterWndTheme
{
};

class CXTSplitterWndThemeOffice2003 : public CXTSplitterWndTheme
{
public:
    // The system colours, replaced by the blue, olive or silver scheme's
    // own unless the scheme colours are switched off.
    void RefreshColors() override;
};

class CXTSplitterWndThemeFactory : public CXTThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CXTSplitterWndThemeFactory)
public:
    // Theme 1 the flat style, 2 the 2003 style, any other the classic one.
    CXTThemeManagerStyle* MakeStyle(int nTheme) override;
};
