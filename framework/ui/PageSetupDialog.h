// CPageSetupDialog: the system's page-setup dialog (paper, orientation,
// margins, printer). Its hook is always on, so OnInitDialog of a derived
// dialog can rearrange and subclass the system's controls. Without a
// printer the dialog tells the user that none is installed and answers
// IDCANCEL. As with CPrintDialog, the printer handles in m_psd belong to
// the program, not to the dialog.
#pragma once

#include "framework/ui/CommonDialog.h"

class CPageSetupDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPageSetupDialog)
public:
    explicit CPageSetupDialog(DWORD dwFlags = PSD_MARGINS | PSD_INWININIINTLMEASURE,
                              CWnd* pParentWnd = nullptr);

    PAGESETUPDLGA m_psd;

    INT_PTR DoModal() override;

    // The margins in the dialog's units (PSD_INHUNDREDTHSOFMILLIMETERS or
    // PSD_INTHOUSANDTHSOFINCHES).
    void GetMarginRect(LPRECT lpRectMargins) const;
    CSize GetPaperSize() const;
    LPDEVMODEA GetDevMode() const;
    CString GetDriverName() const;
    CString GetDeviceName() const;
    CString GetPortName() const;
    // A DC of the chosen printer; the caller deletes it.
    HDC CreatePrinterDC();
};
