// The application object of the setup tests: set up at start-up, never run.
// A message box that a test did not expect fails that test.
#include "framework/ui/AppGlobals.h"
#include "framework/ui/TestSeams.h"
#include "framework/ui/WinApp.h"

#include <gtest/gtest.h>

namespace {

int UnexpectedMessageBox(const AFX_MESSAGEBOX_REQUEST& request)
{
    ADD_FAILURE() << "unexpected message box: " << static_cast<LPCSTR>(request.strText);
    return IDCANCEL;
}

class CSetupTestApp : public CWinApp
{
public:
    CSetupTestApp() : CWinApp("QivnotesSetupTest")
    {
        AfxWinInit(::GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL);
        CMessageBoxSeam::Install(UnexpectedMessageBox);
    }
    BOOL InitInstance() override { return TRUE; }
};

CSetupTestApp theTestApp;

} // namespace
