#include "toolkit/controls/ControlLabel.h"

#include "framework/core/Archive.h"
#include "toolkit/commandbars/CommandBar.h"

IMPLEMENT_SERIAL(CXTPControlLabel, CXTPControl, 18)

CXTPControlLabel::CXTPControlLabel()
{
    m_controlType = xtpControlLabel;
    m_dwFlags = xtpFlagNoMovable | xtpFlagSkipFocus;
}

void CXTPControlLabel::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (!bKeyboard && m_pParent && m_pParent->IsCustomizeMode() && IsCustomizeMovable())
        CustomizeClick(pt);
}
