// CComboBox: a combo box of the system class "COMBOBOX". List positions are
// zero-based; CB_ERR (-1) answers a failed call.
#pragma once

#include "framework/ui/Wnd.h"

class CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- list ----
    int GetCount() const;
    int AddString(LPCSTR lpszString);
    int InsertString(int nIndex, LPCSTR lpszString);
    // Returns the number of strings left.
    int DeleteString(UINT nIndex);
    void ResetContent();
    // The first string from nStartAfter + 1 on (wrapping round) that starts
    // with lpszString, case-insensitive; -1 searches the whole list.
    int FindString(int nStartAfter, LPCSTR lpszString) const;
    // The same for a string equal to lpszString, case-insensitive.
    int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCSTR lpszString);
    // The buffer must hold GetLBTextLen(nIndex) + 1 characters.
    int GetLBText(int nIndex, LPSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    int GetItemHeight(int nIndex) const;
    int SetItemHeight(int nIndex, UINT cyItemHeight);
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);

    // ---- selection ----
    int GetCurSel() const;
    int SetCurSel(int nSelect);

    // ---- edit field ----
    DWORD GetEditSel() const;                // start in the low word, end in the high word
    BOOL SetEditSel(int nStartChar, int nEndChar);
    BOOL LimitText(int nMaxChars);
    void Clear();
    void Copy();
    void Cut();
    void Paste();

    // ---- drop-down list ----
    void ShowDropDown(BOOL bShowIt = TRUE);
    BOOL GetDroppedState() const;
    void GetDroppedControlRect(LPRECT lprect) const;
    int GetDroppedWidth() const;
    int SetDroppedWidth(UINT nWidth);
    int SetExtendedUI(BOOL bExtended = TRUE);
    BOOL GetExtendedUI() const;
};
