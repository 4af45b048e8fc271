// Where a stored attachment path points: a bare file name, ".\name" and
// "..\name" are relative to the folder of the open card file, anything
// else stands as it is. Paths are never cut to a fixed length.
#pragma once

#include "framework/core/String.h"

// The full path of a stored path, with its "." and ".." steps resolved;
// empty when the path is relative and the card file has no path yet
// (nothing to be relative to).
CString ResolveAttachmentPath(const CString& strStored, const CString& strCardFile);

// The stored path up to, not including, its last "\" (empty when none).
CString AttachmentFolderPart(const CString& strStored);
