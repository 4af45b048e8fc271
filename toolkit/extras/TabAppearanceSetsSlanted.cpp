// The slanted appearance sets: tabs with one slanted side (2003) and tabs
// slanted on both sides with rounded upper corners (2005). Both lay their
// polygons down for a top header and turn them to the position.
#include "toolkit/extras/TabAppearanceSets.h"

#include "framework/ui/Dc.h"
#include "toolkit/extras/TabColorSets.h"

namespace {

const COLORREF WHITE = RGB(255, 255, 255);

BOOL IsHorizontal(int nPosition)
{
    return nPosition == xtpTabPositionTop || nPosition == xtpTabPositionBottom;
}

} // namespace

CXTPTabPaintManager::CAppearanceSetPropertyPage2003::CAppearanceSetPropertyPage2003()
{
    m_rcHeaderMargin.SetRect(2, 3, 6, 0);
}

CRect CXTPTabPaintManager::CAppearanceSetPropertyPage2003::GetHeaderMargin()
{
    CRect rc = m_rcHeaderMargin;
    rc.left += m_nButtonHeight;
    return rc;
}

CRect CXTPTabPaintManager::CAppearanceSetPropertyPage2003::GetButtonDrawRect(
    const CXTPTabManagerItem* pItem)
{
    CRect rc = pItem->GetRect();
    if (IsHorizontal(GetPosition()))
    {
        rc.left -= rc.Height();
        rc.right += 2;
    }
    else
    {
        rc.top -= rc.Width();
        rc.bottom += 2;
    }
    return rc;
}

void CXTPTabPaintManager::CAppearanceSetPropertyPage2003::FillClient(CXTPTabManager* pTabManager,
                                                                     CDC* pDC, CRect rcControl)
{
    CColorSet* pColorSet = GetColorSet();
    pColorSet->FillHeader(pDC, GetHeaderRect(rcControl, pTabManager), pTabManager);
    CRect rcClient = GetClientRect(rcControl, pTabManager);
    COLORREF clrFrame = Resolve(pColorSet->m_clrSelectedFrame);
    if (m_pPaintManager->GetClientFrame() == 0)
        pColorSet->FillClient(pDC, rcClient, pTabManager);
    FrameClient(pDC, rcClient, clrFrame, clrFrame);
}

void CXTPTabPaintManager::CAppearanceSetPropertyPage2003::GetOutlineColors(
    CXTPTabManagerItem* pItem, COLORREF& clrOutline, COLORREF& clrHighlight, COLORREF& clrShadow)
{
    CColorSet* pColorSet = GetColorSet();
    if (pItem->IsSelected())
    {
        clrOutline = Resolve(pColorSet->m_clrSelectedFrame);
        clrHighlight = clrShadow = WHITE;
        return;
    }
    clrOutline = Resolve(pItem->IsHighlighted() && m_bDrawHotOutline
                             ? static_cast<COLORREF>(pColorSet->m_clrStateButtonBorder.clrDark)
                             : static_cast<COLORREF>(pColorSet->m_clrTabOutline));
    clrHighlight = Resolve(pColorSet->m_clrTabHighlight);
    clrShadow = Resolve(pColorSet->m_clrTabShadow);
}

