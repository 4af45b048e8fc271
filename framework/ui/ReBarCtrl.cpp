#include "framework/ui/ReBarCtrl.h"

#include "framework/ui/ControlMessage.h"
#include "framework/ui/WndClass.h"

using afx_control::Send;

IMPLEMENT_DYNAMIC(CReBarCtrl, CWnd)

BOOL CReBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_COOL_REG))
        return FALSE;
    return CWnd::Create(REBARCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
}

UINT CReBarCtrl::GetBandCount() const
{
    return static_cast<UINT>(Send(m_hWnd, RB_GETBANDCOUNT));
}

BOOL CReBarCtrl::InsertBand(UINT uIndex, REBARBANDINFOA* prbbi)
{
    prbbi->cbSize = bandInfoSize;
    return Send(m_hWnd, RB_INSERTBANDA, uIndex, reinterpret_cast<LPARAM>(prbbi)) != 0;
}

BOOL CReBarCtrl::DeleteBand(UINT uBand)
{
    return Send(m_hWnd, RB_DELETEBAND, uBand) != 0;
}

BOOL CReBarCtrl::GetBandInfo(UINT uBand, REBARBANDINFOA* prbbi) const
{
    prbbi->cbSize = bandInfoSize;
    return Send(m_hWnd, RB_GETBANDINFOA, uBand, reinterpret_cast<LPARAM>(prbbi)) != 0;
}

BOOL CReBarCtrl::SetBandInfo(UINT uBand, REBARBANDINFOA* prbbi)
{
    prbbi->cbSize = bandInfoSize;
    return Send(m_hWnd, RB_SETBANDINFOA, uBand, reinterpret_cast<LPARAM>(prbbi)) != 0;
}

BOOL CReBarCtrl::ShowBand(UINT uBand, BOOL fShow)
{
    return Send(m_hWnd, RB_SHOWBAND, uBand, fShow) != 0;
}

int CReBarCtrl::IDToIndex(UINT uBandID) const
{
    return static_cast<int>(Send(m_hWnd, RB_IDTOINDEX, uBandID));
}

BOOL CReBarCtrl::GetRect(UINT uBand, LPRECT prc) const
{
    return Send(m_hWnd, RB_GETRECT, uBand, reinterpret_cast<LPARAM>(prc)) != 0;
}

void CReBarCtrl::MinimizeBand(UINT uBand)
{
    Send(m_hWnd, RB_MINIMIZEBAND, uBand);
}

void CReBarCtrl::MaximizeBand(UINT uBand)
{
    Send(m_hWnd, RB_MAXIMIZEBAND, uBand);
}

UINT CReBarCtrl::GetBarHeight() const
{
    return static_cast<UINT>(Send(m_hWnd, RB_GETBARHEIGHT));
}

UINT CReBarCtrl::GetRowCount() const
{
    return static_cast<UINT>(Send(m_hWnd, RB_GETROWCOUNT));
}

UINT CReBarCtrl::GetRowHeight(UINT uRow) const
{
    return static_cast<UINT>(Send(m_hWnd, RB_GETROWHEIGHT, uRow));
}

BOOL CReBarCtrl::SizeToRect(CRect& rect)
{
    return Send(m_hWnd, RB_SIZETORECT, 0, reinterpret_cast<LPARAM>(static_cast<LPRECT>(rect))) != 0;
}
