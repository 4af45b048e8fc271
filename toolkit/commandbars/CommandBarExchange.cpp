// A bar's stored properties, in the order the controls blob holds them: the
// bar's own keys, then its controls in the section "Controls"; the bar
// classes add their keys after that.
#include "toolkit/commandbars/CommandBar.h"

#include "toolkit/commandbars/Animation.h"
#include "toolkit/commandbars/CommandBarsState.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/Controls.h"

void CXTPCommandBar::DoPropExchange(CXTPPropExchange* pPX)
{
    const UINT nSchema = pPX->GetSchema();
    ExchangeIntProperty(pPX, "Type", m_barType, xtpBarTypeNormal);
    ExchangeIntProperty(pPX, "Position", m_barPosition, xtpBarTop);
    int nBarID = static_cast<int>(m_nBarID);
    ExchangeIntProperty(pPX, "BarID", nBarID, 0);
    int nFlags = static_cast<int>(m_dwFlags);
    ExchangeIntProperty(pPX, "Flags", nFlags, 0);
    int nStyle = static_cast<int>(m_dwStyle);
    ExchangeIntProperty(pPX, "Style", nStyle, 0);
    ExchangeStringProperty(pPX, "Title", m_strTitle, "");
    ExchangeBoolProperty(pPX, "Customizable", m_bCustomizable, TRUE);
    ExchangeIntProperty(pPX, "MRUWidth", m_nMRUWidth, 0);
    if (nSchema > 2)
        ExchangeSizeProperty(pPX, "IconSize", m_szIcons, CSize(0, 0));
    BOOL bAnimation = IsAnimationEnabled();
    if (nSchema > 17)
    {
        ExchangeSizeProperty(pPX, "ButtonSize", m_szButtons, CSize(0, 0));
        ExchangeBoolProperty(pPX, "ShowTextBelowIcons", m_nTextBelowIcons, 2);
        ExchangeBoolProperty(pPX, "EnableAnimation", bAnimation, FALSE);
    }

    if (pPX->IsLoading())
    {
        m_nBarID = static_cast<UINT>(nBarID);
        m_dwFlags = static_cast<DWORD>(nFlags);
        m_dwStyle = static_cast<DWORD>(nStyle);
        // The controls bind to the actions of the bars they are loaded for.
        if (XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParams = GetExchangeParams(pPX))
            if (pParams->pCommandBars)
                SetCommandBars(pParams->pCommandBars);
    }

    CXTPPropExchange* pSection = pPX->GetSection("Controls");
    if (pSection)
    {
        m_pControls->DoPropExchange(pSection);
        pSection->InternalRelease();
    }

    if (pPX->IsLoading() && nSchema > 17)
        m_pAnimation->EnableAnimation(bAnimation);
}
