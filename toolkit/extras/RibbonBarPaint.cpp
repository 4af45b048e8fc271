// The ribbon's drawing: background, caption, groups area, tab strip,
// groups and the controls of the tab row, through the ribbon theme.
#include "toolkit/extras/RibbonBar.h"

#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/FrameHook.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonTab.h"
#include "toolkit/extras/TabPaintManager.h"

void CXTPRibbonBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    CXTPRibbonTheme* pTheme = GetRibbonTheme();
    pTheme->FillRibbonBar(pDC, this);
    CRect rcIntersect;
    if (m_pFrameHook && rcIntersect.IntersectRect(&m_rcCaption, &rcClipBox))
    {
        pTheme->DrawRibbonFrameCaption(pDC, this, m_pFrameHook->IsFrameActive());
    }
    CXTPRibbonTab* pSelected = GetSelectedTab();
    if (m_bGroupsVisible && pSelected && !m_rcGroups.IsRectEmpty())
        pTheme->FillGroupsArea(pDC, pSelected, m_rcGroups);
    if (CXTPTabPaintManager* pTabPaintManager = pTheme->GetTabPaintManager())
        if (!m_rcTabs.IsRectEmpty())
            pTabPaintManager->DrawTabControl(m_pControlTab, pDC, m_rcTabs);

    pDC->SetBkMode(TRANSPARENT);
    if (pSelected && m_bGroupsVisible)
    {
        CXTPRibbonGroups* pGroups = pSelected->GetGroups();
        for (int i = 0; i < pGroups->GetCount(); ++i)
        {
            CXTPRibbonGroup* pGroup = pGroups->GetAt(i);
            CRect rcGroup = pGroup->GetRect();
            if (pGroup->IsVisible() && rcIntersect.IntersectRect(&rcGroup, &rcClipBox))
                pGroup->Draw(pDC, rcClipBox);
        }
    }

    DrawControls(pDC, rcClipBox);
}

BOOL CXTPRibbonBar::IsDrawnWithControls(CXTPControl* pControl) const
{
    // Groups draw their own controls; the bar draws the tab strip above.
    return !pControl->GetRibbonGroup() && pControl != m_pControlTab;
}

void CXTPRibbonBar::DrawBarControl(CDC* pDC, CXTPControl* pControl)
{
    if (pControl == m_pControlSystemButton && m_pFrameHook)
        GetRibbonTheme()->DrawRibbonFrameSystemButton(pDC, pControl);
    else
        pControl->Draw(pDC);
}
