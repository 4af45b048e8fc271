#include "framework/ui/OleDropTarget.h"

#include "framework/ui/OleDataObject.h"
#include "framework/ui/View.h"

namespace {

// The effect the target wants, as far as the source allows it: a copy may
// become a move and back; a refused link shows nothing. Scrolling stays.
DROPEFFECT FilterDropEffect(DROPEFFECT dropEffect, DROPEFFECT dwAllowed)
{
    DROPEFFECT dwScroll = dropEffect & DROPEFFECT_SCROLL;
    dropEffect &= ~DROPEFFECT_SCROLL;
    if (dropEffect == DROPEFFECT_NONE || (dropEffect & dwAllowed) != 0)
        return (dropEffect & dwAllowed) | dwScroll;
    if (dropEffect == DROPEFFECT_COPY && (dwAllowed & DROPEFFECT_MOVE))
        return DROPEFFECT_MOVE | dwScroll;
    if (dropEffect == DROPEFFECT_MOVE && (dwAllowed & DROPEFFECT_COPY))
        return DROPEFFECT_COPY | dwScroll;
    return DROPEFFECT_NONE | dwScroll;
}

CView* AsView(CWnd* pWnd)
{
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView)) ? static_cast<CView*>(pWnd)
                                                                   : nullptr;
}

} // namespace

COleDropTarget::COleDropTarget()
    : m_xDropTarget(this)
{
}

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

IDropTarget* COleDropTarget::GetIDropTarget()
{
    return &m_xDropTarget;
}

HWND COleDropTarget::GetRegisteredWindow() const
{
    return m_hWnd;
}

LPUNKNOWN COleDropTarget::GetInterfaceHook(const void* iid)
{
    const IID& riid = *static_cast<const IID*>(iid);
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget))
        return &m_xDropTarget;
    return nullptr;
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr || m_hWnd != nullptr)
        return FALSE;
    if (FAILED(::RegisterDragDrop(pWnd->m_hWnd, &m_xDropTarget)))
        return FALSE;
    m_hWnd = pWnd->m_hWnd;
    // A view revokes its target when its window goes.
    if (CView* pView = AsView(pWnd))
        pView->m_pDropTarget = this;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd == nullptr)
        return;
    if (CView* pView = AsView(CWnd::FromHandlePermanent(m_hWnd)))
    {
        if (pView->m_pDropTarget == this)
            pView->m_pDropTarget = nullptr;
    }
    ::RevokeDragDrop(m_hWnd);
    m_hWnd = nullptr;
    if (m_lpDataObject != nullptr)
    {
        m_lpDataObject->Release();
        m_lpDataObject = nullptr;
    }
}

CWnd* COleDropTarget::GetTargetWnd() const
{
    return m_hWnd != nullptr ? CWnd::FromHandle(m_hWnd) : nullptr;
}

CPoint COleDropTarget::ClientPoint(POINTL pt) const
{
    POINT point = { pt.x, pt.y };
    if (m_hWnd != nullptr)
        ::ScreenToClient(m_hWnd, &point);
    return CPoint(point.x, point.y);
}

// ---------------------------------------------------------------------------
// Overridables: passed on to a view

DROPEFFECT COleDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                       CPoint point)
{
    CView* pView = AsView(pWnd);
    return pView != nullptr ? pView->OnDragEnter(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                      CPoint point)
{
    CView* pView = AsView(pWnd);
    return pView != nullptr ? pView->OnDragOver(pDataObject, dwKeyState, point) : DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd* pWnd)
{
    if (CView* pView = AsView(pWnd))
        pView->OnDragLeave();
}

BOOL COleDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                            CPoint point)
{
    CView* pView = AsView(pWnd);
    return pView != nullptr && pView->OnDrop(pDataObject, dropEffect, point);
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                    DROPEFFECT dropList, CPoint point)
{
    CView* pView = AsView(pWnd);
    return pView != nullptr ? pView->OnDropEx(pDataObject, dropDefault, dropList, point)
                            : static_cast<DROPEFFECT>(-1);
}

