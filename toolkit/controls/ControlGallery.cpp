// The gallery control: layout glue, scrolling, drawing, the mouse and the
// keys. Where the items lie and how the keys move among them is the
// layout's (ControlGalleryLayout.cpp); accessibility is in
// ControlGalleryAccessible.cpp.
#include "toolkit/controls/ControlGallery.h"

#include "framework/core/Archive.h"
#include "framework/ui/Dc.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/ControlGalleryPaintManager.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/SystemInfo.h"

#include <algorithm>

IMPLEMENT_SERIAL(CXTPControlGallery, CXTPControlPopup, 18)

namespace {

// The control's flags word of a new gallery.
const DWORD kGalleryFlags = 0x40;
// Wheel notches scroll this many default item heights.
const int kWheelLines = 3;

} // namespace

// --- The action -----------------------------------------------------------------------------

CXTPControlGalleryAction::CXTPControlGalleryAction(CXTPControlActions* pActions)
    : CXTPControlAction(pActions), m_pItems(nullptr)
{
}

CXTPControlGalleryAction::~CXTPControlGalleryAction()
{
    SetItems(nullptr);
}

void CXTPControlGalleryAction::SetItems(CXTPControlGalleryItems* pItems)
{
    if (pItems == m_pItems)
        return;
    if (pItems)
        pItems->InternalAddRef();
    if (m_pItems)
        m_pItems->InternalRelease();
    m_pItems = pItems;
}

// --- The control ----------------------------------------------------------------------------

CXTPControlGallery::CXTPControlGallery()
    : m_nCheckedItem(-1), m_nSelectedItem(-1), m_bHideSelection(FALSE), m_bPressed(FALSE),
      m_nScrollPos(0), m_bKeyboardSelection(FALSE), m_szGallery(120, 60), m_bShowLabels(TRUE),
      m_bShowScrollBar(TRUE), m_bShowBorders(FALSE), m_rcMargin(0, 0, 0, 0)
{
    m_controlType = xtpControlGallery;
    m_dwFlags = kGalleryFlags;
}

CXTPControlGalleryItems* CXTPControlGallery::GetItems() const
{
    auto* pAction = dynamic_cast<CXTPControlGalleryAction*>(m_pAction);
    return pAction ? pAction->GetItems() : nullptr;
}

int CXTPControlGallery::GetItemCount() const
{
    CXTPControlGalleryItems* pItems = GetItems();
    return pItems ? pItems->GetItemCount() : 0;
}

CXTPControlGalleryItem* CXTPControlGallery::GetItem(int nIndex) const
{
    CXTPControlGalleryItems* pItems = GetItems();
    return pItems ? pItems->GetItem(nIndex) : nullptr;
}

void CXTPControlGallery::SetCheckedItem(int nId)
{
    if (nId == m_nCheckedItem)
        return;
    m_nCheckedItem = nId;
    RedrawParent(FALSE);
}

int CXTPControlGallery::GetDefaultItemHeight() const
{
    CXTPControlGalleryItems* pItems = GetItems();
    return pItems ? static_cast<int>(pItems->GetItemSize().cy) : 0;
}

CXTPControlGalleryPaintManager* CXTPControlGallery::GetScrollBarPaintManager() const
{
    return GetPaintManager()->GetGalleryPaintManager();
}

CWnd* CXTPControlGallery::GetParentWindow() const
{
    return m_pParent;
}

// --- Geometry -------------------------------------------------------------------------------

BOOL CXTPControlGallery::HasNextVisibleControl() const
{
    if (!m_pParent || m_pParent->GetType() != xtpBarTypePopup)
        return FALSE;
    for (int i = m_nIndex + 1; i < m_pParent->GetControlCount(); ++i)
        if (m_pParent->GetControl(i)->IsVisible())
            return TRUE;
    return FALSE;
}

CRect CXTPControlGallery::GetBorders() const
{
    CRect rc = m_bShowBorders ? CRect(1, 1, 1, 1) : CRect(0, 0, 0, 0);
    if (m_bShowScrollBar)
        rc.right += m_pCommandBar ? GetScrollBarPaintManager()->m_cxPopup
                                  : ::GetSystemMetrics(SM_CXVSCROLL);
    if (HasNextVisibleControl())
        rc.bottom = 2;
    rc.left += m_rcMargin.left;
    rc.top += m_rcMargin.top;
    rc.right += m_rcMargin.right;
    rc.bottom += m_rcMargin.bottom;
    return rc;
}

