#include "toolkit/controls/ControlCheckBox.h"

#include "framework/core/Archive.h"
IMPLEMENT_SERIAL(CXTPControlCheckBox, CXTPControlButton, 18)

CXTPControlCheckBox::CXTPControlCheckBox()
{
    m_controlType = xtpControlCheckBox;
}
