#include "toolkit/commandbars/Accessible.h"

#include "framework/ui/CmdTarget.h"

const IID XTP_IID_IAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

namespace {

using PFNNOTIFYWINEVENT = void(WINAPI*)(DWORD, HWND, LONG, LONG);

// Bound once per process; oleacc's functions again at every call until found.
struct AccessibilityFunctions
{
    bool bNotifyBound = false;
    PFNNOTIFYWINEVENT pfnNotifyWinEvent = nullptr;
    LPFNACCESSIBLEOBJECTFROMWINDOW pfnAccessibleObjectFromWindow = nullptr;
    LPFNLRESULTFROMOBJECT pfnLresultFromObject = nullptr;
};

AccessibilityFunctions& Functions()
{
    static AccessibilityFunctions functions;
    return functions;
}

template <typename T>
T ProcAs(FARPROC pfn)
{
    return reinterpret_cast<T>(reinterpret_cast<void*>(pfn));
}

// The library stays loaded once it was found.
template <typename T>
T OleaccProc(LPCSTR lpszName)
{
    HMODULE hOleacc = ::LoadLibraryA("oleacc.dll");
    return hOleacc != nullptr ? ProcAs<T>(::GetProcAddress(hOleacc, lpszName)) : nullptr;
}

// Nested by-reference variants are followed this deep, no deeper.
const int kMaxVariantDepth = 4;

long ChildIdAt(const VARIANT& var, int nDepth)
{
    switch (var.vt)
    {
    case VT_EMPTY:
        return CHILDID_SELF;
    case VT_I2:
        return var.iVal;
    case VT_I4:
        return var.lVal;
    case VT_BYREF | VT_I2:
        return var.piVal != nullptr ? *var.piVal : -1;
    case VT_BYREF | VT_I4:
        return var.plVal != nullptr ? *var.plVal : -1;
    case VT_BYREF | VT_VARIANT:
        if (var.pvarVal == nullptr || nDepth >= kMaxVariantDepth)
            return -1;
        return ChildIdAt(*var.pvarVal, nDepth + 1);
    default:
        return -1;
    }
}

} // namespace

CXTPAccessible::CXTPAccessible() : m_xAccessible(this)
{
    AccessibilityFunctions& functions = Functions();
    if (!functions.bNotifyBound)
    {
        functions.bNotifyBound = true;
        if (HMODULE hUser = ::GetModuleHandleA("USER32"))
            functions.pfnNotifyWinEvent =
                ProcAs<PFNNOTIFYWINEVENT>(::GetProcAddress(hUser, "NotifyWinEvent"));
    }
}

CXTPAccessible::~CXTPAccessible() = default;

long CXTPAccessible::VariantToChildId(const VARIANT& var)
{
    return ChildIdAt(var, 0);
}

BSTR CXTPAccessible::AllocBSTR(LPCSTR lpszText)
{
    if (lpszText == nullptr)
        lpszText = "";
    int nChars = ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, nullptr, 0);
    BSTR bstr = ::SysAllocStringLen(nullptr, static_cast<UINT>(nChars > 0 ? nChars - 1 : 0));
    if (bstr != nullptr && nChars > 0)
        ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, bstr, nChars);
    return bstr;
}

void CXTPAccessible::SetI4(VARIANT* pVar, long nValue)
{
    ::VariantInit(pVar);
    pVar->vt = VT_I4;
    pVar->lVal = nValue;
}

void CXTPAccessible::NotifyWinEventIfBound(DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild)
{
    if (Functions().pfnNotifyWinEvent != nullptr)
        Functions().pfnNotifyWinEvent(dwEvent, hWnd, idObject, idChild);
}

