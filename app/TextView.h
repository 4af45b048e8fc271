// CQivTextView: the editor of one entry, a rich-edit view in the main
// window's right-hand pane. It shows an entry's text (rich or plain) and
// hands it back as rich text; formats the selection (effects, alignment,
// bullets, sizes, colours, the paragraph and superscript dialogs); inserts
// the date and time from a menu of the locale's formats; opens the address
// under a double-click; offers its context menu; serves the format
// toolbar's font boxes; sets up the page and prints with the page count
// known in advance, the preview showing the margins.
#pragma once

#include "framework/ui/RichEditView.h"
#include "toolkit/controls/ControlFontComboBox.h"

#include <richedit.h>

#ifndef _WIN64
static_assert(sizeof(CHARFORMATA) == 60, "CHARFORMAT is 60 bytes in 32-bit code");
static_assert(sizeof(CHARFORMAT2A) == 84, "CHARFORMAT2 is 84 bytes in 32-bit code");
static_assert(sizeof(PARAFORMAT2) == 188, "PARAFORMAT2 is 188 bytes in 32-bit code");
#endif

class C_QivEntry;

// The format toolbar's font boxes. They send XTP_FN_SETFORMAT (apply the
// record's format to the selection) and XTP_FN_GETFORMAT (fill the record
// with the selection's format) with an NMXTPCHARHDR record.
const UINT kFontNameBoxId = 33032;
const UINT kFontSizeBoxId = 33033;

// What the font boxes show for a selection: the face when the format holds
// face and character set (else empty), the height in twips or -1 when the
// selection's sizes are mixed.
struct QIV_FONTBOX_STATE
{
    CString strFace;
    int nTwips;
};

class CQivTextView : public CRichEditView
{
    DECLARE_DYNCREATE(CQivTextView)
public:
    CQivTextView();
    ~CQivTextView() override;

    COLORREF m_crBackground;

    // ---- showing and storing an entry ----
    // The stored default character format (section "cf"), its height
    // turned from 20 x pixels into twips (x 3 / 4).
    static CHARFORMATA ReadDefaultCharFormat();
    void ApplyDefaultCharFormat();
    // The stored default format, word wrap and margins, applied when the
    // view is made for an entry; automatic word selection is toggled.
    void ApplyStoredSettings();
    // Shows a text: rich text when it begins with "{\rtf" (any case), else
    // plain text in the default format; then the background, the control
    // enabled and unmodified, redrawn once.
    void ShowText(const BYTE* pText, DWORD nLength, COLORREF crBackground);
    // The whole content as rich text into the entry (no text for an empty
    // stream); the caller marks the document modified.
    void StoreText(C_QivEntry* pEntry);

    // ---- word wrap ----
    // Switches between wrapping at the window and none, stores the choice
    // and applies it.
    void ToggleWordWrap();

    // ---- date and time ----
    // Builds the date menu and inserts the item at the stored position;
    // a position the menu does not have inserts nothing.
    void InsertDateTimeNow();
    // Replaces the selection with the text of the menu's item nID (not
    // undoably) and stores its position.
    void InsertDateTimeItem(UINT nID);

    // ---- links ----
    // After a double-click selected a word: an address there ("http://",
    // "mailto:", "www." or with an "@") is selected whole and opened.
    // FALSE when the selection held none.
    BOOL FollowLinkAtSelection();
    // The address to open for a word, empty when it is none.
    static CString LinkOfWord(const CString& strWord);

    // ---- the font boxes ----
    QIV_FONTBOX_STATE GetFontBoxState();

    // ---- context menu (the control tracks it and destroys it) ----
    HMENU GetContextMenu(WORD seltype, LPOLEOBJECT lpoleobj, CHARRANGE* lpchrg) override;

    // ---- page setup and printing ----
    void OnPageSetup();
    // The text area of the paper in device pixels, for the preview's frame.
    static CRect MarginFrameInPixels(CSize sizePaper, const CRect& rectMargin, int nDpiX, int nDpiY);
    // Counts the pages of the whole text on pDC.
    UINT CountPages(CDC* pDC);
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

    // ---- commands ----
    // Bold, italic, underline, strike-out and the three alignments.
    afx_msg void OnFormatCommand(UINT nID);
    afx_msg void OnBullets();
    afx_msg void OnFontBigger();
    afx_msg void OnFontSmaller();
    afx_msg void OnTextColor(UINT nID);
    afx_msg void OnFontColor();
    afx_msg void OnFormatParagraph();
    afx_msg void OnFormatSuperSub();
    afx_msg void OnDateTimeMenu();
    afx_msg void OnDateTimeNow();
    afx_msg void OnDateTimeItem(UINT nID);
    afx_msg void OnEditUndo();
    afx_msg void OnEditClear();
    afx_msg void OnEditCut();
    afx_msg void OnWordWrap();

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    afx_msg void OnUpdateFormatCommand(CCmdUI* pCmdUI);
    afx_msg void OnUpdateBullets(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNeedWindow(CCmdUI* pCmdUI);
    afx_msg void OnUpdateAlways(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnUpdateWordWrap(CCmdUI* pCmdUI);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnFontBoxNotify(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnUpdateFontBox(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    // The selection's height changed by nDelta twips, at least nMinimum.
    void ChangeFontHeight(int nDelta, int nMinimum);
};

// The view's whole content as rich text in a new heap buffer of exactly its
// length (no NUL); a buffer passed in is freed first. Free it with free().
void GetRichTextBytes(CRichEditView* pView, BYTE** ppBuffer, DWORD* pnLength);
