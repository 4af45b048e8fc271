#include "framework/ui/Edit.h"

#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

DWORD CEdit::GetSel() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<DWORD>(::SendMessage(m_hWnd, EM_GETSEL, 0, 0));
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    ASSERT(::IsWindow(m_hWnd));
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    ::SendMessage(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                  reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SetSel(static_cast<int>(static_cast<short>(LOWORD(dwSelection))),
           static_cast<int>(static_cast<short>(HIWORD(dwSelection))), bNoScroll);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll)
        ::SendMessage(m_hWnd, EM_SCROLLCARET, 0, 0);
}

void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
}

void CEdit::Clear()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_CLEAR, 0, 0);
}

void CEdit::Copy()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_COPY, 0, 0);
}

void CEdit::Cut()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_CUT, 0, 0);
}

void CEdit::Paste()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_PASTE, 0, 0);
}

BOOL CEdit::Undo()
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<BOOL>(::SendMessage(m_hWnd, EM_UNDO, 0, 0));
}

BOOL CEdit::CanUndo() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<BOOL>(::SendMessage(m_hWnd, EM_CANUNDO, 0, 0));
}

void CEdit::EmptyUndoBuffer()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0);
}

BOOL CEdit::GetModify() const
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SendMessage(m_hWnd, EM_GETMODIFY, 0, 0) != 0;
}

void CEdit::SetModify(BOOL bModified)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETMODIFY, bModified, 0);
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<BOOL>(::SendMessage(m_hWnd, EM_SETREADONLY, bReadOnly, 0));
}

void CEdit::LimitText(int nChars)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_LIMITTEXT, nChars, 0);
}

void CEdit::SetLimitText(UINT nMax)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETLIMITTEXT, nMax, 0);
}

UINT CEdit::GetLimitText() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<UINT>(::SendMessage(m_hWnd, EM_GETLIMITTEXT, 0, 0));
}

void CEdit::SetPasswordChar(char ch)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETPASSWORDCHAR, static_cast<BYTE>(ch), 0);
}

void CEdit::SetMargins(UINT nLeft, UINT nRight)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
}

void CEdit::GetRect(LPRECT lpRect) const
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(lpRect));
}

int CEdit::GetLineCount() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<int>(::SendMessage(m_hWnd, EM_GETLINECOUNT, 0, 0));
}

int CEdit::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (lpszBuffer == nullptr || nMaxLength <= 0)
        return 0;
    // EM_GETLINE reads its buffer size from the buffer's first word and does
    // not terminate the text: read into a buffer of our own of the line's
    // full length, then copy what fits.
    const int nLineStart = LineIndex(nIndex);
    if (nLineStart < 0)
    {
        lpszBuffer[0] = '\0';
        return 0;
    }
    const int nLength = LineLength(nLineStart);
    std::vector<char> buffer(static_cast<size_t>(nLength) + sizeof(WORD) + 1, '\0');
    *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(nLength + 1);
    int nCopied = static_cast<int>(::SendMessage(m_hWnd, EM_GETLINE, nIndex,
                                                 reinterpret_cast<LPARAM>(buffer.data())));
    if (nCopied > nMaxLength - 1)
        nCopied = nMaxLength - 1;
    memcpy(lpszBuffer, buffer.data(), static_cast<size_t>(nCopied));
    lpszBuffer[nCopied] = '\0';
    return nCopied;
}

int CEdit::LineIndex(int nLine) const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<int>(::SendMessage(m_hWnd, EM_LINEINDEX, nLine, 0));
}

int CEdit::LineFromChar(int nIndex) const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<int>(::SendMessage(m_hWnd, EM_LINEFROMCHAR, nIndex, 0));
}

int CEdit::LineLength(int nLine) const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<int>(::SendMessage(m_hWnd, EM_LINELENGTH, nLine, 0));
}

void CEdit::LineScroll(int nLines, int nChars)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_LINESCROLL, nChars, nLines);
}

int CEdit::GetFirstVisibleLine() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<int>(::SendMessage(m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0));
}
