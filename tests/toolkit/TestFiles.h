// Files of the source and build trees as the tests under Wine see them.
#pragma once

#include "framework/core/String.h"

#include <string>

// The folder named by an environment variable (a Unix path that ctest sets,
// such as QIV_SOURCE_DIR) plus a relative part, as a Windows path on drive Z:
// with a closing backslash. Empty when the variable is not set.
CString EnvironmentFolder(LPCSTR lpszVariable, LPCSTR lpszRelative = "");

// The whole file; empty when it cannot be read.
std::string ReadWholeFile(LPCSTR lpszPath);
BOOL WriteWholeFile(LPCSTR lpszPath, const void* pData, size_t nSize);
