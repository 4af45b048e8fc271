// The rectangular appearance sets: flat, trapezoids, flat property page,
// state buttons and the raised selected tab.
#include "toolkit/extras/TabAppearanceSets.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/TabColorSets.h"

#include <vector>

namespace {

BOOL IsHorizontal(int nPosition)
{
    return nPosition == xtpTabPositionTop || nPosition == xtpTabPositionBottom;
}

// The rectangle grown by one pixel at its end along the header.
CRect GrowFarEnd(CRect rc, int nPosition, int nBy)
{
    if (IsHorizontal(nPosition))
        rc.right += nBy;
    else
        rc.bottom += nBy;
    return rc;
}

// Removes the four corner pixels of rc from the DC's clip region.
void ExcludeCorners(CDC* pDC, const CRect& rc)
{
    pDC->ExcludeClipRect(rc.left, rc.top, rc.left + 1, rc.top + 1);
    pDC->ExcludeClipRect(rc.right - 1, rc.top, rc.right, rc.top + 1);
    pDC->ExcludeClipRect(rc.left, rc.bottom - 1, rc.left + 1, rc.bottom);
    pDC->ExcludeClipRect(rc.right - 1, rc.bottom - 1, rc.right, rc.bottom);
}

} // namespace

// Flat

CXTPTabPaintManager::CAppearanceSetFlat::CAppearanceSetFlat()
{
    m_rcHeaderMargin.SetRect(2, 2, 4, 0);
}

void CXTPTabPaintManager::CAppearanceSetFlat::FillClient(CXTPTabManager* pTabManager, CDC* pDC,
                                                         CRect rcControl)
{
    CColorSet* pColorSet = GetColorSet();
    pColorSet->FillHeader(pDC, GetHeaderRect(rcControl, pTabManager), pTabManager);
    int nFrame = m_pPaintManager->GetClientFrame();
    if (nFrame != 0 && nFrame != 1)
        return;
    CRect rcClient = GetClientRect(rcControl, pTabManager);
    pColorSet->FillClient(pDC, rcClient, pTabManager);
    COLORREF clrBorder = Resolve(pColorSet->m_clrFrameBorder);
    if (nFrame == 0)
        XTPTabDraw3dRect(pDC, rcClient, clrBorder, clrBorder);
    else
        DrawSingleLineBorder(pDC, rcClient, GetPosition(), clrBorder);
}

void CXTPTabPaintManager::CAppearanceSetFlat::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    int nPosition = GetPosition();
    CRect rc = GrowFarEnd(pItem->GetRect(), nPosition, 1);
    if (pItem->IsSelected())
        InflateRectByPosition(rc, 0, 0, 0, 1, nPosition);
    GetColorSet()->FillItem(pDC, rc, pItem);
    COLORREF clrBorder = Resolve(GetColorSet()->m_clrFrameBorder);
    XTPTabDraw3dRect(pDC, rc, clrBorder, clrBorder);
    m_pPaintManager->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}

// Trapezoids

CXTPTabPaintManager::CAppearanceSetExcel::CAppearanceSetExcel()
{
    m_rcHeaderMargin.SetRect(2, 3, 2, 0);
}

CRect CXTPTabPaintManager::CAppearanceSetExcel::GetHeaderMargin()
{
    CRect rc = m_rcHeaderMargin;
    rc.left += m_nButtonHeight / 2;
    rc.right += m_nButtonHeight / 2;
    return rc;
}

CRect CXTPTabPaintManager::CAppearanceSetExcel::GetButtonDrawRect(const CXTPTabManagerItem* pItem)
{
    CRect rc = pItem->GetRect();
    int nHalf = (IsHorizontal(GetPosition()) ? rc.Height() : rc.Width()) / 2;
    if (IsHorizontal(GetPosition()))
        rc.InflateRect(nHalf, 0);
    else
        rc.InflateRect(0, nHalf);
    return rc;
}

