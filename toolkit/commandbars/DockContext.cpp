// The dock context's drag and resize loops. A drag moves the bar's frame
// rectangle with the pointer; wherever a dock bar within reach allows the
// bar's side the bar docks there at once (the rows reflow under the
// pointer), elsewhere it floats and is kept on the screen. The rectangles
// are screen coordinates throughout; only the dock bar converts.
#include "toolkit/commandbars/DockContext.h"

#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/DialogBar.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/TrackingLoop.h"
#include "toolkit/draw/SystemInfo.h"

#include <algorithm>

namespace {

// Docking permissions of the bar flags, by dock side (top, bottom, left,
// right), and the floating permission.
const DWORD kDockSideFlags[4] = {0x1, 0x2, 0x4, 0x8};
const DWORD kAnyDockSide = 0xF;
const DWORD kFloatFlag = 0x10;
// Layout modes: horizontal with the remembered width, committed; and a
// width or a height given as the length.
const DWORD kFloatMeasureMode = 0x46;
const DWORD kWidthMode = 0x42;
const DWORD kHeightMode = 0x62;
// How much of a floating bar stays within the work area.
const int kOnScreenMargin = 10;
// The smallest width and height of a freely sized bar that has no minimum
// of its own.
const int kMinFreeSize = 50;

void DispatchPendingPaints()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_NOREMOVE))
    {
        if (!::GetMessageA(&msg, nullptr, WM_PAINT, WM_PAINT))
            return;
        ::DispatchMessageA(&msg);
    }
}

// Moves a window to a screen rectangle, through its parent's coordinates
// when it is a child.
void MoveWindowToScreenRect(HWND hWnd, CRect rc)
{
    if (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)
        ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<POINT*>(&rc), 2);
    ::SetWindowPos(hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

CXTPDockContext::CXTPDockContext(CXTPCommandBar* pBar)
    : m_uMRUDockPosition(0), m_rectMRUDockPos(0, 0, 0, 0), m_ptMRUFloatPos(0, 0), m_pBar(pBar),
      m_nMode(0), m_ptLast(0, 0), m_rectDragFrame(0, 0, 0, 0), m_rectFrame(0, 0, 0, 0)
{
}

void CXTPDockContext::BringRectToPoint(CRect& rect, CPoint pt)
{
    if (pt.x < rect.left)
        rect.OffsetRect(pt.x - rect.left, 0);
    else if (pt.x > rect.right)
        rect.OffsetRect(pt.x - rect.right, 0);
    if (pt.y < rect.top)
        rect.OffsetRect(0, pt.y - rect.top);
    else if (pt.y > rect.bottom)
        rect.OffsetRect(0, pt.y - rect.bottom);
}

void CXTPDockContext::KeepRectOnScreen(CRect& rect, const CRect& rcWork)
{
    if (rect.top > rcWork.bottom - kOnScreenMargin)
        rect.OffsetRect(0, rcWork.bottom - kOnScreenMargin - rect.top);
    if (rect.bottom < rcWork.top + kOnScreenMargin)
        rect.OffsetRect(0, rcWork.top + kOnScreenMargin - rect.bottom);
    if (rect.left > rcWork.right - kOnScreenMargin)
        rect.OffsetRect(rcWork.right - kOnScreenMargin - rect.left, 0);
    if (rect.right < rcWork.left + kOnScreenMargin)
        rect.OffsetRect(rcWork.left + kOnScreenMargin - rect.right, 0);
}

CXTPToolBar* CXTPDockContext::GetToolBar() const
{
    return m_pBar && m_pBar->IsKindOf(RUNTIME_CLASS(CXTPToolBar)) ? static_cast<CXTPToolBar*>(m_pBar)
                                                                   : nullptr;
}

BOOL CXTPDockContext::IsFloating() const
{
    return m_pBar->GetPosition() == xtpBarFloating;
}

CSize CXTPDockContext::CalcLayoutSize(int nLength, DWORD dwMode) const
{
    if (IsFloating())
        return m_pBar->CalcDynamicLayout(nLength, dwMode);
    return m_pBar->CalcDockingLayout(nLength, dwMode);
}

void CXTPDockContext::SetLayoutChanged() const
{
    if (CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars())
        pCommandBars->GetCommandBarsOptions()->bDirty = TRUE;
}

void CXTPDockContext::StartDrag(CPoint pt)
{
    const int nSavedPosition = m_uMRUDockPosition;
    const CRect rcSavedDock = m_rectMRUDockPos;
    const BOOL bWasFloating = IsFloating();

    m_nMode = 1;
    m_ptLast = pt;
    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    BringRectToPoint(rcWindow, pt);
    m_rectFrame = m_rectDragFrame = rcWindow;
    ::SetCursor(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32646)));   // IDC_SIZEALL

    XTPMouseManager()->LockTracking(TRUE);
    Track();
    XTPMouseManager()->LockTracking(FALSE);

    if (IsFloating())
    {
        m_ptMRUFloatPos = m_rectFrame.TopLeft();
        // A drag that ends floating keeps the last docked place for the
        // double click that docks it again.
        if (!bWasFloating)
        {
            m_uMRUDockPosition = nSavedPosition;
            m_rectMRUDockPos = rcSavedDock;
        }
    }
}

void CXTPDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_nMode = nHitTest;
    m_ptLast = pt;
    m_pBar->GetWindowRect(&m_rectFrame);
    Track();
    if (!IsFloating() || !m_pBar->GetSafeHwnd())
        return;
    CRect rcWindow;
    m_pBar->GetWindowRect(&rcWindow);
    m_ptMRUFloatPos = rcWindow.TopLeft();
    m_pBar->SetMRUWidth(rcWindow.Width());
}

void CXTPDockContext::Track()
{
    HWND hWnd = m_pBar->GetSafeHwnd();
    if (::GetCapture() || !hWnd)
        return;
    ::SetCapture(hWnd);
    CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars();
    if (!pCommandBars)
    {
        ::ReleaseCapture();
        return;
    }
    CPoint ptHandled(m_ptLast);
    RunTrackingLoop(hWnd, [&](MSG& msg) {
        DispatchPendingPaints();
        XTPTrackAnswer answer = xtpTrackHandled;
        switch (msg.message)
        {
        case WM_LBUTTONUP:
            answer = xtpTrackEnd;
            break;
        case WM_KEYDOWN:
            // Esc leaves the bar where the drag brought it.
            if (msg.wParam == VK_ESCAPE)
                answer = xtpTrackEnd;
            break;
        case WM_MOUSEMOVE:
        {
            const CPoint pt(msg.pt);
            if (pt == ptHandled)
            {
                answer = xtpTrackDispatch;
                break;
            }
            ptHandled = pt;
            if (m_nMode == 1)
                Move(pt);
            else if (m_pBar->IsDialogBar())
                ResizeFree(pt);
            else
                ResizeByLayout(pt);
            break;
        }
        default:
            answer = xtpTrackDispatch;
            break;
        }
        if (answer == xtpTrackDispatch)
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
            answer = xtpTrackHandled;
        }
        pCommandBars->IdleRecalcLayout();
        return answer;
    });
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    SetLayoutChanged();
}

void CXTPDockContext::Move(CPoint pt)
{
    CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars();
    CXTPToolBar* pToolBar = GetToolBar();
    if (!pCommandBars || !pToolBar)
        return;
    const CSize szOffset = pt - m_ptLast;
    m_rectFrame.OffsetRect(szOffset);
    m_rectDragFrame.OffsetRect(szOffset);
    m_ptLast = pt;

    const DWORD dwFlags = m_pBar->GetFlags();
    CXTPDockBar* pCurrent = IsFloating() ? nullptr : m_pBar->GetDockBar();
    CXTPDockBar* pDockBar = pCommandBars->CanDock(pt, pCurrent);
    if (pDockBar && (dwFlags & kDockSideFlags[pDockBar->GetDockPosition()]))
    {
        const BOOL bChanged = pDockBar != pCurrent;
        pCommandBars->DockCommandBar(pToolBar, m_rectDragFrame, pDockBar);
        if (bChanged)
        {
            pCommandBars->RecalcFrameLayout();
            m_pBar->GetWindowRect(&m_rectDragFrame);
        }
        return;
    }
    if (!(dwFlags & kFloatFlag))
        return;
    if (!IsFloating())
    {
        if (!pCommandBars->FloatCommandBar(pToolBar))
            return;
        const CSize size = CalcLayoutSize(0, kFloatMeasureMode);
        m_rectFrame = CRect(m_rectFrame.TopLeft(), size);
        BringRectToPoint(m_rectFrame, pt);
    }
    KeepRectOnScreen(m_rectFrame, CRect(GetMonitorAreaOfPoint(pt)));
    MoveWindowToScreenRect(m_pBar->GetSafeHwnd(), m_rectFrame);
}

void CXTPDockContext::ResizeByLayout(CPoint pt)
{
    const CSize szOffset = pt - m_ptLast;
    m_ptLast = pt;
    int nLength = 0;
    DWORD dwMode = kWidthMode;
    switch (m_nMode)
    {
    case HTLEFT:
        m_rectFrame.left += szOffset.cx;
        nLength = m_rectFrame.Width();
        break;
    case HTRIGHT:
        m_rectFrame.right += szOffset.cx;
        nLength = m_rectFrame.Width();
        break;
    case HTTOP:
        m_rectFrame.top += szOffset.cy;
        nLength = m_rectFrame.Height();
        dwMode = kHeightMode;
        break;
    default:
        m_rectFrame.bottom += szOffset.cy;
        nLength = m_rectFrame.Height();
        dwMode = kHeightMode;
        break;
    }
    const CSize size = CalcLayoutSize(std::max(0, nLength), dwMode);
    HWND hWnd = m_pBar->GetSafeHwnd();
    CRect rcWindow;
    ::GetWindowRect(hWnd, &rcWindow);
    if (size == rcWindow.Size())
        return;
    // The edge opposite the dragged one stays where it is.
    CRect rc(rcWindow.TopLeft(), size);
    if (m_nMode == HTLEFT)
        rc.OffsetRect(rcWindow.right - rc.right, 0);
    else if (m_nMode == HTTOP)
        rc.OffsetRect(0, rcWindow.bottom - rc.bottom);
    CRect rcWork(GetMonitorAreaOfWindow(hWnd));
    CRect rcTest;
    if (!rcTest.IntersectRect(&rc, &rcWork))
        return;
    MoveWindowToScreenRect(hWnd, rc);
    m_pBar->Redraw();
}

