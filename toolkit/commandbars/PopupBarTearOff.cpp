// The tear-off drag of a popup with a tear-off gripper: while the button is
// held, dragging out of the popup shows the menu as a floating toolbar that
// follows the pointer, and dragging back in shows the popup again. The loop
// ends on button-up, Esc, WM_QUIT and capture loss.
#include "toolkit/commandbars/PopupBar.h"

#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/TrackingLoop.h"

namespace {

// The popup's window rectangle grown by this much still counts as inside.
const int kInsideMargin = 10;

} // namespace

void CXTPPopupBar::TrackTearOff()
{
    if (::GetCapture() || !m_hWnd)
        return;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    rcWindow.InflateRect(kInsideMargin, kInsideMargin);
    const HWND hWnd = m_hWnd;
    ::SetCapture(hWnd);
    BOOL bInside = TRUE;
    CPoint ptLast(-1, -1);
    RunTrackingLoop(hWnd, [&](MSG& msg) {
        // The popup may be closed from a dispatched message.
        if (!::IsWindow(hWnd))
            return xtpTrackEnd;
        switch (msg.message)
        {
        case WM_LBUTTONUP:
            return xtpTrackEnd;
        case WM_KEYDOWN:
            return msg.wParam == VK_ESCAPE ? xtpTrackEnd : xtpTrackHandled;
        case WM_KEYUP:
        case WM_CHAR:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            return xtpTrackHandled;
        case WM_MOUSEMOVE:
        {
            CPoint pt;
            ::GetCursorPos(&pt);
            if (pt == ptLast)
                return xtpTrackHandled;
            ptLast = pt;
            const BOOL bNowInside = rcWindow.PtInRect(pt);
            if (bNowInside != bInside)
            {
                bInside = bNowInside;
                ShowTearOff(bInside, pt);
            }
            return xtpTrackHandled;
        }
        default:
            return xtpTrackDispatch;
        }
    });
    if (::IsWindow(hWnd) && ::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (!bInside)
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->CloseAllPopups();
}

void CXTPPopupBar::ShowTearOff(BOOL bInside, CPoint /*ptScreen*/)
{
    if (m_hWnd)
        ShowWindow(bInside ? SW_SHOWNA : SW_HIDE);
}
