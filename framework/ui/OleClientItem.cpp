#include "framework/ui/OleClientItem.h"

#include "framework/core/Archive.h"
#include "framework/ui/Menu.h"
#include "framework/ui/RichEditDoc.h"
#include "framework/ui/Wnd.h"

#include <oledlg.h>

IMPLEMENT_DYNAMIC(COleClientItem, CDocItem)
IMPLEMENT_SERIAL(CRichEditCntrItem, COleClientItem, 0)

namespace {

template <class T> void ReleaseInterface(T*& p)
{
    if (p != nullptr)
    {
        p->Release();
        p = nullptr;
    }
}

} // namespace

// ---------------------------------------------------------------------------
// COleClientItem

COleClientItem::COleClientItem(COleDocument* pContainerDoc)
{
    if (pContainerDoc != nullptr)
        pContainerDoc->AddItem(this);
}

COleClientItem::~COleClientItem()
{
    Release();
}

UINT COleClientItem::GetItemState() const
{
    return m_nItemState;
}

OLE_OBJTYPE COleClientItem::GetType() const
{
    if (m_lpObject == nullptr)
        return OT_UNKNOWN;
    IOleLink* pLink = nullptr;
    if (SUCCEEDED(m_lpObject->QueryInterface(IID_IOleLink, reinterpret_cast<void**>(&pLink))))
    {
        pLink->Release();
        return OT_LINK;
    }
    CLSID clsid;
    if (SUCCEEDED(m_lpObject->GetUserClassID(&clsid)) && IsEqualCLSID(clsid, CLSID_NULL))
        return OT_STATIC;
    return OT_EMBEDDED;
}

BOOL COleClientItem::IsBlank() const
{
    return m_lpObject == nullptr;
}

void COleClientItem::Release(OLECLOSE dwCloseOption)
{
    if (m_lpObject != nullptr && m_nItemState >= openState)
        m_lpObject->Close(dwCloseOption);
    ReleaseInterface(m_lpObject);
    ReleaseInterface(m_lpClientSite);
    ReleaseInterface(m_lpStorage);
    ReleaseInterface(m_lpLockBytes);
    m_nItemState = emptyState;
}

BOOL COleClientItem::GetItemStorageFlat()
{
    ASSERT(m_lpStorage == nullptr && m_lpLockBytes == nullptr);
    if (FAILED(::CreateILockBytesOnHGlobal(nullptr, TRUE, &m_lpLockBytes)))
        return FALSE;
    if (FAILED(::StgCreateDocfileOnILockBytes(
            m_lpLockBytes, STGM_SHARE_EXCLUSIVE | STGM_CREATE | STGM_READWRITE, 0, &m_lpStorage)))
    {
        ReleaseInterface(m_lpLockBytes);
        return FALSE;
    }
    return TRUE;
}

BOOL COleClientItem::DoVerb(LONG nVerb, CWnd* pParent, LPMSG lpMsg)
{
    if (m_lpObject == nullptr)
        return FALSE;
    RECT rect = {};
    HWND hWnd = pParent != nullptr ? pParent->GetSafeHwnd() : nullptr;
    if (hWnd != nullptr)
        ::GetClientRect(hWnd, &rect);
    HRESULT hr = m_lpObject->DoVerb(nVerb, lpMsg, m_lpClientSite, -1, hWnd, &rect);
    return SUCCEEDED(hr);
}

// ---------------------------------------------------------------------------
// CRichEditCntrItem

CRichEditCntrItem::CRichEditCntrItem(REOBJECT* preo, CRichEditDoc* pContainer)
    : COleClientItem(pContainer)
{
    if (preo != nullptr)
    {
        m_lpObject = preo->poleobj;
        m_lpStorage = preo->pstg;
        m_lpClientSite = preo->polesite;
        if (m_lpObject != nullptr)
            m_lpObject->AddRef();
        if (m_lpStorage != nullptr)
            m_lpStorage->AddRef();
        if (m_lpClientSite != nullptr)
            m_lpClientSite->AddRef();
        m_dwDrawAspect = preo->dvaspect;
        m_nItemState = m_lpObject != nullptr ? loadedState : emptyState;
    }
}

CRichEditCntrItem::~CRichEditCntrItem() = default;

CRichEditDoc* CRichEditCntrItem::GetDocument() const
{
    return static_cast<CRichEditDoc*>(COleClientItem::GetDocument());
}

void CRichEditCntrItem::SyncToRichEditObject(REOBJECT& reo)
{
    m_dwDrawAspect = reo.dvaspect;
    if (reo.poleobj != m_lpObject)
    {
        if (reo.poleobj != nullptr)
            reo.poleobj->AddRef();
        if (m_lpObject != nullptr)
            m_lpObject->Release();
        m_lpObject = reo.poleobj;
    }
    m_nItemState = m_lpObject != nullptr ? loadedState : emptyState;
}

// ---------------------------------------------------------------------------

void AFXAPI AfxOleSetEditMenu(COleClientItem* pClient, CMenu* pMenu, UINT iMenuItem,
                              UINT nIDVerbMin, UINT nIDVerbMax, UINT nIDConvert)
{
    if (pMenu == nullptr || pMenu->GetSafeHmenu() == nullptr)
        return;
    LPOLEOBJECT lpObject = pClient != nullptr ? pClient->m_lpObject : nullptr;
    HMENU hPopup = nullptr;
    if (!::OleUIAddVerbMenuA(lpObject, nullptr, pMenu->GetSafeHmenu(), iMenuItem, nIDVerbMin,
                             nIDVerbMax, nIDConvert != 0, nIDConvert, &hPopup)
        && lpObject == nullptr)
        pMenu->EnableMenuItem(iMenuItem, MF_BYPOSITION | MF_GRAYED);
}
