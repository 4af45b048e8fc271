// CXTPRibbonBar: the menu bar's replacement made of a tab row, the groups
// of the selected tab below it, a quick access row (on the tab row, or
// below the ribbon) and groups scroll buttons when the groups do not fit.
// It is made by name through its run-time class like any toolbar.
//
// Everything it draws goes through the ribbon operations of a ribbon theme:
// the current paint manager when that is one, else a ribbon theme the bar
// makes for itself and releases with itself. Its controls (the tab control,
// the quick access and more buttons, the scroll buttons, the groups'
// controls and the quick access controls) are all in its own collection.
//
// The bodies: RibbonBar.cpp (data, sizes, layout), RibbonBarTabs.cpp (tabs
// and their selection), RibbonBarInput.cpp (mouse, keys, scrolling),
// RibbonBarPaint.cpp (drawing), RibbonGroupLayout.cpp (the groups' layout
// and reduction), RibbonQuickAccess.cpp (the quick access row, its menu and
// its more popup), RibbonBarFrame.cpp (the caption of a skinned frame),
// RibbonBarCaption.cpp (its caption buttons and what the mouse does on it).
#pragma once

#include "toolkit/commandbars/MenuBar.h"
#include "toolkit/controls/ControlButton.h"
#include "toolkit/controls/ControlPopup.h"
#include "toolkit/controls/Controls.h"

#include <memory>
#include <vector>

class CXTPPopupBar;
class CXTPRibbonBar;
class CXTPRibbonControlTab;
class CXTPRibbonGroup;
class CXTPRibbonQuickAccessControls;
class CXTPRibbonTab;
class CXTPRibbonTheme;
class FrameHook;

// Fixed control ids of the ribbon.
const int XTP_ID_RIBBONCONTROLQUICKACCESS = 9530;
const int XTP_ID_RIBBONCONTROLTAB = 9531;
const int XTP_ID_RIBBONCONTROLQUICKACCESSMORE = 9538;

// Site notifications of the tab control: before a tab change (a non-zero
// answer vetoes it), after it, and the control's own selection notice.
const UINT XTP_RN_TABCHANGING = static_cast<UINT>(-552);
const UINT XTP_RN_TABCHANGED = static_cast<UINT>(-551);
const UINT XTP_RN_SELECTIONCHANGED = 100;
// The timer of the groups scroll loop.
const UINT_PTR XTP_TID_RIBBONSCROLL = 17821;
// Private message: the quick access menu before it opens (lParam: the popup).
const UINT XTP_WM_QUICKACCESSMENU = 10332;

// The record of the tab notifications.
struct NMXTPRIBBONTAB
{
    NMXTPCONTROL hdr;
    CXTPRibbonTab* pTab;
};

// One run of adjacent context tabs of the same colour and caption.
class CXTPRibbonTabContextHeader
{
public:
    CXTPRibbonTab* m_pFirstTab = nullptr;
    CXTPRibbonTab* m_pLastTab = nullptr;
    CString m_strCaption;
    int m_nColor = 0;
    CRect m_rcHeader;
};

// The two small buttons of the quick access row (13 x 22, fixed, not
// updated by commands): a mouse click opens what the button stands for
// below its left edge, on a ribbon with a window.
class CXTPRibbonQuickAccessRowButton : public CXTPControlPopup
{
public:
    CXTPRibbonQuickAccessRowButton();
    CSize GetSize(CDC* pDC) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;

protected:
    // The ribbon the button sits on, else null.
    CXTPRibbonBar* GetRibbonBar() const;
    virtual void OpenAt(CXTPRibbonBar* pRibbonBar, CPoint ptScreen) = 0;
};

// The bar's own collection: removing a control unlinks it from its group
// and from the quick access row; the fixed members stay.
class CXTPRibbonControls : public CXTPControls
{
    DECLARE_DYNCREATE(CXTPRibbonControls)
public:
    void OnControlRemoved(CXTPControl* pControl) override;
    BOOL IsFixedControl(CXTPControl* pControl) const override;
};

