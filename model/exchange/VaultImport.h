// The import of a Vault outline database ("*.vlt"): one record per outline
// node with a title, a text and a level. The outline becomes a new category;
// nodes with children become categories, and their own text goes into a
// child entry " =>Text".
#pragma once

#include "framework/core/AfxWin.h"

#include <memory>

class C_QivCategory;

struct CQivVaultImport
{
    std::unique_ptr<C_QivCategory> category;   // titled with the file's name
    int nImported = 0;      // records read whole
    DWORD nDeclared = 0;    // the record count of the file's header
};

// Reads the file. A record count larger than the records present ends the
// reading at the first record cut short. File errors raise CFileException.
CQivVaultImport QivReadVaultFile(LPCSTR lpszPath);
