// What the rich-edit view tells its control about embedded objects: where
// a new object is stored (a compound file in memory), which data may be
// pasted or dropped, the drop effect, and the context menu. Objects are
// never activated in place.
#include "framework/ui/RichEditView.h"

#include "framework/ui/OleClientItem.h"
#include "framework/ui/RichEditDoc.h"

// ---------------------------------------------------------------------------
// Selected object

CRichEditCntrItem* CRichEditView::GetSelectedItem() const
{
    if (m_hWnd == nullptr || GetDocument() == nullptr)
        return nullptr;
    CRichEditCtrl& ctrl = GetRichEditCtrl();
    if (ctrl.GetSelectionType() != SEL_OBJECT)
        return nullptr;
    IRichEditOle* pOle = ctrl.GetIRichEditOle();
    if (pOle == nullptr)
        return nullptr;
    CRichEditCntrItem* pItem = nullptr;
    REOBJECT reo = {};
    reo.cbStruct = sizeof(reo);
    if (SUCCEEDED(pOle->GetObject(REO_IOB_SELECTION, &reo,
                                  REO_GETOBJ_POLEOBJ | REO_GETOBJ_PSTG | REO_GETOBJ_POLESITE)))
    {
        pItem = GetDocument()->GetItemFor(reo);
        if (reo.poleobj != nullptr)
            reo.poleobj->Release();
        if (reo.pstg != nullptr)
            reo.pstg->Release();
        if (reo.polesite != nullptr)
            reo.polesite->Release();
    }
    pOle->Release();
    return pItem;
}

BOOL CRichEditView::IsSelected(const CObject* pDocItem) const
{
    return pDocItem != nullptr && pDocItem == GetSelectedItem();
}

HMENU CRichEditView::GetContextMenu(WORD, LPOLEOBJECT, CHARRANGE*)
{
    return nullptr;
}

HRESULT CRichEditView::QueryAcceptData(LPDATAOBJECT, CLIPFORMAT*, DWORD, BOOL, HGLOBAL)
{
    return S_OK;
}

// ---------------------------------------------------------------------------
// IRichEditOleCallback

STDMETHODIMP CRichEditView::XRichEditOleCallback::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IRichEditOleCallback))
    {
        *ppv = static_cast<IRichEditOleCallback*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CRichEditView::XRichEditOleCallback::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) CRichEditView::XRichEditOleCallback::Release()
{
    return static_cast<ULONG>(::InterlockedDecrement(&m_nRef));
}

// A new object gets a compound file in memory; the control keeps it inside
// the text.
STDMETHODIMP CRichEditView::XRichEditOleCallback::GetNewStorage(LPSTORAGE* ppStg)
{
    if (ppStg == nullptr)
        return E_INVALIDARG;
    *ppStg = nullptr;
    ILockBytes* pLockBytes = nullptr;
    HRESULT hr = ::CreateILockBytesOnHGlobal(nullptr, TRUE, &pLockBytes);
    if (FAILED(hr))
        return hr;
    hr = ::StgCreateDocfileOnILockBytes(pLockBytes,
                                        STGM_SHARE_EXCLUSIVE | STGM_CREATE | STGM_READWRITE, 0,
                                        ppStg);
    pLockBytes->Release();
    return hr;
}

STDMETHODIMP CRichEditView::XRichEditOleCallback::GetInPlaceContext(LPOLEINPLACEFRAME*,
                                                                     LPOLEINPLACEUIWINDOW*,
                                                                     LPOLEINPLACEFRAMEINFO)
{
    return E_NOTIMPL;
}

STDMETHODIMP CRichEditView::XRichEditOleCallback::ShowContainerUI(BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CRichEditView::XRichEditOleCallback::QueryInsertObject(LPCLSID, LPSTORAGE, LONG)
{
    return S_OK;
}

// The item of an object the user deleted goes with it.
STDMETHODIMP CRichEditView::XRichEditOleCallback::DeleteObject(LPOLEOBJECT lpoleobj)
{
    if (CRichEditDoc* pDoc = m_pView->GetDocument())
    {
        if (CRichEditCntrItem* pItem = pDoc->LookupItem(lpoleobj))
            delete pItem;
    }
    return S_OK;
}

STDMETHODIMP CRichEditView::XRichEditOleCallback::QueryAcceptData(LPDATAOBJECT lpdataobj,
                                                                   CLIPFORMAT* lpcfFormat,
                                                                   DWORD reco, BOOL fReally,
                                                                   HGLOBAL hMetaPict)
{
    return m_pView->QueryAcceptData(lpdataobj, lpcfFormat, reco, fReally, hMetaPict);
}

STDMETHODIMP CRichEditView::XRichEditOleCallback::ContextSensitiveHelp(BOOL)
{
    return S_OK;
}

// The control offers its own data for cut, copy and drag.
STDMETHODIMP CRichEditView::XRichEditOleCallback::GetClipboardData(CHARRANGE*, DWORD,
                                                                    LPDATAOBJECT* lplpdataobj)
{
    if (lplpdataobj != nullptr)
        *lplpdataobj = nullptr;
    return E_NOTIMPL;
}

// Dropping: Ctrl copies, otherwise the text moves, within what the source
// allows.
STDMETHODIMP CRichEditView::XRichEditOleCallback::GetDragDropEffect(BOOL fDrag, DWORD grfKeyState,
                                                                     LPDWORD pdwEffect)
{
    if (!fDrag && pdwEffect != nullptr)
    {
        DWORD dwEffect = (grfKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
        if (*pdwEffect & dwEffect)
            *pdwEffect = dwEffect;
    }
    return S_OK;
}

STDMETHODIMP CRichEditView::XRichEditOleCallback::GetContextMenu(WORD seltype,
                                                                  LPOLEOBJECT lpoleobj,
                                                                  CHARRANGE* lpchrg,
                                                                  HMENU* lphmenu)
{
    if (lphmenu == nullptr)
        return E_INVALIDARG;
    *lphmenu = m_pView->GetContextMenu(seltype, lpoleobj, lpchrg);
    return S_OK;
}