void CXTPDockContext::ResizeFree(CPoint pt)
{
    const CSize szOffset = pt - m_ptLast;
    m_ptLast = pt;
    if (m_nMode == HTLEFT || m_nMode == HTTOPLEFT || m_nMode == HTBOTTOMLEFT)
        m_rectFrame.left += szOffset.cx;
    if (m_nMode == HTRIGHT || m_nMode == HTTOPRIGHT || m_nMode == HTBOTTOMRIGHT)
        m_rectFrame.right += szOffset.cx;
    if (m_nMode == HTTOP || m_nMode == HTTOPLEFT || m_nMode == HTTOPRIGHT)
        m_rectFrame.top += szOffset.cy;
    if (m_nMode == HTBOTTOM || m_nMode == HTBOTTOMLEFT || m_nMode == HTBOTTOMRIGHT)
        m_rectFrame.bottom += szOffset.cy;
    HWND hWnd = m_pBar->GetSafeHwnd();
    CRect rcWindow;
    ::GetWindowRect(hWnd, &rcWindow);
    if (m_rectFrame.Size() == rcWindow.Size())
        return;
    CRect rcWork(GetMonitorAreaOfWindow(hWnd));
    CRect rcTest;
    if (!rcTest.IntersectRect(&m_rectFrame, &rcWork))
        return;
    // The dialog bar refuses sizes below its minimum and keeps the client
    // size of its state; the frame rectangle runs on with the pointer, so
    // dragging back out of the refused range resizes again.
    if (m_pBar->IsKindOf(RUNTIME_CLASS(CXTPDialogBar)))
    {
        static_cast<CXTPDialogBar*>(m_pBar)->OnResize(m_rectFrame, m_nMode);
        return;
    }
    if (m_rectFrame.Width() < kMinFreeSize || m_rectFrame.Height() < kMinFreeSize)
        return;
    MoveWindowToScreenRect(hWnd, m_rectFrame);
    m_pBar->Redraw();
}

BOOL CXTPDockContext::ToggleDocking()
{
    CXTPCommandBars* pCommandBars = m_pBar->GetCommandBars();
    CXTPToolBar* pToolBar = GetToolBar();
    if (!pCommandBars || !pToolBar)
        return FALSE;
    const DWORD dwFlags = m_pBar->GetFlags();
    if (IsFloating())
    {
        if (!(dwFlags & kAnyDockSide))
            return FALSE;
        int nSide = m_uMRUDockPosition >= 0 && m_uMRUDockPosition < 4 ? m_uMRUDockPosition : 0;
        // A side the bar may no longer dock at gives way to the first one it may.
        for (int i = 0; i < 4 && !(dwFlags & kDockSideFlags[nSide]); ++i)
            nSide = i;
        CXTPDockBar* pDockBar = pCommandBars->GetDockBar(nSide);
        if (!pDockBar || !pDockBar->GetSafeHwnd())
            return FALSE;
        // The remembered rectangle is the dock bar's client coordinates;
        // docking takes screen ones.
        CRect rc(m_rectMRUDockPos);
        const BOOL bHasRect = !rc.IsRectEmpty();
        if (bHasRect)
            pDockBar->ClientToScreen(&rc);
        if (!pCommandBars->DockCommandBar(pToolBar, bHasRect ? &rc : nullptr, pDockBar))
            return FALSE;
        pCommandBars->RecalcFrameLayout();
    }
    else
    {
        if (!(dwFlags & kFloatFlag) || !pCommandBars->GetCommandBarsOptions()->bDblClickFloat)
            return FALSE;
        CPoint pt(m_ptMRUFloatPos);
        if (pt.x <= 0 || pt.y <= 0)
        {
            pt = m_rectMRUDockPos.TopLeft();
            if (CWnd* pParent = m_pBar->GetParent())
                pParent->ClientToScreen(&pt);
        }
        if (!pCommandBars->FloatCommandBar(pToolBar))
            return FALSE;
        const CSize size = CalcLayoutSize(0, kFloatMeasureMode);
        m_pBar->SetWindowPos(nullptr, pt.x, pt.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SetLayoutChanged();
    return TRUE;
}
