#include "toolkit/controls/ControlOleItems.h"

#include "framework/core/Archive.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/Menu.h"
#include "framework/ui/OleClientItem.h"
#include "framework/ui/OleDocument.h"
#include "framework/ui/View.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/controls/ControlListPlaceholder.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"

IMPLEMENT_SERIAL(CXTPControlOleItems, CXTPControlButton, 18)

const char XTP_OLE_VERBS_CAPTION[] = "<<OLE VERBS GO HERE>>";

namespace {

const char kOleItemsParameter[] = "OLEMENUPOPUP";
const UINT kFirstVerbId = 57872;
const UINT kLastVerbId = 57887;
// The item state of an object active in place.
const UINT kActiveInPlace = 3;

// The selected object of the active view's document that is not active in
// place; null when there is none.
COleClientItem* SelectedOleItem(CXTPCommandBar* pBar)
{
    CWnd* pSite = pBar ? pBar->GetSite() : nullptr;
    if (!pSite || !pSite->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return nullptr;
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(pSite)->GetActiveFrame();
    CView* pView = pFrame ? pFrame->GetActiveView() : nullptr;
    CDocument* pDocument = pView ? pView->GetDocument() : nullptr;
    if (!pDocument || !pDocument->IsKindOf(RUNTIME_CLASS(COleDocument)))
        return nullptr;
    COleClientItem* pItem = static_cast<COleDocument*>(pDocument)->GetPrimarySelectedItem(pView);
    return pItem && pItem->GetItemState() != kActiveInPlace ? pItem : nullptr;
}

} // namespace

void CXTPControlOleItems::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    if (!m_pControls)
        return;
    CXTPLayoutChangeScope scope(m_pParent);
    RemoveListItems(this, [](CXTPControl* pItem) {
        return pItem->GetParameter() == kOleItemsParameter;
    });
    if (IsPlaceholderCustomizing(this))
    {
        SetHideFlags(0);
        return;
    }
    SetHideFlags(GetHideFlags() | xtpHideGeneric);
    COleClientItem* pItem = SelectedOleItem(m_pParent);
    if (!pItem)
        return;

    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, kFirstVerbId, XTP_OLE_VERBS_CAPTION);
    AfxOleSetEditMenu(pItem, &menu, 0, kFirstVerbId, kLastVerbId, 0);
    HMENU hVerbs = menu.GetMenuItemCount() == 1 ? ::GetSubMenu(menu.GetSafeHmenu(), 0) : nullptr;
    if (!hVerbs)
        return;
    char szCaption[256] = {};
    ::GetMenuStringA(menu.GetSafeHmenu(), 0, szCaption, sizeof(szCaption) - 1, MF_BYPOSITION);
    CXTPControl* pPopup = m_pControls->Add(xtpControlPopup, 0, kOleItemsParameter, m_nIndex + 1,
                                           TRUE);
    if (!pPopup || !pPopup->GetCommandBar())
        return;
    pPopup->SetCaption(szCaption);
    pPopup->GetCommandBar()->LoadMenu(CMenu::FromHandle(hVerbs), TRUE);
}
