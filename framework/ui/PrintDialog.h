// CPrintDialog: the system's print and print-setup dialogs, and the default
// printer (GetDefaults). Without a printer the dialog answers IDCANCEL
// without showing anything (the print setup first tells the user that no
// printer is installed; a print leaves that to the print loop), and
// GetDefaults FALSE.
//
// The printer handles m_pd.hDevMode and m_pd.hDevNames are never freed by
// the dialog: the program puts its own in and takes the ones the dialog
// made out (CWinApp keeps the program's printer).
#pragma once

#include "framework/ui/CommonDialog.h"

// The parts of a DEVNAMES block.
enum class DevNamePart
{
    driver,
    device,
    port,
};
// A part of hDevNames; "" when there is none.
CString AFXAPI AfxGetDevName(HGLOBAL hDevNames, DevNamePart part);
// TRUE when the system knows a default printer.
BOOL AFXAPI AfxHasDefaultPrinter();
// Tells the user in German that no printer is installed: what the setup
// dialogs of printer and page and the print loop say instead of showing
// nothing.
void AFXAPI AfxReportNoPrinterInstalled();
// A DC of the printer hDevNames names, set up with hDevMode (may be null);
// null when there is none. The caller deletes it.
HDC AFXAPI AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode);

class CPrintDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS
                                          | PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);

    PRINTDLGA m_pd;

    INT_PTR DoModal() override;
    // Fills the handles with the default printer's without showing
    // anything; FALSE when there is no printer.
    BOOL GetDefaults();

    // A DC of the chosen printer, kept in m_pd.hDC; the caller deletes it.
    HDC CreatePrinterDC();
    HDC GetPrinterDC() const;
    // The chosen printer's settings, locked for as long as the handle lives.
    LPDEVMODEA GetDevMode() const;
    CString GetDriverName() const;
    CString GetDeviceName() const;
    CString GetPortName() const;
    int GetCopies() const;
    int GetFromPage() const;
    int GetToPage() const;
    BOOL PrintAll() const;
    BOOL PrintRange() const;
    BOOL PrintSelection() const;
};
