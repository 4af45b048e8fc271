// The office colour sets: the 2003 colours with their three visual-style
// schemes, the 2005 development environment's colours built on them, and
// the 2007 colours read from the style resources.
#include "toolkit/extras/TabColorSets.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/Office2007StyleResources.h"
#include "toolkit/extras/TabNavigateButton.h"

namespace {

const COLORREF NONE = static_cast<COLORREF>(-1);

// The 2003 colours of one visual-style scheme (blue, olive, silver).
struct SchemeColors
{
    COLORREF clrFrameBorder;      // and selected frame
    COLORREF clrDarkShadow;       // and tab outline
    COLORREF clrShadow;           // and tab highlight
    COLORREF clrTabShadow;
    COLORREF clrStateButtonFace;
    COLORREF clrStateButtonBorder;
    COLORREF clrHeaderLight, clrHeaderDark;
    COLORREF clrAutoHideLight, clrAutoHideDark;
    COLORREF clrNormalFace;
    COLORREF clrSelectedFace;
    COLORREF clrHotFace;
    COLORREF clrNavigateBorder;
};

const SchemeColors s_schemes[3] = {
    {RGB(59, 97, 156), RGB(0, 53, 154), RGB(117, 166, 241), RGB(255, 255, 255),
     RGB(255, 192, 111), RGB(0, 0, 128), RGB(196, 218, 250), RGB(252, 253, 254),
     RGB(158, 190, 245), RGB(196, 218, 250), RGB(162, 192, 246), RGB(255, 194, 115),
     RGB(255, 240, 201), RGB(0, 0, 128)},
    {RGB(96, 128, 88), RGB(96, 119, 107), RGB(176, 194, 140), RGB(255, 255, 255),
     RGB(255, 192, 111), RGB(63, 93, 56), RGB(242, 241, 228), RGB(252, 254, 254),
     RGB(217, 217, 167), RGB(242, 241, 228), RGB(208, 222, 170), RGB(255, 194, 115),
     RGB(255, 240, 199), RGB(63, 93, 56)},
    {RGB(124, 124, 148), RGB(118, 116, 146), RGB(186, 185, 206), RGB(255, 255, 255),
     RGB(255, 192, 111), RGB(75, 75, 111), RGB(243, 243, 247), RGB(252, 254, 254),
     RGB(215, 215, 229), RGB(243, 243, 247), RGB(217, 217, 230), RGB(255, 194, 115),
     RGB(255, 238, 194), RGB(75, 75, 111)},
};

// Pressed navigate buttons and tabs under a scheme.
const COLORREF LUNA_PRESSED = RGB(254, 142, 75);

} // namespace

// 2003

namespace {

// The frames, shadows and faces of a scheme: what the 2003 set takes from
// its scheme and the 2007 set from the blue scheme without style resources.
void SetSchemeFrameAndFaces(CXTPTabPaintManager::CColorSetOffice2003* pSet, const SchemeColors& s)
{
    pSet->m_clrFrameBorder.SetStandardValue(s.clrFrameBorder);
    pSet->m_clrSelectedFrame.SetStandardValue(s.clrFrameBorder);
    pSet->m_clrButtonDarkShadow.SetStandardValue(s.clrDarkShadow);
    pSet->m_clrTabOutline.SetStandardValue(s.clrDarkShadow);
    pSet->m_clrButtonShadow.SetStandardValue(s.clrShadow);
    pSet->m_clrTabHighlight.SetStandardValue(s.clrShadow);
    pSet->m_clrHeaderFace.SetStandardValue(s.clrHeaderLight, s.clrHeaderDark);
    pSet->m_clrAutoHideFace.SetStandardValue(s.clrAutoHideLight, s.clrAutoHideDark);
    pSet->m_clrButtonNormal.SetStandardValue(s.clrNormalFace);
    pSet->m_clrButtonSelected.SetStandardValue(s.clrSelectedFace);
    pSet->m_clrButtonHighlighted.SetStandardValue(s.clrHotFace);
    pSet->m_clrNavigateButtonBorder.SetStandardValue(s.clrNavigateBorder);
}

} // namespace

