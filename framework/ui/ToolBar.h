// CToolBar: a control bar that is a common-controls toolbar
// ("ToolbarWindow32"): a row of buttons, each a command with an image from
// one bitmap, enabled and checked in idle time by the commands' update
// handlers. A toolbar resource (RT_TOOLBAR) gives the image size and the
// command of each button; the bitmap of the same id the images.
//
// A bar that draws itself (the banner) keeps the bar's layout and
// non-client borders and paints its client area on its own.
#pragma once

#include "framework/ui/ControlBar.h"

class CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    // dwCtrlStyle: the toolbar control's TBSTYLE_ bits; rcBorders the
    // bar's inner borders.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                  CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

    // The buttons and images of a toolbar resource; FALSE when it is
    // missing or malformed.
    BOOL LoadToolBar(LPCSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource);
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    // One button per id, images in order; ID_SEPARATOR (0) makes a gap.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);

    int GetCount() const;
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) override;

    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();

    CSize m_sizeButton;
    CSize m_sizeImage;
    HBITMAP m_hbmImageWell = nullptr;

    DECLARE_MESSAGE_MAP()
};
