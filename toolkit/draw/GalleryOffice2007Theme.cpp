#include "toolkit/draw/GalleryOffice2007Theme.h"

#include "framework/ui/Dc.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/ScrollBase.h"
#include "toolkit/controls/ControlGallery.h"
#include "toolkit/draw/Office2007Image.h"
#include "toolkit/draw/Office2007StyleResources.h"
#include "toolkit/draw/PaintManager.h"

#include <algorithm>

namespace {

const COLORREF NO_COLOR = static_cast<COLORREF>(-1);
const COLORREF LINE_COLOR = 0xc5c5c5;
const COLORREF IMAGE_KEY = 0xff00ff;
// The glyphs of the scroll-bar arrows are frames of this height.
const int ARROW_GLYPH_HEIGHT = 9;

CXTPOffice2007Image* Image(LPCSTR lpszName)
{
    return GetOffice2007StyleResources()->GetImage(lpszName);
}

// The image's frame nState of nCount over rc, its key colour left out.
void DrawFrame(CDC* pDC, CXTPOffice2007Image* pImage, const CRect& rc, int nState, int nCount,
               const CRect& rcMargins = CRect(0, 0, 0, 0))
{
    if (!rc.IsRectEmpty())
        pImage->DrawImage(pDC, rc, pImage->GetSource(nState, nCount), rcMargins, IMAGE_KEY);
}

} // namespace

CXTPControlGalleryOffice2007Theme::CXTPControlGalleryOffice2007Theme(CXTPPaintManager* pPaintManager)
    : CXTPControlGalleryPaintManager(pPaintManager), m_clrControlGallerySelected(NO_COLOR),
      m_clrControlGalleryNormal(NO_COLOR), m_clrControlGalleryBorder(NO_COLOR)
{
}

void CXTPControlGalleryOffice2007Theme::RefreshMetrics()
{
    CXTPControlGalleryPaintManager::RefreshMetrics();
    m_cxHScroll = m_cyHScroll = m_cyVScroll = m_cxVScroll = 17;
    m_cyPopupUp = 21;
    m_cyPopupDown = 19;
    // The three-button bar's images are 15 pixels wide.
    m_cxPopup = 15;
    const CXTPOffice2007StyleResources* pStyle = GetOffice2007StyleResources();
    // Without the module the gallery keeps the colours of the base painter.
    CXTPPaintManager* pPaintManager = GetPaintManager();
    auto lookup = [pStyle](LPCSTR lpszKey, COLORREF clrFallback) {
        COLORREF clr = pStyle->LookupColor("Toolbar", lpszKey);
        return clr != NO_COLOR ? clr : clrFallback;
    };
    m_clrControlGalleryNormal = lookup("ControlGalleryNormal", pPaintManager->ResolveColor(41));
    m_clrControlGallerySelected = lookup("ControlGallerySelected", m_clrControlGalleryNormal);
    m_clrControlGalleryBorder = lookup("ControlGalleryBorder", pPaintManager->ResolveColor(52));
}

void CXTPControlGalleryOffice2007Theme::DrawLabel(CDC* pDC, CXTPControlGalleryItem* pLabel, CRect rc)
{
    CXTPControlGalleryPaintManager::DrawLabel(pDC, pLabel, rc);
    // The base painter's line, in this theme's grey.
    pDC->FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, LINE_COLOR);
}

void CXTPControlGalleryOffice2007Theme::FillControl(CDC* pDC, CXTPControlGallery* pGallery, CRect rc)
{
    CXTPCommandBar* pParent = pGallery->GetParent();
    COLORREF clrBack = m_clrControlGalleryNormal;
    if (pParent && pParent->GetType() == xtpBarTypePopup)
        clrBack = GetPaintManager()->ResolveColor(41);
    else if (pGallery->GetSelected() && pGallery->GetEnabled())
        clrBack = m_clrControlGallerySelected;
    pDC->FillSolidRect(&rc, clrBack);
    if (pGallery->IsShowBorders())
        pDC->Draw3dRect(&rc, m_clrControlGalleryBorder, m_clrControlGalleryBorder);
    if (pGallery->HasNextVisibleControl())
        pDC->FillSolidRect(rc.left, rc.bottom - 2, rc.Width(), 1, LINE_COLOR);
}

int CXTPControlGalleryOffice2007Theme::GetPopupButtonState(BOOL bEnabled, BOOL bPressed, BOOL bHot,
                                                           BOOL bOtherActive)
{
    return !bEnabled ? 4 : bPressed ? 3 : bHot ? 2 : bOtherActive ? 1 : 0;
}

