#include "framework/ui/PageSetupDialog.h"

#include "framework/ui/PrintDialog.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CPageSetupDialog, CCommonDialog)

CPageSetupDialog::CPageSetupDialog(DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_psd, 0, sizeof(m_psd));
    m_psd.lStructSize = sizeof(m_psd);
    m_psd.Flags = dwFlags | PSD_ENABLEPAGESETUPHOOK;
    m_psd.lpfnPageSetupHook = HookProc;
}

INT_PTR CPageSetupDialog::DoModal()
{
    AFX_COMMONDIALOG_ANSWER answer;
    int nResult = IDCANCEL;
    if (AskSeam(CommonDialogKind::pageSetup, "", "", m_psd.Flags, answer, &nResult))
        return nResult;
    // Without any printer there is nothing to set up: the user is told why.
    if (m_psd.hDevNames == nullptr && !AfxHasDefaultPrinter())
    {
        AfxReportNoPrinterInstalled();
        return IDCANCEL;
    }

    HWND hWndTop = nullptr;
    m_psd.hwndOwner = PreModal(TRUE, &hWndTop);
    const BOOL bResult = ::PageSetupDlgA(&m_psd);
    PostModal(hWndTop);
    return bResult ? IDOK : IDCANCEL;
}

void CPageSetupDialog::GetMarginRect(LPRECT lpRectMargins) const
{
    *lpRectMargins = m_psd.rtMargin;
}

CSize CPageSetupDialog::GetPaperSize() const
{
    return CSize(m_psd.ptPaperSize.x, m_psd.ptPaperSize.y);
}

LPDEVMODEA CPageSetupDialog::GetDevMode() const
{
    return m_psd.hDevMode != nullptr ? static_cast<LPDEVMODEA>(::GlobalLock(m_psd.hDevMode)) : nullptr;
}

CString CPageSetupDialog::GetDriverName() const
{
    return AfxGetDevName(m_psd.hDevNames, DevNamePart::driver);
}

CString CPageSetupDialog::GetDeviceName() const
{
    return AfxGetDevName(m_psd.hDevNames, DevNamePart::device);
}

CString CPageSetupDialog::GetPortName() const
{
    return AfxGetDevName(m_psd.hDevNames, DevNamePart::port);
}

HDC CPageSetupDialog::CreatePrinterDC()
{
    return AfxCreateDC(m_psd.hDevNames, m_psd.hDevMode);
}
