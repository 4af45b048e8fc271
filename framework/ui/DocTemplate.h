// Document templates: what a file type is made of (document, frame and view
// classes), its strings, and how documents of it are made, opened and shown.
// A single-document template keeps at most one document, shown in the main
// frame; a new or opened file replaces its contents.
//
// The document string (string resource of the template's id) has seven
// fields separated by "\n": window title, document name, new-file name,
// filter name, filter extension, registry type id, registry type name.
#pragma once

#include "framework/core/Position.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
public:
    ~CDocTemplate() override;

    enum DocStringIndex
    {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };
    // FALSE (and an empty string) when the field is missing or empty.
    virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;
    // Loads the document string of the template's resource id.
    virtual void LoadTemplate();
    // The resource id of the menu and accelerators used while an embedded
    // object is active in place; kept for the container's frame.
    void SetContainerInfo(UINT nIDOleInPlaceContainer);
    UINT GetResourceID() const;
    UINT GetContainerResourceID() const;

    // ---- documents of this template ----
    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);

    // ---- making and showing ----
    // A new document of the template's class, added to the template; null
    // when the class cannot be created.
    virtual CDocument* CreateNewDocument();
    // A frame for pDoc built from the resource id, with the template's view
    // in it; null when it cannot be created.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);
    // Null path: a new document. Otherwise opens the file; null when that
    // failed (after the failure was reported).
    virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    // The title of a new document: the document name of the strings, else
    // "Unbenannt".
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;

    // ---- the application's closing ----
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);

    // How well a file fits this template: its extension against the filter
    // extension, or the file is open already.
    enum Confidence
    {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen
    };
    virtual Confidence MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch);

    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;

protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);

    UINT m_nIDResource;
    UINT m_nIDContainerResource = 0;
    CString m_strDocStrings;
};

class CSingleDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                       CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;

    // The one document is reused: its changes are offered for saving, then
    // it is renewed or reads the file. The first call makes the document
    // and the main frame.
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument* pDocument) override;

protected:
    CDocument* m_pOnlyDoc = nullptr;
};
