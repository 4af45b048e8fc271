// The scroll base's mouse loop: a press on an arrow or a page area scrolls
// at once and repeats while the button is held over the part; a press on the
// thumb drags it. The loop holds the mouse capture and keeps the thread's
// mouse manager locked, so open popups ignore the mouse meanwhile.
#include "toolkit/commandbars/ScrollBase.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/MouseManager.h"
#include "toolkit/controls/TrackingLoop.h"
#include "toolkit/draw/ControlGalleryPaintManager.h"
#include "toolkit/draw/PaintManager.h"

#include <memory>

namespace {

// How many bar widths a thumb drag may stray sideways, and how many system
// thumb heights beyond the ends, before the thumb goes back.
const int kDragWidths = 8;
const int kDragThumbHeights = 2;

BOOL IsMouseMessage(UINT nMessage)
{
    return nMessage >= WM_MOUSEMOVE && nMessage <= WM_MOUSEWHEEL;
}

// The message's point in the client coordinates of the tracking window.
CPoint ClientPointOf(const MSG& msg, HWND hWnd)
{
    POINT pt = {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    if (msg.message == WM_MOUSEWHEEL)
        ::ScreenToClient(hWnd, &pt);
    else if (msg.hwnd != hWnd)
        ::MapWindowPoints(msg.hwnd, hWnd, &pt, 1);
    return CPoint(pt);
}

} // namespace

UINT CXTPScrollBase::GetRepeatDelay(BOOL bFirst)
{
    const UINT nDoubleClick = ::GetDoubleClickTime();
    return bFirst ? nDoubleClick * 4 / 5 : nDoubleClick / 10;
}

int CXTPScrollBase::GetScrollStyle() const
{
    if (m_nScrollStyle != 0)
        return m_nScrollStyle;
    CXTPControlGalleryPaintManager* pGallery = GetScrollBarPaintManager();
    CXTPPaintManager* pPaintManager = pGallery ? pGallery->GetPaintManager() : nullptr;
    if (!pPaintManager)
        return 2;
    const int nTheme = pPaintManager->BaseTheme();
    return nTheme == xtpThemeOffice2007 || nTheme == xtpThemeRibbon ? 5 : 3;
}

void CXTPScrollBase::DrawScrollLine(CDC* pDC, int x, int y, int nLength, BOOL bHorz,
                                    COLORREF clr)
{
    if (clr == static_cast<COLORREF>(-1))
        return;
    if (bHorz)
        pDC->FillSolidRect(x, y, nLength, 1, clr);
    else
        pDC->FillSolidRect(x, y, 1, nLength, clr);
}

// --- The loop ----------------------------------------------------------------------------------

namespace {

// The part a press at the y coordinate hits and the rectangle it holds.
int PressedPart(const SCROLLBARPOSINFO& spi, int y, RECT& rcPart)
{
    rcPart = spi.rc;
    if (y < spi.pxUpArrow)
    {
        rcPart.bottom = spi.pxUpArrow;
        return SB_LINEUP;
    }
    if (y >= spi.pxDownArrow)
    {
        rcPart.top = spi.pxDownArrow;
        return SB_LINEDOWN;
    }
    if (y < spi.pxThumbTop)
    {
        rcPart.top = spi.pxUpArrow;
        rcPart.bottom = spi.pxThumbTop;
        return SB_PAGEUP;
    }
    if (y < spi.pxThumbBottom)
        return SB_THUMBPOSITION;
    rcPart.top = spi.pxThumbBottom;
    rcPart.bottom = spi.pxDownArrow;
    return SB_PAGEDOWN;
}

const int kHitOfPart[] = {CXTPScrollBase::hitUpArrow, CXTPScrollBase::hitDownArrow,
                          CXTPScrollBase::hitPageUp, CXTPScrollBase::hitPageDown,
                          CXTPScrollBase::hitThumb};

} // namespace

class CXTPScrollBaseTracker
{
public:
    CXTPScrollBaseTracker(CXTPScrollBase* pBase, SCROLLBARTRACKINFO& track)
        : m_pBase(pBase), m_track(track) {}

