// The status bar's window: creation, sizing, non-client area, the window
// text of the message pane, painting through the paint manager, and the
// idle update.
#include "toolkit/extras/StatusBar.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/BufferDC.h"
#include "toolkit/draw/PaintManager.h"
#include "toolkit/extras/ToolTipContext.h"

#include <commctrl.h>

#include <cstring>

namespace {

// The bar never gets lower than this once its window exists.
const int kMinBarHeight = 20;

} // namespace

BEGIN_MESSAGE_MAP(CXTPStatusBar, CControlBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_NCHITTEST()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(SB_SETMINHEIGHT, OnSetMinHeight)
    ON_MESSAGE(XTP_SBM_FRAMEQUERY, OnFrameQuery)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

LRESULT CXTPStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_pToolTipContext->RelayWindowMessage(this, message, wParam, lParam);
    return CControlBar::WindowProc(message, wParam, lParam);
}

int CXTPStatusBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    // A fresh copy of the status font, in case the system's changed.
    LOGFONTA lf;
    if (m_fontBar.GetLogFont(&lf) != 0)
    {
        m_fontBar.DeleteObject();
        m_fontBar.CreateFontIndirect(&lf);
    }
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontBar.GetSafeHandle()));
    SendMessage(SB_SETMINHEIGHT, kMinBarHeight);
    return 0;
}

LRESULT CXTPStatusBar::OnSetMinHeight(WPARAM wParam, LPARAM)
{
    LRESULT lResult = Default();
    m_nMinHeight = static_cast<int>(wParam);
    return lResult;
}

void CXTPStatusBar::OnSize(UINT, int, int)
{
    Default();
    RecalcPanes(recalcRects);
    Invalidate(FALSE);
}

LRESULT CXTPStatusBar::OnNcHitTest(CPoint)
{
    // The gripper sizes the frame; everything else is the bar's.
    LRESULT nHit = Default();
    return nHit == HTBOTTOMRIGHT ? HTBOTTOMRIGHT : HTCLIENT;
}

void CXTPStatusBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    // The bar's borders lie outside its client area, its top two pixels
    // excepted: the status control draws its own edge there.
    CRect rect(0, 0, 0, 0);
    CControlBar::CalcInsideRect(rect, TRUE);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top - 2;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void CXTPStatusBar::OnNcPaint()
{
    EraseNonClient();
}

void CXTPStatusBar::OnWindowPosChanging(WINDOWPOS* lpWndPos)
{
    // The control owns its edges: the bar's border bits must not make the
    // framework invalidate them.
    DWORD dwStyle = m_dwStyle;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    CControlBar::OnWindowPosChanging(lpWndPos);
    m_dwStyle = dwStyle;
}

BOOL CXTPStatusBar::OnEraseBkgnd(CDC*)
{
    if (m_bDrawWithPaintManager)
        return TRUE;
    return static_cast<BOOL>(Default());
}

void CXTPStatusBar::OnPaint()
{
    RecalcPanes(recalcTexts);
    if (!m_bDrawWithPaintManager)
    {
        Default();
        return;
    }

    CPaintDC paintDC(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CXTPBufferDC dc(paintDC.GetSafeHdc(), rcClient);
    CXTPPaintManager* pPaintManager = GetPaintManager();
    pPaintManager->FillStatusBar(&dc, this);

    int nLast = LastVisiblePane();
    for (int i = 0; i < GetPaneCount(); ++i)
    {
        CXTPStatusBarPane* pPane = GetPane(i);
        if (!pPane->IsVisible())
            continue;
        CRect rc;
        GetPaneRect(i, &rc);
        if ((pPane->GetStyle() & XTP_SBPS_NOBORDERS) == 0)
            pPaintManager->DrawStatusBarPaneBorder(&dc, rc, i == nLast);
        DrawPaneEntry(&dc, i, rc);
    }

    CWnd* pParent = GetParent();
    if (pParent != nullptr && (pParent->GetStyle() & WS_THICKFRAME) && HasSizeGrip()
        && !pParent->IsZoomed())
        DrawSizeGripper(&dc, rcClient);
}

void CXTPStatusBar::DrawPaneEntry(CDC* pDC, int nIndex, CRect rc)
{
    if (CXTPStatusBarPane* pPane = GetPane(nIndex))
        pPane->Draw(pDC, rc);
}

void CXTPStatusBar::DrawSizeGripper(CDC* pDC, CRect rcClient)
{
    GetPaintManager()->DrawStatusBarGripper(pDC, rcClient);
}

// ---------------------------------------------------------------------------
// The window text is the text of the message pane (id 0).

LRESULT CXTPStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    int nIndex = FindPaneIndex(0);
    if (nIndex < 0)
        return -1;
    return SetPaneTextAt(nIndex, reinterpret_cast<LPCSTR>(lParam), TRUE) ? 0 : -1;
}

LRESULT CXTPStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    // At most size - 1 characters and the terminator; nothing for size 0.
    size_t nSize = static_cast<size_t>(wParam);
    auto* lpszBuffer = reinterpret_cast<LPSTR>(lParam);
    if (nSize == 0 || lpszBuffer == nullptr)
        return 0;
    CString strText = GetPaneTextAt(FindPaneIndex(0));
    size_t nCopy = static_cast<size_t>(strText.GetLength());
    if (nCopy > nSize - 1)
        nCopy = nSize - 1;
    std::memcpy(lpszBuffer, static_cast<LPCSTR>(strText), nCopy);
    lpszBuffer[nCopy] = '\0';
    return static_cast<LRESULT>(nCopy);
}

LRESULT CXTPStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    return GetPaneTextAt(FindPaneIndex(0)).GetLength();
}

LRESULT CXTPStatusBar::OnFrameQuery(WPARAM, LPARAM)
{
    if (!m_bDrawWithPaintManager)
        return 0;
    return GetPaintManager()->m_bAnswerStatusBarQuery ? 1 : 0;
}

LRESULT CXTPStatusBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    RecalcDelayShow(nullptr);
    // No updates for a bar nobody sees.
    CFrameWnd* pFrame = GetDockingFrame();
    if ((GetStyle() & WS_VISIBLE) == 0 || pFrame == nullptr || !pFrame->IsWindowVisible())
        return 0;
    return CControlBar::OnIdleUpdateCmdUI(wParam, lParam);
}
