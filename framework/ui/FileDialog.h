// CFileDialog: the system's open and save dialogs for one file.
//
//     CFileDialog dlg(FALSE, "qiv", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
//                     "Qivnotes-Datenbank (*.qiv)|*.qiv||", pFrame);
//     dlg.m_ofn.lpstrTitle = strTitle;
//     if (dlg.DoModal() == IDOK) ... dlg.GetPathName() ...
//
// The filter is the program's "description|pattern|...||" form.
#pragma once

#include "framework/ui/CommonDialog.h"

#include <string>

class CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr, LPCSTR lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                LPCSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);

    // The system's structure; the program may set lpstrTitle, nFilterIndex,
    // lpstrInitialDir and Flags before DoModal.
    OPENFILENAMEA m_ofn;

    INT_PTR DoModal() override;

    // The chosen file: "C:\Ablage\Notiz.alt.txt" gives the path itself,
    // the name "Notiz.alt.txt", the extension "txt" and the title
    // "Notiz.alt". A name without a dot has no extension.
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const;

private:
    // Takes a path as the user's choice (the test seam's answer): the
    // buffers and offsets as the system would leave them. FALSE when it
    // does not fit.
    BOOL SetChosenPath(CString strPath);

    BOOL m_bOpenFileDialog;
    CString m_strFilter;           // as the program gave it
    std::string m_filterList;      // pairs separated by '\0', ending in "\0\0"
    CString m_strDefExt;
    char m_szFileName[MAX_PATH];
    char m_szFileTitle[MAX_PATH];
};
