// The go-to dialog: a combo box listing the path of every item of the card
// file, completing what is typed; after OK the chosen or typed path.
#pragma once

#include "app/AutoComboBox.h"
#include "app/QivDialog.h"

class CQivDoc;

class C_GeheZuDlg : public CQivDialog
{
public:
    C_GeheZuDlg(CQivDoc* pDoc, CWnd* pParentWnd = nullptr);

    CString m_strPath;
    CQivDoc* m_pDoc;
    C_AutoComboBox m_comboPath;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnDropDown();
    afx_msg void OnCloseUp();
    DECLARE_MESSAGE_MAP()
};
