// The application's printer: the printer handles the program prints with,
// taken from the system's default printer the first time they are needed
// and replaced by the print dialogs' choices.
#include "framework/ui/WinAppDocuments.h"

#include "framework/ui/Dc.h"
#include "framework/ui/PrintDialog.h"

void CWinAppDocuments::UpdatePrinterSelection(BOOL bForceDefaults)
{
    if (!bForceDefaults && m_hDevNames != nullptr)
        return;
    CPrintDialog pd(TRUE);
    if (pd.GetDefaults())
        SelectPrinter(pd.m_pd.hDevNames, pd.m_pd.hDevMode);
}

BOOL CWinAppDocuments::GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg)
{
    UpdatePrinterSelection(m_hDevNames == nullptr);
    if (m_hDevNames == nullptr)
        return FALSE;
    pPrintDlg->hDevNames = m_hDevNames;
    pPrintDlg->hDevMode = m_hDevMode;
    return TRUE;
}

void CWinAppDocuments::SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld)
{
    if (hDevNames != m_hDevNames)
    {
        if (m_hDevNames != nullptr && bFreeOld)
            ::GlobalFree(m_hDevNames);
        m_hDevNames = hDevNames;
    }
    if (hDevMode != m_hDevMode)
    {
        if (m_hDevMode != nullptr && bFreeOld)
            ::GlobalFree(m_hDevMode);
        m_hDevMode = hDevMode;
    }
}

BOOL CWinAppDocuments::CreatePrinterDC(CDC& dc)
{
    UpdatePrinterSelection(FALSE);
    if (m_hDevNames == nullptr)
        return FALSE;
    HDC hDC = AfxCreateDC(m_hDevNames, m_hDevMode);
    if (hDC == nullptr)
        return FALSE;
    dc.DeleteDC();
    return dc.Attach(hDC);
}

INT_PTR CWinAppDocuments::DoPrintDialog(CPrintDialog* pPD)
{
    UpdatePrinterSelection(FALSE);
    pPD->m_pd.hDevMode = m_hDevMode;
    pPD->m_pd.hDevNames = m_hDevNames;
    INT_PTR nResponse = pPD->DoModal();
    // The system reallocates the handles it was given when the user
    // changes the printer (the old ones are gone then): keep what it left.
    m_hDevMode = pPD->m_pd.hDevMode;
    m_hDevNames = pPD->m_pd.hDevNames;
    return nResponse;
}

void CWinAppDocuments::OnFilePrintSetup()
{
    CPrintDialog pd(TRUE);
    DoPrintDialog(&pd);
}
