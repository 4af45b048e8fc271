// The tree view's creation, filling, expand state, keys, context menu and
// command states. The edits are in TreeViewEdit.cpp.
#include "app/TreeView.h"

#include "app/History.h"
#include "app/QivShell.h"
#include "app/SoundEvents.h"
#include "app/res/resource.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/Menu.h"
#include "framework/ui/WaitCursor.h"
#include "model/ItemWalk.h"
#include "model/QivDoc.h"
#include "model/QivItem.h"

IMPLEMENT_DYNCREATE(CQivTreeView, CTreeView)

namespace {

// The tree's styles beyond the view's own: buttons, lines (not at the
// root), in-place title edits, the selection shown without the focus,
// items lit under the mouse.
const DWORD kTreeStyles = TVS_HASBUTTONS | TVS_HASLINES | TVS_EDITLABELS | TVS_SHOWSELALWAYS
                          | TVS_TRACKSELECT;
static_assert(kTreeStyles == 0x22B, "the tree's styles");


// Posted to the view by SelectItemLater; lParam is the tree item.
const UINT kSelectItemMessage = WM_APP + 1;

// The expand or collapse part of a notification's action.
const UINT kExpandActionMask = TVE_EXPAND | TVE_COLLAPSE;

} // namespace

BEGIN_MESSAGE_MAP(CQivTreeView, CTreeView)
    ON_WM_CREATE()
    ON_WM_KEYDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_CONTEXTMENU()
    ON_WM_RBUTTONUP()
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDING, OnItemExpandingNotify)
    ON_NOTIFY_REFLECT(TVN_BEGINLABELEDIT, OnBeginLabelEdit)
    ON_NOTIFY_REFLECT(TVN_ENDLABELEDIT, OnEndLabelEdit)
    ON_MESSAGE(kSelectItemMessage, OnSelectItemLater)
    ON_NOTIFY_REFLECT(TVN_BEGINDRAG, OnBeginDrag)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_COMMAND(ID_RENAME, OnRename)
    ON_COMMAND(ID_EDIT_CLEAR, OnDelete)
    ON_COMMAND(ID_EXPAND, OnExpand)
    ON_COMMAND(ID_COLLAPSE, OnCollapse)
    ON_COMMAND(ID_EXPAND_ALL, OnExpandAll)
    ON_COMMAND(ID_COLLAPSE_ALL, OnCollapseAll)
    ON_COMMAND(ID_PARENT_CATEGORY, OnParentCategory)
    ON_COMMAND(ID_MOVE_UP, OnMoveUp)
    ON_COMMAND(ID_MOVE_DOWN, OnMoveDown)
    ON_UPDATE_COMMAND_UI(ID_RENAME, OnUpdateRename)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateDelete)
    ON_UPDATE_COMMAND_UI(ID_EXPAND, OnUpdateExpand)
    ON_UPDATE_COMMAND_UI(ID_COLLAPSE, OnUpdateCollapse)
    ON_UPDATE_COMMAND_UI(ID_EXPAND_ALL, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(ID_COLLAPSE_ALL, OnUpdateAlways)
    ON_UPDATE_COMMAND_UI(ID_PARENT_CATEGORY, OnUpdateParentCategory)
    ON_UPDATE_COMMAND_UI(ID_MOVE_UP, OnUpdateMoveUp)
    ON_UPDATE_COMMAND_UI(ID_MOVE_DOWN, OnUpdateMoveDown)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_BOLD, OnUpdateTextFormat)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_ITALIC, OnUpdateTextFormat)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_UNDERLINE, OnUpdateTextFormat)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_ALIGN_LEFT, OnUpdateTextFormat)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_ALIGN_RIGHT, OnUpdateTextFormat)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_ALIGN_CENTER, OnUpdateTextFormat)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_BULLETS, OnUpdateTextFormat)
    ON_UPDATE_COMMAND_UI(ID_FONT_COLOR, OnUpdateTextFormat)
END_MESSAGE_MAP()

CQivTreeView::CQivTreeView() = default;

