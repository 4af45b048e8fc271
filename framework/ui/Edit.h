// CEdit: a text box of the system class "EDIT".
#pragma once

#include "framework/ui/Wnd.h"

class CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- selection and editing ----
    DWORD GetSel() const;                    // start in the low word, end in the high word
    void GetSel(int& nStartChar, int& nEndChar) const;
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    BOOL Undo();
    BOOL CanUndo() const;
    void EmptyUndoBuffer();

    // ---- state ----
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    // 0 lets the text grow to the control's maximum.
    void LimitText(int nChars = 0);
    void SetLimitText(UINT nMax);
    UINT GetLimitText() const;
    void SetPasswordChar(char ch);
    void SetMargins(UINT nLeft, UINT nRight);
    void GetRect(LPRECT lpRect) const;

    // ---- lines ----
    int GetLineCount() const;
    // Copies line nIndex into the buffer, at most nMaxLength - 1 characters
    // and a terminating zero; returns the characters copied.
    int GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const;
    int LineIndex(int nLine = -1) const;
    int LineFromChar(int nIndex = -1) const;
    int LineLength(int nLine = -1) const;
    void LineScroll(int nLines, int nChars = 0);
    int GetFirstVisibleLine() const;
};
