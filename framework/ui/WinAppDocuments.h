// The document half of the application object: CWinApp derives from
// CWinAppDocuments, which holds the document templates (through a
// CDocManager), the recent-file list, the command line's shell command and
// the printer the program prints on.
//
// Its message map answers the standard file commands (new, open, printer
// set-up) and the recent files (ID_FILE_MRU_FILE1 and on); a program's own
// map may route them elsewhere.
#pragma once

#include "framework/core/Position.h"
#include "framework/core/String.h"
#include "framework/ui/WinThread.h"

#include <commdlg.h>

class CCmdUI;
class CCommandLineInfo;
class CDC;
class CDocManager;
class CDocTemplate;
class CDocument;
class CPrintDialog;
class CRecentFileList;

class CWinAppDocuments : public CWinThread
{
    DECLARE_DYNAMIC(CWinAppDocuments)
public:
    CWinAppDocuments();
    ~CWinAppDocuments() override;

    // ---- templates and documents ----
    // The application takes ownership of the template.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    int GetOpenDocumentCount();
    BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                          CDocTemplate* pTemplate);

    // ---- recent files and settings ----
    // Reads the recent-file list (section "Recent File List", nMaxMRU
    // entries) and the preview's page count ("Settings", "PreviewPages").
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    // Writes both back.
    void SaveStdProfileSettings();
    // Puts the file at the front of the list and writes the list.
    virtual void AddToRecentFileList(LPCSTR lpszPathName);

    // ---- command line ----
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // Carries out the shell command: a new document, the file to open, or
    // printing it. FALSE ends the start-up (nothing could be opened, or the
    // program only printed).
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    // Files opened from the shell arrive on the command line; no DDE
    // conversation is held.
    void EnableShellOpen();

    // ---- printer ----
    // The chosen printer (the default printer the first time); FALSE when
    // there is none.
    BOOL GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg);
    // Makes hDevNames/hDevMode the program's printer (the handles become the
    // application's).
    void SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld = TRUE);
    // A DC of the chosen printer in dc; FALSE when there is no printer.
    BOOL CreatePrinterDC(CDC& dc);
    virtual INT_PTR DoPrintDialog(CPrintDialog* pPD);

    CDocManager* m_pDocManager = nullptr;
    CRecentFileList* m_pRecentFileList = nullptr;
    HGLOBAL m_hDevMode = nullptr;
    HGLOBAL m_hDevNames = nullptr;
    // Pages the print preview shows side by side (0: the preview decides).
    UINT m_nNumPreviewPages = 0;
    // The command line being carried out by ProcessShellCommand (printing
    // to a named printer reads it), else null.
    CCommandLineInfo* m_pCmdInfo = nullptr;

    // ---- commands ----
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnFilePrintSetup();
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

protected:
    // Reads the default printer into the application's handles when none
    // is chosen yet.
    void UpdatePrinterSelection(BOOL bForceDefaults);

    BOOL m_bShellOpen = FALSE;

    DECLARE_MESSAGE_MAP()
};

// The application object's document half (null before it exists).
CWinAppDocuments* AFXAPI AfxGetAppDocuments();
