#include "framework/ui/ComboBox.h"

#include "framework/ui/ControlMessage.h"

using afx_control::Ptr;
using afx_control::Send;

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const { return static_cast<int>(Send(m_hWnd, CB_GETCOUNT)); }

int CComboBox::AddString(LPCSTR lpszString)
{
    return static_cast<int>(Send(m_hWnd, CB_ADDSTRING, 0, Ptr(lpszString)));
}

int CComboBox::InsertString(int nIndex, LPCSTR lpszString)
{
    return static_cast<int>(Send(m_hWnd, CB_INSERTSTRING, nIndex, Ptr(lpszString)));
}

int CComboBox::DeleteString(UINT nIndex)
{
    return static_cast<int>(Send(m_hWnd, CB_DELETESTRING, nIndex));
}

void CComboBox::ResetContent() { Send(m_hWnd, CB_RESETCONTENT); }

int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const
{
    return static_cast<int>(Send(m_hWnd, CB_FINDSTRING, nStartAfter, Ptr(lpszString)));
}

int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    return static_cast<int>(Send(m_hWnd, CB_FINDSTRINGEXACT, nIndexStart, Ptr(lpszFind)));
}

int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString)
{
    return static_cast<int>(Send(m_hWnd, CB_SELECTSTRING, nStartAfter, Ptr(lpszString)));
}

int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const
{
    return static_cast<int>(Send(m_hWnd, CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(lpszText)));
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    const int nLength = GetLBTextLen(nIndex);
    if (nLength == CB_ERR)
    {
        rString.Empty();
        return;
    }
    const int nCopied = GetLBText(nIndex, rString.GetBuffer(nLength + 1));
    rString.ReleaseBuffer(nCopied == CB_ERR ? 0 : nCopied);
}

int CComboBox::GetLBTextLen(int nIndex) const
{
    return static_cast<int>(Send(m_hWnd, CB_GETLBTEXTLEN, nIndex));
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const
{
    return static_cast<DWORD_PTR>(Send(m_hWnd, CB_GETITEMDATA, nIndex));
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return static_cast<int>(Send(m_hWnd, CB_SETITEMDATA, nIndex, static_cast<LPARAM>(dwItemData)));
}

int CComboBox::GetItemHeight(int nIndex) const
{
    return static_cast<int>(Send(m_hWnd, CB_GETITEMHEIGHT, nIndex));
}

int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return static_cast<int>(Send(m_hWnd, CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0)));
}

int CComboBox::GetTopIndex() const { return static_cast<int>(Send(m_hWnd, CB_GETTOPINDEX)); }

int CComboBox::SetTopIndex(int nIndex)
{
    return static_cast<int>(Send(m_hWnd, CB_SETTOPINDEX, nIndex));
}

int CComboBox::GetCurSel() const { return static_cast<int>(Send(m_hWnd, CB_GETCURSEL)); }

int CComboBox::SetCurSel(int nSelect)
{
    return static_cast<int>(Send(m_hWnd, CB_SETCURSEL, nSelect));
}

DWORD CComboBox::GetEditSel() const
{
    return static_cast<DWORD>(Send(m_hWnd, CB_GETEDITSEL));
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
    return static_cast<BOOL>(Send(m_hWnd, CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar)));
}

BOOL CComboBox::LimitText(int nMaxChars)
{
    return static_cast<BOOL>(Send(m_hWnd, CB_LIMITTEXT, nMaxChars));
}

void CComboBox::Clear() { Send(m_hWnd, WM_CLEAR); }
void CComboBox::Copy() { Send(m_hWnd, WM_COPY); }
void CComboBox::Cut() { Send(m_hWnd, WM_CUT); }
void CComboBox::Paste() { Send(m_hWnd, WM_PASTE); }

void CComboBox::ShowDropDown(BOOL bShowIt) { Send(m_hWnd, CB_SHOWDROPDOWN, bShowIt); }

BOOL CComboBox::GetDroppedState() const
{
    return Send(m_hWnd, CB_GETDROPPEDSTATE) != 0;
}

void CComboBox::GetDroppedControlRect(LPRECT lprect) const
{
    Send(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect));
}

int CComboBox::GetDroppedWidth() const
{
    return static_cast<int>(Send(m_hWnd, CB_GETDROPPEDWIDTH));
}

int CComboBox::SetDroppedWidth(UINT nWidth)
{
    return static_cast<int>(Send(m_hWnd, CB_SETDROPPEDWIDTH, nWidth));
}

int CComboBox::SetExtendedUI(BOOL bExtended)
{
    return static_cast<int>(Send(m_hWnd, CB_SETEXTENDEDUI, bExtended));
}

BOOL CComboBox::GetExtendedUI() const
{
    return Send(m_hWnd, CB_GETEXTENDEDUI) != 0;
}
