#include "toolkit/draw/NativeXPTheme.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/Dc.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/DockBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/draw/ScopedDC.h"

#include <algorithm>

namespace XTPPaintThemes {

namespace {

// Parts and states of the visual-styles classes.
enum
{
    kToolbarBackground = 0,
    kToolbarButton = 1,
    kToolbarSplitButton = 3,
    kToolbarSplitDropDown = 4,
    kToolbarSeparator = 5,
    kToolbarSeparatorVert = 6,
    kRebarBackground = 0,
    kRebarGripper = 1,
    kRebarGripperVert = 2,
    kRebarBand = 3,
    kComboDropDown = 1,
    kWindowSmallCaption = 2,
    kWindowSmallFrameLeft = 10,
    kWindowSmallFrameRight = 11,
    kWindowSmallFrameBottom = 12,
};

const int TMT_BORDERCOLOR = 3801;
const int TMT_TEXTCOLOR = 3803;
const int TMT_EDGEHIGHLIGHTCOLOR = 3805;
const int TMT_EDGESHADOWCOLOR = 3806;
const int TMT_FLATMENUS = 1001;
const UINT SPI_GETFLATMENU_ = 0x1022;

int s_nFlatMenuOverride = -1;

} // namespace

void CXTPNativeXPTheme::SetFlatMenuOverride(int nFlatMenus)
{
    s_nFlatMenuOverride = nFlatMenus;
}

CXTPNativeXPTheme::CXTPNativeXPTheme()
    : m_clrEdgeShadowColor(0), m_clrEdgeHighlightColor(0), m_bFlatMenus(TRUE)
{
    m_iconOptions.bFadedInactive = TRUE;
    m_iconOptions.bShadowUnderHot = FALSE;
    m_nNormalTextColor = COLOR_MENUTEXT;
    m_bThemedStatusBar = TRUE;
    m_bThemedCheckBox = TRUE;
}

CXTPNativeXPTheme::~CXTPNativeXPTheme()
{
    m_themeRebar.CloseThemeData();
    m_themeToolbar.CloseThemeData();
    m_themeComboBox.CloseThemeData();
    m_themeWindow.CloseThemeData();
}

BOOL CXTPNativeXPTheme::IsThemeInForce()
{
    return m_themeRebar.IsAppThemed() && m_themeToolbar.IsAppThemed();
}

void CXTPNativeXPTheme::RefreshMetrics()
{
    CXTPDefaultTheme::RefreshMetrics();

    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWnd = pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr;
    m_themeToolbar.OpenThemeData(hWnd, L"TOOLBAR");
    m_themeRebar.OpenThemeData(hWnd, L"REBAR");
    m_themeComboBox.OpenThemeData(hWnd, L"COMBOBOX");
    m_themeWindow.OpenThemeData(hWnd, L"WINDOW");

    BOOL bFlatMenus = FALSE;
    if (s_nFlatMenuOverride >= 0)
        bFlatMenus = s_nFlatMenuOverride;
    else if (!::SystemParametersInfoA(SPI_GETFLATMENU_, 0, &bFlatMenus, 0))
        bFlatMenus = FALSE;
    m_bFlatMenus = bFlatMenus;

    COLORREF clr = 0;
    m_clrEdgeShadowColor = SUCCEEDED(m_themeRebar.GetThemeColor(kRebarBand, 0, TMT_EDGESHADOWCOLOR, &clr))
                               ? clr
                               : ResolveColor(COLOR_3DSHADOW);
    m_clrEdgeHighlightColor =
        SUCCEEDED(m_themeRebar.GetThemeColor(kRebarBand, 0, TMT_EDGEHIGHLIGHTCOLOR, &clr))
            ? clr
            : ResolveColor(COLOR_BTNHIGHLIGHT);
    if (m_themeToolbar.IsAppThemed()
        && SUCCEEDED(m_themeToolbar.GetThemeColor(kToolbarBackground, 0, TMT_TEXTCOLOR, &clr)))
        m_arrColor[COLOR_BTNTEXT].SetStandardValue(clr);

    if (!m_bFlatMenus && m_themeRebar.IsAppThemed())
        m_bFlatMenus = s_nFlatMenuOverride >= 0 ? s_nFlatMenuOverride
                                                : m_themeRebar.GetThemeSysBool(TMT_FLATMENUS);
    if (!m_bFlatMenus)
        m_arrColor[COLOR_MENUHILIGHT].SetStandardValue(ResolveColor(COLOR_HIGHLIGHT));
}

// --- Faces ------------------------------------------------------------------------------------

void CXTPNativeXPTheme::DrawButtonFace(CDC* pDC, CRect rc, int nSelected, int nPressed,
                                       BOOL bEnabled, BOOL bChecked, BOOL bPopuped, int barType,
                                       int barPosition)
{
    if (!IsThemeInForce())
    {
        CXTPDefaultTheme::DrawButtonFace(pDC, rc, nSelected, nPressed, bEnabled, bChecked,
                                         bPopuped, barType, barPosition);
        return;
    }
    if (barType == xtpBarTypePopup && !bChecked)
    {
        if (nSelected || nPressed)
            Rectangle(pDC, &rc, COLOR_HIGHLIGHT, COLOR_MENUHILIGHT);
        return;
    }
    if (bEnabled && bChecked == 2)
        bChecked = FALSE;
    int nState;
    if (!bEnabled)
        nState = bChecked ? 3 : 4;
    else if (bPopuped)
        nState = 3;
    else if (!bChecked || nPressed)
        nState = (nSelected && nPressed) || nPressed == 2 || nPressed == 3 ? 3 : nSelected ? 2 : 1;
    else
        nState = nSelected ? 6 : 5;
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), kToolbarButton, nState, &rc, nullptr);
}

