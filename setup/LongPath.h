// Paths of any length for the wide-character file calls: a path at or over
// MAX_PATH gets the prefix that lifts the limit.
#pragma once

#include "framework/core/String.h"

#include <string>

std::wstring LongPathW(const CString& strPath);
BOOL PathExists(const CString& strPath);
