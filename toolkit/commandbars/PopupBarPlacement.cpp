#include "toolkit/commandbars/PopupBarPlacement.h"

#include <algorithm>

namespace {

// Popups keep this distance from the bottom of the work area.
const int kBottomGap = 5;

} // namespace

XTP_POPUP_PLACED XTPCalcPopupPlacement(const XTP_POPUP_PLACEMENT& in)
{
    const CRect& rcWork = in.rcWork;
    const CRect& rcExclude = in.rcExclude;
    const int nLimit = rcWork.bottom - kBottomGap;
    const int nMiddle = (rcWork.top + nLimit) / 2;
    const BOOL bExcludeWidth = rcExclude.Width() > 0;
    const BOOL bExcludeHeight = rcExclude.Height() > 0;
    const BOOL bLeftAtStart = (in.dwFlags & xtpPopupLeft) != 0;
    DWORD dwFlags = in.dwFlags;
    int x = in.ptPosition.x;
    int y = in.ptPosition.y;
    const int cx = in.size.cx;
    int cy = in.size.cy;
    BOOL bScroll = FALSE;

    // Horizontal start.
    if (dwFlags == (xtpPopupLeft | xtpPopupDown) && bExcludeWidth)
        x = rcExclude.right - cx;   // right-aligned under the control
    else if ((dwFlags & xtpPopupLeft) && bExcludeWidth)
        x = rcExclude.left - cx;
    else if (dwFlags & xtpPopupLeft)
        x = x - cx;

    // Vertical. A popup opened upwards from a point ends at the point, which
    // may lie in the gap above the work area's bottom.
    int nBottom = nLimit;
    if (!bExcludeHeight && y > nLimit)
    {
        nBottom = std::min(y, static_cast<int>(rcWork.bottom));
        y = y - cy;   // a point low on the screen: open upwards
    }
    else if (y + cy > nLimit)
    {
        if (!bExcludeHeight)
            y = y < nMiddle ? nLimit - cy : y - cy;
        else if (dwFlags & xtpPopupDown)
        {
            y = rcExclude.top - cy;
            if (y < rcWork.top)
            {
                // Neither above nor below: the larger side, shortened.
                bScroll = TRUE;
                if (rcExclude.CenterPoint().y > nMiddle)
                {
                    y = rcWork.top;
                    cy = rcExclude.top - rcWork.top;
                }
                else
                {
                    y = rcExclude.bottom;
                    cy = nLimit - rcExclude.bottom;
                }
            }
        }
        else
            y = nLimit - cy;
    }
    // Every branch ends inside the work area.
    if (y > nBottom)
        y = nBottom;
    if (y < rcWork.top)
        y = rcWork.top;
    if (y + cy > nBottom)
    {
        cy = nBottom - y;
        bScroll = TRUE;
    }
    cy = std::max(cy, 0);

    // Horizontal fit.
    if (x + cx > rcWork.right)
    {
        if (!bExcludeWidth)
            x = x > rcWork.right ? x - cx : rcWork.right - cx;
        else
        {
            x = ((dwFlags & xtpPopupDown) ? rcWork.right : rcExclude.left) - cx;
            dwFlags |= xtpPopupLeft;   // later sub-popups open to the left too
        }
    }
    else if (x < rcWork.left)
    {
        if (bExcludeWidth)
        {
            x = (dwFlags & xtpPopupDown) ? rcWork.left : rcExclude.right;
            dwFlags &= ~xtpPopupLeft;
        }
        else if (bLeftAtStart)
        {
            x = rcWork.left;
            dwFlags &= ~xtpPopupLeft;
        }
    }
    if (x + cx > rcWork.right)
        x = rcWork.right - cx;
    if (x < rcWork.left)
        x = rcWork.left;

    XTP_POPUP_PLACED placed;
    placed.bScroll = bScroll && in.bCanScroll;
    placed.dwFlags = dwFlags;
    placed.rc = CRect(x, y, x + cx, y + cy);
    return placed;
}
