#include "DockTestSupport.h"

#include "framework/core/Module.h"
#include "toolkit/draw/SystemInfo.h"

CFixedDockBar::CFixedDockBar(UINT nId, CSize size, DWORD dwFlags) : m_context(this), m_size(size)
{
    SetBarID(nId);
    SetFlags(dwFlags);
}

CFixedDockBar::~CFixedDockBar()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CFixedDockBar::CreateIn(CWnd* pParent)
{
    RegisterBarWindowClass(AfxGetInstanceHandle(), "QivDockTestBar", 0);
    return CreateEx(0, "QivDockTestBar", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pParent, 0);
}

CSize CFixedDockBar::CalcDockingLayout(int /*nLength*/, DWORD dwMode, int /*nWidth*/)
{
    return (dwMode & 0x10) ? CSize(m_size.cy, m_size.cx) : m_size;
}

void CFixedDockBar::SetVisible(BOOL bVisible)
{
    m_bShown = bVisible;
    if (m_hWnd)
        ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
}

CXTPDockContext* CFixedDockBar::GetDockContext() const
{
    return const_cast<CXTPDockContext*>(&m_context);
}
