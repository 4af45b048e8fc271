// Printing: the print loop of a view on a DC standing in for the printer
// (there is no printer here), the rich-edit view's pages, the print
// command through the print dialog's seam, and the preview opening, paging
// and closing without leaving windows or drawing objects behind.
#include "TestApp.h"

#include "framework/ui/CreateContext.h"
#include "framework/ui/Dc.h"
#include "framework/ui/DialogSeams.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/OleClientItem.h"
#include "framework/ui/PrintDialog.h"
#include "framework/ui/PrintInfo.h"
#include "framework/ui/PrintPreview.h"
#include "framework/ui/RichEditDoc.h"
#include "framework/ui/RichEditView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class CPrintDoc : public CRichEditDoc
{
public:
    CRichEditCntrItem* CreateClientItem(REOBJECT* preo) const override
    {
        return new CRichEditCntrItem(preo, const_cast<CPrintDoc*>(this));
    }
};

// Counts what the print loop asks of the view.
class CCountingTextView : public CRichEditView
{
    DECLARE_DYNCREATE(CCountingTextView)
public:
    std::vector<UINT> m_printed;
    int m_nBegin = 0;
    int m_nEnd = 0;

    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        ++m_nBegin;
        CRichEditView::OnBeginPrinting(pDC, pInfo);
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_printed.push_back(pInfo->m_nCurPage);
        CRichEditView::OnPrint(pDC, pInfo);
    }
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        ++m_nEnd;
        CRichEditView::OnEndPrinting(pDC, pInfo);
    }
};

IMPLEMENT_DYNCREATE(CCountingTextView, CRichEditView)

// Lines enough for a little more than one page of the paper below.
CString TwoPagesOfText()
{
    CString strText;
    for (int i = 1; i <= 70; ++i)
    {
        CString strLine;
        strLine.Format("Zeile %d der Notiz, die auf zwei Seiten gedruckt wird.\r\n", i);
        strText += strLine;
    }
    return strText;
}

// An enhanced metafile standing in for the printer: it has a resolution
// of its own and takes StartDoc and StartPage like a printer.
HDC CreateStandInPrinterDC()
{
    return ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
}

int GdiObjects()
{
    return static_cast<int>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
}

BOOL CALLBACK CountChild(HWND, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hWnd, LPARAM lParam)
{
    ++*reinterpret_cast<int*>(lParam);
    ::EnumChildWindows(hWnd, CountChild, lParam);
    return TRUE;
}

// The windows of this thread, with all their children.
int WindowsOfThread()
{
    int nCount = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&nCount));
    return nCount;
}

class PrintingTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pDoc = new CPrintDoc;
        m_pDoc->m_bAutoDelete = FALSE;
        m_pFrame = new CFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CCountingTextView);
        context.m_pCurrentDoc = m_pDoc;
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Drucken", WS_OVERLAPPEDWINDOW,
                                     CRect(0, 0, 600, 500), nullptr, nullptr, 0, &context));
        m_pView = static_cast<CCountingTextView*>(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
        ASSERT_NE(m_pView, nullptr);
        m_pFrame->InitialUpdateFrame(m_pDoc, FALSE);
        m_pFrame->SetActiveView(m_pView, FALSE);

        CHARFORMAT2A cf = {};
        cf.cbSize = sizeof(cf);
        cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD;
        cf.yHeight = 240;
        lstrcpyA(cf.szFaceName, "Arial");
        m_pView->GetRichEditCtrl().SetDefaultCharFormat(cf);
        m_pView->SetWindowText(TwoPagesOfText());
        // A5 paper with 2 cm margins: 70 lines of 12 point need two pages.
        m_pView->m_sizePaper = CSize(8391, 11906);
        m_pView->m_rectMargin = CRect(1134, 1134, 1134, 1134);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
        delete m_pDoc;
    }

    CPrintDoc* m_pDoc = nullptr;
    CFrameWnd* m_pFrame = nullptr;
    CCountingTextView* m_pView = nullptr;
};

