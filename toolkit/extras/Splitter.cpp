// The themed splitter's look and dragging. In full-drag mode every mouse
// move ends the drag where the mouse is and starts the next one there, so
// the panes follow the mouse; otherwise the framework's tracking runs with
// a 4-pixel inverted band (or a focus outline) as the tracker. The pane
// operations live in SplitterPanes.cpp.
#include "toolkit/extras/Splitter.h"

#include "framework/ui/Dc.h"
#include "framework/ui/View.h"
#include "toolkit/draw/AuxData.h"
#include "toolkit/draw/ColorManager.h"
#include "toolkit/extras/SplitterTheme.h"

namespace {

const int FLAT_BAR_SIZE = 6;
const int BAR_SIZE = 7;
// The inverted tracker is this thick whatever the bar's width.
const int TRACKER_SIZE = 4;
const DWORD CLIP_STYLES = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;

bool IsRowHit(int ht)
{
    return ht == CSplitterWnd::vSplitterBox
           || (ht >= CSplitterWnd::vSplitterBar1 && ht <= CSplitterWnd::vSplitterBar15);
}

bool IsColumnHit(int ht)
{
    return ht == CSplitterWnd::hSplitterBox
           || (ht >= CSplitterWnd::hSplitterBar1 && ht <= CSplitterWnd::hSplitterBar15);
}

bool IsCrossingHit(int ht)
{
    return ht == CSplitterWnd::bothSplitterBox
           || (ht >= CSplitterWnd::splitterIntersection1
               && ht <= CSplitterWnd::splitterIntersection225);
}

BOOL SystemFullDrag()
{
    BOOL bFullDrag = FALSE;
    ::SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &bFullDrag, 0);
    return bFullDrag;
}

} // namespace

IMPLEMENT_DYNAMIC(CXTSplitterWnd, CSplitterWnd)

BEGIN_MESSAGE_MAP(CXTSplitterWnd, CSplitterWnd)
    ON_WM_SETTINGCHANGE()
    ON_WM_MOUSEMOVE()
    ON_WM_NCHITTEST()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CXTSplitterWnd::CXTSplitterWnd()
    : CXTThemeManagerStyleHost(RUNTIME_CLASS(CXTSplitterWndThemeFactory))
    , m_nHiddenCol(-1)
    , m_nHiddenRow(-1)
    , m_bFullDrag(SystemFullDrag())
    , m_bFlatLook(TRUE)
    , m_dwxStyle(XT_SPLIT_NOFULLDRAG)
    , m_ptLastDrag(-1, -1)
    , m_bClipStylesRemoved(FALSE)
{
    // The style word takes effect from the next SetStyleFlags or settings
    // change on: the full-drag flag follows the system until then.
    SetBarSizes(FLAT_BAR_SIZE);
}

CXTSplitterWnd::~CXTSplitterWnd() = default;

CXTSplitterWndTheme* CXTSplitterWnd::GetTheme() const
{
    return static_cast<CXTSplitterWndTheme*>(CXTThemeManagerStyleHost::GetStyle());
}

void CXTSplitterWnd::SetBarSizes(int nSize)
{
    m_cxSplitter = m_cySplitter = nSize;
    m_cxSplitterGap = m_cySplitterGap = nSize;
}

void CXTSplitterWnd::ReadFullDrag()
{
    m_bFullDrag = (m_dwxStyle & XT_SPLIT_NOFULLDRAG) ? FALSE : SystemFullDrag();
}

void CXTSplitterWnd::SetStyleFlags(DWORD dwStyle)
{
    m_dwxStyle = dwStyle;
    ReadFullDrag();
}

DWORD CXTSplitterWnd::GetStyleFlags() const
{
    return m_dwxStyle;
}

void CXTSplitterWnd::SetFlatLook(BOOL bFlat)
{
    m_bFlatLook = bFlat;
    SetBarSizes(bFlat ? FLAT_BAR_SIZE : BAR_SIZE);
    RecalcLayout();
}

// ---- drawing ----------------------------------------------------------------

