// Controls as the ribbon theme draws them: button faces from the toolbar and
// menu images, text colours, popup separators, gutter and frame, check
// boxes, the status bar's gripper and the popups' rounded region.
#include "toolkit/draw/RibbonTheme.h"

#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "framework/ui/Dc.h"
#include "toolkit/draw/Office2007Image.h"

#include <vector>

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kSeparatorDark = RGB(197, 197, 197);
const COLORREF kSeparatorLight = RGB(245, 245, 245);

BOOL IsKeyboardSelection(int nSelected)
{
    return nSelected == 2 || nSelected == 3;
}

} // namespace

int CXTPRibbonTheme::GetToolbarFaceFrame(int nSelected, int nPressed, BOOL bEnabled, BOOL bChecked, BOOL bPopuped)
{
    if (!bEnabled)
        return IsKeyboardSelection(nSelected) ? 0 : -1;
    if (bPopuped)
        return 2;
    if (bChecked && !nPressed)
        return nSelected ? 3 : 2;
    if (IsKeyboardSelection(nPressed))
        return 1;
    if (nSelected)
        return nPressed ? 1 : 0;
    return nPressed ? 0 : -1;
}

void CXTPRibbonTheme::FillCommandBar(CDC* pDC, CXTPCommandBar* pBar)
{
    if (pBar->GetPosition() != xtpBarPopup)
    {
        CXTPOffice2003Theme::FillCommandBar(pDC, pBar);
        return;
    }
    CRect rc;
    pBar->GetClientRect(&rc);
    if (!DrawImage(pDC, "POPUPBARFRAME", rc, 0, 1, CRect(4, 4, 4, 4)))
    {
        CXTPOffice2003Theme::FillCommandBar(pDC, pBar);
        return;
    }
    if (pBar->GetType() == xtpBarTypePopup)
        FillPopupGutter(pDC, 1, 2, GetPopupGutterWidth(pBar), rc.Height() - 4, FALSE);
}

void CXTPRibbonTheme::DrawButtonFace(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                                     BOOL bChecked, BOOL bPopuped, int barType, int barPosition)
{
    // The popup look goes by the bar's type, as in the other themes: a menu
    // docked as a toolbar keeps it, a toolbar shown as a popup does not.
    if (barType == xtpBarTypePopup)
    {
        BOOL bDrawn = FALSE;
        if (bChecked)
        {
            bDrawn = DrawImage(pDC, "MENUCHECKEDITEM", rc, bEnabled ? 0 : 1, 2, CRect(4, 4, 4, 4));
        }
        else if (nSelected && (bEnabled || IsKeyboardSelection(nSelected)))
        {
            const BOOL bSmall = rc.Height() < 33;
            LPCSTR pszImage = bEnabled ? (bSmall ? "MENUSELECTEDITEM22" : "MENUSELECTEDITEM54")
                                       : (bSmall ? "MENUSELECTEDDISABLEDITEM22" : "MENUSELECTEDDISABLEDITEM54");
            bDrawn = DrawImage(pDC, pszImage, rc, 0, 1, CRect(4, 4, 4, 4));
        }
        if (!bDrawn)
            CXTPOffice2007Theme::DrawButtonFace(pDC, rc, nSelected, nPressed, bEnabled, bChecked, bPopuped,
                                                barType, barPosition);
        return;
    }
    // Toolbar faces come from the images alone: without them they stay empty.
    const int nFrame = GetToolbarFaceFrame(nSelected, nPressed, bEnabled, bChecked, bPopuped);
    if (nFrame >= 0)
        DrawImage(pDC, rc.Height() < 33 ? "TOOLBARBUTTONS22" : "TOOLBARBUTTONS50", rc, nFrame, 4,
                       CRect(8, 8, 8, 8));
}

COLORREF CXTPRibbonTheme::GetTextColorForControl(CXTPControl* pControl)
{
    CXTPCommandBar* pBar = pControl->GetParent();
    if (pBar && pBar->GetType() == xtpBarTypeRibbon && !pControl->GetRibbonGroup() && pControl->GetEnabled()
        && !pControl->GetSelected() && !pControl->GetPressed() && !pControl->GetChecked()
        && !pControl->IsPopupOpen())
        return m_clrRibbonText;
    return CXTPOffice2007Theme::GetTextColorForControl(pControl);
}

COLORREF CXTPRibbonTheme::GetControlTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                              BOOL bPopuped, int barType, int barPosition)
{
    if (!bSelected && !bPressed && !bChecked && !bPopuped && bEnabled && barType == xtpBarTypeMenuBar)
        return CXTPOffice2007Theme::GetControlTextColor(bSelected, bPressed, bEnabled, bChecked, bPopuped,
                                                        barType, barPosition);
    if (barType == xtpBarTypePopup)
        return ResolveColor(bEnabled ? 44 : 35);
    return ResolveColor(bEnabled ? 46 : 60);
}

