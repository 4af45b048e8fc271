// CXTPTabManager: the window-less model and controller of one tab strip.
// It keeps the tabs, the selected, hot and pressed tab, the scroll offset of
// the header, the rows of a multi-row layout and three navigate buttons.
// The class that embeds it owns the window: it supplies the paint manager,
// the icons and the redraw, and hands mouse and key input to the Perform...
// operations. Measuring, placing and drawing is the tab paint manager's
// (TabPaintManager.h), which reads the tabs back from here.
//
// Tabs are reference-counted: a tab leaves the strip through DeleteItem or
// DeleteAllItems, which tell it and drop the strip's reference. The modal
// loops (click, reorder, navigate button) hold a reference of their own and
// stop when their tab has left the strip under them.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"

#include <commctrl.h>

#include <utility>
#include <vector>

class CDC;
class CWnd;
class CXTPTabManager;
class CXTPTabManagerNavigateButton;
class CXTPTabPaintManager;
class CXTPImageManagerIcon;

// Header positions.
enum XTPTabPosition
{
    xtpTabPositionTop = 0,
    xtpTabPositionLeft = 1,
    xtpTabPositionBottom = 2,
    xtpTabPositionRight = 3,
};

// Layout modes of the tab paint manager.
enum XTPTabLayoutStyle
{
    xtpTabLayoutAutoSize = 0,
    xtpTabLayoutSizeToFit = 1,
    xtpTabLayoutFixed = 2,
    xtpTabLayoutCompressed = 3,
    xtpTabLayoutMultiRow = 4,
    xtpTabLayoutRotated = 5,
};

// Ids of the navigate buttons, in the order the tab manager makes them.
enum XTPTabNavigateButton
{
    xtpTabNavigateButtonLeft = 0,
    xtpTabNavigateButtonRight = 1,
    xtpTabNavigateButtonClose = 2,
};

// When a navigate button shows.
enum XTPTabNavigateButtonFlags
{
    xtpTabNavigateButtonNone = 0,
    xtpTabNavigateButtonAutomatic = 1,
    xtpTabNavigateButtonAlways = 2,
};

// Tab colours from the tab manager's palette (GetItemColor).
const COLORREF xtpTabColorBlue = 0x1000000;
const COLORREF xtpTabColorYellow = 0x1000001;
const COLORREF xtpTabColorGreen = 0x1000002;
const COLORREF xtpTabColorRed = 0x1000003;
const COLORREF xtpTabColorPurple = 0x1000004;
const COLORREF xtpTabColorCyan = 0x1000005;
const COLORREF xtpTabColorOrange = 0x1000006;
const COLORREF xtpTabColorMagenta = 0x1000007;

// Something a tab paint manager tells about every change of its settings.
// An atom remembers the paint managers it is attached to and leaves them
// when it is destroyed, so a paint manager never calls a dead atom.
class CXTPTabManagerAtom
{
public:
    CXTPTabManagerAtom() = default;
    virtual ~CXTPTabManagerAtom();

    // Called after a setting of an attached paint manager changed.
    virtual void OnPaintManagerChanged();
    virtual void Reposition() = 0;

private:
    CXTPTabManagerAtom(const CXTPTabManagerAtom&) = delete;
    CXTPTabManagerAtom& operator=(const CXTPTabManagerAtom&) = delete;

    friend class CXTPTabPaintManager;
    std::vector<CXTPTabPaintManager*> m_arrAttachedTo;
};

// One tab.
class CXTPTabManagerItem : public CCmdTarget
{
public:
    CXTPTabManagerItem();
    ~CXTPTabManagerItem() override;

    CString GetCaption() const;
    void SetCaption(LPCSTR lpszCaption);
    CString GetTooltip() const;
    void SetTooltip(LPCSTR lpszTooltip) { m_strToolTip = lpszTooltip; }
    // The colour to paint the tab in (palette codes resolved).
    COLORREF GetColor() const;
    void SetColor(COLORREF clr);

    // Takes the tab away from the layout, drawing and hit testing.
    void SetVisible(BOOL bVisible);
    BOOL IsVisible() const { return m_bVisible; }
    void SetEnabled(BOOL bEnabled);
    BOOL IsEnabled() const { return m_bEnabled; }
    void SetClosable(BOOL bClosable) { m_bClosable = bClosable; }
    BOOL IsClosable() const { return m_bClosable; }
    void SetImageIndex(int nImage) { m_nImage = nImage; }
    int GetImageIndex() const { return m_nImage; }
    void SetData(DWORD_PTR dwData) { m_dwData = dwData; }
    DWORD_PTR GetData() const { return m_dwData; }

