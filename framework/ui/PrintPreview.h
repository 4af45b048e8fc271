// Print preview: CPreviewView takes the place of the frame's main pane and
// shows the pages of a view as they will print, one or two side by side,
// with a bar of commands above them (print, next and previous page, one or
// two pages, zoom in and out, close).
//
// Each page is printed once into an enhanced metafile on the printer's DC
// (the screen's when there is no printer) and played scaled into the
// preview, so the preview shows the printer's line breaks and pages.
#pragma once

#include "framework/ui/ControlBar.h"
#include "framework/ui/View.h"

#include <map>

struct CPrintInfo;

// The preview's bar of command buttons.
class CPreviewBar : public CControlBar
{
    DECLARE_DYNAMIC(CPreviewBar)
public:
    CPreviewBar();
    ~CPreviewBar() override;

    BOOL Create(CFrameWnd* pParentWnd);
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    // Places the buttons from the left, each as wide as its text.
    void LayoutButtons();

    HFONT m_hFont = nullptr;

    DECLARE_MESSAGE_MAP()
};

class CPreviewView : public CView
{
    DECLARE_DYNCREATE(CPreviewView)
public:
    CPreviewView();
    ~CPreviewView() override;

    // Prepares the preview of pPrintView (its OnPreparePrinting and
    // OnBeginPrinting); FALSE when it cannot be shown.
    BOOL SetPrintView(CView* pPrintView);
    // Shows page nPage first (the pages before it are laid out as needed).
    void SetCurrentPage(UINT nPage);
    UINT GetCurrentPage() const;
    // 1 or 2 pages side by side.
    UINT GetPagesShown() const;
    // 0: the whole page; 1: the page's width fills the view; 2: its actual
    // size on the screen.
    int GetZoomState() const;
    // TRUE when page nPage has something to print.
    BOOL PageExists(UINT nPage);

    // The preview's own state, which the view owns from DoPrintPreview on.
    CPrintPreviewState* m_pPreviewState = nullptr;
    CPreviewBar* m_pToolBar = nullptr;
    CView* m_pOrigView = nullptr;
    CView* m_pPrintView = nullptr;
    CPrintInfo* m_pPreviewInfo = nullptr;

    afx_msg void OnPreviewClose();
    afx_msg void OnPreviewPrint();
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnNumPageChange();
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();

protected:
    void OnDraw(CDC* pDC) override;
    void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) override;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNumPageChange(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);

    // The metafile of page nPage, printed on first use; null for a page
    // past the end.
    HENHMETAFILE GetPageMetafile(UINT nPage);
    void ClearPages();
    // The paper in printer pixels and the printer's resolution.
    CSize GetPaperPixels() const;
    // Where page i (0 or 1) of the ones shown lies in the client area.
    CRect GetPageRect(int nIndex, const CRect& rectClient) const;
    void UpdateScrollBars();

    HDC m_hdcPrint = nullptr;         // the printer's DC (owned by m_pPreviewInfo)
    UINT m_nCurrentPage = 1;
    UINT m_nPages = 1;
    int m_nZoomState = 0;
    CPoint m_ptScroll;
    std::map<UINT, HENHMETAFILE> m_pages;   // null: no such page

    DECLARE_MESSAGE_MAP()
};
