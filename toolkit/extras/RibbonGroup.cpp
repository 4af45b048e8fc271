#include "toolkit/extras/RibbonGroup.h"

#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/RibbonBar.h"
#include "toolkit/extras/RibbonGroupPopup.h"
#include "toolkit/extras/RibbonTab.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CXTPRibbonGroup, CCmdTarget)

namespace {

// Pixels between the columns of a group.
const int kColumnGap = 2;
// Small buttons stacked in one column before and from level 2.
const int kSmallPerColumn = 2;
const int kSmallPerColumnPacked = 3;
// The hide bits the group's own layout decides on.
const DWORD kRibbonHideBits = xtpHideRibbonTab | xtpHideRibbonReduced;

} // namespace

CXTPRibbonGroup::CXTPRibbonGroup() = default;

CXTPRibbonGroup::~CXTPRibbonGroup()
{
    RemoveAll();
    if (m_pControlGroupPopup)
        m_pControlGroupPopup->InternalRelease();
}

void CXTPRibbonGroup::Attach(CXTPRibbonTab* pTab, CXTPRibbonBar* pRibbonBar)
{
    m_pParentTab = pTab;
    m_pRibbonBar = pRibbonBar;
}

CXTPCommandBar* CXTPRibbonGroup::GetParent() const
{
    return m_pPopupBar ? m_pPopupBar : m_pRibbonBar;
}

CXTPControl* CXTPRibbonGroup::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrControls[static_cast<size_t>(nIndex)] : nullptr;
}

CXTPControl* CXTPRibbonGroup::Add(int nType, int nID)
{
    CXTPCommandBar* pParent = GetParent();
    if (!pParent)
        return nullptr;
    CXTPControl* pControl = pParent->GetControls()->Add(nType, nID);
    if (!pControl)
        return nullptr;
    pControl->InternalAddRef();
    pControl->SetRibbonGroup(this);
    m_arrControls.push_back(pControl);
    return pControl;
}

CXTPControl* CXTPRibbonGroup::AddControl(CXTPControl* pControl)
{
    CXTPCommandBar* pParent = GetParent();
    if (!pControl || !pParent)
        return nullptr;
    pParent->GetControls()->Add(pControl, pControl->GetID());
    pControl->InternalAddRef();
    pControl->SetRibbonGroup(this);
    m_arrControls.push_back(pControl);
    return pControl;
}

void CXTPRibbonGroup::Unlink(CXTPControl* pControl)
{
    auto it = std::find(m_arrControls.begin(), m_arrControls.end(), pControl);
    if (it == m_arrControls.end())
        return;
    m_arrControls.erase(it);
    m_arrItems.clear();
    pControl->SetRibbonGroup(nullptr);
    pControl->InternalRelease();
}

void CXTPRibbonGroup::RemoveAll()
{
    while (!m_arrControls.empty())
    {
        CXTPControl* pControl = m_arrControls.back();
        pControl->InternalAddRef();
        Unlink(pControl);
        // The bar's collection lets go of it too; it was only there for the group.
        if (CXTPControls* pControls = pControl->GetControls())
            pControls->Remove(pControl);
        pControl->InternalRelease();
    }
    m_arrItems.clear();
    if (m_pControlGroupPopup)
    {
        CXTPRibbonGroupControlPopup* pPopup = m_pControlGroupPopup;
        m_pControlGroupPopup = nullptr;
        pPopup->SetRibbonGroup(nullptr);
        if (CXTPControls* pControls = pPopup->GetControls())
            pControls->Remove(pPopup);
        pPopup->InternalRelease();
    }
}

BOOL CXTPRibbonGroup::IsVisible() const
{
    if (m_pPopupBar)
        return TRUE;
    if (!m_bVisible || !m_pRibbonBar || !m_pParentTab)
        return FALSE;
    return m_pRibbonBar->GetSelectedTab() == m_pParentTab;
}

BOOL CXTPRibbonGroup::IsHighlighted() const
{
    return m_pRibbonBar && !m_pPopupBar && m_pRibbonBar->GetHighlightedGroup() == this;
}

void CXTPRibbonGroup::OnGroupAdded()
{
    // A group on the ribbon has the button that stands for it when reduced.
    if (m_pPopupBar || !m_pRibbonBar || m_pControlGroupPopup)
        return;
    m_pControlGroupPopup = new CXTPRibbonGroupControlPopup(this);
    m_pControlGroupPopup->SetCaption(m_strCaption);
    m_pControlGroupPopup->SetHideFlags(xtpHideRibbonReduced);
    m_pRibbonBar->GetControls()->Add(m_pControlGroupPopup, m_nID);
    m_pControlGroupPopup->InternalAddRef();
    m_pControlGroupPopup->SetRibbonGroup(this);
}

void CXTPRibbonGroup::OnGroupRemoved()
{
    RemoveAll();
}

