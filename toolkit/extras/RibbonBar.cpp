#include "toolkit/extras/RibbonBar.h"

#include "framework/ui/ControlBar.h"
#include "toolkit/commandbars/Animation.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/FrameHook.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonGroupPopup.h"
#include "toolkit/extras/RibbonQuickAccess.h"
#include "toolkit/extras/RibbonTab.h"
#include "toolkit/extras/TabPaintManager.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CXTPRibbonBar, CXTPMenuBar)
IMPLEMENT_DYNCREATE(CXTPRibbonControls, CXTPControls)

namespace {

// The system commands of the frame's caption buttons.
BOOL IsSystemCommand(int nID)
{
    return nID >= 0xF020 && nID <= 0xF120;
}

// Places the control centred vertically in the row at x; its width.
int PlaceInRow(CXTPControl* pControl, CDC* pDC, int x, const CRect& rcRow)
{
    const CSize size = pControl->GetSize(pDC);
    const int y = rcRow.top + (rcRow.Height() - size.cy) / 2;
    pControl->SetRect(CRect(x, y, x + size.cx, y + size.cy));
    return size.cx;
}

} // namespace

// --- CXTPRibbonControls --------------------------------------------------------------------

void CXTPRibbonControls::OnControlRemoved(CXTPControl* pControl)
{
    CXTPCommandBar* pParent = GetParent();
    CXTPRibbonBar* pRibbonBar =
        pParent && pParent->IsRibbonBar() ? static_cast<CXTPRibbonBar*>(pParent) : nullptr;
    if (CXTPRibbonGroup* pGroup = pControl->GetRibbonGroup())
        pGroup->Unlink(pControl);
    if (pRibbonBar)
    {
        if (pRibbonBar->m_pControlSystemButton == pControl)
            pRibbonBar->m_pControlSystemButton = nullptr;
        if (pRibbonBar->m_pHighlightedGroup && pRibbonBar->m_pHighlightedGroup->GetCount() == 0)
            pRibbonBar->m_pHighlightedGroup = nullptr;
        if (pRibbonBar->m_pQuickAccessControls)
            pRibbonBar->m_pQuickAccessControls->OnRemovedFromBar(pControl);
    }
    CXTPControls::OnControlRemoved(pControl);
}

BOOL CXTPRibbonControls::IsFixedControl(CXTPControl* pControl) const
{
    CXTPCommandBar* pParent = GetParent();
    if (!pParent || !pParent->IsRibbonBar())
        return FALSE;
    const CXTPRibbonBar* pRibbonBar = static_cast<CXTPRibbonBar*>(pParent);
    if (pControl == pRibbonBar->m_pControlTab || pControl == pRibbonBar->m_pControlQuickAccess
        || pControl == pRibbonBar->m_pControlQuickAccessMore
        || pControl == pRibbonBar->m_pControlScrollGroupsLeft
        || pControl == pRibbonBar->m_pControlScrollGroupsRight)
        return TRUE;
    // A group's own button stays while its group holds it.
    CXTPRibbonGroup* pGroup = pControl->GetRibbonGroup();
    return pGroup && pGroup->GetControlGroupPopup() == pControl;
}

// --- Construction --------------------------------------------------------------------------

CXTPRibbonBar::CXTPRibbonBar()
{
    m_barType = xtpBarTypeRibbon;
    m_dwFlags = xtpFlagAlignTop | xtpFlagStretched;
    m_bCloseable = FALSE;
    m_bShowExpandButton = FALSE;

    // The ribbon's own collection replaces the plain one of the bar.
    m_pControls->SetParent(nullptr);
    m_pControls->InternalRelease();
    m_pControls = new CXTPRibbonControls;
    m_pControls->SetParent(this);

    m_pQuickAccessControls = new CXTPRibbonQuickAccessControls(this);

    m_pControlScrollGroupsRight = new CControlGroupsScroll(0);
    m_pControls->Add(m_pControlScrollGroupsRight, 0);
    m_pControlScrollGroupsLeft = new CControlGroupsScroll(1);
    m_pControls->Add(m_pControlScrollGroupsLeft, 0);
    m_pControlQuickAccess = new CXTPRibbonBarControlQuickAccessPopup;
    m_pControls->Add(m_pControlQuickAccess, XTP_ID_RIBBONCONTROLQUICKACCESS);
    m_pControlQuickAccessMore = new CControlQuickAccessMorePopup;
    m_pControls->Add(m_pControlQuickAccessMore, XTP_ID_RIBBONCONTROLQUICKACCESSMORE);
    m_pControlTab = new CXTPRibbonControlTab;
    m_pControls->Add(m_pControlTab, XTP_ID_RIBBONCONTROLTAB);
    m_pAnimation->EnableAnimation(TRUE);
}

