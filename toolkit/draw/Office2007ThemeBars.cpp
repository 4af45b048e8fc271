// The Office 2007 theme's plain parts: the menu-bar text, the status bar
// (a shadow line over two gradients, etched pane separators, a dotted
// gripper) and the workspace behind the document windows.
#include "toolkit/draw/Office2007Theme.h"

#include "framework/ui/Dc.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/Office2007Image.h"

#include <algorithm>

namespace XTPPaintThemes {

namespace {

const COLORREF WHITE = 0xffffff;
// The status-bar separator and gripper colour of the paint manager's table.
const UINT SEPARATOR_COLOR = 39;

} // namespace

COLORREF CXTPOffice2007Theme::GetControlTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                                                  BOOL bChecked, BOOL bPopuped, int barType,
                                                  int barPosition)
{
    if (barType == xtpBarTypeMenuBar && bEnabled && !bSelected && !bPressed && !bChecked && !bPopuped)
        return m_clrMenuBarText;
    return CXTPOfficeTheme::GetControlTextColor(bSelected, bPressed, bEnabled, bChecked, bPopuped,
                                                barType, barPosition);
}

void CXTPOffice2007Theme::DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane)
{
    if (bGripperPane)
        return;
    const int cy = rc.Height() - 2;
    if (cy <= 0)
        return;
    pDC->FillSolidRect(rc.right - 1, rc.top, 1, cy, ResolveColor(SEPARATOR_COLOR));
    pDC->FillSolidRect(rc.right, rc.top, 1, cy, WHITE);
}

void CXTPOffice2007Theme::DrawStatusBarGripper(CDC* pDC, CRect rcClient)
{
    const COLORREF clrDot = ResolveColor(SEPARATOR_COLOR);
    // Rows of 3, 2 and 1 dots from the bottom right corner up.
    for (int nRow = 0; nRow < 3; ++nRow)
    {
        const int y = rcClient.bottom - 3 - 4 * nRow;
        for (int nDot = 0; nDot < 3 - nRow; ++nDot)
        {
            const int x = rcClient.right - 3 - 4 * nDot;
            pDC->FillSolidRect(x + 1, y + 1, 2, 2, WHITE);
            pDC->FillSolidRect(x, y, 2, 2, clrDot);
        }
    }
}

void CXTPOffice2007Theme::FillStatusBar(CDC* pDC, CWnd* pStatusBar)
{
    CRect rc;
    pStatusBar->GetClientRect(&rc);
    pDC->FillSolidRect(rc.left, rc.top, rc.Width(), 1, m_clrStatusBarShadow);
    const int yMiddle = std::min(static_cast<int>(rc.top) + 9, static_cast<int>(rc.bottom));
    CRect rcTop(rc.left, rc.top + 1, rc.right, yMiddle);
    CRect rcBottom(rc.left, yMiddle, rc.right, rc.bottom);
    if (!rcTop.IsRectEmpty())
        CXTPDrawHelpers::GradientFill(pDC, &rcTop, m_clrStatusBarTop, FALSE);
    if (!rcBottom.IsRectEmpty())
        CXTPDrawHelpers::GradientFill(pDC, &rcBottom, m_clrStatusBarBottom, FALSE);
}

void CXTPOffice2007Theme::FillWorkspace(CDC* pDC, CRect rc)
{
    FillWorkspace(pDC, rc, CRect(0, 0, 0, 0));
}

void CXTPOffice2007Theme::FillWorkspace(CDC* pDC, CRect rc, CRect rcExclude)
{
    if (rc.IsRectEmpty())
        return;
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rc);
    if (!rcExclude.IsRectEmpty())
        pDC->ExcludeClipRect(&rcExclude);

    int yGradient = rc.top;
    CXTPOffice2007Image* pImage = GetImage("WORKSPACETOPLEFT");
    if (pImage && pImage->GetWidth() > 0)
    {
        const int cxImage = pImage->GetWidth();
        CRect rcSrc = pImage->GetSource(0, 1);
        CRect rcImage(rc.left, rc.top, rc.left + std::max(cxImage, rc.Width()),
                      rc.top + rcSrc.Height());
        pImage->DrawImage(pDC, rcImage, rcSrc, CRect(cxImage - 1, 0, 0, 0));
        yGradient = rcImage.bottom;
    }
    if (yGradient < rc.bottom)
    {
        const int yMiddle = yGradient + (rc.bottom - yGradient) * 2 / 3;
        CRect rcUpper(rc.left, yGradient, rc.right, yMiddle);
        CRect rcLower(rc.left, yMiddle, rc.right, rc.bottom);
        if (!rcUpper.IsRectEmpty())
            CXTPDrawHelpers::GradientFill(pDC, &rcUpper, m_clrWorkspaceClientTop,
                                          m_clrWorkspaceClientMiddle, FALSE);
        if (!rcLower.IsRectEmpty())
            CXTPDrawHelpers::GradientFill(pDC, &rcLower, m_clrWorkspaceClientMiddle,
                                          m_clrWorkspaceClientBottom, FALSE);
    }
    pDC->RestoreDC(nSaved);
}

} // namespace XTPPaintThemes
