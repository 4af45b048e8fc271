// The registry entries the uninstaller removes besides the uninstall entry:
// the card-file type and, on request, the main program's settings. Keys are
// deleted one by one, innermost first; a key that is missing or still has
// sub-keys of its own is left as it is.
#pragma once

#include "framework/core/AfxWin.h"

// Deletes ".qiv" and "Qivnotes.Datenbank" with its shell and icon keys below
// hClasses (HKEY_CLASSES_ROOT in a real run).
void DeleteFileAssociation(HKEY hClasses);

// Deletes the settings sections of "Software\VRNK\Qivnotes" below hUser
// (HKEY_CURRENT_USER in a real run), then that key itself. A section the
// program wrote that is not among the known ones keeps the key alive.
void DeleteProgramSettings(HKEY hUser);
