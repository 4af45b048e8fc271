// The visual-style colour set: while the "TAB" style is active the pane,
// the tabs and the client corner come from it, and while the "TOOLBAR"
// style is active so do pressed state buttons and navigate buttons.
// Without the styles it draws as the default set.
//
// The style draws tabs only for a top header: for the other positions the
// part is drawn upright into a bitmap whose pixels are then turned.
#include "toolkit/extras/TabColorSets.h"

#include "framework/ui/Dc.h"
#include "toolkit/extras/TabAppearanceSets.h"
#include "toolkit/extras/TabBitmap.h"
#include "toolkit/extras/TabNavigateButton.h"

namespace {

const COLORREF NONE = static_cast<COLORREF>(-1);

// Parts and states of the styles' "TAB" and "TOOLBAR" classes.
const int TABP_TABITEM = 5;
const int TABP_TABITEMLEFTEDGE = 6;
const int TABP_TABITEMRIGHTEDGE = 7;
const int TABP_PANE = 9;
const int TP_BUTTON = 1;

} // namespace

void CXTPTabPaintManager::CColorSetWinXP::RefreshColors()
{
    CColorSetDefault::RefreshColors();
    m_themeTab.OpenThemeData(nullptr, L"TAB");
    if (IsAppThemed())
    {
        m_clrButtonHighlight.SetStandardValue(NONE);
        m_clrButtonShadow.SetStandardValue(NONE);
        m_clrButtonDarkShadow.SetStandardValue(NONE);
        m_clrHighlightText.SetStandardValue(m_clrButtonText.GetStandardColor());
        m_clrHighlightText.SetCustomValue(m_clrButtonText.GetCustomColor());
    }
    m_themeToolBar.OpenThemeData(nullptr, L"TOOLBAR");
}

BOOL CXTPTabPaintManager::CColorSetWinXP::IsAppThemed()
{
    return m_themeTab.IsAppThemed();
}

BOOL CXTPTabPaintManager::CColorSetWinXP::IsToolBarThemed()
{
    return m_themeToolBar.IsAppThemed();
}

void CXTPTabPaintManager::CColorSetWinXP::FillClient(CDC* pDC, CRect rc, CXTPTabManager* pTabManager)
{
    if (!IsAppThemed())
    {
        CColorSetDefault::FillClient(pDC, rc, pTabManager);
        return;
    }
    int nPosition = pTabManager->GetPosition();
    if (nPosition == xtpTabPositionBottom)
        rc.bottom += 1;
    else if (nPosition == xtpTabPositionRight)
        rc.right += 1;
    m_themeTab.DrawThemeBackground(pDC->GetSafeHdc(), TABP_PANE, 0, &rc, nullptr);
}

void CXTPTabPaintManager::CColorSetWinXP::DrawThemedPart(CDC* pDC, CRect rc, int nPart,
                                                         int nState, int nPosition)
{
    BOOL bVertical = nPosition == xtpTabPositionLeft || nPosition == xtpTabPositionRight;
    int cx = rc.Width(), cy = rc.Height();
    int cxTop = bVertical ? cy : cx;
    int cyTop = bVertical ? cx : cy;
    if (cx <= 0 || cy <= 0)
        return;
    DWORD* pUpright = nullptr;
    DWORD* pTurned = nullptr;
    HBITMAP hUpright = CreateTabTopDownDib(cxTop, cyTop, &pUpright);
    HBITMAP hTurned = CreateTabTopDownDib(cx, cy, &pTurned);
    if (hUpright && hTurned)
    {
        CDC dcMem;
        dcMem.CreateCompatibleDC(pDC);
        HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hUpright);
        CRect rcUpright(0, 0, cxTop, cyTop);
        dcMem.FillSolidRect(rcUpright, Resolve(COLOR_3DFACE));
        m_themeTab.DrawThemeBackground(dcMem.GetSafeHdc(), nPart, nState, &rcUpright, nullptr);
        ::GdiFlush();
        for (int y = 0; y < cy; ++y)
        {
            for (int x = 0; x < cx; ++x)
            {
                int xs = x, ys = y;
                switch (nPosition)
                {
                case xtpTabPositionLeft: xs = y; ys = x; break;
                case xtpTabPositionBottom: ys = cy - 1 - y; break;
                case xtpTabPositionRight: xs = y; ys = cx - 1 - x; break;
                default: break;
                }
                pTurned[y * cx + x] = pUpright[ys * cxTop + xs];
            }
        }
        ::SelectObject(dcMem.GetSafeHdc(), hOld);
        dcMem.DeleteDC();
        pDC->DrawState(rc.TopLeft(), CSize(cx, cy), hTurned, DST_BITMAP);
    }
    if (hUpright)
        ::DeleteObject(hUpright);
    if (hTurned)
        ::DeleteObject(hTurned);
}

