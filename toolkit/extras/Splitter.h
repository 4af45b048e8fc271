// CXTSplitterWnd: the framework's static splitter with the toolkit's look
// (colours from the splitter theme, a thin 6-pixel bar), live resizing of
// the panes while a bar is dragged when the system drags full windows, a
// 4-pixel inverted tracker otherwise, and operations that hide and restore
// one whole row or column of panes or put another view or window into a
// pane.
//
// A hidden pane keeps its window: it is parked under the id of the first
// position past the visible panes, (row, column count) for a hidden column
// and (row count, col) for a hidden row.
#pragma once

#include "framework/ui/Splitter.h"
#include "toolkit/extras/ThemeManager.h"

class CXTSplitterWndTheme;

// Style word bits of the splitter.
enum
{
    XT_SPLIT_DOTTRACKER = 0x0001,   // the tracker is a focus rectangle outline
    XT_SPLIT_NOFULLDRAG = 0x0002,   // never resize the panes while dragging
    XT_SPLIT_NOBORDER = 0x0004,     // flat look draws a plain border
    XT_SPLIT_NOSIZE = 0x0008,       // the bars cannot be dragged
};

class CXTSplitterWnd : public CSplitterWnd, public CXTThemeManagerStyleHost
{
    DECLARE_DYNAMIC(CXTSplitterWnd)
public:
    CXTSplitterWnd();
    ~CXTSplitterWnd() override;

    // Shows the hidden column again; nothing when none is hidden.
    virtual void RestorePaneColumn();
    // Hides a column; the last visible column is never hidden.
    virtual void HidePaneColumn(int col);
    virtual void RestorePaneRow();
    virtual void HidePaneRow(int row);
    // Swaps the pane's view and pOther (their ids); FALSE when pOther
    // already is that pane.
    virtual BOOL ExchangePaneViews(int row, int col, CWnd* pOther);
    // Puts a new view of pViewClass into the pane, showing the same
    // document; answers the view taken out (the caller's to keep or
    // destroy), null when the pane already shows that class or the new view
    // could not be made.
    virtual CWnd* ReplacePaneView(int row, int col, CRuntimeClass* pViewClass);
    // Puts pWnd into the pane; answers the window taken out (the caller's),
    // null when pWnd already is that pane.
    virtual CWnd* PutWindowInPane(int row, int col, CWnd* pWnd);
    virtual void SetStyleFlags(DWORD dwStyle);
    virtual DWORD GetStyleFlags() const;
    // Flat bars are 6 pixels wide, others 7.
    virtual void SetFlatLook(BOOL bFlat);
    // Draws or erases the tracker outside full drag (see the file's note).
    virtual void DrawTracker(const CRect& rect, CBrush* pBrush);

    // The style the splitter draws with (the host's style; CWnd::GetStyle
    // is the window style).
    CXTSplitterWndTheme* GetTheme() const;
    int GetHiddenColumn() const { return m_nHiddenCol; }
    int GetHiddenRow() const { return m_nHiddenRow; }
    BOOL IsFullDrag() const { return m_bFullDrag; }

    void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect) override;
    void OnInvertTracker(const CRect& rect) override;
    void SetSplitCursor(int ht) override;
    void StartTracking(int ht) override;
    void StopTracking(BOOL bAccept) override;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    // The system's full-window-drag setting, off with XT_SPLIT_NOFULLDRAG.
    void ReadFullDrag();
    void SetBarSizes(int nSize);
    // Moves a pane window to a new child id.
    static void SetPaneId(CWnd* pPane, int nID);
    CWnd* CreateReplacementView(CRuntimeClass* pViewClass, CWnd* pOldPane, int nID);

    int m_nHiddenCol;
    int m_nHiddenRow;
    BOOL m_bFullDrag;
    BOOL m_bFlatLook;
    DWORD m_dwxStyle;
    CPoint m_ptLastDrag;
    BOOL m_bClipStylesRemoved;
};
