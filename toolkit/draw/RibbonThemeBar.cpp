// The ribbon's own elements: bar and groups backgrounds, groups, tabs, the
// buttons of reduced groups, the quick access buttons, scroll buttons and
// context headers. Without the style images each gets a plain drawing in
// the ribbon's colours, so a ribbon shows under any theme.
#include "toolkit/draw/RibbonTheme.h"

#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/controls/Control.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ImageManagerIcon.h"
#include "toolkit/draw/Office2007Image.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/extras/RibbonBar.h"
#include "toolkit/extras/RibbonGroup.h"
#include "toolkit/extras/RibbonGroupPopup.h"
#include "toolkit/extras/RibbonTab.h"
#include "toolkit/extras/TabPaintManager.h"

#include <algorithm>

namespace {

const CRect kMargins2(2, 2, 2, 2);
const CRect kMargins3(3, 3, 3, 3);
const CRect kMargins5(5, 5, 5, 5);
const CRect kMargins8(8, 8, 8, 8);
const COLORREF kMagenta = RGB(255, 0, 255);

// The ribbon a control is drawn for: its bar, or the command bars' menu bar.
CXTPRibbonBar* RibbonOfControl(CXTPControl* pControl)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (!pBar)
        return nullptr;
    if (pBar->IsRibbonBar())
        return static_cast<CXTPRibbonBar*>(pBar);
    if (CXTPRibbonGroup* pGroup = pControl->GetRibbonGroup())
        return pGroup->GetRibbonBar();
    CXTPCommandBars* pCommandBars = pBar->GetCommandBars();
    CXTPMenuBar* pMenuBar = pCommandBars ? pCommandBars->GetMenuBar() : nullptr;
    return pMenuBar && pMenuBar->IsRibbonBar() ? static_cast<CXTPRibbonBar*>(pMenuBar) : nullptr;
}

// The frame of a button by its state: 2 popup open or pressed, 1 hot, 0 otherwise.
int ButtonFrame(CXTPControl* pControl)
{
    if (pControl->IsPopupOpen() || pControl->GetPressed())
        return 2;
    return pControl->GetSelected() ? 1 : 0;
}

CString ContextImageName(LPCSTR lpszPattern, int nColor)
{
    CString strName;
    strName.Format(lpszPattern, CXTPRibbonTheme::GetContextColorName(nColor));
    return strName;
}

} // namespace

void CXTPRibbonTheme::FillRibbonBar(CDC* pDC, CXTPRibbonBar* pRibbonBar)
{
    CRect rcClient;
    pRibbonBar->GetClientRect(&rcClient);
    pDC->FillSolidRect(rcClient, m_clrRibbonFace);
    if (pRibbonBar->IsQuickAccessVisible() && pRibbonBar->IsQuickAccessBelow())
    {
        const CRect rcQuickAccess = pRibbonBar->GetQuickAccessRect();
        if (!DrawImage(pDC, "RIBBONQUICKACCESSFRAME", rcQuickAccess, 0, 1, kMargins3))
        {
            CXTPPaintManager::HorizontalLine(pDC, rcQuickAccess.left, rcQuickAccess.top, rcQuickAccess.right,
                                             m_clrRibbonGroupBorder);
        }
    }
}

void CXTPRibbonTheme::FillGroupsArea(CDC* pDC, CXTPRibbonTab* pTab, CRect rcGroups)
{
    const int nContext = pTab ? pTab->GetContextColor() : 0;
    const CString strImage = nContext ? ContextImageName("CONTEXTTAB%sCLIENT", nContext) : CString("RIBBONGROUPS");
    if (DrawImage(pDC, strImage, rcGroups, 0, 1, kMargins8))
        return;
    pDC->FillSolidRect(rcGroups, ResolveColor(COLOR_3DHILIGHT));
    pDC->Draw3dRect(rcGroups, m_clrRibbonGroupBorder, m_clrRibbonGroupBorder);
}