// ---------------------------------------------------------------------------
// IDropTarget

STDMETHODIMP COleDropTarget::XDropTarget::QueryInterface(REFIID riid, void** ppv)
{
    return m_pOwner->ExternalQueryInterface(&riid, ppv);
}

STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::AddRef()
{
    return m_pOwner->ExternalAddRef();
}

// The target is a member of its window's object: the system's references
// never release the last one.
STDMETHODIMP_(ULONG) COleDropTarget::XDropTarget::Release()
{
    return m_pOwner->ExternalRelease();
}

STDMETHODIMP COleDropTarget::XDropTarget::DragEnter(LPDATAOBJECT pDataObj, DWORD grfKeyState,
                                                   POINTL pt, LPDWORD pdwEffect)
{
    if (pdwEffect == nullptr)
        return E_INVALIDARG;
    if (m_pOwner->m_lpDataObject != nullptr)
        m_pOwner->m_lpDataObject->Release();
    m_pOwner->m_lpDataObject = pDataObj;
    if (pDataObj != nullptr)
        pDataObj->AddRef();
    COleDataObject dataObject;
    dataObject.Attach(pDataObj, FALSE);
    DROPEFFECT dropEffect = m_pOwner->OnDragEnter(m_pOwner->GetTargetWnd(), &dataObject, grfKeyState,
                                                  m_pOwner->ClientPoint(pt));
    *pdwEffect = FilterDropEffect(dropEffect, *pdwEffect);
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragOver(DWORD grfKeyState, POINTL pt, LPDWORD pdwEffect)
{
    if (pdwEffect == nullptr)
        return E_INVALIDARG;
    COleDataObject dataObject;
    dataObject.Attach(m_pOwner->m_lpDataObject, FALSE);
    DROPEFFECT dropEffect = m_pOwner->OnDragOver(m_pOwner->GetTargetWnd(), &dataObject, grfKeyState,
                                                 m_pOwner->ClientPoint(pt));
    *pdwEffect = FilterDropEffect(dropEffect, *pdwEffect);
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::DragLeave()
{
    m_pOwner->OnDragLeave(m_pOwner->GetTargetWnd());
    if (m_pOwner->m_lpDataObject != nullptr)
    {
        m_pOwner->m_lpDataObject->Release();
        m_pOwner->m_lpDataObject = nullptr;
    }
    return S_OK;
}

STDMETHODIMP COleDropTarget::XDropTarget::Drop(LPDATAOBJECT pDataObj, DWORD grfKeyState, POINTL pt,
                                              LPDWORD pdwEffect)
{
    if (pdwEffect == nullptr)
        return E_INVALIDARG;
    CWnd* pWnd = m_pOwner->GetTargetWnd();
    CPoint point = m_pOwner->ClientPoint(pt);
    COleDataObject dataObject;
    dataObject.Attach(pDataObj, FALSE);

    DROPEFFECT dwAllowed = *pdwEffect;
    DROPEFFECT dropEffect =
        FilterDropEffect(m_pOwner->OnDragOver(pWnd, &dataObject, grfKeyState, point), dwAllowed)
        & ~DROPEFFECT_SCROLL;
    DROPEFFECT dropResult = m_pOwner->OnDropEx(pWnd, &dataObject, dropEffect, dwAllowed, point);
    if (dropResult != static_cast<DROPEFFECT>(-1))
    {
        dropEffect = dropResult;
    }
    else if (dropEffect != DROPEFFECT_NONE)
    {
        if (!m_pOwner->OnDrop(pWnd, &dataObject, dropEffect, point))
            dropEffect = DROPEFFECT_NONE;
    }
    else
    {
        m_pOwner->OnDragLeave(pWnd);
    }
    *pdwEffect = dropEffect;
    if (m_pOwner->m_lpDataObject != nullptr)
    {
        m_pOwner->m_lpDataObject->Release();
        m_pOwner->m_lpDataObject = nullptr;
    }
    return S_OK;
}
