// Off-screen device contexts for flicker-free painting: everything is drawn
// into a bitmap that is copied to the target once, when the object goes out
// of scope. When the bitmap cannot be made, they draw straight into the
// target instead of copying an undrawn bitmap over it.
#pragma once

#include "framework/ui/Dc.h"
#include "toolkit/draw/PaintManagerColor.h"

// Draws in the target's coordinates: the buffer covers 0,0 to right,bottom
// of the rectangle, and only the rectangle is copied back.
class CXTPBufferDC : public CDC
{
public:
    CXTPBufferDC(HDC hDestDC, const CRect& rcPaint);
    ~CXTPBufferDC() override;

    // TRUE while drawing goes into the off-screen bitmap.
    BOOL IsValid() const { return m_bValid; }

private:
    HDC m_hDestDC;
    CRect m_rect;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    BOOL m_bValid;
};

// Draws in coordinates relative to the rectangle (the buffer's 0,0 is its
// top-left corner); the buffer starts filled with the background gradient
// when its second colour is set. An empty rectangle means the target's clip
// box.
class CXTMemDC : public CDC
{
public:
    CXTMemDC(CDC* pDC, const CRect& rect, const CXTPPaintManagerColorGradient& clrBack,
             BOOL bHorz = FALSE);
    ~CXTMemDC() override;

    // TRUE while drawing goes into the off-screen bitmap.
    BOOL IsValid() const { return m_bValid; }

private:
    // Drawing goes to the target itself, shifted and clipped to the rectangle.
    void DrawIntoTarget();

    CDC* m_pDC;
    CRect m_rect;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    BOOL m_bValid;
    int m_nSavedDC;
};
