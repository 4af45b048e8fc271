#include "app/LongOperation.h"

#include "framework/ui/AfxRes.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/Wnd.h"

#include <commctrl.h>

#include <algorithm>

namespace
{
const int kMinBarWidth = 20;
const int kMaxBarWidth = 164;
const int kBarHeight = 12;

void SendToMainWindow(WPARAM wParam, LPARAM lParam)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd && pMainWnd->GetSafeHwnd())
        ::SendMessageA(pMainWnd->GetSafeHwnd(), WM_SETMESSAGESTRING, wParam, lParam);
}

// The frame's own message bar: another bar of the frame may carry the
// status bar's id as its window id.
CWnd* MessageBarOf(CWnd* pMainWnd)
{
    if (pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return static_cast<CFrameWnd*>(pMainWnd)->GetMessageBar();
    return pMainWnd->GetDescendantWindow(AFX_IDW_STATUS_BAR);
}

// The first pane of a status bar; the client area of another window.
CRect FirstPaneRect(HWND hHost)
{
    RECT rc = {};
    if (!::SendMessageA(hHost, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&rc)))
        ::GetClientRect(hHost, &rc);
    return CRect(rc);
}
}

CLongOperation::~CLongOperation()
{
    if (!m_bActive)
        return;
    if (m_hProgressBar)
    {
        End(TRUE);
        return;
    }
    ShowIdleMessage();
    AfxGetApp()->DoWaitCursor(-1);
    m_bActive = FALSE;
}

void CLongOperation::Begin()
{
    if (m_bActive)
        End(m_hProgressBar != nullptr);
    SendToMainWindow(0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(m_strMessage)));
    AfxGetApp()->DoWaitCursor(1);
    m_bActive = TRUE;
}

BOOL CLongOperation::CreateProgressBar(BOOL bUseGivenWindow, CWnd* pHost)
{
    HWND hHost = nullptr;
    if (bUseGivenWindow)
        hHost = pHost ? pHost->GetSafeHwnd() : nullptr;
    else if (CWnd* pMainWnd = AfxGetMainWnd())
        if (CWnd* pStatusBar = MessageBarOf(pMainWnd))
            hHost = pStatusBar->GetSafeHwnd();
    if (!hHost)
        return FALSE;

    CRect rcPane = FirstPaneRect(hHost);
    if (!m_strMessage.IsEmpty())
    {
        HDC hDC = ::GetDC(hHost);
        HGDIOBJ hOldFont = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(
                                                   ::SendMessageA(hHost, WM_GETFONT, 0, 0)));
        SIZE size = {};
        ::GetTextExtentPoint32A(hDC, m_strMessage, m_strMessage.GetLength(), &size);
        TEXTMETRICA tm = {};
        ::GetTextMetricsA(hDC, &tm);
        ::SelectObject(hDC, hOldFont);
        ::ReleaseDC(hHost, hDC);
        rcPane.left += size.cx + 2 * tm.tmAveCharWidth;
    }
    if (rcPane.Width() < kMinBarWidth)
        return FALSE;
    const int nWidth = std::min(rcPane.Width(), kMaxBarWidth);
    m_hProgressBar = ::CreateWindowExA(0, PROGRESS_CLASSA, nullptr, WS_CHILD | WS_VISIBLE,
                                       rcPane.left, rcPane.top + 2, nWidth, kBarHeight, hHost,
                                       nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::UpdateWindow(hHost);
    return m_hProgressBar != nullptr;
}

void CLongOperation::SetProgress(int nPosition, BOOL bUseGivenWindow)
{
    if (!bUseGivenWindow)
    {
        if (!m_bActive)
            Begin();
        AfxGetApp()->DoWaitCursor(0);
        if (nPosition < 0)
            return;
        if (!m_hProgressBar && !CreateProgressBar(FALSE, nullptr))
            return;
    }
    if (m_hProgressBar)
        ::SendMessageA(m_hProgressBar, PBM_SETPOS, static_cast<WPARAM>(nPosition), 0);
}

// Only a running operation ends its wait cursor: an End without a Begin
// must not end the wait cursor of someone else.
void CLongOperation::End(BOOL bDestroyBar)
{
    if (bDestroyBar || m_bActive)
        DestroyBar();
    ShowIdleMessage();
    if (m_bActive)
        AfxGetApp()->DoWaitCursor(-1);
    m_bActive = FALSE;
}

void CLongOperation::DestroyBar()
{
    if (m_hProgressBar)
        ::DestroyWindow(m_hProgressBar);
    m_hProgressBar = nullptr;
}

void CLongOperation::ShowIdleMessage()
{
    SendToMainWindow(AFX_IDS_IDLEMESSAGE, 0);
}
