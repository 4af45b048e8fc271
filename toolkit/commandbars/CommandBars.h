// CXTPCommandBars: the one object per frame that owns and coordinates the
// bars on it. This file holds its options, its switches, the control
// actions, the customize state and the paint and image managers it may own;
// the bar list, docking, keyboard and persistence build on it.
#pragma once

#include "framework/core/Array.h"
#include "framework/core/Geometry.h"
#include "framework/core/Map.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"

#include <vector>

class CArchive;
class CWnd;
class CXTPCommandBar;
class CXTPCommandBars;
class CXTPControl;
class CXTPControlAction;
class CXTPControlActions;
class CXTPDockBar;
class CXTPShortcutManager;
class CXTPImageManager;
class CXTPPaintManager;
class CXTPPropExchange;
class CXTPToolTipContext;
class CustomizeDragSource;
class CXTPMenuBar;
class CXTPMouseManager;
class CXTPPopupBar;
class CXTPReBar;
class CXTPToolBar;
struct CRuntimeClass;
struct XTP_COMMANDBARS_PROPEXCHANGE_PARAM;

// The command id of the customize command.
const UINT XTP_ID_CUSTOMIZE = 35001;
// The command id of the toolbar-list placeholder.
const UINT XTP_ID_TOOLBARS_LIST = 0xE800;
// Sent to the site before the toolbar list opens as a context menu; wParam:
// the clicked bar's window, lParam: the popup bar, which the site may add to.
const UINT XTP_WM_TOOLBARCONTEXTMENU = 10332;

using CXTPCommandMap = CMap<UINT, UINT, BOOL, BOOL>;

class CXTPCommandBarsOptions : public CCmdTarget
{
    DECLARE_DYNAMIC(CXTPCommandBarsOptions)
public:
    explicit CXTPCommandBarsOptions(CXTPCommandBars* pCommandBars = nullptr);

    BOOL bAlwaysShowFullMenus;
    BOOL bShowFullAfterDelay;
    BOOL bToolBarScreenTips;
    BOOL bToolBarAccelTips;
    BOOL bLargeIcons;
    BOOL bSyncFloatingBars;
    BOOL bShowExpandButtonAlways;
    BOOL bDblClickFloat;
    BOOL bShowTextBelowIcons;
    BOOL bAltDragCustomization;
    BOOL bAutoHideUnusedPopups;
    // Set when the bar state changed during the run; the frame stores the
    // state at closing only while it is set.
    BOOL bDirty;
    int nAnimationType;
    int keyboardCuesUse;
    CSize szIcons;
    CSize szLargeIcons;
    CSize szPopupIcons;
    BOOL bUseNumPadAccessKeys;
    CXTPCommandMap m_mapHiddenCommands;
    CXTPCommandMap m_mapUsedCommands;
    CXTPCommandBars* m_pCommandBars;
    int keyboardCuesShow;

    // The stored options: with bProfile the profile's short form, else all
    // of them (CommandBarsOptions.cpp).
    void DoPropExchange(CXTPPropExchange* pPX, BOOL bProfile);
    void Serialize(CArchive& ar) override;
    // 0 always shows access-key underlines, 1 never, 2 as the system shows them.
    void SetAccessKeyUnderlineMode(int nMode);

    // Switches that are not stored.
    BOOL bShowPopupBarToolTips;
    BOOL bAutoUpdateShortcuts;
    BOOL bUseSystemSaveBitsStyle;
    BOOL bShowStatusDescriptions;
    BOOL bDisableCommandIfNoHandler;
    // Every control may be moved in customize mode, customizable bar or not.
    BOOL bAllowMoveAll;
};

class CXTPCommandBars : public CCmdTarget
{
    DECLARE_DYNCREATE(CXTPCommandBars)
public:
    CXTPCommandBars();
    ~CXTPCommandBars() override;

    CXTPCommandBarsOptions* GetCommandBarsOptions() const { return m_pOptions; }
    // The option set in the profile section "<base>-Options".
    void WriteOptionsToProfile(LPCSTR lpszProfileName);
    void ReadOptionsFromProfile(LPCSTR lpszProfileName);