void CXTPRibbonTheme::DrawRibbonGroup(CDC* pDC, CXTPRibbonGroup* pGroup)
{
    if (pGroup->IsReduced())
        return;
    const CRect rcGroup = pGroup->GetRect();
    CRect rcCaption(rcGroup.left, rcGroup.bottom - m_nGroupCaptionHeight, rcGroup.right, rcGroup.bottom);
    CRect rcClient(rcGroup.left, rcGroup.top, rcGroup.right, rcCaption.top);
    const BOOL bContext = pGroup->GetParentTab() && pGroup->GetParentTab()->GetContextColor() != 0;
    const int nFrame = pGroup->IsHighlighted() ? 1 : 0;
    const BOOL bClient = DrawImage(pDC, bContext ? "CONTEXTTABGROUPCLIENT" : "RIBBONGROUPCLIENT",
                                        rcClient, nFrame, 2, kMargins5);
    const BOOL bCaption = DrawImage(pDC, bContext ? "CONTEXTTABGROUPCAPTION" : "RIBBONGROUPCAPTION",
                                         rcCaption, nFrame, 2, kMargins5);
    if (!bClient || !bCaption)
    {
        if (nFrame)
            pDC->FillSolidRect(rcGroup, CXTPDrawHelpers::MixColor(ResolveColor(COLOR_3DHILIGHT), m_clrRibbonFace, 0.5));
        pDC->FillSolidRect(rcCaption, m_clrRibbonFace);
        pDC->Draw3dRect(rcGroup, m_clrRibbonGroupBorder, m_clrRibbonGroupBorder);
    }

    // The caption: single ampersands out, a doubled one kept once.
    CString strCaption;
    const CString strSource = pGroup->GetCaption();
    for (int i = 0; i < strSource.GetLength(); ++i)
    {
        if (strSource[i] == '&')
        {
            if (i + 1 < strSource.GetLength() && strSource[i + 1] == '&')
                strCaption += '&', ++i;
            continue;
        }
        strCaption += strSource[i];
    }
    CRect rcText = rcCaption;
    rcText.OffsetRect(0, -1);
    if (pGroup->IsOptionButtonVisible())
        rcText.right -= 16;
    CXTPFontDC font(pDC, &m_fontGroupCaption);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_clrGroupCaptionText);
    pDC->DrawText(strCaption, rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

CSize CXTPRibbonTheme::DrawGroupPopupButton(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    CXTPRibbonBar* pRibbonBar = RibbonOfControl(pControl);
    const int nHeight = pRibbonBar ? pRibbonBar->GetGroupsHeight() - 7 : 86;
    if (!bDraw)
    {
        const CSize szCaption = DrawTwoLineCaption(pDC, pControl, CRect(0, 0, 0, 0), FALSE, FALSE, FALSE);
        return CSize(std::max(42, static_cast<int>(szCaption.cx) + 10), nHeight);
    }
    const CRect rc = pControl->GetRect();
    CXTPRibbonGroup* pGroup = pControl->GetRibbonGroup();
    const int nContext = pGroup && pGroup->GetParentTab() ? pGroup->GetParentTab()->GetContextColor() : 0;
    const CString strImage = nContext ? ContextImageName("CONTEXTTAB%sGROUPBUTTON", nContext)
                                      : CString("RIBBONGROUPBUTTON");
    if (!DrawImage(pDC, strImage, rc, ButtonFrame(pControl), 3, kMargins5))
    {
        pDC->Draw3dRect(rc, m_clrRibbonGroupBorder, m_clrRibbonGroupBorder);
        if (ButtonFrame(pControl))
        {
            CRect rcFace = rc;
            rcFace.DeflateRect(1, 1);
            pDC->FillSolidRect(rcFace, ResolveColor(COLOR_3DHILIGHT));
        }
    }
    int yCaption = rc.top + 4;
    if (CXTPImageManagerIcon* pIcon = pControl->GetImage(16))
    {
        const CSize szIcon(16, 16);
        CXTPOffice2007Image* pIconBack = GetImage("RIBBONGROUPBUTTONICON");
        if (pIconBack)
        {
            const CSize szBack = pIconBack->GetExtent();
            const CRect rcBack(CPoint(rc.CenterPoint().x - szBack.cx / 2, rc.top + 2), szBack);
            pIconBack->DrawImage(pDC, rcBack, pIconBack->GetSource(0, 1), CRect(0, 0, 0, 0));
        }
        pIcon->DrawNormal(pDC, CPoint(rc.CenterPoint().x - szIcon.cx / 2, rc.top + 9));
        yCaption = rc.top + 9 + szIcon.cy + 8;
    }
    else
        yCaption = rc.top + 25;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GetTextColorForControl(pControl));
    DrawTwoLineCaption(pDC, pControl, CRect(rc.left, yCaption, rc.right, std::min(static_cast<int>(rc.bottom), yCaption + 28)),
                       TRUE, FALSE, TRUE);
    return CSize(rc.Width(), nHeight);
}

