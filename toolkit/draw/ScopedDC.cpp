#include "toolkit/draw/ScopedDC.h"

namespace {

const COLORREF clrNone = static_cast<COLORREF>(-1);

} // namespace

CXTPFontDC::CXTPFontDC(CDC* pDC, CFont* pFont)
    : m_pDC(pDC)
    , m_hOldFont(nullptr)
    , m_clrOldTextColor(clrNone)
{
    if (pFont)
        SetFont(pFont);
}

CXTPFontDC::~CXTPFontDC()
{
    ReleaseFont();
    ReleaseColor();
}

void CXTPFontDC::SetFont(CFont* pFont)
{
    if (pFont)
        SetFont(static_cast<HFONT>(pFont->GetSafeHandle()));
}

void CXTPFontDC::SetFont(HFONT hFont)
{
    if (!m_pDC || !m_pDC->GetSafeHdc() || !hFont)
        return;
    HGDIOBJ hPrevious = ::SelectObject(m_pDC->GetSafeHdc(), hFont);
    if (!m_hOldFont)
        m_hOldFont = hPrevious;
}

void CXTPFontDC::SetColor(COLORREF clrTextColor)
{
    if (!m_pDC || !m_pDC->GetSafeHdc())
        return;
    COLORREF clrPrevious = ::SetTextColor(m_pDC->GetSafeHdc(), clrTextColor);
    if (m_clrOldTextColor == clrNone)
        m_clrOldTextColor = clrPrevious;
}

void CXTPFontDC::ReleaseFont()
{
    if (m_hOldFont && m_pDC && m_pDC->GetSafeHdc())
        ::SelectObject(m_pDC->GetSafeHdc(), m_hOldFont);
    m_hOldFont = nullptr;
}

void CXTPFontDC::ReleaseColor()
{
    if (m_clrOldTextColor != clrNone && m_pDC && m_pDC->GetSafeHdc())
        ::SetTextColor(m_pDC->GetSafeHdc(), m_clrOldTextColor);
    m_clrOldTextColor = clrNone;
}

CXTPPenDC::CXTPPenDC(HDC hDC, COLORREF clrColor)
    : m_hDC(hDC)
    , m_hPen(::CreatePen(PS_SOLID, 1, clrColor))
    , m_hOldPen(nullptr)
{
    if (m_hDC && m_hPen)
        m_hOldPen = ::SelectObject(m_hDC, m_hPen);
}

CXTPPenDC::~CXTPPenDC()
{
    if (m_hOldPen)
        ::SelectObject(m_hDC, m_hOldPen);
    if (m_hPen)
        ::DeleteObject(m_hPen);
}

COLORREF CXTPPenDC::GetColor() const
{
    LOGPEN logPen = {};
    if (!m_hPen || !::GetObjectA(m_hPen, sizeof(logPen), &logPen))
        return 0;
    return logPen.lopnColor;
}

CXTPBrushDC::CXTPBrushDC(HDC hDC, COLORREF clrColor)
    : m_hDC(hDC)
    , m_hBrush(::CreateSolidBrush(clrColor))
    , m_hOldBrush(nullptr)
{
    if (m_hDC && m_hBrush)
        m_hOldBrush = ::SelectObject(m_hDC, m_hBrush);
}

CXTPBrushDC::~CXTPBrushDC()
{
    if (m_hOldBrush)
        ::SelectObject(m_hDC, m_hOldBrush);
    if (m_hBrush)
        ::DeleteObject(m_hBrush);
}

void CXTPBrushDC::Color(COLORREF clrColor)
{
    if (m_hOldBrush)
        ::SelectObject(m_hDC, m_hOldBrush);
    if (m_hBrush)
        ::DeleteObject(m_hBrush);
    m_hOldBrush = nullptr;
    m_hBrush = ::CreateSolidBrush(clrColor);
    if (m_hDC && m_hBrush)
        m_hOldBrush = ::SelectObject(m_hDC, m_hBrush);
}

CXTPBitmapDC::CXTPBitmapDC(CDC* pDC, CBitmap* pBitmap)
    : CXTPBitmapDC(pDC, pBitmap ? static_cast<HBITMAP>(pBitmap->GetSafeHandle()) : nullptr)
{
}

CXTPBitmapDC::CXTPBitmapDC(CDC* pDC, HBITMAP hBitmap)
    : m_hDC(pDC ? pDC->GetSafeHdc() : nullptr)
    , m_hOldBitmap(nullptr)
{
    if (m_hDC && hBitmap)
        m_hOldBitmap = ::SelectObject(m_hDC, hBitmap);
}

CXTPBitmapDC::~CXTPBitmapDC()
{
    if (m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
}

CXTPCompatibleDC::CXTPCompatibleDC(CDC* pDC, CBitmap* pBitmap)
    : CXTPCompatibleDC(pDC, pBitmap ? static_cast<HBITMAP>(pBitmap->GetSafeHandle()) : nullptr)
{
}

CXTPCompatibleDC::CXTPCompatibleDC(CDC* pDC, HBITMAP hBitmap)
    : m_hOldBitmap(nullptr)
{
    CreateCompatibleDC(pDC);
    if (m_hDC && hBitmap)
        m_hOldBitmap = ::SelectObject(m_hDC, hBitmap);
}

CXTPCompatibleDC::~CXTPCompatibleDC()
{
    if (m_hOldBitmap)
        ::SelectObject(m_hDC, m_hOldBitmap);
    DeleteDC();
}
