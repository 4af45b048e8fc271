// The colour sets of the tab paint manager: every colour a strip is drawn
// with, and the painting of the coloured areas (header, tabs, client area,
// pressed state buttons, navigate-button frames). SetColor makes them by
// number: 1 default, 2 flat tool windows, 4 the 2003 office colours, 8 the
// visual style, 16 the 2005 development environment, 32 the 2007 office
// colours; other numbers give the default set.
//
// A standard value below 63 is an entry of the toolkit's colour table, read
// through the colour manager at every use; -1 leaves a line out and -2 asks
// for the checker pattern of pressed state buttons.
#pragma once

#include "toolkit/draw/PaintManagerColor.h"
#include "toolkit/draw/WinThemeWrapper.h"
#include "toolkit/extras/TabPaintManager.h"

const COLORREF XTP_TAB_COLOR_PATTERN = static_cast<COLORREF>(-2);

// Fills and frames of the tab drawing: an unset colour (-1) never reaches
// GDI; the part drawn in it is left out.
void XTPTabFillSolidRect(CDC* pDC, LPCRECT lpRect, COLORREF clr);
void XTPTabFillSolidRect(CDC* pDC, int x, int y, int cx, int cy, COLORREF clr);
void XTPTabDraw3dRect(CDC* pDC, LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);

class CXTPTabPaintManager::CColorSet
{
public:
    CColorSet() = default;
    virtual ~CColorSet() = default;

    virtual void RefreshColors();
    virtual void SetTextColor(CDC* pDC, CXTPTabManagerItem* pItem);
    virtual void FillHeader(CDC* pDC, CRect rc, CXTPTabManager* pTabManager);
    virtual void FillClient(CDC* pDC, CRect rc, CXTPTabManager* pTabManager);
    virtual void FillStateButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem);
    // Paints a tab's background; the colour it used (-1 for a themed part).
    virtual COLORREF FillItem(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem);
    virtual void AdjustHeaderClip(CDC* pDC, CRect rc, CXTPTabManager* pTabManager);
    // Frames a navigate button for its state (may move rc by 1,1) and sets
    // the DC's text colour, which the glyph is drawn in.
    virtual void DrawNavigateButtonFrame(CDC* pDC, CXTPTabManagerNavigateButton* pButton,
                                         CRect& rc) = 0;
    virtual COLORREF GetItemColor(CXTPTabManagerItem* pItem);
    virtual BOOL IsAppThemed() { return FALSE; }

    // rc in first to second across the header (reversed for a bottom or
    // right header, and again with inverted gradients); first -2 paints the
    // checker pattern.
    void GradientFill(CDC* pDC, CRect rc, COLORREF clrFirst, COLORREF clrSecond, int nPosition);
    void GradientFill(CDC* pDC, CRect rc, const CXTPPaintManagerColorGradient& grc,
                      int nPosition);
    // A colour value resolved through the colour table; -1 and -2 unchanged.
    static COLORREF Resolve(COLORREF clr);
    CXTPTabPaintManager* GetPaintManager() const { return m_pPaintManager; }

    CXTPPaintManagerColorGradient m_clrHeaderFace;
    CXTPPaintManagerColorGradient m_clrAutoHideFace;
    CXTPPaintManagerColor m_clrFrameBorder;
    CXTPPaintManagerColor m_clrControlFace;      // client face
    CXTPPaintManagerColor m_clrFrameHighlight;
    CXTPPaintManagerColor m_clrButtonSelected;   // selected face
    CXTPPaintManagerColor m_clrButtonHighlighted;  // hot face
    CXTPPaintManagerColor m_clrButtonPressed;
    CXTPPaintManagerColor m_clrButtonNormal;
    CXTPPaintManagerColor m_clrButtonText;       // normal text
    CXTPPaintManagerColor m_clrInactiveText;
    CXTPPaintManagerColor m_clrSelectedText;
    CXTPPaintManagerColor m_clrHighlightText;    // hot text
    CXTPPaintManagerColor m_clrDisabledText;
    CXTPPaintManagerColorGradient m_clrStateButtonFace;
    CXTPPaintManagerColorGradient m_clrStateButtonBorder;
    CXTPPaintManagerColor m_clrButtonHighlight;  // 3D highlight
    CXTPPaintManagerColor m_clrButtonShadow;     // 3D shadow
    CXTPPaintManagerColor m_clrButtonDarkShadow; // 3D dark shadow
    CXTPPaintManagerColor m_clrTabOutline;
    CXTPPaintManagerColor m_clrSelectedFrame;
    CXTPPaintManagerColor m_clrTabHighlight;
    CXTPPaintManagerColor m_clrTabShadow;

    // The lines of the trapezoid tabs: index 0 the selected tab, 1 the others.
    struct CExcelColors
    {
        CXTPPaintManagerColor clrOutline;
        CXTPPaintManagerColor clrFarEdge;
        CXTPPaintManagerColor clrInnerLight;
        CXTPPaintManagerColor clrInnerDark;
    };
    CExcelColors m_excel[2];

