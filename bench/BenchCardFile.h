// Card files for the benchmarks: trees of numbered categories and entries,
// saved into the temporary folder.
#pragma once

#include <string>

class C_QivCategory;
class C_QivItem;

namespace bench {

// nCount entries titled by the format with their number (0, 1, ...) added
// under the parent after pAfter; answers the last one added (pAfter when
// none was).
C_QivItem* AddEntries(C_QivCategory* pParent, C_QivItem* pAfter, int nCount, const char* pszTitleFormat);

// nCategories expanded categories "Kategorie 0", "Kategorie 1", ... added
// under the parent after pAfter, each holding nEntries entries titled by the
// format; answers the last category added.
C_QivItem* AddCategories(C_QivCategory* pParent, C_QivItem* pAfter, int nCategories, int nEntries,
                         const char* pszEntryFormat);

// Saves the tree (the store takes it) as "qiv-NAME-PID.qiv" in the
// temporary folder; answers the file's path. The caller deletes the file.
std::string WriteTempCardFile(C_QivCategory* pRoot, const char* pszName);

} // namespace bench
