// CXTPToolBar: the dockable and floating command bar (the menu bar builds
// on it). It loads its buttons from a toolbar resource (type 241), sizes
// itself for a docked row or a floating window, shows the expand button
// (the chevron whose menu lists the buttons that did not fit, and the
// add-or-remove-buttons list) and, floating, a hide button in its caption.
//
// ToolBar.cpp holds the data, loading, visibility and sizes; ToolBarWnd.cpp
// the window and its messages; ToolBarExpand.cpp the expand menu and the
// add-or-remove list.
#pragma once

#include "toolkit/commandbars/CommandBar.h"
// The ids of the toolbar's own controls, their prompt strings and the
// reset confirmation.
#include "toolkit/res/ToolkitRes.h"

class CXTPControlButton;


// Private messages to the site window.
const UINT XTP_WM_TOOLBARVISIBLECHANGED = 10325;   // wParam: the bar, lParam: visible
const UINT XTP_WM_TOOLBARRESET = 10340;            // lParam: the bar
// Posted to a user-made toolbar that was hidden: it is removed then.
const UINT XTP_WM_DEFERREDREMOVE = WM_APP + 0x3A41;
// Posted to a floating toolbar whose frame was told of its deactivation
// before the foreground moved: it hides then if the frame is inactive.
const UINT XTP_WM_FLOATSTATUSCHECK = WM_APP + 0x3A42;

// The expand button's extra length along a docked bar.
const int XTP_EXPAND_BUTTON_LENGTH = 11;

class CXTPToolBar : public CXTPCommandBar
{
    DECLARE_DYNCREATE(CXTPToolBar)
public:
    CXTPToolBar();
    ~CXTPToolBar() override;

    // Loading. LoadToolBar reads the resource (version, width, height,
    // count, then count ids of 16 bits) and refuses one too short for its
    // count; with bLoadIcons the image manager takes the bitmap of the
    // same id. The loaded set becomes the original controls.
    BOOL LoadToolBar(UINT nIDResource, BOOL bLoadIcons = TRUE) override;
    // Replaces the controls by buttons for the ids (0 starts a group); the
    // site may provide or describe each control (10334, 10335).
    BOOL LoadToolBarItems(const UINT* pItems, int nCount);

    void SetVisible(BOOL bVisible) override;
    BOOL IsVisible() const override { return m_bVisible; }
    BOOL SetPosition(int nPosition) override;
    void OnRecalcLayout() override;
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    // Floating layout: caption on top with the hide and expand buttons.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void Copy(CXTPCommandBar* pSource, BOOL bRecursive) override;
    // The bar's keys and controls, then the toolbar's own keys
    // (CommandBarExchange.cpp).
    void DoPropExchange(CXTPPropExchange* pPX) override;
    // A stored toolbar of the same id was loaded: this one takes its
    // controls and properties, unless the toolbar's resource changed since
    // the user customised it (asked unless bSilent).
    virtual void MergeLoaded(CXTPToolBar* pLoaded, BOOL bSilent);

    // Docked layout for a length along the dock and a layout mode.
    virtual CSize CalcDockingLayout(int nLength, DWORD dwMode, int nWidth = 0);
    // Back to the original controls (asks first when bConfirm).
    virtual void ResetToolBar(BOOL bConfirm);
    // Makes the window (when there is none) docked in pParent or floating.
    virtual BOOL CreateToolBarWindow(CWnd* pParent, BOOL bFloating);
    virtual CRect GetBorders();
    // The controls differ from the original ones and are worth storing.
    virtual BOOL ShouldSaveControls();

    // Copies of the controls hidden for lack of room (hide flags exactly
    // 0x02), shown and without group starts, appended to the popup.
    void FillExpandMenu(CXTPCommandBar* pPopup);
    // The add-or-remove-buttons list: one entry per button, checked while
    // the button shows, then the reset item.
    void FillCustomizeMenu(CXTPCommandBar* pPopup);
    // This toolbar's entry of the add-or-remove-buttons menu: titled with
    // the toolbar's title, its sub-menu the FillCustomizeMenu list where
    // the site can customize the toolbar, greyed elsewhere.
    void AddAddRemoveEntry(CXTPCommandBar* pPopup);
    // The menu the expand button opens: the site's popup (10337) or a new
    // popup toolbar, with the hidden buttons of the dock row and, where
    // the options allow, the add-or-remove-buttons item. The caller holds
    // the one reference.
    CXTPCommandBar* CreateExpandPopup();
    // A control hidden because it does not fit (hide flags exactly 0x02).
    BOOL HasHiddenControls() const;