    // Own paint manager, else the current process-wide one (made on first use).
    CXTPPaintManager* GetPaintManager() const;
    CXTPImageManager* GetImageManager() const;
    // Each takes a reference on the new manager and releases the old one.
    void SetPaintManager(CXTPPaintManager* pPaintManager);
    void SetImageManager(CXTPImageManager* pImageManager);

    // The frame the bars live on; records whether it handles the customize
    // command and whether it lays out right to left.
    void SetSite(CWnd* pSite);
    CWnd* GetSite() const { return m_pSite; }
    // The site's window is being destroyed (its dock bars go with it): the
    // site is forgotten. The toolbars' windows go with the site's; the
    // toolbars themselves when the command bars are released.
    void OnSiteDestroyed();
    BOOL IsCustomizableControls() const { return m_bCustomizableControls; }
    BOOL IsLayoutRTL() const;

    // Control actions: command state shared by all controls of an id.
    CXTPControlActions* GetActions() const { return m_pActions; }
    BOOL IsActionsEnabled() const { return m_bEnableActions; }
    void EnableActions(BOOL bEnable = TRUE) { m_bEnableActions = bEnable; }
    // The action of the id, made on demand; null with actions switched off.
    CXTPControlAction* GetAction(int nId);

    // Customize mode and the control marked in it.
    BOOL IsCustomizeMode() const { return m_bCustomizeMode; }
    void SetCustomizeMode(BOOL bMode);
    CXTPControl* GetDragControl() const { return m_pDragSelected; }
    void SetDragControl(CXTPControl* pControl);
    // Access keys shown on the bars now.
    BOOL IsAccessKeysShown() const { return m_bKeyboardCuesVisible; }
    // While underlines follow the keyboard (access-key tracking), shows or
    // hides them and redraws the toolbars; customize mode keeps them shown.
    void ShowAccessKeyUnderlines(BOOL bShow);
    // Underlines follow the keyboard: shown by Alt, hidden when tracking ends.
    BOOL IsAccessKeyTracking() const { return m_bAccessKeyTracking; }
    void SetAccessKeyTracking(BOOL bTracking) { m_bAccessKeyTracking = bTracking; }

    // Hidden and used commands of the personalised menus.
    virtual BOOL IsCommandHidden(UINT nId);
    virtual BOOL IsControlHidden(CXTPControl* pControl);
    void SetCommandUsed(UINT nId);
    void HideCommand(UINT nId) { m_pOptions->m_mapHiddenCommands.SetAt(nId, TRUE); }

