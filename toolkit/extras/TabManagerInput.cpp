// Mouse input of the tab manager: clicks, the click and reorder loops, hot
// tracking and the tooltip hit test, and the drawing of a tab's icon.
//
// The loops pump the thread's messages themselves, and a message they hand
// on may delete tabs: each loop holds a reference to its tab and stops as
// soon as the tab has left the strip.
#include "toolkit/extras/TabManager.h"

#include "framework/ui/Dc.h"
#include "framework/ui/Wnd.h"
#include "toolkit/controls/TrackingLoop.h"
#include "toolkit/draw/ImageManagerIcon.h"
#include "toolkit/draw/SystemInfo.h"
#include "toolkit/extras/TabAppearanceSets.h"
#include "toolkit/extras/TabBitmap.h"
#include "toolkit/extras/TabNavigateButton.h"
#include "toolkit/extras/TabPaintManager.h"
#include "toolkit/extras/ToolTipContext.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

CPoint PointFromLParam(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

// A counted reference for the length of a loop.
class CItemReference
{
public:
    explicit CItemReference(CXTPTabManagerItem* pItem) : m_pItem(pItem) { m_pItem->InternalAddRef(); }
    ~CItemReference() { m_pItem->InternalRelease(); }
    CItemReference(const CItemReference&) = delete;
    CItemReference& operator=(const CItemReference&) = delete;

private:
    CXTPTabManagerItem* m_pItem;
};

void RequestMouseLeave(HWND hWnd)
{
    TRACKMOUSEEVENT tme = {};
    tme.cbSize = sizeof(tme);
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = hWnd;
    tme.dwHoverTime = 0;
    ::TrackMouseEvent(&tme);
}

} // namespace

BOOL CXTPTabManager::PerformClick(CWnd* pWnd, CPoint point, BOOL bButtonsOnly)
{
    if (CXTPTabManagerNavigateButton* pButton = HitTestNavigateButton(point, nullptr))
    {
        pButton->PerformClick(pWnd, point);
        return TRUE;
    }
    if (bButtonsOnly)
        return FALSE;
    CXTPTabManagerItem* pItem = HitTest(point);
    if (!pItem || !CanSelectItem(pItem))
        return FALSE;
    if (IsReorderAllowed())
        TrackReorder(pWnd, point, pItem);
    else if (GetPaintManager()->IsSelectOnButtonDown())
        OnSelectItem(pItem);
    else
        TrackClick(pWnd, point, pItem);
    return TRUE;
}

void CXTPTabManager::TrackClick(CWnd* pWnd, CPoint point, CXTPTabManagerItem* pItem)
{
    CItemReference reference(pItem);
    HWND hWnd = pWnd->GetSafeHwnd();
    if (IsHotTracking())
        m_pHighlighted = pItem;
    m_pPressed = pItem;
    Reposition();
    ::SetCapture(hWnd);

    BOOL bInside = TRUE;
    BOOL bClick = FALSE;
    RunTrackingLoop(hWnd, [&](MSG& msg) -> XTPTrackAnswer {
        if (!IsItemInStrip(pItem))
            return xtpTrackEnd;
        switch (msg.message)
        {
        case WM_CANCELMODE:
        case WM_RBUTTONDOWN:
            return xtpTrackEnd;
        case WM_KEYDOWN:
            return msg.wParam == VK_ESCAPE ? xtpTrackEnd : xtpTrackHandled;
        case WM_MOUSEMOVE:
        {
            point = PointFromLParam(msg.lParam);
            bInside = pItem->GetRect().PtInRect(point);
            CXTPTabManagerItem* pHot = bInside ? pItem : nullptr;
            if (IsHotTracking() && pHot != m_pHighlighted)
            {
                m_pHighlighted = pHot;
                CRect rcItem = pItem->GetRect();
                RedrawRect(&rcItem, TRUE);
            }
            return xtpTrackHandled;
        }
        case WM_LBUTTONUP:
            point = PointFromLParam(msg.lParam);
            bInside = pItem->GetRect().PtInRect(point);
            bClick = TRUE;
            return xtpTrackEnd;
        }
        return xtpTrackDispatch;
    });

    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    m_pPressed = nullptr;
    PerformMouseMove(pWnd, point);
    RedrawRect(nullptr, FALSE);
    if (bClick && bInside && IsItemInStrip(pItem))
        OnSelectItem(pItem);
}

