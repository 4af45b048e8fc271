// CXTPCommandBar: the window every bar of the toolkit derives from (toolbar,
// menu bar, popup bar, dialog bar). It holds an ordered collection of
// controls, knows its owning command bars, its paint and image managers and
// its site, and offers the sizes its controls are laid out with.
//
// The window behaviour is spread over a few files by concern:
// CommandBar.cpp the data, selection and tracking mode; CommandBarWnd.cpp the
// window messages (paint, mouse, timers, help); CommandBarKeys.cpp the
// keyboard navigation of tracking mode; CommandBarUpdate.cpp the idle update
// of the controls, the status text and the menu converter.
//
// Tracking mode: 0 the bar is idle; 1 the keyboard moves its selection
// (entered by Alt or F10 on a menu bar, or by Ctrl+Tab); 2 a popup of one of
// its controls is open. While tracking, the bar is a handler of the thread's
// keyboard manager and gets every key before any window does.
#pragma once

#include "toolkit/commandbars/Accessible.h"
#include "framework/core/String.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/HookManagerHookAble.h"

class CDC;
class CMenu;
class CXTPCommandBarAnimation;
class CXTPCommandBars;
class CXTPDockBar;
class CXTPDockContext;
class CXTPControl;
class CXTPControlPopup;
class CXTPControls;
class CXTPImageManager;
class CXTPPaintManager;
class CXTPPropExchange;
class CXTPToolTipContext;

// Bar types.
enum XTPBarType
{
    xtpBarTypeMenuBar = 0,
    xtpBarTypeNormal = 1,
    xtpBarTypePopup = 2,
    xtpBarTypeRibbon = 3,
};

// Bar positions; 2, 3 and 5 lay their controls out vertically.
enum XTPBarPosition
{
    xtpBarTop = 0,
    xtpBarBottom = 1,
    xtpBarLeft = 2,
    xtpBarRight = 3,
    xtpBarFloating = 4,
    xtpBarPopup = 5,
    xtpBarListBox = 6,
    xtpBarNone = 7,
};

// Dirty bits of the deferred idle work.
const DWORD xtpDirtyLayout = 1;
const DWORD xtpDirtyRedraw = 2;

// Bar Flags bits the painters and layout read.
const DWORD xtpFlagAlignTop = 0x01;
const DWORD xtpFlagAlignBottom = 0x02;
const DWORD xtpFlagAlignLeft = 0x04;
const DWORD xtpFlagAlignRight = 0x08;
const DWORD xtpFlagFloating = 0x10;
const DWORD xtpFlagHideWrap = 0x20;
const DWORD xtpFlagStretched = 0x40;
const DWORD xtpFlagShrinkByStyle = 0x200000;

// Bar style bit: the bar shows a gripper.
const DWORD xtpBarStyleGripper = 0x400000;

// Actions of the keyboard navigation (ProcessSpecialKey).
enum XTPSpecialKey
{
    xtpKeyNext = 1,
    xtpKeyPrev = 2,
    xtpKeyBack = 3,     // collapse: close the open popup, or up on a vertical bar
    xtpKeyPopup = 4,    // expand: open the selected control's popup
    xtpKeyEscape = 5,
    xtpKeyReturn = 6,
    xtpKeyHome = 7,
    xtpKeyEnd = 8,
};

// Private messages a bar sends to its site window.
const UINT XTP_WM_CONTROLSELECTED = 10326;   // wParam: the selected control or 0
const UINT XTP_WM_TRACKINGMODE = 10328;      // wParam: the menu bar entering tracking
const UINT XTP_WM_CONTROLRBUTTONUP = 10329;  // wParam: POINT* (client), lParam: the control
const UINT XTP_WM_BARKEYDOWN = 10330;        // wParam: XTP_BARKEYDOWN*, lParam: the bar

// The key record of XTP_WM_BARKEYDOWN.
struct XTP_BARKEYDOWN
{
    UINT nChar;
    LPARAM lKeyData;
};

