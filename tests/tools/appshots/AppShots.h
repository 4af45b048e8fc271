// The screenshot program's run over the real program (AppShots.cpp).
#pragma once

#include <string>

// Starts strExe with strFile and writes its shots to strFolder\app; the
// exit code of the screenshot program (0 when every shot was written).
int RunAppShots(const std::string& strExe, const std::string& strFile, const std::string& strFolder);
