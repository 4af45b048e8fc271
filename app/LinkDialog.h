// The shortcut dialog: where the shortcut goes (desktop or favourites) and
// what it opens (the card file, or the current entry or category).
#pragma once

#include "app/QivDialog.h"

class C_LinkDlg : public CQivDialog
{
public:
    explicit C_LinkDlg(CWnd* pParentWnd = nullptr);

    int m_nLocation = 0;    // 0 desktop, 1 favourites
    int m_nTarget = 1;      // 0 the card file, 1 the current item

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