CQivTreeView::~CQivTreeView() = default;

CQivDoc* CQivTreeView::GetDocument() const
{
    return static_cast<CQivDoc*>(m_pDocument);
}

C_QivCategory* CQivTreeView::GetRoot() const
{
    return GetDocument() ? GetDocument()->GetRoot() : nullptr;
}

C_QivItem* CQivTreeView::ItemOf(HTREEITEM hItem) const
{
    if (!hItem)
        return nullptr;
    return reinterpret_cast<C_QivItem*>(GetTreeCtrl().GetItemData(hItem));
}

C_QivItem* CQivTreeView::GetSelectedItem() const
{
    return ItemOf(GetTreeCtrl().GetSelectedItem());
}

C_QivCategory* CQivTreeView::GetTargetCategory() const
{
    C_QivItem* pItem = GetSelectedItem();
    if (pItem && QivAsCategory(pItem))
        return QivAsCategory(pItem);
    C_QivCategory* pRoot = GetRoot();
    C_QivCategory* pParent = pRoot && pItem ? pRoot->FindParentCategory(pItem) : nullptr;
    return pParent ? pParent : pRoot;
}

void CQivTreeView::MarkModified()
{
    if (GetDocument())
        GetDocument()->SetModifiedFlag(TRUE);
}

int CQivTreeView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTreeView::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_imageList.Create(IDB_TREE, 16, 2, RGB(255, 0, 0));
    GetTreeCtrl().SetImageList(&m_imageList, TVSIL_NORMAL);
    ModifyStyle(0, kTreeStyles);
    ModifyStyleEx(0, WS_EX_ACCEPTFILES);
    m_dropTarget.Register(this);
    return 0;
}

void CQivTreeView::OnInitialUpdate()
{
    CTreeView::OnInitialUpdate();
    CWaitCursor wait;
    CTreeCtrl& tree = GetTreeCtrl();
    SetRedraw(FALSE);
    // With the root selected, deleting the items moves no selection around.
    if (HTREEITEM hRootItem = tree.GetRootItem())
        tree.SelectItem(hRootItem);
    tree.DeleteAllItems();
    HTREEITEM hRootItem = nullptr;
    if (C_QivCategory* pRoot = GetRoot()) {
        pRoot->InsertIntoTree(m_hWnd, TVI_ROOT, TVI_FIRST);
        hRootItem = pRoot->m_hTreeItem;
        tree.SelectItem(hRootItem);
        tree.SetItemState(hRootItem, TVIS_BOLD, TVIS_BOLD);
    }
    SetRedraw(TRUE);
    if (IQivShell* pShell = QivShellOf(this))
        pShell->GetHistory().Reset(hRootItem);
}

void CQivTreeView::OnItemExpanding(HTREEITEM hItem, UINT nAction)
{
    // The item's data is its model item for as long as the tree item lives;
    // checking the binding back keeps a stale handle from touching anything.
    C_QivItem* pItem = ItemOf(hItem);
    C_QivCategory* pCategory = pItem ? QivAsCategory(pItem) : nullptr;
    if (!pCategory || pCategory->m_hTreeItem != hItem)
        return;
    const BOOL bExpand = (nAction & kExpandActionMask) == TVE_EXPAND;
    const BOOL bCollapse = (nAction & kExpandActionMask) == TVE_COLLAPSE;
    if (!bExpand && !bCollapse)
        return;
    if (bExpand == (pCategory->m_dwExpanded != 0))
        return;
    if (pCategory != GetRoot())
        PlaySoundEvent("Expand/Collapse");
    const int nImage = bExpand ? 0 : pCategory->GetImageIndex();
    GetTreeCtrl().SetItemImage(hItem, nImage, nImage);
    pCategory->m_dwExpanded = bExpand ? 1 : 0;
    MarkModified();
}

void CQivTreeView::OnItemExpandingNotify(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMTREEVIEWA* pNotify = reinterpret_cast<const NMTREEVIEWA*>(pNMHDR);
    OnItemExpanding(pNotify->itemNew.hItem, pNotify->action);
    *pResult = 0;
}