CRect CXTPControlGallery::GetItemsRect() const
{
    const CRect rcBorders = GetBorders();
    return CRect(m_rcControl.left + rcBorders.left, m_rcControl.top + rcBorders.top,
                 m_rcControl.right - rcBorders.right, m_rcControl.bottom - rcBorders.bottom);
}

void CXTPControlGallery::RepositionItems()
{
    if (!m_pParent)
        return;
    m_layout.Reposition(GetItems(), GetItemsRect(), m_bShowLabels);
    CalcScrollBarInfo();
}

CRect CXTPControlGallery::GetScrolledRect(int nIndex) const
{
    CRect rc = m_layout.GetItemRect(nIndex);
    rc.OffsetRect(0, -m_nScrollPos);
    return rc;
}

CRect CXTPControlGallery::GetItemDrawRect(int nIndex) const
{
    CRect rc(0, 0, 0, 0);
    if (nIndex < 0 || nIndex >= m_layout.GetCount())
        return rc;
    rc.IntersectRect(GetScrolledRect(nIndex), GetItemsRect());
    return rc;
}

int CXTPControlGallery::HitTestItem(CPoint point, CRect* prcItem) const
{
    if (!GetEnabled())
        return -1;
    return m_layout.HitTest(point, m_nScrollPos, prcItem);
}

void CXTPControlGallery::SetRect(CRect rcControl)
{
    if (rcControl == m_rcControl)
        return;
    m_rcControl = rcControl;
    RepositionItems();
}

CSize CXTPControlGallery::GetSize(CDC* /*pDC*/)
{
    return m_szGallery;
}

void CXTPControlGallery::SetAction(CXTPControlAction* pAction)
{
    CXTPControlPopup::SetAction(pAction);
    RepositionItems();
}

// --- Scrolling ------------------------------------------------------------------------------

void CXTPControlGallery::SetScrollPos(int nScrollPos)
{
    nScrollPos = m_layout.ClampScrollPos(nScrollPos);
    if (nScrollPos == m_nScrollPos)
        return;
    m_nScrollPos = nScrollPos;
    RepositionItems();
    RedrawParent(FALSE);
}

void CXTPControlGallery::GetScrollInfo(SCROLLINFO* pScrollInfo)
{
    pScrollInfo->cbSize = sizeof(SCROLLINFO);
    pScrollInfo->fMask = SIF_ALL;
    pScrollInfo->nMin = 0;
    pScrollInfo->nMax = std::max(0, m_layout.GetTotalHeight() - 1);
    pScrollInfo->nPage = static_cast<UINT>(std::max(0, static_cast<int>(GetItemsRect().Height())));
    pScrollInfo->nPos = m_nScrollPos;
    pScrollInfo->nTrackPos = m_nScrollPos;
}

void CXTPControlGallery::DoScroll(int nCommand, int nPosition)
{
    if (!GetItems())
        return;
    const int nPage = GetItemsRect().Height();
    const int nLine = GetDefaultItemHeight();
    int nPos = m_nScrollPos;
    switch (nCommand)
    {
    case SB_LINEUP:
        nPos -= nLine;
        break;
    case SB_LINEDOWN:
        nPos += nLine;
        break;
    case SB_PAGEUP:
        nPos -= nPage;
        break;
    case SB_PAGEDOWN:
        nPos += nPage;
        break;
    case SB_THUMBTRACK:
        nPos = nPosition;
        break;
    case SB_TOP:
        nPos = 0;
        break;
    case SB_BOTTOM:
        nPos = m_layout.GetTotalHeight();
        break;
    default:
        break;
    }
    SetScrollPos(nPos);
}

void CXTPControlGallery::GetScrollBarRect(CRect& rc)
{
    if (!m_bShowScrollBar)
    {
        rc.SetRectEmpty();
        return;
    }
    const int nBorder = m_bShowBorders ? 1 : 0;
    const int cxBar = m_pCommandBar ? GetScrollBarPaintManager()->m_cxPopup
                                    : ::GetSystemMetrics(SM_CXVSCROLL);
    rc.right = m_rcControl.right - nBorder;
    rc.left = rc.right - cxBar;
    rc.top = m_rcControl.top + nBorder;
    rc.bottom = m_rcControl.bottom - 3 + (m_bShowBorders ? 0 : 1);
    if (m_pParent && m_pParent->GetType() == xtpBarTypePopup && !HasNextVisibleControl())
        rc.bottom += 2;
}

