// CCtrlView: a view that is a system control (tree view, list view, rich
// edit): the view's window is created with the control's class, and the
// control paints itself.
#pragma once

#include "framework/ui/View.h"

class CCtrlView : public CView
{
    DECLARE_DYNAMIC(CCtrlView)
public:
    CCtrlView(LPCSTR lpszClass, DWORD dwStyle);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The control draws itself; printing asks the control to paint into
    // the printer's DC.
    void OnDraw(CDC* pDC) override;

protected:
    afx_msg void OnPaint();

    CString m_strClass;
    DWORD m_dwDefaultStyle;

    DECLARE_MESSAGE_MAP()
};
