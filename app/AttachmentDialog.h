// C_AnlageDlg: asks for a changed attachment path.
#pragma once

#include "app/QivDialog.h"

class C_AnlageDlg : public CQivDialog
{
public:
    explicit C_AnlageDlg(CWnd* pParentWnd = nullptr);

    CString m_strPath;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
