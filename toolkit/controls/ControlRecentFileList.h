// CXTPControlRecentFileList: the placeholder of the recently used files. At
// every layout outside customize mode it hides itself and lists the files
// as numbered items (ids from GetFirstMruID on). With no file at all it
// shows itself greyed; without a recent-file list it is left alone.
#pragma once

#include "toolkit/controls/ControlButton.h"

class CRecentFileList;

class CXTPControlRecentFileList : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlRecentFileList)
public:
    CXTPControlRecentFileList() = default;

    void OnCalcDynamicSize(DWORD dwMode) override;
    // Only a menu takes it.
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pBar, CPoint /*point*/, DWORD& dropEffect) override
    {
        return AcceptsPopupBarsOnly(pBar, dropEffect);
    }
    // The application's list (null without one) and the id of its first item.
    virtual CRecentFileList* GetRecentFileList();
    virtual int GetFirstMruID();

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlRecentFileList; }
};
