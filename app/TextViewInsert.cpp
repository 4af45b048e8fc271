// What the text view inserts and opens: the date and time from the
// locale's formats, and the address under a double-click.
#include "app/TextView.h"

#include "app/DateTimeMenu.h"
#include "app/Settings.h"
#include "toolkit/extras/Hyperlink.h"

#include <algorithm>
#include <vector>

namespace {

bool IsSeparator(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\0';
}

bool StartsWithNoCase(const CString& str, LPCSTR lpszPrefix)
{
    const int nLength = lstrlenA(lpszPrefix);
    return str.GetLength() >= nLength && _strnicmp(str, lpszPrefix, static_cast<size_t>(nLength)) == 0;
}

} // namespace

// ---- date and time --------------------------------------------------------

void CQivTextView::OnDateTimeMenu()
{
    CQivDateTimeMenu& dateMenu = QivDateTimeMenu();
    if (!dateMenu.Build())
        return;
    const int nDefault = QivSettings::Get(QivSettings::DateTimeFormat);
    // A stored position the menu does not have marks no item.
    if (nDefault >= 0 && nDefault < dateMenu.GetItemCount())
        dateMenu.GetMenu().SetDefaultItem(static_cast<UINT>(nDefault), TRUE);
    CPoint point;
    ::GetCursorPos(&point);
    dateMenu.GetMenu().TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CQivTextView::OnDateTimeNow()
{
    InsertDateTimeNow();
}

void CQivTextView::InsertDateTimeNow()
{
    if (!QivDateTimeMenu().Build())
        return;
    const int nDefault = QivSettings::Get(QivSettings::DateTimeFormat);
    if (nDefault >= 0 && nDefault <= static_cast<int>(kLastDateTimeCommand - kFirstDateTimeCommand))
        InsertDateTimeItem(kFirstDateTimeCommand + static_cast<UINT>(nDefault));
}

void CQivTextView::OnDateTimeItem(UINT nID)
{
    InsertDateTimeItem(nID);
}

void CQivTextView::InsertDateTimeItem(UINT nID)
{
    CString strText;
    if (!QivDateTimeMenu().GetCommandText(nID, strText))
        return;
    GetRichEditCtrl().ReplaceSel(strText, FALSE);
    QivSettings::Set(QivSettings::DateTimeFormat, static_cast<int>(nID - kFirstDateTimeCommand));
}

// ---- links ----------------------------------------------------------------

void CQivTextView::OnLButtonDblClk(UINT, CPoint)
{
    // The control selects the word first.
    Default();
    FollowLinkAtSelection();
}

CString CQivTextView::LinkOfWord(const CString& strWord)
{
    if (StartsWithNoCase(strWord, "http://") || StartsWithNoCase(strWord, "mailto:"))
        return strWord;
    if (StartsWithNoCase(strWord, "www."))
        return "http://" + strWord;
    if (strWord.Find('@') >= 0)
        return "mailto:" + strWord;
    return CString();
}

BOOL CQivTextView::FollowLinkAtSelection()
{
    CRichEditCtrl& ctrl = GetRichEditCtrl();
    if (ctrl.GetSelectionType() & SEL_OBJECT)
        return FALSE;
    CHARRANGE sel;
    ctrl.GetSel(sel);
    if (ctrl.LineFromChar(sel.cpMax) != ctrl.LineFromChar(sel.cpMin))
        return FALSE;

    // The word may run past the end of the shown line (a long address
    // wraps): it is looked for in the whole text, however long.
    const long nTextLength = GetTextLength();
    std::vector<char> text(static_cast<size_t>(nTextLength) + 1, '\0');
    TEXTRANGEA range = { { 0, nTextLength }, text.data() };
    ::SendMessage(ctrl.m_hWnd, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));

    long nStart = std::min(std::max(sel.cpMin, 0L), nTextLength);
    long nEnd = std::min(std::max(sel.cpMax, nStart), nTextLength);
    // The control's word selection takes the blank after a word along.
    while (nEnd > nStart && IsSeparator(text[static_cast<size_t>(nEnd - 1)]))
        --nEnd;
    while (nStart > 0 && !IsSeparator(text[static_cast<size_t>(nStart - 1)]))
        --nStart;
    while (nEnd < nTextLength && !IsSeparator(text[static_cast<size_t>(nEnd)]))
        ++nEnd;
    if (nEnd <= nStart)
        return FALSE;

    const CString strWord(text.data() + nStart, static_cast<int>(nEnd - nStart));
    const CString strLink = LinkOfWord(strWord);
    if (strLink.IsEmpty())
        return FALSE;
    ctrl.SetSel(nStart, nEnd);
    CXTHyperLink opener;
    opener.OpenLink(strLink, SW_SHOW);
    return TRUE;
}
