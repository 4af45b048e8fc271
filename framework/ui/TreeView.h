// CTreeView: a view that is a tree-view control; GetTreeCtrl gives the
// control's interface on the view's own window.
#pragma once

#include "framework/ui/CtrlView.h"
#include "framework/ui/TreeCtrl.h"

class CTreeView : public CCtrlView
{
    DECLARE_DYNCREATE(CTreeView)
public:
    CTreeView();

    // The view itself seen as its control (CTreeCtrl adds no data to CWnd).
    CTreeCtrl& GetTreeCtrl() const;
};
