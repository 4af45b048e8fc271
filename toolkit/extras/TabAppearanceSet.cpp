// The appearance set base (header band, client rectangle, margins, frames
// and the shared line and polygon routines) and the property-page sets.
#include "toolkit/extras/TabAppearanceSets.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/TabColorSets.h"

#include <algorithm>

CXTPTabPaintManager::CAppearanceSet* CreateTabAppearanceSet(int nAppearance)
{
    using PM = CXTPTabPaintManager;
    switch (nAppearance)
    {
    case 1: return new PM::CAppearanceSetPropertyPageSelected();
    case 2: return new PM::CAppearanceSetPropertyPageFlat();
    case 3: return new PM::CAppearanceSetPropertyPage2003();
    case 4: return new PM::CAppearanceSetStateButtons();
    case 5: return new PM::CAppearanceSetVisualStudio();
    case 6: return new PM::CAppearanceSetFlat();
    case 7: return new PM::CAppearanceSetExcel();
    case 8: return new PM::CAppearanceSetVisio();
    case 9: return new PM::CAppearanceSetVisualStudio2005();
    default: return new PM::CAppearanceSetPropertyPage();
    }
}

CXTPTabPaintManager::CAppearanceSet::CAppearanceSet() = default;

CXTPTabPaintManager::CAppearanceSet::~CAppearanceSet() = default;

CXTPTabPaintManager::CColorSet* CXTPTabPaintManager::CAppearanceSet::GetColorSet() const
{
    return m_pPaintManager->GetColorSet();
}

int CXTPTabPaintManager::CAppearanceSet::GetPosition() const
{
    return m_pPaintManager->GetPosition();
}

COLORREF CXTPTabPaintManager::CAppearanceSet::Resolve(COLORREF clr)
{
    return CColorSet::Resolve(clr);
}

void CXTPTabPaintManager::CAppearanceSet::RefreshMetrics()
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CXTPFontDC font(&dc, m_pPaintManager->GetNormalFont());
    m_nButtonHeight = std::max<int>(18, dc.GetTextExtent(" ", 1).cy + 3);
}

CRect CXTPTabPaintManager::CAppearanceSet::GetHeaderRect(CRect rcControl,
                                                         const CXTPTabManager* pTabManager)
{
    CRect rcMargin = GetHeaderMargin();
    int nRows = pTabManager->GetRowTable().GetRowCount();
    int nHeight = GetButtonHeight(pTabManager);
    int nThick = nRows * nHeight + (nRows - 1) * m_nRowMargin + rcMargin.top + rcMargin.bottom;
    if (m_pPaintManager->GetLayout() == xtpTabLayoutRotated)
    {
        int nLongest = 0;
        for (int i = 0; i < pTabManager->GetItemCount(); ++i)
            nLongest = std::max<int>(nLongest, pTabManager->GetItem(i)->GetLength());
        nThick = std::max<int>(nThick, nLongest + rcMargin.top + rcMargin.bottom);
    }
    CRect rc = rcControl;
    switch (GetPosition())
    {
    case xtpTabPositionLeft: rc.right = rc.left + nThick; break;
    case xtpTabPositionBottom: rc.top = rc.bottom - nThick; break;
    case xtpTabPositionRight: rc.left = rc.right - nThick; break;
    default: rc.bottom = rc.top + nThick; break;
    }
    return rc;
}

CRect CXTPTabPaintManager::CAppearanceSet::GetClientRect(CRect rcControl,
                                                         const CXTPTabManager* pTabManager)
{
    CRect rcHeader = GetHeaderRect(rcControl, pTabManager);
    CRect rc = rcControl;
    switch (GetPosition())
    {
    case xtpTabPositionLeft: rc.left = rcHeader.right - 1; break;
    case xtpTabPositionBottom: rc.bottom = rcHeader.top + 1; break;
    case xtpTabPositionRight: rc.right = rcHeader.left + 1; break;
    default: rc.top = rcHeader.bottom - 1; break;
    }
    return rc;
}

CRect CXTPTabPaintManager::CAppearanceSet::GetHeaderMargin()
{
    return m_rcHeaderMargin;
}

CRect CXTPTabPaintManager::CAppearanceSet::GetClientMargin()
{
    return m_pPaintManager->GetClientMargin();
}

