// The CSV import: a file of comma- or semicolon-separated values whose first
// line names the columns. Each further line becomes an entry: the column
// "Titel" gives its title, the column "Text" its text, and every other
// column adds a line "name: value" to the text.
#pragma once

#include "model/exchange/NewItems.h"

// The entries of the file's lines, in file order (an empty line gives an
// empty entry). Texts are stored with a terminating NUL. File errors raise
// CFileException.
CQivNewItems QivReadCsvFile(LPCSTR lpszPath);
