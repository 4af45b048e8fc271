// Hiding and restoring a row or column of the themed splitter, and putting
// another view or window into a pane. Pane windows change places only by
// their child ids; the splitter's size arrays stay where they are.
#include "toolkit/extras/Splitter.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/Document.h"
#include "framework/ui/View.h"

namespace {

// Notes, for the length of one view creation, whether the pane's window
// came to exist. A view whose window came to exist and failed deleted
// itself when it was destroyed; one whose window never existed stays ours.
class CPaneCreationWatch
{
public:
    CPaneCreationWatch(HWND hWndParent, int nID)
        : m_hWndParent(hWndParent)
        , m_nID(nID)
        , m_pPrevious(s_pActive)
        , m_hHook(::SetWindowsHookExA(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId()))
    {
        s_pActive = this;
    }
    ~CPaneCreationWatch()
    {
        if (m_hHook != nullptr)
            ::UnhookWindowsHookEx(m_hHook);
        s_pActive = m_pPrevious;
    }
    CPaneCreationWatch(const CPaneCreationWatch&) = delete;
    CPaneCreationWatch& operator=(const CPaneCreationWatch&) = delete;

    bool WindowCameToExist() const { return m_bCreated; }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        CPaneCreationWatch* pWatch = s_pActive;
        if (pWatch == nullptr)
            return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
        if (nCode == HCBT_CREATEWND)
        {
            const CREATESTRUCTA* pcs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            if (pcs->hwndParent == pWatch->m_hWndParent
                && reinterpret_cast<UINT_PTR>(pcs->hMenu) == static_cast<UINT_PTR>(pWatch->m_nID))
                pWatch->m_bCreated = true;
        }
        return ::CallNextHookEx(pWatch->m_hHook, nCode, wParam, lParam);
    }

    static CPaneCreationWatch* s_pActive;

    HWND m_hWndParent;
    int m_nID;
    CPaneCreationWatch* m_pPrevious;
    HHOOK m_hHook;
    bool m_bCreated = false;
};

CPaneCreationWatch* CPaneCreationWatch::s_pActive = nullptr;

} // namespace

void CXTSplitterWnd::SetPaneId(CWnd* pPane, int nID)
{
    if (pPane != nullptr)
        pPane->SetDlgCtrlID(nID);
}

// ---- columns ------------------------------------------------------------------

void CXTSplitterWnd::HidePaneColumn(int col)
{
    if (m_nHiddenCol != -1)
    {
        if (m_nHiddenCol == col)
            return;
        RestorePaneColumn();
    }
    // The last visible column stays: a splitter without panes shows nothing.
    if (col < 0 || col >= m_nCols || m_nCols <= 1)
        return;

    m_nHiddenCol = col;
    int rowActive = 0;
    int colActive = 0;
    if (GetActivePane(&rowActive, &colActive) != nullptr && colActive == col)
        SetActivePane(rowActive, (col + 1) % m_nCols);

    for (int row = 0; row < m_nRows; ++row)
    {
        CWnd* pPaneHide = GetPane(row, col);
        if (pPaneHide != nullptr)
        {
            pPaneHide->ShowWindow(SW_HIDE);
            SetPaneId(pPaneHide, IdFromRowCol(row, m_nCols));
        }
        for (int c = col + 1; c < m_nCols; ++c)
            SetPaneId(GetPane(row, c), IdFromRowCol(row, c - 1));
    }
    --m_nCols;
    m_pColInfo[m_nCols].nCurSize = m_pColInfo[col].nCurSize;
    RecalcLayout();
}

void CXTSplitterWnd::RestorePaneColumn()
{
    if (m_nHiddenCol == -1 || m_nCols >= m_nMaxCols)
        return;
    int col = m_nHiddenCol;
    m_nHiddenCol = -1;
    int cxHidden = m_pColInfo[m_nCols].nCurSize;
    ++m_nCols;

    for (int row = 0; row < m_nRows; ++row)
    {
        // Parked at the position past the columns that were shown before.
        CWnd* pPaneShow = GetDlgItem(IdFromRowCol(row, m_nCols));
        if (pPaneShow != nullptr)
            pPaneShow->ShowWindow(SW_SHOWNA);
        for (int c = m_nCols - 2; c >= col; --c)
            SetPaneId(GetPane(row, c), IdFromRowCol(row, c + 1));
        SetPaneId(pPaneShow, IdFromRowCol(row, col));
    }
    for (int c = m_nCols - 1; c > col; --c)
        m_pColInfo[c].nIdealSize = m_pColInfo[c - 1].nCurSize;
    m_pColInfo[col].nIdealSize = cxHidden;
    RecalcLayout();
}

// ---- rows -------------------------------------------------------------------

void CXTSplitterWnd::HidePaneRow(int row)
{
    if (m_nHiddenRow != -1)
    {
        if (m_nHiddenRow == row)
            return;
        RestorePaneRow();
    }
    if (row < 0 || row >= m_nRows || m_nRows <= 1)
        return;

    m_nHiddenRow = row;
    int rowActive = 0;
    int colActive = 0;
    if (GetActivePane(&rowActive, &colActive) != nullptr && rowActive == row)
        SetActivePane((row + 1) % m_nRows, colActive);

    for (int col = 0; col < m_nCols; ++col)
    {
        CWnd* pPaneHide = GetPane(row, col);
        if (pPaneHide != nullptr)
        {
            pPaneHide->ShowWindow(SW_HIDE);
            SetPaneId(pPaneHide, IdFromRowCol(m_nRows, col));
        }
        for (int r = row + 1; r < m_nRows; ++r)
            SetPaneId(GetPane(r, col), IdFromRowCol(r - 1, col));
    }
    --m_nRows;
    m_pRowInfo[m_nRows].nCurSize = m_pRowInfo[row].nCurSize;
    RecalcLayout();
}

