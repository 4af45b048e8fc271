// The installation folder offered first: the machine's program-files folder
// followed by "Qivnotes", without a trailing backslash.
#pragma once

#include "framework/core/String.h"

// hMachine holds "SOFTWARE\Microsoft\Windows\CurrentVersion" (the system's
// HKEY_LOCAL_MACHINE in a real run); lpszWindowsFolder is the fallback's
// source, the Windows folder in a real run.
CString DefaultDestinationFolder(HKEY hMachine, LPCSTR lpszWindowsFolder);
CString DefaultDestinationFolder();