HRESULT CXTPAccessible::AccessibleObjectFromWindowBound(HWND hWnd, DWORD dwObjectId, REFIID riid,
                                                        void** ppvObject)
{
    AccessibilityFunctions& functions = Functions();
    if (functions.pfnAccessibleObjectFromWindow == nullptr)
        functions.pfnAccessibleObjectFromWindow =
            OleaccProc<LPFNACCESSIBLEOBJECTFROMWINDOW>("AccessibleObjectFromWindow");
    if (functions.pfnAccessibleObjectFromWindow == nullptr)
        return E_FAIL;
    return functions.pfnAccessibleObjectFromWindow(hWnd, dwObjectId, riid, ppvObject);
}

LRESULT CXTPAccessible::LresultFromObjectBound(REFIID riid, WPARAM wParam, LPUNKNOWN punk)
{
    AccessibilityFunctions& functions = Functions();
    if (functions.pfnLresultFromObject == nullptr)
        functions.pfnLresultFromObject = OleaccProc<LPFNLRESULTFROMOBJECT>("LresultFromObject");
    if (functions.pfnLresultFromObject == nullptr)
        return E_FAIL;
    return functions.pfnLresultFromObject(riid, wParam, punk);
}

LPUNKNOWN CXTPAccessible::GetAccessibleInterface(const void* iid)
{
    const IID& riid = *static_cast<const IID*>(iid);
    if (IsEqualIID(riid, XTP_IID_IAccessible) || IsEqualIID(riid, IID_IDispatch)
        || IsEqualIID(riid, IID_IUnknown))
        return &m_xAccessible;
    return nullptr;
}

// ---------------------------------------------------------------------------
// The operations: nothing is implemented until a bar or control says so.

