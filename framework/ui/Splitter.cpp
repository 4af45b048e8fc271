// Creation, panes, layout and drawing of the static splitter. Hit testing
// and dragging live in SplitterTracking.cpp.
#include "framework/ui/Splitter.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/Dc.h"
#include "framework/ui/Document.h"
#include "framework/ui/View.h"
#include "framework/ui/WndClass.h"

#include <climits>

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
    ON_WM_NCCREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_KEYDOWN()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {

// The width of a two-pixel 3-D border line pair.
const int kBorder2 = 2;
const int kMaxPanes = 16;

} // namespace

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd() = default;

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID)
{
    if (pParentWnd == nullptr || nRows < 1 || nCols < 1 || nRows > kMaxPanes || nCols > kMaxPanes)
        return FALSE;
    m_nRows = m_nMaxRows = nRows;
    m_nCols = m_nMaxCols = nCols;
    m_rowInfo.assign(static_cast<size_t>(nRows), CRowColInfo());
    m_colInfo.assign(static_cast<size_t>(nCols), CRowColInfo());
    m_pRowInfo = m_rowInfo.data();
    m_pColInfo = m_colInfo.data();
    for (CRowColInfo& info : m_rowInfo)
        info.nCurSize = -1;
    for (CRowColInfo& info : m_colInfo)
        info.nCurSize = -1;

    // The splitter paints itself and sets its own cursor.
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS);
    DWORD dwCreateStyle = dwStyle & ~(WS_HSCROLL | WS_VSCROLL);
    return CreateEx(0, lpszClass, nullptr, dwCreateStyle, 0, 0, 0, 0, pParentWnd->m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

// The splitter draws the sunken edges itself: the frame's own goes.
BOOL CSplitterWnd::OnNcCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (!CWnd::OnNcCreate(lpCreateStruct))
        return FALSE;
    if (CWnd* pParent = GetParent())
        pParent->ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_DRAWFRAME);
    return TRUE;
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                              CCreateContext* pContext)
{
    if (row < 0 || row >= m_nRows || col < 0 || col >= m_nCols || pViewClass == nullptr)
        return FALSE;
    if (GetDlgItem(IdFromRowCol(row, col)) != nullptr)
        return FALSE;   // the pane is taken
    m_pColInfo[col].nIdealSize = sizeInit.cx;
    m_pRowInfo[row].nIdealSize = sizeInit.cy;

    BOOL bSendInitialUpdate = FALSE;
    CCreateContext contextT;
    if (pContext == nullptr)
    {
        // The new view shows the document of the active pane.
        CWnd* pOldView = GetActivePane();
        if (pOldView != nullptr && pOldView->IsKindOf(RUNTIME_CLASS(CView)))
        {
            contextT.m_pLastView = static_cast<CView*>(pOldView);
            contextT.m_pCurrentDoc = static_cast<CView*>(pOldView)->GetDocument();
            if (contextT.m_pCurrentDoc != nullptr)
                contextT.m_pNewDocTemplate = contextT.m_pCurrentDoc->GetDocTemplate();
        }
        pContext = &contextT;
        bSendInitialUpdate = TRUE;
    }

    CWnd* pWnd = nullptr;
    try
    {
        pWnd = static_cast<CWnd*>(pViewClass->CreateObject());
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
    if (pWnd == nullptr)
        return FALSE;
    CRect rect(CPoint(0, 0), sizeInit);
    if (!pWnd->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW & ~WS_BORDER, rect, this,
                      static_cast<UINT>(IdFromRowCol(row, col)), pContext))
        return FALSE;   // a view whose window came to exist deleted itself
    if (bSendInitialUpdate)
        pWnd->SendMessage(WM_INITIALUPDATE);
    return TRUE;
}