int CXTPTabPaintManager::CAppearanceSet::GetItemLength(CDC* pDC, CXTPTabManagerItem* pItem)
{
    return m_pPaintManager->DrawItemContent(pDC, pItem, CRect(0, 0, 0, 0), FALSE);
}

int CXTPTabPaintManager::CAppearanceSet::GetButtonHeight(const CXTPTabManager* pTabManager)
{
    CRect rcMargin = m_pPaintManager->GetButtonMargin();
    CSize szMin(0, 0);
    pTabManager->GetItemMetrics(nullptr, &szMin, nullptr);
    int nHeight = std::max<int>(m_nButtonHeight + rcMargin.top + rcMargin.bottom, static_cast<int>(szMin.cy));
    if (m_pPaintManager->IsShowIcons())
    {
        CSize szIcon = m_pPaintManager->GetIconSize();
        const_cast<CXTPTabManager*>(pTabManager)->DrawItemIcon(nullptr, CPoint(0, 0), nullptr,
                                                               FALSE, szIcon);
        int nIcon = std::max<int>(szIcon.cx, szIcon.cy);
        nHeight = std::max<int>(nHeight, nIcon + rcMargin.top + rcMargin.bottom + 4);
    }
    return nHeight;
}

CRect CXTPTabPaintManager::CAppearanceSet::GetButtonDrawRect(const CXTPTabManagerItem* pItem)
{
    return pItem->GetRect();
}

void CXTPTabPaintManager::CAppearanceSet::DrawTabControl(CXTPTabManager* pTabManager, CDC* pDC,
                                                         CRect rcControl)
{
    m_pPaintManager->PaintTabControl(pTabManager, pDC, rcControl);
}

void CXTPTabPaintManager::CAppearanceSet::FillClient(CXTPTabManager*, CDC*, CRect)
{
}

void CXTPTabPaintManager::CAppearanceSet::RepositionTabControl(CXTPTabManager* pTabManager,
                                                               CDC* pDC, CRect rcControl)
{
    m_pPaintManager->LayoutTabs(pTabManager, pDC, rcControl);
}

void CXTPTabPaintManager::CAppearanceSet::AdjustClientRect(CXTPTabManager* pTabManager,
                                                           CRect& rcClient)
{
    int nPosition = GetPosition();
    DeflateRectByPosition(rcClient, m_pPaintManager->GetControlMargin(), nPosition);
    rcClient = GetClientRect(rcClient, pTabManager);
    DeflateRectByPosition(rcClient, GetClientMargin(), nPosition);
    if (m_pPaintManager->GetClientFrame() == 0)
        rcClient.DeflateRect(2, 2, 2, 2);
    else if (m_pPaintManager->GetClientFrame() == 1)
        DeflateRectByPosition(rcClient, 0, 2, 0, 0, nPosition);
}

void CXTPTabPaintManager::CAppearanceSet::DrawSingleButton(CDC*, CXTPTabManagerItem*)
{
}

void CXTPTabPaintManager::CAppearanceSet::DrawFrame(CDC* pDC, CRect rc, int nKind)
{
    CColorSet* pColorSet = GetColorSet();
    COLORREF clrBorder = Resolve(pColorSet->m_clrFrameBorder);
    if (!m_pPaintManager->IsStaticFrame())
    {
        if (nKind == 1)
            rc.InflateRect(2, 2);
        else if (nKind == 2 || nKind == 3)
            XTPTabFillSolidRect(pDC, rc, Resolve(pColorSet->m_clrHeaderFace.clrLight));
        return;
    }
    switch (nKind)
    {
    case 0:
    {
        CRect rcInner = rc;
        rcInner.DeflateRect(1, 1);
        COLORREF clrFace = Resolve(COLOR_3DFACE);
        XTPTabDraw3dRect(pDC, rcInner, clrFace, clrFace);
        XTPTabDraw3dRect(pDC, rc, clrBorder, clrBorder);
        break;
    }
    case 1:
        rc.top -= 1;
        break;
    case 2:
    case 3:
        XTPTabFillSolidRect(pDC, rc, Resolve(pColorSet->m_clrHeaderFace.clrLight));
        if (nKind == 2)
            XTPTabFillSolidRect(pDC, rc.right - 1, rc.top, 1, rc.Height(), clrBorder);
        else
            XTPTabFillSolidRect(pDC, rc.left, rc.bottom - 1, rc.Width(), 1, clrBorder);
        break;
    }
}