TEST_F(PrintingTest, TwoPagesOfTextPrintAsTwoPages)
{
    CPrintInfo info;
    CDC dc;
    ASSERT_TRUE(dc.Attach(CreateStandInPrinterDC()));
    ASSERT_TRUE(m_pView->PrintDocument(&dc, &info, "Notiz"));
    HENHMETAFILE hMeta = ::CloseEnhMetaFile(dc.Detach());
    EXPECT_EQ(m_pView->m_printed, (std::vector<UINT>{ 1, 2 }));
    EXPECT_EQ(m_pView->m_nBegin, 1);
    EXPECT_EQ(m_pView->m_nEnd, 1);
    // The page starts are dropped after the run.
    EXPECT_EQ(m_pView->m_aPageStart.GetSize(), 0);
    ::DeleteEnhMetaFile(hMeta);
}

TEST_F(PrintingTest, PaginationFindsWhereEachPageStarts)
{
    CPrintInfo info;
    CDC dc;
    ASSERT_TRUE(dc.Attach(CreateStandInPrinterDC()));
    m_pView->OnBeginPrinting(&dc, &info);
    // Asking for page 2 first lays out page 1 to find where it starts.
    info.m_nCurPage = 2;
    m_pView->OnPrepareDC(&dc, &info);
    EXPECT_TRUE(info.m_bContinuePrinting);
    ASSERT_EQ(m_pView->m_aPageStart.GetSize(), 2);
    long nSecondStart = static_cast<long>(m_pView->m_aPageStart[1]);
    EXPECT_GT(nSecondStart, 0);
    EXPECT_LT(nSecondStart, m_pView->GetTextLength());
    // The second page starts at a line of its own.
    CRichEditCtrl& ctrl = m_pView->GetRichEditCtrl();
    EXPECT_EQ(ctrl.LineIndex(ctrl.LineFromChar(nSecondStart)), nSecondStart);

    // There is no third page.
    info.m_nCurPage = 3;
    m_pView->OnPrepareDC(&dc, &info);
    EXPECT_FALSE(info.m_bContinuePrinting);

    // Each page draws its own lines: the second page on a white bitmap
    // leaves text there, between the margins.
    CDC dcMem;
    ASSERT_TRUE(dcMem.CreateCompatibleDC(nullptr));
    CClientDC dcScreen(nullptr);
    int cxPage = ::MulDiv(8391, dcMem.GetDeviceCaps(LOGPIXELSX), 1440);
    int cyPage = ::MulDiv(11906, dcMem.GetDeviceCaps(LOGPIXELSY), 1440);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(dcScreen.GetSafeHdc(), cxPage, cyPage);
    HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hBitmap);
    dcMem.FillSolidRect(0, 0, cxPage, cyPage, RGB(255, 255, 255));
    info.m_nCurPage = 2;
    m_pView->OnPrepareDC(&dcMem, &info);
    m_pView->OnPrint(&dcMem, &info);
    int nInk = 0;
    int yFirstInk = cyPage;
    int xMargin = ::MulDiv(1134, dcMem.GetDeviceCaps(LOGPIXELSX), 1440);
    for (int y = 0; y < cyPage; y += 2)
    {
        for (int x = 0; x < cxPage; x += 2)
        {
            if (dcMem.GetPixel(x, y) != RGB(255, 255, 255))
            {
                ++nInk;
                if (y < yFirstInk)
                    yFirstInk = y;
                EXPECT_GE(x, xMargin - 2);
            }
        }
    }
    EXPECT_GT(nInk, 50);
    EXPECT_GE(yFirstInk, ::MulDiv(1134, dcMem.GetDeviceCaps(LOGPIXELSY), 1440) - 2);
    ::SelectObject(dcMem.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);

    m_pView->OnEndPrinting(&dc, &info);
    ::DeleteEnhMetaFile(::CloseEnhMetaFile(dc.Detach()));
}

