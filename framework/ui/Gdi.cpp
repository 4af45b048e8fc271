// The common part of the drawing objects and their handle map: one map per
// thread for every kind of drawing object. A temporary wrapper is made of the
// class that matches the handle's object type, so the typed FromHandle calls
// and CDC::SelectObject can hand out a CFont* for a font, a CBitmap* for a
// bitmap, and so on.
#include "framework/ui/Gdi.h"

#include "framework/ui/Dc.h"

#include <stdlib.h>
#include <string.h>

namespace {

// The typed FromHandle calls: the wrapper is of the asked class unless an
// owner of another class attached the handle.
template <class T>
T* FromHandleAs(HGDIOBJ h)
{
    CGdiObject* p = CGdiObject::FromHandle(h);
    ASSERT(p == nullptr || p->IsKindOf(RUNTIME_CLASS(T)));
    return static_cast<T*>(p);
}

} // namespace

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNCREATE(CPen, CGdiObject)
IMPLEMENT_DYNCREATE(CBrush, CGdiObject)
IMPLEMENT_DYNCREATE(CFont, CGdiObject)

CGdiObject* CGdiHandleTraits::NewTemporary(HGDIOBJ hObject)
{
    CGdiObject* pObject = nullptr;
    switch (::GetObjectType(hObject))
    {
    case OBJ_PEN:
    case OBJ_EXTPEN: pObject = new CPen; break;
    case OBJ_BRUSH: pObject = new CBrush; break;
    case OBJ_FONT: pObject = new CFont; break;
    case OBJ_BITMAP: pObject = new CBitmap; break;
    case OBJ_REGION: pObject = new CRgn; break;
    case OBJ_PAL: pObject = new CPalette; break;
    default: pObject = new CGdiObject; break;
    }
    pObject->m_hObject = hObject;
    return pObject;
}

void CGdiHandleTraits::DeleteTemporary(CGdiObject* pObject)
{
    pObject->m_hObject = nullptr;   // borrowed: the destructor must not delete it
    delete pObject;
}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    return m_hObject;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return CGdiHandleMap::ForThread().FromHandle(hObject);
}

void CGdiObject::DeleteTempMap()
{
    CGdiHandleMap::ForThread().DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    ASSERT(m_hObject == nullptr);
    if (hObject == nullptr)
        return FALSE;
    m_hObject = hObject;
    CGdiHandleMap::ForThread().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr)
    {
        // Two owners may wrap one stock object: forget only our own entry.
        CGdiHandleMap& map = CGdiHandleMap::ForThread();
        if (map.LookupPermanent(hObject) == this)
            map.RemoveHandle(hObject);
    }
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    if (m_hObject == nullptr)
        return 0;
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject == nullptr ? 0 : ::GetObjectType(m_hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    ASSERT(m_hObject != nullptr);
    return ::UnrealizeObject(m_hObject);
}

// --- Typed wrappers ---------------------------------------------------------

CPen* CPen::FromHandle(HPEN hPen)
{
    return FromHandleAs<CPen>(hPen);
}

CBrush* CBrush::FromHandle(HBRUSH hBrush)
{
    return FromHandleAs<CBrush>(hBrush);
}

CFont* CFont::FromHandle(HFONT hFont)
{
    return FromHandleAs<CFont>(hFont);
}

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap)
{
    return FromHandleAs<CBitmap>(hBitmap);
}

CRgn* CRgn::FromHandle(HRGN hRgn)
{
    return FromHandleAs<CRgn>(hRgn);
}

CPalette* CPalette::FromHandle(HPALETTE hPalette)
{
    return FromHandleAs<CPalette>(hPalette);
}

// --- CPen -------------------------------------------------------------------

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* lpLogPen)
{
    return Attach(::CreatePenIndirect(lpLogPen));
}

int CPen::GetLogPen(LOGPEN* pLogPen) const
{
    return GetObject(sizeof(LOGPEN), pLogPen);
}

// --- CBrush -----------------------------------------------------------------

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    return Attach(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    return Attach(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    ASSERT(pBitmap != nullptr);
    return Attach(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->GetSafeHandle())));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    return Attach(::GetSysColorBrush(nIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const
{
    return GetObject(sizeof(LOGBRUSH), pLogBrush);
}

// --- CFont ------------------------------------------------------------------

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont)
{
    return Attach(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCSTR lpszFacename)
{
    return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                                nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC)
{
    LOGFONTA logFont;
    memset(&logFont, 0, sizeof(logFont));
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName != nullptr)
        lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC)
{
    HDC hDC = pDC != nullptr ? pDC->m_hAttribDC : ::GetDC(nullptr);

    // Tenths of a point to device pixels, then to the DC's logical units (a
    // DC in another mapping mode gets a font of the same physical size).
    POINT pt[2] = { { 0, 0 }, { 0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lpLogFont->lfHeight, 720) } };
    ::DPtoLP(hDC, pt, 2);

    LOGFONTA logFont = *lpLogFont;
    logFont.lfHeight = -abs(pt[1].y - pt[0].y);

    if (pDC == nullptr)
        ::ReleaseDC(nullptr, hDC);
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONTA* pLogFont) const
{
    return GetObject(sizeof(LOGFONTA), pLogFont);
}