void CXTSplitterWnd::OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rectArg)
{
    if (pDC == nullptr)
    {
        RedrawWindow(&rectArg, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
        return;
    }
    CXTSplitterWndTheme* pTheme = GetTheme();
    COLORREF clrFace = pTheme != nullptr ? pTheme->m_clrSplitterFace : ::GetSysColor(COLOR_BTNFACE);
    COLORREF clrBorder = pTheme != nullptr ? pTheme->m_clrSplitterBorder : ::GetSysColor(COLOR_BTNSHADOW);
    CXTPColorManager* pColors = GetColorManager();
    COLORREF clrFrame = pColors->ResolveColor(COLOR_WINDOWFRAME);
    COLORREF clrHilite = pColors->ResolveColor(COLOR_BTNHIGHLIGHT);

    CRect rect = rectArg;
    switch (nType)
    {
    case splitBox:
        pDC->Draw3dRect(&rect, clrFace, m_bFlatLook ? clrFace : clrFrame);
        rect.InflateRect(-1, -1);
        pDC->Draw3dRect(&rect, clrHilite, clrBorder);
        rect.InflateRect(-1, -1);
        break;
    case splitBorder:
        if (!m_bFlatLook)
        {
            pDC->Draw3dRect(&rect, clrBorder, clrHilite);
            rect.InflateRect(-1, -1);
            pDC->Draw3dRect(&rect, clrFrame, clrFace);
        }
        else
        {
            pDC->Draw3dRect(&rect, clrFace, clrFace);
            rect.InflateRect(-1, -1);
            if (m_dwxStyle & XT_SPLIT_NOBORDER)
                pDC->Draw3dRect(&rect, clrFace, clrFace);
            else
                pDC->Draw3dRect(&rect, clrBorder, clrHilite);
        }
        return;
    case splitBar:
    case splitIntersection:
        break;
    }
    pDC->FillSolidRect(&rect, clrFace);
}

void CXTSplitterWnd::OnInvertTracker(const CRect& rect)
{
    CBrush* pBrush = m_bFlatLook ? CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)))
                                 : CDC::GetHalftoneBrush();
    DrawTracker(rect, pBrush);
}

void CXTSplitterWnd::DrawTracker(const CRect& rectTracker, CBrush* pBrush)
{
    if (m_bFullDrag || m_hWnd == nullptr)
        return;
    CWindowDC dc(this);
    int nSaved = dc.SaveDC();
    CRect rect = rectTracker;
    BOOL bTall = rect.Height() > rect.Width();
    if (m_dwxStyle & XT_SPLIT_DOTTRACKER)
    {
        CRect rectOutline;
        GetInsideRect(rectOutline);
        if (bTall)
            rectOutline.right = rect.right;
        else
            rectOutline.bottom = rect.top;
        dc.DrawFocusRect(&rectOutline);
    }
    else
    {
        if (bTall)
            rect.left = rect.right - TRACKER_SIZE;
        else
            rect.bottom = rect.top + TRACKER_SIZE;
        if (pBrush != nullptr)
            dc.SelectObject(pBrush);
        dc.PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    }
    dc.RestoreDC(nSaved);
}

void CXTSplitterWnd::SetSplitCursor(int ht)
{
    CXTAuxData* pAux = GetAuxData();
    HCURSOR hCursor = nullptr;
    if (IsRowHit(ht))
        hCursor = pAux->hcurVSplitBar;
    else if (IsColumnHit(ht))
        hCursor = pAux->hcurHSplitBar;
    if (hCursor != nullptr)
        ::SetCursor(hCursor);
    else
        CSplitterWnd::SetSplitCursor(ht);
}

// ---- tracking ---------------------------------------------------------------

