// CXTPControlGalleryPaintManager: the part of a paint manager that draws the
// scroll bars kept inside gallery controls. This holds its sizes, read from
// the system's scroll-bar metrics, and its "SCROLLBAR" visual style; the
// drawing is added with the gallery.
#pragma once

#include "toolkit/draw/WinThemeWrapper.h"

class CXTPPaintManager;

class CXTPControlGalleryPaintManager
{
public:
    explicit CXTPControlGalleryPaintManager(CXTPPaintManager* pPaintManager);
    virtual ~CXTPControlGalleryPaintManager() = default;

    // Sizes from the system metrics; the three-button bar's fixed sizes.
    virtual void RefreshMetrics();

    CXTPPaintManager* GetPaintManager() const { return m_pPaintManager; }

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
