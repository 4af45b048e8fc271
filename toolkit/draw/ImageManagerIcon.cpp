#include "toolkit/draw/ImageManagerIcon.h"

#include "framework/ui/Dc.h"
#include "toolkit/draw/BitmapHelpers.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ImageManager.h"
#include "toolkit/draw/ScopedDC.h"

#include <commctrl.h>
#include <algorithm>
#include <utility>

namespace {

void MirrorRows(DWORD* pPixels, int cx, int cy)
{
    for (int y = 0; y < cy; ++y)
        std::reverse(pPixels + static_cast<size_t>(y) * cx,
                     pPixels + static_cast<size_t>(y + 1) * cx);
}

// Draws the icon flipped left to right. Device contexts differ in how they
// take negative widths, so the flip is done on pixels: the area under the
// icon is copied out, flipped, drawn on, flipped back and copied in again.
void DrawIconMirrored(HDC hDC, int x, int y, HICON hIcon, int cx, int cy)
{
    BYTE* pBits = nullptr;
    HBITMAP hBitmap = Create32BitDIBSection(hDC, cx, cy, &pBits);
    HDC hMemDC = hBitmap ? ::CreateCompatibleDC(hDC) : nullptr;
    if (hMemDC)
    {
        HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
        DWORD* pPixels = reinterpret_cast<DWORD*>(pBits);
        ::BitBlt(hMemDC, 0, 0, cx, cy, hDC, x, y, SRCCOPY);
        ::GdiFlush();
        MirrorRows(pPixels, cx, cy);
        ::DrawIconEx(hMemDC, 0, 0, hIcon, cx, cy, 0, nullptr, DI_NORMAL);
        ::GdiFlush();
        MirrorRows(pPixels, cx, cy);
        ::BitBlt(hDC, x, y, cx, cy, hMemDC, 0, 0, SRCCOPY);
        ::SelectObject(hMemDC, hOld);
        ::DeleteDC(hMemDC);
    }
    if (hBitmap)
        ::DeleteObject(hBitmap);
}

} // namespace

// --- Image handle -------------------------------------------------------------

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle()
    : m_hIcon(nullptr)
    , m_hBitmap(nullptr)
    , m_hPremultiplied(nullptr)
    , m_bOwned(FALSE)
    , m_szKnown(0, 0)
{
}

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(HICON hIcon)
    : CXTPImageManagerIconHandle()
{
    m_hIcon = hIcon;
}

CXTPImageManagerIconHandle::CXTPImageManagerIconHandle(HBITMAP hBitmap)
    : CXTPImageManagerIconHandle()
{
    m_hBitmap = hBitmap;
}

CXTPImageManagerIconHandle::~CXTPImageManagerIconHandle()
{
    Clear();
}

void CXTPImageManagerIconHandle::Clear()
{
    if (m_bOwned)
    {
        if (m_hIcon)
            ::DestroyIcon(m_hIcon);
        if (m_hBitmap)
            ::DeleteObject(m_hBitmap);
    }
    if (m_hPremultiplied)
        ::DeleteObject(m_hPremultiplied);
    m_hIcon = nullptr;
    m_hBitmap = nullptr;
    m_hPremultiplied = nullptr;
    m_bOwned = FALSE;
    m_szKnown = CSize(0, 0);
}

void CXTPImageManagerIconHandle::CopyHandle(const CXTPImageManagerIconHandle& other)
{
    if (&other == this)
        return;
    Clear();
    if (other.m_hIcon)
        AttachIcon(::CopyIcon(other.m_hIcon), other.m_szKnown);
    else if (other.m_hBitmap)
        AttachBitmap(CopyAlphaBitmap(other.m_hBitmap));
}

