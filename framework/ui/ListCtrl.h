// CListCtrl: a list view of the common-controls class "SysListView32".
// Items and columns are zero-based; -1 answers a failed call.
#pragma once

#include "framework/ui/Wnd.h"
#include "framework/core/Position.h"

class CEdit;
class CImageList;

class CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
    CListCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- look ----
    DWORD GetExtendedStyle() const;
    // Returns the previous extended style.
    DWORD SetExtendedStyle(DWORD dwNewStyle);
    COLORREF GetBkColor() const;
    BOOL SetBkColor(COLORREF cr);
    COLORREF GetTextColor() const;
    BOOL SetTextColor(COLORREF cr);
    COLORREF GetTextBkColor() const;
    BOOL SetTextBkColor(COLORREF cr);
    // nImageList: LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE. The list does not
    // take ownership; returns the list used before. The lists returned are
    // CImageList::FromHandle's: the owner on this thread, else a temporary.
    CImageList* SetImageList(CImageList* pImageList, int nImageList);
    CImageList* GetImageList(int nImageList) const;

    // ---- columns ----
    int InsertColumn(int nCol, const LVCOLUMNA* pColumn);
    // nWidth and nSubItem -1: left out.
    int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
                     int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol);
    BOOL GetColumn(int nCol, LVCOLUMNA* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMNA* pColumn);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);

    // ---- items ----
    int GetItemCount() const;
    void SetItemCount(int nItems);
    int InsertItem(const LVITEMA* pItem);
    int InsertItem(int nItem, LPCSTR lpszItem);
    int InsertItem(int nItem, LPCSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask,
                   int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL GetItem(LVITEMA* pItem) const;
    BOOL SetItem(const LVITEMA* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
                 UINT nStateMask, LPARAM lParam);
    CString GetItemText(int nItem, int nSubItem) const;
    // Copies at most nLen - 1 characters and a terminating zero.
    int GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    UINT GetItemState(int nItem, UINT nMask) const;
    // nItem -1 sets the state of every item.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetItemPosition(int nItem, LPPOINT lpPoint) const;

    // ---- selection and navigation ----
    // The next item after nItem (-1: from the start) with the LVNI_ flags.
    int GetNextItem(int nItem, int nFlags) const;
    UINT GetSelectedCount() const;
    POSITION GetFirstSelectedItemPosition() const;
    // The selected item at pos; moves pos on (null after the last one).
    int GetNextSelectedItem(POSITION& pos) const;
    int GetTopIndex() const;
    int GetCountPerPage() const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    BOOL Scroll(CSize size);
    BOOL RedrawItems(int nFirst, int nLast);
    BOOL Update(int nItem);
    BOOL Arrange(UINT nCode);
    int FindItem(LVFINDINFOA* pFindInfo, int nStart = -1) const;
    int GetStringWidth(LPCSTR lpsz) const;

    // ---- editing and sorting ----
    // Starts editing the label; the edit box is a temporary wrapper.
    CEdit* EditLabel(int nItem);
    CEdit* GetEditControl() const;
    // pfnCompare(lParam1, lParam2, dwData) compares the items' data values.
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);
};
