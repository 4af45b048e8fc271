#include "app/GoToEntry.h"

#include "app/SoundEvents.h"
#include "framework/ui/MessageBox.h"
#include "model/ItemWalk.h"
#include "model/QivItem.h"

C_QivItem* FindChildByTitle(C_QivCategory* pCategory, const CString& strTitle)
{
    for (C_QivItem* pChild = pCategory->m_pFirstChild; pChild; pChild = pChild->m_pNext) {
        if (::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, pChild->m_strTitle,
                             pChild->m_strTitle.GetLength(), strTitle, strTitle.GetLength()) == CSTR_EQUAL)
            return pChild;
    }
    return nullptr;
}

C_QivItem* ResolveItemPath(C_QivCategory* pRoot, const CString& strPath)
{
    if (strPath.IsEmpty() || !pRoot)
        return nullptr;
    C_QivCategory* pCurrent = pRoot;
    int nPos = 0;
    for (;;) {
        int nEnd = strPath.Find('\\', nPos);
        if (nEnd < 0)
            nEnd = strPath.GetLength();
        C_QivItem* pFound = FindChildByTitle(pCurrent, strPath.Mid(nPos, nEnd - nPos));
        if (!pFound)
            return nullptr;
        nPos = nEnd + 1;
        C_QivCategory* pCategory = QivAsCategory(pFound);
        if (!pCategory || nPos >= strPath.GetLength())
            return pFound;
        pCurrent = pCategory;
    }
}

void GoToEntry(HWND hTree, C_QivCategory* pRoot, const CString& strPath)
{
    if (strPath.IsEmpty())
        return;
    C_QivItem* pItem = ResolveItemPath(pRoot, strPath);
    if (!pItem) {
        AfxShowMessageBox(hTree, "Der Eintrag '" + strPath + "' existiert nicht.", "Fehler",
                          MB_OK | MB_ICONEXCLAMATION, 0);
        return;
    }
    CQuietSoundEvents quiet;
    ::SendMessageA(hTree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(pItem->m_hTreeItem));
}
