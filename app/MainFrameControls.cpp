// The controls the main frame makes itself when the toolkit loads a bar:
// the format toolbar's font and size boxes, both with an edit field.
#include "app/MainFrame.h"

#include "app/res/resource.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/ControlFontComboBox.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/controls/ControlSizeComboBox.h"

LRESULT CMainFrame::OnCreateControl(WPARAM, LPARAM lParam)
{
    auto* pCreate = reinterpret_cast<XTP_COMMANDBARS_CREATECONTROL*>(lParam);
    if (!pCreate || !pCreate->bToolBar || !pCreate->pCommandBar
        || pCreate->pCommandBar->GetBarID() != IDR_TOOLBAR_FORMAT)
        return FALSE;
    CXTPControlComboBox* pCombo = nullptr;
    if (pCreate->nID == ID_FONT_NAME)
        pCombo = new CXTPControlFontComboBox(1);
    else if (pCreate->nID == ID_FONT_SIZE)
        pCombo = new CXTPControlSizeComboBox;
    if (!pCombo)
        return FALSE;
    pCombo->SetDropDown(TRUE);
    pCreate->pControl = pCombo;
    return TRUE;
}
