// CXTPControlGalleryOffice2007Theme: the gallery painter of the Office 2007
// theme. Backgrounds and borders take the style module's gallery colours,
// the three-button bar and the scroll bar its images; without a module (or
// an image) each part is drawn as the base painter draws it.
#pragma once

#include "toolkit/draw/ControlGalleryPaintManager.h"

class CXTPOffice2007Image;

class CXTPControlGalleryOffice2007Theme : public CXTPControlGalleryPaintManager
{
public:
    explicit CXTPControlGalleryOffice2007Theme(CXTPPaintManager* pPaintManager);

    void DrawLabel(CDC* pDC, CXTPControlGalleryItem* pLabel, CRect rc) override;
    void FillControl(CDC* pDC, CXTPControlGallery* pGallery, CRect rc) override;
    void DrawScrollBar(CDC* pDC, CXTPScrollBase* pScrollBar) override;
    void DrawPopupScrollBar(CDC* pDC, CXTPControlGallery* pGallery) override;
    void RefreshMetrics() override;

    // Frame of 5 of a popup-bar button: 4 disabled or unable to scroll that
    // way, 3 pressed, 2 hot, 1 while another part is hot or pressed, else 0.
    static int GetPopupButtonState(BOOL bEnabled, BOOL bPressed, BOOL bHot, BOOL bOtherActive);

    COLORREF m_clrControlGallerySelected;
    COLORREF m_clrControlGalleryNormal;
    COLORREF m_clrControlGalleryBorder;
};
