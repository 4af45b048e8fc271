// A quieter variant of the Office 2003 look: grey-green and grey toolbars,
// flat one-colour button highlights instead of gradients, and separators
// without their highlight line. Every drawing operation is the Office 2003
// theme's; only the colours differ.
#pragma once

#include "toolkit/draw/Office2003Theme.h"

namespace XTPPaintThemes {

class CXTPWhidbeyTheme : public CXTPOffice2003Theme
{
public:
    CXTPWhidbeyTheme();

    void RefreshMetrics() override;
    int BaseTheme() override { return xtpThemeWhidbey; }
};

} // namespace XTPPaintThemes

using XTPPaintThemes::CXTPWhidbeyTheme;
