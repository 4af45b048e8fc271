// Bit-block transfers, clipping and the half-tone brush.
#include "framework/ui/Dc.h"

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    ASSERT(m_hDC != nullptr);
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr,
                    xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    ASSERT(m_hDC != nullptr);
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr,
                        xSrc, ySrc, nSrcWidth, nSrcHeight, dwRop);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    ASSERT(m_hDC != nullptr);
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    ASSERT(m_hDC != nullptr);
    return ::GetClipBox(m_hDC, lpRect);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    ASSERT(m_hDC != nullptr);
    return ::SelectClipRgn(m_hDC, pRgn != nullptr ? static_cast<HRGN>(pRgn->m_hObject) : nullptr);
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    ASSERT(m_hDC != nullptr);
    return ::ExtSelectClipRgn(m_hDC, pRgn != nullptr ? static_cast<HRGN>(pRgn->m_hObject) : nullptr,
                              nMode);
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    ASSERT(m_hDC != nullptr);
    return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    ASSERT(m_hDC != nullptr);
    return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    ASSERT(m_hDC != nullptr);
    return ::RectVisible(m_hDC, lpRect);
}

BOOL CDC::PtVisible(int x, int y) const
{
    ASSERT(m_hDC != nullptr);
    return ::PtVisible(m_hDC, x, y);
}

BOOL CDC::PtVisible(POINT point) const
{
    return PtVisible(point.x, point.y);
}

CBrush* CDC::GetHalftoneBrush()
{
    // Made once and kept for the life of the process; the system frees the
    // handle at exit, which spares the brush any part in static destruction.
    static CBrush* const s_pBrush = [] {
        WORD pattern[8];   // monochrome rows are word-aligned
        for (int i = 0; i < 8; i++)
            pattern[i] = static_cast<WORD>((i & 1) != 0 ? 0xAAAA : 0x5555);
        CBitmap bitmap;
        CBrush* pBrush = new CBrush;
        if (bitmap.CreateBitmap(8, 8, 1, 1, pattern))
            pBrush->CreatePatternBrush(&bitmap);
        return pBrush;
    }();
    return s_pBrush;
}
