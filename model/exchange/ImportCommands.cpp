#include "model/exchange/ExchangeCommands.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/MessageBox.h"
#include "model/QivItem.h"
#include "model/exchange/CsvImport.h"
#include "model/exchange/ExchangePath.h"
#include "model/exchange/VaultImport.h"

#include <stdio.h>

namespace {

// Switches the tree's drawing off for its lifetime: many items go in.
class CTreeRedrawOff
{
public:
    explicit CTreeRedrawOff(HWND hTree) : m_hTree(hTree)
    {
        if (m_hTree)
            ::SendMessageA(m_hTree, WM_SETREDRAW, FALSE, 0);
    }
    ~CTreeRedrawOff()
    {
        if (m_hTree)
            ::SendMessageA(m_hTree, WM_SETREDRAW, TRUE, 0);
    }
    CTreeRedrawOff(const CTreeRedrawOff&) = delete;
    CTreeRedrawOff& operator=(const CTreeRedrawOff&) = delete;

private:
    HWND m_hTree;
};

} // namespace

void QivCommandImportCsv(const CQivExchangeContext& ctx)
{
    CString path = QivChooseFile(ctx, TRUE, nullptr, nullptr, OFN_HIDEREADONLY,
                                 "Komma-getrennte Daten (*.csv)|*.csv|Textdatei (*.txt)|*.txt||",
                                 "CSV-Datei importieren");
    if (path.IsEmpty())
        return;
    if (QivPathExtension(path).CompareNoCase("CSV") != 0) {
        QivShowMessage(ctx, "Sie haben keine CSV-Datei ausgewählt.", "Fehler", MB_ICONEXCLAMATION);
        return;
    }
    C_QivCategory* pTarget = QivTargetCategory(ctx);
    if (!pTarget)
        return;
    int nCount = 0;
    try {
        CQivNewItems entries = QivReadCsvFile(path);
        nCount = static_cast<int>(entries.size());
        {
            CTreeRedrawOff redrawOff(ctx.hTree);
            for (C_QivItem* pEntry : QivLinkAtFront(pTarget, entries))
                QivInsertFirstIntoTree(ctx, pEntry, pTarget);
            if (nCount > 0)
                QivMarkModified(ctx);
        }
        if (ctx.hTree)
            ::SendMessageA(ctx.hTree, TVM_EXPAND, TVE_EXPAND,
                           reinterpret_cast<LPARAM>(pTarget->m_hTreeItem));
        QivProcessComplete();
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
        return;
    }
    char text[64];
    if (nCount == 1)
        snprintf(text, sizeof(text), "Es wurde ein Eintrag importiert.");
    else
        snprintf(text, sizeof(text), "Es wurden %d Einträge importiert.", nCount);
    QivShowMessage(ctx, text, "Hinweis", MB_ICONINFORMATION);
}

void QivCommandImportVault(const CQivExchangeContext& ctx)
{
    CString path = QivChooseFile(ctx, TRUE, nullptr, nullptr, OFN_HIDEREADONLY,
                                 "Vault-Datenbank (*.vlt)|*.vlt||", "Importieren");
    if (path.IsEmpty())
        return;
    if (QivPathExtension(path).CompareNoCase("VLT") != 0) {
        QivShowMessage(ctx, "Sie haben keine Vault-Datei ausgewählt.", "Fehler", MB_ICONEXCLAMATION);
        return;
    }
    if (QivShowMessage(ctx,
                       "Damit der Import richtig funktioniert, müssen Sie zuerst in vault "
                       "alle Kategorien \"aufklappen\" und speichern.",
                       "Hinweis", MB_OKCANCEL | MB_ICONINFORMATION) != IDOK)
        return;
    C_QivCategory* pTarget = QivTargetCategory(ctx);
    if (!pTarget)
        return;
    CQivVaultImport result;
    try {
        result = QivReadVaultFile(path);
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
        return;
    }
    C_QivCategory* pImported = result.category.release();
    pTarget->InsertChild(pImported, nullptr);
    QivInsertFirstIntoTree(ctx, pImported, pTarget);
    QivMarkModified(ctx);
    if (ctx.hTree && ctx.pfnCompareItems) {
        TVSORTCB sort = { pTarget->m_hTreeItem, ctx.pfnCompareItems, 0 };
        ::SendMessageA(ctx.hTree, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
    }
    QivSelectInTree(ctx, pImported);
    QivProcessComplete();

    char text[64];
    int n = result.nImported;
    snprintf(text, sizeof(text), "Es wurde%s %d Eintr%s importiert.", n == 1 ? "" : "n", n,
             n == 1 ? "ag" : "äge");
    AfxMessageBox(text, MB_ICONINFORMATION);
}
