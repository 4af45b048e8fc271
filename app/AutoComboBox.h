// A drop-down combo box that completes what is typed from its list: the
// first string beginning with the typed text (case ignored) fills the edit
// field, the completed part selected so that typing on replaces it. After
// Backspace or Delete the next change is left as typed.
#pragma once

#include "framework/ui/ComboBox.h"

class C_AutoComboBox : public CComboBox
{
public:
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnEditUpdate();
    DECLARE_MESSAGE_MAP()

private:
    BYTE m_bComplete = 0;
};
