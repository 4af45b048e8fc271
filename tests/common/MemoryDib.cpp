#include "common/MemoryDib.h"

CMemoryDib::CMemoryDib(int cx, int cy)
    : m_cx(cx)
    , m_cy(cy)
    , m_hDC(::CreateCompatibleDC(nullptr))
    , m_hBitmap(nullptr)
    , m_hOld(nullptr)
    , m_pBits(nullptr)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    if (cx > 0 && cy > 0)
        m_hBitmap = ::CreateDIBSection(m_hDC, &bmi, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
    if (m_hBitmap)
        m_hOld = ::SelectObject(m_hDC, m_hBitmap);
}

CMemoryDib::~CMemoryDib()
{
    if (m_hBitmap) {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
    }
    ::DeleteDC(m_hDC);
}

const DWORD* CMemoryDib::Pixels() const
{
    ::GdiFlush();
    return static_cast<const DWORD*>(m_pBits);
}

void CMemoryDib::CopyScreen(int x, int y)
{
    HDC hScreen = ::GetDC(nullptr);
    ::BitBlt(m_hDC, 0, 0, m_cx, m_cy, hScreen, x, y, SRCCOPY);
    ::ReleaseDC(nullptr, hScreen);
}
