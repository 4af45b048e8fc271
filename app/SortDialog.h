// The sort dialog: the direction and whether the categories below are
// sorted too.
#pragma once

#include "app/QivDialog.h"

class C_SortierenDlg : public CQivDialog
{
public:
    explicit C_SortierenDlg(CWnd* pParentWnd = nullptr);

    BOOL IsAscending() const { return m_nDirection == 0; }
    BOOL IncludesSubcategories() const { return m_nSubcategories != 0; }

    int m_nSubcategories = 0;   // check box "&Unterkategorien einschließen"
    int m_nDirection = 0;       // 0 "&Aufsteigend", 1 "A&bsteigend"

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
