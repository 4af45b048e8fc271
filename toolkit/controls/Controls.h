// CXTPControls: the ordered collection of the controls of one bar. It holds
// one reference on each control and keeps their index, owner and parent bar
// current; it makes controls by type (the factory), converts menu items into
// controls, keeps a copy of the original controls for customisation, and
// lays its controls out as toolbar rows (ControlsLayout.cpp).
#pragma once

#include "framework/core/Array.h"
#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"

class CDC;
class CMenu;
class CWnd;
class CXTPCommandBar;
class CXTPCommandBars;
class CXTPControl;
class CXTPPropExchange;

// The record of the control-creation query (private messages 10334 before a
// control is made from a menu or toolbar resource, 10335 after it was made).
// The site may change id, caption, type and style, or supply the control.
struct XTP_COMMANDBARS_CREATECONTROL
{
    int nID;
    CXTPControl* pControl;
    BOOL bToolBar;
    int nIndex;
    CMenu* pMenu;
    CXTPCommandBar* pCommandBar;
    CString strCaption;
    int controlType;
    int buttonStyle;
};

class CXTPControls : public CCmdTarget
{
    DECLARE_DYNCREATE(CXTPControls)
public:
    CXTPControls();
    ~CXTPControls() override;

    int GetCount() const { return static_cast<int>(m_arrControls.GetSize()); }
    // Null outside 0..count-1.
    CXTPControl* GetAt(int nIndex) const;
    CXTPCommandBar* GetParent() const { return m_pParent; }
    // The parent bar's command bars, else the ones stored here.
    CXTPCommandBars* GetCommandBars() const;
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    void SetParent(CXTPCommandBar* pParent);
    CXTPControls* GetOriginalControls() const { return m_pOriginalControls; }

    // The factory: a control of the type (null for a type outside 1..10),
    // bound to its action and inserted at the index (out of range appends).
    CXTPControl* Add(int nType, int nId = 0, LPCSTR lpszParameter = nullptr, int nBefore = -1,
                     BOOL bTemporary = FALSE);
    // Binds an existing control and inserts it; the collection takes over
    // the caller's reference.
    CXTPControl* Add(CXTPControl* pControl, int nId = 0, LPCSTR lpszParameter = nullptr,
                     int nBefore = -1, BOOL bTemporary = FALSE);
    CXTPControl* AddControl(CXTPControl* pControl, int nId, LPCSTR lpszParameter, int nBefore,
                            BOOL bTemporary) { return Add(pControl, nId, lpszParameter, nBefore, bTemporary); }
    CXTPControl* InsertAt(CXTPControl* pControl, int nBefore);
    CXTPControl* AddTail(CXTPControl* pControl) { return InsertAt(pControl, -1); }
    CXTPControl* AddCopy(CXTPControl* pControl, int nBefore = -1, BOOL bRecursive = FALSE);
    // The control for one menu item, appended; null when the item makes none.
    CXTPControl* AddMenuItem(CMenu* pMenu, int nIndex);
    CXTPControl* LoadMenuItem(CMenu* pMenu, int nIndex) { return AddMenuItem(pMenu, nIndex); }

    virtual void Remove(CXTPControl* pControl);
    void RemoveAt(int nIndex);
    void RemoveAll();

    CXTPControl* FindControl(int nId) const;
    CXTPControl* FindControl(int nType, int nId, BOOL bVisible, BOOL bRecursive) const;
    CXTPControl* FindControlEx(int nType, int nId, BOOL bVisible, BOOL bRecursive) const
    {
        return FindControl(nType, nId, bVisible, bRecursive);
    }
    CXTPControl* HitTest(CPoint point) const;
    int GetVisibleCount(BOOL bIgnoreWrap = TRUE) const;
    // The next index from nStart in direction nStep (+1 or -1) with one
    // wrap-around; -1 when none qualifies. Passes over invisible controls,
    // and on request over controls skipped by keyboard navigation, temporary
    // ones and popups with nothing to show. bKeepScrolled keeps controls the
    // personalised menu hides out of the walk.
    int GetNext(int nStart, int nStep, BOOL bSkipFocus = TRUE, BOOL bSkipTemporary = FALSE,
                BOOL bKeepScrolled = FALSE, BOOL bSkipEmptyPopups = FALSE) const;
    int GetNextVisibleIndex(int nStart, int nStep, BOOL bSkipFocus = TRUE,
                            BOOL bSkipTemporary = FALSE, BOOL bKeepScrolled = FALSE,
                            BOOL bSkipEmptyPopups = FALSE) const
    {
        return GetNext(nStart, nStep, bSkipFocus, bSkipTemporary, bKeepScrolled, bSkipEmptyPopups);
    }

    CXTPControls* Duplicate(BOOL bRecursive = FALSE) const;
    void CreateOriginalControls();
    void ClearOriginalControls();
    BOOL IsChanged() const;
    // Equal controls in the same order, temporary controls skipped.
    BOOL Compare(const CXTPControls* pOther) const;
    BOOL IsEqual(const CXTPControls* pOther) const { return Compare(pOther); }

    // Lays the controls out for the length and layout mode and returns the
    // bar's size, borders included (ControlsLayout.cpp).
    CSize CalcDynamicSize(CDC* pDC, int nLength, DWORD dwMode, const CRect& rcBorder,
                          int nMinLength = 0);

    virtual void DoPropExchange(CXTPPropExchange* pPX);
    virtual void OnControlAdded(CXTPControl* pControl);
    virtual void OnControlRemoved(CXTPControl* pControl);
    virtual BOOL IsFixedControl(CXTPControl* /*pControl*/) const { return FALSE; }
    // Index, owner and parent bar of every control; the bar forgets its selection.
    void RefreshIndexes();
    void Renumber() { RefreshIndexes(); }

private:
    // Binds the action of the id (made on demand where the id range allows).
    void BindAction(CXTPControl* pControl, int nId);
    // A new control of the type, null for unknown types and custom controls.
    CXTPControl* CreateByType(int nType, int nId) const;
    // A popup control of the type with its sub-bar: the site's answer to the
    // popup-bar query, else a new popup bar, filled from the sub-menu or from
    // the menu resource of the id. pMenuCaption is the caption of a menu
    // item (null: taken from the resource).
    CXTPControl* CreatePopupControl(int nType, int nId, CString* pMenuCaption,
                                    CMenu* pSubMenu) const;
    // The same for a menu item, whose caption may pick the class.
    CXTPControl* CreateByType(int nType, int nId, BOOL bFromMenu, const CString& strCaption) const;
    CXTPControl* DetachAt(int nIndex);
    // The window that answers the creation queries: the command bars' site,
    // else the parent bar's.
    CWnd* GetSiteWindow() const;

    CXTPCommandBar* m_pParent;
    CArray<CXTPControl*, CXTPControl*> m_arrControls;
    CXTPCommandBars* m_pCommandBars;
    CXTPControls* m_pOriginalControls;
};