BOOL CXTPTabPaintManager::CColorSetOffice2003::ApplySchemeColors(int nScheme)
{
    if (nScheme < xtpSchemeNormalColor || nScheme > xtpSchemeMetallic)
        return FALSE;
    const SchemeColors& s = s_schemes[nScheme - 1];
    SetSchemeFrameAndFaces(this, s);
    m_clrTabShadow.SetStandardValue(s.clrTabShadow);
    m_clrStateButtonFace.SetStandardValue(s.clrStateButtonFace, s.clrStateButtonFace);
    m_clrStateButtonBorder.SetStandardValue(s.clrStateButtonBorder, s.clrStateButtonBorder);
    return TRUE;
}

void CXTPTabPaintManager::CColorSetOffice2003::ApplyExcelColors()
{
    COLORREF clrBorder = Resolve(m_clrFrameBorder);
    for (CExcelColors& excel : m_excel)
    {
        excel.clrOutline.SetStandardValue(clrBorder);
        excel.clrFarEdge.SetStandardValue(clrBorder);
        excel.clrInnerLight.SetStandardValue(NONE);
        excel.clrInnerDark.SetStandardValue(NONE);
    }
}

void CXTPTabPaintManager::CColorSetOffice2003::RefreshColors()
{
    CColorSetDefault::RefreshColors();
    COLORREF clrFace = Resolve(COLOR_3DFACE);
    m_clrHeaderFace.SetStandardValue(
        clrFace, CXTPColorManager::BlendColors(clrFace, Resolve(COLOR_WINDOW), 205));
    m_clrStateButtonFace.SetStandardValue(36, 36);
    m_clrStateButtonBorder.SetStandardValue(37, 37);
    m_clrButtonHighlighted.SetStandardValue(36);
    m_clrButtonPressed.SetStandardValue(33);
    m_clrHighlightText.SetStandardValue(COLOR_BTNTEXT);
    m_clrAutoHideFace.SetStandardFrom(m_clrHeaderFace);
    m_clrNavigateButtonBorder.SetStandardValue(NONE);
    m_bLunaTheme = FALSE;
    if (!m_pPaintManager->IsLunaColorsDisabled())
    {
        if (ApplySchemeColors(GetSystemColorScheme()))
        {
            m_bLunaTheme = TRUE;
            m_clrButtonPressed.SetStandardValue(LUNA_PRESSED);
        }
        else
        {
            m_clrButtonSelected.SetStandardValue(36);
        }
    }
    ApplyExcelColors();
    if (GetAppearance() == 4)
    {
        m_clrHeaderFace.SetStandardValue(COLOR_3DFACE, COLOR_3DFACE);
        m_clrAutoHideFace.SetStandardValue(COLOR_3DFACE, COLOR_3DFACE);
    }
}

COLORREF CXTPTabPaintManager::CColorSetOffice2003::FillItem(CDC* pDC, CRect rc,
                                                            CXTPTabManagerItem* pItem)
{
    COLORREF clr = GetItemColor(pItem);
    if (pItem->IsPressed())
        clr = m_clrButtonPressed;
    else if (pItem->IsHighlighted())
        clr = m_clrButtonHighlighted;
    clr = Resolve(clr);
    if (clr != NONE)
        GradientFill(pDC, rc, CXTPColorManager::BlendColors(clr, RGB(255, 255, 255), 300), clr,
                     pItem->GetTabManager()->GetPosition());
    return clr;
}

void CXTPTabPaintManager::CColorSetOffice2003::DrawNavigateButtonFrame(
    CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc)
{
    BOOL bHot = pButton->IsHighlighted();
    BOOL bPressed = pButton->IsPressed();
    COLORREF clrGlyph = COLOR_BTNTEXT;
    if (pButton->IsEnabled() && (bHot || bPressed))
    {
        BOOL bBoth = bHot && bPressed;
        if (m_bLunaTheme)
        {
            CXTPDrawHelpers::GradientFill(pDC, rc, bBoth ? RGB(254, 142, 75) : RGB(255, 242, 200),
                                          bBoth ? RGB(255, 207, 139) : RGB(255, 212, 151), FALSE);
            COLORREF clrBorder = Resolve(m_clrNavigateButtonBorder);
            XTPTabDraw3dRect(pDC, rc, clrBorder, clrBorder);
        }
        else
        {
            XTPTabFillSolidRect(pDC, rc, Resolve(bBoth ? 50 : 32));
            COLORREF clrBorder = Resolve(bBoth ? 33 : 31);
            XTPTabDraw3dRect(pDC, rc, clrBorder, clrBorder);
            clrGlyph = bBoth ? 47 : 45;
        }
    }
    pDC->SetTextColor(Resolve(clrGlyph));
}

// 2005 development environment