int CXTPRibbonGroup::StyleAtLevel(const CXTPControl* pControl, int nLevel)
{
    int nStyle = pControl->GetStyleValue();
    if (nLevel >= 0 && nStyle == xtpButtonIconAndCaptionBelow)
        nStyle = xtpButtonIconAndCaption;
    if (nLevel >= 1 && nStyle == xtpButtonIconAndCaption)
        nStyle = xtpButtonIcon;
    return nStyle;
}

int CXTPRibbonGroup::GetAreaHeight() const
{
    if (!m_pRibbonBar)
        return 0;
    return m_pRibbonBar->GetGroupsHeight() - 7 - m_pRibbonBar->GetRibbonTheme()->GetGroupCaptionHeight();
}

int CXTPRibbonGroup::GetCaptionWidth(CDC* pDC) const
{
    if (m_strCaption.IsEmpty() || !m_pRibbonBar)
        return 0;
    CXTPFontDC font(pDC, m_pRibbonBar->GetRibbonTheme()->GetGroupFont());
    CString strPlain = m_strCaption;
    strPlain.Remove('&');
    return pDC->GetTextExtent(strPlain).cx + 10;
}

int CXTPRibbonGroup::Arrange(CDC* pDC, int nLevel)
{
    m_arrItems.clear();
    if (nLevel >= xtpRibbonGroupPopupLevel)
    {
        if (!m_pControlGroupPopup)
            return m_nWidth;
        return m_pControlGroupPopup->GetSize(pDC).cx;
    }
    const int nPerColumn = nLevel >= 2 ? kSmallPerColumnPacked : kSmallPerColumn;
    int x = 0;
    int nColumnWidth = 0;
    int nColumnItems = 0;
    int y = 0;
    auto closeColumn = [&]() {
        if (nColumnItems > 0)
            x += nColumnWidth + kColumnGap;
        nColumnWidth = 0;
        nColumnItems = 0;
        y = 0;
    };
    for (CXTPControl* pControl : m_arrControls)
    {
        if (!pControl->IsVisibleExcept(kRibbonHideBits))
            continue;
        const int nStyle = StyleAtLevel(pControl, nLevel);
        pControl->SetCustomStyle(nStyle == pControl->GetStyleValue() ? -1 : nStyle);
        const CSize size = pControl->GetSize(pDC);
        const BOOL bLarge = nStyle == xtpButtonIconAndCaptionBelow;
        if (bLarge || nColumnItems >= nPerColumn || pControl->GetBeginGroup())
            closeColumn();
        CLayoutItem item;
        item.pControl = pControl;
        item.rcItem = CRect(CPoint(x, y), size);
        m_arrItems.push_back(item);
        nColumnWidth = std::max(nColumnWidth, static_cast<int>(size.cx));
        ++nColumnItems;
        y += size.cy;
        if (bLarge)
            closeColumn();
    }
    const int nControlsWidth = nColumnItems > 0 ? x + nColumnWidth : std::max(0, x - kColumnGap);
    return std::max(nControlsWidth, GetCaptionWidth(pDC));
}

void CXTPRibbonGroup::OnBeforeLayout(CDC* pDC)
{
    m_nLevel = xtpRibbonGroupFull;
    m_nWidth = Arrange(pDC, m_nLevel);
}

int CXTPRibbonGroup::GetWidth(CDC* /*pDC*/)
{
    return m_nWidth;
}

BOOL CXTPRibbonGroup::Reduce(CDC* pDC, int nLevel)
{
    if (nLevel <= m_nLevel)
        return FALSE;
    if (nLevel >= xtpRibbonGroupPopupLevel && !m_pControlGroupPopup)
        return FALSE;
    const int nWidth = Arrange(pDC, nLevel);
    if (nWidth < m_nWidth)
    {
        m_nLevel = nLevel;
        m_nWidth = nWidth;
        return TRUE;
    }
    Arrange(pDC, m_nLevel);
    return FALSE;
}

void CXTPRibbonGroup::OnPlace(const CRect& rcGroup)
{
    const int x = rcGroup.left;
    const int y = rcGroup.top;
    const int w = rcGroup.Width();
    const int nHeight = m_pRibbonBar ? m_pRibbonBar->GetGroupsHeight() - 7 : rcGroup.Height();
    const int nCaption = m_pRibbonBar ? m_pRibbonBar->GetRibbonTheme()->GetGroupCaptionHeight() : 0;
    const CRect rcArea(x, y, x + w, y + nHeight - nCaption);

    for (size_t i = 0; i < m_arrItems.size(); ++i)
    {
        CLayoutItem& item = m_arrItems[i];
        item.rcGroupArea = rcArea;
    }
    // Columns: consecutive items with the same left edge; the free height
    // of each goes evenly above, between and below its items.
    std::vector<int> arrShift(m_arrItems.size(), 0);
    if (m_bSpread && !m_bKeep)
    {
        size_t nFirst = 0;
        while (nFirst < m_arrItems.size())
        {
            size_t nEnd = nFirst;
            int nUsed = 0;
            while (nEnd < m_arrItems.size() && m_arrItems[nEnd].rcItem.left == m_arrItems[nFirst].rcItem.left)
                nUsed += m_arrItems[nEnd++].rcItem.Height();
            const int nItems = static_cast<int>(nEnd - nFirst);
            const int nFree = nHeight - nCaption - 3 - nUsed;
            const int nStep = nFree > 0 ? nFree / (nItems + 1) : 0;
            for (size_t k = nFirst; k < nEnd; ++k)
                arrShift[k] = static_cast<int>(k - nFirst + 1) * nStep;
            nFirst = nEnd;
        }
    }
    for (size_t i = 0; i < m_arrItems.size(); ++i)
    {
        const CLayoutItem& item = m_arrItems[i];
        if (item.bHidden)
            continue;
        CRect rc = item.rcItem;
        rc.OffsetRect(x + 2, y + 2 + arrShift[i]);
        item.pControl->SetRect(rc);
    }
    m_rcGroup = CRect(x, y, x + w + 5, y + nHeight);
    if (m_pControlGroupPopup)
        m_pControlGroupPopup->SetRect(m_rcGroup);
}

