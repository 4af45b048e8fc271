#include "framework/ui/PrintPreview.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/Dc.h"
#include "framework/ui/Document.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/PrintDialog.h"
#include "framework/ui/PrintInfo.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/WinAppDocuments.h"

IMPLEMENT_DYNAMIC(CPreviewBar, CControlBar)
IMPLEMENT_DYNCREATE(CPreviewView, CView)

namespace {

struct PreviewButton
{
    UINT nID;
    LPCSTR lpszText;
};

const PreviewButton kButtons[] = {
    { AFX_ID_PREVIEW_PRINT, "&Drucken..." },
    { AFX_ID_PREVIEW_NEXT, "&Nächste Seite" },
    { AFX_ID_PREVIEW_PREV, "&Vorherige Seite" },
    { AFX_ID_PREVIEW_NUMPAGE, "&Zwei Seiten" },
    { AFX_ID_PREVIEW_ZOOMIN, "Ver&größern" },
    { AFX_ID_PREVIEW_ZOOMOUT, "Ver&kleinern" },
    { AFX_ID_PREVIEW_CLOSE, "S&chließen" },
};
const char kOnePage[] = "&Eine Seite";
const char kTwoPages[] = "&Zwei Seiten";
const char kPreviewFailed[] = "Die Seitenansicht konnte nicht geöffnet werden.";
const char kPreviewSection[] = "Settings";
const char kPreviewEntry[] = "PreviewPages";

const int kButtonHeight = 22;
const int kButtonGap = 4;
const int kPageGap = 12;   // around and between the pages
const int kShadow = 3;

// A4 in tenths of a millimetre, for a screen standing in for the printer.
const int kA4Width = 2100;
const int kA4Height = 2970;

// The frame's close command during the preview ends the preview.
BOOL PreviewCloseProc(CFrameWnd* pFrameWnd)
{
    CWnd* pWnd = pFrameWnd->GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CPreviewView)))
        return FALSE;
    static_cast<CPreviewView*>(pWnd)->OnPreviewClose();
    return TRUE;
}

// Moves rPos, the scroll position of bar nBar of wnd, as the scroll-bar
// action asks (the line and page codes of both bars are the same numbers),
// within the bar's range; FALSE for an action that moves nothing.
BOOL ScrollBarMoves(CWnd& wnd, int nBar, UINT nSBCode, UINT nThumbPos, LONG& rPos)
{
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    wnd.GetScrollInfo(nBar, &si);
    int nNew = rPos;
    switch (nSBCode)
    {
    case SB_LINEUP: nNew -= 16; break;
    case SB_LINEDOWN: nNew += 16; break;
    case SB_PAGEUP: nNew -= static_cast<int>(si.nPage); break;
    case SB_PAGEDOWN: nNew += static_cast<int>(si.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: nNew = static_cast<int>(nThumbPos); break;
    default: return FALSE;
    }
    int nMax = si.nMax - static_cast<int>(si.nPage) + 1;
    nNew = nNew > nMax ? nMax : nNew;
    rPos = nNew < 0 ? 0 : nNew;
    return TRUE;
}

} // namespace

// ---------------------------------------------------------------------------
// CView: entering and leaving the preview

void CView::OnFilePrintPreview()
{
    auto* pState = new CPrintPreviewState;
    if (!DoPrintPreview(0, this, RUNTIME_CLASS(CPreviewView), pState))
    {
        AfxMessageBox(kPreviewFailed, MB_ICONEXCLAMATION);
        delete pState;
    }
}

