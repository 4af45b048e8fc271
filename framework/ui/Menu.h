// Menus. A CMenu owns the menu it created, loaded or was given by Attach and
// destroys it with itself; FromHandle and GetSubMenu hand out wrappers that
// only borrow (the owner on this thread, else a temporary the idle pass
// frees). Owner-drawn items reach the virtual MeasureItem and DrawItem of
// the owning CMenu through the Dispatch... calls of the window that gets
// WM_MEASUREITEM and WM_DRAWITEM.
#pragma once

#include "framework/core/String.h"
#include "framework/ui/Gdi.h"

class CMenu;
class CWnd;

// How the menu handle map makes and lets go of temporary wrappers.
struct CMenuHandleTraits
{
    static CMenu* NewTemporary(HMENU hMenu);
    static void DeleteTemporary(CMenu* pMenu);
};
using CMenuHandleMap = CHandleMap<HMENU, CMenu, CMenuHandleTraits>;

class CMenu : public CObject
{
    DECLARE_DYNCREATE(CMenu)
public:
    CMenu() = default;
    ~CMenu() override;

    HMENU m_hMenu = nullptr;

    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    static CMenu* FromHandle(HMENU hMenu);
    // The owner on this thread, or null: no temporary is made.
    static CMenu* FromHandlePermanent(HMENU hMenu);
    static void DeleteTempMap();
    BOOL Attach(HMENU hNewMenu);
    HMENU Detach();

    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    // From the module that holds the resource (AfxFindResourceHandle).
    BOOL LoadMenu(LPCSTR lpszResourceName);
    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();

    // --- Items ----------------------------------------------------------------
    // nFlags MF_OWNERDRAW: lpszNewItem is the item data handed to
    // MeasureItem and DrawItem. MF_POPUP: nIDNewItem is the sub-menu's HMENU.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
    // RemoveMenu keeps a sub-menu alive, DeleteMenu destroys it.
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);

    int GetMenuItemCount() const;
    // 0 for a separator, (UINT)-1 for a sub-menu or a bad position.
    UINT GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    // The text cut to nMaxCount - 1 characters, always terminated.
    int GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const;
    // Texts of any length.
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos = FALSE) const;
    BOOL SetMenuItemInfo(UINT uItem, LPCMENUITEMINFOA lpMenuItemInfo, BOOL fByPos = FALSE);
    CMenu* GetSubMenu(int nPos) const;

    // Both return the previous state, (UINT)-1 when there is no such item.
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
    BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE);
    // gmdiFlags: GMDI_USEDISABLED, GMDI_GOINTOPOPUPS; (UINT)-1 for none.
    UINT GetDefaultItem(UINT gmdiFlags, BOOL fByPos = FALSE) const;

    // Shows the menu as a popup owned by pWnd. With TPM_RETURNCMD the result
    // is the chosen command (0 for none) and nothing is sent to the window.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

    // --- Owner-drawn items ------------------------------------------------
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    // The popup that TrackPopupMenu shows on this thread right now, or null.
    static HMENU GetTrackingMenu();
    // The owner of the menu (below hMenu, hMenu included) that holds the
    // command nID; null when no such menu has an owner on this thread.
    static CMenu* FindPopupMenuFromID(HMENU hMenu, UINT nID);
    // For the window procedure: an owner-drawn menu item (CtlType ODT_MENU)
    // goes to its CMenu's MeasureItem / DrawItem. MeasureItem looks for the
    // item in the popup being tracked, then in hWnd's menu.
    // FALSE when no CMenu holds the item.
    static BOOL DispatchMeasureItem(HWND hWnd, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    static BOOL DispatchDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
};
