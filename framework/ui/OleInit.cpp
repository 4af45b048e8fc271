#include "framework/ui/OleInit.h"

#include <ole2.h>
#include <stdlib.h>

namespace {

// OLE is started on the user-interface thread only.
DWORD g_dwOleThread = 0;

void OleTermAtExit()
{
    AfxOleTerm();
}

} // namespace

BOOL AFXAPI AfxOleInit()
{
    if (g_dwOleThread == ::GetCurrentThreadId())
        return TRUE;
    if (g_dwOleThread != 0)
        return FALSE;
    if (FAILED(::OleInitialize(nullptr)))
        return FALSE;
    g_dwOleThread = ::GetCurrentThreadId();
    static bool s_bRegistered = false;
    if (!s_bRegistered)
    {
        atexit(OleTermAtExit);
        s_bRegistered = true;
    }
    return TRUE;
}

void AFXAPI AfxOleTerm()
{
    if (g_dwOleThread == 0 || g_dwOleThread != ::GetCurrentThreadId())
        return;
    // What the program put on the clipboard stays there after it ends
    // (without data of its own there, this does nothing).
    ::OleFlushClipboard();
    ::OleUninitialize();
    g_dwOleThread = 0;
}
