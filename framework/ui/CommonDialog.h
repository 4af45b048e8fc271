// CCommonDialog: the base of the system's common dialogs (file, colour,
// font, print, page setup). DoModal of each runs the system's dialog. The
// dialogs with a hook (all but the file dialog) get their window attached
// to the object at its creation, so OnInitDialog, the message map and
// subclassing work as in any CDialog; OK and Cancel end the dialog through
// the system's own handling.
//
// Each asks the common-dialog test seam (DialogSeams.h) first.
#pragma once

#include "framework/ui/Dialog.h"
#include "framework/ui/DialogSeams.h"

#include <commdlg.h>

class CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

protected:
    void OnOK() override;
    void OnCancel() override;

    // The hook procedure of the system dialogs: starts OnInitDialog of the
    // attached object.
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Before the system dialog runs: its owner (see CDialog::GetSafeOwner),
    // and with bAttach the dialog window's attachment to this object. The
    // top-level window PreModal disabled goes to PostModal, which undoes
    // the rest.
    HWND PreModal(BOOL bAttach, HWND* phWndTop);
    void PostModal(HWND hWndTop);

    // TRUE with *pnResult (IDOK or IDCANCEL) and the answer when a test
    // seam answered the dialog.
    BOOL AskSeam(CommonDialogKind kind, LPCSTR lpszTitle, LPCSTR lpszFilter, DWORD dwFlags,
                 AFX_COMMONDIALOG_ANSWER& answer, int* pnResult);
};
