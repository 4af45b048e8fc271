#include "app/QivApp.h"

#include "app/AppShellServices.h"
#include "app/GoToEntry.h"
#include "app/InfoDlg.h"
#include "app/MainFrame.h"
#include "app/QivCommandLine.h"
#include "app/Settings.h"
#include "app/SplashWnd.h"
#include "app/TextView.h"
#include "app/TipDlg.h"
#include "app/TreeView.h"
#include "app/res/resource.h"
#include "framework/core/FileFind.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/DocTemplate.h"
#include "framework/ui/MessageBox.h"
#include "framework/ui/MessageMap.h"
#include "framework/ui/OleInit.h"
#include "model/QivDoc.h"

#include <commctrl.h>
#include <string.h>

namespace {

// Every class of the common controls.
const DWORD kAllControlClasses = 0x7FF;

} // namespace

BEGIN_MESSAGE_MAP(CQivApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_TIP_OF_THE_DAY, OnTipOfTheDay)
END_MESSAGE_MAP()

CQivApp::CQivApp()
    : m_windows(10)
{
}

CQivApp::~CQivApp() = default;

LPCSTR CQivApp::RegistryCompany()
{
    return "VRNK";
}

CMainFrame* CQivApp::GetMainFrame() const
{
    return dynamic_cast<CMainFrame*>(m_pMainWnd);
}

BOOL CQivApp::InitInstance()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), kAllControlClasses};
    ::InitCommonControlsEx(&icc);
    SetRegistryKey(RegistryCompany());
    // The model reaches the frame through these for the whole run.
    QivInstallAppShellServices();

    C_QivCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (cmdInfo.m_bMinimized || cmdInfo.m_bHide)
        m_nCmdShow = SW_MINIMIZE;

    // No splash when a file is named: the user is waiting for it.
    BOOL bSplash = QivSettings::IsSplashOn() && cmdInfo.m_nShellCommand != CCommandLineInfo::FileOpen;
    if (bSplash && cmdInfo.m_bShowSplash)
        CSplashWnd::ShowSplashScreen();
    else
        bSplash = FALSE;

    if (!AfxOleInit()) {
        AfxMessageBox(IDS_OLE_INIT_FAILED);
        return FALSE;
    }
    LoadStdProfileSettings(4);

    CSingleDocTemplate* pTemplate = new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CQivDoc),
                                                           RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CQivTextView));
    pTemplate->SetContainerInfo(IDR_CNTR_INPLACE);
    AddDocTemplate(pTemplate);
    EnableShellOpen();

    if (cmdInfo.m_nShellCommand != CCommandLineInfo::FileNew) {
        if (!ProcessShellCommand(cmdInfo))
            return FALSE;
        CMainFrame* pFrame = GetMainFrame();
        CQivDoc* pDoc = pFrame ? dynamic_cast<CQivDoc*>(pFrame->GetActiveDocument()) : nullptr;
        if (!cmdInfo.m_strItemPath.IsEmpty() && pFrame && pDoc && pFrame->GetTreeView())
            GoToEntry(pFrame->GetTreeView()->GetSafeHwnd(), pDoc->GetRoot(), cmdInfo.m_strItemPath);
    } else {
        CString strAutoOpen = QivSettings::Get(QivSettings::AutoOpen);
        CFileFind finder;
        if (!strAutoOpen.IsEmpty() && finder.FindFile(strAutoOpen)) {
            cmdInfo.m_nShellCommand = CCommandLineInfo::FileOpen;
            cmdInfo.m_strFileName = strAutoOpen;
        }
        if (!ProcessShellCommand(cmdInfo)) {
            // A card file that cannot be opened must not keep the program
            // from starting for good: start with a new one instead.
            if (cmdInfo.m_nShellCommand != CCommandLineInfo::FileOpen)
                return FALSE;
            cmdInfo.m_nShellCommand = CCommandLineInfo::FileNew;
            cmdInfo.m_strFileName.Empty();
            if (!ProcessShellCommand(cmdInfo))
                return FALSE;
        }
    }

    if (cmdInfo.m_bHide && m_pMainWnd)
        m_pMainWnd->ShowWindow(SW_HIDE);
    if (!bSplash)
        ShowStartupTip();
    return TRUE;
}

void CQivApp::ShowStartupTip()
{
    CCommandLineInfo plain;
    ParseCommandLine(plain);
    if (!plain.m_bShowSplash || !CTipDlg::IsShownAtStartup())
        return;
    CTipDlg dialog("Willkommen bei Qivnotes2000!", m_pMainWnd);
    dialog.DoModal();
}

BOOL CQivApp::IsKeyForFrame(const MSG* pMsg)
{
    if (pMsg->message != WM_KEYDOWN && pMsg->message != WM_KEYUP)
        return TRUE;
    if (pMsg->wParam != 'C' && pMsg->wParam != 'V' && pMsg->wParam != 'X')
        return TRUE;
    if (::GetKeyState(VK_CONTROL) >= 0)
        return TRUE;
    char szClass[261] = {};
    ::GetClassNameA(pMsg->hwnd, szClass, sizeof(szClass));
    return _stricmp(szClass, "Edit") != 0 && _stricmp(szClass, "RichEdit20A") != 0;
}

BOOL CQivApp::PreTranslateMessage(MSG* pMsg)
{
    if (!IsKeyForFrame(pMsg))
        return FALSE;
    return CWinApp::PreTranslateMessage(pMsg);
}

void CQivApp::OnAppAbout()
{
    C_InfoDlg dialog(m_pMainWnd);
    dialog.DoModal();
}

void CQivApp::OnTipOfTheDay()
{
    CTipDlg dialog("Tipps & Tricks", m_pMainWnd);
    dialog.DoModal();
}