void CXTPNativeXPTheme::DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rcButton)
{
    if (!IsThemeInForce())
    {
        CXTPDefaultTheme::DrawSplitButtonFrame(pDC, pControl, rcButton);
        return;
    }
    int nSelected = pControl->GetSelected();
    BOOL bPopuped = pControl->IsPopupOpen();
    int nState = !pControl->GetEnabled()                      ? 4
                 : pControl->GetPressed() && nSelected        ? 3
                 : pControl->GetChecked()                     ? 5
                 : bPopuped || nSelected                      ? 2
                                                              : 1;
    CRect rcMain(rcButton.left, rcButton.top, rcButton.right - 12, rcButton.bottom);
    CRect rcDropDown(rcButton.right - 12, rcButton.top, rcButton.right, rcButton.bottom);
    int nDropDownState = pControl->GetEnabledValue() == 3 ? 4 : bPopuped ? 3 : nState;
    HDC hDC = pDC->GetSafeHdc();
    m_themeToolbar.DrawThemeBackground(hDC, kToolbarSplitButton, nState, &rcMain, nullptr);
    m_themeToolbar.DrawThemeBackground(hDC, kToolbarSplitDropDown, nDropDownState, &rcDropDown,
                                       nullptr);
}

BOOL CXTPNativeXPTheme::IsFlatMenuBarItem(CXTPControl* pControl)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    return IsThemeInForce() && m_bFlatMenus && pControl->GetType() == xtpControlPopup && pBar
           && pBar->GetType() == xtpBarTypeMenuBar && pBar->GetPosition() != xtpBarPopup;
}

void CXTPNativeXPTheme::DrawControlFace(CDC* pDC, CXTPControl* pControl)
{
    if (!IsFlatMenuBarItem(pControl))
    {
        CXTPDefaultTheme::DrawControlFace(pDC, pControl);
        return;
    }
    if (pControl->GetSelected() || pControl->IsPopupOpen() || pControl->GetPressed())
    {
        CRect rc = pControl->GetRect();
        pDC->FillSolidRect(&rc, ResolveColor(COLOR_HIGHLIGHT));
    }
}

COLORREF CXTPNativeXPTheme::GetTextColorForControl(CXTPControl* pControl)
{
    if (IsFlatMenuBarItem(pControl)
        && (pControl->GetSelected() || pControl->IsPopupOpen() || pControl->GetPressed()))
        return ResolveColor(COLOR_HIGHLIGHTTEXT);
    return CXTPDefaultTheme::GetTextColorForControl(pControl);
}

void CXTPNativeXPTheme::AdjustControlFrameRect(CRect& rc, CXTPControl* pControl, BOOL bVertical)
{
    if (!IsThemeInForce())
    {
        CXTPDefaultTheme::AdjustControlFrameRect(rc, pControl, bVertical);
        return;
    }
    if (pControl->GetType() == xtpControlComboBox)
        return;
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == xtpBarTypePopup)
    {
        rc.DeflateRect(3, 0);
        rc.InflateRect(0, 3);
    }
}

// --- Bars -------------------------------------------------------------------------------------

