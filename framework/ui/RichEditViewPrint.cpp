// Page layout and printing of the rich-edit view. Everything on the page is
// measured in twips: the control lays a page out with EM_FORMATRANGE on the
// printer's DC (or any DC standing in for it) and answers where the next
// page starts; those starts are kept in m_aPageStart as printing goes on.
#include "framework/ui/RichEditView.h"

#include "framework/ui/Dc.h"
#include "framework/ui/PrintInfo.h"
#include "framework/ui/WinAppDocuments.h"

namespace {

// A4, when no printer tells the paper.
const CSize kDefaultPaper(11906, 16838);

} // namespace

CSize CRichEditView::GetPaperSize() const
{
    return m_sizePaper;
}

void CRichEditView::SetPaperSize(CSize sizePaper)
{
    m_sizePaper = sizePaper;
    if (m_nWordWrap == WrapToTargetDevice)
        WrapChanged();
}

CRect CRichEditView::GetMargins() const
{
    return m_rectMargin;
}

void CRichEditView::SetMargins(const CRect& rectMargin)
{
    m_rectMargin = rectMargin;
    if (m_nWordWrap == WrapToTargetDevice)
        WrapChanged();
}

CRect CRichEditView::GetPrintRect() const
{
    return CRect(m_rectMargin.left, m_rectMargin.top, m_sizePaper.cx - m_rectMargin.right,
                 m_sizePaper.cy - m_rectMargin.bottom);
}

CRect CRichEditView::GetPageRect() const
{
    return CRect(CPoint(0, 0), m_sizePaper);
}

int CRichEditView::GetPrintWidth() const
{
    return m_sizePaper.cx - m_rectMargin.left - m_rectMargin.right;
}

void CRichEditView::WrapChanged()
{
    if (m_hWnd == nullptr)
        return;
    CWaitCursor wait;
    CRichEditCtrl& ctrl = GetRichEditCtrl();
    if (m_nWordWrap == WrapNone)
    {
        ctrl.SetTargetDevice(nullptr, 1);
    }
    else if (m_nWordWrap == WrapToWindow)
    {
        ctrl.SetTargetDevice(nullptr, 0);
    }
    else
    {
        // Lines break where they will break on the paper.
        CDC dc;
        CWinAppDocuments* pApp = AfxGetAppDocuments();
        if (pApp == nullptr || !pApp->CreatePrinterDC(dc))
            dc.CreateIC("DISPLAY", nullptr, nullptr, nullptr);
        ctrl.SetTargetDevice(dc.GetSafeHdc(), GetPrintWidth());
    }
}

void CRichEditView::OnPrinterChanged(const CDC& dcPrinter)
{
    CSize size = kDefaultPaper;
    if (dcPrinter.GetSafeHdc() != nullptr)
    {
        int nWidth = dcPrinter.GetDeviceCaps(PHYSICALWIDTH);
        int nHeight = dcPrinter.GetDeviceCaps(PHYSICALHEIGHT);
        int nDpiX = dcPrinter.GetDeviceCaps(LOGPIXELSX);
        int nDpiY = dcPrinter.GetDeviceCaps(LOGPIXELSY);
        if (nWidth > 0 && nHeight > 0 && nDpiX > 0 && nDpiY > 0)
            size = CSize(::MulDiv(nWidth, 1440, nDpiX), ::MulDiv(nHeight, 1440, nDpiY));
    }
    if (size != GetPaperSize())
        SetPaperSize(size);
}

LRESULT CRichEditView::OnPrinterChangedMessage(WPARAM, LPARAM)
{
    CDC dc;
    if (CWinAppDocuments* pApp = AfxGetAppDocuments())
        pApp->CreatePrinterDC(dc);
    OnPrinterChanged(dc);
    return 0;
}

long CRichEditView::PrintInsideRect(CDC* pDC, RECT& rectLayout, long nIndexStart, long nIndexStop,
                                    BOOL bOutput)
{
    if (!CRichEditPageLayout::ControlFormatsRanges())
    {
        CRichEditPageLayout layout;
        if (!layout.Prepare(GetRichEditCtrl(), CRect(rectLayout)))
            return nIndexStart;
        return layout.FormatPage(pDC, nIndexStart, bOutput);
    }
    FORMATRANGE fr = {};
    fr.hdc = pDC->GetSafeHdc();
    fr.hdcTarget = pDC->m_hAttribDC != nullptr ? pDC->m_hAttribDC : pDC->GetSafeHdc();
    fr.rc = rectLayout;
    fr.rcPage = rectLayout;
    fr.chrg.cpMin = nIndexStart;
    fr.chrg.cpMax = nIndexStop;
    long nNext = GetRichEditCtrl().FormatRange(&fr, bOutput);
    rectLayout = fr.rc;   // the height the text took
    return nNext;
}

