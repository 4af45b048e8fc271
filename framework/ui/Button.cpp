#include "framework/ui/Button.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<UINT>(::SendMessage(m_hWnd, BM_GETSTATE, 0, 0));
}

void CButton::SetState(BOOL bHighlight)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, BM_SETSTATE, bHighlight, 0);
}

int CButton::GetCheck() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<int>(::SendMessage(m_hWnd, BM_GETCHECK, 0, 0));
}

void CButton::SetCheck(int nCheck)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, BM_SETCHECK, nCheck, 0);
}

UINT CButton::GetButtonStyle() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<UINT>(::GetWindowLong(m_hWnd, GWL_STYLE)) & 0xFF;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, BM_SETSTYLE, nStyle, bRedraw);
}

HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
    ASSERT(::IsWindow(m_hWnd));
    return reinterpret_cast<HBITMAP>(
        ::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CButton::GetBitmap() const
{
    ASSERT(::IsWindow(m_hWnd));
    return reinterpret_cast<HBITMAP>(::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0));
}

HICON CButton::SetIcon(HICON hIcon)
{
    ASSERT(::IsWindow(m_hWnd));
    return reinterpret_cast<HICON>(
        ::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CButton::GetIcon() const
{
    ASSERT(::IsWindow(m_hWnd));
    return reinterpret_cast<HICON>(::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0));
}

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}
