// The registry entries setup writes: the card-file type, the uninstall
// entry and the application path. The roots are handed in (the system's in
// a real run). A key that can't be opened or created is skipped with
// everything below it; nothing is reported.
#pragma once

#include "framework/core/String.h"

// strFolder is the installation folder with its trailing backslash.
void WriteFileAssociation(HKEY hClasses, const CString& strFolder);
void WriteUninstallEntry(HKEY hMachine, const CString& strFolder);
void WriteAppPath(HKEY hMachine, const CString& strFolder);
