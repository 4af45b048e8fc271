// A frame for the view tests: a card-file document shown in the tree view
// and a rich-text view side by side in a splitter, standing in for the main
// frame's panes. It records what the views ask of the shell, and reads the
// card file back from a saved file.
#pragma once

#include "AppTestSupport.h"

#include "app/History.h"
#include "app/QivShell.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/Splitter.h"
#include "framework/ui/TreeCtrl.h"
#include "model/QivItem.h"

#include <memory>
#include <string>
#include <vector>

class CQivDoc;
class CQivTreeView;

namespace apptest {

class CViewTestFrame : public CFrameWnd, public IQivShell
{
public:
    CQivTreeView* GetTreeView() override { return m_pTree; }
    CView* GetTextView() override { return m_pText; }
    void ActivateView(CView* pView) override;
    CView* GetActivePaneView() override;
    void StoreCurrentEntryText() override { ++m_nStoreCalls; }
    CQivHistory& GetHistory() override { return m_history; }
    void SuspendShortcuts(BOOL bSuspend) override { m_suspends.push_back(bSuspend != FALSE); }

    CSplitterWnd m_splitter;
    CQivTreeView* m_pTree = nullptr;
    CView* m_pText = nullptr;
    CQivHistory m_history;
    int m_nStoreCalls = 0;
    std::vector<bool> m_suspends;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
};

// Every test starts with a card file (root "Notizen") built by the test,
// shown in a fresh frame.
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
    // The document's modified flag.
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
CommandState QueryCommand(CCmdTarget* pTarget, UINT nID);

// The tree of pRoot as text: titles, categories with their children in
// braces ("Notizen{A,B{x}}").
std::string Outline(const C_QivCategory* pRoot);
// The same of the tree control below hItem, read from the items' texts.
std::string TreeOutline(HWND hTree, HTREEITEM hItem);

// The text of a tree item, and its images.
std::string ItemText(HWND hTree, HTREEITEM hItem);
int ItemImage(HWND hTree, HTREEITEM hItem);

} // namespace apptest
