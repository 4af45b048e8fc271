// Filled and framed rectangles, shapes, pixels and the state drawings.
#include "framework/ui/Dc.h"

namespace {

// The frame of a rectangle, size thick, as a region in device coordinates
// (clip regions are device-based, the rectangle is logical).
void MakeFrameRgn(const CDC& dc, CRgn& rgn, LPCRECT lpRect, SIZE size)
{
    CRect rectOuter(lpRect);
    CRect rectInner = rectOuter;
    rectInner.DeflateRect(size.cx, size.cy);
    rectInner.IntersectRect(rectInner, rectOuter);
    dc.LPtoDP(rectOuter);
    dc.LPtoDP(rectInner);
    rgn.CreateRectRgnIndirect(rectOuter);
    CRgn rgnInner;
    rgnInner.CreateRectRgnIndirect(rectInner);
    rgn.CombineRgn(&rgn, &rgnInner, RGN_DIFF);
}

// Inverts the pixels of a device region with a brush, inside the DC's own
// clipping; the DC's state is left as it was.
void InvertRgn(CDC& dc, CRgn& rgn, CBrush* pBrush)
{
    int nSaved = dc.SaveDC();
    dc.SelectClipRgn(&rgn, RGN_AND);
    CRect rect;
    dc.GetClipBox(rect);
    dc.SelectObject(pBrush);
    dc.PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    dc.RestoreDC(nSaved);
}

} // namespace

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    ASSERT(m_hDC != nullptr && pBrush != nullptr);
    ::FillRect(m_hDC, lpRect, *pBrush);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    ASSERT(m_hDC != nullptr);
    // An opaque empty text fills with the background colour and needs no brush.
    COLORREF clrOld = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, clrOld);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    ASSERT(m_hDC != nullptr && pBrush != nullptr);
    ::FrameRect(m_hDC, lpRect, *pBrush);
}

void CDC::InvertRect(LPCRECT lpRect)
{
    ASSERT(m_hDC != nullptr);
    ::InvertRect(m_hDC, lpRect);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    ASSERT(m_hDC != nullptr);
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    ASSERT(m_hDC != nullptr);
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    return RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    ASSERT(m_hDC != nullptr);
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    ASSERT(m_hDC != nullptr);
    return ::Polygon(m_hDC, lpPoints, nCount);
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    ASSERT(m_hDC != nullptr);
    return ::Polyline(m_hDC, lpPoints, nCount);
}

CPoint CDC::MoveTo(int x, int y)
{
    ASSERT(m_hDC != nullptr);
    CPoint point;
    ::MoveToEx(m_hDC, x, y, &point);
    return point;
}

CPoint CDC::MoveTo(POINT point)
{
    return MoveTo(point.x, point.y);
}

BOOL CDC::LineTo(int x, int y)
{
    ASSERT(m_hDC != nullptr);
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::LineTo(POINT point)
{
    return LineTo(point.x, point.y);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    ASSERT(m_hDC != nullptr);
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::GetPixel(POINT point) const
{
    return GetPixel(point.x, point.y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    ASSERT(m_hDC != nullptr);
    return ::SetPixel(m_hDC, x, y, crColor);
}

COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
    return SetPixel(point.x, point.y, crColor);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    ASSERT(m_hDC != nullptr);
    return ::SetPixelV(m_hDC, x, y, crColor);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    ASSERT(m_hDC != nullptr);
    ::DrawFocusRect(m_hDC, lpRect);
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast,
                       CBrush* pBrush, CBrush* pBrushLast)
{
    ASSERT(m_hDC != nullptr && lpRect != nullptr);
    if (pBrush == nullptr)
        pBrush = GetHalftoneBrush();
    if (pBrushLast == nullptr)
        pBrushLast = pBrush;

    CRgn rgnNew;
    MakeFrameRgn(*this, rgnNew, lpRect, size);
    if (lpRectLast == nullptr)
    {
        InvertRgn(*this, rgnNew, pBrush);
        return;
    }

    CRgn rgnLast;
    MakeFrameRgn(*this, rgnLast, lpRectLast, sizeLast);
    if (pBrushLast->m_hObject != pBrush->m_hObject)
    {
        // Different patterns do not cancel out: take the old frame back whole.
        InvertRgn(*this, rgnLast, pBrushLast);
        InvertRgn(*this, rgnNew, pBrush);
        return;
    }
    // Inverting twice restores a pixel: only pixels in one frame but not in
    // both change, so an unmoved frame does not flicker.
    CRgn rgnUpdate;
    rgnUpdate.CreateRectRgn(0, 0, 0, 0);
    rgnUpdate.CombineRgn(&rgnNew, &rgnLast, RGN_XOR);
    InvertRgn(*this, rgnUpdate, pBrush);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    ASSERT(m_hDC != nullptr);
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    ASSERT(m_hDC != nullptr);
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    ASSERT(m_hDC != nullptr);
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

BOOL CDC::DrawIcon(POINT point, HICON hIcon)
{
    return DrawIcon(point.x, point.y, hIcon);
}

// --- DrawState ------------------------------------------------------------------

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    ASSERT(m_hDC != nullptr);
    return ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0,
                        pt.x, pt.y, size.cx, size.cy, nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    ASSERT(pBitmap != nullptr);
    HBRUSH hBrush = pBrush != nullptr ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr;
    return DrawState(pt, size, static_cast<HBITMAP>(pBitmap->m_hObject), nFlags, hBrush);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    ASSERT(m_hDC != nullptr);
    return ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon), 0,
                        pt.x, pt.y, size.cx, size.cy, nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    HBRUSH hBrush = pBrush != nullptr ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr;
    return DrawState(pt, size, hIcon, nFlags, hBrush);
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, HBRUSH hBrush)
{
    ASSERT(m_hDC != nullptr && lpszText != nullptr);
    return ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(lpszText),
                        static_cast<WPARAM>(nTextLen), pt.x, pt.y, size.cx, size.cy,
                        nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, CBrush* pBrush)
{
    HBRUSH hBrush = pBrush != nullptr ? static_cast<HBRUSH>(pBrush->m_hObject) : nullptr;
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, hBrush);
}
