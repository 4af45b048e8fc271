// CXTPShadowsManager: the drop shadows of popup bars (and of the controls
// that open them). A shadow is two thin top-most popup windows along the
// right and the bottom edge of the bar: a soft 4-pixel alpha gradient shown
// with UpdateLayeredWindow where the system has it and the desktop has more
// than 8 bits per pixel, else a solid 2-pixel strip. Each shadow window
// watches its bar through the hook manager: it hides and shows with the bar
// and goes when the bar's window is destroyed.
//
// The bar is known by its window. What the shadows read of the bar's paint
// manager and command bars comes in an XTP_SHADOW_SETTINGS record that the
// bar fills: the paint manager's show-shadow flag, shadow options and
// shadow colour, the command bars' customisation mode and their
// shadow-class-style option, and the site window that owns the shadows.
#pragma once

#include "framework/core/List.h"
#include "framework/core/ProcessLocal.h"
#include "framework/ui/Wnd.h"
#include "toolkit/commandbars/HookManagerHookAble.h"

// Shadow option bits of the paint manager.
enum
{
    xtpShadowOfficeAlpha = 1,   // shadows also without the system's setting, drawn lighter
    xtpShadowCutExclude = 2,    // cut away the rectangle the caller excludes
};

struct XTP_SHADOW_SETTINGS
{
    BOOL bShowShadow = TRUE;             // the paint manager's show-shadow flag
    int nShadowOptions = 0;              // xtpShadow* bits
    COLORREF clrShadow = RGB(0, 0, 0);   // the paint manager's shadow colour
    BOOL bCustomizeMode = FALSE;         // the command bars customise
    BOOL bShadowClassStyle = TRUE;       // CS_SAVEBITS | CS_OWNDC for the windows
    HWND hWndSite = nullptr;             // owner of the shadow windows
};

class CXTPShadowsManager : public CNoTrackObject
{
public:
    using PFNUPDATELAYEREDWINDOW = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                                 BLENDFUNCTION*, DWORD);

    // One strip of a bar's shadow.
    class CShadowWnd : public CWnd, public CXTPHookManagerHookAble
    {
    public:
        CShadowWnd(BOOL bBottom, HWND hWndBar, const XTP_SHADOW_SETTINGS& settings);

        BOOL IsBottom() const { return m_bBottom; }
        HWND GetBar() const { return m_hWndBar; }

        int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                          LRESULT& lResult) override;

    protected:
        afx_msg LRESULT OnNcHitTest(CPoint point);
        afx_msg void OnPaint();
        afx_msg void OnSize(UINT nType, int cx, int cy);
        DECLARE_MESSAGE_MAP()

    private:
        friend class CXTPShadowsManager;

        // Shows the alpha image of the window's size.
        void UpdateAlphaImage(int cx, int cy);

        BOOL m_bBottom;
        int m_nOptions;
        COLORREF m_clrShadow;
        HWND m_hWndBar;
    };

    CXTPShadowsManager();
    ~CXTPShadowsManager() override;
    CXTPShadowsManager(const CXTPShadowsManager&) = delete;
    CXTPShadowsManager& operator=(const CXTPShadowsManager&) = delete;

    // The right and the bottom shadow of a popup bar at its window
    // rectangle; lpExclude (screen) is cut away with xtpShadowCutExclude.
    void SetShadow(HWND hWndBar, const XTP_SHADOW_SETTINGS& settings, LPCRECT lpExclude = nullptr);
    // The shadows around a control (rcControl in screen coordinates) for the
    // bar its popup opens; only with both option bits.
    void SetShadow(const CRect& rcControl, HWND hWndSubBar, const XTP_SHADOW_SETTINGS& settings);
    // Destroys every shadow of the bar.
    void RemoveShadow(HWND hWndBar);

    // Alpha shadows: UpdateLayeredWindow is there and the desktop has more
    // than 8 bits per pixel.
    BOOL IsAlphaShadow() const { return m_bAlphaShadow; }
    // Stands in another UpdateLayeredWindow (null: none, solid strips) and
    // decides the alpha shadows again.
    void SetUpdateLayeredWindow(PFNUPDATELAYEREDWINDOW pfn);
    PFNUPDATELAYEREDWINDOW GetUpdateLayeredWindow() const { return m_pfnUpdateLayeredWindow; }

    INT_PTR GetShadowCount() const { return m_lstShadows.GetCount(); }
    CShadowWnd* GetShadow(INT_PTR nIndex) const;

    // One pixel of the alpha image of a strip of cx × cy pixels (x, y from
    // its top-left corner): alpha in the top byte, the shadow colour scaled
    // in the low three bytes, red highest. k is 1 for the light shadow of
    // option bit 1, else 2.
    static DWORD ShadowPixel(BOOL bBottom, int x, int y, int cx, int cy, int k, COLORREF clrShadow);

private:
    // Makes (or moves) one strip; null when it can't be made.
    CShadowWnd* CreateShadow(BOOL bBottom, const CRect& rcBar, LPCRECT lpExclude, HWND hWndBar,
                             const XTP_SHADOW_SETTINGS& settings);
    void DestroyShadow(CShadowWnd* pShadow);
    // Where a new strip goes: lengthened where it meets a strip of the other
    // direction that is open already.
    CRect MeetShadows(BOOL bBottom, CRect rcShadow) const;
    static void CutShadow(CShadowWnd* pShadow, const CRect& rcShadow, const CRect& rcCut);

    PFNUPDATELAYEREDWINDOW m_pfnUpdateLayeredWindow;
    BOOL m_bAlphaShadow;
    CList<CShadowWnd*, CShadowWnd*> m_lstShadows;
};

// The process-wide shadows manager.
CXTPShadowsManager* XTPShadowsManager();
