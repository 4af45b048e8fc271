// The import and export commands of the menu, each a whole modal step: the
// file dialog with its filter and title, the test of the chosen extension
// with its message, the work, the new nodes in the card file and the tree,
// the modified mark, the sound and the closing message. The shell calls them
// from its command handlers with the context of the view that has the
// command (ExchangeContext.h). File and archive errors are reported with
// the framework's message; they leave the card file as it was.
#pragma once

#include "model/exchange/ExchangeContext.h"

#include <vector>

class C_QivEntry;

// "in &Qivnotes-Datenbank...": the target category as a new card file.
void QivCommandExportCardFile(const CQivExchangeContext& ctx);
// "aus Qivnotes-&Datenbank...": a card file's root category into the
// target category, or (extension "bin") the notes salvaged from a file.
void QivCommandImportCardFile(const CQivExchangeContext& ctx);

// "in &HTML-Datei...": the selected node as one page.
void QivCommandExportHtml(const CQivExchangeContext& ctx);
// "nach &DynamicHTML...": the selected category (or the selected entry's)
// as a DynamicHTML page, from the template in lpszProgramFolder (null: the
// running program's folder).
void QivCommandExportDynamicHtml(const CQivExchangeContext& ctx, LPCSTR lpszProgramFolder = nullptr);

// "in &Textdatei...": the note in the editor, whose rich text getRichText
// answers, as rich text or plain text. Enabled while an entry is selected.
void QivCommandExportText(const CQivExchangeContext& ctx,
                          const std::function<std::vector<BYTE>()>& getRichText);
BOOL QivCanExportText(const CQivExchangeContext& ctx);

// "aus &Textdatei...": a text or RTF file as a new entry.
void QivCommandImportText(const CQivExchangeContext& ctx);
// A text or RTF file as a new entry at the front of pCategory, inserted into
// the tree, selected, the document marked modified. FALSE for other paths.
// File errors raise CFileException.
BOOL QivImportFileAsEntry(const CQivExchangeContext& ctx, LPCSTR lpszPath, C_QivCategory* pCategory);

// "aus &CSV-Datei...": one entry per line of a CSV file.
void QivCommandImportCsv(const CQivExchangeContext& ctx);
// "aus &Vault-Datenbank...": a Vault outline as a new category.
void QivCommandImportVault(const CQivExchangeContext& ctx);
