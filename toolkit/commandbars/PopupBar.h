// CXTPPopupBar: the bar shown as a drop-down or context menu, opened by a
// popup control, by a toolbar's expand button or at a point. It places
// itself against its opening control inside the monitor's work area,
// scrolls when it is taller than the room it has, hides unused commands
// behind an expand button (the personalised menu), may be torn off into a
// floating toolbar, and animates its first appearance as the options say.
// CXTPPopupToolBar lays its controls out in rows like a toolbar.
//
// The window exists only while the popup is open; the object stays with
// its opening control for the next time.
#pragma once

#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/ShadowsManager.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/res/ToolkitRes.h"

class CXTPControlPopup;
class CXTPToolBar;

// The private messages a popup sends: 10331 to its owner when it opens,
// 10333 to its site once it has closed (lParam: the bar).
const UINT XTP_WM_POPUPOPENED = 10331;
const UINT XTP_WM_POPUPCLOSED = 10333;

// The command of the personalised menu's expand button is
// XTP_ID_POPUPBAR_EXPAND of the toolkit's resources.

// Timers of the popup window.
const UINT_PTR XTP_TID_SCROLLDOWN = 5001;
const UINT_PTR XTP_TID_SCROLLUP = 5002;
const UINT_PTR XTP_TID_TEAROFF = 5003;
const UINT_PTR XTP_TID_SHOWFULL = 5004;
// The delay after which hovering the expand button expands the menu (ms),
// process-wide.
extern UINT g_nXTPShowFullDelay;

class CXTPPopupBar : public CXTPCommandBar
{
    DECLARE_DYNCREATE(CXTPPopupBar)
public:
    // The button under a personalised menu that shows the hidden commands.
    class CControlExpandButton : public CXTPControlButton
    {
    public:
        CControlExpandButton();
        CSize GetSize(CDC* pDC) override;
        void Draw(CDC* pDC) override;
        void OnExecute() override;

    protected:
        CXTPControl* CreateSameClass() const override { return new CControlExpandButton; }
    };

    // One of the two arrow buttons of a scrolled menu.
    struct CScrollButton
    {
        CRect rc;           // client rectangle, 16 pixels high; empty when not shown
        UINT_PTR nTimer;    // the running timer, 0 none
        UINT_PTR nTimerId;
    };

    CXTPPopupBar();
    ~CXTPPopupBar() override;

    // A new empty popup bar of the command bars (null: stand-alone).
    static CXTPPopupBar* CreatePopupBar(CXTPCommandBars* pCommandBars);

    // Opens the bar under the control (null: at the stored position).
    BOOL Popup(CXTPControlPopup* pControlPopup, BOOL bKeyboard = FALSE) override;
    // Opens the bar at a screen point; the rectangle (screen) is kept free.
    BOOL PopupAt(int x, int y, LPCRECT lprcExclude = nullptr);
    // Shows every command of a personalised menu.
    void ExpandToFullMenu();
    void ExpandBar() override { ExpandToFullMenu(); }

    CXTPControl* GetControlPopup() const override;
    void SetControlPopup(CXTPControlPopup* pControlPopup) { m_pControlPopup = pControlPopup; }
    CXTPCommandBar* GetParentCommandBar() const override;

    // Layout and placement.
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    // The window rectangle for a popup of the size (screen coordinates);
    // switches scrolling on when the menu is cut.
    CRect CalcPopupRect(CSize size);
    void OnControlsChanged() override;
    void OnRecalcLayout() override { OnControlsChanged(); }
    // Placement from the opening control: flags, exclusion rectangle, position.
    virtual void UpdateAnchor();
    // Shortcut texts from the accelerators, when the options ask for it.
    virtual void UpdateShortcuts();

    // Behaviour of an open popup.
    void DelayRedraw() override { Redraw(); }
    BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    BOOL SetSelected(int nSelected, int nHow = 1) override;
    BOOL IsVisible() const override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    BOOL ProcessSpecialKey(XTPSpecialKey key) override;
    void Copy(CXTPCommandBar* pSource, BOOL bRecursive) override;
    // After the bar's keys and controls: the tear-off state, the borders,
    // the shadow and the double gripper.
    void DoPropExchange(CXTPPropExchange* pPX) override;

