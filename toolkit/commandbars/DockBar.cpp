#include "toolkit/commandbars/DockBar.h"

#include "framework/core/Module.h"
#include "framework/ui/Dc.h"
#include "framework/ui/FrameWnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/DockBarLayout.h"
#include "toolkit/commandbars/DockContext.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/SystemInfo.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CXTPDockBar, CWnd)

namespace {

const char kDockBarClass[] = "XTPDockBar";
const DWORD kStoredStyleMask = 0x40FFFF;

// A bar's window rectangle in the dock bar's client coordinates.
CRect BarRectIn(const CWnd* pDockBar, const CXTPCommandBar* pBar)
{
    CRect rc(0, 0, 0, 0);
    if (!pBar->GetSafeHwnd())
        return rc;
    pBar->GetWindowRect(&rc);
    pDockBar->ScreenToClient(&rc);
    return rc;
}

BOOL IsShown(const CXTPCommandBar* pBar)
{
    return pBar && pBar->IsVisible();
}

CRect Transposed(const CRect& rc)
{
    return CRect(rc.top, rc.left, rc.bottom, rc.right);
}

const UINT kDockBarIds[4] = {XTP_ID_DOCKBAR_TOP, XTP_ID_DOCKBAR_BOTTOM, XTP_ID_DOCKBAR_LEFT,
                             XTP_ID_DOCKBAR_RIGHT};

} // namespace

UINT XTPDockBarId(int nPosition)
{
    return kDockBarIds[nPosition >= 0 && nPosition < 4 ? nPosition : 0];
}

int XTPDockBarPosition(UINT nId)
{
    for (int i = 0; i < 4; ++i)
        if (kDockBarIds[i] == nId)
            return i;
    return -1;
}

// Bars that are not toolbars dock at the size their dynamic layout gives.
CSize CXTPCommandBar::CalcDockingLayout(int nLength, DWORD dwMode, int /*nWidth*/)
{
    return CalcDynamicLayout(nLength, dwMode);
}

CXTPDockBar::CXTPDockBar()
    : m_dwStyle(0), m_arrBars(1, nullptr), m_pCommandBars(nullptr)
{
    RegisterBarWindowClass(AfxGetInstanceHandle(), kDockBarClass, 0);
}

BOOL CXTPDockBar::Create(CWnd* pParent, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & kStoredStyleMask;
    static const char* const kNames[] = {"xtpBarTop", "xtpBarBottom", "xtpBarLeft", "xtpBarRight"};
    const DWORD dwWindowStyle = (dwStyle & ~kStoredStyleMask) | WS_CHILD | WS_CLIPSIBLINGS;
    return CreateEx(0, kDockBarClass, kNames[GetDockPosition()], dwWindowStyle, CRect(0, 0, 0, 0),
                    pParent, nID);
}

int CXTPDockBar::GetDockPosition() const
{
    if (m_dwStyle & XTP_DOCKBAR_STYLE_TOP)
        return 0;
    if (m_dwStyle & XTP_DOCKBAR_STYLE_BOTTOM)
        return 1;
    if (m_dwStyle & XTP_DOCKBAR_STYLE_LEFT)
        return 2;
    return 3;
}

CXTPCommandBar* CXTPDockBar::GetEntry(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetEntryCount())
        return nullptr;
    return m_arrBars[nIndex];
}

int CXTPDockBar::FindBar(CXTPCommandBar* pBar, int nSkipIndex) const
{
    for (int i = 0; i < GetEntryCount(); ++i)
        if (i != nSkipIndex && m_arrBars[i] == pBar)
            return i;
    return -1;
}

void CXTPDockBar::InsertEntry(int nIndex, CXTPCommandBar* pBar)
{
    if (nIndex < 0 || nIndex > GetEntryCount())
        nIndex = GetEntryCount();
    m_arrBars.insert(m_arrBars.begin() + nIndex, pBar);
}

std::vector<UINT> CXTPDockBar::GetEntryIds() const
{
    std::vector<UINT> ids;
    for (CXTPCommandBar* pBar : m_arrBars)
        ids.push_back(pBar ? pBar->GetBarID() : 0);
    return ids;
}

void CXTPDockBar::GetRowBars(int nIndex, std::vector<CXTPCommandBar*>& bars) const
{
    bars.clear();
    if (nIndex < 0 || nIndex >= GetEntryCount())
        return;
    int nStart = nIndex;
    while (nStart > 0 && m_arrBars[nStart - 1])
        --nStart;
    for (int i = nStart; i < GetEntryCount() && m_arrBars[i]; ++i)
        bars.push_back(m_arrBars[i]);
}