void CXTPTabManager::TrackReorder(CWnd* pWnd, CPoint point, CXTPTabManagerItem* pItem)
{
    CItemReference reference(pItem);
    HWND hWnd = pWnd->GetSafeHwnd();
    CXTPTabManagerItem* pPrevious = m_pSelected;
    m_pSelected = pItem;
    if (IsHotTracking())
        m_pHighlighted = pItem;
    Reposition();

    // The places the tabs had before the drag; the swaps never move them,
    // so a tab dragged over another does not jump back and forth.
    std::vector<CRect> arrRects;
    for (const CXTPTabManagerItem* pTab : m_arrItems)
        arrRects.push_back(pTab->GetRect());

    ::SetCapture(hWnd);
    RunTrackingLoop(hWnd, [&](MSG& msg) -> XTPTrackAnswer {
        switch (msg.message)
        {
        case WM_CANCELMODE:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
            if (msg.message == WM_LBUTTONUP)
                point = PointFromLParam(msg.lParam);
            return xtpTrackEnd;
        case WM_KEYDOWN:
            return msg.wParam == VK_ESCAPE ? xtpTrackEnd : xtpTrackHandled;
        case WM_MOUSEMOVE:
        {
            if (!IsItemInStrip(pItem))
                return xtpTrackEnd;
            point = PointFromLParam(msg.lParam);
            int nCurrent = pItem->GetIndex();
            int nCount = static_cast<int>(std::min<int>(arrRects.size(), m_arrItems.size()));
            for (int i = 0; i < nCount; ++i)
            {
                if (i == nCurrent || !arrRects[static_cast<size_t>(i)].PtInRect(point))
                    continue;
                std::swap(m_arrItems[static_cast<size_t>(i)],
                          m_arrItems[static_cast<size_t>(nCurrent)]);
                OnItemsChanged();
                break;
            }
            return xtpTrackHandled;
        }
        }
        return xtpTrackDispatch;
    });

    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    PerformMouseMove(pWnd, point);
    m_pSelected = IsItemInStrip(pPrevious) ? pPrevious : nullptr;
    if (IsItemInStrip(pItem))
        OnSelectItem(pItem);
}

void CXTPTabManager::PerformMouseMove(CWnd* pWnd, CPoint point)
{
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (!IsTopLevelOwnerActive(hWnd) || IsMouseLocked())
    {
        if (m_pHighlighted)
        {
            CRect rcDraw = GetItemDrawRect(m_pHighlighted);
            m_pHighlighted = nullptr;
            RedrawRect(&rcDraw, TRUE);
        }
        return;
    }
    if (IsHotTracking())
    {
        CXTPTabManagerItem* pHot = HitTest(point);
        if (pHot != m_pHighlighted)
        {
            if (m_pHighlighted)
            {
                CRect rcDraw = GetItemDrawRect(m_pHighlighted);
                m_pHighlighted = nullptr;
                RedrawRect(&rcDraw, TRUE);
            }
            m_pHighlighted = pHot;
            if (pHot)
            {
                CRect rcDraw = GetItemDrawRect(pHot);
                RedrawRect(&rcDraw, FALSE);
                RequestMouseLeave(hWnd);
            }
        }
    }
    for (CXTPTabManagerNavigateButton* pButton : m_arrNavigateButtons)
        pButton->PerformMouseMove(pWnd, point);
}