class CXTPRibbonBar : public CXTPMenuBar
{
    DECLARE_DYNCREATE(CXTPRibbonBar)
public:
    // The groups scroll buttons: direction 1 scrolls left and sits at the
    // left edge, 0 scrolls right at the right edge.
    class CControlGroupsScroll : public CXTPControlButton
    {
    public:
        explicit CControlGroupsScroll(int nDirection = 0);
        int GetDirection() const { return m_nDirection; }
        void Draw(CDC* pDC) override;
        void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;

    protected:
        CXTPControl* CreateSameClass() const override { return new CControlGroupsScroll(m_nDirection); }

    private:
        int m_nDirection;
    };

    // The button beside the quick access row that opens the more popup.
    class CControlQuickAccessMorePopup : public CXTPRibbonQuickAccessRowButton
    {
    public:
        void Draw(CDC* pDC) override;

    protected:
        void OpenAt(CXTPRibbonBar* pRibbonBar, CPoint ptScreen) override;
        CXTPControl* CreateSameClass() const override { return new CControlQuickAccessMorePopup; }
    };

    // A caption button of a skinned frame (RibbonBarCaption.h).
    class CControlCaptionButton;

    CXTPRibbonBar();
    ~CXTPRibbonBar() override;

    // Tabs and groups.
    CXTPRibbonTab* AddTab(LPCSTR lpszCaption);
    CXTPRibbonTab* InsertTab(int nIndex, LPCSTR lpszCaption);
    int GetTabCount() const;
    CXTPRibbonTab* GetTab(int nIndex) const;
    CXTPRibbonTab* GetSelectedTab() const;
    CXTPRibbonControlTab* GetControlTab() const { return m_pControlTab; }
    // Clamps the index into the tabs and selects that tab (none without tabs).
    void SelectTab(int nIndex);
    void SelectTab(CXTPRibbonTab* pTab);
    // Moves the selection to the neighbouring tab (the mouse wheel).
    void StepSelectedTab(BOOL bForward);
    CXTPRibbonGroup* HitTestGroup(CPoint point) const;
    CXTPRibbonGroup* FindGroup(int nID) const;
    void RemoveControl(CXTPRibbonGroup* pGroup, CXTPControl* pControl);
    CXTPRibbonGroup* GetHighlightedGroup() const { return m_pHighlightedGroup; }

    // The selection change of the tab control (veto, hide bits, layout,
    // notifications); pTab may be null (minimised).
    virtual void OnTabSelecting(CXTPRibbonTab* pTab);
    virtual BOOL OnTabChanging(CXTPRibbonTab* pTab);
    virtual void OnTabChanged(CXTPRibbonTab* pTab);

    // Sizes.
    virtual int GetTabsHeight() const;
    virtual int GetVisibleGroupsHeight() const;
    virtual int GetGroupsHeight() const;
    void SetGroupsHeight(int nHeight) { m_nGroupsHeight = nHeight; }
    int GetQuickAccessHeight() const;
    int GetCaptionHeight() const;
    int GetMinimumSize() const { return m_nMinVisibleWidth; }
    BOOL IsRibbonVisible() const { return m_bRibbonBarVisible; }
    BOOL IsGroupsVisible() const { return m_bGroupsVisible; }
    void SetGroupsVisible(BOOL bVisible) { m_bGroupsVisible = bVisible; }
    // TRUE when no tab is selected: only the tab row shows.
    BOOL IsMinimized() const;
    CRect GetTabsRect() const { return m_rcTabs; }
    CRect GetGroupsRect() const { return m_rcGroups; }
    CRect GetCaptionRect() const { return m_rcCaption; }
    CRect GetCaptionTextRect() const { return m_rcCaptionText; }
    CRect GetQuickAccessRect() const { return m_rcQuickAccess; }
    int GetGroupsScrollPos() const { return m_nGroupsScrollPos; }
    void SetGroupsScrollPos(int nPos);
    CControlGroupsScroll* GetScrollButton(int nDirection) const
    {
        return nDirection ? m_pControlScrollGroupsLeft : m_pControlScrollGroupsRight;
    }