void CXTPDockBar::GetRowBarsInOrder(int nIndex, std::vector<CXTPCommandBar*>& bars) const
{
    std::vector<CXTPCommandBar*> row;
    GetRowBars(nIndex, row);
    bars.clear();
    for (CXTPCommandBar* pBar : row)
        if (IsShown(pBar))
            bars.push_back(pBar);
    const BOOL bHorizontal = IsHorizontal();
    std::stable_sort(bars.begin(), bars.end(), [&](CXTPCommandBar* a, CXTPCommandBar* b) {
        const CRect rcA = BarRectIn(this, a), rcB = BarRectIn(this, b);
        return bHorizontal ? rcA.left < rcB.left : rcA.top < rcB.top;
    });
}

void CXTPDockBar::DockCommandBar(CXTPCommandBar* pBar, LPCRECT lpRect)
{
    const int nOld = FindBar(pBar);
    if (nOld != -1)
    {
        if (!lpRect)
            return;
        CRect rcWindow(0, 0, 0, 0);
        if (pBar->GetSafeHwnd())
            pBar->GetWindowRect(&rcWindow);
        if (CRect(*lpRect) == rcWindow)
            return;
    }

    CXTPDockContext* pContext = pBar->GetDockContext();
    int nIndex = -1;
    if (lpRect)
    {
        CRect rc(*lpRect);
        if (m_hWnd)
            ScreenToClient(&rc);
        nIndex = InsertBarAtPoint(pBar, rc.CenterPoint());
        if (pContext)
            pContext->m_rectMRUDockPos = rc;
    }
    else
    {
        m_arrBars.push_back(pBar);
        m_arrBars.push_back(nullptr);
        if (pContext)
            pContext->m_rectMRUDockPos.SetRectEmpty();
    }

    if (nOld != -1)
        RemoveCommandBar(pBar, nIndex);
    else if (CXTPDockBar* pOldDockBar = pBar->GetDockBar())
        if (pOldDockBar != this)
            pOldDockBar->RemoveCommandBar(pBar);

    AttachBar(pBar);
    if (pContext)
        pContext->m_uMRUDockPosition = GetDockPosition();
    SeparateStretchedBars();
    RecalcFrameLayout(FALSE);
}

void CXTPDockBar::AttachBar(CXTPCommandBar* pBar)
{
    if (HWND hBar = pBar->GetSafeHwnd())
    {
        // A floating window turns into a child before it moves in.
        if (::GetWindowLongA(hBar, GWL_STYLE) & WS_POPUP)
            pBar->ModifyStyle(WS_POPUP, WS_CHILD);
        if (m_hWnd && ::GetParent(hBar) != m_hWnd)
            pBar->SetParent(this);
    }
    pBar->SetDockBar(this);
    pBar->m_barPosition = GetDockPosition();
}

void CXTPDockBar::RemoveCommandBar(CXTPCommandBar* pBar, int nKeepIndex)
{
    const int nIndex = FindBar(pBar, nKeepIndex);
    if (nIndex == -1)
        return;
    m_arrBars.erase(m_arrBars.begin() + nIndex);
    // A row left empty goes with the bar.
    if (nIndex > 0 && nIndex < GetEntryCount() && !m_arrBars[nIndex - 1] && !m_arrBars[nIndex])
        m_arrBars.erase(m_arrBars.begin() + nIndex);
    if (nKeepIndex == -1)
        pBar->SetDockBar(nullptr);
    RecalcFrameLayout(TRUE);
}