long CRichEditView::PrintPage(CDC* pDC, long nIndexStart, long nIndexStop)
{
    return LayoutPage(pDC, nIndexStart, nIndexStop, TRUE);
}

long CRichEditView::LayoutPage(CDC* pDC, long nIndexStart, long nIndexStop, BOOL bOutput)
{
    if (!CRichEditPageLayout::ControlFormatsRanges())
    {
        if (!m_pageLayout.IsPrepared() && !m_pageLayout.Prepare(GetRichEditCtrl(), GetPrintRect()))
            return nIndexStart;
        return m_pageLayout.FormatPage(pDC, nIndexStart, bOutput);
    }
    // The printable area starts at the device's offset on the paper.
    pDC->SetViewportOrg(-pDC->GetDeviceCaps(PHYSICALOFFSETX),
                        -pDC->GetDeviceCaps(PHYSICALOFFSETY));
    FORMATRANGE fr = {};
    fr.hdc = pDC->GetSafeHdc();
    fr.hdcTarget = pDC->m_hAttribDC != nullptr ? pDC->m_hAttribDC : pDC->GetSafeHdc();
    fr.rcPage = GetPageRect();
    fr.rc = GetPrintRect();
    fr.chrg.cpMin = nIndexStart;
    fr.chrg.cpMax = nIndexStop;
    return GetRichEditCtrl().FormatRange(&fr, bOutput);
}

// Lays out the pages between the last known one and the current one
// without drawing, collecting their starts.
BOOL CRichEditView::PaginateTo(CDC* pDC, CPrintInfo* pInfo)
{
    CRect rectSave = pInfo->m_rectDraw;
    UINT nPageSave = pInfo->m_nCurPage;
    int nSaved = pDC->SaveDC();

    long nTextLength = GetTextLength();
    pInfo->m_nCurPage = static_cast<UINT>(m_aPageStart.GetSize());
    while (pInfo->m_nCurPage < nPageSave)
    {
        long nStart = static_cast<long>(m_aPageStart[pInfo->m_nCurPage - 1]);
        long nNext = LayoutPage(pDC, nStart, -1, FALSE);
        if (nNext <= nStart || nNext >= nTextLength)
            break;   // the text ends on this page
        m_aPageStart.Add(static_cast<DWORD>(nNext));
        ++pInfo->m_nCurPage;
    }
    BOOL bResult = static_cast<UINT>(m_aPageStart.GetSize()) >= nPageSave;
    pDC->RestoreDC(nSaved);
    pInfo->m_nCurPage = nPageSave;
    pInfo->m_rectDraw = rectSave;
    return bResult;
}

void CRichEditView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CCtrlView::OnPrepareDC(pDC, pInfo);
    if (pInfo == nullptr)
        return;
    pDC->SetMapMode(MM_TEXT);
    // A page exists when its start is known or the pages before it lead
    // there.
    pInfo->m_bContinuePrinting = TRUE;
    if (m_aPageStart.GetSize() == 0)
        m_aPageStart.Add(0);
    if (pInfo->m_nCurPage > static_cast<UINT>(m_aPageStart.GetSize()) && !PaginateTo(pDC, pInfo))
        pInfo->m_bContinuePrinting = FALSE;
}

BOOL CRichEditView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CRichEditView::OnBeginPrinting(CDC*, CPrintInfo*)
{
    m_aPageStart.RemoveAll();
    m_aPageStart.Add(0);
    // The layout of a run before is dropped (the control's cache, or the
    // copy that stands in for it).
    GetRichEditCtrl().FormatRange(nullptr, FALSE);
    m_pageLayout.Release();
}

void CRichEditView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    UINT nPage = pInfo->m_nCurPage;
    if (nPage == 0 || nPage > static_cast<UINT>(m_aPageStart.GetSize()))
        return;
    long nStart = static_cast<long>(m_aPageStart[nPage - 1]);
    long nNext = PrintPage(pDC, nStart, -1);
    // The page after the last known one starts where this one stopped.
    if (nPage == static_cast<UINT>(m_aPageStart.GetSize()) && nNext > nStart
        && nNext < GetTextLength())
        m_aPageStart.Add(static_cast<DWORD>(nNext));
}

void CRichEditView::OnEndPrinting(CDC*, CPrintInfo*)
{
    GetRichEditCtrl().FormatRange(nullptr, FALSE);
    m_pageLayout.Release();
    m_aPageStart.RemoveAll();
}
