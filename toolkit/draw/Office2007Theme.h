// The Office 2007 look: the Office 2003 gradients with every colour taken
// from the optional style module (named colours by section and key, and
// named images drawn in nine parts), and a skinned window frame: border
// columns, an image caption with icon, caption buttons and text, and a window
// region with rounded corners.
//
// Without a style module every colour keeps what the Office 2003 refresh
// computed from the system colours (or a system colour for the members of
// its own), no image is drawn and the frame pieces fall back to plain fills.
//
// Colours and metrics are in Office2007Theme.cpp; the status bar, workspace
// and text colours in Office2007ThemeBars.cpp; the frame in
// Office2007ThemeFrame.cpp.
#pragma once

#include "toolkit/draw/Office2003Theme.h"

class CXTPOffice2007Image;
class FrameHook;

namespace XTPPaintThemes {

class CXTPOffice2007Theme : public CXTPOffice2003Theme
{
public:
    CXTPOffice2007Theme();
    ~CXTPOffice2007Theme() override;

    COLORREF GetControlTextColor(BOOL bSelected, BOOL bPressed, BOOL bEnabled, BOOL bChecked,
                                 BOOL bPopuped, int barType, int barPosition) override;
    void DrawStatusBarPaneBorder(CDC* pDC, CRect rc, BOOL bGripperPane) override;
    void DrawStatusBarGripper(CDC* pDC, CRect rcClient) override;
    void FillStatusBar(CDC* pDC, CWnd* pStatusBar) override;
    void RefreshMetrics() override;
    int BaseTheme() override { return xtpThemeOffice2007; }
    void FillWorkspace(CDC* pDC, CRect rc) override;
    HRGN GetFrameRegion(FrameHook* pHook, int cx, int cy) override;

    // The workspace background outside rcExclude (a window over it).
    virtual void FillWorkspace(CDC* pDC, CRect rc, CRect rcExclude);
    // The skinned frame of the hooked window, in window coordinates.
    virtual void DrawFrame(CDC* pDC, FrameHook* pHook);
    // One caption button (nId SC_CLOSE, SC_MINIMIZE, SC_MAXIMIZE or other:
    // restore) of an active or inactive frame.
    virtual void DrawFrameCaptionButton(CDC* pDC, CRect rc, int nId, BOOL bSelected,
                                        BOOL bPressed, BOOL bActive);
    // The frame's window text in the caption font, within rcCaptionText.
    virtual void DrawFrameCaptionText(CDC* pDC, CRect rcCaptionText, CWnd* pSite, BOOL bActive);

    // The icon a frame caption shows; null when it shows none.
    static HICON GetFrameSmallIcon(CWnd* pFrame);
    static HICON GetFrameLargeIcon(CWnd* pFrame);
    // The size of the caption-button glyphs for a button of that width.
    static int GetCaptionGlyphSize(int cxButton);

    // The style module's image of the name; null without a module.
    CXTPOffice2007Image* GetImage(LPCSTR lpszName) const;

    // TRUE when the frame shows the ribbon's caption rather than the plain one.
    static BOOL HasRibbonCaption(FrameHook* pHook);
    // The window region of a frame of the size: rounded top corners (the
    // wider curve under a ribbon caption), rounded bottom corners beside a
    // status bar. Null when the window is too small for the shape.
    static HRGN BuildFrameRegion(int cx, int cy, BOOL bRibbonCaption, BOOL bStatusBar);

public:
    CXTPPaintManagerFont m_fontFrameCaption;
    int m_nRibbonCaptionHeight;
    int m_nFrameCaptionHeight;
    int m_nFrameBorder;
    COLORREF m_clrFrameBorderActive[4];
    COLORREF m_clrFrameBorderInactive[4];
    COLORREF m_clrFrameCaptionTextActive;
    COLORREF m_clrFrameCaptionTextInActive;
    COLORREF m_clrFrameCaptionTextActiveTitle;
    COLORREF m_clrMenuBarText;
    COLORREF m_clrStatusBarShadow;
    CXTPPaintManagerColorGradient m_clrStatusBarTop;
    CXTPPaintManagerColorGradient m_clrStatusBarBottom;
    COLORREF m_clrWorkspaceClientTop;
    COLORREF m_clrWorkspaceClientMiddle;
    COLORREF m_clrWorkspaceClientBottom;

protected:
    // The plain caption (no ribbon) into rcCaption: images, icon, buttons, text.
    void DrawCaption(CDC* pDC, FrameHook* pHook, const CRect& rcCaption, BOOL bActive);
    // The caption font from the system's caption font, weight 400.
    void RefreshCaptionFont();
    // Reads every colour of the style module over what the base refresh gave.
    void RefreshStyleColors();
    // Draws frame nState of nCount of the named image into rc; FALSE when
    // the module has no such image.
    BOOL DrawImage(CDC* pDC, LPCSTR lpszName, const CRect& rc, int nState, int nCount,
                   const CRect& rcMargins) const;
    BOOL DrawImage(CDC* pDC, LPCSTR lpszName, const CRect& rc, int nState, int nCount,
                   const CRect& rcMargins, COLORREF clrTransparent) const;
};

} // namespace XTPPaintThemes

using XTPPaintThemes::CXTPOffice2007Theme;