// The print command: the print dialog (its seam hands over the stand-in
// DC), then the pages the dialog chose.
TEST_F(PrintingTest, ThePrintCommandPrintsTheChosenPages)
{
    struct Case
    {
        DWORD dwFlags;
        WORD nFrom;
        WORD nTo;
        std::vector<UINT> pages;
    };
    const Case cases[] = {
        { 0, 0, 0, { 1, 2 } },
        { PD_PAGENUMS, 2, 2, { 2 } },
        { PD_PAGENUMS, 1, 1, { 1 } },
    };
    for (const Case& c : cases)
    {
        m_pView->m_printed.clear();
        int nDialogs = 0;
        CTestSeamScope<AFX_COMMONDIALOG_REQUEST> answer([&](const AFX_COMMONDIALOG_REQUEST& r) {
            ++nDialogs;
            EXPECT_EQ(r.kind, CommonDialogKind::print);
            auto* pDialog = static_cast<CPrintDialog*>(r.pDialog);
            pDialog->m_pd.hDC = CreateStandInPrinterDC();
            pDialog->m_pd.Flags = (pDialog->m_pd.Flags & ~PD_PAGENUMS) | c.dwFlags;
            pDialog->m_pd.nFromPage = c.nFrom;
            pDialog->m_pd.nToPage = c.nTo;
            return IDOK;
        });
        m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
        EXPECT_EQ(nDialogs, 1);
        EXPECT_EQ(m_pView->m_printed, c.pages) << c.nFrom;
    }

    // Cancelled, nothing is printed.
    m_pView->m_printed.clear();
    CTestSeamScope<AFX_COMMONDIALOG_REQUEST> cancel(
        [](const AFX_COMMONDIALOG_REQUEST&) { return IDCANCEL; });
    CTestSeamScope<AFX_MESSAGEBOX_REQUEST> quiet([](const AFX_MESSAGEBOX_REQUEST&) { return IDOK; });
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    EXPECT_TRUE(m_pView->m_printed.empty());
}

// Zoomed in, the page is larger than the preview: both scroll bars move by
// lines, pages and the thumb, and never past either end of the page.
TEST_F(PrintingTest, ZoomedPreviewScrollsWithinThePage)
{
    m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CWnd* pPane = m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST);
    ASSERT_NE(pPane, nullptr);
    ASSERT_TRUE(pPane->IsKindOf(RUNTIME_CLASS(CPreviewView)));
    auto* pPreview = static_cast<CPreviewView*>(pPane);
    pPreview->OnZoomIn();
    pPreview->OnZoomIn();
    ASSERT_EQ(pPreview->GetZoomState(), 2);

    for (int nBar : {SB_HORZ, SB_VERT})
    {
        SCOPED_TRACE(nBar);
        const UINT message = nBar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_ALL;
        ASSERT_TRUE(::GetScrollInfo(pPreview->m_hWnd, nBar, &si));
        const int nLast = si.nMax - static_cast<int>(si.nPage) + 1;
        ASSERT_GT(nLast, 40);
        const int nPage = static_cast<int>(si.nPage);
        auto within = [&](int nPos) { return std::max(0, std::min(nPos, nLast)); };
        auto scroll = [&](WORD nCode, WORD nThumb = 0) {
            pPreview->SendMessage(message, MAKEWPARAM(nCode, nThumb));
            return ::GetScrollPos(pPreview->m_hWnd, nBar);
        };
        EXPECT_EQ(scroll(SB_LINEDOWN), 16);
        const int nAfterPage = within(16 + nPage);
        EXPECT_EQ(scroll(SB_PAGEDOWN), nAfterPage);
        EXPECT_EQ(scroll(SB_LINEUP), nAfterPage - 16);
        // Actions the preview does not take leave the position.
        EXPECT_EQ(scroll(SB_BOTTOM), nAfterPage - 16);
        EXPECT_EQ(scroll(SB_THUMBPOSITION, static_cast<WORD>(nLast + 500)), nLast);
        EXPECT_EQ(scroll(SB_LINEDOWN), nLast);
        EXPECT_EQ(scroll(SB_THUMBTRACK, 40), 40);
        EXPECT_EQ(scroll(SB_PAGEUP), within(40 - nPage));
    }

    m_pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST), m_pView);
}