void CXTSplitterWnd::RestorePaneRow()
{
    if (m_nHiddenRow == -1 || m_nRows >= m_nMaxRows)
        return;
    int row = m_nHiddenRow;
    m_nHiddenRow = -1;
    int cyHidden = m_pRowInfo[m_nRows].nCurSize;
    ++m_nRows;

    for (int col = 0; col < m_nCols; ++col)
    {
        CWnd* pPaneShow = GetDlgItem(IdFromRowCol(m_nRows, col));
        if (pPaneShow != nullptr)
            pPaneShow->ShowWindow(SW_SHOWNA);
        for (int r = m_nRows - 2; r >= row; --r)
            SetPaneId(GetPane(r, col), IdFromRowCol(r + 1, col));
        SetPaneId(pPaneShow, IdFromRowCol(row, col));
    }
    for (int r = m_nRows - 1; r > row; --r)
        m_pRowInfo[r].nIdealSize = m_pRowInfo[r - 1].nCurSize;
    m_pRowInfo[row].nIdealSize = cyHidden;
    RecalcLayout();
}

// ---- putting windows into panes ---------------------------------------------

BOOL CXTSplitterWnd::ExchangePaneViews(int row, int col, CWnd* pOther)
{
    CWnd* pPane = GetPane(row, col);
    if (pPane == nullptr || pOther == nullptr || pOther->m_hWnd == nullptr || pPane == pOther)
        return FALSE;
    int nPaneId = pPane->GetDlgCtrlID();
    int nOtherId = pOther->GetDlgCtrlID();
    pPane->ShowWindow(SW_HIDE);
    pOther->ShowWindow(SW_HIDE);
    pPane->SetDlgCtrlID(nOtherId);
    pOther->SetDlgCtrlID(nPaneId);
    pPane->ShowWindow(SW_SHOW);
    pOther->ShowWindow(SW_SHOW);
    RecalcLayout();
    return TRUE;
}

CWnd* CXTSplitterWnd::PutWindowInPane(int row, int col, CWnd* pWnd)
{
    CWnd* pPane = GetPane(row, col);
    if (pPane == nullptr || pWnd == nullptr || pWnd->m_hWnd == nullptr || pPane == pWnd)
        return nullptr;
    pWnd->SetDlgCtrlID(pPane->GetDlgCtrlID());
    pPane->SetDlgCtrlID(0);
    pPane->ShowWindow(SW_HIDE);
    pWnd->ShowWindow(SW_SHOW);
    RecalcLayout();
    return pPane;
}

CWnd* CXTSplitterWnd::CreateReplacementView(CRuntimeClass* pViewClass, CWnd* pOldPane, int nID)
{
    CWnd* pNew = nullptr;
    try
    {
        pNew = static_cast<CWnd*>(pViewClass->CreateObject());
    }
    catch (CException* e)
    {
        e->Delete();
        return nullptr;
    }
    if (pNew == nullptr)
        return nullptr;

    CCreateContext context;
    context.m_pNewViewClass = pViewClass;
    if (pOldPane->IsKindOf(RUNTIME_CLASS(CView)))
        context.m_pCurrentDoc = static_cast<CView*>(pOldPane)->GetDocument();
    if (context.m_pCurrentDoc != nullptr)
        context.m_pNewDocTemplate = context.m_pCurrentDoc->GetDocTemplate();

    CPaneCreationWatch watch(m_hWnd, nID);
    BOOL bCreated = FALSE;
    try
    {
        bCreated = pNew->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                                static_cast<UINT>(nID), &context);
    }
    catch (CException* e)
    {
        e->Delete();
    }
    if (bCreated)
        return pNew;
    // A window that came to exist took its object with it when it was
    // destroyed; an object without a window is freed here, once.
    if (!watch.WindowCameToExist())
        delete pNew;
    return nullptr;
}

CWnd* CXTSplitterWnd::ReplacePaneView(int row, int col, CRuntimeClass* pViewClass)
{
    CWnd* pOldPane = GetPane(row, col);
    if (pOldPane == nullptr || pViewClass == nullptr || pOldPane->IsKindOf(pViewClass))
        return nullptr;

    int nID = pOldPane->GetDlgCtrlID();
    int cyCur = 0;
    int cyMin = 0;
    int cxCur = 0;
    int cxMin = 0;
    GetRowInfo(row, cyCur, cyMin);
    GetColumnInfo(col, cxCur, cxMin);

    CWnd* pNew = CreateReplacementView(pViewClass, pOldPane, nID);
    if (pNew == nullptr)
        return nullptr;

    pOldPane->ShowWindow(SW_HIDE);
    pOldPane->SetDlgCtrlID(0);
    SetRowInfo(row, cyCur, cyMin);
    SetColumnInfo(col, cxCur, cxMin);
    RecalcLayout();
    pNew->SendMessage(WM_INITIALUPDATE);
    return pOldPane;
}
