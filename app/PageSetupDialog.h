// Page setup: the system's dialog with the program's buttons, and the
// conversion of the text's margins between twips (stored) and hundredths
// of a millimetre (shown), each shown margin a multiple of 0,1 mm.
#pragma once

#include "app/FlatButton.h"
#include "framework/ui/PageSetupDialog.h"

class C_PageSetupDialog : public CPageSetupDialog
{
public:
    explicit C_PageSetupDialog(DWORD dwFlags = PSD_MARGINS, CWnd* pParentWnd = nullptr);

protected:
    BOOL OnInitDialog() override;

private:
    C_FlatButton m_btnOk;
    C_FlatButton m_btnCancel;
    C_FlatButton m_btnPrinter;
};

// A value rounded to a multiple of 10, a remainder of 5 or more away from
// zero.
int QivRoundToTens(int nValue);
// 1417 twips are 2500 hundredths of a millimetre and back.
RECT QivMarginsToHundredthsMm(const RECT& rcTwips);
RECT QivMarginsToTwips(const RECT& rcHundredthsMm);