HRESULT CXTPAccessible::GetAccessibleParent(IDispatch**) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleChildCount(long*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleChild(VARIANT, IDispatch**) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleName(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleValue(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleDescription(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleRole(VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleState(VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleHelp(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleHelpTopic(BSTR*, VARIANT, long*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleKeyboardShortcut(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::GetAccessibleFocus(VARIANT*) { return S_FALSE; }
HRESULT CXTPAccessible::GetAccessibleSelection(VARIANT*) { return S_FALSE; }
HRESULT CXTPAccessible::GetAccessibleDefaultAction(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::AccessibleSelect(long, VARIANT) { return E_NOTIMPL; }
HRESULT CXTPAccessible::AccessibleLocation(long*, long*, long*, long*, VARIANT) { return E_NOTIMPL; }
HRESULT CXTPAccessible::AccessibleNavigate(long, VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::AccessibleHitTest(long, long, VARIANT*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::AccessibleDoDefaultAction(VARIANT) { return E_NOTIMPL; }
HRESULT CXTPAccessible::AccessibleSetName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT CXTPAccessible::AccessibleSetValue(VARIANT, BSTR) { return E_NOTIMPL; }
CCmdTarget* CXTPAccessible::GetAccessibleOwner() { return nullptr; }

// ---------------------------------------------------------------------------
// The interface

STDMETHODIMP_(ULONG) CXTPAccessible::XAccessible::AddRef()
{
    CCmdTarget* pOwner = m_pThis->GetAccessibleOwner();
    return pOwner != nullptr ? pOwner->ExternalAddRef() : 1;
}

STDMETHODIMP_(ULONG) CXTPAccessible::XAccessible::Release()
{
    CCmdTarget* pOwner = m_pThis->GetAccessibleOwner();
    return pOwner != nullptr ? pOwner->ExternalRelease() : 1;
}

STDMETHODIMP CXTPAccessible::XAccessible::QueryInterface(REFIID riid, void** ppvObject)
{
    if (CCmdTarget* pOwner = m_pThis->GetAccessibleOwner())
        return pOwner->ExternalQueryInterface(&riid, ppvObject);
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = m_pThis->GetAccessibleInterface(&riid);
    return *ppvObject != nullptr ? S_OK : E_NOINTERFACE;
}

STDMETHODIMP CXTPAccessible::XAccessible::GetTypeInfoCount(UINT*) { return E_NOTIMPL; }
STDMETHODIMP CXTPAccessible::XAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
STDMETHODIMP CXTPAccessible::XAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}
STDMETHODIMP CXTPAccessible::XAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                                 EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

HRESULT CXTPAccessible::XAccessible::CheckChild(const VARIANT& varChild)
{
    long nChild = VariantToChildId(varChild);
    if (nChild == CHILDID_SELF)
        return S_OK;
    long nCount = 0;
    if (nChild < 0 || FAILED(m_pThis->GetAccessibleChildCount(&nCount)) || nChild > nCount)
        return E_INVALIDARG;
    return S_OK;
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accParent(IDispatch** ppdispParent)
{
    return m_pThis->GetAccessibleParent(ppdispParent);
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accChildCount(long* pcountChildren)
{
    return m_pThis->GetAccessibleChildCount(pcountChildren);
}

// Every method with a child argument refuses a child that is not there
// before the operation sees it.

STDMETHODIMP CXTPAccessible::XAccessible::get_accChild(VARIANT varChild, IDispatch** ppdispChild)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->GetAccessibleChild(varChild, ppdispChild);
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accName(VARIANT varChild, BSTR* pszName)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->GetAccessibleName(varChild, pszName);
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->GetAccessibleValue(varChild, pszValue);
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->GetAccessibleDescription(varChild, pszDescription);
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->GetAccessibleRole(varChild, pvarRole);
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->GetAccessibleState(varChild, pvarState);
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accHelp(VARIANT varChild, BSTR* pszHelp)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->GetAccessibleHelp(varChild, pszHelp);
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild,
                                                           long* pidTopic)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->GetAccessibleHelpTopic(pszHelpFile, varChild, pidTopic);
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accKeyboardShortcut(VARIANT varChild,
                                                                  BSTR* pszKeyboardShortcut)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->GetAccessibleKeyboardShortcut(varChild, pszKeyboardShortcut);
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accFocus(VARIANT* pvarChild)
{
    return m_pThis->GetAccessibleFocus(pvarChild);
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accSelection(VARIANT* pvarChildren)
{
    return m_pThis->GetAccessibleSelection(pvarChildren);
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accDefaultAction(VARIANT varChild,
                                                               BSTR* pszDefaultAction)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->GetAccessibleDefaultAction(varChild, pszDefaultAction);
}

STDMETHODIMP CXTPAccessible::XAccessible::accSelect(long flagsSelect, VARIANT varChild)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->AccessibleSelect(flagsSelect, varChild);
}

STDMETHODIMP CXTPAccessible::XAccessible::accLocation(long* pxLeft, long* pyTop, long* pcxWidth,
                                                      long* pcyHeight, VARIANT varChild)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->AccessibleLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild);
}

STDMETHODIMP CXTPAccessible::XAccessible::accNavigate(long navDir, VARIANT varStart,
                                                      VARIANT* pvarEndUpAt)
{
    HRESULT hr = CheckChild(varStart);
    return FAILED(hr) ? hr : m_pThis->AccessibleNavigate(navDir, varStart, pvarEndUpAt);
}

STDMETHODIMP CXTPAccessible::XAccessible::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    return m_pThis->AccessibleHitTest(xLeft, yTop, pvarChild);
}

STDMETHODIMP CXTPAccessible::XAccessible::accDoDefaultAction(VARIANT varChild)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->AccessibleDoDefaultAction(varChild);
}

STDMETHODIMP CXTPAccessible::XAccessible::put_accName(VARIANT varChild, BSTR szName)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->AccessibleSetName(varChild, szName);
}

STDMETHODIMP CXTPAccessible::XAccessible::put_accValue(VARIANT varChild, BSTR szValue)
{
    HRESULT hr = CheckChild(varChild);
    return FAILED(hr) ? hr : m_pThis->AccessibleSetValue(varChild, szValue);
}
