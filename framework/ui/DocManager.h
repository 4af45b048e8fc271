// CDocManager: the application's document templates, and the file commands
// that pick among them: new, open (with the file dialog), open by name, and
// saving and closing every document when the program ends.
#pragma once

#include "framework/core/List.h"
#include "framework/core/String.h"

class CDocTemplate;
class CDocument;

class CDocManager
{
public:
    CDocManager();
    // Deletes the templates, which close their documents.
    virtual ~CDocManager();

    virtual void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    int GetDocTemplateCount() const;

    // A new document of the (first) template.
    virtual void OnFileNew();
    // The open-file dialog, then OpenDocumentFile.
    virtual void OnFileOpen();
    // Opens lpszFileName with the template that fits it best; a file open
    // already is shown again. Null when it could not be opened.
    virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
    // The open or save-as file dialog with the filters of the templates
    // (only pTemplate's when given) and "Alle Dateien (*.*)"; fileName is
    // the proposed and then the chosen path. nIDSTitle 0: "Öffnen" or
    // "Speichern unter".
    virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                  BOOL bOpenFileDialog, CDocTemplate* pTemplate);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    int GetOpenDocumentCount();

    CDocManager(const CDocManager&) = delete;
    CDocManager& operator=(const CDocManager&) = delete;

protected:
    CPtrList m_templateList;
};
