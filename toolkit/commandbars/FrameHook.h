// FrameHook: the frame-skinning context of a frame window whose caption and
// border the ribbon bar and the paint manager draw themselves. It watches
// the frame's messages through the hook manager and keeps the frame's
// window region in step with its size: one region per size, asked of the
// paint manager only when the size changes or a recalculation forces it.
#pragma once

#include "framework/core/Geometry.h"
#include "toolkit/commandbars/HookManagerHookAble.h"

class CWnd;
class CXTPCommandBar;
class CXTPCommandBars;
class CXTPControls;
class CXTPPaintManager;
namespace XTPPaintThemes {
class CXTPOffice2007Theme;
}

// The idle update message: a delayed recalculation waits for it.
const UINT XTP_WM_IDLEUPDATECMDUI = 0x0363;

class FrameHook : public CXTPHookManagerHookAble
{
public:
    // Hooks the frame window (which must exist); the command bars and the
    // ribbon bar may be null.
    FrameHook(CWnd* pFrame, CXTPCommandBars* pCommandBars, CXTPCommandBar* pRibbonBar = nullptr);
    ~FrameHook() override;

    CWnd* GetSite() const { return m_pFrame; }
    CXTPCommandBar* GetRibbonBar() const { return m_pRibbonBar; }
    // The command bars' paint manager, else the fallback one (the current
    // process-wide one unless one was set).
    CXTPPaintManager* GetPaintManager() const;
    void SetPaintManager(CXTPPaintManager* pPaintManager);
    // The ribbon draws the frame's caption (its frame-caption option).
    void SetRibbonFrameCaption(BOOL bCaption) { m_bRibbonFrameCaption = bCaption; }
    // The ribbon shows (by its size rule and its window); a hidden ribbon
    // leaves the frame its own caption.
    void SetRibbonVisible(BOOL bVisible) { m_bRibbonVisible = bVisible; }
    // The frame's caption is drawn active: from WM_NCACTIVATE, first from
    // whether the frame was the active window when hooked.
    BOOL IsFrameActive() const { return m_bActive; }
    // The caption buttons a skinned frame draws (visible members only); the
    // list belongs to its maker and must outlive its use here.
    CXTPControls* GetCaptionButtons() const { return m_pCaptionButtons; }
    void SetCaptionButtons(CXTPControls* pButtons) { m_pCaptionButtons = pButtons; }

    // A maximised MDI child.
    BOOL IsMDIMaximized() const;
    // The ribbon's caption stands in for the system's: the frame's client
    // area reaches to its top and its borders are drawn by the frame theme.
    BOOL IsFrameSkinned() const;
    // The look the skinned frame is drawn with: the paint manager when it
    // draws frames, else the fallback one; null when neither does.
    XTPPaintThemes::CXTPOffice2007Theme* GetFrameTheme() const;
    // The paint manager draws the plain frame rather than the ribbon's.
    BOOL IsFrameSkinDisabled() const;
    // Sets the window region for the size unless it was set for that size
    // already (bForce sets it again).
    void UpdateFrameRegion(int cx, int cy, BOOL bForce = FALSE);
    CSize GetFrameRegionSize() const { return m_szFrameRegion; }
    // TRUE when a skinned status bar shows at the frame's bottom; nHeight
    // (when given) receives its height.
    BOOL GetStatusBarHeight(int* pnHeight = nullptr) const;
    // The frame recalculates at its next idle update.
    void PostDelayedRecalc();
    BOOL IsDelayedRecalc() const { return m_bDelayedRecalc; }
    // Frame changed: region, layout and the ribbon's redraw, now.
    void RecalcFrame();

    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                      LRESULT& lResult) override;

private:
    // The frame's own non-client part while the ribbon's caption stands in
    // for the system's (FrameHookSkin.cpp): the client area reaches to the
    // window's top, the paint manager draws the border, and the system's
    // caption is kept from drawing itself.
    int OnSkinMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult);
    void CalcSkinnedClient(HWND hWnd, RECT& rc) const;
    void PaintSkinnedFrame(HWND hWnd);

    CWnd* m_pFrame;
    CXTPCommandBar* m_pRibbonBar;
    CXTPCommandBars* m_pCommandBars;
    CXTPPaintManager* m_pPaintManager;
    CSize m_szFrameRegion;
    BOOL m_bDelayedRecalc;
    BOOL m_bRibbonFrameCaption;
    BOOL m_bRibbonVisible;
    BOOL m_bActive;
    CXTPControls* m_pCaptionButtons;
};
