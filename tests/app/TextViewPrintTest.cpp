// Page setup and printing of the text view: the margins through the page
// setup dialog both ways and stored; printing the note's pages on a DC
// standing in for the printer (there is no printer here) through the print
// dialog's seam; the preview's dotted frame around the text area.
#include "TextViewFixture.h"

#include "app/res/resource.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/Dc.h"
#include "framework/ui/DialogSeams.h"
#include "framework/ui/PageSetupDialog.h"
#include "framework/ui/PrintDialog.h"
#include "framework/ui/PrintInfo.h"

#include <gtest/gtest.h>

namespace {

// Seventy lines: more than one A4 page at 12 point.
CString ManyLines()
{
    CString strText;
    for (int i = 1; i <= 70; ++i)
    {
        CString strLine;
        strLine.Format("Zeile %d der Notiz mit Umlauten: äöü ÄÖÜ ß.\r\n", i);
        strText += strLine;
    }
    return strText;
}


TEST_F(TextViewTest, PageSetupShowsAndStoresTheMarginsBothWays)
{
    m_pView->SetMargins(CRect(1417, 1417, 1417, 1133));
    RECT rcShown = {};
    DWORD dwFlags = 0;
    {
        CTestSeamScope<AFX_COMMONDIALOG_REQUEST> answer([&](const AFX_COMMONDIALOG_REQUEST& r) {
            EXPECT_EQ(CommonDialogKind::pageSetup, r.kind);
            auto* pDialog = static_cast<CPageSetupDialog*>(r.pDialog);
            rcShown = pDialog->m_psd.rtMargin;
            dwFlags = pDialog->m_psd.Flags;
            pDialog->m_psd.rtMargin = { 2500, 1000, 1504, 2000 };
            return IDOK;
        });
        Command(ID_PAGE_SETUP);
    }
    EXPECT_EQ(2500, rcShown.left);
    EXPECT_EQ(2500, rcShown.top);
    EXPECT_EQ(2500, rcShown.right);
    EXPECT_EQ(2000, rcShown.bottom);
    EXPECT_TRUE(dwFlags & PSD_MARGINS);
    EXPECT_TRUE(dwFlags & PSD_INHUNDREDTHSOFMILLIMETERS);
    // 2500 -> 1417, 1000 -> 567, 1504 (rounded 1500) -> 850, 2000 -> 1134.
    EXPECT_EQ(CRect(1417, 567, 850, 1134), m_pView->GetMargins());
    CWinApp* pApp = AfxGetApp();
    EXPECT_EQ(1417u, pApp->GetProfileInt("rectMargin", "left", 0));
    EXPECT_EQ(567u, pApp->GetProfileInt("rectMargin", "top", 0));
    EXPECT_EQ(850u, pApp->GetProfileInt("rectMargin", "right", 0));
    EXPECT_EQ(1134u, pApp->GetProfileInt("rectMargin", "bottom", 0));

    // Cancelled, nothing changes.
    CTestSeamScope<AFX_COMMONDIALOG_REQUEST> cancel([](const AFX_COMMONDIALOG_REQUEST&) { return IDCANCEL; });
    Command(ID_PAGE_SETUP);
    EXPECT_EQ(CRect(1417, 567, 850, 1134), m_pView->GetMargins());
}

TEST_F(TextViewTest, PrintingAsksOnceAndPrintsEveryPageOnTheChosenPrinter)
{
    m_pView->SetWindowText(ManyLines());
    int nDialogs = 0;
    UINT nMaxPage = 0;
    CTestSeamScope<AFX_COMMONDIALOG_REQUEST> answer([&](const AFX_COMMONDIALOG_REQUEST& r) {
        ++nDialogs;
        EXPECT_EQ(CommonDialogKind::print, r.kind);
        auto* pDialog = static_cast<CPrintDialog*>(r.pDialog);
        pDialog->m_pd.hDC = ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
        return IDOK;
    });

    // The page count is known from a layout on the printer's DC.
    CDC dcStandIn;
    dcStandIn.Attach(::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr));
    nMaxPage = m_pView->CountPages(&dcStandIn);
    ::DeleteEnhMetaFile(::CloseEnhMetaFile(dcStandIn.Detach()));
    EXPECT_EQ(2u, nMaxPage);

