// The exchange routines and CWnd::UpdateData, which drives them.
#include "framework/ui/DataExchange.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/Wnd.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <type_traits>

namespace {

// The texts the user sees when a value does not validate.
const char szNeedInteger[] = "Bitte geben Sie eine ganze Zahl ein.";
const char szNeedUnsigned[] = "Bitte geben Sie eine nicht negative ganze Zahl ein.";
const char szNeedRange[] = "Bitte geben Sie eine ganze Zahl zwischen %s und %s ein.";
const char szTooLong[] = "Bitte geben Sie höchstens %d Zeichen ein.";

bool IsComboBox(HWND hWnd)
{
    char szClass[16];
    return ::GetClassNameA(hWnd, szClass, sizeof(szClass)) > 0
           && lstrcmpiA(szClass, "ComboBox") == 0;
}

CString GetText(HWND hWnd)
{
    CString str;
    const int nLength = ::GetWindowTextLengthA(hWnd);
    if (nLength > 0)
    {
        const int nCopied = ::GetWindowTextA(hWnd, str.GetBuffer(nLength + 1), nLength + 1);
        str.ReleaseBuffer(nCopied);
    }
    return str;
}

// Sets the text only when it differs: no flicker and no change
// notification for an unchanged value.
void SetText(HWND hWnd, LPCSTR lpszText)
{
    if (GetText(hWnd) != lpszText)
        ::SetWindowTextA(hWnd, lpszText);
}

// Reads a whole number in [minVal, maxVal], with white space allowed
// around it; false for anything else (also for values out of range).
bool ParseInteger(const CString& text, long long minVal, long long maxVal, bool bUnsigned,
                  long long& result)
{
    LPCSTR p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (bUnsigned && *p == '-')
        return false;
    char* pEnd = nullptr;
    errno = 0;
    const long long value = strtoll(p, &pEnd, 10);
    if (pEnd == p || errno == ERANGE)
        return false;
    while (*pEnd == ' ' || *pEnd == '\t')
        ++pEnd;
    if (*pEnd != '\0' || value < minVal || value > maxVal)
        return false;
    result = value;
    return true;
}

// A value of one of the 32-bit types as decimal text.
template <class T>
CString FormatInteger(T value)
{
    static_assert(sizeof(T) == 4, "32-bit values only");
    CString str;
    if constexpr (std::is_signed<T>::value)
        str.Format("%ld", static_cast<long>(value));
    else
        str.Format("%lu", static_cast<unsigned long>(value));
    return str;
}

template <class T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, LPCSTR lpszMessage)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate)
    {
        SetText(hWndCtrl, FormatInteger(value));
        return;
    }
    long long parsed = 0;
    if (!ParseInteger(GetText(hWndCtrl), std::numeric_limits<T>::min(),
                      std::numeric_limits<T>::max(), !std::is_signed<T>::value, parsed))
    {
        AfxMessageBox(lpszMessage, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    value = static_cast<T>(parsed);
}

template <class T>
void ValidateRange(CDataExchange* pDX, T value, T minVal, T maxVal)
{
    ASSERT(minVal <= maxVal);
    if (!pDX->m_bSaveAndValidate || (minVal <= value && value <= maxVal))
        return;
    CString strMessage;
    strMessage.Format(szNeedRange, FormatInteger(minVal).GetString(),
                      FormatInteger(maxVal).GetString());
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
    pDX->Fail();
}

} // namespace

// ---- CDataExchange -------------------------------------------------------------

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
    ASSERT(pDlgWnd != nullptr);
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    ASSERT(nIDC != 0 && nIDC != -1);
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    // A control the dialog lacks is a fault of the program, not of the
    // user's input: UpdateData reports it.
    if (hWndCtrl == nullptr)
        AfxThrowNotSupportedException();
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr)
    {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
        {
            if (IsComboBox(m_hWndLastControl))
                ::SendMessageA(m_hWndLastControl, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
            else
                ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
        }
    }
    AfxThrowUserException();
}

// ---- CWnd's side ---------------------------------------------------------------

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    ASSERT(::IsWindow(m_hWnd));
    CDataExchange dx(this, bSaveAndValidate);
    try
    {
        DoDataExchange(&dx);
        return TRUE;
    }
    catch (CException* e)
    {
        // A failed validation has told the user already; anything else is
        // reported here.
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
            e->ReportError(MB_ICONSTOP);
        e->Delete();
        return FALSE;
    }
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

// ---- exchange --------------------------------------------------------------------

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = GetText(hWndCtrl);
    else
        SetText(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeInteger(pDX, nIDC, value, szNeedInteger);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeInteger(pDX, nIDC, value, szNeedUnsigned);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeInteger(pDX, nIDC, value, szNeedInteger);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeInteger(pDX, nIDC, value, szNeedUnsigned);
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
        return;
    }
    ASSERT(value >= 0 && value <= 2);
    if (value < 0 || value > 2)
        value = 0;
    ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    ASSERT(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int nButton = 0;
    do
    {
        if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
        {
            if (pDX->m_bSaveAndValidate)
            {
                if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != BST_UNCHECKED)
                    value = nButton;
            }
            else
            {
                ::SendMessageA(hWndCtrl, BM_SETCHECK, nButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++nButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != nullptr && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    const bool bDropList = (::GetWindowLongA(hWndCtrl, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST;
    if (pDX->m_bSaveAndValidate)
    {
        if (!bDropList)
        {
            value = GetText(hWndCtrl);
            return;
        }
        // A drop-down list has no edit field: its text is the selection's.
        value.Empty();
        const int nSel = static_cast<int>(::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0));
        const int nLength = nSel == CB_ERR ? CB_ERR
            : static_cast<int>(::SendMessageA(hWndCtrl, CB_GETLBTEXTLEN, nSel, 0));
        if (nLength > 0)
        {
            const int nCopied = static_cast<int>(::SendMessageA(
                hWndCtrl, CB_GETLBTEXT, nSel, reinterpret_cast<LPARAM>(value.GetBuffer(nLength + 1))));
            value.ReleaseBuffer(nCopied == CB_ERR ? 0 : nCopied);
        }
        return;
    }

    const int nIndex = value.IsEmpty() ? CB_ERR
        : static_cast<int>(::SendMessageA(hWndCtrl, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(value.GetString())));
    if (nIndex != CB_ERR)
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, nIndex, 0);
    else if (bDropList)
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    else
        SetText(hWndCtrl, value);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

// ---- validation --------------------------------------------------------------------

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    ASSERT(nChars >= 1);
    if (pDX->m_bSaveAndValidate)
    {
        if (value.GetLength() <= nChars)
            return;
        CString strMessage;
        strMessage.Format(szTooLong, nChars);
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    if (pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl)
    {
        const UINT nMessage = IsComboBox(pDX->m_hWndLastControl) ? CB_LIMITTEXT : EM_LIMITTEXT;
        ::SendMessageA(pDX->m_hWndLastControl, nMessage, static_cast<WPARAM>(nChars), 0);
    }
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    ValidateRange(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    ValidateRange(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    ValidateRange(pDX, value, minVal, maxVal);
}

void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal)
{
    ValidateRange(pDX, value, minVal, maxVal);
}
