// The colour set base with the default and the tool-window colours, and the
// number table of the colour sets.
#include "toolkit/extras/TabColorSets.h"

#include "framework/ui/Dc.h"
#include "framework/ui/Gdi.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/extras/TabNavigateButton.h"

#include <utility>

namespace {

const COLORREF NONE = static_cast<COLORREF>(-1);

} // namespace

void XTPTabFillSolidRect(CDC* pDC, LPCRECT lpRect, COLORREF clr)
{
    if (clr != NONE)
        pDC->FillSolidRect(lpRect, clr);
}

void XTPTabFillSolidRect(CDC* pDC, int x, int y, int cx, int cy, COLORREF clr)
{
    if (clr != NONE)
        pDC->FillSolidRect(x, y, cx, cy, clr);
}

void XTPTabDraw3dRect(CDC* pDC, LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    CRect rc(lpRect);
    XTPTabFillSolidRect(pDC, rc.left, rc.top, rc.Width() - 1, 1, clrTopLeft);
    XTPTabFillSolidRect(pDC, rc.left, rc.top, 1, rc.Height() - 1, clrTopLeft);
    XTPTabFillSolidRect(pDC, rc.right - 1, rc.top, 1, rc.Height(), clrBottomRight);
    XTPTabFillSolidRect(pDC, rc.left, rc.bottom - 1, rc.Width(), 1, clrBottomRight);
}

CXTPTabPaintManager::CColorSet* CreateTabColorSet(int nColor)
{
    using PM = CXTPTabPaintManager;
    switch (nColor)
    {
    case 2: return new PM::CColorSetVisualStudio();
    case 4: return new PM::CColorSetOffice2003();
    case 8: return new PM::CColorSetWinXP();
    case 16: return new PM::CColorSetWhidbey();
    case 32: return new PM::CColorSetOffice2007();
    default: return new PM::CColorSetDefault();
    }
}

COLORREF CXTPTabPaintManager::CColorSet::Resolve(COLORREF clr)
{
    return GetColorManager()->ResolveColor(clr);
}

int CXTPTabPaintManager::CColorSet::GetAppearance() const
{
    return m_pPaintManager ? m_pPaintManager->GetAppearance() : 0;
}

void CXTPTabPaintManager::CColorSet::RefreshColors()
{
    m_clrHeaderFace.SetStandardValue(COLOR_3DFACE, COLOR_3DFACE);
    m_clrAutoHideFace.SetStandardValue(COLOR_3DFACE, COLOR_3DFACE);
    m_clrFrameBorder.SetStandardValue(COLOR_3DSHADOW);
    m_clrControlFace.SetStandardValue(COLOR_3DFACE);
    m_clrFrameHighlight.SetStandardValue(COLOR_3DHIGHLIGHT);
    m_clrButtonSelected.SetStandardValue(GetAppearance() == 7 ? COLOR_WINDOW : COLOR_3DFACE);
    m_clrButtonHighlighted.SetStandardValue(COLOR_3DFACE);
    m_clrButtonPressed.SetStandardValue(COLOR_3DFACE);
    m_clrButtonNormal.SetStandardValue(COLOR_3DFACE);
    m_clrButtonText.SetStandardValue(COLOR_BTNTEXT);
    m_clrInactiveText.SetStandardValue(COLOR_BTNTEXT);
    m_clrSelectedText.SetStandardValue(COLOR_BTNTEXT);
    m_clrHighlightText.SetStandardValue(RGB(0, 0, 128));
    m_clrDisabledText.SetStandardValue(COLOR_GRAYTEXT);
    m_clrStateButtonFace.SetStandardValue(COLOR_WINDOW, COLOR_WINDOW);
    m_clrStateButtonBorder.SetStandardValue(COLOR_HIGHLIGHT, COLOR_HIGHLIGHT);
    m_clrButtonHighlight.SetStandardValue(COLOR_3DHIGHLIGHT);
    m_clrButtonShadow.SetStandardValue(COLOR_3DSHADOW);
    m_clrButtonDarkShadow.SetStandardValue(COLOR_3DDKSHADOW);
    m_clrTabOutline.SetStandardValue(COLOR_3DSHADOW);
    m_clrSelectedFrame.SetStandardValue(COLOR_3DSHADOW);
    m_clrTabHighlight.SetStandardValue(COLOR_3DFACE);
    m_clrTabShadow.SetStandardValue(COLOR_3DFACE);
    for (CExcelColors& excel : m_excel)
    {
        excel.clrOutline.SetStandardValue(COLOR_BTNTEXT);
        excel.clrFarEdge.SetStandardValue(COLOR_BTNTEXT);
    }
    m_excel[0].clrInnerLight.SetStandardValue(NONE);
    m_excel[0].clrInnerDark.SetStandardValue(NONE);
    m_excel[1].clrInnerLight.SetStandardValue(COLOR_WINDOW);
    m_excel[1].clrInnerDark.SetStandardValue(COLOR_3DSHADOW);
}

