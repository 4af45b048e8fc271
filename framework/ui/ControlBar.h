// CControlBar: the base of the bars a frame lays out around its main pane
// (status bar, toolbars, rebar, the preview bar). A bar takes its strip of
// the frame's client area when the frame asks (WM_SIZEPARENT, sized by
// CalcDynamicLayout/CalcFixedLayout and aligned by its CBRS_ALIGN_ bits),
// updates its items' command state in idle time, and can be shown or
// hidden at the next idle time (DelayShow).
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/FrameWnd.h"

class CCmdUI;

// Bar styles (m_dwStyle; the window keeps its own WS_ styles).
#define CBRS_ALIGN_LEFT     0x1000L
#define CBRS_ALIGN_TOP      0x2000L
#define CBRS_ALIGN_RIGHT    0x4000L
#define CBRS_ALIGN_BOTTOM   0x8000L
#define CBRS_ALIGN_ANY      0xF000L
#define CBRS_BORDER_LEFT    0x0100L
#define CBRS_BORDER_TOP     0x0200L
#define CBRS_BORDER_RIGHT   0x0400L
#define CBRS_BORDER_BOTTOM  0x0800L
#define CBRS_BORDER_ANY     0x0F00L
#define CBRS_TOOLTIPS       0x0010L
#define CBRS_FLYBY          0x0020L
#define CBRS_FLOAT_MULTI    0x0040L
#define CBRS_BORDER_3D      0x0080L
#define CBRS_HIDE_INPLACE   0x0008L
#define CBRS_SIZE_DYNAMIC   0x0004L
#define CBRS_SIZE_FIXED     0x0002L
#define CBRS_FLOATING       0x0001L
#define CBRS_GRIPPER        0x00400000L
#define CBRS_ORIENT_HORZ    (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT    (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY     (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL            0x0040FFFFL
#define CBRS_NOALIGN        0x00000000L
#define CBRS_LEFT           (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP            (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT          (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM         (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Layout modes of CalcDynamicLayout.
#define LM_STRETCH   0x01
#define LM_HORZ      0x02
#define LM_MRUWIDTH  0x04
#define LM_HORZDOCK  0x08
#define LM_VERTDOCK  0x10
#define LM_LENGTHY   0x20
#define LM_COMMIT    0x40

class CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
public:
    ~CControlBar() override;

    // Inner borders (pixels) between the bar's edge and its items.
    int m_cxLeftBorder = 6;
    int m_cxRightBorder = 6;
    int m_cyTopBorder = 1;
    int m_cyBottomBorder = 1;
    int m_cxDefaultGap = 2;
    // The bar style (style & CBRS_ALL).
    DWORD m_dwStyle = 0;
    // The frame the bar is laid out in.
    CFrameWnd* m_pDockSite = nullptr;

    DWORD GetBarStyle() const;
    void SetBarStyle(DWORD dwStyle);
    // The frame whose layout holds the bar (past a mini frame, its owner).
    CFrameWnd* GetDockingFrame() const;
    BOOL IsFloating() const;
    // Visible, counting a pending delayed show or hide.
    BOOL IsVisible() const;
    // Shows or hides the bar at the next idle time or layout.
    void DelayShow(BOOL bShow);

    // The bar's client area less its borders (bHorz: laid out across).
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    // The size the bar wants: by default the whole length when stretched,
    // nothing otherwise.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    // Updates the command state of the bar's items through pTarget.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    // Draws the borders in the non-client area and erases the rest.
    void EraseNonClient();
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    // The command state of the bar's child controls (by their ids).
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Commands and notifications of the bar's controls go to the frame.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    CControlBar();

    enum StateFlags { delayHide = 1, delayShow = 2 };
    UINT m_nStateFlags = 0;

    // Carries out a pending show or hide: through the layout's deferred
    // positions when there are any. Answers the style as it will be.
    DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);

    DECLARE_MESSAGE_MAP()
};
