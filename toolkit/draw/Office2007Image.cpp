#include "toolkit/draw/Office2007Image.h"
#include "framework/ui/Dc.h"
#include "toolkit/draw/BitmapHelpers.h"
#include "toolkit/draw/DrawHelpers.h"
#include "toolkit/draw/ScopedDC.h"

CXTPOffice2007Image::CXTPOffice2007Image()
    : m_hBitmap(nullptr), m_bAlpha(FALSE)
{
}

CXTPOffice2007Image::~CXTPOffice2007Image()
{
    DeleteBitmap();
}

void CXTPOffice2007Image::DeleteBitmap()
{
    if (m_hBitmap)
        ::DeleteObject(m_hBitmap);
    m_hBitmap = nullptr;
    m_bAlpha = FALSE;
}

BOOL CXTPOffice2007Image::LoadFromResource(HMODULE hModule, LPCSTR lpszName)
{
    DeleteBitmap();
    if (!hModule || !lpszName)
        return FALSE;

    BOOL bAlpha = FALSE;
    HBITMAP hBitmap = LoadBitmapResource(hModule, lpszName, &bAlpha);
    if (!hBitmap)
        return FALSE;
    m_hBitmap = hBitmap;
    m_bAlpha = bAlpha;
    return TRUE;
}

CSize CXTPOffice2007Image::GetExtent() const
{
    BITMAP bm = {};
    if (!m_hBitmap || ::GetObjectA(m_hBitmap, sizeof(bm), &bm) == 0)
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight < 0 ? -bm.bmHeight : bm.bmHeight);
}

int CXTPOffice2007Image::GetWidth() const
{
    return GetExtent().cx;
}

int CXTPOffice2007Image::GetHeight() const
{
    return GetExtent().cy;
}

// A frame count below 1 would divide by zero; it is read as one frame.
CRect CXTPOffice2007Image::GetSource(int nState, int nCount) const
{
    CSize sz = GetExtent();
    int nFrame = sz.cy / (nCount > 0 ? nCount : 1);
    return CRect(0, nState * nFrame, sz.cx, nState * nFrame + nFrame);
}

BOOL CXTPOffice2007Image::DrawImagePart(CDC* pDestDC, const CRect& rcDest, CDC* pSrcDC,
                                        const CRect& rcSrc) const
{
    if (rcDest.Width() <= 0 || rcDest.Height() <= 0 || rcSrc.Width() <= 0 ||
        rcSrc.Height() <= 0)
        return TRUE;

    if (m_bAlpha)
    {
        AlphaBlit(pDestDC, rcDest, pSrcDC, rcSrc);
        return TRUE;
    }
    if (rcDest.Size() == rcSrc.Size())
        return pDestDC->BitBlt(rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), pSrcDC,
                               rcSrc.left, rcSrc.top, SRCCOPY);
    return pDestDC->StretchBlt(rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), pSrcDC,
                               rcSrc.left, rcSrc.top, rcSrc.Width(), rcSrc.Height(), SRCCOPY);
}

void CXTPOffice2007Image::DrawImage(CDC* pDC, const CRect& rcDest, const CRect& rcSrc,
                                    const CRect& rcMargins)
{
    int ml = rcMargins.left, mt = rcMargins.top, mr = rcMargins.right, mb = rcMargins.bottom;
    if (!m_hBitmap || mt + mb > rcSrc.Height())
        return;

    if (rcDest.Width() == rcSrc.Width())
        ml = mr = 0;
    if (rcDest.Height() == rcSrc.Height())
        mt = mb = 0;

    pDC->SetStretchBltMode(COLORONCOLOR);
    if (rcDest.left >= rcDest.right || rcDest.top >= rcDest.bottom)
        return;

    CXTPCompatibleDC dcSrc(pDC, m_hBitmap);
    if (!m_bAlpha && IsLayoutRightToLeft(pDC))
        SetDCLayout(&dcSrc, FALSE);

    if (ml == 0 && mt == 0 && mr == 0 && mb == 0)
    {
        DrawImagePart(pDC, rcDest, &dcSrc, rcSrc);
        return;
    }

    // Too little room for both borders: they share it in proportion. The
    // vertical split keeps the bottom border's parity, so a one-pixel rule
    // in the middle of a symmetric image stays where it belongs.
    int mlD = ml, mtD = mt, mrD = mr, mbD = mb;
    int cyDest = rcDest.Height(), cxDest = rcDest.Width();
    if ((cyDest <= mt + mb || rcSrc.Height() == mt + mb) && mt + mb > 0)
    {
        mtD = ::MulDiv(cyDest, mt, mt + mb);
        mbD = cyDest - mtD;
        if (mbD > 0 && (mbD % 2) != (mb % 2))
            mbD++;
    }
    if ((cxDest <= ml + mr || rcSrc.Width() == ml + mr) && ml + mr > 0)
    {
        mlD = cxDest * ml / (ml + mr);
        mrD = cxDest - mlD;
    }

    const CRect& S = rcSrc;
    const CRect& D = rcDest;
    const int xS[4] = {S.left, S.left + ml, S.right - mr, S.right};
    const int yS[4] = {S.top, S.top + mt, S.bottom - mb, S.bottom};
    const int xD[4] = {D.left, D.left + mlD, D.right - mrD, D.right};
    const int yD[4] = {D.top, D.top + mtD, D.bottom - mbD, D.bottom};
    for (int row = 0; row < 3; row++)
    {
        for (int col = 0; col < 3; col++)
        {
            DrawImagePart(pDC, CRect(xD[col], yD[row], xD[col + 1], yD[row + 1]), &dcSrc,
                          CRect(xS[col], yS[row], xS[col + 1], yS[row + 1]));
        }
    }
}

void CXTPOffice2007Image::DrawImage(CDC* pDC, const CRect& rcDest, const CRect& rcSrc,
                                    const CRect& rcMargins, COLORREF clrTransparent)
{
    if (!m_hBitmap || rcMargins.top + rcMargins.bottom > rcSrc.Height())
        return;
    if (clrTransparent == 0xFFFFFFFF || m_bAlpha)
    {
        DrawImage(pDC, rcDest, rcSrc, rcMargins);
        return;
    }
    if (rcDest.Width() <= 0 || rcDest.Height() <= 0)
        return;

    CBitmap bmp;
    if (!bmp.CreateCompatibleBitmap(pDC, rcDest.Width(), rcDest.Height()))
        return;
    CXTPCompatibleDC dcBuffer(pDC, &bmp);
    CRect rcBuffer(0, 0, rcDest.Width(), rcDest.Height());
    dcBuffer.FillSolidRect(rcBuffer, clrTransparent);
    DrawImage(&dcBuffer, rcBuffer, rcSrc, rcMargins);
    TransparentBlit(pDC, rcDest, &dcBuffer, rcBuffer, clrTransparent);
}
