// CXTPDialogBar: a toolbar that hosts one child window (usually a dialog)
// instead of a row of buttons. It docks and floats like a toolbar, keeps one
// client size for each state, shows a caption band with a caption button
// (which may open a popup) and a hide button, and is resized by dragging
// its edges, never below its minimum size.
#pragma once

#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/ToolBar.h"
#include "toolkit/controls/ControlPopup.h"

// The ids of the caption band's controls.
const UINT XTP_ID_DIALOGBAR_CAPTION = 9399;

class CXTPDialogBar : public CXTPToolBar
{
    DECLARE_DYNCREATE(CXTPDialogBar)
public:
    // The hide button at the right end of the caption band: the Marlett
    // cross; running it hides the bar.
    class CControlButtonHide : public CXTPControlButton
    {
    public:
        void Draw(CDC* pDC) override;
        void OnExecute() override;

    protected:
        CXTPControl* CreateSameClass() const override { return new CControlButtonHide; }
    };

    // The caption button: the bar's caption, opening the caption popup
    // only while that has entries.
    class CControlCaptionPopup : public CXTPControlPopup
    {
    public:
        BOOL SetPopupOpen(BOOL bOpen) override;
        void Draw(CDC* pDC) override;
        void SetPopupEnabled(BOOL bEnabled) { m_bPopupEnabled = bEnabled; }
        BOOL IsPopupEnabled() const { return m_bPopupEnabled; }

    protected:
        CXTPControl* CreateSameClass() const override { return new CControlCaptionPopup; }
        BOOL m_bPopupEnabled = FALSE;
    };

    // The caption button's popup: always below the button, at its left edge.
    class CCaptionPopupBar : public CXTPPopupBar
    {
    public:
        void UpdateAnchor() override;
    };

    CXTPDialogBar();
    ~CXTPDialogBar() override;

    // The hosted window (null: none); it becomes a child of the bar.
    void SetChild(CWnd* pChildWnd);
    HWND GetChild() const { return m_hwndChild; }
    // The caption button's text; empty shows the bar's title.
    void SetCaption(LPCSTR lpszCaption);
    CString GetCaption() const { return m_strCaption; }
    void ShowCaption(BOOL bShow);
    BOOL IsCaptionVisible() const { return m_bCaption; }
    void EnableCaptionPopup(BOOL bEnable) { m_bCaptionPopup = bEnable; }
    CXTPPopupBar* GetCaptionPopupBar() const { return m_pCaptionPopupBar; }
    void SetResizable(BOOL bResizable) { m_bResizable = bResizable; }
    BOOL IsResizable() const { return m_bResizable; }
    // Smaller windows are refused by edge drags (50 x 50 by default).
    void SetMinimumSize(CSize size) { m_szMinSize = size; }
    CSize GetMinimumSize() const { return m_szMinSize; }
    // The child's size in each state.
    CSize GetDockingClientSize() const { return m_szDockingClient; }
    void SetDockingClientSize(CSize size) { m_szDockingClient = size; }
    CSize GetFloatingClientSize() const { return m_szFloatingClient; }
    void SetFloatingClientSize(CSize size) { m_szFloatingClient = size; }
    // The top border and the caption band together, as the last layout made it.
    int GetCaptionHeight() const { return m_nCaptionHeight; }
    // The keyboard focus is inside the bar (found at the idle update).
    BOOL IsActive() const { return m_bActive; }

    // An edge drag of the dock context: the new window rectangle (screen)
    // and the edge's hit-test code. FALSE when refused (below the minimum
    // size); else the state's client size follows.
    virtual BOOL OnResize(const CRect& rcWindow, int nHitTest);

    BOOL IsDialogBar() const override { return TRUE; }
    BOOL IsFloatingGripper() const override { return TRUE; }
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    CSize CalcDockingLayout(int nLength, DWORD dwMode, int nWidth = 0) override;
    // 1 in the caption band, -2 elsewhere: the hosted window is no bar area.
    int HitTestBar(POINT ptScreen) const override;
    void OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam) override;
    void Copy(CXTPCommandBar* pSource, BOOL bRecursive) override;
    CXTPCommandBar* Clone(BOOL bRecursive) override;
    // The edge under the point (screen) that resizes the bar, HTNOWHERE
    // for none or while the bar is not resizable.
    LRESULT HitTestEdges(CPoint ptScreen) const;
    // The same for a window rectangle, a bar position and bar flags.
    static LRESULT HitTestEdges(const CRect& rcWindow, CPoint ptScreen, int nPosition, DWORD dwFlags);

protected:
    // The layout both states share, for the client size of the state.
    CSize CalcLayout(CSize szClient, int nLength, DWORD dwMode);
    // Places the hide and caption buttons in the caption band.
    void LayOutCaptionButtons(int nWidth, int nBand);
    CRect GetClientBorders() const;

    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    CRect m_rcBorders;
    BOOL m_bResizable;
    CSize m_szMinSize;
    BOOL m_bCaption;
    BOOL m_bCaptionPopup;
    int m_nCaptionHeight;
    CSize m_szDockingClient;
    CSize m_szFloatingClient;
    HWND m_hwndChild;
    CString m_strCaption;
    CCaptionPopupBar* m_pCaptionPopupBar;
    BOOL m_bActive;
};