void CXTPNativeXPTheme::FillRebarBackground(CDC* pDC, CWnd* pWnd, CWnd* pAlignTo)
{
    CRect rcClient;
    pWnd->GetClientRect(&rcClient);
    if (!IsThemeInForce())
    {
        pDC->FillSolidRect(&rcClient, ResolveColor(COLOR_3DFACE));
        return;
    }
    CRect rcDraw(rcClient);
    if (pAlignTo && pAlignTo->GetSafeHwnd())
    {
        pAlignTo->GetWindowRect(&rcDraw);
        pWnd->ScreenToClient(&rcDraw);
    }
    m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), kRebarBackground, 0, &rcDraw, &rcClient);
}

void CXTPNativeXPTheme::FillCommandBar(CDC* pDC, CXTPCommandBar* pBar)
{
    int nPosition = pBar->GetPosition();
    if (!IsThemeInForce() || (nPosition == xtpBarFloating && pBar->IsDialogBar()))
    {
        CXTPDefaultTheme::FillCommandBar(pDC, pBar);
        return;
    }
    CRect rc;
    pBar->GetClientRect(&rc);
    HDC hDC = pDC->GetSafeHdc();
    if (nPosition == xtpBarPopup)
    {
        if (m_bFlatMenus)
        {
            Rectangle(pDC, &rc, COLOR_3DSHADOW, COLOR_MENU);
            return;
        }
        pDC->FillSolidRect(&rc, ResolveColor(COLOR_MENU));
        Draw3dRect(pDC, &rc, COLOR_3DFACE, COLOR_3DDKSHADOW);
        rc.DeflateRect(1, 1);
        DrawRaised(pDC, &rc);
        return;
    }
    if (nPosition == xtpBarFloating)
    {
        pDC->FillSolidRect(&rc, ResolveColor(COLOR_3DFACE));
        m_themeToolbar.DrawThemeBackground(hDC, kToolbarBackground, 0, &rc, nullptr);
        CRect rcLeft(rc.left, rc.top, rc.left + 3, rc.bottom);
        CRect rcRight(rc.right - 3, rc.top, rc.right, rc.bottom);
        CRect rcBottom(rc.left, rc.bottom - 3, rc.right, rc.bottom);
        m_themeWindow.DrawThemeBackground(hDC, kWindowSmallFrameLeft, 1, &rcLeft, nullptr);
        m_themeWindow.DrawThemeBackground(hDC, kWindowSmallFrameRight, 1, &rcRight, nullptr);
        m_themeWindow.DrawThemeBackground(hDC, kWindowSmallFrameBottom, 1, &rcBottom, nullptr);
        return;
    }
    if (nPosition == xtpBarTop)
        FillRebarBackground(pDC, pBar, pBar->GetParent());
    else
        pDC->FillSolidRect(&rc, ResolveColor(COLOR_3DFACE));
    m_themeRebar.DrawThemeBackground(hDC, kRebarBand, 0, &rc, nullptr);
    if (!IsFlatBar(pBar))
        pDC->Draw3dRect(&rc, m_clrEdgeHighlightColor, m_clrEdgeShadowColor);
}

void CXTPNativeXPTheme::FillDockBar(CDC* pDC, CWnd* pDockBar)
{
    const CXTPDockBar* pDock = dynamic_cast<const CXTPDockBar*>(pDockBar);
    if (pDock && pDock->GetDockPosition() == xtpBarTop)
    {
        FillRebarBackground(pDC, pDockBar, pDockBar);
        return;
    }
    CRect rc;
    pDockBar->GetClientRect(&rc);
    pDC->FillSolidRect(&rc, ResolveColor(COLOR_3DFACE));
}

CSize CXTPNativeXPTheme::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    if (!IsThemeInForce())
        return CXTPDefaultTheme::DrawCommandBarGripper(pDC, pBar, bDraw);
    if (pBar->IsFloatingGripper())
        return DrawFloatingGripper(pDC, pBar, bDraw);
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    HDC hDC = pDC ? pDC->GetSafeHdc() : nullptr;
    switch (pBar->GetPosition())
    {
    case xtpBarTop:
    case xtpBarBottom:
        if (bDraw)
        {
            CRect rc(rcClient.left + 2, rcClient.top, rcClient.left + 8, rcClient.bottom);
            m_themeRebar.DrawThemeBackground(hDC, kRebarGripper, 1, &rc, nullptr);
        }
        return CSize(8, 0);
    case xtpBarLeft:
    case xtpBarRight:
        if (bDraw)
        {
            CRect rc(rcClient.left, rcClient.top + 2, rcClient.right, rcClient.top + 8);
            m_themeRebar.DrawThemeBackground(hDC, kRebarGripperVert, 1, &rc, nullptr);
        }
        return CSize(0, 8);
    case xtpBarFloating:
    {
        CXTPFontDC font(pDC, &m_fontSmCaption);
        int nHeight = std::max(static_cast<int>(pDC->GetTextExtent(" ", 1).cy), 15);
        int cx = rcClient.Width();
        if (bDraw)
        {
            CRect rcCaption(0, 0, cx, nHeight + 3);
            m_themeWindow.DrawThemeBackground(hDC, kWindowSmallCaption, 1, &rcCaption, nullptr);
            pDC->SetTextColor(m_clrFloatingGripperText.GetColor());
            pDC->SetBkMode(TRANSPARENT);
            CRect rcText(5, 3, cx - 2 * (nHeight + 3) + 3, nHeight + 3);
            pDC->DrawText(pBar->GetTitle(), &rcText, DT_SINGLELINE | DT_VCENTER);
        }
        return CSize(cx, nHeight);
    }
    default:
        return CSize(0, 0);
    }
}

