// The local date and time as the program reads it (quick-note titles, the
// date menu), through one function that tests replace.
#pragma once

#include "framework/core/AfxWin.h"

using PFN_QIV_LOCALTIME = void (*)(SYSTEMTIME* pTime);

void QivGetLocalTime(SYSTEMTIME* pTime);
// Installs a replacement (null: the system's clock) and returns the one it
// replaces, for the caller to put back.
PFN_QIV_LOCALTIME QivSetLocalTimeSource(PFN_QIV_LOCALTIME pfnLocalTime);
