#include "model/exchange/ExchangeCommands.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/RichEditSafeRtf.h"
#include "model/QivItem.h"
#include "model/exchange/ExchangePath.h"
#include "model/exchange/TextExchange.h"

#include <memory>
#include <string>

BOOL QivCanExportText(const CQivExchangeContext& ctx)
{
    C_QivItem* pNode = QivSelectedNode(ctx);
    return pNode && pNode->IsKindOf(RUNTIME_CLASS(C_QivEntry));
}

void QivCommandExportText(const CQivExchangeContext& ctx,
                          const std::function<std::vector<BYTE>()>& getRichText)
{
    CString path = QivChooseFile(ctx, FALSE, nullptr, nullptr, OFN_HIDEREADONLY,
                                 "RichText-Format (*.rtf)|*.rtf|"
                                 "Word Dokument, als RichText (*.doc)|*.doc|"
                                 "Textdatei (*.txt)|*.txt||",
                                 "Eintrag exportieren");
    if (path.IsEmpty())
        return;
    CString extension = QivPathExtension(path);
    if (extension.CompareNoCase("RTF") != 0 && extension.CompareNoCase("DOC") != 0
        && extension.CompareNoCase("TXT") != 0) {
        QivShowMessage(ctx,
                       "Sie können nur in RTF/DOC oder TXT-Dateien exportieren.\n"
                       "Geben Sie den vollständigen Dateinamen mit Endung an.",
                       "Fehler", MB_ICONEXCLAMATION);
        return;
    }
    try {
        std::vector<BYTE> richText = getRichText ? getRichText() : std::vector<BYTE>();
        QivExportEntryText(path, richText.data(), static_cast<DWORD>(richText.size()));
        QivProcessComplete();
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    }
}

namespace {

// TRUE when the editor gets the entry's rich text only in part: nested
// deeper or with words longer than it reads (the entry keeps it whole).
BOOL EditorSimplifies(const C_QivEntry* pEntry)
{
    std::string rtf(reinterpret_cast<const char*>(pEntry->m_pText), pEntry->m_nTextLength);
    return AfxMakeRtfSafeForRichEdit(rtf);
}

} // namespace

BOOL QivImportFileAsEntry(const CQivExchangeContext& ctx, LPCSTR lpszPath, C_QivCategory* pCategory)
{
    C_QivEntry* pEntry = QivReadFileAsEntry(lpszPath);
    if (!pEntry)
        return FALSE;
    pCategory->InsertChild(pEntry, nullptr);
    QivInsertFirstIntoTree(ctx, pEntry, pCategory);
    QivMarkModified(ctx);
    QivSelectInTree(ctx, pEntry);
    if (EditorSimplifies(pEntry)) {
        CString text;
        text.Format("Der Editor kann die Formatierung von \"%s\" nicht ganz lesen: sie ist zu tief "
                    "verschachtelt oder enthält zu lange Wörter.\n"
                    "Der Text wurde vollständig übernommen und wird vereinfacht angezeigt.",
                    QivPathFileName(lpszPath).GetString());
        QivShowMessage(ctx, text, "Hinweis", MB_ICONINFORMATION);
    }
    return TRUE;
}

void QivCommandImportText(const CQivExchangeContext& ctx)
{
    CString path = QivChooseFile(ctx, TRUE, nullptr, nullptr, OFN_HIDEREADONLY,
                                 "Textdatei (*.txt)|*.txt|RichText-Format (*.rtf)|*.rtf||",
                                 "Importieren");
    if (path.IsEmpty())
        return;
    CString extension = QivPathExtension(path);
    if (extension.CompareNoCase("TXT") != 0 && extension.CompareNoCase("RTF") != 0) {
        QivShowMessage(ctx, "Sie haben keine Textdatei ausgewählt.", "Fehler", MB_ICONEXCLAMATION);
        return;
    }
    C_QivCategory* pTarget = QivTargetCategory(ctx);
    if (!pTarget)
        return;
    try {
        if (QivImportFileAsEntry(ctx, path, pTarget))
            QivProcessComplete();
    } catch (CException* e) {
        e->ReportError();
        e->Delete();
    }
}
