// PNG files of screenshots made by the tests and the screenshot program.
#pragma once

#include <windows.h>

#include <string>

// Writes the 32-bit top-down pixels as an RGB PNG file.
bool WritePng(const std::string& strPath, const DWORD* pPixels, int cx, int cy);
