// One run of the uninstaller: two questions, the removal, and the closing
// message. Nothing is removed while a program (a running Qivnotes above all)
// holds one of the files, and the uninstall entry goes only once every file
// is gone, so a run that could not finish can be made again. The registry
// roots, the shortcut folders and the message boxes are handed in, so the
// run can work on scratch keys and folders as well as on the real ones.
#pragma once

#include "framework/core/String.h"

// Shows a message box without an owner window and answers the button
// pressed (IDYES, IDNO, IDCANCEL, IDOK).
class CUninstallMessageBox
{
public:
    virtual ~CUninstallMessageBox() = default;
    virtual int Show(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) = 0;
};

// Where the run looks and deletes.
struct CUninstallPlaces
{
    HKEY hMachine = nullptr;       // holds the uninstall entry
    HKEY hClasses = nullptr;       // holds the card-file type
    HKEY hUser = nullptr;          // holds the program's settings
    CString strProgramsFolder;     // the start menu's programs; empty: unknown
    CString strDesktopFolder;      // empty: unknown
};

enum class UninstallResult
{
    Declined,   // the first question was not answered with Yes
    NotFound,   // no usable uninstall entry: nothing was removed
    Kept,       // a program used the files, or some could not be removed:
                // the uninstall entry stays for another run
    Removed,
};

UninstallResult RunUninstall(const CUninstallPlaces& places, CUninstallMessageBox& messageBox);
