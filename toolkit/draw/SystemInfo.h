// Small questions the toolkit asks the system: versions, monitors, fonts,
// window classes and keyboard mirroring. Every routine tolerates a missing
// window or system function and falls back as documented beside it.
#pragma once

#include "framework/core/AfxWin.h"

class CString;
class CWnd;

// COMCTL32's version as major << 16 | minor, asked once through DllGetVersion
// and cached; 0x40000 (4.0) when the library has no DllGetVersion.
DWORD GetComCtl32Version();

// NT platform from version 5.1 on.
BOOL IsWindowsXPOrLater();
// NT platform with a major version above 4 (cached).
BOOL IsWindows2000OrLater();

// Work area of the monitor holding the rectangle, window, point or mouse
// cursor; the primary work area when there is no monitor or no multi-monitor
// support.
RECT GetMonitorAreaOfRect(const RECT& rect);
RECT GetMonitorAreaOfWindow(HWND hWnd);
RECT GetMonitorAreaOfPoint(POINT pt);
RECT GetMonitorAreaAtCursor();
// Work area of the monitor nearest to the rectangle, whether or not any
// monitor shows it.
RECT GetNearestMonitorArea(const RECT& rect);
// Whether any monitor shows a part of the rectangle (without multi-monitor
// support: whether it meets the screen).
BOOL IsRectOnAnyMonitor(const RECT& rect);
// The forms callers pass an out rectangle to.
void GetMonitorAreaAtCursor(RECT* pRect);
void GetMonitorAreaOfWindow(RECT* pRect, HWND hWnd);

// TRUE when the foreground window is the last active popup of the window's
// top-level owner.
BOOL IsTopLevelOwnerActive(HWND hWnd);

// Registers a window class with DefWindowProc, the arrow cursor and the
// style, in the instance (the module's own when null).
BOOL RegisterBarWindowClass(HINSTANCE hInstance, LPCSTR lpszClassName, UINT nStyle);

// For a window laid out right to left, VK_LEFT and VK_RIGHT change places.
UINT MirrorArrowKey(HWND hWnd, UINT nKey);

// Whether a font of that face is installed (case-insensitive).
BOOL FontExists(LPCSTR lpszFaceName);
// The face for the toolkit's user-interface font: "Arial", "Tahoma" when
// preferred and installed, or the stock GUI font's own face for non-Western
// character sets and where Arial is missing.
void GetDefaultGuiFont(CString& strFaceName, BOOL bPreferTahoma);
