// CXTPControlLabel (type 8): a caption on a bar that ignores clicks and is
// never shown as selected; keyboard navigation passes over it.
#pragma once

#include "toolkit/controls/Control.h"

class CXTPControlLabel : public CXTPControl
{
    DECLARE_SERIAL(CXTPControlLabel)
public:
    CXTPControlLabel();

    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint /*point*/) override {}
    // Never shown as selected.
    int GetSelected() const override { return 0; }

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlLabel; }
};
