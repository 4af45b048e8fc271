// The device context itself: ownership, the handle map, selection of drawing
// objects, coordinates and modes.
#include "framework/ui/Dc.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC* CDCHandleTraits::NewTemporary(HDC hDC)
{
    CDC* pDC = new CDC;
    pDC->m_hDC = pDC->m_hAttribDC = hDC;
    return pDC;
}

void CDCHandleTraits::DeleteTemporary(CDC* pDC)
{
    pDC->m_hDC = pDC->m_hAttribDC = nullptr;   // borrowed: not ours to delete
    delete pDC;
}

CDC::~CDC()
{
    DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC)
{
    return CDCHandleMap::ForThread().FromHandle(hDC);
}

void CDC::DeleteTempMap()
{
    CDCHandleMap::ForThread().DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    ASSERT(m_hDC == nullptr);
    if (hDC == nullptr)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    CDCHandleMap::ForThread().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr)
    {
        CDCHandleMap& map = CDCHandleMap::ForThread();
        if (map.LookupPermanent(hDC) == this)
            map.RemoveHandle(hDC);
    }
    m_hDC = m_hAttribDC = nullptr;
    return hDC;
}

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                   const void* lpInitData)
{
    return Attach(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput,
                              static_cast<const DEVMODEA*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                   const void* lpInitData)
{
    return Attach(::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput,
                              static_cast<const DEVMODEA*>(lpInitData)));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

// --- State ------------------------------------------------------------------

int CDC::SaveDC()
{
    ASSERT(m_hDC != nullptr);
    return ::SaveDC(m_hDC);
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    ASSERT(m_hDC != nullptr);
    return ::RestoreDC(m_hDC, nSavedDC);
}

int CDC::GetDeviceCaps(int nIndex) const
{
    ASSERT(m_hAttribDC != nullptr);
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

// --- Drawing objects ----------------------------------------------------------

CPen* CDC::SelectObject(CPen* pPen)
{
    ASSERT(m_hDC != nullptr && pPen != nullptr);
    return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, pPen->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    ASSERT(m_hDC != nullptr && pBrush != nullptr);
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, pBrush->m_hObject)));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    ASSERT(m_hDC != nullptr && pFont != nullptr);
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, pFont->m_hObject)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    ASSERT(m_hDC != nullptr && pBitmap != nullptr);
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, pBitmap->m_hObject)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    ASSERT(m_hDC != nullptr && pObject != nullptr);
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    ASSERT(m_hDC != nullptr);
    return ::SelectObject(m_hDC, hObject);
}

int CDC::SelectObject(CRgn* pRgn)
{
    ASSERT(m_hDC != nullptr && pRgn != nullptr);
    return static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(m_hDC, pRgn->m_hObject)));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    ASSERT(m_hDC != nullptr);
    HGDIOBJ hObject = ::GetStockObject(nIndex);
    ASSERT(hObject != nullptr);
    return CGdiObject::FromHandle(::SelectObject(m_hDC, hObject));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    ASSERT(m_hDC != nullptr && pPalette != nullptr);
    return CPalette::FromHandle(::SelectPalette(m_hDC, *pPalette, bForceBackground));
}

UINT CDC::RealizePalette()
{
    ASSERT(m_hDC != nullptr);
    return ::RealizePalette(m_hDC);
}

// --- Coordinates --------------------------------------------------------------

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hAttribDC);
}

int CDC::SetMapMode(int nMapMode)
{
    return ::SetMapMode(m_hDC, nMapMode);
}

CPoint CDC::GetViewportOrg() const
{
    CPoint point;
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    CPoint point;
    ::SetViewportOrgEx(m_hDC, x, y, &point);
    return point;
}

CPoint CDC::SetViewportOrg(POINT point)
{
    return SetViewportOrg(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    CPoint point;
    ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &point);
    return point;
}

CSize CDC::GetViewportExt() const
{
    CSize size;
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    CSize size;
    ::SetViewportExtEx(m_hDC, cx, cy, &size);
    return size;
}

CSize CDC::SetViewportExt(SIZE size)
{
    return SetViewportExt(size.cx, size.cy);
}

CPoint CDC::GetWindowOrg() const
{
    CPoint point;
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    CPoint point;
    ::SetWindowOrgEx(m_hDC, x, y, &point);
    return point;
}

CPoint CDC::SetWindowOrg(POINT point)
{
    return SetWindowOrg(point.x, point.y);
}

CSize CDC::GetWindowExt() const
{
    CSize size;
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    CSize size;
    ::SetWindowExtEx(m_hDC, cx, cy, &size);
    return size;
}

CSize CDC::SetWindowExt(SIZE size)
{
    return SetWindowExt(size.cx, size.cy);
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    LPtoDP(reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    DPtoLP(reinterpret_cast<LPPOINT>(lpRect), 2);
}

// --- Colours and modes ----------------------------------------------------------

COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hAttribDC);
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return ::SetTextColor(m_hDC, crColor);
}

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hAttribDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return ::SetBkColor(m_hDC, crColor);
}

int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hAttribDC);
}

int CDC::SetBkMode(int nBkMode)
{
    return ::SetBkMode(m_hDC, nBkMode);
}

int CDC::GetROP2() const
{
    return ::GetROP2(m_hAttribDC);
}

int CDC::SetROP2(int nDrawMode)
{
    return ::SetROP2(m_hDC, nDrawMode);
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return ::SetTextAlign(m_hDC, nFlags);
}

int CDC::GetStretchBltMode() const
{
    return ::GetStretchBltMode(m_hAttribDC);
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return ::SetStretchBltMode(m_hDC, nStretchMode);
}
