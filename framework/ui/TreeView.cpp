#include "framework/ui/TreeView.h"

#include "framework/ui/WndClass.h"

IMPLEMENT_DYNCREATE(CTreeView, CCtrlView)

static_assert(sizeof(CTreeCtrl) == sizeof(CWnd), "CTreeCtrl must not add data to CWnd");

CTreeView::CTreeView()
    : CCtrlView(WC_TREEVIEWA, AFX_WS_DEFAULT_VIEW)
{
    AfxDeferRegisterClass(AFX_WNDCOMMCTL_TREEVIEW_REG);
}

CTreeCtrl& CTreeView::GetTreeCtrl() const
{
    return *reinterpret_cast<CTreeCtrl*>(const_cast<CTreeView*>(this));
}
