// What the ribbon's tab row tells accessibility clients: the control is a
// page-tab list, each tab a page tab (child id = index + 1) with its caption
// as name, its state and place; the default action "Switch" selects the tab
// by the ribbon's rules (the site may veto). Ids outside the tabs never get
// here: the interface refuses them.
#include "toolkit/extras/RibbonTab.h"

#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/draw/DrawHelpers.h"

CXTPRibbonTab* CXTPRibbonControlTab::AccessibleTab(const VARIANT& varChild) const
{
    const long nChild = VariantToChildId(varChild);
    return nChild > 0 ? GetTab(static_cast<int>(nChild - 1)) : nullptr;
}

HRESULT CXTPRibbonControlTab::GetAccessibleChildCount(long* pcountChildren)
{
    if (!pcountChildren)
        return E_INVALIDARG;
    *pcountChildren = GetItemCount();
    return S_OK;
}

HRESULT CXTPRibbonControlTab::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    CXTPRibbonTab* pTab = AccessibleTab(varChild);
    if (!pTab)
        return CXTPControl::GetAccessibleName(varChild, pszName);
    if (!pszName)
        return E_INVALIDARG;
    CString strName = pTab->GetCaption();
    StripMnemonics(strName);
    *pszName = AllocBSTR(strName);
    return S_OK;
}

HRESULT CXTPRibbonControlTab::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (!pvarRole)
        return E_INVALIDARG;
    SetI4(pvarRole, AccessibleTab(varChild) ? ROLE_SYSTEM_PAGETAB : ROLE_SYSTEM_PAGETABLIST);
    return S_OK;
}

HRESULT CXTPRibbonControlTab::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    if (!pvarState)
        return E_INVALIDARG;
    CXTPRibbonTab* pTab = AccessibleTab(varChild);
    long nState = 0;
    if (!pTab)
    {
        nState = STATE_SYSTEM_FOCUSABLE;
        if (!m_pParent || !m_pParent->IsVisible() || !IsVisible())
            nState |= STATE_SYSTEM_INVISIBLE;
    }
    else
    {
        nState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
        if (pTab == GetSelectedTab())
            nState |= STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED;
        if (!pTab->IsVisible())
            nState |= STATE_SYSTEM_INVISIBLE;
    }
    SetI4(pvarState, nState);
    return S_OK;
}

HRESULT CXTPRibbonControlTab::GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    if (!AccessibleTab(varChild))
        return CXTPControl::GetAccessibleDefaultAction(varChild, pszDefaultAction);
    if (!pszDefaultAction)
        return E_INVALIDARG;
    *pszDefaultAction = ::SysAllocString(L"Switch");
    return S_OK;
}

HRESULT CXTPRibbonControlTab::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth,
                                                 long* pcyHeight, VARIANT varChild)
{
    CXTPRibbonTab* pTab = AccessibleTab(varChild);
    if (!pTab)
        return CXTPControl::AccessibleLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
    if (!pxLeft || !pyTop || !pcxWidth || !pcyHeight)
        return E_INVALIDARG;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    if (!m_pParent || !m_pParent->GetSafeHwnd() || !pTab->IsVisible())
        return S_OK;
    CRect rc = pTab->GetRect();
    m_pParent->ClientToScreen(&rc);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CXTPRibbonControlTab::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    const HRESULT hr = CXTPControl::AccessibleHitTest(xLeft, yTop, pvarChild);
    if (hr != S_OK)
        return hr;
    CPoint pt(xLeft, yTop);
    m_pParent->ScreenToClient(&pt);
    if (CXTPTabManagerItem* pItem = HitTest(pt))
        pvarChild->lVal = pItem->GetIndex() + 1;
    return S_OK;
}

HRESULT CXTPRibbonControlTab::AccessibleDoDefaultAction(VARIANT varChild)
{
    CXTPRibbonTab* pTab = AccessibleTab(varChild);
    if (!pTab)
        return CXTPControl::AccessibleDoDefaultAction(varChild);
    SetSelectedItem(pTab);
    return S_OK;
}