    // Quick access.
    CXTPRibbonQuickAccessControls* GetQuickAccessControls() const { return m_pQuickAccessControls; }
    CXTPControl* GetControlQuickAccess() const { return m_pControlQuickAccess; }
    CXTPControl* GetControlQuickAccessMore() const { return m_pControlQuickAccessMore; }
    void SetShowQuickAccessBelow(BOOL bBelow);
    BOOL IsQuickAccessBelow() const { return m_bShowQuickAccessBelow; }
    void ShowQuickAccess(BOOL bShow);
    BOOL IsQuickAccessVisible() const { return m_bShowQuickAccess; }
    void AllowQuickAccessDuplicates(BOOL bAllow) { m_bAllowQuickAccessDuplicates = bAllow; }
    BOOL IsQuickAccessControl(CXTPControl* pControl) const;
    virtual BOOL IsAllowQuickAccessControl(CXTPControl* pControl) const;
    // The quick access menu for a control (null without menu resource 9537).
    virtual CXTPPopupBar* CreateQuickAccessMenu(CXTPControl* pControl);
    // The popup of the quick access controls the row has no room for.
    virtual CXTPPopupBar* CreateQuickAccessMorePopup();
    // Opens the quick access menu for the control at the screen point.
    void ShowQuickAccessMenu(CXTPControl* pControl, CPoint ptScreen);

    // The frame caption.
    BOOL IsFrameSkinned() const { return m_pFrameHook != nullptr; }
    void EnableFrameTheme(BOOL bEnable);
    FrameHook* GetFrameHook() const { return m_pFrameHook.get(); }
    int GetContextHeaderCount() const { return static_cast<int>(m_arrContextHeaders.size()); }
    CXTPRibbonTabContextHeader* GetContextHeader(int nIndex) const;
    // What the caption of a skinned frame is at the client point: HTCAPTION,
    // HTTOP (its top edge) or HTNOWHERE (outside it, over a control or a
    // context header, while customising, or without a skinned frame).
    int HitTestCaption(CPoint point) const;
    // Where a title that wide goes in the caption: centred, or beside the
    // context headers on the side with more room.
    CRect GetCaptionTitleRect(int nTitleWidth) const;
    // The caption button of the system command, null when there is none.
    CXTPControl* GetCaptionButton(int nCommand) const;

    // The system button at the left end; null removes it.
    void SetSystemButton(CXTPControl* pControl);
    CXTPControl* GetSystemButton() const { return m_pControlSystemButton; }

    // The ribbon theme everything is drawn with.
    CXTPRibbonTheme* GetRibbonTheme() const;

    // Lays the bar out in its client size (the commit of CalcDockingLayout).
    void Layout(int nWidth, int nHeight);
    // Re-lays the bar out in its window; the frame too when the height changed.
    void Reposition();

