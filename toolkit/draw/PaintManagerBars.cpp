// The paint manager's drawing of bars, the status bar, marks and arrows, and
// the popup animations.
#include "toolkit/draw/PaintManager.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"
#include "toolkit/draw/BitmapHelpers.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ImageManagerIcon.h"
#include "toolkit/draw/ScopedDC.h"
#include "toolkit/draw/ToolkitClock.h"
#include "toolkit/extras/StatusBarPane.h"

#include <algorithm>

namespace {

// Status-bar parts of the "STATUS" visual style.
const int SP_PANE = 1;
const int SP_GRIPPERPANE = 2;
const int SP_GRIPPER = 3;
// Check box part of the "BUTTON" visual style.
const int BP_CHECKBOX = 3;

// Sleeps the part of the frame time that drawing left over; never negative.
void SleepRest(DWORD dwStart, int nFrameTime)
{
    DWORD dwSpent = XTPGetTickCount() - dwStart;
    if (nFrameTime > 0 && dwSpent < static_cast<DWORD>(nFrameTime))
        XTPSleep(static_cast<DWORD>(nFrameTime) - dwSpent);
}

} // namespace

// --- Bars ----------------------------------------------------------------------------

CSize CXTPPaintManager::DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw)
{
    if (pBar->GetPosition() != xtpBarFloating)
        return CSize(0, 0);

    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    CXTPFontDC font(pDC, &m_fontSmCaption);
    int nTextHeight = pDC->GetTextExtent(" ", 1).cy;
    CRect rcCaption(3, 3, rcClient.right - 3, nTextHeight < 15 ? 18 : nTextHeight + 3);
    if (bDraw)
    {
        pDC->FillSolidRect(&rcCaption, m_clrFloatingGripper.GetColor());
        pDC->SetTextColor(m_clrFloatingGripperText.GetColor());
        pDC->SetBkMode(TRANSPARENT);
        CRect rcText(5, 3, rcCaption.right - 2 * rcCaption.Height(), rcCaption.bottom);
        pDC->DrawText(pBar->GetTitle(), &rcText, DT_SINGLELINE | DT_VCENTER);
    }
    return rcCaption.Size();
}

// --- Status bar ------------------------------------------------------------------------

void CXTPPaintManager::DrawStatusBarPane(CDC* pDC, CRect& rc, CXTPStatusBarPane* pPane)
{
    BOOL bEnabled = pPane->IsEnabled();
    BOOL bDrawText = bEnabled || pPane->IsDisabledTextShown();

    COLORREF clrBack = pPane->GetBackgroundColor();
    if (clrBack != static_cast<COLORREF>(-1))
    {
        CRect rcBack(rc);
        if ((pPane->GetStyle() & XTP_SBPS_NOBORDERS) == 0)
            rcBack.DeflateRect(1, 1);
        pDC->FillSolidRect(&rcBack, clrBack);
    }

    CXTPFontDC font(pDC, pPane->GetTextFont());
    CRect rcPadding = pPane->GetPadding();
    CRect rcItem(rc.left + rcPadding.left, rc.top + rcPadding.top, rc.right - rcPadding.right,
                 rc.bottom - rcPadding.bottom);

    CString strText = bDrawText ? pPane->GetText() : CString();
    CXTPImageManagerIcon* pIcon = pPane->GetImage();
    int nAlignment = pPane->GetTextAlignment();
    if (nAlignment != 0)
    {
        int nWidth = strText.IsEmpty() ? 0 : pDC->GetTextExtent(strText).cx;
        if (pIcon)
            nWidth += pIcon->GetWidth() + (strText.IsEmpty() ? 0 : 2);
        if (nWidth < rcItem.Width())
        {
            if (nAlignment == 2)
                rcItem.left = rcItem.right - nWidth;
            else if (nAlignment == 1)
                rcItem.left += (rcItem.Width() - nWidth) / 2;
        }
    }

    if (pIcon && pIcon->GetWidth() <= rcItem.Width())
    {
        CPoint pt(rcItem.left, rcItem.CenterPoint().y - pIcon->GetHeight() / 2);
        pIcon->Draw(pDC, pt, bEnabled ? pIcon->GetNormalImage() : pIcon->GetDisabledImage());
        rcItem.left += pIcon->GetWidth() + 2;
    }

    if (!strText.IsEmpty())
    {
        pDC->SetBkMode(TRANSPARENT);
        COLORREF clrText = pPane->GetTextColor();
        if (!bEnabled)
            clrText = ResolveColor(COLOR_GRAYTEXT);
        else if (clrText == static_cast<COLORREF>(-1))
            clrText = m_clrStatusTextColor;
        pDC->SetTextColor(clrText);
        pDC->DrawText(strText, &rcItem, DT_NOPREFIX | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER);
    }
}

void CXTPPaintManager::DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane)
{
    if (m_themeStatusBar.IsAppThemed())
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), bGripperPane ? SP_GRIPPERPANE : SP_PANE,
                                             0, &rc, nullptr);
    else
        Draw3dRect(pDC, &rc, COLOR_3DSHADOW, COLOR_BTNHIGHLIGHT);
}