// Shared drawing routines

void CXTPTabPaintManager::CAppearanceSet::Line(CDC* pDC, int x1, int y1, int x2, int y2,
                                               COLORREF clr)
{
    if (clr == static_cast<COLORREF>(-1))
        return;
    CXTPPenDC pen(pDC->GetSafeHdc(), clr);
    pDC->MoveTo(x1, y1);
    pDC->LineTo(x2, y2);
}

void CXTPTabPaintManager::CAppearanceSet::Line(CDC* pDC, CPoint pt1, CPoint pt2, COLORREF clr)
{
    Line(pDC, pt1.x, pt1.y, pt2.x, pt2.y, clr);
}

void CXTPTabPaintManager::CAppearanceSet::Polyline(CDC* pDC, const POINT* pPoints, int nCount,
                                                   COLORREF clr)
{
    if (clr == static_cast<COLORREF>(-1) || nCount < 2)
        return;
    CXTPPenDC pen(pDC->GetSafeHdc(), clr);
    pDC->Polyline(pPoints, nCount);
}

void CXTPTabPaintManager::CAppearanceSet::DrawSingleLineBorder(CDC* pDC, CRect rc, int nSide,
                                                               COLORREF clr)
{
    if (clr == static_cast<COLORREF>(-1))
        return;
    switch (nSide)
    {
    case xtpTabPositionLeft: XTPTabFillSolidRect(pDC, rc.left, rc.top, 1, rc.Height(), clr); break;
    case xtpTabPositionBottom: XTPTabFillSolidRect(pDC, rc.left, rc.bottom - 1, rc.Width(), 1, clr); break;
    case xtpTabPositionRight: XTPTabFillSolidRect(pDC, rc.right - 1, rc.top, 1, rc.Height(), clr); break;
    default: XTPTabFillSolidRect(pDC, rc.left, rc.top, rc.Width(), 1, clr); break;
    }
}

COLORREF CXTPTabPaintManager::CAppearanceSet::FillPolygon(CDC* pDC, const POINT* pPoints,
                                                          int nCount, CXTPTabManagerItem* pItem)
{
    CRect rcBound(pPoints[0], pPoints[0]);
    for (int i = 1; i < nCount; ++i)
    {
        rcBound.left = std::min<int>(rcBound.left, pPoints[i].x);
        rcBound.top = std::min<int>(rcBound.top, pPoints[i].y);
        rcBound.right = std::max<int>(rcBound.right, pPoints[i].x);
        rcBound.bottom = std::max<int>(rcBound.bottom, pPoints[i].y);
    }
    rcBound.right += 1;
    rcBound.bottom += 1;

    // The colour set paints into a bitmap the size of the polygon's bounds,
    // which is then copied through the polygon as clip.
    CDC dcMem;
    dcMem.CreateCompatibleDC(pDC);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(pDC->GetSafeHdc(), rcBound.Width(), rcBound.Height());
    COLORREF clrFill = static_cast<COLORREF>(-1);
    if (hBitmap)
    {
        HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hBitmap);
        dcMem.SetViewportOrg(-rcBound.left, -rcBound.top);
        clrFill = GetColorSet()->FillItem(&dcMem, rcBound, pItem);
        dcMem.SetViewportOrg(0, 0);

        int nSaved = pDC->SaveDC();
        HRGN hRgn = ::CreatePolygonRgn(pPoints, nCount, WINDING);
        // The region is in device units; the DC may have a shifted origin.
        CPoint ptOrg = pDC->GetViewportOrg();
        ::OffsetRgn(hRgn, ptOrg.x, ptOrg.y);
        ::ExtSelectClipRgn(pDC->GetSafeHdc(), hRgn, RGN_AND);
        ::DeleteObject(hRgn);
        pDC->BitBlt(rcBound.left, rcBound.top, rcBound.Width(), rcBound.Height(), &dcMem, 0, 0,
                    SRCCOPY);
        pDC->RestoreDC(nSaved);
        ::SelectObject(dcMem.GetSafeHdc(), hOld);
        ::DeleteObject(hBitmap);
    }
    return clrFill;
}

