#include "framework/core/Geometry.h"

// CSize

CSize::CSize() { cx = 0; cy = 0; }
CSize::CSize(int initCX, int initCY) { cx = initCX; cy = initCY; }
CSize::CSize(SIZE initSize) { cx = initSize.cx; cy = initSize.cy; }
CSize::CSize(POINT initPt) { cx = initPt.x; cy = initPt.y; }
CSize::CSize(DWORD dwSize)
{
    cx = static_cast<short>(LOWORD(dwSize));
    cy = static_cast<short>(HIWORD(dwSize));
}

BOOL CSize::operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
BOOL CSize::operator!=(SIZE size) const { return !(*this == size); }
void CSize::operator+=(SIZE size) { cx += size.cx; cy += size.cy; }
void CSize::operator-=(SIZE size) { cx -= size.cx; cy -= size.cy; }
void CSize::SetSize(int CX, int CY) { cx = CX; cy = CY; }

CSize CSize::operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
CSize CSize::operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
CSize CSize::operator-() const { return CSize(-cx, -cy); }
CPoint CSize::operator+(POINT point) const { return CPoint(cx + point.x, cy + point.y); }
CPoint CSize::operator-(POINT point) const { return CPoint(cx - point.x, cy - point.y); }
CRect CSize::operator+(const RECT* lpRect) const { return CRect(lpRect) + *this; }
CRect CSize::operator-(const RECT* lpRect) const { return CRect(lpRect) - *this; }

// CPoint

CPoint::CPoint() { x = 0; y = 0; }
CPoint::CPoint(int initX, int initY) { x = initX; y = initY; }
CPoint::CPoint(POINT initPt) { x = initPt.x; y = initPt.y; }
CPoint::CPoint(SIZE initSize) { x = initSize.cx; y = initSize.cy; }
CPoint::CPoint(LPARAM dwPoint)
{
    x = static_cast<short>(LOWORD(dwPoint));
    y = static_cast<short>(HIWORD(dwPoint));
}

void CPoint::Offset(int xOffset, int yOffset) { x += xOffset; y += yOffset; }
void CPoint::Offset(POINT point) { Offset(point.x, point.y); }
void CPoint::Offset(SIZE size) { Offset(size.cx, size.cy); }
void CPoint::SetPoint(int X, int Y) { x = X; y = Y; }

BOOL CPoint::operator==(POINT point) const { return x == point.x && y == point.y; }
BOOL CPoint::operator!=(POINT point) const { return !(*this == point); }
void CPoint::operator+=(SIZE size) { Offset(size); }
void CPoint::operator-=(SIZE size) { Offset(-size.cx, -size.cy); }
void CPoint::operator+=(POINT point) { Offset(point); }
void CPoint::operator-=(POINT point) { Offset(-point.x, -point.y); }

CPoint CPoint::operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
CPoint CPoint::operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
CPoint CPoint::operator-() const { return CPoint(-x, -y); }
CPoint CPoint::operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
CSize CPoint::operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
CRect CPoint::operator+(const RECT* lpRect) const { return CRect(lpRect) + *this; }
CRect CPoint::operator-(const RECT* lpRect) const { return CRect(lpRect) - *this; }

// CRect

CRect::CRect() { left = top = right = bottom = 0; }
CRect::CRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
CRect::CRect(const RECT& srcRect) { ::CopyRect(this, &srcRect); }
CRect::CRect(LPCRECT lpSrcRect) { ::CopyRect(this, lpSrcRect); }
CRect::CRect(POINT point, SIZE size)
{
    left = point.x;
    top = point.y;
    right = point.x + size.cx;
    bottom = point.y + size.cy;
}
CRect::CRect(POINT topLeft, POINT bottomRight)
{
    left = topLeft.x;
    top = topLeft.y;
    right = bottomRight.x;
    bottom = bottomRight.y;
}

int CRect::Width() const { return right - left; }
int CRect::Height() const { return bottom - top; }
CSize CRect::Size() const { return CSize(Width(), Height()); }
CPoint& CRect::TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
CPoint& CRect::BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
const CPoint& CRect::TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
const CPoint& CRect::BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
CPoint CRect::CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

CRect::operator LPRECT() { return this; }
CRect::operator LPCRECT() const { return this; }

BOOL CRect::IsRectEmpty() const { return ::IsRectEmpty(this); }
BOOL CRect::IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
BOOL CRect::PtInRect(POINT point) const { return ::PtInRect(this, point); }

