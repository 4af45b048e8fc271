#include "framework/ui/ListBox.h"

#include "framework/ui/ControlMessage.h"

using afx_control::Ptr;
using afx_control::Send;

IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const { return static_cast<int>(Send(m_hWnd, LB_GETCOUNT)); }

int CListBox::AddString(LPCSTR lpszItem)
{
    return static_cast<int>(Send(m_hWnd, LB_ADDSTRING, 0, Ptr(lpszItem)));
}

int CListBox::InsertString(int nIndex, LPCSTR lpszItem)
{
    return static_cast<int>(Send(m_hWnd, LB_INSERTSTRING, nIndex, Ptr(lpszItem)));
}

int CListBox::DeleteString(UINT nIndex)
{
    return static_cast<int>(Send(m_hWnd, LB_DELETESTRING, nIndex));
}

void CListBox::ResetContent() { Send(m_hWnd, LB_RESETCONTENT); }

int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const
{
    return static_cast<int>(Send(m_hWnd, LB_FINDSTRING, nStartAfter, Ptr(lpszItem)));
}

int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return static_cast<int>(Send(m_hWnd, LB_FINDSTRINGEXACT, nIndexStart, Ptr(lpszFind)));
}

int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem)
{
    return static_cast<int>(Send(m_hWnd, LB_SELECTSTRING, nStartAfter, Ptr(lpszItem)));
}

int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const
{
    return static_cast<int>(Send(m_hWnd, LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(lpszBuffer)));
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    const int nLength = GetTextLen(nIndex);
    if (nLength == LB_ERR)
    {
        rString.Empty();
        return;
    }
    const int nCopied = GetText(nIndex, rString.GetBuffer(nLength + 1));
    rString.ReleaseBuffer(nCopied == LB_ERR ? 0 : nCopied);
}

int CListBox::GetTextLen(int nIndex) const
{
    return static_cast<int>(Send(m_hWnd, LB_GETTEXTLEN, nIndex));
}

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    return static_cast<DWORD_PTR>(Send(m_hWnd, LB_GETITEMDATA, nIndex));
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return static_cast<int>(Send(m_hWnd, LB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData)));
}

int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return static_cast<int>(Send(m_hWnd, LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect)));
}

int CListBox::GetItemHeight(int nIndex) const
{
    return static_cast<int>(Send(m_hWnd, LB_GETITEMHEIGHT, nIndex));
}

int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return static_cast<int>(Send(m_hWnd, LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0)));
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    const DWORD dw = static_cast<DWORD>(Send(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
    bOutside = HIWORD(dw) != 0;
    return LOWORD(dw);
}

int CListBox::GetTopIndex() const { return static_cast<int>(Send(m_hWnd, LB_GETTOPINDEX)); }

int CListBox::SetTopIndex(int nIndex)
{
    return static_cast<int>(Send(m_hWnd, LB_SETTOPINDEX, nIndex));
}

void CListBox::SetHorizontalExtent(int cxExtent) { Send(m_hWnd, LB_SETHORIZONTALEXTENT, cxExtent); }

int CListBox::GetCurSel() const { return static_cast<int>(Send(m_hWnd, LB_GETCURSEL)); }

int CListBox::SetCurSel(int nSelect)
{
    return static_cast<int>(Send(m_hWnd, LB_SETCURSEL, nSelect));
}

int CListBox::GetSel(int nIndex) const
{
    return static_cast<int>(Send(m_hWnd, LB_GETSEL, nIndex));
}

int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    return static_cast<int>(Send(m_hWnd, LB_SETSEL, bSelect, nIndex));
}

int CListBox::GetSelCount() const { return static_cast<int>(Send(m_hWnd, LB_GETSELCOUNT)); }

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    return static_cast<int>(Send(m_hWnd, LB_GETSELITEMS, nMaxItems, reinterpret_cast<LPARAM>(rgIndex)));
}

int CListBox::GetCaretIndex() const { return static_cast<int>(Send(m_hWnd, LB_GETCARETINDEX)); }

int CListBox::SetCaretIndex(int nIndex, BOOL bScroll)
{
    return static_cast<int>(Send(m_hWnd, LB_SETCARETINDEX, nIndex, MAKELONG(bScroll, 0)));
}
