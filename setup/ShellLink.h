// Shortcut files written through the shell-link object.
#pragma once

#include "framework/core/String.h"

// Writes a shortcut at lpszLinkPath to lpszTarget with the arguments and
// working folder given, shown normally. A failing step skips the rest and
// the save; answers FALSE only when the shell-link object can't be made.
BOOL CreateShellLink(LPCSTR lpszLinkPath, LPCSTR lpszWorkingDirectory, LPCSTR lpszTarget,
                     LPCSTR lpszArguments);
