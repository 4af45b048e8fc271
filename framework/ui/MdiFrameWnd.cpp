#include "framework/ui/MdiFrameWnd.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

CMDIFrameWnd::CMDIFrameWnd() = default;

CMDIFrameWnd::~CMDIFrameWnd() = default;

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hWnd = nullptr;
    if (m_hWndMDIClient != nullptr)
        hWnd = reinterpret_cast<HWND>(::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0,
                                                     reinterpret_cast<LPARAM>(&bMaximized)));
    if (pbMaximized != nullptr)
        *pbMaximized = bMaximized;
    CWnd* pWnd = hWnd != nullptr ? CWnd::FromHandlePermanent(hWnd) : nullptr;
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)))
        return nullptr;
    return static_cast<CMDIChildWnd*>(pWnd);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pActive = MDIGetActive();
    return pActive != nullptr ? static_cast<CFrameWnd*>(pActive) : this;
}

CMDIChildWnd::CMDIChildWnd() = default;

CMDIChildWnd::~CMDIChildWnd() = default;

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    HWND hWndClient = ::GetParent(m_hWnd);
    HWND hWndFrame = hWndClient != nullptr ? ::GetParent(hWndClient) : nullptr;
    CWnd* pWnd = hWndFrame != nullptr ? CWnd::FromHandlePermanent(hWndFrame) : nullptr;
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        return nullptr;
    return static_cast<CMDIFrameWnd*>(pWnd);
}
