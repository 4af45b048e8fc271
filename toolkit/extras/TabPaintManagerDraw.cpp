// Drawing of a tab strip: frame, client and header background, the rows of
// tabs from the farthest to row 0 (each tab overlapping the one after it,
// the selected tab on top), the navigate buttons, and the contents of one
// tab: icon, caption (turned on a left or right header) and focus
// rectangle. DrawItemContent also measures, so that what is drawn and what
// the layout reserved come from one place.
#include "toolkit/extras/TabPaintManager.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/TabAppearanceSets.h"
#include "toolkit/extras/TabColorSets.h"
#include "toolkit/extras/TabNavigateButton.h"

#include <algorithm>
#include <vector>

void CXTPTabPaintManager::PaintTabControl(CXTPTabManager* pTabManager, CDC* pDC, CRect rcControl)
{
    if (m_bStaticFrame)
    {
        COLORREF clrBorder = CColorSet::Resolve(m_pColorSet->m_clrFrameBorder);
        XTPTabDraw3dRect(pDC, rcControl, clrBorder, clrBorder);
        rcControl.DeflateRect(1, 1, 1, 1);
        COLORREF clrFace = CColorSet::Resolve(m_pColorSet->m_clrControlFace);
        XTPTabDraw3dRect(pDC, rcControl, clrFace, clrFace);
        DeflateRectByPosition(rcControl, 1, 0, 1, 1, m_nPosition);
    }
    if (m_bFillBackground)
        XTPTabFillSolidRect(pDC, rcControl, CColorSet::Resolve(m_pColorSet->m_clrControlFace));
    DeflateRectByPosition(rcControl, m_rcControlMargin, m_nPosition);
    pDC->SetBkMode(TRANSPARENT);
    if (m_bFillBackground)
        m_pAppearanceSet->FillClient(pTabManager, pDC, rcControl);

    int nSaved = pDC->SaveDC();
    CRect rcClip;
    if (m_bClipHeader)
    {
        CRect rcHeader = pTabManager->GetHeaderRect();
        pDC->IntersectClipRect(rcHeader);
        m_pColorSet->AdjustHeaderClip(pDC, rcHeader, pTabManager);
    }
    pDC->GetClipBox(rcClip);
    for (int nRow = pTabManager->GetRowTable().GetRowCount() - 1; nRow >= 0; --nRow)
        DrawRow(pTabManager, pDC, nRow, rcClip);
    pDC->RestoreDC(nSaved);

    for (int i = pTabManager->GetNavigateButtonCount() - 1; i >= 0; --i)
        pTabManager->GetNavigateButton(i)->Draw(pDC);
}

void CXTPTabPaintManager::DrawRow(CXTPTabManager* pTabManager, CDC* pDC, int nRow,
                                  const CRect& rcClip)
{
    std::vector<CXTPTabManagerItem*> arrRow;
    for (CXTPTabManagerItem* pItem : pTabManager->m_arrItems)
    {
        if (pItem->GetItemRow() != nRow || !pItem->IsVisible())
            continue;
        CRect rcDraw = m_pAppearanceSet->GetButtonDrawRect(pItem);
        CRect rcMeet;
        if (rcMeet.IntersectRect(rcDraw, rcClip))
            arrRow.push_back(pItem);
    }
    CXTPTabManagerItem* pSelected = pTabManager->GetSelectedItem();
    auto itSelected = std::find(arrRow.begin(), arrRow.end(), pSelected);
    if (itSelected != arrRow.end() && m_pAppearanceSet->IsSelectedInMiddle())
    {
        for (auto it = arrRow.begin(); it != itSelected; ++it)
            m_pAppearanceSet->DrawSingleButton(pDC, *it);
        for (auto it = arrRow.end(); it != itSelected + 1; --it)
            m_pAppearanceSet->DrawSingleButton(pDC, *(it - 1));
    }
    else
    {
        for (auto it = arrRow.rbegin(); it != arrRow.rend(); ++it)
        {
            if (*it != pSelected)
                m_pAppearanceSet->DrawSingleButton(pDC, *it);
        }
    }
    if (itSelected != arrRow.end())
        m_pAppearanceSet->DrawSingleButton(pDC, pSelected);
}

