// CColorDialog: the system's colour dialog. The dialog starts on the given
// colour (black included); m_cc.lpCustColors points at the dialog's own
// sixteen custom colours (white) unless the program points it at its own.
#pragma once

#include "framework/ui/CommonDialog.h"

class CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    CHOOSECOLORA m_cc;

    INT_PTR DoModal() override;
    COLORREF GetColor() const;

private:
    COLORREF m_clrCustom[16];
};