void CXTPTabPaintManager::CColorSet::SetTextColor(CDC* pDC, CXTPTabManagerItem* pItem)
{
    CXTPTabManager* pTabManager = pItem->GetTabManager();
    COLORREF clr;
    if (!pItem->IsEnabled())
        clr = m_clrDisabledText;
    else if (pTabManager && !pTabManager->IsActive())
        clr = m_clrInactiveText;
    else if (pItem->IsSelected())
        clr = m_clrSelectedText;
    else if (pItem->IsHighlighted())
        clr = m_clrHighlightText;
    else
        clr = m_clrButtonText;
    pDC->SetTextColor(Resolve(clr));
}

void CXTPTabPaintManager::CColorSet::FillHeader(CDC* pDC, CRect rc, CXTPTabManager* pTabManager)
{
    GradientFill(pDC, rc, m_clrHeaderFace, pTabManager->GetPosition());
}

void CXTPTabPaintManager::CColorSet::FillClient(CDC* pDC, CRect rc, CXTPTabManager* pTabManager)
{
    CXTPTabManagerItem* pSelected = pTabManager->GetSelectedItem();
    XTPTabFillSolidRect(pDC, rc, Resolve(pSelected ? GetItemColor(pSelected) : m_clrButtonSelected));
}

void CXTPTabPaintManager::CColorSet::FillStateButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem)
{
    int nPosition = pItem->GetTabManager()->GetPosition();
    if (pItem->IsSelected())
    {
        if (m_pPaintManager->IsItemColors())
            XTPTabFillSolidRect(pDC, rc, Resolve(GetItemColor(pItem)));
        else
            GradientFill(pDC, rc, m_clrStateButtonFace, nPosition);
        XTPTabDraw3dRect(pDC, rc, Resolve(m_clrStateButtonBorder.clrLight),
                        Resolve(m_clrStateButtonBorder.clrDark));
        return;
    }
    COLORREF clrShadow = Resolve(COLOR_3DSHADOW);
    COLORREF clrLight = Resolve(COLOR_3DHIGHLIGHT);
    if (nPosition == xtpTabPositionTop || nPosition == xtpTabPositionBottom)
    {
        XTPTabFillSolidRect(pDC, rc.right - 2, rc.top + 2, 1, rc.Height() - 4, clrShadow);
        XTPTabFillSolidRect(pDC, rc.right - 1, rc.top + 2, 1, rc.Height() - 4, clrLight);
    }
    else
    {
        XTPTabFillSolidRect(pDC, rc.left + 2, rc.bottom - 2, rc.Width() - 4, 1, clrShadow);
        XTPTabFillSolidRect(pDC, rc.left + 2, rc.bottom - 1, rc.Width() - 4, 1, clrLight);
    }
}

COLORREF CXTPTabPaintManager::CColorSet::FillItem(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem)
{
    COLORREF clr = Resolve(GetItemColor(pItem));
    XTPTabFillSolidRect(pDC, rc, clr);
    return clr;
}

void CXTPTabPaintManager::CColorSet::AdjustHeaderClip(CDC*, CRect, CXTPTabManager*)
{
}

COLORREF CXTPTabPaintManager::CColorSet::GetItemColor(CXTPTabManagerItem* pItem)
{
    if (m_pPaintManager->IsItemColors() && pItem->GetTabManager())
        return pItem->GetTabManager()->GetItemColor(pItem);
    return pItem->IsSelected() ? m_clrButtonSelected : m_clrButtonNormal;
}

void CXTPTabPaintManager::CColorSet::GradientFill(CDC* pDC, CRect rc, COLORREF clrFirst,
                                                  COLORREF clrSecond, int nPosition)
{
    if (rc.IsRectEmpty())
        return;
    if (clrFirst == XTP_TAB_COLOR_PATTERN)
    {
        // The checker of a pressed state button: 0 bits take the text
        // colour, 1 bits the background colour.
        static const WORD s_pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, s_pattern);
        HBRUSH hBrush = ::CreatePatternBrush(hBitmap);
        COLORREF clrOldText = pDC->SetTextColor(Resolve(COLOR_3DFACE));
        COLORREF clrOldBack = pDC->SetBkColor(Resolve(COLOR_3DHIGHLIGHT));
        ::FillRect(pDC->GetSafeHdc(), &rc, hBrush);
        pDC->SetTextColor(clrOldText);
        pDC->SetBkColor(clrOldBack);
        ::DeleteObject(hBrush);
        ::DeleteObject(hBitmap);
        return;
    }
    clrFirst = Resolve(clrFirst);
    clrSecond = Resolve(clrSecond);
    if (clrFirst == NONE || clrSecond == NONE)
    {
        XTPTabFillSolidRect(pDC, rc, clrFirst == NONE ? clrSecond : clrFirst);
        return;
    }
    BOOL bFar = nPosition == xtpTabPositionBottom || nPosition == xtpTabPositionRight;
    if (bFar != (m_pPaintManager && m_pPaintManager->IsInvertGradient()))
        std::swap(clrFirst, clrSecond);
    BOOL bHorz = nPosition == xtpTabPositionLeft || nPosition == xtpTabPositionRight;
    CXTPDrawHelpers::GradientFill(pDC, rc, clrFirst, clrSecond, bHorz);
}

