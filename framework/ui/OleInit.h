// OLE for the user-interface thread: AfxOleInit starts it (clipboard, drag
// and drop, embedded objects, pictures) and arranges that it ends with the
// program, leaving data the program put on the clipboard there.
#pragma once

#include "framework/core/AfxWin.h"

// FALSE when OLE cannot be started; the caller reports it. A second call
// on the same thread answers TRUE and does nothing.
BOOL AFXAPI AfxOleInit();
// Ends what AfxOleInit started (also run when the program ends).
void AFXAPI AfxOleTerm();