    int GetIndex() const { return m_nIndex; }
    CRect GetRect() const { return m_rcItem; }
    void SetRect(const CRect& rc) { m_rcItem = rc; }
    int GetItemRow() const { return m_nItemRow; }
    int GetLength() const { return m_nLength; }
    int GetFullLength() const { return m_nFullLength; }
    BOOL IsTruncated() const { return m_nLength < m_nFullLength; }
    // Null once the tab has left its strip.
    CXTPTabManager* GetTabManager() const { return m_pTabManager; }

    BOOL IsSelected() const;
    BOOL IsHighlighted() const;
    BOOL IsPressed() const;
    void Select();

    // Draws the tab's icon in its state (disabled, hot, selected or normal)
    // at the point in the size; a square icon on a left or right header is
    // turned a quarter when the paint manager rotates icons.
    void DrawImage(CDC* pDC, CRect rcIcon, CXTPImageManagerIcon* pImage);

protected:
    // Told when the strip lets go of the tab, before it drops its reference.
    virtual void OnRemoved() {}

private:
    friend class CXTPTabManager;
    friend class CXTPTabPaintManager;

    int m_nLength = 0;
    int m_nFullLength = 0;
    int m_nImage = -1;
    int m_nIndex = -1;
    BOOL m_bEnabled = TRUE;
    BOOL m_bVisible = TRUE;
    DWORD_PTR m_dwData = 0;
    CRect m_rcItem;
    CString m_strCaption;
    CString m_strToolTip;
    COLORREF m_clrItem = 0;
    CXTPTabManager* m_pTabManager = nullptr;
    int m_nItemRow = 0;
    BOOL m_bClosable = TRUE;
};

class CXTPTabManager : public CXTPTabManagerAtom
{
public:
    // First and last item index of each row of a multi-row layout.
    class TabRowTable
    {
    public:
        explicit TabRowTable(CXTPTabManager* pManager) : m_pManager(pManager) {}
        // A new count rewrites nothing but row 0, which gets every item.
        void SetRowCount(int nRows);
        int GetRowCount() const { return static_cast<int>(m_arrRows.size()); }
        std::pair<int, int>& operator[](int nRow) { return m_arrRows[static_cast<size_t>(nRow)]; }
        const std::pair<int, int>& operator[](int nRow) const
        {
            return m_arrRows[static_cast<size_t>(nRow)];
        }

    private:
        CXTPTabManager* m_pManager;
        std::vector<std::pair<int, int>> m_arrRows;
    };

    class CNavigateButtonArrow;
    class CNavigateButtonArrowLeft;
    class CNavigateButtonArrowRight;
    class CNavigateButtonClose;

    CXTPTabManager();
    ~CXTPTabManager() override;

