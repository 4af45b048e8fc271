#include "app/PageSetupDialog.h"

#include "app/res/resource.h"

C_PageSetupDialog::C_PageSetupDialog(DWORD dwFlags, CWnd* pParentWnd)
    : CPageSetupDialog(dwFlags, pParentWnd)
{
}

BOOL C_PageSetupDialog::OnInitDialog()
{
    CPageSetupDialog::OnInitDialog();
    m_btnOk.Attach(this, IDOK, IDB_BUTTON_OK);
    m_btnCancel.Attach(this, IDCANCEL, IDB_BUTTON_CANCEL);
    m_btnPrinter.Attach(this, IDC_PAGESETUP_PRINTER, IDB_BUTTON_PRINTER);
    // OK 10 pixels to the left; Cancel 10 pixels wider to the left.
    struct { int nID; int nMoveLeft; int nMoveRight; } const moves[] = {
        { IDOK, -10, -10 },
        { IDCANCEL, -10, 0 },
    };
    for (const auto& move : moves) {
        HWND hButton = ::GetDlgItem(m_hWnd, move.nID);
        if (!hButton)
            continue;
        RECT rc;
        ::GetWindowRect(hButton, &rc);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        ::MoveWindow(hButton, rc.left + move.nMoveLeft, rc.top,
                     rc.right + move.nMoveRight - (rc.left + move.nMoveLeft), rc.bottom - rc.top, TRUE);
    }
    return TRUE;
}

int QivRoundToTens(int nValue)
{
    int nRemainder = nValue % 10;
    if (nRemainder >= 5)
        return nValue + 10 - nRemainder;
    if (nRemainder <= -5)
        return nValue - 10 - nRemainder;
    return nValue - nRemainder;
}

RECT QivMarginsToHundredthsMm(const RECT& rcTwips)
{
    auto convert = [](LONG v) { return static_cast<LONG>(QivRoundToTens(::MulDiv(v, 2540, 1440))); };
    return { convert(rcTwips.left), convert(rcTwips.top), convert(rcTwips.right), convert(rcTwips.bottom) };
}

RECT QivMarginsToTwips(const RECT& rcHundredthsMm)
{
    auto convert = [](LONG v) { return static_cast<LONG>(::MulDiv(QivRoundToTens(v), 1440, 2540)); };
    return { convert(rcHundredthsMm.left), convert(rcHundredthsMm.top),
             convert(rcHundredthsMm.right), convert(rcHundredthsMm.bottom) };
}
