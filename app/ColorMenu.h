// The text-colour menu: seventeen owner-drawn entries (32900 "Schwarz" to
// 32916 "Automatisch"), each a swatch beside its name, and the colour each
// command stands for.
#pragma once

#include "framework/ui/Menu.h"

const UINT kFirstColorCommand = 32900;
const UINT kLastColorCommand = 32916;

// 32916 is the window-text colour; the others are entries of the system's
// default palette, "Grau" entry 12 and "Hellgrau" entry 7. An entry that
// cannot be read gives the window-text colour.
COLORREF ColorOfCommand(UINT nID);

class CColorMenu : public CMenu
{
public:
    // The popup with its seventeen entries; each entry's item data is its
    // own command id.
    BOOL CreateColorMenu();

    // Name width + 50 by the name's height, measured on the display.
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    // The swatch 4..26 pixels in, the name from 30 pixels on.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
};