void CSplitterWnd::DeleteView(int row, int col)
{
    CWnd* pPane = GetPane(row, col);
    if (pPane == nullptr)
        return;
    if (GetActivePane() == pPane)
    {
        // Another view pane takes over, or none.
        CWnd* pNext = nullptr;
        for (int r = 0; r < m_nRows && pNext == nullptr; ++r)
        {
            for (int c = 0; c < m_nCols && pNext == nullptr; ++c)
            {
                CWnd* pCandidate = GetPane(r, c);
                if (pCandidate != nullptr && pCandidate != pPane
                    && pCandidate->IsKindOf(RUNTIME_CLASS(CView)))
                    pNext = pCandidate;
            }
        }
        if (pNext != nullptr)
            SetActivePane(-1, -1, pNext);
        else if (CFrameWnd* pFrame = GetParentFrame())
            pFrame->SetActiveView(nullptr);
    }
    pPane->DestroyWindow();
}

// ---------------------------------------------------------------------------
// Panes

int CSplitterWnd::GetRowCount() const
{
    return m_nRows;
}

int CSplitterWnd::GetColumnCount() const
{
    return m_nCols;
}

int CSplitterWnd::IdFromRowCol(int row, int col) const
{
    return AFX_IDW_PANE_FIRST + row * 16 + col;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const
{
    return GetDlgItem(IdFromRowCol(row, col));
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol)
{
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr || ::GetParent(pWnd->m_hWnd) != m_hWnd)
        return FALSE;
    int nID = pWnd->GetDlgCtrlID();
    if (nID < AFX_IDW_PANE_FIRST || nID > AFX_IDW_PANE_LAST)
        return FALSE;
    int row = (nID - AFX_IDW_PANE_FIRST) / 16;
    int col = (nID - AFX_IDW_PANE_FIRST) % 16;
    if (row >= m_nRows || col >= m_nCols)
        return FALSE;
    if (pRow != nullptr)
        *pRow = row;
    if (pCol != nullptr)
        *pCol = col;
    return TRUE;
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol)
{
    CWnd* pView = nullptr;
    if (CFrameWnd* pFrame = GetParentFrame())
        pView = pFrame->GetActiveView();
    if (pView == nullptr)
        pView = CWnd::GetFocus();
    if (pView != nullptr && !IsChildPane(pView, pRow, pCol))
        pView = nullptr;
    return pView;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* pWnd)
{
    CWnd* pPane = pWnd != nullptr ? pWnd : GetPane(row, col);
    if (pPane == nullptr)
        return;
    CFrameWnd* pFrame = GetParentFrame();
    if (pPane->IsKindOf(RUNTIME_CLASS(CView)) && pFrame != nullptr)
        pFrame->SetActiveView(static_cast<CView*>(pPane));
    else
        pPane->SetFocus();
}

// ---------------------------------------------------------------------------
// Sizes and layout

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const
{
    cyCur = m_pRowInfo[row].nCurSize;
    cyMin = m_pRowInfo[row].nMinSize;
}

void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin)
{
    m_pRowInfo[row].nIdealSize = cyIdeal;
    m_pRowInfo[row].nMinSize = cyMin;
}

void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const
{
    cxCur = m_pColInfo[col].nCurSize;
    cxMin = m_pColInfo[col].nMinSize;
}

void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin)
{
    m_pColInfo[col].nIdealSize = cxIdeal;
    m_pColInfo[col].nMinSize = cxMin;
}

void CSplitterWnd::GetInsideRect(CRect& rect) const
{
    GetClientRect(&rect);
    rect.InflateRect(-m_cxBorder, -m_cyBorder);
    if (m_bHasVScroll)
        rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (m_bHasHScroll)
        rect.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
}

