// CListBox: a list box of the system class "LISTBOX". Positions are
// zero-based; LB_ERR (-1) answers a failed call.
#pragma once

#include "framework/ui/Wnd.h"

class CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- strings ----
    int GetCount() const;
    int AddString(LPCSTR lpszItem);
    int InsertString(int nIndex, LPCSTR lpszItem);
    // Returns the number of strings left.
    int DeleteString(UINT nIndex);
    void ResetContent();
    // Search as in CComboBox: case-insensitive, from nStartAfter + 1 on.
    int FindString(int nStartAfter, LPCSTR lpszItem) const;
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCSTR lpszItem);
    // The buffer must hold GetTextLen(nIndex) + 1 characters.
    int GetText(int nIndex, LPSTR lpszBuffer) const;
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const;
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    int GetItemRect(int nIndex, LPRECT lpRect) const;
    int GetItemHeight(int nIndex) const;
    int SetItemHeight(int nIndex, UINT cyItemHeight);
    // The item nearest to a client point; bOutside tells whether the point
    // lies outside every item.
    UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);
    void SetHorizontalExtent(int cxExtent);

    // ---- single selection ----
    int GetCurSel() const;
    int SetCurSel(int nSelect);

    // ---- multiple selection ----
    int GetSel(int nIndex) const;
    // nIndex -1 selects or deselects every item.
    int SetSel(int nIndex, BOOL bSelect = TRUE);
    int GetSelCount() const;
    // Fills at most nMaxItems positions; returns how many were filled.
    int GetSelItems(int nMaxItems, LPINT rgIndex) const;
    int GetCaretIndex() const;
    int SetCaretIndex(int nIndex, BOOL bScroll = TRUE);
};
