// The main frame's commands that hand work to dialogs, the note editor and
// the card file's imports and exports: each makes the view that owns the
// work active first.
#include "app/MainFrame.h"

#include "app/DefaultFont.h"
#include "app/GoToDialog.h"
#include "app/GoToEntry.h"
#include "app/LinkDialog.h"
#include "app/ProgramPicture.h"
#include "app/QuickNote.h"
#include "app/SearchDialog.h"
#include "app/Shortcut.h"
#include "app/TextCommands.h"
#include "app/TextView.h"
#include "app/TreeView.h"
#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/CmdUI.h"
#include "model/QivDoc.h"
#include "model/QivItem.h"
#include "model/exchange/ExchangeCommands.h"

#include <stdlib.h>

#include <vector>

CQivDoc* CMainFrame::GetQivDocument()
{
    return m_pTreeView ? m_pTreeView->GetDocument() : nullptr;
}

void CMainFrame::OnQuickNote()
{
    ActivateView(m_pTreeView);
    QivRunQuickNote(m_pTreeView->MakeExchangeContext());
}

void CMainFrame::OnSearch()
{
    QivStoreEditedEntryText(this);
    QivShowSearchWindow(m_pSearchWindow, m_pTreeView->GetRoot(), m_pTreeView, this, &m_searchHistory);
}

void CMainFrame::OnUpdateSearch(CCmdUI* pCmdUI)
{
    QivUpdateSearchCommand(pCmdUI, m_pTreeView ? m_pTreeView->GetRoot() : nullptr);
}

void CMainFrame::OnGoTo()
{
    CQivDoc* pDoc = GetQivDocument();
    if (!pDoc)
        return;
    C_GeheZuDlg dialog(pDoc, this);
    if (dialog.DoModal() != IDOK)
        return;
    GoToEntry(m_pTreeView->GetSafeHwnd(), pDoc->GetRoot(), dialog.m_strPath);
}

void CMainFrame::OnShortcut()
{
    CQivDoc* pDoc = GetQivDocument();
    if (!pDoc)
        return;
    C_LinkDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    QIV_SHORTCUT_REQUEST request;
    request.bFavorites = dialog.m_nLocation == 1;
    request.pRoot = pDoc->GetRoot();
    request.pItem = dialog.m_nTarget == 1 ? m_pTreeView->GetSelectedItem() : nullptr;
    request.strCardFile = pDoc->GetPathName();
    request.strDocTitle = pDoc->GetTitle();
    request.strProgram = QivProgramFile();
    QivCreateShortcut(request);
}

void CMainFrame::OnUpdateShortcut(CCmdUI* pCmdUI)
{
    QivUpdateShortcutCommand(pCmdUI, GetQivDocument());
}

void CMainFrame::OnDefaultFont()
{
    QivChooseDefaultFont(this);
}

void CMainFrame::OnWordWrap()
{
    if (m_pTextView)
        m_pTextView->ToggleWordWrap();
}

void CMainFrame::OnUpdateWordWrap(CCmdUI* pCmdUI)
{
    QivUpdateWordWrapCommand(pCmdUI, m_pTextView);
}

void CMainFrame::OnTextViewCommand(UINT nID)
{
    if (m_pTextView)
        m_pTextView->SendMessage(WM_COMMAND, nID);
}

void CMainFrame::OnUpdatePageSetup(CCmdUI* pCmdUI)
{
    QivUpdatePageSetupCommand(pCmdUI, m_pTextView);
}

void CMainFrame::OnUpdatePrint(CCmdUI* pCmdUI)
{
    QivUpdatePrintCommand(pCmdUI, m_pTextView);
}

void CMainFrame::OnExchange(UINT nID)
{
    if (!m_pTreeView)
        return;
    if (nID == ID_EXPORT_TEXT) {
        ActivateView(m_pTextView);
        CQivTextView* pText = m_pTextView;
        QivCommandExportText(m_pTreeView->MakeExchangeContext(), [pText] {
            std::vector<BYTE> bytes;
            if (!pText)
                return bytes;
            BYTE* pBuffer = nullptr;
            DWORD nLength = 0;
            GetRichTextBytes(pText, &pBuffer, &nLength);
            if (pBuffer) {
                bytes.assign(pBuffer, pBuffer + nLength);
                free(pBuffer);
            }
            return bytes;
        });
        return;
    }
    ActivateView(m_pTreeView);
    const CQivExchangeContext ctx = m_pTreeView->MakeExchangeContext();
    switch (nID) {
    case ID_IMPORT_TEXT: QivCommandImportText(ctx); break;
    case ID_IMPORT_CSV: QivCommandImportCsv(ctx); break;
    case ID_IMPORT_VAULT: QivCommandImportVault(ctx); break;
    case ID_IMPORT_CARDFILE: QivCommandImportCardFile(ctx); break;
    case ID_EXPORT_HTML: QivCommandExportHtml(ctx); break;
    case ID_EXPORT_CARDFILE: QivCommandExportCardFile(ctx); break;
    case ID_EXPORT_DHTML: QivCommandExportDynamicHtml(ctx); break;
    default: break;
    }
}

void CMainFrame::OnUpdateExportText(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pTreeView && QivCanExportText(m_pTreeView->MakeExchangeContext()));
}
