// The files setup copies from its own folder into the installation folder,
// in the order they are copied, and the copy of one of them.
#pragma once

#include "framework/core/String.h"

#include <functional>
#include <vector>

extern const LPCSTR kInstallFiles[21];

// Asked between the pieces of a copy: FALSE stops it (the installation is
// being cancelled). It may wait while the user decides.
using CopyGoOn = std::function<BOOL()>;

// Copies strSource + name to strDestination + name (both folders end with a
// backslash, the destination folder exists). The copy is made under a
// temporary name and takes the file's name only once it is whole, so a copy
// that fails or is stopped never leaves a damaged file behind. Answers 0, or
// the system's error code (ERROR_CANCELLED when goOn stopped it).
DWORD CopyInstallFile(LPCSTR lpszName, const CString& strSource, const CString& strDestination,
                      const CopyGoOn& goOn);

// Creates the folder and the folders above it that are missing; each one
// made is appended to pCreated (outermost first). FALSE when the folder
// does not exist afterwards.
BOOL CreateFolders(const CString& strFolder, std::vector<CString>* pCreated);
