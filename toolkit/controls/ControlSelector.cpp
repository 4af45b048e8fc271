#include "toolkit/controls/ControlSelector.h"

#include "framework/core/Archive.h"
#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/PaintManager.h"

#include <algorithm>

IMPLEMENT_SERIAL(CXTPControlSelector, CXTPControl, 18)

namespace {

BOOL IsPositive(CSize size)
{
    return size.cx > 0 && size.cy > 0;
}

} // namespace

CXTPControlSelector::CXTPControlSelector()
    : m_szItemsCount(5, 4), m_szItemsMax(12, 12), m_szItem(28, 28), m_szSelected(0, 0),
      m_szResult(0, 0), m_szItemsVisible(5, 4), m_bLockUpdate(FALSE)
{
}

void CXTPControlSelector::SetItemsCount(CSize size)
{
    if (IsPositive(size))
        m_szItemsCount = size;
}

void CXTPControlSelector::SetItemsMax(CSize size)
{
    if (IsPositive(size))
        m_szItemsMax = size;
}

void CXTPControlSelector::SetItemSize(CSize size)
{
    if (IsPositive(size))
        m_szItem = size;
}

CSize CXTPControlSelector::GetSize(CDC* /*pDC*/)
{
    return CSize(m_szItemsVisible.cx * m_szItem.cx, m_szItemsVisible.cy * m_szItem.cy);
}

void CXTPControlSelector::DrawItem(CDC* /*pDC*/, CRect /*rcItem*/, COLORREF /*clrText*/)
{
}

void CXTPControlSelector::Draw(CDC* pDC)
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    CXTPColorManager* pColors = GetColorManager();
    COLORREF clrFrame = pPaintManager->ResolveColor(43);
    for (int x = 0; x < m_szItemsVisible.cx; ++x)
    {
        for (int y = 0; y < m_szItemsVisible.cy; ++y)
        {
            CRect rcItem(CPoint(m_rcControl.left + x * m_szItem.cx, m_rcControl.top + y * m_szItem.cy),
                         m_szItem);
            rcItem.DeflateRect(1, 1);
            BOOL bSelected = x < m_szSelected.cx && y < m_szSelected.cy;
            pDC->FillSolidRect(&rcItem, pColors->ResolveColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
            COLORREF clrText = bSelected ? pColors->ResolveColor(COLOR_HIGHLIGHTTEXT)
                                         : pPaintManager->ResolveColor(46);
            pDC->Draw3dRect(&rcItem, clrFrame, clrFrame);
            DrawItem(pDC, rcItem, clrText);
        }
    }
}

void CXTPControlSelector::SetSelectedCell(CSize szSelected, BOOL bForce)
{
    if (szSelected == m_szSelected && !bForce)
        return;
    m_szSelected = szSelected;
    RedrawParent(FALSE);
    NotifySite(XTP_SELECTOR_CHANGED);
}

void CXTPControlSelector::OnMouseMoveControl(CPoint point)
{
    CSize szSelected(0, 0);
    for (int x = 0; x < m_szItemsVisible.cx; ++x)
        if (m_rcControl.left + x * m_szItem.cx < point.x)
            szSelected.cx = x + 1;
    for (int y = 0; y < m_szItemsVisible.cy; ++y)
        if (m_rcControl.top + y * m_szItem.cy < point.y)
            szSelected.cy = y + 1;
    SetSelectedCell(szSelected, FALSE);
}

void CXTPControlSelector::OnLButtonUp(CPoint /*point*/)
{
    if (m_szSelected == CSize(0, 0))
        return;
    m_szResult = m_szSelected;
    OnExecute();
}

void CXTPControlSelector::OnCalcDynamicSize(DWORD /*dwMode*/)
{
    if (!m_bLockUpdate)
    {
        m_szSelected = CSize(0, 0);
        m_szItemsVisible = m_szItemsCount;
    }
    SetSelectedCell(m_szSelected, TRUE);
}

BOOL CXTPControlSelector::GrowTowards(CPoint ptCursor)
{
    CSize szGrid = m_szItemsVisible;
    if (ptCursor.x >= m_rcControl.right)
        szGrid.cx = std::min(static_cast<int>((ptCursor.x - m_rcControl.left) / m_szItem.cx + 1),
                             static_cast<int>(m_szItemsMax.cx));
    if (ptCursor.y >= m_rcControl.bottom)
        szGrid.cy = std::min(static_cast<int>((ptCursor.y - m_rcControl.top) / m_szItem.cy + 1),
                             static_cast<int>(m_szItemsMax.cy));
    szGrid.cx = std::max(szGrid.cx, m_szItemsVisible.cx);
    szGrid.cy = std::max(szGrid.cy, m_szItemsVisible.cy);
    if (szGrid == m_szItemsVisible)
        return FALSE;

    m_szItemsVisible = szGrid;
    SetSelectedCell(m_szSelected, TRUE);
    m_bLockUpdate = TRUE;
    if (m_pParent)
        m_pParent->RecalcLayout();
    m_bLockUpdate = FALSE;
    OnMouseMoveControl(ptCursor);
    return TRUE;
}

BOOL CXTPControlSelector::OnSetSelected(int nSelected)
{
    if (nSelected == 0)
    {
        CPoint ptCursor(0, 0);
        BOOL bGrew = FALSE;
        if (m_pParent && m_pParent->GetSafeHwnd() && (::GetKeyState(VK_LBUTTON) & 0x8000))
        {
            ::GetCursorPos(&ptCursor);
            m_pParent->ScreenToClient(&ptCursor);
            bGrew = GrowTowards(ptCursor);
        }
        if (!bGrew)
            SetSelectedCell(CSize(0, 0), FALSE);
    }
    return CXTPControl::OnSetSelected(nSelected);
}

void CXTPControlSelector::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControl::DoPropExchange(pPX);
    // Sizes that are missing or not positive keep the values the control has.
    CSize szItemsCount = m_szItemsCount, szItemsMax = m_szItemsMax, szItem = m_szItem;
    ExchangeSizeProperty(pPX, "ItemsCount", szItemsCount, CSize(0, 0));
    ExchangeSizeProperty(pPX, "ItemsMax", szItemsMax, CSize(0, 0));
    ExchangeSizeProperty(pPX, "ItemSize", szItem, CSize(0, 0));
    if (pPX->IsLoading())
    {
        SetItemsCount(szItemsCount);
        SetItemsMax(szItemsMax);
        SetItemSize(szItem);
        m_szItemsVisible = m_szItemsCount;
    }
}

void CXTPControlSelector::Copy(CXTPControl* pSource, BOOL bRecursive)
{
    CXTPControl::Copy(pSource, bRecursive);
    if (CXTPControlSelector* pSelector = dynamic_cast<CXTPControlSelector*>(pSource))
    {
        m_szItemsCount = pSelector->m_szItemsCount;
        m_szItemsMax = pSelector->m_szItemsMax;
        m_szItem = pSelector->m_szItem;
        m_szItemsVisible = m_szItemsCount;
    }
}
