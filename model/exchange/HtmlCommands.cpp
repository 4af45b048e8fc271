#include "model/exchange/ExchangeCommands.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/CmdTarget.h"
#include "model/QivItem.h"
#include "model/exchange/DynamicHtmlExport.h"
#include "model/exchange/ExchangePath.h"
#include "model/exchange/HtmlExport.h"

namespace {

// TRUE for ".htm" and ".html"; shows the message for anything else.
BOOL IsHtmlPath(const CQivExchangeContext& ctx, const CString& path)
{
    CString extension = QivPathExtension(path);
    if (extension.CompareNoCase("HTML") == 0 || extension.CompareNoCase("HTM") == 0)
        return TRUE;
    QivShowMessage(ctx,
                   "Sie können nur in HTML oder HTM-Dateien exportieren.\n"
                   "Geben Sie den vollständigen Dateinamen mit Endung an.",
                   "Fehler", MB_ICONEXCLAMATION);
    return FALSE;
}

} // namespace

void QivCommandExportHtml(const CQivExchangeContext& ctx)
{
    C_QivItem* pNode = QivSelectedNode(ctx);
    if (!pNode)
        return;
    BOOL bCategory = pNode->IsKindOf(RUNTIME_CLASS(C_QivCategory));
    CString path = QivChooseFile(ctx, FALSE, "htm", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                                 "HTML-Dokument (*.htm)|*.htm||",
                                 bCategory ? "Kategorie nach HTML exportieren"
                                           : "Eintrag nach HTML exportieren");
    if (path.IsEmpty() || !IsHtmlPath(ctx, path))
        return;
    try {
        CWaitCursor wait;
        QivExportHtml(pNode, path);
        QivProcessComplete();
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    }
}

void QivCommandExportDynamicHtml(const CQivExchangeContext& ctx, LPCSTR lpszProgramFolder)
{
    C_QivItem* pNode = QivSelectedNode(ctx);
    if (!pNode)
        return;
    C_QivCategory* pCategory = nullptr;
    if (pNode->IsKindOf(RUNTIME_CLASS(C_QivCategory))) {
        pCategory = static_cast<C_QivCategory*>(pNode);
    } else {
        HTREEITEM hParent = reinterpret_cast<HTREEITEM>(
            ::SendMessageA(ctx.hTree, TVM_GETNEXTITEM, TVGN_PARENT,
                           reinterpret_cast<LPARAM>(pNode->m_hTreeItem)));
        C_QivItem* pParent = hParent ? ctx.pRoot->FindItem(hParent) : nullptr;
        if (pParent && pParent->IsKindOf(RUNTIME_CLASS(C_QivCategory)))
            pCategory = static_cast<C_QivCategory*>(pParent);
    }
    if (!pCategory)
        return;
    CString path = QivChooseFile(ctx, FALSE, "htm", pCategory->m_strTitle,
                                 OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                                 "DynamicHTML-Dokument (*.htm)|*.htm||",
                                 "Kategorie nach DynamicHTML exportieren");
    if (path.IsEmpty() || !IsHtmlPath(ctx, path))
        return;
    try {
        CWaitCursor wait;
        QivExportDynamicHtml(pCategory, path,
                             lpszProgramFolder ? CString(lpszProgramFolder) : QivGetProgramFolder());
        QivProcessComplete();
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    }
}