// Every row or column but the last gets its ideal size, or nothing when the
// ideal is below the minimum; the last takes what is left. What does not
// fit is cut off: a pane that gets less than its minimum is not shown and
// its room goes to the pane before it; a bar needs nSizeSplitter.
void CSplitterWnd::LayoutRowCol(CRowColInfo* pInfo, int nMax, int nSize, int nSizeSplitter)
{
    if (nSize < 0)
        nSize = 0;
    for (int i = 0; i < nMax - 1; ++i)
    {
        if (pInfo[i].nIdealSize < pInfo[i].nMinSize)
            pInfo[i].nIdealSize = 0;
        pInfo[i].nCurSize = pInfo[i].nIdealSize;
    }
    pInfo[nMax - 1].nCurSize = INT_MAX;

    for (int i = 0; i < nMax; ++i)
    {
        if (nSize == 0)
        {
            pInfo[i].nCurSize = 0;
            continue;
        }
        if (nSize < pInfo[i].nMinSize && i != 0)
        {
            pInfo[i].nCurSize = 0;
            pInfo[i - 1].nCurSize += nSize + kBorder2;
            nSize = 0;
        }
        else if (pInfo[i].nCurSize != 0)
        {
            if (nSize < pInfo[i].nCurSize)
            {
                pInfo[i].nCurSize = nSize;
                nSize = 0;
            }
            else
            {
                nSize -= pInfo[i].nCurSize;
            }
        }

        if (i != nMax - 1)
        {
            if (nSize > nSizeSplitter)
            {
                nSize -= nSizeSplitter;
            }
            else
            {
                // No room for the bar: the pane takes the rest.
                pInfo[i].nCurSize += nSize;
                if (pInfo[i].nCurSize > nSizeSplitter - kBorder2)
                    pInfo[i].nCurSize -= nSizeSplitter - kBorder2;
                nSize = 0;
            }
        }
    }
}

void CSplitterWnd::RecalcLayout()
{
    if (m_hWnd == nullptr || m_nRows < 1 || m_nCols < 1)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    rectClient.InflateRect(-m_cxBorder, -m_cyBorder);
    CRect rectInside;
    GetInsideRect(rectInside);

    LayoutRowCol(m_pColInfo, m_nCols, rectInside.Width(), m_cxSplitterGap);
    LayoutRowCol(m_pRowInfo, m_nRows, rectInside.Height(), m_cySplitterGap);

    HDWP hDWP = ::BeginDeferWindowPos((m_nCols + 1) * (m_nRows + 1) + 1);
    int x = rectClient.left;
    for (int col = 0; col < m_nCols; ++col)
    {
        int cx = m_pColInfo[col].nCurSize;
        int y = rectClient.top;
        for (int row = 0; row < m_nRows; ++row)
        {
            int cy = m_pRowInfo[row].nCurSize;
            if (CWnd* pWnd = GetPane(row, col))
            {
                // A pane with a border of its own keeps it outside the room.
                CRect rect(x, y, x + cx, y + cy);
                if (pWnd->GetStyle() & WS_BORDER)
                    rect.InflateRect(::GetSystemMetrics(SM_CXBORDER), ::GetSystemMetrics(SM_CYBORDER));
                if (hDWP != nullptr)
                    hDWP = ::DeferWindowPos(hDWP, pWnd->m_hWnd, nullptr, rect.left, rect.top,
                                            rect.Width(), rect.Height(),
                                            SWP_NOZORDER | SWP_NOACTIVATE);
            }
            y += cy + m_cySplitterGap;
        }
        x += cx + m_cxSplitterGap;
    }
    if (hDWP != nullptr)
        ::EndDeferWindowPos(hDWP);

    DrawAllSplitBars(nullptr, rectInside.right, rectInside.bottom);
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy)
{
    if (nType != SIZE_MINIMIZED && cx > 0 && cy > 0)
        RecalcLayout();
    CWnd::OnSize(nType, cx, cy);
}

// ---------------------------------------------------------------------------
// Drawing