CXTPRibbonBar::~CXTPRibbonBar()
{
    m_pHighlightedGroup = nullptr;
    m_pControlTab->DeleteAllItems();
    m_pQuickAccessControls->RemoveAll();
    m_pQuickAccessControls->InternalRelease();
    m_pQuickAccessControls = nullptr;
    m_arrContextHeaders.clear();
    m_pFrameHook.reset();
    // The bar's members are gone from here on: the collection's removals
    // that follow must not reach back into them.
    m_pControlTab = nullptr;
    m_pControlQuickAccess = nullptr;
    m_pControlQuickAccessMore = nullptr;
    m_pControlScrollGroupsLeft = nullptr;
    m_pControlScrollGroupsRight = nullptr;
    m_pControlSystemButton = nullptr;
    m_pControls->RemoveAll();
    if (m_pQuickAccessMenuTarget)
        m_pQuickAccessMenuTarget->InternalRelease();
    if (m_pOwnTheme)
        m_pOwnTheme->InternalRelease();
}

CXTPRibbonTheme* CXTPRibbonBar::GetRibbonTheme() const
{
    CXTPPaintManager* pPaintManager = GetPaintManager();
    if (pPaintManager->BaseTheme() == xtpThemeRibbon)
        return static_cast<CXTPRibbonTheme*>(pPaintManager);
    // Under another theme the ribbon still needs its own operations.
    if (!m_pOwnTheme)
        m_pOwnTheme = new CXTPRibbonTheme;
    return m_pOwnTheme;
}

BOOL CXTPRibbonBar::SetPosition(int nPosition)
{
    // The ribbon lives at the top only.
    if (nPosition != xtpBarTop)
        return FALSE;
    return CXTPMenuBar::SetPosition(nPosition);
}

// --- Tabs ----------------------------------------------------------------------------------

CXTPRibbonTab* CXTPRibbonBar::AddTab(LPCSTR lpszCaption)
{
    return InsertTab(-1, lpszCaption);
}

CXTPRibbonTab* CXTPRibbonBar::InsertTab(int nIndex, LPCSTR lpszCaption)
{
    CXTPRibbonTab* pTab = new CXTPRibbonTab(this);
    pTab->SetCaption(lpszCaption);
    m_pControlTab->InsertItem(nIndex, pTab);
    UpdateGroupsVisibility();
    return pTab;
}

int CXTPRibbonBar::GetTabCount() const
{
    return m_pControlTab->GetItemCount();
}

CXTPRibbonTab* CXTPRibbonBar::GetTab(int nIndex) const
{
    return m_pControlTab->GetTab(nIndex);
}

CXTPRibbonTab* CXTPRibbonBar::GetSelectedTab() const
{
    return m_pControlTab ? m_pControlTab->GetSelectedTab() : nullptr;
}

BOOL CXTPRibbonBar::IsMinimized() const
{
    return GetSelectedTab() == nullptr;
}

void CXTPRibbonBar::SelectTab(int nIndex)
{
    m_pControlTab->SetCurSel(nIndex);
}

void CXTPRibbonBar::SelectTab(CXTPRibbonTab* pTab)
{
    m_pControlTab->SetSelectedItem(pTab);
}

