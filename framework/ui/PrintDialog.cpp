#include "framework/ui/PrintDialog.h"

#include "framework/ui/MessageBox.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

CString AFXAPI AfxGetDevName(HGLOBAL hDevNames, DevNamePart part)
{
    if (hDevNames == nullptr)
        return CString();
    const auto* pDevNames = static_cast<const DEVNAMES*>(::GlobalLock(hDevNames));
    if (pDevNames == nullptr)
        return CString();
    WORD wOffset = pDevNames->wDriverOffset;
    if (part == DevNamePart::device)
        wOffset = pDevNames->wDeviceOffset;
    else if (part == DevNamePart::port)
        wOffset = pDevNames->wOutputOffset;
    CString strName(reinterpret_cast<LPCSTR>(pDevNames) + wOffset);
    ::GlobalUnlock(hDevNames);
    return strName;
}

HDC AFXAPI AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    if (hDevNames == nullptr)
        return nullptr;
    const CString strDriver = AfxGetDevName(hDevNames, DevNamePart::driver);
    const CString strDevice = AfxGetDevName(hDevNames, DevNamePart::device);
    const CString strPort = AfxGetDevName(hDevNames, DevNamePart::port);
    const auto* pDevMode = hDevMode != nullptr ? static_cast<const DEVMODEA*>(::GlobalLock(hDevMode))
                                               : nullptr;
    HDC hDC = ::CreateDCA(strDriver, strDevice, strPort.IsEmpty() ? nullptr : strPort.GetString(),
                          pDevMode);
    if (pDevMode != nullptr)
        ::GlobalUnlock(hDevMode);
    return hDC;
}

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_pd, 0, sizeof(m_pd));
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK;
    if (bPrintSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    else
        m_pd.Flags |= PD_RETURNDC;
    m_pd.lpfnPrintHook = HookProc;
    m_pd.lpfnSetupHook = HookProc;
    m_pd.nFromPage = 1;
    m_pd.nToPage = 1;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
    m_pd.nCopies = 1;
}

void AFXAPI AfxReportNoPrinterInstalled()
{
    AfxMessageBox("Es ist kein Drucker installiert. Installieren Sie einen Drucker, um drucken und Seiten "
                  "einrichten zu können.",
                  MB_ICONEXCLAMATION);
}

BOOL AFXAPI AfxHasDefaultPrinter()
{
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_RETURNDEFAULT | PD_NOWARNING;
    const BOOL bFound = ::PrintDlgA(&pd);
    if (pd.hDevMode != nullptr)
        ::GlobalFree(pd.hDevMode);
    if (pd.hDevNames != nullptr)
        ::GlobalFree(pd.hDevNames);
    return bFound;
}

INT_PTR CPrintDialog::DoModal()
{
    AFX_COMMONDIALOG_ANSWER answer;
    int nResult = IDCANCEL;
    if (AskSeam(CommonDialogKind::print, "", "", m_pd.Flags, answer, &nResult))
        return nResult;
    // Without any printer there is nothing to choose: some systems would
    // still show an empty dialog that can only be cancelled.
    if (m_pd.hDevNames == nullptr && !AfxHasDefaultPrinter())
    {
        if (m_pd.Flags & PD_PRINTSETUP)
            AfxReportNoPrinterInstalled();
        return IDCANCEL;
    }

    HWND hWndTop = nullptr;
    m_pd.hwndOwner = PreModal(TRUE, &hWndTop);
    const BOOL bResult = ::PrintDlgA(&m_pd);
    PostModal(hWndTop);
    return bResult ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    // The system fills the handles only when none are given.
    ASSERT(m_pd.hDevMode == nullptr && m_pd.hDevNames == nullptr);
    const DWORD dwFlags = m_pd.Flags;
    m_pd.Flags |= PD_RETURNDEFAULT;
    m_pd.Flags &= ~(PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK);
    m_pd.hwndOwner = nullptr;
    const BOOL bResult = ::PrintDlgA(&m_pd);
    m_pd.Flags = dwFlags;
    return bResult;
}

HDC CPrintDialog::CreatePrinterDC()
{
    m_pd.hDC = AfxCreateDC(m_pd.hDevNames, m_pd.hDevMode);
    return m_pd.hDC;
}

HDC CPrintDialog::GetPrinterDC() const
{
    return m_pd.hDC;
}

LPDEVMODEA CPrintDialog::GetDevMode() const
{
    return m_pd.hDevMode != nullptr ? static_cast<LPDEVMODEA>(::GlobalLock(m_pd.hDevMode)) : nullptr;
}

CString CPrintDialog::GetDriverName() const
{
    return AfxGetDevName(m_pd.hDevNames, DevNamePart::driver);
}

CString CPrintDialog::GetDeviceName() const
{
    return AfxGetDevName(m_pd.hDevNames, DevNamePart::device);
}

CString CPrintDialog::GetPortName() const
{
    return AfxGetDevName(m_pd.hDevNames, DevNamePart::port);
}

int CPrintDialog::GetCopies() const
{
    if (m_pd.Flags & PD_USEDEVMODECOPIES)
    {
        if (LPDEVMODEA pDevMode = GetDevMode())
        {
            const int nCopies = pDevMode->dmCopies;
            ::GlobalUnlock(m_pd.hDevMode);
            return nCopies;
        }
    }
    return m_pd.nCopies;
}

int CPrintDialog::GetFromPage() const
{
    return PrintRange() ? m_pd.nFromPage : -1;
}

int CPrintDialog::GetToPage() const
{
    return PrintRange() ? m_pd.nToPage : -1;
}

BOOL CPrintDialog::PrintAll() const
{
    return !PrintRange() && !PrintSelection();
}

BOOL CPrintDialog::PrintRange() const
{
    return (m_pd.Flags & PD_PAGENUMS) != 0;
}

BOOL CPrintDialog::PrintSelection() const
{
    return (m_pd.Flags & PD_SELECTION) != 0;
}