void CXTPPaintManager::DrawStatusBarGripper(CDC* pDC, CRect rcClient)
{
    if (m_themeStatusBar.IsAppThemed())
    {
        CRect rcGripper(rcClient.right - 18, rcClient.top, rcClient.right, rcClient.bottom);
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), SP_GRIPPER, 0, &rcGripper, nullptr);
        return;
    }
    int x = rcClient.left, y = rcClient.top;
    int w = rcClient.Width(), h = rcClient.Height();
    for (int k = 0; k < 3; ++k)
    {
        Line(pDC, x + w - 3 - 4 * k, y + h - 2, x + w - 1, y + h - 4 - 4 * k, COLOR_3DSHADOW);
        Line(pDC, x + w - 4 - 4 * k, y + h - 2, x + w - 1, y + h - 5 - 4 * k, COLOR_3DSHADOW);
    }
    for (int k = 0; k < 3; ++k)
        Line(pDC, x + w - 5 - 4 * k, y + h - 2, x + w - 1, y + h - 6 - 4 * k, COLOR_BTNHIGHLIGHT);
}

void CXTPPaintManager::FillStatusBar(CDC* pDC, CWnd* pStatusBar)
{
    CRect rc;
    pStatusBar->GetClientRect(&rc);
    if (m_themeStatusBar.IsAppThemed())
        m_themeStatusBar.DrawThemeBackground(pDC->GetSafeHdc(), 0, 0, &rc, nullptr);
    else
        pDC->FillSolidRect(&rc, ResolveColor(COLOR_3DFACE));
}

// --- Marks and arrows ----------------------------------------------------------------

CSize CXTPPaintManager::DrawCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, int nSelected,
                                         int nPressed, int nChecked, BOOL bEnabled)
{
    CSize szBox(13, 13);
    if (!bDraw)
        return szBox;

    if (m_bThemedCheckBox && m_themeButton.IsAppThemed())
    {
        int nCheckState = nChecked == 1 ? 4 : nChecked == 2 ? 8 : 0;
        int nPushState = !bEnabled ? 3 : nPressed ? 2 : nSelected ? 1 : 0;
        m_themeButton.DrawThemeBackground(pDC->GetSafeHdc(), BP_CHECKBOX,
                                          1 + nCheckState + nPushState, &rc, nullptr);
        return szBox;
    }
    UINT nState = DFCS_BUTTONCHECK;
    if (nChecked)
        nState |= DFCS_CHECKED;
    if (nPressed)
        nState |= DFCS_PUSHED;
    if (!bEnabled || nChecked == 2)
        nState |= DFCS_INACTIVE;
    pDC->DrawFrameControl(&rc, DFC_BUTTON, nState);
    return szBox;
}

void CXTPPaintManager::DrawMenuCheckMark(CDC* pDC, CRect rcCheck, COLORREF clr)
{
    CXTPPenDC pen(*pDC, clr);
    BOOL bRightToLeft = IsLayoutRightToLeft(pDC);
    int nPasses = m_bThickCheckMark ? 2 : 1;
    for (int nPass = 0; nPass < nPasses; ++nPass)
    {
        int cx = rcCheck.CenterPoint().x;
        int y0 = rcCheck.top + nPass + (rcCheck.bottom - rcCheck.top) / 2 - 10;
        if (bRightToLeft)
        {
            const POINT ptsA[] = {{cx - 4, y0 + 7}, {cx, y0 + 11}, {cx + 3, y0 + 8}};
            const POINT ptsB[] = {{cx - 4, y0 + 8}, {cx, y0 + 12}, {cx + 3, y0 + 9}};
            pDC->Polyline(ptsA, 3);
            pDC->Polyline(ptsB, 3);
        }
        else
        {
            const POINT ptsA[] = {{cx - 4, y0 + 9}, {cx - 2, y0 + 11}, {cx + 3, y0 + 6}};
            const POINT ptsB[] = {{cx - 4, y0 + 10}, {cx - 2, y0 + 12}, {cx + 3, y0 + 7}};
            pDC->Polyline(ptsA, 3);
            pDC->Polyline(ptsB, 3);
        }
    }
}

void CXTPPaintManager::DrawDropDownArrow(CDC* pDC, CRect rc, COLORREF clr)
{
    int f = rc.Width() / 2 > 5 ? rc.Width() / 2 - 4 : 2;
    CPoint ptCenter = rc.CenterPoint();
    int y = ptCenter.y - f / 2;
    FillTriangle(pDC, CPoint(ptCenter.x - f, y), CPoint(ptCenter.x + f, y),
                 CPoint(ptCenter.x, y + f), clr);
}

void CXTPPaintManager::DrawPopupArrow(CDC* pDC, int x, int y, int nSelected, BOOL bPopuped,
                                      BOOL bEnabled, BOOL bVert)
{
    COLORREF clr = GetControlTextColor(nSelected, FALSE, bEnabled, FALSE, bPopuped,
                                       xtpBarTypeNormal, xtpBarTop);
    if (bVert)
        FillTriangle(pDC, CPoint(x + 2, y - 2), CPoint(x + 2, y + 2), CPoint(x, y), clr);
    else
        FillTriangle(pDC, CPoint(x - 2, y - 1), CPoint(x + 2, y - 1), CPoint(x, y + 1), clr);
}

