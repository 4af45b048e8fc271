// The application's own look: the classic theme with one change, the
// background of its command bars, which runs from a light to a dark shade of
// one system colour. Installed once by the main frame as the process-wide
// paint manager.
#pragma once

#include "toolkit/draw/DefaultTheme.h"

class CQivTheme : public XTPPaintThemes::CXTPDefaultTheme
{
public:
    CQivTheme();

    // The classic refresh, then the two bar colours.
    void RefreshMetrics() override;
    // The bar background: solid dark where the bar's style asks for a plain
    // fill, else a gradient from light at the left to dark.
    void FillDockBar(CDC* pDC, CWnd* pBar) override;

    COLORREF GetBarColorLight() const { return m_clrBarLight; }
    COLORREF GetBarColorDark() const { return m_clrBarDark; }

private:
    void RefreshColors();

    COLORREF m_clrBarLight = 0;
    COLORREF m_clrBarDark = 0;
};
