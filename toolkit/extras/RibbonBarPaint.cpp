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
    CXTPPaintManager* pPaintManager = GetPaintManager();
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

    BOOL bFirst = TRUE;
    for (int i = 0; i < GetControlCount(); ++i)
    {
        CXTPControl* pControl = GetControl(i);
        if (!pControl->IsVisible() || pControl->GetRibbonGroup() || pControl == m_pControlTab)
            continue;
        if (pControl->GetBeginGroup() && !bFirst)
            pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, TRUE);
        bFirst = FALSE;
        CRect rcControl = pControl->GetRect();
        if (!rcIntersect.IntersectRect(&rcClipBox, &rcControl))
            continue;
        CXTPFontDC font(pDC, pPaintManager->GetControlFont(this, FALSE));
        if (pControl == m_pControlSystemButton && m_pFrameHook)
            pTheme->DrawRibbonFrameSystemButton(pDC, pControl);
        else
            pControl->Draw(pDC);
        if (IsCustomizeMode() && GetCommandBars()->GetDragControl() == pControl)
        {
            pDC->Draw3dRect(rcControl, RGB(0, 0, 0), RGB(0, 0, 0));
            rcControl.DeflateRect(1, 1);
            pDC->Draw3dRect(rcControl, RGB(0, 0, 0), RGB(0, 0, 0));
        }
    }
    if (IsCustomizeMode())
        DrawDropMarker(pDC);
}
