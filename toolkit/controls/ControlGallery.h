// CXTPControlGallery (type 10): a rectangle on a bar showing the items of a
// gallery collection in wrapping rows, optionally under label rows, with a
// vertical scroll bar of its own, hot tracking, keyboard navigation, a
// checked and a pressed item. A click on an item executes the control.
//
// The items come with the control's action: a CXTPControlGalleryAction
// carries the collection, so every gallery of one command shows the same
// items. Without such an action the gallery has no items.
#pragma once

#include "toolkit/commandbars/ScrollBase.h"
#include "toolkit/controls/ControlAction.h"
#include "toolkit/controls/ControlGalleryItems.h"
#include "toolkit/controls/ControlGalleryLayout.h"
#include "toolkit/controls/ControlPopup.h"

// An action whose controls are galleries: it holds a reference on the item
// collection they show.
class CXTPControlGalleryAction : public CXTPControlAction
{
public:
    explicit CXTPControlGalleryAction(CXTPControlActions* pActions = nullptr);
    ~CXTPControlGalleryAction() override;

    CXTPControlGalleryItems* GetItems() const { return m_pItems; }
    // Takes a reference on the new collection and gives back the old one.
    void SetItems(CXTPControlGalleryItems* pItems);

private:
    CXTPControlGalleryItems* m_pItems;
};

class CXTPControlGallery : public CXTPControlPopup, public CXTPScrollBase
{
    DECLARE_SERIAL(CXTPControlGallery)
public:
    CXTPControlGallery();

    // The collection of the action; null without one.
    CXTPControlGalleryItems* GetItems() const;
    int GetItemCount() const;
    CXTPControlGalleryItem* GetItem(int nIndex) const;

    // Options.
    void SetControlSize(CSize szGallery) { m_szGallery = szGallery; }
    CSize GetControlSize() const { return m_szGallery; }
    void ShowLabels(BOOL bShow) { m_bShowLabels = bShow; }
    BOOL IsShowLabels() const { return m_bShowLabels; }
    void ShowScrollBar(BOOL bShow) { m_bShowScrollBar = bShow; }
    BOOL IsShowScrollBar() const { return m_bShowScrollBar; }
    void ShowBorders(BOOL bShow) { m_bShowBorders = bShow; }
    BOOL IsShowBorders() const { return m_bShowBorders; }
    void SetMargin(const CRect& rcMargin) { m_rcMargin = rcMargin; }
    CRect GetMargin() const { return m_rcMargin; }
    int GetCheckedItem() const { return m_nCheckedItem; }
    void SetCheckedItem(int nId);

    // Geometry.
    CRect GetBorders() const;
    CRect GetItemsRect() const;
    const CXTPControlGalleryLayout& GetLayout() const { return m_layout; }
    void RepositionItems();
    int HitTestItem(CPoint point, CRect* prcItem = nullptr) const;
    // The item's scrolled rectangle clipped to the items rectangle.
    CRect GetItemDrawRect(int nIndex) const;
    BOOL HasNextVisibleControl() const;

    // Scrolling.
    int GetScrollPos() const { return m_nScrollPos; }
    void SetScrollPos(int nScrollPos);
    void EnsureVisible(int nIndex);
    // -1 for an index outside the items, else 0 after scrolling to it.
    int ScrollToItem(int nIndex);
    BOOL IsScrollArrowEnabled(int nPart) const;

    // Selection and navigation.
    int GetSelectedItem() const { return m_nSelectedItem; }
    void SetSelectedItem(int nIndex);
    BOOL IsItemPressed() const { return m_bPressed; }
    BOOL IsSelectionHidden() const { return m_bHideSelection; }
    BOOL IsKeyboardSelection() const { return m_bKeyboardSelection; }
    int GetNextSelectable(int nIndex, int nDirection) const;
    int GetNextInRow(int nIndex, int nDirection) const;
    int GetNextInColumn(int nIndex, int nDirection) const;
    int GetNextPage(int nIndex, int nDirection) const;
    int FindItem(int nStart, LPCSTR lpszText, BOOL bExact) const;
    CString GetItemText(int nIndex) const;

    // Drawing.
    void DrawItems(CDC* pDC);

    // Overridden control operations.
    CString GetTooltip(CPoint point, CRect* prcTip, int* pnId) const;
    BOOL IsFocused() const override { return m_nSelected != 0; }
    void SetRect(CRect rcControl) override;
    CSize GetSize(CDC* pDC) override;
    void Draw(CDC* pDC) override;
    void DoPropExchange(CXTPPropExchange* pPX) override;
    void SetAction(CXTPControlAction* pAction) override;
    void Copy(CXTPControl* pSource, BOOL bRecursive = FALSE) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint point) override;
    void OnMouseMove(CPoint point) override;
    BOOL OnSetSelected(int nSelected) override;
    int ProcessFocusedKey(UINT nChar, UINT nFlags) override;
    BOOL OnHookMouseWheel(short nDelta) override;

    // Accessibility: child n is the item n - 1.
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                               VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT AccessibleDoDefaultAction(VARIANT varChild) override;
    HRESULT AccessibleSelect(long flagsSelect, VARIANT varChild) override;

    // The scroll base's host part.
    BOOL IsScrollBarEnabled() const override { return GetEnabled(); }
    CWnd* GetParentWindow() const override;
    void GetScrollBarRect(CRect& rc) override;
    void GetScrollInfo(SCROLLINFO* pScrollInfo) override;
    void DoScroll(int nCommand, int nPosition) override;
    void RedrawScrollBar() override { RedrawParent(FALSE); }
    CXTPControlGalleryPaintManager* GetScrollBarPaintManager() const override;

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlGallery; }
    CRect GetScrolledRect(int nIndex) const;
    void RedrawItem(int nIndex);
    int GetDefaultItemHeight() const;
    // The item index of an accessibility child id; -1 for the control
    // itself, -2 for an id outside the items.
    int ChildIndex(const VARIANT& varChild) const;

    int m_nCheckedItem;
    int m_nSelectedItem;
    BOOL m_bHideSelection;
    BOOL m_bPressed;
    int m_nScrollPos;
    BOOL m_bKeyboardSelection;
    CSize m_szGallery;
    BOOL m_bShowLabels;
    BOOL m_bShowScrollBar;
    BOOL m_bShowBorders;
    CRect m_rcMargin;
    CXTPControlGalleryLayout m_layout;
};
