// Every rectangle is clipped to the bar's client area before its pixels are
// copied, so no copy reaches outside the cached picture. Pictures are 32-bit
// bottom-up DIB sections: rows move between them with memcpy and are
// compared and blended in place. The cache and each fade keep their memory
// DC for their lifetime, so a step costs one blend and one blit. Making DIB
// sections and DCs costs far more than a fade's pixel work, so a finished
// fade's record is kept and taken again by the next fade of a rectangle of
// its size (a control that turns hot and back fades the same rectangle), and
// a fade draws its new picture through the DC its steps use.
#include "toolkit/commandbars/Animation.h"

#include "toolkit/draw/BitmapHelpers.h"
#include "toolkit/draw/BufferDC.h"

#include <algorithm>
#include <cstring>

namespace {

// Retired fade records kept for reuse; a bar fades few rectangle sizes.
const size_t kMaxSpareRecords = 4;

bool RectContains(const CRect& rcOuter, const CRect& rcInner)
{
    return rcInner.left >= rcOuter.left && rcInner.top >= rcOuter.top
           && rcInner.right <= rcOuter.right && rcInner.bottom <= rcOuter.bottom;
}

bool RectsMeet(const CRect& a, const CRect& b)
{
    CRect rc;
    return rc.IntersectRect(&a, &b) != FALSE;
}

size_t PictureBytes(const CRect& rect)
{
    return static_cast<size_t>(rect.Width()) * static_cast<size_t>(rect.Height()) * 4;
}

} // namespace

// ---- one animated rectangle ---------------------------------------------------

CXTPCommandBarAnimation::CAnimateInfo::CAnimateInfo(HDC hDC, const CRect& rect)
    : m_hbmNew(Create32BitDIBSection(hDC, rect.Width(), rect.Height(), &m_pNewBits))
    , m_hbmOld(Create32BitDIBSection(hDC, rect.Width(), rect.Height(), &m_pOldBits))
    , m_hbmBlend(Create32BitDIBSection(hDC, rect.Width(), rect.Height(), &m_pBlendBits))
    , m_hdcBlend(::CreateCompatibleDC(hDC))
    , m_hOldBlend(nullptr)
    , m_rect(rect)
    , m_nStep(1)
{
    if (m_hdcBlend != nullptr && m_hbmBlend != nullptr)
        m_hOldBlend = ::SelectObject(m_hdcBlend, m_hbmBlend);
}

void CXTPCommandBarAnimation::CAnimateInfo::Restart(const CRect& rect)
{
    m_rect = rect;
    m_nStep = 1;
    m_arrExclude.clear();
}

CXTPCommandBarAnimation::CAnimateInfo::~CAnimateInfo()
{
    if (m_hdcBlend != nullptr)
    {
        if (m_hOldBlend != nullptr)
            ::SelectObject(m_hdcBlend, m_hOldBlend);
        ::DeleteDC(m_hdcBlend);
    }
    for (HBITMAP hBitmap : { m_hbmNew, m_hbmOld, m_hbmBlend })
    {
        if (hBitmap != nullptr)
            ::DeleteObject(hBitmap);
    }
}

// ---- the animation ------------------------------------------------------------

CXTPCommandBarAnimation::CXTPCommandBarAnimation(CWnd* pWnd, DrawFunc fnDraw, OptionFunc fnOption)
    : m_pWnd(pWnd)
    , m_fnDraw(std::move(fnDraw))
    , m_fnOption(std::move(fnOption))
    , m_hbmCache(nullptr)
    , m_pCacheBits(nullptr)
    , m_hOldCache(nullptr)
    , m_sizeCache(0, 0)
    , m_bDirty(FALSE)
    , m_bTimer(FALSE)
    , m_bAnimation(FALSE)
    , m_dwFlags(0)
{
}

CXTPCommandBarAnimation::~CXTPCommandBarAnimation()
{
    RemoveAll();
    DeleteSpareRecords();
    DeleteCache();
}

CXTPCommandBarAnimation::CAnimateInfo* CXTPCommandBarAnimation::TakeRecord(const CRect& rect)
{
    for (size_t i = 0; i < m_arrSpare.size(); ++i)
    {
        CAnimateInfo* pInfo = m_arrSpare[i];
        if (pInfo->m_rect.Size() == rect.Size())
        {
            m_arrSpare.erase(m_arrSpare.begin() + static_cast<std::ptrdiff_t>(i));
            pInfo->Restart(rect);
            return pInfo;
        }
    }
    return new CAnimateInfo(nullptr, rect);
}

