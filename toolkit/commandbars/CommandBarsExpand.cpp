// The expand menu of a docked toolbar speaks for its whole dock row: the
// bars of one row share its length, so a button may be hidden because a
// neighbour took the room. The menu therefore lists the hidden buttons of
// every bar of the row, and its add-or-remove-buttons menu an entry for
// each of them, in the order the row shows them.
#include "toolkit/commandbars/CommandBars.h"

#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include <algorithm>
#include <vector>

namespace {

// The visible toolbars of the bar's dock row from the left (the top on a
// side dock bar); the bar alone when it is not docked or not listed.
std::vector<CXTPToolBar*> RowToolBars(CXTPToolBar* pToolBar)
{
    std::vector<CXTPToolBar*> toolBars;
    CXTPDockBar* pDockBar = pToolBar->GetDockBar();
    const int nIndex = pDockBar ? pDockBar->FindBar(pToolBar) : -1;
    if (nIndex >= 0)
    {
        std::vector<CXTPCommandBar*> row;
        pDockBar->GetRowBarsInOrder(nIndex, row);
        for (CXTPCommandBar* pBar : row)
            if (pBar->IsKindOf(RUNTIME_CLASS(CXTPToolBar)))
                toolBars.push_back(static_cast<CXTPToolBar*>(pBar));
    }
    if (std::find(toolBars.begin(), toolBars.end(), pToolBar) == toolBars.end())
        toolBars.assign(1, pToolBar);
    return toolBars;
}

} // namespace

void CXTPCommandBars::AddRowPopupCopies(CXTPToolBar* pToolBar, CXTPCommandBar* pPopup)
{
    for (CXTPToolBar* pRowBar : RowToolBars(pToolBar))
        pRowBar->FillExpandMenu(pPopup);
}

void CXTPCommandBars::BuildAddRemoveButtonsMenu(CXTPToolBar* pToolBar, CXTPCommandBar* pPopup)
{
    if (!pPopup)
        return;
    for (CXTPToolBar* pRowBar : RowToolBars(pToolBar))
        pRowBar->AddAddRemoveEntry(pPopup);
    if (IsCustomizableControls())
        pPopup->GetControls()->Add(xtpControlButton, XTP_ID_CUSTOMIZE, nullptr, -1, TRUE)->SetBeginGroup(TRUE);
}
