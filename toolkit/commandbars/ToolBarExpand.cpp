// What the toolbar's expand button lists: the buttons hidden for lack of
// room, and the add-or-remove-buttons list, in which every button of the
// toolbar (those the user removed too) can be switched on and off, ending
// with the reset item. With command bars the menu covers every toolbar of
// the bar's dock row (CommandBarsExpand.cpp); the site may supply the popup.
#include "toolkit/commandbars/ToolBar.h"

#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/res/ToolkitRes.h"

namespace {

// Hide bits that keep a control out of the add-or-remove list.
const DWORD kUnlistedHideFlags = xtpHideGeneric | xtpHideDocTemplate | 0x80;

BOOL SameControl(const CXTPControl* pA, const CXTPControl* pB)
{
    return pA->GetID() == pB->GetID() && pA->GetType() == pB->GetType();
}

BOOL IsAmongOriginals(CXTPControls* pOriginal, const CXTPControl* pControl)
{
    for (int i = 0; pOriginal && i < pOriginal->GetCount(); ++i)
        if (SameControl(pOriginal->GetAt(i), pControl))
            return TRUE;
    return FALSE;
}

// The icon an entry of the list shows for its button.
int ListIconOf(const CXTPControl* pControl)
{
    if (pControl->GetCustomIconId() > 0)
        return pControl->GetCustomIconId();
    if (pControl->GetIconIdValue() > 0)
        return pControl->GetIconIdValue();
    if (const CXTPControlAction* pAction = pControl->GetAction())
        return pAction->GetIconId() > 0 ? pAction->GetIconId() : pAction->GetID();
    return pControl->GetID();
}

// An entry of the add-or-remove list: switches its button on and off, or,
// without a button, resets the toolbar.
class CControlButtonCustomize : public CXTPControlButton
{
public:
    CControlButtonCustomize(CXTPControl* pTarget, CXTPToolBar* pToolBar)
        : m_pTarget(pTarget), m_pToolBar(pToolBar)
    {
        if (m_pTarget)
            m_pTarget->InternalAddRef();
        m_dwFlags |= xtpFlagManualUpdate;
    }
    ~CControlButtonCustomize() override
    {
        if (m_pTarget)
            m_pTarget->InternalRelease();
    }
    void OnExecute() override
    {
        CXTPCommandBars* pCommandBars = m_pToolBar->GetCommandBars();
        if (pCommandBars)
            pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
        if (!m_pTarget)
        {
            if (pCommandBars)
                pCommandBars->CloseAllPopups();
            m_pToolBar->ResetToolBar(TRUE);
            return;
        }
        m_pTarget->SetHideFlags(m_pTarget->GetHideFlags() ^ xtpHideCustomize);
        SetChecked((m_pTarget->GetHideFlags() & xtpHideCustomize) == 0);
        if (CXTPCommandBar* pBar = m_pTarget->GetParent())
        {
            pBar->OnRecalcLayout();
            for (CXTPCommandBar* p = pBar; p; p = p->GetParentCommandBar())
                p->Redraw();
        }
        for (CXTPCommandBar* p = GetParent(); p; p = p->GetParentCommandBar())
            p->Redraw();
    }
    CXTPControl* GetTarget() const { return m_pTarget; }

private:
    CXTPControl* m_pTarget;
    CXTPToolBar* m_pToolBar;
};

} // namespace

void CXTPToolBar::FillExpandMenu(CXTPCommandBar* pPopup)
{
    CXTPControls* pItems = pPopup->GetControls();
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CXTPControl* pControl = GetControl(i);
        if (pControl->GetHideFlags() != xtpHideWrap)
            continue;
        CXTPControl* pCopy = pItems->AddCopy(pControl);
        pCopy->SetHideFlags(0);
        pCopy->SetBeginGroup(FALSE);
    }
}

CXTPCommandBar* CXTPToolBar::AskSiteForExpandPopup()
{
    CWnd* pSite = GetSite();
    if (!pSite || !pSite->GetSafeHwnd())
        return nullptr;
    // The popup-bar query: the bar, 0, "a popup bar is wanted", "for the
    // expand button", 0, the toolbar's title, the expand button's id.
    DWORD_PTR query[7] = {0, 0, 1, 1, 0, reinterpret_cast<DWORD_PTR>(static_cast<LPCSTR>(m_strTitle)),
                          XTP_ID_TOOLBAR_EXPAND};
    if (!pSite->SendMessage(WM_XTP_CREATECOMMANDBAR, 0, reinterpret_cast<LPARAM>(query)))
        return nullptr;
    return XTPPopupBarOf(reinterpret_cast<CObject*>(query[0]));
}