void CXTPCommandBarAnimation::Retire(CAnimateInfo* pInfo)
{
    if (!pInfo->IsValid())
    {
        delete pInfo;
        return;
    }
    // The oldest spare makes room.
    if (m_arrSpare.size() >= kMaxSpareRecords)
    {
        delete m_arrSpare.front();
        m_arrSpare.erase(m_arrSpare.begin());
    }
    m_arrSpare.push_back(pInfo);
}

void CXTPCommandBarAnimation::DeleteSpareRecords()
{
    for (CAnimateInfo* pInfo : m_arrSpare)
        delete pInfo;
    m_arrSpare.clear();
}

BOOL CXTPCommandBarAnimation::IsAnimationOn() const
{
    return m_bAnimation || (m_fnOption && m_fnOption());
}

const CXTPCommandBarAnimation::CAnimateInfo* CXTPCommandBarAnimation::GetAnimation(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= GetAnimationCount())
        return nullptr;
    return m_arrAnimations[static_cast<size_t>(nIndex)];
}

CRect CXTPCommandBarAnimation::GetClientRect() const
{
    CRect rect(0, 0, 0, 0);
    if (m_pWnd != nullptr && ::IsWindow(m_pWnd->m_hWnd))
        ::GetClientRect(m_pWnd->m_hWnd, &rect);
    return rect;
}

HDC CXTPCommandBarAnimation::GetTargetDC()
{
    return ::GetDC(m_pWnd->m_hWnd);
}

void CXTPCommandBarAnimation::ReleaseTargetDC(HDC hDC)
{
    ::ReleaseDC(m_pWnd->m_hWnd, hDC);
}

void CXTPCommandBarAnimation::DeleteCache()
{
    if (m_dcCache.GetSafeHdc() != nullptr)
    {
        ::SelectObject(m_dcCache.GetSafeHdc(), m_hOldCache);
        m_dcCache.DeleteDC();
    }
    if (m_hbmCache != nullptr)
        ::DeleteObject(m_hbmCache);
    m_hbmCache = nullptr;
    m_pCacheBits = nullptr;
    m_hOldCache = nullptr;
    m_sizeCache = CSize(0, 0);
}

BOOL CXTPCommandBarAnimation::CreateCache(const CSize& size)
{
    DeleteCache();
    if (size.cx <= 0 || size.cy <= 0)
        return FALSE;
    m_hbmCache = Create32BitDIBSection(nullptr, size.cx, size.cy, &m_pCacheBits);
    if (m_hbmCache == nullptr || !m_dcCache.CreateCompatibleDC(nullptr))
    {
        DeleteCache();
        return FALSE;
    }
    m_hOldCache = ::SelectObject(m_dcCache.GetSafeHdc(), m_hbmCache);
    m_sizeCache = size;
    return TRUE;
}

void CXTPCommandBarAnimation::CopyFromCache(BYTE* pPicture, const CRect& rect) const
{
    const size_t nRowBytes = static_cast<size_t>(rect.Width()) * 4;
    for (int y = rect.top; y < rect.bottom; ++y)
    {
        const size_t nCacheRow = static_cast<size_t>(m_sizeCache.cy - 1 - y);
        const size_t nRow = static_cast<size_t>(rect.bottom - 1 - y);
        std::memcpy(pPicture + nRow * nRowBytes,
                    m_pCacheBits + (nCacheRow * static_cast<size_t>(m_sizeCache.cx) + static_cast<size_t>(rect.left)) * 4,
                    nRowBytes);
    }
}

void CXTPCommandBarAnimation::CopyToCache(const BYTE* pPicture, const CRect& rect)
{
    const size_t nRowBytes = static_cast<size_t>(rect.Width()) * 4;
    for (int y = rect.top; y < rect.bottom; ++y)
    {
        const size_t nCacheRow = static_cast<size_t>(m_sizeCache.cy - 1 - y);
        const size_t nRow = static_cast<size_t>(rect.bottom - 1 - y);
        std::memcpy(m_pCacheBits + (nCacheRow * static_cast<size_t>(m_sizeCache.cx) + static_cast<size_t>(rect.left)) * 4,
                    pPicture + nRow * nRowBytes, nRowBytes);
    }
}

void CXTPCommandBarAnimation::DrawClipped(CDC* pDC, const CRect& rcClip)
{
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rcClip);
    if (m_fnDraw)
        m_fnDraw(pDC, rcClip);
    pDC->RestoreDC(nSaved);
}

void CXTPCommandBarAnimation::KillTimer()
{
    if (m_bTimer && m_pWnd != nullptr && ::IsWindow(m_pWnd->m_hWnd))
        ::KillTimer(m_pWnd->m_hWnd, TIMER_ID);
    m_bTimer = FALSE;
}

void CXTPCommandBarAnimation::RemoveAll()
{
    for (CAnimateInfo* pInfo : m_arrAnimations)
        Retire(pInfo);
    m_arrAnimations.clear();
    KillTimer();
}

