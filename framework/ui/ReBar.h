// CReBar: a control bar that is a rebar ("ReBarWindow32"): bands, each
// holding a child window (usually a toolbar). The frame lays it out like
// any bar; its height is the rebar's.
#pragma once

#include "framework/ui/ControlBar.h"
#include "framework/ui/ReBarCtrl.h"

class CBitmap;

class CReBar : public CControlBar
{
    DECLARE_DYNAMIC(CReBar)
public:
    CReBar();
    ~CReBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwCtrlStyle = RBS_BANDBORDERS,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                UINT nID = AFX_IDW_REBAR);
    // The bar itself seen as its rebar control.
    CReBarCtrl& GetReBarCtrl() const;

    // Appends a band carrying pBar (a control bar measures itself, any
    // other window keeps its size).
    BOOL AddBar(CWnd* pBar, LPCSTR pszText = nullptr, CBitmap* pbmp = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP);
    BOOL AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCSTR pszText = nullptr,
                DWORD dwStyle = RBBS_GRIPPERALWAYS);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    BOOL AddBand(CWnd* pBar, REBARBANDINFOA& rbbi);

    afx_msg void OnHeightChange(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};
