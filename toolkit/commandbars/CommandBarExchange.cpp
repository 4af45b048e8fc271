// A bar's stored properties, in the order the controls blob holds them: the
// bar's own keys, then its controls in the section "Controls"; the toolbar
// and the popup bar add their keys after that (the menu bar's follow the
// toolbar's, MenuBarExchange.cpp). A toolbar loaded this way is merged
// into the running one of the same id.
#include "toolkit/commandbars/CommandBar.h"

#include "framework/ui/MessageBox.h"
#include "toolkit/commandbars/Animation.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/ToolBar.h"
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

void CXTPToolBar::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPCommandBar::DoPropExchange(pPX);
    const UINT nSchema = pPX->GetSchema();
    ExchangeBoolProperty(pPX, "BuiltIn", m_bBuiltIn, TRUE);
    ExchangeBoolProperty(pPX, "TearOff", m_bTearOff, FALSE);
    if (nSchema > 6)
        ExchangeBoolProperty(pPX, "Closeable", m_bCloseable, TRUE);
    if (nSchema > 7)
        ExchangeBoolProperty(pPX, "ContextMenuPresent", m_bContextMenuPresent, TRUE);
    if (nSchema > 16)
        ExchangeBoolProperty(pPX, "CustomizeDialogPresent", m_bCustomizeDialogPresent, TRUE);
    // Menu bars of older streams could not be closed.
    if (pPX->IsLoading() && nSchema <= 16 && m_barType == xtpBarTypeMenuBar)
        m_bCloseable = FALSE;
}

void CXTPPopupBar::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPCommandBar::DoPropExchange(pPX);
    const UINT nSchema = pPX->GetSchema();
    ExchangeBoolProperty(pPX, "TearOffPopup", m_bTearOffPopup, FALSE);
    ExchangeStringProperty(pPX, "TearOffCaption", m_strTearOffCaption, "");
    int nTearOffId = static_cast<int>(m_nTearOffID);
    ExchangeIntProperty(pPX, "TearOffId", nTearOffId, 0);
    ExchangeIntProperty(pPX, "TearOffWidth", m_nTearOffWidth, 0);
    if (nSchema > 3)
    {
        ExchangeRectProperty(pPX, "Borders", m_rcBorders, CRect(2, 4, 2, 4));
        ExchangeBoolProperty(pPX, "ShowShadow", m_bShadowEnabled, TRUE);
    }
    if (nSchema > 8)
        ExchangeBoolProperty(pPX, "DoubleGripper", m_bDoubleGripper, FALSE);
    if (pPX->IsLoading())
        m_nTearOffID = static_cast<UINT>(nTearOffId);
}

void CXTPToolBar::MergeLoaded(CXTPToolBar* pLoaded, BOOL bSilent)
{
    CXTPControls* pLoadedOriginal = pLoaded->GetControls()->GetOriginalControls();
    CXTPControls* pOriginal = m_pControls->GetOriginalControls();
    if (pLoadedOriginal && pOriginal && !pLoadedOriginal->Compare(pOriginal))
    {
        // The resource changed since the user customised the toolbar: the
        // new buttons win unless the user keeps the customised ones.
        if (bSilent || pLoadedOriginal->Compare(pLoaded->GetControls()))
            return;
        CString strFormat;
        if (!strFormat.LoadString(XTP_IDS_TOOLBAR_CHANGED))
            return;
        CString strPrompt;
        strPrompt.Format(strFormat, static_cast<LPCSTR>(m_strTitle));
        if (AfxMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) == IDNO)
        {
            m_pControls->RemoveAll();
            for (int i = 0; i < pLoaded->GetControlCount(); ++i)
                m_pControls->AddCopy(pLoaded->GetControl(i));
            OnRecalcLayout();
        }
        return;
    }
    // The place stays for the stored arrangement to decide.
    const int nPosition = m_barPosition;
    const BOOL bVisible = m_bVisible;
    Copy(pLoaded, FALSE);
    m_barPosition = nPosition;
    m_bVisible = bVisible;
    OnRecalcLayout();
}
