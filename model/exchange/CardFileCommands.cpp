#include "model/exchange/ExchangeCommands.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/MessageBox.h"
#include "model/QivItem.h"
#include "model/exchange/CardFileExchange.h"
#include "model/exchange/ExchangePath.h"

#include <stdio.h>

namespace {

const char szFilter[] = "Qivnotes-Datenbank (*.qiv)|*.qiv||";

void ImportCardFile(const CQivExchangeContext& ctx, const CString& path, C_QivCategory* pTarget)
{
    C_QivCategory* pImported = QivImportCardFile(path);
    if (!pImported) {
        QivShowMessage(ctx,
                       "Sie können nur Qivnotes-Dateien importieren,\n"
                       "die zuletzt mit der Funktion \"exportieren\" gespeichert wurden.",
                       "Hinweis", MB_ICONINFORMATION);
        return;
    }
    pTarget->InsertChild(pImported, nullptr);
    QivInsertFirstIntoTree(ctx, pImported, pTarget);
    QivSelectInTree(ctx, pImported);
    QivMarkModified(ctx);
}

void SalvageNotes(const CQivExchangeContext& ctx, const CString& path, C_QivCategory* pTarget)
{
    CQivNewItems notes;
    ULONGLONG nLength = 0;
    switch (QivSalvageNotes(path, notes, nLength)) {
    case QivSalvage::noMemory:
        QivShowMessage(ctx, "Nicht genug Speicher.", "Hinweis", MB_ICONINFORMATION);
        return;
    case QivSalvage::readError:
        QivShowMessage(ctx, "Lesefehler.", "Hinweis", MB_ICONINFORMATION);
        return;
    case QivSalvage::ok:
        break;
    }
    char text[32];
    snprintf(text, sizeof(text), "len=%d", static_cast<int>(nLength));
    AfxMessageBox(text);
    std::vector<C_QivItem*> linked = QivLinkAtFront(pTarget, notes);
    for (C_QivItem* pNote : linked)
        QivInsertFirstIntoTree(ctx, pNote, pTarget);
    if (!linked.empty())
        QivMarkModified(ctx);
}

} // namespace

void QivCommandExportCardFile(const CQivExchangeContext& ctx)
{
    C_QivCategory* pCategory = QivTargetCategory(ctx);
    if (!pCategory)
        return;
    CString path = QivChooseFile(ctx, FALSE, "qiv", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                                 szFilter, "Kategorie '" + pCategory->m_strTitle + "' exportieren");
    if (path.IsEmpty() || QivPathExtension(path).CompareNoCase("qiv") != 0)
        return;
    try {
        QivExportCardFile(pCategory, path);
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    }
}

void QivCommandImportCardFile(const CQivExchangeContext& ctx)
{
    C_QivCategory* pTarget = QivTargetCategory(ctx);
    if (!pTarget)
        return;
    CString path = QivChooseFile(ctx, TRUE, "qiv", nullptr, OFN_HIDEREADONLY, szFilter,
                                 "Qivnotes-Datenbank importieren");
    if (path.IsEmpty())
        return;
    CString extension = QivPathExtension(path);
    if (extension.CompareNoCase("qiv") == 0)
        ImportCardFile(ctx, path, pTarget);
    else if (extension.CompareNoCase("bin") == 0)
        SalvageNotes(ctx, path, pTarget);
}
