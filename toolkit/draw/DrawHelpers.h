// Drawing routines every toolkit painter uses: gradient fills (through the
// system's GradientFill of msimg32 when it is there, line by line otherwise),
// colour mixing, triangles, pixel averaging, right-to-left layout switches
// and window rectangles.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"

class CDC;
class CFont;
class CWnd;
class CXTPPaintManagerColorGradient;

class CXTPDrawHelpers
{
public:
    // Built once at program start: loads msimg32 and looks up its GradientFill.
    CXTPDrawHelpers();
    ~CXTPDrawHelpers();

    // A two-colour gradient over the rectangle, left to right when bHorz,
    // else top to bottom. Solid in crFrom on a low-colour DC or when both
    // colours are equal; nothing for an empty rectangle.
    static void GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo,
                             BOOL bHorz);
    // Only the part inside lpRectClip, with the end colours the whole
    // rectangle's gradient has there; a null clip fills the whole rectangle.
    static void GradientFill(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo,
                             BOOL bHorz, LPCRECT lpRectClip);
    // The gradient's effective colours; a factor other than 0.5 draws two
    // halves meeting at the colour that mixes the ends by the factor.
    static void GradientFill(CDC* pDC, LPCRECT lpRect, const CXTPPaintManagerColorGradient& grc,
                             BOOL bHorz, LPCRECT lpRectClip = nullptr);

    // Per channel dFactor·a + (1 − dFactor)·b, truncated and capped at 255.
    static COLORREF MixColor(COLORREF clrA, COLORREF clrB, double dFactor);

    // A symbol font of the face (such as "Marlett", whose letters are window
    // glyphs) with the cell height; FALSE when it cannot be made.
    static BOOL CreateSymbolFont(CFont& font, LPCSTR lpszFace, int nHeight);

    // The width of a combo field's drop-down button: twice the average
    // character width of the font (the DC's own without one) plus 4, at least 15.
    static int ComboButtonWidth(CDC* pDC, CFont* pFont);

    // Test seam: FALSE makes the fills take the line-by-line path even when
    // the system offers GradientFill; TRUE restores the system's function.
    static void UseSystemGradient(BOOL bUse);

private:
    CXTPDrawHelpers(const CXTPDrawHelpers&) = delete;
    CXTPDrawHelpers& operator=(const CXTPDrawHelpers&) = delete;

    static void FillLineByLine(CDC* pDC, const CRect& rect, COLORREF crFrom, COLORREF crTo,
                               BOOL bHorz);

    using PFNGRADIENTFILL = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
    HMODULE m_hMsImgDll;
    PFNGRADIENTFILL m_pfnGradientFill;
};

// The limited form under the name other painters call it by.
void GradientFillThunk(CDC* pDC, LPCRECT lpRect, COLORREF crFrom, COLORREF crTo, BOOL bHorz,
                       LPCRECT lpRectClip);

// A filled triangle with the DC's current pen and brush, or in one colour.
void DrawTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2);
void FillTriangle(CDC* pDC, CPoint pt0, CPoint pt1, CPoint pt2, COLORREF clr);

// The points come in pairs, a pixel and an offset: each pixel becomes the
// per-channel average (rounded down) of itself and the pixel at the offset.
// An odd last point has no offset and is left alone.
void AveragePixelPairs(CDC* pDC, const POINT* pPoints, int nCount);

// GetLayout / SetLayout of GDI32, looked up by name; without them a DC is
// left to right and stays so.
BOOL IsLayoutRightToLeft(CDC* pDC);
void SetDCLayout(CDC* pDC, BOOL bRightToLeft);

// Window and client rectangles; empty when the window does not exist.
CRect MakeEmptyRect();
CRect MakeWindowRectOfHandle(HWND hWnd);
CRect MakeWindowRect(const CWnd* pWnd);
CRect MakeClientRect(const CWnd* pWnd);

// Removes each single '&' marker (a trailing one too) and turns "&&" into "&".
// Answers where the letter the first marker underlines now stands (-1: none).
int StripMnemonics(CString& strText);
