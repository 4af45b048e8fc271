// Test seams of the dialogs (see TestSeams.h): tests answer modal dialogs
// and common dialogs in place of a person. Normal runs never install one.
//
// A modal dialog asks its seam once it is initialised and shown, with its
// controls in place. The handler may set control values and answers how the
// dialog ends:
//   IDOK      the OK command (OnOK: data exchange and validation run);
//   IDCANCEL  the Cancel command (OnCancel);
//   other     EndDialog with that result;
//   0         the dialog runs its own message loop (the test drives it).
// A dialog that is still open after the command (a failed validation) asks
// again, with nCall counting the questions from 0; after 100 questions it
// ends with IDABORT.
//
//     CTestSeamScope<AFX_MODALDIALOG_REQUEST> answer([&](const AFX_MODALDIALOG_REQUEST& r) {
//         r.pDialog->SetDlgItemText(IDC_TITLE, "Neu");
//         return IDOK;
//     });
//
// A common dialog asks its seam in place of the system dialog. The handler
// fills *pAnswer and returns IDOK, or returns IDCANCEL; the dialog takes the
// answer as if the user had chosen it.
#pragma once

#include "framework/ui/TestSeams.h"

class CDialog;
class CCommonDialog;

struct AFX_MODALDIALOG_REQUEST
{
    CDialog* pDialog;
    int nCall;
};
using CModalDialogSeam = CTestSeam<AFX_MODALDIALOG_REQUEST>;

enum class CommonDialogKind
{
    fileOpen,
    fileSave,
    color,
    font,
    print,
    pageSetup,
};

// What the user would have chosen.
struct AFX_COMMONDIALOG_ANSWER
{
    CString strPath;               // file dialogs: the full path
    COLORREF color = 0;            // colour dialog; text colour of the font dialog
    LOGFONTA font = {};            // font dialog
    int nPointSize = 0;            // font dialog, in tenths of a point
};

// What the dialog would show: its kind, title ("" for the system's own),
// filter as the program gave it ("text|*.x||"), flags (OFN_, CC_, CF_, PD_,
// PSD_) and the dialog object itself.
struct AFX_COMMONDIALOG_REQUEST
{
    CommonDialogKind kind;
    CString strTitle;
    CString strFilter;
    DWORD dwFlags;
    CCommonDialog* pDialog;
    AFX_COMMONDIALOG_ANSWER* pAnswer;
};
using CCommonDialogSeam = CTestSeam<AFX_COMMONDIALOG_REQUEST>;