void CXTPImageManagerIconHandle::TakeHandle(CXTPImageManagerIconHandle& other)
{
    if (&other == this)
        return;
    if (!other.m_bOwned)
    {
        CopyHandle(other);
        return;
    }
    Clear();
    std::swap(m_hIcon, other.m_hIcon);
    std::swap(m_hBitmap, other.m_hBitmap);
    std::swap(m_hPremultiplied, other.m_hPremultiplied);
    std::swap(m_szKnown, other.m_szKnown);
    m_bOwned = TRUE;
    other.m_bOwned = FALSE;
}

void CXTPImageManagerIconHandle::AttachIcon(HICON hIcon, CSize szKnown)
{
    Clear();
    m_hIcon = hIcon;
    m_bOwned = TRUE;
    if (hIcon)
        m_szKnown = szKnown;
}

void CXTPImageManagerIconHandle::AttachBitmap(HBITMAP hBitmap)
{
    Clear();
    m_hBitmap = hBitmap;
    m_bOwned = TRUE;
}

HBITMAP CXTPImageManagerIconHandle::GetPremultipliedBitmap()
{
    if (!m_hPremultiplied && m_hBitmap)
        m_hPremultiplied = PremultiplyAlpha(m_hBitmap);
    return m_hPremultiplied;
}

CSize CXTPImageManagerIconHandle::GetExtent() const
{
    if (m_hIcon)
        return m_szKnown.cx > 0 && m_szKnown.cy > 0 ? m_szKnown : GetIconDimensions(m_hIcon);
    int nWidth = 0, nHeight = 0, nBitCount = 0;
    if (m_hBitmap && GetBitmapFormat(m_hBitmap, &nWidth, &nHeight, &nBitCount))
        return CSize(nWidth, nHeight);
    return CSize(0, 0);
}

// --- Icon -------------------------------------------------------------------

CXTPImageManagerIcon::CXTPImageManagerIcon(UINT nID, int nWidth, int nHeight,
                                           CXTPImageManagerIconSet* pIconSet)
    : m_nID(nID)
    , m_nWidth(nWidth)
    , m_nHeight(nHeight)
    , m_bScaled(FALSE)
    , m_pIconSet(pIconSet)
    , m_pImageList(nullptr)
{
}

CXTPImageManagerIcon::CXTPImageManagerIcon(UINT nID, int nWidth, int nHeight,
                                           CXTPImageManagerImageList* pImageList)
    : CXTPImageManagerIcon(nID, nWidth, nHeight, static_cast<CXTPImageManagerIconSet*>(nullptr))
{
    m_pImageList = pImageList;
}

CXTPImageManagerIcon::~CXTPImageManagerIcon()
{
    ClearAllImages();
}

CXTPImageManager* CXTPImageManagerIcon::GetImageManager() const
{
    if (m_pIconSet && m_pIconSet->GetImageManager())
        return m_pIconSet->GetImageManager();
    return XTPImageManager();
}

void CXTPImageManagerIcon::ClearAllImages()
{
    for (CXTPImageManagerIconHandle* pHandle : {&m_hIcon, &m_hFaded, &m_hShadow, &m_hHot,
                                                &m_hChecked, &m_hPressed, &m_hDisabled,
                                                &m_hDisabledAuto})
        pHandle->Clear();
}