void CXTPControlGallery::EnsureVisible(int nIndex)
{
    if (!m_pParent || !m_pParent->GetSafeHwnd() || nIndex < 0 || nIndex >= m_layout.GetCount())
        return;
    SetScrollPos(m_layout.GetEnsureVisiblePos(nIndex, m_nScrollPos, m_bShowLabels));
}

int CXTPControlGallery::ScrollToItem(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_layout.GetCount())
        return -1;
    // The item's top at the top of the items rectangle.
    SetScrollPos(m_layout.GetItemRect(nIndex).top - GetItemsRect().top);
    return 0;
}

BOOL CXTPControlGallery::IsScrollArrowEnabled(int nPart) const
{
    if (!GetEnabled())
        return FALSE;
    if (!m_pCommandBar)
        return TRUE;
    if (nPart == hitUpArrow)
        return m_nScrollPos > 0;
    if (nPart == hitDownArrow)
        return m_nScrollPos < m_layout.GetTotalHeight() - GetItemsRect().Height();
    return TRUE;
}

BOOL CXTPControlGallery::OnHookMouseWheel(short nDelta)
{
    if (!GetItems())
        return FALSE;
    const int nStep = kWheelLines * GetDefaultItemHeight();
    SetScrollPos(m_nScrollPos + (nDelta < 0 ? nStep : -nStep));
    return TRUE;
}

// --- Selection and navigation ---------------------------------------------------------------

void CXTPControlGallery::RedrawItem(int nIndex)
{
    if (!m_pParent || !m_pParent->GetSafeHwnd())
        return;
    CXTPControlGalleryItems* pItems = GetItems();
    if (!pItems || !pItems->IsItemRedraw())
    {
        RedrawParent(FALSE);
        return;
    }
    CRect rc = GetItemDrawRect(nIndex);
    if (!rc.IsRectEmpty())
        m_pParent->Redraw(&rc, FALSE);
}

void CXTPControlGallery::SetSelectedItem(int nIndex)
{
    m_bHideSelection = FALSE;
    m_bPressed = FALSE;
    m_bKeyboardSelection = TRUE;
    const int nOld = m_nSelectedItem;
    m_nSelectedItem = nIndex;
    CXTPControlGalleryItems* pItems = GetItems();
    const BOOL bItemRedraw = pItems && pItems->IsItemRedraw();
    if (bItemRedraw)
        RedrawItem(nOld);
    EnsureVisible(nIndex);
    if (bItemRedraw)
        RedrawItem(nIndex);
    else
        RedrawParent(FALSE);
    if (nIndex != -1 && m_pParent && m_pParent->GetSafeHwnd())
        ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_pParent->GetSafeHwnd(), OBJID_MENU, nIndex + 1);
}

int CXTPControlGallery::GetNextSelectable(int nIndex, int nDirection) const
{
    return m_layout.GetNextSelectable(nIndex, nDirection);
}

int CXTPControlGallery::GetNextInRow(int nIndex, int nDirection) const
{
    CXTPControlGalleryItems* pItems = GetItems();
    return m_layout.GetNextInRow(nIndex, nDirection, pItems ? pItems->GetItemSize().cx : 0);
}

int CXTPControlGallery::GetNextInColumn(int nIndex, int nDirection) const
{
    return m_layout.GetNextInColumn(nIndex, nDirection);
}

int CXTPControlGallery::GetNextPage(int nIndex, int nDirection) const
{
    return m_layout.GetNextPage(nIndex, nDirection);
}

int CXTPControlGallery::FindItem(int nStart, LPCSTR lpszText, BOOL bExact) const
{
    return m_layout.FindItem(nStart, lpszText, bExact);
}

CString CXTPControlGallery::GetItemText(int nIndex) const
{
    CXTPControlGalleryItem* pItem = GetItem(nIndex);
    return pItem ? pItem->GetCaption() : CString();
}

