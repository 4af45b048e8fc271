// The print loop of CView: preparing (dialog or default printer), then
// StartDoc, one OnPrepareDC/OnPrint per page between StartPage and EndPage,
// and EndDoc; the view's hooks decide the page count and draw the pages.
#include "framework/ui/View.h"

#include "framework/ui/AfxRes.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/Dc.h"
#include "framework/ui/Document.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/PrintDialog.h"
#include "framework/ui/PrintInfo.h"
#include "framework/ui/WinAppDocuments.h"

namespace {

const char kStartFailed[] = "Der Druckauftrag konnte nicht gestartet werden.";

} // namespace

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    // A view that does not know its page count prints one page.
    if (pInfo != nullptr)
        pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != 0xFFFF || pInfo->m_nCurPage == 1;
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*)
{
}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*)
{
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CWinAppDocuments* pApp = AfxGetAppDocuments();
    PRINTDLGA& pd = pInfo->m_pPD->m_pd;

    if (pInfo->m_bPreview || pInfo->m_bDirect)
    {
        if (pd.hDC == nullptr)
        {
            // The program's printer, without asking; for a print the user
            // still gets the dialog when there is no printer yet.
            BOOL bHavePrinter = pApp != nullptr && pApp->GetPrinterDeviceDefaults(&pd);
            if (!bHavePrinter && !pInfo->m_bPreview)
            {
                if (pApp == nullptr || pApp->DoPrintDialog(pInfo->m_pPD) != IDOK)
                {
                    if (pd.hDevNames == nullptr)
                        AfxReportNoPrinterInstalled();
                    return FALSE;
                }
            }
            if (pd.hDC == nullptr && pd.hDevNames != nullptr)
                pInfo->m_pPD->CreatePrinterDC();
        }
        pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
        pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
        // A preview without a printer shows the pages as the screen would
        // lay them out.
        if (pd.hDC == nullptr && pInfo->m_bPreview)
            pd.hDC = ::CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    }
    else
    {
        pd.nFromPage = static_cast<WORD>(pInfo->GetMinPage());
        pd.nToPage = static_cast<WORD>(pInfo->GetMaxPage());
        if (pApp == nullptr || pApp->DoPrintDialog(pInfo->m_pPD) != IDOK)
        {
            if (pd.hDevNames == nullptr && pd.hDC == nullptr)
                AfxReportNoPrinterInstalled();
            return FALSE;
        }
    }
    if (pd.hDC == nullptr)
        return FALSE;
    if (pApp != nullptr)
        pInfo->m_nNumPreviewPages = pApp->m_nNumPreviewPages;
    return TRUE;
}

// A printer's DC gets a print job (StartDoc, StartPage...); a DC standing
// in for one (a metafile, a memory DC) gets the pages drawn straight on it.
BOOL CView::PrintDocument(CDC* pDC, CPrintInfo* pInfo, LPCSTR lpszDocName)
{
    HDC hDC = pDC->GetSafeHdc();
    int nTechnology = ::GetDeviceCaps(hDC, TECHNOLOGY);
    BOOL bJob = nTechnology == DT_RASPRINTER || nTechnology == DT_PLOTTER
                || nTechnology == DT_CHARSTREAM;
    OnBeginPrinting(pDC, pInfo);

    DOCINFOA docInfo = {};
    docInfo.cbSize = sizeof(docInfo);
    docInfo.lpszDocName = lpszDocName;
    if (bJob && ::StartDocA(hDC, &docInfo) <= 0)
    {
        OnEndPrinting(pDC, pInfo);
        AfxMessageBox(kStartFailed, MB_ICONEXCLAMATION);
        return FALSE;
    }

    // The range the user chose, within the document's pages.
    UINT nStartPage = pInfo->GetFromPage();
    UINT nEndPage = pInfo->GetToPage();
    if (nStartPage < pInfo->GetMinPage())
        nStartPage = pInfo->GetMinPage();
    if (nEndPage > pInfo->GetMaxPage())
        nEndPage = pInfo->GetMaxPage();

    BOOL bError = FALSE;
    for (pInfo->m_nCurPage = nStartPage; pInfo->m_nCurPage <= nEndPage; ++pInfo->m_nCurPage)
    {
        OnPrepareDC(pDC, pInfo);
        if (!pInfo->m_bContinuePrinting)
            break;
        pInfo->m_rectDraw.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
        pDC->DPtoLP(&pInfo->m_rectDraw);
        if (bJob && ::StartPage(hDC) <= 0)
        {
            bError = TRUE;
            break;
        }
        // Starting a page resets the DC's attributes.
        OnPrepareDC(pDC, pInfo);
        OnPrint(pDC, pInfo);
        if (bJob && ::EndPage(hDC) <= 0)
        {
            bError = TRUE;
            break;
        }
        if (pInfo->m_nCurPage == 0xFFFF)
            break;
    }
    if (bJob && bError)
        ::AbortDoc(hDC);
    else if (bJob)
        ::EndDoc(hDC);
    OnEndPrinting(pDC, pInfo);
    return !bError;
}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    const MSG* pMsg = GetCurrentMessage();
    printInfo.m_bDirect = pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT;

    if (!OnPreparePrinting(&printInfo))
        return;
    HDC hDC = printInfo.m_pPD->m_pd.hDC;
    if (hDC == nullptr)
        return;

    CString strTitle;
    if (CDocument* pDoc = GetDocument())
        strTitle = pDoc->GetTitle();
    if (strTitle.GetLength() > 31)
        strTitle = strTitle.Left(31);

    CDC dcPrint;
    dcPrint.Attach(hDC);
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != nullptr)
        pMainWnd->EnableWindow(FALSE);
    {
        CWaitCursor wait;
        PrintDocument(&dcPrint, &printInfo, strTitle);
    }
    if (pMainWnd != nullptr)
        pMainWnd->EnableWindow(TRUE);
    // The print info deletes the DC.
    dcPrint.Detach();
}