CSize CXTPRibbonTheme::DrawGroupOptionButton(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    if (bDraw)
    {
        CXTPOffice2007Image* pImage = GetImage("RIBBONOPTIONBUTTON");
        if (pImage)
        {
            const int nRow = pControl->GetPressed() ? 2 : pControl->GetSelected() ? 1 : 0;
            const CRect rcSrc(0, nRow * 14, 15, nRow * 14 + 14);
            pImage->DrawImage(pDC, CRect(pControl->GetRect().TopLeft(), CSize(15, 14)), rcSrc,
                              CRect(0, 0, 0, 0), kMagenta);
        }
    }
    return CSize(15, 14);
}

void CXTPRibbonTheme::DrawRibbonTab(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CXTPTabManager* pTabManager = pItem->GetTabManager();
    if (!pTabManager)
        return;
    CRect rc = pItem->GetRect();
    CXTPTabPaintManager::InflateRectByPosition(rc, 0, 1, -1, -1, pTabManager->GetPosition());
    const CXTPRibbonTab* pTab = dynamic_cast<const CXTPRibbonTab*>(pItem);
    const int nContext = pTab ? pTab->GetContextColor() : 0;
    const BOOL bSelected = pItem->IsSelected();
    const BOOL bHot = pItem->IsHighlighted();
    const BOOL bFocused = pTabManager->IsFocused();
    if (nContext)
    {
        const int nFrame = bSelected && (bFocused || bHot) ? 4 : bSelected ? 3 : bHot ? 1 : 0;
        DrawImage(pDC, ContextImageName("CONTEXTTAB%s", nContext), rc, nFrame, 5, kMargins5);
    }
    else if (bSelected || bHot)
    {
        const int nFrame = bSelected && bFocused ? 5 : bSelected && bHot ? 4 : bSelected ? 3
                                                   : pItem->IsPressed()     ? 2
                                                                            : 1;
        if (!DrawImage(pDC, "RIBBONTAB", rc, nFrame, 6, kMargins5))
        {
            // Plain: the selected tab opens into the groups below it.
            const COLORREF clrFace = bSelected ? ResolveColor(COLOR_3DHILIGHT)
                                               : CXTPDrawHelpers::MixColor(ResolveColor(COLOR_3DHILIGHT), m_clrRibbonFace, 0.5);
            pDC->FillSolidRect(CRect(rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom + 1), clrFace);
            CXTPPaintManager::VerticalLine(pDC, rc.left, rc.top + 1, rc.bottom + 1, m_clrRibbonGroupBorder);
            CXTPPaintManager::VerticalLine(pDC, rc.right - 1, rc.top + 1, rc.bottom + 1, m_clrRibbonGroupBorder);
            CXTPPaintManager::HorizontalLine(pDC, rc.left + 1, rc.top, rc.right - 1, m_clrRibbonGroupBorder);
        }
    }
    if (pItem->GetLength() < pItem->GetFullLength())
        DrawImage(pDC, "RIBBONTABSEPARATOR", CRect(rc.right, rc.top, rc.right + 1, rc.bottom), 0, 1,
                       CRect(0, 0, 0, 0));
    if (nContext && pTab && pTab->GetContextHeader())
    {
        const CXTPRibbonTabContextHeader* pHeader = pTab->GetContextHeader();
        if (pHeader->m_pFirstTab == pTab)
            DrawImage(pDC, "CONTEXTTABSEPARATOR", CRect(rc.left, rc.top, rc.left + 1, rc.bottom - 1), 0, 1,
                           CRect(0, 0, 0, 0));
        if (pHeader->m_pLastTab == pTab)
            DrawImage(pDC, "CONTEXTTABSEPARATOR", CRect(rc.right - 1, rc.top, rc.right, rc.bottom - 1), 0,
                           1, CRect(0, 0, 0, 0));
    }
}

