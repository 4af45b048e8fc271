// The stack of bars: no header; every tab is a bar across the whole width,
// the bars up to the selected one stacked from the top, the rest gathered
// at the bottom, and the page between the selected bar and the next one.
#include "toolkit/extras/TabAppearanceSets.h"

#include "framework/ui/Dc.h"
#include "toolkit/extras/TabColorSets.h"
#include "toolkit/extras/TabNavigateButton.h"

#include <algorithm>

namespace {

// Colour-table entry of the bars' grip.
const COLORREF GRIP_COLOR = 38;
// Width of the grip band at a bar's right end.
const int GRIP_WIDTH = 7;

} // namespace

CXTPTabPaintManager::CAppearanceSetVisio::CAppearanceSetVisio()
{
    m_rcHeaderMargin.SetRect(0, 0, 0, 0);
}

CRect CXTPTabPaintManager::CAppearanceSetVisio::GetHeaderRect(CRect, const CXTPTabManager*)
{
    return CRect(0, 0, 0, 0);
}

CRect CXTPTabPaintManager::CAppearanceSetVisio::GetClientRect(CRect rcControl,
                                                              const CXTPTabManager* pTabManager)
{
    BOOL bFramed = m_pPaintManager->GetClientFrame() != 2;
    int nHeight = GetButtonHeight(pTabManager);
    CRect rc = rcControl;
    if (bFramed)
        rc.DeflateRect(1, 0);
    CXTPTabManagerItem* pSelected = pTabManager->GetSelectedItem();
    rc.top = pSelected ? pSelected->GetRect().bottom : rcControl.top + 1;
    int nBottom = rcControl.bottom;
    BOOL bAfter = FALSE;
    for (int i = pSelected ? pSelected->GetIndex() + 1 : 0; i < pTabManager->GetItemCount(); ++i)
    {
        CXTPTabManagerItem* pItem = pTabManager->GetItem(i);
        if (pItem->IsVisible())
        {
            nBottom = pItem->GetRect().top;
            bAfter = TRUE;
            break;
        }
    }
    if (!bAfter && bFramed)
        nBottom -= 1;
    rc.bottom = std::max<int>(nBottom, rc.top + nHeight);
    return rc;
}

void CXTPTabPaintManager::CAppearanceSetVisio::RepositionTabControl(CXTPTabManager* pTabManager,
                                                                    CDC* pDC, CRect rcControl)
{
    for (int i = 0; i < pTabManager->GetNavigateButtonCount(); ++i)
        pTabManager->GetNavigateButton(i)->Hide();
    DeflateRectByPosition(rcControl, m_pPaintManager->GetControlMargin(), GetPosition());
    int nCount = pTabManager->GetItemCount();
    if (nCount == 0)
        return;
    m_pPaintManager->MeasureItems(pTabManager, pDC, FALSE);

    int nHeight = GetButtonHeight(pTabManager);
    int nInset = m_pPaintManager->GetClientFrame() != 2 ? 1 : 0;
    int nVisible = 0;
    for (int i = 0; i < nCount; ++i)
        nVisible += pTabManager->GetItem(i)->IsVisible() ? 1 : 0;

    int y = rcControl.top + 1;
    int nPlaced = 0;
    BOOL bAfterSelected = FALSE;
    for (int i = 0; i < nCount; ++i)
    {
        CXTPTabManagerItem* pItem = pTabManager->GetItem(i);
        if (!pItem->IsVisible())
        {
            pItem->SetRect(CRect(0, 0, 0, 0));
            continue;
        }
        if (bAfterSelected)
        {
            // The bars after the selected one gather at the bottom, leaving
            // the page at least one row height.
            int nGathered = rcControl.bottom - (nVisible - nPlaced) * nHeight;
            y = std::min<int>(std::max<int>(nGathered, y + 2 * nHeight), rcControl.bottom - 1);
            bAfterSelected = FALSE;
        }
        pItem->SetRect(CRect(rcControl.left + nInset, y, rcControl.right - nInset, y + nHeight));
        ++nPlaced;
        if (pItem->IsSelected())
        {
            bAfterSelected = TRUE;
            continue;
        }
        y += nHeight;
    }
}

void CXTPTabPaintManager::CAppearanceSetVisio::AdjustClientRect(CXTPTabManager* pTabManager,
                                                                CRect& rcClient)
{
    DeflateRectByPosition(rcClient, m_pPaintManager->GetControlMargin(), GetPosition());
    rcClient = GetClientRect(rcClient, pTabManager);
    DeflateRectByPosition(rcClient, GetClientMargin(), GetPosition());
}

void CXTPTabPaintManager::CAppearanceSetVisio::DrawTabControl(CXTPTabManager* pTabManager,
                                                              CDC* pDC, CRect rcControl)
{
    CColorSet* pColorSet = GetColorSet();
    XTPTabFillSolidRect(pDC, rcControl, Resolve(pColorSet->m_clrControlFace));
    DeflateRectByPosition(rcControl, m_pPaintManager->GetControlMargin(), GetPosition());
    pDC->SetBkMode(TRANSPARENT);
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rcControl);
    COLORREF clrBorder = Resolve(pColorSet->m_clrFrameBorder);
    if (m_pPaintManager->GetClientFrame() != 2)
        XTPTabDraw3dRect(pDC, rcControl, clrBorder, clrBorder);
    else if (pTabManager->GetItemCount() > 0)
        DrawSingleLineBorder(pDC, rcControl, xtpTabPositionTop, clrBorder);
    for (int i = pTabManager->GetItemCount() - 1; i >= 0; --i)
    {
        CXTPTabManagerItem* pItem = pTabManager->GetItem(i);
        CRect rcItem = pItem->GetRect();
        CRect rcMeet;
        if (!rcItem.IsRectEmpty() && rcMeet.IntersectRect(rcItem, rcControl))
            DrawSingleButton(pDC, pItem);
    }
    pDC->RestoreDC(nSaved);
}

void CXTPTabPaintManager::CAppearanceSetVisio::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CColorSet* pColorSet = GetColorSet();
    CRect rc = pItem->GetRect();
    pColorSet->FillItem(pDC, rc, pItem);
    XTPTabDraw3dRect(pDC, rc, Resolve(pColorSet->m_clrFrameHighlight),
                    Resolve(pColorSet->m_clrFrameBorder));
    COLORREF clrGrip = Resolve(GRIP_COLOR);
    for (int y = rc.top + 4; y < rc.bottom - 3; y += 2)
        XTPTabFillSolidRect(pDC, rc.right - GRIP_WIDTH, y, 3, 1, clrGrip);
    CRect rcContent = rc;
    rcContent.right -= GRIP_WIDTH;
    m_pPaintManager->DrawItemContent(pDC, pItem, rcContent, TRUE);
}
