#include "framework/ui/WaitCursor.h"

#include "framework/ui/AppGlobals.h"
#include "framework/ui/WinApp.h"

namespace {

// Belongs to the user-interface thread, the only one that shows cursors.
int g_nWaitCursorCount = 0;
HCURSOR g_hcurRestore = nullptr;

} // namespace

void AFXAPI AfxDoWaitCursorDefault(int nCode)
{
    HCURSOR hcurWait = ::LoadCursor(nullptr, IDC_WAIT);
    if (nCode > 0)
    {
        HCURSOR hcurPrev = ::SetCursor(hcurWait);
        if (g_nWaitCursorCount++ == 0)
            g_hcurRestore = hcurPrev;
    }
    else if (nCode < 0)
    {
        if (g_nWaitCursorCount == 0)
            return;
        if (--g_nWaitCursorCount == 0)
            ::SetCursor(g_hcurRestore);
    }
    else if (g_nWaitCursorCount > 0)
    {
        ::SetCursor(hcurWait);
    }
}

void AFXAPI AfxDoWaitCursor(int nCode)
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(nCode);
    else
        AfxDoWaitCursorDefault(nCode);
}
