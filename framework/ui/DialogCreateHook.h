// Attaching a dialog window that the system creates (CreateDialogIndirect,
// the common dialogs) to its CDialog the way CWnd::CreateEx attaches its
// windows: the thread's CBT hook makes the object the window's before the
// window's first message, so the whole life of the window goes through the
// message map.
#pragma once

#include "framework/core/AfxWin.h"

class CWnd;

// pWnd becomes the object of the next window created on this thread.
void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
// Removes the hook; TRUE when it attached a window since AfxHookWindowCreate.
BOOL AFXAPI AfxUnhookWindowCreate();