int CXTPTabPaintManager::MeasureWidestCaption(CDC* pDC, CXTPTabManager* pTabManager,
                                              BOOL bVertical)
{
    UINT nFormat = DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP | (m_bDrawTextNoPrefix ? DT_NOPREFIX : 0);
    int nWidest = 0;
    for (CXTPTabManagerItem* pItem : pTabManager->m_arrItems)
    {
        CXTPFontDC font(pDC, pItem->IsSelected() && m_bBoldSelected && pTabManager->IsActive()
                                 ? GetBoldFont(bVertical)
                                 : GetNormalFont(bVertical));
        CRect rcText(0, 0, 0, 0);
        CString strCaption = pItem->GetCaption();
        pDC->DrawText(strCaption, rcText, nFormat);
        nWidest = std::max<int>(nWidest, rcText.Width());
    }
    return nWidest;
}

int CXTPTabPaintManager::DrawItemContent(CDC* pDC, CXTPTabManagerItem* pItem, CRect rcItem,
                                         BOOL bDraw)
{
    CXTPTabManager* pTabManager = pItem->GetTabManager();
    BOOL bHorizontalHeader = pTabManager->IsHorizontalPosition();
    BOOL bVertical = m_nLayout == xtpTabLayoutRotated ? bHorizontalHeader : !bHorizontalHeader;
    BOOL bSelected = pItem->IsSelected();
    CFont* pFont = m_bBoldSelected && bSelected && pTabManager->IsActive() ? GetBoldFont(bVertical)
                                                                           : GetNormalFont(bVertical);
    // The layout selects the normal font once for all tabs it measures.
    BOOL bFontSelected = ::GetCurrentObject(pDC->GetSafeHdc(), OBJ_FONT) == pFont->GetSafeHandle();
    CXTPFontDC font(pDC, bFontSelected ? nullptr : pFont);

    CSize szIcon = m_szIcon;
    BOOL bIcon = m_bShowIcons &&
                 pTabManager->DrawItemIcon(pDC, CPoint(0, 0), pItem, FALSE, szIcon);
    int nIconExtent = bIcon ? (bVertical ? szIcon.cy : szIcon.cx) : 0;
    BOOL bShowCaption = m_nLayout != xtpTabLayoutCompressed || bSelected;
    CString strCaption = pItem->GetCaption();
    if (m_bStripMnemonics && !bVertical)
        StripMnemonics(strCaption);
    BOOL bNoPrefix = m_bDrawTextNoPrefix || (m_bStripMnemonics && !bVertical);
    const CRect& rcInset = m_rcButtonTextPadding;

    if (!bDraw)
    {
        CSize szMin, szMax;
        pTabManager->GetItemMetrics(nullptr, &szMin, &szMax);
        switch (m_nLayout)
        {
        case xtpTabLayoutFixed:
        {
            CSize szFixed;
            pTabManager->GetItemMetrics(&szFixed, nullptr, nullptr);
            return ClampTabLength(szFixed.cx, szMin.cx, szMax.cx);
        }
        case xtpTabLayoutCompressed:
            if (!bSelected)
                return ClampTabLength(nIconExtent + 8, szMin.cx, szMax.cx);
            return ClampTabLength(MeasureWidestCaption(pDC, pTabManager, bVertical) +
                                      rcInset.left + rcInset.right + nIconExtent,
                                  szMin.cx, szMax.cx);
        default:
            return ClampTabLength(rcInset.left + rcInset.right + nIconExtent +
                                      GetTextExtent(pDC, strCaption, bNoPrefix ? DT_NOPREFIX : 0),
                                  szMin.cx, szMax.cx);
        }
    }

    m_pColorSet->SetTextColor(pDC, pItem);
    int nExtra = pItem->GetLength() - pItem->GetFullLength();
    int nPosition = m_nPosition;
    const CRect& rcMargin = m_rcButtonMargin;
    CRect rc = rcItem;

    if (!bVertical)
    {
        if (nExtra > 0 && m_nLayout != xtpTabLayoutRotated)
            rc.DeflateRect(nExtra / 2, 0, nExtra - nExtra / 2, 0);
        rc.left += rcInset.left + rcMargin.left;
        if (nPosition == xtpTabPositionBottom)
            rc.DeflateRect(0, rcMargin.bottom, 0, rcMargin.top);
        else
            rc.DeflateRect(0, rcMargin.top, 0, rcMargin.bottom);
        if (bIcon && szIcon.cx < rc.Width())
        {
            CPoint pt(rc.left - 1, rc.top + (rc.Height() - szIcon.cy) / 2);
            pTabManager->DrawItemIcon(pDC, pt, pItem, TRUE, szIcon);
            rc.left += szIcon.cx + 2;
        }
        if (bShowCaption && rc.Width() > 0)
        {
            rc.right -= rcInset.right + rcMargin.right - (bIcon ? 2 : 0);
            UINT nFormat = DT_SINGLELINE | m_nDrawTextFormat | (bNoPrefix ? DT_NOPREFIX : 0);
            if (m_bDrawTextPathEllipsis)
                DrawTextPathEllipsis(pDC, strCaption, rc, nFormat);
            else
                pDC->DrawText(strCaption, rc, nFormat | (m_bDrawTextEndEllipsis ? DT_END_ELLIPSIS : 0));
        }
    }
    else
    {
        if (nExtra > 0 && m_nLayout != xtpTabLayoutRotated)
            rc.DeflateRect(0, nExtra / 2, 0, nExtra - nExtra / 2);
        rc.top += rcInset.left + rcMargin.left;
        if (nPosition == xtpTabPositionRight)
            rc.DeflateRect(rcMargin.bottom, 0, rcMargin.top, 0);
        else
            rc.DeflateRect(rcMargin.top, 0, rcMargin.bottom, 0);
        if (bIcon && szIcon.cy < rc.Height())
        {
            CPoint pt(rc.left + (rc.Width() - szIcon.cx) / 2, rc.top);
            pTabManager->DrawItemIcon(pDC, pt, pItem, TRUE, szIcon);
            rc.top += szIcon.cy + 2;
        }
        if (bShowCaption && rc.Height() > 8)
        {
            rc.bottom -= std::max<int>(rcInset.right - 4, 0) + rcMargin.right;
            if (!m_bDrawTextNoPrefix)
                StripMnemonics(strCaption);
            TEXTMETRICA tm = {};
            pDC->GetTextMetrics(&tm);
            // The turned text hangs to the left of its starting point and
            // runs downwards: a rectangle as long as the room along the tab
            // gives DrawText the length to shorten against.
            int xStart = rc.left + (rc.Width() + tm.tmHeight) / 2;
            CRect rcText(xStart, rc.top, xStart + std::max<int>(rc.Height(), 0), rc.top + tm.tmHeight);
            UINT nFormat = DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
            if (m_bDrawTextPathEllipsis)
                DrawTextPathEllipsis(pDC, strCaption, rcText, nFormat);
            else
                pDC->DrawText(strCaption, rcText, nFormat | (m_bDrawTextEndEllipsis ? DT_END_ELLIPSIS : 0));
        }
    }
    if (bSelected && pTabManager->IsFocused())
        DrawFocusRect(pDC, pItem, pItem->GetRect());
    return 0;
}

