// Where a popup of a given size goes: beside or below the control that
// opened it (the exclusion rectangle, which it must not cover), or at a
// point for a context menu, always inside the monitor's work area. A menu
// that fits neither above nor below its control opens on the larger side,
// shortened, and scrolls.
//
// The rules keep a popup in the work area in every branch: the vertical
// choice compares with the middle of the work area (not half its height,
// which is wrong on a monitor that does not start at 0), the result is
// clamped into the area, and the height is never negative.
#pragma once

#include "framework/core/Geometry.h"

// Placement flags of a popup bar.
const DWORD xtpPopupLeft = 1;   // opens towards the left
const DWORD xtpPopupDown = 2;   // opens below its control (drop-down), not beside it

struct XTP_POPUP_PLACEMENT
{
    CRect rcWork;        // the monitor work area
    CPoint ptPosition;   // the top-left corner asked for (or the reference point)
    CRect rcExclude;     // screen rectangle of the opening control; empty for none
    DWORD dwFlags;       // xtpPopupLeft, xtpPopupDown
    CSize size;          // the popup's size
    BOOL bCanScroll;     // only menus scroll; other popups keep their height
};

struct XTP_POPUP_PLACED
{
    CRect rc;            // the window rectangle
    DWORD dwFlags;       // the flags after the fit (sub-popups follow the side chosen)
    BOOL bScroll;        // the menu is shortened and scrolls
};

XTP_POPUP_PLACED XTPCalcPopupPlacement(const XTP_POPUP_PLACEMENT& placement);
