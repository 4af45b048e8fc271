// A frame for the view tests, laid out as the main window's panes: the tree
// view on the left; on the right the contents list or a rich-text view above
// an attachments pane. It shows the selection through CQivShowEntry as the
// main frame does, records what the views ask of it, and reads the card
// file back from a saved file.
#pragma once

#include "AppTestSupport.h"

#include "app/History.h"
#include "app/QivShell.h"
#include "app/ShowEntry.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/Splitter.h"
#include "framework/ui/TreeCtrl.h"
#include "model/QivItem.h"

#include <memory>
#include <string>
#include <vector>

class CCmdTarget;
class CQivDoc;
class CQivTreeView;

namespace apptest {

class CViewTestFrame : public CFrameWnd, public IQivShell
{
public:
    CViewTestFrame();

    CQivTreeView* GetTreeView() override { return m_pTree; }
    CView* GetTextView() override { return m_pText; }
    C_InhaltView* GetContentsView() override { return m_pContents; }
    void ActivateView(CView* pView) override;
    CView* GetActivePaneView() override;
    void StoreCurrentEntryText() override { m_show.StoreCurrentEntryText(); }
    CQivHistory& GetHistory() override { return m_history; }
    void SuspendShortcuts(BOOL bSuspend) override { m_suspends.push_back(bSuspend != FALSE); }
    CView* ShowTextView() override;
    C_InhaltView* ShowContentsView() override;
    void ShowEntryText(const BYTE* pText, DWORD nLength, COLORREF crBackground) override;
    void StoreEntryText(C_QivEntry* pEntry) override;
    void ShowAttachments(C_QivItem* pItem) override { m_attachmentsShown.push_back(pItem); }

    // The text the rich-text view shows, and whether it reports a change.
    std::string EditorText() const;
    void EditText(LPCSTR lpszText);

    CSplitterWnd m_outer;
    CSplitterWnd m_inner;
    CQivTreeView* m_pTree = nullptr;
    CView* m_pText = nullptr;
    C_InhaltView* m_pContents = nullptr;
    CQivHistory m_history;
    CQivShowEntry m_show;

    // What the text view was given to show.
    struct Shown
    {
        std::string text;
        COLORREF crBackground;
    };
    std::vector<Shown> m_shown;
    int m_nStores = 0;
    std::vector<C_QivItem*> m_attachmentsShown;
    std::vector<bool> m_suspends;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// Every test starts with a card file (an expanded root "Notizen") built by
// the test, shown in a fresh frame.
class ViewTest : public AppSettingsTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the document's tree (the first update of the views).
    void Show();
    C_QivCategory* Root() const;
    CTreeCtrl& Tree() const;
    void Select(C_QivItem* pItem);
    // The document's own modified flag.
    BOOL Modified() const;
    void SetModified(BOOL bModified);
    // Saves the document to a scratch file and reads that file back.
    std::unique_ptr<C_QivCategory> SavedAndReadBack();

    CQivDoc* m_pDoc = nullptr;
    CViewTestFrame* m_pFrame = nullptr;
    CString m_strScratch;
};

// The state the update handlers of pTarget give command nID: enabled (-1
// when nobody handles it) and checked.
struct CommandState
{
    int nEnabled = -1;
    int nCheck = -1;
};
// pOther: the bar or window that asks, as a command bar's update pass sets it.
CommandState QueryCommand(CCmdTarget* pTarget, UINT nID, CWnd* pOther = nullptr);

// The tree of pRoot as text: titles, categories with their children in
// braces ("Notizen{A,B{x}}").
std::string Outline(const C_QivCategory* pRoot);
// The same of the tree control below hItem, read from the items' texts.
std::string TreeOutline(HWND hTree, HTREEITEM hItem);

// The text of a tree item, and its image.
std::string ItemText(HWND hTree, HTREEITEM hItem);
int ItemImage(HWND hTree, HTREEITEM hItem);

} // namespace apptest
