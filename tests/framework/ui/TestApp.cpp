#include "TestApp.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/TestSeams.h"
#include "framework/ui/WndClass.h"

#include <gtest/gtest.h>

namespace {

CTestApp theTestApp;

int UnexpectedMessageBox(const AFX_MESSAGEBOX_REQUEST& request)
{
    ADD_FAILURE() << "unexpected message box: " << static_cast<LPCSTR>(request.strText);
    return IDCANCEL;
}

} // namespace

CTestApp::CTestApp()
    : CWinApp("QivnotesUiTest")
{
    AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    CMessageBoxSeam::Install(UnexpectedMessageBox);
}

BOOL CTestApp::InitInstance()
{
    return TRUE;
}

CTestApp& TestApp()
{
    return theTestApp;
}

// Start-up gave the test application no registry key: its profile is the
// executable's INI file.
CStartupNamesScope::~CStartupNamesScope()
{
    CTestApp& app = TestApp();
    app.m_pszRegistryKey = nullptr;
    app.m_pszProfileName = nullptr;
    app.SetCurrentHandles();
}

bool PumpPendingMessages()
{
    bool bQuit = false;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            bQuit = true;
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return bQuit;
}

LPCSTR TestWndClass()
{
    static LPCSTR s_lpszClass = AfxRegisterWndClass(
        CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return s_lpszClass;
}
