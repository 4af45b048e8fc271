#include "framework/ui/DocTemplate.h"

#include "framework/core/Exceptions.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/Document.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/View.h"
#include "framework/ui/WinThread.h"

#include <shlwapi.h>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

namespace {

const char kUntitled[] = "Unbenannt";
const char kCannotCreate[] = "Das Dokument konnte nicht angelegt werden.";

// Field nIndex of a "\n"-separated string; FALSE when there is no such
// field.
BOOL ExtractField(CString& rField, const CString& strFull, int nIndex)
{
    int nStart = 0;
    for (int i = 0; i < nIndex; ++i)
    {
        int nNext = strFull.Find('\n', nStart);
        if (nNext < 0)
        {
            rField.Empty();
            return FALSE;
        }
        nStart = nNext + 1;
    }
    int nEnd = strFull.Find('\n', nStart);
    rField = nEnd < 0 ? strFull.Mid(nStart) : strFull.Mid(nStart, nEnd - nStart);
    return TRUE;
}

} // namespace

// ---------------------------------------------------------------------------
// CDocTemplate

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass),
      m_nIDResource(nIDResource)
{
}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate()
{
    if (m_strDocStrings.IsEmpty())
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    return ExtractField(rString, m_strDocStrings, static_cast<int>(index)) && !rString.IsEmpty();
}

void CDocTemplate::SetContainerInfo(UINT nIDOleInPlaceContainer)
{
    m_nIDContainerResource = nIDOleInPlaceContainer;
}

UINT CDocTemplate::GetResourceID() const
{
    return m_nIDResource;
}

UINT CDocTemplate::GetContainerResourceID() const
{
    return m_nIDContainerResource;
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    ASSERT(pDoc->m_pDocTemplate == nullptr);
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    ASSERT(pDoc->m_pDocTemplate == this);
    pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    if (m_pDocClass == nullptr)
        return nullptr;
    auto* pDocument = static_cast<CDocument*>(m_pDocClass->CreateObject());
    if (pDocument == nullptr)
        return nullptr;
    AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther)
{
    if (m_pFrameClass == nullptr)
        return nullptr;
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;

    auto* pFrame = static_cast<CFrameWnd*>(m_pFrameClass->CreateObject());
    if (pFrame == nullptr)
        return nullptr;
    // A frame whose window came to exist deletes itself when it fails.
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr)
    {
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    // Closing a document may delete it and change the list: start over
    // each time.
    POSITION pos;
    while ((pos = GetFirstDocPosition()) != nullptr)
    {
        CDocument* pDoc = GetNextDoc(pos);
        BOOL bAutoDelete = pDoc->m_bAutoDelete;
        pDoc->OnCloseDocument();
        if (!bAutoDelete)
            RemoveDocument(pDoc);
    }
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch)
{
    rpDocMatch = nullptr;
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr)
    {
        CDocument* pDoc = GetNextDoc(pos);
        if (!pDoc->GetPathName().IsEmpty() && pDoc->GetPathName().CompareNoCase(lpszPathName) == 0)
        {
            rpDocMatch = pDoc;
            return yesAlreadyOpen;
        }
    }
    CString strFilterExt;
    if (GetDocString(strFilterExt, filterExt))
    {
        LPCSTR lpszDot = ::PathFindExtensionA(lpszPathName);
        if (lpszDot != nullptr && *lpszDot != '\0' && strFilterExt.CompareNoCase(lpszDot) == 0)
            return yesAttemptNative;
    }
    return yesAttemptForeign;
}

// ---------------------------------------------------------------------------
// CSingleDocTemplate

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass,
                                       CRuntimeClass* pFrameClass, CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != nullptr)
    {
        CDocument* pDoc = m_pOnlyDoc;
        BOOL bAutoDelete = pDoc->m_bAutoDelete;
        pDoc->OnCloseDocument();
        if (!bAutoDelete && m_pOnlyDoc == pDoc)
            RemoveDocument(pDoc);
    }
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc != nullptr ? BEFORE_START_POSITION : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* pDoc = rPos == BEFORE_START_POSITION ? m_pOnlyDoc : nullptr;
    rPos = nullptr;
    return pDoc;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    ASSERT(m_pOnlyDoc == nullptr);
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    ASSERT(m_pOnlyDoc == pDoc);
    CDocTemplate::RemoveDocument(pDoc);
    m_pOnlyDoc = nullptr;
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    CString strDocName;
    if (!GetDocString(strDocName, docName))
        strDocName = kUntitled;
    pDocument->SetTitle(strDocName);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDocument = nullptr;
    CFrameWnd* pFrame = nullptr;
    BOOL bCreated = FALSE;

    if (m_pOnlyDoc != nullptr)
    {
        // The one document is reused: its changes are offered first.
        pDocument = m_pOnlyDoc;
        if (!pDocument->SaveModified())
            return nullptr;
        POSITION pos = pDocument->GetFirstViewPosition();
        if (pos != nullptr)
            pFrame = pDocument->GetNextView(pos)->GetParentFrame();
        if (pFrame == nullptr)
        {
            CWnd* pMainWnd = AfxGetMainWnd();
            if (pMainWnd != nullptr && pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
                pFrame = static_cast<CFrameWnd*>(pMainWnd);
        }
    }
    else
    {
        pDocument = CreateNewDocument();
        bCreated = TRUE;
    }
    if (pDocument == nullptr)
    {
        AfxMessageBox(kCannotCreate, MB_ICONEXCLAMATION);
        return nullptr;
    }

    if (pFrame == nullptr)
    {
        // The document must not go with a frame that fails half way.
        BOOL bAutoDelete = pDocument->m_bAutoDelete;
        pDocument->m_bAutoDelete = FALSE;
        pFrame = CreateNewFrame(pDocument, nullptr);
        pDocument->m_bAutoDelete = bAutoDelete;
        if (pFrame == nullptr)
        {
            AfxMessageBox(kCannotCreate, MB_ICONEXCLAMATION);
            if (bCreated)
                delete pDocument;
            return nullptr;
        }
        bCreated = TRUE;
    }

    if (lpszPathName == nullptr)
    {
        SetDefaultTitle(pDocument);
        if (!bMakeVisible)
            pDocument->m_bEmbedded = TRUE;
        if (!pDocument->OnNewDocument())
        {
            if (bCreated)
                pFrame->DestroyWindow();
            return nullptr;
        }
    }
    else
    {
        CWaitCursor wait;
        BOOL bWasModified = pDocument->IsModified();
        pDocument->SetModifiedFlag(FALSE);
        BOOL bOpened = FALSE;
        // A document may raise the framework's exceptions from its open
        // step: they are reported here like any failed open.
        try
        {
            bOpened = pDocument->OnOpenDocument(lpszPathName);
        }
        catch (CException* e)
        {
            pDocument->ReportSaveLoadException(lpszPathName, e, FALSE, 0);
            e->Delete();
        }
        if (!bOpened)
        {
            if (bCreated)
            {
                pFrame->DestroyWindow();
            }
            else if (!pDocument->CDocument::IsModified())
            {
                // The document was left as it was. Only its own flag tells:
                // a read marks it while contents are half replaced, whereas
                // IsModified may count more (an editor's unsaved changes).
                pDocument->SetModifiedFlag(bWasModified);
            }
            else
            {
                // Half read: start afresh rather than show a damaged one.
                SetDefaultTitle(pDocument);
                pDocument->OnNewDocument();
            }
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }

    CWinThread* pThread = AfxGetThread();
    if (bCreated && pThread != nullptr && pThread->m_pMainWnd == nullptr)
        pThread->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}
