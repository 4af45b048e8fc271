// CXTPControlAction: the command state that every control of one command id
// shares (texts, icon, enabled, checked, visible), and CXTPControlActions,
// the command bars' list of them. A control whose own values are -1 or empty
// reads them from its action.
#pragma once

#include "framework/core/Array.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"

class CXTPCommandBars;
class CXTPControl;
class CXTPControlActions;

// A prompt is "description\ntooltip", or one text for both. FALSE for an
// empty prompt, which changes nothing.
BOOL SplitPrompt(LPCSTR lpszPrompt, CString& strTooltip, CString& strDescription);

class CXTPControlAction : public CCmdTarget
{
    DECLARE_DYNAMIC(CXTPControlAction)
public:
    explicit CXTPControlAction(CXTPControlActions* pActions = nullptr);
    ~CXTPControlAction() override;

    int GetID() const { return m_nId; }
    void SetID(int nId) { m_nId = nId; }
    int GetIconId() const { return m_nIconId; }
    void SetIconId(int nId) { m_nIconId = nId; }
    int GetHelpId() const { return m_nHelpId; }
    void SetHelpId(int nId) { m_nHelpId = nId; }

    // The caption, or the tooltip when the caption is empty.
    CString GetCaption() const;
    // The caption alone.
    CString GetOwnCaption() const { return m_strCaption; }
    CString GetTooltip() const { return m_strTooltipText; }
    CString GetDescription() const { return m_strDescriptionText; }
    CString GetShortcutText() const { return m_strShortcutText; }
    // Keeps the text before a TAB; on change every linked control's bar is
    // marked for re-layout.
    void SetCaption(LPCSTR lpszCaption);
    // Tooltip after the first newline, description before it (both the
    // whole text without one); an empty prompt changes nothing.
    void SetPrompt(LPCSTR lpszPrompt);
    void SetTooltip(LPCSTR lpszText) { m_strTooltipText = lpszText; }
    void SetDescription(LPCSTR lpszText) { m_strDescriptionText = lpszText; }
    void SetShortcutText(LPCSTR lpszText) { m_strShortcutText = lpszText; }

    // TRUE while the command bars customise, else the action's flag.
    BOOL GetEnabled() const;
    void SetEnabled(BOOL bEnabled);
    BOOL GetChecked() const { return m_bChecked; }
    void SetChecked(BOOL bChecked);
    BOOL IsVisible() const { return m_bVisible; }
    void SetVisible(BOOL bVisible);

    // Redraws every linked control.
    void RefreshControls();
    void AddControl(CXTPControl* pControl);
    void RemoveControl(CXTPControl* pControl);
    // Unlinks every control (each becomes enabled 1, checked 0).
    void DetachAllControls();
    int GetControlCount() const { return static_cast<int>(m_arrControls.GetSize()); }
    CXTPControl* GetControl(int nIndex) const { return m_arrControls[nIndex]; }
    CXTPControlActions* GetActions() const { return m_pActions; }

private:
    int m_nId;
    int m_nIconId;
    int m_nHelpId;
    BOOL m_bEnabled;
    BOOL m_bChecked;
    BOOL m_bVisible;
    CString m_strCaption;
    CString m_strTooltipText;
    CString m_strDescriptionText;
    CString m_strShortcutText;
    CArray<CXTPControl*, CXTPControl*> m_arrControls;
    CXTPControlActions* m_pActions;
};

class CXTPControlActions : public CCmdTarget
{
    DECLARE_DYNAMIC(CXTPControlActions)
public:
    explicit CXTPControlActions(CXTPCommandBars* pCommandBars = nullptr);
    ~CXTPControlActions() override;

    // The action of the id; made, appended and given the prompt of string
    // resource <id> when there is none.
    CXTPControlAction* Add(int nId);
    CXTPControlAction* FindAction(int nId) const;
    CXTPControlAction* GetAt(int nIndex) const { return m_arrActions[nIndex]; }
    int GetCount() const { return static_cast<int>(m_arrActions.GetSize()); }
    // Detaches every action's controls and releases the actions.
    void RemoveAll();
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }

private:
    CArray<CXTPControlAction*, CXTPControlAction*> m_arrActions;
    CXTPCommandBars* m_pCommandBars;
};
