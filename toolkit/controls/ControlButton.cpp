#include "toolkit/controls/ControlButton.h"

#include "framework/core/Archive.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/PropExchange.h"

IMPLEMENT_SERIAL(CXTPControlButton, CXTPControl, 18)

CXTPControlButton::CXTPControlButton()
{
    m_controlType = xtpControlButton;
}

void CXTPControlButton::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (!GetEnabled())
        return;
    if (m_pParent && m_pParent->IsCustomizeMode())
    {
        CustomizeClick(pt);
        return;
    }
    if (bKeyboard)
    {
        OnExecute();
        return;
    }
    // In a menu the command runs on the button-up.
    if (m_pParent && m_pParent->GetType() != xtpBarTypePopup)
        TrackButtonPress();
}

void CXTPControlButton::OnLButtonUp(CPoint /*point*/)
{
    if (GetEnabled() && m_pParent && m_pParent->GetPosition() == xtpBarPopup)
        OnExecute();
}

void CXTPControlButton::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControl::DoPropExchange(pPX);
    if (pPX->GetSchema() < 18)
        ExchangeIntProperty(pPX, "Style", m_buttonStyle, 0);
}
