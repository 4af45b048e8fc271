#include "app/TextCommands.h"

#include "app/SearchDialog.h"
#include "app/Settings.h"
#include "app/TextView.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/Document.h"
#include "framework/ui/FrameWnd.h"
#include "model/QivItem.h"

namespace {

BOOL IsWindowed(const CQivTextView* pTextView)
{
    return pTextView != nullptr && ::IsWindow(pTextView->m_hWnd);
}

} // namespace

void QivUpdateWordWrapCommand(CCmdUI* pCmdUI, const CQivTextView* pTextView)
{
    pCmdUI->Enable(IsWindowed(pTextView));
    if (IsWindowed(pTextView))
        pCmdUI->SetCheck(pTextView->m_nWordWrap != CRichEditView::WrapNone);
    else
        pCmdUI->SetCheck(QivSettings::Get(QivSettings::WordWrap) == 1);
}

void QivUpdatePageSetupCommand(CCmdUI* pCmdUI, const CQivTextView* pTextView)
{
    pCmdUI->Enable(IsWindowed(pTextView));
}

void QivUpdatePrintCommand(CCmdUI* pCmdUI, const CQivTextView* pTextView)
{
    pCmdUI->Enable(IsWindowed(pTextView) && pTextView->IsWindowEnabled());
}

void QivUpdateFontColorCommand(CCmdUI* pCmdUI, const CQivTextView* pTextView, const CView* pActiveView)
{
    pCmdUI->Enable(IsWindowed(pTextView) && pActiveView == pTextView);
}

void QivUpdateSearchCommand(CCmdUI* pCmdUI, const C_QivCategory* pRoot)
{
    pCmdUI->Enable(pRoot != nullptr && pRoot->m_pFirstChild != nullptr);
}

void QivUpdateShortcutCommand(CCmdUI* pCmdUI, const CDocument* pDoc)
{
    pCmdUI->Enable(pDoc != nullptr && !pDoc->GetPathName().IsEmpty());
}

CSuchenDlg* QivShowSearchWindow(std::unique_ptr<CSuchenDlg>& window, C_QivCategory* pRoot, CWnd* pTreeView,
                                CFrameWnd* pFrame, CStringList* pHistory)
{
    if (window && ::IsWindow(window->m_hWnd))
    {
        window->ShowWindow(SW_RESTORE);
        window->SetRoot(pRoot);
        return window.get();
    }
    window.reset(new CSuchenDlg(pRoot, pTreeView, pFrame, pHistory));
    if (!window->Create())
    {
        window.reset();
        return nullptr;
    }
    window->ShowWindow(SW_SHOW);
    return window.get();
}
