// The text of a printed page where it is recorded instead of drawn: the
// preview's page metafile and the page band's own record, each played into
// a 32-bit DIB and compared with the same text drawn directly, so a run
// that loses letters or lands displaced on the way through a metafile is
// caught; anti-aliasing and rounding may differ by a pixel or two.
#include "DibPicture.h"
#include "TestApp.h"

#include "framework/ui/CreateContext.h"
#include "framework/ui/Dc.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/OleClientItem.h"
#include "framework/ui/PrintInfo.h"
#include "framework/ui/PrintPreview.h"
#include "framework/ui/RichEditDoc.h"
#include "framework/ui/RichEditPageRecord.h"
#include "framework/ui/RichEditView.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class CPreviewTextDoc : public CRichEditDoc
{
public:
    CRichEditCntrItem* CreateClientItem(REOBJECT* preo) const override
    {
        return new CRichEditCntrItem(preo, const_cast<CPreviewTextDoc*>(this));
    }
};

class CPreviewTextView : public CRichEditView
{
    DECLARE_DYNCREATE(CPreviewTextView)
};
IMPLEMENT_DYNCREATE(CPreviewTextView, CRichEditView)

// The preview whose page metafiles the test plays itself.
class CPagePreview : public CPreviewView
{
    DECLARE_DYNCREATE(CPagePreview)
public:
    using CPreviewView::GetPageMetafile;
    using CPreviewView::GetPaperPixels;
};
IMPLEMENT_DYNCREATE(CPagePreview, CPreviewView)

// A white page canvas that tells ink from paper.
class CPageCanvas : public CTestDib
{
public:
    using CTestDib::CTestDib;

    // Ink: a pixel clearly darker than the paper in any channel.
    bool Ink(int x, int y) const
    {
        COLORREF clr = Pixel(x, y);
        return GetRValue(clr) < 140 || GetGValue(clr) < 140 || GetBValue(clr) < 140;
    }
    // Two pixels either way: glyph edges and a pixel of rounding in the
    // scaling; a displaced word moves by letters, a lost letter by its width.
    bool InkNear(int x, int y) const
    {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (x + dx >= 0 && x + dx < Width() && y + dy >= 0 && y + dy < Height() && Ink(x + dx, y + dy))
                    return true;
        return false;
    }
    int InkCount() const
    {
        ::GdiFlush();
        int n = 0;
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                n += Ink(x, y) ? 1 : 0;
        return n;
    }
    // Ink pixels here with no ink near them on other.
    int InkMissingFrom(const CPageCanvas& other) const
    {
        ::GdiFlush();
        int n = 0;
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                n += Ink(x, y) && !other.InkNear(x, y) ? 1 : 0;
        return n;
    }
};

// The two pictures show the same ink, give or take the anti-aliasing at
// the glyphs' edges.
void ExpectSameInk(const CPageCanvas& recorded, const CPageCanvas& direct)
{
    int nInk = direct.InkCount();
    ASSERT_GT(nInk, 200);
    EXPECT_LE(direct.InkMissingFrom(recorded), nInk / 50);
    EXPECT_LE(recorded.InkMissingFrom(direct), nInk / 50);
}

// Runs of several formats and an umlaut, on two lines: each line has words
// after its first.
const char kText[] = "Zubereitung: alles kräftig kneten.\r\nTeig eine Stunde gehen lassen!";

class PreviewTextTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_pDoc = std::make_unique<CPreviewTextDoc>();
        m_pDoc->m_bAutoDelete = FALSE;
        m_pFrame = new CFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CPreviewTextView);
        context.m_pCurrentDoc = m_pDoc.get();
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Seitenansicht", WS_OVERLAPPEDWINDOW,
                                     CRect(0, 0, 600, 500), nullptr, nullptr, 0, &context));
        m_pView = static_cast<CRichEditView*>(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST));
        ASSERT_NE(m_pView, nullptr);
        m_pFrame->InitialUpdateFrame(m_pDoc.get(), FALSE);
        m_pFrame->SetActiveView(m_pView, FALSE);

        CRichEditCtrl& ctrl = m_pView->GetRichEditCtrl();
        CHARFORMAT2A cf = {};
        cf.cbSize = sizeof(cf);
        cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC;
        cf.yHeight = 240;
        lstrcpyA(cf.szFaceName, "Arial");
        ctrl.SetDefaultCharFormat(cf);
        m_pView->SetWindowText(kText);
        // "Zubereitung" italic, "kräftig" bold.
        cf.dwMask = CFM_ITALIC;
        cf.dwEffects = CFE_ITALIC;
        ctrl.SetSel(0, 11);
        ctrl.SetSelectionCharFormat(cf);
        cf.dwMask = CFM_BOLD;
        cf.dwEffects = CFE_BOLD;
        ctrl.SetSel(19, 26);
        ctrl.SetSelectionCharFormat(cf);
        ctrl.SetSel(0, 0);
    }
    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
    }

    std::unique_ptr<CPreviewTextDoc> m_pDoc;
    CFrameWnd* m_pFrame = nullptr;
    CRichEditView* m_pView = nullptr;
};

