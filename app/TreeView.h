// CQivTreeView: the left pane of the main window, the card file's tree of
// categories and entries. Every tree item carries its model item as its
// data, and the model item keeps the handle of its tree item; every
// structural edit changes the model chain and the tree together, and marks
// the document modified.
//
// What the right-hand panes show for the selection is the frame's business
// (it handles the selection notifications); this view only changes the
// selection. Item clipboard and drag and drop are in ItemClipboard.cpp and
// ItemDrop.cpp.
#pragma once

#include "framework/ui/ImageList.h"
#include "framework/ui/OleDropTarget.h"
#include "framework/ui/TreeView.h"
#include "model/exchange/ExchangeContext.h"

class CMenu;
class CQivDoc;
class C_QivCategory;
class C_QivItem;
class COleDataObject;
class COleDataSource;

class CQivTreeView : public CTreeView
{
    DECLARE_DYNCREATE(CQivTreeView)
public:
    CQivTreeView();
    ~CQivTreeView() override;

    CQivDoc* GetDocument() const;
    C_QivCategory* GetRoot() const;
    // The model item of a tree item (null for none), and of the selection.
    C_QivItem* ItemOf(HTREEITEM hItem) const;
    C_QivItem* GetSelectedItem() const;
    // The category that new and imported items go to: the selected item when
    // it is a category, else the category holding it, else the root.
    C_QivCategory* GetTargetCategory() const;

    // Fills the tree from the document's root (after a card file is started
    // or opened) and resets the frame's history to the root.
    void OnInitialUpdate() override;

    // Keeps the model's expanded flag and the category's image in step with
    // an expand or collapse of hItem (TVE_EXPAND, TVE_COLLAPSE). The tree's
    // own notification and the callers that expand by program meet here.
    void OnItemExpanding(HTREEITEM hItem, UINT nAction);

    // ---- the frame's commands that work on the tree ----
    // A new "Neue Kategorie" or "Neuer Eintrag" at the front of the target
    // category, selected, with its title edit open.
    void NewItem(BOOL bCategory);
    // Sorts the target category's children (and, with bSubcategories, every
    // category below it) in the tree and the model.
    void SortTarget(BOOL bAscending, BOOL bSubcategories);
    // The sort dialog, then the sort.
    void RunSortDialog();
    // The colour dialog for the selected item's background colour.
    void ChooseBackgroundColor();
    // Moves the focus between the tree and the text view (F6).
    void SwitchPane();

    // Loads the context menu's popup with Paste grayed while nothing was
    // copied or cut; FALSE when the menu resource is missing.
    BOOL LoadContextMenu(CMenu& menu) const;

    // Inserts pItem alone (its following siblings left out) under hParent
    // after hAfter, as InsertIntoTree does for a whole chain.
    void InsertAlone(C_QivItem* pItem, HTREEITEM hParent, HTREEITEM hAfter);
    // Selects the item and makes it visible.
    void SelectItem(C_QivItem* pItem);
    // Selects hItem silently once the messages before have been handled,
    // when it is still in the card file (for views that the selection may
    // replace while they handle their own message).
    void SelectItemLater(HTREEITEM hItem);
    void MarkModified();

    // ---- item clipboard and drag and drop ----
    // Copies the selected item to the clipboard (with the text view's rich
    // and plain text for an entry); the modified flag stays. FALSE when
    // nothing was put there.
    BOOL CopySelection();
    // Copies the selected item and takes it out of the card file; the root
    // is refused with a note.
    void CutSelection();
    // Puts a pasted or dropped item into the card file: the first child of
    // a category target, right after an entry target; selected, and the
    // document marked modified.
    void InsertReceivedItem(C_QivItem* pNew, C_QivItem* pTarget);
    // What the model's import and export commands work on, from this view.
    CQivExchangeContext MakeExchangeContext();
    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave() override;
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;

    BOOL m_bNewEntry = FALSE;
    CImageList m_imageList;
    BOOL m_bPasteAvailable = FALSE;
    BYTE m_bLabelEditing = 0;
    HACCEL m_hSavedAccelerators = nullptr;
    HTREEITEM m_hDragSource = nullptr;
    HTREEITEM m_hDropTarget = nullptr;
    COleDropTarget m_dropTarget;
    // Set when this tree's own drop inserted the copy of the item dragged
    // from it: only then does a move delete the original.
    BOOL m_bDroppedHere = FALSE;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnItemExpandingNotify(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBeginLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnSelectItemLater(WPARAM wParam, LPARAM lParam);

    afx_msg void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEditCopy();
    afx_msg void OnEditCut();
    afx_msg void OnEditPaste();
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnRename();
    afx_msg void OnDelete();
    afx_msg void OnExpand();
    afx_msg void OnCollapse();
    afx_msg void OnExpandAll();
    afx_msg void OnCollapseAll();
    afx_msg void OnParentCategory();
    afx_msg void OnMoveUp();
    afx_msg void OnMoveDown();
    afx_msg void OnUpdateRename(CCmdUI* pCmdUI);
    afx_msg void OnUpdateDelete(CCmdUI* pCmdUI);
    afx_msg void OnUpdateExpand(CCmdUI* pCmdUI);
    afx_msg void OnUpdateCollapse(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAlways(CCmdUI* pCmdUI);
    afx_msg void OnUpdateParentCategory(CCmdUI* pCmdUI);
    afx_msg void OnUpdateMoveUp(CCmdUI* pCmdUI);
    afx_msg void OnUpdateMoveDown(CCmdUI* pCmdUI);
    afx_msg void OnUpdateTextFormat(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    // Swaps the selected item with its previous (-1) or next (+1) sibling.
    void MoveSelection(int nDirection);
    // Expands or collapses one tree item and records it in the model.
    void ExpandOne(HTREEITEM hItem, UINT nAction);
    // Expand all (TVE_EXPAND) or collapse all (TVE_COLLAPSE) with one sound.
    void ExpandOrCollapseAll(UINT nAction);
    void DeleteRootChildren();
    // The item's blocks into the source: the item (as an object for the
    // clipboard, as its record for a drag), an entry's rich text (and for
    // the clipboard its plain text), a dragged category's title as text.
    BOOL CacheItemBlocks(COleDataSource& source, C_QivItem* pItem, BOOL bAsObject);
    DROPEFFECT RunDrag(COleDataSource& source);
    // A drag from this tree may not drop an item on itself or below itself.
    BOOL IsRefusedTarget(HTREEITEM hTarget) const;
    void DrawInsertionLine(HTREEITEM hItem);
    void EraseInsertionLine(HTREEITEM hItem);
    void ImportDroppedFiles(COleDataObject& data, C_QivCategory* pCategory);
};
