#include "framework/ui/RichEditCtrl.h"

#include <vector>

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

namespace {

// One load attempt per library and process; the module stays loaded (the
// controls' window classes live in it).
BOOL LoadOnce(LPCSTR lpszLibrary, volatile LONG& state)
{
    // state: 0 not tried, 1 loaded, 2 failed.
    if (state == 0)
    {
        HMODULE hModule = ::LoadLibraryA(lpszLibrary);
        ::InterlockedCompareExchange(&state, hModule != nullptr ? 1 : 2, 0);
    }
    return state == 1;
}

volatile LONG g_richEdit1State = 0;
volatile LONG g_richEdit2State = 0;

} // namespace

BOOL AFXAPI AfxInitRichEdit()
{
    return LoadOnce("RICHED32.DLL", g_richEdit1State);
}

BOOL AFXAPI AfxInitRichEdit2()
{
    return LoadOnce("RICHED20.DLL", g_richEdit2State);
}

LPCSTR CRichEditCtrl::GetWindowClassName()
{
    if (AfxInitRichEdit2())
        return RICHEDIT_CLASSA;
    if (AfxInitRichEdit())
        return RICHEDIT_CLASS10A;
    return nullptr;
}

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCSTR lpszClass = GetWindowClassName();
    if (lpszClass == nullptr)
        return FALSE;
    return CWnd::Create(lpszClass, nullptr, dwStyle, rect, pParentWnd, nID);
}

// ---- text and selection ----------------------------------------------------

long CRichEditCtrl::GetTextLength() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<long>(::SendMessage(m_hWnd, WM_GETTEXTLENGTH, 0, 0));
}

void CRichEditCtrl::GetSel(CHARRANGE& cr) const
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const
{
    CHARRANGE cr = {0, 0};
    GetSel(cr);
    nStartChar = cr.cpMin;
    nEndChar = cr.cpMax;
}

void CRichEditCtrl::SetSel(const CHARRANGE& cr)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE cr = {nStartChar, nEndChar};
    SetSel(cr);
}

CString CRichEditCtrl::GetSelText() const
{
    ASSERT(::IsWindow(m_hWnd));
    CHARRANGE cr = {0, 0};
    GetSel(cr);
    if (cr.cpMax <= cr.cpMin)
        return CString();
    // A character of a double-byte code page takes two bytes.
    std::vector<char> buffer(static_cast<size_t>(cr.cpMax - cr.cpMin) * 2 + 1, '\0');
    ::SendMessage(m_hWnd, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()));
    return CString(buffer.data());
}

CString CRichEditCtrl::GetTextRange(long nFirst, long nLast) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (nLast < 0)
    {
        GETTEXTLENGTHEX length = { GTL_NUMCHARS | GTL_PRECISE, 1200 };
        nLast = static_cast<long>(::SendMessage(m_hWnd, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    }
    if (nLast <= nFirst)
        return CString();
    // A character of a double-byte code page takes two bytes.
    std::vector<char> buffer(static_cast<size_t>(nLast - nFirst) * 2 + 1, '\0');
    TEXTRANGEA range = { { nFirst, nLast }, buffer.data() };
    ::SendMessage(m_hWnd, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
    return CString(buffer.data());
}

WORD CRichEditCtrl::GetSelectionType() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<WORD>(::SendMessage(m_hWnd, EM_SELECTIONTYPE, 0, 0));
}

void CRichEditCtrl::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
}

void CRichEditCtrl::HideSelection(BOOL bHide, BOOL bPerm)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_HIDESELECTION, bHide, bPerm);
}

void CRichEditCtrl::LimitText(long nChars)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_EXLIMITTEXT, 0, nChars);
}

long CRichEditCtrl::GetLimitText() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<long>(::SendMessage(m_hWnd, EM_GETLIMITTEXT, 0, 0));
}

BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly)
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<BOOL>(::SendMessage(m_hWnd, EM_SETREADONLY, bReadOnly, 0));
}

int CRichEditCtrl::GetLineCount() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<int>(::SendMessage(m_hWnd, EM_GETLINECOUNT, 0, 0));
}

int CRichEditCtrl::LineIndex(int nLine) const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<int>(::SendMessage(m_hWnd, EM_LINEINDEX, nLine, 0));
}

int CRichEditCtrl::LineFromChar(long nIndex) const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<int>(::SendMessage(m_hWnd, EM_EXLINEFROMCHAR, 0, nIndex));
}

int CRichEditCtrl::LineLength(int nLine) const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<int>(::SendMessage(m_hWnd, EM_LINELENGTH, nLine, 0));
}

void CRichEditCtrl::LineScroll(int nLines, int nChars)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_LINESCROLL, nChars, nLines);
}

int CRichEditCtrl::GetFirstVisibleLine() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<int>(::SendMessage(m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0));
}

// ---- editing -----------------------------------------------------------------

BOOL CRichEditCtrl::CanUndo() const
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SendMessage(m_hWnd, EM_CANUNDO, 0, 0) != 0;
}

BOOL CRichEditCtrl::CanRedo() const
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SendMessage(m_hWnd, EM_CANREDO, 0, 0) != 0;
}

BOOL CRichEditCtrl::Undo()
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SendMessage(m_hWnd, EM_UNDO, 0, 0) != 0;
}

BOOL CRichEditCtrl::Redo()
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SendMessage(m_hWnd, EM_REDO, 0, 0) != 0;
}

void CRichEditCtrl::EmptyUndoBuffer()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_EMPTYUNDOBUFFER, 0, 0);
}

BOOL CRichEditCtrl::CanPaste(UINT nFormat) const
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SendMessage(m_hWnd, EM_CANPASTE, nFormat, 0) != 0;
}

