// The quick note: a plain-text entry typed into a small resizable window,
// titled with the date and time, and filed first under the root category
// whatever is selected.
#pragma once

#include "app/FlatButton.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/ToolTipCtrl.h"

class C_QivEntry;
struct CQivExchangeContext;

class CQuickNotizDlg : public CDialog
{
public:
    // Fills pEntry on OK; does not own it.
    explicit CQuickNotizDlg(C_QivEntry* pEntry, CWnd* pParentWnd = nullptr);

    // "2007/03/05, 09:07": year, month, day, hour, minute.
    static CString FormatTitle(const SYSTEMTIME& time);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    C_QivEntry* m_pEntry;
    C_FlatButton m_btnAdd;
    CString m_strTitle;
    CString m_strText;
    CToolTipCtrl m_toolTip;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnExitSizeMove(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// The quick-note command: asks for the note and, on OK, files it first
// under the root (tree and card file), selects it and marks the document
// modified; on Cancel nothing is left of it. TRUE when a note was filed.
BOOL QivRunQuickNote(const CQivExchangeContext& ctx);