CXTPCommandBar* CXTPToolBar::CreateExpandPopup()
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    CXTPCommandBar* pPopup = AskSiteForExpandPopup();
    if (!pPopup)
        pPopup = CXTPPopupToolBar::CreatePopupToolBar(pCommandBars);
    if (!IsDialogBar())
        pPopup->SetCustomizable(FALSE);
    if (!pCommandBars)
    {
        FillExpandMenu(pPopup);
        return pPopup;
    }
    pCommandBars->AddRowPopupCopies(this, pPopup);
    if (pCommandBars->GetCommandBarsOptions()->bShowExpandButtonAlways || pCommandBars->IsCustomizable())
    {
        CXTPControl* pAddRemove =
            pPopup->GetControls()->Add(xtpControlPopup, XTP_ID_CUSTOMIZE_ADDORREMOVE, nullptr, -1, TRUE);
        pAddRemove->SetFlags(xtpFlagManualUpdate);
        pAddRemove->SetBeginGroup(pPopup->GetControlCount() > 1);
        pCommandBars->BuildAddRemoveButtonsMenu(this, pAddRemove->GetCommandBar());
    }
    return pPopup;
}

void CXTPToolBar::AddAddRemoveEntry(CXTPCommandBar* pPopup)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pPopup || !pCommandBars)
        return;
    CXTPControl* pEntry = pPopup->GetControls()->Add(xtpControlPopup, 0, nullptr, -1, TRUE);
    pEntry->SetCaption(GetTitle());
    pEntry->SetFlags(xtpFlagManualUpdate);
    const BOOL bEnabled = pCommandBars->IsCustomizableControls() && IsBuiltIn() && IsCustomizable();
    pEntry->SetEnabled(bEnabled);
    if (bEnabled)
    {
        FillCustomizeMenu(pEntry->GetCommandBar());
        pEntry->GetCommandBar()->SetDoubleGripper(TRUE);
    }
}

void CXTPToolBar::FillCustomizeMenu(CXTPCommandBar* pPopup)
{
    CXTPCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return;

    // Buttons removed through the list come back from the originals below,
    // in their original places.
    for (int i = GetControlCount() - 1; i >= 0; --i)
        if (GetControl(i)->GetHideFlags() & xtpHideCustomize)
            m_pControls->RemoveAt(i);
    m_nSelected = -1;
    m_nPopuped = -1;

    CXTPControls* pOriginal = m_pControls->GetOriginalControls();
    if (pOriginal)
    {
        pOriginal->InternalAddRef();
        int nCurrent = 0;
        for (int i = 0; i < pOriginal->GetCount(); ++i)
        {
            CXTPControl* pOrig = pOriginal->GetAt(i);
            if (pOrig->IsTemporary())
                continue;
            int nFound = -1;
            for (int j = nCurrent; j < GetControlCount() && nFound == -1; ++j)
                if (SameControl(GetControl(j), pOrig))
                    nFound = j;
            if (nFound == -1)
            {
                CXTPControl* pCopy = m_pControls->AddCopy(pOrig, nCurrent);
                pCopy->SetHideFlags(pCopy->GetHideFlags() | xtpHideCustomize);
                ++nCurrent;
            }
            else
            {
                nCurrent = nFound + 1;
            }
        }
    }

    CXTPControls* pItems = pPopup->GetControls();
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CXTPControl* pControl = GetControl(i);
        if (pControl->IsTemporary() || (pControl->GetHideFlags() & kUnlistedHideFlags)
            || !pControl->IsCustomizeMovable())
            continue;
        CControlButtonCustomize* pEntry = new CControlButtonCustomize(pControl, this);
        pItems->Add(pEntry, 0);
        pEntry->SetCaption(pControl->GetCaption());
        if (pControl->GetType() >= xtpControlButton && pControl->GetType() <= xtpControlSplitButtonPopup)
            pEntry->SetIconId(ListIconOf(pControl));
        pEntry->SetShortcutText(pControl->GetShortcutText());
        pEntry->SetEnabled(IsAmongOriginals(pOriginal, pControl));
        pEntry->SetChecked((pControl->GetHideFlags() & xtpHideCustomize) == 0);
    }

    if (pOriginal && !m_bTemporary && m_bResetAllowed)
    {
        CControlButtonCustomize* pReset = new CControlButtonCustomize(nullptr, this);
        pItems->Add(pReset, static_cast<int>(XTP_ID_CUSTOMIZE_RESET));
        pReset->SetBeginGroup(TRUE);
    }
    if (pOriginal)
        pOriginal->InternalRelease();
}
