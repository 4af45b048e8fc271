#include "app/ContentsView.h"

#include "app/ItemSort.h"
#include "app/QivShell.h"
#include "app/SoundEvents.h"
#include "app/TreeView.h"
#include "app/res/resource.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MessageBox.h"
#include "model/ItemWalk.h"
#include "model/QivItem.h"

IMPLEMENT_DYNCREATE(C_InhaltView, CListView)

namespace {

// Full-row selection and columns the user may reorder.
const DWORD kListExtendedStyles = LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP;
static_assert(kListExtendedStyles == 0x30, "the list's extended styles");


} // namespace

BEGIN_MESSAGE_MAP(C_InhaltView, CListView)
    ON_WM_CREATE()
    ON_WM_KEYDOWN()
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDoubleClick)
    ON_NOTIFY_REFLECT(LVN_BEGINLABELEDIT, OnBeginLabelEdit)
    ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, OnEndLabelEdit)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
    ON_COMMAND(ID_RENAME, OnRename)
    ON_COMMAND(ID_EDIT_CLEAR, OnDelete)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateDelete)
END_MESSAGE_MAP()

C_InhaltView::C_InhaltView() = default;

C_InhaltView::~C_InhaltView() = default;

CQivTreeView* C_InhaltView::GetTreeView() const
{
    IQivShell* pShell = QivShellOf(this);
    return pShell ? pShell->GetTreeView() : nullptr;
}

int C_InhaltView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListView::OnCreate(lpCreateStruct) == -1)
        return -1;
    CListCtrl& list = GetListCtrl();
    m_imageList.Create(IDB_TREE, 16, 2, RGB(255, 0, 0));
    list.SetImageList(&m_imageList, LVSIL_SMALL);
    ModifyStyle(LVS_TYPEMASK, LVS_REPORT | LVS_SHOWSELALWAYS | LVS_AUTOARRANGE | LVS_EDITLABELS);
    list.SetExtendedStyle(kListExtendedStyles);
    list.InsertColumn(0, "Titel", LVCFMT_LEFT, 250);
    list.InsertColumn(1, "Typ", LVCFMT_LEFT, 150);
    return 0;
}

void C_InhaltView::Fill(C_QivItem* pItem)
{
    CListCtrl& list = GetListCtrl();
    SetRedraw(FALSE);
    list.DeleteAllItems();
    C_QivCategory* pCategory = pItem ? QivAsCategory(pItem) : nullptr;
    int nRow = 0;
    for (C_QivItem* pChild = pCategory ? pCategory->m_pFirstChild : nullptr; pChild;
         pChild = pChild->m_pNext, ++nRow) {
        LVITEMA row = {};
        row.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        row.iItem = nRow;
        row.pszText = const_cast<LPSTR>(pChild->m_strTitle.GetString());
        row.iImage = pChild->GetImageIndex();
        row.lParam = reinterpret_cast<LPARAM>(pChild);
        const int nIndex = list.InsertItem(&row);
        list.SetItemText(nIndex, 1, QivAsCategory(pChild) ? "Kategorie" : "Eintrag");
    }
    SetRedraw(TRUE);
}

C_QivItem* C_InhaltView::ItemOfRow(int nRow) const
{
    if (nRow < 0 || nRow >= GetListCtrl().GetItemCount())
        return nullptr;
    return reinterpret_cast<C_QivItem*>(GetListCtrl().GetItemData(nRow));
}

void C_InhaltView::OnDoubleClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMITEMACTIVATE* pActivate = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR);
    C_QivItem* pItem = ItemOfRow(pActivate->iItem);
    CQivTreeView* pTree = GetTreeView();
    if (!pItem || !pTree)
        return;
    // Showing the item may replace this view: the tree selects it after
    // this notification has returned.
    pTree->SelectItemLater(pItem->m_hTreeItem);
}

void C_InhaltView::OnBeginLabelEdit(NMHDR*, LRESULT* pResult)
{
    if (!m_bLabelEditing) {
        QivParkShortcuts(this, &m_hSavedAccelerators);
        m_bLabelEditing = TRUE;
    }
    *pResult = 0;
}

void C_InhaltView::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (!m_bLabelEditing)
        return;
    QivRestoreShortcuts(this, &m_hSavedAccelerators);
    m_bLabelEditing = FALSE;
    const NMLVDISPINFOA* pInfo = reinterpret_cast<const NMLVDISPINFOA*>(pNMHDR);
    C_QivItem* pItem = ItemOfRow(pInfo->item.iItem);
    if (!pInfo->item.pszText || !pItem)
        return;
    pItem->m_strTitle = pInfo->item.pszText;
    GetListCtrl().SetItemText(pInfo->item.iItem, 0, pItem->m_strTitle);
    if (CQivTreeView* pTree = GetTreeView()) {
        pTree->MarkModified();
        pTree->GetTreeCtrl().SetItemText(pItem->m_hTreeItem, pItem->m_strTitle);
    }
}

void C_InhaltView::OnRename()
{
    POSITION pos = GetListCtrl().GetFirstSelectedItemPosition();
    if (!pos)
        return;
    SetFocus();
    GetListCtrl().EditLabel(GetListCtrl().GetNextSelectedItem(pos));
}

void C_InhaltView::OnKeyDown(UINT nChar, UINT, UINT nFlags)
{
    if (QivIsItemDeleteKey(nChar, nFlags)) {
        DeleteSelectedRows();
        return;
    }
    Default();
}

void C_InhaltView::OnDelete()
{
    DeleteSelectedRows();
}

void C_InhaltView::OnUpdateDelete(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetListCtrl().GetSelectedCount() > 0);
}

void C_InhaltView::DeleteSelectedRows()
{
    CListCtrl& list = GetListCtrl();
    if (list.GetSelectedCount() == 0)
        return;
    HWND hOwner = GetParentFrame() ? GetParentFrame()->GetSafeHwnd() : m_hWnd;
    if (AfxShowMessageBox(hOwner, "Wollen Sie die markierten Einträge wirklich löschen?", "Frage",
                          MB_YESNO | MB_ICONQUESTION, 0) != IDYES) {
        PlaySoundEvent("DialogCancel");
        return;
    }
    PlaySoundEvent("DeleteRow");
    CQivTreeView* pTree = GetTreeView();
    C_QivItem* pSelected = pTree ? pTree->GetSelectedItem() : nullptr;
    C_QivCategory* pHolding = pSelected ? QivAsCategory(pSelected) : nullptr;
    if (!pHolding)
        return;
    for (int nRow = list.GetNextItem(-1, LVNI_SELECTED); nRow >= 0;
         nRow = list.GetNextItem(-1, LVNI_SELECTED)) {
        C_QivItem* pItem = ItemOfRow(nRow);
        list.DeleteItem(nRow);
        if (!pItem)
            continue;
        // A row whose item is no child of the shown category any more
        // leaves the tree and the model alone.
        HTREEITEM hItem = pItem->m_hTreeItem;
        if (pHolding->DeleteChild(pItem))
            pTree->GetTreeCtrl().DeleteItem(hItem);
    }
    pTree->MarkModified();
}

void C_InhaltView::SortRows()
{
    CWaitCursor wait;
    PlaySoundEvent("Sort");
    GetListCtrl().SortItems(CompareItemsForSort, 0);
}

void C_InhaltView::OnColumnClick(NMHDR*, LRESULT* pResult)
{
    SortRows();
    *pResult = 0;
}
