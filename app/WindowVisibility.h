// How the main window stays reachable: always on top (with its entry in the
// window's system menu), hidden instead of minimised when the user asks for
// it, and hidden or brought back by one command.
#pragma once

#include "framework/core/String.h"

class CWnd;

// The system-menu entry "always on top".
const UINT kSysCommandTopMost = 16;

// Places the window topmost or not, as Settings\TopMost says, and shows the
// setting as the check mark of its system-menu entry (added before "Close"
// the first time).
void QivApplyTopMost(CWnd* pFrame);

// The frame's system commands: TRUE when handled here. The topmost entry
// toggles the setting; minimising hides the window when Settings\AutoHide
// is "1", but only while the notification-area icon is there to bring it
// back (bTrayIconShown).
BOOL QivHandleSysCommand(CWnd* pFrame, UINT nID, BOOL bTrayIconShown);

// TRUE when the window is hidden or minimised: the hide-or-restore command
// then brings it back.
BOOL QivIsWindowPutAway(CWnd* pFrame);
// Shows a hidden or minimised window in front, or hides a shown one.
void QivToggleHideRestore(CWnd* pFrame);
// The menu text of the hide-or-restore command for the window's state.
LPCSTR QivHideRestoreText(CWnd* pFrame);
