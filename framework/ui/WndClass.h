// Window classes of the framework: classes registered on demand by style,
// the framework's named classes, and the common-control classes.
#pragma once

#include "framework/core/AfxWin.h"

// Registers a class with DefWindowProc and these attributes once per
// process and returns its generated name (kept alive for the process).
LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr,
                                  HBRUSH hbrBackground = nullptr, HICON hIcon = nullptr);
// Registers lpWndClass unless a class of that name is registered already
// for its instance; FALSE when registering fails.
BOOL AFXAPI AfxRegisterClass(WNDCLASSA* lpWndClass);

// Classes AfxDeferRegisterClass registers on first use.
enum : LONG
{
    AFX_WND_REG = 0x00001,               // "AfxWnd"
    AFX_WNDCONTROLBAR_REG = 0x00002,     // "AfxControlBar"
    AFX_WNDMDIFRAME_REG = 0x00004,       // "AfxMDIFrame"
    AFX_WNDFRAMEORVIEW_REG = 0x00008,    // "AfxFrameOrView"
    AFX_WNDCOMMCTLS_REG = 0x00010,       // the original common controls
    AFX_WNDCOMMCTL_UPDOWN_REG = 0x00040,
    AFX_WNDCOMMCTL_TREEVIEW_REG = 0x00080,
    AFX_WNDCOMMCTL_TAB_REG = 0x00100,
    AFX_WNDCOMMCTL_PROGRESS_REG = 0x00200,
    AFX_WNDCOMMCTL_LISTVIEW_REG = 0x00400,
    AFX_WNDCOMMCTL_HOTKEY_REG = 0x00800,
    AFX_WNDCOMMCTL_BAR_REG = 0x01000,    // toolbar, status bar, tooltips, trackbar
    AFX_WNDCOMMCTL_ANIMATE_REG = 0x02000,
    AFX_WNDCOMMCTL_INTERNET_REG = 0x04000,
    AFX_WNDCOMMCTL_COOL_REG = 0x08000,   // rebar
    AFX_WNDCOMMCTL_USEREX_REG = 0x10000, // extended combo box
    AFX_WNDCOMMCTL_DATE_REG = 0x20000,
};

#define AFX_WND "AfxWnd"
#define AFX_WNDCONTROLBAR "AfxControlBar"
#define AFX_WNDMDIFRAME "AfxMDIFrame"
#define AFX_WNDFRAMEORVIEW "AfxFrameOrView"

// Registers the classes named by fToRegister that are not registered yet;
// FALSE when one of them fails.
BOOL AFXAPI AfxDeferRegisterClass(LONG fToRegister);
