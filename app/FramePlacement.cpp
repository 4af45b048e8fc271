#include "app/FramePlacement.h"

#include "app/Settings.h"

#include <algorithm>

QivStoredPlacement ReadStoredPlacement()
{
    return {QivSettings::Get(QivSettings::FrameStatus), QivSettings::Get(QivSettings::FrameTop),
            QivSettings::Get(QivSettings::FrameLeft), QivSettings::Get(QivSettings::FrameBottom),
            QivSettings::Get(QivSettings::FrameRight)};
}

QivScreenMetrics GetScreenMetrics()
{
    QivScreenMetrics screen = {};
    RECT rcWork = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    screen.rcWork = rcWork;
    screen.cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
    screen.cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    screen.cxIcon = ::GetSystemMetrics(SM_CXICON);
    screen.cyIcon = ::GetSystemMetrics(SM_CYICON);
    return screen;
}

BOOL ComputeFramePlacement(const QivStoredPlacement& stored, const QivScreenMetrics& screen,
                           int nCurrentShow, CRect* prcWindow, int* pnShow)
{
    const int values[] = {stored.nStatus, stored.nTop, stored.nLeft, stored.nBottom, stored.nRight};
    if (std::find(std::begin(values), std::end(values), -1) != std::end(values))
        return FALSE;
    const int cx = stored.nRight - stored.nLeft;
    const int cy = stored.nBottom - stored.nTop;
    if (cx <= 0 || cy <= 0 || stored.nStatus < SW_SHOWNORMAL || stored.nStatus > SW_MAX)
        return FALSE;

    *pnShow = (nCurrentShow == SW_MINIMIZE || nCurrentShow == SW_HIDE) ? nCurrentShow
                                                                       : stored.nStatus;
    const int nWorkLeft = screen.rcWork.left;
    const int nWorkTop = screen.rcWork.top;
    int x = std::min(stored.nLeft + nWorkLeft, screen.cxScreen - screen.cxIcon);
    int y = std::min(stored.nTop + nWorkTop, screen.cyScreen - screen.cyIcon);
    x = std::max(x, nWorkLeft + screen.cxIcon - cx);
    y = std::max(y, nWorkTop);
    prcWindow->SetRect(x, y, x + cx, y + cy);
    return TRUE;
}