void CXTPTabPaintManager::DrawTextPathEllipsis(CDC* pDC, const CString& strText, CRect rc,
                                               UINT nFormat)
{
    if (strText.Find('\\') >= 0)
    {
        pDC->DrawText(strText, rc, nFormat | DT_PATH_ELLIPSIS);
        return;
    }
    int nRoom = rc.Width();
    int nWidth = GetTextExtent(pDC, strText, DT_NOPREFIX);
    if (nWidth <= nRoom)
    {
        pDC->DrawText(strText, rc, nFormat);
        return;
    }
    const CString strEllipsis("...");
    int nRoomText = nRoom - GetTextExtent(pDC, strEllipsis, DT_NOPREFIX);
    int nLength = strText.GetLength();
    if (nRoomText < 0 || nLength == 0)
    {
        pDC->DrawText(strEllipsis, rc, nFormat);
        return;
    }
    // n characters are kept: n - n/2 from the start and n/2 from the end.
    auto pieces = [&](int n) {
        return std::make_pair(strText.Left(n - n / 2), strText.Right(n / 2));
    };
    auto piecesWidth = [&](int n) {
        auto kept = pieces(n);
        return GetTextExtent(pDC, kept.first, DT_NOPREFIX) +
               GetTextExtent(pDC, kept.second, DT_NOPREFIX);
    };
    int n = std::max<int>(0, std::min<int>(nLength, nRoomText * nLength / std::max<int>(nWidth, 1)));
    while (n < nLength && piecesWidth(n + 1) <= nRoomText)
        ++n;
    while (n > 0 && piecesWidth(n) > nRoomText)
        --n;
    auto kept = pieces(n);
    pDC->DrawText(kept.first + strEllipsis + kept.second, rc, nFormat);
}
