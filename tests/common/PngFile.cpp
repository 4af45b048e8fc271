#include "common/PngFile.h"

#include <png.h>

#include <stdio.h>

#include <vector>

bool WritePng(const std::string& strPath, const DWORD* pPixels, int cx, int cy)
{
    FILE* pFile = fopen(strPath.c_str(), "wb");
    if (!pFile)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, &info);
        fclose(pFile);
        return false;
    }
    png_init_io(png, pFile);
    png_set_IHDR(png, info, cx, cy, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(cx) * 3);
    for (int y = 0; y < cy; ++y)
    {
        for (int x = 0; x < cx; ++x)
        {
            DWORD dw = pPixels[y * cx + x];
            row[x * 3] = static_cast<png_byte>((dw >> 16) & 0xFF);
            row[x * 3 + 1] = static_cast<png_byte>((dw >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<png_byte>(dw & 0xFF);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    fclose(pFile);
    return true;
}