void CXTPDockBar::RecalcFrameLayout(BOOL bDelay)
{
    CWnd* pParent = m_hWnd ? GetParent() : nullptr;
    if (!pParent || !pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return;
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(pParent);
    if (bDelay)
        pFrame->DelayRecalcLayout(FALSE);
    else
        pFrame->RecalcLayout(FALSE);
}

int CXTPDockBar::InsertBarAtPoint(CXTPCommandBar* pBar, CPoint ptCenter)
{
    const BOOL bHorizontal = IsHorizontal();
    const int nAcross = bHorizontal ? ptCenter.y : ptCenter.x;

    // With the ribbon docked here, its row (the first) takes no other bar.
    BOOL bRibbonRow = FALSE;
    for (int i = 1; i < GetEntryCount() && m_arrBars[i]; ++i)
        if (m_arrBars[i]->IsRibbonBar())
            bRibbonRow = TRUE;

    int nPrevFar = 0;
    int nRow = 0;
    for (int nEnd = 0; nEnd < GetEntryCount(); ++nEnd)
    {
        if (m_arrBars[nEnd])
            continue;
        // The row after this row end runs to the next row end.
        int nNext = nEnd + 1;
        int nFar = nPrevFar;
        for (; nNext < GetEntryCount() && m_arrBars[nNext]; ++nNext)
        {
            if (m_arrBars[nNext] == pBar || !IsShown(m_arrBars[nNext]))
                continue;
            const CRect rc = BarRectIn(this, m_arrBars[nNext]);
            nFar = std::max(nFar, bHorizontal ? static_cast<int>(rc.bottom) : static_cast<int>(rc.right));
        }
        if (nNext >= GetEntryCount())
            break;
        const BOOL bSkip = nRow == 0 && bRibbonRow;
        if (!bSkip && nAcross < nFar)
        {
            const int nInsert = nEnd + 1;
            m_arrBars.insert(m_arrBars.begin() + nInsert, pBar);
            // On the edge between two rows, or before the first: a row of its own.
            if ((nRow > 0 && nAcross == nPrevFar) || (nRow == 0 && nAcross < 0))
                m_arrBars.insert(m_arrBars.begin() + nInsert + 1, nullptr);
            return nInsert;
        }
        nPrevFar = nFar;
        ++nRow;
        nEnd = nNext - 1;
    }
    // Beyond every row: a new row at the far end.
    m_arrBars.push_back(pBar);
    m_arrBars.push_back(nullptr);
    return GetEntryCount() - 2;
}

void CXTPDockBar::SeparateStretchedBars()
{
    for (int i = 0; i < GetEntryCount(); ++i)
    {
        CXTPCommandBar* pBar = m_arrBars[i];
        if (!pBar || !(pBar->GetFlags() & xtpFlagStretched))
            continue;
        if (i > 0 && m_arrBars[i - 1])
        {
            m_arrBars.insert(m_arrBars.begin() + i, nullptr);
            ++i;
        }
        if (i + 1 < GetEntryCount() && m_arrBars[i + 1])
            m_arrBars.insert(m_arrBars.begin() + i + 1, nullptr);
    }
}

DWORD CXTPDockBar::GetBarMode(CXTPCommandBar* pBar, DWORD dwMode) const
{
    dwMode &= ~XTP_DOCK_MODE_STRETCH;
    if (pBar->GetFlags() & xtpFlagStretched)
        dwMode |= XTP_DOCK_MODE_STRETCH;
    if (pBar->GetFlags() & xtpFlagHideWrap)
        dwMode |= XTP_DOCK_MODE_HIDE_WRAP;
    return dwMode;
}

int CXTPDockBar::LayoutRow(const std::vector<CXTPCommandBar*>& bars, int nOffset, int nLength,
                           DWORD dwMode, AFX_SIZEPARENTPARAMS* pParams)
{
    const BOOL bHorizontal = IsHorizontal();
    std::vector<XTP_DOCK_ROW_BAR> row;
    for (CXTPCommandBar* pBar : bars)
    {
        XTP_DOCK_ROW_BAR entry;
        entry.calcSize = [pBar, bHorizontal](int nLen, DWORD dwBarMode, int nThickness) {
            const CSize size = pBar->CalcDockingLayout(nLen, dwBarMode, nThickness);
            return bHorizontal ? size : CSize(size.cy, size.cx);
        };
        CXTPDockContext* pContext = pBar->GetDockContext();
        const CRect rcDesired = pContext ? pContext->m_rectMRUDockPos : BarRectIn(this, pBar);
        entry.nDesiredLeft = bHorizontal ? rcDesired.left : rcDesired.top;
        entry.dwMode = GetBarMode(pBar, dwMode);
        entry.bFillGap = (pBar->GetFlags() & 0x100000) != 0;
        row.push_back(entry);
    }
    const BOOL bCommit = pParams && pParams->hDWP;
    std::vector<CRect> rects;
    const int nThickness = LayoutDockRow(row, nOffset, nLength, rects, bCommit);
    if (!bCommit)
        return nThickness;
    for (size_t i = 0; i < bars.size(); ++i)
    {
        CXTPCommandBar* pBar = bars[i];
        const CRect rc = bHorizontal ? rects[i] : Transposed(rects[i]);
        if (CXTPDockContext* pContext = pBar->GetDockContext())
            pContext->m_uMRUDockPosition = GetDockPosition();
        if (pBar->GetSafeHwnd() && rc != BarRectIn(this, pBar))
        {
            ::SetWindowPos(pBar->GetSafeHwnd(), nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
            pBar->Redraw();
        }
    }
    return nThickness;
}

CSize CXTPDockBar::CalcDockBarSize(int nLength, DWORD dwMode, AFX_SIZEPARENTPARAMS* pParams)
{
    const BOOL bHorizontal = IsHorizontal();
    const BOOL bStretch = (dwMode & XTP_DOCK_MODE_STRETCH) != 0;
    int nAcross = 0;
    int nOffset = 0;
    std::vector<CXTPCommandBar*> row;
    for (int i = 0; i < GetEntryCount(); ++i)
    {
        CXTPCommandBar* pBar = m_arrBars[i];
        if (pBar)
        {
            if (IsShown(pBar))
                row.push_back(pBar);
            continue;
        }
        if (row.empty())
            continue;
        const int nThickness = LayoutRow(row, nOffset, nLength, dwMode, pParams);
        row.clear();
        if (nThickness > 0)
        {
            nOffset += nThickness;
            nAcross = std::max(nAcross, nOffset);
        }
    }
    const int nAlong = bStretch ? 32767 : nLength;
    return bHorizontal ? CSize(nAlong, nAcross) : CSize(nAcross, nAlong);
}

void CXTPDockBar::OnSizeParent(AFX_SIZEPARENTPARAMS* pParams)
{
    if (!(GetStyle() & WS_VISIBLE))
        return;
    const BOOL bHorizontal = IsHorizontal();
    CRect rcFree(pParams->rect);
    const DWORD dwMode = (bHorizontal ? XTP_DOCK_MODE_HORZ : XTP_DOCK_MODE_VERT)
        | (pParams->bStretch ? XTP_DOCK_MODE_STRETCH : 0);
    CSize size = CalcDockBarSize(bHorizontal ? rcFree.Width() : rcFree.Height(), dwMode, pParams);
    size.cx = std::min<int>(size.cx, rcFree.Width());
    size.cy = std::min<int>(size.cy, rcFree.Height());

    CRect rc(rcFree);
    switch (GetDockPosition())
    {
    case 0:
        rc.bottom = rc.top + size.cy;
        pParams->rect.top += size.cy;
        break;
    case 1:
        rc.top = rc.bottom - size.cy;
        pParams->rect.bottom -= size.cy;
        break;
    case 2:
        rc.right = rc.left + size.cx;
        pParams->rect.left += size.cx;
        break;
    default:
        rc.left = rc.right - size.cx;
        pParams->rect.right -= size.cx;
        break;
    }
    if (bHorizontal)
    {
        pParams->sizeTotal.cy += size.cy;
        pParams->sizeTotal.cx = std::max(pParams->sizeTotal.cx, size.cx);
    }
    else
    {
        pParams->sizeTotal.cx += size.cx;
        pParams->sizeTotal.cy = std::max(pParams->sizeTotal.cy, size.cy);
    }
    if (pParams->hDWP)
    {
        AfxRepositionWindow(pParams, m_hWnd, &rc);
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    }
}

void CXTPDockBar::OnPaint()
{
    CPaintDC dc(this);
    CXTPPaintManager* pPaintManager =
        m_pCommandBars ? m_pCommandBars->GetPaintManager() : XTPPaintManager();
    pPaintManager->FillDockBar(&dc, this);
}

BOOL CXTPDockBar::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_SIZEPARENT:
        OnSizeParent(reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam));
        *pResult = 0;
        return TRUE;
    case WM_PAINT:
        OnPaint();
        *pResult = 0;
        return TRUE;
    case WM_ERASEBKGND:
        *pResult = TRUE;
        return TRUE;
    case WM_RBUTTONDOWN:
        // An empty stretch between and beside the bars: the toolbars list.
        if (m_pCommandBars)
        {
            CPoint ptScreen(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            ClientToScreen(&ptScreen);
            m_pCommandBars->ShowToolBarsContextMenu(this, ptScreen);
        }
        *pResult = 0;
        return TRUE;
    case WM_NCDESTROY:
        // Only the site's destruction takes a dock bar's window while the
        // command bars still hold it.
        if (m_pCommandBars)
            m_pCommandBars->OnSiteDestroyed();
        break;
    case WM_PRINTCLIENT:
    {
        CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
        CXTPPaintManager* pPaintManager =
            m_pCommandBars ? m_pCommandBars->GetPaintManager() : XTPPaintManager();
        pPaintManager->FillDockBar(pDC, this);
        if (lParam & PRF_CHILDREN)
        {
            for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild;
                 hChild = ::GetWindow(hChild, GW_HWNDNEXT))
            {
                if (!::IsWindowVisible(hChild))
                    continue;
                CRect rc;
                ::GetWindowRect(hChild, &rc);
                ScreenToClient(&rc);
                POINT ptOld;
                ::OffsetViewportOrgEx(pDC->GetSafeHdc(), rc.left, rc.top, &ptOld);
                ::SendMessageA(hChild, WM_PRINT, wParam, lParam);
                ::SetViewportOrgEx(pDC->GetSafeHdc(), ptOld.x, ptOld.y, nullptr);
            }
        }
        *pResult = 0;
        return TRUE;
    }
    }
    return CWnd::OnWndMsg(message, wParam, lParam, pResult);
}