// The first page of the preview, played at the printer's pixels, shows the
// page as the view prints it straight onto a bitmap of the same size.
TEST_F(PreviewTextTest, PreviewPageShowsTheTextAsPrintedDirectly)
{
    ASSERT_TRUE(m_pView->DoPrintPreview(0, m_pView, RUNTIME_CLASS(CPagePreview), new CPrintPreviewState));
    CWnd* pPane = m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST);
    ASSERT_NE(pPane, nullptr);
    ASSERT_TRUE(pPane->IsKindOf(RUNTIME_CLASS(CPagePreview)));
    auto* pPreview = static_cast<CPagePreview*>(pPane);
    HENHMETAFILE hMeta = pPreview->GetPageMetafile(1);
    ASSERT_NE(hMeta, nullptr);
    CSize sizePaper = pPreview->GetPaperPixels();
    CPageCanvas recorded(sizePaper.cx, sizePaper.cy);
    RECT rcPage = { 0, 0, sizePaper.cx, sizePaper.cy };
    ASSERT_TRUE(::PlayEnhMetaFile(recorded->GetSafeHdc(), hMeta, &rcPage));
    pPreview->OnPreviewClose();
    ASSERT_EQ(m_pFrame->GetDlgItem(AFX_IDW_PANE_FIRST), m_pView);

    // The same page printed on the bitmap: the print loop's steps, as the
    // preview takes them.
    CPageCanvas direct(sizePaper.cx, sizePaper.cy);
    CPrintInfo info;
    m_pView->OnBeginPrinting(&direct.DC(), &info);
    info.m_nCurPage = 1;
    m_pView->OnPrepareDC(&direct.DC(), &info);
    ASSERT_TRUE(info.m_bContinuePrinting);
    m_pView->OnPrint(&direct.DC(), &info);
    m_pView->OnEndPrinting(&direct.DC(), &info);

    ExpectSameInk(recorded, direct);
}

// A run drawn with advances in x and y pairs, recorded in a metafile and
// mended where the recording lost pairs, plays back as it draws directly.
TEST_F(PreviewTextTest, TextWithAdvancePairsPlaysBackFromAMetafile)
{
    const wchar_t szText[] = L"Zubereitung: alles kräftig";
    const int n = static_cast<int>(wcslen(szText));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    CDC dcMeasure;
    ASSERT_TRUE(dcMeasure.CreateCompatibleDC(nullptr));
    CFont* pOldFont = dcMeasure.SelectObject(&font);
    std::vector<INT> ends(static_cast<size_t>(n));
    SIZE size = {};
    ASSERT_TRUE(::GetTextExtentExPointW(dcMeasure.GetSafeHdc(), szText, n, 0, nullptr, ends.data(), &size));
    dcMeasure.SelectObject(pOldFont);
    std::vector<INT> pairs;
    for (int i = 0; i < n; ++i)
    {
        pairs.push_back(ends[static_cast<size_t>(i)] - (i > 0 ? ends[static_cast<size_t>(i) - 1] : 0));
        pairs.push_back(0);
    }

    CPageCanvas direct(400, 40);
    direct->SelectObject(&font);
    ::ExtTextOutW(direct->GetSafeHdc(), 4, 8, ETO_PDY, nullptr, szText, static_cast<UINT>(n), pairs.data());

    CClientDC dcScreen(nullptr);
    HDC hdcMeta = ::CreateEnhMetaFileW(dcScreen.GetSafeHdc(), nullptr, nullptr, nullptr);
    ASSERT_NE(hdcMeta, nullptr);
    HGDIOBJ hOld = ::SelectObject(hdcMeta, font.GetSafeHandle());
    ::ExtTextOutW(hdcMeta, 4, 8, ETO_PDY, nullptr, szText, static_cast<UINT>(n), pairs.data());
    ::SelectObject(hdcMeta, hOld);
    HENHMETAFILE hRecorded = ::CloseEnhMetaFile(hdcMeta);
    ASSERT_NE(hRecorded, nullptr);
    HENHMETAFILE hMended = CRichEditPageRecord::MendAdvances(hRecorded, dcMeasure.GetSafeHdc());
    ::DeleteEnhMetaFile(hRecorded);
    ASSERT_NE(hMended, nullptr);

    // Played without scaling: the record's own bounds, in its own pixels.
    ENHMETAHEADER header = {};
    ::GetEnhMetaFileHeader(hMended, sizeof(header), &header);
    CPageCanvas recorded(400, 40);
    RECT rcBounds = { header.rclBounds.left, header.rclBounds.top, header.rclBounds.right + 1,
                      header.rclBounds.bottom + 1 };
    ::PlayEnhMetaFile(recorded->GetSafeHdc(), hMended, &rcBounds);
    ::DeleteEnhMetaFile(hMended);

    ExpectSameInk(recorded, direct);
}

} // namespace