BOOL CXTPControlGallery::OnSetSelected(int nSelected)
{
    if (nSelected == 0)
    {
        SetHotPart(hitNone);
        m_bHideSelection = TRUE;
    }
    else if (nSelected == 2)
        SetSelectedItem(GetNextSelectable(-1, +1));
    else if (nSelected == 3)
        SetSelectedItem(GetNextSelectable(-1, -1));
    return CXTPControlPopup::OnSetSelected(nSelected);
}

// --- Mouse ----------------------------------------------------------------------------------

void CXTPControlGallery::OnMouseMove(CPoint point)
{
    const int nIndex = HitTestItem(point);
    const BOOL bKeep = (nIndex == -1 && m_bKeyboardSelection)
                       || (nIndex == m_nSelectedItem && !m_bHideSelection && !m_bKeyboardSelection);
    if (!bKeep)
    {
        const int nOld = m_nSelectedItem;
        m_nSelectedItem = nIndex;
        m_bHideSelection = FALSE;
        m_bKeyboardSelection = FALSE;
        m_bPressed = FALSE;
        RedrawItem(nOld);
        RedrawItem(nIndex);
    }
    const int nHot = HitTestScrollBar(point);
    if (nHot != GetHotPart())
    {
        SetHotPart(nHot);
        RedrawParent(FALSE);
    }
}

void CXTPControlGallery::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (m_pParent && m_pParent->IsCustomizeMode())
    {
        m_pParent->SetSelected(-1);
        CustomizeClick(pt);
        return;
    }
    if (!GetEnabled() || bKeyboard || !m_pParent)
        return;
    OnMouseMove(pt);
    const int nHot = GetHotPart();
    if (nHot == hitPopup)
    {
        m_pParent->SetSelected(m_nIndex, TRUE);
        return;
    }
    if (nHot != hitNone)
    {
        PerformTrackInit(m_pParent->GetSafeHwnd(), pt, &GetScrollBarPosInfo(),
                         (::GetKeyState(VK_SHIFT) & 0x8000) != 0);
        return;
    }
    m_pParent->SetSelected(-1);
    if (m_nSelectedItem != -1 && !m_bKeyboardSelection)
    {
        m_bPressed = TRUE;
        RedrawItem(m_nSelectedItem);
    }
}

void CXTPControlGallery::OnLButtonUp(CPoint /*point*/)
{
    if (!m_bPressed)
        return;
    m_bPressed = FALSE;
    RedrawItem(m_nSelectedItem);
    OnExecute();
}

CString CXTPControlGallery::GetTooltip(CPoint point, CRect* prcTip, int* pnId) const
{
    if (!prcTip || !pnId)
        return CString();
    CRect rcItem;
    const int nIndex = HitTestItem(point, &rcItem);
    CXTPControlGalleryItem* pItem = GetItem(nIndex);
    if (!pItem)
        return CString();
    *prcTip = rcItem;
    *pnId = pItem->GetID() + 1;
    return pItem->GetToolTip();
}

// --- Keys -----------------------------------------------------------------------------------