void CXTPTabPaintManager::CAppearanceSetExcel::DrawSingleButton(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CColorSet* pColorSet = GetColorSet();
    CRect rcReal = pItem->GetRect();
    CRect rcTop = ToTopOrientation(rcReal);
    int T = rcTop.top;
    int B = rcTop.bottom - 1;
    int nShift = (B - T) / 4;
    int L = rcTop.left - nShift;
    int R = rcTop.right - nShift;
    int f = (B - T) / 2;

    POINT ptsShape[4] = {{L, B}, {L + f, B - 2 * f}, {R, B - 2 * f}, {R + f, B}};
    TurnPoints(ptsShape, 4, rcReal);
    COLORREF clrFill = FillPolygon(pDC, ptsShape, 4, pItem);

    const CColorSet::CExcelColors& colors = pColorSet->m_excel[pItem->IsSelected() ? 0 : 1];
    auto line = [&](int x1, int y1, int x2, int y2, COLORREF clr) {
        POINT pts[2] = {{x1, y1}, {x2, y2}};
        TurnPoints(pts, 2, rcReal);
        Line(pDC, pts[0], pts[1], Resolve(clr));
    };
    line(L + 1, B - 1, L + f + 1, T, colors.clrInnerLight);
    line(L + f, T + 1, R, T + 1, colors.clrInnerLight);
    line(R - 1, T, R + f - 1, B, colors.clrInnerDark);
    line(L, B - 1, L + f, T, colors.clrOutline);
    line(L + f, T, R, T, colors.clrOutline);
    line(R, T, R + f, B, colors.clrFarEdge);
    if (pItem->IsSelected())
        line(L, B, R + f, B, clrFill);

    m_pPaintManager->DrawItemContent(pDC, pItem, rcReal, TRUE);
}

// Flat property page

CXTPTabPaintManager::CAppearanceSetPropertyPageFlat::CAppearanceSetPropertyPageFlat()
{
    m_rcHeaderMargin.SetRect(2, 2, 4, 0);
}

void CXTPTabPaintManager::CAppearanceSetPropertyPageFlat::DrawSingleButton(
    CDC* pDC, CXTPTabManagerItem* pItem)
{
    CColorSet* pColorSet = GetColorSet();
    int nPosition = GetPosition();
    BOOL bSelected = pItem->IsSelected();
    COLORREF clrBorder = Resolve(pColorSet->m_clrFrameBorder);
    CRect rc = GrowFarEnd(pItem->GetRect(), nPosition, 1);

    int nSaved = pDC->SaveDC();
    CRect rcCorners = rc;
    InflateRectByPosition(rcCorners, 0, 0, 0, 1, nPosition);
    ExcludeCorners(pDC, rcCorners);

    auto roundOutline = [&](CRect rcRound) {
        if (clrBorder == static_cast<COLORREF>(-1))
            return;
        InflateRectByPosition(rcRound, 0, 0, 0, 2, nPosition);
        CXTPPenDC pen(pDC->GetSafeHdc(), clrBorder);
        HGDIOBJ hOld = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(HOLLOW_BRUSH));
        pDC->RoundRect(rcRound, CPoint(6, 6));
        ::SelectObject(pDC->GetSafeHdc(), hOld);
    };
    if (!m_bSeparatorsOnly)
    {
        if (m_bRoundedCorners)
        {
            if (bSelected)
                InflateRectByPosition(rc, 0, 0, 0, 1, nPosition);
            pColorSet->FillItem(pDC, rc, pItem);
            XTPTabDraw3dRect(pDC, rc, clrBorder, clrBorder);
        }
        else
        {
            pColorSet->FillItem(pDC, rc, pItem);
            if (!bSelected && m_pPaintManager->GetClientFrame() != 2)
                DrawSingleLineBorder(pDC, rc, (nPosition + 2) % 4, clrBorder);
            roundOutline(rc);
        }
    }
    else if (!bSelected)
    {
        CXTPTabManager* pTabManager = pItem->GetTabManager();
        if (pItem->GetIndex() != pTabManager->GetItemCount() - 1)
        {
            CRect rcItem = pItem->GetRect();
            if (IsHorizontal(nPosition))
                XTPTabFillSolidRect(pDC, rcItem.right - 1, rcItem.top + 3, 1, rcItem.Height() - 6, clrBorder);
            else
                XTPTabFillSolidRect(pDC, rcItem.left + 3, rcItem.bottom - 1, rcItem.Width() - 6, 1, clrBorder);
        }
    }
    else
    {
        pColorSet->FillItem(pDC, rc, pItem);
        roundOutline(rc);
    }
    pDC->RestoreDC(nSaved);

    if (m_bRoundedCorners && !(m_bSeparatorsOnly && !bSelected))
    {
        // Ten pixel pairs: the two outer corners get three softened pixels
        // each, the two corners towards the client two each.
        CRect rcTop = ToTopOrientation(rc);
        int l = rcTop.left, t = rcTop.top, r = rcTop.right - 1, b = rcTop.bottom - 1;
        POINT pts[20] = {
            {l, t + 1},     {1, 0},  {l + 1, t},     {0, 1},  {l + 1, t + 1}, {-1, -1},
            {r, t + 1},     {-1, 0}, {r - 1, t},     {0, 1},  {r - 1, t + 1}, {1, -1},
            {l, b - 1},     {1, 0},  {l + 1, b},     {0, -1},
            {r, b - 1},     {-1, 0}, {r - 1, b},     {0, -1},
        };
        // Turn the pixels; the offsets turn with the same rule about the origin.
        for (int i = 0; i < 20; i += 2)
        {
            POINT ptEnd = {pts[i].x + pts[i + 1].x, pts[i].y + pts[i + 1].y};
            TurnPoints(&pts[i], 1, rc);
            TurnPoints(&ptEnd, 1, rc);
            pts[i + 1] = {ptEnd.x - pts[i].x, ptEnd.y - pts[i].y};
        }
        AveragePixelPairs(pDC, pts, 20);
    }
    m_pPaintManager->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}