    // CXTPCommandBar / CXTPToolBar
    BOOL IsRibbonBar() const override { return TRUE; }
    CSize CalcDockingLayout(int nLength, DWORD dwMode, int nWidth = 0) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void DrawCommandBar(CDC* pDC, CRect rcClipBox) override;
    BOOL IsDrawnWithControls(CXTPControl* pControl) const override;
    void DrawBarControl(CDC* pDC, CXTPControl* pControl) override;
    BOOL SetPosition(int nPosition) override;
    void EnsureVisible(CXTPControl* pControl) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;
    void Copy(CXTPCommandBar* pSource, BOOL bRecursive) override;
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    BOOL PreviewKey(UINT nChar) override;
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                      LRESULT& lResult) override;
    BOOL SetTrackingMode(int nMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    void ResetToolBar(BOOL /*bConfirm*/) override {}

    // The groups' layout in the area with the margins (RibbonGroupLayout.cpp).
    void LayoutGroups(CDC* pDC, CRect rcArea, CRect rcMargins);
    // Scrolls the groups by nDelta pixels (left negative), clamped at 0.
    void ScrollGroups(int nDelta);
    // The modal loop of a pressed scroll button.
    void TrackGroupsScroll(CControlGroupsScroll* pButton);
    // Access key of a tab caption: selects it and focuses the tab row.
    BOOL SelectTabByAccessKey(UINT nChar);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysColorChange();
    afx_msg LRESULT OnControlExecuted(WPARAM wParam, LPARAM lParam);
    afx_msg void OnQuickAccessBelow();
    afx_msg void OnQuickAccessAbove();
    DECLARE_MESSAGE_MAP()

    // Quick access row of the layout (RibbonQuickAccess.cpp): places its
    // controls from x up to the right limit; the x after the row.
    int LayoutQuickAccess(CDC* pDC, int x, int nRight, const CRect& rcRow);
    void LayoutContextHeaders();
    // The caption buttons of a skinned frame from the caption's right end
    // (none without one), and the caption text rect left between them and
    // the quick access row.
    void LayoutCaptionButtons();
    // A press or double click on the caption of a skinned frame moves,
    // sizes, maximises or restores the frame; TRUE when the caption took it.
    BOOL OnCaptionButtonDown(CPoint point);
    BOOL OnCaptionDoubleClick(CPoint point);
    void SetHighlightedGroup(CXTPRibbonGroup* pGroup);
    // Shows the controls of the selected tab's visible groups, hides the rest.
    void UpdateGroupsVisibility();

private:
    friend class CXTPRibbonControlTab;
    friend class CXTPRibbonControls;
    friend class CXTPRibbonQuickAccessControls;

    CRect m_rcTabs;
    CRect m_rcGroups;
    CRect m_rcCaption;
    CRect m_rcCaptionText;
    CRect m_rcQuickAccess;
    BOOL m_bRibbonBarVisible = TRUE;
    BOOL m_bGroupsVisible = TRUE;
    BOOL m_bShowQuickAccessBelow = FALSE;
    BOOL m_bShowQuickAccess = TRUE;
    BOOL m_bAllowQuickAccessDuplicates = FALSE;
    CXTPRibbonQuickAccessControls* m_pQuickAccessControls = nullptr;
    CXTPRibbonControlTab* m_pControlTab = nullptr;
    CXTPControl* m_pControlQuickAccess = nullptr;
    CControlQuickAccessMorePopup* m_pControlQuickAccessMore = nullptr;
    CXTPControl* m_pControlSystemButton = nullptr;
    CControlGroupsScroll* m_pControlScrollGroupsLeft = nullptr;
    CControlGroupsScroll* m_pControlScrollGroupsRight = nullptr;
    CXTPRibbonGroup* m_pHighlightedGroup = nullptr;
    int m_nMinVisibleWidth = 250;
    std::unique_ptr<FrameHook> m_pFrameHook;
    std::vector<std::unique_ptr<CXTPRibbonTabContextHeader>> m_arrContextHeaders;
    int m_nGroupsHeight = 0;
    int m_nGroupsScrollPos = 0;
    BOOL m_bMinimizedClick = FALSE;
    // The theme made for the bar when the current paint manager is none.
    mutable CXTPRibbonTheme* m_pOwnTheme = nullptr;
    // The control the open quick access menu acts on, held while it lives.
    CXTPControl* m_pQuickAccessMenuTarget = nullptr;
    int m_nTabChangeDepth = 0;
};

// The button that opens the quick access menu for itself.
class CXTPRibbonBarControlQuickAccessPopup : public CXTPRibbonQuickAccessRowButton
{
    DECLARE_DYNCREATE(CXTPRibbonBarControlQuickAccessPopup)
public:
    void Draw(CDC* pDC) override;

protected:
    void OpenAt(CXTPRibbonBar* pRibbonBar, CPoint ptScreen) override;
    CXTPControl* CreateSameClass() const override { return new CXTPRibbonBarControlQuickAccessPopup; }
};
