// The drawing objects: pens, brushes, fonts, bitmaps, regions and palettes.
// An object made by Create... or given by Attach owns its handle and deletes
// it when it is destroyed; objects are never copied. FromHandle hands out a
// wrapper that only borrows: the owner when the handle belongs to one on this
// thread, else a temporary of the handle's own kind that the idle pass frees.
#pragma once

#include "framework/core/Object.h"
#include "framework/ui/HandleMap.h"

class CBitmap;
class CDC;
class CGdiObject;

// How the drawing-object handle map makes and lets go of temporary wrappers
// (one map for every kind of drawing object).
struct CGdiHandleTraits
{
    static CGdiObject* NewTemporary(HGDIOBJ hObject);
    static void DeleteTemporary(CGdiObject* pObject);
};
using CGdiHandleMap = CHandleMap<HGDIOBJ, CGdiObject, CGdiHandleTraits>;

class CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;

    HGDIOBJ m_hObject = nullptr;

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const;

    // The wrapper of hObject: its owner on this thread, else a temporary of
    // the right class (a CFont for a font, a CBitmap for a bitmap ...).
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    // Frees this thread's temporary wrappers (the idle pass calls it).
    static void DeleteTempMap();

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    // Deletes the handle; FALSE when there is none.
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    // Wraps a stock object; deleting a stock object does nothing.
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();

    bool operator==(const CGdiObject& obj) const { return m_hObject == obj.m_hObject; }
    bool operator!=(const CGdiObject& obj) const { return m_hObject != obj.m_hObject; }
};

class CPen : public CGdiObject
{
    DECLARE_DYNCREATE(CPen)
public:
    static CPen* FromHandle(HPEN hPen);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    BOOL CreatePenIndirect(const LOGPEN* lpLogPen);
    int GetLogPen(LOGPEN* pLogPen) const;
};

class CBrush : public CGdiObject
{
    DECLARE_DYNCREATE(CBrush)
public:
    static CBrush* FromHandle(HBRUSH hBrush);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
    BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
    // An 8 x 8 monochrome bitmap paints with the DC's text and background
    // colours; the brush keeps its own copy of the pattern.
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    // A system colour brush belongs to the system: it is wrapped, not owned.
    BOOL CreateSysColorBrush(int nIndex);
    int GetLogBrush(LOGBRUSH* pLogBrush) const;
};

class CFont : public CGdiObject
{
    DECLARE_DYNCREATE(CFont)
public:
    static CFont* FromHandle(HFONT hFont);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }

    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                    BYTE nPitchAndFamily, LPCSTR lpszFacename);
    // nPointSize is in tenths of a point, converted with the vertical
    // resolution of pDC (of the screen when pDC is null).
    BOOL CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC = nullptr);
    // lfHeight of lpLogFont is in tenths of a point.
    BOOL CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC = nullptr);
    int GetLogFont(LOGFONTA* pLogFont) const;
};

class CBitmap : public CGdiObject
{
    DECLARE_DYNCREATE(CBitmap)
public:
    static CBitmap* FromHandle(HBITMAP hBitmap);
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    // From the module that holds the resource (AfxFindResourceHandle).
    BOOL LoadBitmap(LPCSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadOEMBitmap(UINT nIDBitmap);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    BOOL CreateBitmapIndirect(const BITMAP* lpBitmap);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) const;
};

class CRgn : public CGdiObject
{
    DECLARE_DYNCREATE(CRgn)
public:
    static CRgn* FromHandle(HRGN hRgn);
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode);
    // A region from RGNDATA (ExtCreateRegion); lpXForm may be null.
    BOOL CreateFromData(const XFORM* lpXForm, int nCount, const RGNDATA* pRgnData);

    // Replaces this region with the combination of the two (RGN_AND, RGN_OR,
    // RGN_XOR, RGN_DIFF, RGN_COPY); the region must exist already.
    int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode);
    int CopyRgn(const CRgn* pRgnSrc);
    void SetRectRgn(int x1, int y1, int x2, int y2);
    void SetRectRgn(LPCRECT lpRect);
    int OffsetRgn(int x, int y);
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const;
    BOOL RectInRegion(LPCRECT lpRect) const;
    BOOL EqualRgn(const CRgn* pRgn) const;
    int GetRgnBox(LPRECT lpRect) const;
    int GetRegionData(LPRGNDATA lpRgnData, int nCount) const;
};

class CPalette : public CGdiObject
{
    DECLARE_DYNCREATE(CPalette)
public:
    static CPalette* FromHandle(HPALETTE hPalette);
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }

    BOOL CreatePalette(const LOGPALETTE* lpLogPalette);
    BOOL CreateHalftonePalette(CDC* pDC);
    int GetEntryCount() const;
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, const PALETTEENTRY* lpPaletteColors);
    UINT GetNearestPaletteIndex(COLORREF crColor) const;
};
