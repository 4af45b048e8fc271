#include "framework/ui/SpinButtonCtrl.h"

#include "framework/ui/ControlMessage.h"
#include "framework/ui/WndClass.h"

using afx_control::Send;

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_UPDOWN_REG))
        return FALSE;
    return CWnd::Create(UPDOWN_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    HWND hBuddy = pWndBuddy != nullptr ? pWndBuddy->m_hWnd : nullptr;
    HWND hPrevious = reinterpret_cast<HWND>(Send(m_hWnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hBuddy)));
    return CWnd::FromHandle(hPrevious);
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    return CWnd::FromHandle(reinterpret_cast<HWND>(Send(m_hWnd, UDM_GETBUDDY)));
}

int CSpinButtonCtrl::SetBase(int nBase)
{
    return static_cast<int>(Send(m_hWnd, UDM_SETBASE, nBase));
}

UINT CSpinButtonCtrl::GetBase() const
{
    return static_cast<UINT>(Send(m_hWnd, UDM_GETBASE));
}

BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel)
{
    return Send(m_hWnd, UDM_SETACCEL, nAccel, reinterpret_cast<LPARAM>(pAccel)) != 0;
}

UINT CSpinButtonCtrl::GetAccel(int nAccel, UDACCEL* pAccel) const
{
    return static_cast<UINT>(Send(m_hWnd, UDM_GETACCEL, nAccel, reinterpret_cast<LPARAM>(pAccel)));
}

void CSpinButtonCtrl::SetRange(short nLower, short nUpper)
{
    Send(m_hWnd, UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
}

void CSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const
{
    const DWORD dwRange = static_cast<DWORD>(Send(m_hWnd, UDM_GETRANGE));
    nLower = static_cast<short>(HIWORD(dwRange));
    nUpper = static_cast<short>(LOWORD(dwRange));
}

int CSpinButtonCtrl::SetPos(int nPos)
{
    return static_cast<short>(LOWORD(Send(m_hWnd, UDM_SETPOS, 0, MAKELPARAM(nPos, 0))));
}

int CSpinButtonCtrl::GetPos() const
{
    // The high word flags an error; the low word is the position.
    return static_cast<short>(LOWORD(Send(m_hWnd, UDM_GETPOS)));
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper)
{
    Send(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
}

void CSpinButtonCtrl::GetRange32(int& nLower, int& nUpper) const
{
    Send(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&nLower), reinterpret_cast<LPARAM>(&nUpper));
}

int CSpinButtonCtrl::SetPos32(int nPos)
{
    return static_cast<int>(Send(m_hWnd, UDM_SETPOS32, 0, nPos));
}

int CSpinButtonCtrl::GetPos32(LPBOOL lpbError) const
{
    return static_cast<int>(Send(m_hWnd, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(lpbError)));
}