TEST_F(PrintingTest, PreviewOpensPagesAndClosesWithoutLeaks)
{
    // A first run makes the objects the system keeps once made (fonts,
    // classes, the preview bar's font cache).
    for (int nRun = 0; nRun < 2; ++nRun)
    {
        int nGdiBefore = GdiObjects();
        int nWindowsBefore = WindowsOfThread();

        m_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
        CWnd* pPane = m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST);
        ASSERT_NE(pPane, nullptr);
        ASSERT_TRUE(pPane->IsKindOf(RUNTIME_CLASS(CPreviewView)));
        auto* pPreview = static_cast<CPreviewView*>(pPane);
        EXPECT_EQ(m_pFrame->GetActiveView(), pPreview);
        EXPECT_FALSE(m_pView->IsWindowVisible());
        EXPECT_EQ(m_pView->GetDlgCtrlID(), AFX_IDW_PANE_SAVE);
        CWnd* pBar = m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
        ASSERT_NE(pBar, nullptr);
        pPreview->UpdateWindow();

        // Paging through the bar's buttons, as a click sends them.
        EXPECT_EQ(pPreview->GetCurrentPage(), 1u);
        EXPECT_TRUE(pPreview->PageExists(2));
        EXPECT_FALSE(pPreview->PageExists(3));
        HWND hNext = ::GetDlgItem(pBar->m_hWnd, AFX_ID_PREVIEW_NEXT);
        pBar->SendMessage(WM_COMMAND, MAKEWPARAM(AFX_ID_PREVIEW_NEXT, BN_CLICKED),
                          reinterpret_cast<LPARAM>(hNext));
        EXPECT_EQ(pPreview->GetCurrentPage(), 2u);
        // The idle update disables "next" on the last page.
        pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        EXPECT_FALSE(::IsWindowEnabled(hNext));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(pBar->m_hWnd, AFX_ID_PREVIEW_PREV)));
        pPreview->OnNextPage();
        EXPECT_EQ(pPreview->GetCurrentPage(), 2u);
        pPreview->OnPrevPage();
        EXPECT_EQ(pPreview->GetCurrentPage(), 1u);

        // Two pages side by side, zoom in and out, each drawn.
        UINT nPagesBefore = pPreview->GetPagesShown();
        pPreview->OnNumPageChange();
        EXPECT_NE(pPreview->GetPagesShown(), nPagesBefore);
        pPreview->UpdateWindow();
        pPreview->OnZoomIn();
        pPreview->OnZoomIn();
        EXPECT_EQ(pPreview->GetZoomState(), 2);
        pPreview->UpdateWindow();
        pPreview->OnZoomOut();
        pPreview->OnZoomOut();
        pPreview->OnNumPageChange();
        EXPECT_EQ(pPreview->GetPagesShown(), nPagesBefore);

        // Closing the frame during the preview ends the preview only.
        m_pFrame->SendMessage(WM_CLOSE);
        EXPECT_TRUE(::IsWindow(m_pFrame->m_hWnd));
        EXPECT_EQ(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST), m_pView);
        EXPECT_EQ(m_pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR), nullptr);
        EXPECT_EQ(m_pFrame->GetActiveView(), m_pView);
        EXPECT_TRUE(m_pView->IsWindowVisible() || !m_pFrame->IsWindowVisible());
        EXPECT_EQ(m_pView->m_aPageStart.GetSize(), 0);
        AfxIdleUpdateNow();

        if (nRun == 1)
        {
            EXPECT_EQ(WindowsOfThread(), nWindowsBefore);
            EXPECT_EQ(GdiObjects(), nGdiBefore);
        }
    }
}

} // namespace
