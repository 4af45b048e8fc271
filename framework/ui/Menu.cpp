#include "framework/ui/Menu.h"

#include "framework/core/Module.h"
#include "framework/ui/Wnd.h"

namespace {

// The popup shown by TrackPopupMenu on this thread; WM_MEASUREITEM does not
// say which menu it is about.
thread_local HMENU t_hTrackingMenu = nullptr;

} // namespace

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu* CMenuHandleTraits::NewTemporary(HMENU hMenu)
{
    CMenu* pMenu = new CMenu;
    pMenu->m_hMenu = hMenu;
    return pMenu;
}

void CMenuHandleTraits::DeleteTemporary(CMenu* pMenu)
{
    pMenu->m_hMenu = nullptr;   // borrowed: not ours to destroy
    delete pMenu;
}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    return CMenuHandleMap::ForThread().FromHandle(hMenu);
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu)
{
    return hMenu == nullptr ? nullptr : CMenuHandleMap::ForThread().LookupPermanent(hMenu);
}

void CMenu::DeleteTempMap()
{
    CMenuHandleMap::ForThread().DeleteTemp();
}

BOOL CMenu::Attach(HMENU hNewMenu)
{
    ASSERT(m_hMenu == nullptr);
    if (hNewMenu == nullptr)
        return FALSE;
    m_hMenu = hNewMenu;
    CMenuHandleMap::ForThread().SetPermanent(hNewMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != nullptr)
    {
        CMenuHandleMap& map = CMenuHandleMap::ForThread();
        if (map.LookupPermanent(hMenu) == this)
            map.RemoveHandle(hMenu);
    }
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    return Attach(::LoadMenuA(hInst, lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEA(nIDResource));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

// --- Items ----------------------------------------------------------------------

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    ASSERT(::IsMenu(m_hMenu));
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    ASSERT(::IsMenu(m_hMenu));
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem)
{
    ASSERT(::IsMenu(m_hMenu));
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    ASSERT(::IsMenu(m_hMenu));
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    ASSERT(::IsMenu(m_hMenu));
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

int CMenu::GetMenuItemCount() const
{
    ASSERT(::IsMenu(m_hMenu));
    return ::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    ASSERT(::IsMenu(m_hMenu));
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    ASSERT(::IsMenu(m_hMenu));
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const
{
    ASSERT(::IsMenu(m_hMenu));
    int nLength = ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
    // A cut text is not always terminated by the system: terminate it here.
    if (lpString != nullptr && nMaxCount > 0)
        lpString[nLength < nMaxCount ? nLength : nMaxCount - 1] = '\0';
    return nLength;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    ASSERT(::IsMenu(m_hMenu));
    int nLength = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLength <= 0)
    {
        rString.Empty();
        return 0;
    }
    nLength = ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(nLength), nLength + 1, nFlags);
    rString.ReleaseBuffer();
    return nLength;
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos) const
{
    ASSERT(::IsMenu(m_hMenu) && lpMenuItemInfo != nullptr);
    return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPCMENUITEMINFOA lpMenuItemInfo, BOOL fByPos)
{
    ASSERT(::IsMenu(m_hMenu) && lpMenuItemInfo != nullptr);
    return ::SetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    ASSERT(::IsMenu(m_hMenu));
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    ASSERT(::IsMenu(m_hMenu));
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    ASSERT(::IsMenu(m_hMenu));
    return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    ASSERT(::IsMenu(m_hMenu));
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos)
{
    ASSERT(::IsMenu(m_hMenu));
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}

UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) const
{
    ASSERT(::IsMenu(m_hMenu));
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    ASSERT(::IsMenu(m_hMenu) && pWnd != nullptr);
    // Restored afterwards: a popup may open another one from a command.
    HMENU hPrevious = t_hTrackingMenu;
    t_hTrackingMenu = m_hMenu;
    BOOL bResult = ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
    t_hTrackingMenu = hPrevious;
    return bResult;
}

// --- Owner-drawn items ------------------------------------------------------

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT)
{
    // Owner-drawn items need a class that measures them.
    ASSERT(FALSE);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT)
{
    ASSERT(FALSE);
}

HMENU CMenu::GetTrackingMenu()
{
    return t_hTrackingMenu;
}

CMenu* CMenu::FindPopupMenuFromID(HMENU hMenu, UINT nID)
{
    if (hMenu == nullptr || !::IsMenu(hMenu))
        return nullptr;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        HMENU hSubMenu = ::GetSubMenu(hMenu, i);
        if (hSubMenu != nullptr)
        {
            if (CMenu* pFound = FindPopupMenuFromID(hSubMenu, nID))
                return pFound;
        }
        else if (::GetMenuItemID(hMenu, i) == nID)
        {
            // An item of a menu without owner: the same command may still be
            // an owner's item further on.
            if (CMenu* pOwner = FromHandlePermanent(hMenu))
                return pOwner;
        }
    }
    return nullptr;
}

BOOL CMenu::DispatchMeasureItem(HWND hWnd, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    ASSERT(lpMeasureItemStruct != nullptr);
    if (lpMeasureItemStruct->CtlType != ODT_MENU)
        return FALSE;
    UINT nID = lpMeasureItemStruct->itemID;
    CMenu* pMenu = FindPopupMenuFromID(t_hTrackingMenu, nID);
    if (pMenu == nullptr && hWnd != nullptr)
        pMenu = FindPopupMenuFromID(::GetMenu(hWnd), nID);
    if (pMenu == nullptr)
        return FALSE;
    pMenu->MeasureItem(lpMeasureItemStruct);
    return TRUE;
}

BOOL CMenu::DispatchDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    ASSERT(lpDrawItemStruct != nullptr);
    if (lpDrawItemStruct->CtlType != ODT_MENU)
        return FALSE;
    // For menu items the "window" of the item is the menu.
    CMenu* pMenu = FromHandlePermanent(reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem));
    if (pMenu == nullptr)
        return FALSE;
    pMenu->DrawItem(lpDrawItemStruct);
    return TRUE;
}
