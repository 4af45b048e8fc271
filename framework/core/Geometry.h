// CPoint, CSize and CRect: the Win32 POINT, SIZE and RECT with arithmetic.
// They are layout-compatible with the Win32 structures, so a CRect can be
// passed wherever a RECT* is expected and TopLeft()/BottomRight() are
// references into the rectangle. Default construction gives zeros.
// Intersection, union, subtraction and hit tests are the user32 ones.
#pragma once

#include "framework/core/AfxWin.h"

class CPoint;
class CRect;

class CSize : public tagSIZE
{
public:
    CSize();
    CSize(int initCX, int initCY);
    CSize(SIZE initSize);
    CSize(POINT initPt);
    CSize(DWORD dwSize);     // cx in the low word, cy in the high word

    BOOL operator==(SIZE size) const;
    BOOL operator!=(SIZE size) const;
    void operator+=(SIZE size);
    void operator-=(SIZE size);
    void SetSize(int CX, int CY);

    CSize operator+(SIZE size) const;
    CSize operator-(SIZE size) const;
    CSize operator-() const;
    CPoint operator+(POINT point) const;
    CPoint operator-(POINT point) const;
    CRect operator+(const RECT* lpRect) const;
    CRect operator-(const RECT* lpRect) const;
};

class CPoint : public tagPOINT
{
public:
    CPoint();
    CPoint(int initX, int initY);
    CPoint(POINT initPt);
    CPoint(SIZE initSize);
    CPoint(LPARAM dwPoint);  // signed x in the low word, y in the high word

    void Offset(int xOffset, int yOffset);
    void Offset(POINT point);
    void Offset(SIZE size);
    void SetPoint(int X, int Y);

    BOOL operator==(POINT point) const;
    BOOL operator!=(POINT point) const;
    void operator+=(SIZE size);
    void operator-=(SIZE size);
    void operator+=(POINT point);
    void operator-=(POINT point);

    CPoint operator+(SIZE size) const;
    CPoint operator-(SIZE size) const;
    CPoint operator-() const;
    CPoint operator+(POINT point) const;
    CSize operator-(POINT point) const;
    CRect operator+(const RECT* lpRect) const;
    CRect operator-(const RECT* lpRect) const;
};

class CRect : public tagRECT
{
public:
    CRect();
    CRect(int l, int t, int r, int b);
    CRect(const RECT& srcRect);
    CRect(LPCRECT lpSrcRect);
    CRect(POINT point, SIZE size);
    CRect(POINT topLeft, POINT bottomRight);

    int Width() const;
    int Height() const;
    CSize Size() const;
    CPoint& TopLeft();
    CPoint& BottomRight();
    const CPoint& TopLeft() const;
    const CPoint& BottomRight() const;
    CPoint CenterPoint() const;

    operator LPRECT();
    operator LPCRECT() const;

    // Empty: no area (width or height not positive). Null: all four zero.
    BOOL IsRectEmpty() const;
    BOOL IsRectNull() const;
    // Left and top edges are inside, right and bottom edges outside.
    BOOL PtInRect(POINT point) const;

    void SetRect(int x1, int y1, int x2, int y2);
    void SetRect(POINT topLeft, POINT bottomRight);
    void SetRectEmpty();
    void CopyRect(LPCRECT lpSrcRect);
    BOOL EqualRect(LPCRECT lpRect) const;

    // Inflate moves every edge outwards, Deflate inwards.
    void InflateRect(int x, int y);
    void InflateRect(SIZE size);
    void InflateRect(LPCRECT lpRect);
    void InflateRect(int l, int t, int r, int b);
    void DeflateRect(int x, int y);
    void DeflateRect(SIZE size);
    void DeflateRect(LPCRECT lpRect);
    void DeflateRect(int l, int t, int r, int b);

    void OffsetRect(int x, int y);
    void OffsetRect(SIZE size);
    void OffsetRect(POINT point);
    // Swaps edges so that left <= right and top <= bottom.
    void NormalizeRect();

    // Each sets this rectangle to the result; an empty result is all zeros
    // and answers FALSE.
    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2);
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2);
    BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2);

    void operator=(const RECT& srcRect);
    BOOL operator==(const RECT& rect) const;
    BOOL operator!=(const RECT& rect) const;
    void operator+=(POINT point);
    void operator+=(SIZE size);
    void operator+=(LPCRECT lpRect);
    void operator-=(POINT point);
    void operator-=(SIZE size);
    void operator-=(LPCRECT lpRect);
    void operator&=(const RECT& rect);
    void operator|=(const RECT& rect);

    CRect operator+(POINT point) const;
    CRect operator-(POINT point) const;
    CRect operator+(SIZE size) const;
    CRect operator-(SIZE size) const;
    CRect operator+(LPCRECT lpRect) const;
    CRect operator-(LPCRECT lpRect) const;
    CRect operator&(const RECT& rect2) const;
    CRect operator|(const RECT& rect2) const;
};
