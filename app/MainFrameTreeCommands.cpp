// The main frame's commands that work on the tree and the panes beside it:
// they make the tree (or the pane) the active view and hand the work on.
#include "app/MainFrame.h"

#include "app/AttachmentView.h"
#include "app/TreeView.h"
#include "app/res/resource.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/TreeCtrl.h"

void CMainFrame::OnNewCategory()
{
    ActivateView(m_pTreeView);
    m_pTreeView->NewItem(TRUE);
}

void CMainFrame::OnNewEntry()
{
    ActivateView(m_pTreeView);
    m_pTreeView->NewItem(FALSE);
}

void CMainFrame::OnTreeCommand(UINT nID)
{
    ActivateView(m_pTreeView);
    // Renaming starts at once; the others run after this command's turn.
    if (nID == ID_RENAME)
        m_pTreeView->SendMessage(WM_COMMAND, nID);
    else
        m_pTreeView->PostMessage(WM_COMMAND, nID);
}

void CMainFrame::OnSort()
{
    if (GetTreeWidth() == 0)
        ShowNormalView();
    ActivateView(m_pTreeView);
    m_pTreeView->RunSortDialog();
}

void CMainFrame::OnBackgroundColor()
{
    m_pTreeView->ChooseBackgroundColor();
}

void CMainFrame::OnSwitchPane()
{
    m_pTreeView->SwitchPane();
}

void CMainFrame::OnSibling(UINT nID)
{
    m_showEntry.GoToSibling(nID);
}

void CMainFrame::OnUpdateSibling(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_showEntry.SiblingTarget(pCmdUI->m_nID) != nullptr);
}

void CMainFrame::OnBack()
{
    m_showEntry.GoBack();
}

void CMainFrame::OnForward()
{
    m_showEntry.GoForward();
}

void CMainFrame::OnUpdateBack(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_showEntry.CanGoBack());
}

void CMainFrame::OnUpdateForward(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_showEntry.CanGoForward());
}

void CMainFrame::OnAddAttachment()
{
    OpenAttachmentsPane();
    m_pAttachmentsView->PostMessage(WM_COMMAND, ID_ADD_ATTACHMENT);
}

void CMainFrame::OnUpdateAlways(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}
