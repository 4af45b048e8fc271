// CDialog: a window made from a dialog resource, modal (DoModal) or
// modeless (Create).
//
// DoModal runs the framework's own modal loop (DialogModalLoop.h) over a
// modeless dialog window, with the owner disabled meanwhile, so the thread's
// pre-translation walk and WM_KICKIDLE reach the dialog as they do in the
// main loop. Keyboard navigation comes from PreTranslateMessage, which hands
// the dialog's input messages to IsDialogMessage, for modal and modeless
// dialogs alike.
//
// Initialisation exchanges the members into the controls (UpdateData(FALSE));
// OK exchanges them back with validation and ends the dialog only when that
// succeeds.
#pragma once

#include "framework/ui/DialogModalLoop.h"
#include "framework/ui/Wnd.h"

class CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // ---- modeless ----
    BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // From a template in memory.
    BOOL CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd = nullptr);

    // ---- modal ----
    // IDOK, IDCANCEL or EndDialog's result; -1 when the dialog could not be
    // made.
    virtual INT_PTR DoModal();
    // Ends a modal dialog with nResult; hides a modeless one.
    void EndDialog(int nResult);

    // Called once the controls exist; exchanges the members into them.
    // TRUE lets the system focus the first control.
    virtual BOOL OnInitDialog();

    // ---- controls ----
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    // The default push button's id in the low word (DC_HASDEFID in the
    // high word when there is one).
    DWORD GetDefID() const;
    void SetDefID(UINT nID);
    void MapDialogRect(LPRECT lpRect) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    // The checked button of the range, 0 when none.
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void SetDlgItemText(int nID, LPCSTR lpszString);
    int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // The context help id of control nIDControl of dialog resource
    // nIDDialog: the top bit, the dialog id in bits 16-30, the control id
    // in bits 0-15.
    static DWORD GetControlHelpId(UINT nIDDialog, UINT nIDControl);
    // The window a modal window of pParent is owned by: the top-level
    // window of pParent (of the main window when null), or that window's
    // last active popup. *phWndTop receives the top-level window when the
    // caller must disable it as well, else null.
    static HWND GetSafeOwner(CWnd* pParent, HWND* phWndTop = nullptr);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    LPCSTR m_lpszTemplateName = nullptr;   // a name, or MAKEINTRESOURCE of the id
    UINT m_nIDHelp = 0;                    // the template id (0 for a named one)
    CWnd* m_pParentWnd = nullptr;

protected:
    virtual void OnOK();
    virtual void OnCancel();

    // Creates the window from a template, attached to this object from its
    // first message on.
    BOOL CreateDlgIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    // The dialog procedure: the window's messages reach the message map
    // through the window procedure; this only starts OnInitDialog. Windows
    // the system makes from templates of ours (property pages) use it too.
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    CModalLoop m_modalLoop;

    DECLARE_MESSAGE_MAP()

private:
    // The locked template resource, null when it is missing.
    LPCDLGTEMPLATEA LoadTemplate(HINSTANCE* phInst) const;
    // The test seam answers the dialog in place of the loop; FALSE when
    // none is installed or it asked for the real loop.
    BOOL AnswerFromSeam();
};
