// Hit testing and dragging of the splitter's bars. While a bar is dragged
// the mouse is captured and an inverted tracker follows it within the
// limit rectangle; releasing the button applies the tracker's position,
// losing the capture drops it.
#include "framework/ui/Splitter.h"

#include "framework/ui/Dc.h"
#include "framework/ui/View.h"

namespace {

const int kBorder2 = 2;

bool IsRowHit(int ht)
{
    return ht == CSplitterWnd::vSplitterBox
           || (ht >= CSplitterWnd::vSplitterBar1 && ht <= CSplitterWnd::vSplitterBar15);
}

bool IsColumnHit(int ht)
{
    return ht == CSplitterWnd::hSplitterBox
           || (ht >= CSplitterWnd::hSplitterBar1 && ht <= CSplitterWnd::hSplitterBar15);
}

bool IsCrossingHit(int ht)
{
    return ht == CSplitterWnd::bothSplitterBox
           || (ht >= CSplitterWnd::splitterIntersection1
               && ht <= CSplitterWnd::splitterIntersection225);
}

} // namespace

int CSplitterWnd::HitTest(CPoint pt) const
{
    CRect rectClient;
    GetClientRect(&rectClient);
    rectClient.InflateRect(-m_cxBorder, -m_cyBorder);
    CRect rectInside;
    GetInsideRect(rectInside);

    if (m_bHasVScroll && m_nRows < m_nMaxRows
        && CRect(rectInside.right, rectClient.top, rectClient.right,
                 rectClient.top + m_cySplitter - kBorder2).PtInRect(pt))
        return vSplitterBox;
    if (m_bHasHScroll && m_nCols < m_nMaxCols
        && CRect(rectClient.left, rectInside.bottom, rectClient.left + m_cxSplitter - kBorder2,
                 rectClient.bottom).PtInRect(pt))
        return hSplitterBox;

    // A bar counts with the borders beside it.
    CRect rect = rectClient;
    int col;
    for (col = 0; col < m_nCols - 1; ++col)
    {
        rect.left += m_pColInfo[col].nCurSize;
        rect.right = rect.left + m_cxSplitterGap;
        if (rect.PtInRect(pt))
            break;
        rect.left = rect.right;
    }
    rect = rectClient;
    int row;
    for (row = 0; row < m_nRows - 1; ++row)
    {
        rect.top += m_pRowInfo[row].nCurSize;
        rect.bottom = rect.top + m_cySplitterGap;
        if (rect.PtInRect(pt))
            break;
        rect.top = rect.bottom;
    }

    if (col != m_nCols - 1)
    {
        if (row != m_nRows - 1)
            return splitterIntersection1 + row * 15 + col;
        return hSplitterBar1 + col;
    }
    if (row != m_nRows - 1)
        return vSplitterBar1 + row;
    return noHit;
}

void CSplitterWnd::GetHitRect(int ht, CRect& rectHit)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    rectClient.InflateRect(-m_cxBorder, -m_cyBorder);
    int cx = rectClient.Width();
    int cy = rectClient.Height();
    int x = rectClient.left;
    int y = rectClient.top;

    m_ptTrackOffset = CPoint(0, 0);
    if (ht == vSplitterBox)
    {
        cy = m_cySplitter - (2 * m_cyBorder - kBorder2);
        m_ptTrackOffset.y = -(cy / 2);
        m_rectLimit.bottom -= cy;
    }
    else if (ht == hSplitterBox)
    {
        cx = m_cxSplitter - (2 * m_cxBorder - kBorder2);
        m_ptTrackOffset.x = -(cx / 2);
        m_rectLimit.right -= cx;
    }
    else if (ht >= vSplitterBar1 && ht <= vSplitterBar15)
    {
        cy = m_cySplitter - (2 * m_cyBorder - kBorder2);
        m_ptTrackOffset.y = -(cy / 2);
        int row;
        for (row = 0; row < ht - vSplitterBar1; ++row)
            y += m_pRowInfo[row].nCurSize + m_cySplitterGap;
        m_rectLimit.top = y;
        // Centred in the bar, where the mouse holds it: a press released
        // without a move leaves the size as it was.
        y += m_pRowInfo[row].nCurSize + m_cyBorderShare + 1;
        m_rectLimit.bottom -= cy;
    }
    else if (ht >= hSplitterBar1 && ht <= hSplitterBar15)
    {
        cx = m_cxSplitter - (2 * m_cxBorder - kBorder2);
        m_ptTrackOffset.x = -(cx / 2);
        int col;
        for (col = 0; col < ht - hSplitterBar1; ++col)
            x += m_pColInfo[col].nCurSize + m_cxSplitterGap;
        m_rectLimit.left = x;
        x += m_pColInfo[col].nCurSize + m_cxBorderShare + 1;
        m_rectLimit.right -= cx;
    }
    rectHit.SetRect(x, y, x + cx, y + cy);
}

