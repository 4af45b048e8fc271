// The uninstall entry that setup writes under the machine's software key: the
// one way the uninstaller learns where the installation is.
#pragma once

#include "framework/core/String.h"

// Reads "UninstallString" of the product's uninstall entry below hMachine
// (HKEY_LOCAL_MACHINE in a real run), whole, up to its first zero. FALSE when
// the key or the value is missing or the value is not a string.
BOOL ReadUninstallString(HKEY hMachine, CString& strValue);

// The installation folder: the value up to and including its last
// backslash. FALSE when the value names no folder (no backslash after its
// first character), so that nothing is deleted relative to some other folder.
BOOL InstallFolderFromUninstallString(const CString& strValue, CString& strFolder);

// Deletes the product's uninstall entry below hMachine; a failure is ignored.
void DeleteUninstallEntry(HKEY hMachine);
