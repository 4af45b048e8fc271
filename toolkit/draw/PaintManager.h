// CXTPPaintManager: the one object through which every bar, control, dock bar
// and status bar of the toolkit draws and measures itself. It owns the
// command-bar fonts, a table of 63 themable colours and the animation
// parameters; each theme derives from it and overrides drawing operations.
// Every operation that can measure takes a draw flag: FALSE measures and
// returns the size, TRUE draws.
//
// One paint manager is current in the process at a time (made on first use
// as the classic theme); bars without one of their own use it.
//
// The bodies are split by what they draw: PaintManager.cpp (fonts, colours,
// the current instance), PaintManagerBars.cpp (bars, status bar, marks and
// animations), PaintManagerLayout.cpp (controls on toolbars and captions).
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"
#include "framework/ui/Gdi.h"
#include "toolkit/draw/PaintManagerColor.h"
#include "toolkit/draw/WinThemeWrapper.h"

class CDC;
class CWnd;
class CXTPCommandBar;
class CXTPCommandBars;
class CXTPControl;
class CXTPControlGalleryPaintManager;
class CXTPImageManagerIcon;
class CXTPStatusBarPane;
class FrameHook;

// Theme numbers of the factory; 7 marks a paint manager installed from outside.
enum XTPPaintTheme
{
    xtpThemeOffice2000 = 0,
    xtpThemeOfficeXP = 1,
    xtpThemeOffice2003 = 2,
    xtpThemeNativeWinXP = 3,
    xtpThemeWhidbey = 4,
    xtpThemeOffice2007 = 5,
    xtpThemeRibbon = 6,
    xtpThemeCustom = 7,
};

// Glyph kinds of DrawControlGlyph.
enum XTPControlGlyph
{
    xtpGlyphExpand = 0,
    xtpGlyphExpandChevron = 1,
    xtpGlyphClose = 2,
    xtpGlyphDropDown = 3,
};

// Popup animation kinds.
enum XTPAnimationType
{
    xtpAnimateSlide = 2,
    xtpAnimateUnfold = 3,
    xtpAnimateFade = 4,
};

const int XTP_PAINT_COLOR_COUNT = 63;

// A font that follows the system metrics until the program sets its own.
class CXTPPaintManagerFont : public CFont
{
public:
    BOOL IsStandardFont() const { return m_bStandardFont; }
    void SetStandardFont(BOOL bStandard) { m_bStandardFont = bStandard; }
    // Replaces the font; FALSE leaves a null font.
    BOOL SetIndirect(const LOGFONTA& lf);

private:
    BOOL m_bStandardFont = TRUE;
};

// How icons are drawn in the states they have no image of their own for.
struct XTP_ICON_OPTIONS
{
    BOOL bFadedInactive;     // faded image for idle icons
    BOOL bUseDisabledImage;  // disabled icons from the icon's disabled image
    BOOL bShadowUnderHot;    // a shadow one pixel below hot icons
    BOOL bTintDisabled;      // disabled images tinted from the bar gradient
};

class CXTPPaintManager : public CCmdTarget
{
public:
    CXTPPaintManager();
    ~CXTPPaintManager() override;

    // Colours: an index 0..62 names a table entry, larger values are literal.
    COLORREF ResolveColor(UINT nIndex) const;
    COLORREF GetXtremeColor(UINT nIndex) const { return ResolveColor(nIndex); }
    void SetStandardColors(int nCount, const int* pIndexes, const COLORREF* pColors);
    CXTPPaintManagerColor& ColorEntry(int nIndex) { return m_arrColor[nIndex]; }
    XTP_ICON_OPTIONS* GetIconOptions() { return &m_iconOptions; }