protected:
    friend class CXTPTabPaintManager;
    int GetAppearance() const;
    // The default look of a navigate button: sunken when pressed, raised
    // when hot, in the colours given.
    void DrawButtonFrame3D(CDC* pDC, CXTPTabManagerNavigateButton* pButton, CRect& rc,
                           COLORREF clrPressedTopLeft, COLORREF clrPressedBottomRight,
                           COLORREF clrHotTopLeft, COLORREF clrHotBottomRight, COLORREF clrGlyph);

    CXTPTabPaintManager* m_pPaintManager = nullptr;
};

class CXTPTabPaintManager::CColorSetDefault : public CColorSet
{
public:
    void RefreshColors() override;
    void DrawNavigateButtonFrame(CDC* pDC, CXTPTabManagerNavigateButton* pButton,
                                 CRect& rc) override;
};

class CXTPTabPaintManager::CColorSetVisualStudio : public CColorSetDefault
{
public:
    void RefreshColors() override;
    void DrawNavigateButtonFrame(CDC* pDC, CXTPTabManagerNavigateButton* pButton,
                                 CRect& rc) override;
};

class CXTPTabPaintManager::CColorSetOffice2003 : public CColorSetDefault
{
public:
    void RefreshColors() override;
    COLORREF FillItem(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem) override;
    void DrawNavigateButtonFrame(CDC* pDC, CXTPTabManagerNavigateButton* pButton,
                                 CRect& rc) override;

    CXTPPaintManagerColor m_clrNavigateButtonBorder;
    BOOL m_bLunaTheme = FALSE;

protected:
    // The scheme's colours after the base values (blue, olive, silver);
    // FALSE for any other scheme.
    BOOL ApplySchemeColors(int nScheme);
    // The trapezoid lines follow the frame border; inner lines are left out.
    void ApplyExcelColors();
};

class CXTPTabPaintManager::CColorSetWinXP : public CColorSetDefault
{
public:
    void RefreshColors() override;
    void FillClient(CDC* pDC, CRect rc, CXTPTabManager* pTabManager) override;
    void FillStateButton(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem) override;
    COLORREF FillItem(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem) override;
    void AdjustHeaderClip(CDC* pDC, CRect rc, CXTPTabManager* pTabManager) override;
    void DrawNavigateButtonFrame(CDC* pDC, CXTPTabManagerNavigateButton* pButton,
                                 CRect& rc) override;
    BOOL IsAppThemed() override;
    BOOL IsToolBarThemed();

private:
    // Draws a themed part in top orientation and turns it to the position.
    void DrawThemedPart(CDC* pDC, CRect rc, int nPart, int nState, int nPosition);

    CXTPWinThemeWrapper m_themeTab;
    CXTPWinThemeWrapper m_themeToolBar;
};

class CXTPTabPaintManager::CColorSetWhidbey : public CColorSetOffice2003
{
public:
    void RefreshColors() override;
    COLORREF FillItem(CDC* pDC, CRect rc, CXTPTabManagerItem* pItem) override;

    BOOL m_bGradientButton = FALSE;   // tinted
};

class CXTPTabPaintManager::CColorSetOffice2007 : public CColorSetOffice2003
{
public:
    void RefreshColors() override;
};

// The colour set of a number; other numbers give the default set.
CXTPTabPaintManager::CColorSet* CreateTabColorSet(int nColor);