BOOL CView::DoPrintPreview(UINT, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                           CPrintPreviewState* pState)
{
    CFrameWnd* pParent = GetParentFrame();
    if (pParent == nullptr || pPreviewViewClass == nullptr)
        return FALSE;
    pState->lpfnCloseProc = PreviewCloseProc;
    pParent->OnSetPreviewMode(TRUE, pState);

    // Until the preview view exists, a failure gives the frame back here;
    // from then on the view owns the bar and the state.
    auto* pBar = new CPreviewBar;
    auto* pView = static_cast<CPreviewView*>(pPreviewViewClass->CreateObject());
    // The preview does not join the document's views.
    CCreateContext context;
    context.m_pCurrentFrame = pParent;
    context.m_pLastView = this;
    if (!pBar->Create(pParent) || pView == nullptr
        || !pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW | WS_HSCROLL | WS_VSCROLL,
                          CRect(0, 0, 0, 0), pParent, AFX_IDW_PANE_FIRST, &context))
    {
        // A view whose window came to exist has deleted itself.
        if (pBar->m_hWnd != nullptr)
            pBar->DestroyWindow();
        delete pBar;
        pParent->OnSetPreviewMode(FALSE, pState);
        return FALSE;
    }
    pView->m_pToolBar = pBar;
    pView->m_pPreviewState = pState;
    pView->m_pOrigView = this;

    CView* pActiveView = pState->pViewActiveOld;
    if (pActiveView != nullptr)
        pActiveView->OnActivateView(FALSE, pActiveView, pActiveView);
    if (!pView->SetPrintView(pPrintView))
    {
        // Ends the preview and gives the frame back.
        pView->OnPreviewClose();
        return TRUE;
    }
    pParent->SetActiveView(pView);
    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    pParent->RecalcLayout();
    pParent->UpdateWindow();
    return TRUE;
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView)
{
    if (pView->m_pPrintView != nullptr && pDC != nullptr)
        pView->m_pPrintView->OnEndPrinting(pDC, pInfo);

    CFrameWnd* pParent = pView->GetParentFrame();
    if (pParent == nullptr)
        pParent = GetParentFrame();
    if (pParent == nullptr)
    {
        pView->DestroyWindow();
        return;
    }
    CView* pViewOld = pView->m_pPreviewState->pViewActiveOld;
    pParent->OnSetPreviewMode(FALSE, pView->m_pPreviewState);
    pParent->SetActiveView(pViewOld);
    pView->DestroyWindow();   // deletes the view and its state
    pParent->RecalcLayout();
    pParent->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    pParent->UpdateWindow();
}

// ---------------------------------------------------------------------------
// CPreviewBar

BEGIN_MESSAGE_MAP(CPreviewBar, CControlBar)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CPreviewBar::CPreviewBar()
{
    m_cxLeftBorder = 4;
    m_cxRightBorder = 4;
    m_cyTopBorder = 3;
    m_cyBottomBorder = 3;
}

CPreviewBar::~CPreviewBar()
{
    if (m_hFont != nullptr)
        ::DeleteObject(m_hFont);
}

BOOL CPreviewBar::Create(CFrameWnd* pParentWnd)
{
    m_dwStyle = CBRS_TOP | CBRS_BORDER_3D;
    CRect rect(0, 0, 0, 0);
    if (!CWnd::Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, pParentWnd,
                      AFX_IDW_PREVIEW_BAR))
        return FALSE;

    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = 340;   // the size every system version accepts
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0))
        m_hFont = ::CreateFontIndirectA(&ncm.lfMessageFont);
    HFONT hFont = m_hFont != nullptr ? m_hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));

    for (const PreviewButton& button : kButtons)
    {
        HWND hWnd = ::CreateWindowExA(0, "BUTTON", button.lpszText,
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0,
                                      0, m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(button.nID)),
                                      ::GetModuleHandleA(nullptr), nullptr);
        if (hWnd == nullptr)
            return FALSE;
        ::SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    }
    LayoutButtons();
    return TRUE;
}

CSize CPreviewBar::CalcFixedLayout(BOOL, BOOL)
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, TRUE);
    return CSize(32767, kButtonHeight - rect.Height());
}

void CPreviewBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void CPreviewBar::LayoutButtons()
{
    CRect rect;
    GetClientRect(&rect);
    CalcInsideRect(rect, TRUE);
    CClientDC dc(this);
    HGDIOBJ hOldFont = dc.SelectObject(m_hFont != nullptr ? static_cast<HGDIOBJ>(m_hFont)
                                                          : ::GetStockObject(DEFAULT_GUI_FONT));
    int x = rect.left;
    for (const PreviewButton& button : kButtons)
    {
        HWND hWnd = ::GetDlgItem(m_hWnd, static_cast<int>(button.nID));
        if (hWnd == nullptr)
            continue;
        // Wide enough for the longer of the two texts the page button shows.
        CString strText;
        CWnd::FromHandle(hWnd)->GetWindowText(strText);
        if (button.nID == AFX_ID_PREVIEW_NUMPAGE)
            strText = lstrlenA(kOnePage) > lstrlenA(kTwoPages) ? kOnePage : kTwoPages;
        RECT rcText = { 0, 0, 0, 0 };
        ::DrawTextA(dc.GetSafeHdc(), strText, -1, &rcText, DT_CALCRECT | DT_SINGLELINE);
        int cx = rcText.right - rcText.left + 16;
        if (cx < 60)
            cx = 60;
        ::MoveWindow(hWnd, x, rect.top, cx, kButtonHeight, TRUE);
        x += cx + kButtonGap;
    }
    dc.SelectObject(hOldFont);
}

void CPreviewBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    LayoutButtons();
}

BOOL CPreviewBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

// ---------------------------------------------------------------------------
// CPreviewView

BEGIN_MESSAGE_MAP(CPreviewView, CView)
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_KEYDOWN()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
    ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
    ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
    ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
    ON_COMMAND(AFX_ID_PREVIEW_NUMPAGE, OnNumPageChange)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMIN, OnZoomIn)
    ON_COMMAND(AFX_ID_PREVIEW_ZOOMOUT, OnZoomOut)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, OnUpdateNextPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, OnUpdatePrevPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, OnUpdateNumPageChange)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
END_MESSAGE_MAP()

CPreviewView::CPreviewView() = default;

CPreviewView::~CPreviewView()
{
    ClearPages();
    if (m_pToolBar != nullptr)
    {
        if (m_pToolBar->m_hWnd != nullptr)
            m_pToolBar->DestroyWindow();
        delete m_pToolBar;
    }
    delete m_pPreviewInfo;   // also the printer's DC
    delete m_pPreviewState;
}

BOOL CPreviewView::SetPrintView(CView* pPrintView)
{
    m_pPrintView = pPrintView;
    m_pPreviewInfo = new CPrintInfo;
    m_pPreviewInfo->m_pPD->m_pd.Flags |= PD_PRINTSETUP;
    m_pPreviewInfo->m_pPD->m_pd.Flags &= ~PD_RETURNDC;
    m_pPreviewInfo->m_bPreview = TRUE;
    if (!m_pPrintView->OnPreparePrinting(m_pPreviewInfo))
        return FALSE;
    m_hdcPrint = m_pPreviewInfo->m_pPD->m_pd.hDC;
    if (m_hdcPrint == nullptr)
        return FALSE;

    CDC dc;
    dc.Attach(m_hdcPrint);
    int nSaved = dc.SaveDC();
    m_pPrintView->OnBeginPrinting(&dc, m_pPreviewInfo);
    dc.RestoreDC(nSaved);
    dc.Detach();

    m_nPages = m_pPreviewInfo->m_nNumPreviewPages;
    if (m_nPages == 0)
        m_nPages = 1;
    else if (m_nPages > 2)
        m_nPages = 2;
    SetCurrentPage(m_pPreviewInfo->m_nCurPage);
    return TRUE;
}

void CPreviewView::OnPreviewClose()
{
    if (m_pToolBar != nullptr)
    {
        m_pToolBar->DestroyWindow();
        delete m_pToolBar;
        m_pToolBar = nullptr;
    }
    if (m_pPreviewInfo != nullptr)
        m_pPreviewInfo->m_nCurPage = m_nCurrentPage;
    CView* pOrigView = m_pOrigView != nullptr ? m_pOrigView : m_pPrintView;
    if (pOrigView == nullptr)
    {
        DestroyWindow();
        return;
    }
    // The view (with the print info that owns the printer's DC) is gone
    // when the call returns; the wrapper only borrows the DC.
    CDC dcPrint;
    if (m_hdcPrint != nullptr)
        dcPrint.Attach(m_hdcPrint);
    CDC* pDC = dcPrint.GetSafeHdc() != nullptr ? &dcPrint : nullptr;
    pOrigView->OnEndPrintPreview(pDC, m_pPreviewInfo, CPoint(0, 0), this);
    dcPrint.Detach();
}

