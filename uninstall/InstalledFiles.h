// The files that setup puts into the installation folder and the program
// shortcuts, removed one by one. A file that is already gone counts as
// removed; one that stays is named to the caller.
#pragma once

#include "framework/core/String.h"

#include <vector>

// Deletes folder + name. The two are joined without a length limit; paths
// beyond MAX_PATH are deleted through the wide-character call.
void DeleteInstalledFile(LPCSTR name, LPCSTR folder);

// The first installed file in the folder that a running program holds open
// (a running Qivnotes holds qivnotes.exe), or empty when none is.
CString FindInstalledFileInUse(const CString& strFolder);

// Deletes the program and data files in the folder (which ends with a
// backslash); uninstall.exe itself stays. Answers the paths of the files
// that are still there.
std::vector<CString> DeleteInstalledFiles(const CString& strFolder);

// Deletes "Qivnotes 2000.lnk" in each folder; an empty folder (one the
// system could not name) is skipped instead of pointing at the drive's root.
void DeleteProgramShortcuts(const CString& strProgramsFolder, const CString& strDesktopFolder);
