// The first window that a test accepts among the windows Windows lists:
// all top-level windows, those of one thread, or all below a parent. Null
// when none is accepted. And bounded waits for a window to go or answer.
#pragma once

#include <windows.h>

#include <functional>

namespace windows {

using WindowMatch = std::function<bool(HWND)>;

HWND FirstTopLevel(const WindowMatch& match);
HWND FirstOfThread(DWORD dwThreadId, const WindowMatch& match);
HWND FirstBelow(HWND hParent, const WindowMatch& match);
// The first top-level window of the process that match accepts.
HWND FirstOfProcess(DWORD dwProcessId, const WindowMatch& match);
// Whether the window went (or was hidden) within dwTimeout milliseconds.
bool WaitUntilGone(HWND hWnd, DWORD dwTimeout);
// Whether the window's thread answered a message within dwTimeout
// milliseconds (a thread that hangs does not).
bool Answers(HWND hWnd, DWORD dwTimeout = 1000);

} // namespace windows
