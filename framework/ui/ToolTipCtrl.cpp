#include "framework/ui/ToolTipCtrl.h"

#include "framework/core/Module.h"
#include "framework/ui/ControlMessage.h"
#include "framework/ui/WndClass.h"

#include <cstring>
#include <vector>

using afx_control::Send;

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_BAR_REG))
        return FALSE;
    HWND hWndParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
    const BOOL bResult = CWnd::CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                        CW_USEDEFAULT, hWndParent, nullptr);
    if (bResult)
        SetOwner(pParentWnd);
    return bResult;
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool)
{
    memset(&ti, 0, sizeof(ti));
    ti.cbSize = toolInfoSize;
    HWND hWnd = pWnd->m_hWnd;
    if (nIDTool == 0)
    {
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(hWnd);
    }
    else
    {
        ti.hwnd = hWnd;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    ASSERT(::IsWindow(m_hWnd) && pWnd != nullptr);
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != nullptr)
        ti.rect = *lpRectTool;
    ti.hinst = AfxGetResourceHandle();
    ti.lpszText = const_cast<LPSTR>(lpszText);
    return Send(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)) != 0;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    ASSERT(nIDText != 0);
    // The tooltip keeps its own copy of the text.
    CString strText;
    strText.LoadString(nIDText);
    return AddTool(pWnd, strText, lpRectTool, nIDTool);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    ASSERT(::IsWindow(m_hWnd) && pWnd != nullptr);
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    Send(m_hWnd, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    ASSERT(::IsWindow(m_hWnd) && pWnd != nullptr);
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    Send(m_hWnd, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    ASSERT(::IsWindow(m_hWnd) && pWnd != nullptr);
    // TTM_GETTEXT takes no buffer size; the controls copy at most 1024
    // bytes (a tip's longest text).
    std::vector<char> buffer(1024, '\0');
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = buffer.data();
    Send(m_hWnd, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    buffer.back() = '\0';
    str = buffer.data();
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    ASSERT(::IsWindow(m_hWnd) && pWnd != nullptr && nIDTool != 0);
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    Send(m_hWnd, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}

int CToolTipCtrl::GetToolCount() const
{
    return static_cast<int>(Send(m_hWnd, TTM_GETTOOLCOUNT));
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
    Send(m_hWnd, TTM_ACTIVATE, bActivate);
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
    Send(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
}

void CToolTipCtrl::Pop()
{
    Send(m_hWnd, TTM_POP);
}

int CToolTipCtrl::SetMaxTipWidth(int iWidth)
{
    return static_cast<int>(Send(m_hWnd, TTM_SETMAXTIPWIDTH, 0, iWidth));
}

void CToolTipCtrl::SetDelayTime(UINT nDelay)
{
    Send(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOMATIC, nDelay);
}

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
    Send(m_hWnd, TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}

int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const
{
    return static_cast<int>(Send(m_hWnd, TTM_GETDELAYTIME, dwDuration));
}
