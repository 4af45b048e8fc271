#include "framework/ui/DocManager.h"

#include "framework/ui/DocTemplate.h"
#include "framework/ui/Document.h"
#include "framework/ui/FileDialog.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/View.h"
#include "framework/ui/WinAppDocuments.h"

namespace {

const char kOpenTitle[] = "Öffnen";
const char kSaveTitle[] = "Speichern unter";
const char kAllFilter[] = "Alle Dateien (*.*)|*.*|";
const char kNoTemplate[] = "Für die Datei %s gibt es keinen passenden Dokumenttyp.";

// The full form of a path, without the quotes the shell may put round it.
CString CanonicalPath(LPCSTR lpszFileName)
{
    CString strName = lpszFileName;
    strName.Trim();
    if (strName.GetLength() >= 2 && strName[0] == '"' && strName[strName.GetLength() - 1] == '"')
        strName = strName.Mid(1, strName.GetLength() - 2);
    char szFull[MAX_PATH * 2];
    DWORD nLen = ::GetFullPathNameA(strName, sizeof(szFull), szFull, nullptr);
    if (nLen == 0 || nLen >= sizeof(szFull))
        return strName;
    return szFull;
}

} // namespace

CDocManager::CDocManager() = default;

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty())
        delete static_cast<CDocTemplate*>(m_templateList.RemoveHead());
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    ASSERT(pTemplate != nullptr && m_templateList.Find(pTemplate) == nullptr);
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const
{
    return m_templateList.GetHeadPosition();
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const
{
    return static_cast<CDocTemplate*>(m_templateList.GetNext(pos));
}

int CDocManager::GetDocTemplateCount() const
{
    return static_cast<int>(m_templateList.GetCount());
}

void CDocManager::OnFileNew()
{
    if (m_templateList.IsEmpty())
        return;
    static_cast<CDocTemplate*>(m_templateList.GetHead())->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen()
{
    CString strName;
    if (!DoPromptFileName(strName, 0, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr))
        return;
    if (CWinAppDocuments* pApp = AfxGetAppDocuments())
        pApp->OpenDocumentFile(strName);
    else
        OpenDocumentFile(strName);
}

CDocument* CDocManager::OpenDocumentFile(LPCSTR lpszFileName)
{
    CString strPath = CanonicalPath(lpszFileName);

    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    CDocTemplate* pBestTemplate = nullptr;
    CDocument* pOpenDocument = nullptr;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CDocument* pMatch = nullptr;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(strPath, pMatch);
        if (match > bestMatch)
        {
            bestMatch = match;
            pBestTemplate = pTemplate;
            pOpenDocument = pMatch;
        }
        if (match == CDocTemplate::yesAlreadyOpen)
            break;
    }

    // A file that is open already is shown, not read again.
    if (bestMatch == CDocTemplate::yesAlreadyOpen && pOpenDocument != nullptr)
    {
        POSITION posView = pOpenDocument->GetFirstViewPosition();
        if (posView != nullptr)
        {
            CView* pView = pOpenDocument->GetNextView(posView);
            if (CFrameWnd* pFrame = pView->GetParentFrame())
                pFrame->ActivateFrame();
        }
        return pOpenDocument;
    }
    if (pBestTemplate == nullptr)
    {
        CString strMessage;
        strMessage.Format(kNoTemplate, static_cast<LPCSTR>(strPath));
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        return nullptr;
    }
    return pBestTemplate->OpenDocumentFile(strPath);
}

// Each template adds "name|*.ext|"; the first one (or pTemplate) gives the
// default extension and the filter chosen at the start.
BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                   BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    CString strFilter;
    CString strDefExt;
    auto appendFilter = [&](CDocTemplate* pDocTemplate) {
        CString strExt;
        CString strName;
        if (!pDocTemplate->GetDocString(strExt, CDocTemplate::filterExt)
            || !pDocTemplate->GetDocString(strName, CDocTemplate::filterName))
            return;
        if (strExt[0] == '.')
            strExt = strExt.Mid(1);
        if (strDefExt.IsEmpty())
            strDefExt = strExt;
        strFilter += strName + "|*." + strExt + "|";
    };
    if (pTemplate != nullptr)
    {
        appendFilter(pTemplate);
    }
    else
    {
        POSITION pos = GetFirstDocTemplatePosition();
        while (pos != nullptr)
            appendFilter(GetNextDocTemplate(pos));
    }
    strFilter += kAllFilter;
    strFilter += "|";

    CString strTitle;
    if (nIDSTitle == 0 || !strTitle.LoadString(nIDSTitle))
        strTitle = bOpenFileDialog ? kOpenTitle : kSaveTitle;

    CFileDialog dlgFile(bOpenFileDialog, strDefExt.IsEmpty() ? nullptr : strDefExt.GetString(),
                        fileName.IsEmpty() ? nullptr : fileName.GetString(),
                        OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, strFilter);
    dlgFile.m_ofn.Flags |= lFlags;
    dlgFile.m_ofn.lpstrTitle = strTitle;
    if (dlgFile.DoModal() != IDOK)
        return FALSE;
    fileName = dlgFile.GetPathName();
    return TRUE;
}

BOOL CDocManager::SaveAllModified()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr)
    {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

int CDocManager::GetOpenDocumentCount()
{
    int nCount = 0;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr)
    {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        while (posDoc != nullptr)
        {
            pTemplate->GetNextDoc(posDoc);
            ++nCount;
        }
    }
    return nCount;
}
