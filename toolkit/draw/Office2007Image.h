// One image of the style module: a vertical strip of equal frames (one per
// visual state, frame 0 at the top) that is stretched to any size by the
// nine-part rule: corners keep their size, edges stretch along one axis,
// the centre along both.
#pragma once

#include "framework/core/Geometry.h"

class CDC;

class CXTPOffice2007Image
{
public:
    CXTPOffice2007Image();
    virtual ~CXTPOffice2007Image();

    // Loads a PNG (with alpha) or a bitmap resource of the module.
    BOOL LoadFromResource(HMODULE hModule, LPCSTR lpszName);

    CSize GetExtent() const;
    int GetWidth() const;
    int GetHeight() const;
    BOOL IsAlphaImage() const { return m_bAlpha; }

    // Frame nState of nCount frames.
    CRect GetSource(int nState, int nCount) const;

    // Draws the source rectangle into the destination, the margins (left,
    // top, right, bottom widths of the source's fixed borders) kept.
    void DrawImage(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, const CRect& rcMargins);
    // The same with one colour of the image left out (for opaque images).
    void DrawImage(CDC* pDC, const CRect& rcDest, const CRect& rcSrc, const CRect& rcMargins,
                   COLORREF clrTransparent);

    // One piece; nothing (and success) for an empty rectangle.
    BOOL DrawImagePart(CDC* pDestDC, const CRect& rcDest, CDC* pSrcDC, const CRect& rcSrc) const;

private:
    CXTPOffice2007Image(const CXTPOffice2007Image&) = delete;
    CXTPOffice2007Image& operator=(const CXTPOffice2007Image&) = delete;

    void DeleteBitmap();

    HBITMAP m_hBitmap;
    BOOL m_bAlpha;
};
