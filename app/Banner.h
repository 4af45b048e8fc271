// The banner: a narrow bar along the main window's left edge showing
// "banner.jpg" above a dark blue fill, with the product logo or a text of
// the user's standing upward at its foot. Dragging it moves the window; a
// double click maximises or restores it.
#pragma once

#include "app/ProgramPicture.h"
#include "framework/ui/Gdi.h"
#include "framework/ui/ImageList.h"
#include "framework/ui/ToolBar.h"

class CBanner : public CToolBar
{
public:
    // Control id of the bar.
    static const UINT kBarId = 777;
    static const int kWidth = 30;

    CBanner();
    ~CBanner() override;

    // Creates the bar on the frame's left edge and loads its picture
    // (reporting a missing "banner.jpg") and logo; FALSE when the bar
    // cannot be made.
    BOOL CreateBanner(CWnd* pFrame);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    BOOL IsPictureLoaded() const { return m_bPictureLoaded != 0; }
    // Draws the client area (width x height) into the DC.
    void DrawBanner(CDC* pDC, const CRect& rcClient);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnNcPaint();
    DECLARE_MESSAGE_MAP()

private:
    void LoadPicture();
    // The colour of the banner where the picture ends.
    COLORREF FillColor() const;
    // Hands a press on the banner to the frame as one on its caption.
    void ForwardToCaption(UINT nMessage);

    CQivPicture m_picture;
    BYTE m_bPictureLoaded = 0;
    CImageList m_logos;
    CFont m_font;
};
