#include "toolkit/draw/PaintManager.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ControlGalleryPaintManager.h"
#include "toolkit/draw/DefaultTheme.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/NativeXPTheme.h"
#include "toolkit/draw/Office2003Theme.h"
#include "toolkit/draw/Office2007Theme.h"
#include "toolkit/draw/RibbonTheme.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/draw/SystemInfo.h"
#include "toolkit/draw/WhidbeyTheme.h"

#include <algorithm>

#ifndef _WIN64
static_assert(sizeof(NONCLIENTMETRICSA) == 340, "the non-client metrics of this system");
#endif

namespace {

const BYTE CLEARTYPE_FONT_QUALITY = 5;

// The current paint manager of the process; released at exit.
struct CurrentPaintManager
{
    CXTPPaintManager* pPaintManager = nullptr;
    ~CurrentPaintManager()
    {
        if (pPaintManager)
            pPaintManager->InternalRelease();
    }
};

CurrentPaintManager& Current()
{
    static CurrentPaintManager s_current;
    return s_current;
}

BOOL UseClearType(BOOL bClearTypeSetting)
{
    return bClearTypeSetting && IsWindowsXPOrLater();
}

// The font of LOGFONT lf with another weight.
void CreateWeighted(CFont& font, LOGFONTA lf, LONG nWeight)
{
    lf.lfWeight = nWeight;
    font.CreateFontIndirect(&lf);
}

} // namespace

BOOL IsVerticalLayoutPosition(int nPosition)
{
    return nPosition == xtpBarLeft || nPosition == xtpBarRight || nPosition == xtpBarPopup;
}

BOOL IsVerticalDockPosition(int nPosition)
{
    return nPosition == xtpBarLeft || nPosition == xtpBarRight;
}

BOOL CXTPPaintManagerFont::SetIndirect(const LOGFONTA& lf)
{
    DeleteObject();
    return CreateFontIndirect(&lf);
}

// --- Construction ------------------------------------------------------------

CXTPPaintManager::CXTPPaintManager()
    : m_clrStatusTextColor(0), m_clrFloatingGripper(GetSysColor(COLOR_3DSHADOW)),
      m_clrFloatingGripperText(GetSysColor(COLOR_3DHIGHLIGHT)), m_bThickCheckMark(FALSE),
      m_bThemedStatusBar(FALSE), m_bThemedCheckBox(FALSE), m_bClearTypeTextQuality(FALSE),
      m_bFlatToolBar(FALSE), m_bFlatMenuBar(FALSE), m_nPopupBarTextPadding(4),
      m_bShowShadow(TRUE), m_nShadowOptions(0), m_clrShadowFactor(0), m_nAnimationOption(0),
      m_bAnswerStatusBarQuery(FALSE), m_bFrameStatusBar(FALSE), m_pGalleryPaintManager(nullptr),
      m_nTextHeight(0), m_bUseOfficeFont(FALSE), m_bUseStandardFont(TRUE),
      m_bEmbossedDisabledText(TRUE), m_nSplitButtonDropDownWidth(11),
      m_themeCurrent(xtpThemeOffice2000), m_iconOptions{FALSE, FALSE, FALSE, FALSE},
      m_nAnimationSteps(10), m_nAnimationTime(100), m_bShowKeyboardCues(-1), m_systemTheme(5)
{
    m_clrBarGradient.SetStandardValue(GetSysColor(COLOR_3DFACE), GetSysColor(COLOR_3DSHADOW));
    XTPImageManager()->RefreshIcons();
    m_pGalleryPaintManager = new CXTPControlGalleryPaintManager(this);
}

CXTPPaintManager::~CXTPPaintManager()
{
    delete m_pGalleryPaintManager;
    m_themeStatusBar.CloseThemeData();
    m_themeButton.CloseThemeData();
}

// --- The current paint manager -------------------------------------------------

CXTPPaintManager* CreatePaintTheme(int nTheme)
{
    switch (nTheme)
    {
    case xtpThemeOfficeXP:
        return new CXTPOfficeTheme();
    case xtpThemeOffice2003:
        return new CXTPOffice2003Theme();
    case xtpThemeNativeWinXP:
        return new CXTPNativeXPTheme();
    case xtpThemeWhidbey:
        return new CXTPWhidbeyTheme();
    case xtpThemeOffice2007:
        return new CXTPOffice2007Theme();
    case xtpThemeRibbon:
        return new CXTPRibbonTheme();
    default:
        return new CXTPDefaultTheme();
    }
}

