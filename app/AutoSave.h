// Saving the card file on a timer while the user works: every few minutes
// (Settings\AutoSaveIntervall, 1..120) when Settings\AutoSave is "1".
#pragma once

#include "framework/core/AfxWin.h"

class CDocument;
class CWnd;

const UINT_PTR kAutoSaveTimerId = 1998;

// Stops the frame's save timer and starts it again when saving on a timer
// is switched on.
void QivRestartAutoSave(CWnd* pFrame);

// One tick of the timer: posts the save command to the frame when the card
// file is modified. A card file without a path is left alone (saving it
// would ask for a name every few minutes), and so is everything while the
// frame is disabled by a dialog or message box.
void QivOnAutoSaveTimer(CWnd* pFrame, CDocument* pDocument);
