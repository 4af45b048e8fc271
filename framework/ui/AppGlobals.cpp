#include "framework/ui/AppGlobals.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Module.h"
#include "framework/ui/WinApp.h"
#include "framework/ui/Wnd.h"

namespace {

CWinApp* g_pApp = nullptr;

CWinThread*& ThreadObject()
{
    static thread_local CWinThread* s_pThread = nullptr;
    return s_pThread;
}

} // namespace

CWinApp* AFXAPI AfxGetApp()
{
    return g_pApp;
}

void AFXAPI AfxSetApp(CWinApp* pApp)
{
    g_pApp = pApp;
}

CWinThread* AFXAPI AfxGetThreadObject()
{
    return ThreadObject();
}

void AFXAPI AfxSetThread(CWinThread* pThread)
{
    ThreadObject() = pThread;
}

CWinThread* AFXAPI AfxGetThread()
{
    CWinThread* pThread = ThreadObject();
    return pThread != nullptr ? pThread : g_pApp;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

LPCSTR AFXAPI AfxGetAppName()
{
    return AfxGetModuleState()->m_lpszCurrentAppName;
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_hCurrentInstanceHandle = hInstance;
    pState->m_hCurrentResourceHandle = hInstance;
    if (CWinApp* pApp = AfxGetApp())
    {
        pApp->m_hInstance = hInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }
    return TRUE;
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    AfxInitThreadExceptions();
    CWinThread* pThread = AfxGetThread();
    if (pThread == nullptr || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        return -1;
    if (!pThread->InitInstance())
    {
        if (pThread->m_pMainWnd != nullptr)
            pThread->m_pMainWnd->DestroyWindow();
        return pThread->ExitInstance();
    }
    return pThread->Run();
}