void SetCurrentPaintManager(CXTPPaintManager* pPaintManager)
{
    CurrentPaintManager& current = Current();
    // Releasing the current one before installing it again would free it.
    if (pPaintManager != current.pPaintManager)
    {
        if (current.pPaintManager)
            current.pPaintManager->InternalRelease();
        current.pPaintManager = pPaintManager;
    }
    if (pPaintManager)
    {
        pPaintManager->SetThemeNumber(xtpThemeCustom);
        pPaintManager->RefreshMetrics();
    }
}

void SetPaintTheme(int nTheme)
{
    SetCurrentPaintManager(CreatePaintTheme(nTheme));
    Current().pPaintManager->SetThemeNumber(nTheme);
}

CXTPPaintManager* XTPPaintManager()
{
    if (!Current().pPaintManager)
        SetPaintTheme(xtpThemeOffice2000);
    return Current().pPaintManager;
}

void ReleaseCurrentPaintManager()
{
    CurrentPaintManager& current = Current();
    if (current.pPaintManager)
        current.pPaintManager->InternalRelease();
    current.pPaintManager = nullptr;
}

// --- Colours ---------------------------------------------------------------------

COLORREF CXTPPaintManager::ResolveColor(UINT nIndex) const
{
    if (nIndex >= static_cast<UINT>(XTP_PAINT_COLOR_COUNT))
        return nIndex;
    return m_arrColor[nIndex].GetColor();
}

void CXTPPaintManager::SetStandardColors(int nCount, const int* pIndexes, const COLORREF* pColors)
{
    for (int i = 0; i < nCount; ++i)
        if (pIndexes[i] >= 0 && pIndexes[i] < XTP_PAINT_COLOR_COUNT)
            m_arrColor[pIndexes[i]].SetStandardValue(pColors[i]);
}

int CXTPPaintManager::GetCurrentSystemTheme() const
{
    if (m_systemTheme == 5)
    {
        CXTPColorManager* pColorManager = GetColorManager();
        return pColorManager->IsLunaColorsDisabled() ? 0 : pColorManager->GetActiveColorScheme();
    }
    if (m_systemTheme == 4)
        return GetColorManager()->GetActiveColorScheme();
    return m_systemTheme;
}

// --- Metrics and fonts -------------------------------------------------------------

void CXTPPaintManager::RefreshMetrics()
{
    UpdateFonts();

    RefreshSystemColors();
    CXTPColorManager* pColorManager = GetColorManager();
    for (int i = 0; i < XTP_PAINT_COLOR_COUNT; ++i)
        m_arrColor[i].SetStandardValue(pColorManager->ResolveColor(i));

    m_clrStatusTextColor = ResolveColor(COLOR_BTNTEXT);
    m_clrFloatingGripper.SetStandardValue(ResolveColor(COLOR_3DSHADOW));
    m_clrFloatingGripperText.SetStandardValue(ResolveColor(COLOR_3DHIGHLIGHT));
    m_clrBarGradient.SetStandardValue(ResolveColor(COLOR_3DFACE), ResolveColor(COLOR_3DSHADOW),
                                      0.5f);

    m_themeStatusBar.CloseThemeData();
    if (m_bThemedStatusBar)
    {
        m_themeStatusBar.OpenThemeData(nullptr, L"STATUS");
        COLORREF clr = 0;
        if (m_themeStatusBar.IsAppThemed()
            && SUCCEEDED(m_themeStatusBar.GetThemeColor(1, 0, 3803, &clr)))
            m_clrStatusTextColor = clr;
    }
    m_themeButton.CloseThemeData();
    if (m_bThemedCheckBox)
        m_themeButton.OpenThemeData(nullptr, L"BUTTON");

    m_pGalleryPaintManager->RefreshMetrics();
}

void CXTPPaintManager::MakeStandardLogFont(const LOGFONTA& lfMenu, BYTE nCharSet, LOGFONTA& lf)
{
    lf = LOGFONTA();
    lf.lfHeight = lfMenu.lfHeight;
    if (lf.lfHeight < 0 && lf.lfHeight > -11)
        lf.lfHeight = -11;
    lf.lfWeight = lfMenu.lfWeight;
    lf.lfItalic = lfMenu.lfItalic;
    lf.lfCharSet = nCharSet;
    lstrcpynA(lf.lfFaceName, lfMenu.lfFaceName, LF_FACESIZE);
}

