#include "framework/ui/ProgressCtrl.h"

#include "framework/ui/ControlMessage.h"
#include "framework/ui/WndClass.h"

using afx_control::Send;

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_PROGRESS_REG))
        return FALSE;
    return CWnd::Create(PROGRESS_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::SetRange(short nLower, short nUpper)
{
    Send(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}

void CProgressCtrl::SetRange32(int nLower, int nUpper)
{
    Send(m_hWnd, PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const
{
    PBRANGE range = {0, 0};
    Send(m_hWnd, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    nLower = range.iLow;
    nUpper = range.iHigh;
}

int CProgressCtrl::SetPos(int nPos)
{
    return static_cast<int>(Send(m_hWnd, PBM_SETPOS, nPos));
}

int CProgressCtrl::OffsetPos(int nPos)
{
    return static_cast<int>(Send(m_hWnd, PBM_DELTAPOS, nPos));
}

int CProgressCtrl::StepIt()
{
    return static_cast<int>(Send(m_hWnd, PBM_STEPIT));
}

int CProgressCtrl::GetPos() const
{
    return static_cast<int>(Send(m_hWnd, PBM_GETPOS));
}

int CProgressCtrl::SetStep(int nStep)
{
    return static_cast<int>(Send(m_hWnd, PBM_SETSTEP, nStep));
}