void CRichEditCtrl::Clear()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_CLEAR, 0, 0);
}

void CRichEditCtrl::Copy()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_COPY, 0, 0);
}

void CRichEditCtrl::Cut()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_CUT, 0, 0);
}

void CRichEditCtrl::Paste()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_PASTE, 0, 0);
}

BOOL CRichEditCtrl::GetModify() const
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SendMessage(m_hWnd, EM_GETMODIFY, 0, 0) != 0;
}

void CRichEditCtrl::SetModify(BOOL bModified)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_SETMODIFY, bModified, 0);
}

// ---- formats -----------------------------------------------------------------
// The structure's size tells the control which version the caller fills in,
// so every call sets cbSize itself.

namespace {

template <class T>
DWORD GetFormat(HWND hWnd, UINT message, WPARAM wParam, T& format)
{
    ASSERT(::IsWindow(hWnd));
    format.cbSize = sizeof(T);
    return static_cast<DWORD>(::SendMessage(hWnd, message, wParam, reinterpret_cast<LPARAM>(&format)));
}

template <class T>
BOOL SetFormat(HWND hWnd, UINT message, WPARAM wParam, T& format)
{
    ASSERT(::IsWindow(hWnd));
    format.cbSize = sizeof(T);
    return ::SendMessage(hWnd, message, wParam, reinterpret_cast<LPARAM>(&format)) != 0;
}

} // namespace

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMATA& cf) const
{
    return GetFormat(m_hWnd, EM_GETCHARFORMAT, SCF_DEFAULT, cf);
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT2A& cf) const
{
    return GetFormat(m_hWnd, EM_GETCHARFORMAT, SCF_DEFAULT, cf);
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMATA& cf) const
{
    return GetFormat(m_hWnd, EM_GETCHARFORMAT, SCF_SELECTION, cf);
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT2A& cf) const
{
    return GetFormat(m_hWnd, EM_GETCHARFORMAT, SCF_SELECTION, cf);
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMATA& cf)
{
    return SetFormat(m_hWnd, EM_SETCHARFORMAT, SCF_DEFAULT, cf);
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT2A& cf)
{
    return SetFormat(m_hWnd, EM_SETCHARFORMAT, SCF_DEFAULT, cf);
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMATA& cf)
{
    return SetFormat(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION, cf);
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT2A& cf)
{
    return SetFormat(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION, cf);
}

BOOL CRichEditCtrl::SetWordCharFormat(CHARFORMAT2A& cf)
{
    return SetFormat(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, cf);
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& pf) const
{
    return GetFormat(m_hWnd, EM_GETPARAFORMAT, 0, pf);
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT2& pf) const
{
    return GetFormat(m_hWnd, EM_GETPARAFORMAT, 0, pf);
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& pf)
{
    return SetFormat(m_hWnd, EM_SETPARAFORMAT, 0, pf);
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT2& pf)
{
    return SetFormat(m_hWnd, EM_SETPARAFORMAT, 0, pf);
}

COLORREF CRichEditCtrl::SetBackgroundColor(BOOL bSysColor, COLORREF cr)
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<COLORREF>(::SendMessage(m_hWnd, EM_SETBKGNDCOLOR, bSysColor, cr));
}

DWORD CRichEditCtrl::GetEventMask() const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<DWORD>(::SendMessage(m_hWnd, EM_GETEVENTMASK, 0, 0));
}

DWORD CRichEditCtrl::SetEventMask(DWORD dwEventMask)
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<DWORD>(::SendMessage(m_hWnd, EM_SETEVENTMASK, 0, dwEventMask));
}

// ---- streams, printing, search -------------------------------------------------

long CRichEditCtrl::StreamIn(int nFormat, EDITSTREAM& es)
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<long>(::SendMessage(m_hWnd, EM_STREAMIN, nFormat, reinterpret_cast<LPARAM>(&es)));
}

long CRichEditCtrl::StreamOut(int nFormat, EDITSTREAM& es)
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<long>(::SendMessage(m_hWnd, EM_STREAMOUT, nFormat, reinterpret_cast<LPARAM>(&es)));
}

BOOL CRichEditCtrl::SetTargetDevice(HDC hDC, long lLineWidth)
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SendMessage(m_hWnd, EM_SETTARGETDEVICE, reinterpret_cast<WPARAM>(hDC), lLineWidth) != 0;
}

long CRichEditCtrl::FormatRange(FORMATRANGE* pfr, BOOL bDisplay)
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<long>(::SendMessage(m_hWnd, EM_FORMATRANGE, bDisplay, reinterpret_cast<LPARAM>(pfr)));
}

BOOL CRichEditCtrl::DisplayBand(LPRECT pDisplayRect)
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SendMessage(m_hWnd, EM_DISPLAYBAND, 0, reinterpret_cast<LPARAM>(pDisplayRect)) != 0;
}

long CRichEditCtrl::FindText(DWORD dwFlags, FINDTEXTEXA* pFindText) const
{
    ASSERT(::IsWindow(m_hWnd));
    return static_cast<long>(::SendMessage(m_hWnd, EM_FINDTEXTEX, dwFlags, reinterpret_cast<LPARAM>(pFindText)));
}

void CRichEditCtrl::RequestResize()
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, EM_REQUESTRESIZE, 0, 0);
}

// ---- embedded objects ------------------------------------------------------------

IRichEditOle* CRichEditCtrl::GetIRichEditOle() const
{
    ASSERT(::IsWindow(m_hWnd));
    IRichEditOle* pOle = nullptr;
    ::SendMessage(m_hWnd, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&pOle));
    return pOle;
}

BOOL CRichEditCtrl::SetOLECallback(IRichEditOleCallback* pCallback)
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SendMessage(m_hWnd, EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(pCallback)) != 0;
}
