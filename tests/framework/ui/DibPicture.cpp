#include "DibPicture.h"

std::vector<std::string> PictureOf(const CTestDib& dib, const std::map<COLORREF, char>& legend)
{
    std::vector<std::string> rows;
    for (int y = 0; y < dib.Height(); y++)
    {
        std::string row;
        for (int x = 0; x < dib.Width(); x++)
        {
            auto it = legend.find(dib.Pixel(x, y));
            row += it != legend.end() ? it->second : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

CRect InkBox(const CTestDib& dib, COLORREF clrBackground)
{
    CRect box(dib.Width(), dib.Height(), 0, 0);
    for (int y = 0; y < dib.Height(); y++)
        for (int x = 0; x < dib.Width(); x++)
            if (dib.Pixel(x, y) != clrBackground)
                box |= CRect(x, y, x + 1, y + 1);
    return box;
}
