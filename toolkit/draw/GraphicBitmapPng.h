// CXTPGraphicBitmapPng: a PNG image of the program's resources decoded into a
// 32-bit top-down DIB section (bytes blue, green, red, alpha per pixel), ready
// for alpha blending.
#pragma once

#include "framework/ui/Gdi.h"

class CXTPGraphicBitmapPng : public CBitmap
{
public:
    CXTPGraphicBitmapPng();

    // Deletes any previous bitmap first; TRUE when the image was decoded and
    // attached. Resources of 9 bytes or fewer are refused.
    BOOL LoadFromResource(HMODULE hModule, HRSRC hRes);
    // The same for PNG bytes held in memory.
    BOOL LoadFromMemory(const void* pData, UINT nSize);

    // TRUE when the decoded image kept an alpha channel.
    BOOL IsAlpha() const { return m_bAlpha; }

private:
    BOOL m_bAlpha;
};
