// Paths of any length for the wide-character file calls: a path at or over
// MAX_PATH gets the prefix that lifts the limit.
#pragma once

#include "framework/core/String.h"

#include <string>

std::wstring LongPathW(const CString& strPath);
// Whether a file or folder of that path exists, whatever its length.
BOOL PathExists(const CString& strPath);