CXTPRibbonGroup* CXTPRibbonBar::HitTestGroup(CPoint point) const
{
    CXTPRibbonTab* pTab = GetSelectedTab();
    if (!pTab || !m_bGroupsVisible)
        return nullptr;
    CXTPRibbonGroups* pGroups = pTab->GetGroups();
    for (int i = 0; i < pGroups->GetCount(); ++i)
    {
        CXTPRibbonGroup* pGroup = pGroups->GetAt(i);
        if (pGroup->IsVisible() && pGroup->GetRect().PtInRect(point))
            return pGroup;
    }
    return nullptr;
}

CXTPRibbonGroup* CXTPRibbonBar::FindGroup(int nID) const
{
    for (int i = 0; i < GetTabCount(); ++i)
    {
        CXTPRibbonGroups* pGroups = GetTab(i)->GetGroups();
        for (int j = 0; j < pGroups->GetCount(); ++j)
            if (pGroups->GetAt(j)->GetID() == nID)
                return pGroups->GetAt(j);
    }
    return nullptr;
}

void CXTPRibbonBar::RemoveControl(CXTPRibbonGroup* pGroup, CXTPControl* pControl)
{
    if (!pGroup || !pControl || pControl->GetRibbonGroup() != pGroup)
        return;
    pControl->InternalAddRef();
    pGroup->Unlink(pControl);
    m_pControls->Remove(pControl);
    pControl->InternalRelease();
}

void CXTPRibbonBar::UpdateGroupsVisibility()
{
    CXTPRibbonTab* pSelected = GetSelectedTab();
    for (int i = 0; i < GetTabCount(); ++i)
    {
        CXTPRibbonTab* pTab = GetTab(i);
        CXTPRibbonGroups* pGroups = pTab->GetGroups();
        for (int j = 0; j < pGroups->GetCount(); ++j)
        {
            CXTPRibbonGroup* pGroup = pGroups->GetAt(j);
            const BOOL bHidden = pTab != pSelected || !pGroup->IsVisible();
            for (int k = 0; k < pGroup->GetCount(); ++k)
                pGroup->GetAt(k)->SetHideFlag(xtpHideRibbonTab, bHidden);
            if (CXTPControl* pPopup = pGroup->GetControlGroupPopup())
                pPopup->SetHideFlag(xtpHideRibbonTab, bHidden);
        }
    }
}

BOOL CXTPRibbonBar::OnTabChanging(CXTPRibbonTab* pTab)
{
    NMXTPRIBBONTAB record = {};
    record.pTab = pTab;
    return m_pControlTab->NotifySiteEx(XTP_RN_TABCHANGING, &record.hdr) != 0;
}

void CXTPRibbonBar::OnTabChanged(CXTPRibbonTab* pTab)
{
    NMXTPRIBBONTAB record = {};
    record.pTab = pTab;
    m_pControlTab->NotifySiteEx(XTP_RN_TABCHANGED, &record.hdr);
}

void CXTPRibbonBar::OnTabSelecting(CXTPRibbonTab* pTab)
{
    if (!m_pControlTab->IsFocused())
        if (CXTPCommandBars* pCommandBars = GetCommandBars())
            pCommandBars->CloseAllPopups();
    if (pTab == GetSelectedTab())
        return;
    if (OnTabChanging(pTab))
        return;

    ++m_nTabChangeDepth;
    m_nGroupsScrollPos = 0;
    SetHighlightedGroup(nullptr);
    m_pControlTab->SelectItemDirect(pTab);
    UpdateGroupsVisibility();
    if (m_hWnd)
        Reposition();
    if (m_hWnd && IsVisible())
        OnIdleUpdateCmdUI(TRUE, 0);
    if (--m_nTabChangeDepth == 0 && m_hWnd)
        Redraw();

    OnTabChanged(pTab);
    m_pControlTab->NotifySite(XTP_RN_SELECTIONCHANGED);
    m_pControlTab->NotifyTabFocus(pTab);
}

// --- Sizes ---------------------------------------------------------------------------------

int CXTPRibbonBar::GetTabsHeight() const
{
    return GetRibbonTheme()->GetTabsHeight();
}

int CXTPRibbonBar::GetGroupsHeight() const
{
    if (m_nGroupsHeight > 0)
        return m_nGroupsHeight;
    return GetLargeIconSize().cy + 44 + GetRibbonTheme()->GetGroupCaptionHeight();
}