    // Options.
    BOOL IsTearOffPopup() const { return m_bTearOffPopup; }
    void SetTearOffPopup(LPCSTR lpszCaption, UINT nBarID, int nWidth = 400);
    BOOL IsShadowEnabled() const { return m_bShadowEnabled; }
    void EnableShadow(BOOL bEnable) { m_bShadowEnabled = bEnable; }
    void SetPopupToolBarMargins(const CRect& rc) { m_rcBorders = rc; }

    // State, for the controls and the tests.
    DWORD GetPopupFlags() const { return m_dwPopupFlags; }
    // Placement of a popup opened at a point (no opening control).
    void SetPopupFlags(DWORD dwFlags) { m_dwPopupFlags = dwFlags; }
    CRect GetExcludeRect() const { return m_rcExclude; }
    CPoint GetPopupPosition() const { return m_ptPopup; }
    BOOL IsScrolling() const { return m_bScrolling; }
    int GetFirstVisible() const { return m_nFirstVisible; }
    int GetLastVisible() const { return m_nLastVisible; }
    const CScrollButton& GetScrollButton(BOOL bUp) const { return bUp ? m_scrollUp : m_scrollDown; }
    BOOL IsShowFull() const { return m_bShowFull; }
    BOOL HasHiddenItems() const { return m_bCollapsed; }
    CRect GetGripperRect() const { return m_rcTearOffGripper; }
    CXTPToolBar* GetTearOffBar() const { return m_pTearOffBar; }
    // What the shadows need to know of this bar.
    XTP_SHADOW_SETTINGS GetShadowSettings() const;
    // The animation kind of the next appearance: 2 slide, 3 unfold, 4 fade,
    // 5 none.
    int GetAnimationType() const;

    // One step of a scrolled menu (the timers call them).
    void ScrollDown();
    void ScrollUp();

protected:
    BOOL CreatePopupWindow();
    // Hides the unused commands of a personalised menu.
    void PersonalizeControls();
    CSize CalcMenuLayout(CDC* pDC);
    CSize CalcPopupToolBarLayout(CDC* pDC);
    // Lays a scrolled menu out from its first (or last) visible control.
    void LayoutScrolled(CSize size, BOOL bFromBottom, BOOL bRedraw);
    // The first appearance: animated, or only the window region set.
    void AnimatePopup();
    void SetShadow();
    void CloseWindow();
    // The tear-off drag: runs until the button goes up, Esc or capture loss.
    void TrackTearOff();
    void ShowTearOff(BOOL bInside, CPoint ptScreen);
    // Puts the torn-off toolbar under the pointer.
    void MoveTearOff(CPoint ptScreen);
    void OnScrollButtonHover(CPoint point);

    afx_msg void OnDestroy();
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

    CXTPControlPopup* m_pControlPopup;
    CPoint m_ptPopup;
    CRect m_rcExclude;
    DWORD m_dwPopupFlags;
    BOOL m_bDynamicLayout;
    BOOL m_bCollapsed;
    BOOL m_bShowFull;
    BOOL m_bExpanding;
    BOOL m_bTearOffPopup;
    CRect m_rcTearOffGripper;
    BOOL m_bTearOffSelected;
    UINT_PTR m_nTearOffTimer;
    BOOL m_bTearOffTracking;
    CSize m_szTearOffBar;
    CXTPToolBar* m_pTearOffBar;
    CString m_strTearOffCaption;
    UINT m_nTearOffID;
    int m_nTearOffWidth;
    BOOL m_bShadowEnabled;
    CRect m_rcBorders;
    BOOL m_bWindowDying;
    BOOL m_bScrolling;
    int m_nFirstVisible;
    int m_nLastVisible;
    CScrollButton m_scrollDown;
    CScrollButton m_scrollUp;
};

// The object as a popup bar; null when it is none.
CXTPPopupBar* XTPPopupBarOf(CObject* pObject);

class CXTPPopupToolBar : public CXTPPopupBar
{
    DECLARE_DYNCREATE(CXTPPopupToolBar)
public:
    CXTPPopupToolBar();
    static CXTPPopupToolBar* CreatePopupToolBar(CXTPCommandBars* pCommandBars);
};
