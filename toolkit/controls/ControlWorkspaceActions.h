// CXTPControlWorkspaceActions: the placeholder of the MDI tab workspace's
// tab-group commands (new horizontal or vertical group, move to the next or
// previous group). When the site frame's MDI client is a tab workspace, the
// placeholder hides itself and inserts the commands the workspace reports
// as enabled.
//
// The workspace answers through a query it installs for its client window,
// so the placeholder needs nothing of the tab classes.
#pragma once

#include "toolkit/controls/ControlButton.h"

// TRUE when the window is an MDI tab workspace; then *pbEnabled says whether
// the tab-group command can run now.
using PFNXTPTABGROUPCOMMANDSTATE = BOOL (*)(HWND hWndMDIClient, UINT nCommand, BOOL* pbEnabled);

class CXTPControlWorkspaceActions : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlWorkspaceActions)
public:
    CXTPControlWorkspaceActions() = default;

    void OnCalcDynamicSize(DWORD dwMode) override;
    // Only a menu takes it.
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pBar, CPoint /*point*/, DWORD& dropEffect) override
    {
        return AcceptsPopupBarsOnly(pBar, dropEffect);
    }

    // The tab workspace installs its query here (null: no workspace exists).
    static void SetTabGroupCommandQuery(PFNXTPTABGROUPCOMMANDSTATE pfnQuery);

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlWorkspaceActions; }
};
