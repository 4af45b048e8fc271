#include "framework/ui/Dialog.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Module.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/DialogSeams.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

// The window of a CWnd that may be null. (Calling a member on a null
// pointer would let the compiler drop later null checks.)
HWND SafeHwnd(const CWnd* pWnd)
{
    return pWnd != nullptr ? pWnd->m_hWnd : nullptr;
}

bool IsEditClass(HWND hWnd)
{
    char szClass[8];
    return ::GetClassNameA(hWnd, szClass, sizeof(szClass)) > 0 && lstrcmpiA(szClass, "Edit") == 0;
}

} // namespace

CDialog::CDialog() = default;

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd)
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD(reinterpret_cast<UINT_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_nIDHelp(nIDTemplate),
      m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
    // While the object is still a CDialog: the window's last messages
    // must not reach a half-destroyed object's handlers.
    if (m_hWnd != nullptr)
        DestroyWindow();
}

// ---- creation --------------------------------------------------------------------

LPCDLGTEMPLATEA CDialog::LoadTemplate(HINSTANCE* phInst) const
{
    ASSERT(m_lpszTemplateName != nullptr);
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    *phInst = hInst;
    return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate)) : nullptr;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEA lpTemplate = LoadTemplate(&hInst);
    if (lpTemplate == nullptr)
        return FALSE;
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpTemplate, pParentWnd != nullptr ? pParentWnd : AfxGetMainWnd(), hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd != nullptr ? pParentWnd : AfxGetMainWnd(),
                             AfxGetInstanceHandle());
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    ASSERT(m_hWnd == nullptr);
    if (m_hWnd != nullptr || lpDialogTemplate == nullptr)
        return FALSE;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, SafeHwnd(pParentWnd),
                                             DialogProc, 0);
    const BOOL bAttached = AfxUnhookWindowCreate();
    if (hWnd == nullptr)
        return FALSE;
    if (!bAttached && !SubclassWindow(hWnd))
    {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CDialog)))
        return TRUE;
    // The system's dialog code called us: no exception may pass through it.
    try
    {
        return static_cast<CDialog*>(pWnd)->OnInitDialog();
    }
    catch (CException* e)
    {
        e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
        return TRUE;
    }
}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE))
    {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

// ---- modal -------------------------------------------------------------------------

HWND CDialog::GetSafeOwner(CWnd* pParent, HWND* phWndTop)
{
    HWND hParent = SafeHwnd(pParent);
    HWND hWnd = hParent;
    if (hWnd == nullptr)
        hWnd = SafeHwnd(AfxGetMainWnd());
    // A popup cannot be owned by a child window.
    while (hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    HWND hWndTop = hWnd;
    for (HWND hWndTemp = hWnd; hWndTemp != nullptr; hWndTemp = ::GetParent(hWndTemp))
        hWndTop = hWndTemp;
    if (hParent == nullptr && hWnd != nullptr)
        hWnd = ::GetLastActivePopup(hWnd);
    if (phWndTop != nullptr)
    {
        *phWndTop = nullptr;
        if (hWndTop != nullptr && hWndTop != hWnd && ::IsWindowEnabled(hWndTop))
        {
            *phWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        }
    }
    return hWnd;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATEA lpTemplate = LoadTemplate(&hInst);
    if (lpTemplate == nullptr)
        return -1;

    CModalOwner owner(m_pParentWnd);
    m_modalLoop.Begin();
    if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(owner.GetSafeHwnd()), hInst))
    {
        if (m_modalLoop.IsContinuing() && !AnswerFromSeam())
            m_modalLoop.Run(this, TRUE);
    }
    else
    {
        m_modalLoop.End(nullptr, -1);
    }
    owner.EndRun(this);
    return m_modalLoop.GetResult();
}

BOOL CDialog::AnswerFromSeam()
{
    if (!CModalDialogSeam::IsInstalled())
        return FALSE;
    // As the loop shows it at its first idle moment.
    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    // A handler that never gets past the validation must not hold the run.
    const int nMaxCalls = 100;
    for (int nCall = 0; m_modalLoop.IsContinuing(); ++nCall)
    {
        if (!m_modalLoop.RunPending(this) || !m_modalLoop.IsContinuing())
            break;
        if (nCall == nMaxCalls)
        {
            EndDialog(IDABORT);
            break;
        }
        const AFX_MODALDIALOG_REQUEST request = {this, nCall};
        int nAnswer = 0;
        CModalDialogSeam::Answer(request, &nAnswer);
        if (!m_modalLoop.IsContinuing())
            break;
        if (nAnswer == 0)
            return FALSE;
        if (nAnswer == IDOK || nAnswer == IDCANCEL)
        {
            // As the button would send it.
            HWND hButton = ::GetDlgItem(m_hWnd, nAnswer);
            SendMessage(WM_COMMAND, MAKEWPARAM(nAnswer, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
        }
        else
        {
            EndDialog(nAnswer);
        }
    }
    return TRUE;
}

void CDialog::EndDialog(int nResult)
{
    ASSERT(::IsWindow(m_hWnd));
    m_modalLoop.End(this, nResult);
    ::EndDialog(m_hWnd, nResult);
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    ASSERT(m_hWnd != nullptr);
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;

    // A multi-line edit keeps Esc from the dialog; it still cancels, unless
    // the dialog's Cancel button is disabled.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL)
        && (::GetWindowLongA(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE) && IsEditClass(pMsg->hwnd))
    {
        HWND hCancel = ::GetDlgItem(m_hWnd, IDCANCEL);
        if (hCancel == nullptr || ::IsWindowEnabled(hCancel))
        {
            SendMessage(WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        }
    }

    // Keyboard and mouse input only.
    const bool bKey = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    const bool bMouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST;
    if (!bKey && !bMouse)
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

// ---- controls ------------------------------------------------------------------------

void CDialog::NextDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(SafeHwnd(pWndCtrl)), 1);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::SetDefID(UINT nID)
{
    ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0);
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}

void CDialog::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

int CDialog::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const
{
    for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID)
    {
        if (::IsDlgButtonChecked(m_hWnd, nID))
            return nID;
    }
    return 0;
}

void CDialog::CheckDlgButton(int nIDButton, UINT nCheck)
{
    ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

UINT CDialog::IsDlgButtonChecked(int nIDButton) const
{
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

void CDialog::SetDlgItemText(int nID, LPCSTR lpszString)
{
    ::SetDlgItemTextA(m_hWnd, nID, lpszString);
}

int CDialog::GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const
{
    return static_cast<int>(::GetDlgItemTextA(m_hWnd, nID, lpStr, nMaxCount));
}

int CDialog::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hWndItem = ::GetDlgItem(m_hWnd, nID);
    if (hWndItem == nullptr)
        return 0;
    const int nLength = ::GetWindowTextLengthA(hWndItem);
    const int nCopied = ::GetWindowTextA(hWndItem, rString.GetBuffer(nLength + 1), nLength + 1);
    rString.ReleaseBuffer(nCopied);
    return nCopied;
}

void CDialog::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

UINT CDialog::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

LRESULT CDialog::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

DWORD CDialog::GetControlHelpId(UINT nIDDialog, UINT nIDControl)
{
    return 0x80000000u | ((nIDDialog & 0x7FFFu) << 16) | (nIDControl & 0xFFFFu);
}
