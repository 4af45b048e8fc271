#include "toolkit/extras/TabManager.h"

#include "framework/ui/Wnd.h"
#include "toolkit/extras/TabAppearanceSets.h"
#include "toolkit/extras/TabNavigateButton.h"
#include "toolkit/extras/TabPaintManager.h"

#include <algorithm>

namespace {

// The tab palette, RGB by palette code 0x1000000 + n.
const COLORREF s_palette[8] = {
    RGB(138, 168, 228), RGB(255, 219, 117), RGB(189, 205, 159), RGB(240, 158, 159),
    RGB(186, 166, 225), RGB(154, 191, 180), RGB(247, 182, 131), RGB(216, 171, 192),
};

} // namespace

CXTPTabManagerAtom::~CXTPTabManagerAtom()
{
    // RemoveAtom edits the list this loop reads.
    std::vector<CXTPTabPaintManager*> arrAttached = m_arrAttachedTo;
    for (CXTPTabPaintManager* pPaintManager : arrAttached)
        pPaintManager->RemoveAtom(this);
}

void CXTPTabManagerAtom::OnPaintManagerChanged()
{
    Reposition();
}

// Items

CXTPTabManagerItem::CXTPTabManagerItem() = default;

CXTPTabManagerItem::~CXTPTabManagerItem() = default;

CString CXTPTabManagerItem::GetCaption() const
{
    return m_pTabManager ? m_pTabManager->GetItemCaption(this) : m_strCaption;
}

void CXTPTabManagerItem::SetCaption(LPCSTR lpszCaption)
{
    CString strCaption(lpszCaption);
    if (strCaption == m_strCaption)
        return;
    m_strCaption = strCaption;
    if (m_pTabManager)
        m_pTabManager->Reposition();
}

CString CXTPTabManagerItem::GetTooltip() const
{
    return m_pTabManager ? m_pTabManager->GetItemTooltip(this) : m_strToolTip;
}

COLORREF CXTPTabManagerItem::GetColor() const
{
    return m_pTabManager ? m_pTabManager->GetItemColor(this) : m_clrItem;
}

void CXTPTabManagerItem::SetColor(COLORREF clr)
{
    m_clrItem = clr;
    if (m_pTabManager)
        m_pTabManager->RedrawRect(nullptr, FALSE);
}

void CXTPTabManagerItem::SetVisible(BOOL bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    if (m_pTabManager)
        m_pTabManager->Reposition();
}

void CXTPTabManagerItem::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    if (m_pTabManager)
        m_pTabManager->RedrawRect(nullptr, FALSE);
}

BOOL CXTPTabManagerItem::IsSelected() const
{
    return m_pTabManager && m_pTabManager->GetSelectedItem() == this;
}

BOOL CXTPTabManagerItem::IsHighlighted() const
{
    return m_pTabManager && m_pTabManager->GetHighlightedItem() == this;
}

BOOL CXTPTabManagerItem::IsPressed() const
{
    return m_pTabManager && m_pTabManager->GetPressedItem() == this;
}

void CXTPTabManagerItem::Select()
{
    if (m_pTabManager)
        m_pTabManager->OnSelectItem(this);
}

// Rows

void CXTPTabManager::TabRowTable::SetRowCount(int nRows)
{
    if (nRows < 0)
        nRows = 0;
    if (nRows != GetRowCount())
        m_arrRows.assign(static_cast<size_t>(nRows), std::make_pair(0, -1));
    if (nRows > 0)
        m_arrRows[0] = std::make_pair(0, m_pManager->GetItemCount() - 1);
}

// The manager

CXTPTabManager::CXTPTabManager()
    : m_rows(this)
{
    m_rows.SetRowCount(1);
    m_arrNavigateButtons.push_back(new CNavigateButtonArrowLeft(this));
    m_arrNavigateButtons.push_back(new CNavigateButtonArrowRight(this));
    m_arrNavigateButtons.push_back(new CNavigateButtonClose(this));
}

CXTPTabManager::~CXTPTabManager()
{
    for (CXTPTabManagerItem* pItem : m_arrItems)
    {
        pItem->OnRemoved();
        pItem->m_pTabManager = nullptr;
        pItem->InternalRelease();
    }
    m_arrItems.clear();
    for (CXTPTabManagerNavigateButton* pButton : m_arrNavigateButtons)
        delete pButton;
}

void CXTPTabManager::OnPaintManagerChanged()
{
    Reposition();
}

CString CXTPTabManager::GetItemCaption(const CXTPTabManagerItem* pItem) const
{
    return pItem->m_strCaption;
}

DWORD_PTR CXTPTabManager::GetItemData(const CXTPTabManagerItem* pItem) const
{
    return pItem->m_dwData;
}

COLORREF CXTPTabManager::GetItemColor(const CXTPTabManagerItem* pItem) const
{
    COLORREF clr = pItem->m_clrItem;
    if (clr >= xtpTabColorBlue && clr <= xtpTabColorMagenta)
        return s_palette[clr - xtpTabColorBlue];
    return clr;
}