CSize CXTPRibbonTheme::DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                               BOOL bDraw)
{
    if (pBar->GetPosition() != xtpBarPopup)
        return CXTPOffice2003Theme::DrawCommandBarSeparator(pDC, pBar, pControl, bDraw);
    if (!bDraw || !pControl)
        return CSize(2, 2);
    const CRect rcControl = pControl->GetRect();
    CRect rcBar;
    pBar->GetClientRect(&rcBar);
    if (pControl->GetWrap())
    {
        VerticalLine(pDC, rcControl.left - 2, rcBar.top + 1, rcBar.bottom - 1, kSeparatorDark);
    }
    else
    {
        const int x = GetPopupGutterWidth(pBar) + GetCommandBarBorders(pBar).left;
        HorizontalLine(pDC, x, rcControl.top - 2, rcControl.right + 1, kSeparatorDark);
        HorizontalLine(pDC, x, rcControl.top - 1, rcControl.right + 1, kSeparatorLight);
    }
    return CSize(2, 2);
}

CSize CXTPRibbonTheme::DrawCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed,
                                        int nChecked, BOOL bEnabled)
{
    CXTPOffice2007Image* pImage = GetImage("TOOLBARBUTTONCHECKBOX");
    if (!pImage)
        return CXTPOffice2007Theme::DrawCheckBoxMark(pDC, rc, bDraw, nSelected, nPressed, nChecked, bEnabled);
    if (bDraw)
    {
        const int nState = !bEnabled ? 3 : nPressed ? 2 : nSelected ? 1 : 0;
        const int nFrame = nState + (nChecked == 2 ? 8 : nChecked ? 4 : 0);
        const CRect rcCheck(CPoint(rc.left, rc.top + (rc.Height() - 13) / 2), CSize(13, 13));
        pImage->DrawImage(pDC, rcCheck, pImage->GetSource(nFrame, 12), CRect(0, 0, 0, 0));
    }
    return CSize(13, 13);
}

void CXTPRibbonTheme::FillPopupGutter(CDC* pDC, int x, int y, int cx, int cy, BOOL /*bExpanded*/)
{
    pDC->FillSolidRect(x, y, cx, cy, RGB(233, 238, 238));
    VerticalLine(pDC, x + cx - 2, y, y + cy, kSeparatorDark);
    VerticalLine(pDC, x + cx - 1, y, y + cy, kSeparatorLight);
}

void CXTPRibbonTheme::DrawStatusBarGripper(CDC* pDC, CRect rcClient)
{
    CXTPOffice2007Image* pImage = GetImage("STATUSBARGRIPPER");
    if (!pImage)
    {
        CXTPOffice2007Theme::DrawStatusBarGripper(pDC, rcClient);
        return;
    }
    const CSize size = pImage->GetExtent();
    const CRect rc(rcClient.right - size.cx, rcClient.bottom - 4 - size.cy, rcClient.right, rcClient.bottom - 4);
    pImage->DrawImage(pDC, rc, pImage->GetSource(0, 1), CRect(0, 0, 0, 0), kMagenta);
}

void CXTPRibbonTheme::SetCommandBarRegion(CXTPCommandBar* pBar)
{
    if (pBar->GetPosition() != xtpBarPopup || !pBar->GetSafeHwnd())
        return;
    CRect rcWindow;
    pBar->GetWindowRect(&rcWindow);
    const int cx = rcWindow.Width();
    const int cy = rcWindow.Height();
    // A window too small for the three rectangles keeps its plain shape.
    if (cx < 3 || cy < 3)
        return;
    const RECT rects[] = {{1, 0, cx - 1, 1}, {0, 1, cx, cy - 1}, {1, cy - 1, cx - 1, cy}};
    const int nCount = static_cast<int>(sizeof(rects) / sizeof(rects[0]));
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + sizeof(rects));
    RGNDATA* pData = reinterpret_cast<RGNDATA*>(data.data());
    pData->rdh.dwSize = sizeof(RGNDATAHEADER);
    pData->rdh.iType = RDH_RECTANGLES;
    pData->rdh.nCount = nCount;
    pData->rdh.nRgnSize = sizeof(rects);
    ::SetRect(&pData->rdh.rcBound, 0, 0, cx, cy);
    memcpy(pData->Buffer, rects, sizeof(rects));
    HRGN hRgn = ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), pData);
    if (hRgn && !::SetWindowRgn(pBar->GetSafeHwnd(), hRgn, FALSE))
        ::DeleteObject(hRgn);
}
