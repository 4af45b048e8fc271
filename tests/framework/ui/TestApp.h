// The application object of the window tests: a CWinApp that is set up
// (AfxWinInit) at start-up but never runs its message loop. A message box
// that a test did not expect fails that test instead of waiting for a
// click; tests that expect one install their own answer with
// CTestSeamScope<AFX_MESSAGEBOX_REQUEST>.
#pragma once

#include "framework/ui/WinApp.h"

class CTestApp : public CWinApp
{
public:
    CTestApp();
    BOOL InitInstance() override;
};

CTestApp& TestApp();

// For a test that changes the application's names (SetRegistryKey): at its
// end the names are start-up's again, in the application's own strings, so
// nothing is left pointing at strings of the test.
class CStartupNamesScope
{
public:
    CStartupNamesScope() = default;
    ~CStartupNamesScope();
    CStartupNamesScope(const CStartupNamesScope&) = delete;
    CStartupNamesScope& operator=(const CStartupNamesScope&) = delete;
};

// Dispatches every message waiting in the thread's queue without blocking;
// returns whether a WM_QUIT was among them (it is taken out of the queue).
bool PumpPendingMessages();

// A registered class of the tests' own windows (DefWindowProc, arrow
// cursor, white background).
LPCSTR TestWndClass();
