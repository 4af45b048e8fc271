// The tree view's edits: new items, rename in place, delete, move up and
// down, expand and collapse, sort and background colour. Each changes the
// model chain and the tree together and marks the document modified.
#include "app/TreeView.h"

#include "app/ItemSort.h"
#include "app/QivShell.h"
#include "app/SortDialog.h"
#include "app/SoundEvents.h"
#include "framework/ui/ColorDialog.h"
#include "framework/ui/Edit.h"
#include "framework/ui/RichEditCtrl.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MessageBox.h"
#include "model/ItemWalk.h"
#include "model/QivItem.h"

namespace {

// The custom colours the background-colour dialog offers, in slot order.
const COLORREF kCustomColors[16] = {
    0xE1EAEB, 0xCFB88D, 0x5C5BB9, 0x53D2FF, 0xB8FAFF, 0x97CBB2, 0xCFCFCF, 0xF0CAA7,
    0x8396A0, 0xCD9238, 0x382997, 0x497990, 0x5CBADC, 0x71AC88, 0x969696, 0xC00000,
};

C_QivCategory* CategoryOf(C_QivItem* pItem)
{
    return pItem ? QivAsCategory(pItem) : nullptr;
}

// The item before pItem in its parent's chain; null for the first child.
C_QivItem* PreviousSibling(C_QivCategory* pParent, C_QivItem* pItem)
{
    C_QivItem* pBefore = nullptr;
    for (C_QivItem* p = pParent->m_pFirstChild; p && p != pItem; p = p->m_pNext)
        pBefore = p;
    return pBefore;
}

// Points whatever links to the item after pBefore (the parent's first-child
// link when pBefore is null) at pItem.
void LinkAfter(C_QivCategory* pParent, C_QivItem* pBefore, C_QivItem* pItem)
{
    if (pBefore)
        pBefore->m_pNext = pItem;
    else
        pParent->m_pFirstChild = pItem;
}

} // namespace

void CQivTreeView::InsertAlone(C_QivItem* pItem, HTREEITEM hParent, HTREEITEM hAfter)
{
    C_QivItem* pNext = pItem->m_pNext;
    pItem->m_pNext = nullptr;
    pItem->InsertIntoTree(m_hWnd, hParent, hAfter);
    pItem->m_pNext = pNext;
}

void CQivTreeView::SelectItem(C_QivItem* pItem)
{
    GetTreeCtrl().SelectItem(pItem->m_hTreeItem);
    GetTreeCtrl().EnsureVisible(pItem->m_hTreeItem);
}

// ---- new items ----

void CQivTreeView::NewItem(BOOL bCategory)
{
    PlaySoundEvent("NewItem");
    // Selecting the new item opens a collapsed target, which would sound.
    CQuietSoundEvents quiet;
    C_QivCategory* pTarget = GetTargetCategory();
    if (!pTarget)
        return;
    C_QivItem* pItem = bCategory ? static_cast<C_QivItem*>(new C_QivCategory("Neue Kategorie"))
                                 : new C_QivEntry("Neuer Eintrag");
    pItem->m_crBackground = pTarget->m_crBackground;
    pTarget->InsertChild(pItem, nullptr);
    MarkModified();
    InsertAlone(pItem, pTarget->m_hTreeItem, TVI_FIRST);
    GetTreeCtrl().SelectItem(pItem->m_hTreeItem);
    if (!bCategory)
        m_bNewEntry = TRUE;
    SetFocus();
    GetTreeCtrl().EditLabel(pItem->m_hTreeItem);
}

// ---- rename ----

void CQivTreeView::OnRename()
{
    HTREEITEM hItem = GetTreeCtrl().GetSelectedItem();
    if (!hItem)
        return;
    SetFocus();
    GetTreeCtrl().EditLabel(hItem);
}

// The tree control limits its edit box to a path's length and hands the
// text back cut there; a card file holds titles of any length, so the box
// takes as much as an edit box can, and the end of the edit reads it whole.
void CQivTreeView::OnBeginLabelEdit(NMHDR*, LRESULT* pResult)
{
    if (!m_bLabelEditing) {
        QivParkShortcuts(this, &m_hSavedAccelerators);
        m_bLabelEditing = 1;
    }
    if (CEdit* pEdit = GetTreeCtrl().GetEditControl())
        pEdit->LimitText(0);
    *pResult = 0;
}