int CXTPRibbonBar::GetVisibleGroupsHeight() const
{
    return m_bGroupsVisible && GetSelectedTab() ? GetGroupsHeight() : 0;
}

int CXTPRibbonBar::GetQuickAccessHeight() const
{
    return GetButtonSize().cy + 4;
}

int CXTPRibbonBar::GetCaptionHeight() const
{
    return m_pFrameHook ? GetRibbonTheme()->GetRibbonCaptionHeight() : 0;
}

CSize CXTPRibbonBar::CalcDockingLayout(int nLength, DWORD dwMode, int /*nWidth*/)
{
    CWnd* pFrame = GetSiteFrame();
    BOOL bVisible = nLength >= m_nMinVisibleWidth;
    if (pFrame && pFrame->GetSafeHwnd())
    {
        CRect rcFrame;
        pFrame->GetWindowRect(&rcFrame);
        bVisible = bVisible && rcFrame.Height() >= m_nMinVisibleWidth;
    }
    if (bVisible != m_bRibbonBarVisible)
    {
        m_bRibbonBarVisible = bVisible;
        if (m_pFrameHook)
        {
            m_pFrameHook->SetRibbonVisible(bVisible);
            m_pFrameHook->PostDelayedRecalc();
        }
    }
    if (!bVisible)
        return CSize(nLength, 0);

    int nHeight = GetCaptionHeight() + GetVisibleGroupsHeight() + GetTabsHeight();
    if (m_bShowQuickAccessBelow)
        nHeight += GetQuickAccessHeight() + 1;
    if (dwMode & LM_COMMIT)
    {
        Layout(nLength, nHeight);
        if (m_dwDirty & xtpDirtyLayout)
        {
            m_dwDirty &= ~xtpDirtyLayout;
            Redraw();
        }
    }
    return CSize(nLength, nHeight);
}

CSize CXTPRibbonBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    return CalcDockingLayout(nLength, dwMode | LM_HORZDOCK);
}

void CXTPRibbonBar::Reposition()
{
    if (!m_hWnd)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    const CSize size = CalcDockingLayout(rcClient.Width(), LM_HORZDOCK);
    if (size.cy != rcClient.Height())
    {
        RecalcLayout();
        return;
    }
    Layout(rcClient.Width(), rcClient.Height());
    Redraw();
}

// --- Layout --------------------------------------------------------------------------------