INT_PTR CXTPTabManager::PerformToolHitTest(CWnd* pWnd, CPoint point, TOOLINFOA* pToolInfo) const
{
    if (IsMouseLocked())
        return -1;
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    int nButton = -1;
    if (CXTPTabManagerNavigateButton* pButton = HitTestNavigateButton(point, &nButton))
    {
        if (!pButton->IsEnabled() || pButton->GetTooltip().IsEmpty())
            return -1;
        CXTPToolTipContext::FillToolInfo(pToolInfo, hWnd, pButton->GetRect(),
                                         static_cast<UINT_PTR>(nButton), pButton->GetTooltip());
        return nButton;
    }
    int nMode = GetPaintManager()->GetToolTipBehaviour();
    CXTPTabManagerItem* pItem = nMode != 0 ? HitTest(point) : nullptr;
    if (!pItem || (nMode == 2 && !pItem->IsTruncated()))
        return -1;
    CString strTip = GetItemTooltip(pItem);
    if (strTip.IsEmpty())
        return -1;
    CXTPToolTipContext::FillToolInfoEx(pToolInfo, hWnd, pItem->GetRect(),
                                       static_cast<UINT_PTR>(pItem->GetIndex()), strTip,
                                       GetItemCaption(pItem), strTip, nullptr);
    return pItem->GetIndex();
}

// Icons

namespace {

// Pixels of a square top-down 32-bit bitmap mirrored over the diagonal.
void TransposePixels(const DWORD* pSource, DWORD* pDest, int nSize)
{
    for (int y = 0; y < nSize; ++y)
        for (int x = 0; x < nSize; ++x)
            pDest[x * nSize + y] = pSource[y * nSize + x];
}

// The icon drawn into the background under rc turned a quarter: background
// turned over, icon drawn, and the result turned back. FALSE when the
// bitmaps cannot be made.
BOOL DrawTurnedIcon(CDC* pDC, const CRect& rc, CXTPImageManagerIcon* pImage,
                    CXTPImageManagerIconHandle& hImage)
{
    int nSize = rc.Width();
    DWORD* pBack = nullptr;
    DWORD* pTurned = nullptr;
    HBITMAP hBack = CreateTabTopDownDib(nSize, nSize, &pBack);
    HBITMAP hTurned = CreateTabTopDownDib(nSize, nSize, &pTurned);
    BOOL bDone = FALSE;
    if (hBack && hTurned)
    {
        CDC dcMem;
        dcMem.CreateCompatibleDC(pDC);
        HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hBack);
        dcMem.BitBlt(0, 0, nSize, nSize, pDC, rc.left, rc.top, SRCCOPY);
        ::GdiFlush();
        TransposePixels(pBack, pTurned, nSize);
        ::SelectObject(dcMem.GetSafeHdc(), hTurned);
        pImage->Draw(&dcMem, CPoint(0, 0), hImage, nSize, nSize);
        ::GdiFlush();
        TransposePixels(pTurned, pBack, nSize);
        ::SelectObject(dcMem.GetSafeHdc(), hOld);
        dcMem.DeleteDC();
        pDC->DrawState(rc.TopLeft(), CSize(nSize, nSize), hBack, DST_BITMAP);
        bDone = TRUE;
    }
    if (hBack)
        ::DeleteObject(hBack);
    if (hTurned)
        ::DeleteObject(hTurned);
    return bDone;
}

} // namespace

void CXTPTabManagerItem::DrawImage(CDC* pDC, CRect rcIcon, CXTPImageManagerIcon* pImage)
{
    if (!pImage)
        return;
    CXTPImageManagerIconHandle& hImage = !IsEnabled()    ? pImage->GetDisabledImage()
                                         : IsHighlighted() ? pImage->GetHotImage()
                                         : IsSelected()    ? pImage->GetCheckedImage()
                                                           : pImage->GetNormalImage();
    CXTPTabPaintManager* pPaintManager = m_pTabManager ? m_pTabManager->GetPaintManager() : nullptr;
    BOOL bTurn = pPaintManager && rcIcon.Width() == rcIcon.Height() && rcIcon.Width() > 0 &&
                 pPaintManager->IsRotateImageOnVerticalDraw() &&
                 !m_pTabManager->IsHorizontalPosition();
    if (bTurn && DrawTurnedIcon(pDC, rcIcon, pImage, hImage))
        return;
    pImage->Draw(pDC, rcIcon.TopLeft(), hImage, rcIcon.Width(), rcIcon.Height());
}
