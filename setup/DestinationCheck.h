// Whether setup can install into a folder: the folder, or the folders that
// would be made for it, must be possible to make and to write into. The
// check leaves nothing behind: what it makes to try, it removes again.
#pragma once

#include "framework/core/String.h"

// Empty when the full path strFolder can be made and written; otherwise the
// German message that tells the user why not.
CString CheckDestinationFolder(const CString& strFolder);