void CRect::SetRect(int x1, int y1, int x2, int y2) { ::SetRect(this, x1, y1, x2, y2); }
void CRect::SetRect(POINT topLeft, POINT bottomRight)
{
    ::SetRect(this, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}
void CRect::SetRectEmpty() { ::SetRectEmpty(this); }
void CRect::CopyRect(LPCRECT lpSrcRect) { ::CopyRect(this, lpSrcRect); }
BOOL CRect::EqualRect(LPCRECT lpRect) const { return ::EqualRect(this, lpRect); }

void CRect::InflateRect(int x, int y) { ::InflateRect(this, x, y); }
void CRect::InflateRect(SIZE size) { ::InflateRect(this, size.cx, size.cy); }
void CRect::InflateRect(LPCRECT lpRect)
{
    InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
void CRect::InflateRect(int l, int t, int r, int b)
{
    left -= l;
    top -= t;
    right += r;
    bottom += b;
}
void CRect::DeflateRect(int x, int y) { ::InflateRect(this, -x, -y); }
void CRect::DeflateRect(SIZE size) { ::InflateRect(this, -size.cx, -size.cy); }
void CRect::DeflateRect(LPCRECT lpRect)
{
    DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
void CRect::DeflateRect(int l, int t, int r, int b)
{
    left += l;
    top += t;
    right -= r;
    bottom -= b;
}

void CRect::OffsetRect(int x, int y) { ::OffsetRect(this, x, y); }
void CRect::OffsetRect(SIZE size) { ::OffsetRect(this, size.cx, size.cy); }
void CRect::OffsetRect(POINT point) { ::OffsetRect(this, point.x, point.y); }

void CRect::NormalizeRect()
{
    if (left > right) {
        int n = left;
        left = right;
        right = n;
    }
    if (top > bottom) {
        int n = top;
        top = bottom;
        bottom = n;
    }
}

BOOL CRect::IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    return ::IntersectRect(this, lpRect1, lpRect2);
}
BOOL CRect::UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
{
    return ::UnionRect(this, lpRect1, lpRect2);
}
BOOL CRect::SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2)
{
    return ::SubtractRect(this, lpRectSrc1, lpRectSrc2);
}

void CRect::operator=(const RECT& srcRect) { ::CopyRect(this, &srcRect); }
BOOL CRect::operator==(const RECT& rect) const { return ::EqualRect(this, &rect); }
BOOL CRect::operator!=(const RECT& rect) const { return !::EqualRect(this, &rect); }
void CRect::operator+=(POINT point) { OffsetRect(point); }
void CRect::operator+=(SIZE size) { OffsetRect(size); }
void CRect::operator+=(LPCRECT lpRect) { InflateRect(lpRect); }
void CRect::operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
void CRect::operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
void CRect::operator-=(LPCRECT lpRect) { DeflateRect(lpRect); }
void CRect::operator&=(const RECT& rect)
{
    RECT self = *this;
    ::IntersectRect(this, &self, &rect);
}
void CRect::operator|=(const RECT& rect)
{
    RECT self = *this;
    ::UnionRect(this, &self, &rect);
}

CRect CRect::operator+(POINT point) const
{
    CRect rect(*this);
    rect.OffsetRect(point);
    return rect;
}
CRect CRect::operator-(POINT point) const
{
    CRect rect(*this);
    rect.OffsetRect(-point.x, -point.y);
    return rect;
}
CRect CRect::operator+(SIZE size) const
{
    CRect rect(*this);
    rect.OffsetRect(size);
    return rect;
}
CRect CRect::operator-(SIZE size) const
{
    CRect rect(*this);
    rect.OffsetRect(-size.cx, -size.cy);
    return rect;
}
CRect CRect::operator+(LPCRECT lpRect) const
{
    CRect rect(*this);
    rect.InflateRect(lpRect);
    return rect;
}
CRect CRect::operator-(LPCRECT lpRect) const
{
    CRect rect(*this);
    rect.DeflateRect(lpRect);
    return rect;
}
CRect CRect::operator&(const RECT& rect2) const
{
    CRect rect;
    ::IntersectRect(&rect, this, &rect2);
    return rect;
}
CRect CRect::operator|(const RECT& rect2) const
{
    CRect rect;
    ::UnionRect(&rect, this, &rect2);
    return rect;
}
