// The files that setup puts into the installation folder and the program
// shortcuts, removed one by one. A file that is already gone or can't be
// deleted is passed over: the uninstaller reports nothing about single files.
#pragma once

#include "framework/core/String.h"

// Deletes folder + name. The two are joined without a length limit; paths
// beyond MAX_PATH are deleted through the wide-character call.
void DeleteInstalledFile(LPCSTR name, LPCSTR folder);

// Deletes the program and data files in the folder (which ends with a
// backslash); uninstall.exe itself stays.
void DeleteInstalledFiles(const CString& strFolder);

// Deletes "Qivnotes 2000.lnk" in each folder; an empty folder (one the
// system could not name) is skipped instead of pointing at the drive's root.
void DeleteProgramShortcuts(const CString& strProgramsFolder, const CString& strDesktopFolder);
