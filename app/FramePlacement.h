// Where the main window starts: the placement stored at the last exit
// (section "Frame"), kept on the screen. Without a usable stored placement
// the system places the window.
#pragma once

#include "framework/core/Geometry.h"

struct QivStoredPlacement
{
    int nStatus;
    int nTop;
    int nLeft;
    int nBottom;
    int nRight;
};

struct QivScreenMetrics
{
    CRect rcWork;
    int cxScreen;
    int cyScreen;
    int cxIcon;
    int cyIcon;
};

// The stored values (each -1 when missing) and this screen's metrics.
QivStoredPlacement ReadStoredPlacement();
QivScreenMetrics GetScreenMetrics();

// The window rectangle and show command for a stored placement; FALSE
// leaves both to the system: a value missing, a size of 0 or less, or a
// show command that is no visible state. A show command of minimize or
// hide already chosen by the command line stays. The window starts at
// most one icon short of the screen's right and bottom edges, with at
// least an icon's width of it right of the work area's left edge and its
// caption not above the work area.
BOOL ComputeFramePlacement(const QivStoredPlacement& stored, const QivScreenMetrics& screen,
                           int nCurrentShow, CRect* prcWindow, int* pnShow);
