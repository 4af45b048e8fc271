// What a control tells accessibility clients: its role by the kind of bar
// it sits on, its state, its name with the shortcut, its access key, its
// place on the screen, and its click as the default action.
#include "toolkit/controls/Control.h"

#include "toolkit/commandbars/CommandBar.h"

namespace {

// The caption without its access-key marks: "&&" stands for one "&", a
// single "&" marks the next character.
CString StripAccessKeyMarks(const CString& strCaption)
{
    CString strResult;
    for (int i = 0; i < strCaption.GetLength(); ++i)
    {
        if (strCaption[i] == '&')
        {
            ++i;
            if (i >= strCaption.GetLength())
                break;
        }
        strResult += strCaption[i];
    }
    return strResult;
}

// The character after the first single "&", or 0; "&&" is a plain "&" and
// never an access key.
char FindAccessKey(const CString& strCaption)
{
    for (int i = 0; i + 1 < strCaption.GetLength(); ++i)
    {
        if (strCaption[i] != '&')
            continue;
        if (strCaption[i + 1] != '&')
            return strCaption[i + 1];
        ++i;
    }
    return 0;
}

} // namespace

CCmdTarget* CXTPControl::GetAccessibleOwner()
{
    return this;
}

LPUNKNOWN CXTPControl::GetInterfaceHook(const void* iid)
{
    return GetAccessibleInterface(iid);
}

HRESULT CXTPControl::GetAccessibleParent(IDispatch** ppdispParent)
{
    if (ppdispParent == nullptr)
        return E_INVALIDARG;
    *ppdispParent = nullptr;
    if (m_pParent == nullptr)
        return S_FALSE;
    *ppdispParent = m_pParent->GetAccessible();
    (*ppdispParent)->AddRef();
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleChildCount(long* pcountChildren)
{
    if (pcountChildren == nullptr)
        return E_INVALIDARG;
    *pcountChildren = 0;
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleName(VARIANT, BSTR* pszName)
{
    if (pszName == nullptr)
        return E_INVALIDARG;
    CString strName = StripAccessKeyMarks(GetCaption());
    if (strName.IsEmpty())
        strName = GetTooltip();
    CString strShortcut = GetShortcutText();
    if (!strShortcut.IsEmpty())
        strName += "\t" + strShortcut;
    *pszName = AllocBSTR(strName);
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleDescription(VARIANT, BSTR* pszDescription)
{
    if (pszDescription == nullptr)
        return E_INVALIDARG;
    *pszDescription = AllocBSTR(GetDescription());
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleKeyboardShortcut(VARIANT, BSTR* pszKeyboardShortcut)
{
    if (pszKeyboardShortcut == nullptr)
        return E_INVALIDARG;
    *pszKeyboardShortcut = nullptr;
    char chKey = FindAccessKey(GetCaption());
    if (chKey == 0)
        return S_FALSE;
    CString strKey("Alt+");
    strKey += chKey;
    *pszKeyboardShortcut = AllocBSTR(strKey);
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleRole(VARIANT, VARIANT* pvarRole)
{
    if (pvarRole == nullptr)
        return E_INVALIDARG;
    ::VariantInit(pvarRole);
    pvarRole->vt = VT_I4;
    int nBarType = m_pParent != nullptr ? m_pParent->GetType() : xtpBarTypeNormal;
    if (nBarType == xtpBarTypeNormal || nBarType == xtpBarTypeRibbon)
        pvarRole->lVal = GetCommandBar() != nullptr ? ROLE_SYSTEM_BUTTONMENU : ROLE_SYSTEM_PUSHBUTTON;
    else
        pvarRole->lVal = ROLE_SYSTEM_MENUITEM;
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleState(VARIANT, VARIANT* pvarState)
{
    if (pvarState == nullptr)
        return E_INVALIDARG;
    ::VariantInit(pvarState);
    pvarState->vt = VT_I4;
    long nState = STATE_SYSTEM_FOCUSABLE;
    if (GetSelected())
        nState |= STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_SELECTED;
    if (!GetEnabled())
        nState |= STATE_SYSTEM_UNAVAILABLE;
    if (GetChecked())
        nState |= STATE_SYSTEM_CHECKED;
    if (GetPressed())
        nState |= STATE_SYSTEM_PRESSED;
    if (GetCommandBar() != nullptr)
        nState |= STATE_SYSTEM_HASPOPUP;
    if (m_pParent == nullptr || !m_pParent->IsVisible() || !IsVisible())
        nState |= STATE_SYSTEM_INVISIBLE;
    pvarState->lVal = nState;
    return S_OK;
}

HRESULT CXTPControl::GetAccessibleDefaultAction(VARIANT, BSTR* pszDefaultAction)
{
    if (pszDefaultAction == nullptr)
        return E_INVALIDARG;
    *pszDefaultAction = ::SysAllocString(L"Click");
    return S_OK;
}

HRESULT CXTPControl::AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                        VARIANT)
{
    if (pxLeft == nullptr || pyTop == nullptr || pcxWidth == nullptr || pcyHeight == nullptr)
        return E_INVALIDARG;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == nullptr || !IsVisible())
        return S_OK;
    CRect rc = GetRect();
    m_pParent->ClientToScreen(&rc);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CXTPControl::AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (pvarChild == nullptr)
        return E_INVALIDARG;
    ::VariantInit(pvarChild);
    if (m_pParent == nullptr || m_pParent->GetSafeHwnd() == nullptr)
        return S_FALSE;
    CPoint pt(xLeft, yTop);
    m_pParent->ScreenToClient(&pt);
    if (!GetRect().PtInRect(pt))
        return S_FALSE;
    pvarChild->vt = VT_I4;
    pvarChild->lVal = CHILDID_SELF;
    return S_OK;
}

HRESULT CXTPControl::AccessibleDoDefaultAction(VARIANT)
{
    OnClick(TRUE, CPoint(0, 0));
    return S_OK;
}

HRESULT CXTPControl::AccessibleSelect(long, VARIANT)
{
    if (m_pParent == nullptr)
        return S_FALSE;
    m_pParent->SetTrackingMode(TRUE, FALSE, TRUE);
    m_pParent->SetSelected(GetIndex(), TRUE);
    return S_OK;
}