    CPrintInfo info;
    ASSERT_TRUE(m_pView->OnPreparePrinting(&info));
    EXPECT_EQ(1, nDialogs);
    EXPECT_EQ(nMaxPage, info.GetMaxPage());
    ASSERT_NE(info.m_pPD->m_pd.hDC, nullptr);
    CDC dc;
    dc.Attach(info.m_pPD->m_pd.hDC);
    EXPECT_TRUE(m_pView->PrintDocument(&dc, &info, "Notiz"));
    dc.Detach();
    EXPECT_EQ(nMaxPage + 1, info.m_nCurPage);

    // Ctrl+P's command runs the same road: one dialog.
    nDialogs = 0;
    Command(ID_FILE_PRINT);
    EXPECT_EQ(1, nDialogs);
}

TEST_F(TextViewTest, ACancelledPrintDialogPrintsNothing)
{
    m_pView->SetWindowText(ManyLines());
    CTestSeamScope<AFX_COMMONDIALOG_REQUEST> cancel([](const AFX_COMMONDIALOG_REQUEST&) { return IDCANCEL; });
    CPrintInfo info;
    EXPECT_FALSE(m_pView->OnPreparePrinting(&info));
    EXPECT_EQ(nullptr, info.m_pPD->m_pd.hDC);
}

TEST_F(TextViewTest, PreviewFramesTheTextAreaWithADottedLine)
{
    // At 300 dpi the 1417-twip margin lies 295 pixels in.
    CRect rcFrame = CQivTextView::MarginFrameInPixels(CSize(11906, 16838), CRect(1417, 1417, 1417, 1133), 300, 300);
    EXPECT_EQ(CRect(295, 295, 2185, 3272), rcFrame);

    // Drawn on a page of the screen's resolution after the page's text.
    m_pView->SetWindowText("Seite");
    m_pView->SetPaperSize(CSize(2880, 2880));
    m_pView->SetMargins(CRect(720, 720, 720, 720));
    CDC dcMem;
    ASSERT_TRUE(dcMem.CreateCompatibleDC(nullptr));
    const int nDpi = dcMem.GetDeviceCaps(LOGPIXELSX);
    const int cx = 2 * nDpi, cy = 2 * dcMem.GetDeviceCaps(LOGPIXELSY);
    CClientDC dcScreen(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(dcScreen.GetSafeHdc(), cx, cy);
    HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hBitmap);
    for (BOOL bPreview : { FALSE, TRUE })
    {
        dcMem.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
        dcMem.SetTextColor(RGB(0, 0, 0));
        CPrintInfo info;
        info.m_bPreview = bPreview;
        m_pView->OnBeginPrinting(&dcMem, &info);
        m_pView->OnPrepareDC(&dcMem, &info);
        m_pView->OnPrint(&dcMem, &info);
        m_pView->OnEndPrinting(&dcMem, &info);
        const CRect rc = CQivTextView::MarginFrameInPixels(CSize(2880, 2880), CRect(720, 720, 720, 720), nDpi,
                                                           dcMem.GetDeviceCaps(LOGPIXELSY));
        // A dotted line: along the bottom edge some pixels are ink, some not.
        int nInk = 0;
        for (int x = rc.left + 2; x < rc.right - 2; ++x)
            nInk += dcMem.GetPixel(x, rc.bottom - 1) != RGB(255, 255, 255);
        if (bPreview)
        {
            EXPECT_GT(nInk, (rc.Width() - 4) / 4);
            EXPECT_LT(nInk, rc.Width() - 4);
        }
        else
        {
            EXPECT_EQ(0, nInk);
        }
    }
    ::SelectObject(dcMem.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);
}

} // namespace