CRect CXTPTabPaintManager::CAppearanceSet::ToTopOrientation(CRect rc) const
{
    int nPosition = GetPosition();
    if (nPosition == xtpTabPositionLeft || nPosition == xtpTabPositionRight)
        return CRect(rc.top, rc.left, rc.bottom, rc.right);
    return rc;
}

void CXTPTabPaintManager::CAppearanceSet::TurnPoints(POINT* pPoints, int nCount,
                                                     const CRect& rcReal) const
{
    int nPosition = GetPosition();
    for (int i = 0; i < nCount; ++i)
    {
        POINT pt = pPoints[i];
        switch (nPosition)
        {
        case xtpTabPositionLeft: pPoints[i] = {pt.y, pt.x}; break;
        case xtpTabPositionBottom: pPoints[i] = {pt.x, rcReal.top + rcReal.bottom - 1 - pt.y}; break;
        case xtpTabPositionRight: pPoints[i] = {rcReal.left + rcReal.right - 1 - pt.y, pt.x}; break;
        default: break;
        }
    }
}

void CXTPTabPaintManager::CAppearanceSet::FrameClient(CDC* pDC, CRect rcClient,
                                                      COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    int nFrame = m_pPaintManager->GetClientFrame();
    if (nFrame == 0)
    {
        if (clrTopLeft != static_cast<COLORREF>(-1) && clrBottomRight != static_cast<COLORREF>(-1))
            XTPTabDraw3dRect(pDC, rcClient, clrTopLeft, clrBottomRight);
    }
    else if (nFrame == 1)
    {
        int nPosition = GetPosition();
        BOOL bFar = nPosition == xtpTabPositionBottom || nPosition == xtpTabPositionRight;
        DrawSingleLineBorder(pDC, rcClient, nPosition, bFar ? clrBottomRight : clrTopLeft);
    }
}

// Property page

CXTPTabPaintManager::CAppearanceSetPropertyPage::CAppearanceSetPropertyPage()
{
    m_rcHeaderMargin.SetRect(2, 3, 6, 0);
}

CRect CXTPTabPaintManager::CAppearanceSetPropertyPage::GetClientMargin()
{
    CRect rc = m_pPaintManager->GetClientMargin();
    if (GetColorSet()->IsAppThemed() && m_pPaintManager->GetClientFrame() == 0)
    {
        rc.right += 2;
        int nPosition = GetPosition();
        if (nPosition == xtpTabPositionTop || nPosition == xtpTabPositionLeft)
            rc.bottom += 2;
    }
    return rc;
}

CRect CXTPTabPaintManager::CAppearanceSetPropertyPage::GetButtonDrawRect(
    const CXTPTabManagerItem* pItem)
{
    CRect rc = pItem->GetRect();
    rc.InflateRect(2, 2);
    return rc;
}

void CXTPTabPaintManager::CAppearanceSetPropertyPage::FillClient(CXTPTabManager* pTabManager,
                                                                 CDC* pDC, CRect rcControl)
{
    CColorSet* pColorSet = GetColorSet();
    int nPosition = GetPosition();
    CRect rcHeader = GetHeaderRect(rcControl, pTabManager);
    InflateRectByPosition(rcHeader, 0, 0, 0, 1, nPosition);
    pColorSet->FillHeader(pDC, rcHeader, pTabManager);

    CRect rcClient = GetClientRect(rcControl, pTabManager);
    COLORREF clrLight = Resolve(pColorSet->m_clrButtonHighlight);
    COLORREF clrDark = Resolve(pColorSet->m_clrButtonDarkShadow);
    COLORREF clrShadow = Resolve(pColorSet->m_clrButtonShadow);
    int nFrame = m_pPaintManager->GetClientFrame();
    if (nFrame == 0)
    {
        pColorSet->FillClient(pDC, rcClient, pTabManager);
        if (clrLight != static_cast<COLORREF>(-1) && clrDark != static_cast<COLORREF>(-1))
            XTPTabDraw3dRect(pDC, rcClient, clrLight, clrDark);
        Line(pDC, rcClient.left + 1, rcClient.bottom - 2, rcClient.right - 1, rcClient.bottom - 2,
             clrShadow);
        Line(pDC, rcClient.right - 2, rcClient.top + 1, rcClient.right - 2, rcClient.bottom - 1,
             clrShadow);
    }
    else if (nFrame == 1)
    {
        switch (nPosition)
        {
        case xtpTabPositionTop: DrawSingleLineBorder(pDC, rcClient, xtpTabPositionTop, clrLight); break;
        case xtpTabPositionLeft: DrawSingleLineBorder(pDC, rcClient, xtpTabPositionLeft, clrLight); break;
        case xtpTabPositionBottom:
            DrawSingleLineBorder(pDC, rcClient, xtpTabPositionBottom, clrDark);
            Line(pDC, rcClient.left, rcClient.bottom - 2, rcClient.right, rcClient.bottom - 2, clrShadow);
            break;
        case xtpTabPositionRight:
            DrawSingleLineBorder(pDC, rcClient, xtpTabPositionRight, clrDark);
            Line(pDC, rcClient.right - 2, rcClient.top, rcClient.right - 2, rcClient.bottom, clrShadow);
            break;
        }
    }
}

