// The files setup copies from its own folder into the installation folder,
// in the order they are copied.
#pragma once

#include "framework/core/String.h"

extern const LPCSTR kInstallFiles[21];

// Copies strSource + name to strDestination + name (both folders end with a
// backslash), creating the destination folder when it is missing. A file
// that can't be copied is passed over; answers whether it was copied.
BOOL CopyInstallFile(LPCSTR lpszName, const CString& strSource, const CString& strDestination,
                     HWND hWndOwner);
