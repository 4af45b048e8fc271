#include "app/QivTheme.h"

#include "framework/ui/Dc.h"
#include "framework/ui/Wnd.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/DrawHelpers.h"

#include <algorithm>

namespace {

// Colour-table entry of the dark end of the bar gradient.
const UINT kBarColorIndex = 30;
// Per mille of white in the light end.
const int kLightWhiteWeight = 250;
// Bar window styles that ask for a plain fill instead of the gradient.
const DWORD kSolidFillStyles = 0x4000 | 0x0100;

int ScreenBitsPerPixel()
{
    CWindowDC dcScreen(nullptr);
    return dcScreen.GetDeviceCaps(BITSPIXEL) * dcScreen.GetDeviceCaps(PLANES);
}

} // namespace

CQivTheme::CQivTheme()
{
    RefreshColors();
}

void CQivTheme::RefreshMetrics()
{
    CXTPDefaultTheme::RefreshMetrics();
    RefreshColors();
}

void CQivTheme::RefreshColors()
{
    m_clrBarDark = GetColorManager()->ResolveColor(kBarColorIndex);
    m_clrBarLight = CXTPColorManager::BlendColors(RGB(255, 255, 255), m_clrBarDark, kLightWhiteWeight);
}

void CQivTheme::FillDockBar(CDC* pDC, CWnd* pBar)
{
    if (ScreenBitsPerPixel() < 16) {
        CXTPDefaultTheme::FillDockBar(pDC, pBar);
        return;
    }
    CRect rc;
    pBar->GetClientRect(&rc);
    if (pBar->GetStyle() & kSolidFillStyles) {
        pDC->FillSolidRect(&rc, m_clrBarDark);
        return;
    }
    // Spread over at least half the screen, so a short bar shows only the
    // light part of the same gradient its longer neighbours show.
    CRect rcGradient = rc;
    rcGradient.right = rc.left + std::max(static_cast<int>(rc.Width()), ::GetSystemMetrics(SM_CXFULLSCREEN) / 2);
    CXTPDrawHelpers::GradientFill(pDC, &rcGradient, m_clrBarLight, m_clrBarDark, TRUE, &rc);
}
