// CXTPStatusBar: the frame's status bar. The window is the common status
// control, which keeps the parts and their texts (so the frame's message
// text and tools reading the window see them), while the bar lays the parts
// out itself from its panes and, when a paint manager draws, paints them
// itself into a buffer. It is a framework control bar: the frame's layout
// docks it at the bottom and its idle update runs the panes' command-update
// handlers (key indicators, enabled state, texts).
//
// Pane texts go to the control only when they change; texts set without
// update, or while a pane is hidden, stay pending until the next layout
// with texts or the next paint.
#pragma once

#include "framework/ui/ControlBar.h"
#include "framework/ui/Gdi.h"
#include "toolkit/extras/StatusBarPane.h"

#include <vector>

class CXTPCommandBars;
class CXTPImageManager;
class CXTPPaintManager;
class CXTPToolTipContext;

// Asks the status bar whether the frame may draw over its height; the
// answer is the paint manager's setting.
const UINT XTP_SBM_FRAMEQUERY = 10324;

class CXTPStatusBar : public CControlBar
{
    DECLARE_DYNAMIC(CXTPStatusBar)
public:
    // What RecalcPanes renews.
    enum RecalcFlags { recalcRects = 1, recalcTexts = 2 };

    CXTPStatusBar();
    ~CXTPStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);

    // One pane per id: a string resource gives its text and width, id 0 a
    // separator a quarter of the screen wide (stretching when first). FALSE
    // at the first missing string; the panes made so far stay.
    BOOL SetPanesFromIds(const UINT* lpIDArray, int nIDCount);
    void RemoveAllPanes();

    int GetPaneCount() const { return static_cast<int>(m_arrPanes.size()); }
    int GetVisiblePaneCount() const;
    // Null outside 0..count-1.
    CXTPStatusBarPane* GetPane(int nIndex) const;
    // The first pane with the id, or -1.
    int FindPaneIndex(UINT nID) const;
    CString GetPaneTextAt(int nIndex) const;
    // bUpdate: the control gets the text now; else it stays pending.
    BOOL SetPaneTextAt(int nIndex, LPCSTR lpszText, BOOL bUpdate = TRUE);
    UINT GetPaneStyleAt(int nIndex) const;
    void SetPaneStyleAt(int nIndex, UINT nStyle);
    // The pane's rectangle in client coordinates; empty for a hidden pane
    // or an index outside the list.
    void GetPaneRect(int nIndex, LPRECT lpRect) const;
    // The first visible pane under the point (client coordinates), or null.
    CXTPStatusBarPane* HitTestPane(CPoint point, LPRECT lpRect = nullptr) const;

    // Lays the panes out (recalcRects) and hands pending texts to the
    // control (recalcTexts); nothing before the window exists.
    void RecalcPanes(int nFlags);
    // Padding, text and icon width of the pane in its font.
    int CalcPaneWidth(CXTPStatusBarPane* pPane);

    // The command bars whose paint and image managers the bar uses (null:
    // the process-wide ones).
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    CXTPPaintManager* GetPaintManager() const;
    CXTPImageManager* GetImageManager() const;
    // Off: the status control paints itself.
    void SetDrawWithPaintManager(BOOL bDraw);
    BOOL IsDrawWithPaintManager() const { return m_bDrawWithPaintManager; }
    void SetDisabledTextShown(BOOL bShow);
    BOOL IsDisabledTextShown() const { return m_bShowDisabledText; }
    CXTPToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }
    CFont* GetFont() { return &m_fontBar; }
    int GetMinHeight() const { return m_nMinHeight; }

    virtual void DrawPaneEntry(CDC* pDC, int nIndex, CRect rc);
    virtual void DrawSizeGripper(CDC* pDC, CRect rcClient);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpWndPos);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetMinHeight(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFrameQuery(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The control's horizontal border, vertical border and gap between parts.
    void GetControlBorders(int borders[3]) const;
    // The parent is maximized: no gripper, and no room kept for one.
    BOOL IsParentZoomed() const;
    BOOL HasSizeGrip() const;
    void PositionPaneWindows();
    int LastVisiblePane() const;

    std::vector<CXTPStatusBarPane*> m_arrPanes;
    int m_nMinHeight;
    CFont m_fontBar;
    BOOL m_bShowDisabledText;
    CXTPCommandBars* m_pCommandBars;
    BOOL m_bDrawWithPaintManager;
    CXTPToolTipContext* m_pToolTipContext;
};
