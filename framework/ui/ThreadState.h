// What the window half of the framework keeps per user-interface thread:
// the message being processed, the window being created, and the state of
// the framework's own tooltips.
#pragma once

#include "framework/core/AfxWin.h"

#include <commctrl.h>

class CWnd;

struct AFX_THREAD_STATE
{
    // The message the innermost window procedure is processing
    // (CWnd::GetCurrentMessage); hooks that call window procedures record
    // theirs here too.
    MSG m_lastSentMsg = {};
    // The CWnd whose window CreateEx is creating, until the CBT hook has
    // attached it; the hook itself.
    CWnd* m_pWndInit = nullptr;
    HHOOK m_hHookOldCbtFilter = nullptr;
    // Last mouse message seen by IsIdleMessage.
    POINT m_ptCursorLast = {};
    UINT m_nMsgLast = 0;
    // Tooltips of windows that called EnableToolTips: the thread's tooltip
    // window, the window whose tool shows now and its tool id.
    HWND m_hWndToolTip = nullptr;
    HWND m_hWndLastHit = nullptr;
    INT_PTR m_nLastHit = -1;
    TOOLINFOA m_lastInfo = {};
};

AFX_THREAD_STATE* AFXAPI AfxGetThreadState();
