// CXTPControlCustom (type 7 in the factory; its type field stays 1): a
// control that hosts any child window inside a command bar. On a vertically
// docked bar it hides, keeps its window or shows as a plain button, as its
// VerticalOptions say. It watches the hosted window's mouse moves through
// the hook manager, so the bar's hot tracking goes on over the window.
#pragma once

#include "toolkit/commandbars/HookManagerHookAble.h"
#include "toolkit/controls/ControlButton.h"

class CXTPCommandBars;
class CWnd;

enum XTPControlCustomVerticalOptions
{
    xtpVerticalHide = 0,
    xtpVerticalShow = 1,
    xtpVerticalButton = 2,
};

class CXTPControlCustom : public CXTPControlButton, public CXTPHookManagerHookAble
{
    DECLARE_SERIAL(CXTPControlCustom)
public:
    CXTPControlCustom();
    ~CXTPControlCustom() override;

    // The hosted window is not owned; it is hooked until the control goes
    // or hosts another one.
    void SetControl(CWnd* pWnd);
    HWND GetControlHandle() const { return m_hwndControl; }
    CRect GetBorders() const { return m_rcBorders; }
    void SetBorders(const CRect& rcBorders) { m_rcBorders = rcBorders; }
    CSize GetControlSize() const { return m_szControl; }
    void SetSize(CSize szControl) { m_szControl = szControl; }
    int GetVerticalPositionOption() const { return m_verticalOptions; }
    void SetVerticalPositionOption(int nOptions) { m_verticalOptions = nOptions; }
    int GetControlId() const { return m_nControlID; }
    BOOL IsWindowShown() const { return m_bControlVisible; }

    // The child of that id of the command bars' site, else of the first
    // toolbar that has one; null when none.
    static HWND FindControlWindow(CXTPCommandBars* pCommandBars, int nId);

    void SetEnabled(int nEnabled) override;
    void SetHideFlags(DWORD dwFlags) override;
    void OnCalcDynamicSize(DWORD dwMode) override;
    // Only a menu takes it.
    BOOL IsCustomizeDragOverAvail(CXTPCommandBar* pBar, CPoint /*point*/, DWORD& dropEffect) override
    {
        return AcceptsPopupBarsOnly(pBar, dropEffect);
    }
    CSize GetSize(CDC* pDC) override;
    void SetRect(CRect rcControl) override;
    void Draw(CDC* pDC) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    BOOL HasOwnFace() const override { return HasVisibleWindow(); }
    void DoPropExchange(CXTPPropExchange* pPX) override;
    void Copy(CXTPControl* pSource, BOOL bRecursive = FALSE) override;
    // A mouse move in the hosted window, passed on to the bar in its
    // coordinates; the window still gets the message.
    void OnWindowMouseMove(UINT nFlags, CPoint ptWindow);
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam,
                      LRESULT& lResult) override;

protected:
    CXTPControl* CreateSameClass() const override { return new CXTPControlCustom; }
    BOOL HasVisibleWindow() const;
    // Shows or hides the window by the shown flag, the action and the hide flags.
    void ShowHostedWindow();
    // Hosts the window (null: none), moving the hook to it.
    void AttachWindow(HWND hWnd);

    HWND m_hwndControl;
    CRect m_rcBorders;
    CSize m_szControl;
    int m_verticalOptions;
    int m_nControlID;
    BOOL m_bControlVisible;
};
