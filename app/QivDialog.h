// What the program's small dialogs share: OK, Cancel and Help drawn as
// flat buttons with their pictures, a click on the background drags the
// dialog like its caption, the end of a move or resize plays "ToolbarDrop",
// and a help request on a control shows the context help pop-up its table
// names (other controls take the default handling).
#pragma once

#include "app/FlatButton.h"
#include "framework/ui/Dialog.h"

#include <stddef.h>

struct QIV_HELP_ID
{
    UINT nControl;
    DWORD dwContext;
};

class CQivDialog : public CDialog
{
public:
    CQivDialog(UINT nIDTemplate, CWnd* pParentWnd);

    // The context help id of a control, 0 when it has none.
    DWORD GetHelpContext(UINT nControl) const;

protected:
    // Makes OK, Cancel and Help flat buttons; the Cancel picture of some
    // dialogs is 15 pixels wide.
    void AttachCommonButtons(int nCancelImageWidth = 16);

    template <size_t N>
    void SetHelpContexts(const QIV_HELP_ID (&ids)[N])
    {
        m_pHelpIds = ids;
        m_nHelpIds = N;
    }

    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnExitSizeMove(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    C_FlatButton m_btnOk;
    C_FlatButton m_btnCancel;
    C_FlatButton m_btnHelp;
    const QIV_HELP_ID* m_pHelpIds = nullptr;
    size_t m_nHelpIds = 0;
};
