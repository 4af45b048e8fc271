// CSplitterWnd: a static splitter, a grid of panes (usually views) with
// bars between them that the user drags to share the room out anew.
//
// Each row and column has a minimum, an ideal and a current size: the
// layout gives every row or column but the last its ideal size (nothing
// when the ideal is below the minimum), the last one the rest, and cuts off
// what does not fit. Pane (row, col) is the child with id
// AFX_IDW_PANE_FIRST + 16 * row + col.
//
// Dragging a bar: a button press on it starts tracking (mouse captured, an
// inverted tracker follows the mouse within the limit rectangle), the
// release sets the row's or column's ideal size from the tracker and lays
// the panes out again. Derived splitters change the look and the tracking
// through the virtual members.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/ui/FrameWnd.h"

#include <vector>

struct CCreateContext;

class CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    // ---- creation ----
    // nRows x nCols panes (up to 16 each), created afterwards with
    // CreateView.
    virtual BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols,
                              DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                              UINT nID = AFX_IDW_PANE_FIRST);
    // Creates the pane (row, col) from pViewClass with the ideal size
    // sizeInit; without a context the active pane's document is used and
    // the view gets its first update at once.
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                            CCreateContext* pContext);
    // Destroys the pane (row, col); an active pane hands the activation on
    // first.
    virtual void DeleteView(int row, int col);

    // ---- panes ----
    int GetRowCount() const;
    int GetColumnCount() const;
    CWnd* GetPane(int row, int col) const;
    int IdFromRowCol(int row, int col) const;
    // TRUE with the pane's place when pWnd is one of the visible panes.
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol);
    // The frame's active view, else the focus window, when it is a pane.
    virtual CWnd* GetActivePane(int* pRow = nullptr, int* pCol = nullptr);
    // A view pane becomes the frame's active view; any other pane gets the
    // focus. pWnd (when given) names the pane instead of (row, col).
    virtual void SetActivePane(int row, int col, CWnd* pWnd = nullptr);

    // ---- sizes ----
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    // Lays the panes out from the ideal sizes and redraws the bars.
    virtual void RecalcLayout();

    // ---- hit testing and tracking ----
    enum HitTestValue
    {
        noHit = 0,
        vSplitterBox = 1,
        hSplitterBox = 2,
        bothSplitterBox = 3,
        vSplitterBar1 = 101,
        vSplitterBar15 = 115,
        hSplitterBar1 = 201,
        hSplitterBar15 = 215,
        splitterIntersection1 = 301,
        splitterIntersection225 = 525
    };
    // The bar (or crossing of bars) under a client point.
    virtual int HitTest(CPoint pt) const;
    // The area of a bar as the tracker shows it; also narrows m_rectLimit
    // to where that bar may go and sets m_ptTrackOffset.
    virtual void GetHitRect(int ht, CRect& rect);
    // The client area less the borders.
    virtual void GetInsideRect(CRect& rect) const;
    virtual void StartTracking(int ht);
    // Ends a drag; bAccept applies the tracker's position.
    virtual void StopTracking(BOOL bAccept);
    // Sets the ideal size of a row or column from a tracker position
    // (splitter client coordinates).
    virtual void TrackRowSize(int y, int row);
    virtual void TrackColumnSize(int x, int col);
    // Static splitters split nothing: both answer FALSE.
    virtual BOOL SplitRow(int cyBefore);
    virtual BOOL SplitColumn(int cxBefore);

    // ---- drawing ----
    enum ESplitType { splitBox, splitBar, splitIntersection, splitBorder };
    // Draws one part of the splitter; with a null DC only invalidates it.
    virtual void OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rect);
    virtual void OnInvertTracker(const CRect& rect);
    virtual void SetSplitCursor(int ht);

    // Commands and notifications of the panes go on to the frame.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Size of one row or column: the least it is shown at, what it asks
    // for, and what it has.
    struct CRowColInfo
    {
        int nMinSize = 0;
        int nIdealSize = 0;
        int nCurSize = 0;
    };

protected:
    // Lays sizes out along one direction (see the file's note).
    static void LayoutRowCol(CRowColInfo* pInfo, int nMax, int nSize, int nSizeSplitter);
    // Invalidates (null DC) or draws the bars and the pane borders.
    void DrawAllSplitBars(CDC* pDC, int cxInside, int cyInside);

    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

    int m_nMaxRows = 0;
    int m_nMaxCols = 0;
    int m_nRows = 0;
    int m_nCols = 0;
    BOOL m_bHasHScroll = FALSE;
    BOOL m_bHasVScroll = FALSE;
    std::vector<CRowColInfo> m_colInfo;
    std::vector<CRowColInfo> m_rowInfo;
    CRowColInfo* m_pColInfo = nullptr;   // the arrays above
    CRowColInfo* m_pRowInfo = nullptr;

    // Bar width, the part of a bar shared with the pane borders, the room
    // between panes, and the splitter's own border.
    int m_cxSplitter = 7;
    int m_cySplitter = 7;
    int m_cxBorderShare = 0;
    int m_cyBorderShare = 0;
    int m_cxSplitterGap = 7;
    int m_cySplitterGap = 7;
    int m_cxBorder = 2;
    int m_cyBorder = 2;

    // Tracking state.
    BOOL m_bTracking = FALSE;
    BOOL m_bTracking2 = FALSE;
    CPoint m_ptTrackOffset;
    CRect m_rectLimit;
    CRect m_rectTracker;
    CRect m_rectTracker2;
    int m_htTrack = noHit;

    DECLARE_MESSAGE_MAP()
};
