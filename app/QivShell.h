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

class IQivShell
{
public:
    virtual ~IQivShell() = default;

    virtual CQivTreeView* GetTreeView() = 0;
    // The rich-text view of the entry shown, null while a category is shown.
    virtual CView* GetTextView() = 0;

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
};

// The shell of the frame holding pWnd; null when the frame is none.
IQivShell* QivShellOf(const CWnd* pWnd);

// The rich-edit control of the shell's text view, or null.
HWND QivTextEditorOf(IQivShell* pShell);

// Stores the shown entry's text when its editor reports a change
// (EM_GETMODIFY); nothing otherwise.
void QivStoreEditedEntryText(IQivShell* pShell);