    // Customizing is allowed (the user may switch customize mode on).
    BOOL IsCustomizable() const { return m_bCustomizable; }
    void EnableCustomization(BOOL bEnable) { m_bCustomizable = bEnable; }
    // The tooltip context every bar relays its messages to.
    CXTPToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }
    // The customize drag of controls between the bars; every bar registers
    // with it while its window exists.
    CustomizeDragSource* GetDragSource() const { return m_pDragSource; }
    // The help id of the selected control (0: none).
    int GetHelpId() const { return m_nHelpId; }
    void SetHelpId(int nHelpId) { m_nHelpId = nHelpId; }
    // The menu the frame shows now, which the controls' document-template
    // sets are tested against: in an MDI frame the resource id of the
    // active child's document template (0 when no template has the child's
    // id or the child shows no document), the menu bar's resource id while
    // no child is active; 0 in other frames.
    virtual UINT GetActiveMenuId();
    // A bar entered or left tracking mode; the underlines follow.
    virtual void OnTrackingModeChanged(CXTPCommandBar* pBar, int nMode);
    // Lays the frame out again (at once, or at the next idle time).
    virtual void RecalcFrameLayout(BOOL bDelay = FALSE);

    // The toolbars, the menu bar included, in creation order. Each is a
    // window on the site: docked ones are its children, laid out by the
    // site's WM_SIZEPARENT; floating ones are popups it owns.
    int GetCount() const { return static_cast<int>(m_arrBars.GetSize()); }
    // Null outside 0..count-1.
    CXTPToolBar* GetAt(int nIndex) const;
    int FindIndex(const CXTPCommandBar* pBar) const;
    // The first toolbar with the id; null for id 0.
    CXTPToolBar* GetToolBar(UINT nBarID) const;
    // The toolbar with bar id 1 when it is a menu bar.
    CXTPMenuBar* GetMenuBar() const;
    // A new toolbar of the class (CXTPToolBar by default) at the position;
    // null when it refuses the position.
    CXTPToolBar* CreateToolBar(LPCSTR lpszTitle, int nPosition, CRuntimeClass* pToolBarClass = nullptr);
    // The menu bar (bar id 1, at the top) filled from the menu resource;
    // null when the resource is missing.
    CXTPMenuBar* CreateMenuBar(LPCSTR lpszTitle, UINT nIDMenu);
    UINT GetMenuResourceId() const { return m_nIDMenu; }
    // A toolbar the user or a torn-off popup makes: of the toolbar class,
    // shown to the site first (10337 with the request record: the bar, 0,
    // 0, the tear-off flag, 0, the title, the bar id), floating when torn
    // off, else at the top; not built in. Null when it cannot be placed.
    virtual CXTPToolBar* CreateToolBarFromSite(LPCSTR lpszTitle, UINT nBarID, BOOL bTearOff);
    // The class CreateToolBarFromSite makes (CXTPToolBar by default).
    void SetToolBarClass(CRuntimeClass* pToolBarClass) { m_pToolBarClass = pToolBarClass; }
    // The thread's mouse manager.
    CXTPMouseManager* GetMouseManager() const;
    // Hides the toolbar, takes it from the list and releases it.
    void Remove(CXTPToolBar* pToolBar);
    void RemoveAll();
    void ToggleVisible(int nIndex);
    // Puts the toolbar's window docked at a side (0..3) or floating (4).
    virtual BOOL PlaceToolBar(CXTPToolBar* pToolBar, int nPosition);
    // The toolbar list as a context menu at the screen point, after the site
    // had its say (10332 names the clicked bar or dock bar); not in
    // customize mode. Returns when it closes.
    virtual void ShowToolBarsContextMenu(CWnd* pClicked, CPoint ptScreen);
    virtual CXTPPopupBar* CreateToolbarsContextMenu();
    // The expand menu of the toolbar (CommandBarsExpand.cpp): copies of the
    // buttons hidden for lack of room of every toolbar of its dock row, and
    // the add-or-remove-buttons menu with an entry per toolbar of the row,
    // then the customize command where the site customizes.
    virtual void AddRowPopupCopies(CXTPToolBar* pToolBar, CXTPCommandBar* pPopup);
    virtual void BuildAddRemoveButtonsMenu(CXTPToolBar* pToolBar, CXTPCommandBar* pPopup);
    // The customise context menu (the customize window sets it): shown at
    // the screen point over the control marked by a right click.
    void SetCustomizeContextMenu(CXTPPopupBar* pPopup);
    CXTPPopupBar* GetCustomizeContextMenu() const { return m_pCustomizeContextMenu; }
    void ShowCustomizeContextMenu(CPoint ptScreen);
    // The site's rebar (child 59396), when it is one of the toolkit's.
    CXTPReBar* GetReBar() const;
    // A toolbar as a band of its own row in the rebar, when there is one.
    virtual void AddBarToReBar(CXTPToolBar* pToolBar);
    // The toolbar's band leaves the rebar.
    virtual void RemoveBarFromReBar(CXTPToolBar* pToolBar);
    // Runs the popup as a modal menu at the screen point (TPM_ flags; the
    // owner defaults to the popup's site). With TPM_RETURNCMD the chosen
    // command id comes back instead of running (0: none), else 1 once the
    // menu closed; 0 when the popup could not open.
    static UINT TrackCommandBarPopup(CXTPPopupBar* pPopup, UINT nFlags, int x, int y,
                                     CWnd* pWndOwner = nullptr, LPCRECT lprcExclude = nullptr);
    BOOL IsLayoutLocked() const { return m_bLockLayout; }
    void LockLayout(BOOL bLock) { m_bLockLayout = bLock; }

    // Moves keyboard tracking from the bar to the next (nStep 1) or previous
    // (-1) visible toolbar; FALSE when there is none to move to.
    virtual BOOL ActivateBar(CXTPCommandBar* pBar, int nStep);
    // Alt+letter (pBar null), or a letter pressed while the toolbar pBar
    // tracks: the tracking bar or the menu bar finds its control, selects
    // it and, when no other shares the key, runs it. TRUE when one took it.
    virtual BOOL HandleAccessKey(CXTPCommandBar* pBar, UINT nChar);
    // The control whose access key is nChar, walking once round from after
    // the bar's selection (on into the other visible toolbars when the
    // options let toolbars answer); bAmbiguous tells whether another
    // control shares the key.
    CXTPControl* FindAccessKeyControl(CXTPCommandBar* pBar, UINT nChar, BOOL& bAmbiguous);
    // The next visible toolbar with controls after the index in the step's
    // direction, wrapping round once; -1 when none.
    int GetNextVisibleBar(int nIndex, int nStep) const;

    // The four dock bars along the site's edges (CommandBarsDocking.cpp),
    // children of the site: 0 top, 1 bottom, 2 left, 3 right.
    void CreateDockBars();
    CXTPDockBar* GetDockBar(int nPosition) const;
    // The dock bar that takes a bar dragged to the screen point: the current
    // one when the point lies within 20 pixels of it, else the first of top,
    // bottom, left and right that does; null when none.
    CXTPDockBar* CanDock(CPoint ptScreen, CXTPDockBar* pCurrent = nullptr) const;
    // Docks the toolbar into the dock bar at the screen rectangle (null: a
    // new last row); its window becomes the dock bar's child.
    virtual BOOL DockCommandBar(CXTPToolBar* pToolBar, LPCRECT lpRect, CXTPDockBar* pDockBar);
    // The toolbar leaves its dock bar and floats where its window is, as a
    // popup the site owns.
    virtual BOOL FloatCommandBar(CXTPToolBar* pToolBar);
    // Runs the site frame's layout when one was asked for later.
    void IdleRecalcLayout();
    // After a change of the system's colours or settings: every control of
    // every toolbar renews what it keeps of the theme, the visible toolbars
    // are measured again, the tab workspace and the status bar repaint,
    // and the frame is laid out and its frame painted once
    // (CommandBarsRedraw.cpp).
    void RedrawCommandBars();

    // The accelerators, made on first use (FrameMessages.cpp).
    CXTPShortcutManager* GetShortcutManager();
    // Print preview: the accelerators rest until it ends.
    void SetPreviewMode(BOOL bPreview);
    // The frame's messages before its own handling; TRUE when handled here.
    virtual BOOL OnFrameWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Keyboard messages after the frame's own pre-translation: Alt shows
    // the underlines, keys run accelerators. TRUE when taken.
    virtual BOOL PreTranslateFrameMessage(MSG* pMsg);
    // A key typed into a bar's edit field that has the focus, other than
    // Enter, Tab and Esc: no accelerator may take it.
    BOOL IsKeyForFocusedEdit(const MSG* pMsg);
    // Alt+Shift+letter is left to the window instead of acting as Alt+letter.
    void SetIgnoreShiftMenuKey(BOOL bIgnore) { m_bIgnoreShiftMenuKey = bIgnore; }
    // The customize window while it is open, and customise drags running
    // (they nest): the frame does not close meanwhile.
    void SetCustomizeWindow(HWND hWnd) { m_hwndCustomize = hWnd; }
    HWND GetCustomizeWindow() const { return m_hwndCustomize; }
    void SetCustomizeDragRunning(BOOL bRunning);
    BOOL IsCustomizeRunning() const;

    // The whole bar state in the profile under one base section name
    // (CommandBarsStateProfile.cpp): the arrangement of the toolbars and,
    // when the site handles the customize command, the bars' controls.
    void StoreStateToProfile(LPCSTR lpszProfileName, BOOL bStoreArgument = TRUE);
    // Reads it back; bSilent keeps the question about a toolbar whose
    // resource changed since it was customised from the user.
    void RestoreStateFromProfile(LPCSTR lpszProfileName, BOOL bSilent = FALSE);
    // Where the controls go when they are too large for the profile; empty:
    // a hidden file in the user's application-data folder.
    void SetControlsSideFile(LPCSTR lpszPath) { m_strControlsSideFile = lpszPath; }
    // The bars to store: each toolbar followed depth-first by the popup bars
    // its controls reach, each bar once and with a reference the caller
    // releases. Popup bars without an id of their own get one from 0x1000000.
    virtual void CollectBars(std::vector<CXTPCommandBar*>& bars,
                             XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParams);
    // Loaded toolbars: running ones with the same id take the loaded
    // controls, the others join the list.
    virtual void ApplyLoadedBars(const std::vector<CXTPCommandBar*>& bars, BOOL bSilent);

    // Ends the tracking of every open popup.
    virtual void CloseAllPopups();
    // The customize drag of a control: 0 dropped where no bar takes it,
    // 1 copied, 2 moved to a bar, 5 cancelled.
    virtual int DoCustomizeDrag(CXTPControl* pControl, BOOL bCopy);

