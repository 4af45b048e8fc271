// CXTPControlPopup: the control that owns a sub-bar and opens it: menu-bar
// items and sub-menus (type 2), drop-down buttons (type 3) and split buttons
// (type 4, a command part and an arrow part). It holds one reference on its
// sub-bar.
//
// Sub-bars may be shared and stored layouts may make a bar its own
// descendant: comparing, deep copies and the customize drag's search stop
// at a bar already on the way down and at a depth cap, so such a loop
// never recurses without end.
#pragma once

#include "toolkit/controls/ControlButton.h"

#include <vector>

class CXTPCommandBar;

// Split buttons: enabled values beside TRUE and FALSE.
const int xtpSplitCommandOnly = 3;   // the command part runs, the arrow part never opens
const int xtpSplitArrowOnly = 4;     // the arrow part opens, the command part does not run

class CXTPControlPopup : public CXTPControlButton
{
    DECLARE_SERIAL(CXTPControlPopup)
public:
    CXTPControlPopup();
    ~CXTPControlPopup() override;

    // A popup control of the type (2, 3 or 4).
    static CXTPControlPopup* CreateControlPopup(int nType);

    // The sub-bar: a reference is taken on the new one, the old one released.
    void SetCommandBar(CXTPCommandBar* pBar);
    CXTPCommandBar* GetCommandBar() const override { return m_pCommandBar; }
    BOOL IsPopupOpen() const override { return m_bPopup; }
    BOOL SetPopupOpen(BOOL bOpen) override;
    BOOL GetShadowPart() const { return m_bShadow; }
    void SetShadowPart(BOOL bShadow) { m_bShadow = bShadow; }

    BOOL IsEqual(CXTPControl* pOther) const override;
    void Copy(CXTPControl* pSource, BOOL bRecursive = FALSE) override;
    // The control's keys, then "CommandBarId": the bar id of the sub-bar.
    // A loaded id waits until the bars it names are all read
    // (ResolveCommandBarId, ControlExchange.cpp).
    void DoPropExchange(CXTPPropExchange* pPX) override;
    UINT GetPendingCommandBarId() const { return m_nPendingCommandBarId; }
    // The bar of the list with the pending id becomes the sub-bar, unless
    // it already holds the bar this control lies on (a bar never opens
    // itself or a bar above it). The id is cleared either way; TRUE when a
    // sub-bar was taken.
    BOOL ResolveCommandBarId(const std::vector<CXTPCommandBar*>& bars);
    void OnKeyboardActivate() override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint point) override;
    BOOL OnLButtonDblClk(CPoint point) override;
    void OnMouseMove(CPoint point) override;
    void OnMouseHover() override;
    BOOL OnSetSelected(int nSelected) override;

    // A control is dragged over this one in customize mode: the sub-menu
    // opens for the drop, unless the dragged control holds this sub-menu
    // (a menu is never dropped into itself).
    void OnCustomizeDragOver(CXTPControl* pDragged);
    // The rectangle the open popup must not cover.
    virtual void AdjustExcludeRect(CRect& rc);
    // This control's part of the open popup's drop shadow.
    virtual void AddShadowPart();
    // The expand delay ran out while the popup was open.
    void ExpandAfterDelay();

    // TRUE when the bar is this bar or lies anywhere below it in the tree of
    // sub-bars (bars met twice are passed over).
    static BOOL ContainsBar(CXTPCommandBar* pTree, CXTPCommandBar* pBar);

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlPopup; }
    // The command part of a split button (client coordinates of the bar).
    CRect GetCommandRect() const;

    BOOL m_bPopup;
    CXTPCommandBar* m_pCommandBar;
    BOOL m_bShadow;
    UINT m_nPendingCommandBarId = 0;
};
