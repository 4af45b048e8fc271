// The parts of a file path that the imports and exports name things after.
// Both "\" and "/" separate folders.
#pragma once

#include "framework/core/String.h"

// "C:\a\Brief.txt" gives "Brief.txt".
CString QivPathFileName(LPCSTR lpszPath);
// "C:\a\Brief.txt" gives "C:\a\"; a bare name gives "".
CString QivPathFolder(LPCSTR lpszPath);
// "C:\a\Brief.txt" gives "txt"; a name without a dot gives "".
CString QivPathExtension(LPCSTR lpszPath);
// "C:\a\Brief.txt" gives "Brief".
CString QivPathTitle(LPCSTR lpszPath);

// The folder of the running program file, with a closing backslash.
CString QivGetProgramFolder();