CSize CXTPNativeXPTheme::DrawFloatingGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    if (!IsThemeInForce())
        return CXTPDefaultTheme::DrawFloatingGripper(pDC, pBar, bDraw);
    int nHeight = m_nTextHeight >= 18 ? m_nTextHeight + 4 : 22;
    if (bDraw)
    {
        CRect rc(2, 3, 8, nHeight);
        m_themeRebar.DrawThemeBackground(pDC->GetSafeHdc(), kRebarGripper, 1, &rc, nullptr);
    }
    return CSize(8, nHeight);
}

CSize CXTPNativeXPTheme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar,
                                                 CXTPControl* pControl, BOOL bDraw)
{
    if (!bDraw || !IsThemeInForce() || pBar->GetType() == xtpBarTypePopup
        || pBar->GetPosition() == xtpBarPopup)
        return CXTPDefaultTheme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
    CRect rcRow = pControl->GetRowRect();
    CRect rcControl = pControl->GetRect();
    BOOL bWrap = pControl->GetWrap();
    int nPart;
    CRect rc;
    if (IsVerticalDockPosition(pBar->GetPosition()))
    {
        nPart = bWrap ? kToolbarSeparator : kToolbarSeparatorVert;
        rc = bWrap ? CRect(rcRow.right, rcRow.top + 4, rcRow.right + 5, rcRow.bottom)
                   : CRect(rcRow.left, rcControl.top - 6, rcRow.right, rcControl.top);
    }
    else
    {
        nPart = bWrap ? kToolbarSeparatorVert : kToolbarSeparator;
        rc = bWrap ? CRect(rcRow.left + 4, rcRow.top - 5, rcRow.right, rcRow.top)
                   : CRect(rcControl.left - 6, rcRow.top, rcControl.left, rcRow.bottom);
    }
    m_themeToolbar.DrawThemeBackground(pDC->GetSafeHdc(), nPart, 1, &rc, nullptr);
    return CSize(0, 0);
}

// --- Fields -----------------------------------------------------------------------------------

void CXTPNativeXPTheme::DrawComboBoxButton(CDC* pDC, CRect rcBtn, BOOL bEnabled, int nSelected,
                                           BOOL bDroppedDown)
{
    if (!m_themeComboBox.IsAppThemed())
    {
        CXTPDefaultTheme::DrawComboBoxButton(pDC, rcBtn, bEnabled, nSelected, bDroppedDown);
        return;
    }
    int nState = !bEnabled ? 4 : bDroppedDown ? 3 : nSelected ? 2 : 1;
    CRect rc(rcBtn.left - 2, rcBtn.top + 1, rcBtn.right - 1, rcBtn.bottom - 1);
    m_themeComboBox.DrawThemeBackground(pDC->GetSafeHdc(), kComboDropDown, nState, &rc, nullptr);
}

void CXTPNativeXPTheme::DrawControlBorder(CDC* pDC, CRect rc, BOOL bEnabled, int nSelected)
{
    if (!m_themeComboBox.IsAppThemed())
    {
        CXTPDefaultTheme::DrawControlBorder(pDC, rc, bEnabled, nSelected);
        return;
    }
    COLORREF clr = 0;
    if (FAILED(m_themeComboBox.GetThemeColor(kComboDropDown, bEnabled ? 1 : 4, TMT_BORDERCOLOR, &clr)))
        clr = ResolveColor(COLOR_3DSHADOW);
    pDC->Draw3dRect(&rc, clr, clr);
}

} // namespace XTPPaintThemes
