#include "bench/BenchCardFile.h"

#include "model/CardFileStore.h"
#include "model/QivItem.h"

#include <stdio.h>

namespace bench {

C_QivItem* AddEntries(C_QivCategory* pParent, C_QivItem* pAfter, int nCount, const char* pszTitleFormat)
{
    char szTitle[64];
    for (int e = 0; e < nCount; ++e) {
        snprintf(szTitle, sizeof(szTitle), pszTitleFormat, e);
        C_QivEntry* pEntry = new C_QivEntry(szTitle);
        pParent->InsertChild(pEntry, pAfter);
        pAfter = pEntry;
    }
    return pAfter;
}

C_QivItem* AddCategories(C_QivCategory* pParent, C_QivItem* pAfter, int nCategories, int nEntries,
                         const char* pszEntryFormat)
{
    char szTitle[64];
    for (int c = 0; c < nCategories; ++c) {
        snprintf(szTitle, sizeof(szTitle), "Kategorie %d", c);
        C_QivCategory* pCategory = new C_QivCategory(szTitle);
        pCategory->m_dwExpanded = 1;
        pParent->InsertChild(pCategory, pAfter);
        pAfter = pCategory;
        AddEntries(pCategory, nullptr, nEntries, pszEntryFormat);
    }
    return pAfter;
}

std::string WriteTempCardFile(C_QivCategory* pRoot, const char* pszName)
{
    char szDir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szDir);
    char szPath[MAX_PATH + 64];
    snprintf(szPath, sizeof(szPath), "%sqiv-%s-%lu.qiv", szDir, pszName, ::GetCurrentProcessId());
    CQivCardFileStore store;
    store.ReplaceRoot(pRoot);
    store.Save(szPath, FALSE);
    return szPath;
}

} // namespace bench