void CXTSplitterWnd::StartTracking(int ht)
{
    if (!m_bFullDrag)
    {
        if (CWnd::GetStyle() & WS_CLIPCHILDREN)
        {
            ModifyStyle(CLIP_STYLES, 0);
            m_bClipStylesRemoved = TRUE;
        }
        CSplitterWnd::StartTracking(ht);
        return;
    }
    if (ht == noHit)
        return;

    GetInsideRect(m_rectLimit);
    if (ht >= splitterIntersection1 && ht <= splitterIntersection225)
    {
        GetHitRect(vSplitterBar1 + (ht - splitterIntersection1) / 15, m_rectTracker);
        int yTrackOffset = m_ptTrackOffset.y;
        m_bTracking2 = TRUE;
        GetHitRect(hSplitterBar1 + (ht - splitterIntersection1) % 15, m_rectTracker2);
        m_ptTrackOffset.y = yTrackOffset;
    }
    else if (ht == bothSplitterBox)
    {
        GetHitRect(vSplitterBox, m_rectTracker);
        int yTrackOffset = m_ptTrackOffset.y;
        m_bTracking2 = TRUE;
        GetHitRect(hSplitterBox, m_rectTracker2);
        m_ptTrackOffset.y = yTrackOffset;
        m_rectTracker.OffsetRect(0, m_rectLimit.Height() / 2);
        m_rectTracker2.OffsetRect(m_rectLimit.Width() / 2, 0);
    }
    else
    {
        GetHitRect(ht, m_rectTracker);
    }
    SetCapture();
    m_bTracking = TRUE;
    m_htTrack = ht;
    SetSplitCursor(ht);
}

void CXTSplitterWnd::StopTracking(BOOL bAccept)
{
    // A flat bar's place is the last 4 pixels of its tracker (the whole
    // tracker while bars are 6 pixels wide).
    if (m_bFullDrag && m_bTracking && m_bFlatLook)
    {
        if (m_htTrack >= vSplitterBar1 && m_htTrack <= vSplitterBar15)
            m_rectTracker.top = m_rectTracker.bottom - TRACKER_SIZE;
        else if (m_htTrack >= hSplitterBar1 && m_htTrack <= hSplitterBar15)
            m_rectTracker.left = m_rectTracker.right - TRACKER_SIZE;
    }
    CSplitterWnd::StopTracking(bAccept);
    if (m_bClipStylesRemoved)
    {
        ModifyStyle(0, CLIP_STYLES);
        m_bClipStylesRemoved = FALSE;
    }
}

// ---- messages ---------------------------------------------------------------

BOOL CXTSplitterWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_SETTINGCHANGE || message == WM_SYSCOLORCHANGE)
    {
        if (CXTThemeManagerStyle* pStyle = CXTThemeManagerStyleHost::GetStyle())
            pStyle->RefreshColors();
    }
    return CSplitterWnd::OnWndMsg(message, wParam, lParam, pResult);
}

void CXTSplitterWnd::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CSplitterWnd::OnSettingChange(uFlags, lpszSection);
    ReadFullDrag();
}

void CXTSplitterWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bFullDrag)
    {
        CSplitterWnd::OnMouseMove(nFlags, point);
        return;
    }
    if (m_bTracking && GetCapture() != this)
        StopTracking(FALSE);
    if (!m_bTracking)
    {
        SetSplitCursor(HitTest(point));
        return;
    }

    CPoint pt = point + m_ptTrackOffset;
    if (pt.y < m_rectLimit.top)
        pt.y = m_rectLimit.top;
    else if (pt.y > m_rectLimit.bottom)
        pt.y = m_rectLimit.bottom;
    if (pt.x < m_rectLimit.left)
        pt.x = m_rectLimit.left;
    else if (pt.x > m_rectLimit.right)
        pt.x = m_rectLimit.right;

    // The tracker is not drawn in full drag, so it simply moves.
    if (IsRowHit(m_htTrack) || IsCrossingHit(m_htTrack))
        m_rectTracker.OffsetRect(0, pt.y - m_rectTracker.top);
    if (IsColumnHit(m_htTrack))
        m_rectTracker.OffsetRect(pt.x - m_rectTracker.left, 0);
    else if (IsCrossingHit(m_htTrack))
        m_rectTracker2.OffsetRect(pt.x - m_rectTracker2.left, 0);

    OnLButtonUp(nFlags, pt);
    CSplitterWnd::OnLButtonDown(nFlags, pt);

    if (pt != m_ptLastDrag)
    {
        RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        m_ptLastDrag = pt;
    }
}

LRESULT CXTSplitterWnd::OnNcHitTest(CPoint point)
{
    if (m_dwxStyle & XT_SPLIT_NOSIZE)
        return HTBORDER;
    return CSplitterWnd::OnNcHitTest(point);
}

void CXTSplitterWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    CSplitterWnd::OnLButtonUp(nFlags, point);
    Invalidate(TRUE);
}
