#include "toolkit/extras/TabNavigateButton.h"

#include "framework/ui/Dc.h"
#include "framework/ui/Wnd.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ResourceManager.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/draw/ToolkitClock.h"
#include "toolkit/extras/TabAppearanceSets.h"
#include "toolkit/extras/TabColorSets.h"
#include "toolkit/extras/TabPaintManager.h"

#include <algorithm>

namespace {

// Tooltip strings of the three buttons, by id.
const UINT s_tooltipIds[3] = {9200, 9201, 9202};

CPoint PointFromLParam(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

} // namespace

CXTPTabManagerNavigateButton::CXTPTabManagerNavigateButton(CXTPTabManager* pManager, int nID,
                                                           int nFlags)
    : m_pManager(pManager)
    , m_nID(nID)
    , m_nFlags(nFlags)
{
    if (nID >= 0 && nID < 3)
        GetResourceManager()->LoadString(&m_strToolTip, s_tooltipIds[nID]);
}

int CXTPTabManagerNavigateButton::AdjustWidth(int nLength)
{
    if (m_nFlags == xtpTabNavigateButtonAlways ||
        (m_nFlags == xtpTabNavigateButtonAutomatic && m_pManager->IsNavigateButtonAllowed(this)))
        return nLength - (m_pManager->IsHorizontalPosition() ? m_nWidth : m_nHeight);
    return nLength;
}

void CXTPTabManagerNavigateButton::Reposition(CRect& rcHeader)
{
    if (m_nFlags == xtpTabNavigateButtonNone ||
        (m_nFlags == xtpTabNavigateButtonAutomatic && !m_pManager->IsNavigateButtonAllowed(this)))
    {
        m_rcButton.SetRectEmpty();
        return;
    }
    if (m_pManager->IsHorizontalPosition())
    {
        int nBottom = rcHeader.CenterPoint().y + 7;
        m_rcButton.SetRect(rcHeader.right - m_nWidth, nBottom - m_nHeight, rcHeader.right, nBottom);
        rcHeader.right -= m_nWidth;
    }
    else
    {
        int nLeft = rcHeader.CenterPoint().x - m_nWidth / 2;
        m_rcButton.SetRect(nLeft, rcHeader.bottom - m_nHeight, nLeft + m_nWidth, rcHeader.bottom);
        rcHeader.bottom -= m_nHeight;
    }
}

BOOL CXTPTabManagerNavigateButton::IsHeaderOverflowing(const CRect& rcHeader, int nReserve) const
{
    CRect rcMargin = m_pManager->GetPaintManager()->GetAppearanceSet()->GetHeaderMargin();
    int nLength = m_pManager->GetRectLength(rcHeader);
    return nLength - rcMargin.left - rcMargin.right - nReserve <
           m_pManager->GetItemsLength() + m_pManager->GetScrollOffset() - rcMargin.left - 1;
}

void CXTPTabManagerNavigateButton::RepositionArrow(CRect& rcHeader)
{
    int nLayout = m_pManager->GetLayout();
    if (nLayout == xtpTabLayoutMultiRow)
    {
        m_rcButton.SetRectEmpty();
        return;
    }
    if (m_nFlags != xtpTabNavigateButtonAutomatic)
    {
        CXTPTabManagerNavigateButton::Reposition(rcHeader);
        return;
    }
    // Both arrows show or hide together: the left one follows the right
    // one, which was placed just before it.
    BOOL bShow;
    CXTPTabManagerNavigateButton* pRight = m_pManager->FindNavigateButton(xtpTabNavigateButtonRight);
    if (m_nID == xtpTabNavigateButtonLeft && pRight && pRight->GetFlags() == m_nFlags)
        bShow = pRight->IsVisible();
    else
        bShow = nLayout != xtpTabLayoutSizeToFit &&
                (m_pManager->GetScrollOffset() < 0 || IsHeaderOverflowing(rcHeader, 0));
    if (bShow)
        CXTPTabManagerNavigateButton::Reposition(rcHeader);
    else
        m_rcButton.SetRectEmpty();
}

void CXTPTabManagerNavigateButton::OnExecute(BOOL bTick)
{
    if (!bTick)
        m_pManager->OnNavigateButtonClick(m_nID);
}

void CXTPTabManagerNavigateButton::PerformClick(CWnd* pWnd, CPoint point)
{
    HWND hWnd = pWnd->GetSafeHwnd();
    HWND hWndCapture = ::GetCapture();
    if ((hWndCapture && hWndCapture != hWnd) || !m_bEnabled)
        return;
    ::SetCapture(hWnd);
    DWORD dwLastTick = XTPGetTickCount();
    BOOL bClick = FALSE;
    for (;;)
    {
        DWORD dwNow = XTPGetTickCount();
        if (m_bEnabled && dwNow - dwLastTick > TICK_INTERVAL)
        {
            OnExecute(TRUE);
            dwLastTick = dwNow;
        }
        BOOL bInside = m_rcButton.PtInRect(point);
        if (bInside != m_bPressed)
        {
            m_bPressed = bInside;
            m_pManager->RedrawRect(&m_rcButton, TRUE);
        }

        // Sleeps until the next step is due or a message comes.
        DWORD dwElapsed = XTPGetTickCount() - dwLastTick;
        DWORD dwWait = dwElapsed > TICK_INTERVAL ? 1 : TICK_INTERVAL + 1 - dwElapsed;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, dwWait, QS_ALLINPUT);
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            continue;
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (::GetCapture() != hWnd)
        {
            ::DispatchMessageA(&msg);
            break;
        }
        if (msg.message == WM_CANCELMODE || msg.message == WM_RBUTTONDOWN ||
            (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE))
            break;
        if (msg.message == WM_KEYDOWN)
            continue;
        if (msg.message == WM_MOUSEMOVE)
        {
            point = PointFromLParam(msg.lParam);
            continue;
        }
        if (msg.message == WM_LBUTTONUP)
        {
            point = PointFromLParam(msg.lParam);
            bClick = m_rcButton.PtInRect(point);
            break;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    m_bPressed = FALSE;
    m_pManager->PerformMouseMove(pWnd, point);
    m_pManager->RedrawRect(nullptr, FALSE);
    if (bClick)
        OnExecute(FALSE);
}

void CXTPTabManagerNavigateButton::PerformMouseMove(CWnd* pWnd, CPoint point)
{
    BOOL bInside = m_rcButton.PtInRect(point);
    if (!bInside && m_bHot)
    {
        m_bHot = FALSE;
        m_pManager->RedrawRect(&m_rcButton, TRUE);
    }
    else if (bInside && m_bEnabled && !m_bHot)
    {
        m_bHot = TRUE;
        m_pManager->RedrawRect(&m_rcButton, FALSE);
        TRACKMOUSEEVENT tme = {};
        tme.cbSize = sizeof(tme);
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = pWnd ? pWnd->GetSafeHwnd() : nullptr;
        if (tme.hwndTrack)
            ::TrackMouseEvent(&tme);
    }
}

void CXTPTabManagerNavigateButton::Draw(CDC* pDC)
{
    if (m_rcButton.IsRectEmpty())
        return;
    CRect rc = m_rcButton;
    m_pManager->GetPaintManager()->GetColorSet()->DrawNavigateButtonFrame(pDC, this, rc);
    COLORREF clr = pDC->GetTextColor();
    CXTPPenDC pen(pDC->GetSafeHdc(), clr);
    HGDIOBJ hOldBrush = nullptr;
    HBRUSH hBrush = nullptr;
    if (m_bEnabled)
    {
        hBrush = ::CreateSolidBrush(clr);
        hOldBrush = ::SelectObject(pDC->GetSafeHdc(), hBrush);
    }
    else
    {
        hOldBrush = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(HOLLOW_BRUSH));
    }
    DrawEntry(pDC, rc);
    ::SelectObject(pDC->GetSafeHdc(), hOldBrush);
    if (hBrush)
        ::DeleteObject(hBrush);
}

// The arrows and the close button

int CXTPTabManager::CNavigateButtonArrow::AdjustWidth(int nLength)
{
    if (m_nFlags == xtpTabNavigateButtonAlways)
        return nLength - (m_pManager->IsHorizontalPosition() ? m_nWidth : m_nHeight);
    return nLength;
}

CXTPTabManager::CNavigateButtonArrowLeft::CNavigateButtonArrowLeft(CXTPTabManager* pManager)
    : CNavigateButtonArrow(pManager, xtpTabNavigateButtonLeft, xtpTabNavigateButtonAutomatic)
{
}

void CXTPTabManager::CNavigateButtonArrowLeft::Reposition(CRect& rcHeader)
{
    m_bEnabled = m_pManager->GetScrollOffset() < 0;
    RepositionArrow(rcHeader);
}

void CXTPTabManager::CNavigateButtonArrowLeft::DrawEntry(CDC* pDC, CRect rc)
{
    CPoint c = rc.CenterPoint();
    if (m_pManager->IsHorizontalPosition())
        DrawTriangle(pDC, CPoint(c.x + 2, c.y - 5), CPoint(c.x - 2, c.y - 1), CPoint(c.x + 2, c.y + 3));
    else
        DrawTriangle(pDC, CPoint(c.x - 5, c.y + 2), CPoint(c.x - 1, c.y - 2), CPoint(c.x + 3, c.y + 2));
}

void CXTPTabManager::CNavigateButtonArrowLeft::OnExecute(BOOL bTick)
{
    if (bTick)
        m_pManager->ScrollHeader(FALSE);
}

CXTPTabManager::CNavigateButtonArrowRight::CNavigateButtonArrowRight(CXTPTabManager* pManager)
    : CNavigateButtonArrow(pManager, xtpTabNavigateButtonRight, xtpTabNavigateButtonAutomatic)
{
}

void CXTPTabManager::CNavigateButtonArrowRight::Reposition(CRect& rcHeader)
{
    // 28: the room of both arrows.
    CRect rcMargin = m_pManager->GetPaintManager()->GetAppearanceSet()->GetHeaderMargin();
    m_bEnabled = m_pManager->GetRectLength(rcHeader) - rcMargin.left - rcMargin.right - 28 <
                 m_pManager->GetItemsLength() + m_pManager->GetScrollOffset();
    RepositionArrow(rcHeader);
}

void CXTPTabManager::CNavigateButtonArrowRight::DrawEntry(CDC* pDC, CRect rc)
{
    CPoint c = rc.CenterPoint();
    if (m_pManager->IsHorizontalPosition())
        DrawTriangle(pDC, CPoint(c.x - 2, c.y - 5), CPoint(c.x + 2, c.y - 1), CPoint(c.x - 2, c.y + 3));
    else
        DrawTriangle(pDC, CPoint(c.x - 5, c.y - 2), CPoint(c.x - 1, c.y + 2), CPoint(c.x + 3, c.y - 2));
}

void CXTPTabManager::CNavigateButtonArrowRight::OnExecute(BOOL bTick)
{
    if (bTick)
        m_pManager->ScrollHeader(TRUE);
}

CXTPTabManager::CNavigateButtonClose::CNavigateButtonClose(CXTPTabManager* pManager)
    : CXTPTabManagerNavigateButton(pManager, xtpTabNavigateButtonClose, xtpTabNavigateButtonNone)
{
}

void CXTPTabManager::CNavigateButtonClose::DrawEntry(CDC* pDC, CRect rc)
{
    int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    pDC->MoveTo(l + 3, t + 3);
    pDC->LineTo(r - 4, b - 5);
    pDC->MoveTo(l + 4, t + 3);
    pDC->LineTo(r - 3, b - 5);
    pDC->MoveTo(l + 3, b - 6);
    pDC->LineTo(r - 4, t + 2);
    pDC->MoveTo(l + 4, b - 6);
    pDC->LineTo(r - 3, t + 2);
}