// State buttons

CXTPTabPaintManager::CAppearanceSetStateButtons::CAppearanceSetStateButtons()
{
    m_rcHeaderMargin.SetRect(2, 2, 4, 2);
    m_nRowMargin = 0;
}

void CXTPTabPaintManager::CAppearanceSetStateButtons::FillClient(CXTPTabManager*, CDC*, CRect)
{
}

void CXTPTabPaintManager::CAppearanceSetStateButtons::DrawSingleButton(CDC* pDC,
                                                                       CXTPTabManagerItem* pItem)
{
    GetColorSet()->FillStateButton(pDC, pItem->GetRect(), pItem);
    m_pPaintManager->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}

// Raised selected tab

CXTPTabPaintManager::CAppearanceSetVisualStudio::CAppearanceSetVisualStudio()
{
    m_rcHeaderMargin.SetRect(4, 2, 4, 0);
}

void CXTPTabPaintManager::CAppearanceSetVisualStudio::FillClient(CXTPTabManager* pTabManager,
                                                                 CDC* pDC, CRect rcControl)
{
    CColorSet* pColorSet = GetColorSet();
    pColorSet->FillHeader(pDC, GetHeaderRect(rcControl, pTabManager), pTabManager);
    CRect rcClient = GetClientRect(rcControl, pTabManager);
    pColorSet->FillClient(pDC, rcClient, pTabManager);
    FrameClient(pDC, rcClient, Resolve(pColorSet->m_clrFrameHighlight),
                Resolve(pColorSet->m_clrSelectedText));
}

void CXTPTabPaintManager::CAppearanceSetVisualStudio::DrawSingleButton(CDC* pDC,
                                                                       CXTPTabManagerItem* pItem)
{
    CColorSet* pColorSet = GetColorSet();
    int nPosition = GetPosition();
    CRect rc = pItem->GetRect();
    if (pItem->IsSelected())
    {
        InflateRectByPosition(rc, 0, 0, 0, 1, nPosition);
        pColorSet->FillItem(pDC, rc, pItem);
        XTPTabDraw3dRect(pDC, rc, Resolve(pColorSet->m_clrFrameHighlight),
                        Resolve(pColorSet->m_clrSelectedText));
    }
    else
    {
        COLORREF clrBorder = Resolve(pColorSet->m_clrFrameBorder);
        if (IsHorizontal(nPosition))
            XTPTabFillSolidRect(pDC, rc.right - 1, rc.top + 2, 1, rc.Height() - 4, clrBorder);
        else
            XTPTabFillSolidRect(pDC, rc.left + 2, rc.bottom - 1, rc.Width() - 4, 1, clrBorder);
    }
    m_pPaintManager->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}