    // Shared drawing routines; colours are indexes or literal colours.
    void Draw3dRect(CDC* pDC, LPCRECT lpRect, UINT nTopLeft, UINT nBottomRight);
    void Rectangle(CDC* pDC, LPCRECT lpRect, int nBorder, int nFill);
    void Line(CDC* pDC, int x0, int y0, int x1, int y1, UINT nColor);
    void HorizontalLine(CDC* pDC, int x0, int y, int x1, COLORREF clr);
    void VerticalLine(CDC* pDC, int x, int y0, int y1, COLORREF clr);
    void FillTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr);
    int GetCurrentSystemTheme() const;
    BOOL IsFlatBar(const CXTPCommandBar* pBar) const;

    // Measures (bDraw FALSE) or draws one control through the operation of
    // its kind and bar.
    CSize DrawControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw = TRUE);

    // Caption layout.
    int DrawCaptionText(CDC* pDC, CXTPControl* pControl, CRect rcText, CString strMarked,
                        CString strPlain, BOOL bVert, BOOL bCentered);
    CSize DrawControlCaptionLine(CDC* pDC, CXTPControl* pControl, CRect rcText, BOOL bDraw,
                                 BOOL bVert, BOOL bCentered, BOOL bTriangle);
    CSize DrawTwoLineCaption(CDC* pDC, CXTPControl* pControl, CRect rcText, BOOL bDraw,
                             BOOL bVert, BOOL bTriangle);
    // Breaks the caption at the space nearest its middle.
    static void SplitCaption(const CString& strCaption, CString& strFirst, CString& strSecond);

    // Fonts.
    void SetCommandBarsFontIndirect(const LOGFONTA* pLogFont, BOOL bUseStandardFont = FALSE);
    void UpdateFonts();
    // The command-bar LOGFONT made from the system's menu font: its height
    // (heights -1 to -10 become -11), weight, italic and face, and the
    // screen's character set.
    static void MakeStandardLogFont(const LOGFONTA& lfMenu, BYTE nCharSet, LOGFONTA& lf);
    CFont* GetRegularFont() { return &m_fontRegular; }
    CFont* GetRegularBoldFont() { return &m_fontRegularBold; }
    CFont* GetIconFont() { return &m_fontIcon; }
    CFont* GetIconBoldFont() { return &m_fontIconBold; }
    CFont* GetSmCaptionFont() { return &m_fontSmCaption; }
    int GetLineHeight() const { return m_nTextHeight; }
    BOOL IsTahomaUsed() const { return m_bUseOfficeFont; }

    // Animation parameters.
    int GetAnimationSteps() const { return m_nAnimationSteps; }
    int GetAnimationDuration() const { return m_nAnimationTime; }
    void SetAnimationDelay(int nSteps, int nDuration) { m_nAnimationSteps = nSteps; m_nAnimationTime = nDuration; }

    int GetThemeNumber() const { return m_themeCurrent; }
    void SetThemeNumber(int nTheme) { m_themeCurrent = nTheme; }
    CXTPControlGalleryPaintManager* GetGalleryPaintManager() const { return m_pGalleryPaintManager; }

    // Virtual operations.
    virtual CSize DrawControlPopupParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw) = 0;
    virtual CSize DrawControlToolBarParent(CDC* pDC, CXTPControl* pControl, BOOL bDraw);
    virtual void DrawSplitButtonFrame(CDC* pDC, CXTPControl* pControl, CRect rcButton) = 0;
    virtual CSize DrawComboBoxControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw);
    virtual COLORREF GetControlBackColor(CXTPControl* pControl);
    virtual CSize DrawEditControl(CDC* pDC, CXTPControl* pControl, BOOL bDraw);
    virtual CSize DrawListBoxControl(CDC* pDC, CXTPControl* pControl, CRect rc, BOOL bSelected,
                                     BOOL bDraw, CXTPCommandBars* pCommandBars = nullptr) = 0;
    virtual void FillCommandBar(CDC* pDC, CXTPCommandBar* pBar) = 0;
    virtual void DrawControlFace(CDC* pDC, CXTPControl* pControl);
    virtual COLORREF GetTextColorForControl(CXTPControl* pControl);
    virtual COLORREF GetControlTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled,
                                         BOOL bChecked, BOOL bPopuped, int barType,
                                         int barPosition) = 0;
    virtual void DrawButtonFace(CDC* pDC, CRect rc, int nSelected, int nPressed, BOOL bEnabled,
                                BOOL bChecked, BOOL bPopuped, int barType, int barPosition) = 0;
    virtual CSize DrawCommandBarGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw = TRUE);
    virtual CSize DrawCommandBarSeparator(CDC* pDC, CXTPCommandBar* pBar, CXTPControl* pControl,
                                          BOOL bDraw = TRUE) = 0;
    virtual void AdjustControlFrameRect(CRect& rc, CXTPControl* pControl, BOOL bVertical) = 0;
    virtual void DrawStatusBarPane(CDC* pDC, CRect& rc, CXTPStatusBarPane* pPane);
    virtual void DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane);
    virtual void DrawStatusBarGripper(CDC* pDC, CRect rcClient);
    virtual void FillDockBar(CDC* pDC, CWnd* pDockBar);
    virtual void FillStatusBar(CDC* pDC, CWnd* pStatusBar);
    virtual void RefreshMetrics();
    virtual CSize DrawControlGlyph(CDC* pDC, int nKind, CXTPControl* pControl,
                                   CXTPCommandBar* pBar, BOOL bDraw, LPARAM lParam);
    virtual CRect GetCommandBarBorders(CXTPCommandBar* pBar);
    virtual CSize DrawTearOffGripper(CDC* pDC, CRect rcGripper, BOOL bSelected, BOOL bDraw) = 0;
    virtual void DrawControlImage(CDC* pDC, CPoint pt, CSize sz, CXTPImageManagerIcon* pImage,
                                  int nSelected, int nPressed, BOOL bEnabled, int nChecked,
                                  BOOL bPopuped, BOOL bToolBarImage) = 0;
    virtual CSize DrawFloatingGripper(CDC* pDC, CXTPCommandBar* pBar, BOOL bDraw) = 0;
    virtual CRect GetSplitButtonCommandRect(CXTPControl* pControl);
    virtual void SetCommandBarRegion(CXTPCommandBar* /*pBar*/) {}
    // The window region that shapes a skinned frame of the size; null
    // (no region) for themes that leave the frame to the system.
    virtual HRGN GetFrameRegion(FrameHook* /*pHook*/, int /*cx*/, int /*cy*/) { return nullptr; }
    virtual CSize DrawCheckBoxMark(CDC* pDC, CRect rc, BOOL bDraw, int nSelected, int nPressed,
                                   int nChecked, BOOL bEnabled);
    virtual void FillPopupGutter(CDC* /*pDC*/, int /*x*/, int /*y*/, int /*cx*/, int /*cy*/,
                                 BOOL /*bExpanded*/) {}
    virtual int BaseTheme() = 0;
    virtual CFont* GetControlFont(CXTPCommandBar* pBar, BOOL bBold);
    virtual void DrawMenuCheckMark(CDC* pDC, CRect rcCheck, COLORREF clr);
    virtual void DrawDropDownArrow(CDC* pDC, CRect rc, COLORREF clr);
    virtual void DrawPopupArrow(CDC* pDC, int x, int y, int nSelected, BOOL bPopuped,
                                BOOL bEnabled, BOOL bVert);
    virtual void AnimatePopupBar(CDC* pDestDC, CDC* pSrcDC, CRect rc, int nKind);
    virtual int AnimateBarExpand(CXTPCommandBar* pBar, CDC* pDestDC, CDC* pSrcDC, BOOL bDown);
    virtual void FillWorkspace(CDC* pDC, CRect rc);
    virtual void AdjustCaptionForRTL(CString& /*strCaption*/) {}
    virtual int GetPopupGutterWidth(CXTPCommandBar* pBar);

    // The names other parts of the toolkit call these operations by.
    COLORREF GetTextColorOfControl(CXTPControl* pControl) { return GetTextColorForControl(pControl); }
    void DrawStatusBarPaneEntry(CDC* pDC, CRect& rc, CXTPStatusBarPane* pPane)
    {
        DrawStatusBarPane(pDC, rc, pPane);
    }