void CXTPControlGalleryOffice2007Theme::DrawPopupScrollBar(CDC* pDC, CXTPControlGallery* pGallery)
{
    CXTPOffice2007Image* images[] = {Image("CONTROLGALLERYUP"), Image("CONTROLGALLERYDOWN"),
                                     Image("CONTROLGALLERYPOPUP")};
    CRect rcBar;
    pGallery->GetScrollBarRect(rcBar);
    if (!images[0] || !images[1] || !images[2] || rcBar.IsRectEmpty())
    {
        CXTPControlGalleryPaintManager::DrawPopupScrollBar(pDC, pGallery);
        return;
    }
    const SCROLLBARTRACKINFO* pTrack = pGallery->GetTrackInfo();
    const int nPressedPart = pTrack ? pTrack->pInfo->nHitTest : 0;
    const int nHotPart = pTrack ? 0 : pGallery->GetHotPart();
    const BOOL bControlEnabled = pGallery->GetEnabled();
    PopupButton buttons[3];
    GetPopupButtons(rcBar, buttons);
    for (int i = 0; i < 3; ++i)
    {
        const int nPart = buttons[i].nPart;
        const BOOL bEnabled = nPart == CXTPScrollBase::hitPopup
                                  ? bControlEnabled
                                  : bControlEnabled && pGallery->IsScrollArrowEnabled(nPart);
        const BOOL bOther = (nHotPart != 0 && nHotPart != nPart) || (nPressedPart != 0 && nPressedPart != nPart)
                            || pGallery->GetSelected();
        const int nState = GetPopupButtonState(bEnabled, nPressedPart == nPart, nHotPart == nPart, bOther);
        DrawFrame(pDC, images[i], buttons[i].rc, nState, 5, CRect(3, 3, 3, 3));
    }
}

void CXTPControlGalleryOffice2007Theme::DrawScrollBar(CDC* pDC, CXTPScrollBase* pScrollBar)
{
    const int nStyle = pScrollBar->GetScrollStyle();
    const BOOL bDark = nStyle == 6;
    CXTPOffice2007Image* pTrackImage =
        Image(bDark ? "CONTROLGALLERYSCROLLVERTICALDARK" : "CONTROLGALLERYSCROLLVERTICALLIGHT");
    CXTPOffice2007Image* pArrows = Image(bDark ? "CONTROLGALLERYSCROLLARROWSVERTICALDARK"
                                               : "CONTROLGALLERYSCROLLARROWSVERTICALLIGHT");
    CXTPOffice2007Image* pGlyphs = Image("CONTROLGALLERYSCROLLARROWGLYPHS");
    CXTPOffice2007Image* pThumb = Image("CONTROLGALLERYSCROLLTHUMBVERTICAL");
    const SCROLLBARPOSINFO& spi = pScrollBar->GetScrollBarPosInfo();
    if ((nStyle != 5 && nStyle != 6) || !pTrackImage || !pArrows || !pThumb
        || spi.rc.bottom - spi.rc.top < 1)
    {
        CXTPControlGalleryPaintManager::DrawScrollBar(pDC, pScrollBar);
        return;
    }
    const ScrollBarState bar = GetScrollBarState(pScrollBar);
    // Frames of 4: normal, hot, pressed, disabled.
    auto state = [&](int nPart) {
        return !bar.bEnabled ? 3 : bar.nPressed == nPart ? 2 : bar.nHot == nPart ? 1 : 0;
    };

    DrawFrame(pDC, pTrackImage, CRect(spi.pxLeft, spi.pxTop, spi.pxRight, spi.pxBottom), 0, 1,
              CRect(1, 0, 1, 0));
    const struct
    {
        int nPart;
        CRect rc;
        int nGlyph;
    } arrows[] = {
        {CXTPScrollBase::hitUpArrow, CRect(spi.pxLeft, spi.pxTop, spi.pxRight, spi.pxUpArrow), 1},
        {CXTPScrollBase::hitDownArrow, CRect(spi.pxLeft, spi.pxDownArrow, spi.pxRight, spi.pxBottom), 5},
    };
    for (const auto& arrow : arrows)
    {
        const int nState = state(arrow.nPart);
        DrawFrame(pDC, pArrows, arrow.rc, nState, 4, CRect(3, 3, 3, 3));
        if (!pGlyphs)
            continue;
        // Glyph frame n lies n - 1 glyph heights down the strip.
        CRect rcSrc(0, 0, pGlyphs->GetWidth(), ARROW_GLYPH_HEIGHT);
        rcSrc.OffsetRect(0, (arrow.nGlyph + nState - 1) * ARROW_GLYPH_HEIGHT);
        if (rcSrc.bottom > pGlyphs->GetHeight())
            continue;
        CRect rcGlyph(CPoint(arrow.rc.CenterPoint().x - rcSrc.Width() / 2,
                             arrow.rc.CenterPoint().y - ARROW_GLYPH_HEIGHT / 2),
                      rcSrc.Size());
        pGlyphs->DrawImage(pDC, rcGlyph, rcSrc, CRect(0, 0, 0, 0), IMAGE_KEY);
    }
    if (!bar.bThumb)
        return;
    CRect rcThumb(spi.pxLeft, spi.pxThumbTop, spi.pxRight, spi.pxThumbBottom);
    DrawFrame(pDC, pThumb, rcThumb, state(CXTPScrollBase::hitThumb), 4, CRect(3, 3, 3, 3));
    CXTPOffice2007Image* pGripper = Image("CONTROLGALLERYSCROLLTHUMBGRIPPERVERTICAL");
    if (pGripper && rcThumb.Height() > 10)
    {
        CRect rcSrc = pGripper->GetSource(0, 1);
        CRect rcGripper(CPoint(rcThumb.CenterPoint().x - rcSrc.Width() / 2,
                               rcThumb.CenterPoint().y - rcSrc.Height() / 2),
                        rcSrc.Size());
        pGripper->DrawImage(pDC, rcGripper, rcSrc, CRect(0, 0, 0, 0), IMAGE_KEY);
    }
}