void CPreviewView::OnPreviewPrint()
{
    CFrameWnd* pFrame = GetParentFrame();
    CView* pPrintView = m_pPrintView;
    OnPreviewClose();
    if (pFrame != nullptr && pFrame->GetActiveView() == pPrintView)
        pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    else if (pPrintView != nullptr && pPrintView->m_hWnd != nullptr)
        pPrintView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

void CPreviewView::OnActivateView(BOOL bActivate, CView*, CView*)
{
    if (bActivate)
        SetFocus();
}

// ---------------------------------------------------------------------------
// Pages

CSize CPreviewView::GetPaperPixels() const
{
    int cx = ::GetDeviceCaps(m_hdcPrint, PHYSICALWIDTH);
    int cy = ::GetDeviceCaps(m_hdcPrint, PHYSICALHEIGHT);
    if (cx <= 0 || cy <= 0)
    {
        // The screen standing in for the printer: A4 at its resolution.
        cx = ::MulDiv(kA4Width, ::GetDeviceCaps(m_hdcPrint, LOGPIXELSX), 254);
        cy = ::MulDiv(kA4Height, ::GetDeviceCaps(m_hdcPrint, LOGPIXELSY), 254);
    }
    return CSize(cx, cy);
}

HENHMETAFILE CPreviewView::GetPageMetafile(UINT nPage)
{
    auto it = m_pages.find(nPage);
    if (it != m_pages.end())
        return it->second;
    if (m_hdcPrint == nullptr || m_pPrintView == nullptr || nPage == 0
        || nPage > m_pPreviewInfo->GetMaxPage())
        return nullptr;

    // The pages before it come first: a view learns where a page starts
    // from the page before.
    if (nPage > 1 && m_pages.find(nPage - 1) == m_pages.end() && GetPageMetafile(nPage - 1) == nullptr)
    {
        m_pages[nPage] = nullptr;
        return nullptr;
    }

    // The frame in hundredths of a millimetre as the metafile will measure
    // the printer's pixels when it plays, so the page fills the rectangle
    // it is played into, pixel for pixel at full size.
    CSize sizePaper = GetPaperPixels();
    RECT rcFrame = { 0, 0,
                     ::MulDiv(sizePaper.cx, 100 * ::GetDeviceCaps(m_hdcPrint, HORZSIZE),
                              ::GetDeviceCaps(m_hdcPrint, HORZRES)),
                     ::MulDiv(sizePaper.cy, 100 * ::GetDeviceCaps(m_hdcPrint, VERTSIZE),
                              ::GetDeviceCaps(m_hdcPrint, VERTRES)) };
    HDC hdcMeta = ::CreateEnhMetaFileA(m_hdcPrint, nullptr, &rcFrame, nullptr);
    if (hdcMeta == nullptr)
        return nullptr;

    CDC dc;
    dc.Attach(hdcMeta);
    dc.m_hAttribDC = m_hdcPrint;   // measured as on the printer
    m_pPreviewInfo->m_nCurPage = nPage;
    m_pPrintView->OnPrepareDC(&dc, m_pPreviewInfo);
    BOOL bExists = m_pPreviewInfo->m_bContinuePrinting;
    if (bExists)
    {
        m_pPreviewInfo->m_rectDraw.SetRect(0, 0, ::GetDeviceCaps(m_hdcPrint, HORZRES),
                                           ::GetDeviceCaps(m_hdcPrint, VERTRES));
        dc.DPtoLP(&m_pPreviewInfo->m_rectDraw);
        m_pPrintView->OnPrint(&dc, m_pPreviewInfo);
    }
    dc.m_hAttribDC = hdcMeta;
    HENHMETAFILE hMeta = ::CloseEnhMetaFile(dc.Detach());
    if (!bExists)
    {
        ::DeleteEnhMetaFile(hMeta);
        hMeta = nullptr;
    }
    m_pages[nPage] = hMeta;
    return hMeta;
}

void CPreviewView::ClearPages()
{
    for (auto& page : m_pages)
    {
        if (page.second != nullptr)
            ::DeleteEnhMetaFile(page.second);
    }
    m_pages.clear();
}

BOOL CPreviewView::PageExists(UINT nPage)
{
    return GetPageMetafile(nPage) != nullptr;
}

void CPreviewView::SetCurrentPage(UINT nPage)
{
    if (nPage < 1)
        nPage = 1;
    m_nCurrentPage = nPage;
    m_ptScroll = CPoint(0, 0);
    UpdateScrollBars();
    Invalidate();
}

UINT CPreviewView::GetCurrentPage() const
{
    return m_nCurrentPage;
}

UINT CPreviewView::GetPagesShown() const
{
    return m_nPages;
}

int CPreviewView::GetZoomState() const
{
    return m_nZoomState;
}

// ---------------------------------------------------------------------------
// Layout and drawing

CRect CPreviewView::GetPageRect(int nIndex, const CRect& rectClient) const
{
    CSize sizePaper = GetPaperPixels();
    // The paper's shape in inches, so unequal resolutions stay true.
    double dPaperX = static_cast<double>(sizePaper.cx) / ::GetDeviceCaps(m_hdcPrint, LOGPIXELSX);
    double dPaperY = static_cast<double>(sizePaper.cy) / ::GetDeviceCaps(m_hdcPrint, LOGPIXELSY);

    int nShown = m_nZoomState == 0 ? static_cast<int>(m_nPages) : 1;
    int cxAvail = (rectClient.Width() - (nShown + 1) * kPageGap) / nShown;
    int cyAvail = rectClient.Height() - 2 * kPageGap;
    int cx;
    int cy;
    if (m_nZoomState == 2)
    {
        HDC hdcScreen = ::GetDC(nullptr);
        cx = static_cast<int>(dPaperX * ::GetDeviceCaps(hdcScreen, LOGPIXELSX));
        cy = static_cast<int>(dPaperY * ::GetDeviceCaps(hdcScreen, LOGPIXELSY));
        ::ReleaseDC(nullptr, hdcScreen);
    }
    else if (m_nZoomState == 1)
    {
        cx = cxAvail > 1 ? cxAvail : 1;
        cy = static_cast<int>(cx * dPaperY / dPaperX);
    }
    else
    {
        cx = cxAvail > 1 ? cxAvail : 1;
        cy = static_cast<int>(cx * dPaperY / dPaperX);
        if (cy > cyAvail)
        {
            cy = cyAvail > 1 ? cyAvail : 1;
            cx = static_cast<int>(cy * dPaperX / dPaperY);
        }
    }
    int xSlot = rectClient.left + kPageGap + nIndex * (cxAvail + kPageGap);
    int x = cx < cxAvail ? xSlot + (cxAvail - cx) / 2 : xSlot;
    int y = cy < cyAvail ? rectClient.top + kPageGap + (cyAvail - cy) / 2
                         : rectClient.top + kPageGap;
    return CRect(x - m_ptScroll.x, y - m_ptScroll.y, x - m_ptScroll.x + cx, y - m_ptScroll.y + cy);
}

void CPreviewView::UpdateScrollBars()
{
    if (m_hWnd == nullptr || m_hdcPrint == nullptr)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectPage = GetPageRect(0, rectClient);
    rectPage.OffsetRect(m_ptScroll);
    int cxTotal = rectPage.right + kPageGap;
    int cyTotal = rectPage.bottom + kPageGap;

    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = m_nZoomState == 0 ? 0 : cxTotal - 1;
    si.nPage = static_cast<UINT>(rectClient.Width());
    si.nPos = m_ptScroll.x;
    SetScrollInfo(SB_HORZ, &si, TRUE);
    si.nMax = m_nZoomState == 0 ? 0 : cyTotal - 1;
    si.nPage = static_cast<UINT>(rectClient.Height());
    si.nPos = m_ptScroll.y;
    SetScrollInfo(SB_VERT, &si, TRUE);
}

BOOL CPreviewView::OnEraseBkgnd(CDC*)
{
    return TRUE;   // OnDraw fills everything
}

void CPreviewView::OnDraw(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    pDC->FillSolidRect(&rectClient, ::GetSysColor(COLOR_APPWORKSPACE));
    if (m_hdcPrint == nullptr)
        return;
    int nShown = m_nZoomState == 0 ? static_cast<int>(m_nPages) : 1;
    for (int i = 0; i < nShown; ++i)
    {
        UINT nPage = m_nCurrentPage + static_cast<UINT>(i);
        HENHMETAFILE hMeta = GetPageMetafile(nPage);
        if (hMeta == nullptr && i > 0)
            break;
        CRect rectPage = GetPageRect(i, rectClient);
        pDC->FillSolidRect(rectPage.left + kShadow, rectPage.top + kShadow, rectPage.Width(),
                           rectPage.Height(), ::GetSysColor(COLOR_3DDKSHADOW));
        pDC->FillSolidRect(&rectPage, RGB(255, 255, 255));
        if (hMeta != nullptr)
            ::PlayEnhMetaFile(pDC->GetSafeHdc(), hMeta, &rectPage);
    }
}

void CPreviewView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateScrollBars();
}