int CXTPControlGallery::ProcessFocusedKey(UINT nChar, UINT /*nFlags*/)
{
    if (!GetItems())
        return FALSE;
    if (m_pParent && m_pParent->GetSafeHwnd()
        && (::GetWindowLongPtrA(m_pParent->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL))
    {
        if (nChar == VK_LEFT)
            nChar = VK_RIGHT;
        else if (nChar == VK_RIGHT)
            nChar = VK_LEFT;
    }
    const int nSel = m_nSelectedItem;
    switch (nChar)
    {
    case VK_TAB:
    {
        const int nDirection = (::GetKeyState(VK_SHIFT) & 0x8000) ? -1 : +1;
        const int nNext = GetNextSelectable(nSel, nDirection);
        // A wrap is left to the bar, which moves to the next control.
        if (nNext == -1 || (nDirection > 0 ? nNext <= nSel : (nSel != -1 && nNext >= nSel)))
            return FALSE;
        SetSelectedItem(nNext);
        return TRUE;
    }
    case VK_RETURN:
        OnExecute();
        return FALSE;
    case VK_PRIOR:
    case VK_NEXT:
        SetSelectedItem(GetNextPage(nSel, nChar == VK_PRIOR ? -1 : +1));
        return TRUE;
    case VK_HOME:
    case VK_END:
        SetSelectedItem(GetNextSelectable(-1, nChar == VK_HOME ? +1 : -1));
        return TRUE;
    case VK_LEFT:
    case VK_RIGHT:
    {
        const int nNext = GetNextInRow(nSel, nChar == VK_LEFT ? -1 : +1);
        // Nowhere to go in the row: the selection stays.
        if (nNext != -1)
            SetSelectedItem(nNext);
        return TRUE;
    }
    case VK_UP:
    case VK_DOWN:
    {
        const int nNext = GetNextInColumn(nSel, nChar == VK_UP ? -1 : +1);
        if (nNext == -1)
            return FALSE;
        SetSelectedItem(nNext);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

// --- Drawing --------------------------------------------------------------------------------

void CXTPControlGallery::DrawItems(CDC* pDC)
{
    CXTPControlGalleryItems* pItems = GetItems();
    if (!pItems)
        return;
    // The caller's clip comes back afterwards.
    const int nSavedDC = pDC->SaveDC();
    const CRect rcItems = GetItemsRect();
    CPoint ptOrigin(0, 0);
    ::GetViewportOrgEx(pDC->GetSafeHdc(), &ptOrigin);
    CRect rcClip(rcItems);
    rcClip.OffsetRect(ptOrigin);
    HRGN hClip = ::CreateRectRgnIndirect(&rcClip);
    ::ExtSelectClipRgn(pDC->GetSafeHdc(), hClip, RGN_AND);
    ::DeleteObject(hClip);

    const int nDrawnSelection = m_bHideSelection ? -1 : m_nSelectedItem;
    const BOOL bEnabled = GetEnabled();
    for (int i = 0; i < m_layout.GetCount(); ++i)
    {
        const CRect rc = GetScrolledRect(i);
        if (rc.bottom < rcItems.top || rc.IsRectEmpty())
            continue;
        if (rc.top > rcItems.bottom)
            break;
        CXTPControlGalleryItem* pItem = pItems->GetItem(i);
        if (!pItem)
            continue;
        const BOOL bSelected = i == nDrawnSelection;
        const BOOL bPressed = bSelected && m_bPressed;
        const BOOL bChecked = pItem->GetID() == m_nCheckedItem;
        if (!pItems->PreDrawItem(pDC, this, pItem, rc, bEnabled, bSelected, bPressed, bChecked))
            pItem->Draw(pDC, this, rc, bEnabled, bSelected, bPressed, bChecked);
    }
    pDC->RestoreDC(nSavedDC);
}

void CXTPControlGallery::Draw(CDC* pDC)
{
    CXTPControlGalleryPaintManager* pGalleryPaint = GetScrollBarPaintManager();
    pGalleryPaint->FillControl(pDC, this, m_rcControl);
    DrawItems(pDC);
    if (!m_bShowScrollBar)
        return;
    if (m_pCommandBar)
        pGalleryPaint->DrawPopupScrollBar(pDC, this);
    else
        pGalleryPaint->DrawScrollBar(pDC, this);
}

// --- Exchange and copy ---------------------------------------------------------------------

void CXTPControlGallery::DoPropExchange(CXTPPropExchange* pPX)
{
    CXTPControlPopup::DoPropExchange(pPX);
    ExchangeBoolProperty(pPX, "ShowLabels", m_bShowLabels, TRUE);
    ExchangeBoolProperty(pPX, "ShowBorders", m_bShowBorders, TRUE);
    ExchangeBoolProperty(pPX, "ShowScrollBar", m_bShowScrollBar, TRUE);
    ExchangeSizeProperty(pPX, "GallerySize", m_szGallery, CSize(120, 60));
    ExchangeRectProperty(pPX, "GalleryMargin", m_rcMargin, CRect(0, 0, 0, 0));
}

void CXTPControlGallery::Copy(CXTPControl* pSource, BOOL bRecursive)
{
    CXTPControlPopup::Copy(pSource, bRecursive);
    if (auto* pGallery = dynamic_cast<CXTPControlGallery*>(pSource))
    {
        m_bShowLabels = pGallery->m_bShowLabels;
        m_bShowBorders = pGallery->m_bShowBorders;
        m_bShowScrollBar = pGallery->m_bShowScrollBar;
        m_szGallery = pGallery->m_szGallery;
        m_rcMargin = pGallery->m_rcMargin;
    }
}
