// Showing the tree's selection in the right-hand panes, and the history and
// sibling navigation over it. The main frame owns one and hands it the
// tree's selection notifications: the text of the entry being left goes
// back into the card file first (only when its editor reports a change),
// then an entry is shown in the text view, a category as the list of its
// children, and either's attachments below. Showing never changes the
// document's modified flag.
#pragma once

#include "framework/core/AfxWin.h"

#include <commctrl.h>

class CDocument;
class CRuntimeClass;
class CSplitterWnd;
class CView;
class C_QivCategory;
class C_QivItem;
class IQivShell;

class CQivShowEntry
{
public:
    explicit CQivShowEntry(IQivShell& shell);

    // TVN_SELCHANGING and TVN_SELCHANGED of the tree: handled (TRUE, the
    // change allowed); other notifications are not.
    BOOL OnTreeNotify(const NMHDR* pNMHDR, LRESULT* pResult);
    void OnSelChanging();
    void OnSelChanged();

    // The text view's content into the entry selected in the tree; the
    // document is marked modified. Nothing when no entry is selected.
    void StoreCurrentEntryText();

    // Back and forward through the history (the tree becomes the active
    // view); the history stays as it is.
    void GoBack();
    void GoForward();
    BOOL CanGoBack() const;
    BOOL CanGoForward() const;

    // First, previous, next and last sibling of the tree's caret (commands
    // ID_FIRST_ENTRY ... ID_LAST_ENTRY): the item the command selects, null
    // while it is disabled.
    HTREEITEM SiblingTarget(UINT nCommand) const;
    void GoToSibling(UINT nCommand);

private:
    C_QivCategory* GetRoot() const;
    CDocument* GetDocument() const;
    void Go(int nStep);

    IQivShell& m_shell;
};

// Replaces the view in pane (row, col) of a static splitter by a new view of
// pViewClass for pDoc, tall as the pane allows, and lays the splitter out;
// the new view, or null when it could not be made.
CView* QivReplacePaneView(CSplitterWnd& splitter, int row, int col, CRuntimeClass* pViewClass,
                          CDocument* pDoc);