void CXTPRibbonTheme::FillGroupPopupBar(CDC* pDC, CXTPRibbonGroup* pGroup, CXTPCommandBar* pBar)
{
    CRect rc;
    pBar->GetClientRect(&rc);
    pDC->FillSolidRect(rc, RGB(191, 218, 255));
    const int nContext = pGroup->GetParentTab() ? pGroup->GetParentTab()->GetContextColor() : 0;
    const CString strImage = nContext ? ContextImageName("CONTEXTTAB%sCLIENT", nContext) : CString("RIBBONGROUPS");
    CRect rcImage = rc;
    rcImage.InflateRect(3, 3);
    if (!DrawImage(pDC, strImage, rcImage, 0, 1, kMargins8))
    {
        pDC->FillSolidRect(rc, ResolveColor(COLOR_3DHILIGHT));
        pDC->Draw3dRect(rc, m_clrRibbonGroupBorder, m_clrRibbonGroupBorder);
    }
}

void CXTPRibbonTheme::DrawQuickAccessCustomizeButton(CDC* pDC, CXTPControl* pControl)
{
    const CRect rc = pControl->GetRect();
    if (DrawImage(pDC, "RIBBONQUICKACCESSBUTTON", rc, ButtonFrame(pControl), 4, CRect(0, 0, 0, 0), kMagenta))
        return;
    if (ButtonFrame(pControl))
        DrawButtonFaceFallback(pDC, rc, ButtonFrame(pControl));
    const CPoint pt = rc.CenterPoint();
    FillTriangle(pDC, CPoint(pt.x - 3, pt.y), CPoint(pt.x + 3, pt.y), CPoint(pt.x, pt.y + 3), m_clrRibbonText);
    HorizontalLine(pDC, pt.x - 3, pt.y - 3, pt.x + 4, m_clrRibbonText);
}

void CXTPRibbonTheme::DrawQuickAccessMoreButton(CDC* pDC, CXTPControl* pControl)
{
    const CRect rc = pControl->GetRect();
    if (DrawImage(pDC, "RIBBONQUICKACCESSMORE", rc, ButtonFrame(pControl), 4, CRect(0, 0, 0, 0), kMagenta))
        return;
    if (ButtonFrame(pControl))
        DrawButtonFaceFallback(pDC, rc, ButtonFrame(pControl));
    const CPoint pt = rc.CenterPoint();
    for (int nOffset : {-3, 1})
        FillTriangle(pDC, CPoint(pt.x + nOffset, pt.y - 3), CPoint(pt.x + nOffset, pt.y + 3),
                     CPoint(pt.x + nOffset + 3, pt.y), m_clrRibbonText);
}

void CXTPRibbonTheme::DrawGroupsScrollButton(CDC* pDC, CXTPControl* pControl, BOOL bScrollLeft)
{
    const CRect rc = pControl->GetRect();
    const int nFrame = pControl->GetPressed() ? 2 : pControl->GetSelected() ? 1 : 0;
    if (DrawImage(pDC, bScrollLeft ? "RIBBONGROUPSSCROLLLEFT" : "RIBBONGROUPSSCROLLRIGHT", rc, nFrame, 3,
                       kMargins3, kMagenta))
    {
        if (CXTPOffice2007Image* pGlyph =
                GetImage(bScrollLeft ? "RIBBONGROUPSSCROLLLEFTGLYPH" : "RIBBONGROUPSSCROLLRIGHTGLYPH"))
        {
            const CRect rcSrc = pGlyph->GetSource(nFrame, 3);
            const CPoint pt(rc.CenterPoint().x - rcSrc.Width() / 2, rc.CenterPoint().y - rcSrc.Height() / 2);
            pGlyph->DrawImage(pDC, CRect(pt, rcSrc.Size()), rcSrc, CRect(0, 0, 0, 0), kMagenta);
        }
        return;
    }
    DrawButtonFaceFallback(pDC, rc, std::max(1, nFrame));
    const CPoint pt = rc.CenterPoint();
    const int nDir = bScrollLeft ? -1 : 1;
    FillTriangle(pDC, CPoint(pt.x - 2 * nDir, pt.y - 4), CPoint(pt.x - 2 * nDir, pt.y + 4),
                 CPoint(pt.x + 2 * nDir, pt.y), m_clrRibbonText);
}

void CXTPRibbonTheme::DrawButtonFaceFallback(CDC* pDC, const CRect& rc, int nFrame)
{
    const COLORREF clrLight = ResolveColor(COLOR_3DHILIGHT);
    pDC->FillSolidRect(rc, nFrame >= 2 ? CXTPDrawHelpers::MixColor(clrLight, m_clrRibbonGroupBorder, 0.6) : clrLight);
    pDC->Draw3dRect(rc, m_clrRibbonGroupBorder, m_clrRibbonGroupBorder);
}
