// CListView: a view that is a list-view control; GetListCtrl gives the
// control's interface on the view's own window.
#pragma once

#include "framework/ui/CtrlView.h"
#include "framework/ui/ListCtrl.h"

class CListView : public CCtrlView
{
    DECLARE_DYNCREATE(CListView)
public:
    CListView();

    // The view itself seen as its control (CListCtrl adds no data to CWnd).
    CListCtrl& GetListCtrl() const;
};
