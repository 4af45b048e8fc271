// CXTPAccessible: the mix-in through which bars and controls answer
// accessibility clients (screen readers). It carries an IAccessible object
// whose methods forward to the overridable operations below; the class that
// mixes it in names the CCmdTarget that carries the reference count
// (GetAccessibleOwner) and hands IAccessible and IDispatch queries to
// GetAccessibleInterface.
//
// oleacc.dll and NotifyWinEvent are bound by name at run time: the program
// runs without them, answering E_FAIL and raising no events.
//
// Child ids come from outside clients: the interface turns the child VARIANT
// of every call into an id and refuses ids that are not 0 (the object
// itself) or 1..child count with E_INVALIDARG before an operation sees them.
#pragma once

#include <windows.h>

#include <oleacc.h>

class CCmdTarget;

// The interface id of IAccessible, defined here: oleacc is not linked.
extern const IID XTP_IID_IAccessible;

class CXTPAccessible
{
public:
    CXTPAccessible();
    virtual ~CXTPAccessible();

    // The operations the interface's methods forward to; each answers
    // E_NOTIMPL unless a bar or control overrides it.
    virtual HRESULT GetAccessibleParent(IDispatch** ppdispParent);
    virtual HRESULT GetAccessibleChildCount(long* pcountChildren);
    virtual HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild);
    virtual HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName);
    virtual HRESULT GetAccessibleValue(VARIANT varChild, BSTR* pszValue);
    virtual HRESULT GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription);
    virtual HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole);
    virtual HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState);
    virtual HRESULT GetAccessibleHelp(VARIANT varChild, BSTR* pszHelp);
    virtual HRESULT GetAccessibleHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic);
    virtual HRESULT GetAccessibleKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut);
    // S_FALSE: nothing has the focus or is selected.
    virtual HRESULT GetAccessibleFocus(VARIANT* pvarChild);
    virtual HRESULT GetAccessibleSelection(VARIANT* pvarChildren);
    virtual HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction);
    virtual HRESULT AccessibleSelect(long flagsSelect, VARIANT varChild);
    virtual HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                       VARIANT varChild);
    virtual HRESULT AccessibleNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt);
    virtual HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild);
    virtual HRESULT AccessibleDoDefaultAction(VARIANT varChild);
    virtual HRESULT AccessibleSetName(VARIANT varChild, BSTR szName);
    virtual HRESULT AccessibleSetValue(VARIANT varChild, BSTR szValue);
    // The object whose reference count and interface lookup the interface
    // uses; null: the interface answers nothing but itself.
    virtual CCmdTarget* GetAccessibleOwner();

    // The interface for an IAccessible, IDispatch or IUnknown query (the
    // owner's interface lookup calls it), else null. No reference is added.
    LPUNKNOWN GetAccessibleInterface(const void* iid);
    IAccessible* GetAccessible() { return &m_xAccessible; }

    // The child id of a VARIANT: VT_EMPTY 0, VT_I2 and VT_I4 their value,
    // by reference through a non-null pointer, VT_BYREF|VT_VARIANT followed
    // at most four deep; anything else -1.
    static long VariantToChildId(const VARIANT& var);
    // A BSTR of the text in the program's code page (the caller frees it).
    static BSTR AllocBSTR(LPCSTR lpszText);
    // Makes the VARIANT a VT_I4 of the value (roles, states, child ids).
    static void SetI4(VARIANT* pVar, long nValue);
    static void NotifyWinEventIfBound(DWORD dwEvent, HWND hWnd, LONG idObject, LONG idChild);
    // E_FAIL while oleacc.dll or the function is missing (tried again at
    // the next call).
    static HRESULT AccessibleObjectFromWindowBound(HWND hWnd, DWORD dwObjectId, REFIID riid,
                                                   void** ppvObject);
    static LRESULT LresultFromObjectBound(REFIID riid, WPARAM wParam, LPUNKNOWN punk);

    class XAccessible : public IAccessible
    {
    public:
        explicit XAccessible(CXTPAccessible* pThis) : m_pThis(pThis) {}

        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(QueryInterface)(REFIID riid, void** ppvObject) override;
        STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
        STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
        STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                 DISPID* rgDispId) override;
        STDMETHOD(Invoke)(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                          DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                          UINT* puArgErr) override;
        STDMETHOD(get_accParent)(IDispatch** ppdispParent) override;
        STDMETHOD(get_accChildCount)(long* pcountChildren) override;
        STDMETHOD(get_accChild)(VARIANT varChild, IDispatch** ppdispChild) override;
        STDMETHOD(get_accName)(VARIANT varChild, BSTR* pszName) override;
        STDMETHOD(get_accValue)(VARIANT varChild, BSTR* pszValue) override;
        STDMETHOD(get_accDescription)(VARIANT varChild, BSTR* pszDescription) override;
        STDMETHOD(get_accRole)(VARIANT varChild, VARIANT* pvarRole) override;
        STDMETHOD(get_accState)(VARIANT varChild, VARIANT* pvarState) override;
        STDMETHOD(get_accHelp)(VARIANT varChild, BSTR* pszHelp) override;
        STDMETHOD(get_accHelpTopic)(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
        STDMETHOD(get_accKeyboardShortcut)(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
        STDMETHOD(get_accFocus)(VARIANT* pvarChild) override;
        STDMETHOD(get_accSelection)(VARIANT* pvarChildren) override;
        STDMETHOD(get_accDefaultAction)(VARIANT varChild, BSTR* pszDefaultAction) override;
        STDMETHOD(accSelect)(long flagsSelect, VARIANT varChild) override;
        STDMETHOD(accLocation)(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                               VARIANT varChild) override;
        STDMETHOD(accNavigate)(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
        STDMETHOD(accHitTest)(long xLeft, long yTop, VARIANT* pvarChild) override;
        STDMETHOD(accDoDefaultAction)(VARIANT varChild) override;
        STDMETHOD(put_accName)(VARIANT varChild, BSTR szName) override;
        STDMETHOD(put_accValue)(VARIANT varChild, BSTR szValue) override;

    private:
        // S_OK when the child id is the object itself or one of its children.
        HRESULT CheckChild(const VARIANT& varChild);

        CXTPAccessible* m_pThis;
    };

protected:
    XAccessible m_xAccessible;

private:
    CXTPAccessible(const CXTPAccessible&) = delete;
    CXTPAccessible& operator=(const CXTPAccessible&) = delete;
};