void CXTPRibbonBar::Layout(int nWidth, int /*nHeight*/)
{
    CClientDC dc(m_hWnd ? this : nullptr);
    CXTPFontDC font(&dc, GetPaintManager()->GetControlFont(this, FALSE));
    CXTPRibbonTheme* pTheme = GetRibbonTheme();
    const int nTabsHeight = GetTabsHeight();

    // 1. The rows.
    CRect rcTabRow(2, 0, nWidth - 2, nTabsHeight);
    m_rcGroups = CRect(0, nTabsHeight, nWidth, nTabsHeight + GetVisibleGroupsHeight());
    if (m_pFrameHook)
    {
        const int nCaption = GetCaptionHeight();
        CRect rcWindow, rcClient;
        CWnd* pFrame = m_pFrameHook->GetSite();
        pFrame->GetWindowRect(&rcWindow);
        pFrame->GetClientRect(&rcClient);
        pFrame->ClientToScreen(&rcClient);
        m_rcCaption = CRect(-(rcClient.left - rcWindow.left), 0,
                            nWidth + (rcWindow.right - rcClient.right), nCaption);
        rcTabRow.OffsetRect(0, nCaption);
        m_rcGroups.OffsetRect(0, nCaption);
        m_rcCaptionText = CRect(0, 0, nWidth, m_rcCaption.bottom);
    }
    else
    {
        m_rcCaption.SetRectEmpty();
        m_rcCaptionText.SetRectEmpty();
    }

    // 2. The controls on the tab row: neither in a group nor in the quick
    // access row, nor one of the ribbon's own.
    std::vector<CXTPControl*> arrRowControls;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CXTPControl* pControl = GetControl(i);
        if (!pControl->IsVisible() || pControl->GetRibbonGroup() || IsSystemCommand(pControl->GetID())
            || pControl == m_pControlSystemButton || pControl == m_pControlScrollGroupsLeft
            || pControl == m_pControlScrollGroupsRight || pControl == m_pControlTab
            || pControl == m_pControlQuickAccess || pControl == m_pControlQuickAccessMore
            || m_pQuickAccessControls->Contains(pControl))
            continue;
        arrRowControls.push_back(pControl);
    }

    // 3. The quick access row.
    if (m_bShowQuickAccess && m_bShowQuickAccessBelow)
        m_rcQuickAccess = CRect(0, m_rcGroups.bottom, nWidth, m_rcGroups.bottom + GetQuickAccessHeight());
    else if (m_pFrameHook)
    {
        m_rcQuickAccess = CRect(46, m_rcCaption.top, m_rcCaption.right, m_rcCaption.bottom);
        if (m_rcCaption.Height() < 28)
            m_rcQuickAccess.OffsetRect(0, 2);
    }
    else
        m_rcQuickAccess = rcTabRow;

    // 4. The system button.
    int x = 2;
    if (m_pControlSystemButton)
    {
        if (m_pFrameHook)
        {
            // It reaches from the caption down into the tab row.
            m_pControlSystemButton->SetRect(CRect(0, m_rcCaption.top + 3, 46, m_rcCaption.top + 48));
            x = 46;
        }
        else
            x = PlaceInRow(m_pControlSystemButton, &dc, 0, rcTabRow);
        m_pControlSystemButton->SetHideFlag(xtpHideWrap, FALSE);
    }

    // 5. Left tab-row controls.
    int nRight = rcTabRow.right;
    for (CXTPControl* pControl : arrRowControls)
    {
        if (pControl->GetFlags() & xtpFlagRightAlign)
            continue;
        if (pControl->GetBeginGroup())
            x += 6;
        x += PlaceInRow(pControl, &dc, x, rcTabRow);
    }

    // 6. The quick access row.
    int nQuickAccessX;
    const BOOL bOnTabRow = m_bShowQuickAccess && !m_bShowQuickAccessBelow && !m_pFrameHook;
    if (bOnTabRow)
        nQuickAccessX = x + 5;
    else
        nQuickAccessX = m_rcQuickAccess.left + (m_bShowQuickAccessBelow ? 2 : 0);
    const int nLimit = m_bShowQuickAccessBelow ? nWidth - 15 : nWidth - 113;
    const int nAfterRow = LayoutQuickAccess(&dc, nQuickAccessX, nLimit, m_rcQuickAccess);
    if (bOnTabRow)
        x = nAfterRow;

    // 7. Right tab-row controls.
    for (auto it = arrRowControls.rbegin(); it != arrRowControls.rend(); ++it)
    {
        CXTPControl* pControl = *it;
        if (!(pControl->GetFlags() & xtpFlagRightAlign))
            continue;
        const CSize size = pControl->GetSize(&dc);
        nRight -= size.cx;
        PlaceInRow(pControl, &dc, nRight, rcTabRow);
        pControl->SetBeginGroup(FALSE);
    }

    // 8. The tabs.
    m_rcTabs = CRect(x, rcTabRow.top, nRight, rcTabRow.bottom);
    if (m_rcTabs.Width() < 6)
        m_rcTabs.SetRectEmpty();
    m_pControlTab->SetRect(m_rcTabs);
    if (CXTPTabPaintManager* pTabPaintManager = pTheme->GetTabPaintManager())
    {
        CXTPFontDC tabFont(&dc, pTabPaintManager->GetNormalFont());
        pTabPaintManager->RepositionTabControl(m_pControlTab, &dc, m_rcTabs);
    }

    // 9. The groups.
    LayoutGroups(&dc, m_rcGroups, CRect(4, 3, 6, 3));

    // 10. The caption of a skinned frame.
    LayoutCaptionButtons();
    if (m_pFrameHook)
        LayoutContextHeaders();
}

