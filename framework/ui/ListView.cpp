#include "framework/ui/ListView.h"

#include "framework/ui/WndClass.h"

IMPLEMENT_DYNCREATE(CListView, CCtrlView)

static_assert(sizeof(CListCtrl) == sizeof(CWnd), "CListCtrl must not add data to CWnd");

CListView::CListView()
    : CCtrlView(WC_LISTVIEWA, AFX_WS_DEFAULT_VIEW)
{
    AfxDeferRegisterClass(AFX_WNDCOMMCTL_LISTVIEW_REG);
}

CListCtrl& CListView::GetListCtrl() const
{
    return *reinterpret_cast<CListCtrl*>(const_cast<CListView*>(this));
}
