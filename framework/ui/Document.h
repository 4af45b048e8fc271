// CDocument: the data of one open file and the views that show it. The
// document keeps its title, its path and its modified flag, lets its views
// know about changes, and carries the file commands: new, open, save, save
// as, and the question whether to save before it closes.
//
// Saving writes a temporary file beside the target and puts it in the
// target's place only once it is complete, so a failed save never damages
// the file that was there.
#pragma once

#include "framework/core/List.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"

class CArchive;
class CDocTemplate;
class CException;
class CFile;
class CFileException;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    // ---- title, path, template ----
    const CString& GetTitle() const;
    // Also updates the titles of the frames that show the document.
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const;
    // Takes the full form of the path and its file title as the document's
    // title; bAddToMRU adds it to the application's recent-file list.
    virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const;

    // ---- modified state ----
    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    // ---- views ----
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& rPosition) const;
    // Calls OnUpdate of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
    // A view came or went; closes a document that lost its last view.
    virtual void OnChangedViewList();

    // ---- file operations ----
    // Empties the document's data (before a new or opened file).
    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    // Reads lpszPathName through Serialize; FALSE (after reporting) when it
    // cannot be opened or read.
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    // Writes the document to lpszPathName through Serialize and clears the
    // modified flag; FALSE (after reporting) when that fails.
    virtual BOOL OnSaveDocument(LPCSTR lpszPathName);
    // Destroys the document's frames and views, then the document itself
    // when it deletes itself automatically.
    virtual void OnCloseDocument();
    // Shows why a file could not be read or written (a CUserException has
    // been reported already).
    virtual void ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving,
                                         UINT nIDPDefault);
    virtual CFile* GetFile(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
    virtual void ReleaseFile(CFile* pFile, BOOL bAbort);

    // ---- closing ----
    // TRUE when pFrame may close: asks to save a modified document.
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // Asks "Änderungen ... speichern?" for a modified document: Yes saves,
    // No drops the changes, Cancel (and a failed save) answers FALSE.
    virtual BOOL SaveModified();
    virtual void PreCloseFrame(CFrameWnd* pFrame);

    // ---- saving ----
    // Saves to lpszPathName, or asks for a name when it is null or empty;
    // bReplace makes the new name the document's path.
    virtual BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE);
    // Save: to the document's path, or under a name asked for when it has
    // none or its file is read-only.
    virtual BOOL DoFileSave();

    // The frames show the document's title again.
    virtual void UpdateFrameCounts();

    // The document's own map, then its template's.
    BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    BOOL m_bAutoDelete = TRUE;
    BOOL m_bEmbedded = FALSE;

protected:
    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    CPtrList m_viewList;
    BOOL m_bModified = FALSE;

    friend class CDocTemplate;

    DECLARE_MESSAGE_MAP()
};
