// CXTPControlWindowList: the placeholder of the open MDI child windows. At
// every layout outside customize mode it hides itself and lists up to nine
// visible children of the site frame's MDI client as numbered items, the
// active one checked; the items carry the children's ids, which the MDI
// client activates. Without an MDI client it shows itself as a button.
#pragma once

#include "toolkit/controls/ControlButton.h"

class CXTPControlWindowList : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlWindowList)
public:
    CXTPControlWindowList() = default;

    void OnCalcDynamicSize(DWORD dwMode) override;
    // Only a menu takes it.
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pBar, CPoint /*point*/, DWORD& dropEffect) override
    {
        return AcceptsPopupBarsOnly(pBar, dropEffect);
    }

    // The id of the first MDI child, process-wide: 0xFF00 at start; the
    // active child's id moves it to 0x8000 or 1 when it lies in those ranges.
    static UINT GetFirstWindowId();
    static void SetFirstWindowId(UINT nId);
    // No more windows than this are listed.
    enum { maxListedWindows = 9 };

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlWindowList; }
};

// The MDI client of the bar's site frame, null when the site is not an MDI
// frame or has none.
class CXTPCommandBar;
HWND XTPGetSiteMDIClient(CXTPCommandBar* pBar);
