// Dialog data exchange: DoDataExchange moves values between a window's
// controls and its members, in one direction per call of UpdateData.
//
//     void CMyDlg::DoDataExchange(CDataExchange* pDX)
//     {
//         CDialog::DoDataExchange(pDX);
//         DDX_Text(pDX, IDC_TITLE, m_strTitle);
//         DDV_MaxChars(pDX, m_strTitle, 80);
//         DDX_Check(pDX, IDC_SUBCATEGORIES, m_nSubcategories);
//     }
//
// When a value does not validate, the exchange tells the user (in German),
// focuses the control last prepared (selecting the text of an edit) and
// throws a CUserException; UpdateData catches it and answers FALSE. A custom
// exchange routine does the same with pDX->Fail().
#pragma once

#include "framework/core/String.h"

class CWnd;

class CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;    // TRUE: controls to members, with validation
    CWnd* m_pDlgWnd;            // the window whose controls are exchanged

    // The control nIDC, remembered as the one a failure focuses.
    HWND PrepareCtrl(int nIDC);
    // The same for an edit box: a failure also selects its text.
    HWND PrepareEditCtrl(int nIDC);
    // Focuses the last prepared control and throws a CUserException.
    [[noreturn]] void Fail();

    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;

    CDataExchange(const CDataExchange&) = delete;
    CDataExchange& operator=(const CDataExchange&) = delete;
};

// ---- exchange ----
// Edit boxes (and the edit field of combo boxes). Numbers are written in
// decimal; reading one that is not a whole number of the type's range fails.
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
// A check box: 0, 1 or 2 (indeterminate).
void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// A group of radio buttons that starts at nIDC (the WS_GROUP button) and
// runs to the next WS_GROUP control: the position of the checked one in
// that order, -1 when none is checked.
void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// The text of a combo box. Loading selects the list entry equal to the
// value (case ignored); with none, an editable combo box shows the value.
void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
// The selected position of a combo box or list box (-1: none).
void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
// Subclasses control nIDC into rControl the first time (the CWnd then gets
// the control's messages).
void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// ---- validation (after the DDX_ call of the same control) ----
// Saving: at most nChars characters. Loading: limits an edit box to nChars.
void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void AFXAPI DDV_MinMaxDWord(CDataExchange* pDX, DWORD value, DWORD minVal, DWORD maxVal);
