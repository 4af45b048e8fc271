// CXTPRibbonGroup: one group of controls on a ribbon tab. Its controls live
// in the ribbon bar's collection (each points back to its group) and the
// group holds a reference on each. The group lays them out in columns and
// can shrink by levels when the bar is narrow:
//   level 0 turns large buttons into small ones with captions,
//   level 1 drops the captions of small buttons,
//   level 2 stacks three small buttons per column instead of two,
//   level 3 shows the group as one button that opens it in a popup.
// A reduction answers TRUE only when the group became narrower.
//
// CXTPRibbonGroups: the groups of one tab, in order.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"

#include <vector>

class CDC;
class CXTPCommandBar;
class CXTPControl;
class CXTPRibbonBar;
class CXTPRibbonGroupControlPopup;
class CXTPRibbonTab;

// Hide bits the ribbon sets on controls: a control of another tab's group
// (or of a hidden group), and a control of a group shown as its button.
const DWORD xtpHideRibbonTab = 0x80;
const DWORD xtpHideRibbonReduced = 0x100;

// Reduction levels; -1 is the group at full size.
const int xtpRibbonGroupFull = -1;
const int xtpRibbonGroupPopupLevel = 3;

class CXTPRibbonGroup : public CCmdTarget
{
    DECLARE_DYNCREATE(CXTPRibbonGroup)
public:
    // Where the layout put one control, relative to the group, and the
    // part of the group (its area above the caption) it lies in.
    struct CLayoutItem
    {
        CXTPControl* pControl = nullptr;
        CRect rcItem;
        CRect rcGroupArea;
        BOOL bHidden = FALSE;
    };

    CXTPRibbonGroup();
    ~CXTPRibbonGroup() override;

    // Controls. Add makes a control of the type through the bar's factory
    // and appends it to the group; null when the type makes none.
    CXTPControl* Add(int nType, int nID);
    // Appends an existing control (the group takes over the caller's reference).
    CXTPControl* AddControl(CXTPControl* pControl);
    int GetCount() const { return static_cast<int>(m_arrControls.size()); }
    CXTPControl* GetAt(int nIndex) const;
    // Unlinks the control (the bar's collection lets go of it itself).
    void Unlink(CXTPControl* pControl);
    void RemoveAll();

    CString GetCaption() const { return m_strCaption; }
    void SetCaption(LPCSTR lpszCaption) { m_strCaption = lpszCaption; }
    int GetID() const { return m_nID; }
    void SetID(int nID) { m_nID = nID; }
    CXTPRibbonTab* GetParentTab() const { return m_pParentTab; }
    CXTPRibbonBar* GetRibbonBar() const { return m_pRibbonBar; }
    // The bar the group is shown on: the ribbon, or the popup bar that
    // shows a copy of it.
    CXTPCommandBar* GetParent() const;
    void SetPopupBar(CXTPCommandBar* pBar) { m_pPopupBar = pBar; }
    CXTPCommandBar* GetPopupBar() const { return m_pPopupBar; }
    CRect GetRect() const { return m_rcGroup; }
    BOOL IsReduced() const { return m_nLevel >= xtpRibbonGroupPopupLevel; }
    int GetReductionLevel() const { return m_nLevel; }
    BOOL IsVisible() const;
    void SetVisible(BOOL bVisible) { m_bVisible = bVisible; }
    BOOL IsHighlighted() const;
    void ShowOptionButton(BOOL bShow) { m_bShowOptionButton = bShow; }
    BOOL IsOptionButtonVisible() const { return m_bShowOptionButton && !IsReduced(); }
    // Spread: the free height of a column goes evenly above, between and
    // below its controls; keep: they stay at the top.
    void SetSpread(BOOL bSpread) { m_bSpread = bSpread; }
    void SetKeepTop(BOOL bKeep) { m_bKeep = bKeep; }
    // Joined: the controls of each run (from one that begins a group to the
    // next) are drawn as one strip of buttons.
    void SetControlsGrouping(BOOL bGrouping) { m_bControlsGrouping = bGrouping; }
    BOOL IsControlsGrouping() const { return m_bControlsGrouping; }
    CXTPRibbonGroupControlPopup* GetControlGroupPopup() const { return m_pControlGroupPopup; }
    const std::vector<CLayoutItem>& GetLayoutItems() const { return m_arrItems; }

    // The layout's calls, in this order.
    virtual void OnBeforeLayout(CDC* pDC);
    virtual int GetWidth(CDC* pDC);
    virtual BOOL Reduce(CDC* pDC, int nLevel);
    virtual void OnPlace(const CRect& rcGroup);
    virtual void OnAfterLayout();
    // Draws the group's frame through the ribbon theme, then its controls
    // (or its button when reduced) that meet the clip box.
    virtual void Draw(CDC* pDC, CRect rcClipBox);
    // The controls and settings of another group, copied.
    virtual void Copy(CXTPRibbonGroup* pSource);
    virtual void OnGroupAdded();
    virtual void OnGroupRemoved();

    // The tab a group belongs to, and its bar; used by CXTPRibbonGroups.
    void Attach(CXTPRibbonTab* pTab, CXTPRibbonBar* pRibbonBar);

private:
    // Lays the controls out at the level into m_arrItems; the width.
    int Arrange(CDC* pDC, int nLevel);
    // The style a control takes at a level: levels set the controls'
    // custom style, so the style the program gave them stays as it was.
    static int StyleAtLevel(const CXTPControl* pControl, int nLevel);
    void SetHidden(CXTPControl* pControl, DWORD dwBit, BOOL bHidden);
    int GetCaptionWidth(CDC* pDC) const;
    int GetAreaHeight() const;

    CXTPRibbonTab* m_pParentTab = nullptr;
    CXTPRibbonBar* m_pRibbonBar = nullptr;
    CXTPCommandBar* m_pPopupBar = nullptr;
    int m_nID = 0;
    CString m_strCaption;
    CRect m_rcGroup;
    int m_nLevel = xtpRibbonGroupFull;
    int m_nWidth = 0;
    BOOL m_bShowOptionButton = FALSE;
    BOOL m_bVisible = TRUE;
    BOOL m_bSpread = TRUE;
    BOOL m_bKeep = FALSE;
    BOOL m_bControlsGrouping = FALSE;
    std::vector<CXTPControl*> m_arrControls;
    CXTPRibbonGroupControlPopup* m_pControlGroupPopup = nullptr;
    std::vector<CLayoutItem> m_arrItems;
};

class CXTPRibbonGroups : public CCmdTarget
{
public:
    explicit CXTPRibbonGroups(CXTPRibbonTab* pTab) : m_pParentTab(pTab) {}
    ~CXTPRibbonGroups() override;

    CXTPRibbonGroup* Add(LPCSTR lpszCaption, int nID);
    // Appends a group of the program's own class (the tab takes it over).
    CXTPRibbonGroup* Add(CXTPRibbonGroup* pGroup);
    int GetCount() const { return static_cast<int>(m_arrGroups.size()); }
    CXTPRibbonGroup* GetAt(int nIndex) const;
    void RemoveAll();
    CXTPRibbonTab* GetParentTab() const { return m_pParentTab; }
    int GetScrollPos() const { return m_nScrollPos; }
    void SetScrollPos(int nPos) { m_nScrollPos = nPos; }

private:
    CXTPRibbonTab* m_pParentTab;
    std::vector<CXTPRibbonGroup*> m_arrGroups;
    int m_nScrollPos = 0;
};