void CXTPPaintManager::UpdateFonts()
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);

    if (m_bUseStandardFont)
    {
        HDC hScreen = ::GetDC(nullptr);
        BYTE nCharSet = static_cast<BYTE>(::GetTextCharsetInfo(hScreen, nullptr, 0));
        ::ReleaseDC(nullptr, hScreen);
        LOGFONTA lf;
        MakeStandardLogFont(ncm.lfMenuFont, nCharSet, lf);
        SetCommandBarsFontIndirect(&lf, TRUE);
    }

    LOGFONTA lfIcon = {};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(lfIcon), &lfIcon, 0);
    if (UseClearType(m_bClearTypeTextQuality))
    {
        lfIcon.lfQuality = CLEARTYPE_FONT_QUALITY;
        ncm.lfSmCaptionFont.lfQuality = CLEARTYPE_FONT_QUALITY;
    }

    if (m_fontSmCaption.IsStandardFont() || !m_fontSmCaption.GetSafeHandle())
        m_fontSmCaption.SetIndirect(ncm.lfSmCaptionFont);
    if (m_fontIcon.IsStandardFont() || !m_fontIcon.GetSafeHandle())
        m_fontIcon.SetIndirect(lfIcon);
    if (m_fontIconBold.IsStandardFont() || !m_fontIconBold.GetSafeHandle())
    {
        lfIcon.lfWeight = FW_BOLD;
        m_fontIconBold.SetIndirect(lfIcon);
    }
}

void CXTPPaintManager::SetCommandBarsFontIndirect(const LOGFONTA* pLogFont, BOOL bUseStandardFont)
{
    m_bUseStandardFont = bUseStandardFont;
    if (!pLogFont)
        return;

    LOGFONTA lf = *pLogFont;
    if (UseClearType(m_bClearTypeTextQuality))
        lf.lfQuality = CLEARTYPE_FONT_QUALITY;

    m_fontRegular.DeleteObject();
    m_fontRegularBold.DeleteObject();
    m_fontVert.DeleteObject();
    m_fontVertBold.DeleteObject();
    m_fontIconBold.DeleteObject();

    BOOL bTahomaExists = FontExists("Tahoma");
    if (lstrcmpiA(lf.lfFaceName, "Tahoma") == 0)
        m_bUseOfficeFont = TRUE;
    if (lf.lfCharSet <= SYMBOL_CHARSET && bUseStandardFont && m_bUseOfficeFont && bTahomaExists)
        lstrcpynA(lf.lfFaceName, "Tahoma", LF_FACESIZE);

    m_fontRegular.CreateFontIndirect(&lf);
    CreateWeighted(m_fontRegularBold, lf, FW_BOLD);

    lf.lfOrientation = 900;
    lf.lfEscapement = 2700;
    CString strVertFace;
    GetDefaultGuiFont(strVertFace, m_bUseOfficeFont);
    lstrcpynA(lf.lfFaceName, strVertFace, LF_FACESIZE);
    m_fontVert.CreateFontIndirect(&lf);
    CreateWeighted(m_fontVertBold, lf, FW_BOLD);

    CClientDC dc(nullptr);
    CXTPFontDC font(&dc, &m_fontRegular);
    m_nTextHeight = dc.GetTextExtent(" ", 1).cy + 6;
}

CFont* CXTPPaintManager::GetControlFont(CXTPCommandBar* pBar, BOOL bBold)
{
    if (pBar && IsVerticalDockPosition(pBar->GetPosition()))
        return bBold ? &m_fontVertBold : &m_fontVert;
    return bBold ? &m_fontRegularBold : &m_fontRegular;
}

// --- Shared routines -------------------------------------------------------------

void CXTPPaintManager::Draw3dRect(CDC* pDC, LPCRECT lpRect, UINT nTopLeft, UINT nBottomRight)
{
    pDC->Draw3dRect(lpRect, ResolveColor(nTopLeft), ResolveColor(nBottomRight));
}

void CXTPPaintManager::Rectangle(CDC* pDC, LPCRECT lpRect, int nBorder, int nFill)
{
    if (nFill != -1)
        pDC->FillSolidRect(lpRect, ResolveColor(nFill));
    if (nBorder != -1 && nBorder != nFill)
        Draw3dRect(pDC, lpRect, nBorder, nBorder);
}

void CXTPPaintManager::Line(CDC* pDC, int x0, int y0, int x1, int y1, UINT nColor)
{
    CXTPPenDC pen(*pDC, ResolveColor(nColor));
    pDC->MoveTo(x0, y0);
    pDC->LineTo(x1, y1);
}