void CSplitterWnd::StartTracking(int ht)
{
    if (ht == noHit)
        return;
    GetInsideRect(m_rectLimit);
    if (ht >= splitterIntersection1 && ht <= splitterIntersection225)
    {
        int row = (ht - splitterIntersection1) / 15;
        int col = (ht - splitterIntersection1) % 15;
        GetHitRect(row + vSplitterBar1, m_rectTracker);
        int yTrackOffset = m_ptTrackOffset.y;
        m_bTracking2 = TRUE;
        GetHitRect(col + hSplitterBar1, m_rectTracker2);
        m_ptTrackOffset.y = yTrackOffset;
    }
    else if (ht == bothSplitterBox)
    {
        GetHitRect(vSplitterBox, m_rectTracker);
        int yTrackOffset = m_ptTrackOffset.y;
        m_bTracking2 = TRUE;
        GetHitRect(hSplitterBox, m_rectTracker2);
        m_ptTrackOffset.y = yTrackOffset;
        m_rectTracker.OffsetRect(0, m_rectLimit.Height() / 2);
        m_rectTracker2.OffsetRect(m_rectLimit.Width() / 2, 0);
    }
    else
    {
        GetHitRect(ht, m_rectTracker);
    }

    // The active view may keep its state before the focus goes.
    CWnd* pPane = GetActivePane();
    if (pPane != nullptr && pPane->IsKindOf(RUNTIME_CLASS(CView)))
    {
        if (CFrameWnd* pFrame = GetParentFrame())
            static_cast<CView*>(pPane)->OnActivateFrame(WA_INACTIVE, pFrame);
    }

    SetCapture();
    SetFocus();
    RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
    m_bTracking = TRUE;
    OnInvertTracker(m_rectTracker);
    if (m_bTracking2)
        OnInvertTracker(m_rectTracker2);
    m_htTrack = ht;
    SetSplitCursor(ht);
}

void CSplitterWnd::StopTracking(BOOL bAccept)
{
    if (!m_bTracking)
        return;
    // Cleared first: releasing the capture reports back here.
    m_bTracking = FALSE;
    BOOL bTracking2 = m_bTracking2;
    m_bTracking2 = FALSE;
    ReleaseCapture();
    OnInvertTracker(m_rectTracker);
    if (bTracking2)
        OnInvertTracker(m_rectTracker2);

    CWnd* pOldActivePane = GetActivePane();
    // The tracker shows the bar without its border.
    m_rectTracker.OffsetRect(-1, -1);
    m_rectTracker2.OffsetRect(-1, -1);

    if (bAccept)
    {
        if (m_htTrack == vSplitterBox)
        {
            SplitRow(m_rectTracker.top);
        }
        else if (m_htTrack >= vSplitterBar1 && m_htTrack <= vSplitterBar15)
        {
            TrackRowSize(m_rectTracker.top, m_htTrack - vSplitterBar1);
            RecalcLayout();
        }
        else if (m_htTrack == hSplitterBox)
        {
            SplitColumn(m_rectTracker.left);
        }
        else if (m_htTrack >= hSplitterBar1 && m_htTrack <= hSplitterBar15)
        {
            TrackColumnSize(m_rectTracker.left, m_htTrack - hSplitterBar1);
            RecalcLayout();
        }
        else if (m_htTrack >= splitterIntersection1 && m_htTrack <= splitterIntersection225)
        {
            int row = (m_htTrack - splitterIntersection1) / 15;
            int col = (m_htTrack - splitterIntersection1) % 15;
            TrackRowSize(m_rectTracker.top, row);
            TrackColumnSize(m_rectTracker2.left, col);
            RecalcLayout();
        }
        else if (m_htTrack == bothSplitterBox)
        {
            SplitRow(m_rectTracker.top);
            SplitColumn(m_rectTracker2.left);
        }
    }

    if (pOldActivePane != nullptr && pOldActivePane == GetActivePane())
    {
        SetActivePane(-1, -1, pOldActivePane);
        pOldActivePane->SetFocus();
    }
}

void CSplitterWnd::TrackRowSize(int y, int row)
{
    CWnd* pPane = GetPane(row, 0);
    CPoint pt(0, y);
    ClientToScreen(&pt);
    if (pPane != nullptr)
        pPane->ScreenToClient(&pt);
    else
        ScreenToClient(&pt);
    m_pRowInfo[row].nIdealSize = pt.y;
    if (pt.y < m_pRowInfo[row].nMinSize)
        m_pRowInfo[row].nIdealSize = 0;   // too small: the row goes
}

void CSplitterWnd::TrackColumnSize(int x, int col)
{
    CWnd* pPane = GetPane(0, col);
    CPoint pt(x, 0);
    ClientToScreen(&pt);
    if (pPane != nullptr)
        pPane->ScreenToClient(&pt);
    else
        ScreenToClient(&pt);
    m_pColInfo[col].nIdealSize = pt.x;
    if (pt.x < m_pColInfo[col].nMinSize)
        m_pColInfo[col].nIdealSize = 0;   // too small: the column goes
}

