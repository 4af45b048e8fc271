#include "framework/ui/Document.h"

#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "framework/core/TemporaryFile.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/DocTemplate.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/View.h"
#include "framework/ui/WinAppDocuments.h"

#include <commdlg.h>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

namespace {

const char kSavePrompt[] = "Sollen die Änderungen an %s gespeichert werden?";
const char kOpenFailed[] = "Die Datei %s konnte nicht geöffnet werden.";
const char kSaveFailed[] = "Die Datei %s konnte nicht gespeichert werden.";
const char kReplaceFailed[] =
    "Die Datei %s konnte nicht ersetzt werden. Möglicherweise ist sie schreibgeschützt "
    "oder von einem anderen Programm geöffnet.";
const char kUntitled[] = "Unbenannt";

// Reads (CArchive::load) or writes (CArchive::store) the whole document
// through pFile and lets the file go; what Serialize throws passes on with
// the file still held, for the caller to abort it.
void SerializeFile(CDocument* pDoc, CFile* pFile, UINT nMode)
{
    CArchive ar(pFile, nMode | CArchive::bNoFlushOnDelete);
    ar.m_pDocument = pDoc;
    pDoc->Serialize(ar);
    ar.Close();
    pDoc->ReleaseFile(pFile, FALSE);
}

// Characters a file name cannot hold become '_', so a title can be offered
// as the name of a new file.
CString FileNameFromTitle(CString strTitle)
{
    static const char kInvalid[] = "\\/:*?\"<>|";
    for (int i = 0; i < strTitle.GetLength(); ++i)
    {
        if (strchr(kInvalid, strTitle[i]) != nullptr)
            strTitle.SetAt(i, '_');
    }
    return strTitle;
}

} // namespace

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    // Views outliving their document must not call back into it.
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr)
    {
        CView* pView = GetNextView(pos);
        pView->m_pDocument = nullptr;
    }
    m_viewList.RemoveAll();
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

// ---------------------------------------------------------------------------
// Title, path, template

const CString& CDocument::GetTitle() const
{
    return m_strTitle;
}

void CDocument::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

const CString& CDocument::GetPathName() const
{
    return m_strPathName;
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU)
{
    char szFull[MAX_PATH * 2];
    LPSTR lpszFilePart = nullptr;
    DWORD nLen = ::GetFullPathNameA(lpszPathName, sizeof(szFull), szFull, &lpszFilePart);
    m_strPathName = (nLen > 0 && nLen < sizeof(szFull)) ? CString(szFull) : CString(lpszPathName);

    // The title as the shell shows the file (its extension hidden when the
    // user's settings hide it).
    char szTitle[MAX_PATH];
    if (::GetFileTitleA(m_strPathName, szTitle, sizeof(szTitle)) == 0)
        SetTitle(szTitle);
    else
        SetTitle(lpszFilePart != nullptr ? lpszFilePart : lpszPathName);

    if (bAddToMRU)
    {
        if (CWinAppDocuments* pApp = AfxGetAppDocuments())
            pApp->AddToRecentFileList(m_strPathName);
    }
}

CDocTemplate* CDocument::GetDocTemplate() const
{
    return m_pDocTemplate;
}

// ---------------------------------------------------------------------------
// Modified state

BOOL CDocument::IsModified()
{
    return m_bModified;
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    m_bModified = bModified;
}

// ---------------------------------------------------------------------------
// Views

void CDocument::AddView(CView* pView)
{
    ASSERT(pView->m_pDocument == nullptr);
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == nullptr)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const
{
    return m_viewList.GetHeadPosition();
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return static_cast<CView*>(m_viewList.GetNext(rPosition));
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr)
    {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete)
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts()
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr)
    {
        CView* pView = GetNextView(pos);
        if (CFrameWnd* pFrame = pView->GetParentFrame())
        {
            if (pFrame->m_hWnd != nullptr)
                pFrame->OnUpdateFrameTitle(TRUE);
        }
    }
}

// ---------------------------------------------------------------------------
// File operations

void CDocument::DeleteContents()
{
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (pFile == nullptr)
    {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, 0);
        return FALSE;
    }

    DeleteContents();
    SetModifiedFlag(TRUE);   // dirty while the contents are half read
    try
    {
        SerializeFile(this, pFile, CArchive::load);
    }
    catch (CException* e)
    {
        ReleaseFile(pFile, TRUE);
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, 0);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

