#include "framework/ui/CommonDialog.h"

#include "framework/core/Exceptions.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
}

void CCommonDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    Default();
}

void CCommonDialog::OnCancel()
{
    Default();
}

UINT_PTR CALLBACK CCommonDialog::HookProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return 0;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || !pWnd->IsKindOf(RUNTIME_CLASS(CCommonDialog)))
        return TRUE;
    // The system's dialog code called us: no exception may pass through it.
    try
    {
        return static_cast<CCommonDialog*>(pWnd)->OnInitDialog();
    }
    catch (CException* e)
    {
        e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
        return TRUE;
    }
}

HWND CCommonDialog::PreModal(BOOL bAttach, HWND* phWndTop)
{
    HWND hWndOwner = GetSafeOwner(m_pParentWnd, phWndTop);
    if (bAttach)
        AfxHookWindowCreate(this);
    return hWndOwner;
}

void CCommonDialog::PostModal(HWND hWndTop)
{
    AfxUnhookWindowCreate();
    if (hWndTop != nullptr)
        ::EnableWindow(hWndTop, TRUE);
    // The system destroyed its window, which let go of this object; one that
    // was only attached without its last messages is let go here.
    if (m_hWnd != nullptr && !::IsWindow(m_hWnd))
        Detach();
}

BOOL CCommonDialog::AskSeam(CommonDialogKind kind, LPCSTR lpszTitle, LPCSTR lpszFilter,
                            DWORD dwFlags, AFX_COMMONDIALOG_ANSWER& answer, int* pnResult)
{
    const AFX_COMMONDIALOG_REQUEST request = {kind, lpszTitle, lpszFilter, dwFlags, this, &answer};
    if (!CCommonDialogSeam::Answer(request, pnResult))
        return FALSE;
    if (*pnResult != IDOK)
        *pnResult = IDCANCEL;
    return TRUE;
}