// --- Popup animations ----------------------------------------------------------------

void CXTPPaintManager::AnimatePopupBar(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nKind)
{
    int nSteps = m_nAnimationSteps;
    if (nSteps <= 0)
        return;
    int nPause = m_nAnimationTime / nSteps;
    int cx = rc.Width(), cy = rc.Height();

    if (nKind == xtpAnimateSlide || nKind == xtpAnimateUnfold)
    {
        for (int k = 1; k <= nSteps; ++k)
        {
            int w = nKind == xtpAnimateSlide ? cx * k / nSteps : cx;
            int h = cy * k / nSteps;
            pDestDC->BitBlt(rc.left, rc.top, w, h, pSrcDC, rc.right - w, rc.bottom - h, SRCCOPY);
            if (nPause > 0)
                XTPSleep(static_cast<DWORD>(nPause));
        }
        return;
    }
    if (nKind != xtpAnimateFade)
        return;

    BYTE* pSource = nullptr;
    BYTE* pDest = nullptr;
    BYTE* pBlend = nullptr;
    HDC hDestDC = pDestDC->GetSafeHdc();
    HBITMAP hSource = Create32BitDIBSection(hDestDC, cx, -cy, &pSource);
    HBITMAP hDest = Create32BitDIBSection(hDestDC, cx, -cy, &pDest);
    HBITMAP hBlend = Create32BitDIBSection(hDestDC, cx, -cy, &pBlend);
    if (hSource && hDest && hBlend)
    {
        CXTPCompatibleDC dcSource(pDestDC, hSource);
        CXTPCompatibleDC dcDest(pDestDC, hDest);
        CXTPCompatibleDC dcBlend(pDestDC, hBlend);
        dcSource.BitBlt(0, 0, cx, cy, pSrcDC, rc.left, rc.top, SRCCOPY);
        dcDest.BitBlt(0, 0, cx, cy, pDestDC, rc.left, rc.top, SRCCOPY);
        ::GdiFlush();
        for (int k = 1; k < nSteps; ++k)
        {
            DWORD dwStart = XTPGetTickCount();
            BlendPixels(pBlend, pDest, cx, cy, pSource, 255 * k / nSteps);
            pDestDC->BitBlt(rc.left, rc.top, cx, cy, &dcBlend, 0, 0, SRCCOPY);
            SleepRest(dwStart, m_nAnimationTime / nSteps);
        }
    }
    for (HBITMAP hBitmap : {hSource, hDest, hBlend})
        if (hBitmap)
            ::DeleteObject(hBitmap);
}

int CXTPPaintManager::AnimateBarExpand(CXTPCommandBar* pBar, CDC* pDestDC, CDC* pSrcDC,
                                       BOOL bDown)
{
    int nSteps = m_nAnimationSteps;
    if (nSteps <= 0)
        return 0;
    CRect rcClient;
    pBar->GetClientRect(&rcClient);
    CXTPControls* pControls = pBar->GetControls();
    int nCount = pControls->GetCount();

    for (int k = 1; k <= nSteps; ++k)
    {
        double dFactor = static_cast<double>(k) / nSteps;
        // Each run of rows is copied at full height (ordinary items) or at
        // the factor's share of its height (items the expansion adds).
        int ySource = bDown ? rcClient.top : rcClient.bottom;
        int yDest = ySource;
        BOOL bRunExpanded = FALSE;
        auto copyRun = [&](int yBoundary) {
            int nRun = bDown ? yBoundary - ySource : ySource - yBoundary;
            if (nRun <= 0)
                return;
            int nDestRun = bRunExpanded ? static_cast<int>(nRun * dFactor) : nRun;
            int yTop = bDown ? yDest : yDest - nDestRun;
            int ySrcTop = bDown ? ySource : yBoundary;
            pDestDC->StretchBlt(rcClient.left, yTop, rcClient.Width(), nDestRun, pSrcDC,
                                rcClient.left, ySrcTop, rcClient.Width(), nRun, SRCCOPY);
            yDest += bDown ? nDestRun : -nDestRun;
            ySource = yBoundary;
        };
        for (int n = 0; n < nCount; ++n)
        {
            CXTPControl* pControl = pControls->GetAt(bDown ? n : nCount - 1 - n);
            if (!pControl->IsVisible())
                continue;
            BOOL bExpanded = pControl->IsKeptVisible();
            if (bExpanded != bRunExpanded)
            {
                copyRun(bDown ? pControl->GetRect().top : pControl->GetRect().bottom);
                bRunExpanded = bExpanded;
            }
        }
        copyRun(bDown ? rcClient.bottom : rcClient.top);
        if (m_nAnimationTime / nSteps > 0)
            XTPSleep(static_cast<DWORD>(m_nAnimationTime / nSteps));
    }
    return nSteps;
}
