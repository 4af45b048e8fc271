#include "toolkit/draw/CaptionLine.h"

#include "framework/ui/Dc.h"
#include "framework/ui/Gdi.h"
#include "toolkit/draw/DrawHelpers.h"

#include <vector>

namespace {

const char kEllipsis[] = "...";

// The text as it is drawn and the index of its underlined letter (-1: none).
struct MarkedLine
{
    CString strPlain;
    int nMarked;
};

MarkedLine ParseMarks(const CString& strText, BOOL bPrefix)
{
    MarkedLine line = {strText, -1};
    if (bPrefix)
        line.nMarked = StripMnemonics(line.strPlain);
    return line;
}

// Where each letter ends, measured from the line's start.
std::vector<int> LetterEnds(HDC hDC, const CString& str)
{
    std::vector<int> ends(static_cast<size_t>(str.GetLength()));
    SIZE size = {};
    if (!ends.empty())
        ::GetTextExtentExPointA(hDC, str, str.GetLength(), 0, nullptr, ends.data(), &size);
    return ends;
}

// The text cut at the end with "..." so that it fits the width; the
// underlined letter goes when it is cut away.
void FitWithEllipsis(HDC hDC, MarkedLine& line, int cxAvailable)
{
    const std::vector<int> ends = LetterEnds(hDC, line.strPlain);
    if (ends.empty() || ends.back() <= cxAvailable)
        return;
    SIZE szEllipsis = {};
    ::GetTextExtentPoint32A(hDC, kEllipsis, 3, &szEllipsis);
    int nKeep = static_cast<int>(ends.size());
    while (nKeep > 0 && ends[static_cast<size_t>(nKeep - 1)] + szEllipsis.cx > cxAvailable)
        --nKeep;
    line.strPlain = line.strPlain.Left(nKeep) + kEllipsis;
    if (line.nMarked >= nKeep)
        line.nMarked = -1;
}

} // namespace

int XTPDrawCaptionLine(CDC* pDC, const CString& strText, const CRect& rc, UINT nFormat)
{
    const HDC hDC = pDC->GetSafeHdc();
    MarkedLine line = ParseMarks(strText, !(nFormat & DT_NOPREFIX));
    if (nFormat & DT_END_ELLIPSIS)
        FitWithEllipsis(hDC, line, rc.Width());

    const std::vector<int> ends = LetterEnds(hDC, line.strPlain);
    const int cxLine = ends.empty() ? 0 : ends.back();
    TEXTMETRICA tm = {};
    pDC->GetTextMetrics(&tm);
    const int cyLine = tm.tmHeight;

    int x = rc.left;
    if (nFormat & DT_CENTER)
        x = (rc.left + rc.right - cxLine) / 2;
    else if (nFormat & DT_RIGHT)
        x = rc.right - cxLine;
    int y = rc.top;
    if (nFormat & DT_VCENTER)
        y = rc.top + rc.Height() / 2 - cyLine / 2;
    else if (nFormat & DT_BOTTOM)
        y = rc.bottom - cyLine;

    // Each letter at its measured advance, so that the underline below,
    // taken from the same advances, stands under its letter.
    std::vector<int> advances(ends.size());
    for (size_t i = 0; i < ends.size(); ++i)
        advances[i] = ends[i] - (i ? ends[i - 1] : 0);
    const BOOL bClip = !(nFormat & DT_NOCLIP);
    ::ExtTextOutA(hDC, x, y, bClip ? ETO_CLIPPED : 0, &rc, line.strPlain,
                  static_cast<UINT>(line.strPlain.GetLength()), advances.empty() ? nullptr : advances.data());

    if (line.nMarked >= 0)
    {
        // One pixel high, a pixel short of the letter's advance, a pixel
        // below the base line: where the system puts it.
        const size_t nMarked = static_cast<size_t>(line.nMarked);
        CRect rcLine(x + (nMarked ? ends[nMarked - 1] : 0), y + tm.tmAscent + 1, x + ends[nMarked] - 1,
                     y + tm.tmAscent + 2);
        if (bClip)
            rcLine.IntersectRect(&rcLine, &rc);
        if (!rcLine.IsRectEmpty())
        {
            CBrush brush;
            brush.CreateSolidBrush(pDC->GetTextColor());
            pDC->FillRect(&rcLine, &brush);
        }
    }
    return cyLine;
}
