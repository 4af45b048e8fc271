// What a gallery tells accessibility clients: the control is a list, its
// items are the list's children (child id n is the item n - 1), each with
// its name, state and place; selecting or clicking a child selects the
// item. Child ids outside the items are refused.
#include "toolkit/controls/ControlGallery.h"

#include "toolkit/commandbars/CommandBar.h"

namespace {

// The caption with its access-key marks taken out ("&&" stays one "&").
CString AccessibleItemName(const CString& strCaption)
{
    CString strName(strCaption);
    strName.Replace("&&", "\x01");
    strName.Remove('&');
    strName.Replace("\x01", "&");
    return strName;
}

} // namespace

int CXTPControlGallery::ChildIndex(const VARIANT& varChild) const
{
    if (varChild.vt != VT_I4 || varChild.lVal == CHILDID_SELF)
        return varChild.vt == VT_I4 || varChild.vt == VT_EMPTY ? -1 : -2;
    const long nChild = varChild.lVal;
    return nChild >= 1 && nChild <= GetItemCount() ? static_cast<int>(nChild - 1) : -2;
}

HRESULT CXTPControlGallery::GetAccessibleChildCount(long* pcountChildren)
{
    if (!pcountChildren)
        return E_INVALIDARG;
    *pcountChildren = GetItemCount();
    return S_OK;
}

HRESULT CXTPControlGallery::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    const int nIndex = ChildIndex(varChild);
    if (nIndex == -1)
        return CXTPControlPopup::GetAccessibleName(varChild, pszName);
    CXTPControlGalleryItem* pItem = GetItem(nIndex);
    if (!pszName || !pItem)
        return E_INVALIDARG;
    CString strName = AccessibleItemName(pItem->GetCaption());
    if (strName.IsEmpty())
        strName = pItem->GetToolTip();
    *pszName = CXTPAccessible::AllocBSTR(strName);
    return S_OK;
}

HRESULT CXTPControlGallery::GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole)
{
    const int nIndex = ChildIndex(varChild);
    if (!pvarRole || nIndex == -2)
        return E_INVALIDARG;
    ::VariantInit(pvarRole);
    pvarRole->vt = VT_I4;
    pvarRole->lVal = nIndex == -1 ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM;
    return S_OK;
}

HRESULT CXTPControlGallery::GetAccessibleState(VARIANT varChild, VARIANT* pvarState)
{
    const int nIndex = ChildIndex(varChild);
    if (nIndex == -1)
        return CXTPControlPopup::GetAccessibleState(varChild, pvarState);
    if (!pvarState || nIndex == -2)
        return E_INVALIDARG;
    ::VariantInit(pvarState);
    pvarState->vt = VT_I4;
    long nState = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (nIndex == m_nSelectedItem)
        nState |= STATE_SYSTEM_FOCUSED;
    CXTPControlGalleryItem* pItem = GetItem(nIndex);
    if (pItem && pItem->GetID() == m_nCheckedItem)
        nState |= STATE_SYSTEM_SELECTED;
    pvarState->lVal = nState;
    return S_OK;
}

HRESULT CXTPControlGallery::GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    if (ChildIndex(varChild) == -2)
        return E_INVALIDARG;
    return CXTPControlPopup::GetAccessibleDefaultAction(varChild, pszDefaultAction);
}

HRESULT CXTPControlGallery::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth,
                                               long* pcyHeight, VARIANT varChild)
{
    const int nIndex = ChildIndex(varChild);
    if (nIndex == -1)
        return CXTPControlPopup::AccessibleLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
    if (!pxLeft || !pyTop || !pcxWidth || !pcyHeight || nIndex == -2)
        return E_INVALIDARG;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    if (!m_pParent || !m_pParent->GetSafeHwnd() || !IsVisible())
        return S_OK;
    CRect rc = GetItemDrawRect(nIndex);
    m_pParent->ClientToScreen(&rc);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CXTPControlGallery::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (!pvarChild)
        return E_INVALIDARG;
    ::VariantInit(pvarChild);
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return S_FALSE;
    CRect rcBar;
    m_pParent->GetWindowRect(&rcBar);
    if (!rcBar.PtInRect(CPoint(xLeft, yTop)))
        return S_FALSE;
    CPoint pt(xLeft, yTop);
    m_pParent->ScreenToClient(&pt);
    if (!m_rcControl.PtInRect(pt))
        return S_FALSE;
    pvarChild->vt = VT_I4;
    pvarChild->lVal = HitTestItem(pt) + 1;
    return S_OK;
}

HRESULT CXTPControlGallery::AccessibleDoDefaultAction(VARIANT varChild)
{
    const int nIndex = ChildIndex(varChild);
    if (nIndex == -1)
        return CXTPControlPopup::AccessibleDoDefaultAction(varChild);
    if (nIndex == -2)
        return E_INVALIDARG;
    SetSelectedItem(nIndex);
    return S_OK;
}

HRESULT CXTPControlGallery::AccessibleSelect(long flagsSelect, VARIANT varChild)
{
    const int nIndex = ChildIndex(varChild);
    if (nIndex == -1)
        return CXTPControlPopup::AccessibleSelect(flagsSelect, varChild);
    if (nIndex == -2)
        return E_INVALIDARG;
    SetSelectedItem(nIndex);
    return S_OK;
}
