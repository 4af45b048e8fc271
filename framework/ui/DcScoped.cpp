// The scoped DCs of windows.
#include "framework/ui/Dc.h"

#include "framework/ui/Wnd.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd)
    : m_hWnd(pWnd->GetSafeHwnd())
{
    ASSERT(::IsWindow(m_hWnd));
    if (Attach(::BeginPaint(m_hWnd, &m_ps)))
        m_nSavedDC = SaveDC();
}

CPaintDC::~CPaintDC()
{
    if (m_hDC == nullptr)
        return;
    RestoreDC(m_nSavedDC);
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd)
    : m_hWnd(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr)
{
    if (Attach(::GetDC(m_hWnd)))
        m_nSavedDC = SaveDC();
}

CClientDC::~CClientDC()
{
    if (m_hDC == nullptr)
        return;
    RestoreDC(m_nSavedDC);
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd)
    : m_hWnd(pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr)
{
    if (Attach(::GetWindowDC(m_hWnd)))
        m_nSavedDC = SaveDC();
}

CWindowDC::~CWindowDC()
{
    if (m_hDC == nullptr)
        return;
    RestoreDC(m_nSavedDC);
    ::ReleaseDC(m_hWnd, Detach());
}