void CQivTreeView::SelectItemLater(HTREEITEM hItem)
{
    PostMessage(kSelectItemMessage, 0, reinterpret_cast<LPARAM>(hItem));
}

LRESULT CQivTreeView::OnSelectItemLater(WPARAM, LPARAM lParam)
{
    HTREEITEM hItem = reinterpret_cast<HTREEITEM>(lParam);
    C_QivCategory* pRoot = GetRoot();
    if (pRoot && pRoot->FindItem(hItem)) {
        CQuietSoundEvents quiet;
        GetTreeCtrl().SelectItem(hItem);
    }
    return 0;
}

void CQivTreeView::OnKeyDown(UINT nChar, UINT, UINT nFlags)
{
    Default();
    if (QivIsItemDeleteKey(nChar, nFlags))
        OnDelete();
}

// The right button's press and the control's own context-menu message are
// swallowed: the selection does not move until the release opens the menu.
void CQivTreeView::OnRButtonDown(UINT, CPoint)
{
}

void CQivTreeView::OnContextMenu(CWnd*, CPoint)
{
}

BOOL CQivTreeView::LoadContextMenu(CMenu& menu) const
{
    if (!menu.LoadMenu(IDR_TREE_CONTEXT))
        return FALSE;
    if (!m_bPasteAvailable)
        menu.EnableMenuItem(ID_EDIT_PASTE, MF_BYCOMMAND | MF_GRAYED);
    return TRUE;
}

void CQivTreeView::OnRButtonUp(UINT, CPoint point)
{
    CTreeCtrl& tree = GetTreeCtrl();
    if (HTREEITEM hHit = tree.HitTest(point))
        tree.SelectItem(hHit);
    CMenu menu;
    if (!LoadContextMenu(menu))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (!pPopup)
        return;
    CPoint screen = point;
    ClientToScreen(&screen);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, AfxGetMainWnd());
}

// ---- command states ----

void CQivTreeView::OnUpdateRename(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bLabelEditing);
}

void CQivTreeView::OnUpdateDelete(CCmdUI* pCmdUI)
{
    C_QivItem* pItem = GetSelectedItem();
    C_QivCategory* pRoot = GetRoot();
    pCmdUI->Enable(!m_bLabelEditing && pItem && (pItem != pRoot || pRoot->m_pFirstChild));
}

void CQivTreeView::OnUpdateExpand(CCmdUI* pCmdUI)
{
    HTREEITEM hItem = GetTreeCtrl().GetSelectedItem();
    pCmdUI->Enable(hItem && GetTreeCtrl().ItemHasChildren(hItem)
                   && !(GetTreeCtrl().GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED));
}

void CQivTreeView::OnUpdateCollapse(CCmdUI* pCmdUI)
{
    HTREEITEM hItem = GetTreeCtrl().GetSelectedItem();
    pCmdUI->Enable(hItem && GetTreeCtrl().ItemHasChildren(hItem)
                   && (GetTreeCtrl().GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED));
}

void CQivTreeView::OnUpdateAlways(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}

void CQivTreeView::OnUpdateParentCategory(CCmdUI* pCmdUI)
{
    C_QivItem* pItem = GetSelectedItem();
    pCmdUI->Enable(pItem && pItem != GetRoot());
}

void CQivTreeView::OnUpdateMoveUp(CCmdUI* pCmdUI)
{
    HTREEITEM hItem = GetTreeCtrl().GetSelectedItem();
    pCmdUI->Enable(hItem && GetTreeCtrl().GetPrevSiblingItem(hItem));
}

void CQivTreeView::OnUpdateMoveDown(CCmdUI* pCmdUI)
{
    HTREEITEM hItem = GetTreeCtrl().GetSelectedItem();
    pCmdUI->Enable(hItem && GetTreeCtrl().GetNextSiblingItem(hItem));
}

void CQivTreeView::OnUpdateTextFormat(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(FALSE);
    pCmdUI->SetCheck(0);
}