public:
    COLORREF m_clrStatusTextColor;
    CXTPPaintManagerColorGradient m_clrBarGradient;
    CXTPPaintManagerColor m_clrFloatingGripper;
    CXTPPaintManagerColor m_clrFloatingGripperText;
    BOOL m_bThickCheckMark;
    BOOL m_bThemedStatusBar;
    BOOL m_bThemedCheckBox;
    BOOL m_bClearTypeTextQuality;
    BOOL m_bFlatToolBar;
    BOOL m_bFlatMenuBar;
    int m_nPopupBarTextPadding;
    CXTPPaintManagerFont m_fontSmCaption;
    CXTPPaintManagerFont m_fontIcon;
    CXTPPaintManagerFont m_fontIconBold;

    // Read by the shadows, the redraw animation, the status bar and the frame skin.
    BOOL m_bShowShadow;
    int m_nShadowOptions;
    COLORREF m_clrShadowFactor;
    int m_nAnimationOption;
    BOOL m_bAnswerStatusBarQuery;
    BOOL m_bFrameStatusBar;

protected:
    // Text of an empty caption measured as one blank.
    CSize MeasureText(CDC* pDC, const CString& strText) const;
    // Caption of a control with and without its access-key marks, for the bar.
    void GetCaptions(CXTPControl* pControl, CString& strMarked, CString& strPlain) const;
    BOOL IsAccessKeyShown(CXTPCommandBar* pBar) const;
    // Measures the text in the font (the stock GUI font when null).
    static CSize MeasureInFont(CDC* pDC, CFont* pFont, LPCSTR lpszText);

    CXTPControlGalleryPaintManager* m_pGalleryPaintManager;
    CFont m_fontRegular;
    CFont m_fontRegularBold;
    CFont m_fontVert;
    CFont m_fontVertBold;
    int m_nTextHeight;
    BOOL m_bUseOfficeFont;
    BOOL m_bUseStandardFont;
    BOOL m_bEmbossedDisabledText;
    int m_nSplitButtonDropDownWidth;
    CXTPWinThemeWrapper m_themeStatusBar;
    CXTPWinThemeWrapper m_themeButton;
    int m_themeCurrent;
    XTP_ICON_OPTIONS m_iconOptions;
    int m_nAnimationSteps;
    int m_nAnimationTime;
    int m_bShowKeyboardCues;
    CXTPPaintManagerColor m_arrColor[XTP_PAINT_COLOR_COUNT];
    int m_systemTheme;

    friend class CXTPControlSelector;
};

// Makes a new theme of the number (unknown numbers: the classic theme).
CXTPPaintManager* CreatePaintTheme(int nTheme);
// Installs the paint manager as the current one (reporting theme 7) after
// releasing the previous one; installing the current one again does nothing.
void SetCurrentPaintManager(CXTPPaintManager* pPaintManager);
// Installs a new theme of the number and records the number in it.
void SetPaintTheme(int nTheme);
// The current paint manager; the classic theme is installed on first use.
CXTPPaintManager* XTPPaintManager();
void ReleaseCurrentPaintManager();

BOOL IsVerticalLayoutPosition(int nPosition);
BOOL IsVerticalDockPosition(int nPosition);