void CXTPCommandBarAnimation::Reset()
{
    DeleteCache();
    RemoveAll();
    DeleteSpareRecords();
}

void CXTPCommandBarAnimation::BlendPixels(BYTE* pDest, const BYTE* pOld, int nWidth, int nHeight,
                                          const BYTE* pNew, int nWeight)
{
    const size_t nPixels = static_cast<size_t>(nWidth) * static_cast<size_t>(nHeight);
    const int nInverse = 255 - nWeight;
    for (size_t i = 0; i < nPixels; ++i)
    {
        pDest[0] = static_cast<BYTE>((pNew[0] * nWeight + pOld[0] * nInverse) >> 8);
        pDest[1] = static_cast<BYTE>((pNew[1] * nWeight + pOld[1] * nInverse) >> 8);
        pDest[2] = static_cast<BYTE>((pNew[2] * nWeight + pOld[2] * nInverse) >> 8);
        pDest += 4;
        pOld += 4;
        pNew += 4;
    }
}

// ---- redraw -------------------------------------------------------------------

void CXTPCommandBarAnimation::RedrawRect(LPCRECT lpRect, BOOL bAnimate)
{
    if (m_pWnd == nullptr || !::IsWindow(m_pWnd->m_hWnd))
        return;
    if (lpRect == nullptr || m_hbmCache == nullptr || !IsAnimationOn())
    {
        if (lpRect == nullptr)
            DeleteCache();
        m_bDirty = TRUE;
        ::InvalidateRect(m_pWnd->m_hWnd, lpRect, FALSE);
        return;
    }

    CRect rect;
    CRect rcCache(CPoint(0, 0), m_sizeCache);
    if (!rect.IntersectRect(lpRect, &rcCache))
        return;

    // The bar's new picture of the rectangle: the fade's new picture, or a
    // picture of its own for a direct redraw.
    CAnimateInfo* pInfo = nullptr;
    HBITMAP hbmNew = nullptr;
    BYTE* pNewBits = nullptr;
    if (bAnimate)
    {
        pInfo = TakeRecord(rect);
        if (!pInfo->IsValid())
        {
            delete pInfo;
            return;
        }
        hbmNew = pInfo->m_hbmNew;
        pNewBits = pInfo->m_pNewBits;
    }
    else
    {
        hbmNew = Create32BitDIBSection(nullptr, rect.Width(), rect.Height(), &pNewBits);
        if (hbmNew == nullptr)
            return;
    }
    if (bAnimate)
    {
        // Drawn where the fade's steps go (that DC lives as long as the
        // record), then kept as the new picture.
        ::SetViewportOrgEx(pInfo->m_hdcBlend, -rect.left, -rect.top, nullptr);
        DrawClipped(CDC::FromHandle(pInfo->m_hdcBlend), rect);
        ::SetViewportOrgEx(pInfo->m_hdcBlend, 0, 0, nullptr);
        ::GdiFlush();
        std::memcpy(pNewBits, pInfo->m_pBlendBits, PictureBytes(rect));
    }
    else
    {
        if (m_dcDraw.GetSafeHdc() == nullptr)
            m_dcDraw.CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(m_dcDraw.GetSafeHdc(), hbmNew);
        ::SetViewportOrgEx(m_dcDraw.GetSafeHdc(), -rect.left, -rect.top, nullptr);
        DrawClipped(&m_dcDraw, rect);
        ::SelectObject(m_dcDraw.GetSafeHdc(), hOld);
        ::GdiFlush();
    }

    if (bAnimate)
    {
        CopyFromCache(pInfo->m_pOldBits, rect);
        CopyToCache(pNewBits, rect);
        // Nothing changed: nothing to fade.
        if (std::memcmp(pInfo->m_pNewBits, pInfo->m_pOldBits, PictureBytes(rect)) != 0)
            StartAnimation(pInfo);
        else
            Retire(pInfo);
        return;
    }

    // Drawn directly: animations under it end, those beside it keep out.
    for (size_t i = 0; i < m_arrAnimations.size();)
    {
        CAnimateInfo* pRunning = m_arrAnimations[i];
        if (RectContains(rect, pRunning->m_rect))
        {
            Retire(pRunning);
            m_arrAnimations.erase(m_arrAnimations.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        if (RectsMeet(rect, pRunning->m_rect))
            pRunning->m_arrExclude.push_back(rect);
        ++i;
    }
    if (m_arrAnimations.empty())
        KillTimer();
    CopyToCache(pNewBits, rect);
    ::DeleteObject(hbmNew);
    if (HDC hDC = GetTargetDC())
    {
        ::BitBlt(hDC, rect.left, rect.top, rect.Width(), rect.Height(), m_dcCache.GetSafeHdc(), rect.left,
                 rect.top, SRCCOPY);
        ReleaseTargetDC(hDC);
    }
}

void CXTPCommandBarAnimation::StartAnimation(CAnimateInfo* pNew)
{
    for (size_t i = 0; i < m_arrAnimations.size();)
    {
        if (RectContains(pNew->m_rect, m_arrAnimations[i]->m_rect))
        {
            Retire(m_arrAnimations[i]);
            m_arrAnimations.erase(m_arrAnimations.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        ++i;
    }
    m_arrAnimations.push_back(pNew);
    if (!m_bTimer)
    {
        ::SetTimer(m_pWnd->m_hWnd, TIMER_ID, TIMER_ELAPSE, nullptr);
        m_bTimer = TRUE;
    }
    if (HDC hDC = GetTargetDC())
    {
        DrawStep(CDC::FromHandle(hDC), pNew);
        ReleaseTargetDC(hDC);
    }
}

void CXTPCommandBarAnimation::DrawStep(CDC* pDC, CAnimateInfo* pInfo)
{
    const CRect& rect = pInfo->m_rect;
    if (pInfo->m_nStep < STEP_COUNT)
    {
        ::GdiFlush();
        BlendPixels(pInfo->m_pBlendBits, pInfo->m_pOldBits, rect.Width(), rect.Height(), pInfo->m_pNewBits,
                    pInfo->m_nStep * 255 / STEP_COUNT);
        ::BitBlt(pDC->GetSafeHdc(), rect.left, rect.top, rect.Width(), rect.Height(), pInfo->m_hdcBlend, 0, 0,
                 SRCCOPY);
    }
    else if (m_hbmCache != nullptr)
    {
        ::BitBlt(pDC->GetSafeHdc(), rect.left, rect.top, rect.Width(), rect.Height(), m_dcCache.GetSafeHdc(),
                 rect.left, rect.top, SRCCOPY);
    }
    ++pInfo->m_nStep;
}

void CXTPCommandBarAnimation::OnAnimate()
{
    if (m_pWnd == nullptr || !::IsWindow(m_pWnd->m_hWnd))
        return;
    if (HDC hDC = GetTargetDC())
    {
        CDC* pDC = CDC::FromHandle(hDC);
        for (CAnimateInfo* pInfo : m_arrAnimations)
        {
            if (pInfo->m_arrExclude.empty())
            {
                DrawStep(pDC, pInfo);
                continue;
            }
            int nSaved = pDC->SaveDC();
            for (const CRect& rcExclude : pInfo->m_arrExclude)
                pDC->ExcludeClipRect(&rcExclude);
            DrawStep(pDC, pInfo);
            pDC->RestoreDC(nSaved);
        }
        ReleaseTargetDC(hDC);
    }
    auto itDone = std::remove_if(m_arrAnimations.begin(), m_arrAnimations.end(),
                                 [this](CAnimateInfo* pInfo) {
                                     if (pInfo->m_nStep <= STEP_COUNT)
                                         return false;
                                     Retire(pInfo);
                                     return true;
                                 });
    m_arrAnimations.erase(itDone, m_arrAnimations.end());
    if (m_arrAnimations.empty())
        KillTimer();
}

// ---- paint ----------------------------------------------------------------------

void CXTPCommandBarAnimation::OnPaint(CDC* pDC, const CRect& rcPaintArg)
{
    CRect rcClient = GetClientRect();
    if (m_hbmCache != nullptr && m_sizeCache != rcClient.Size())
        DeleteCache();

    if (m_dwFlags == 0 && !IsAnimationOn())
    {
        DeleteCache();
        {
            CXTPBufferDC dcBuffer(pDC->GetSafeHdc(), rcClient);
            DrawClipped(&dcBuffer, rcPaintArg);
        }
        RemoveAll();
    }
    else if (m_bDirty || m_hbmCache == nullptr)
    {
        CRect rcPaint = rcPaintArg;
        if (m_hbmCache == nullptr)
        {
            CreateCache(rcClient.Size());
            rcPaint = rcClient;
        }
        if (m_hbmCache != nullptr)
        {
            DrawClipped(&m_dcCache, rcPaint);
            pDC->BitBlt(rcPaint.left, rcPaint.top, rcPaint.Width(), rcPaint.Height(), &m_dcCache,
                        rcPaint.left, rcPaint.top, SRCCOPY);
        }
        else
        {
            DrawClipped(pDC, rcPaint);
        }
        RemoveAll();
    }
    else
    {
        pDC->BitBlt(0, 0, m_sizeCache.cx, m_sizeCache.cy, &m_dcCache, 0, 0, SRCCOPY);
    }
    m_bDirty = FALSE;
}
