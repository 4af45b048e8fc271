// CXTPControlOleItems: the placeholder of the verbs of the OLE object
// selected in the active view. At every layout outside customize mode it
// hides itself and, when the active document holds a selected object that
// is not active in place, inserts one sub-menu with the object's verbs.
#pragma once

#include "toolkit/controls/ControlButton.h"

class CXTPControlOleItems : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlOleItems)
public:
    CXTPControlOleItems() = default;

    void OnCalcDynamicSize(DWORD dwMode) override;
    // Only a menu takes it.
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pBar, CPoint /*point*/, DWORD& dropEffect) override
    {
        return AcceptsPopupBarsOnly(pBar, dropEffect);
    }

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlOleItems; }
};

// The caption the OLE verbs' menu item carries in a menu resource.
extern const char XTP_OLE_VERBS_CAPTION[];
