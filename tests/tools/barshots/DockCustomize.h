// The docking frame's customise window: while it is open the command bars
// are in customize mode (controls are dragged between the bars, resized and
// marked by a click) and a right click on a control opens its menu, whose
// commands the frame carries out on the marked control. Closing the window
// ends customize mode and deletes it.
#pragma once

#include "framework/ui/Dialog.h"

class CXTPCommandBars;
class CXTPPopupBar;

class CDockCustomizeDlg : public CDialog
{
public:
    // Opens the window beside the frame's bars; null when it failed.
    static CDockCustomizeDlg* Open(CWnd* pFrame, CXTPCommandBars* pCommandBars);

    // The customise menu's commands on the control marked in customize
    // mode; FALSE for other commands.
    static BOOL RunCommand(CXTPCommandBars* pCommandBars, UINT nId);

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void PostNcDestroy() override;

private:
    CXTPCommandBars* m_pCommandBars = nullptr;
};
