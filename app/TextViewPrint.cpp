// Page setup and printing of the text view: margins shown in hundredths of
// a millimetre and kept in twips; the page count laid out on the printer
// before the print dialog; the preview framing the text area of each page.
#include "app/TextView.h"

#include "app/PageSetupDialog.h"
#include "app/Settings.h"
#include "framework/ui/Dc.h"
#include "framework/ui/PrintDialog.h"
#include "framework/ui/PrintInfo.h"
#include "framework/ui/WinAppDocuments.h"

void CQivTextView::OnPageSetup()
{
    C_PageSetupDialog dlg(PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS, this);
    dlg.m_psd.rtMargin = QivMarginsToHundredthsMm(GetMargins());
    CWinAppDocuments* pApp = AfxGetAppDocuments();
    if (pApp != nullptr)
    {
        dlg.m_psd.hDevMode = pApp->m_hDevMode;
        dlg.m_psd.hDevNames = pApp->m_hDevNames;
    }
    if (dlg.DoModal() != IDOK)
        return;
    const CRect rectMargin(QivMarginsToTwips(dlg.m_psd.rtMargin));
    SetMargins(rectMargin);
    QivSettings::Set(QivSettings::MarginLeft, rectMargin.left);
    QivSettings::Set(QivSettings::MarginTop, rectMargin.top);
    QivSettings::Set(QivSettings::MarginRight, rectMargin.right);
    QivSettings::Set(QivSettings::MarginBottom, rectMargin.bottom);
    if (pApp != nullptr && (dlg.m_psd.hDevNames != pApp->m_hDevNames || dlg.m_psd.hDevMode != pApp->m_hDevMode))
        pApp->SelectPrinter(dlg.m_psd.hDevNames, dlg.m_psd.hDevMode);
}

CRect CQivTextView::MarginFrameInPixels(CSize sizePaper, const CRect& rectMargin, int nDpiX, int nDpiY)
{
    return CRect(::MulDiv(rectMargin.left, nDpiX, 1440), ::MulDiv(rectMargin.top, nDpiY, 1440),
                 ::MulDiv(sizePaper.cx - rectMargin.right, nDpiX, 1440),
                 ::MulDiv(sizePaper.cy - rectMargin.bottom, nDpiY, 1440));
}

UINT CQivTextView::CountPages(CDC* pDC)
{
    OnBeginPrinting(pDC, nullptr);
    const long nTextLength = GetTextLength();
    UINT nPages = 1;
    long nStart = 0;
    const int nSaved = pDC->SaveDC();
    for (;;)
    {
        long nNext = LayoutPage(pDC, nStart, -1, FALSE);
        // A page that takes nothing would never end the text.
        if (nNext <= nStart || nNext >= nTextLength)
            break;
        nStart = nNext;
        ++nPages;
    }
    pDC->RestoreDC(nSaved);
    OnEndPrinting(pDC, nullptr);
    return nPages;
}

BOOL CQivTextView::OnPreparePrinting(CPrintInfo* pInfo)
{
    CWinAppDocuments* pApp = AfxGetAppDocuments();
    PRINTDLGA& pd = pInfo->m_pPD->m_pd;
    const BOOL bHavePrinter = pApp != nullptr && pApp->GetPrinterDeviceDefaults(&pd);
    // A preview without a printer is laid out on the screen.
    if (!bHavePrinter && pInfo->m_bPreview)
        return DoPreparePrinting(pInfo);
    if (!bHavePrinter)
    {
        if (pInfo->m_bDirect || pApp == nullptr || pApp->DoPrintDialog(pInfo->m_pPD) != IDOK)
            return FALSE;
        // The user chose the printer and the pages already: no second dialog.
        pInfo->m_bDirect = TRUE;
    }
    if (pd.hDC == nullptr && pd.hDevNames != nullptr)
        pInfo->m_pPD->CreatePrinterDC();
    if (pd.hDC != nullptr)
    {
        CDC dcPrinter;
        dcPrinter.Attach(pd.hDC);
        OnPrinterChanged(dcPrinter);
        pInfo->SetMaxPage(CountPages(&dcPrinter));
        dcPrinter.Detach();
    }
    return DoPreparePrinting(pInfo);
}

void CQivTextView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    CRichEditView::OnPrint(pDC, pInfo);
    if (!pInfo->m_bPreview)
        return;
    const int nSaved = pDC->SaveDC();
    pDC->SetViewportOrg(0, 0);
    CPen pen;
    pen.CreatePen(PS_DOT, 0, pDC->GetTextColor());
    pDC->SelectObject(&pen);
    pDC->SelectStockObject(NULL_BRUSH);
    pDC->Rectangle(MarginFrameInPixels(GetPaperSize(), GetMargins(), pDC->GetDeviceCaps(LOGPIXELSX),
                                       pDC->GetDeviceCaps(LOGPIXELSY)));
    pDC->RestoreDC(nSaved);
}
