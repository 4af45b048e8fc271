#include "toolkit/extras/RibbonTab.h"

#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/HookManagerHookAble.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/extras/RibbonBar.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/TabPaintManager.h"

IMPLEMENT_DYNCREATE(CXTPRibbonControlTab, CXTPControl)

// --- CXTPRibbonTab -------------------------------------------------------------------------

CXTPRibbonTab::CXTPRibbonTab(CXTPRibbonBar* pRibbonBar)
    : m_pRibbonBar(pRibbonBar), m_pGroups(new CXTPRibbonGroups(this))
{
}

CXTPRibbonTab::~CXTPRibbonTab()
{
    m_pGroups->RemoveAll();
    m_pGroups->InternalRelease();
}

CXTPRibbonGroup* CXTPRibbonTab::AddGroup(LPCSTR lpszCaption, int nID)
{
    return m_pGroups->Add(lpszCaption, nID);
}

CXTPRibbonGroup* CXTPRibbonTab::AddGroup(CXTPRibbonGroup* pGroup)
{
    return m_pGroups->Add(pGroup);
}

void CXTPRibbonTab::OnRemoved()
{
    // The groups' controls leave the bar with their tab.
    m_pGroups->RemoveAll();
    m_pContextHeader = nullptr;
}

// --- CXTPRibbonControlTab ------------------------------------------------------------------

CXTPRibbonControlTab::CXTPRibbonControlTab()
{
    m_dwFlags = xtpFlagNoMovable;
    m_nId = XTP_ID_RIBBONCONTROLTAB;
    SetReorderAllowed(FALSE);
}

CXTPRibbonControlTab::~CXTPRibbonControlTab()
{
    DeleteAllItems();
}

CXTPRibbonBar* CXTPRibbonControlTab::GetRibbonBar() const
{
    return m_pParent && m_pParent->IsRibbonBar() ? static_cast<CXTPRibbonBar*>(m_pParent) : nullptr;
}

CXTPTabPaintManager* CXTPRibbonControlTab::GetPaintManager() const
{
    CXTPRibbonBar* pRibbonBar = GetRibbonBar();
    return pRibbonBar ? pRibbonBar->GetRibbonTheme()->GetTabPaintManager() : nullptr;
}

void CXTPRibbonControlTab::Reposition()
{
    if (CXTPRibbonBar* pRibbonBar = GetRibbonBar())
        if (pRibbonBar->GetSafeHwnd())
            pRibbonBar->Reposition();
}

void CXTPRibbonControlTab::RedrawRect(LPCRECT /*lpRect*/, BOOL /*bErase*/)
{
    if (m_pParent && m_pParent->GetSafeHwnd())
        m_pParent->Redraw();
}

BOOL CXTPRibbonControlTab::DrawItemIcon(CDC* pDC, CPoint pt, CXTPTabManagerItem* pItem, BOOL bDraw,
                                        CSize& szIcon)
{
    CXTPTabPaintManager* pPaintManager = GetPaintManager();
    const BOOL bShowIcons = pPaintManager && pPaintManager->IsShowIcons();
    if (!pItem)
        return bShowIcons;
    if (!bShowIcons || pItem->GetImageIndex() == -1)
        return FALSE;
    CXTPImageManager* pImageManager = CXTPControl::GetImageManager();
    CXTPImageManagerIcon* pIcon =
        pImageManager ? pImageManager->LookupIcon(static_cast<UINT>(pItem->GetImageIndex()),
                                                  static_cast<UINT>(szIcon.cx))
                      : nullptr;
    if (!pIcon)
        return FALSE;
    if (bDraw)
        pItem->DrawImage(pDC, CRect(pt, szIcon), pIcon);
    return TRUE;
}

void CXTPRibbonControlTab::SetSelectedItem(CXTPTabManagerItem* pItem)
{
    if (CXTPRibbonBar* pRibbonBar = GetRibbonBar())
        pRibbonBar->OnTabSelecting(static_cast<CXTPRibbonTab*>(pItem));
    else
        SelectItemDirect(pItem);
}

void CXTPRibbonControlTab::SetFocused(BOOL bFocused)
{
    m_bFocused = bFocused;
    if (bFocused && !GetSelectedItem())
        if (CXTPTabManagerItem* pFirst = FindNextFocusable(-1, +1))
            SetSelectedItem(pFirst);
    RedrawRect(nullptr, FALSE);
}

BOOL CXTPRibbonControlTab::StepSelection(UINT nKey)
{
    CWnd* pWnd = m_pParent;
    return CXTPTabManager::OnKeyDown(pWnd, nKey);
}

int CXTPRibbonControlTab::ProcessFocusedKey(UINT nChar, UINT /*nFlags*/)
{
    CXTPRibbonBar* pRibbonBar = GetRibbonBar();
    if (!pRibbonBar)
        return CXTPHookManagerHookAble::hookPassOn;
    UINT nKey = nChar;
    if (pRibbonBar->IsLayoutRTL() && (nKey == VK_LEFT || nKey == VK_RIGHT))
        nKey = nKey == VK_LEFT ? VK_RIGHT : VK_LEFT;
    if (nKey == VK_LEFT || nKey == VK_RIGHT)
    {
        if (GetItemCount() > 0)
            StepSelection(nKey);
        return CXTPHookManagerHookAble::hookHandled;
    }
    CXTPControls* pControls = pRibbonBar->GetControls();
    if (nKey == VK_DOWN)
    {
        const int nNext = pControls->GetNext(m_nIndex, +1);
        if (nNext > m_nIndex)
            pRibbonBar->SetSelected(nNext, 2);
        return CXTPHookManagerHookAble::hookHandled;
    }
    if (nKey == VK_UP)
    {
        const int nFirst = pControls->GetNext(-1, +1);
        if (nFirst >= 0 && nFirst != m_nIndex)
            pRibbonBar->SetSelected(nFirst, 3);
        return CXTPHookManagerHookAble::hookHandled;
    }
    return 0;
}

BOOL CXTPRibbonControlTab::OnSetSelected(int nSelected)
{
    if (!CXTPControl::OnSetSelected(nSelected))
        return FALSE;
    if (nSelected)
    {
        SetFocused(TRUE);
        NotifyTabFocus(GetSelectedTab());
    }
    else
    {
        m_bFocused = FALSE;
        SetHighlighted(nullptr);
        RedrawRect(nullptr, FALSE);
    }
    return TRUE;
}

void CXTPRibbonControlTab::NotifyTabFocus(CXTPTabManagerItem* pTab) const
{
    // Raised on the control's own object (its command id), whose children
    // are the tabs, so that a client resolving the event finds the tab.
    if (pTab && m_pParent && m_pParent->GetSafeHwnd())
        NotifyWinEventIfBound(EVENT_OBJECT_FOCUS, m_pParent->GetSafeHwnd(), m_nId, pTab->GetIndex() + 1);
}

void CXTPRibbonControlTab::OnClick(BOOL bKeyboard, CPoint pt)
{
    if (bKeyboard || !m_pParent || !m_pParent->GetSafeHwnd())
        return;
    PerformClick(m_pParent, pt);
}

void CXTPRibbonControlTab::OnMouseMove(CPoint point)
{
    if (m_pParent && m_pParent->GetSafeHwnd())
        PerformMouseMove(m_pParent, point);
}

CSize CXTPRibbonControlTab::GetSize(CDC* /*pDC*/)
{
    return CXTPControl::m_rcControl.Size();
}

void CXTPRibbonControlTab::Draw(CDC* /*pDC*/)
{
}

CString CXTPRibbonControlTab::GetTooltip() const
{
    return CString();
}
