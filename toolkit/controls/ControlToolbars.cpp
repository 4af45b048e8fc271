#include "toolkit/controls/ControlToolbars.h"

#include "framework/core/Archive.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/ControlListPlaceholder.h"
#include "toolkit/controls/Controls.h"

IMPLEMENT_SERIAL(CXTPControlToolbars, CXTPControlButton, 18)

namespace {

// The parameter that marks the items of the list.
const char kItemParameter[] = "CXTPControlToolbar";
// The customize command, offered after the list when the site handles it.
const int kCustomizeId = 35001;

} // namespace

void CXTPControlToolbars::CXTPControlToolbar::OnExecute()
{
    // Closing the menus may free this item with its bar: keep what it needs.
    CXTPCommandBars* pCommandBars = GetCommandBars();
    const int nIndex = static_cast<int>(GetTag());
    if (!pCommandBars)
        return;
    pCommandBars->CloseAllPopups();
    // An index that has gone (a toolbar removed meanwhile) toggles nothing.
    pCommandBars->ToggleVisible(nIndex);
}

int CXTPControlToolbars::AddToolbarItems(CXTPCommandBar* pBar, int nIndex, int nId,
                                         BOOL bCustomize, BOOL bBeginGroup)
{
    CXTPCommandBars* pCommandBars = pBar ? pBar->GetCommandBars() : nullptr;
    if (!pCommandBars)
        return nIndex;
    CXTPControls* pControls = pBar->GetControls();
    BOOL bFirst = TRUE;
    for (int i = 0; i < pCommandBars->GetCount(); ++i)
    {
        CXTPToolBar* pToolBar = pCommandBars->GetAt(i);
        if (!pToolBar->IsCloseable() || !pToolBar->IsContextMenuPresent())
            continue;
        CXTPControl* pItem =
            pControls->Add(new CXTPControlToolbar, nId, kItemParameter, nIndex++, TRUE);
        pItem->SetTag(static_cast<DWORD_PTR>(i));
        pItem->SetCaption(pToolBar->GetTitle());
        pItem->SetFlags(xtpFlagManualUpdate);
        pItem->SetChecked(pToolBar->IsVisible());
        if (bFirst)
            pItem->SetBeginGroup(bBeginGroup);
        bFirst = FALSE;
    }
    if (bCustomize && pCommandBars->IsCustomizableControls())
    {
        CXTPControl* pCustomize = pControls->Add(xtpControlButton, kCustomizeId, nullptr, nIndex++, TRUE);
        pCustomize->SetBeginGroup(TRUE);
    }
    return nIndex;
}

void CXTPControlToolbars::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    if (!m_pControls)
        return;
    CXTPLayoutChangeScope scope(m_pParent);
    RemoveListItems(this, [](CXTPControl* pItem) { return pItem->GetParameter() == kItemParameter; });
    if (IsPlaceholderCustomizing(this))
    {
        SetHideFlags(0);
        return;
    }
    SetHideFlags(GetHideFlags() | xtpHideGeneric);
    AddToolbarItems(m_pParent, m_nIndex + 1, GetID(), FALSE, GetBeginGroup());
}
