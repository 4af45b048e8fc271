// CProgressCtrl: a progress bar of the common-controls class
// "msctls_progress32".
#pragma once

#include "framework/ui/Wnd.h"

class CProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper);
    void SetRange32(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    // Each returns the previous position.
    int SetPos(int nPos);
    int OffsetPos(int nPos);
    int StepIt();
    int GetPos() const;
    // Returns the previous step.
    int SetStep(int nStep);
};
