// Tooltips for the child windows of a CWnd (EnableToolTips). One tooltip
// window per thread holds one tool at a time: the tool OnToolHitTest
// reports under the mouse. The mouse messages reach it through the
// pre-translate walk (CWnd::PreTranslateMessage).
#include "framework/ui/Wnd.h"

#include "framework/ui/ThreadState.h"
#include "framework/ui/WndClass.h"

#include <stdlib.h>

namespace {

// The common controls of this era know a TOOLINFO up to lParam (44 bytes in
// 32-bit code); the headers' own structure is larger. The oldest form ends
// after lpszText.
const UINT kToolInfoSize = offsetof(TOOLINFOA, lpReserved);
const UINT kOldestToolInfoSize = offsetof(TOOLINFOA, lParam);

bool IsToolTipMouseMessage(UINT message)
{
    switch (message)
    {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return true;
    default:
        return false;
    }
}

HWND ThreadToolTip(HWND hWndOwner)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hWndToolTip != nullptr && ::IsWindow(pState->m_hWndToolTip))
        return pState->m_hWndToolTip;
    AfxDeferRegisterClass(AFX_WNDCOMMCTL_BAR_REG);
    pState->m_hWndToolTip = ::CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hWndOwner, nullptr, nullptr, nullptr);
    pState->m_hWndLastHit = nullptr;
    pState->m_nLastHit = -1;
    return pState->m_hWndToolTip;
}

void RemoveLastTool(AFX_THREAD_STATE* pState)
{
    if (pState->m_nLastHit != -1 && pState->m_hWndToolTip != nullptr)
    {
        ::SendMessageA(pState->m_hWndToolTip, TTM_DELTOOLA, 0,
                       reinterpret_cast<LPARAM>(&pState->m_lastInfo));
    }
    pState->m_nLastHit = -1;
    pState->m_hWndLastHit = nullptr;
}

} // namespace

// The visible child window under point (client coordinates), topmost first.
INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (!::IsWindowVisible(hWndChild))
            continue;
        RECT rect;
        ::GetWindowRect(hWndChild, &rect);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rect), 2);
        if (!::PtInRect(&rect, point))
            continue;
        if (pTI != nullptr && pTI->cbSize >= kOldestToolInfoSize)
        {
            pTI->hwnd = m_hWnd;
            pTI->uId = reinterpret_cast<UINT_PTR>(hWndChild);
            pTI->uFlags |= TTF_IDISHWND;
            pTI->lpszText = LPSTR_TEXTCALLBACK;
        }
        return ::GetDlgCtrlID(hWndChild);
    }
    return -1;
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    if (bEnable)
    {
        m_nFlags |= WF_TOOLTIPS;
        return AfxDeferRegisterClass(AFX_WNDCOMMCTL_BAR_REG);
    }
    m_nFlags &= ~WF_TOOLTIPS;
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hWndLastHit == m_hWnd)
        RemoveLastTool(pState);
    return TRUE;
}

// Keeps the thread's tooltip window holding the tool under the mouse and
// lets it see the mouse message. A hit test's text that is neither
// LPSTR_TEXTCALLBACK nor a resource id is a malloc'ed copy freed here.
void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    if (!IsToolTipMouseMessage(pMsg->message) || m_hWnd == nullptr)
        return;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return;
    HWND hWndTip = ThreadToolTip(m_hWnd);
    if (hWndTip == nullptr)
        return;
    AFX_THREAD_STATE* pState = AfxGetThreadState();

    POINT point = pMsg->pt;
    ::ScreenToClient(m_hWnd, &point);
    TOOLINFOA ti = {};
    ti.cbSize = kToolInfoSize;
    INT_PTR nHit = OnToolHitTest(point, &ti);

    bool bSameTool = nHit == pState->m_nLastHit && pState->m_hWndLastHit == m_hWnd
                     && ti.hwnd == pState->m_lastInfo.hwnd && ti.uId == pState->m_lastInfo.uId;
    if (!bSameTool)
    {
        RemoveLastTool(pState);
        if (nHit != -1)
        {
            ::SendMessageA(hWndTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
            ::SendMessageA(hWndTip, TTM_ACTIVATE, TRUE, 0);
            pState->m_lastInfo = ti;
            pState->m_lastInfo.lpszText = nullptr;
            pState->m_nLastHit = nHit;
            pState->m_hWndLastHit = m_hWnd;
        }
    }
    if (ti.lpszText != LPSTR_TEXTCALLBACK && ti.hinst == nullptr)
        free(ti.lpszText);
    if (pState->m_nLastHit == -1)
        return;

    // The tooltip matches a message to its tool by window: a window tool
    // gets it in the tool window's coordinates, a rectangle tool in those of
    // the tool's owner.
    MSG msg = *pMsg;
    const TOOLINFOA& last = pState->m_lastInfo;
    msg.hwnd = (last.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(last.uId) : last.hwnd;
    POINT ptRelay = pMsg->pt;
    ::ScreenToClient(msg.hwnd, &ptRelay);
    msg.lParam = MAKELPARAM(ptRelay.x, ptRelay.y);
    ::SendMessageA(hWndTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}
