// CPropertySheet: the system's property sheet (tabbed pages with OK,
// Cancel, Apply and Help) or, in wizard mode, a wizard (Back, Next,
// Finish). DoModal runs the sheet modelessly inside the framework's own
// modal loop, so the thread's pre-translation and idle processing reach it
// as they reach dialogs; it answers IDOK, ID_WIZFINISH or IDCANCEL.
//
// Test seam: a sheet asks its seam whenever it has handled the messages
// waiting for it. The handler may fill in pages and answers the button to
// press (PSBTN_BACK, PSBTN_NEXT, PSBTN_FINISH, PSBTN_OK, PSBTN_CANCEL ...),
// or -1 to let the sheet run its own loop (the test drives it).
//
//     CTestSeamScope<AFX_PROPERTYSHEET_REQUEST> answer(
//         [&](const AFX_PROPERTYSHEET_REQUEST& r) { return PSBTN_NEXT; });
#pragma once

#include "framework/ui/AfxRes.h"
#include "framework/ui/DialogModalLoop.h"
#include "framework/ui/TestSeams.h"
#include "framework/ui/Wnd.h"

#include <commctrl.h>
#include <prsht.h>

#include <vector>

class CPropertyPage;
class CPropertySheet;

struct AFX_PROPERTYSHEET_REQUEST
{
    CPropertySheet* pSheet;
    int nCall;
};
using CPropertySheetSeam = CTestSeam<AFX_PROPERTYSHEET_REQUEST>;

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    // The header passed to the system; flags (PSH_NOAPPLYNOW, PSH_HASHELP,
    // PSH_WIZARD ...) may be set before DoModal. The constructor sets
    // PSH_HASHELP when the application or its main window handles ID_HELP;
    // the Help button (IDHELP) then sends ID_HELP to the page, or else to
    // the main window.
    PROPSHEETHEADERA m_psh;
    CWnd* m_pParentWnd = nullptr;

    // ---- pages ----
    // The sheet does not own its pages.
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    // The page shown now (null when the sheet is closed).
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);

    // ---- look and buttons ----
    void SetTitle(LPCSTR lpszText, UINT nStyle = 0);
    void SetWizardMode();
    BOOL IsWizard() const;
    // PSWIZB_BACK, PSWIZB_NEXT, PSWIZB_FINISH, PSWIZB_DISABLEDFINISH.
    void SetWizardButtons(DWORD dwFlags);
    void SetFinishText(LPCSTR lpszText);
    // As a click on the button (PSBTN_...).
    void PressButton(int nButton);
    // Ends a modal run with nEndID.
    void EndDialog(int nEndID);

    // ---- running ----
    virtual INT_PTR DoModal();
    // Runs the sheet modeless; the caller destroys it.
    BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = static_cast<DWORD>(-1),
                DWORD dwExStyle = 0);
    // Called once the sheet and its first page exist.
    virtual BOOL OnInitDialog();

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    // Makes the sheet's window (modeless) for the pages given; FALSE when
    // the system refuses.
    BOOL CreateSheet(HWND hWndParent, DWORD dwStyle, DWORD dwExStyle);
    // TRUE while the sheet shows a page and nobody ended it.
    BOOL IsRunning() const;
    // The seam's answers until the sheet ends; FALSE when no seam is
    // installed or it let the sheet run on its own.
    BOOL AnswerFromSeam();

    afx_msg LRESULT OnInitDialogMessage(WPARAM wParam, LPARAM lParam);

    std::vector<CPropertyPage*> m_pages;
    // The pages' records one after the other, each of its own size.
    std::vector<BYTE> m_pageRecords;
    CString m_strCaption;
    DWORD m_dwCreateStyle = 0;
    DWORD m_dwCreateExStyle = 0;
    int m_nModalResult = IDCANCEL;
    BOOL m_bEndRequested = FALSE;
    CModalLoop m_modalLoop;

    DECLARE_MESSAGE_MAP()

private:
    static int CALLBACK SheetCallback(HWND hWnd, UINT message, LPARAM lParam);
};
