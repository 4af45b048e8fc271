#include "app/ShowEntry.h"

#include "app/ContentsView.h"
#include "app/History.h"
#include "app/QivShell.h"
#include "app/TreeView.h"
#include "app/res/resource.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/Splitter.h"
#include "model/ItemWalk.h"
#include "model/QivDoc.h"
#include "model/QivItem.h"

CQivShowEntry::CQivShowEntry(IQivShell& shell) : m_shell(shell)
{
}

CDocument* CQivShowEntry::GetDocument() const
{
    CQivTreeView* pTree = m_shell.GetTreeView();
    return pTree ? pTree->GetDocument() : nullptr;
}

C_QivCategory* CQivShowEntry::GetRoot() const
{
    CQivTreeView* pTree = m_shell.GetTreeView();
    return pTree ? pTree->GetRoot() : nullptr;
}

BOOL CQivShowEntry::OnTreeNotify(const NMHDR* pNMHDR, LRESULT* pResult)
{
    if (pNMHDR->code == TVN_SELCHANGING)
        OnSelChanging();
    else if (pNMHDR->code == TVN_SELCHANGED)
        OnSelChanged();
    else
        return FALSE;
    *pResult = 0;
    return TRUE;
}

void CQivShowEntry::OnSelChanging()
{
    QivStoreEditedEntryText(&m_shell);
}

void CQivShowEntry::StoreCurrentEntryText()
{
    CQivTreeView* pTree = m_shell.GetTreeView();
    C_QivCategory* pRoot = GetRoot();
    if (!pTree || !pRoot || !m_shell.GetTextView())
        return;
    // The selection's handle is looked up, not trusted: the text goes only
    // into an entry that is still in the card file.
    C_QivItem* pItem = pRoot->FindItem(pTree->GetTreeCtrl().GetSelectedItem());
    C_QivEntry* pEntry = pItem ? QivAsEntry(pItem) : nullptr;
    if (!pEntry)
        return;
    m_shell.StoreEntryText(pEntry);
    GetDocument()->SetModifiedFlag(TRUE);
}

void CQivShowEntry::OnSelChanged()
{
    CQivTreeView* pTree = m_shell.GetTreeView();
    C_QivCategory* pRoot = GetRoot();
    if (!pTree || !pRoot)
        return;
    HTREEITEM hSelected = pTree->GetTreeCtrl().GetSelectedItem();
    if (hSelected)
        m_shell.GetHistory().Record(hSelected);
    C_QivItem* pItem = pRoot->FindItem(hSelected);
    if (!pItem)
        return;
    C_QivEntry* pEntry = QivAsEntry(pItem);
    if (pEntry && !m_shell.GetTextView())
        m_shell.ShowTextView();
    if (!pEntry && !m_shell.GetContentsView())
        m_shell.ShowContentsView();

    CDocument* pDoc = GetDocument();
    const BOOL bModified = pDoc->CDocument::IsModified();
    if (pEntry) {
        m_shell.ShowEntryText(pEntry->m_pText, pEntry->m_nTextLength, pEntry->m_crBackground);
    } else if (C_InhaltView* pContents = m_shell.GetContentsView()) {
        pContents->Fill(pItem);
    }
    m_shell.ShowAttachments(pItem);
    pDoc->SetModifiedFlag(bModified);
}

// ---- history ----

void CQivShowEntry::Go(int nStep)
{
    CQivTreeView* pTree = m_shell.GetTreeView();
    if (!pTree)
        return;
    m_shell.GetHistory().Go(nStep, GetRoot(), [&](HTREEITEM hItem) {
        m_shell.ActivateView(pTree);
        pTree->GetTreeCtrl().SelectItem(hItem);
    });
}

void CQivShowEntry::GoBack()
{
    Go(-1);
}

void CQivShowEntry::GoForward()
{
    Go(+1);
}

BOOL CQivShowEntry::CanGoBack() const
{
    return m_shell.GetHistory().CanGoBack();
}

BOOL CQivShowEntry::CanGoForward() const
{
    return m_shell.GetHistory().CanGoForward();
}

// ---- siblings ----

HTREEITEM CQivShowEntry::SiblingTarget(UINT nCommand) const
{
    CQivTreeView* pTree = m_shell.GetTreeView();
    if (!pTree)
        return nullptr;
    CTreeCtrl& tree = pTree->GetTreeCtrl();
    HTREEITEM hCaret = tree.GetSelectedItem();
    if (!hCaret)
        return nullptr;
    HTREEITEM hTarget = nullptr;
    switch (nCommand) {
    case ID_FIRST_ENTRY: {
        HTREEITEM hParent = tree.GetParentItem(hCaret);
        hTarget = hParent ? tree.GetChildItem(hParent) : tree.GetRootItem();
        break;
    }
    case ID_PREVIOUS_ENTRY:
        return tree.GetPrevSiblingItem(hCaret);
    case ID_NEXT_ENTRY:
        return tree.GetNextSiblingItem(hCaret);
    case ID_LAST_ENTRY:
        hTarget = hCaret;
        for (HTREEITEM hNext = tree.GetNextSiblingItem(hTarget); hNext; hNext = tree.GetNextSiblingItem(hNext))
            hTarget = hNext;
        break;
    default:
        return nullptr;
    }
    return hTarget != hCaret ? hTarget : nullptr;
}

void CQivShowEntry::GoToSibling(UINT nCommand)
{
    if (HTREEITEM hTarget = SiblingTarget(nCommand))
        m_shell.GetTreeView()->GetTreeCtrl().Select(hTarget, TVGN_CARET);
}

// ---- panes ----

CView* QivReplacePaneView(CSplitterWnd& splitter, int row, int col, CRuntimeClass* pViewClass,
                          CDocument* pDoc)
{
    splitter.DeleteView(row, col);
    CCreateContext context;
    context.m_pNewViewClass = pViewClass;
    context.m_pCurrentDoc = pDoc;
    if (!splitter.CreateView(row, col, pViewClass, CSize(0, 10000), &context))
        return nullptr;
    CView* pView = static_cast<CView*>(splitter.GetPane(row, col));
    pView->SendMessageA(WM_INITIALUPDATE);
    splitter.RecalcLayout();
    return pView;
}
