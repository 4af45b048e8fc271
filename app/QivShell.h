// What the views of the main window need of the frame that holds them: the
// other panes, the selection history and the parking of keyboard shortcuts
// while a title is edited in place. The main frame implements it; view tests
// implement it with a frame of their own.
#pragma once

#include "framework/core/AfxWin.h"

class CView;
class CWnd;
class CQivHistory;
class CQivTreeView;
class C_InhaltView;
class C_QivEntry;
class C_QivItem;

class IQivShell
{
public:
    virtual ~IQivShell() = default;

    virtual CQivTreeView* GetTreeView() = 0;
    // The rich-text view of the entry shown, null while a category is shown.
    virtual CView* GetTextView() = 0;
    // The contents list, null while an entry is shown.
    virtual C_InhaltView* GetContentsView() = 0;

    // Makes the view the frame's active view (it takes the focus); nothing
    // for a null view.
    virtual void ActivateView(CView* pView) = 0;
    virtual CView* GetActivePaneView() = 0;

    // Copies the editor's text into the entry selected in the tree and marks
    // the document modified.
    virtual void StoreCurrentEntryText() = 0;

    // The selection history of the run.
    virtual CQivHistory& GetHistory() = 0;

    // Stops (TRUE) and resumes (FALSE) the command bars' shortcuts, so that
    // the keys reach an in-place title edit.
    virtual void SuspendShortcuts(BOOL bSuspend) = 0;

    // ---- the right-hand panes ----
    // The top pane holds the text view (made ready for entries: the stored
    // default format, word wrap and margins) in place of the contents list;
    // the existing one when it is there already.
    virtual CView* ShowTextView() = 0;
    // The top pane holds the contents list in place of the text view.
    virtual C_InhaltView* ShowContentsView() = 0;
    // The text view shows a text (rich text when it begins with "{\rtf", in
    // any case, else plain text in the default format) on the background
    // colour, unmodified.
    virtual void ShowEntryText(const BYTE* pText, DWORD nLength, COLORREF crBackground) = 0;
    // The text view's whole content as rich text into the entry.
    virtual void StoreEntryText(C_QivEntry* pEntry) = 0;
    // The attachments list shows the item's attachments.
    virtual void ShowAttachments(C_QivItem* pItem) = 0;
};

// The shell of the frame holding pWnd; null when the frame is none.
IQivShell* QivShellOf(const CWnd* pWnd);

// The rich-edit control of the shell's text view, or null.
HWND QivTextEditorOf(IQivShell* pShell);

// Stores the shown entry's text when its editor reports a change
// (EM_GETMODIFY); nothing otherwise.
void QivStoreEditedEntryText(IQivShell* pShell);

// While a title is edited in place, the frame's accelerator table is parked
// in the view (*phSaved) and the command bars' shortcuts are suspended, so
// that Delete, F2 and the Ctrl keys reach the edit box.
void QivParkShortcuts(CWnd* pView, HACCEL* phSaved);
void QivRestoreShortcuts(CWnd* pView, HACCEL* phSaved);

// The Delete key beside the arrows (virtual key VK_DELETE, scan code 0x53
// with the extended-key bit in the key message's flags). The numeric pad's
// Delete has the same scan code without that bit and deletes no items.
BOOL QivIsItemDeleteKey(UINT nChar, UINT nFlags);
