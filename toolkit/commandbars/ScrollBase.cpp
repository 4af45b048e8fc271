#include "toolkit/commandbars/ScrollBase.h"

#include <string.h>

namespace {

// a × b / c rounded to the nearest, as MulDiv does, for values that do not
// fit its 32 bits; all three are at least 0 here and c above 0.
LONGLONG MulDivRounded(LONGLONG a, LONGLONG b, LONGLONG c)
{
    return (a * b * 2 + c) / (c * 2);
}

} // namespace

CXTPScrollBase::CXTPScrollBase()
    : m_pTrack(nullptr)
    , m_nHotPart(hitNone)
    , m_bHostFlag(TRUE)
    , m_nScrollStyle(0)
{
    memset(&m_spi, 0, sizeof(m_spi));
}

int CXTPScrollBase::GetScrollBarArrowSize() const
{
    return ::GetSystemMetrics(SM_CYVSCROLL);
}

void CXTPScrollBase::CalcScrollBarInfo()
{
    CRect rc;
    GetScrollBarRect(rc);
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(&si);
    CalcScrollBarGeometry(&rc, &m_spi, &si);
}

void CXTPScrollBase::CalcScrollBarGeometry(LPCRECT lprcBar, SCROLLBARPOSINFO* pInfo,
                                           const SCROLLINFO* pScrollInfo)
{
    SCROLLBARPOSINFO& spi = *pInfo;
    spi.rc = *lprcBar;
    spi.pxTop = lprcBar->top;
    spi.pxBottom = lprcBar->bottom;
    spi.pxLeft = lprcBar->left;
    spi.pxRight = lprcBar->right;
    spi.pxPopup = 0;

    const int nHeight = spi.pxBottom > spi.pxTop ? spi.pxBottom - spi.pxTop : 0;
    int nArrow = GetScrollBarArrowSize();
    if (nHeight < 2 * nArrow)
        nArrow = nHeight / 2;
    spi.pxUpArrow = spi.pxTop + nArrow;
    spi.pxDownArrow = spi.pxTop + nHeight - nArrow;
    const int nTrack = nHeight - 2 * nArrow;

    spi.posMin = pScrollInfo->nMin;
    spi.posMax = pScrollInfo->nMax;
    // The range in 64 bits: the extremes of int would overflow it.
    const LONGLONG nRange = static_cast<LONGLONG>(spi.posMax) - spi.posMin + 1;
    LONGLONG nPage = pScrollInfo->nPage;
    if (nRange > 0 && nPage > nRange)
        nPage = nRange;
    spi.page = static_cast<int>(nRange > 0 ? nPage : 0);

    int nThumb = nArrow;
    if (spi.page != 0 && nRange > 0)
    {
        nThumb = static_cast<int>(MulDivRounded(nTrack, nPage, nRange));
        if (nThumb < nArrow / 2)
            nThumb = nArrow / 2;
    }
    if (nThumb > nTrack)
        nThumb = nTrack;
    spi.pxThumbLength = nThumb;
    spi.pxLowestThumbTop = spi.pxTop + nArrow;
    spi.pxTravel = nTrack - nThumb;

    const LONGLONG nPageOrOne = spi.page ? spi.page : 1;
    LONGLONG nPos = pScrollInfo->nPos;
    const LONGLONG nLastPos = static_cast<LONGLONG>(spi.posMax) - nPageOrOne + 1;
    if (nPos > nLastPos)
        nPos = nLastPos;
    if (nPos < spi.posMin)
        nPos = spi.posMin;
    spi.pos = static_cast<int>(nPos);

    if (nRange <= 0)
        spi.pxThumbTop = spi.pxLowestThumbTop;
    else if (nRange == nPageOrOne)
        spi.pxThumbTop = spi.pxLowestThumbTop - 1;
    else
        spi.pxThumbTop = spi.pxLowestThumbTop
            + static_cast<int>(
                MulDivRounded(nPos - spi.posMin, spi.pxTravel, nRange - nPageOrOne));
    spi.pxThumbBottom = spi.pxThumbTop + spi.pxThumbLength;
}

int CXTPScrollBase::HitTestScrollBar(POINT point) const
{
    if (!::PtInRect(&m_spi.rc, point))
        return hitNone;
    if (point.y < m_spi.pxUpArrow)
        return hitUpArrow;
    if (m_spi.pxPopup > 0 && point.y >= m_spi.pxPopup)
        return hitPopup;
    if (point.y >= m_spi.pxDownArrow)
        return hitDownArrow;
    if (point.y < m_spi.pxThumbTop)
        return hitPageUp;
    if (point.y < m_spi.pxThumbBottom)
        return hitThumb;
    return hitPageDown;
}

int CXTPScrollBase::PositionFromThumbPixel(int y) const
{
    const LONGLONG nReach = static_cast<LONGLONG>(m_spi.posMax) - m_spi.posMin
        - (m_spi.page ? m_spi.page - 1 : 0);
    if (y < m_spi.pxLowestThumbTop || m_spi.pxTravel <= 0 || nReach <= 0)
        return m_spi.posMin;
    if (y > m_spi.pxLowestThumbTop + m_spi.pxTravel)
        return static_cast<int>(m_spi.posMin + nReach);
    return static_cast<int>(m_spi.posMin
                            + MulDivRounded(nReach, y - m_spi.pxLowestThumbTop, m_spi.pxTravel));
}
