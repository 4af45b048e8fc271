// CXTPControlGalleryPaintManager: the part of a paint manager that draws the
// scroll bars kept inside gallery controls and the gallery's label rows. It
// holds its sizes, read from the system's scroll-bar metrics, and its
// "SCROLLBAR" visual style.
#pragma once

#include "framework/core/Geometry.h"
#include "toolkit/draw/WinThemeWrapper.h"

class CDC;
class CXTPControlGallery;
class CXTPControlGalleryItem;
class CXTPPaintManager;
class CXTPScrollBase;

class CXTPControlGalleryPaintManager
{
public:
    explicit CXTPControlGalleryPaintManager(CXTPPaintManager* pPaintManager);
    virtual ~CXTPControlGalleryPaintManager() = default;

    // A label row: its background, a line along its bottom and the caption.
    virtual void DrawLabel(CDC* pDC, CXTPControlGalleryItem* pLabel, CRect rc);
    // The gallery's background, its frame with borders and the separator
    // line above a following control.
    virtual void FillControl(CDC* pDC, CXTPControlGallery* pGallery, CRect rc);
    // The scroll bar the scroll base has laid out, in the look its scroll
    // style asks for: visual styles (3, with the theme open), flat (2) or
    // classic; the hot and pressed parts come from the scroll base.
    virtual void DrawScrollBar(CDC* pDC, CXTPScrollBase* pScrollBar);
    // The three-button bar of a gallery with a popup: up, down and the
    // button that opens the popup.
    virtual void DrawPopupScrollBar(CDC* pDC, CXTPControlGallery* pGallery);
    // Sizes from the system metrics; the three-button bar's fixed sizes.
    virtual void RefreshMetrics();

    CXTPPaintManager* GetPaintManager() const { return m_pPaintManager; }

    // The three-button bar's buttons over rcBar: up (the first button
    // height), down (the second) and the one that opens the popup below.
    struct PopupButton
    {
        int nPart;
        CRect rc;
    };
    void GetPopupButtons(const CRect& rcBar, PopupButton (&buttons)[3]) const;

    // What a laid-out scroll bar shows: its pressed part (while the mouse
    // holds one) or hot part, whether it can scroll and whether its thumb fits.
    struct ScrollBarState
    {
        int nPressed;
        int nHot;
        BOOL bEnabled;
        BOOL bThumb;
    };
    static ScrollBarState GetScrollBarState(CXTPScrollBase* pScrollBar);

    int m_cxHScroll;
    int m_cyHScroll;
    int m_cyVScroll;
    int m_cxVScroll;
    int m_cyPopupUp;
    int m_cyPopupDown;
    int m_cxPopup;
    CXTPWinThemeWrapper m_themeScrollBar;

private:
    CXTPControlGalleryPaintManager(const CXTPControlGalleryPaintManager&) = delete;
    CXTPControlGalleryPaintManager& operator=(const CXTPControlGalleryPaintManager&) = delete;

    CXTPPaintManager* m_pPaintManager;
};
