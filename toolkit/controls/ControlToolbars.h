// CXTPControlToolbars: the placeholder of the toolbar list (id 0xE800, the
// menus' "Symbolleiste" item). At every layout outside customize mode it
// hides itself and lists the toolbars the user may close, each checked
// while it is shown; running an item shows or hides its toolbar.
#pragma once

#include "toolkit/controls/ControlButton.h"

class CXTPCommandBar;

class CXTPControlToolbars : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlToolbars)
public:
    // One listed toolbar: its Tag is the toolbar's index in the command
    // bars' toolbar list.
    class CXTPControlToolbar : public CXTPControlButton
    {
    public:
        void OnExecute() override;

    protected:
        CXTPControl* CreateSameClass() const override { return new CXTPControlToolbar; }
    };

    CXTPControlToolbars() = default;

    void OnCalcDynamicSize(DWORD dwMode) override;
    // Only a menu takes it.
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pBar, CPoint /*point*/, DWORD& dropEffect) override
    {
        return AcceptsPopupBarsOnly(pBar, dropEffect);
    }

    // Inserts one temporary item of the id per toolbar that is closeable and
    // offered in the context menu, from the index of the bar's controls on;
    // the first takes bBeginGroup. With bCustomize, and a site that handles
    // the customize command, a customize button follows in a group of its
    // own. Answers the index after the last control inserted.
    static int AddToolbarItems(CXTPCommandBar* pBar, int nIndex, int nId, BOOL bCustomize,
                               BOOL bBeginGroup);

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlToolbars; }
};
