// CRichEditCtrl: a rich-text box. It prefers the version 2 control
// ("RichEdit20A" of RICHED20.DLL) and falls back to version 1 ("RICHEDIT" of
// RICHED32.DLL); each library is loaded at most once per process and stays
// loaded until the process ends.
#pragma once

#include "framework/ui/Wnd.h"

#include <richedit.h>
#include <richole.h>

// The structures travel to the control by size: these are the sizes every
// rich-edit version accepts.
static_assert(sizeof(CHARFORMATA) == 60, "CHARFORMATA must be 60 bytes");
static_assert(sizeof(CHARFORMAT2A) == 84, "CHARFORMAT2A must be 84 bytes");
static_assert(sizeof(PARAFORMAT2) == 188, "PARAFORMAT2 must be 188 bytes");

// Loads RICHED32.DLL (class "RICHEDIT"); TRUE when it is loaded.
BOOL AFXAPI AfxInitRichEdit();
// Loads RICHED20.DLL (class "RichEdit20A"); TRUE when it is loaded.
BOOL AFXAPI AfxInitRichEdit2();

class CRichEditCtrl : public CWnd
{
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl() = default;

    // The window class Create uses: "RichEdit20A" when RICHED20.DLL loads,
    // else "RICHEDIT"; null when neither library is there.
    static LPCSTR GetWindowClassName();

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- text and selection ----
    long GetTextLength() const;
    void GetSel(CHARRANGE& cr) const;
    void GetSel(long& nStartChar, long& nEndChar) const;
    void SetSel(const CHARRANGE& cr);
    void SetSel(long nStartChar, long nEndChar);
    CString GetSelText() const;
    // The text from nFirst to nLast (-1: the end), paragraphs ending in "\r"
    // as the control counts them.
    CString GetTextRange(long nFirst, long nLast) const;
    WORD GetSelectionType() const;
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    void HideSelection(BOOL bHide, BOOL bPerm);
    void LimitText(long nChars = 0);
    long GetLimitText() const;
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    int GetLineCount() const;
    int LineIndex(int nLine = -1) const;
    int LineFromChar(long nIndex) const;
    int LineLength(int nLine = -1) const;
    void LineScroll(int nLines, int nChars = 0);
    int GetFirstVisibleLine() const;

    // ---- editing ----
    BOOL CanUndo() const;
    BOOL CanRedo() const;
    BOOL Undo();
    BOOL Redo();
    void EmptyUndoBuffer();
    BOOL CanPaste(UINT nFormat = 0) const;
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);

    // ---- formats ----
    // Each Get returns the mask of the attributes that are the same over the
    // whole selection; each Set returns FALSE when the control refused.
    DWORD GetDefaultCharFormat(CHARFORMATA& cf) const;
    DWORD GetDefaultCharFormat(CHARFORMAT2A& cf) const;
    DWORD GetSelectionCharFormat(CHARFORMATA& cf) const;
    DWORD GetSelectionCharFormat(CHARFORMAT2A& cf) const;
    BOOL SetDefaultCharFormat(CHARFORMATA& cf);
    BOOL SetDefaultCharFormat(CHARFORMAT2A& cf);
    BOOL SetSelectionCharFormat(CHARFORMATA& cf);
    BOOL SetSelectionCharFormat(CHARFORMAT2A& cf);
    BOOL SetWordCharFormat(CHARFORMAT2A& cf);
    DWORD GetParaFormat(PARAFORMAT& pf) const;
    DWORD GetParaFormat(PARAFORMAT2& pf) const;
    BOOL SetParaFormat(PARAFORMAT& pf);
    BOOL SetParaFormat(PARAFORMAT2& pf);
    // Returns the previous background colour.
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr);
    DWORD GetEventMask() const;
    DWORD SetEventMask(DWORD dwEventMask);

    // ---- streams, printing, search ----
    // nFormat: SF_TEXT or SF_RTF, optionally with SFF_SELECTION.
    long StreamIn(int nFormat, EDITSTREAM& es);
    long StreamOut(int nFormat, EDITSTREAM& es);
    BOOL SetTargetDevice(HDC hDC, long lLineWidth);
    // Lays out (and with bDisplay draws) the range; returns the first
    // character that did not fit. A null pfr frees the control's cache.
    long FormatRange(FORMATRANGE* pfr, BOOL bDisplay = TRUE);
    BOOL DisplayBand(LPRECT pDisplayRect);
    // dwFlags: FR_DOWN, FR_MATCHCASE, FR_WHOLEWORD. Returns the position of
    // the hit (also in chrgText), -1 when there is none.
    long FindText(DWORD dwFlags, FINDTEXTEXA* pFindText) const;
    void RequestResize();

    // ---- embedded objects ----
    // The control's OLE interface with a reference the caller releases;
    // null when the control has none.
    IRichEditOle* GetIRichEditOle() const;
    BOOL SetOLECallback(IRichEditOleCallback* pCallback);
};