void CXTPRibbonBar::SetGroupsScrollPos(int nPos)
{
    nPos = std::max(0, nPos);
    if (nPos == m_nGroupsScrollPos)
        return;
    m_nGroupsScrollPos = nPos;
    if (m_hWnd)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        Layout(rcClient.Width(), rcClient.Height());
        Redraw();
    }
}

void CXTPRibbonBar::ScrollGroups(int nDelta)
{
    SetGroupsScrollPos(m_nGroupsScrollPos + nDelta);
}

void CXTPRibbonBar::EnsureVisible(CXTPControl* pControl)
{
    if (!pControl)
        return;
    CXTPRibbonGroup* pGroup = pControl->GetRibbonGroup();
    if (pGroup && pGroup->GetParentTab() && pGroup->GetParentTab() != GetSelectedTab())
        SelectTab(pGroup->GetParentTab());
    const BOOL bLeft = m_pControlScrollGroupsLeft->IsVisible();
    const BOOL bRight = m_pControlScrollGroupsRight->IsVisible();
    if (!bLeft && !bRight)
        return;
    const CRect rc = pControl->GetRect();
    int nOffset = m_nGroupsScrollPos;
    if (rc.left < m_rcGroups.left + 12 && bLeft)
        nOffset = std::max(0, nOffset - static_cast<int>(m_rcGroups.left + 12 - rc.left));
    else if (rc.right > m_rcGroups.right && bRight)
        nOffset += static_cast<int>(rc.right - m_rcGroups.right + m_rcGroups.left + 12);
    SetGroupsScrollPos(nOffset);
}

// --- State and copies ----------------------------------------------------------------------

void CXTPRibbonBar::SetShowQuickAccessBelow(BOOL bBelow)
{
    m_bShowQuickAccessBelow = bBelow;
    Reposition();
}

void CXTPRibbonBar::ShowQuickAccess(BOOL bShow)
{
    m_bShowQuickAccess = bShow;
    Reposition();
}

void CXTPRibbonBar::DoPropExchange(CXTPPropExchange* pPX)
{
    // The ribbon's own controls are made by the program; of its controls
    // only the quick access row is kept. The bar's words go through the
    // toolbar's exchange with an empty collection in place of its own.
    CXTPControls* pOwn = m_pControls;
    CXTPControls empty;
    empty.InternalAddRef();
    m_pControls = &empty;
    CXTPMenuBar::DoPropExchange(pPX);
    m_pControls = pOwn;
    empty.RemoveAll();

    ExchangeBoolProperty(pPX, "ShowQuickAccessBelow", m_bShowQuickAccessBelow, FALSE);
    if (CXTPPropExchange* pSection = pPX->GetSection("QuickAccessControls"))
    {
        m_pQuickAccessControls->DoPropExchange(pSection);
        pSection->InternalRelease();
    }
    if (pPX->IsLoading())
        DelayLayout();
}

void CXTPRibbonBar::Copy(CXTPCommandBar* pSource, BOOL /*bRecursive*/)
{
    if (!pSource || !pSource->IsRibbonBar())
        return;
    CXTPRibbonBar* pRibbon = static_cast<CXTPRibbonBar*>(pSource);
    m_bShowQuickAccessBelow = pRibbon->m_bShowQuickAccessBelow;
    m_pQuickAccessControls->RemoveAll();
    CXTPRibbonQuickAccessControls* pOther = pRibbon->m_pQuickAccessControls;
    for (int i = 0; i < pOther->GetCount(); ++i)
        m_pQuickAccessControls->AddCopy(pOther->GetAt(i));
}

CXTPRibbonTabContextHeader* CXTPRibbonBar::GetContextHeader(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetContextHeaderCount() ? m_arrContextHeaders[static_cast<size_t>(nIndex)].get()
                                                          : nullptr;
}

void CXTPRibbonBar::SetSystemButton(CXTPControl* pControl)
{
    if (m_pControlSystemButton)
    {
        CXTPControl* pOld = m_pControlSystemButton;
        m_pControlSystemButton = nullptr;
        m_pControls->Remove(pOld);
    }
    if (pControl)
    {
        m_pControls->Add(pControl, pControl->GetID(), nullptr, 0);
        m_pControlSystemButton = pControl;
    }
    Reposition();
}
