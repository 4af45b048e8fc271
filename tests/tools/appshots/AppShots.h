// The screenshot program's run over the real program (AppShots.cpp).
#pragma once

#include <windows.h>

#include <string>

// Writes 32-bit pixels (0x00RRGGBB, top row first) as a PNG file.
using PngWriter = bool (*)(const std::string& strPath, const DWORD* pPixels, int cx, int cy);

// Starts strExe with strFile and writes its shots to strFolder\app; the
// exit code of the screenshot program (0 when every shot was written).
int RunAppShots(const std::string& strExe, const std::string& strFile, const std::string& strFolder,
                PngWriter pfnWritePng);
