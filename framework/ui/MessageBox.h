// The framework's message boxes. Every one goes through AfxShowMessageBox,
// which asks the message-box test seam first (TestSeams.h).
#pragma once

#include "framework/core/AfxWin.h"

// Through the application's DoMessageBox (owner, caption and icon chosen
// there); without an application object, a plain box over the active window.
int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The string nIDPrompt as text; nIDHelp (UINT)-1 means nIDPrompt.
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// Shows the box as given (the seam first); returns the button pressed.
int AFXAPI AfxShowMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType,
                             UINT nIDHelp);