void CSplitterWnd::DrawAllSplitBars(CDC* pDC, int cxInside, int cyInside)
{
    CRect rect;
    GetClientRect(&rect);
    rect.left += m_cxBorder;
    for (int col = 0; col < m_nCols - 1; ++col)
    {
        rect.left += m_pColInfo[col].nCurSize + m_cxBorderShare;
        rect.right = rect.left + m_cxSplitter;
        if (rect.left > cxInside)
            break;
        OnDrawSplitter(pDC, splitBar, rect);
        rect.left = rect.right + m_cxBorderShare;
    }

    GetClientRect(&rect);
    rect.top += m_cyBorder;
    for (int row = 0; row < m_nRows - 1; ++row)
    {
        rect.top += m_pRowInfo[row].nCurSize + m_cyBorderShare;
        rect.bottom = rect.top + m_cySplitter;
        if (rect.top > cyInside)
            break;
        OnDrawSplitter(pDC, splitBar, rect);
        rect.top = rect.bottom + m_cyBorderShare;
    }

    // The sunken edge round each pane.
    GetClientRect(&rect);
    int x = rect.left;
    for (int col = 0; col < m_nCols; ++col)
    {
        int cx = m_pColInfo[col].nCurSize + 2 * m_cxBorder;
        if (col == m_nCols - 1 && m_bHasVScroll)
            cx += ::GetSystemMetrics(SM_CXVSCROLL) - 1;
        int y = rect.top;
        for (int row = 0; row < m_nRows; ++row)
        {
            int cy = m_pRowInfo[row].nCurSize + 2 * m_cyBorder;
            if (row == m_nRows - 1 && m_bHasHScroll)
                cy += ::GetSystemMetrics(SM_CYHSCROLL) - 1;
            OnDrawSplitter(pDC, splitBorder, CRect(x, y, x + cx, y + cy));
            y += cy + m_cySplitterGap - 2 * m_cyBorder;
        }
        x += cx + m_cxSplitterGap - 2 * m_cxBorder;
    }
}

void CSplitterWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    rectClient.InflateRect(-m_cxBorder, -m_cyBorder);
    CRect rectInside;
    GetInsideRect(rectInside);

    DrawAllSplitBars(&dc, rectInside.right, rectInside.bottom);

    // The crossings of bars, inside only.
    dc.IntersectClipRect(&rectInside);
    CRect rect;
    rect.top = rectInside.top;
    for (int row = 0; row < m_nRows - 1; ++row)
    {
        rect.top += m_pRowInfo[row].nCurSize + m_cyBorderShare;
        rect.bottom = rect.top + m_cySplitter;
        rect.left = rectInside.left;
        for (int col = 0; col < m_nCols - 1; ++col)
        {
            rect.left += m_pColInfo[col].nCurSize + m_cxBorderShare;
            rect.right = rect.left + m_cxSplitter;
            OnDrawSplitter(&dc, splitIntersection, rect);
            rect.left = rect.right + m_cxBorderShare;
        }
        rect.top = rect.bottom + m_cyBorderShare;
    }
}

void CSplitterWnd::OnDrawSplitter(CDC* pDC, ESplitType nType, const CRect& rectArg)
{
    if (pDC == nullptr)
    {
        RedrawWindow(&rectArg, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
        return;
    }
    CRect rect = rectArg;
    switch (nType)
    {
    case splitBorder:
        pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        rect.InflateRect(-1, -1);
        pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_WINDOWFRAME), ::GetSysColor(COLOR_BTNFACE));
        return;
    case splitBox:
        pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOWFRAME));
        rect.InflateRect(-1, -1);
        pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
        rect.InflateRect(-1, -1);
        break;
    case splitBar:
    case splitIntersection:
        break;
    }
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
}

// ---------------------------------------------------------------------------
// Routing

BOOL CSplitterWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr)
        return FALSE;
    pFrame->SendMessage(WM_COMMAND, wParam, lParam);
    return TRUE;
}

BOOL CSplitterWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CWnd::OnNotify(wParam, lParam, pResult))
        return TRUE;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr)
        return FALSE;
    *pResult = pFrame->SendMessage(WM_NOTIFY, wParam, lParam);
    return TRUE;
}
