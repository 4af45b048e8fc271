#include "framework/ui/WinAppDocuments.h"

#include "framework/ui/AfxRes.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/CommandLineInfo.h"
#include "framework/ui/DocManager.h"
#include "framework/ui/RecentFileList.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/Wnd.h"

#include <stdlib.h>

IMPLEMENT_DYNAMIC(CWinAppDocuments, CWinThread)

BEGIN_MESSAGE_MAP(CWinAppDocuments, CWinThread)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

namespace {

const char kRecentFileSection[] = "Recent File List";
const char kRecentFileEntry[] = "File%d";
const char kPreviewSection[] = "Settings";
const char kPreviewEntry[] = "PreviewPages";

CWinAppDocuments* g_pAppDocuments = nullptr;

} // namespace

CWinAppDocuments* AFXAPI AfxGetAppDocuments()
{
    return g_pAppDocuments;
}

CWinAppDocuments::CWinAppDocuments()
{
    if (g_pAppDocuments == nullptr)
        g_pAppDocuments = this;
}

CWinAppDocuments::~CWinAppDocuments()
{
    delete m_pDocManager;
    m_pDocManager = nullptr;
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (m_hDevMode != nullptr)
        ::GlobalFree(m_hDevMode);
    if (m_hDevNames != nullptr)
        ::GlobalFree(m_hDevNames);
    if (g_pAppDocuments == this)
        g_pAppDocuments = nullptr;
}

// ---------------------------------------------------------------------------
// Templates and documents

void CWinAppDocuments::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinAppDocuments::GetFirstDocTemplatePosition() const
{
    return m_pDocManager != nullptr ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate* CWinAppDocuments::GetNextDocTemplate(POSITION& pos) const
{
    ASSERT(m_pDocManager != nullptr);
    return m_pDocManager->GetNextDocTemplate(pos);
}

CDocument* CWinAppDocuments::OpenDocumentFile(LPCSTR lpszFileName)
{
    return m_pDocManager != nullptr ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

BOOL CWinAppDocuments::SaveAllModified()
{
    return m_pDocManager == nullptr || m_pDocManager->SaveAllModified();
}

void CWinAppDocuments::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager != nullptr)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

int CWinAppDocuments::GetOpenDocumentCount()
{
    return m_pDocManager != nullptr ? m_pDocManager->GetOpenDocumentCount() : 0;
}

BOOL CWinAppDocuments::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                        BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    return m_pDocManager->DoPromptFileName(fileName, nIDSTitle, lFlags, bOpenFileDialog,
                                           pTemplate);
}

// ---------------------------------------------------------------------------
// Recent files and settings

void CWinAppDocuments::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU != 0)
    {
        delete m_pRecentFileList;
        m_pRecentFileList = new CRecentFileList(0, kRecentFileSection, kRecentFileEntry,
                                                static_cast<int>(nMaxMRU));
        m_pRecentFileList->ReadList();
    }
    if (CWinApp* pApp = AfxGetApp())
        m_nNumPreviewPages = pApp->GetProfileInt(kPreviewSection, kPreviewEntry, 0);
}

void CWinAppDocuments::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
    if (m_nNumPreviewPages != 0)
    {
        if (CWinApp* pApp = AfxGetApp())
            pApp->WriteProfileInt(kPreviewSection, kPreviewEntry,
                                  static_cast<int>(m_nNumPreviewPages));
    }
}

// Written at once, so the list survives a program that does not end
// normally.
void CWinAppDocuments::AddToRecentFileList(LPCSTR lpszPathName)
{
    if (m_pRecentFileList == nullptr)
        return;
    m_pRecentFileList->Add(lpszPathName);
    m_pRecentFileList->WriteList();
}

BOOL CWinAppDocuments::OnOpenRecentFile(UINT nID)
{
    if (m_pRecentFileList == nullptr)
        return FALSE;
    int nIndex = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetSize())
        return FALSE;
    CString strPath = (*m_pRecentFileList)[nIndex];
    if (strPath.IsEmpty())
        return FALSE;
    // A file that cannot be opened any more leaves the list.
    if (OpenDocumentFile(strPath) == nullptr)
    {
        m_pRecentFileList->Remove(nIndex);
        m_pRecentFileList->WriteList();
    }
    return TRUE;
}

void CWinAppDocuments::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList == nullptr)
        pCmdUI->Enable(FALSE);
    else
        m_pRecentFileList->UpdateMenu(pCmdUI);
}

// ---------------------------------------------------------------------------
// Command line

void CWinAppDocuments::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    AfxParseCommandLine(rCmdInfo, __argc, __argv);
}

BOOL CWinAppDocuments::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    CWinApp* pApp = AfxGetApp();
    switch (rCmdInfo.m_nShellCommand)
    {
    case CCommandLineInfo::FileNew:
        // The program's own new-file handler, when it has one.
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;

    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;

    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Print and end: the window stays hidden.
        if (pApp != nullptr)
            pApp->m_nCmdShow = SW_HIDE;
        if (OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr && m_pMainWnd != nullptr)
        {
            m_pCmdInfo = &rCmdInfo;
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
            m_pCmdInfo = nullptr;
        }
        return FALSE;

    case CCommandLineInfo::AppRegister:
    case CCommandLineInfo::AppUnregister:
        return FALSE;

    default:
        return TRUE;
    }
}

void CWinAppDocuments::EnableShellOpen()
{
    m_bShellOpen = TRUE;
}

// ---------------------------------------------------------------------------
// Commands

void CWinAppDocuments::OnFileNew()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileNew();
}

void CWinAppDocuments::OnFileOpen()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileOpen();
}
