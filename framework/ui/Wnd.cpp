// CWnd's handle-map side: permanent and temporary wrappers, Attach and
// Detach, and the wrappers message-map adapters hand to handlers.
#include "framework/ui/Wnd.h"

#include "framework/ui/Dc.h"
#include "framework/ui/Menu.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd* CWndHandleTraits::NewTemporary(HWND hWnd)
{
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    return pWnd;
}

void CWndHandleTraits::DeleteTemporary(CWnd* pWnd)
{
    // A temporary only borrows its window: let go before the destructor.
    pWnd->m_hWnd = nullptr;
    delete pWnd;
}

CWnd::CWnd() = default;

CWnd::CWnd(HWND hWndStatic)
    : m_hWnd(hWndStatic)
{
}

CWnd::~CWnd()
{
    if (m_hWnd == nullptr)
        return;
    CWndHandleMap& map = CWndHandleMap::ForThread();
    if (map.LookupPermanent(m_hWnd) != this)
        return;   // the insert-after constants and borrowed handles
    // The window outlives its object: destroy it now. Its last messages
    // reach only CWnd's own handling, the derived parts are gone.
    HWND hWnd = m_hWnd;
    ::DestroyWindow(hWnd);
    if (map.LookupPermanent(hWnd) == this)
        Detach();
}

// Callers rely on pWnd->GetSafeHwnd() answering null for a null pWnd. The
// compiler may assume 'this' is never null, so the pointer is passed
// through an empty asm statement it cannot see into.
HWND CWnd::GetSafeHwnd() const
{
    const CWnd* pThis = this;
    asm("" : "+r"(pThis));
    return pThis == nullptr ? nullptr : pThis->m_hWnd;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return CWndHandleMap::ForThread().FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    return CWndHandleMap::ForThread().LookupPermanent(hWnd);
}

void CWnd::DeleteTempMap()
{
    CWndHandleMap::ForThread().DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    ASSERT(m_hWnd == nullptr);
    if (hWndNew == nullptr || m_hWnd != nullptr)
        return FALSE;
    CWndHandleMap& map = CWndHandleMap::ForThread();
    if (map.LookupPermanent(hWndNew) != nullptr)
        return FALSE;
    map.SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
    {
        CWndHandleMap& map = CWndHandleMap::ForThread();
        if (map.LookupPermanent(hWnd) == this)
            map.RemoveHandle(hWnd);
    }
    m_hWnd = nullptr;
    return hWnd;
}

CWnd* AFXAPI AfxWrapWnd(HWND hWnd)
{
    return CWnd::FromHandle(hWnd);
}

CDC* AFXAPI AfxWrapDC(HDC hDC)
{
    return CDC::FromHandle(hDC);
}

CMenu* AFXAPI AfxWrapMenu(HMENU hMenu)
{
    return CMenu::FromHandle(hMenu);
}