void CXTPTabPaintManager::CColorSetWhidbey::RefreshColors()
{
    m_bGradientButton = FALSE;
    if (!m_pPaintManager->IsLunaColorsDisabled())
    {
        CColorSetOffice2003::RefreshColors();
        return;
    }
    CColorSetDefault::RefreshColors();
    m_clrButtonSelected.SetStandardValue(COLOR_WINDOW);
    m_clrSelectedText.SetStandardValue(COLOR_WINDOWTEXT);
    m_bLunaTheme = FALSE;
    m_clrButtonHighlighted.SetStandardValue(36);
    m_clrButtonPressed.SetStandardValue(33);
    m_clrHighlightText.SetStandardValue(COLOR_BTNTEXT);
    m_clrNavigateButtonBorder.SetStandardValue(NONE);
    int nScheme = GetSystemColorScheme();
    if (nScheme == xtpSchemeNormalColor || nScheme == xtpSchemeHomestead)
    {
        m_clrHeaderFace.SetStandardValue(RGB(228, 226, 213), RGB(228, 226, 213));
        m_bGradientButton = TRUE;
    }
    else if (nScheme == xtpSchemeMetallic)
    {
        m_clrButtonNormal.SetStandardValue(RGB(245, 245, 248));
        m_clrHeaderFace.SetStandardValue(RGB(238, 238, 238), RGB(238, 238, 238));
        m_bGradientButton = TRUE;
    }
    m_clrFrameBorder.SetStandardValue(57);
    m_clrSelectedFrame.SetStandardValue(57);
}

COLORREF CXTPTabPaintManager::CColorSetWhidbey::FillItem(CDC* pDC, CRect rc,
                                                         CXTPTabManagerItem* pItem)
{
    COLORREF clr = Resolve(pItem->IsHighlighted() ? static_cast<COLORREF>(m_clrButtonHighlighted)
                                                  : GetItemColor(pItem));
    if (m_bGradientButton && clr != NONE)
        GradientFill(pDC, rc, CXTPColorManager::BlendColors(clr, RGB(255, 255, 255), 300), clr,
                     pItem->GetTabManager()->GetPosition());
    else
        XTPTabFillSolidRect(pDC, rc, clr);
    return clr;
}

// 2007

void CXTPTabPaintManager::CColorSetOffice2007::RefreshColors()
{
    CColorSetOffice2003::RefreshColors();
    CXTPOffice2007StyleResources* pResources = GetOffice2007StyleResources();
    if (pResources->IsLoaded())
    {
        auto color = [&](LPCSTR lpszSection, LPCSTR lpszKey) {
            return pResources->LookupColor(lpszSection, lpszKey);
        };
        m_clrFrameBorder.SetStandardValue(color("TabManager", "FrameBorder"));
        m_clrSelectedFrame.SetStandardValue(m_clrFrameBorder.GetStandardColor());
        m_clrButtonDarkShadow.SetStandardValue(color("TabManager", "DarkShadow"));
        m_clrTabOutline.SetStandardValue(m_clrButtonDarkShadow.GetStandardColor());
        m_clrButtonShadow.SetStandardValue(color("TabManager", "LightShadow"));
        m_clrTabHighlight.SetStandardValue(m_clrButtonShadow.GetStandardColor());
        m_clrHeaderFace.SetStandardValue(color("TabManager", "HeaderFaceLight"),
                                         color("TabManager", "HeaderFaceDark"));
        m_clrAutoHideFace.SetStandardValue(color("TabManager", "AutoHideFaceLight"),
                                           color("TabManager", "AutoHideFaceDark"));
        m_clrButtonNormal.SetStandardValue(color("Window", "ButtonFace"));
        m_clrButtonSelected.SetStandardValue(color("Window", "HighlightChecked"));
        m_clrButtonHighlighted.SetStandardValue(color("Window", "HighlightSelected"));
        m_clrNavigateButtonBorder.SetStandardValue(color("Window", "WindowFrame"));
        m_clrHighlightText.SetStandardValue(RGB(0, 0, 0));
        m_clrTabShadow.SetStandardValue(RGB(255, 255, 255));
    }
    else
    {
        SetSchemeFrameAndFaces(this, s_schemes[0]);
        m_clrButtonPressed.SetStandardValue(33);
        m_clrHighlightText.SetStandardValue(COLOR_BTNTEXT);
    }
    m_bLunaTheme = TRUE;
    // The trapezoid lines follow the frame border read just now.
    ApplyExcelColors();
}
