// CXTPControlButton: the plain command button (type 1) and the base of most
// other controls. A mouse press on a toolbar tracks the button until release;
// in a menu the command runs on the button-up.
#pragma once

#include "toolkit/controls/Control.h"

class CXTPControlButton : public CXTPControl
{
    DECLARE_SERIAL(CXTPControlButton)
public:
    CXTPControlButton();

    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint point) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlButton; }
};