void CQivTreeView::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMTVDISPINFOA* pInfo = reinterpret_cast<const NMTVDISPINFOA*>(pNMHDR);
    *pResult = 0;
    // Destroying the edit box takes its focus, and the control may end the
    // same edit a second time for that: only the first end counts.
    if (!m_bLabelEditing)
        return;
    QivRestoreShortcuts(this, &m_hSavedAccelerators);
    m_bLabelEditing = 0;
    if (pInfo->item.pszText) {
        if (C_QivItem* pItem = ItemOf(pInfo->item.hItem)) {
            CEdit* pEdit = GetTreeCtrl().GetEditControl();
            if (pEdit)
                pEdit->GetWindowText(pItem->m_strTitle);
            else
                pItem->m_strTitle = pInfo->item.pszText;
            MarkModified();
            GetTreeCtrl().SetItemText(pInfo->item.hItem, pItem->m_strTitle);
        }
    }
    if (m_bNewEntry) {
        m_bNewEntry = FALSE;
        if (IQivShell* pShell = QivShellOf(this))
            pShell->ActivateView(pShell->GetTextView());
    }
}

// ---- delete ----

void CQivTreeView::DeleteRootChildren()
{
    C_QivCategory* pRoot = GetRoot();
    CTreeCtrl& tree = GetTreeCtrl();
    tree.DeleteAllItems();
    pRoot->DeleteAllChildren();
    InsertAlone(pRoot, TVI_ROOT, TVI_FIRST);
    tree.SetItemState(pRoot->m_hTreeItem, TVIS_BOLD, TVIS_BOLD);
    tree.SelectItem(pRoot->m_hTreeItem);
    MarkModified();
}

void CQivTreeView::OnDelete()
{
    C_QivItem* pItem = GetSelectedItem();
    C_QivCategory* pRoot = GetRoot();
    if (!pItem || !pRoot)
        return;
    HWND hOwner = GetParentFrame() ? GetParentFrame()->GetSafeHwnd() : m_hWnd;
    if (pItem == pRoot) {
        AfxShowMessageBox(hOwner, "Die Wurzelkategorie kann nicht gelöscht werden!", "Hinweis",
                          MB_OK | MB_ICONEXCLAMATION, 0);
        if (!pRoot->m_pFirstChild)
            return;
        if (AfxShowMessageBox(hOwner, "Wollen Sie stattdessen alle Einträge löschen?", "Frage",
                              MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, 0) != IDYES) {
            PlaySoundEvent("DialogCancel");
            return;
        }
        PlaySoundEvent("Delete");
        DeleteRootChildren();
        return;
    }
    C_QivCategory* pCategory = CategoryOf(pItem);
    LPCSTR lpszQuestion = !pCategory ? "Wollen Sie den Eintrag '%s' wirklich löschen?"
                          : !pCategory->m_pFirstChild ? "Wollen Sie die leere Kategorie '%s' wirklich löschen?"
                          : "Wollen Sie die Kategorie '%s' samt Inhalt wirklich löschen?";
    CString strQuestion;
    strQuestion.Format(lpszQuestion, pItem->m_strTitle.GetString());
    if (AfxShowMessageBox(hOwner, strQuestion, "Frage", MB_YESNO | MB_ICONQUESTION, 0) != IDYES) {
        PlaySoundEvent("DialogCancel");
        return;
    }
    PlaySoundEvent("Delete");
    C_QivCategory* pParent = pRoot->FindParentCategory(pItem);
    if (!pParent)
        return;
    // The tree item goes first: while the control moves the selection away,
    // the frame still finds every item it is told about.
    GetTreeCtrl().DeleteItem(pItem->m_hTreeItem);
    pParent->DeleteChild(pItem);
    MarkModified();
}

// ---- move up and down ----

void CQivTreeView::MoveSelection(int nDirection)
{
    C_QivItem* pItem = GetSelectedItem();
    C_QivCategory* pRoot = GetRoot();
    C_QivCategory* pParent = pRoot && pItem ? pRoot->FindParentCategory(pItem) : nullptr;
    if (!pParent)
        return;
    C_QivItem* pBefore = PreviousSibling(pParent, pItem);
    C_QivItem* pOther = nDirection < 0 ? pBefore : pItem->m_pNext;
    if (!pOther)
        return;
    QivStoreEditedEntryText(QivShellOf(this));
    SetRedraw(FALSE);
    GetTreeCtrl().DeleteItem(pItem->m_hTreeItem);
    HTREEITEM hAfter = TVI_FIRST;
    if (nDirection < 0) {
        C_QivItem* pBeforeOther = PreviousSibling(pParent, pOther);
        pOther->m_pNext = pItem->m_pNext;
        LinkAfter(pParent, pBeforeOther, pItem);
        pItem->m_pNext = pOther;
        if (pBeforeOther)
            hAfter = pBeforeOther->m_hTreeItem;
    } else {
        LinkAfter(pParent, pBefore, pOther);
        pItem->m_pNext = pOther->m_pNext;
        pOther->m_pNext = pItem;
        hAfter = pOther->m_hTreeItem;
    }
    InsertAlone(pItem, pParent->m_hTreeItem, hAfter);
    SetRedraw(TRUE);
    SelectItem(pItem);
    MarkModified();
}

