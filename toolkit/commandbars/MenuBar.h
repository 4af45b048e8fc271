// CXTPMenuBar: the toolbar that stands in for the frame's menu. It is
// made from a menu resource, takes the menu away from the frame window and
// watches the frame (and, in an MDI frame, the MDI client and the active
// child) through the hook manager: Alt alone hands it the keyboard, Alt+
// letter opens its menus, WM_MDISETMENU switches its controls (one set per
// menu, so that each menu's customisation survives), and a maximized child
// gets its minimize, restore and close buttons at the end of the bar.
//
// The bar owns the frame's own menu (the one the frame had) and destroys it
// with itself; the frame's default-menu field is cleared then, so the
// frame never uses the destroyed handle.
#pragma once

#include "framework/core/Map.h"
#include "toolkit/commandbars/ToolBar.h"

class CXTPControls;

// The menu bar's bar id.
const UINT XTP_IDR_MENUBAR = 1;
// Asks an MDI child for the icon of its system-menu control (an HICON; 0
// lets the bar take the window's own).
const UINT WM_XTP_GETWINDOWICON = 10336;
// The window buttons of a maximized MDI child (XTP_ID_MENUBAR_CLOSE,
// _RESTORE, _MINIMIZE) and the bitmap of their pictures come from
// ToolkitRes.h; the system-menu button of the child:
const UINT XTP_ID_MENUBAR_SYSMENU = 9406;
// Posted to the bar when the MDI state may have changed.
const UINT_PTR XTP_TID_MDIREFRESH = 12223;

// Bar flags of the menu bar.
const DWORD xtpFlagHideMinimizeBox = 0x100;
const DWORD xtpFlagHideMaximizeBox = 0x200;
const DWORD xtpFlagIgnoreSetMenuMessage = 0x400;
const DWORD xtpFlagHideClose = 0x1000;
const DWORD xtpFlagAddMDISysPopup = 0x2000;

// Menus other than the frame's own are kept under their handle with this bit.
const UINT_PTR kMenuHandleTag = static_cast<UINT_PTR>(1) << (sizeof(UINT_PTR) * 8 - 1);

class CXTPMenuBar : public CXTPToolBar
{
    DECLARE_DYNCREATE(CXTPMenuBar)
public:
    class CControlMDIButton;
    class CControlMDISysMenuPopup;

    CXTPMenuBar();
    ~CXTPMenuBar() override;

    // Fills the bar from the menu resource (0 keeps the controls), hooks
    // the frame, and takes the frame's menu away. FALSE when the resource
    // is missing.
    BOOL LoadMenuBar(UINT nIDMenu);
    // Shows the controls of another menu (the frame's own for null).
    void SwitchMenu(HMENU hMenu);
    // The active MDI child (null outside an MDI frame or without one).
    HWND GetActiveMdiChild(BOOL* pbMaximized = nullptr) const;
    // Adds or removes the window buttons of a maximized child.
    void UpdateMdiButtons();
    // Adds, refills or removes the system-menu control of a maximized
    // child (bar flag 0x2000) at the front of the bar; TRUE when the bar
    // changed.
    BOOL UpdateSysMenuPopup(HWND hChild, BOOL bMaximized);
    UINT GetCurrentMenuId() const { return m_nIDMenuCurrent; }
    UINT_PTR GetCurrentMenuKey() const { return m_nCurrentKey; }
    HMENU GetFrameMenu() const { return m_hMenuDefault; }
    // The number of menus whose controls are parked.
    INT_PTR GetParkedMenuCount() const { return m_mapControls.GetCount(); }

    // The bar differs from what its menus made: FALSE when not
    // customizable. Parked sets are pruned first: the bar shows the frame's
    // own menu again and the parked sets still equal to their first state
    // are released. TRUE while a parked set is left or the bar's own
    // controls changed (or have no first state to compare with).
    BOOL HasCustomization();
    // Stored with the customised controls: what HasCustomization says, so
    // a bar whose only changes are in parked sets is stored too.
    BOOL ShouldSaveControls() override;
    // The bar switched back to the frame's own menu at the last pruning.
    BOOL WereMenusReset() const { return m_bMenusReset; }

    void ResetToolBar(BOOL bConfirm) override;
    void Copy(CXTPCommandBar* pSource, BOOL bRecursive) override;
    // After the toolbar's keys: "ResourceId", then "Count" sections
    // "MDIMenu0".. of the kept menus, each its "Id" and its controls.
    void DoPropExchange(CXTPPropExchange* pPX) override;
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                      LRESULT& lResult) override;

protected:
    void RegisterFrameHooks();
    // Refreshes the child hook and, while visible, the window buttons.
    void RefreshMdiState();
    // The key of a menu: the frame's own menu is its resource id, another
    // menu its handle with the tag bit.
    UINT_PTR GetMenuKey(HMENU hMenu) const;
    void ReleaseParkedControls();
    void PruneParkedControls();
    void StoreKeptMenus(CXTPPropExchange* pPX);
    void LoadKeptMenus(CXTPPropExchange* pPX);
    CWnd* GetSiteFrame() const;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    BOOL m_bMdiFrame;
    HWND m_hWndActiveChild;
    HMENU m_hMenuDefault;
    UINT m_nIDMenuCurrent;
    UINT_PTR m_nCurrentKey;
    CMap<UINT_PTR, UINT_PTR, CXTPControls*, CXTPControls*> m_mapControls;
    BOOL m_bMenusReset;
};
