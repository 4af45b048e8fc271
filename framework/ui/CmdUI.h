// CCmdUI: the state of one user-interface item of a command (menu item,
// toolbar button, status pane) while update handlers run. The base class
// acts on a menu item (by position in m_pMenu) or on a child window
// (m_pOther); bars derive their own variants.
#pragma once

#include "framework/core/AfxWin.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    UINT m_nID = 0;
    UINT m_nIndex = 0;          // position of the item in its menu or bar
    UINT m_nIndexMax = 0;       // item count of the menu or bar
    CMenu* m_pMenu = nullptr;   // menu of the item, else null
    CMenu* m_pSubMenu = nullptr;// popup of the item when it opens one
    CMenu* m_pParentMenu = nullptr;
    CWnd* m_pOther = nullptr;   // the window of the item (bar, control), else null
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked, 2 indeterminate.
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);
    // Lets the command go on to the next target after this handler.
    void ContinueRouting();

    // Routes the update through pTarget; when nobody handles it and
    // bDisableIfNoHndler is set, a command nobody handles is disabled.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    CCmdUI(const CCmdUI&) = delete;
    CCmdUI& operator=(const CCmdUI&) = delete;
};