void CPreviewView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_ESCAPE:
        OnPreviewClose();
        return;
    case VK_NEXT:
        OnNextPage();
        return;
    case VK_PRIOR:
        OnPrevPage();
        return;
    default:
        CView::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CPreviewView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    if (!ScrollBarMoves(*this, SB_HORZ, nSBCode, nPos, m_ptScroll.x))
        return;
    UpdateScrollBars();
    Invalidate();
}

void CPreviewView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    if (!ScrollBarMoves(*this, SB_VERT, nSBCode, nPos, m_ptScroll.y))
        return;
    UpdateScrollBars();
    Invalidate();
}

BOOL CPreviewView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    if (m_nZoomState == 0)
    {
        if (zDelta < 0)
            OnNextPage();
        else
            OnPrevPage();
    }
    else
    {
        OnVScroll(zDelta < 0 ? SB_LINEDOWN : SB_LINEUP, 0, nullptr);
    }
    return TRUE;
}

// ---------------------------------------------------------------------------
// Commands

void CPreviewView::OnNextPage()
{
    if (PageExists(m_nCurrentPage + 1))
        SetCurrentPage(m_nCurrentPage + 1);
}

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage > 1)
        SetCurrentPage(m_nCurrentPage - 1);
}

void CPreviewView::OnNumPageChange()
{
    m_nPages = m_nPages == 1 ? 2 : 1;
    if (CWinAppDocuments* pApp = AfxGetAppDocuments())
        pApp->m_nNumPreviewPages = m_nPages;
    if (CWinApp* pApp = AfxGetApp())
        pApp->WriteProfileInt(kPreviewSection, kPreviewEntry, static_cast<int>(m_nPages));
    m_nZoomState = 0;
    SetCurrentPage(m_nCurrentPage);
}

void CPreviewView::OnZoomIn()
{
    if (m_nZoomState < 2)
        ++m_nZoomState;
    m_ptScroll = CPoint(0, 0);
    UpdateScrollBars();
    Invalidate();
}

void CPreviewView::OnZoomOut()
{
    if (m_nZoomState > 0)
        --m_nZoomState;
    m_ptScroll = CPoint(0, 0);
    UpdateScrollBars();
    Invalidate();
}

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI)
{
    UINT nShown = m_nZoomState == 0 ? m_nPages : 1;
    pCmdUI->Enable(PageExists(m_nCurrentPage + nShown));
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nCurrentPage > 1);
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI)
{
    pCmdUI->SetText(m_nPages == 1 ? kTwoPages : kOnePage);
    pCmdUI->Enable(m_nZoomState == 0);
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState < 2);
}

void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState > 0);
}