void CXTPTabPaintManager::CAppearanceSetPropertyPage::DrawSingleButton(CDC* pDC,
                                                                       CXTPTabManagerItem* pItem)
{
    DrawPropertyPageTab(pDC, pItem);
}

// The outline is laid down for a top header and turned: light edges on
// the tab's start and outer side, dark edges on its end.
void CXTPTabPaintManager::CAppearanceSetPropertyPage::DrawPropertyPageTab(CDC* pDC,
                                                                          CXTPTabManagerItem* pItem)
{
    CColorSet* pColorSet = GetColorSet();
    int nPosition = GetPosition();
    CRect rc = pItem->GetRect();
    BOOL bSelected = pItem->IsSelected();
    if (bSelected)
    {
        if (nPosition == xtpTabPositionBottom || nPosition == xtpTabPositionRight)
            rc.InflateRect(2, 2);
        else
            InflateRectByPosition(rc, 2, 2, 2, 0, nPosition);
    }

    CRect rcTop = ToTopOrientation(rc);
    auto turnedLine = [&](int x1, int y1, int x2, int y2, COLORREF clr) {
        POINT pts[2] = {{x1, y1}, {x2, y2}};
        TurnPoints(pts, 2, rc);
        Line(pDC, pts[0], pts[1], clr);
    };
    auto turnedRect = [&](int l, int t, int r, int b) {
        POINT pts[2] = {{l, t}, {r - 1, b - 1}};
        TurnPoints(pts, 2, rc);
        return CRect(std::min<int>(pts[0].x, pts[1].x), std::min<int>(pts[0].y, pts[1].y),
                     std::max<int>(pts[0].x, pts[1].x) + 1, std::max<int>(pts[0].y, pts[1].y) + 1);
    };

    int l = rcTop.left, t = rcTop.top, r = rcTop.right, b = rcTop.bottom;
    COLORREF clrFill = pColorSet->FillItem(pDC, turnedRect(l + 1, t + 1, r - 1, b - 1), pItem);

    COLORREF clrLight = Resolve(pColorSet->m_clrButtonHighlight);
    COLORREF clrDark = Resolve(pColorSet->m_clrButtonDarkShadow);
    COLORREF clrShadow = Resolve(pColorSet->m_clrButtonShadow);
    turnedLine(l, b - 1, l, t + 1, clrLight);
    turnedLine(l + 1, t + 1, l + 2, t + 1, clrLight);
    turnedLine(l + 2, t, r - 2, t, clrLight);
    turnedLine(r - 2, t + 1, r - 1, t + 1, clrDark);
    turnedLine(r - 1, t + 2, r - 1, b - 1, clrDark);
    turnedLine(r - 2, t + 2, r - 2, b - 1, clrShadow);
    // The selected tab of the row next to the client area merges with it.
    if (bSelected && pItem->GetItemRow() == 0)
        turnedLine(l + 1, b - 1, r - 2, b - 1, clrFill);

    m_pPaintManager->DrawItemContent(pDC, pItem, rc, TRUE);
}

void CXTPTabPaintManager::CAppearanceSetPropertyPageSelected::DrawSingleButton(
    CDC* pDC, CXTPTabManagerItem* pItem)
{
    if (pItem->IsSelected() || pItem->IsHighlighted())
        DrawPropertyPageTab(pDC, pItem);
    else
        m_pPaintManager->DrawItemContent(pDC, pItem, pItem->GetRect(), TRUE);
}
