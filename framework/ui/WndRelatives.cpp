// CWnd's relatives (parent, owner, frame, children, siblings) and the
// thread's focus, capture and active windows.
#include "framework/ui/Wnd.h"

HWND AFXAPI AfxGetParentOwner(HWND hWnd)
{
    // A permanent CWnd may have been given an explicit owner.
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
        return pWnd->GetOwner()->GetSafeHwnd();
    return (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hWnd)
                                                          : ::GetWindow(hWnd, GW_OWNER);
}

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
}

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent();
}

void CWnd::SetOwner(CWnd* pOwnerWnd)
{
    m_hWndOwner = pOwnerWnd->GetSafeHwnd();
}

CWnd* CWnd::GetParentOwner() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWndParent = m_hWnd;
    HWND hWndNext;
    while ((::GetWindowLongA(hWndParent, GWL_STYLE) & WS_CHILD)
           && (hWndNext = ::GetParent(hWndParent)) != nullptr)
        hWndParent = hWndNext;
    return FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWndParent = m_hWnd;
    HWND hWndNext;
    while ((hWndNext = AfxGetParentOwner(hWndParent)) != nullptr)
        hWndParent = hWndNext;
    return FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (m_hWnd == nullptr)
        return nullptr;
    HWND hWndOwner = m_hWnd;
    HWND hWndNext;
    while ((hWndNext = ::GetWindow(hWndOwner, GW_OWNER)) != nullptr)
        hWndOwner = hWndNext;
    return FromHandle(hWndOwner);
}

// Frame windows are told apart by their runtime class, looked up by name:
// the frame classes build on this one.
CFrameWnd* CWnd::GetParentFrame() const
{
    static CRuntimeClass* s_pFrameClass = nullptr;
    if (s_pFrameClass == nullptr)
        s_pFrameClass = CRuntimeClass::FromName("CFrameWnd");
    if (m_hWnd == nullptr || s_pFrameClass == nullptr)
        return nullptr;
    for (CWnd* pParent = GetParent(); pParent != nullptr; pParent = pParent->GetParent())
    {
        if (pParent->IsKindOf(s_pFrameClass))
            return reinterpret_cast<CFrameWnd*>(pParent);
    }
    return nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID)
{
    return static_cast<int>(::SetWindowLongA(m_hWnd, GWL_ID, nID));
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    return GetDescendantWindow(m_hWnd, nID, bOnlyPerm);
}

// Children first, then grandchildren, each level in z-order. Below a child
// with the id, a descendant with the same id comes first: a splitter in the
// frame's first pane holds the view of its own first pane under that id.
CWnd* CWnd::GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (::GetDlgCtrlID(hWndChild) != nID)
            continue;
        if (::GetTopWindow(hWndChild) != nullptr)
            if (CWnd* pInner = GetDescendantWindow(hWndChild, nID, bOnlyPerm))
                return pInner;
        CWnd* pWnd = bOnlyPerm ? FromHandlePermanent(hWndChild) : FromHandle(hWndChild);
        if (pWnd != nullptr)
            return pWnd;
    }
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (::GetTopWindow(hWndChild) == nullptr)
            continue;
        if (CWnd* pWnd = GetDescendantWindow(hWndChild, nID, bOnlyPerm))
            return pWnd;
    }
    return nullptr;
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    return FromHandle(::GetWindow(m_hWnd, nCmd));
}

CWnd* CWnd::GetTopWindow() const
{
    return FromHandle(::GetTopWindow(m_hWnd));
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    return ::IsChild(m_hWnd, pWnd->GetSafeHwnd());
}

CWnd* CWnd::FindWindow(LPCSTR lpszClassName, LPCSTR lpszWindowName)
{
    return FromHandle(::FindWindowA(lpszClassName, lpszWindowName));
}

CWnd* CWnd::GetDesktopWindow()
{
    return FromHandle(::GetDesktopWindow());
}

CWnd* CWnd::GetActiveWindow()
{
    return FromHandle(::GetActiveWindow());
}

CWnd* CWnd::SetActiveWindow()
{
    return FromHandle(::SetActiveWindow(m_hWnd));
}

CWnd* CWnd::GetForegroundWindow()
{
    return FromHandle(::GetForegroundWindow());
}

BOOL CWnd::SetForegroundWindow()
{
    return ::SetForegroundWindow(m_hWnd);
}

void CWnd::BringWindowToTop()
{
    ::BringWindowToTop(m_hWnd);
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetCapture()
{
    return FromHandle(::GetCapture());
}

CWnd* CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}

BOOL CWnd::ReleaseCapture()
{
    return ::ReleaseCapture();
}

void CWnd::HideCaret()
{
    ::HideCaret(m_hWnd);
}

void CWnd::ShowCaret()
{
    ::ShowCaret(m_hWnd);
}