BOOL CSplitterWnd::SplitRow(int)
{
    return FALSE;
}

BOOL CSplitterWnd::SplitColumn(int)
{
    return FALSE;
}

// ---------------------------------------------------------------------------
// Tracker and cursor

void CSplitterWnd::OnInvertTracker(const CRect& rect)
{
    if (rect.IsRectEmpty())
        return;
    // Drawn over the panes, so the children are not clipped away.
    HDC hDC = ::GetDCEx(m_hWnd, nullptr, DCX_CACHE | DCX_PARENTCLIP);
    if (hDC == nullptr)
        return;
    CBrush* pBrush = CDC::GetHalftoneBrush();
    HGDIOBJ hOldBrush = pBrush != nullptr ? ::SelectObject(hDC, pBrush->GetSafeHandle()) : nullptr;
    ::PatBlt(hDC, rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    if (hOldBrush != nullptr)
        ::SelectObject(hDC, hOldBrush);
    ::ReleaseDC(m_hWnd, hDC);
}

void CSplitterWnd::SetSplitCursor(int ht)
{
    LPCSTR lpszCursor = IDC_ARROW;
    if (IsRowHit(ht))
        lpszCursor = IDC_SIZENS;
    else if (IsColumnHit(ht))
        lpszCursor = IDC_SIZEWE;
    else if (IsCrossingHit(ht))
        lpszCursor = IDC_SIZEALL;
    ::SetCursor(::LoadCursorA(nullptr, lpszCursor));
}

// ---------------------------------------------------------------------------
// Mouse and keyboard

void CSplitterWnd::OnMouseMove(UINT, CPoint pt)
{
    if (m_bTracking && GetCapture() != this)
        StopTracking(FALSE);

    if (!m_bTracking)
    {
        SetSplitCursor(HitTest(pt));
        return;
    }

    pt.Offset(m_ptTrackOffset);
    if (pt.y < m_rectLimit.top)
        pt.y = m_rectLimit.top;
    else if (pt.y > m_rectLimit.bottom)
        pt.y = m_rectLimit.bottom;
    if (pt.x < m_rectLimit.left)
        pt.x = m_rectLimit.left;
    else if (pt.x > m_rectLimit.right)
        pt.x = m_rectLimit.right;

    if (IsRowHit(m_htTrack))
    {
        if (m_rectTracker.top != pt.y)
        {
            OnInvertTracker(m_rectTracker);
            m_rectTracker.OffsetRect(0, pt.y - m_rectTracker.top);
            OnInvertTracker(m_rectTracker);
        }
    }
    else if (IsColumnHit(m_htTrack))
    {
        if (m_rectTracker.left != pt.x)
        {
            OnInvertTracker(m_rectTracker);
            m_rectTracker.OffsetRect(pt.x - m_rectTracker.left, 0);
            OnInvertTracker(m_rectTracker);
        }
    }
    else if (IsCrossingHit(m_htTrack))
    {
        if (m_rectTracker.top != pt.y)
        {
            OnInvertTracker(m_rectTracker);
            m_rectTracker.OffsetRect(0, pt.y - m_rectTracker.top);
            OnInvertTracker(m_rectTracker);
        }
        if (m_rectTracker2.left != pt.x)
        {
            OnInvertTracker(m_rectTracker2);
            m_rectTracker2.OffsetRect(pt.x - m_rectTracker2.left, 0);
            OnInvertTracker(m_rectTracker2);
        }
    }
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint pt)
{
    if (m_bTracking)
        return;
    StartTracking(HitTest(pt));
}

void CSplitterWnd::OnLButtonDblClk(UINT, CPoint)
{
    StopTracking(FALSE);
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint)
{
    StopTracking(TRUE);
}

void CSplitterWnd::OnCancelMode()
{
    StopTracking(FALSE);
    CWnd::OnCancelMode();
}

void CSplitterWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bTracking)
    {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    // Enter applies the drag, Escape drops it; the arrows move the mouse.
    CPoint pt;
    ::GetCursorPos(&pt);
    int cz = ::GetKeyState(VK_CONTROL) < 0 ? 1 : 16;
    switch (nChar)
    {
    case VK_RETURN:
        StopTracking(TRUE);
        return;
    case VK_ESCAPE:
        StopTracking(FALSE);
        return;
    case VK_LEFT:
        pt.x -= cz;
        break;
    case VK_RIGHT:
        pt.x += cz;
        break;
    case VK_UP:
        pt.y -= cz;
        break;
    case VK_DOWN:
        pt.y += cz;
        break;
    default:
        return;
    }
    ::SetCursorPos(pt.x, pt.y);
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    // Over the splitter itself the cursor follows the mouse moves.
    if (nHitTest == HTCLIENT && pWnd != nullptr && pWnd->m_hWnd == m_hWnd && !m_bTracking)
        return TRUE;
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}
