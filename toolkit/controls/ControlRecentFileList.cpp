#include "toolkit/controls/ControlRecentFileList.h"

#include "framework/core/Archive.h"
#include "framework/ui/RecentFileList.h"
#include "framework/ui/WinAppDocuments.h"
#include "toolkit/controls/ControlListPlaceholder.h"
#include "toolkit/controls/Controls.h"

IMPLEMENT_SERIAL(CXTPControlRecentFileList, CXTPControlButton, 18)

namespace {

const int kFirstMruId = 57616;

} // namespace

CRecentFileList* CXTPControlRecentFileList::GetRecentFileList()
{
    CWinAppDocuments* pApp = AfxGetAppDocuments();
    return pApp ? pApp->m_pRecentFileList : nullptr;
}

int CXTPControlRecentFileList::GetFirstMruID()
{
    return kFirstMruId;
}

void CXTPControlRecentFileList::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    CRecentFileList* pList = GetRecentFileList();
    if (!pList || !m_pControls)
        return;
    CXTPLayoutChangeScope scope(m_pParent);
    const int nFirst = GetFirstMruID();
    const int nSize = pList->GetSize();
    RemoveListItems(this, [nFirst, nSize](CXTPControl* pItem) {
        return pItem->GetID() >= nFirst && pItem->GetID() < nFirst + nSize;
    });
    if (IsPlaceholderCustomizing(this))
    {
        SetHideFlags(0);
        SetEnabled(TRUE);
        return;
    }
    if (nSize == 0 || (*pList)[0].IsEmpty())
    {
        SetHideFlags(0);
        SetEnabled(FALSE);
        return;
    }
    SetHideFlags(GetHideFlags() | xtpHideGeneric);

    char szDir[MAX_PATH + 2] = {};
    DWORD nDir = ::GetCurrentDirectoryA(MAX_PATH, szDir);
    if (nDir >= MAX_PATH)
        nDir = 0;
    szDir[nDir++] = '\\';
    szDir[nDir] = 0;
    for (int i = 0; i < nSize; ++i)
    {
        CString strName;
        if (!pList->GetDisplayName(strName, i, szDir, static_cast<int>(nDir), TRUE))
            break;
        CXTPControl* pItem = InsertListItem(this, m_nIndex + 1 + i, nFirst + i,
                                            FormatMenuItemCaption(strName, i + 1));
        if (!pItem || i > 0)
            continue;
        if (m_nIndex > 0)
            pItem->SetBeginGroup(TRUE);
        if (m_dwFlags & xtpFlagWrapRow)
            pItem->SetFlags(pItem->GetFlags() | xtpFlagWrapRow);
    }
}
