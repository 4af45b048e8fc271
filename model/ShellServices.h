// What the card-file model needs of the application shell, behind a narrow
// interface: the application installs its implementation at start-up, tests
// install a fake, and until then every operation does nothing. The model
// never includes the shell's headers.
#pragma once

#include "framework/core/AfxWin.h"

#include <commctrl.h>

class CQivShellServices
{
public:
    virtual ~CQivShellServices() = default;

    // Plays the sound the user's scheme assigns to the named event.
    virtual void PlaySoundEvent(LPCSTR lpszEvent);

    // The rich-edit control of the text view, or null while no entry is
    // shown. The document saves and loads its rich-text tail through it and
    // counts its modifications as unsaved edits.
    virtual HWND GetTextEditor();

    // Copies the editor's text into the entry selected in the tree and marks
    // the document modified.
    virtual void StoreCurrentEntryText();

    // Closes the search window, whose results point into the current tree.
    virtual void CloseSearchWindow();

    // The main frame's tree-view control, or null.
    virtual HWND GetTreeWindow();

    // The tree view's expand handler, told that hItem was expanded or
    // collapsed (TVE_EXPAND, TVE_COLLAPSE) by the model.
    virtual void OnItemExpanding(HTREEITEM hItem, UINT nAction);

    // The text view's find in the note just shown: selects the hit and
    // answers TRUE, else FALSE.
    virtual BOOL FindTextInEditor(LPCSTR lpszText, BOOL bMatchCase, BOOL bWholeWord);
};

// The installed services; never null (the no-op services when none are
// installed). Setting null restores the no-op services. The caller keeps
// owning what it installs.
CQivShellServices& QivGetShellServices();
void QivSetShellServices(CQivShellServices* pServices);