COLORREF CXTPTabPaintManager::CColorSetWinXP::FillItem(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem)
{
    if (!IsAppThemed())
        return CColorSetDefault::FillItem(pDC, rc, pItem);
    CXTPTabManager* pTabManager = pItem->GetTabManager();
    int nPosition = pTabManager->GetPosition();
    BOOL bSelected = pItem->IsSelected();
    int nPart = TABP_TABITEM;
    if (pItem->GetIndex() == 0)
        nPart = TABP_TABITEMLEFTEDGE;
    else if (pItem->GetIndex() == pTabManager->GetItemCount() - 1 && !bSelected)
        nPart = TABP_TABITEMRIGHTEDGE;
    int nState = bSelected ? 3 : pItem->IsHighlighted() ? 2 : 1;
    if (bSelected && nPosition == xtpTabPositionTop)
        rc.bottom += 2;
    else if (bSelected && nPosition == xtpTabPositionLeft)
        rc.right += 1;
    if (nPosition == xtpTabPositionTop)
    {
        rc.InflateRect(1, 1, 1, 0);
        m_themeTab.DrawThemeBackground(pDC->GetSafeHdc(), nPart, nState, &rc, nullptr);
    }
    else
    {
        DrawThemedPart(pDC, rc, nPart, nState, nPosition);
    }
    return NONE;
}

void CXTPTabPaintManager::CColorSetWinXP::AdjustHeaderClip(CDC* pDC, CRect,
                                                           CXTPTabManager* pTabManager)
{
    if (!IsAppThemed())
        return;
    CRect rcClient = m_pPaintManager->GetAppearanceSet()->GetClientRect(
        pTabManager->GetControlRect(), pTabManager);
    CPoint pt;
    switch (pTabManager->GetPosition())
    {
    case xtpTabPositionBottom: pt = CPoint(rcClient.left, rcClient.bottom - 2); break;
    case xtpTabPositionRight: pt = CPoint(rcClient.right - 2, rcClient.top); break;
    default: pt = rcClient.TopLeft(); break;
    }
    pDC->ExcludeClipRect(pt.x, pt.y, pt.x + 1, pt.y + 1);
}

void CXTPTabPaintManager::CColorSetWinXP::FillStateButton(CDC* pDC, CRect rc,
                                                          CXTPTabManagerItem* pItem)
{
    if (!IsToolBarThemed() || !pItem->IsSelected())
    {
        CColorSetDefault::FillStateButton(pDC, rc, pItem);
        return;
    }
    m_themeToolBar.DrawThemeBackground(pDC->GetSafeHdc(), TP_BUTTON,
                                       pItem->IsHighlighted() ? 6 : 5, &rc, nullptr);
}

void CXTPTabPaintManager::CColorSetWinXP::DrawNavigateButtonFrame(
    CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc)
{
    if (!IsToolBarThemed())
    {
        CColorSetDefault::DrawNavigateButtonFrame(pDC, pButton, rc);
        return;
    }
    if (pButton->IsEnabled())
    {
        int nState = pButton->IsPressed() ? 3 : pButton->IsHighlighted() ? 2 : 1;
        m_themeToolBar.DrawThemeBackground(pDC->GetSafeHdc(), TP_BUTTON, nState, &rc, nullptr);
    }
    pDC->SetTextColor(Resolve(COLOR_BTNTEXT));
}
