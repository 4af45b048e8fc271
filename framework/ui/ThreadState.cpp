#include "framework/ui/ThreadState.h"

AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    // Made on first use and kept until the process ends: window procedures
    // may still run while static objects are destroyed.
    static thread_local AFX_THREAD_STATE* s_pState = nullptr;
    if (s_pState == nullptr)
        s_pState = new AFX_THREAD_STATE;
    return s_pState;
}
