// The process's application object and the start-up and shut-down of a
// framework program.
#pragma once

#include "framework/core/AfxWin.h"

class CWinApp;
class CWinThread;
class CWnd;

// The one application object (null before it is constructed).
CWinApp* AFXAPI AfxGetApp();
// The current thread's main window, null when there is none.
CWnd* AFXAPI AfxGetMainWnd();
LPCSTR AFXAPI AfxGetAppName();
void AFXAPI AfxPostQuitMessage(int nExitCode);

// Fills the module state and the application object from the program's
// start-up arguments (instance, command line, show command, names); also
// routes the core's message boxes through the application.
BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
                       int nCmdShow);
// The body of a framework program: AfxWinInit, InitInstance, Run (or
// ExitInstance when InitInstance fails); returns the exit code.
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
                      int nCmdShow);

// Internal: the thread object registered for the calling thread, null
// when none (AfxGetThread falls back to the application).
CWinThread* AFXAPI AfxGetThreadObject();
void AFXAPI AfxSetThread(CWinThread* pThread);
void AFXAPI AfxSetApp(CWinApp* pApp);