// Timers of the bar window.
const UINT_PTR XTP_TID_HOVER = 112223;
const UINT_PTR XTP_TID_EXPANDED_POPUP = 112224;
// The process-wide hover and expand delays (ms).
extern UINT g_nXTPHoverDelay;
extern UINT g_nXTPExpandDelay;

BOOL IsVerticalLayoutPosition(int nPosition);
// The access letter of a caption: the character after the first single
// ampersand, else the first character with bFallback set.
UINT XTPAccessLetterOf(const CString& strCaption, BOOL& bFallback);
BOOL IsVerticalDockPosition(int nPosition);

class CXTPCommandBar : public CWnd, public CXTPHookManagerHookAble, public CXTPAccessible
{
    DECLARE_DYNCREATE(CXTPCommandBar)
public:
    CXTPCommandBar();
    ~CXTPCommandBar() override;

    // The redraw animation (also the bar's paint buffer) and the tooltip
    // context the bar relays its messages to (null without command bars).
    CXTPCommandBarAnimation* GetAnimation() const { return m_pAnimation; }
    CXTPToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }

    // Controls.
    CXTPControls* GetControls() const { return m_pControls; }
    int GetControlCount() const;
    // Null outside 0..count-1.
    CXTPControl* GetControl(int nIndex) const;

    // Owner and relatives.
    CXTPCommandBars* GetCommandBars() const;
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    // The top of the chain of parent bars (this bar when it has no parent).
    CXTPCommandBar* GetRootParent() const;
    BOOL IsCustomizeMode() const;
    BOOL IsLayoutRTL() const;
    // Own, else the command bars', else the root parent's, else the current one.
    CXTPPaintManager* GetPaintManager() const;
    CXTPImageManager* GetImageManager() const;
    // Each takes a reference on the new manager and releases the old one.
    void SetPaintManager(CXTPPaintManager* pPaintManager);
    void SetImageManager(CXTPImageManager* pImageManager);
    // The window that receives the bar's commands and the one that gets its
    // notifications.
    CWnd* GetSite() const;
    CWnd* GetOwnerSite() const;
    void SetSite(CWnd* pSite) { m_pSite = pSite; }
    void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }

    // Sizes.
    CSize GetIconSize() const;
    CSize GetLargeIconSize() const;
    CSize GetButtonSize() const;
    void SetIconSize(CSize size) { m_szIcons = size; }
    void SetButtonSize(CSize size) { m_szButtons = size; }
    BOOL GetShowTextBelowIcons() const;
    // 0 or 1 explicit, 2 follow the command bars' option.
    void SetShowTextBelowIcons(int nShow) { m_nTextBelowIcons = nShow; }

    // Identity and layout words.
    int GetType() const { return m_barType; }
    int GetPosition() const { return m_barPosition; }
    UINT GetBarID() const { return m_nBarID; }
    void SetBarID(UINT nID) { m_nBarID = nID; }
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    DWORD GetFlags() const { return m_dwFlags; }
    void SetFlags(DWORD dwFlags) { m_dwFlags = dwFlags; }
    void ModifyFlags(DWORD dwAdd, DWORD dwRemove) { m_dwFlags = (m_dwFlags | dwAdd) & ~dwRemove; }
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    int GetMRUWidth() const { return m_nMRUWidth; }
    void SetMRUWidth(int nWidth) { m_nMRUWidth = nWidth; }
    BOOL IsVerticalPosition() const { return IsVerticalLayoutPosition(m_barPosition); }
    // Popup bars with two icon columns (a check mark beside the icon).
    BOOL IsDoubleGripper() const { return m_bDoubleGripper; }
    void SetDoubleGripper(BOOL bDouble) { m_bDoubleGripper = bDouble; }

    // State the controls read and change.
    int GetTrackingMode() const { return m_nTrackingMode; }
    int GetSelectedIndex() const { return m_nSelected; }
    int GetPopupIndex() const { return m_nPopuped; }
    int GetLockCount() const { return m_nLockCount; }
    DWORD GetDirtyFlags() const { return m_dwDirty; }
    void ClearDirtyFlags() { m_dwDirty = 0; }
    // The root of a popup tracked to hand back the chosen command.
    BOOL IsReturnCommand() const { return m_bReturnCmd; }
    void SetReturnCommand(BOOL bReturn) { m_bReturnCmd = bReturn; m_nReturnCmd = 0; }
    int GetReturnedCommand() const { return m_nReturnCmd; }
    void SetReturnedCommand(int nCommand) { m_nReturnCmd = nCommand; }
    BOOL IsAnimationEnabled() const;
    BOOL GetAnimationEnabled() const { return IsAnimationEnabled(); }
    void EnableAnimation(BOOL bEnable);
    void SetAnimationFlags(DWORD dwFlags);
    // Raised by the mouse manager around other modal loops: while above 0
    // the bar ignores keys, hover timers and popup mouse moves.
    void SetLockCount(int nLock) { m_nLockCount = nLock > 0 ? nLock : 0; }
    void LockTracking(BOOL bLock) { SetLockCount(m_nLockCount + (bLock ? 1 : -1)); }
    BOOL IsIgnoringLock() const { return m_bIgnoreLock; }
    BOOL IsOpenOnHover() const { return m_bOpenOnHover; }
    void SetOpenOnHover(BOOL bOpen) { m_bOpenOnHover = bOpen; }
    BOOL IsEnteredByMouse() const { return m_bEnteredByMouse; }
    // Only the first popup after a mouse click animates.
    void ClearEnteredByMouse() { m_bEnteredByMouse = FALSE; }
    int GetLastSelectionMethod() const { return m_nLastSelectionMethod; }
    void LockRedraw(BOOL bLock) { m_nRedrawLock += bLock ? 1 : (m_nRedrawLock > 0 ? -1 : 0); }
    // Sets the layout-dirty bit and forgets selection and open popup.
    void ResetSelection();
    // Marks the layout for recalculation in the idle pass.
    void DelayLayout() { m_dwDirty |= xtpDirtyLayout; }
    // Puts back the selected and open-popup indexes and the dirty bits
    // without telling any control: list placeholders insert and remove
    // their items inside every layout pass, which must neither mark the bar
    // for another layout nor drop its selection.
    void RestoreLayoutState(int nSelected, int nPopuped, DWORD dwDirty);
    // The control's effective index of selection the bar remembers after a press.
    void SetLastSelected(int nIndex) { m_nLastSelected = nIndex; }
    int GetLastSelected() const { return m_nLastSelected; }
    // The window that gets the focus back when a field of the bar gives it up.
    HWND GetFocusReturnWindow() const { return m_hwndFocus; }
    void SetFocusReturnWindow(HWND hWnd) { m_hwndFocus = hWnd; }

    // Virtual operations the controls call; the bar classes give them
    // window behaviour.
    virtual void DelayRedraw();
    virtual BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE);
    virtual BOOL SetSelected(int nSelected, int nHow = 1);
    // Converts a menu into controls (the old ones removed first on request);
    // FALSE when the handle is no menu.
    virtual BOOL LoadMenu(CMenu* pMenu, BOOL bRemoveControls = TRUE);
    // Loads a toolbar resource; the toolbar family reads it.
    virtual BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE);
    // Opens the bar as the popup of the control; popup bars do it.
    virtual BOOL Popup(CXTPControlPopup* pControlPopup, BOOL bKeyboard = FALSE);
    virtual BOOL SetPosition(int nPosition);
    virtual BOOL IsVisible() const;
    virtual void SetVisible(BOOL bVisible);
    virtual BOOL IsCustomizable() const { return m_bCustomizable; }
    void SetCustomizable(BOOL bCustomizable) { m_bCustomizable = bCustomizable; }
    virtual void OnRecalcLayout();
    virtual void OnControlSelected(int nSelected, CXTPControl* pControl);
    virtual CXTPCommandBar* GetParentCommandBar() const { return nullptr; }
    // The control whose popup this bar is; null for other bars.
    virtual CXTPControl* GetControlPopup() const { return nullptr; }
    virtual BOOL IsDialogBar() const { return FALSE; }
    virtual BOOL IsRibbonBar() const { return FALSE; }
    // TRUE for bars that draw the floating caption in place of a docked gripper.
    virtual BOOL IsFloatingGripper() const { return FALSE; }
    virtual BOOL IsAccessKeyUnderlineVisible() const;
    // Repaints the rectangle (the whole bar when null).
    virtual void Redraw(LPCRECT lpRect = nullptr, BOOL bAnimate = FALSE);
    virtual void DrawCommandBar(CDC* pDC, CRect rcClipBox);
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    // Shows the whole personalised menu (popup bars); the open popup's
    // control asks it after the expand delay.
    virtual void ExpandBar() {}
    // Scrolls the control into view (bars that scroll).
    virtual void EnsureVisible(CXTPControl* pControl);
    // A key going down while the bar tracks: hookHandled, or hookPassOn to
    // let the window under it have the key.
    virtual int OnHookKeyDown(UINT nChar, LPARAM lParam);
    virtual BOOL ProcessSpecialKey(XTPSpecialKey key);
    virtual void OnControlsChanged();
    // The screen point is in the bar (its window rectangle).
    virtual BOOL PtInBar(CPoint ptScreen) const;
    // For the mouse manager: 1 inside the bar, -2 not the bar's, 0 outside.
    virtual int HitTestBar(POINT ptScreen) const;
    virtual void FillCommandBar(CDC* pDC);
    // Leaves tracking, unhooks the bar, removes its controls and destroys
    // the window.
    virtual void DetachAndDestroy();
    virtual void OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // TRUE when the bar takes the key before anything else (the menu bar
    // asks it about Alt).
    virtual BOOL PreviewKey(UINT nChar);
    // Closes the open control popup and opens the one at the index (-1 only closes).
    virtual BOOL OpenControlPopup(int nIndex, BOOL bKeyboard = FALSE);
    // A floating bar measures itself again; a docked one has the frame laid out.
    virtual void RecalcLayout();
    virtual void Copy(CXTPCommandBar* pSource, BOOL bRecursive);
    virtual CXTPCommandBar* Clone(BOOL bRecursive);
    virtual void DoPropExchange(CXTPPropExchange* pPX);
    // Docking (DockBar.h, DockContext.h): the size for a length along a dock
    // bar and a layout mode (the row's thickness on the committing pass), the
    // dock bar that holds the bar, and what it remembers of its places.
    virtual CSize CalcDockingLayout(int nLength, DWORD dwMode, int nWidth = 0);
    virtual CXTPDockBar* GetDockBar() const { return nullptr; }
    virtual void SetDockBar(CXTPDockBar* /*pDockBar*/) {}
    virtual CXTPDockContext* GetDockContext() const { return nullptr; }

    // The index of the control the access letter selects, -1 when none;
    // bAmbiguous tells whether another control has the same letter.
    int FindAccessKey(UINT nChar, BOOL& bAmbiguous) const;
    // The control the tooltip shows for: its id, or -1.
    INT_PTR HitTestToolTip(CPoint point, TOOLINFOA* pTI) const;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    // Keys and the wheel of the keyboard manager reach the bar here.
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                      LRESULT& lResult) override;

    // A customize drag over the bar (CustomizeDragSource): entering shows
    // the insertion marker and answers whether the bar takes drops, moving
    // over it moves the marker, leaving removes it. The drop gets
    // dropEffect 2 (move) or 1 (copy) and may change it; points are in
    // client coordinates.
    // What accessibility clients learn of the bar: one child per control,
    // child id = index + 1 (CommandBarAccessible.cpp).
    CCmdTarget* GetAccessibleOwner() override;
    HRESULT GetAccessibleParent(IDispatch** ppdispParent) override;
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT GetAccessibleKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT AccessibleDoDefaultAction(VARIANT varChild) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                               VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

    virtual BOOL OnCustomizeDragEnter(CXTPControl* pControl, CPoint point);
    virtual void OnCustomizeDragLeave();
    virtual DWORD OnCustomizeDragOver(CXTPControl* pControl, CPoint point);
    virtual void OnCustomizeDrop(CXTPControl* pControl, DWORD& dropEffect, CPoint ptDrop,
                                 CPoint ptDrag);
    // Where the dragged control would land (CommandBarCustomizeDrop.cpp):
    // the index of the nearest visible, movable control (-1: none), whether
    // the drop goes after it, and the marker that shows it (empty over the
    // dragged control itself).
    int FindDropIndex(CXTPControl* pSource, CPoint point, CRect& rcMarker, BOOL& bAfter) const;
    // The marker of a running customize drag, inverted over the bar.
    void DrawDropMarker(CDC* pDC) const;
    // Draws the visible controls the bar draws in a row (IsDrawnWithControls)
    // that meet the clip box, each in the bar's control font, with a
    // separator before each that begins a group (not the first), the frame
    // of the control dragged in customisation, then the drop marker.
    void DrawControls(CDC* pDC, const CRect& rcClipBox);
    // Whether DrawControls draws the control (bars that draw some of their
    // controls otherwise say no), and how it draws one.
    virtual BOOL IsDrawnWithControls(CXTPControl* /*pControl*/) const { return TRUE; }
    virtual void DrawBarControl(CDC* pDC, CXTPControl* pControl);