void CXTPTabPaintManager::CColorSet::GradientFill(CDC* pDC, CRect rc,
                                                  const CXTPPaintManagerColorGradient& grc,
                                                  int nPosition)
{
    GradientFill(pDC, rc, grc.clrLight, grc.clrDark, nPosition);
}

void CXTPTabPaintManager::CColorSet::DrawButtonFrame3D(CDC* pDC,
                                                       CXTPTabManagerNavigateButton* pButton,
                                                       CRect& rc, COLORREF clrPressedTopLeft,
                                                       COLORREF clrPressedBottomRight,
                                                       COLORREF clrHotTopLeft,
                                                       COLORREF clrHotBottomRight,
                                                       COLORREF clrGlyph)
{
    pDC->SetTextColor(Resolve(clrGlyph));
    if (!pButton->IsEnabled())
        return;
    if (pButton->IsPressed())
    {
        XTPTabDraw3dRect(pDC, rc, Resolve(clrPressedTopLeft), Resolve(clrPressedBottomRight));
        rc.OffsetRect(1, 1);
    }
    else if (pButton->IsHighlighted())
    {
        XTPTabDraw3dRect(pDC, rc, Resolve(clrHotTopLeft), Resolve(clrHotBottomRight));
    }
}

// Default colours

void CXTPTabPaintManager::CColorSetDefault::RefreshColors()
{
    CColorSet::RefreshColors();
    m_clrStateButtonFace.SetStandardValue(XTP_TAB_COLOR_PATTERN, XTP_TAB_COLOR_PATTERN);
    m_clrStateButtonBorder.SetStandardValue(COLOR_3DSHADOW, COLOR_3DHIGHLIGHT);
    m_excel[0].clrInnerLight.SetStandardValue(COLOR_WINDOW);
    m_excel[0].clrInnerDark.SetStandardValue(COLOR_3DSHADOW);
    m_excel[1].clrInnerLight.SetStandardValue(NONE);
    m_excel[1].clrInnerDark.SetStandardValue(NONE);
    if (GetAppearance() == 7)
    {
        m_clrButtonSelected.SetStandardValue(COLOR_3DFACE);
        m_clrButtonNormal.SetStandardValue(COLOR_WINDOW);
        m_clrFrameBorder.SetStandardValue(COLOR_BTNTEXT);
    }
}

void CXTPTabPaintManager::CColorSetDefault::DrawNavigateButtonFrame(
    CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc)
{
    DrawButtonFrame3D(pDC, pButton, rc, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT, COLOR_3DHIGHLIGHT,
                      COLOR_3DSHADOW, COLOR_BTNTEXT);
}

// Tool-window colours

void CXTPTabPaintManager::CColorSetVisualStudio::RefreshColors()
{
    CColorSet::RefreshColors();
    int nAppearance = GetAppearance();
    if (nAppearance != 7 && nAppearance != 4)
        m_clrHeaderFace.SetStandardValue(48, 48);
    if (nAppearance == 5)
    {
        m_clrButtonText.SetStandardValue(49);
        m_clrInactiveText.SetStandardValue(49);
    }
    if (CXTPColorManager::IsLowColor(nullptr))
        m_clrAutoHideFace.SetStandardValue(COLOR_3DFACE, COLOR_3DFACE);
    else
        m_clrAutoHideFace.SetStandardValue(m_clrHeaderFace.clrDark, m_clrHeaderFace.clrDark);
}

void CXTPTabPaintManager::CColorSetVisualStudio::DrawNavigateButtonFrame(
    CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc)
{
    int nAppearance = GetAppearance();
    if (nAppearance == 7 || nAppearance == 4)
    {
        CColorSetDefault::DrawNavigateButtonFrame(pDC, pButton, rc);
        return;
    }
    DrawButtonFrame3D(pDC, pButton, rc, COLOR_BTNTEXT, COLOR_3DFACE, COLOR_3DFACE, COLOR_BTNTEXT,
                      49);
}
