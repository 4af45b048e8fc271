#include "toolkit/controls/ControlAction.h"

#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/Control.h"
#include "toolkit/draw/ResourceManager.h"

IMPLEMENT_DYNAMIC(CXTPControlAction, CCmdTarget)
IMPLEMENT_DYNAMIC(CXTPControlActions, CCmdTarget)

// --- Action -------------------------------------------------------------------------

CXTPControlAction::CXTPControlAction(CXTPControlActions* pActions)
    : m_nId(0), m_nIconId(0), m_nHelpId(0), m_bEnabled(TRUE), m_bChecked(FALSE),
      m_bVisible(TRUE), m_pActions(pActions)
{
}

CXTPControlAction::~CXTPControlAction()
{
    DetachAllControls();
}

CString CXTPControlAction::GetCaption() const
{
    return m_strCaption.IsEmpty() ? m_strTooltipText : m_strCaption;
}

void CXTPControlAction::SetCaption(LPCSTR lpszCaption)
{
    CString strCaption(lpszCaption ? lpszCaption : "");
    int nTab = strCaption.Find('\t');
    if (nTab >= 0)
        strCaption = strCaption.Left(nTab);
    if (strCaption == m_strCaption)
        return;
    m_strCaption = strCaption;
    for (int i = 0; i < GetControlCount(); ++i)
        m_arrControls[i]->DelayLayoutParent();
}

BOOL SplitPrompt(LPCSTR lpszPrompt, CString& strTooltip, CString& strDescription)
{
    CString strPrompt(lpszPrompt ? lpszPrompt : "");
    if (strPrompt.IsEmpty())
        return FALSE;
    int nNewLine = strPrompt.Find('\n');
    strTooltip = nNewLine >= 0 ? strPrompt.Mid(nNewLine + 1) : strPrompt;
    strDescription = nNewLine >= 0 ? strPrompt.Left(nNewLine) : strPrompt;
    return TRUE;
}

void CXTPControlAction::SetPrompt(LPCSTR lpszPrompt)
{
    SplitPrompt(lpszPrompt, m_strTooltipText, m_strDescriptionText);
}

BOOL CXTPControlAction::GetEnabled() const
{
    CXTPCommandBars* pCommandBars = m_pActions ? m_pActions->GetCommandBars() : nullptr;
    if (pCommandBars && pCommandBars->IsCustomizeMode())
        return TRUE;
    return m_bEnabled;
}

void CXTPControlAction::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled != bEnabled)
    {
        m_bEnabled = bEnabled;
        RefreshControls();
    }
}

void CXTPControlAction::SetChecked(BOOL bChecked)
{
    if (m_bChecked != bChecked)
    {
        m_bChecked = bChecked;
        RefreshControls();
    }
}

void CXTPControlAction::SetVisible(BOOL bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    for (int i = 0; i < GetControlCount(); ++i)
        m_arrControls[i]->DelayLayoutParent();
}

void CXTPControlAction::RefreshControls()
{
    for (int i = 0; i < GetControlCount(); ++i)
        m_arrControls[i]->RedrawParent(FALSE);
}

void CXTPControlAction::AddControl(CXTPControl* pControl)
{
    for (int i = 0; i < GetControlCount(); ++i)
        if (m_arrControls[i] == pControl)
            return;
    m_arrControls.Add(pControl);
}

void CXTPControlAction::RemoveControl(CXTPControl* pControl)
{
    for (int i = 0; i < GetControlCount(); ++i)
        if (m_arrControls[i] == pControl)
        {
            m_arrControls.RemoveAt(i);
            return;
        }
}

void CXTPControlAction::DetachAllControls()
{
    while (GetControlCount() > 0)
        m_arrControls[0]->SetAction(nullptr);
}

// --- Actions ---------------------------------------------------------------------------

CXTPControlActions::CXTPControlActions(CXTPCommandBars* pCommandBars)
    : m_pCommandBars(pCommandBars)
{
}

CXTPControlActions::~CXTPControlActions()
{
    RemoveAll();
}

CXTPControlAction* CXTPControlActions::FindAction(int nId) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_arrActions[i]->GetID() == nId)
            return m_arrActions[i];
    return nullptr;
}

CXTPControlAction* CXTPControlActions::Add(int nId)
{
    if (CXTPControlAction* pAction = FindAction(nId))
        return pAction;
    CXTPControlAction* pAction = new CXTPControlAction(this);
    m_arrActions.Add(pAction);
    pAction->SetID(nId);
    CString strPrompt;
    // String resources have 16-bit ids.
    if (nId > 0 && nId < 0x10000 && GetResourceManager()->LoadString(&strPrompt, static_cast<UINT>(nId)))
        pAction->SetPrompt(strPrompt);
    return pAction;
}

void CXTPControlActions::RemoveAll()
{
    for (int i = 0; i < GetCount(); ++i)
    {
        m_arrActions[i]->DetachAllControls();
        m_arrActions[i]->InternalRelease();
    }
    m_arrActions.RemoveAll();
}