    CXTPControl* GetExpandButton() const { return FindSpecial(XTP_ID_TOOLBAR_EXPAND); }
    CXTPControl* GetHideButton() const { return FindSpecial(XTP_ID_TOOLBAR_HIDE); }
    void ShowExpandButton(BOOL bShow) { m_bShowExpandButton = bShow; }
    BOOL IsExpandButtonShown() const { return m_bShowExpandButton; }
    void SetCloseable(BOOL bCloseable) { m_bCloseable = bCloseable; }
    BOOL IsCloseable() const { return m_bCloseable; }
    // A user-made toolbar: hiding it removes it.
    void SetTemporary(BOOL bTemporary) { m_bTemporary = bTemporary; }
    BOOL IsTemporary() const { return m_bTemporary; }
    void EnableReset(BOOL bEnable) { m_bResetAllowed = bEnable; }
    BOOL IsResetAllowed() const { return m_bResetAllowed; }
    void SetContextMenuPresent(BOOL bPresent) { m_bContextMenuPresent = bPresent; }
    BOOL IsContextMenuPresent() const { return m_bContextMenuPresent; }
    // Made by the program (not by the user or a torn-off popup).
    BOOL IsBuiltIn() const { return m_bBuiltIn; }
    void SetBuiltIn(BOOL bBuiltIn) { m_bBuiltIn = bBuiltIn; }
    BOOL IsTearOffBar() const { return m_bTearOff; }
    void SetTearOffBar(BOOL bTearOff) { m_bTearOff = bTearOff; }
    BOOL IsCustomizeDialogPresent() const { return m_bCustomizeDialogPresent; }
    void SetCustomizeDialogPresent(BOOL bPresent) { m_bCustomizeDialogPresent = bPresent; }
    // Hidden for the print preview, and shown again with the visibility it had.
    void SetPreviewHidden(BOOL bHidden);

    // The dock bar holding the toolbar (null while floating or outside dock
    // bars) and the dock context that drags it (ToolBarDocking.cpp).
    CXTPDockBar* GetDockBar() const override { return m_pDockBar; }
    void SetDockBar(CXTPDockBar* pDockBar) override { m_pDockBar = pDockBar; }
    CXTPDockContext* GetDockContext() const override { return m_pDockContext; }
    // Some docking or floating permission in the flags: dragged by its gripper.
    BOOL IsMovable() const { return (m_dwFlags & 0x1F) != 0; }
    // The gripper band in client coordinates (empty without a gripper).
    CRect GetGripperRect();

protected:
    // The special control of the id, made and added as a temporary control
    // when bCreate and missing.
    CXTPControl* FindSpecial(UINT nId) const;
    CXTPControl* EnsureSpecial(UINT nId);
    void ShowSpecial(UINT nId, BOOL bShow);
    // The popup bar the site supplies for the expand menu; null when none.
    CXTPCommandBar* AskSiteForExpandPopup();
    // Lays the controls out for the length and mode inside the borders.
    CSize LayOutControls(int nLength, DWORD dwMode, const CRect& rcBorder);

    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg void OnClose();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeferredRemove(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFloatStatusCheck(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    BOOL m_bResetAllowed;
    BOOL m_bTemporary;
    BOOL m_bPreviewVisible;
    BOOL m_bPreviewHidden;
    BOOL m_bShowExpandButton;
    BOOL m_bCloseable;
    BOOL m_bContextMenuPresent;
    BOOL m_bBuiltIn = TRUE;
    BOOL m_bTearOff = FALSE;
    BOOL m_bCustomizeDialogPresent = TRUE;
    CXTPDockBar* m_pDockBar = nullptr;
    CXTPDockContext* m_pDockContext;
};