CString CXTPTabManager::GetItemTooltip(const CXTPTabManagerItem* pItem) const
{
    return pItem->m_strToolTip;
}

void CXTPTabManager::OnItemsChanged()
{
    for (size_t i = 0; i < m_arrItems.size(); ++i)
        m_arrItems[i]->m_nIndex = static_cast<int>(i);
    Reposition();
}

void CXTPTabManager::SetSelectedItem(CXTPTabManagerItem* pItem)
{
    if (pItem == m_pSelected)
        return;
    m_pSelected = pItem;
    Reposition();
    EnsureVisible(pItem);
}

void CXTPTabManager::TrySelectItem(CXTPTabManagerItem* pItem)
{
    if (pItem && CanSelectItem(pItem))
        OnSelectItem(pItem);
}

void CXTPTabManager::GetItemMetrics(CSize* pszFixed, CSize* pszMin, CSize* pszMax) const
{
    CXTPTabPaintManager* pPaintManager = GetPaintManager();
    if (pszFixed)
        *pszFixed = CSize(pPaintManager->GetFixedTabWidth(), 0);
    if (pszMin)
        *pszMin = CSize(pPaintManager->GetMinTabWidth(), 0);
    if (pszMax)
        *pszMax = CSize(pPaintManager->GetMaxTabWidth(), 0);
}

BOOL CXTPTabManager::IsStaticFrame() const
{
    return GetPaintManager()->IsStaticFrame();
}

int CXTPTabManager::GetPosition() const
{
    return GetPaintManager()->GetPosition();
}

void CXTPTabManager::ScrollHeader(BOOL bTowardEnd)
{
    SetScrollOffset(bTowardEnd ? m_nScrollOffset - m_nScrollStep
                               : m_nScrollOffset + m_nScrollStep);
}

BOOL CXTPTabManager::OnKeyDown(CWnd* pWnd, UINT nKey)
{
    int nCount = GetItemCount();
    if (nCount == 0)
        return FALSE;
    if (pWnd && pWnd->GetSafeHwnd() &&
        (::GetWindowLongA(pWnd->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL))
    {
        if (nKey == VK_LEFT)
            nKey = VK_RIGHT;
        else if (nKey == VK_RIGHT)
            nKey = VK_LEFT;
    }
    BOOL bHorizontal = IsHorizontalPosition();
    int nSel = GetCurSel();
    switch (nKey)
    {
    case VK_END:
        TrySelectItem(FindNextFocusable(nCount, -1));
        return TRUE;
    case VK_HOME:
        TrySelectItem(FindNextFocusable(-1, +1));
        return TRUE;
    case VK_LEFT:
    case VK_UP:
        if (bHorizontal == (nKey == VK_LEFT) && m_pSelected && nSel > 0)
            TrySelectItem(FindNextFocusable(nSel, -1));
        return TRUE;
    case VK_RIGHT:
    case VK_DOWN:
        if (bHorizontal == (nKey == VK_RIGHT) && m_pSelected && nSel >= 0 && nSel < nCount - 1)
            TrySelectItem(FindNextFocusable(nSel, +1));
        return TRUE;
    }
    return FALSE;
}

BOOL CXTPTabManager::IsNavigateButtonAllowed(CXTPTabManagerNavigateButton* pButton) const
{
    if (pButton->GetID() != xtpTabNavigateButtonClose)
        return TRUE;
    return m_pSelected && m_pSelected->IsClosable();
}

void CXTPTabManager::OnSelectItem(CXTPTabManagerItem* pItem)
{
    SetSelectedItem(pItem);
}

BOOL CXTPTabManager::CanSelectItem(CXTPTabManagerItem*) const
{
    return TRUE;
}

void CXTPTabManager::OnNavigateButtonClick(int)
{
}

CXTPTabManagerItem* CXTPTabManager::InsertItem(int nIndex, CXTPTabManagerItem* pItem)
{
    if (!pItem)
        return nullptr;
    if (nIndex < 0 || nIndex > GetItemCount())
        nIndex = GetItemCount();
    pItem->m_pTabManager = this;
    m_arrItems.insert(m_arrItems.begin() + nIndex, pItem);
    OnItemsChanged();
    return pItem;
}

void CXTPTabManager::DeleteItem(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return;
    CXTPTabManagerItem* pItem = m_arrItems[static_cast<size_t>(nIndex)];
    m_arrItems.erase(m_arrItems.begin() + nIndex);
    if (m_pSelected == pItem)
        m_pSelected = nullptr;
    if (m_pHighlighted == pItem)
        m_pHighlighted = nullptr;
    if (m_pPressed == pItem)
        m_pPressed = nullptr;
    pItem->OnRemoved();
    pItem->m_pTabManager = nullptr;
    pItem->InternalRelease();
    OnItemsChanged();
}

void CXTPTabManager::DeleteAllItems()
{
    std::vector<CXTPTabManagerItem*> arrItems;
    arrItems.swap(m_arrItems);
    m_pSelected = m_pHighlighted = m_pPressed = nullptr;
    for (CXTPTabManagerItem* pItem : arrItems)
    {
        pItem->OnRemoved();
        pItem->m_pTabManager = nullptr;
        pItem->InternalRelease();
    }
    OnItemsChanged();
}

CXTPTabManagerItem* CXTPTabManager::GetItem(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount())
        return nullptr;
    return m_arrItems[static_cast<size_t>(nIndex)];
}

