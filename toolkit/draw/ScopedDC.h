// Scoped selections: each object selects a font, pen, brush or bitmap into a
// device context for its lifetime and puts the previous one back (deleting
// what it created) when it goes out of scope.
#pragma once

#include "framework/ui/Dc.h"

class CXTPFontDC
{
public:
    // Selects the font when one is given.
    CXTPFontDC(CDC* pDC, CFont* pFont = nullptr);
    virtual ~CXTPFontDC();

    // Selects the font; the font it first replaced is the one restored.
    void SetFont(CFont* pFont);
    void SetFont(HFONT hFont);
    // Sets the text colour; the colour it first replaced is the one restored.
    void SetColor(COLORREF clrTextColor);
    void ReleaseFont();
    void ReleaseColor();

private:
    CXTPFontDC(const CXTPFontDC&) = delete;
    CXTPFontDC& operator=(const CXTPFontDC&) = delete;

    CDC* m_pDC;
    HGDIOBJ m_hOldFont;
    COLORREF m_clrOldTextColor;
};

class CXTPPenDC
{
public:
    // A solid pen one pixel wide.
    CXTPPenDC(HDC hDC, COLORREF clrColor);
    virtual ~CXTPPenDC();

    COLORREF GetColor() const;

private:
    CXTPPenDC(const CXTPPenDC&) = delete;
    CXTPPenDC& operator=(const CXTPPenDC&) = delete;

    HDC m_hDC;
    HPEN m_hPen;
    HGDIOBJ m_hOldPen;
};

class CXTPBrushDC
{
public:
    CXTPBrushDC(HDC hDC, COLORREF clrColor);
    virtual ~CXTPBrushDC();

    // Replaces the brush with a solid one of another colour.
    void Color(COLORREF clrColor);

private:
    CXTPBrushDC(const CXTPBrushDC&) = delete;
    CXTPBrushDC& operator=(const CXTPBrushDC&) = delete;

    HDC m_hDC;
    HBRUSH m_hBrush;
    HGDIOBJ m_hOldBrush;
};

class CXTPBitmapDC
{
public:
    CXTPBitmapDC(CDC* pDC, CBitmap* pBitmap);
    CXTPBitmapDC(CDC* pDC, HBITMAP hBitmap);
    virtual ~CXTPBitmapDC();

private:
    CXTPBitmapDC(const CXTPBitmapDC&) = delete;
    CXTPBitmapDC& operator=(const CXTPBitmapDC&) = delete;

    HDC m_hDC;
    HGDIOBJ m_hOldBitmap;
};

// A memory DC like pDC (like the screen when null) with the bitmap selected.
class CXTPCompatibleDC : public CDC
{
public:
    CXTPCompatibleDC(CDC* pDC, CBitmap* pBitmap);
    CXTPCompatibleDC(CDC* pDC, HBITMAP hBitmap);
    ~CXTPCompatibleDC() override;

private:
    HGDIOBJ m_hOldBitmap;
};