void CXTPTabPaintManager::CAppearanceSetPropertyPage2003::DrawSingleButton(
    CDC* pDC, CXTPTabManagerItem* pItem)
{
    CRect rcReal = pItem->GetRect();
    CRect rcTop = ToTopOrientation(rcReal);
    int l = rcTop.left, t = rcTop.top, r = rcTop.right, b = rcTop.bottom;
    int h = b - t;

    POINT ptsFill[4] = {{r - 1, b - 1}, {r - 1, t + 2}, {l + 4, t + 2}, {l + 8 - h, b - 2}};
    POINT ptsOutline[7] = {{r, b - 2},     {r, t + 2},     {r - 2, t},        {l + 7, t},
                           {l + 2, t + 2}, {l + 6 - h, b - 2}, {l + 4 - h, b - 2}};
    POINT ptsHighlight[3] = {{l + 5 - h, b - 2}, {l + 3, t + 2}, {l + 7, t + 1}};
    POINT ptsHighlightTop[2] = {{l + 7, t + 1}, {r - 2, t + 1}};
    POINT ptsShadow[2] = {{r - 1, t + 2}, {r - 1, b - 1}};
    TurnPoints(ptsFill, 4, rcReal);
    TurnPoints(ptsOutline, 7, rcReal);
    TurnPoints(ptsHighlight, 3, rcReal);
    TurnPoints(ptsHighlightTop, 2, rcReal);
    TurnPoints(ptsShadow, 2, rcReal);

    FillPolygon(pDC, ptsFill, 4, pItem);
    COLORREF clrOutline, clrHighlight, clrShadow;
    GetOutlineColors(pItem, clrOutline, clrHighlight, clrShadow);
    Polyline(pDC, ptsHighlight, 3, clrHighlight);
    Polyline(pDC, ptsHighlightTop, 2, clrHighlight);
    Polyline(pDC, ptsShadow, 2, clrShadow);
    Polyline(pDC, ptsOutline, 7, clrOutline);

    m_pPaintManager->DrawItemContent(pDC, pItem, rcReal, TRUE);
}

// Slanted on both sides

CXTPTabPaintManager::CAppearanceSetVisualStudio2005::CAppearanceSetVisualStudio2005()
{
    m_bButtonsReverseZOrder = TRUE;
}

CRect CXTPTabPaintManager::CAppearanceSetVisualStudio2005::GetHeaderMargin()
{
    CRect rc = m_rcHeaderMargin;
    rc.left += m_nButtonHeight / 2;
    return rc;
}

CRect CXTPTabPaintManager::CAppearanceSetVisualStudio2005::GetButtonDrawRect(
    const CXTPTabManagerItem* pItem)
{
    CRect rc = pItem->GetRect();
    if (IsHorizontal(GetPosition()))
        rc.InflateRect(rc.Height() / 2, 0);
    else
        rc.InflateRect(0, rc.Width() / 2);
    return rc;
}

void CXTPTabPaintManager::CAppearanceSetVisualStudio2005::DrawSingleButton(
    CDC* pDC, CXTPTabManagerItem* pItem)
{
    CRect rcReal = pItem->GetRect();
    CRect rcTop = ToTopOrientation(rcReal);
    int L = rcTop.left, B = rcTop.bottom, R = rcTop.right;
    int S = rcTop.Height() / 2;

    POINT ptsShape[8] = {{R + S - 4, B - 1}, {R - 1, B + 5 - 2 * S}, {R - 5, B + 1 - 2 * S},
                         {R - 8, B - 2 * S},  {L + 8, B - 2 * S},     {L + 5, B + 1 - 2 * S},
                         {L + 2, B + 4 - 2 * S}, {L + 4 - S, B}};
    POINT ptsHighlight[4] = {{L + 5 - S, B - 1}, {L + 3, B + 4 - 2 * S}, {L + 6, B + 2 - 2 * S},
                             {L + 8, B + 1 - 2 * S}};
    POINT ptsShadow[5] = {{R - 8, B + 1 - 2 * S}, {R - 5, B + 2 - 2 * S}, {R - 2, B + 5 - 2 * S},
                          {R + S - 5, B - 1}, {R + S - 5, B}};
    TurnPoints(ptsShape, 8, rcReal);
    TurnPoints(ptsHighlight, 4, rcReal);
    TurnPoints(ptsShadow, 5, rcReal);

    FillPolygon(pDC, ptsShape, 8, pItem);
    COLORREF clrOutline, clrHighlight, clrShadow;
    GetOutlineColors(pItem, clrOutline, clrHighlight, clrShadow);
    Polyline(pDC, ptsHighlight, 4, clrHighlight);
    Polyline(pDC, ptsShadow, 5, clrShadow);
    Polyline(pDC, ptsShape, 8, clrOutline);

    m_pPaintManager->DrawItemContent(pDC, pItem, rcReal, TRUE);
}