void CQivTreeView::OnMoveUp()
{
    MoveSelection(-1);
}

void CQivTreeView::OnMoveDown()
{
    MoveSelection(+1);
}

void CQivTreeView::OnParentCategory()
{
    C_QivItem* pItem = GetSelectedItem();
    C_QivCategory* pRoot = GetRoot();
    if (C_QivCategory* pParent = pRoot && pItem ? pRoot->FindParentCategory(pItem) : nullptr)
        GetTreeCtrl().SelectItem(pParent->m_hTreeItem);
}

// ---- expand and collapse ----

void CQivTreeView::ExpandOne(HTREEITEM hItem, UINT nAction)
{
    // The control tells only an item's first expand; the direct call keeps
    // the model in step either way.
    GetTreeCtrl().Expand(hItem, nAction);
    OnItemExpanding(hItem, nAction);
}

void CQivTreeView::OnExpand()
{
    if (HTREEITEM hItem = GetTreeCtrl().GetSelectedItem())
        ExpandOne(hItem, TVE_EXPAND);
}

void CQivTreeView::OnCollapse()
{
    if (HTREEITEM hItem = GetTreeCtrl().GetSelectedItem())
        ExpandOne(hItem, TVE_COLLAPSE);
}

void CQivTreeView::ExpandOrCollapseAll(UINT nAction)
{
    C_QivCategory* pRoot = GetRoot();
    if (!pRoot)
        return;
    const BOOL bExpand = nAction == TVE_EXPAND;
    PlaySoundEvent("Expand/Collapse");
    SetRedraw(FALSE);
    {
        CQuietSoundEvents quiet;
        if (!bExpand)
            GetTreeCtrl().SelectItem(pRoot->m_hTreeItem);
        // Expanding works down (a category before its children), collapsing
        // up (after them); the root stays expanded.
        CQivTreeWalk walk(pRoot);
        while (walk.Next()) {
            C_QivCategory* pCategory = walk.GetCategory();
            if (pCategory && pCategory->m_pFirstChild && walk.IsLeaving() != bExpand
                && (bExpand || pCategory != pRoot))
                ExpandOne(pCategory->m_hTreeItem, nAction);
        }
    }
    if (HTREEITEM hVisible = bExpand ? GetTreeCtrl().GetSelectedItem() : pRoot->m_hTreeItem)
        GetTreeCtrl().EnsureVisible(hVisible);
    SetRedraw(TRUE);
}

void CQivTreeView::OnExpandAll()
{
    ExpandOrCollapseAll(TVE_EXPAND);
}

void CQivTreeView::OnCollapseAll()
{
    ExpandOrCollapseAll(TVE_COLLAPSE);
}

// ---- sort ----

void CQivTreeView::SortTarget(BOOL bAscending, BOOL bSubcategories)
{
    C_QivCategory* pTarget = GetTargetCategory();
    if (!pTarget)
        return;
    SortCategory(m_hWnd, pTarget, bAscending, bSubcategories);
    MarkModified();
}

void CQivTreeView::RunSortDialog()
{
    C_SortierenDlg dlg(GetParentFrame());
    if (dlg.DoModal() != IDOK)
        return;
    PlaySoundEvent("Sort");
    SortTarget(dlg.IsAscending(), dlg.IncludesSubcategories());
}

// ---- background colour ----

void CQivTreeView::ChooseBackgroundColor()
{
    C_QivItem* pItem = GetSelectedItem();
    if (!pItem)
        return;
    COLORREF custom[16];
    for (int i = 0; i < 16; ++i)
        custom[i] = kCustomColors[i];
    CColorDialog dlg(pItem->m_crBackground, CC_FULLOPEN | CC_ANYCOLOR, GetParentFrame());
    dlg.m_cc.lpCustColors = custom;
    if (dlg.DoModal() != IDOK)
        return;
    pItem->m_crBackground = dlg.GetColor();
    if (HWND hEditor = QivTextEditorOf(QivShellOf(this)))
        ::SendMessageA(hEditor, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(pItem->m_crBackground));
    MarkModified();
}

// ---- F6 ----

void CQivTreeView::SwitchPane()
{
    IQivShell* pShell = QivShellOf(this);
    if (!pShell)
        return;
    if (pShell->GetActivePaneView() == this) {
        if (CView* pTextView = pShell->GetTextView())
            pShell->ActivateView(pTextView);
    } else {
        pShell->ActivateView(this);
    }
}
