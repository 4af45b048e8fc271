#include "toolkit/draw/BufferDC.h"

#include "toolkit/draw/DrawHelpers.h"

CXTPBufferDC::CXTPBufferDC(HDC hDestDC, const CRect& rcPaint)
    : m_hDestDC(hDestDC)
    , m_rect(rcPaint)
    , m_hBitmap(nullptr)
    , m_hOldBitmap(nullptr)
    , m_bValid(FALSE)
{
    if (!hDestDC)
        return;
    HDC hMemDC = ::CreateCompatibleDC(hDestDC);
    if (hMemDC && m_rect.right > 0 && m_rect.bottom > 0)
        m_hBitmap = ::CreateCompatibleBitmap(hDestDC, m_rect.right, m_rect.bottom);
    if (hMemDC && m_hBitmap)
    {
        Attach(hMemDC);
        m_hOldBitmap = ::SelectObject(hMemDC, m_hBitmap);
        m_bValid = TRUE;
        return;
    }
    if (hMemDC)
        ::DeleteDC(hMemDC);
    // Borrowed: given back, not deleted, in the destructor.
    m_hDC = hDestDC;
    m_hAttribDC = hDestDC;
}

CXTPBufferDC::~CXTPBufferDC()
{
    if (!m_bValid)
    {
        m_hDC = m_hAttribDC = nullptr;
        return;
    }
    ::BitBlt(m_hDestDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC,
             m_rect.left, m_rect.top, SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    DeleteDC();
}

CXTMemDC::CXTMemDC(CDC* pDC, const CRect& rect, const CXTPPaintManagerColorGradient& clrBack,
                   BOOL bHorz)
    : m_pDC(pDC)
    , m_rect(rect)
    , m_hBitmap(nullptr)
    , m_hOldBitmap(nullptr)
    , m_bValid(FALSE)
    , m_nSavedDC(0)
{
    if (!pDC || !pDC->GetSafeHdc())
        return;
    if (m_rect.IsRectEmpty())
        pDC->GetClipBox(&m_rect);

    HDC hMemDC = ::CreateCompatibleDC(pDC->GetSafeHdc());
    if (hMemDC && !m_rect.IsRectEmpty())
    {
        ::SetMapMode(hMemDC, pDC->GetMapMode());
        m_hBitmap = ::CreateCompatibleBitmap(pDC->GetSafeHdc(), m_rect.Width(), m_rect.Height());
    }
    if (hMemDC && m_hBitmap)
    {
        Attach(hMemDC);
        m_hOldBitmap = ::SelectObject(hMemDC, m_hBitmap);
        m_bValid = TRUE;
    }
    else
    {
        if (hMemDC)
            ::DeleteDC(hMemDC);
        DrawIntoTarget();
    }

    if (clrBack.clrDark.HasValue())
        CXTPDrawHelpers::GradientFill(this, CRect(0, 0, m_rect.Width(), m_rect.Height()), clrBack,
                                      bHorz);
}

void CXTMemDC::DrawIntoTarget()
{
    HDC hTarget = m_pDC->GetSafeHdc();
    m_nSavedDC = ::SaveDC(hTarget);
    POINT ptOrigin = {};
    ::GetWindowOrgEx(hTarget, &ptOrigin);
    ::SetWindowOrgEx(hTarget, ptOrigin.x - m_rect.left, ptOrigin.y - m_rect.top, nullptr);
    ::IntersectClipRect(hTarget, 0, 0, m_rect.Width(), m_rect.Height());
    // Borrowed: given back, not deleted, in the destructor.
    m_hDC = m_hAttribDC = hTarget;
}

CXTMemDC::~CXTMemDC()
{
    if (!m_bValid)
    {
        if (m_nSavedDC)
            ::RestoreDC(m_pDC->GetSafeHdc(), m_nSavedDC);
        m_hDC = m_hAttribDC = nullptr;
        return;
    }
    ::BitBlt(m_pDC->GetSafeHdc(), m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(),
             m_hDC, 0, 0, SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    DeleteDC();
}
