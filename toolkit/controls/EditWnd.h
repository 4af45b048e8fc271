// CXTPEdit: the child window in which a combo box or an edit control of a
// command bar edits its text. It is a rich edit window when a rich edit
// library loads (version 2 preferred, then version 1), else a plain edit
// window; it keeps the dialog keys in the field while its bar tracks the
// keyboard, offers cut, copy and paste in a context menu, and knows when an
// input method is composing text.
#pragma once

#include "framework/ui/Edit.h"

class CXTPControl;

// Private message: answered TRUE by the toolkit's edit windows.
const UINT WM_XTP_ISTOOLKITEDIT = 10824;
// Private message posted to a combo or edit window when the shell's
// auto-suggest drop-down appears.
const UINT WM_XTP_SHELLAUTOCOMPLETESTART = 10354;

class CXTPEdit : public CEdit
{
    DECLARE_DYNAMIC(CXTPEdit)
public:
    CXTPEdit();

    // The rich edit version in use for the process: 2, 1, or 0 (plain edit).
    static int GetRichEditVersion();
    // The byte size of the character format the windows take: that of
    // CHARFORMAT2 with version 2, else that of CHARFORMAT.
    static UINT GetCharFormatSize();

    // Creates the window with an empty rectangle and id 0; a rich edit
    // window reports changes (ENM_CHANGE) and edits plain text with one
    // level of undo.
    using CEdit::Create;
    virtual BOOL Create(DWORD dwStyle, CWnd* pParentWnd);
    // The cut/copy/paste menu at the client point; FALSE when it cannot be
    // shown (the caller then does the default handling).
    virtual BOOL ShowContextMenu(CXTPControl* pControl, CPoint point);
    // Gives Ctrl+C/V/X/Z, Backspace and the keys 0x21..0x2E to the window
    // as a WM_KEYDOWN dialog message; FALSE for every other key.
    BOOL ProcessDialogKey(UINT nChar, UINT nFlags = 0);

    BOOL IsImeComposing() const { return m_bImeComposition; }

    // Gives the window's default character format these text and back
    // colours (and the back colour to the window); colours equal to the
    // last ones given are not sent again, as every change re-lays out the
    // text. FALSE when nothing was sent.
    BOOL SetDefaultColors(COLORREF clrText, COLORREF clrBack);

    // The three edit commands: their state queries and the commands.
    BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    BOOL m_bImeComposition;
    COLORREF m_clrDefaultText;
    COLORREF m_clrDefaultBack;
};
