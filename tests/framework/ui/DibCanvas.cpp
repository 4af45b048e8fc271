#include "DibCanvas.h"

CDibCanvas::CDibCanvas(int cx, int cy, COLORREF clrFill) : m_cx(cx), m_cy(cy)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    m_bitmap.Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
    m_pBits = static_cast<const DWORD*>(pBits);
    dc.CreateCompatibleDC(nullptr);
    m_pOldBitmap = dc.SelectObject(&m_bitmap);
    dc.FillSolidRect(0, 0, cx, cy, clrFill);
}

CDibCanvas::~CDibCanvas()
{
    dc.SelectObject(m_pOldBitmap);
}

COLORREF CDibCanvas::At(int x, int y) const
{
    ::GdiFlush();
    return PixelAt(x, y);
}

COLORREF CDibCanvas::PixelAt(int x, int y) const
{
    DWORD pixel = m_pBits[y * m_cx + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

std::vector<std::string> CDibCanvas::Picture(const std::map<COLORREF, char>& legend) const
{
    ::GdiFlush();
    std::vector<std::string> rows;
    for (int y = 0; y < m_cy; y++)
    {
        std::string row;
        for (int x = 0; x < m_cx; x++)
        {
            auto it = legend.find(PixelAt(x, y));
            row += it != legend.end() ? it->second : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

CRect CDibCanvas::InkBox(COLORREF clrBackground) const
{
    ::GdiFlush();
    CRect box(m_cx, m_cy, 0, 0);
    for (int y = 0; y < m_cy; y++)
        for (int x = 0; x < m_cx; x++)
            if (PixelAt(x, y) != clrBackground)
                box |= CRect(x, y, x + 1, y + 1);
    return box;
}