void CXTPImageManagerIcon::ClearGeneratedImages()
{
    m_hFaded.Clear();
    m_hShadow.Clear();
    m_hDisabledAuto.Clear();
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetHotImage()
{
    return m_hHot.IsEmpty() ? m_hIcon : m_hHot;
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetCheckedImage()
{
    return m_hChecked.IsEmpty() ? GetHotImage() : m_hChecked;
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetPressedImage()
{
    return m_hPressed.IsEmpty() ? GetHotImage() : m_hPressed;
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetDisabledImage(BOOL bCreate)
{
    if (!m_hDisabled.IsEmpty())
        return m_hDisabled;
    if (m_hDisabledAuto.IsEmpty() && bCreate)
        CreateDisabledImage();
    return m_hDisabledAuto;
}

BOOL CXTPImageManagerIcon::HasDisabledImage() const
{
    return !m_hDisabled.IsEmpty() || !m_hDisabledAuto.IsEmpty();
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetFadedImage()
{
    if (m_hFaded.IsEmpty())
        MakeFaded(m_hIcon, m_hFaded);
    return m_hFaded;
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetShadowImage()
{
    if (m_hShadow.IsEmpty())
        MakeShadow(GetHotImage(), m_hShadow);
    return m_hShadow;
}

CXTPImageManagerIconHandle& CXTPImageManagerIcon::GetImage(int nState)
{
    switch (nState)
    {
    case xtpImageDisabled: return GetDisabledImage(TRUE);
    case xtpImageHot: return GetHotImage();
    case xtpImageChecked: return GetCheckedImage();
    case xtpImagePressed: return GetPressedImage();
    default: return m_hIcon;
    }
}

void CXTPImageManagerIcon::SetIcon(const CXTPImageManagerIconHandle& hIcon)
{
    CXTPImageManagerIconHandle copy;
    copy.CopyHandle(hIcon);
    SetIcon(std::move(copy));
}

void CXTPImageManagerIcon::SetIcon(CXTPImageManagerIconHandle&& hIcon)
{
    ClearAllImages();
    m_hIcon.TakeHandle(hIcon);
    CSize size = m_hIcon.GetExtent();
    m_nWidth = size.cx;
    m_nHeight = size.cy;
    m_bScaled = FALSE;
    if (m_pIconSet)
        m_pIconSet->RefreshAll();
}

void CXTPImageManagerIcon::SetHotIcon(const CXTPImageManagerIconHandle& hIcon)
{
    ClearGeneratedImages();
    m_hHot.CopyHandle(hIcon);
}

void CXTPImageManagerIcon::SetCheckedIcon(const CXTPImageManagerIconHandle& hIcon)
{
    ClearGeneratedImages();
    m_hChecked.CopyHandle(hIcon);
}

void CXTPImageManagerIcon::SetPressedIcon(const CXTPImageManagerIconHandle& hIcon)
{
    ClearGeneratedImages();
    m_hPressed.CopyHandle(hIcon);
}

void CXTPImageManagerIcon::SetDisabledIcon(const CXTPImageManagerIconHandle& hIcon)
{
    ClearGeneratedImages();
    m_hDisabled.CopyHandle(hIcon);
}

void CXTPImageManagerIcon::CreateDisabledImage(COLORREF clrLight, COLORREF clrDark)
{
    if (m_hDisabledAuto.IsEmpty())
        MakeDisabled(m_hIcon, m_hDisabledAuto, clrLight, clrDark);
}

CXTPImageManagerIcon* CXTPImageManagerIcon::CreateScaledCopy(int nWidth)
{
    // Zero widths would divide by zero; scaled copies come only from given icons.
    if (!m_hIcon.GetIcon() || m_nWidth <= 0 || nWidth <= 0)
        return nullptr;
    int nHeight = ::MulDiv(m_nHeight, nWidth, m_nWidth);
    CXTPImageManagerIcon* pScaled = new CXTPImageManagerIcon(m_nID, nWidth, nHeight, m_pIconSet);
    struct Pair
    {
        CXTPImageManagerIconHandle* pSource;
        CXTPImageManagerIconHandle* pTarget;
    };
    const Pair pairs[] = {
        {&m_hIcon, &pScaled->m_hIcon},       {&m_hDisabled, &pScaled->m_hDisabled},
        {&m_hHot, &pScaled->m_hHot},         {&m_hChecked, &pScaled->m_hChecked},
        {&m_hPressed, &pScaled->m_hPressed},
    };
    for (const Pair& pair : pairs)
    {
        if (!pair.pSource->GetIcon())
            continue;
        HICON hScaled = CreateScaledIcon(pair.pSource->GetIcon(), m_nWidth, m_nHeight, nWidth);
        if (hScaled)
            pair.pTarget->AttachIcon(hScaled);
    }
    if (pScaled->m_hIcon.IsEmpty())
    {
        pScaled->InternalRelease();
        return nullptr;
    }
    pScaled->m_bScaled = TRUE;
    return pScaled;
}

BOOL CXTPImageManagerIcon::IsMirrored(CDC* pDC) const
{
    switch (GetImageManager()->GetMirrorMode())
    {
    case 1: return TRUE;
    case 2: return IsLayoutRightToLeft(pDC);
    default: return FALSE;
    }
}

void CXTPImageManagerIcon::Draw(CDC* pDC, CPoint pt, CXTPImageManagerIconHandle& hIcon,
                                int nWidth, int nHeight)
{
    if (nWidth == 0)
        nWidth = m_nWidth;
    if (nHeight == 0)
        nHeight = m_nWidth > 0 ? nWidth * m_nHeight / m_nWidth : m_nHeight;

    if (m_pImageList)
    {
        ::ImageList_DrawEx(m_pImageList->GetHandle(),
                           static_cast<int>(m_nID - m_pImageList->GetBaseCommand()),
                           pDC->GetSafeHdc(), pt.x, pt.y, 0, 0, CLR_NONE, CLR_NONE,
                           ILD_TRANSPARENT);
        return;
    }
    if (hIcon.IsEmpty() || nWidth <= 0 || nHeight <= 0)
        return;

    if (hIcon.GetIcon())
    {
        if (IsMirrored(pDC))
            DrawIconMirrored(pDC->GetSafeHdc(), pt.x, pt.y, hIcon.GetIcon(), nWidth, nHeight);
        else
            ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, hIcon.GetIcon(), nWidth, nHeight, 0,
                         nullptr, DI_NORMAL);
        return;
    }

    HBITMAP hPremultiplied = hIcon.GetPremultipliedBitmap();
    if (!hPremultiplied)
        return;
    CSize szImage = hIcon.GetExtent();
    CXTPCompatibleDC dcImage(pDC, hPremultiplied);
    AlphaBlit(pDC, CRect(pt, CSize(nWidth, nHeight)), &dcImage,
              CRect(0, 0, szImage.cx, szImage.cy));
}

void CXTPImageManagerIcon::DrawNormal(CDC* pDC, CPoint pt)
{
    Draw(pDC, pt, m_hIcon, m_nWidth, m_nHeight);
}

void CXTPImageManagerIcon::DrawMonochrome(CDC* pDC, CPoint pt, CXTPImageManagerIconHandle& hIcon,
                                          COLORREF clr)
{
    if (!hIcon.GetIcon() || m_nWidth <= 0 || m_nHeight <= 0)
        return;
    HDC hDC = pDC->GetSafeHdc();
    HBRUSH hBrush = ::CreateSolidBrush(clr);

    if (IsMirrored(pDC))
    {
        // The mirrored icon on white, then that bitmap's shape in the colour.
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, m_nWidth, m_nHeight);
        if (hBitmap)
        {
            {
                CXTPCompatibleDC dcImage(pDC, hBitmap);
                dcImage.FillSolidRect(0, 0, m_nWidth, m_nHeight, RGB(255, 255, 255));
                DrawIconMirrored(dcImage.GetSafeHdc(), 0, 0, hIcon.GetIcon(), m_nWidth, m_nHeight);
            }
            ::DrawStateA(hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0, pt.x, pt.y,
                         m_nWidth, m_nHeight, DST_BITMAP | DSS_MONO);
            ::DeleteObject(hBitmap);
        }
    }
    else
    {
        ::DrawStateA(hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon.GetIcon()), 0, pt.x,
                     pt.y, m_nWidth, m_nHeight, DST_ICON | DSS_MONO);
    }
    ::DeleteObject(hBrush);
}
