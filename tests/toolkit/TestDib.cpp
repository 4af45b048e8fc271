#include "TestDib.h"

#include <stdlib.h>

CTestDib::CTestDib(int cx, int cy, COLORREF clrFill)
    : m_cx(cx)
    , m_cy(cy)
    , m_hBitmap(nullptr)
    , m_hOldBitmap(nullptr)
    , m_pBits(nullptr)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pvBits = nullptr;
    m_hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0);
    m_pBits = static_cast<DWORD*>(pvBits);
    m_dc.CreateCompatibleDC(nullptr);
    m_hOldBitmap = ::SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
    Fill(clrFill);
}

CTestDib::~CTestDib()
{
    ::SelectObject(m_dc.GetSafeHdc(), m_hOldBitmap);
    m_dc.DeleteDC();
    ::DeleteObject(m_hBitmap);
}

COLORREF CTestDib::Pixel(int x, int y) const
{
    ::GdiFlush();
    DWORD dw = m_pBits[y * m_cx + x];
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}

BYTE CTestDib::Alpha(int x, int y) const
{
    ::GdiFlush();
    return static_cast<BYTE>(m_pBits[y * m_cx + x] >> 24);
}

DWORD& CTestDib::Raw(int x, int y)
{
    ::GdiFlush();
    return m_pBits[y * m_cx + x];
}

void CTestDib::Fill(COLORREF clr, BYTE alpha)
{
    ::GdiFlush();
    DWORD dw = (static_cast<DWORD>(alpha) << 24) | (GetRValue(clr) << 16) | (GetGValue(clr) << 8)
               | GetBValue(clr);
    for (int i = 0; i < m_cx * m_cy; ++i)
        m_pBits[i] = dw;
}

bool ColorsClose(COLORREF a, COLORREF b, int nTolerance)
{
    return abs(GetRValue(a) - GetRValue(b)) <= nTolerance
           && abs(GetGValue(a) - GetGValue(b)) <= nTolerance
           && abs(GetBValue(a) - GetBValue(b)) <= nTolerance;
}
