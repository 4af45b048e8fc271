// Regions and palettes.
#include "framework/ui/Gdi.h"

#include "framework/ui/Dc.h"

IMPLEMENT_DYNCREATE(CRgn, CGdiObject)
IMPLEMENT_DYNCREATE(CPalette, CGdiObject)

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    return Attach(::CreateRectRgnIndirect(lpRect));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode)
{
    return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

BOOL CRgn::CreateFromData(const XFORM* lpXForm, int nCount, const RGNDATA* pRgnData)
{
    return Attach(::ExtCreateRegion(lpXForm, nCount, pRgnData));
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    ASSERT(m_hObject != nullptr && pRgn1 != nullptr);
    HRGN hRgn2 = pRgn2 != nullptr ? static_cast<HRGN>(pRgn2->m_hObject) : nullptr;
    return ::CombineRgn(*this, *pRgn1, hRgn2, nCombineMode);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc)
{
    ASSERT(m_hObject != nullptr && pRgnSrc != nullptr);
    return ::CombineRgn(*this, *pRgnSrc, nullptr, RGN_COPY);
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    ASSERT(m_hObject != nullptr);
    ::SetRectRgn(*this, x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect)
{
    SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::OffsetRgn(int x, int y)
{
    ASSERT(m_hObject != nullptr);
    return ::OffsetRgn(*this, x, y);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    ASSERT(m_hObject != nullptr);
    return ::PtInRegion(*this, x, y);
}

BOOL CRgn::PtInRegion(POINT point) const
{
    return PtInRegion(point.x, point.y);
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
    ASSERT(m_hObject != nullptr);
    return ::RectInRegion(*this, lpRect);
}

BOOL CRgn::EqualRgn(const CRgn* pRgn) const
{
    ASSERT(m_hObject != nullptr && pRgn != nullptr);
    return ::EqualRgn(*this, *pRgn);
}

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    ASSERT(m_hObject != nullptr);
    return ::GetRgnBox(*this, lpRect);
}

int CRgn::GetRegionData(LPRGNDATA lpRgnData, int nCount) const
{
    ASSERT(m_hObject != nullptr);
    return static_cast<int>(::GetRegionData(*this, nCount, lpRgnData));
}

// --- CPalette ---------------------------------------------------------------

BOOL CPalette::CreatePalette(const LOGPALETTE* lpLogPalette)
{
    return Attach(::CreatePalette(lpLogPalette));
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    ASSERT(pDC != nullptr);
    return Attach(::CreateHalftonePalette(pDC->m_hDC));
}

int CPalette::GetEntryCount() const
{
    WORD nEntries = 0;
    GetObject(sizeof(nEntries), &nEntries);
    return nEntries;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
{
    ASSERT(m_hObject != nullptr);
    return ::GetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, const PALETTEENTRY* lpPaletteColors)
{
    ASSERT(m_hObject != nullptr);
    return ::SetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const
{
    ASSERT(m_hObject != nullptr);
    return ::GetNearestPaletteIndex(*this, crColor);
}