    void OnPaintManagerChanged() override;
    // The embedding class lays out (RepositionTabControl) and redraws.
    void Reposition() override = 0;
    virtual CString GetItemCaption(const CXTPTabManagerItem* pItem) const;
    virtual DWORD_PTR GetItemData(const CXTPTabManagerItem* pItem) const;
    // The tab's colour; palette codes 0x1000000 to 0x1000007 resolved.
    virtual COLORREF GetItemColor(const CXTPTabManagerItem* pItem) const;
    virtual CString GetItemTooltip(const CXTPTabManagerItem* pItem) const;
    // Renumbers the tabs and repositions.
    virtual void OnItemsChanged();
    virtual void SetSelectedItem(CXTPTabManagerItem* pItem);
    virtual void TrySelectItem(CXTPTabManagerItem* pItem);
    virtual void GetItemMetrics(CSize* pszFixed, CSize* pszMin, CSize* pszMax) const;
    virtual CXTPTabPaintManager* GetPaintManager() const = 0;
    // Invalidates the rectangle (the whole strip for null).
    virtual void RedrawRect(LPCRECT lpRect, BOOL bErase) = 0;
    virtual BOOL IsReorderAllowed() const { return m_bAllowReorder; }
    virtual void SetReorderAllowed(BOOL bAllow) { m_bAllowReorder = bAllow; }
    virtual BOOL IsStaticFrame() const;
    // With bDraw FALSE only tells whether the tab has an icon and may change
    // szIcon; a null tab asks whether icons are shown at all.
    virtual BOOL DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw,
                              CSize& szIcon) = 0;
    virtual int GetPosition() const;
    virtual void ScrollHeader(BOOL bTowardEnd);
    // Keyboard navigation: 1 for the six navigation keys, else 0.
    virtual BOOL OnKeyDown(CWnd* pWnd, UINT nKey);
    virtual BOOL IsNavigateButtonAllowed(CXTPTabManagerNavigateButton* pButton) const;
    virtual void OnSelectItem(CXTPTabManagerItem* pItem);
    virtual BOOL CanSelectItem(CXTPTabManagerItem* pItem) const;
    virtual void TrackReorder(CWnd* pWnd, CPoint point, CXTPTabManagerItem* pItem);
    virtual void OnNavigateButtonClick(int nID);
    virtual BOOL IsMouseLocked() const { return FALSE; }
    virtual BOOL IsFocused() const { return FALSE; }

    // Tabs. InsertItem appends at -1 (or past the end) and takes over the
    // caller's reference; DeleteItem lets go of one tab.
    CXTPTabManagerItem* InsertItem(int nIndex, CXTPTabManagerItem* pItem);
    void DeleteItem(int nIndex);
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(m_arrItems.size()); }
    CXTPTabManagerItem* GetItem(int nIndex) const;

    int GetCurSel() const;
    void SetCurSel(int nIndex);
    CXTPTabManagerItem* GetSelectedItem() const { return m_pSelected; }
    CXTPTabManagerItem* GetHighlightedItem() const { return m_pHighlighted; }
    CXTPTabManagerItem* GetPressedItem() const { return m_pPressed; }

    BOOL IsActive() const { return m_bActive; }
    void SetActive(BOOL bActive);

    int GetItemsLength() const;
    int GetScrollOffset() const { return m_nScrollOffset; }
    void SetScrollOffset(int nOffset);
    int GetScrollStep() const { return m_nScrollStep; }
    void EnsureVisible(CXTPTabManagerItem* pItem);
    int GetLayout() const;
    BOOL IsHorizontalPosition() const;
    int GetRectLength(const CRect& rc) const;

    CRect GetHeaderRect() const { return m_rcHeader; }
    CRect GetControlRect() const { return m_rcControl; }
    CRect GetClientRect() const { return m_rcClient; }
    TabRowTable& GetRowTable() { return m_rows; }
    const TabRowTable& GetRowTable() const { return m_rows; }

    CXTPTabManagerItem* HitTest(CPoint point) const;
    CXTPTabManagerNavigateButton* HitTestNavigateButton(CPoint point, int* pnIndex) const;
    CXTPTabManagerItem* FindNextFocusable(int nIndex, int nStep) const;
    int GetNavigateButtonCount() const { return static_cast<int>(m_arrNavigateButtons.size()); }
    CXTPTabManagerNavigateButton* GetNavigateButton(int nIndex) const;
    // The button of that id (XTPTabNavigateButton), null when none.
    CXTPTabManagerNavigateButton* FindNavigateButton(int nID) const;

    // Mouse input of the embedding window, in its client coordinates.
    BOOL PerformClick(CWnd* pWnd, CPoint point, BOOL bButtonsOnly = FALSE);
    void PerformMouseMove(CWnd* pWnd, CPoint point);
    // The tool id (a button's index or a tab's index) or -1.
    INT_PTR PerformToolHitTest(CWnd* pWnd, CPoint point, TOOLINFOA* pToolInfo) const;

protected:
    // The click loop of a tab that is selected on release.
    void TrackClick(CWnd* pWnd, CPoint point, CXTPTabManagerItem* pItem);
    // TRUE while the tab is still one of this strip's.
    BOOL IsItemInStrip(const CXTPTabManagerItem* pItem) const;
    BOOL IsHotTracking() const;
    void SetHighlighted(CXTPTabManagerItem* pItem) { m_pHighlighted = pItem; }
    CRect GetItemDrawRect(const CXTPTabManagerItem* pItem) const;

private:
    friend class CXTPTabPaintManager;

    CXTPTabManagerItem* m_pSelected = nullptr;
    CXTPTabManagerItem* m_pHighlighted = nullptr;
    CXTPTabManagerItem* m_pPressed = nullptr;
    int m_nScrollOffset = 0;
    BOOL m_bAllowReorder = TRUE;
    BOOL m_bActive = TRUE;
    CRect m_rcHeader;
    CRect m_rcControl;
    CRect m_rcClient;
    std::vector<CXTPTabManagerItem*> m_arrItems;
    std::vector<CXTPTabManagerNavigateButton*> m_arrNavigateButtons;
    TabRowTable m_rows;
    int m_nScrollStep = 20;
};