void CXTPRibbonGroup::SetHidden(CXTPControl* pControl, DWORD dwBit, BOOL bHidden)
{
    const DWORD dwFlags = pControl->GetHideFlags();
    pControl->SetHideFlags(bHidden ? dwFlags | dwBit : dwFlags & ~dwBit);
}

void CXTPRibbonGroup::OnAfterLayout()
{
    const BOOL bReduced = IsReduced();
    for (CXTPControl* pControl : m_arrControls)
        SetHidden(pControl, xtpHideRibbonReduced, bReduced);
    if (m_pControlGroupPopup)
        SetHidden(m_pControlGroupPopup, xtpHideRibbonReduced, !bReduced);
}

void CXTPRibbonGroup::Draw(CDC* pDC, CRect rcClipBox)
{
    if (!m_pRibbonBar)
        return;
    CXTPRibbonTheme* pTheme = m_pRibbonBar->GetRibbonTheme();
    CXTPCommandBar* pParent = GetParent();
    CXTPPaintManager* pPaintManager = pParent->GetPaintManager();
    CXTPFontDC font(pDC, pPaintManager->GetControlFont(pParent, FALSE));
    if (IsReduced() && m_pControlGroupPopup)
    {
        if (m_pControlGroupPopup->IsVisible())
            m_pControlGroupPopup->Draw(pDC);
        return;
    }
    pTheme->DrawRibbonGroup(pDC, this);
    for (CXTPControl* pControl : m_arrControls)
    {
        CRect rcIntersect;
        CRect rcControl = pControl->GetRect();
        if (pControl->IsVisible() && rcIntersect.IntersectRect(&rcClipBox, &rcControl))
            pControl->Draw(pDC);
    }
}

void CXTPRibbonGroup::Copy(CXTPRibbonGroup* pSource)
{
    m_strCaption = pSource->m_strCaption;
    m_nID = pSource->m_nID;
    m_bShowOptionButton = pSource->m_bShowOptionButton;
    m_bVisible = pSource->m_bVisible;
    m_bSpread = pSource->m_bSpread;
    m_bKeep = pSource->m_bKeep;
    m_bControlsGrouping = pSource->m_bControlsGrouping;
    m_pRibbonBar = pSource->m_pRibbonBar;
    m_pParentTab = pSource->m_pParentTab;
    for (CXTPControl* pControl : pSource->m_arrControls)
    {
        CXTPControl* pCopy = pControl->Clone(TRUE);
        pCopy->SetHideFlags(pCopy->GetHideFlags() & ~(kRibbonHideBits | xtpHideWrap));
        pCopy->SetCustomStyle(-1);
        AddControl(pCopy);
    }
}

// --- CXTPRibbonGroups ----------------------------------------------------------------------

CXTPRibbonGroups::~CXTPRibbonGroups()
{
    RemoveAll();
}

CXTPRibbonGroup* CXTPRibbonGroups::Add(LPCSTR lpszCaption, int nID)
{
    CXTPRibbonGroup* pGroup = new CXTPRibbonGroup;
    pGroup->SetCaption(lpszCaption ? lpszCaption : "");
    pGroup->SetID(nID);
    return Add(pGroup);
}

CXTPRibbonGroup* CXTPRibbonGroups::Add(CXTPRibbonGroup* pGroup)
{
    pGroup->Attach(m_pParentTab, m_pParentTab ? m_pParentTab->GetRibbonBar() : nullptr);
    m_arrGroups.push_back(pGroup);
    pGroup->OnGroupAdded();
    return pGroup;
}

CXTPRibbonGroup* CXTPRibbonGroups::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrGroups[static_cast<size_t>(nIndex)] : nullptr;
}

void CXTPRibbonGroups::RemoveAll()
{
    while (!m_arrGroups.empty())
    {
        CXTPRibbonGroup* pGroup = m_arrGroups.back();
        m_arrGroups.pop_back();
        pGroup->OnGroupRemoved();
        pGroup->InternalRelease();
    }
}
