// Searching the card file: each node is selected in the shell's tree (which
// shows it) and tested; on every hit the user decides whether to go on.
#include "model/QivItem.h"

#include "framework/core/Exceptions.h"
#include "model/ItemWalk.h"
#include "model/ShellServices.h"

#include <vector>

namespace {

void SelectInTree(HWND hTree, HTREEITEM hItem)
{
    if (hTree)
        ::SendMessageA(hTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem));
}

BOOL IsExpanded(HWND hTree, HTREEITEM hItem)
{
    if (!hTree)
        return FALSE;
    LRESULT nState = ::SendMessageA(hTree, TVM_GETITEMSTATE,
                                    reinterpret_cast<WPARAM>(hItem), TVIS_EXPANDED);
    return (nState & TVIS_EXPANDED) != 0;
}

BOOL AskToContinue()
{
    return AfxCoreMessageBox("Suchbegriff gefunden.\n\nWeitersuchen?",
                             MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

// Walks pFirst, its subtree and its following siblings. A category that was
// collapsed before its children were searched is selected and collapsed
// again afterwards, and the shell's expand handler is told so.
BOOL SearchChain(C_QivItem* pFirst, LPCSTR lpszText, BOOL bMatchCase, BOOL bWholeWord)
{
    CQivShellServices& shell = QivGetShellServices();
    std::vector<bool> wasCollapsed;
    CQivTreeWalk walk(pFirst);
    while (walk.Next()) {
        C_QivItem* pItem = walk.GetItem();
        C_QivCategory* pCategory = walk.GetCategory();
        if (walk.IsLeaving()) {
            HWND hTree = shell.GetTreeWindow();
            SelectInTree(hTree, pCategory->m_hTreeItem);
            if (wasCollapsed.back()) {
                if (hTree)
                    ::SendMessageA(hTree, TVM_EXPAND, TVE_COLLAPSE,
                                   reinterpret_cast<LPARAM>(pCategory->m_hTreeItem));
                shell.OnItemExpanding(pCategory->m_hTreeItem, TVE_COLLAPSE);
            }
            wasCollapsed.pop_back();
            continue;
        }
        if (pItem->MatchesSearch(lpszText, bMatchCase, bWholeWord) && !AskToContinue())
            return FALSE;
        if (pCategory)
            wasCollapsed.push_back(!IsExpanded(shell.GetTreeWindow(), pCategory->m_hTreeItem));
    }
    return TRUE;
}

} // namespace

BOOL C_QivItem::MatchesSearch(LPCSTR lpszText, BOOL bMatchCase, BOOL)
{
    SelectInTree(QivGetShellServices().GetTreeWindow(), m_hTreeItem);
    CString strTitle = m_strTitle;
    CString strText = lpszText;
    if (!bMatchCase) {
        strTitle.MakeLower();
        strText.MakeLower();
    }
    return strTitle.Find(strText) >= 0;
}

BOOL C_QivEntry::MatchesSearch(LPCSTR lpszText, BOOL bMatchCase, BOOL bWholeWord)
{
    if (C_QivItem::MatchesSearch(lpszText, bMatchCase, bWholeWord))
        return TRUE;
    return QivGetShellServices().FindTextInEditor(lpszText, bMatchCase, bWholeWord);
}

BOOL C_QivItem::SearchNext(LPCSTR lpszText, BOOL bMatchCase, BOOL bWholeWord)
{
    return SearchChain(this, lpszText, bMatchCase, bWholeWord);
}

BOOL C_QivCategory::SearchNext(LPCSTR lpszText, BOOL bMatchCase, BOOL bWholeWord)
{
    return SearchChain(this, lpszText, bMatchCase, bWholeWord);
}
