// CXTPControlCheckBox (type 9): a button drawn as a check box with its caption.
#pragma once

#include "toolkit/controls/ControlButton.h"

class CXTPControlCheckBox : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlCheckBox)
public:
    CXTPControlCheckBox();

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlCheckBox; }
};