protected:
    LPUNKNOWN GetInterfaceHook(const void* iid) override;
    // The control of a child id (1..count), else null.
    CXTPControl* GetAccessibleControl(const VARIANT& varChild) const;
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    // Registers the class (default procedure, arrow cursor) and creates
    // the bar's window on it.
    BOOL CreateBarWindow(LPCSTR lpszClassName, UINT nClassStyle, DWORD dwExStyle, DWORD dwStyle,
                         const CRect& rect, CWnd* pParent, UINT nID = 0);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Site frame in help mode (Shift+F1).
    BOOL IsHelpMode() const;
    // Moves the selection along rows (popup toolbars, floating bars).
    BOOL ProcessRowKey(BOOL bDown);
    // Sends the status text and help id of a (de)selected control.
    void UpdateStatusText(int nSelected, CXTPControl* pControl);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnPrint(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUIMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    BOOL m_bHideCaret;
    int m_nMRUWidth;
    int m_nSelected;
    int m_nPopuped;
    HWND m_hwndFocus;
    UINT m_nBarID;
    BOOL m_bVisible;
    int m_nTrackingMode;
    CWnd* m_pSite;
    DWORD m_dwDirty;
    DWORD m_dwFlags;
    DWORD m_dwStyle;
    CString m_strTitle;
    int m_barType;
    CXTPControls* m_pControls;
    int m_barPosition;
    CXTPCommandBars* m_pCommandBars;
    CWnd* m_pOwner;
    CSize m_szIcons;
    CSize m_szButtons;
    int m_nTextBelowIcons;
    BOOL m_bExecOnRButton;
    BOOL m_bNoUpdate;
    int m_nLockCount;
    int m_nLastSelectionMethod;
    BOOL m_bCustomizable;
    CRect m_rcMarker;
    BOOL m_bVerticalMarker;
    BOOL m_bReturnCmd;
    int m_nReturnCmd;
    BOOL m_bEnteredByMouse;
    int m_nRedrawLock;
    BOOL m_bMultiLine;
    BOOL m_bIgnoreLock;
    BOOL m_bOpenOnHover;
    CXTPPaintManager* m_pPaintManager;
    CXTPImageManager* m_pImageManager;
    CXTPToolTipContext* m_pToolTipContext;
    CXTPCommandBarAnimation* m_pAnimation;
    int m_nLastStatusIndex;
    int m_nLastSelected;
    BOOL m_bDoubleGripper;

    friend class CXTPControl;
    friend class CXTPCommandBars;
    friend class CXTPDockBar;
};
