// Whole categories between card files: a category written as the root of a
// new card file, a card file read for its root to be hung into a category,
// and the salvage of notes from a damaged file.
#pragma once

#include "model/exchange/NewItems.h"

class C_QivCategory;

// Writes pCategory with its subtree (not its following siblings) as a card
// file without a rich-text tail; unsaved editor text goes into the selected
// entry first, as with every save. The category keeps its sibling link
// whatever happens. File and archive errors raise the framework's
// exceptions.
void QivExportCardFile(C_QivCategory* pCategory, LPCSTR lpszPath);

// Reads a card file's root category, with its subtree but without any
// siblings the file gives it, for the caller to own. Null when the file
// cannot be read as a card file (every framework exception); a viewer-only
// file has shown its message by then.
C_QivCategory* QivImportCardFile(LPCSTR lpszPath);

enum class QivSalvage { ok, noMemory, readError };

// Scans a file of any kind for notes: each "{\rtf1" up to and including the
// first "\par }" after it becomes an entry, titled with the printable bytes
// between the closest "}" before it and the note. Notes come in file
// order; nLength is the file's length.
QivSalvage QivSalvageNotes(LPCSTR lpszPath, CQivNewItems& notes, ULONGLONG& nLength);
