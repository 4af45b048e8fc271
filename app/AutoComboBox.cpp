#include "app/AutoComboBox.h"

BEGIN_MESSAGE_MAP(C_AutoComboBox, CComboBox)
    ON_CONTROL_REFLECT(CBN_EDITUPDATE, OnEditUpdate)
END_MESSAGE_MAP()

BOOL C_AutoComboBox::PreTranslateMessage(MSG* pMsg)
{
    // The keys reach the combo box's edit field; they pass here first.
    if (pMsg->message == WM_KEYDOWN)
        m_bComplete = pMsg->wParam != VK_BACK && pMsg->wParam != VK_DELETE;
    return CComboBox::PreTranslateMessage(pMsg);
}

void C_AutoComboBox::OnEditUpdate()
{
    if (!m_bComplete)
        return;
    CString strTyped;
    GetWindowText(strTyped);
    if (strTyped.IsEmpty())
        return;
    int nFound = FindString(-1, strTyped);
    if (nFound == CB_ERR)
        return;
    SetCurSel(nFound);
    SetEditSel(strTyped.GetLength(), -1);
}
