#include "framework/ui/PropertyPage.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Module.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/PropertySheet.h"
#include "framework/ui/Wnd.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CDialog(nIDTemplate)
{
    Init(MAKEINTRESOURCEA(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption)
    : CDialog(lpszTemplateName)
{
    Init(lpszTemplateName, nIDCaption);
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::Init(LPCSTR lpszTemplateName, UINT nIDCaption)
{
    m_psp = PROPSHEETPAGEA();
    // The first layout of the record, which every version of the system
    // takes.
    m_psp.dwSize = PROPSHEETPAGEA_V1_SIZE;
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.hInstance = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = PageDialogProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    m_psp.pfnCallback = PageCallback;
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption))
    {
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
}

UINT CALLBACK CPropertyPage::PageCallback(HWND, UINT message, LPPROPSHEETPAGEA ppsp)
{
    // The page's dialog is the next window made on this thread.
    if (message == PSPCB_CREATE && ppsp != nullptr)
        AfxHookWindowCreate(reinterpret_cast<CPropertyPage*>(ppsp->lParam));
    return 1;
}

INT_PTR CALLBACK CPropertyPage::PageDialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* pPage = reinterpret_cast<CPropertyPage*>(
        reinterpret_cast<LPPROPSHEETPAGEA>(lParam)->lParam);
    if (AfxUnhookWindowCreate() == FALSE || CWnd::FromHandlePermanent(hWnd) != pPage)
    {
        // Made while no hook was waiting: taken over now.
        if (pPage->m_hWnd == nullptr)
            pPage->SubclassWindow(hWnd);
    }
    // The system's dialog code called us: no exception may pass through it.
    try
    {
        return pPage->OnInitDialog();
    }
    catch (CException* e)
    {
        e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
        return TRUE;
    }
}

CPropertySheet* CPropertyPage::GetParentSheet() const
{
    return m_pSheet;
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    if (m_hWnd == nullptr)
        return;
    HWND hWndSheet = ::GetParent(m_hWnd);
    ::SendMessageA(hWndSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd),
                   0);
}

void CPropertyPage::CancelToClose()
{
    if (m_hWnd != nullptr)
        ::SendMessageA(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

// ---------------------------------------------------------------------------
// Overridables

BOOL CPropertyPage::OnSetActive()
{
    // The controls were filled when the page was made.
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

void CPropertyPage::OnOK()
{
}

void CPropertyPage::OnCancel()
{
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}

LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}

LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}

BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

// The sheet runs the keyboard of its pages.
BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::PreTranslateMessage(pMsg);
}

// The sheet's questions come as notifications; the answer is the message's
// result (and the dialog's, for the system's dialog code).
BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    LRESULT lResult = 0;
    switch (pNMHDR->code)
    {
    case PSN_SETACTIVE:
        lResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        lResult = !OnKillActive();
        break;
    case PSN_APPLY:
        lResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        break;
    case PSN_QUERYCANCEL:
        lResult = !OnQueryCancel();
        break;
    case PSN_WIZBACK:
        lResult = OnWizardBack();
        break;
    case PSN_WIZNEXT:
        lResult = OnWizardNext();
        break;
    case PSN_WIZFINISH:
        lResult = !OnWizardFinish();
        break;
    case PSN_HELP:
        // The help command, for the page or else the program.
        if (!OnCmdMsg(ID_HELP, CN_COMMAND, nullptr, nullptr))
        {
            CWnd* pMainWnd = AfxGetMainWnd();
            if (pMainWnd != nullptr)
                pMainWnd->SendMessage(WM_COMMAND, ID_HELP);
        }
        break;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    *pResult = lResult;
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, lResult);
    return TRUE;
}
