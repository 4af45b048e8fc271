#include "toolkit/controls/ControlWorkspaceActions.h"

#include "framework/core/Archive.h"
#include "toolkit/controls/ControlListPlaceholder.h"
#include "toolkit/controls/ControlWindowList.h"
#include "toolkit/controls/Controls.h"

IMPLEMENT_SERIAL(CXTPControlWorkspaceActions, CXTPControlButton, 18)

namespace {

PFNXTPTABGROUPCOMMANDSTATE g_pfnTabGroupQuery = nullptr;

// The tab-group commands in menu order: new horizontal and vertical group,
// move to the next and previous group.
const UINT kTabGroupCommands[] = {9422, 9423, 9420, 9421};

BOOL IsTabGroupCommand(int nId)
{
    return nId >= 9420 && nId <= 9423;
}

} // namespace

void CXTPControlWorkspaceActions::SetTabGroupCommandQuery(PFNXTPTABGROUPCOMMANDSTATE pfnQuery)
{
    g_pfnTabGroupQuery = pfnQuery;
}

void CXTPControlWorkspaceActions::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    HWND hClient = XTPGetSiteMDIClient(m_pParent);
    BOOL bEnabled = FALSE;
    if (!m_pControls || !hClient || !g_pfnTabGroupQuery
        || !g_pfnTabGroupQuery(hClient, kTabGroupCommands[0], &bEnabled))
        return;
    CXTPLayoutChangeScope scope(m_pParent);
    RemoveListItems(this, [](CXTPControl* pItem) { return IsTabGroupCommand(pItem->GetID()); });
    SetHideFlags(GetHideFlags() | xtpHideGeneric);
    int nInserted = 0;
    for (UINT nCommand : kTabGroupCommands)
    {
        bEnabled = FALSE;
        if (!g_pfnTabGroupQuery(hClient, nCommand, &bEnabled) || !bEnabled)
            continue;
        ++nInserted;
        CXTPControl* pItem = InsertListItem(this, m_nIndex + nInserted, static_cast<int>(nCommand),
                                            nullptr);
        if (pItem && nInserted == 1)
            pItem->SetBeginGroup(m_bBeginGroup);
    }
}
