// CPropertyPage: one page of a property sheet, made from a dialog resource.
// The sheet tells a page when it becomes active or is left (the page may
// refuse to be left while its data do not validate), when the sheet's
// changes are applied or dropped, and in wizard mode when Back, Next and
// Finish are pressed.
//
// Data exchange: the first activation fills the controls (OnInitDialog);
// every later one fills them again from the members; leaving the page
// takes the controls' values back with validation.
#pragma once

#include "framework/ui/Dialog.h"

#include <commctrl.h>
#include <prsht.h>

class CPropertySheet;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);
    ~CPropertyPage() override;

    // Filled from the constructor; the sheet passes it to the system.
    PROPSHEETPAGEA m_psp;

    // The sheet the page is shown in (null before).
    CPropertySheet* GetParentSheet() const;
    // Enables the sheet's Apply button (PSM_CHANGED / PSM_UNCHANGED).
    void SetModified(BOOL bChanged = TRUE);
    // Turns the sheet's Cancel button into Close.
    void CancelToClose();

    // TRUE accepts the activation (FALSE: another page is shown).
    virtual BOOL OnSetActive();
    // FALSE keeps the page active (its data did not validate).
    virtual BOOL OnKillActive();
    // OK or Apply: FALSE keeps the sheet open on this page.
    virtual BOOL OnApply();
    virtual void OnReset();
    // FALSE refuses the Cancel.
    virtual BOOL OnQueryCancel();
    // Back and Next: 0 goes to the page before or after, -1 stays, a
    // dialog resource id goes to that page.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    // FALSE keeps the wizard open.
    virtual BOOL OnWizardFinish();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Called from OnApply and OnReset; the page keeps or drops its data.
    void OnOK() override;
    void OnCancel() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    CString m_strCaption;
    BOOL m_bFirstSetActive = TRUE;
    CPropertySheet* m_pSheet = nullptr;

    friend class CPropertySheet;

private:
    void Init(LPCSTR lpszTemplateName, UINT nIDCaption);
    // The page's dialog procedure and creation callback: the page window
    // is the object's from its first message on.
    static INT_PTR CALLBACK PageDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static UINT CALLBACK PageCallback(HWND hWnd, UINT message, LPPROPSHEETPAGEA ppsp);
};