// The document is written to a temporary file in the target's folder, which
// then takes the target's place in one step (framework/core/TemporaryFile.h).
BOOL CDocument::OnSaveDocument(LPCSTR lpszPathName)
{
    CString strTemp = AfxCreateTemporaryFileFor(lpszPathName);
    if (strTemp.IsEmpty())
    {
        CFileException fe(CFileException::OsErrorToException(static_cast<LONG>(::GetLastError())),
                          static_cast<LONG>(::GetLastError()), lpszPathName);
        ReportSaveLoadException(lpszPathName, &fe, TRUE, 0);
        return FALSE;
    }

    CFileException fe;
    CFile* pFile = GetFile(strTemp, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite
                                        | CFile::shareExclusive, &fe);
    if (pFile == nullptr)
    {
        ::DeleteFileA(strTemp);
        ReportSaveLoadException(lpszPathName, &fe, TRUE, 0);
        return FALSE;
    }

    try
    {
        SerializeFile(this, pFile, CArchive::store);
    }
    catch (CException* e)
    {
        ReleaseFile(pFile, TRUE);
        ::DeleteFileA(strTemp);
        ReportSaveLoadException(lpszPathName, e, TRUE, 0);
        e->Delete();
        return FALSE;
    }

    if (!AfxReplaceWithTemporary(strTemp, lpszPathName))
    {
        ::DeleteFileA(strTemp);
        CString strMessage;
        strMessage.Format(kReplaceFailed, lpszPathName);
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // Destroying the views removes them from the list; the document must
    // not delete itself on the way.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* pView = static_cast<CView*>(m_viewList.GetHead());
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr)
        {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        }
        else
        {
            pView->DestroyWindow();
        }
        // A view whose window was gone already still leaves the list.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;

    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving,
                                        UINT nIDPDefault)
{
    if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CUserException)))
        return;   // reported where it was raised

    CString strMessage;
    if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CFileException)))
    {
        // Errors of the temporary file are errors of the target.
        auto* pFileEx = static_cast<CFileException*>(e);
        pFileEx->m_strFileName = lpszPathName;
    }
    else if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CArchiveException)))
    {
        static_cast<CArchiveException*>(e)->m_strFileName = lpszPathName;
    }

    char szError[1024];
    if (e != nullptr && e->GetErrorMessage(szError, sizeof(szError)))
    {
        strMessage = szError;
    }
    else if (nIDPDefault != 0)
    {
        AfxFormatString1(strMessage, nIDPDefault, lpszPathName);
    }
    if (strMessage.IsEmpty())
        strMessage.Format(bSaving ? kSaveFailed : kOpenFailed, lpszPathName);
    AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
}

CFile* CDocument::GetFile(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    CFile* pFile = new CFile;
    if (!pFile->Open(lpszFileName, nOpenFlags, pError))
    {
        delete pFile;
        return nullptr;
    }
    return pFile;
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort)
{
    if (bAbort)
        pFile->Abort();
    else
        pFile->Close();
    delete pFile;
}

// ---------------------------------------------------------------------------
// Closing

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    // Another frame still showing the document keeps it open.
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr)
    {
        CView* pView = GetNextView(pos);
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && pFrame != pFrameArg)
            return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;

    CString strName = m_strPathName;
    if (strName.IsEmpty())
    {
        strName = m_strTitle;
        if (strName.IsEmpty())
            strName = kUntitled;
    }
    CString strPrompt;
    strPrompt.Format(kSavePrompt, static_cast<LPCSTR>(strName));
    switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

void CDocument::PreCloseFrame(CFrameWnd*)
{
}

// ---------------------------------------------------------------------------
// Saving

BOOL CDocument::DoSave(LPCSTR lpszPathName, BOOL bReplace)
{
    CString strNewName = lpszPathName != nullptr ? lpszPathName : "";
    if (strNewName.IsEmpty())
    {
        CDocTemplate* pTemplate = GetDocTemplate();
        strNewName = m_strPathName;
        if (bReplace && strNewName.IsEmpty())
        {
            strNewName = FileNameFromTitle(m_strTitle);
            CString strExt;
            if (pTemplate != nullptr && pTemplate->GetDocString(strExt, CDocTemplate::filterExt)
                && strNewName.Find('.') < 0)
            {
                if (strExt[0] != '.')
                    strExt = "." + strExt;
                strNewName += strExt;
            }
        }
        CWinAppDocuments* pApp = AfxGetAppDocuments();
        if (pApp == nullptr
            || !pApp->DoPromptFileName(strNewName, 0, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE,
                                       pTemplate))
            return FALSE;
    }

    CWaitCursor wait;
    if (!OnSaveDocument(strNewName))
        return FALSE;
    if (bReplace)
        SetPathName(strNewName);
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    DWORD dwAttrib = ::GetFileAttributesA(m_strPathName);
    if (m_strPathName.IsEmpty()
        || (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY)))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr
           && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}