int CXTPTabManager::GetCurSel() const
{
    return m_pSelected ? m_pSelected->GetIndex() : -1;
}

void CXTPTabManager::SetCurSel(int nIndex)
{
    if (m_arrItems.empty())
    {
        SetSelectedItem(nullptr);
        return;
    }
    nIndex = std::max<int>(0, std::min<int>(nIndex, GetItemCount() - 1));
    SetSelectedItem(m_arrItems[static_cast<size_t>(nIndex)]);
}

void CXTPTabManager::SetActive(BOOL bActive)
{
    if (m_bActive == bActive)
        return;
    m_bActive = bActive;
    Reposition();
}

int CXTPTabManager::GetItemsLength() const
{
    if (GetLayout() == xtpTabLayoutRotated)
        return GetItemCount() * GetPaintManager()->GetAppearanceSet()->GetButtonHeight(this);
    int nLength = 0;
    for (const CXTPTabManagerItem* pItem : m_arrItems)
        nLength += pItem->m_nLength;
    return nLength;
}

void CXTPTabManager::SetScrollOffset(int nOffset)
{
    if (nOffset > 0)
        nOffset = 0;
    if (nOffset == m_nScrollOffset)
        return;
    m_nScrollOffset = nOffset;
    Reposition();
}

void CXTPTabManager::EnsureVisible(CXTPTabManagerItem* pItem)
{
    if (pItem)
        GetPaintManager()->EnsureVisible(this, pItem);
}

int CXTPTabManager::GetLayout() const
{
    return GetPaintManager()->GetLayout();
}

BOOL CXTPTabManager::IsHorizontalPosition() const
{
    int nPosition = GetPosition();
    return nPosition == xtpTabPositionTop || nPosition == xtpTabPositionBottom;
}

int CXTPTabManager::GetRectLength(const CRect& rc) const
{
    return IsHorizontalPosition() ? rc.Width() : rc.Height();
}

CXTPTabManagerItem* CXTPTabManager::HitTest(CPoint point) const
{
    if (!m_rcControl.PtInRect(point))
        return nullptr;
    if (!m_rcHeader.IsRectEmpty() && !m_rcHeader.PtInRect(point))
        return nullptr;
    for (CXTPTabManagerItem* pItem : m_arrItems)
    {
        if (pItem->m_rcItem.PtInRect(point) && pItem->IsEnabled() && pItem->IsVisible())
            return pItem;
    }
    return nullptr;
}

CXTPTabManagerNavigateButton* CXTPTabManager::HitTestNavigateButton(CPoint point,
                                                                    int* pnIndex) const
{
    for (size_t i = 0; i < m_arrNavigateButtons.size(); ++i)
    {
        if (m_arrNavigateButtons[i]->GetRect().PtInRect(point))
        {
            if (pnIndex)
                *pnIndex = static_cast<int>(i);
            return m_arrNavigateButtons[i];
        }
    }
    return nullptr;
}

CXTPTabManagerItem* CXTPTabManager::FindNextFocusable(int nIndex, int nStep) const
{
    for (nIndex += nStep; nIndex >= 0 && nIndex < GetItemCount(); nIndex += nStep)
    {
        CXTPTabManagerItem* pItem = m_arrItems[static_cast<size_t>(nIndex)];
        if (!pItem)
            return nullptr;
        if (pItem->IsVisible() && pItem->IsEnabled())
            return pItem;
    }
    return nullptr;
}

CXTPTabManagerNavigateButton* CXTPTabManager::GetNavigateButton(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetNavigateButtonCount())
        return nullptr;
    return m_arrNavigateButtons[static_cast<size_t>(nIndex)];
}

CXTPTabManagerNavigateButton* CXTPTabManager::FindNavigateButton(int nID) const
{
    for (CXTPTabManagerNavigateButton* pButton : m_arrNavigateButtons)
    {
        if (pButton->GetID() == nID)
            return pButton;
    }
    return nullptr;
}

BOOL CXTPTabManager::IsItemInStrip(const CXTPTabManagerItem* pItem) const
{
    return pItem && pItem->m_pTabManager == this;
}

BOOL CXTPTabManager::IsHotTracking() const
{
    return GetPaintManager()->IsHotTracking();
}

CRect CXTPTabManager::GetItemDrawRect(const CXTPTabManagerItem* pItem) const
{
    return GetPaintManager()->GetAppearanceSet()->GetButtonDrawRect(pItem);
}
