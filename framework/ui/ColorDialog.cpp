#include "framework/ui/ColorDialog.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    for (COLORREF& clr : m_clrCustom)
        clr = RGB(255, 255, 255);
    memset(&m_cc, 0, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.rgbResult = clrInit;
    m_cc.lpCustColors = m_clrCustom;
    m_cc.Flags = dwFlags | CC_RGBINIT | CC_ENABLEHOOK;
    m_cc.lpfnHook = HookProc;
}

INT_PTR CColorDialog::DoModal()
{
    AFX_COMMONDIALOG_ANSWER answer;
    answer.color = m_cc.rgbResult;
    int nResult = IDCANCEL;
    if (AskSeam(CommonDialogKind::color, "", "", m_cc.Flags, answer, &nResult))
    {
        if (nResult == IDOK)
            m_cc.rgbResult = answer.color;
        return nResult;
    }

    HWND hWndTop = nullptr;
    m_cc.hwndOwner = PreModal(TRUE, &hWndTop);
    const BOOL bResult = ::ChooseColorA(&m_cc);
    PostModal(hWndTop);
    return bResult ? IDOK : IDCANCEL;
}

COLORREF CColorDialog::GetColor() const
{
    return m_cc.rgbResult;
}