private:
    BOOL m_bIgnoreShiftMenuKey;
    CXTPPaintManager* m_pPaintManager;
    CXTPImageManager* m_pImageManager;
    CXTPControl* m_pDragSelected;
    BOOL m_bCustomizeMode;
    BOOL m_bCustomizableControls;
    WORD m_nIDMenu;
    CXTPCommandBarsOptions* m_pOptions;
    CWnd* m_pSite;
    BOOL m_bKeyboardCuesVisible;
    CXTPControlActions* m_pActions;
    BOOL m_bEnableActions;
    BOOL m_bLockLayout;
    BOOL m_bRightToLeft;
    CArray<CXTPToolBar*, CXTPToolBar*> m_arrBars;
    BOOL m_bCustomizable;
    BOOL m_bAccessKeyTracking;
    int m_nHelpId;
    CXTPToolTipContext* m_pToolTipContext;
    CustomizeDragSource* m_pDragSource;

    void DestroyDockBars();
    void RedrawSite();
    // The idle command-UI pass of every floating toolbar.
    void UpdateFloatingBars(WPARAM wParam, LPARAM lParam);
    CXTPShortcutManager* m_pShortcutManager = nullptr;
    HWND m_hwndCustomize = nullptr;
    int m_nCustomizeDragRunning = 0;
    CXTPDockBar* m_pDocks[4] = {};
    // The site's window when it was set: a site whose window has gone may be
    // a deleted object.
    HWND m_hSite = nullptr;
    CString m_strControlsSideFile;
    CXTPPopupBar* m_pCustomizeContextMenu = nullptr;
    CRuntimeClass* m_pToolBarClass = nullptr;
    // An Alt+letter was taken as an access key while Alt is still down.
    BOOL m_bAltKeyTaken = FALSE;
    // The menu key (Alt or F10) that went down in the site's window family
    // with nothing else pressed since, else 0: its release hands the
    // keyboard to the menu bar.
    UINT m_nMenuKeyAlone = 0;
    // Follows the keys and buttons for a menu key pressed alone; TRUE when
    // the message is that key's release, now acted on.
    BOOL TakeMenuKeyAlone(const MSG* pMsg, BOOL bTracked);
    // The sub-bars IsControlHidden is looking into now: a bar that holds
    // itself further down is not searched again.
    std::vector<const CXTPCommandBar*> m_hiddenSearch;
};