void CXTPPaintManager::HorizontalLine(CDC* pDC, int x0, int y, int x1, COLORREF clr)
{
    pDC->FillSolidRect(x0, y, x1 - x0, 1, clr);
}

void CXTPPaintManager::VerticalLine(CDC* pDC, int x, int y0, int y1, COLORREF clr)
{
    pDC->FillSolidRect(x, y0, 1, y1 - y0, clr);
}

void CXTPPaintManager::FillTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr)
{
    ::FillTriangle(pDC, pt0, pt1, pt2, clr);
}

BOOL CXTPPaintManager::IsFlatBar(const CXTPCommandBar* pBar) const
{
    return pBar->GetType() == xtpBarTypeMenuBar ? m_bFlatMenuBar : m_bFlatToolBar;
}

CSize CXTPPaintManager::DrawControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw)
{
    switch (pControl->GetType())
    {
    case xtpControlEdit:
        return DrawEditControl(pDC, pControl, bDraw);
    case xtpControlComboBox:
        return DrawComboBoxControl(pDC, pControl, bDraw);
    default:
        break;
    }
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == xtpBarTypePopup)
        return DrawControlPopupParent(pDC, pControl, bDraw);
    return DrawControlToolBarParent(pDC, pControl, bDraw);
}

// --- Simple virtual operations -----------------------------------------------------

COLORREF CXTPPaintManager::GetControlBackColor(CXTPControl* pControl)
{
    return ResolveColor(pControl->GetEnabled() ? COLOR_WINDOW : COLOR_3DFACE);
}

void CXTPPaintManager::DrawControlFace(CDC* pDC, CXTPControl* pControl)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    DrawButtonFace(pDC, pControl->GetRect(), pControl->GetSelected(), pControl->GetPressed(),
                   pControl->GetEnabled(), pControl->GetChecked(), pControl->IsPopupOpen(),
                   pBar ? pBar->GetType() : xtpBarTypeNormal,
                   pBar ? pBar->GetPosition() : xtpBarTop);
}

COLORREF CXTPPaintManager::GetTextColorForControl(CXTPControl* pControl)
{
    BOOL bEnabled = pControl->GetEnabled();
    if (pControl->GetType() == xtpControlSplitButtonPopup)
    {
        int nDisabledValue = pControl->GetStyle() == xtpButtonIconAndCaptionBelow ? 3 : 4;
        bEnabled = bEnabled && pControl->GetEnabledValue() != nDisabledValue;
    }
    CXTPCommandBar* pBar = pControl->GetParent();
    return GetControlTextColor(pControl->GetSelected(), pControl->GetPressed(), bEnabled,
                               pControl->GetChecked(), pControl->IsPopupOpen(),
                               pBar ? pBar->GetType() : xtpBarTypeNormal,
                               pBar ? pBar->GetPosition() : xtpBarTop);
}

CRect CXTPPaintManager::GetCommandBarBorders(CXTPCommandBar* /*pBar*/)
{
    return CRect(2, 2, 2, 2);
}

CRect CXTPPaintManager::GetSplitButtonCommandRect(CXTPControl* pControl)
{
    CRect rc = pControl->GetRect();
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == xtpBarTypePopup)
    {
        rc.right -= 20;
    }
    else if (pControl->GetStyle() == xtpButtonIconAndCaptionBelow)
    {
        if (pBar && IsVerticalDockPosition(pBar->GetPosition()))
            rc.left += 27;
        else
            rc.bottom -= 27;
    }
    else
    {
        rc.right -= m_nSplitButtonDropDownWidth + 1;
    }
    return rc;
}

int CXTPPaintManager::GetPopupGutterWidth(CXTPCommandBar* pBar)
{
    if (!pBar || pBar->GetType() != xtpBarTypePopup)
        return 0;
    int nWidth = std::max(m_nTextHeight + 4, static_cast<int>(pBar->GetIconSize().cx) + 4);
    if (pBar->IsDoubleGripper())
        nWidth *= 2;
    return nWidth + 1;
}

void CXTPPaintManager::FillDockBar(CDC* pDC, CWnd* pDockBar)
{
    CRect rc;
    pDockBar->GetClientRect(&rc);
    pDC->FillSolidRect(&rc, ResolveColor(COLOR_3DFACE));
}

void CXTPPaintManager::FillWorkspace(CDC* pDC, CRect rc)
{
    pDC->FillSolidRect(&rc, ResolveColor(COLOR_APPWORKSPACE));
}
