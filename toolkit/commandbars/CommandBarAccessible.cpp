// What a bar tells accessibility clients: one child per control (child id =
// index + 1), its own name, role and state, and where things are. Clients
// reach the bar through WM_GETOBJECT, a control through its command id.
#include "toolkit/commandbars/CommandBar.h"

#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

CCmdTarget* CXTPCommandBar::GetAccessibleOwner()
{
    return this;
}

LPUNKNOWN CXTPCommandBar::GetInterfaceHook(const void* iid)
{
    return GetAccessibleInterface(iid);
}

// The control of a child id (1..count), else null.
CXTPControl* CXTPCommandBar::GetAccessibleControl(const VARIANT& varChild) const
{
    long nChild = VariantToChildId(varChild);
    return nChild > 0 ? GetControl(static_cast<int>(nChild - 1)) : nullptr;
}

HRESULT CXTPCommandBar::GetAccessibleParent(IDispatch** ppdispParent)
{
    if (ppdispParent == nullptr)
        return E_INVALIDARG;
    *ppdispParent = nullptr;
    if (CXTPControl* pControl = GetControlPopup())
    {
        *ppdispParent = pControl->GetAccessible();
        (*ppdispParent)->AddRef();
        return S_OK;
    }
    if (m_hWnd == nullptr)
        return S_FALSE;
    return AccessibleObjectFromWindowBound(m_hWnd, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                           reinterpret_cast<void**>(ppdispParent));
}

HRESULT CXTPCommandBar::GetAccessibleChildCount(long* pcountChildren)
{
    if (pcountChildren == nullptr)
        return E_INVALIDARG;
    *pcountChildren = GetControlCount();
    return S_OK;
}

HRESULT CXTPCommandBar::GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (ppdispChild == nullptr)
        return E_INVALIDARG;
    *ppdispChild = nullptr;
    CXTPControl* pControl = GetAccessibleControl(varChild);
    if (pControl == nullptr)
        return S_FALSE;
    *ppdispChild = pControl->GetAccessible();
    (*ppdispChild)->AddRef();
    return S_OK;
}

HRESULT CXTPCommandBar::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    if (CXTPControl* pControl = GetAccessibleControl(varChild))
        return pControl->GetAccessibleName(varChild, pszName);
    if (pszName == nullptr)
        return E_INVALIDARG;
    *pszName = AllocBSTR(GetTitle());
    return S_OK;
}

HRESULT CXTPCommandBar::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (pvarRole == nullptr)
        return E_INVALIDARG;
    if (GetAccessibleControl(varChild) != nullptr)
    {
        SetI4(pvarRole, ROLE_SYSTEM_MENUITEM);
        return S_OK;
    }
    long nRole = ROLE_SYSTEM_TOOLBAR;
    if (GetType() == xtpBarTypeMenuBar)
        nRole = ROLE_SYSTEM_MENUBAR;
    else if (GetType() == xtpBarTypePopup)
        nRole = ROLE_SYSTEM_MENUPOPUP;
    SetI4(pvarRole, nRole);
    return S_OK;
}

HRESULT CXTPCommandBar::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    if (pvarState == nullptr)
        return E_INVALIDARG;
    long nChild = VariantToChildId(varChild);
    long nState = IsVisible() ? 0 : STATE_SYSTEM_INVISIBLE;
    if (nChild > 0)
    {
        nState |= STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
        if (nChild - 1 == GetSelectedIndex())
            nState |= STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED;
    }
    SetI4(pvarState, nState);
    return S_OK;
}

HRESULT CXTPCommandBar::GetAccessibleKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut)
{
    if (CXTPControl* pControl = GetAccessibleControl(varChild))
        return pControl->GetAccessibleKeyboardShortcut(varChild, pszKeyboardShortcut);
    return S_FALSE;
}

HRESULT CXTPCommandBar::GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    if (CXTPControl* pControl = GetAccessibleControl(varChild))
        return pControl->GetAccessibleDefaultAction(varChild, pszDefaultAction);
    return S_FALSE;
}

HRESULT CXTPCommandBar::AccessibleDoDefaultAction(VARIANT varChild)
{
    if (CXTPControl* pControl = GetAccessibleControl(varChild))
        return pControl->AccessibleDoDefaultAction(varChild);
    return S_FALSE;
}

HRESULT CXTPCommandBar::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                           VARIANT varChild)
{
    if (CXTPControl* pControl = GetAccessibleControl(varChild))
        return pControl->AccessibleLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
    if (pxLeft == nullptr || pyTop == nullptr || pcxWidth == nullptr || pcyHeight == nullptr)
        return E_INVALIDARG;
    CRect rc(0, 0, 0, 0);
    if (m_hWnd != nullptr)
        GetWindowRect(&rc);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CXTPCommandBar::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (pvarChild == nullptr)
        return E_INVALIDARG;
    ::VariantInit(pvarChild);
    CRect rcWindow;
    if (m_hWnd == nullptr)
        return S_FALSE;
    GetWindowRect(&rcWindow);
    if (!rcWindow.PtInRect(CPoint(xLeft, yTop)))
        return S_FALSE;
    CPoint pt(xLeft, yTop);
    ScreenToClient(&pt);
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CXTPControl* pControl = GetControl(i);
        if (pControl != nullptr && pControl->IsVisible() && pControl->GetRect().PtInRect(pt))
        {
            pvarChild->vt = VT_DISPATCH;
            pvarChild->pdispVal = pControl->GetAccessible();
            pvarChild->pdispVal->AddRef();
            return S_OK;
        }
    }
    SetI4(pvarChild, CHILDID_SELF);
    return S_OK;
}

// WM_GETOBJECT: the bar for its client or menu object, a control for its
// command id.
LRESULT CXTPCommandBar::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    LONG nObjectId = static_cast<LONG>(lParam);
    if (nObjectId == OBJID_CLIENT || nObjectId == OBJID_MENU)
        return LresultFromObjectBound(XTP_IID_IAccessible, wParam, GetAccessible());
    if (nObjectId > 0 && nObjectId <= 0xFFFFFE)
    {
        for (int i = 0; i < GetControlCount(); ++i)
        {
            CXTPControl* pControl = GetControl(i);
            if (pControl != nullptr && pControl->GetID() == nObjectId)
                return LresultFromObjectBound(XTP_IID_IAccessible, wParam, pControl->GetAccessible());
        }
    }
    return Default();
}
