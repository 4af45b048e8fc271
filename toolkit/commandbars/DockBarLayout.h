// How a dock bar places the bars of one row: each bar wants to sit at the
// position it was dropped at; overlapping bars are pushed apart, bars that
// pass the end are pushed back, and a row still too long squeezes the bars
// that can shrink down to their minimum or, when that is not enough, gives
// up its last bar to a line of its own below.
//
// The layout works along x; a vertical dock bar hands it transposed
// positions and sizes. It asks each bar for its size through a function, so
// that the computation can be tested with bars of fixed sizes.
#pragma once

#include "framework/core/Geometry.h"

#include <functional>
#include <vector>

class CXTPToolBar;

// Layout-mode bits handed to a bar's docking layout.
const DWORD XTP_DOCK_MODE_STRETCH = 0x01;
const DWORD XTP_DOCK_MODE_HORZ = 0x0A;
const DWORD XTP_DOCK_MODE_VERT = 0x10;
const DWORD XTP_DOCK_MODE_COMMIT = 0x40;
const DWORD XTP_DOCK_MODE_HIDE_WRAP = 0x80;

// One bar of a row as the layout sees it.
struct XTP_DOCK_ROW_BAR
{
    // The bar's size along and across the row for a length along it and a
    // mode (the across thickness is passed on the committing pass).
    std::function<CSize(int nLength, DWORD dwMode, int nThickness)> calcSize;
    // Where the bar wants to start along the row.
    int nDesiredLeft = 0;
    DWORD dwMode = XTP_DOCK_MODE_HORZ;
    // Widened to fill the gap to its neighbours (bar flag 0x100000).
    BOOL bFillGap = FALSE;
    CXTPToolBar* pBar = nullptr;
};

// A bar's place in the row during one layout pass.
struct DockBarEntry
{
    CXTPToolBar* pBar = nullptr;
    CRect rc;
    CRect rcDesired;
    // The bar's index in the row as listed.
    int nIndex = 0;
    int nMinLength = 0;
    // The minimum lengths of the entries before it.
    int nTotalMinLength = 0;
};

// One try at placing a row: the thickness, or -1 with nSpill the listed
// index of the bar that does not fit. The entries come back in position
// order, their rectangles along x.
int LayoutDockRowOnce(const std::vector<XTP_DOCK_ROW_BAR>& bars, int nOffset, int nLength,
                      std::vector<DockBarEntry>& entries, int& nSpill);

// A row placed whole: bars that do not fit go to further lines below, which
// add to the returned thickness. rects receives each listed bar's rectangle
// (along x, nOffset across); the committing pass widens the gap fillers.
int LayoutDockRow(const std::vector<XTP_DOCK_ROW_BAR>& bars, int nOffset, int nLength,
                  std::vector<CRect>& rects, BOOL bCommit = FALSE);
