// The ribbon's tab row: CXTPRibbonTab is one tab (a tab item with its
// groups and an optional context: a coloured run of tabs with a caption
// over them), CXTPRibbonControlTab the control on the ribbon bar that is at
// the same time the tab manager of the tabs. Changing the selection is the
// ribbon bar's business (CXTPRibbonBar::OnTabSelecting); the control
// forwards it there and draws nothing itself: the bar draws the strip
// through the ribbon theme's tab paint manager, asked for at each use so
// that a theme change never leaves the control with a dead paint manager.
#pragma once

#include "toolkit/controls/Control.h"
#include "toolkit/extras/TabManager.h"

class CXTPRibbonBar;
class CXTPRibbonGroup;
class CXTPRibbonGroups;
class CXTPRibbonTabContextHeader;

// Context colours of ribbon tabs (0: the tab belongs to no context).
enum XTPRibbonTabContextColor
{
    xtpRibbonTabContextColorNone = 0,
    xtpRibbonTabContextColorBlue = 1,
    xtpRibbonTabContextColorYellow = 2,
    xtpRibbonTabContextColorGreen = 3,
    xtpRibbonTabContextColorRed = 4,
    xtpRibbonTabContextColorPurple = 5,
    xtpRibbonTabContextColorCyan = 6,
    xtpRibbonTabContextColorOrange = 7,
};

class CXTPRibbonTab : public CXTPTabManagerItem
{
public:
    explicit CXTPRibbonTab(CXTPRibbonBar* pRibbonBar);
    ~CXTPRibbonTab() override;

    CXTPRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }
    CXTPRibbonGroups* GetGroups() const { return m_pGroups; }
    // A new group at the end of the tab.
    CXTPRibbonGroup* AddGroup(LPCSTR lpszCaption, int nID = 0);
    // Appends a group of the program's own class (the tab takes it over).
    CXTPRibbonGroup* AddGroup(CXTPRibbonGroup* pGroup);

    int GetContextColor() const { return m_nContextColor; }
    void SetContextColor(int nColor) { m_nContextColor = nColor; }
    CString GetContextCaption() const { return m_strContextCaption; }
    void SetContextCaption(LPCSTR lpszCaption) { m_strContextCaption = lpszCaption; }
    // The header of the tab's context run; the next layout rebuilds the
    // headers and clears this first, so it never points at a deleted one.
    CXTPRibbonTabContextHeader* GetContextHeader() const { return m_pContextHeader; }
    void SetContextHeader(CXTPRibbonTabContextHeader* pHeader) { m_pContextHeader = pHeader; }

protected:
    void OnRemoved() override;

private:
    CXTPRibbonBar* m_pRibbonBar;
    CXTPRibbonGroups* m_pGroups;
    int m_nContextColor = xtpRibbonTabContextColorNone;
    CString m_strContextCaption;
    CXTPRibbonTabContextHeader* m_pContextHeader = nullptr;
};

class CXTPRibbonControlTab : public CXTPControl, public CXTPTabManager
{
    DECLARE_DYNCREATE(CXTPRibbonControlTab)
public:
    CXTPRibbonControlTab();
    ~CXTPRibbonControlTab() override;

    CXTPRibbonBar* GetRibbonBar() const;
    CXTPRibbonTab* GetTab(int nIndex) const { return static_cast<CXTPRibbonTab*>(GetItem(nIndex)); }
    CXTPRibbonTab* GetSelectedTab() const { return static_cast<CXTPRibbonTab*>(GetSelectedItem()); }

    // Focused: the keyboard moves between the tabs. Focusing with no tab
    // selected selects the first selectable one.
    void SetFocused(BOOL bFocused) override;
    BOOL IsFocused() const override { return m_bFocused; }

    // CXTPTabManager
    void Reposition() override;
    CXTPTabPaintManager* GetPaintManager() const override;
    void RedrawRect(LPCRECT lpRect, BOOL bErase) override;
    BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw,
                      CSize& szIcon) override;
    void SetSelectedItem(CXTPTabManagerItem* pItem) override;
    BOOL IsMouseLocked() const override { return FALSE; }

    // CXTPControl: the strip takes the keys while focused and the clicks.
    int ProcessFocusedKey(UINT nChar, UINT nFlags) override;
    BOOL OnSetSelected(int nSelected) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnMouseMove(CPoint point) override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    CString GetTooltip() const override;

    // The tab manager's selection itself, without the ribbon's rules.
    void SelectItemDirect(CXTPTabManagerItem* pItem) { CXTPTabManager::SetSelectedItem(pItem); }
    // Moves the selection to the neighbour in the key's direction.
    BOOL StepSelection(UINT nKey);
    // Tells accessibility clients that the tab has the focus (its child id
    // is index + 1).
    void NotifyTabFocus(CXTPTabManagerItem* pTab) const;

    // Accessibility: a page-tab list whose children (id = index + 1) are the
    // tabs (RibbonTabAccessible.cpp).
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                               VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT AccessibleDoDefaultAction(VARIANT varChild) override;

private:
    // The tab of a child id; null for the control itself (id 0).
    CXTPRibbonTab* AccessibleTab(const VARIANT& varChild) const;

    BOOL m_bFocused = FALSE;
};
