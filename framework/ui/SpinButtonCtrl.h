// CSpinButtonCtrl: an up-down control of the common-controls class
// "msctls_updown32". Its parent learns of a step through UDN_DELTAPOS.
#pragma once

#include "framework/ui/Wnd.h"

class CSpinButtonCtrl : public CWnd
{
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Returns the previous buddy window (a temporary wrapper).
    CWnd* SetBuddy(CWnd* pWndBuddy);
    CWnd* GetBuddy() const;
    int SetBase(int nBase);
    UINT GetBase() const;
    BOOL SetAccel(int nAccel, UDACCEL* pAccel);
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const;

    // 16-bit range and position.
    void SetRange(short nLower, short nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    // Returns the previous position.
    int SetPos(int nPos);
    // The position; a buddy whose text is no number gives the last valid one.
    int GetPos() const;

    // 32-bit range and position.
    void SetRange32(int nLower, int nUpper);
    void GetRange32(int& nLower, int& nUpper) const;
    int SetPos32(int nPos);
    int GetPos32(LPBOOL lpbError = nullptr) const;
};