    void OnThumbMove(UINT nMessage, CPoint point);
    void OnBoxMessage(UINT nMessage, CPoint point);
    void OnRepeatTick();
    void EndTracking(BOOL bCancel);

private:
    CXTPScrollBase* m_pBase;
    SCROLLBARTRACKINFO& m_track;
};

void CXTPScrollBaseTracker::OnThumbMove(UINT nMessage, CPoint point)
{
    SCROLLBARPOSINFO* pInfo = m_track.pInfo;
    if (!IsMouseMessage(nMessage) || !pInfo)
        return;
    int pxTop = pInfo->pxStart;
    if (::PtInRect(&m_track.rcTrack, point))
    {
        pxTop = point.y + m_track.nDragOffset;
        if (pxTop < pInfo->pxLowestThumbTop)
            pxTop = pInfo->pxLowestThumbTop;
        if (pxTop > pInfo->pxLowestThumbTop + pInfo->pxTravel)
            pxTop = pInfo->pxLowestThumbTop + pInfo->pxTravel;
    }
    if (pxTop != m_track.pxLast)
    {
        const int nPos = m_pBase->PositionFromThumbPixel(pxTop);
        if (nPos != m_track.posNew)
        {
            m_track.posNew = nPos;
            m_pBase->DoScroll(SB_THUMBTRACK, nPos);
        }
        // The host may have laid the bar out again: the dragged thumb stays
        // where the cursor put it.
        pInfo->pxThumbTop = pxTop;
        pInfo->pxThumbBottom = pxTop + pInfo->pxThumbLength;
        m_track.pxLast = pxTop;
        m_pBase->RedrawScrollBar();
    }
    if (nMessage == WM_LBUTTONUP || ::GetKeyState(VK_LBUTTON) >= 0)
        EndTracking(FALSE);
}

void CXTPScrollBaseTracker::OnBoxMessage(UINT nMessage, CPoint point)
{
    SCROLLBARPOSINFO* pInfo = m_track.pInfo;
    if (!IsMouseMessage(nMessage) || !pInfo)
        return;
    // The page areas end where the thumb now is.
    if (m_track.nPart == SB_PAGEUP)
        m_track.rcTrack.bottom = pInfo->pxThumbTop;
    else if (m_track.nPart == SB_PAGEDOWN)
        m_track.rcTrack.top = pInfo->pxThumbBottom;

    const BOOL bInside = ::PtInRect(&m_track.rcTrack, point);
    const BOOL bCameInside = bInside && !m_track.bInside;
    if (bInside != m_track.bInside)
    {
        m_track.bInside = bInside;
        m_pBase->RedrawScrollBar();
    }
    UINT nDelay = 0;
    switch (nMessage)
    {
    case WM_LBUTTONDOWN:
        nDelay = CXTPScrollBase::GetRepeatDelay(TRUE);
        break;
    case WM_MOUSEMOVE:
        nDelay = CXTPScrollBase::GetRepeatDelay(FALSE);
        break;
    case WM_LBUTTONUP:
        EndTracking(FALSE);
        return;
    default:
        return;
    }
    if (bCameInside)
    {
        m_track.nTimer = ::SetTimer(m_track.hWndTrack, CXTPScrollBase::idRepeatTimer, nDelay,
                                    nullptr);
        m_pBase->DoScroll(m_track.nPart, 0);
    }
}

void CXTPScrollBaseTracker::OnRepeatTick()
{
    POINT pt = {};
    ::GetCursorPos(&pt);
    ::ScreenToClient(m_track.hWndTrack, &pt);
    if (m_track.nPart == SB_PAGEUP)
        m_track.rcTrack.bottom = m_track.pInfo->pxThumbTop;
    else if (m_track.nPart == SB_PAGEDOWN)
        m_track.rcTrack.top = m_track.pInfo->pxThumbBottom;
    if (!::PtInRect(&m_track.rcTrack, pt))
    {
        // The pointer left the part: no more repeats until it comes back.
        ::KillTimer(m_track.hWndTrack, CXTPScrollBase::idRepeatTimer);
        m_track.nTimer = 0;
        if (m_track.bInside)
        {
            m_track.bInside = FALSE;
            m_pBase->RedrawScrollBar();
        }
        return;
    }
    m_track.nTimer = ::SetTimer(m_track.hWndTrack, CXTPScrollBase::idRepeatTimer,
                                CXTPScrollBase::GetRepeatDelay(FALSE), nullptr);
    m_pBase->DoScroll(m_track.nPart, 0);
}

void CXTPScrollBaseTracker::EndTracking(BOOL bCancel)
{
    if (m_track.nPart == -1)
        return;
    const int nPart = m_track.nPart;
    m_track.nPart = -1;
    if (::GetCapture() == m_track.hWndTrack)
        ::ReleaseCapture();
    if (nPart == SB_THUMBPOSITION)
    {
        m_pBase->DoScroll(SB_THUMBPOSITION, bCancel ? m_track.posCurrent : m_track.posNew);
        m_pBase->RedrawScrollBar();
    }
    else if (m_track.nTimer)
    {
        ::KillTimer(m_track.hWndTrack, CXTPScrollBase::idRepeatTimer);
        m_track.nTimer = 0;
    }
    m_pBase->DoScroll(SB_ENDSCROLL, 0);
}

void CXTPScrollBase::PerformTrackInit(HWND hWnd, CPoint point, SCROLLBARPOSINFO* pInfo,
                                      BOOL bJump)
{
    if (m_pTrack || !pInfo || !::IsWindow(hWnd))
        return;
    SCROLLBARTRACKINFO track = {};
    track.nPart = -1;
    track.hWndTrack = hWnd;
    track.pInfo = pInfo;

    int nPart = PressedPart(*pInfo, point.y, track.rcTrack);
    pInfo->nHitTest = kHitOfPart[nPart];
    const BOOL bThumb = nPart == SB_THUMBPOSITION
        || (bJump && (nPart == SB_PAGEUP || nPart == SB_PAGEDOWN));
    if (bThumb)
    {
        // A thumb as long as the track has nowhere to go.
        if (pInfo->pxThumbLength >= pInfo->pxDownArrow - pInfo->pxUpArrow)
            return;
        nPart = SB_THUMBPOSITION;
        track.bTrackThumb = TRUE;
        const int cxBar = pInfo->rc.right - pInfo->rc.left;
        const int cyThumb = ::GetSystemMetrics(SM_CYVTHUMB);
        track.rcTrack = pInfo->rc;
        ::InflateRect(&track.rcTrack, cxBar * kDragWidths, cyThumb * kDragThumbHeights);
        pInfo->pxStart = pInfo->pxThumbTop;
        track.pxLast = pInfo->pxThumbTop;
        track.posCurrent = track.posNew = pInfo->pos;
        track.nDragOffset = bJump ? -(pInfo->pxThumbLength / 2) : pInfo->pxThumbTop - point.y;
    }
    track.nPart = nPart;
    m_pTrack = &track;
    CXTPScrollBaseTracker tracker(this, track);

    ::SetCapture(hWnd);
    if (bThumb)
    {
        DoScroll(SB_THUMBTRACK, pInfo->pos);
        // A jump puts the thumb's middle under the cursor at once.
        tracker.OnThumbMove(WM_LBUTTONDOWN, point);
    }
    else
        tracker.OnBoxMessage(WM_LBUTTONDOWN, point);

    CXTPMouseManager* pMouseManager = XTPMouseManager();
    pMouseManager->LockTracking(TRUE);
    RunTrackingLoop(hWnd, [&](MSG& msg) {
        if (!::IsWindow(hWnd))
            return xtpTrackEnd;
        if (msg.message == WM_TIMER && msg.hwnd == hWnd && msg.wParam == idRepeatTimer)
        {
            if (!track.bTrackThumb)
                tracker.OnRepeatTick();
            return xtpTrackHandled;
        }
        if (!IsMouseMessage(msg.message))
            return xtpTrackDispatch;
        const CPoint pt = ClientPointOf(msg, hWnd);
        if (track.bTrackThumb)
            tracker.OnThumbMove(msg.message, pt);
        else
            tracker.OnBoxMessage(msg.message, pt);
        return track.nPart == -1 ? xtpTrackEnd : xtpTrackHandled;
    });
    pMouseManager->LockTracking(FALSE);

    // Capture lost, WM_QUIT or the window gone: a drag goes back to where
    // it began.
    if (::IsWindow(hWnd))
        tracker.EndTracking(TRUE);
    else
        track.nPart = -1;
    if (track.nTimer && ::IsWindow(hWnd))
        ::KillTimer(hWnd, idRepeatTimer);
    m_pTrack = nullptr;
    if (::IsWindow(hWnd))
    {
        POINT pt = {};
        ::GetCursorPos(&pt);
        ::ScreenToClient(hWnd, &pt);
        m_nHotPart = HitTestScrollBar(pt);
        RedrawScrollBar();
    }
}
