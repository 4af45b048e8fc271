// The start-up benchmark's baseline: the framework's WinMain, one
// application object and one empty frame window of the program's size,
// started as qivnotes.exe is started.
#include "framework/core/Geometry.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/WinApp.h"

namespace {

class CBareApp : public CWinApp
{
public:
    CBareApp() : CWinApp("QivBareFrame") {}

    BOOL InitInstance() override
    {
        CFrameWnd* pFrame = new CFrameWnd;   // deletes itself with its window
        if (!pFrame->Create(nullptr, "Rahmen - leer", WS_OVERLAPPEDWINDOW, CRect(0, 0, 760, 540)))
            return FALSE;
        m_pMainWnd = pFrame;
        pFrame->ShowWindow(m_nCmdShow);
        pFrame->UpdateWindow();
        return TRUE;
    }
};

CBareApp theApp;

} // namespace
