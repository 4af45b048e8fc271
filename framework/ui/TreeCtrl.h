// CTreeCtrl: a tree view of the common-controls class "SysTreeView32".
// Items are HTREEITEM handles; null answers a failed call.
#pragma once

#include "framework/ui/Wnd.h"

class CEdit;
class CImageList;

class CTreeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- look ----
    // nImageList: TVSIL_NORMAL or TVSIL_STATE. The tree does not take
    // ownership; returns the list used before. The lists returned are
    // CImageList::FromHandle's: the owner on this thread, else a temporary.
    CImageList* SetImageList(CImageList* pImageList, int nImageList);
    CImageList* GetImageList(UINT nImageList) const;
    UINT GetIndent() const;
    void SetIndent(UINT nIndent);

    // ---- inserting and deleting ----
    HTREEITEM InsertItem(LPTVINSERTSTRUCTA lpInsertStruct);
    HTREEITEM InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage,
                         UINT nState, UINT nStateMask, LPARAM lParam, HTREEITEM hParent,
                         HTREEITEM hInsertAfter);
    HTREEITEM InsertItem(LPCSTR lpszItem, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage,
                         HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems();

    // ---- item attributes ----
    BOOL GetItem(TVITEMA* pItem) const;
    BOOL SetItem(TVITEMA* pItem);
    BOOL SetItem(HTREEITEM hItem, UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage,
                 UINT nState, UINT nStateMask, LPARAM lParam);
    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCSTR lpszItem);
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    BOOL ItemHasChildren(HTREEITEM hItem) const;
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
    UINT GetCount() const;
    UINT GetVisibleCount() const;

    // ---- navigation ----
    // nCode: TVGN_NEXT, TVGN_PREVIOUS, TVGN_PARENT, TVGN_CHILD, TVGN_CARET ...
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetParentItem(HTREEITEM hItem) const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const;
    HTREEITEM GetPrevVisibleItem(HTREEITEM hItem) const;
    HTREEITEM GetSelectedItem() const;
    HTREEITEM GetDropHilightItem() const;
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const;

    // ---- selection and expansion ----
    // nCode: TVGN_CARET, TVGN_DROPHILITE or TVGN_FIRSTVISIBLE.
    BOOL Select(HTREEITEM hItem, UINT nCode);
    BOOL SelectItem(HTREEITEM hItem);
    BOOL SelectDropTarget(HTREEITEM hItem);
    BOOL SelectSetFirstVisible(HTREEITEM hItem);
    // nCode: TVE_EXPAND, TVE_COLLAPSE, TVE_TOGGLE ...
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    BOOL EnsureVisible(HTREEITEM hItem);

    // ---- editing, sorting, dragging ----
    // Starts editing the label; the edit box is a temporary wrapper.
    CEdit* EditLabel(HTREEITEM hItem);
    CEdit* GetEditControl() const;
    BOOL EndEditLabelNow(BOOL bCancel);
    // Sorts the children of hItem (TVI_ROOT: the top level) by their text.
    BOOL SortChildren(HTREEITEM hItem);
    // Sorts with pSort->lpfnCompare(lParam1, lParam2, pSort->lParam) over the
    // items' data values.
    BOOL SortChildrenCB(LPTVSORTCB pSort);
    // A new image list of the item's drag image that the caller deletes;
    // null when the tree cannot make one.
    CImageList* CreateDragImage(HTREEITEM hItem);
};
