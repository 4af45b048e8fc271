// Device contexts. A CDC owns the DC it created or was given by Attach and
// deletes it when destroyed; FromHandle hands out a wrapper that only
// borrows (the owner on this thread, else a temporary the idle pass frees).
// The scoped DCs of windows (CPaintDC, CClientDC, CWindowDC) give their DC
// back to the window instead, in the state they found it.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"
#include "framework/ui/Gdi.h"

class CDC;
class CWnd;

// How the device-context handle map makes and lets go of temporary wrappers.
struct CDCHandleTraits
{
    static CDC* NewTemporary(HDC hDC);
    static void DeleteTemporary(CDC* pDC);
};
using CDCHandleMap = CHandleMap<HDC, CDC, CDCHandleTraits>;

class CDC : public CObject
{
    DECLARE_DYNCREATE(CDC)
public:
    CDC() = default;
    ~CDC() override;

    // Output and attribute DC: one and the same handle in this framework.
    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    static CDC* FromHandle(HDC hDC);
    static void DeleteTempMap();
    BOOL Attach(HDC hDC);
    HDC Detach();

    BOOL CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                  const void* lpInitData);
    // An information context: measuring without drawing (driver "DISPLAY").
    BOOL CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                  const void* lpInitData);
    // A memory DC like pDC (like the screen when pDC is null).
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();

    // --- State --------------------------------------------------------------
    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    int GetDeviceCaps(int nIndex) const;

    // --- Drawing objects ----------------------------------------------------
    // Each selects the object and returns the one it replaced: its owner, or
    // a temporary wrapper of the same kind.
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CGdiObject* SelectObject(CGdiObject* pObject);
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    // A region is copied into the DC: the result is the region type.
    int SelectObject(CRgn* pRgn);
    CGdiObject* SelectStockObject(int nIndex);
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette();

    // --- Coordinates --------------------------------------------------------
    int GetMapMode() const;
    int SetMapMode(int nMapMode);
    CPoint GetViewportOrg() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point);
    CPoint OffsetViewportOrg(int nWidth, int nHeight);
    CSize GetViewportExt() const;
    CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size);
    CPoint GetWindowOrg() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point);
    CSize GetWindowExt() const;
    CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size);
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
    void LPtoDP(LPRECT lpRect) const;
    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
    void DPtoLP(LPRECT lpRect) const;

    // --- Colours and modes --------------------------------------------------
    COLORREF GetTextColor() const;
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    COLORREF SetBkColor(COLORREF crColor);
    int GetBkMode() const;
    int SetBkMode(int nBkMode);
    int GetROP2() const;
    int SetROP2(int nDrawMode);
    UINT GetTextAlign() const;
    UINT SetTextAlign(UINT nFlags);
    int GetStretchBltMode() const;
    int SetStretchBltMode(int nStretchMode);

    // --- Text (DcText.cpp) --------------------------------------------------
    // nCount -1: up to the NUL. With DT_CALCRECT the rectangle is measured,
    // not drawn. Returns the text height.
    int DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    BOOL TextOut(int x, int y, LPCSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString,
                    UINT nCount, LPINT lpDxWidths);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str,
                    LPINT lpDxWidths);
    // Extents in the attribute DC and in the output DC (the same here).
    CSize GetTextExtent(LPCSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const;
    CSize GetOutputTextExtent(LPCSTR lpszString, int nCount) const;
    CSize GetOutputTextExtent(const CString& str) const;
    BOOL GetTextMetrics(LPTEXTMETRICA lpMetrics) const;
    int GetTextFace(int nCount, LPSTR lpszFacename) const;
    int GetTextFace(CString& rString) const;

    // --- Rectangles and shapes (DcDraw.cpp) ---------------------------------
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    // A solid area without a brush; the background colour is kept.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    // One-pixel frame: top and left edges in clrTopLeft, right and bottom
    // edges (with the top-right and bottom-left corners) in clrBottomRight.
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void FrameRect(LPCRECT lpRect, CBrush* pBrush);
    void InvertRect(LPCRECT lpRect);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL RoundRect(LPCRECT lpRect, POINT point);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT lpRect);
    BOOL Polygon(const POINT* lpPoints, int nCount);
    BOOL Polyline(const POINT* lpPoints, int nCount);
    // Returns the previous current position.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point);
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point);
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const;
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    COLORREF SetPixel(POINT point, COLORREF crColor);
    BOOL SetPixelV(int x, int y, COLORREF crColor);
    void DrawFocusRect(LPCRECT lpRect);
    // Inverts the frame of lpRect (size: its thickness) and takes back the
    // one drawn last (lpRectLast, may be null) in one pass, touching only the
    // pixels that change. Null brushes mean the half-tone brush.
    void DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast,
                      CBrush* pBrush = nullptr, CBrush* pBrushLast = nullptr);
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
    BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState);
    BOOL DrawIcon(int x, int y, HICON hIcon);
    BOOL DrawIcon(POINT point, HICON hIcon);

    // DrawState: a bitmap, an icon or a text drawn normal, disabled
    // (DSS_DISABLED), one-coloured (DSS_MONO, in the brush) ... A zero size
    // means the image's own size.
    BOOL DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush = nullptr);
    BOOL DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush = nullptr);
    BOOL DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush = nullptr);
    BOOL DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush);
    // bPrefixText: '&' underlines the next character (DST_PREFIXTEXT);
    // nTextLen 0: up to the NUL.
    BOOL DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText = TRUE,
                   int nTextLen = 0, HBRUSH hBrush = nullptr);
    BOOL DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText,
                   int nTextLen, CBrush* pBrush);

    // --- Bit blocks and clipping (DcBlt.cpp) --------------------------------
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop);
    // With the selected brush: PATCOPY, PATINVERT, DSTINVERT, BLACKNESS ...
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);

    int GetClipBox(LPRECT lpRect) const;
    // A null region removes the clipping.
    int SelectClipRgn(CRgn* pRgn);
    int SelectClipRgn(CRgn* pRgn, int nMode);
    int ExcludeClipRect(int x1, int y1, int x2, int y2);
    int ExcludeClipRect(LPCRECT lpRect);
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect);
    BOOL RectVisible(LPCRECT lpRect) const;
    BOOL PtVisible(int x, int y) const;
    BOOL PtVisible(POINT point) const;

    // The process-wide 8 x 8 checker brush of drag frames and trackers.
    static CBrush* GetHalftoneBrush();
};

// The scoped DCs of a window. Each saves the DC's state when it takes the DC
// and restores it before giving the DC back, so nothing selected into it
// outlives the scope (a window with its own DC keeps its state otherwise).

// The DC of a WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
    int m_nSavedDC = 0;
};

// The client-area DC of a window (GetDC / ReleaseDC); a null window gives
// the screen.
class CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
    int m_nSavedDC = 0;
};

// The DC of a whole window, frame included (GetWindowDC / ReleaseDC); a null
// window gives the screen.
class CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
    int m_nSavedDC = 0;
};
