// Command routing through message maps, reference counting and interface
// lookup of CCmdTarget.
#include "framework/ui/CmdTarget.h"

#include "framework/ui/CmdUI.h"
#include "framework/ui/WaitCursor.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() = default;

CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY s_entries[] = {
        { 0, 0, 0, 0, AfxEntry_End, nullptr, nullptr } };
    static const AFX_MSGMAP s_map = { nullptr, &s_entries[0] };
    return &s_map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindCommandEntry(const AFX_MSGMAP* pMap, UINT nMessage,
                                                     UINT nCode, UINT nID)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nKind != AfxEntry_End; ++p)
        {
            if ((p->nKind == AfxEntry_Command || p->nKind == AfxEntry_Update)
                && p->nMessage == nMessage && p->nCode == nCode
                && nID >= p->nID && nID <= p->nLastID)
                return p;
        }
    }
    return nullptr;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr)
    {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nKind != AfxEntry_End; ++p)
        {
            if ((p->nKind == AfxEntry_Message && p->nMessage == nMessage)
                || (p->nKind == AfxEntry_Registered && *p->pnRegistered == nMessage
                    && nMessage != 0))
                return p;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT nMessage = WM_COMMAND;
    UINT nNotify = 0xFFFF;
    if (nCode != CN_UPDATE_COMMAND_UI)
    {
        nMessage = HIWORD(nCode) != 0 ? HIWORD(nCode) : WM_COMMAND;
        nNotify = LOWORD(nCode);
    }

    const AFX_MSGMAP_ENTRY* pEntry = FindCommandEntry(GetMessageMap(), nMessage, nNotify, nID);
    if (pEntry == nullptr)
        return FALSE;
    if (pHandlerInfo != nullptr)
    {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = pEntry->pfn;
        return TRUE;
    }

    LPARAM lExtra = reinterpret_cast<LPARAM>(pExtra);
    if (pEntry->nKind != AfxEntry_Update || pExtra == nullptr)
        return static_cast<BOOL>(pEntry->pfn(this, nID, lExtra));

    // An update handler may pass the item on with ContinueRouting.
    CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
    pCmdUI->m_bContinueRouting = FALSE;
    pEntry->pfn(this, nID, lExtra);
    BOOL bHandled = !pCmdUI->m_bContinueRouting;
    pCmdUI->m_bContinueRouting = FALSE;
    return bHandled;
}

DWORD CCmdTarget::InternalAddRef()
{
    return static_cast<DWORD>(InterlockedIncrement(&m_dwRef));
}

DWORD CCmdTarget::InternalRelease()
{
    ASSERT(m_dwRef > 0);
    LONG nRef = InterlockedDecrement(&m_dwRef);
    if (nRef == 0)
        OnFinalRelease();
    return static_cast<DWORD>(nRef);
}

void CCmdTarget::OnFinalRelease()
{
    delete this;
}

DWORD CCmdTarget::ExternalAddRef()
{
    return InternalAddRef();
}

DWORD CCmdTarget::ExternalRelease()
{
    return InternalRelease();
}

HRESULT CCmdTarget::ExternalQueryInterface(const void* iid, LPVOID* ppvObj)
{
    if (ppvObj == nullptr)
        return E_POINTER;
    LPUNKNOWN pUnk = GetInterface(iid);
    *ppvObj = pUnk;
    if (pUnk == nullptr)
        return E_NOINTERFACE;
    ExternalAddRef();
    return S_OK;
}

const AFX_INTERFACEMAP_ENTRY* CCmdTarget::GetInterfaceEntries() const
{
    return nullptr;
}

LPUNKNOWN CCmdTarget::GetInterface(const void* iid)
{
    const IID& riid = *static_cast<const IID*>(iid);
    if (const AFX_INTERFACEMAP_ENTRY* pEntry = GetInterfaceEntries())
    {
        BYTE* pThis = reinterpret_cast<BYTE*>(this);
        // The first entry's object answers IUnknown.
        if (pEntry->piid != nullptr && IsEqualIID(riid, IID_IUnknown))
            return reinterpret_cast<LPUNKNOWN>(pThis + pEntry->nOffset);
        for (; pEntry->piid != nullptr; ++pEntry)
        {
            if (IsEqualIID(riid, *pEntry->piid))
                return reinterpret_cast<LPUNKNOWN>(pThis + pEntry->nOffset);
        }
    }
    return GetInterfaceHook(iid);
}

LPUNKNOWN CCmdTarget::GetInterfaceHook(const void*)
{
    return nullptr;
}

void CCmdTarget::BeginWaitCursor()
{
    AfxDoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
    AfxDoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    AfxDoWaitCursor(0);
}

CWaitCursor::CWaitCursor()
{
    AfxDoWaitCursor(1);
}

CWaitCursor::~CWaitCursor()
{
    AfxDoWaitCursor(-1);
}

void CWaitCursor::Restore()
{
    AfxDoWaitCursor(0);
}
